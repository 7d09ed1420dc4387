// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeWave.h"
#include "Needs.h"
#include "SoundServer.h"
#include "WorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
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
    first->PlayWave("dat/04b.wav", true);
    QTest::qWait(300); // loaded and playing, where a sound server runs
    {
        TLumeWave second;
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
}

// ---- Wave player: the player's settings ------------------------------------

// Whatever stands at the settings file, or at the lock file QSettings would
// take beside it: the player is made and the switch works at once, and a
// file that is not a regular one is left as it was.
TEST(WaveSettingsTest, NoSettingsFileStopsThePlayerOrTheSwitch)
{
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/lume";
    const QString conf = folder + "/settings.conf";
    enum TKind { Bytes, Fifo, Folder };
    static const char damaged[] = "\xff\xfe[sou\0\x01on=false";
    const struct {
        const char *Name;
        QString Path;
        TKind Kind;
        QByteArray Content;
        bool SoundOn;
    } cases[] = {
        {"sound off, as QSettings wrote it", conf, Bytes, "[General]\n[sound]\non=false\n", false},
        {"damaged bytes", conf, Bytes, QByteArray(damaged, sizeof damaged - 1), true},
        {"a damaged value", conf, Bytes, "[sound]\non=off-ish\n", true},
        {"a FIFO", conf, Fifo, {}, true},
        {"a folder", conf, Folder, {}, true},
        {"a FIFO as QSettings' lock file", conf + ".lock", Fifo, {}, true},
        {"a folder as QSettings' lock file", conf + ".lock", Folder, {}, true},
    };
    // A start or a switch held up would keep the test waiting: after a few
    // seconds it fails, and the wait is ended from here.
    auto promptly = [&](const char *What, auto Call) {
        auto done = std::async(std::launch::async, Call);
        if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << What << " waited on the settings";
            while (done.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready)
                for (const QString &path : {conf, conf + ".lock"}) {
                    const int fd = ::open(QFile::encodeName(path), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0)
                        ::close(fd);
                    QDir().rmdir(path);
                }
        }
        return done.get();
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        QFile file(c.Path);
        ASSERT_TRUE(c.Kind == Bytes
                        ? file.open(QIODevice::WriteOnly) && file.write(c.Content) && file.flush()
                    : c.Kind == Fifo ? ::mkfifo(QFile::encodeName(c.Path), 0644) == 0
                                     : QDir().mkdir(c.Path));

        auto wave =
            promptly("making the player", [&] { return std::make_unique<TLumeWave>(conf); });
        EXPECT_EQ(wave->SoundOn(), c.SoundOn);
        promptly("the switch", [&] { wave->SetSoundOn(!c.SoundOn); });
        EXPECT_EQ(wave->SoundOn(), !c.SoundOn) << "the switch does not hold for the session";
        wave.reset();
        if (c.Kind == Bytes || c.Path != conf) {
            EXPECT_EQ(promptly("the next start", [&] { return TLumeWave(conf).SoundOn(); }),
                      !c.SoundOn)
                << "the switch was not kept";
        } else {
            EXPECT_TRUE(QFileInfo::exists(conf) && !QFileInfo(conf).isFile()) << "replaced";
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
