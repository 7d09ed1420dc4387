// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeWave.h"
#include "Needs.h"
#include "SoundServer.h"
#include "WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Collects every Qt message while it exists.
class MessageCatcher {
public:
    MessageCatcher() { Previous = qInstallMessageHandler(&Catch); }
    ~MessageCatcher()
    {
        qInstallMessageHandler(Previous);
        Caught.clear();
    }
    static QStringList Caught;

private:
    static void Catch(QtMsgType, const QMessageLogContext &, const QString &Message)
    {
        Caught << Message;
    }
    QtMessageHandler Previous = nullptr;
};
QStringList MessageCatcher::Caught;

// Waits, pumping events, until the sound server's state for this process is Expected.
bool SoundingBecomes(bool Expected, int TimeoutMs)
{
    return QTest::qWaitFor([&] { return ThisProcessSounds() == Expected; }, TimeoutMs);
}

// ---- Wave player: state ----------------------------------------------------

class WavePlayerTest : public ::testing::Test {
protected:
    TWorkingFolder Folder{true};
};

TEST_F(WavePlayerTest, FieldsFollowPlayAndStop)
{
    TLumeWave wave;
    ASSERT_TRUE(wave.Active());
    EXPECT_EQ(wave.FileName, "");
    EXPECT_FALSE(wave.Looping);
    EXPECT_FALSE(ThisProcessSounds());

    wave.PlayWave("dat/04b.wav", true);
    EXPECT_EQ(wave.FileName, "dat/04b.wav");
    EXPECT_TRUE(wave.Looping);

    wave.PlayWave("dat/up.wav", false);
    EXPECT_EQ(wave.FileName, "dat/up.wav");
    EXPECT_FALSE(wave.Looping);

    wave.StopWave();
    EXPECT_EQ(wave.FileName, "");
    EXPECT_FALSE(wave.Looping);
    EXPECT_FALSE(ThisProcessSounds());

    wave.StopWave(); // nothing plays: harmless
    EXPECT_EQ(wave.FileName, "");
    EXPECT_FALSE(wave.Looping);
}

TEST_F(WavePlayerTest, MissingFileIsSilentAndUnreported)
{
    MessageCatcher catcher;
    TLumeWave wave;
    wave.PlayWave("dat/missing.wav", true);
    EXPECT_EQ(wave.FileName, "dat/missing.wav");
    EXPECT_TRUE(wave.Looping);
    QTest::qWait(100);
    EXPECT_FALSE(ThisProcessSounds());
    wave.StopWave();
    EXPECT_TRUE(MessageCatcher::Caught.isEmpty())
        << MessageCatcher::Caught.join('\n').toStdString();
}

TEST_F(WavePlayerTest, SecondInstanceIsGuardedAndLeavesTheFirstAlone)
{
    auto first = std::make_unique<TLumeWave>();
    ASSERT_TRUE(first->Active());
    first->PlayWave("dat/04b.wav", true);
    QTest::qWait(300); // loaded and playing, where a sound server runs
    {
        TLumeWave second;
        EXPECT_FALSE(second.Active());
        EXPECT_EQ(second.FileName, "");
        second.PlayWave("dat/up.wav", false); // a bare player only notes the name
        EXPECT_EQ(second.FileName, "dat/up.wav");
        second.StopWave();
    }
    EXPECT_EQ(first->FileName, "dat/04b.wav");
    EXPECT_TRUE(first->Looping);
    if (TLumeWave::HasAudioOutput()) {
        EXPECT_TRUE(ThisProcessSounds()) << "the second one stopped the music";
    }

    TLumeWave third; // the second one's end did not clear the flag
    EXPECT_FALSE(third.Active());

    first.reset();
    TLumeWave fourth;
    EXPECT_TRUE(fourth.Active());
}

// ---- Wave player: the player's settings ------------------------------------

// Whatever stands at the settings file, or at the lock file QSettings would
// take beside it: the player is made and the switch works at once, and a
// file that is not a regular one is left as it was.
TEST(WaveSettingsTest, NoSettingsFileStopsThePlayerOrTheSwitch)
{
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/vantik";
    const QString conf = folder + "/vantik.conf";
    auto write = [&](const QByteArray &Bytes) {
        return [&, Bytes] {
            QFile file(conf);
            return file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size();
        };
    };
    auto fifo = [](const QString &Path) {
        return [Path] { return ::mkfifo(QFile::encodeName(Path).constData(), 0644) == 0; };
    };
    auto folderAt = [](const QString &Path) { return [Path] { return QDir().mkdir(Path); }; };
    const struct {
        const char *Name;
        std::function<bool()> Make;
        bool SoundOn;
        bool Regular; // whether the switch is kept in the file
    } cases[] = {
        {"no file", [] { return true; }, true, true},
        {"sound off, as QSettings wrote it", write("[General]\n[sound]\non=false\n"), false, true},
        {"sound on", write("[sound]\r\non = true\r\n"), true, true},
        {"damaged bytes", write(QByteArray("\xff\xfe[sou\0\x01on=false", 18)), true, true},
        {"a damaged value", write("[sound]\non=off-ish\n"), true, true},
        {"the key in another group", write("[music]\non=false\n"), true, true},
        {"a FIFO", fifo(conf), true, false},
        {"a folder", folderAt(conf), true, false},
        {"a link to a FIFO",
         [&] { return fifo(folder + "/elsewhere")() && QFile::link(folder + "/elsewhere", conf); },
         true, false},
        {"a FIFO as QSettings' lock file", fifo(conf + ".lock"), true, true},
        {"a folder as QSettings' lock file", folderAt(conf + ".lock"), true, true},
    };
    // A start or a switch held up would keep the test waiting: after a few
    // seconds it fails, and the wait is ended from here.
    auto unblock = [&] {
        for (const QString &path : {conf, conf + ".lock", folder + "/elsewhere"}) {
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            QDir().rmdir(path);
        }
    };
    auto promptly = [&](const char *What, auto Call) {
        auto done = std::async(std::launch::async, Call);
        if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << What << " waited on the settings";
            while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
                unblock();
        }
        return done.get();
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        ASSERT_TRUE(c.Make());
        struct stat before {};
        ::stat(QFile::encodeName(conf).constData(), &before);

        auto wave = promptly("making the player", [] { return std::make_unique<TLumeWave>(); });
        ASSERT_TRUE(wave->Active());
        EXPECT_EQ(wave->SoundOn(), c.SoundOn);
        promptly("the switch", [&] { wave->SetSoundOn(!c.SoundOn); });
        EXPECT_EQ(wave->SoundOn(), !c.SoundOn) << "the switch does not hold for the session";
        wave.reset();

        struct stat after {};
        ::stat(QFile::encodeName(conf).constData(), &after);
        if (c.Regular) {
            EXPECT_EQ(promptly("the next start", [] { return TLumeWave().SoundOn(); }), !c.SoundOn)
                << "the switch was not kept";
        } else {
            EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT) << "the file was replaced";
        }
    }
    QDir(folder).removeRecursively();
}

// ---- Wave player: sound (needs an audio output) ------------------------------
// The output buffers ahead, so a sound is seen to end up to a second or two
// after its last sample; the timings below leave room for that.

class WaveSoundTest : public WavePlayerTest {
protected:
    void SetUp() override
    {
        VANTIK_NEED(TLumeWave::HasAudioOutput(), "an audio output (a sound server)");
    }
    // Plays Name and gives its file time to load and start.
    static void PlaySettled(TLumeWave &Wave, const char *Name, bool Loop)
    {
        Wave.PlayWave(Name, Loop);
        QTest::qWait(300);
    }
};

TEST_F(WaveSoundTest, EffectStopsTheLoopingMusicForGood)
{
    TLumeWave wave;
    PlaySettled(wave, "dat/04b.wav", true);
    ASSERT_TRUE(ThisProcessSounds());
    wave.PlayWave("dat/up.wav", false);
    // Had the music gone on, or come back after the effect, this would stay true.
    EXPECT_TRUE(SoundingBecomes(false, 5000));
}

TEST_F(WaveSoundTest, LoopingPlaysUntilStopped)
{
    TLumeWave wave;
    PlaySettled(wave, "dat/dun.wav", true); // 0.32 s a round
    QTest::qWait(3000);
    EXPECT_TRUE(ThisProcessSounds());
    wave.StopWave();
    EXPECT_FALSE(ThisProcessSounds());
}

TEST_F(WaveSoundTest, SameFileAgainRestartsFromItsBeginning)
{
    TLumeWave wave;
    PlaySettled(wave, "dat/04b.wav", false); // 6 s, once
    QTest::qWait(2700);
    wave.PlayWave("dat/04b.wav", false);
    QTest::qWait(5000);
    // 8 s after the first start only a restarted sound still plays.
    EXPECT_TRUE(ThisProcessSounds());
    wave.StopWave();
}

TEST_F(WaveSoundTest, SoundReplacedWhileLoadingNeverStarts)
{
    // A file of its own, so that it has surely not been loaded before.
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTIK_DAT_DIR "/04b.wav"), "fresh.wav"));
    TLumeWave wave;
    wave.PlayWave("fresh.wav", false); // 6 s, still loading
    wave.PlayWave("dat/dun.wav", false);
    // Had the music started once loaded, it would play for six seconds.
    EXPECT_TRUE(SoundingBecomes(false, 4000));
}

TEST_F(WaveSoundTest, SwitchStopsTheMusicAtOnceAndOnAgainStartsItAgain)
{
    TLumeWave wave;
    PlaySettled(wave, "dat/04b.wav", true);
    ASSERT_TRUE(SoundingBecomes(true, 3000));
    wave.SetSoundOn(false);
    EXPECT_TRUE(SoundingBecomes(false, 1000));
    wave.PlayWave("dat/up.wav", false);
    QTest::qWait(300);
    EXPECT_FALSE(ThisProcessSounds()) << "an effect started while sound is off";
    wave.PlayWave("dat/04b.wav", true);
    wave.SetSoundOn(true);
    EXPECT_TRUE(SoundingBecomes(true, 3000)) << "the looped music did not come back";
    wave.StopWave();
}

} // namespace
