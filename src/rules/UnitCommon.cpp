// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitCommon.h"

#include "LumeControls.h"
#include "LumeMidi.h"
#include "LumeTimer.h"
#include "LumeWave.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitDat.h"
#include "UnitPage.h"
#include "UnitScreen.h"

#include <QCoreApplication>
#include <QStandardPaths>

TLumeMidi *MidiHolder = nullptr;
TLumeWave *WavePlayer = nullptr;
TLumeTimer *Scheduler = nullptr;

TScene CurrentScene = TScene::None;

int32_t DiceValue = 0;
int32_t BurstRoll = 0;
bool DiceRolling = false;
TDiceLabel RollingDice = TDiceLabel::None;

namespace {

const QColor ForcedColour(255, 0, 0);

// Before the first roll there is no dice label to write to.
void SetDiceText(TDiceLabel Dice, const QString &Text)
{
    if (TLumeLabel *label = GameScreen->DiceLabel(Dice))
        label->SetCaption(Text);
}

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
    if (TLumeLabel *label = GameScreen->DiceLabel(RollingDice))
        label->SetFontColour(ForcedColour);
    SetDiceText(RollingDice, DiceText(100));
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

QString SettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vantik/vantik.conf");
}

void CreateGameObjects(TLumeForm *Form)
{
    Randomize();
    MidiHolder = new TLumeMidi();
    WavePlayer = new TLumeWave(SettingsFile());
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

bool BurstButtonLive()
{
    const TLumeButton &button = GameScreen->BurstButton();
    return button.isEnabled() && !button.isHidden();
}

void StartDiceRoll(bool PlayerRolls)
{
    SetTimerInterval(DiceTimer, TickIntervalMs);
    DiceRolling = true;
    // Undoes the red of an earlier forced 100.
    GameScreen->DiceLabel(TDiceLabel::Mine)->SetFontColour(MessageColour);
    GameScreen->DiceLabel(TDiceLabel::Enemy)->SetFontColour(MessageColour);
    if (PlayerRolls) {
        GameScreen->BurstButton().setEnabled(true);
        GameScreen->BurstButton().show();
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
    SetDiceText(RollingDice, DiceText(DiceValue));
    if (BurstButtonLive()) {
        BurstRoll = Random(100);
        //: The Idea Burst button while the player's dice roll: %1 the player's reason, %2 the
        //: burst roll; a press lowers the reason by a tenth and forces 100 if the two reach it.
        GameScreen->BurstButton().SetCaption(
            Dice::tr("%1＋%2").arg(IntToStr(Player.Reason), IntToStr(BurstRoll)));
    }
}

void PlayerIdeaBurst()
{
    GameScreen->BurstButton().setEnabled(false);
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
    //: Shown under the enemy's reason when it tries an Idea Burst: %1 its burst roll.
    GameScreen->EnemyBurstLabel().SetCaption(Dice::tr("%1＋").arg(IntToStr(BurstRoll)));
    if (SumReachesHundred(Enemy.Reason, BurstRoll))
        ForceHundred();
}

void StopDiceRoll()
{
    SetTimerInterval(DiceTimer, 0);
    DiceRolling = false;
    SetDiceText(OtherDice(), {});
}

void DicePrologue()
{
    if (DiceRolling) {
        StopDiceRoll();
    } else {
        SetDiceText(TDiceLabel::Mine, {});
        SetDiceText(TDiceLabel::Enemy, {});
    }
    SetTimerInterval(DiceTimer, 0);
    GameScreen->BurstButton().hide();
    GameScreen->EnemyBurstLabel().SetCaption({});
}
