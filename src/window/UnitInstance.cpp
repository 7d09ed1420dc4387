// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Say(const QString &Text)
{
    std::fprintf(stderr, "vantik: %s\n", Text.toLocal8Bit().constData());
}

QString Reason(int Error)
{
    return QString::fromLocal8Bit(std::strerror(Error));
}

const QString Unguarded = QStringLiteral("; playing without the one-game-per-folder guard");

// A real folder, not a link, that only this user may enter.
bool IsPrivateFolder(const QByteArray &Path)
{
    struct stat info {};
    return Path.startsWith('/') && ::lstat(Path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// The session's runtime folder is private and emptied at logout; without
// one, a folder of the game's own under the user's cache folder, never the
// shared /tmp, where anyone could take the name first.
QString SocketFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (IsPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    QByteArray cache = qgetenv("XDG_CACHE_HOME");
    if (!cache.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/'))
            return {};
        cache = home + "/.cache";
    }
    QDir().mkpath(QFile::decodeName(cache));
    const QByteArray own = cache + "/vantik-runtime";
    ::mkdir(own.constData(), 0700);
    struct stat info {};
    // Made by an earlier start under another umask, say: ours to close.
    if (::lstat(own.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
        ::chmod(own.constData(), 0700);
    return IsPrivateFolder(own) ? QFile::decodeName(own) : QString();
}

// The lock file, opened for its lock alone: never through a link, never
// waited on, and needing no space on the disk once it exists. -1, with the
// reason said, when the folder is to be played unguarded.
int OpenLockFile(const QString &Path)
{
    const QByteArray path = QFile::encodeName(Path);
    const QString notRegular = Path + QStringLiteral(" is not a regular file") + Unguarded;
    struct stat info {};
    // A FIFO or a device is not even opened: an open can have effects there.
    if (::lstat(path.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        Say(notRegular);
        return -1;
    }
    auto open = [&](int Flags) {
        int fd;
        do
            fd = ::open(path.constData(), Flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                        0644);
        while (fd < 0 && errno == EINTR);
        return fd;
    };
    int fd = open(O_RDWR | O_CREAT);
    // A lock file the player may not write still takes a lock.
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd = open(O_RDONLY);
    if (fd < 0) {
        const int error = errno;
        Say(error == ELOOP
                ? notRegular
                : QStringLiteral("cannot open %1: %2").arg(Path, Reason(error)) + Unguarded);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        Say(notRegular);
        return -1;
    }
    return fd;
}

// A connection is the whole request. The first game takes its lock before it
// listens, so a start in that moment tries again for a while.
bool AskToComeToFront(const QString &Path)
{
    const QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(Path);
        if (socket.waitForConnected(500)) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace

QString TInstanceGuard::SocketPath(const QString &Folder)
{
    const QString folder = SocketFolder();
    if (folder.isEmpty())
        return {};
    // The same folder reached through links has the same name.
    const QByteArray path = QFileInfo(Folder).canonicalFilePath().toUtf8();
    return folder + QStringLiteral("/vantik-") +
           QString::fromLatin1(
               QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(32));
}

TInstanceGuard::TInstanceGuard(const QString &Folder)
{
    LockFd = OpenLockFile(QDir(Folder).filePath(QStringLiteral("vantik.lock")));
    if (LockFd < 0)
        return;
    int locked;
    do
        locked = ::flock(LockFd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        Listen(SocketPath(Folder));
        return;
    }
    const int error = errno;
    ::close(LockFd);
    LockFd = -1;
    if (error != EWOULDBLOCK) {
        Say(QStringLiteral("cannot lock %1: %2")
                .arg(QDir(Folder).filePath(QStringLiteral("vantik.lock")), Reason(error)) +
            Unguarded);
        return;
    }
    HeldElsewhere = true;
    const QString socket = SocketPath(Folder);
    Asked = !socket.isEmpty() && AskToComeToFront(socket);
}

TInstanceGuard::~TInstanceGuard()
{
    // The socket goes while the folder is still ours, so that it can never be
    // the socket of a game that took the folder after us.
    Server.reset();
    if (LockFd >= 0)
        ::close(LockFd);
}

void TInstanceGuard::Listen(const QString &Path)
{
    const QString lost = QStringLiteral("; a second start cannot bring this game to the front");
    if (Path.isEmpty()) {
        Say(QStringLiteral("no private folder for the game's socket (XDG_RUNTIME_DIR, HOME)") +
            lost);
        return;
    }
    Server = std::make_unique<QLocalServer>();
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed game is ours to replace: the lock is ours.
    QLocalServer::removeServer(Path);
    if (!Server->listen(Path)) {
        Say(QStringLiteral("cannot listen on %1: %2").arg(Path, Server->errorString()) + lost);
        Server.reset();
        return;
    }
    QObject::connect(Server.get(), &QLocalServer::newConnection, Server.get(), [this] {
        while (QLocalSocket *socket = Server->nextPendingConnection())
            socket->deleteLater();
        BringToFront();
    });
}

void TInstanceGuard::BringToFront()
{
    if (!Shown)
        return;
    Shown->setWindowState((Shown->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    Shown->show();
    Shown->raise();
    Shown->activateWindow();
}
