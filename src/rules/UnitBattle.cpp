// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitBattle.h"

#include "LumeRandom.h"
#include "LumeTimer.h"
#include "UnitBattler.h"
#include "UnitChoices.h"
#include "UnitCommon.h"
#include "UnitDat.h"
#include "UnitMain.h"
#include "UnitSaveLoad.h"
#include "UnitScreen.h"
#include "UnitStory.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <limits>

TBattleKind BattleKind = TBattleKind::Normal;
int32_t BattleStage = 0;
bool EnemyPresent = false;

namespace {

// The game's words, translated where they are shown ("Battle" context). A
// message of several lines joins whole sentences with the two-character line
// break "\\n" that ShowText turns into CR LF; each sentence keeps its own
// word order, so a translation may put the names and numbers anywhere.
// What a boss is called once the player has taken its name.
const TSjis TakenName = "######";

// The catalog's "Battle" context.
struct Battle {
    Q_DECLARE_TR_FUNCTIONS(Battle)
};

QString Lines(std::initializer_list<QString> Parts)
{
    return QStringList(Parts).join(QStringLiteral("\\n"));
}

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
    GameScreen->ClearChoices();
    GameScreen->AddChoice(ChoiceNext, Next);
}

void Play(const char *FileName)
{
    PlayWave(FileName, false);
}

// One side of the fight, so that each contest is written once for both: its
// record, its dice and status, where its own losses lead, and the wording
// that differs between the sides. Each text is a sentence of the "Battle"
// context; %1 in it is the side's name.
struct TSide {
    TBattler &Battler;
    bool IsPlayer;
    void (*ShowStatus)();
    TProcedure Turn;     // after it lost a hit point or was ensnared
    TProcedure Defeated; // after it lost its last hit point
    const char *HurtSound;
    const char *EvadingHint; // its evade worked; the attacker's predict is next
    const char *CastingHint; // its spell flashed; the target's resistance is next
    const char *SeesThrough; // it resisted a spell
    const char *LosesHitPoint;
    const char *IsEnsnared;
};

const TSide PlayerSide{
    .Battler = Player,
    .IsPlayer = true,
    .ShowStatus = [] { GameScreen->ShowPlayerStatus(); },
    .Turn = PlayerTurn,
    .Defeated = PlayerDefeated,
    .HurtSound = WaveZurl,
    //: A hint after the player's evade roll reached 100: the attack may miss.
    .EvadingHint = QT_TRANSLATE_NOOP("Battle", "回避できそう"),
    //: A hint after the player's spell roll reached 100: the spell may work.
    .CastingHint = QT_TRANSLATE_NOOP("Battle", "うまくいきそう"),
    //: The player (%1, their name) resisted the enemy's spell.
    .SeesThrough = QT_TRANSLATE_NOOP("Battle", "%1は策を見破った！"),
    //: The player (%1, their name) loses one of their hit points (stars).
    .LosesHitPoint = QT_TRANSLATE_NOOP("Battle", "%1は１点のダメージを食らった！"),
    //: The enemy's spell worked on the player (%1, their name): their hit, evade and predict
    //: fall by a third. Two lines.
    .IsEnsnared = QT_TRANSLATE_NOOP("Battle", "%1は陥れられた！\\n 命中、回避、予測が減耗した！"),
};

const TSide EnemySide{
    .Battler = Enemy,
    .IsPlayer = false,
    .ShowStatus = [] { GameScreen->ShowEnemyStatus(); },
    .Turn = EnemyTurn,
    .Defeated = EnemyDefeated,
    .HurtSound = WaveDun,
    //: A hint after the enemy's evade roll reached 100: the player's attack may miss.
    .EvadingHint = QT_TRANSLATE_NOOP("Battle", "回避されそう"),
    //: A hint after the enemy's spell roll reached 100: its spell may catch the player.
    .CastingHint = QT_TRANSLATE_NOOP("Battle", "ハメられそう"),
    //: The enemy (%1, its name) resisted the player's spell.
    .SeesThrough = QT_TRANSLATE_NOOP("Battle", "%1に見切られた！"),
    //: The player's attack cost the enemy (%1, its name) one hit point (star).
    .LosesHitPoint = QT_TRANSLATE_NOOP("Battle", "%1に１点のダメージを与えた！"),
    //: The player's spell worked on the enemy (%1, its name): its hit, evade and predict
    //: fall by a third. Two lines.
    .IsEnsnared = QT_TRANSLATE_NOOP("Battle", "%1を陥れた！\\n 命中、回避、予測を減耗させた！"),
};

// What a dice contest is of. Each has its result line and the line that
// announces its roll.
enum class TContestKind { Hit, Evade, Predict, Flash, Resist };

struct TContestWords {
    const char *Line; // %1 name, %2 stat, %3 dice, %4 sum
    const char *Roll; // %1 name, %2 stat
};

TContestWords WordsOf(TContestKind Kind)
{
    switch (Kind) {
    case TContestKind::Hit:
        //: A hit roll's result: %1 the attacker's name, %2 its hit, %3 the dice, %4 the sum;
        //: 100 or more hits.
        return {QT_TRANSLATE_NOOP("Battle", "%1の命中%2＋%3＝%4"),
                //: An attack begins: %1 the attacker's name, %2 its hit, which the dice
                //: now rolling will be added to. Two lines.
                QT_TRANSLATE_NOOP("Battle", "%1の攻撃……\\n命中%2")};
    case TContestKind::Evade:
        //: An evade roll's result: %1 the defender's name, %2 its evade, %3 the dice, %4 the
        //: sum; 100 or more dodges the attack.
        return {QT_TRANSLATE_NOOP("Battle", "%1の回避%2＋%3＝%4"),
                //: The defender (%1, its name) rolls to evade with its evade %2.
                QT_TRANSLATE_NOOP("Battle", "%1の回避%2")};
    case TContestKind::Predict:
        //: A predict roll's result: %1 the attacker's name, %2 its predict, %3 the dice, %4
        //: the sum; 100 or more lands the dodged attack after all.
        return {QT_TRANSLATE_NOOP("Battle", "%1の予測%2＋%3＝%4"),
                //: The attacker (%1, its name) rolls its predict %2 against the dodge.
                QT_TRANSLATE_NOOP("Battle", "%1の予測%2")};
    case TContestKind::Flash:
        //: A spell roll's result: %1 the caster's name, %2 its flash, %3 the dice, %4 the sum;
        //: 100 or more casts the spell.
        return {QT_TRANSLATE_NOOP("Battle", "%1の閃き%2＋%3＝%4"),
                //: A spell begins: %1 the caster's name, %2 its flash, which the dice now
                //: rolling will be added to. Two lines.
                QT_TRANSLATE_NOOP("Battle", "%1は奇策を弄した……\\n閃き%2")};
    case TContestKind::Resist:
        //: A resist roll's result: %1 the target's name, %2 its flash (resisting), %3 the
        //: dice, %4 the sum; 100 or more shakes off the spell.
        return {QT_TRANSLATE_NOOP("Battle", "%1の抵抗的閃き%2＋%3＝%4"),
                //: The target of a spell (%1, its name) rolls to resist with its flash %2.
                QT_TRANSLATE_NOOP("Battle", "%1の抵抗的閃き%2")};
    }
    Q_UNREACHABLE();
}

// One dice contest: the side's stat plus the dice, and its result line.
struct TContest {
    QString Line;
    bool Succeeded;
};

TContest Contest(const TSide &Roller, TContestKind Kind, int32_t Stat)
{
    const int64_t sum = int64_t{Stat} + DiceValue;
    return {Battle::tr(WordsOf(Kind).Line)
                .arg(ShownName(Roller.Battler), IntToStr(Stat), IntToStr(DiceValue), IntToStr(sum)),
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

// Shows the announcement of Roller's Kind contest with Stat, after Lead's
// lines if there are any, and sets the roller's dice going.
void RollFor(const QString &Lead, const TSide &Roller, TContestKind Kind, int32_t Stat)
{
    const QString roll =
        Battle::tr(WordsOf(Kind).Roll).arg(ShownName(Roller.Battler), IntToStr(Stat));
    GameScreen->ShowText(Lead.isEmpty() ? roll : Lines({Lead, roll}));
    StartDiceRoll(Roller.IsPlayer);
}

// The action came to nothing; the other side's turn, Next, follows.
void Misses(const QString &Text, TProcedure Next)
{
    //: An attack or a spell came to nothing; the last line of its message.
    GameScreen->ShowText(Lines({Text, Battle::tr("外れた！")}));
    Play(WaveSuka);
    OfferNext(Next);
}

void TakesDamage(const TSide &Side, const QString &Text)
{
    GameScreen->ShowText(
        Lines({Text, Battle::tr(Side.LosesHitPoint).arg(ShownName(Side.Battler))}));
    Play(Side.HurtSound);
    Side.Battler.HP = OneLess(Side.Battler.HP);
    Side.ShowStatus();
    OfferNext(Side.Battler.HP > 0 ? Side.Turn : Side.Defeated);
}

void Ensnared(const TSide &Side, const QString &Text)
{
    const QString message = Lines({Text, Battle::tr(Side.IsEnsnared).arg(ShownName(Side.Battler))});
    Play(WaveDuty);
    Side.Battler.Hit = TwoThirds(Side.Battler.Hit);
    Side.Battler.Evade = TwoThirds(Side.Battler.Evade);
    Side.Battler.Predict = TwoThirds(Side.Battler.Predict);
    Side.ShowStatus();
    GameScreen->ShowText(message);
    OfferNext(Side.Turn);
}

void HitContest(const TSide &Attacker, const TSide &Defender)
{
    const TContest hit = Contest(Attacker, TContestKind::Hit, Attacker.Battler.Hit);
    if (hit.Succeeded)
        //: A hint after a hit roll reached 100: the attack may land, unless dodged.
        RollFor(Lines({hit.Line, Battle::tr("当たりそう")}), Defender, TContestKind::Evade,
                Defender.Battler.Evade);
    else
        Misses(hit.Line, Defender.Turn);
}

void EvadeContest(const TSide &Defender, const TSide &Attacker)
{
    const TContest evade = Contest(Defender, TContestKind::Evade, Defender.Battler.Evade);
    if (evade.Succeeded)
        RollFor(Lines({evade.Line, Battle::tr(Defender.EvadingHint)}), Attacker,
                TContestKind::Predict, Attacker.Battler.Predict);
    else
        TakesDamage(Defender, evade.Line);
}

void PredictContest(const TSide &Attacker, const TSide &Defender)
{
    const TContest predict = Contest(Attacker, TContestKind::Predict, Attacker.Battler.Predict);
    if (predict.Succeeded)
        TakesDamage(Defender, predict.Line);
    else
        Misses(predict.Line, Defender.Turn);
}

void FlashContest(const TSide &Caster, const TSide &Target)
{
    // The line shows the Flash before casting wears it down.
    const TContest flash = Contest(Caster, TContestKind::Flash, Caster.Battler.Flash);
    Caster.Battler.Flash = NineTenths(Caster.Battler.Flash);
    Caster.ShowStatus();
    if (flash.Succeeded)
        RollFor(Lines({flash.Line, Battle::tr(Caster.CastingHint)}), Target, TContestKind::Resist,
                Target.Battler.Flash);
    else
        Misses(flash.Line, Target.Turn);
}

void ResistContest(const TSide &Target)
{
    const TContest resist = Contest(Target, TContestKind::Resist, Target.Battler.Flash);
    if (resist.Succeeded)
        Misses(Lines({resist.Line, Battle::tr(Target.SeesThrough).arg(ShownName(Target.Battler))}),
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
        RollFor({}, Attacker, TContestKind::Hit, Attacker.Battler.Hit);
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
        RollFor({}, Caster, TContestKind::Flash, Caster.Battler.Flash);
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
    switch (BattleKind) {
    case TBattleKind::Save:
        return SaveAtSavePoint();
    case TBattleKind::Boss:
        return FinishBossReward();
    case TBattleKind::Normal:
        return MainMenu();
    }
    Q_UNREACHABLE();
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
    return GrowStat(StatName(Stat), Player.*Stat.Base, Enemy.*Stat.Base);
}

} // namespace

// ---- Opening and the player's actions ----

void Encounter(TBattleKind Kind)
{
    BattleKind = Kind;
    switch (Kind) {
    case TBattleKind::Normal:
        MakeNormalEnemy();
        break;
    case TBattleKind::Save:
        MakeSaveGuard();
        break;
    case TBattleKind::Boss:
        MakeBoss();
        break;
    }
    EnemyPresent = true;
    GameScreen->ShowEnemyStatus();
    //: An enemy (%1, its name) appears: the first message of every fight.
    GameScreen->ShowText(Battle::tr("殺すべきもの、%1があらわれた。").arg(ShownName(Enemy)));
    GameScreen->ClearChoices();
    GameScreen->AddChoice(ChoiceFight, DecideInitiative);
    GameScreen->AddChoice(ChoiceFlee, FleeBeforeBattle);
}

void DecideInitiative()
{
    const bool playerFirst = PlayerGoesFirst();
    const QString first = ShownName(playerFirst ? Player : Enemy);
    //: Who acts first: %1 the player's name, %2 the enemy's, %3 the name of the one whose
    //: predict (and fate) won the first move. Two lines.
    GameScreen->ShowText(
        Battle::tr("%1と%2とが対峙するよ。\\n天運が予測を勘案して%3のイニシアティブ。")
            .arg(ShownName(Player), ShownName(Enemy), first));
    OfferNext(playerFirst ? PlayerTurn : EnemyTurn);
}

void FleeBeforeBattle()
{
    Play(WaveThathatha);
    //: The player fled before the fight began, as if to fight.
    GameScreen->ShowText(Battle::tr("と見せかけて逃げた。"));
    OfferNext(MainMenu);
}

void PlayerTurn()
{
    //: The player's turn: what now?
    GameScreen->ShowText(Battle::tr("どうする？"));
    GameScreen->ClearChoices();
    GameScreen->AddChoice(ChoiceAttack, PlayerAttack);
    GameScreen->AddChoice(ChoiceMagic, PlayerMagic);
    GameScreen->AddChoice(ChoiceEscape, PlayerEscape);
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
    //: The player tries to escape: run! One of the two ways (the choices right and left) is
    //: safe. Two lines.
    GameScreen->ShowText(Battle::tr("逃げてーー！\\nどっちかが大丈夫！"));
    GameScreen->ClearChoices();
    const bool rightWorks = Random(3) == 0;
    GameScreen->AddChoice(ChoiceRight, rightWorks ? EscapeSucceeded : EscapeFailed);
    GameScreen->AddChoice(ChoiceLeft, rightWorks ? EscapeFailed : EscapeSucceeded);
}

void EscapeSucceeded()
{
    Play(WaveThathatha);
    //: The escape worked. The Japanese runs two verbs together on purpose ("fled succeeded");
    //: a plain cry of success reads better than a copied slip.
    GameScreen->ShowText(Battle::tr("逃げた成功した！"));
    OfferNext(MainMenu);
}

void EscapeFailed()
{
    Play(WaveTurn);
    //: The escape failed: the enemy's turn follows.
    GameScreen->ShowText(Battle::tr("逃げられない運命だった！"));
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
    //: The enemy (%1, its name) lost its last hit point.
    GameScreen->ShowText(Battle::tr("%1を殺した！").arg(ShownName(Enemy)));
    if (BattleKind == TBattleKind::Boss && Enemy.Name.Str() != LastBossName())
        OfferNext(TakeBossName);
    else
        StartReward();
}

void TakeBossName()
{
    //: The player (%1, their name) takes the beaten boss's name (%2) as their own. Two lines.
    GameScreen->ShowText(Battle::tr("%1はその手を%2にかけて、\\n強引に名前を剥ぎ取った！")
                             .arg(ShownName(Player), ShownName(Enemy)));
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

bool GrowStat(const QString &Label, int32_t &PlayerValue, int32_t EnemyValue)
{
    // A tenth of the gap, rounded up; the sum never passes EnemyValue.
    const int64_t gap = int64_t{EnemyValue} - PlayerValue;
    const int64_t n = gap > 0 ? (gap + 9) / 10 : 0;
    if (n == 0)
        return false;
    PlayerValue = Saturate(PlayerValue + n);
    RefreshPlayer();
    GameScreen->ShowPlayerStatus();
    //: After a victory: the player's (%1, their name) stat %2 (a stat's name, or hit points)
    //: grew by %n points.
    GameScreen->ShowText(Battle::tr("%1の%2が%n点上がった！", nullptr, static_cast<int>(n))
                             .arg(ShownName(Player), Label));
    Play(WaveUp);
    return true;
}

bool RecoverOrGrowHP()
{
    if (Player.HP >= Player.MaxHP)
        //: Hit points, as the stat that grows after a victory won with every star full.
        return GrowStat(QCoreApplication::translate("Stat", "ＨＰ"), Player.MaxHP, Enemy.MaxHP);
    const int64_t heal = std::min<int64_t>(Enemy.MaxHP, int64_t{Player.MaxHP} - Player.HP);
    // An enemy without hit points has nothing to give; never take HP away.
    if (heal <= 0)
        return false;
    Play(WaveEat);
    Player.HP = Saturate(Player.HP + heal);
    GameScreen->ShowPlayerStatus();
    //: After a victory: the player eats the beaten enemy (%1, its name) and the player (%2,
    //: their name) regains %n hit points. Three lines.
    GameScreen->ShowText(
        Battle::tr("%1のからだを食べてむしゃむしゃむしゃ\\nおいしいなあ\\n%2のＨＰが%n点回復した。",
                   nullptr, static_cast<int>(heal))
            .arg(ShownName(Enemy), ShownName(Player)));
    return true;
}

void SaveAtSavePoint()
{
    if (!SaveGame(Player, ApplicationTitle)) {
        // The player must not leave believing the progress is safe.
        //: Beating the save point's guard should have saved the game, but the save failed.
        GameScreen->ShowText(Battle::tr("セーブできなかった。"));
        OfferNext(MainMenu);
        ReportWriteFailure();
        return;
    }
    Play(WavePopon);
    //: Beating the save point's guard saved the game.
    GameScreen->ShowText(Battle::tr("セーブをした。"));
    OfferNext(MainMenu);
}

void PlayerDefeated()
{
    Play(WaveWeak);
    //: The player (%1, their name) lost their last hit point: the game is over.
    GameScreen->ShowText(Battle::tr("%1は殺された……").arg(ShownName(Player)));
    GameScreen->ClearChoices();
    GameScreen->AddChoice(ChoiceGameOver, QuitGame);
}

void QuitGame()
{
    // Nothing is saved: the save file keeps the last save point's state.
    TerminateApplication();
}
