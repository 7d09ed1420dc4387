#include "UnitCommon.h"

#include "LumeMidi.h"
#include "LumeTimer.h"
#include "LumeWave.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitForm.h"

TLumeMidi *MidiHolder = nullptr;
TLumeWave *WavePlayer = nullptr;
TLumeTimer *Scheduler = nullptr;

TSjis CurrentScene;

int32_t DiceValue = 0;
int32_t BurstRoll = 0;
bool DiceRolling = false;
TLumeLabel *RollingLabel = nullptr;
TLumeLabel *OtherLabel = nullptr;

namespace {

const TSjis Plus = ToSjis("＋");
const QColor ForcedColour(255, 0, 0);

// A successful Idea Burst: the dice stop at once on a red 100.
void ForceHundred()
{
    SetTimerInterval(DiceTimer, 0);
    DiceValue = 100;
    if (RollingLabel) {
        RollingLabel->SetFontColour(ForcedColour);
        RollingLabel->SetCaption(Plus + "100");
    }
    PlayWave("dat/up.wav", false);
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

void ChangeScene(const TSjis &Name)
{
    CurrentScene = Name;
    if (!FormMain)
        return;
    if (CurrentScene == "TITLE") {
        PlayWave("dat/04b.wav", true);
        FormMain->PageTitle->show();
        FormMain->PageMain->hide();
        SetTimerInterval(TitleTimer, 50);
    } else if (CurrentScene == "MAIN") {
        StopWave();
        FormMain->PageMain->show();
        FormMain->PageTitle->hide();
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
    SetTimerInterval(DiceTimer, 50);
    DiceRolling = true;
    // Undoes the red of an earlier forced 100.
    const QColor colour = FormMain->LabMain->FontColour();
    FormMain->LabDiceMine->SetFontColour(colour);
    FormMain->LabDiceEnemy->SetFontColour(colour);
    if (PlayerRolls) {
        FormMain->BtnIdeaBurst->setEnabled(true);
        FormMain->BtnIdeaBurst->show();
        RollingLabel = FormMain->LabDiceMine;
        OtherLabel = FormMain->LabDiceEnemy;
        return;
    }
    RollingLabel = FormMain->LabDiceEnemy;
    OtherLabel = FormMain->LabDiceMine;
    const int64_t r = Random(100);
    if (r + BurstChance >= 100)
        EnemyIdeaBurst();
}

void DiceTick()
{
    DiceValue = Random(100);
    if (RollingLabel)
        RollingLabel->SetCaption(Plus + IntToStr(DiceValue));
    TLumeButton *ib = FormMain ? FormMain->BtnIdeaBurst : nullptr;
    if (ib && ib->isEnabled() && !ib->isHidden()) {
        BurstRoll = Random(100);
        ib->SetCaption(IntToStr(Player.Reason) + Plus + IntToStr(BurstRoll));
    }
}

void PlayerIdeaBurst()
{
    FormMain->BtnIdeaBurst->setEnabled(false);
    Player.Reason = NineTenths(Player.Reason);
    FormMain->ShowPlayerStatus();
    if (int64_t(Player.Reason) + BurstRoll >= 100)
        ForceHundred();
}

void EnemyIdeaBurst()
{
    Enemy.Reason = NineTenths(Enemy.Reason);
    FormMain->ShowEnemyStatus();
    BurstRoll = Random(100);
    FormMain->LabIBEnemy->SetCaption(IntToStr(BurstRoll) + Plus);
    if (int64_t(Enemy.Reason) + BurstRoll >= 100)
        ForceHundred();
}

void StopDiceRoll()
{
    SetTimerInterval(DiceTimer, 0);
    DiceRolling = false;
    if (OtherLabel)
        OtherLabel->SetCaption({});
}

void DicePrologue()
{
    if (DiceRolling) {
        StopDiceRoll();
    } else {
        FormMain->LabDiceMine->SetCaption({});
        FormMain->LabDiceEnemy->SetCaption({});
    }
    SetTimerInterval(DiceTimer, 0);
    FormMain->BtnIdeaBurst->hide();
    FormMain->LabIBEnemy->SetCaption({});
}
