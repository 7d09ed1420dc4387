// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitBattler.h"
#include "Draws.h"
#include "Extremes.h"
#include "LumeRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace {

class BattlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Player = TBattler{};
        Enemy = TBattler{};
        AttackWeight = MagicWeight = BurstChance = 0;
        RandSeed = 4242;
    }
};

void ExpectFresh(const TBattler &B)
{
    EXPECT_EQ(B.HP, B.MaxHP);
    EXPECT_EQ(B.Hit, B.BaseHit);
    EXPECT_EQ(B.Evade, B.BaseEvade);
    EXPECT_EQ(B.Predict, B.BasePredict);
    EXPECT_EQ(B.Flash, B.BaseFlash);
    EXPECT_EQ(B.Reason, B.BaseReason);
}

} // namespace

TEST_F(BattlerTest, RollStatMapsTheTwoDrawsToTheirRoundedUpProduct)
{
    struct Case {
        int32_t a, b, result;
    };
    // 1 x 1 and 10 x 10 both round up to 1; 10 x 11 = 110 to 2; 100 x 99
    // stays below 100; only 100 x 100 reaches it.
    for (const Case c : {Case{0, 0, 1}, Case{9, 9, 1}, Case{9, 10, 2}, Case{10, 9, 2},
                         Case{99, 98, 99}, Case{99, 99, 100}, Case{49, 1, 1}}) {
        const uint32_t seed = SeedForDraws(100, {c.a, c.b});
        RandSeed = seed;
        EXPECT_EQ(RollStat(), c.result) << c.a << "," << c.b;
        EXPECT_EQ(RandSeed, SeedAfter(seed, 2)) << "exactly two draws";
    }
}

TEST_F(BattlerTest, RollStatLeansTowardsLowValues)
{
    // 482 of the 10000 products are at most 100 (sum of 100 div x).
    constexpr int trials = 200000;
    int ones = 0, high = 0;
    for (int i = 0; i < trials; ++i) {
        const int32_t v = RollStat();
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 100);
        ones += v == 1;
        high += v > 50;
    }
    EXPECT_NEAR(ones / double(trials), 0.0482, 0.004);
    // Products above 5000: 1 - P(product <= 5000), about 0.153.
    EXPECT_LT(high / double(trials), 0.2);
}

TEST_F(BattlerTest, RollMaxHPStopsAtTheFirstNonZeroDrawAndMakesTheFifthDraw)
{
    uint32_t seed = SeedForDraws(4, {0, 0, 0, 0});
    RandSeed = seed;
    EXPECT_EQ(RollMaxHP(), 5);
    EXPECT_EQ(RandSeed, SeedAfter(seed, 5)) << "the fifth draw is made";

    seed = SeedForDraws(4, {0, 0, 3});
    RandSeed = seed;
    EXPECT_EQ(RollMaxHP(), 3);
    EXPECT_EQ(RandSeed, SeedAfter(seed, 3));

    seed = SeedForDraws(4, {1});
    RandSeed = seed;
    EXPECT_EQ(RollMaxHP(), 1);
    EXPECT_EQ(RandSeed, SeedAfter(seed, 1));
}

TEST_F(BattlerTest, RollMaxHPDistribution)
{
    constexpr int trials = 100000;
    std::array<int, 6> counts{};
    for (int i = 0; i < trials; ++i) {
        const int32_t v = RollMaxHP();
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 5);
        ++counts[v];
    }
    EXPECT_NEAR(counts[1] / double(trials), 0.75, 0.01);
    EXPECT_NEAR(counts[2] / double(trials), 3.0 / 16, 0.01);
    EXPECT_NEAR(counts[3] / double(trials), 3.0 / 64, 0.005);
}

TEST_F(BattlerTest, NewPlayerRollsInDisplayOrderAndKeepsCheckCodeAndNameTail)
{
    Player.Name.Set("0123456789");
    Player.CheckCode.Set("abcdefghij");
    Player.BossIndex = 4;
    Player.HP = -3;

    const uint32_t seed = 777;
    RandSeed = seed;
    const int32_t maxHP = RollMaxHP();
    const int32_t hit = RollStat(), evade = RollStat(), predict = RollStat(), flash = RollStat(),
                  reason = RollStat();
    const uint32_t after = RandSeed;

    RandSeed = seed;
    NewPlayer();
    EXPECT_EQ(RandSeed, after);
    EXPECT_EQ(Player.Name.Str(), ToSjis("あなた"));
    // "あなた" is six bytes; the four after it are left as they were.
    EXPECT_EQ(std::string(Player.Name.Chars + 6, 4), "6789");
    EXPECT_EQ(Player.CheckCode.Str(), "abcdefghij");
    EXPECT_EQ(Player.MaxHP, maxHP);
    EXPECT_EQ(Player.BaseHit, hit);
    EXPECT_EQ(Player.BaseEvade, evade);
    EXPECT_EQ(Player.BasePredict, predict);
    EXPECT_EQ(Player.BaseFlash, flash);
    EXPECT_EQ(Player.BaseReason, reason);
    EXPECT_EQ(Player.BossIndex, 0);
    ExpectFresh(Player);

    // A re-roll gives a new character under the same rules.
    NewPlayer();
    EXPECT_EQ(Player.BossIndex, 0);
    ExpectFresh(Player);
}

TEST_F(BattlerTest, RefreshTouchesOnlyCurrentStats)
{
    Player.BaseHit = 1, Player.BaseEvade = 2, Player.BasePredict = 3, Player.BaseFlash = 4,
    Player.BaseReason = 5;
    Player.HP = 1, Player.MaxHP = 9;
    RefreshPlayer();
    EXPECT_EQ(Player.Hit, 1);
    EXPECT_EQ(Player.Evade, 2);
    EXPECT_EQ(Player.Predict, 3);
    EXPECT_EQ(Player.Flash, 4);
    EXPECT_EQ(Player.Reason, 5);
    EXPECT_EQ(Player.HP, 1);

    Enemy.BaseHit = 7;
    Enemy.Hit = 3;
    Enemy.HP = 0;
    RefreshEnemy();
    EXPECT_EQ(Enemy.Hit, 7);
    EXPECT_EQ(Enemy.HP, 0);
}

TEST_F(BattlerTest, NormalEnemyFieldsAndWeights)
{
    for (uint32_t seed : {1u, 99u, 31337u, 0xdeadbeefu}) {
        RandSeed = seed;
        const int32_t maxHP = RollMaxHP();
        const int32_t hit = RollStat(), evade = RollStat(), predict = RollStat(),
                      flash = RollStat(), reason = RollStat();
        const int32_t r = Random(50);
        const uint32_t after = RandSeed;

        RandSeed = seed;
        MakeNormalEnemy();
        EXPECT_EQ(RandSeed, after);
        EXPECT_EQ(Enemy.Name.Str(), ToSjis("あいつ"));
        EXPECT_EQ(Enemy.MaxHP, maxHP);
        EXPECT_EQ(Enemy.BaseHit, hit);
        EXPECT_EQ(Enemy.BaseEvade, evade);
        EXPECT_EQ(Enemy.BasePredict, predict);
        EXPECT_EQ(Enemy.BaseFlash, flash);
        EXPECT_EQ(Enemy.BaseReason, reason);
        EXPECT_EQ(AttackWeight, 100);
        EXPECT_EQ(MagicWeight, r * flash / 100 + 1);
        EXPECT_GE(MagicWeight, 1);
        EXPECT_LE(MagicWeight, 50);
        EXPECT_EQ(BurstChance, reason / 10 + 100);
        ExpectFresh(Enemy);
    }
}

TEST_F(BattlerTest, SaveGuardIsRaisedToThePlayersBaseStats)
{
    Player.BaseHit = Player.BaseEvade = Player.BasePredict = Player.BaseFlash = Player.BaseReason =
        100;
    // Current stats do not count.
    Player.Hit = Player.Evade = Player.Predict = Player.Flash = Player.Reason = 0;
    const uint32_t seed = RandSeed;
    MakeSaveGuard();
    EXPECT_EQ(RandSeed, SeedAfter(seed, 10)) << "five stats, two draws each";
    EXPECT_EQ(Enemy.Name.Str(), ToSjis("セーブガード"));
    EXPECT_EQ(Enemy.MaxHP, 1);
    EXPECT_EQ(Enemy.BaseHit, 100);
    EXPECT_EQ(Enemy.BaseEvade, 100);
    EXPECT_EQ(Enemy.BasePredict, 100);
    EXPECT_EQ(Enemy.BaseFlash, 100);
    EXPECT_EQ(Enemy.BaseReason, 100);
    EXPECT_EQ(AttackWeight, 1000);
    EXPECT_EQ(MagicWeight, 0);
    EXPECT_EQ(BurstChance, 20);
    ExpectFresh(Enemy);
}

TEST_F(BattlerTest, SaveGuardKeepsRollsAboveAWeakPlayer)
{
    Player.BaseHit = Player.BaseEvade = Player.BasePredict = Player.BaseFlash = Player.BaseReason =
        Int32Min;
    Player.Hit = Int32Max;
    const uint32_t seed = RandSeed;
    const int32_t hit = RollStat(), evade = RollStat(), predict = RollStat(), flash = RollStat(),
                  reason = RollStat();
    RandSeed = seed;
    MakeSaveGuard();
    EXPECT_EQ(Enemy.BaseHit, hit);
    EXPECT_EQ(Enemy.BaseEvade, evade);
    EXPECT_EQ(Enemy.BasePredict, predict);
    EXPECT_EQ(Enemy.BaseFlash, flash);
    EXPECT_EQ(Enemy.BaseReason, reason);
}

TEST_F(BattlerTest, BossTable)
{
    struct Row {
        const char *name;
        int32_t maxHP, hit, evade, predict, flash, reason, magic, burst;
    };
    const Row rows[] = {
        {"r", 3, 60, 60, 0, 10, 0, 11, 0},
        {"歩", 3, 60, 60, 20, 20, 40, 21, 40},
        {"アルフ", 5, 70, 70, 20, 50, 20, 51, 20},
        {"ALPHA", 4, 100, 0, 100, 10, 80, 11, 80},
        {"ヴェスカ", 7, 100, 80, 20, 4, 60, 5, 60},
        {"roda", 7, 100, 50, 100, 50, 90, 51, 90},
        {"祖", 7, 100, 100, 100, 100, 100, 101, 100},
    };
    for (int32_t i = 0; i < 7; ++i) {
        const Row &row = rows[i];
        Player.BossIndex = i;
        Enemy.Name.Set(std::string(32, 'x'));
        const uint32_t seed = RandSeed;
        MakeBoss();
        EXPECT_EQ(RandSeed, seed) << "bosses draw nothing";
        EXPECT_EQ(Enemy.Name.Str(), ToSjis(row.name)) << i;
        EXPECT_EQ(Enemy.MaxHP, row.maxHP) << i;
        EXPECT_EQ(Enemy.BaseHit, row.hit) << i;
        EXPECT_EQ(Enemy.BaseEvade, row.evade) << i;
        EXPECT_EQ(Enemy.BasePredict, row.predict) << i;
        EXPECT_EQ(Enemy.BaseFlash, row.flash) << i;
        EXPECT_EQ(Enemy.BaseReason, row.reason) << i;
        EXPECT_EQ(AttackWeight, 200) << i;
        EXPECT_EQ(MagicWeight, row.magic) << i;
        EXPECT_EQ(BurstChance, row.burst) << i;
        ExpectFresh(Enemy);
    }
    // Single-byte names stay single-byte; the tail of a longer old name stays.
    Player.BossIndex = 3;
    MakeBoss();
    EXPECT_EQ(Enemy.Name.Length, 5);
    EXPECT_EQ(Enemy.Name.Chars[5], 'x');
}

TEST_F(BattlerTest, BossOutsideTheTableKeepsTheEnemyButSetsWeightsAndHP)
{
    for (int32_t index : {7, -1, Int32Max, Int32Min}) {
        Enemy = TBattler{};
        Enemy.Name.Set("keep");
        Enemy.MaxHP = 4;
        Enemy.HP = 1;
        Enemy.BaseHit = 11, Enemy.BaseEvade = 12, Enemy.BasePredict = 13, Enemy.BaseFlash = 14,
        Enemy.BaseReason = 15;
        Player.BossIndex = index;
        MakeBoss();
        EXPECT_EQ(Enemy.Name.Str(), "keep");
        EXPECT_EQ(Enemy.MaxHP, 4);
        EXPECT_EQ(Enemy.BaseHit, 11);
        EXPECT_EQ(AttackWeight, 200);
        EXPECT_EQ(MagicWeight, 15);
        EXPECT_EQ(BurstChance, 15);
        ExpectFresh(Enemy);
    }
    // A guard raised to a save file's extreme stats, met again past the last
    // boss: the magic weight saturates instead of wrapping.
    Enemy.BaseFlash = Int32Max;
    Player.BossIndex = 7;
    MakeBoss();
    EXPECT_EQ(MagicWeight, Int32Max);
}
