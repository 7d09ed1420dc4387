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
#include <string>
#include <vector>

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

// Waits until the game in Folder holds the folder, as its lock file shows.
bool Holds(const QString &Folder)
{
    for (int i = 0; i < 200; ++i) {
        if (QFileInfo::exists(QDir(Folder).filePath("vantik.lock")))
            return true;
        QThread::msleep(50);
    }
    return false;
}

void Stop(QProcess &Game)
{
    Game.kill();
    Game.waitForFinished(10000);
}

struct TPlayerFolder {
    QTemporaryDir Dir;
    bool Ready = Dir.isValid() && LinkDat(Dir.path());
    QString Path() const { return Dir.path(); }
};

// Two starts: the second in the same folder, in another folder, or in the
// same folder after the first was killed.
TEST(OneGamePerFolderTest, SecondStartInTheSameFolderEndsAndOthersRun)
{
    struct TCase {
        const char *What;
        bool SameFolder;
        bool KillFirst;
        bool SecondRuns;
    };
    const std::vector<TCase> cases{
        {"same folder", true, false, false},
        {"another folder", false, false, true},
        {"same folder, first killed", true, true, true},
    };
    for (const TCase &start : cases) {
        SCOPED_TRACE(start.What);
        TPlayerFolder one, two;
        ASSERT_TRUE(one.Ready && two.Ready);
        auto first = StartGameIn(one.Path());
        ASSERT_TRUE(Holds(one.Path())) << "the first game never took its folder";
        if (start.KillFirst) {
            Stop(*first);
        }
        auto second = StartGameIn(start.SameFolder ? one.Path() : two.Path());
        const bool ended = second->waitForFinished(start.SecondRuns ? 3000 : 10000);
        EXPECT_EQ(ended, !start.SecondRuns);
        if (ended) {
            EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(second->exitCode(), 0);
        }
        if (!start.KillFirst) {
            EXPECT_EQ(first->state(), QProcess::Running) << "the first game must go on";
        }
        Stop(*second);
        Stop(*first);
    }
}

// This process holds the folder with a minimised window: a second start
// ends with status 0 and the window comes back to the front.
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

    auto second = StartGameIn(folder.Path());
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
