// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QLockFile>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QLocalServer;

// One game per player folder, as desktop games are: two copies would each
// save over the other's progress. The first start holds a lock file in the
// folder and listens on a local socket named after the folder; a later start
// in the same folder asks that game to come to the front instead. A lock
// left by a game that was killed is taken over at once.
class TInstanceGuard {
public:
    explicit TInstanceGuard(const QString &Folder = QDir::currentPath());
    ~TInstanceGuard();
    TInstanceGuard(const TInstanceGuard &) = delete;
    TInstanceGuard &operator=(const TInstanceGuard &) = delete;

    // False when another game holds the folder; it has been asked to come to
    // the front, and this start should end. A folder that takes no lock file
    // is played in unguarded.
    bool First() const { return !HeldElsewhere; }
    // The window that comes to the front when a later start asks.
    void SetWindow(QWidget *Window) { Shown = Window; }

private:
    void Listen(const QString &Name);
    void BringToFront();

    QLockFile Lock;
    bool HeldElsewhere = false;
    std::unique_ptr<QLocalServer> Server;
    QPointer<QWidget> Shown;
};
