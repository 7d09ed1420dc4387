// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitCommon.h"

#include "LumeMidi.h"
#include "LumeTimer.h"
#include "LumeWave.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitDat.h"
#include "UnitForm.h"

#include <QCoreApplication>

TLumeMidi *MidiHolder = nullptr;
TLumeWave *WavePlayer = nullptr;
TLumeTimer *Scheduler = nullptr;

TSjis CurrentScene;

int32_t DiceValue = 0;
int32_t BurstRoll = 0;
bool DiceRolling = false;
TDiceLabel RollingDice = TDiceLabel::None;

namespace {

const QColor ForcedColour(255, 0, 0);

// The catalog's "Dice" context.
struct Dice {
    Q_DECLARE_TR_FUNCTIONS(Dice)
};

QString DiceText(int32_t Value)
{
    //: A dice label: the number (%1, 0 to 99, or 100 after an Idea Burst) that is added to
    //: a stat.
    return Dice::tr("＋%1").arg(IntToStr(Value));
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
    FormMain->SetDiceColour(RollingDice, ForcedColour);
    FormMain->SetDiceText(RollingDice, DiceText(100));
    PlayWave(WaveUp, false);
}

} // namespace

void PlayWave(const char *FileName, bool Loop)
{
    if (WavePlayer)
        WavePlayer->PlayWave(FileName, Loop);
}

void StopWave()
{
    if (WavePlayer)
        WavePlayer->StopWave();
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

void ChangeScene(const TSjis &Name)
{
    Q_ASSERT(FormMain);
    CurrentScene = Name;
    if (CurrentScene == "TITLE") {
        PlayWave(WaveTitleMusic, true);
        FormMain->ShowTitlePage();
        SetTimerInterval(TitleTimer, TickIntervalMs);
    } else if (CurrentScene == "MAIN") {
        StopWave();
        FormMain->ShowMainPage();
        SetTimerInterval(TitleTimer, 0);
    }
}

void CreateGameObjects(TFormMain *Form)
{
    Randomize();
    MidiHolder = new TLumeMidi();
    WavePlayer = new TLumeWave();
    Scheduler = new TLumeTimer(Form);
    Scheduler->AddTimer(&TitleFrame, 0, TitleTimer);
    Scheduler->AddTimer(&DiceTick, 0, DiceTimer);
    CreateSurfaces();
}

void FreeGameObjects()
{
    FreeSurfaces();
    delete MidiHolder;
    MidiHolder = nullptr;
    delete WavePlayer;
    WavePlayer = nullptr;
    delete Scheduler;
    Scheduler = nullptr;
}

void StartDiceRoll(bool PlayerRolls)
{
    SetTimerInterval(DiceTimer, TickIntervalMs);
    DiceRolling = true;
    // Undoes the red of an earlier forced 100.
    FormMain->ResetDiceColours();
    if (PlayerRolls) {
        FormMain->EnableBurstButton(true);
        FormMain->ShowBurstButton(true);
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
    Q_ASSERT(FormMain);
    DiceValue = Random(100);
    FormMain->SetDiceText(RollingDice, DiceText(DiceValue));
    if (FormMain->BurstButtonLive()) {
        BurstRoll = Random(100);
        //: The Idea Burst button while the player's dice roll: %1 the player's reason, %2 the
        //: burst roll; a press lowers the reason by a tenth and forces 100 if the two reach it.
        FormMain->SetBurstText(
            Dice::tr("%1＋%2").arg(IntToStr(Player.Reason), IntToStr(BurstRoll)));
    }
}

void PlayerIdeaBurst()
{
    FormMain->EnableBurstButton(false);
    Player.Reason = NineTenths(Player.Reason);
    FormMain->ShowPlayerStatus();
    if (SumReachesHundred(Player.Reason, BurstRoll))
        ForceHundred();
}

void EnemyIdeaBurst()
{
    Enemy.Reason = NineTenths(Enemy.Reason);
    FormMain->ShowEnemyStatus();
    BurstRoll = Random(100);
    //: Shown under the enemy's reason when it tries an Idea Burst: %1 its burst roll.
    FormMain->SetEnemyBurstText(Dice::tr("%1＋").arg(IntToStr(BurstRoll)));
    if (SumReachesHundred(Enemy.Reason, BurstRoll))
        ForceHundred();
}

void StopDiceRoll()
{
    SetTimerInterval(DiceTimer, 0);
    DiceRolling = false;
    FormMain->SetDiceText(OtherDice(), {});
}

void DicePrologue()
{
    if (DiceRolling) {
        StopDiceRoll();
    } else {
        FormMain->SetDiceText(TDiceLabel::Mine, {});
        FormMain->SetDiceText(TDiceLabel::Enemy, {});
    }
    SetTimerInterval(DiceTimer, 0);
    FormMain->ShowBurstButton(false);
    FormMain->SetEnemyBurstText({});
}
