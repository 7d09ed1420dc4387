// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitInstance.h"
#include "WorkingFolder.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <sys/file.h>
#include <sys/stat.h>

namespace {

// The real program, started on Qt's offscreen platform in a player folder;
// its standard error is kept for the test when Keep says so.
std::unique_ptr<QProcess> StartGameIn(const QString &Folder, bool Keep = false)
{
    auto game = std::make_unique<QProcess>();
    game->setWorkingDirectory(Folder);
    game->setProcessChannelMode(Keep ? QProcess::SeparateChannels : QProcess::ForwardedChannels);
    game->start(QStringLiteral(VANTIK_PROGRAM), {});
    EXPECT_TRUE(game->waitForStarted(10000));
    return game;
}

struct TPlayerFolder {
    QTemporaryDir Dir;
    bool Ready = Dir.isValid() && LinkDat(Dir.path());
    QString Path() const { return Dir.path(); }
};

// Sets an environment variable, or unsets it for a null Value, while it lives.
struct TEnvironment {
    TEnvironment(const char *Name, const QString &Value)
        : Name(Name), Had(qEnvironmentVariableIsSet(Name)), Old(qgetenv(Name))
    {
        Value.isNull() ? qunsetenv(Name) : qputenv(Name, QFile::encodeName(Value));
    }
    ~TEnvironment() { Had ? qputenv(Name, Old) : qunsetenv(Name); }
    const char *Name;
    bool Had;
    QByteArray Old;
};

// The file's type and mode bits; 0 when there is none.
mode_t ModeOf(const QString &Path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(Path).constData(), &info) == 0 ? info.st_mode : 0;
}

bool IsSocket(const QString &Path)
{
    return S_ISSOCK(ModeOf(Path));
}

bool Becomes(const std::function<bool()> &Test, int Ms = 10000)
{
    const QDeadlineTimer deadline(Ms);
    for (;;) {
        if (Test())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

const char *const BroughtToFront = "already runs in this folder";

// Every test here has a runtime folder of its own, private as a session's.
class OneGamePerFolderTest : public ::testing::Test {
protected:
    QTemporaryDir Runtime;
    TEnvironment RuntimeSet{"XDG_RUNTIME_DIR", Runtime.path()};
};

// The second start runs in another folder, or in the same folder once the
// first was killed (its lock file left behind).
TEST_F(OneGamePerFolderTest, SecondStartRunsElsewhereOrAfterAKilledFirst)
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
TEST_F(OneGamePerFolderTest, SecondStartBringsTheFirstGameToTheFront)
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

// Two copies started at the same moment in one folder: one plays, the other
// brings it to the front, says so and ends with status 0.
TEST_F(OneGamePerFolderTest, TwoCopiesStartedTogetherNeverBothPlay)
{
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        TPlayerFolder folder;
        ASSERT_TRUE(folder.Ready);
        std::unique_ptr<QProcess> games[] = {StartGameIn(folder.Path(), true),
                                             StartGameIn(folder.Path(), true)};
        ASSERT_TRUE(Becomes([&] {
            return games[0]->waitForFinished(20) || games[1]->waitForFinished(20);
        })) << "both copies play";
        const int ended = games[0]->state() == QProcess::NotRunning ? 0 : 1;
        EXPECT_EQ(games[ended]->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(games[ended]->exitCode(), 0);
        const QByteArray said = games[ended]->readAllStandardError();
        EXPECT_TRUE(said.contains(BroughtToFront)) << said.toStdString();
        EXPECT_FALSE(games[1 - ended]->waitForFinished(1000)) << "neither copy plays";
        for (auto &game : games) {
            game->kill();
            game->waitForFinished(10000);
        }
    }
}

// The socket a second start calls lives in a folder only the player may
// enter, never in the shared /tmp; it goes when its game ends, and one left
// by a killed game is replaced at the next start.
TEST_F(OneGamePerFolderTest, TheSocketIsPrivateAndGoesWithItsGame)
{
    QTemporaryDir home, openRuntime;
    ASSERT_TRUE(home.isValid() && openRuntime.isValid());
    ASSERT_TRUE(QFile::setPermissions(openRuntime.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                              QFile::ExeOwner | QFile::ReadOther |
                                                              QFile::ExeOther));
    TEnvironment homeSet("HOME", home.path());
    TEnvironment cacheUnset("XDG_CACHE_HOME", QString());
    const QString ownFolder = home.path() + "/.cache/vantik-runtime";
    const struct {
        const char *Name;
        QString RuntimeDir; // null: unset
        QString Expected;
    } cases[] = {
        {"the session's runtime folder", Runtime.path(), Runtime.path()},
        {"no runtime folder", QString(), ownFolder},
        {"a runtime folder others may enter", openRuntime.path(), ownFolder},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        TEnvironment runtimeSet("XDG_RUNTIME_DIR", c.RuntimeDir);
        TPlayerFolder folder;
        ASSERT_TRUE(folder.Ready);
        const QString socket = TInstanceGuard::SocketPath(folder.Path());
        ASSERT_EQ(QFileInfo(socket).absolutePath(), c.Expected);
        EXPECT_EQ(ModeOf(c.Expected) & 077, 0u) << "others may enter the socket's folder";

        auto game = StartGameIn(folder.Path());
        EXPECT_TRUE(Becomes([&] { return IsSocket(socket); })) << socket.toStdString();
        EXPECT_FALSE(QFileInfo::exists("/tmp/" + QFileInfo(socket).fileName()));
        game->terminate();
        ASSERT_TRUE(game->waitForFinished(10000));
        EXPECT_EQ(game->exitStatus(), QProcess::NormalExit);
        EXPECT_FALSE(QFileInfo::exists(socket)) << "left behind by a game that ended";

        game = StartGameIn(folder.Path());
        ASSERT_TRUE(Becomes([&] { return IsSocket(socket); }));
        game->kill();
        game->waitForFinished(10000);
        ASSERT_TRUE(IsSocket(socket)) << "a killed game leaves its socket";
        game = StartGameIn(folder.Path());
        EXPECT_FALSE(game->waitForFinished(2000)) << "the killed game's socket blocked the start";
        auto second = StartGameIn(folder.Path(), true);
        ASSERT_TRUE(second->waitForFinished(10000));
        EXPECT_EQ(second->exitCode(), 0);
        EXPECT_TRUE(second->readAllStandardError().contains(BroughtToFront))
            << "the next game does not answer on the replaced socket";
        game->terminate();
        game->waitForFinished(10000);
    }
}

// A folder held by a game that cannot be reached (another session's, another
// computer's over a shared home): the start says why in its message box and
// ends with a failure, here once asked to end.
TEST_F(OneGamePerFolderTest, AHolderThatDoesNotAnswerIsExplained)
{
    TPlayerFolder folder;
    ASSERT_TRUE(folder.Ready);
    QFile lock(QDir(folder.Path()).filePath("vantik.lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_EQ(::flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
    auto game = StartGameIn(folder.Path(), true);
    QByteArray said;
    EXPECT_TRUE(Becomes([&] {
        game->waitForReadyRead(20);
        said += game->readAllStandardError();
        return said.contains("does not answer");
    })) << said.toStdString();
    game->terminate();
    ASSERT_TRUE(game->waitForFinished(10000));
    EXPECT_EQ(game->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game->exitCode(), 1);
}

} // namespace
