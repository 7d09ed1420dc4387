// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Draws.h"
#include "GameHarness.h"
#include "LumeRandom.h"

#include "LumeTimer.h"
#include "LumeWave.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitSound.h"

namespace {

class DiceTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        StartGame();
        ChangeScene(TScene::Main);
        Player.Reason = Player.BaseReason = 100;
        Enemy.Reason = Enemy.BaseReason = 50;
    }
};

} // namespace

TEST_F(DiceTest, ThePlayersRollTicksEveryFiftyOneMillisecondsAndOffersIb)
{
    FormMain->ShowText(Sj("命中"));
    StartDiceRoll(true);
    EXPECT_TRUE(DiceRolling);
    EXPECT_EQ(TimerInterval(DiceTimer), 50);
    EXPECT_FALSE(Controls().BtnIdeaBurst->isHidden());
    EXPECT_EQ(TextOf(Controls().BtnIdeaBurst), "ib");
    EXPECT_EQ(RollingDice, TDiceLabel::Mine);

    // The timer was paused long enough: the first tick comes at the next pass.
    Advance(51);
    const std::string first = TextOf(Controls().LabDiceMine);
    EXPECT_EQ(first, "＋" + std::to_string(DiceValue));
    EXPECT_EQ(TextOf(Controls().BtnIdeaBurst), "100＋" + std::to_string(BurstRoll));

    RandSeed = 1;
    Advance(50);
    EXPECT_EQ(RandSeed, 1u) << "no tick at exactly 50 ms";
    Advance(1);
    EXPECT_NE(RandSeed, 1u);
    EXPECT_LT(DiceValue, 100);
}

TEST_F(DiceTest, ShowTextFreezesTheRollAndBlanksTheOtherSide)
{
    Controls().LabDiceEnemy->SetCaption(Sj("＋5"));
    StartDiceRoll(true);
    Advance(51);
    const int32_t frozen = DiceValue;
    const std::string shown = TextOf(Controls().LabDiceMine);
    FormMain->ShowText(Sj("次"));
    EXPECT_FALSE(DiceRolling);
    EXPECT_EQ(TimerInterval(DiceTimer), 0);
    EXPECT_TRUE(Controls().BtnIdeaBurst->isHidden());
    EXPECT_EQ(TextOf(Controls().LabDiceMine), shown);
    EXPECT_EQ(TextOf(Controls().LabDiceEnemy), "");
    EXPECT_EQ(TextOf(Controls().LabIBEnemy), "");
    Advance(500);
    EXPECT_EQ(DiceValue, frozen);

    // A message with no roll in progress blanks both dice.
    FormMain->ShowText(Sj("次の次"));
    EXPECT_EQ(TextOf(Controls().LabDiceMine), "");
}

TEST_F(DiceTest, ARollEndedBeforeItsFirstTickKeepsThePreviousValue)
{
    DiceValue = 42;
    StartDiceRoll(true);
    FormMain->ShowText(Sj("速い"));
    EXPECT_EQ(DiceValue, 42);
}

TEST_F(DiceTest, APlayerBurstLowersReasonAndCanForceARedHundred)
{
    StartDiceRoll(true);
    BurstRoll = 10; // 100 lowered to 90, plus 10, reaches 100
    Controls().BtnIdeaBurst->click();
    EXPECT_EQ(Player.Reason, 90);
    EXPECT_EQ(Player.BaseReason, 100);
    EXPECT_FALSE(Controls().BtnIdeaBurst->isEnabled());
    EXPECT_FALSE(Controls().BtnIdeaBurst->isHidden());
    EXPECT_EQ(DiceValue, 100);
    EXPECT_EQ(TimerInterval(DiceTimer), 0);
    EXPECT_TRUE(DiceRolling);
    EXPECT_EQ(TextOf(Controls().LabDiceMine), "＋100");
    EXPECT_EQ(ColourOf(Controls().LabDiceMine), QColor(255, 0, 0));
    EXPECT_EQ(WavePlayer->FileName, "dat/up.wav");
    EXPECT_EQ(TextOf(Controls().LabMyStatus[4]), "90");
    EXPECT_EQ(ColourOf(Controls().LabMyStatus[4]), QColor(127, 127, 127));

    // The next roll restores the dice colour to the message colour.
    StartDiceRoll(false);
    EXPECT_EQ(ColourOf(Controls().LabDiceMine), QColor(68, 102, 102));
}

TEST_F(DiceTest, AFailedBurstKeepsTheDiceRollingAndTheButtonFrozen)
{
    Player.Reason = 100;
    StartDiceRoll(true);
    BurstRoll = 9; // shown as 100＋9 but tested as 90 + 9
    Controls().BtnIdeaBurst->click();
    EXPECT_EQ(TimerInterval(DiceTimer), 50);
    EXPECT_NE(DiceValue, 100);
    const std::string caption = TextOf(Controls().BtnIdeaBurst);
    Advance(51);
    EXPECT_EQ(TextOf(Controls().BtnIdeaBurst), caption) << "a used button no longer changes";

    Player.Reason = 0;
    StartDiceRoll(true);
    BurstRoll = 99;
    Controls().BtnIdeaBurst->click();
    EXPECT_EQ(Player.Reason, 0);
    EXPECT_NE(DiceValue, 100);
}

TEST_F(DiceTest, AnEnemyWithHighBurstChanceTriesOnEveryRoll)
{
    BurstChance = 100;
    Enemy.Reason = 10;
    StartDiceRoll(false);
    EXPECT_EQ(Enemy.Reason, 9);
    EXPECT_EQ(TextOf(Controls().LabIBEnemy), std::to_string(BurstRoll) + "＋");
    EXPECT_EQ(RollingDice, TDiceLabel::Enemy);
    EXPECT_TRUE(Controls().BtnIdeaBurst->isHidden());

    Enemy.Reason = 100;
    // A roll whose burst succeeds (90 + roll >= 100), drawn after the gate.
    RandSeed = SeedWhere([] {
        Random(100);
        return Random(100) >= 10;
    });
    StartDiceRoll(false);
    EXPECT_EQ(Enemy.Reason, 90);
    EXPECT_EQ(DiceValue, 100);
    EXPECT_EQ(TextOf(Controls().LabDiceEnemy), "＋100");
    EXPECT_EQ(ColourOf(Controls().LabDiceEnemy), QColor(255, 0, 0));
    EXPECT_EQ(TimerInterval(DiceTimer), 0) << "no tick happens after a forced roll";
    EXPECT_EQ(WavePlayer->FileName, "dat/up.wav");
}

TEST_F(DiceTest, AnEnemyWithoutBurstChanceNeverTries)
{
    BurstChance = 0;
    Enemy.Reason = 80;
    for (int i = 0; i < 50; ++i)
        StartDiceRoll(false);
    EXPECT_EQ(Enemy.Reason, 80);
}
