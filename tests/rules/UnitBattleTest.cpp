// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BattleFixture.h"
#include "Draws.h"
#include "LumeRandom.h"
#include "SaveFile.h"

#include "LumeTimer.h"
#include "Needs.h"
#include "UnitMain.h"
#include "UnitSaveLoad.h"
#include "UnitStory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <sys/mount.h>

namespace {

// A small tmpfs mounted for one test; only root may mount it.
class TSmallDisk {
public:
    explicit TSmallDisk(const QString &Path) : Path(Path)
    {
        QDir().mkpath(Path);
        Mounted = ::mount("tmpfs", QFile::encodeName(Path).constData(), "tmpfs",
                          MS_NOSUID | MS_NODEV, "size=64k") == 0;
        if (!Mounted)
            Why = std::strerror(errno);
    }
    ~TSmallDisk()
    {
        if (Mounted)
            ::umount2(QFile::encodeName(Path).constData(), MNT_DETACH);
    }
    TSmallDisk(const TSmallDisk &) = delete;
    TSmallDisk &operator=(const TSmallDisk &) = delete;

    // Writes a file until the disk takes no more.
    void Fill() const
    {
        QFile filler(Path + "/filler");
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
    }

    const QString Path;
    bool Mounted = false;
    std::string Why;
};

class BattleTest : public BattleFixture {
protected:
    // Plays a winning attack on an enemy with one hit point left and clicks
    // on to the victory.
    void WinByAttack()
    {
        Enemy.HP = 1;
        PlayerTurn();
        Click("attax");
        Next(100); // Hit
        Next(0);   // the enemy's Evade fails unless it is 100 or more
        if (ActionOf(0) == PlayerAttackStep)
            Next(100); // Predict
        ASSERT_TRUE(Offers(EnemyDefeated)) << Message();
        Click("≫");
    }

    // Beats the save point's guard where saving fails, and checks what the
    // player is told: no sound, the failure line and one message box.
    void BeatSaveGuardWhoseSaveFails()
    {
        SetStats(Player, 100, 100, 100, 100, 100);
        Meet(TBattleKind::Save);
        WinByAttack();
        Hush();
        Screen.Alerts.clear();
        Click("≫");
        EXPECT_EQ(Message(), "セーブできなかった。");
        EXPECT_EQ(Sound(), "");
        EXPECT_EQ(Screen.Alerts, Strings{WriteFailureText});
    }

    // Share of Trials in which Step left Wanted as the first choice.
    double ShareOfFirstChoice(TProcedure Step, TProcedure Wanted, int Trials)
    {
        int hits = 0;
        for (int i = 0; i < Trials; ++i) {
            Step();
            hits += ActionOf(0) == Wanted;
        }
        return hits / double(Trials);
    }
};

} // namespace

// ---- Opening ----

TEST_F(BattleTest, EncounterShowsTheEnemyAndOffersFightOrFlight)
{
    Encounter(TBattleKind::Normal);
    EXPECT_EQ(BattleKind, TBattleKind::Normal);
    EXPECT_EQ(Message(), "殺すべきもの、あいつがあらわれた。");
    EXPECT_EQ(Choices(), (Strings{"killl", "escapo"}));
    ASSERT_TRUE(Screen.EnemyShown);
    EXPECT_EQ(Screen.EnemyShown->Hit, Enemy.Hit);

    Player.BaseHit = 100;
    Encounter(TBattleKind::Save);
    EXPECT_EQ(Enemy.BaseHit, 100);
    EXPECT_EQ(Message(), "殺すべきもの、セーブガードがあらわれた。");

    Player.BossIndex = 2;
    Encounter(TBattleKind::Boss);
    EXPECT_EQ(Message(), "殺すべきもの、アルフがあらわれた。");
}

TEST_F(BattleTest, FleeingBeforeTheFightAlwaysWorks)
{
    Meet(TBattleKind::Normal);
    Click("escapo");
    EXPECT_EQ(Message(), "と見せかけて逃げた。");
    EXPECT_EQ(Sound(), "dat/thathatha.wav");
    EXPECT_TRUE(Offers(MainMenu));
    Click("≫");
    EXPECT_EQ(Choices(), MenuChoices);
}

TEST_F(BattleTest, InitiativeMessageNamesTheSideThatGoesFirst)
{
    Meet(TBattleKind::Normal);
    Player.Predict = 10;
    Enemy.Predict = 0;
    Hush();
    Click("killl");
    EXPECT_EQ(Message(),
              "あなたとあいつとが対峙するよ。\n天運が予測を勘案してあなたのイニシアティブ。");
    EXPECT_TRUE(Offers(PlayerTurn));
    EXPECT_EQ(Sound(), "");
    Click("≫");
    EXPECT_EQ(Message(), "どうする？");
    EXPECT_EQ(Choices(), TurnChoices);

    Meet(TBattleKind::Normal);
    Player.Predict = 0;
    Enemy.Predict = 10;
    Click("killl");
    EXPECT_EQ(Message(),
              "あなたとあいつとが対峙するよ。\n天運が予測を勘案してあいつのイニシアティブ。");
    EXPECT_TRUE(Offers(EnemyTurn));
}

TEST_F(BattleTest, InitiativeChancesFollowThePredictValues)
{
    Meet(TBattleKind::Normal);
    constexpr int trials = 4000;
    struct Case {
        int32_t player, enemy;
        double share;
    };
    for (const Case c : {Case{50, 50, 0.5}, Case{0, 0, 0.5}, Case{30, 10, 0.75}, Case{0, 10, 0.0},
                         Case{10, 0, 1.0}}) {
        Player.Predict = c.player;
        Enemy.Predict = c.enemy;
        EXPECT_NEAR(ShareOfFirstChoice(DecideInitiative, PlayerTurn, trials), c.share, 0.03)
            << c.player << " vs " << c.enemy;
    }
    // 30 against 10 draws Random(40): 29 is still the player's, 30 the enemy's.
    Player.Predict = 30;
    Enemy.Predict = 10;
    RandSeed = SeedForDraws(40, {29});
    DecideInitiative();
    EXPECT_EQ(ActionOf(0), PlayerTurn);
    RandSeed = SeedForDraws(40, {30});
    DecideInitiative();
    EXPECT_EQ(ActionOf(0), EnemyTurn);
}

// ---- The player's attack ----

TEST_F(BattleTest, AttackMissesAt99)
{
    Meet(TBattleKind::Normal);
    Player.Hit = 40;
    PlayerTurn();
    Click("attax");
    EXPECT_EQ(Message(), "あなたの攻撃……\n命中40");
    EXPECT_TRUE(DiceRolling);
    EXPECT_EQ(Screen.Burst, TBurstButton::Offered);
    EXPECT_EQ(RollingDice, TDiceLabel::Mine);

    Hush();
    Next(59);
    EXPECT_EQ(Message(), "あなたの命中40＋59＝99\n外れた！");
    EXPECT_EQ(Sound(), "dat/suka.wav");
    EXPECT_FALSE(DiceRolling) << "no further roll after a failed Hit";
    EXPECT_EQ(BattleStage, 2);
    EXPECT_TRUE(Offers(EnemyTurn));
}

TEST_F(BattleTest, AttackThatTheEnemyFailsToEvadeHits)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 10, 20, 30, 40, 0);
    const int32_t hp = Enemy.HP = 3;
    Player.Hit = 40;
    PlayerTurn();
    Click("attax");
    Next(60);
    EXPECT_EQ(Message(), "あなたの命中40＋60＝100\n当たりそう\nあいつの回避20");
    EXPECT_TRUE(DiceRolling);
    EXPECT_EQ(RollingDice, TDiceLabel::Enemy);
    EXPECT_EQ(Screen.Burst, TBurstButton::Hidden);

    Hush();
    Next(79);
    EXPECT_EQ(Message(), "あいつの回避20＋79＝99\nあいつに１点のダメージを与えた！");
    EXPECT_EQ(Sound(), "dat/dun.wav");
    EXPECT_EQ(Enemy.HP, hp - 1);
    EXPECT_EQ(BattleStage, 3);
    EXPECT_TRUE(Offers(EnemyTurn));
}

TEST_F(BattleTest, EvadedAttackComesDownToThePlayersPredict)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 10, 20, 30, 40, 0);
    Enemy.HP = 3;
    Player.Predict = 10;
    for (const int32_t dice : {90, 89}) {
        PlayerTurn();
        Click("attax");
        Next(80);
        Next(80);
        EXPECT_EQ(Message(), "あいつの回避20＋80＝100\n回避されそう\nあなたの予測10");
        EXPECT_EQ(RollingDice, TDiceLabel::Mine);
        Next(dice);
        EXPECT_EQ(BattleStage, 4);
        EXPECT_TRUE(Offers(EnemyTurn));
    }
    EXPECT_EQ(Enemy.HP, 2);
    EXPECT_EQ(Message(), "あなたの予測10＋89＝99\n外れた！");
}

TEST_F(BattleTest, StepReadsTheDiceTheTicksLeft)
{
    Meet(TBattleKind::Normal);
    Player.Hit = 40;
    PlayerTurn();
    Click("attax");
    Advance(51);
    Advance(51);
    const int32_t dice = DiceValue;
    ASSERT_TRUE(Screen.Dice[0]);
    EXPECT_EQ(Screen.Dice[0]->Value, dice);
    Click("≫");
    const std::string line =
        "あなたの命中40＋" + std::to_string(dice) + "＝" + std::to_string(40 + dice);
    EXPECT_EQ(Message().substr(0, line.size()), line);
    ASSERT_TRUE(Screen.Dice[0]) << "the roller's die keeps its number";
    EXPECT_EQ(Screen.Dice[0]->Value, dice);
}

TEST_F(BattleTest, IdeaBurstForcesAHundredEvenWithStatZero)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 10, 20, 30, 40, 0);
    Player.Hit = 0;
    Player.Reason = 100;
    BurstRoll = 50;
    PlayerTurn();
    Click("attax");
    Hush();
    PressBurst();
    EXPECT_EQ(DiceValue, 100);
    EXPECT_EQ(Player.Reason, 90);
    EXPECT_EQ(Sound(), "dat/up.wav");
    Click("≫");
    EXPECT_EQ(Message(), "あなたの命中0＋100＝100\n当たりそう\nあいつの回避20");
}

// ---- The player's magic ----

TEST_F(BattleTest, CastingDecaysFlashAfterTheLineWhateverTheOutcome)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 10, 20, 30, 5, 0);
    struct Case {
        int32_t flash, after;
    };
    for (const Case c : {Case{9, 8}, Case{1, 0}, Case{0, 0}}) {
        Player.Flash = c.flash;
        GameScreen->ShowPlayerStatus();
        PlayerTurn();
        Click("magix");
        EXPECT_EQ(Message(), "あなたは奇策を弄した……\n閃き" + std::to_string(c.flash));
        EXPECT_EQ(Screen.PlayerShown->Flash, c.flash);
        Hush();
        Next(90);
        EXPECT_EQ(Message(), "あなたの閃き" + std::to_string(c.flash) + "＋90＝" +
                                 std::to_string(c.flash + 90) + "\n外れた！");
        EXPECT_EQ(Sound(), "dat/suka.wav");
        EXPECT_EQ(Player.Flash, c.after);
        EXPECT_EQ(Screen.PlayerShown->Flash, c.after);
        EXPECT_EQ(BattleStage, 2);
        EXPECT_TRUE(Offers(EnemyTurn));
    }
}

TEST_F(BattleTest, ResistedSpellIsSeenThrough)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 10, 20, 30, 5, 0);
    Player.Flash = 50;
    PlayerTurn();
    Click("magix");
    Next(50);
    EXPECT_EQ(Message(), "あなたの閃き50＋50＝100\nうまくいきそう\nあいつの抵抗的閃き5");
    EXPECT_EQ(Player.Flash, 45);
    EXPECT_EQ(RollingDice, TDiceLabel::Enemy);
    Hush();
    Next(95);
    EXPECT_EQ(Message(), "あいつの抵抗的閃き5＋95＝100\nあいつに見切られた！\n外れた！");
    EXPECT_EQ(Sound(), "dat/suka.wav");
    EXPECT_EQ(Enemy.Flash, 5) << "resisting does not decay";
    EXPECT_EQ(BattleStage, 3);
    EXPECT_TRUE(Offers(EnemyTurn));
}

TEST_F(BattleTest, WorkingSpellCutsTheEnemyToTwoThirds)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 1, 2, 3, 5, 0);
    Player.Flash = 50;
    PlayerTurn();
    Click("magix");
    Next(50);
    Hush();
    Next(94);
    const std::string text =
        "あいつの抵抗的閃き5＋94＝99\nあいつを陥れた！\n 命中、回避、予測を減耗させた！";
    EXPECT_EQ(Message(), text);
    EXPECT_EQ(Sound(), "dat/duty.wav");
    EXPECT_EQ(Enemy.Hit, 0);
    EXPECT_EQ(Enemy.Evade, 1);
    EXPECT_EQ(Enemy.Predict, 2);
    EXPECT_EQ(Enemy.BaseHit, 1) << "base stats stay";
    EXPECT_EQ(Screen.EnemyShown->Hit, 0);
    EXPECT_EQ(Screen.EnemyShown->Predict, 2);
    EXPECT_TRUE(Offers(EnemyTurn));

    SetStats(Enemy, 100, 100, 100, 5, 0);
    Player.Flash = 50;
    PlayerTurn();
    Click("magix");
    Next(50);
    Next(0);
    EXPECT_EQ(Enemy.Hit, 66);
    EXPECT_EQ(Enemy.Evade, 66);
    EXPECT_EQ(Enemy.Predict, 66);
}

// ---- Escape ----

TEST_F(BattleTest, EscapeOffersRightThenLeftAndOneOfThemWorks)
{
    Meet(TBattleKind::Normal);
    RandSeed = SeedForDraws(3, {0});
    PlayerTurn();
    Click("escapy");
    EXPECT_EQ(Message(), "逃げてーー！\nどっちかが大丈夫！");
    EXPECT_EQ(Choices(), (Strings{"右", "左"}));
    EXPECT_EQ(ActionOf(0), EscapeSucceeded);
    Hush();
    Click("右");
    EXPECT_EQ(Message(), "逃げた成功した！");
    EXPECT_EQ(Sound(), "dat/thathatha.wav");
    EXPECT_TRUE(Offers(MainMenu));

    RandSeed = SeedForDraws(3, {2});
    PlayerTurn();
    Click("escapy");
    EXPECT_EQ(ActionOf(1), EscapeSucceeded);
    Click("右");
    EXPECT_EQ(Message(), "逃げられない運命だった！");
    EXPECT_EQ(Sound(), "dat/turn.wav");
    EXPECT_TRUE(Offers(EnemyTurn));

    EXPECT_NEAR(ShareOfFirstChoice(PlayerEscape, EscapeSucceeded, 6000), 1.0 / 3, 0.025);
}

// ---- The enemy's choice ----

TEST_F(BattleTest, EnemyChoiceWeighsAttackAgainstMagic)
{
    Meet(TBattleKind::Normal);
    // A = 140 div 4 + 100 = 135, M = 180 div 4 + 10 = 55.
    SetStats(Enemy, 40, 40, 40, 30, 0);
    SetStats(Player, 50, 50, 50, 20, 0);
    AttackWeight = 100;
    MagicWeight = 10;
    RandSeed = SeedForDraws(190, {134});
    EXPECT_FALSE(ChooseEnemyMagic());
    RandSeed = SeedForDraws(190, {135});
    EXPECT_TRUE(ChooseEnemyMagic());

    constexpr int trials = 20000;
    int casts = 0;
    for (int i = 0; i < trials; ++i)
        casts += ChooseEnemyMagic();
    EXPECT_NEAR(casts / double(trials), 55.0 / 190, 0.01);
}

TEST_F(BattleTest, EnemyWithoutMagicWeightStillCastsFromTheStats)
{
    Meet(TBattleKind::Normal);
    AttackWeight = 1;
    MagicWeight = 0;
    SetStats(Enemy, 0, 0, 0, 0, 0);
    // Four-stat sum 7 gives a magic weight of 1: Random(2), 1 casts.
    SetStats(Player, 3, 2, 2, 0, 0);
    RandSeed = SeedForDraws(2, {1});
    EXPECT_TRUE(ChooseEnemyMagic());
    RandSeed = SeedForDraws(2, {0});
    EXPECT_FALSE(ChooseEnemyMagic());
    // Sum 3 gives 0: the enemy never casts.
    SetStats(Player, 1, 1, 1, 0, 0);
    for (int i = 0; i < 200; ++i)
        ASSERT_FALSE(ChooseEnemyMagic());
}

// ---- The enemy's attack ----

class EnemyAttackTest : public BattleTest {
protected:
    void SetUp() override
    {
        BattleTest::SetUp();
        Meet(TBattleKind::Normal);
        SetStats(Enemy, 50, 20, 30, 0, 0);
        SetStats(Player, 0, 0, 0, 0, 0);
        MagicWeight = 0; // with the player's stats at 0 the enemy always attacks
        Player.HP = 5;
    }
};

TEST_F(EnemyAttackTest, FailedHitGivesTheTurnBack)
{
    // A missed attack of the player's hands over to the enemy.
    PlayerTurn();
    Click("attax");
    Next(0);
    Click("≫");
    EXPECT_EQ(Message(), "あいつの攻撃……\n命中50");
    EXPECT_EQ(RollingDice, TDiceLabel::Enemy);
    Hush();
    Next(49);
    EXPECT_EQ(Message(), "あいつの命中50＋49＝99\n外れた！");
    EXPECT_EQ(Sound(), "dat/suka.wav");
    EXPECT_EQ(BattleStage, 2);
    EXPECT_TRUE(Offers(PlayerTurn));
}

TEST_F(EnemyAttackTest, FailedEvadeCostsThePlayerAHitPoint)
{
    EnemyTurn();
    Next(50);
    EXPECT_EQ(Message(), "あいつの命中50＋50＝100\n当たりそう\nあなたの回避0");
    EXPECT_EQ(Screen.Burst, TBurstButton::Offered);
    Hush();
    Next(99);
    EXPECT_EQ(Message(), "あなたの回避0＋99＝99\nあなたは１点のダメージを食らった！");
    EXPECT_EQ(Sound(), "dat/zurl.wav");
    EXPECT_EQ(Player.HP, 4);
    EXPECT_EQ(Screen.PlayerShown->HP, 4);
    EXPECT_EQ(Screen.PlayerShown->MaxHP, 5);
    EXPECT_EQ(BattleStage, 3);
    EXPECT_TRUE(Offers(PlayerTurn));
}

TEST_F(EnemyAttackTest, BurstEvadeLeavesItToTheEnemysPredict)
{
    Player.Reason = 100;
    BurstRoll = 10;
    EnemyTurn();
    Next(50);
    PressBurst();
    Click("≫");
    EXPECT_EQ(Message(), "あなたの回避0＋100＝100\n回避できそう\nあいつの予測30");
    EXPECT_EQ(RollingDice, TDiceLabel::Enemy);
    Next(69);
    EXPECT_EQ(Message(), "あいつの予測30＋69＝99\n外れた！");
    EXPECT_EQ(Player.HP, 5);
    EXPECT_EQ(BattleStage, 4);
    EXPECT_TRUE(Offers(PlayerTurn));
}

TEST_F(EnemyAttackTest, LastHitPointLostOffersTheDefeat)
{
    Player.HP = 1;
    EnemyTurn();
    Next(50);
    Next(0);
    EXPECT_EQ(Player.HP, 0);
    EXPECT_TRUE(Offers(PlayerDefeated));
}

// ---- The enemy's magic ----

TEST_F(BattleTest, EnemySpellDecaysItsFlashAndCanBeSeenThrough)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 50, 20, 30, 10, 0);
    Player.Flash = 20;
    GameScreen->ShowEnemyStatus();
    EnemyMagic();
    EXPECT_EQ(Message(), "あいつは奇策を弄した……\n閃き10");
    EXPECT_EQ(Screen.EnemyShown->Flash, 10);
    Next(89);
    EXPECT_EQ(Message(), "あいつの閃き10＋89＝99\n外れた！");
    EXPECT_EQ(Enemy.Flash, 9);
    EXPECT_EQ(Screen.EnemyShown->Flash, 9);
    EXPECT_TRUE(Offers(PlayerTurn));

    Enemy.Flash = 10;
    EnemyMagic();
    Next(90);
    EXPECT_EQ(Message(), "あいつの閃き10＋90＝100\nハメられそう\nあなたの抵抗的閃き20");
    EXPECT_EQ(RollingDice, TDiceLabel::Mine);
    Next(80);
    EXPECT_EQ(Message(), "あなたの抵抗的閃き20＋80＝100\nあなたは策を見破った！\n外れた！");
    EXPECT_EQ(Player.Flash, 20);
    EXPECT_EQ(BattleStage, 3);
    EXPECT_TRUE(Offers(PlayerTurn));
}

TEST_F(BattleTest, EnemySpellThatWorksCutsThePlayer)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 50, 20, 30, 10, 0);
    SetStats(Player, 1, 2, 99, 20, 0);
    EnemyMagic();
    Next(90);
    Hush();
    Next(79);
    EXPECT_EQ(Message(), "あなたの抵抗的閃き20＋79＝99\nあなたは陥れられた！\n "
                         "命中、回避、予測が減耗した！");
    EXPECT_EQ(Sound(), "dat/duty.wav");
    EXPECT_EQ(Player.Hit, 0);
    EXPECT_EQ(Player.Evade, 1);
    EXPECT_EQ(Player.Predict, 66);
    EXPECT_EQ(Screen.PlayerShown->Predict, 66);
    EXPECT_TRUE(Offers(PlayerTurn));
}

// Every last stage binds "≫" to a result, and the reward's last hands over
// to what follows it, so no click reaches a stage outside them. Should one
// ever arrive, a release build passes over it without a draw, a word or a
// sound, and a debug build stops on an assertion.
TEST_F(BattleTest, StageOutsideTheStepIsPassedOver)
{
    Meet(TBattleKind::Normal);
    const struct {
        TProcedure Start, Step;
        int32_t Stage, After;
    } cases[] = {{PlayerTurn, PlayerAttackStep, 4, 5}, {PlayerTurn, PlayerMagicStep, 4, 5},
                 {PlayerTurn, EnemyAttackStep, 4, 5},  {PlayerTurn, EnemyMagicStep, 4, 5},
                 {StartReward, RewardStep, -1, -1},    {StartReward, RewardStep, 7, 7}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Stage);
        c.Start();
        Hush();
        BattleStage = c.Stage;
#ifdef QT_NO_DEBUG
        const uint32_t seed = RandSeed;
        const std::string message = Message();
        const auto actions = Actions();
        c.Step();
        EXPECT_EQ(BattleStage, c.After);
        EXPECT_EQ(RandSeed, seed);
        EXPECT_EQ(Message(), message);
        EXPECT_EQ(Actions(), actions);
        EXPECT_EQ(Sound(), "");
        EXPECT_FALSE(DiceRolling);
#else
        // The window's threads are running: let the child start afresh.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_DEATH(c.Step(), "stage past the last");
#endif
    }
}

// ---- The outcome ----

TEST_F(BattleTest, VictoryGrowsOneStatPerClickThenRecovers)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 55, 60, 61, 50, 40);
    Enemy.MaxHP = 3;
    Player.HP = 1;
    Player.Flash = 3; // worn down in the fight; the victory restores it
    Hush();
    WinByAttack();
    EXPECT_EQ(Message(), "あいつを殺した！");
    EXPECT_EQ(Sound(), "dat/break.wav");
    EXPECT_EQ(Player.Flash, 50);
    EXPECT_EQ(Enemy.Hit, 55);

    Click("≫");
    EXPECT_EQ(Message(), "あなたの命中が1点上がった！");
    EXPECT_EQ(Sound(), "dat/up.wav");
    EXPECT_EQ(Player.BaseHit, 51);
    EXPECT_EQ(Player.Hit, 51);
    EXPECT_EQ(Screen.PlayerShown->Hit, 51);
    Click("≫");
    EXPECT_EQ(Message(), "あなたの回避が1点上がった！");
    Click("≫");
    EXPECT_EQ(Message(), "あなたの予測が2点上がった！");
    EXPECT_EQ(Player.BasePredict, 52);
    Hush();
    Click("≫");
    EXPECT_EQ(
        Message(),
        "あいつのからだを食べてむしゃむしゃむしゃ\nおいしいなあ\nあなたのＨＰが3点回復した。");
    EXPECT_EQ(Sound(), "dat/eat.wav");
    EXPECT_EQ(Player.HP, 4);
    EXPECT_EQ(Player.MaxHP, 5);
    EXPECT_EQ(Player.BaseFlash, 50);
    EXPECT_EQ(Player.BaseReason, 50);
    Click("≫");
    EXPECT_EQ(Choices(), MenuChoices);
    EXPECT_EQ(BattleStage, 6);
}

TEST_F(BattleTest, GrowthIsATenthOfTheGapRoundedUp)
{
    struct Case {
        int32_t enemy, player, n;
    };
    for (const Case c : {Case{55, 50, 1}, Case{60, 50, 1}, Case{61, 50, 2}, Case{100, 1, 10},
                         Case{50, 50, 0}, Case{40, 50, 0}}) {
        int32_t value = c.player;
        Hush();
        EXPECT_EQ(GrowStat(QString::fromUtf8("理力"), value, c.enemy), c.n > 0);
        EXPECT_EQ(value, c.player + c.n);
        if (c.n > 0) {
            EXPECT_EQ(Message(), "あなたの理力が" + std::to_string(c.n) + "点上がった！");
            EXPECT_EQ(Sound(), "dat/up.wav");
        } else {
            EXPECT_EQ(Sound(), "");
        }
    }
}

TEST_F(BattleTest, GrowthTeachesTheEnemysBaseNotItsWornStats)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 100, 0, 0, 0, 0);
    Enemy.MaxHP = 1;
    SetStats(Player, 50, 50, 50, 50, 50);
    Enemy.Hit = 10; // cut by a spell
    WinByAttack();
    Click("≫");
    EXPECT_EQ(Message(), "あなたの命中が5点上がった！");
}

TEST_F(BattleTest, FullHPGrowsMaxHPInstead)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 0, 0, 0, 0, 0);
    Enemy.MaxHP = 5;
    Player.MaxHP = Player.HP = 3;
    WinByAttack();
    Hush();
    Click("≫");
    EXPECT_EQ(Message(), "あなたのＨＰが1点上がった！");
    EXPECT_EQ(Sound(), "dat/up.wav");
    EXPECT_EQ(Player.MaxHP, 4);
    EXPECT_EQ(Player.HP, 3);
    EXPECT_EQ(Screen.PlayerShown->HP, 3);
    EXPECT_EQ(Screen.PlayerShown->MaxHP, 4);
}

TEST_F(BattleTest, RecoveryIsCappedByTheEnemysMaxHP)
{
    Meet(TBattleKind::Normal);
    Enemy.MaxHP = 3;
    Player.MaxHP = 5;
    Player.HP = 4;
    EXPECT_TRUE(RecoverOrGrowHP());
    EXPECT_EQ(Player.HP, 5);
    EXPECT_EQ(Player.MaxHP, 5);
    EXPECT_EQ(
        Message(),
        "あいつのからだを食べてむしゃむしゃむしゃ\nおいしいなあ\nあなたのＨＰが1点回復した。");
}

TEST_F(BattleTest, VictoryWithNothingToGainFinishesOnTheFirstClick)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 0, 0, 0, 0, 0);
    Enemy.MaxHP = 1;
    WinByAttack();
    Click("≫");
    EXPECT_EQ(Choices(), MenuChoices);
}

TEST_F(BattleTest, SaveGuardVictorySavesEvenWhenNothingGrew)
{
    SetStats(Player, 100, 100, 100, 100, 100);
    Meet(TBattleKind::Save);
    WinByAttack();
    EXPECT_FALSE(QFile::exists("save.dat"));
    Hush();
    Click("≫");
    EXPECT_EQ(Message(), "セーブをした。");
    EXPECT_EQ(Sound(), "dat/popon.wav");
    EXPECT_TRUE(QFile::exists("save.dat"));
    EXPECT_TRUE(Offers(MainMenu));
}

// A save that could not be made is never shown as made.
TEST_F(BattleTest, SaveGuardVictoryTellsWhenTheSaveFailed)
{
    ASSERT_TRUE(QDir().mkdir("save.dat"));
    BeatSaveGuardWhoseSaveFails();
    EXPECT_TRUE(QFileInfo("save.dat").isDir());
    EXPECT_TRUE(Offers(MainMenu));
}

// The save point on a real full disk: the old save survives byte for byte,
// the player is told, and the next start resumes from the old save.
TEST_F(BattleTest, SavePointOnAFullDiskKeepsTheOldSaveAndSaysSo)
{
    TSmallDisk disk(WorkDir() + "/full");
    if (!disk.Mounted)
        std::printf("The full-disk save test cannot mount a tmpfs (%s); it needs root.\n",
                    disk.Why.c_str());
    VANTIK_NEED(disk.Mounted, "a tmpfs mount (" << disk.Why << "); the test needs root");
    ASSERT_TRUE(LinkDat(disk.Path));
    ASSERT_TRUE(QDir::setCurrent(disk.Path));
    ASSERT_TRUE(SaveGame(Player, ApplicationTitle));
    const QByteArray old = SaveFileBytes();
    ASSERT_FALSE(old.isEmpty());
    disk.Fill();

    BeatSaveGuardWhoseSaveFails();
    EXPECT_EQ(SaveFileBytes(), old);
    Click("≫");
    EXPECT_EQ(Choices(), MenuChoices);

    // The next start loads the old record, with nothing to report.
    ResetGameGlobals();
    EXPECT_EQ(LoadGame(Player, ApplicationTitle), TLoadResult::Loaded);
    EXPECT_EQ(Player.BaseHit, 50) << "the old record is back";
    EXPECT_EQ(RecordBytes(Player), old);
    ASSERT_TRUE(QDir::setCurrent(WorkDir()));
}

TEST_F(BattleTest, BeatenBossGivesItsNameAndTheNextBoss)
{
    SetStats(Player, 100, 100, 100, 100, 100);
    Player.BossIndex = 0;
    Player.HP = 1;
    Meet(TBattleKind::Boss);
    Hush();
    WinByAttack();
    EXPECT_EQ(Message(), "rを殺した！");
    EXPECT_TRUE(Offers(TakeBossName));
    Click("≫");
    EXPECT_EQ(Message(), "あなたはその手をrにかけて、\n強引に名前を剥ぎ取った！");
    EXPECT_EQ(Sound(), "dat/roar.wav");
    EXPECT_EQ(Player.Name.Str(), "r");
    EXPECT_EQ(Enemy.Name.Str(), "######");
    Click("≫");
    EXPECT_EQ(Message(),
              "######のからだを食べてむしゃむしゃむしゃ\nおいしいなあ\nrのＨＰが3点回復した。");
    Click("≫");
    EXPECT_EQ(Choices(), MenuChoices);
    EXPECT_EQ(Player.BossIndex, 1);
}

TEST_F(BattleTest, BossesFinishByTheirIndex)
{
    SetStats(Player, 100, 100, 100, 100, 100);
    struct Case {
        int32_t index;
        TProcedure firstAction;
    };
    for (const Case c : {Case{4, MenuSeek}, Case{5, EndingAStep}, Case{6, EndingBStep}}) {
        Player.BossIndex = c.index;
        Player.HP = Player.MaxHP = 7;
        Meet(TBattleKind::Boss);
        WinByAttack();
        if (c.index != 6) {
            ASSERT_TRUE(Offers(TakeBossName)) << c.index;
            Click("≫");
        }
        while (ActionOf(0) == RewardStep && Screen.Choices.size() == 1)
            Click("≫");
        EXPECT_EQ(ActionOf(0), c.firstAction) << c.index;
        EXPECT_EQ(Player.BossIndex, c.index + 1);
    }
}

TEST_F(BattleTest, LastBossKeepsItsName)
{
    SetStats(Player, 100, 100, 100, 100, 100);
    Player.BossIndex = 6;
    Meet(TBattleKind::Boss);
    WinByAttack();
    EXPECT_EQ(Message(), "祖を殺した！");
    EXPECT_EQ(Player.Name.Str(), ToSjis("あなた"));
    EXPECT_EQ(Enemy.Name.Str(), ToSjis("祖"));
    EXPECT_TRUE(Offers(RewardStep));
}

TEST_F(BattleTest, DefeatEndsTheProgramWithoutSaving)
{
    ASSERT_TRUE(WriteSaveFile("old"));

    Meet(TBattleKind::Normal);
    SetStats(Enemy, 50, 20, 30, 0, 0);
    SetStats(Player, 0, 0, 0, 0, 0);
    MagicWeight = 0;
    Player.HP = 1;
    EnemyTurn();
    Next(50);
    Next(0);
    Hush();
    Click("≫");
    EXPECT_EQ(Message(), "あなたは殺された……");
    EXPECT_EQ(Sound(), "dat/weak.wav");
    EXPECT_EQ(Choices(), (Strings{"gmov"}));
    EXPECT_FALSE(ApplicationTerminated());
    Click("gmov");
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_EQ(SaveFileBytes(), "old");
}
