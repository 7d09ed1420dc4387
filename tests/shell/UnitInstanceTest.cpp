// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitInstance.h"
#include "WorkingFolder.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The real program, started on Qt's offscreen platform in a player folder.
std::unique_ptr<QProcess> StartGameIn(const QString &Folder)
{
    auto game = std::make_unique<QProcess>();
    game->setWorkingDirectory(Folder);
    game->setProcessChannelMode(QProcess::ForwardedChannels);
    game->start(QStringLiteral(VANTIK_PROGRAM), {});
    EXPECT_TRUE(game->waitForStarted(10000));
    return game;
}

struct TPlayerFolder {
    QTemporaryDir Dir;
    bool Ready = Dir.isValid() && LinkDat(Dir.path());
    QString Path() const { return Dir.path(); }
};

// The second start runs in another folder, or in the same folder once the
// first was killed (its lock file left behind).
TEST(OneGamePerFolderTest, SecondStartRunsElsewhereOrAfterAKilledFirst)
{
    for (const bool sameFolder : {false, true}) {
        SCOPED_TRACE(sameFolder ? "same folder, first killed" : "another folder");
        TPlayerFolder one, two;
        ASSERT_TRUE(one.Ready && two.Ready);
        auto first = StartGameIn(one.Path());
        const QString lock = QDir(one.Path()).filePath("vantik.lock");
        for (int i = 0; i < 200 && !QFileInfo::exists(lock); ++i)
            QThread::msleep(50);
        ASSERT_TRUE(QFileInfo::exists(lock)) << "the first game never took its folder";
        if (sameFolder) {
            first->kill();
            first->waitForFinished(10000);
        }
        auto second = StartGameIn(sameFolder ? one.Path() : two.Path());
        EXPECT_FALSE(second->waitForFinished(3000)) << "the second game did not run";
        second->kill();
        first->kill();
        second->waitForFinished(10000);
        first->waitForFinished(10000);
    }
}

// This process holds the folder with a minimised window: a second start
// ends with status 0, and the window, still here, comes back to the front.
TEST(OneGamePerFolderTest, SecondStartBringsTheFirstGameToTheFront)
{
    TPlayerFolder folder;
    ASSERT_TRUE(folder.Ready);
    TInstanceGuard guard(folder.Path());
    ASSERT_TRUE(guard.First());
    QWidget window;
    guard.SetWindow(&window);
    window.showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(window.isMinimized());

    const auto second = StartGameIn(folder.Path());
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    const QDeadlineTimer deadline(5000);
    while (window.isMinimized() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());

    // Another guard in the same process and folder is not the first either.
    EXPECT_FALSE(TInstanceGuard(folder.Path()).First());
}

} // namespace
