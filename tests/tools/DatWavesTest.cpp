// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <vector>

// The wave files the generator wrote into dat/, read back as the sound
// players will read them.

namespace {

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
