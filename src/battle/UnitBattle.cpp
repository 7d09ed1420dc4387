// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitBattle.h"

#include "LumeForm.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitDat.h"
#include "UnitForm.h"
#include "UnitMain.h"
#include "UnitSaveLoad.h"
#include "UnitStory.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <limits>

TSjis BattleKind;
int32_t BattleStage = 0;

namespace {

// Fixed pieces of the messages, converted to Shift-JIS once. "\\n" is the
// two-character line break that ShowText turns into CR LF.
const TSjis TextNext = ToSjis("≫");
const TSjis TextBreak = "\\n";
const TSjis TextPlus = ToSjis("＋");
const TSjis TextEquals = ToSjis("＝");

const TSjis LabelHit = ToSjis("の命中");
const TSjis LabelEvade = ToSjis("の回避");
const TSjis LabelPredict = ToSjis("の予測");
const TSjis LabelFlash = ToSjis("の閃き");
const TSjis LabelResist = ToSjis("の抵抗的閃き");

const TSjis TextAppears = ToSjis("殺すべきもの、");
const TSjis TextAppearsEnd = ToSjis("があらわれた。");
const TSjis TextAnd = ToSjis("と");
const TSjis TextFaceOff = ToSjis("とが対峙するよ。\\n天運が予測を勘案して");
const TSjis TextInitiative = ToSjis("のイニシアティブ。");
const TSjis TextFeint = ToSjis("と見せかけて逃げた。");
const TSjis TextWhatNow = ToSjis("どうする？");

const TSjis TextAttacks = ToSjis("の攻撃……\\n命中");
const TSjis TextSchemes = ToSjis("は奇策を弄した……\\n閃き");
const TSjis TextLikelyHit = ToSjis("\\n当たりそう\\n");

const TSjis TextEscapeCry = ToSjis("逃げてーー！\\nどっちかが大丈夫！");
const TSjis TextRight = ToSjis("右");
const TSjis TextLeft = ToSjis("左");
const TSjis TextEscaped = ToSjis("逃げた成功した！");
const TSjis TextTrapped = ToSjis("逃げられない運命だった！");

const TSjis TextMissed = ToSjis("外れた！");

const TSjis TextKilled = ToSjis("を殺した！");
const TSjis TextLaysHands = ToSjis("はその手を");
const TSjis TextTakesName = ToSjis("にかけて、\\n強引に名前を剥ぎ取った！");
const TSjis TakenName = "######";
const TSjis TextOf = ToSjis("の");
const TSjis TextGrew = ToSjis("が");
const TSjis TextPointsUp = ToSjis("点上がった！");
const TSjis TextEats = ToSjis("のからだを食べてむしゃむしゃむしゃ\\nおいしいなあ\\n");
const TSjis TextHPRecovered = ToSjis("のＨＰが");
const TSjis TextPointsBack = ToSjis("点回復した。");
const TSjis TextSaved = ToSjis("セーブをした。");
const TSjis TextNotSaved = ToSjis("セーブできなかった。");
const TSjis TextWasKilled = ToSjis("は殺された……");

const TSjis GrowHP = ToSjis("ＨＰ");

constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();

int32_t OneLess(int32_t Value)
{
    return Saturate(int64_t{Value} - 1);
}

int32_t TwoThirds(int32_t Value)
{
    return static_cast<int32_t>(int64_t{Value} * 2 / 3);
}

// Halves two non-negative weights alike until their sum is a valid range
// for Random, keeping a positive weight positive.
void FitRange(int64_t &A, int64_t &B)
{
    while (A + B > Int32Max) {
        A = (A + 1) / 2;
        B = (B + 1) / 2;
    }
}

void OfferNext(TProcedure Next)
{
    FormMain->ClearChoices();
    FormMain->AddChoice(TextNext, Next);
}

void Play(const char *FileName)
{
    PlayWave(FileName, false);
}

// One side of the fight, so that each contest is written once for both: its
// record, its dice and status, where its own losses lead, and the wording
// that differs between the sides. The hints follow the side's contest line;
// the other texts follow its name.
struct TSide {
    TBattler &Battler;
    bool IsPlayer;
    void (*ShowStatus)();
    TProcedure Turn;     // after it lost a hit point or was ensnared
    TProcedure Defeated; // after it lost its last hit point
    const char *HurtSound;
    TSjis EvadingHint; // its evade worked; the attacker's predict is next
    TSjis CastingHint; // its spell flashed; the target's resistance is next
    TSjis SeesThrough; // it resisted a spell
    TSjis LosesHitPoint;
    TSjis IsEnsnared;
};

const TSide PlayerSide{
    .Battler = Player,
    .IsPlayer = true,
    .ShowStatus = [] { FormMain->ShowPlayerStatus(); },
    .Turn = PlayerTurn,
    .Defeated = PlayerDefeated,
    .HurtSound = WaveZurl,
    .EvadingHint = ToSjis("\\n回避できそう\\n"),
    .CastingHint = ToSjis("\\nうまくいきそう\\n"),
    .SeesThrough = ToSjis("は策を見破った！"),
    .LosesHitPoint = ToSjis("は１点のダメージを食らった！"),
    .IsEnsnared = ToSjis("は陥れられた！\\n 命中、回避、予測が減耗した！"),
};

const TSide EnemySide{
    .Battler = Enemy,
    .IsPlayer = false,
    .ShowStatus = [] { FormMain->ShowEnemyStatus(); },
    .Turn = EnemyTurn,
    .Defeated = EnemyDefeated,
    .HurtSound = WaveDun,
    .EvadingHint = ToSjis("\\n回避されそう\\n"),
    .CastingHint = ToSjis("\\nハメられそう\\n"),
    .SeesThrough = ToSjis("に見切られた！"),
    .LosesHitPoint = ToSjis("に１点のダメージを与えた！"),
    .IsEnsnared = ToSjis("を陥れた！\\n 命中、回避、予測を減耗させた！"),
};

// One dice contest: the side's stat plus the dice, reported as
// name, label, stat, "＋", dice, "＝", sum.
struct TContest {
    TSjis Line;
    bool Succeeded;
};

TContest Contest(const TSide &Roller, const TSjis &Label, int32_t Stat)
{
    const int64_t sum = int64_t{Stat} + DiceValue;
    return {Roller.Battler.Name.Str() + Label + IntToStr(Stat) + TextPlus + IntToStr(DiceValue) +
                TextEquals + IntToStr(sum),
            SumReachesHundred(Stat, DiceValue)};
}

bool PlayerGoesFirst()
{
    // A negative Predict (only a save file can hold one) counts as none.
    int64_t p = std::max<int64_t>(Player.Predict, 0);
    int64_t e = std::max<int64_t>(Enemy.Predict, 0);
    if (p == e)
        return Random(2) == 0;
    FitRange(p, e);
    return Random(static_cast<int32_t>(p + e)) < p;
}

// Shows Lead, then the roller's name, Label and Stat, and sets the roller's
// dice going.
void RollFor(const TSjis &Lead, const TSide &Roller, const TSjis &Label, int32_t Stat)
{
    FormMain->ShowText(Lead + Roller.Battler.Name.Str() + Label + IntToStr(Stat));
    StartDiceRoll(Roller.IsPlayer);
}

// The action came to nothing; the other side's turn, Next, follows.
void Misses(const TSjis &Text, TProcedure Next)
{
    FormMain->ShowText(Text + TextBreak + TextMissed);
    Play(WaveSuka);
    OfferNext(Next);
}

void TakesDamage(const TSide &Side, const TSjis &Text)
{
    FormMain->ShowText(Text + TextBreak + Side.Battler.Name.Str() + Side.LosesHitPoint);
    Play(Side.HurtSound);
    Side.Battler.HP = OneLess(Side.Battler.HP);
    Side.ShowStatus();
    OfferNext(Side.Battler.HP > 0 ? Side.Turn : Side.Defeated);
}

void Ensnared(const TSide &Side, const TSjis &Text)
{
    const TSjis message = Text + TextBreak + Side.Battler.Name.Str() + Side.IsEnsnared;
    Play(WaveDuty);
    Side.Battler.Hit = TwoThirds(Side.Battler.Hit);
    Side.Battler.Evade = TwoThirds(Side.Battler.Evade);
    Side.Battler.Predict = TwoThirds(Side.Battler.Predict);
    Side.ShowStatus();
    FormMain->ShowText(message);
    OfferNext(Side.Turn);
}

void HitContest(const TSide &Attacker, const TSide &Defender)
{
    const TContest hit = Contest(Attacker, LabelHit, Attacker.Battler.Hit);
    if (hit.Succeeded)
        RollFor(hit.Line + TextLikelyHit, Defender, LabelEvade, Defender.Battler.Evade);
    else
        Misses(hit.Line, Defender.Turn);
}

void EvadeContest(const TSide &Defender, const TSide &Attacker)
{
    const TContest evade = Contest(Defender, LabelEvade, Defender.Battler.Evade);
    if (evade.Succeeded)
        RollFor(evade.Line + Defender.EvadingHint, Attacker, LabelPredict,
                Attacker.Battler.Predict);
    else
        TakesDamage(Defender, evade.Line);
}

void PredictContest(const TSide &Attacker, const TSide &Defender)
{
    const TContest predict = Contest(Attacker, LabelPredict, Attacker.Battler.Predict);
    if (predict.Succeeded)
        TakesDamage(Defender, predict.Line);
    else
        Misses(predict.Line, Defender.Turn);
}

void FlashContest(const TSide &Caster, const TSide &Target)
{
    // The line shows the Flash before casting wears it down.
    const TContest flash = Contest(Caster, LabelFlash, Caster.Battler.Flash);
    Caster.Battler.Flash = NineTenths(Caster.Battler.Flash);
    Caster.ShowStatus();
    if (flash.Succeeded)
        RollFor(flash.Line + Caster.CastingHint, Target, LabelResist, Target.Battler.Flash);
    else
        Misses(flash.Line, Target.Turn);
}

void ResistContest(const TSide &Target)
{
    const TContest resist = Contest(Target, LabelResist, Target.Battler.Flash);
    if (resist.Succeeded)
        Misses(resist.Line + TextBreak + Target.Battler.Name.Str() + Target.SeesThrough,
               Target.Turn);
    else
        Ensnared(Target, resist.Line);
}

// The stages of an attack, one click each; BattleStage counts them.
enum class TAttackStage : int32_t {
    Announce,
    AttackerHits,
    DefenderEvades,
    AttackerPredicts,
};

// The stages of a spell, one click each; BattleStage counts them.
enum class TMagicStage : int32_t {
    Announce,
    CasterFlashes,
    TargetResists,
};

void AttackStep(const TSide &Attacker, const TSide &Defender)
{
    switch (static_cast<TAttackStage>(BattleStage)) {
    case TAttackStage::Announce:
        RollFor(TSjis(), Attacker, TextAttacks, Attacker.Battler.Hit);
        break;
    case TAttackStage::AttackerHits:
        HitContest(Attacker, Defender);
        break;
    case TAttackStage::DefenderEvades:
        EvadeContest(Defender, Attacker);
        break;
    case TAttackStage::AttackerPredicts:
        PredictContest(Attacker, Defender);
        break;
    default:
        UnreachableStage();
        break;
    }
    ++BattleStage;
}

void MagicStep(const TSide &Caster, const TSide &Target)
{
    switch (static_cast<TMagicStage>(BattleStage)) {
    case TMagicStage::Announce:
        RollFor(TSjis(), Caster, TextSchemes, Caster.Battler.Flash);
        break;
    case TMagicStage::CasterFlashes:
        FlashContest(Caster, Target);
        break;
    case TMagicStage::TargetResists:
        ResistContest(Target);
        break;
    default:
        UnreachableStage();
        break;
    }
    ++BattleStage;
}

// Starts a staged action at its first stage; each "≫" runs the next.
void StartStages(TProcedure Step)
{
    OfferNext(Step);
    BattleStage = 0;
    Step();
}

void FinishBossReward()
{
    if (Player.BossIndex == EndingABoss)
        StartEndingA();
    else if (Player.BossIndex == EndingBBoss)
        StartEndingB();
    else
        MainMenu();
    // Raised after the ending has started, so ending A saves the next boss.
    Player.BossIndex = Saturate(int64_t{Player.BossIndex} + 1);
}

void FinishReward()
{
    if (BattleKind == "SAVE")
        SaveAtSavePoint();
    else if (BattleKind == "BOSS")
        FinishBossReward();
    else
        MainMenu();
}

// The stages of the reward after a victory: one per stat in display order,
// then the hit points, then the end. BattleStage counts them.
enum class TRewardStage {
    StatGrowth,
    HitPoints,
    Finish,
    OutOfRange,
};

TRewardStage RewardStageAt(int32_t Stage)
{
    constexpr int32_t hitPointsStage = StatCount;
    if (Stage >= 0 && Stage < hitPointsStage)
        return TRewardStage::StatGrowth;
    if (Stage == hitPointsStage)
        return TRewardStage::HitPoints;
    if (Stage == hitPointsStage + 1)
        return TRewardStage::Finish;
    return TRewardStage::OutOfRange;
}

bool GrowBaseStat(const TStat &Stat)
{
    return GrowStat(ToSjis(Stat.Name), Player.*Stat.Base, Enemy.*Stat.Base);
}

} // namespace

// ---- Opening and the player's actions ----

void Encounter(const TSjis &Kind)
{
    BattleKind = Kind;
    if (BattleKind == "NORMAL")
        MakeNormalEnemy();
    if (BattleKind == "SAVE")
        MakeSaveGuard();
    if (BattleKind == "BOSS")
        MakeBoss();
    FormMain->ShowEnemyStatus();
    FormMain->ShowText(TextAppears + Enemy.Name.Str() + TextAppearsEnd);
    FormMain->ClearChoices();
    FormMain->AddChoice("killl", DecideInitiative);
    FormMain->AddChoice("escapo", FleeBeforeBattle);
}

void DecideInitiative()
{
    const bool playerFirst = PlayerGoesFirst();
    const TSjis &first = playerFirst ? Player.Name.Str() : Enemy.Name.Str();
    FormMain->ShowText(Player.Name.Str() + TextAnd + Enemy.Name.Str() + TextFaceOff + first +
                       TextInitiative);
    OfferNext(playerFirst ? PlayerTurn : EnemyTurn);
}

void FleeBeforeBattle()
{
    Play(WaveThathatha);
    FormMain->ShowText(TextFeint);
    OfferNext(MainMenu);
}

void PlayerTurn()
{
    FormMain->ShowText(TextWhatNow);
    FormMain->ClearChoices();
    FormMain->AddChoice("attax", PlayerAttack);
    FormMain->AddChoice("magix", PlayerMagic);
    FormMain->AddChoice("escapy", PlayerEscape);
}

void PlayerAttack()
{
    StartStages(PlayerAttackStep);
}

void PlayerAttackStep()
{
    AttackStep(PlayerSide, EnemySide);
}

void PlayerMagic()
{
    StartStages(PlayerMagicStep);
}

void PlayerMagicStep()
{
    MagicStep(PlayerSide, EnemySide);
}

void PlayerEscape()
{
    FormMain->ShowText(TextEscapeCry);
    FormMain->ClearChoices();
    if (Random(3) == 0) {
        FormMain->AddChoice(TextRight, EscapeSucceeded);
        FormMain->AddChoice(TextLeft, EscapeFailed);
    } else {
        FormMain->AddChoice(TextRight, EscapeFailed);
        FormMain->AddChoice(TextLeft, EscapeSucceeded);
    }
}

void EscapeSucceeded()
{
    Play(WaveThathatha);
    FormMain->ShowText(TextEscaped);
    OfferNext(MainMenu);
}

void EscapeFailed()
{
    Play(WaveTurn);
    FormMain->ShowText(TextTrapped);
    OfferNext(EnemyTurn);
}

// ---- The enemy's actions ----

void EnemyTurn()
{
    if (ChooseEnemyMagic())
        EnemyMagic();
    else
        EnemyAttack();
}

bool ChooseEnemyMagic()
{
    const int64_t attack =
        (int64_t{Enemy.Hit} + Enemy.Predict + Enemy.Evade + Player.Flash) / 4 + AttackWeight;
    const int64_t magic =
        (int64_t{Player.Hit} + Player.Predict + Player.Evade + Enemy.Flash) / 4 + MagicWeight;
    // Weights pushed below zero by a save file's stats count as zero; with
    // both at zero the enemy has no leaning and either action is as likely.
    int64_t a = std::max<int64_t>(attack, 0);
    int64_t m = std::max<int64_t>(magic, 0);
    if (a + m == 0)
        return Random(2) == 1;
    FitRange(a, m);
    return Random(static_cast<int32_t>(a + m)) >= a;
}

void EnemyAttack()
{
    StartStages(EnemyAttackStep);
}

void EnemyAttackStep()
{
    AttackStep(EnemySide, PlayerSide);
}

void EnemyMagic()
{
    StartStages(EnemyMagicStep);
}

void EnemyMagicStep()
{
    MagicStep(EnemySide, PlayerSide);
}

// ---- The outcome ----

void EnemyDefeated()
{
    Play(WaveBreak);
    // Whatever the fight wore down comes back on both sides; HP does not.
    RefreshPlayer();
    RefreshEnemy();
    FormMain->ShowText(Enemy.Name.Str() + TextKilled);
    if (BattleKind == "BOSS" && Enemy.Name.Str() != LastBossName())
        OfferNext(TakeBossName);
    else
        StartReward();
}

void TakeBossName()
{
    FormMain->ShowText(Player.Name.Str() + TextLaysHands + Enemy.Name.Str() + TextTakesName);
    Play(WaveRoar);
    Player.Name.Set(Enemy.Name.Str());
    Enemy.Name.Set(TakenName);
    StartReward();
}

void StartReward()
{
    BattleStage = 0;
    OfferNext(RewardStep);
}

void RewardStep()
{
    // Each click shows one change; stages with nothing to show are passed
    // over within the same click.
    for (;;) {
        bool shown = false;
        switch (RewardStageAt(BattleStage)) {
        case TRewardStage::StatGrowth:
            shown = GrowBaseStat(StatsInDisplayOrder[BattleStage]);
            break;
        case TRewardStage::HitPoints:
            shown = RecoverOrGrowHP();
            break;
        case TRewardStage::Finish:
            // Every reward has been given; what follows rebinds the choices.
            FinishReward();
            return;
        case TRewardStage::OutOfRange:
            UnreachableStage();
            return;
        }
        ++BattleStage;
        if (shown)
            return;
    }
}

bool GrowStat(const TSjis &Label, int32_t &PlayerValue, int32_t EnemyValue)
{
    // A tenth of the gap, rounded up; the sum never passes EnemyValue.
    const int64_t gap = int64_t{EnemyValue} - PlayerValue;
    const int64_t n = gap > 0 ? (gap + 9) / 10 : 0;
    if (n == 0)
        return false;
    PlayerValue = Saturate(PlayerValue + n);
    RefreshPlayer();
    FormMain->ShowPlayerStatus();
    FormMain->ShowText(Player.Name.Str() + TextOf + Label + TextGrew + IntToStr(n) + TextPointsUp);
    Play(WaveUp);
    return true;
}

bool RecoverOrGrowHP()
{
    if (Player.HP >= Player.MaxHP)
        return GrowStat(GrowHP, Player.MaxHP, Enemy.MaxHP);
    const int64_t heal = std::min<int64_t>(Enemy.MaxHP, int64_t{Player.MaxHP} - Player.HP);
    // An enemy without hit points has nothing to give; never take HP away.
    if (heal <= 0)
        return false;
    Play(WaveEat);
    Player.HP = Saturate(Player.HP + heal);
    FormMain->ShowPlayerStatus();
    FormMain->ShowText(Enemy.Name.Str() + TextEats + Player.Name.Str() + TextHPRecovered +
                       IntToStr(heal) + TextPointsBack);
    return true;
}

void SaveAtSavePoint()
{
    if (!SaveGame(Player, ApplicationTitle)) {
        // The player must not leave believing the progress is safe.
        FormMain->ShowText(TextNotSaved);
        OfferNext(MainMenu);
        ReportWriteFailure();
        return;
    }
    Play(WavePopon);
    FormMain->ShowText(TextSaved);
    OfferNext(MainMenu);
}

void PlayerDefeated()
{
    Play(WaveWeak);
    FormMain->ShowText(Player.Name.Str() + TextWasKilled);
    FormMain->ClearChoices();
    FormMain->AddChoice("gmov", QuitGame);
}

void QuitGame()
{
    // Nothing is saved: the save file keeps the last save point's state.
    TerminateApplication();
}
