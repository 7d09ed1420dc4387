// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

// The same folder reached through links has the same name.
QString SocketName(const QString &Folder)
{
    const QByteArray path = QFileInfo(Folder).canonicalFilePath().toUtf8();
    return QStringLiteral("vantik-") +
           QString::fromLatin1(
               QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(32));
}

// A connection is the whole request. The first game takes its lock before it
// listens, so a start in that moment tries again for a while.
void AskToComeToFront(const QString &Name)
{
    const QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(Name);
        if (socket.waitForConnected(500)) {
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(50);
    }
}

} // namespace

TInstanceGuard::TInstanceGuard(const QString &Folder)
    : Lock(QDir(Folder).filePath(QStringLiteral("vantik.lock")))
{
    // Held as long as the game runs: never stale while its process lives.
    Lock.setStaleLockTime(0);
    const QString name = SocketName(Folder);
    if (Lock.tryLock()) {
        Listen(name);
    } else if (Lock.error() == QLockFile::LockFailedError) {
        HeldElsewhere = true;
        AskToComeToFront(name);
    }
}

TInstanceGuard::~TInstanceGuard() = default;

void TInstanceGuard::Listen(const QString &Name)
{
    Server = std::make_unique<QLocalServer>();
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed game is ours to remove: the lock is ours.
    QLocalServer::removeServer(Name);
    Server->listen(Name);
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
