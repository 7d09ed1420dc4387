#include "LumeWave.h"
#include "LumeMidi.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace {

// Runs a test in an empty temporary working folder, optionally with the
// generated dat/ folder linked into it, as the program finds it.
class WorkingFolder {
public:
    explicit WorkingFolder(bool WithDat) : Old(QDir::currentPath())
    {
        EXPECT_TRUE(Dir.isValid());
        if (WithDat) {
            EXPECT_TRUE(QFile::link(QStringLiteral(VANTIK_DAT_DIR), Dir.filePath("dat")));
        }
        EXPECT_TRUE(QDir::setCurrent(Dir.path()));
    }
    ~WorkingFolder() { QDir::setCurrent(Old); }

private:
    QTemporaryDir Dir;
    QString Old;
};

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

// Waits, pumping events, until the player's sound state is Expected.
bool SoundingBecomes(const TLumeWave &Wave, bool Expected, int TimeoutMs)
{
    return QTest::qWaitFor([&] { return Wave.Sounding() == Expected; }, TimeoutMs);
}

// ---- Wave player: state ----------------------------------------------------

class WavePlayerTest : public ::testing::Test {
protected:
    WorkingFolder Folder{true};
};

TEST_F(WavePlayerTest, FieldsFollowPlayAndStop)
{
    TLumeWave wave;
    ASSERT_TRUE(wave.Active());
    EXPECT_EQ(wave.FileName, "");
    EXPECT_FALSE(wave.Looping);
    EXPECT_FALSE(wave.Sounding());

    wave.PlayWave("dat/04b.wav", true);
    EXPECT_EQ(wave.FileName, "dat/04b.wav");
    EXPECT_TRUE(wave.Looping);

    wave.PlayWave("dat/up.wav", false);
    EXPECT_EQ(wave.FileName, "dat/up.wav");
    EXPECT_FALSE(wave.Looping);

    wave.StopWave();
    EXPECT_EQ(wave.FileName, "");
    EXPECT_FALSE(wave.Looping);
    EXPECT_FALSE(wave.Sounding());

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
    EXPECT_FALSE(wave.Sounding());
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
        EXPECT_TRUE(first->Sounding()) << "the second one stopped the music";
    }

    TLumeWave third; // the second one's end did not clear the flag
    EXPECT_FALSE(third.Active());

    first.reset();
    TLumeWave fourth;
    EXPECT_TRUE(fourth.Active());
}

// ---- Wave player: sound (needs an audio output) ------------------------------
// The output buffers ahead, so a sound is seen to end up to a second or two
// after its last sample; the timings below leave room for that.

class WaveSoundTest : public WavePlayerTest {
protected:
    void SetUp() override
    {
        if (!TLumeWave::HasAudioOutput())
            GTEST_SKIP() << "no audio output on this machine";
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
    ASSERT_TRUE(wave.Sounding());
    wave.PlayWave("dat/up.wav", false);
    // Had the music gone on, or come back after the effect, this would stay true.
    EXPECT_TRUE(SoundingBecomes(wave, false, 5000));
}

TEST_F(WaveSoundTest, LoopingPlaysUntilStopped)
{
    TLumeWave wave;
    PlaySettled(wave, "dat/dun.wav", true); // 0.32 s a round
    QTest::qWait(3000);
    EXPECT_TRUE(wave.Sounding());
    wave.StopWave();
    EXPECT_FALSE(wave.Sounding());
}

TEST_F(WaveSoundTest, SameFileAgainRestartsFromItsBeginning)
{
    TLumeWave wave;
    PlaySettled(wave, "dat/04b.wav", false); // 6 s, once
    QTest::qWait(2700);
    wave.PlayWave("dat/04b.wav", false);
    QTest::qWait(5000);
    // 8 s after the first start only a restarted sound still plays.
    EXPECT_TRUE(wave.Sounding());
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
    EXPECT_TRUE(SoundingBecomes(wave, false, 4000));
}

// ---- MIDI holder ---------------------------------------------------------------

// The device the loaded MIDI library was told to use, or nullopt when the
// library is not loaded in this process.
std::optional<int> MidiLibraryDevice()
{
    const QByteArray path = TLumeMidi::LibraryPath(QStringLiteral(VANTIK_MIDI_FOLDER)).toLocal8Bit();
    void *library = dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return std::nullopt;
    auto getDevice = reinterpret_cast<int (*)()>(dlsym(library, "GGSGetDevice"));
    const int device = getDevice ? getDevice() : -100;
    dlclose(library);
    return device;
}

TEST(MidiHolderTest, SelectsTheDefaultDeviceAndUnloadsAtTheEnd)
{
    {
        TLumeMidi midi(QStringLiteral(VANTIK_MIDI_FOLDER));
        ASSERT_TRUE(midi.Active());
        ASSERT_TRUE(midi.Loaded());
        EXPECT_FALSE(midi.Playing);
        EXPECT_EQ(MidiLibraryDevice(), -1);
        midi.StopMidi();
        EXPECT_FALSE(midi.Playing);
    }
    EXPECT_EQ(MidiLibraryDevice(), std::nullopt);
    TLumeMidi again;
    EXPECT_TRUE(again.Active());
}

TEST(MidiHolderTest, MissingLibraryLeavesAnInertHolder)
{
    // The test program's folder holds no MIDI library.
    {
        TLumeMidi midi;
        EXPECT_TRUE(midi.Active());
        EXPECT_FALSE(midi.Loaded());
        EXPECT_FALSE(midi.Playing);
        midi.StopMidi();
    }
    TLumeMidi again;
    EXPECT_TRUE(again.Active());
}

TEST(MidiHolderTest, SecondInstanceIsGuardedAndLeavesTheFirstAlone)
{
    TLumeMidi first(QStringLiteral(VANTIK_MIDI_FOLDER));
    ASSERT_TRUE(first.Loaded());
    {
        TLumeMidi second(QStringLiteral(VANTIK_MIDI_FOLDER));
        EXPECT_FALSE(second.Active());
        EXPECT_FALSE(second.Loaded());
    }
    EXPECT_EQ(MidiLibraryDevice(), -1);
    TLumeMidi third;
    EXPECT_FALSE(third.Active());
}

// ---- The generated wave files ----------------------------------------------------

struct TWave {
    int Rate = 0;
    std::vector<int16_t> Samples;
    QByteArray Data;
    double Seconds() const { return static_cast<double>(Samples.size()) / Rate; }
};

uint32_t Le(const QByteArray &Bytes, int At, int Size)
{
    uint32_t value = 0;
    for (int i = Size - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(Bytes[At + i]);
    return value;
}

// Reads a mono 16-bit PCM RIFF file with the usual 44-byte header; nullopt
// when anything in the header is wrong or disagrees with the file's length.
std::optional<TWave> ReadWave(const QString &Name)
{
    QFile file(QDir(QStringLiteral(VANTIK_DAT_DIR)).filePath(Name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
        bytes.mid(36, 4) != "data")
        return std::nullopt;
    TWave wave;
    wave.Rate = static_cast<int>(Le(bytes, 24, 4));
    const bool header = Le(bytes, 4, 4) == static_cast<uint32_t>(bytes.size() - 8) &&
                        Le(bytes, 16, 4) == 16 && Le(bytes, 20, 2) == 1 && Le(bytes, 22, 2) == 1 &&
                        (wave.Rate == 22050 || wave.Rate == 44100) &&
                        Le(bytes, 28, 4) == static_cast<uint32_t>(wave.Rate * 2) &&
                        Le(bytes, 32, 2) == 2 && Le(bytes, 34, 2) == 16 &&
                        Le(bytes, 40, 4) == static_cast<uint32_t>(bytes.size() - 44);
    if (!header)
        return std::nullopt;
    wave.Data = bytes.mid(44);
    for (int i = 0; i + 1 < wave.Data.size(); i += 2)
        wave.Samples.push_back(static_cast<int16_t>(Le(wave.Data, i, 2)));
    return wave;
}

int Peak(const TWave &Wave)
{
    int peak = 0;
    for (int16_t s : Wave.Samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// Near silence: below -54 dB of full scale.
constexpr int Quiet = 64;

const char *const EffectFiles[] = {"up.wav",    "eat.wav",  "popon.wav",     "roar.wav",
                                   "break.wav", "weak.wav", "dun.wav",       "suka.wav",
                                   "duty.wav",  "turn.wav", "thathatha.wav", "zurl.wav"};

TEST(WaveFilesTest, TitleMusicIsAFewSecondsAndLoopsWithoutAClick)
{
    const auto music = ReadWave("04b.wav");
    ASSERT_TRUE(music) << "04b.wav is missing or not 16-bit mono PCM";
    EXPECT_GE(music->Seconds(), 4.0);
    EXPECT_LE(music->Seconds(), 8.0);
    EXPECT_LE(std::abs(music->Samples.front()), Quiet);
    EXPECT_LE(std::abs(music->Samples.back()), Quiet);
    // The seam joins the last samples to the first ones: no jump across it.
    EXPECT_LE(std::abs(music->Samples.back() - music->Samples.front()), Quiet);
    EXPECT_GT(Peak(*music), 32767 / 8);
    EXPECT_LT(Peak(*music), 32767 * 3 / 4);
}

TEST(WaveFilesTest, EffectsAreShortModerateAndFadeAtTheEdges)
{
    for (const char *name : EffectFiles) {
        SCOPED_TRACE(name);
        const auto effect = ReadWave(QString::fromLatin1(name));
        ASSERT_TRUE(effect) << "missing or not 16-bit mono PCM";
        EXPECT_GE(effect->Seconds(), 0.1);
        EXPECT_LE(effect->Seconds(), 1.2);
        EXPECT_LE(std::abs(effect->Samples.front()), Quiet);
        EXPECT_LE(std::abs(effect->Samples.back()), Quiet);
        EXPECT_GT(Peak(*effect), 32767 / 8);
        EXPECT_LT(Peak(*effect), 32767 * 3 / 4);
    }
}

TEST(WaveFilesTest, AllThirteenDiffer)
{
    std::set<QByteArray> contents;
    const auto music = ReadWave("04b.wav");
    ASSERT_TRUE(music);
    contents.insert(music->Data);
    for (const char *name : EffectFiles) {
        const auto effect = ReadWave(QString::fromLatin1(name));
        ASSERT_TRUE(effect) << name;
        contents.insert(effect->Data);
    }
    EXPECT_EQ(contents.size(), 13u);
}

} // namespace
