// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitCommon.h"
#include "Draws.h"
#include "LumeRandom.h"
#include "LumeTimer.h"
#include "Recorder.h"
#include "UnitBattler.h"

namespace {

using TDie = std::optional<TRecorder::TDieShown>;

// Whether Die shows Value, and whether it is red.
bool Shows(const TDie &Die, int32_t Value, bool Forced = false)
{
    return Die && Die->Value == Value && Die->Forced == Forced;
}

class DiceTest : public RulesHarness {
protected:
    void SetUp() override
    {
        RulesHarness::SetUp();
        ChangeScene(TScene::Main);
        Player.Reason = Player.BaseReason = 100;
        Enemy.Reason = Enemy.BaseReason = 50;
    }
};

} // namespace

TEST_F(DiceTest, ThePlayersRollTicksEveryFiftyOneMillisecondsAndOffersIb)
{
    Screen.ShowText(Sj("命中"));
    StartDiceRoll(true);
    EXPECT_TRUE(DiceRolling);
    EXPECT_EQ(TimerInterval(DiceTimer), 50);
    EXPECT_EQ(Screen.Burst, TBurstButton::Offered);
    EXPECT_FALSE(Screen.BurstCaption) << "the button keeps its caption until the first tick";
    EXPECT_EQ(RollingDice, TDiceLabel::Mine);

    // The timer was paused long enough: the first tick comes at the next pass.
    Advance(51);
    EXPECT_TRUE(Shows(Screen.Dice[0], DiceValue));
    EXPECT_EQ(Screen.BurstCaption, std::make_pair(100, BurstRoll));

    RandSeed = 1;
    Advance(50);
    EXPECT_EQ(RandSeed, 1u) << "no tick at exactly 50 ms";
    Advance(1);
    EXPECT_NE(RandSeed, 1u);
    EXPECT_LT(DiceValue, 100);
}

TEST_F(DiceTest, ShowTextFreezesTheRollAndBlanksTheOtherSide)
{
    Screen.ShowDice(TDiceLabel::Enemy, 5, false);
    StartDiceRoll(true);
    Advance(51);
    const int32_t frozen = DiceValue;
    Screen.ShowText(Sj("次"));
    EXPECT_FALSE(DiceRolling);
    EXPECT_EQ(TimerInterval(DiceTimer), 0);
    EXPECT_EQ(Screen.Burst, TBurstButton::Hidden);
    EXPECT_TRUE(Shows(Screen.Dice[0], frozen));
    EXPECT_FALSE(Screen.Dice[1]);
    EXPECT_FALSE(Screen.EnemyBurst);
    Advance(500);
    EXPECT_EQ(DiceValue, frozen);

    // A message with no roll in progress blanks both dice.
    Screen.ShowText(Sj("次の次"));
    EXPECT_FALSE(Screen.Dice[0]);
}

TEST_F(DiceTest, ARollEndedBeforeItsFirstTickKeepsThePreviousValue)
{
    DiceValue = 42;
    StartDiceRoll(true);
    Screen.ShowText(Sj("速い"));
    EXPECT_EQ(DiceValue, 42);
}

TEST_F(DiceTest, APlayerBurstLowersReasonAndCanForceARedHundred)
{
    StartDiceRoll(true);
    BurstRoll = 10; // 100 lowered to 90, plus 10, reaches 100
    PressBurst();
    EXPECT_EQ(Player.Reason, 90);
    EXPECT_EQ(Player.BaseReason, 100);
    EXPECT_EQ(Screen.Burst, TBurstButton::Spent);
    EXPECT_FALSE(BurstButtonLive());
    EXPECT_EQ(DiceValue, 100);
    EXPECT_EQ(TimerInterval(DiceTimer), 0);
    EXPECT_TRUE(DiceRolling);
    EXPECT_TRUE(Shows(Screen.Dice[0], 100, true));
    EXPECT_EQ(Screen.Wave, "dat/up.wav");
    ASSERT_TRUE(Screen.PlayerShown);
    EXPECT_EQ(Screen.PlayerShown->Reason, 90);

    // The next roll takes the red back, and the forced 100 stays shown.
    StartDiceRoll(false);
    EXPECT_TRUE(Shows(Screen.Dice[0], 100));
}

TEST_F(DiceTest, AFailedBurstKeepsTheDiceRollingAndTheButtonFrozen)
{
    Player.Reason = 100;
    StartDiceRoll(true);
    BurstRoll = 9; // shown as 100＋9 but tested as 90 + 9
    PressBurst();
    EXPECT_EQ(TimerInterval(DiceTimer), 50);
    EXPECT_NE(DiceValue, 100);
    const auto caption = Screen.BurstCaption;
    Advance(51);
    EXPECT_EQ(Screen.BurstCaption, caption) << "a used button no longer changes";
    PressBurst();
    EXPECT_EQ(Player.Reason, 90) << "a used button takes no second press";

    Player.Reason = 0;
    StartDiceRoll(true);
    BurstRoll = 99;
    PressBurst();
    EXPECT_EQ(Player.Reason, 0);
    EXPECT_NE(DiceValue, 100);
}

TEST_F(DiceTest, AnEnemyWithHighBurstChanceTriesOnEveryRoll)
{
    BurstChance = 100;
    Enemy.Reason = 10;
    StartDiceRoll(false);
    EXPECT_EQ(Enemy.Reason, 9);
    EXPECT_EQ(Screen.EnemyBurst, BurstRoll);
    EXPECT_EQ(RollingDice, TDiceLabel::Enemy);
    EXPECT_EQ(Screen.Burst, TBurstButton::Hidden);

    Enemy.Reason = 100;
    // A roll whose burst succeeds (90 + roll >= 100), drawn after the gate.
    RandSeed = SeedWhere([] {
        Random(100);
        return Random(100) >= 10;
    });
    StartDiceRoll(false);
    EXPECT_EQ(Enemy.Reason, 90);
    EXPECT_EQ(DiceValue, 100);
    EXPECT_TRUE(Shows(Screen.Dice[1], 100, true));
    EXPECT_EQ(TimerInterval(DiceTimer), 0) << "no tick happens after a forced roll";
    EXPECT_EQ(Screen.Wave, "dat/up.wav");
}

TEST_F(DiceTest, AnEnemyWithoutBurstChanceNeverTries)
{
    BurstChance = 0;
    Enemy.Reason = 80;
    for (int i = 0; i < 50; ++i)
        StartDiceRoll(false);
    EXPECT_EQ(Enemy.Reason, 80);
}
