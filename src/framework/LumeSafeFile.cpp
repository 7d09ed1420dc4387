// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeSafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Qt covers reading and writing, and QSaveFile makes the new file: on the Qt
// of Debian 12 an unnamed one (O_TMPFILE) that gets its name only at
// commit(), or a named one where there are no unnamed files. It commits a
// file cut short all the same unless the caller checks write() and flush()
// and cancels, and it goes on past a failed sync: both are checked here.
// The descriptors below are for what Qt lacks: opening without waiting, a
// sync whose failure counts, and syncing a folder. Every call is checked,
// and a signal's interruption is retried.

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

// The name of this process's temporary file beside Target. QSaveFile is
// given this name, not Target's: with a file in the way it names its own
// under a random name first, and a save killed before the rename would
// leave that behind, not to be told from a file of the player's. Whatever a
// killed save left under this name, or under it with QSaveFile's ending, is
// removed here once the process that made it is gone.
QString TemporaryBeside(const QString &Target)
{
    const QString prefix = QFileInfo(Target).fileName() + QStringLiteral(".tmp-");
    QDir folder = QFileInfo(Target).dir();
    for (const QString &name :
         folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System)) {
        const pid_t pid = name.mid(prefix.size()).section(QLatin1Char('.'), 0, 0).toInt();
        if (pid == ::getpid() || (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH))
            folder.remove(name);
    }
    return folder.filePath(prefix + QString::number(::getpid()));
}

enum class TReplaced { Yes, No, FolderRefusesNewFiles };

TReplaced ReplaceByRename(const QString &Target, const QByteArray &Data)
{
    const QByteArray target = QFile::encodeName(Target);
    const QByteArray folder = QFile::encodeName(QFileInfo(Target).absolutePath());
    const QString temporary = TemporaryBeside(Target);
    QSaveFile file(temporary);
    if (!file.open(QIODevice::WriteOnly))
        return errno == EACCES || errno == EPERM ? TReplaced::FolderRefusesNewFiles : TReplaced::No;
    // The new file keeps the permissions the old one had.
    struct stat old {};
    const bool written = (::stat(target.constData(), &old) != 0 ||
                          ::fchmod(file.handle(), old.st_mode & 07777) == 0) &&
                         file.write(Data) == Data.size() && file.flush() && SyncFile(file.handle());
    if (!written)
        file.cancelWriting();
    if (!file.commit())
        return TReplaced::No;
    const QByteArray named = QFile::encodeName(temporary);
    if (::rename(named.constData(), target.constData()) == 0) {
        // The new bytes are in place and on disk; a crash before the folder
        // syncs can at worst bring back the old file, so this counts.
        SyncFolder(folder);
        return TReplaced::Yes;
    }
    ::unlink(named.constData());
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
