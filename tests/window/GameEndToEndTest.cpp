// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"
#include "LumeForm.h"
#include "LumeRandom.h"
#include "UnitMain.h"
#include "UnitStory.h"

#include <QColor>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Whole games played the way a player plays them: by clicking the window's
// buttons and the title picture and by reading what the window shows.
//
// This test is an oracle: it holds the rules of the game a second time,
// written apart from the game's code. The rules themselves (the contests,
// what casting, bursts and spells do to the values, growth, recovery, the
// rows of stars) stand once, in the block "The oracle" below; the referee of
// the fixture applies them to both sides as the labels show them, predicts
// every message before it appears and compares it byte for byte. A change to
// a rule of the game is made in the oracle too. The player steers the dice by
// letting them tick until they show a number that gives the outcome it
// wants, as a patient player would.

namespace {

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

std::string Num(int64_t Value)
{
    return std::to_string(Value);
}

// One side of the fight as the player knows it: the values the labels showed
// and what the rules have done to them since.
struct TSide {
    std::string Name;
    std::array<int32_t, 5> Current{};
    std::array<int32_t, 5> Base{};
    int32_t HP = 0;
    int32_t MaxHP = 0;
};

enum class TKind { Normal, Save, Boss };

enum class TStep {
    Menu,
    Encounter,
    BackToMenu,
    ToPlayerTurn,
    ToEnemyTurn,
    Turn,
    EscapeChoice,
    Roll,
    ToVictory,
    TakeName,
    Reward,
    ToDefeat,
    Defeat,
    EndingA,
    EndingB,
};

// How the player steers a fight.
struct TPlan {
    // Seek the outcomes not seen yet, while it is safe.
    bool Explore = false;
    // Steer every contest against the player.
    bool Lose = false;
    // Leave at the encounter.
    bool Flee = false;
    // Run from a fight that is being lost, to heal and come back.
    bool Retreat = false;
};

// The save file as it stands on disk: a rewrite shows in the content, the
// file's identity or its modification time.
struct TFileStamp {
    bool Exists = false;
    QByteArray Bytes;
    uint64_t Inode = 0;
    int64_t ModifiedNs = 0;
    bool operator==(const TFileStamp &) const = default;
};

TFileStamp SaveStamp()
{
    struct stat st {};
    if (::stat("save.dat", &st) != 0)
        return {};
    QFile file("save.dat");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return {true, file.readAll(), static_cast<uint64_t>(st.st_ino),
            int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// ---- The oracle: the rules of the game, written apart from its code ----

const char *const StatNames[5] = {"命中", "回避", "予測", "閃き", "理力"};
const char *const BossNames[7] = {"r", "歩", "アルフ", "ALPHA", "ヴェスカ", "roda", "祖"};
enum { Hit, Evade, Predict, Flash, Reason };

// The ten dice contests of a fight.
enum class TContest {
    PlayerHit,
    EnemyEvade,
    PlayerPredict,
    PlayerFlash,
    EnemyResist,
    EnemyHit,
    PlayerEvade,
    EnemyPredict,
    EnemyFlash,
    PlayerResist,
};

struct TContestRule {
    bool PlayerRolls;
    int Stat;
    const char *Label;
};

TContestRule RuleOf(TContest Contest)
{
    switch (Contest) {
    case TContest::PlayerHit:
        return {true, Hit, "の命中"};
    case TContest::EnemyEvade:
        return {false, Evade, "の回避"};
    case TContest::PlayerPredict:
        return {true, Predict, "の予測"};
    case TContest::PlayerFlash:
        return {true, Flash, "の閃き"};
    case TContest::EnemyResist:
        return {false, Flash, "の抵抗的閃き"};
    case TContest::EnemyHit:
        return {false, Hit, "の命中"};
    case TContest::PlayerEvade:
        return {true, Evade, "の回避"};
    case TContest::EnemyPredict:
        return {false, Predict, "の予測"};
    case TContest::EnemyFlash:
        return {false, Flash, "の閃き"};
    case TContest::PlayerResist:
        return {true, Flash, "の抵抗的閃き"};
    }
    return {};
}

// A contest succeeds when the stat and the dice together reach 100.
bool Reaches(int64_t Stat, int64_t Dice)
{
    return Stat + Dice >= 100;
}

// Casting wears the caster's Flash, and an Idea Burst the burster's Reason,
// down to nine tenths.
int32_t ModelNineTenths(int32_t Value)
{
    return Value * 9 / 10;
}

// A working spell cuts Hit, Evade and Predict to two thirds.
int32_t TwoThirds(int32_t Value)
{
    return Value * 2 / 3;
}

// A burst stops the dice on 100 when the lowered Reason and the burst roll
// together reach 100.
bool BurstWorks(int32_t Reason, int32_t Roll)
{
    return Reaches(ModelNineTenths(Reason), Roll);
}

// A victory raises a value by a tenth of its gap to the enemy's, rounded up.
int64_t Growth(int64_t Gap)
{
    return Gap > 0 ? (Gap + 9) / 10 : 0;
}

// Eating the beaten enemy heals as many hit points as it had, at most the
// ones lost.
int32_t Healing(const TSide &Me, const TSide &Foe)
{
    return std::min(Foe.MaxHP, Me.MaxHP - Me.HP);
}

// A side's row of stars: filled for the hit points left, at the outer edge
// of the window (CountDown for the player's row, which ends at the right).
std::string StarsOf(const TSide &Side, bool CountDown)
{
    std::string stars;
    for (int32_t i = 0; i < Side.MaxHP; ++i) {
        const int32_t k = CountDown ? Side.MaxHP - i : i + 1;
        stars += k <= Side.HP ? "★" : "☆";
    }
    return stars;
}

} // namespace

class GameEndToEndTest : public GameHarness {
protected:
    void TearDown() override
    {
        EXPECT_EQ(Alerts, Strings{}) << "no save file message is expected";
        GameHarness::TearDown();
    }

    // Starts the program; start-up seeds the generator from the time of day,
    // so the test fixes it afterwards to play the same game on every run.
    void Launch(uint32_t Seed)
    {
        StartGame();
        RandSeed = Seed;
    }

    // ---- Reading the window ----

    static int32_t Value(TLumeLabel *Label) { return Label->text().toInt(); }
    static bool IsBlack(TLumeLabel *Label) { return ColourOf(Label) == Black; }
    static int Count(const std::string &Text, const std::string &Mark)
    {
        int n = 0;
        for (size_t at = Text.find(Mark); at != std::string::npos; at = Text.find(Mark, at + 1))
            ++n;
        return n;
    }
    // The number after "＋" on a dice label, or -1 when it is blank.
    static int32_t DiceOn(TLumeLabel *Label)
    {
        const std::string text = Label->text().toStdString();
        if (text.empty())
            return -1;
        EXPECT_EQ(text.rfind("＋", 0), 0u) << text;
        return std::stoi(text.substr(std::string("＋").size()));
    }
    bool PlayerRollShows() const
    {
        return Controls().BtnIdeaBurst->isVisibleTo(FormMain) &&
               Controls().BtnIdeaBurst->isEnabled();
    }

    // A side as fresh labels show it; current and base agree where black.
    TSide SideFromLabels(const std::array<TLumeLabel *, 5> &Labels, TLumeLabel *Stars)
    {
        TSide side;
        for (int i = 0; i < 5; ++i) {
            side.Current[i] = side.Base[i] = Value(Labels[i]);
            EXPECT_TRUE(IsBlack(Labels[i])) << StatNames[i];
        }
        const std::string stars = Stars->text().toStdString();
        side.HP = Count(stars, "★");
        side.MaxHP = side.HP + Count(stars, "☆");
        return side;
    }

    void ExpectSideShown(const TSide &Side, const std::array<TLumeLabel *, 5> &Labels,
                         TLumeLabel *Stars, bool CountDown)
    {
        EXPECT_EQ(Stars->text().toStdString(), StarsOf(Side, CountDown)) << Side.Name;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(Value(Labels[i]), Side.Current[i]) << Side.Name << StatNames[i];
            // A value apart from its base is drawn grey.
            EXPECT_EQ(IsBlack(Labels[i]), Side.Current[i] == Side.Base[i])
                << Side.Name << StatNames[i];
        }
    }
    void ExpectMyside() { ExpectSideShown(Me, Controls().LabMyStatus, Controls().LabMyHP, true); }
    void ExpectEnemySide()
    {
        ExpectSideShown(Foe, Controls().LabEnemyStatus, Controls().LabEnemyHP, false);
    }

    void ExpectScreen(const std::string &Text, const Strings &Offered)
    {
        EXPECT_EQ(Message(), Text) << "after click " << Clicks;
        EXPECT_EQ(Choices(), Offered) << "after click " << Clicks << ": " << Message();
    }

    void Saw(const std::string &Kind) { Seen.insert(Kind); }
    bool HasSeen(const std::string &Kind) const { return Seen.count(Kind) != 0; }

    // ---- Clicking ----

    void Press(const std::string &Caption)
    {
        const Strings offered = Choices();
        ASSERT_NE(std::find(offered.begin(), offered.end(), Caption), offered.end())
            << Caption << " is not offered; message: " << Message();
        int32_t dice = -1;
        if (Step == TStep::Roll)
            dice = DiceOn(RuleOf(Rolling).PlayerRolls ? Controls().LabDiceMine
                                                      : Controls().LabDiceEnemy);
        Click(Caption.c_str());
        ++Clicks;
        Judge(Caption, dice);
        if (!MyLabelsStale)
            ExpectMyside();
        // The "ib" button is offered exactly while the player's dice roll.
        const bool playerRolls = Step == TStep::Roll && RuleOf(Rolling).PlayerRolls;
        EXPECT_EQ(Controls().BtnIdeaBurst->isVisibleTo(FormMain), playerRolls) << Message();
    }

    // ---- The referee: what each click must show ----

    void Judge(const std::string &Caption, int32_t Dice)
    {
        switch (Step) {
        case TStep::Menu:
            return Encounter(Caption);
        case TStep::Encounter:
            return Caption == "killl" ? Initiative() : Flight();
        case TStep::BackToMenu:
            return ExpectMenu();
        case TStep::ToPlayerTurn:
            return PlayerTurn();
        case TStep::ToEnemyTurn:
            return EnemyAction();
        case TStep::Turn:
            return PlayerAction(Caption);
        case TStep::EscapeChoice:
            return EscapeResult();
        case TStep::Roll:
            return ContestResult(Dice);
        case TStep::ToVictory:
            return Victory();
        case TStep::TakeName:
            return NameTaken();
        case TStep::Reward:
            return RewardResult();
        case TStep::ToDefeat:
            return Defeated();
        case TStep::Defeat:
        case TStep::EndingA:
        case TStep::EndingB:
            FAIL() << "the narrations and the defeat are judged where they are played";
        }
    }

    void ExpectMenu()
    {
        EXPECT_TRUE(IsFlavourLine(Message())) << Message();
        EXPECT_EQ(Choices(), MenuChoices);
        EXPECT_TRUE(EnemySideBlank());
        Step = TStep::Menu;
        Saw("menu");
    }

    void Encounter(const std::string &Caption)
    {
        Kind = Caption == "seeek" ? TKind::Normal : Caption == "savie" ? TKind::Save : TKind::Boss;
        const std::string name = Kind == TKind::Normal ? "あいつ"
                                 : Kind == TKind::Save ? "セーブガード"
                                                       : BossNames[BossNumber];
        ExpectScreen("殺すべきもの、" + name + "があらわれた。", {"killl", "escapo"});
        Foe = SideFromLabels(Controls().LabEnemyStatus, Controls().LabEnemyHP);
        Foe.Name = name;
        Casts = 0;
        EXPECT_EQ(Foe.HP, Foe.MaxHP) << "a new enemy has all its stars";
        EXPECT_GE(Foe.MaxHP, 1);
        if (Kind == TKind::Save) {
            // The guard is never weaker than the player's base values.
            EXPECT_EQ(Foe.MaxHP, 1);
            for (int i = 0; i < 5; ++i)
                EXPECT_GE(Foe.Base[i], Me.Base[i]) << StatNames[i];
        }
        Step = TStep::Encounter;
        Saw("encounter");
    }

    void Flight()
    {
        ExpectScreen("と見せかけて逃げた。", NextOnly);
        Step = TStep::BackToMenu;
        Saw("flee");
    }

    void Initiative()
    {
        const std::string faceOff =
            Me.Name + "と" + Foe.Name + "とが対峙するよ。\n天運が予測を勘案して";
        EXPECT_EQ(Choices(), NextOnly);
        if (Message() == faceOff + Me.Name + "のイニシアティブ。") {
            Step = TStep::ToPlayerTurn;
            Saw("initiative-player");
        } else {
            EXPECT_EQ(Message(), faceOff + Foe.Name + "のイニシアティブ。");
            Step = TStep::ToEnemyTurn;
            Saw("initiative-enemy");
        }
    }

    void PlayerTurn()
    {
        ExpectScreen("どうする？", TurnChoices);
        Step = TStep::Turn;
        Saw("turn");
    }

    void StartRoll(TContest Contest)
    {
        Step = TStep::Roll;
        Rolling = Contest;
        if (RuleOf(Contest).PlayerRolls) {
            EXPECT_TRUE(PlayerRollShows());
            EXPECT_EQ(Controls().LabIBEnemy->text(), "");
            return;
        }
        EnemyRollStarted();
    }

    // An enemy may try an Idea Burst as its roll starts: its burst roll shows
    // beside its Reason, which drops to nine tenths, and a good enough roll
    // stops its dice on a red 100 at once.
    void EnemyRollStarted()
    {
        const std::string tried = Controls().LabIBEnemy->text().toStdString();
        if (tried.empty()) {
            ExpectEnemySide();
            return;
        }
        ASSERT_GE(tried.size(), std::string("＋").size());
        const int32_t roll = std::stoi(tried.substr(0, tried.size() - std::string("＋").size()));
        EXPECT_EQ(tried, Num(roll) + "＋");
        const bool forced = BurstWorks(Foe.Current[Reason], roll);
        Foe.Current[Reason] = ModelNineTenths(Foe.Current[Reason]);
        ExpectEnemySide();
        EXPECT_EQ(ColourOf(Controls().LabDiceEnemy) == Red, forced) << tried;
        if (forced) {
            EXPECT_EQ(Controls().LabDiceEnemy->text().toStdString(), "＋100");
            Saw("enemy-burst");
        }
    }

    void EnemyAction()
    {
        EXPECT_EQ(Choices(), NextOnly);
        if (Message() == Foe.Name + "の攻撃……\n命中" + Num(Foe.Current[Hit])) {
            Saw("enemy-attack");
            StartRoll(TContest::EnemyHit);
            return;
        }
        EXPECT_EQ(Message(), Foe.Name + "は奇策を弄した……\n閃き" + Num(Foe.Current[Flash]));
        Saw("enemy-magic");
        StartRoll(TContest::EnemyFlash);
    }

    void PlayerAction(const std::string &Caption)
    {
        if (Caption == "attax") {
            ExpectScreen(Me.Name + "の攻撃……\n命中" + Num(Me.Current[Hit]), NextOnly);
            Saw("player-attack");
            StartRoll(TContest::PlayerHit);
        } else if (Caption == "magix") {
            ExpectScreen(Me.Name + "は奇策を弄した……\n閃き" + Num(Me.Current[Flash]), NextOnly);
            Saw("player-magic");
            StartRoll(TContest::PlayerFlash);
        } else {
            ExpectScreen("逃げてーー！\nどっちかが大丈夫！", {"右", "左"});
            Step = TStep::EscapeChoice;
            Saw("escape");
        }
    }

    void EscapeResult()
    {
        EXPECT_EQ(Choices(), NextOnly);
        if (Message() == "逃げた成功した！") {
            Step = TStep::BackToMenu;
            Saw("escape-success");
            return;
        }
        EXPECT_EQ(Message(), "逃げられない運命だった！");
        Step = TStep::ToEnemyTurn;
        Saw("escape-failure");
    }

    void ContestResult(int32_t Dice)
    {
        ASSERT_GE(Dice, 0) << "the dice showed no number";
        const TContestRule rule = RuleOf(Rolling);
        TSide &roller = rule.PlayerRolls ? Me : Foe;
        const int64_t stat = roller.Current[rule.Stat];
        const bool ok = Reaches(stat, Dice);
        const std::string line =
            roller.Name + rule.Label + Num(stat) + "＋" + Num(Dice) + "＝" + Num(stat + Dice);
        const std::string &P = Me.Name;
        const std::string &E = Foe.Name;
        switch (Rolling) {
        case TContest::PlayerHit:
            if (!ok)
                return PlayerMisses(line);
            ExpectScreen(line + "\n当たりそう\n" + E + "の回避" + Num(Foe.Current[Evade]),
                         NextOnly);
            Saw("player-hit-likely");
            return StartRoll(TContest::EnemyEvade);
        case TContest::EnemyEvade:
            if (!ok)
                return EnemyTakesDamage(line);
            ExpectScreen(line + "\n回避されそう\n" + P + "の予測" + Num(Me.Current[Predict]),
                         NextOnly);
            Saw("enemy-evade-likely");
            return StartRoll(TContest::PlayerPredict);
        case TContest::PlayerPredict:
            return ok ? EnemyTakesDamage(line) : PlayerMisses(line);
        case TContest::PlayerFlash:
            // Casting wears the caster's Flash down, whatever the outcome.
            Me.Current[Flash] = ModelNineTenths(Me.Current[Flash]);
            MyLabelsStale = false;
            if (!ok)
                return PlayerMisses(line);
            ExpectScreen(line + "\nうまくいきそう\n" + E + "の抵抗的閃き" + Num(Foe.Current[Flash]),
                         NextOnly);
            Saw("player-magic-likely");
            return StartRoll(TContest::EnemyResist);
        case TContest::EnemyResist:
            if (!ok)
                return EnemyEnsnared(line);
            Saw("player-magic-seen-through");
            return PlayerMisses(line + "\n" + E + "に見切られた！");
        case TContest::EnemyHit:
            if (!ok)
                return EnemyMisses(line);
            ExpectScreen(line + "\n当たりそう\n" + P + "の回避" + Num(Me.Current[Evade]), NextOnly);
            Saw("enemy-hit-likely");
            return StartRoll(TContest::PlayerEvade);
        case TContest::PlayerEvade:
            if (!ok)
                return PlayerTakesDamage(line);
            ExpectScreen(line + "\n回避できそう\n" + E + "の予測" + Num(Foe.Current[Predict]),
                         NextOnly);
            Saw("player-evade-likely");
            return StartRoll(TContest::EnemyPredict);
        case TContest::EnemyPredict:
            return ok ? PlayerTakesDamage(line) : EnemyMisses(line);
        case TContest::EnemyFlash:
            Foe.Current[Flash] = ModelNineTenths(Foe.Current[Flash]);
            ExpectEnemySide();
            if (!ok)
                return EnemyMisses(line);
            ExpectScreen(line + "\nハメられそう\n" + P + "の抵抗的閃き" + Num(Me.Current[Flash]),
                         NextOnly);
            Saw("enemy-magic-likely");
            return StartRoll(TContest::PlayerResist);
        case TContest::PlayerResist:
            if (!ok)
                return PlayerEnsnared(line);
            Saw("enemy-magic-seen-through");
            return EnemyMisses(line + "\n" + P + "は策を見破った！");
        }
    }

    void PlayerMisses(const std::string &Text)
    {
        ExpectScreen(Text + "\n外れた！", NextOnly);
        Step = TStep::ToEnemyTurn;
        Saw("player-miss");
    }

    void EnemyTakesDamage(const std::string &Text)
    {
        ExpectScreen(Text + "\n" + Foe.Name + "に１点のダメージを与えた！", NextOnly);
        --Foe.HP;
        ExpectEnemySide();
        Step = Foe.HP > 0 ? TStep::ToEnemyTurn : TStep::ToVictory;
        Saw("enemy-damaged");
    }

    void EnemyEnsnared(const std::string &Text)
    {
        ExpectScreen(Text + "\n" + Foe.Name + "を陥れた！\n 命中、回避、予測を減耗させた！",
                     NextOnly);
        for (int i : {Hit, Evade, Predict})
            Foe.Current[i] = TwoThirds(Foe.Current[i]);
        ExpectEnemySide();
        Step = TStep::ToEnemyTurn;
        Saw("enemy-ensnared");
    }

    void EnemyMisses(const std::string &Text)
    {
        ExpectScreen(Text + "\n外れた！", NextOnly);
        Step = TStep::ToPlayerTurn;
        Saw("enemy-miss");
    }

    void PlayerTakesDamage(const std::string &Text)
    {
        ExpectScreen(Text + "\n" + Me.Name + "は１点のダメージを食らった！", NextOnly);
        --Me.HP;
        MyLabelsStale = false;
        Step = Me.HP > 0 ? TStep::ToPlayerTurn : TStep::ToDefeat;
        Saw("player-damaged");
    }

    void PlayerEnsnared(const std::string &Text)
    {
        ExpectScreen(Text + "\n" + Me.Name + "は陥れられた！\n 命中、回避、予測が減耗した！",
                     NextOnly);
        for (int i : {Hit, Evade, Predict})
            Me.Current[i] = TwoThirds(Me.Current[i]);
        MyLabelsStale = false;
        Step = TStep::ToPlayerTurn;
        Saw("player-ensnared");
    }

    void Victory()
    {
        EXPECT_EQ(Message(), Foe.Name + "を殺した！");
        EXPECT_EQ(Choices(), NextOnly);
        // Whatever the fight wore down comes back; the labels catch up with
        // the next change they show.
        Me.Current = Me.Base;
        Foe.Current = Foe.Base;
        MyLabelsStale = true;
        RewardStage = 0;
        Step = Kind == TKind::Boss && Foe.Name != "祖" ? TStep::TakeName : TStep::Reward;
        Saw("victory");
    }

    void NameTaken()
    {
        ExpectScreen(Me.Name + "はその手を" + Foe.Name + "にかけて、\n強引に名前を剥ぎ取った！",
                     NextOnly);
        Me.Name = Foe.Name;
        Foe.Name = "######";
        Step = TStep::Reward;
        Saw("name-taken");
    }

    // One click of the rewards: the next stat that grows towards the enemy's
    // base value, then hit points, then the way out of the fight.
    void RewardResult()
    {
        while (RewardStage < 5) {
            const int stat = RewardStage++;
            const int64_t n = Growth(int64_t(Foe.Base[stat]) - Me.Base[stat]);
            if (n == 0)
                continue;
            Me.Base[stat] += n;
            Me.Current = Me.Base;
            MyLabelsStale = false;
            ExpectScreen(Me.Name + "の" + StatNames[stat] + "が" + Num(n) + "点上がった！",
                         NextOnly);
            Saw(std::string("grow-") + StatNames[stat]);
            return;
        }
        if (RewardStage == 5) {
            RewardStage = 6;
            if (Me.HP < Me.MaxHP) {
                const int32_t heal = Healing(Me, Foe);
                Me.HP += heal;
                MyLabelsStale = false;
                ExpectScreen(Foe.Name + "のからだを食べてむしゃむしゃむしゃ\nおいしいなあ\n" +
                                 Me.Name + "のＨＰが" + Num(heal) + "点回復した。",
                             NextOnly);
                Saw("recover");
                return;
            }
            if (Foe.MaxHP > Me.MaxHP) {
                const int32_t n = int32_t(Growth(Foe.MaxHP - Me.MaxHP));
                Me.MaxHP += n;
                MyLabelsStale = false;
                ExpectScreen(Me.Name + "のＨＰが" + Num(n) + "点上がった！", NextOnly);
                Saw("grow-ＨＰ");
                return;
            }
        }
        FinishFight();
    }

    void FinishFight()
    {
        if (Kind == TKind::Save) {
            ExpectScreen("セーブをした。", NextOnly);
            EXPECT_TRUE(SaveStamp().Exists);
            Step = TStep::BackToMenu;
            Saw("save");
            return;
        }
        if (Kind == TKind::Normal || BossNumber < 5) {
            BossNumber += Kind == TKind::Boss;
            ExpectMenu();
            return;
        }
        // The last two bosses open the endings, which start on an empty message.
        ExpectScreen("", NextOnly);
        Step = BossNumber == 5 ? TStep::EndingA : TStep::EndingB;
        ++BossNumber;
    }

    void Defeated()
    {
        ExpectScreen(Me.Name + "は殺された……", {"gmov"});
        Step = TStep::Defeat;
        Saw("defeat");
    }

    // ---- The player: what to click ----

    bool Safe() const
    {
        return Me.HP >= 3 && Me.Current[Hit] >= 2 && Me.Current[Evade] >= 2 &&
               Me.Current[Predict] >= 2;
    }

    // Whether the player wants the contest's sum to reach 100.
    bool WantsSuccess(TContest Contest) const
    {
        const bool playerRolls = RuleOf(Contest).PlayerRolls;
        if (Plan.Lose)
            return !playerRolls;
        if (Plan.Explore) {
            switch (Contest) {
            case TContest::PlayerHit:
                if (!HasSeen("player-miss"))
                    return false;
                break;
            case TContest::EnemyEvade:
                if (!HasSeen("enemy-evade-likely"))
                    return true;
                break;
            case TContest::EnemyResist:
                if (!HasSeen("player-magic-seen-through"))
                    return true;
                break;
            case TContest::EnemyHit:
                if (!HasSeen("enemy-hit-likely") || (!HasSeen("player-damaged") && Safe()))
                    return true;
                break;
            case TContest::PlayerEvade:
                if (!HasSeen("player-evade-likely"))
                    return true;
                if (!HasSeen("player-damaged") && Safe())
                    return false;
                break;
            case TContest::EnemyFlash:
                if (!HasSeen("enemy-magic-likely") || !HasSeen("enemy-magic-seen-through") ||
                    (!HasSeen("player-ensnared") && Safe()))
                    return true;
                break;
            case TContest::PlayerResist:
                if (!HasSeen("enemy-magic-seen-through"))
                    return true;
                if (!HasSeen("player-ensnared") && Safe())
                    return false;
                break;
            case TContest::PlayerPredict:
            case TContest::PlayerFlash:
            case TContest::EnemyPredict:
                break;
            }
        }
        return playerRolls;
    }

    std::string ChooseAction() const
    {
        if (Plan.Lose)
            return "attax";
        const bool canCast = Me.Current[Flash] >= 1;
        if (Plan.Explore) {
            if (!HasSeen("player-miss") || !HasSeen("enemy-evade-likely"))
                return "attax";
            if (canCast && (!HasSeen("player-magic-seen-through") || !HasSeen("enemy-ensnared")))
                return "magix";
            if (!HasSeen("escape-failure") || !HasSeen("escape-success"))
                return "escapy";
            return "attax";
        }
        // The player steers every own contest, so each attack lands: with as
        // many stars as the enemy the race is won whatever the enemy does.
        if (Me.HP >= Foe.HP)
            return "attax";
        // Otherwise an enemy whose Hit or Predict lets its attacks land
        // often is first worn down by a spell, unless its Flash sees through
        // every one.
        const bool dangerous = Foe.Current[Hit] >= 67 || Foe.Current[Predict] >= 67;
        if (canCast && dangerous && Foe.Current[Flash] < 100 && Casts < 3)
            return "magix";
        // An enemy whose Hit and Predict both reach 100 lands every attack
        // it chooses: run when its turns before it falls would likely take
        // the player's last star.
        const bool sureHitter = Foe.Current[Hit] >= 100 && Foe.Current[Predict] >= 100;
        if (Plan.Retreat && Me.HP * 10 <= (sureHitter ? 8 : 2) * (Foe.HP - 1))
            return "escapy";
        return "attax";
    }

    // Lets the dice tick until the rolling label shows a number that gives
    // the wanted outcome; the number on the label is what the next click reads.
    void SteerDice()
    {
        const TContestRule rule = RuleOf(Rolling);
        const bool want = WantsSuccess(Rolling);
        TLumeLabel *label = rule.PlayerRolls ? Controls().LabDiceMine : Controls().LabDiceEnemy;
        const int64_t stat = (rule.PlayerRolls ? Me : Foe).Current[rule.Stat];
        if (ColourOf(label) == Red) {
            // A burst has stopped these dice on 100: no tick moves them.
            Advance(51);
            EXPECT_EQ(DiceOn(label), 100);
            return;
        }
        const bool possible = want ? Reaches(stat, 99) : !Reaches(stat, 0);
        // The burst is shown once failing and once succeeding, and used
        // whenever no number of the dice is enough.
        if (rule.PlayerRolls && want && !Plan.Lose && PlayerRollShows()) {
            if (!HasSeen("player-burst-failed") && Me.Current[Reason] >= 20) {
                TryIdeaBurst(false);
            } else if ((!possible || !HasSeen("player-burst")) && Me.Current[Reason] >= 2) {
                TryIdeaBurst(true);
                return;
            }
        }
        for (int tick = 0; tick < 5000; ++tick) {
            Advance(51);
            const int32_t shown = DiceOn(label);
            ASSERT_GE(shown, 0);
            ASSERT_LT(shown, 100);
            if (rule.PlayerRolls && Controls().BtnIdeaBurst->isEnabled())
                ExpectBurstCaption();
            if (!possible || Reaches(stat, shown) == want)
                return;
        }
        ADD_FAILURE() << "the dice never showed a wanted number";
    }

    // The "ib" button shows the player's Reason and the burst roll of the tick.
    std::pair<int32_t, int32_t> ExpectBurstCaption()
    {
        const std::string caption = Controls().BtnIdeaBurst->text().toStdString();
        const size_t plus = caption.find("＋");
        EXPECT_NE(plus, std::string::npos) << caption;
        if (plus == std::string::npos)
            return {0, 0};
        const int32_t reason = std::stoi(caption.substr(0, plus));
        const int32_t roll = std::stoi(caption.substr(plus + std::string("＋").size()));
        EXPECT_EQ(reason, Me.Current[Reason]);
        EXPECT_GE(roll, 0);
        EXPECT_LT(roll, 100);
        return {reason, roll};
    }

    // Waits for a burst roll that makes the burst succeed (or fail), then
    // presses "ib": Reason drops to nine tenths, and a success stops the
    // player's dice on a red 100.
    void TryIdeaBurst(bool Succeed)
    {
        std::pair<int32_t, int32_t> shown{};
        for (int tick = 0;; ++tick) {
            ASSERT_LT(tick, 5000) << "no burst roll fitted";
            Advance(51);
            shown = ExpectBurstCaption();
            if (BurstWorks(shown.first, shown.second) == Succeed)
                break;
        }
        const QString dice = Controls().LabDiceMine->Caption();
        ClickWidget(Controls().BtnIdeaBurst);
        Me.Current[Reason] = ModelNineTenths(shown.first);
        MyLabelsStale = false;
        ExpectMyside();
        EXPECT_FALSE(Controls().BtnIdeaBurst->isEnabled());
        EXPECT_TRUE(Controls().BtnIdeaBurst->isVisibleTo(FormMain));
        if (Succeed) {
            EXPECT_EQ(Controls().LabDiceMine->text().toStdString(), "＋100");
            EXPECT_EQ(ColourOf(Controls().LabDiceMine), Red);
            Saw("player-burst");
        } else {
            EXPECT_EQ(Controls().LabDiceMine->Caption(), dice);
            Saw("player-burst-failed");
        }
        // Either way the button is spent for this roll and keeps its caption.
        const QString caption = Controls().BtnIdeaBurst->text();
        Advance(51);
        EXPECT_EQ(Controls().BtnIdeaBurst->text(), caption);
        if (Succeed) {
            EXPECT_EQ(Controls().LabDiceMine->text().toStdString(), "＋100");
        }
    }

    // Plays one click's worth of the player's decision.
    void Decide()
    {
        switch (Step) {
        case TStep::Encounter:
            return Press(Plan.Flee ? "escapo" : "killl");
        case TStep::Turn: {
            const std::string action = ChooseAction();
            Casts += action == "magix";
            return Press(action);
        }
        case TStep::EscapeChoice:
            // Which side escapes is not shown: "左" does more often, but the
            // explorer tries both.
            return Press(Plan.Explore && ++Escapes % 2 ? "右" : "左");
        case TStep::Roll:
            SteerDice();
            if (HasFailure())
                return;
            return Press("≫");
        default:
            return Press("≫");
        }
    }

    // Plays the fight that the menu choice opens until the main menu, a
    // defeat or the start of an ending.
    void Fight(const char *MenuChoice, TPlan FightPlan = {})
    {
        ASSERT_EQ(Step, TStep::Menu);
        Plan = FightPlan;
        Press(MenuChoice);
        for (int click = 0; click < 600; ++click) {
            if (HasFailure())
                return;
            if (Step == TStep::Menu || Step == TStep::Defeat || Step == TStep::EndingA ||
                Step == TStep::EndingB)
                return;
            Decide();
        }
        FAIL() << "the fight did not end";
    }

    // Heals, fights the next boss and retreats to heal again while losing.
    void ChallengeBoss()
    {
        const int boss = BossNumber;
        for (int attempt = 0; attempt < 20 && BossNumber == boss; ++attempt) {
            Heal();
            ASSERT_FALSE(HasFailure());
            Fight("bosss!", {.Retreat = true});
            ASSERT_FALSE(HasFailure());
            ASSERT_NE(Step, TStep::Defeat) << "defeated by boss " << boss;
        }
        EXPECT_EQ(BossNumber, boss + 1);
    }

    // Ordinary fights until every lost hit point is back.
    void Heal()
    {
        for (int fight = 0; fight < 40 && Me.HP < Me.MaxHP && Step == TStep::Menu; ++fight)
            Fight("seeek");
        EXPECT_EQ(Me.HP, Me.MaxHP);
    }

    // ---- The narrations and the screens around them ----

    void OpenStatusPick()
    {
        ASSERT_TRUE(Controls().PageTitle->isVisibleTo(FormMain));
        ASSERT_FALSE(Controls().PageMain->isVisibleTo(FormMain));
        ClickWidget(Controls().PntTitle);
        EXPECT_TRUE(Controls().PageMain->isVisibleTo(FormMain));
        EXPECT_FALSE(Controls().PageTitle->isVisibleTo(FormMain));
        ExpectScreen(StatusPrompt, PickChoices);
        EXPECT_TRUE(EnemySideBlank());
        Me = SideFromLabels(Controls().LabMyStatus, Controls().LabMyHP);
        Me.Name = "あなた";
        EXPECT_EQ(Me.HP, Me.MaxHP);
    }

    // Rolls again until the stars and Reason shown are what the plan needs.
    void RollCharacter(int32_t Stars, int32_t MinReason)
    {
        bool changed = false;
        for (int rerolls = 0; rerolls == 0 || Me.MaxHP != Stars || Me.Base[Reason] < MinReason;
             ++rerolls) {
            ASSERT_LT(rerolls, 5000);
            const TSide before = Me;
            Click("noar");
            ExpectScreen(StatusPrompt, PickChoices);
            Me = SideFromLabels(Controls().LabMyStatus, Controls().LabMyHP);
            Me.Name = "あなた";
            EXPECT_EQ(Me.HP, Me.MaxHP);
            changed = changed || Me.Base != before.Base || Me.MaxHP != before.MaxHP;
        }
        EXPECT_TRUE(changed);
    }

    void AcceptAndPlayIntro(bool Skip)
    {
        const TSide accepted = Me;
        Click("yest");
        ExpectScreen("", IntroChoices);
        if (Skip) {
            Click("skipl");
            ExpectMenu();
            return;
        }
        for (size_t i = 0; i < IntroLines.size(); ++i) {
            Click("≫");
            ExpectScreen(Utf8Of(IntroLines[i]), IntroChoices);
            Saw("intro");
        }
        EXPECT_EQ(Utf8Of(IntroLines[2]), "それがあなた。");
        Click("≫");
        ExpectMenu();
        // The character accepted is the one that plays.
        EXPECT_EQ(Me.Current, accepted.Current);
        ExpectMyside();
    }

    // Plays a narration of ending lines closed by its title, checking that
    // the save file changes only at the click given (0: never).
    void PlayEnding(const Strings &Lines, const std::string &Title, size_t SavingClick)
    {
        TFileStamp stamp = SaveStamp();
        for (size_t click = 1; click <= Lines.size() + 1; ++click) {
            Click("≫");
            if (click <= Lines.size())
                ExpectScreen(Lines[click - 1], NextOnly);
            else
                ExpectScreen(Title, {});
            const TFileStamp now = SaveStamp();
            if (click == SavingClick) {
                EXPECT_TRUE(now.Exists);
                EXPECT_EQ(now.Bytes.size(), 100);
                EXPECT_NE(now, stamp) << "the save file was not written";
                stamp = now;
            } else {
                EXPECT_EQ(now, stamp) << "the save file changed at click " << click;
            }
        }
        // Nothing is left to click; a further pass changes nothing either.
        Advance(51);
        EXPECT_EQ(Message(), Title);
        EXPECT_EQ(SaveStamp(), stamp);
    }

    static Strings LinesOf(const auto &Lines)
    {
        Strings out;
        for (const char *line : Lines)
            out.push_back(Utf8Of(line));
        return out;
    }

    // ---- One game from a new character, chapter by chapter ----
    // Each chapter plays on from where the one before left off; the game is
    // the same on every run, so a test replays the chapters it needs.

    // Starts the program, watches the title animate, rolls a character with
    // four stars (room to grow one more) and Reason enough for the bursts to
    // work, and reads the whole intro.
    void StartNewGame()
    {
        Launch(20240611);
        // The title page animates until it is clicked.
        const QImage first = Controls().PntTitle->grab().toImage();
        for (int i = 0; i < 5; ++i)
            Advance(51);
        EXPECT_NE(Controls().PntTitle->grab().toImage(), first);

        OpenStatusPick();
        RollCharacter(4, 20);
        AcceptAndPlayIntro(false);
    }

    // The outcomes of the turns of a fight that ordinary fights must show.
    static const Strings &FightKinds()
    {
        static const Strings kinds{"initiative-player",
                                   "initiative-enemy",
                                   "player-miss",
                                   "enemy-evade-likely",
                                   "player-magic-seen-through",
                                   "enemy-ensnared",
                                   "escape-success",
                                   "escape-failure",
                                   "enemy-hit-likely",
                                   "player-evade-likely",
                                   "player-damaged",
                                   "enemy-magic-likely",
                                   "enemy-magic-seen-through",
                                   "player-ensnared",
                                   "player-burst",
                                   "player-burst-failed",
                                   "enemy-burst",
                                   "recover"};
        return kinds;
    }
    Strings UnseenFightKinds() const
    {
        Strings missing;
        for (const std::string &kind : FightKinds())
            if (!HasSeen(kind))
                missing.push_back(kind);
        return missing;
    }

    // Ordinary fights, played to see every turn of a fight at least once.
    void SeeEveryTurnOfAFight()
    {
        Fight("seeek", {.Flee = true});
        ASSERT_TRUE(HasSeen("flee"));
        for (int fight = 0; fight < 60 && !UnseenFightKinds().empty(); ++fight) {
            ASSERT_FALSE(HasFailure());
            ASSERT_EQ(Step, TStep::Menu) << "defeated in ordinary fight " << fight;
            Fight("seeek", {.Explore = true});
        }
        ASSERT_EQ(UnseenFightKinds(), Strings{});
    }

    // The save point, then the first six bosses, each taking its name from
    // the one before, up to the start of ending A.
    void SaveAndBeatTheFirstSixBosses()
    {
        Heal();
        ASSERT_FALSE(SaveStamp().Exists);
        Fight("savie");
        ASSERT_EQ(Step, TStep::Menu);
        ASSERT_TRUE(HasSeen("save"));
        ASSERT_TRUE(SaveStamp().Exists);

        for (int boss = 0; boss < 6; ++boss) {
            ChallengeBoss();
            ASSERT_FALSE(HasFailure()) << "boss " << boss;
            EXPECT_EQ(Me.Name, BossNames[boss]);
        }
        ASSERT_EQ(Step, TStep::EndingA);
    }

    // Ending A, whose third click saves.
    void PlayEndingA()
    {
        PlayEnding(LinesOf(EndingALines), "★　おしまエンド　★", 3);
        EXPECT_EQ(Utf8Of(EndingALines[0]), "roda。");
        EXPECT_EQ(Utf8Of(EndingATitle), "★　おしまエンド　★");
    }

    // Plays every chapter up to the end of ending A.
    void PlayUpToTheEndOfEndingA()
    {
        StartNewGame();
        ASSERT_FALSE(HasFatalFailure());
        SeeEveryTurnOfAFight();
        ASSERT_FALSE(HasFatalFailure());
        SaveAndBeatTheFirstSixBosses();
        ASSERT_FALSE(HasFatalFailure());
        PlayEndingA();
    }

    TSide Me;
    TSide Foe;
    TKind Kind = TKind::Normal;
    TStep Step = TStep::Menu;
    TContest Rolling = TContest::PlayerHit;
    TPlan Plan;
    int BossNumber = 0;
    int RewardStage = 0;
    int Escapes = 0;
    int Casts = 0;
    int Clicks = 0;
    // Set while the player's labels may still show values of a won fight.
    bool MyLabelsStale = false;
    std::set<std::string> Seen;
};

TEST_F(GameEndToEndTest, ANewGameShowsEveryTurnOfAFightAsTheRulesSay)
{
    StartNewGame();
    ASSERT_FALSE(HasFatalFailure());
    SeeEveryTurnOfAFight();
}

TEST_F(GameEndToEndTest, TheSavePointAndTheFirstSixBossesLeadToEndingAWhichSaves)
{
    PlayUpToTheEndOfEndingA();
}

// The next start resumes from the save of ending A on the main menu, the
// last boss ahead, and ending B leaves that save alone.
TEST_F(GameEndToEndTest, ARestartResumesFromEndingAsSaveAndTheLastBossLeadsToEndingB)
{
    PlayUpToTheEndOfEndingA();
    ASSERT_FALSE(HasFatalFailure());
    const TFileStamp saved = SaveStamp();
    const TSide savedSide = Me;

    StopGame();
    Launch(777);
    EXPECT_TRUE(Controls().PageMain->isVisibleTo(FormMain));
    ExpectMenu();
    Me = savedSide;
    ExpectMyside();
    ChallengeBoss();
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(Step, TStep::EndingB);
    EXPECT_EQ(Me.Name, "roda") << "the last boss keeps its name";
    PlayEnding(LinesOf(EndingBLines), "★★★　オーバー・デッド・エンド　★★★", 0);
    EXPECT_EQ(Utf8Of(EndingBLines[10]), "rodaは、");
    EXPECT_EQ(SaveStamp(), saved);
    EXPECT_FALSE(ApplicationTerminated());

    // Over the whole game every step of a fight and of its rewards was seen.
    for (const char *kind : {"encounter",
                             "turn",
                             "player-attack",
                             "player-hit-likely",
                             "enemy-damaged",
                             "player-magic",
                             "player-magic-likely",
                             "enemy-attack",
                             "enemy-magic",
                             "enemy-miss",
                             "escape",
                             "victory",
                             "name-taken",
                             "grow-命中",
                             "grow-回避",
                             "grow-予測",
                             "grow-閃き",
                             "grow-理力",
                             "grow-ＨＰ",
                             "recover",
                             "save",
                             "menu",
                             "intro"})
        EXPECT_TRUE(HasSeen(kind)) << kind;
}

TEST_F(GameEndToEndTest, DefeatEndsTheProgramAndKeepsTheSave)
{
    Launch(4242);
    OpenStatusPick();
    RollCharacter(3, 0);
    AcceptAndPlayIntro(true);
    Fight("savie");
    ASSERT_EQ(Step, TStep::Menu);
    const TFileStamp saved = SaveStamp();
    ASSERT_TRUE(saved.Exists);

    Fight("seeek", {.Lose = true});
    ASSERT_EQ(Step, TStep::Defeat);
    EXPECT_EQ(Me.HP, 0);
    EXPECT_FALSE(ApplicationTerminated());
    Click("gmov");
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_EQ(SaveStamp(), saved);
}
