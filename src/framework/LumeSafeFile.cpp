// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeSafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Qt covers reading and writing; the descriptors below are for what it
// lacks: opening without waiting, unnamed files, and syncing a folder.
// Every call is checked, and a signal's interruption is retried. QSaveFile
// is no help here: it names its file at once, has no in-place fallback, and
// in the Qt of Debian 12 it renames even after a failed write.

namespace {

template <typename TCall> auto Retried(TCall Call)
{
    for (;;) {
        const auto result = Call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

bool SyncFile(int Fd)
{
    return Retried([&] { return ::fsync(Fd); }) == 0;
}

// Opens an existing file for reading and writing without waiting for the
// other end of a FIFO, and without taking a terminal as ours.
int OpenExisting(const QString &Path)
{
    const QByteArray path = QFile::encodeName(Path);
    return Retried(
        [&] { return ::open(path.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); });
}

// Wraps a descriptor of a regular file in a QFile that closes it; false,
// with the descriptor closed, for anything else.
bool WrapRegular(int Fd, QFile &File, QIODevice::OpenMode Mode)
{
    struct stat info {};
    if (Fd >= 0 && ::fstat(Fd, &info) == 0 && S_ISREG(info.st_mode) &&
        File.open(Fd, Mode, QFileDevice::AutoCloseHandle))
        return true;
    if (Fd >= 0)
        ::close(Fd);
    return false;
}

bool OpenRegular(const QString &Path, QFile &File)
{
    return WrapRegular(OpenExisting(Path), File, QIODevice::ReadWrite | QIODevice::Unbuffered);
}

// Makes a rename itself durable, not only the file's bytes.
void SyncFolder(const QByteArray &Folder)
{
    const int fd =
        Retried([&] { return ::open(Folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd >= 0) {
        SyncFile(fd);
        ::close(fd);
    }
}

// The file that a link leads to, so that its own folder gets the new file.
QString LinkTarget(const QString &Path)
{
    const QFileInfo info(Path);
    if (!info.isSymLink())
        return Path;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

// The name of this process's temporary file beside Target. A save killed
// while its temporary file had a name left that file behind: it is removed
// here once the process that made it is gone.
QByteArray TemporaryBeside(const QString &Target)
{
    const QString prefix = QFileInfo(Target).fileName() + QStringLiteral(".tmp-");
    QDir folder = QFileInfo(Target).dir();
    for (const QString &name :
         folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System)) {
        const pid_t pid = name.mid(prefix.size()).section(QLatin1Char('-'), 0, 0).toInt();
        if (pid == ::getpid() || (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH))
            folder.remove(name);
    }
    return QFile::encodeName(folder.filePath(prefix + QString::number(::getpid())));
}

bool WriteAndSync(int Fd, const QByteArray &Data)
{
    QFile file;
    return file.open(Fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                     QFileDevice::DontCloseHandle) &&
           file.write(Data) == Data.size() && SyncFile(Fd);
}

// An unnamed file (O_TMPFILE) vanishes with a crash; it gets its name, by a
// link through /proc that needs no privilege, only for the rename. Where the
// file system has no unnamed files, or there is no /proc to name one through
// (a chroot, a sandbox), the file is named at once.
int CreateTemporary(const QByteArray &Folder, const QByteArray &Name, mode_t Mode, bool &Unnamed)
{
    int fd = -1;
    const bool canName = ::access("/proc/self/fd", X_OK) == 0;
    if (canName)
        fd = Retried(
            [&] { return ::open(Folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, Mode); });
    Unnamed = fd >= 0;
    if (fd < 0 && (!canName || errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        fd = Retried([&] {
            return ::open(Name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode);
        });
    return fd;
}

bool NameUnnamed(int Fd, const QByteArray &Name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(Fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Name.constData(), AT_SYMLINK_FOLLOW) == 0;
}

enum class TReplaced { Yes, No, FolderRefusesNewFiles };

TReplaced ReplaceByRename(const QString &Target, const QByteArray &Data)
{
    const QByteArray target = QFile::encodeName(Target);
    // The new file keeps the permissions the old one had.
    struct stat old {};
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? (old.st_mode & 07777) : 0666;
    const QByteArray folder = QFile::encodeName(QFileInfo(Target).absolutePath());
    const QByteArray temporary = TemporaryBeside(Target);
    bool unnamed = false;
    const int fd = CreateTemporary(folder, temporary, mode, unnamed);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? TReplaced::FolderRefusesNewFiles : TReplaced::No;
    bool done = WriteAndSync(fd, Data);
    if (unnamed)
        done = done && NameUnnamed(fd, temporary);
    const bool named = !unnamed || done;
    // A close interrupted by a signal has released the descriptor all the
    // same on Linux; it is never closed twice.
    done = (::close(fd) == 0 || errno == EINTR) && done;
    if (done && ::rename(temporary.constData(), target.constData()) == 0) {
        // The new bytes are in place and on disk; a crash before the folder
        // syncs can at worst bring back the old file, so this counts.
        SyncFolder(folder);
        return TReplaced::Yes;
    }
    if (named)
        ::unlink(temporary.constData());
    return TReplaced::No;
}

// The new bytes count only once they have been read back; the old ones go
// back where they were should any step fail.
bool OverwriteInPlace(const QString &Target, const QByteArray &Data)
{
    QFile file;
    if (!OpenRegular(Target, file))
        return false;
    const qint64 oldSize = file.size();
    const QByteArray old = file.read(Data.size());
    const bool oldKept = file.error() == QFileDevice::NoError;
    bool saved = oldKept && file.seek(0) && file.write(Data) == Data.size() &&
                 SyncFile(file.handle()) && file.seek(0) && file.read(Data.size()) == Data;
    if (saved) {
        // A longer file keeps only the new bytes, as a replacement would.
        if (oldSize > Data.size() && file.resize(Data.size()))
            SyncFile(file.handle());
    } else if (oldKept && file.seek(0) && file.write(old) == old.size() &&
               (oldSize >= Data.size() || file.resize(oldSize))) {
        SyncFile(file.handle());
    }
    return saved;
}

} // namespace

QByteArray ReadRegularFile(const QString &Path, qint64 MaxSize)
{
    QFile file;
    return OpenRegular(Path, file) ? file.read(MaxSize) : QByteArray();
}

// Opened for reading alone, so that files the player may not write (the
// installed data) open too.
bool OpenRegularFile(const QString &Path, QFile &File)
{
    const QByteArray path = QFile::encodeName(Path);
    const int fd = Retried(
        [&] { return ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); });
    return WrapRegular(fd, File, QIODevice::ReadOnly);
}

bool ReplaceFileSafely(const QString &Path, const QByteArray &Data)
{
    const QString target = LinkTarget(Path);
    if (QFileInfo::exists(target)) {
        const int fd = OpenExisting(target);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    const TReplaced replaced = ReplaceByRename(target, Data);
    return replaced == TReplaced::Yes ||
           (replaced == TReplaced::FolderRefusesNewFiles && QFileInfo::exists(target) &&
            OverwriteInPlace(target, Data));
}
