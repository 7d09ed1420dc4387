// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitCommon.h"

#include "LumeRandom.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitDat.h"
#include "UnitScreen.h"
#include "UnitSpeakers.h"

#include <array>
#include <optional>

TLumeTimer *Scheduler = nullptr;
TGameScreen *GameScreen = nullptr;
TGameSpeakers *GameSpeakers = nullptr;

TScene CurrentScene = TScene::None;

int32_t DiceValue = 0;
int32_t BurstRoll = 0;
bool DiceRolling = false;
TDiceLabel RollingDice = TDiceLabel::None;

namespace {

// What each die shows, so that the red of a forced 100 can be taken back
// when the next roll starts; Mine and Enemy, in that order.
struct TDieShown {
    std::optional<int32_t> Value;
    bool Forced = false;
};
std::array<TDieShown, 2> DiceShown;
TBurstButton BurstButtonState = TBurstButton::Hidden;

TDieShown &ShownOn(TDiceLabel Dice)
{
    return DiceShown[Dice == TDiceLabel::Mine ? 0 : 1];
}

// Before the first roll there is no die to write to.
void ShowDie(TDiceLabel Dice, int32_t Value, bool Forced = false)
{
    if (Dice == TDiceLabel::None)
        return;
    ShownOn(Dice) = {Value, Forced};
    GameScreen->ShowDice(Dice, Value, Forced);
}

void ClearDie(TDiceLabel Dice)
{
    if (Dice == TDiceLabel::None)
        return;
    ShownOn(Dice) = {};
    GameScreen->ClearDice(Dice);
}

void SetBurstButton(TBurstButton State)
{
    BurstButtonState = State;
    GameScreen->ShowBurstButton(State);
}

TDiceLabel OtherDice()
{
    switch (RollingDice) {
    case TDiceLabel::Mine:
        return TDiceLabel::Enemy;
    case TDiceLabel::Enemy:
        return TDiceLabel::Mine;
    case TDiceLabel::None:
        return TDiceLabel::None;
    }
    Q_UNREACHABLE();
}

// A successful Idea Burst: the dice stop at once on a red 100.
void ForceHundred()
{
    SetTimerInterval(DiceTimer, 0);
    DiceValue = 100;
    ShowDie(RollingDice, 100, true);
    PlayWave(WaveUp, false);
}

} // namespace

void PlayWave(const char *FileName, bool Loop)
{
    if (GameSpeakers)
        GameSpeakers->PlayWave(FileName, Loop);
}

void StopWave()
{
    if (GameSpeakers)
        GameSpeakers->StopWave();
}

void SetTimerInterval(const char *Name, int32_t IntervalMs)
{
    if (Scheduler)
        Scheduler->SetTimerInterval(Name, IntervalMs);
}

void UnreachableStage()
{
    Q_ASSERT_X(false, "UnreachableStage", "a click reached a stage past the last");
}

void ChangeScene(TScene Scene)
{
    Q_ASSERT(GameScreen);
    CurrentScene = Scene;
    switch (Scene) {
    case TScene::Title:
        PlayWave(WaveTitleMusic, true);
        GameScreen->ShowTitlePage();
        SetTimerInterval(TitleTimer, TickIntervalMs);
        return;
    case TScene::Main:
        StopWave();
        GameScreen->ShowMainPage();
        SetTimerInterval(TitleTimer, 0);
        return;
    case TScene::None:
        // Nothing switches back to before the first scene.
        Q_ASSERT_X(false, "ChangeScene", "no scene to switch to");
        return;
    }
    Q_UNREACHABLE();
}

void CreateGameObjects(TLumeDeferredCalls *Form)
{
    Randomize();
    Scheduler = new TLumeTimer(Form);
    Scheduler->AddTimer(&TitleFrame, 0, TitleTimer);
    Scheduler->AddTimer(&DiceTick, 0, DiceTimer);
    CreateSurfaces();
}

void FreeGameObjects()
{
    FreeSurfaces();
    delete Scheduler;
    Scheduler = nullptr;
}

bool BurstButtonLive()
{
    return BurstButtonState == TBurstButton::Offered;
}

void StartDiceRoll(bool PlayerRolls)
{
    SetTimerInterval(DiceTimer, TickIntervalMs);
    DiceRolling = true;
    // Undoes the red of an earlier forced 100.
    for (TDiceLabel dice : {TDiceLabel::Mine, TDiceLabel::Enemy})
        if (ShownOn(dice).Forced)
            ShowDie(dice, *ShownOn(dice).Value);
    if (PlayerRolls) {
        SetBurstButton(TBurstButton::Offered);
        RollingDice = TDiceLabel::Mine;
        return;
    }
    RollingDice = TDiceLabel::Enemy;
    const int32_t roll = Random(100);
    if (SumReachesHundred(roll, BurstChance))
        EnemyIdeaBurst();
}

void DiceTick()
{
    Q_ASSERT(GameScreen);
    DiceValue = Random(100);
    ShowDie(RollingDice, DiceValue);
    if (BurstButtonLive()) {
        BurstRoll = Random(100);
        GameScreen->ShowBurstRoll(Player.Reason, BurstRoll);
    }
}

void PlayerIdeaBurst()
{
    SetBurstButton(TBurstButton::Spent);
    Player.Reason = NineTenths(Player.Reason);
    GameScreen->ShowPlayerStatus();
    if (SumReachesHundred(Player.Reason, BurstRoll))
        ForceHundred();
}

void EnemyIdeaBurst()
{
    Enemy.Reason = NineTenths(Enemy.Reason);
    GameScreen->ShowEnemyStatus();
    BurstRoll = Random(100);
    GameScreen->ShowEnemyBurstRoll(BurstRoll);
    if (SumReachesHundred(Enemy.Reason, BurstRoll))
        ForceHundred();
}

void StopDiceRoll()
{
    SetTimerInterval(DiceTimer, 0);
    DiceRolling = false;
    ClearDie(OtherDice());
}

void DicePrologue()
{
    if (DiceRolling) {
        StopDiceRoll();
    } else {
        ClearDie(TDiceLabel::Mine);
        ClearDie(TDiceLabel::Enemy);
    }
    SetTimerInterval(DiceTimer, 0);
    SetBurstButton(TBurstButton::Hidden);
    GameScreen->ClearEnemyBurstRoll();
}
