// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeText.h"
#include "LumeClaim.h"
#include "LumeRandom.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <sstream>

TEST(Random, KnownSeedGivesTheFormulaSequence)
{
    RandSeed = 12345;
    const int32_t expected[] = {38, 28, 7, 55, 63, 34, 43, 7};
    for (int32_t value : expected)
        EXPECT_EQ(Random(100), value);

    // Mixed ranges: each call advances the seed once, whatever the range.
    RandSeed = 0;
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(Random(4), 0);
    EXPECT_EQ(Random(50), 43);
    EXPECT_EQ(Random(2), 0);
    EXPECT_EQ(Random(1000000), 272921);
}

TEST(Random, EmptyOrNegativeRangeYieldsZeroAndStillAdvances)
{
    RandSeed = 7;
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    EXPECT_EQ(RandSeed, (7u * 134775813u + 1u) * 134775813u + 1u);
}

TEST(Random, StaysInRangeAndCoversIt)
{
    RandSeed = 99;
    int seen[10] = {};
    for (int i = 0; i < 10000; ++i) {
        const int32_t r = Random(10);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 10);
        ++seen[r];
    }
    for (int count : seen)
        EXPECT_NEAR(count, 1000, 150);
    EXPECT_EQ(Random(1), 0);
    EXPECT_LT(Random(INT32_MAX), INT32_MAX);
}

TEST(Random, RandomizeSeedsFromTheUtcTimeOfDay)
{
    using namespace std::chrono;
    const auto before = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    Randomize();
    const auto after = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const int64_t day = 24LL * 60 * 60 * 1000;
    EXPECT_LT(RandSeed, day);
    // Holds unless midnight passed in between.
    if (before / day == after / day) {
        EXPECT_GE(int64_t(RandSeed), before % day);
        EXPECT_LE(int64_t(RandSeed), after % day);
    }
}

TEST(Random, AFixedSeedReplacesTheClockUntilCleared)
{
    FixRandomizeSeed(4242);
    RandSeed = 1;
    Randomize();
    EXPECT_EQ(RandSeed, 4242u);
    FixRandomizeSeed(std::nullopt);
    Randomize();
    EXPECT_LT(RandSeed, 24u * 60 * 60 * 1000);
}

TEST(Sjis, LiteralsBecomeCp932Bytes)
{
    EXPECT_EQ(ToSjis("＋"), "\x81\x7B");
    EXPECT_EQ(ToSjis("＝"), "\x81\x81");
    EXPECT_EQ(ToSjis("★☆"), "\x81\x9A\x81\x99");
    EXPECT_EQ(ToSjis("あなた"), "\x82\xA0\x82\xC8\x82\xBD");
    EXPECT_EQ(ToSjis("（save.dat）"), "\x81\x69save.dat\x81\x6A");
    EXPECT_EQ(ToSjis("≫"), "\x81\xE2");
    EXPECT_EQ(ToSjis("ABC 123"), "ABC 123");
}

TEST(Sjis, DisplayConversionRoundTripsAndSurvivesBadBytes)
{
    const char *text = "ゼノリア・オルカント★　おしまエンド　★";
    EXPECT_EQ(FromSjis(ToSjis(text)), QString::fromUtf8(text));
    // A lone lead byte (as a damaged save file may hold) must not throw away
    // the rest of the text.
    const QString damaged = FromSjis(std::string("A\x82") + "B");
    EXPECT_TRUE(damaged.startsWith('A'));
    EXPECT_TRUE(damaged.contains(QChar(0xFFFD)));
    // The converter is kept between calls: a text cut after a lead byte must
    // not leave that byte pending for the next text.
    EXPECT_EQ(FromSjis("A\x82"), QStringLiteral("A") + QChar(0xFFFD));
    EXPECT_EQ(FromSjis(ToSjis(text)), QString::fromUtf8(text));
}

TEST(IntToAlf, MapsTheFiftyTwoLetters)
{
    EXPECT_EQ(IntToAlf(0), 'a');
    EXPECT_EQ(IntToAlf(25), 'z');
    EXPECT_EQ(IntToAlf(26), 'A');
    EXPECT_EQ(IntToAlf(51), 'Z');
}

TEST(IntToAlf, OutOfRangeReportsReadsALineAndReturnsASpace)
{
    std::istringstream input("any line\n");
    std::ostringstream output;
    auto *oldIn = std::cin.rdbuf(input.rdbuf());
    auto *oldOut = std::cout.rdbuf(output.rdbuf());
    const char a = IntToAlf(52);
    const char b = IntToAlf(-1);
    std::cin.rdbuf(oldIn);
    std::cout.rdbuf(oldOut);
    EXPECT_EQ(a, ' ');
    EXPECT_EQ(b, ' ');
    EXPECT_EQ(output.str(), "error in IntToAlf(52)\nerror in IntToAlf(-1)\n");
}

TEST(LumeClaim, OneOwnerAtATimeAndOnlyItsEndFreesTheClaim)
{
    bool taken = false;
    {
        const TLumeClaim first(taken);
        EXPECT_TRUE(first.Owns());
        {
            const TLumeClaim second(taken);
            EXPECT_FALSE(second.Owns());
        }
        // The second one's end did not free the first one's claim.
        EXPECT_TRUE(taken);
        EXPECT_FALSE(TLumeClaim(taken).Owns());
    }
    EXPECT_FALSE(taken);
    EXPECT_TRUE(TLumeClaim(taken).Owns());
}
