// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QLocalServer;

// One game per player folder, as desktop games are: two copies would each
// save over the other's progress. The first start holds the kernel's lock
// (flock) on the file vantik.lock in the folder, which ends with its
// process whatever the file holds, and listens on a socket in the player's
// private runtime folder; a later start in the same folder asks that game to
// come to the front instead.
class TInstanceGuard {
public:
    explicit TInstanceGuard(const QString &Folder = QDir::currentPath());
    ~TInstanceGuard();
    TInstanceGuard(const TInstanceGuard &) = delete;
    TInstanceGuard &operator=(const TInstanceGuard &) = delete;

    // False when another game holds the folder; this start should end. A
    // folder whose lock file cannot be made or is not a regular file is
    // played in unguarded, and standard error says so.
    bool First() const { return !HeldElsewhere; }
    // Whether the game that holds the folder took the request to come to the
    // front; false when it could not be reached (another session's or
    // another computer's game).
    bool AskedToFront() const { return Asked; }
    // The window that comes to the front when a later start asks.
    void SetWindow(QWidget *Window) { Shown = Window; }

    // The socket a game in Folder listens on: in $XDG_RUNTIME_DIR when that
    // is a private folder of this user's, else in a private folder of the
    // game's own under the user's cache folder; empty when neither can be had.
    static QString SocketPath(const QString &Folder);

private:
    void Listen(const QString &Path);
    void BringToFront();

    int LockFd = -1;
    bool HeldElsewhere = false;
    bool Asked = false;
    std::unique_ptr<QLocalServer> Server;
    QPointer<QWidget> Shown;
};
