// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BattleFixture.h"
#include "Extremes.h"
#include "LumeRandom.h"

#include "LumeTimer.h"
#include "UnitMain.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

enum class TOutcome { Menu, Defeat, Ended, TooLong };

// Plays whole games by clicking the real buttons the way a player would:
// fight, pick actions in turn, let the dice tick, now and then burst.
class BattleGameTest : public BattleFixture {
protected:
    // Plays from the current screen until the main menu, a defeat, the end
    // of an ending, or MaxClicks clicks.
    TOutcome PlayOn(int MaxClicks)
    {
        for (int click = 0; click < MaxClicks; ++click) {
            const Strings choices = Choices();
            if (choices == MenuChoices)
                return TOutcome::Menu;
            if (choices.empty())
                return TOutcome::Ended;
            if (choices == Strings{"gmov"})
                return TOutcome::Defeat;
            ChooseOne(choices);
            if (::testing::Test::HasFatalFailure())
                return TOutcome::TooLong;
        }
        return TOutcome::TooLong;
    }

    void ChooseOne(const Strings &Choices)
    {
        ++Turn;
        if (Choices == Strings{"killl", "escapo"}) {
            Click(MayFlee && Turn % 25 == 0 ? "escapo" : "killl");
        } else if (Choices == Strings{"attax", "magix", "escapy"}) {
            const char *pick[] = {"attax", "attax", "attax", "magix", "attax", "magix", "escapy"};
            Click(pick[Turn % (MayFlee ? 7 : 6)]);
        } else if (Choices == Strings{"右", "左"}) {
            Click(Turn % 2 ? "右" : "左");
        } else {
            ASSERT_EQ(Choices, Strings{"≫"}) << Message();
            LetTheDiceRoll();
            Click("≫");
        }
    }

    void LetTheDiceRoll()
    {
        if (!DiceRolling)
            return;
        Advance(51 + Turn % 3 * 17);
        Advance(51);
        if (Turn % 3 == 0)
            PressBurst();
    }

    // Starts the fight of the menu choice Caption and plays it out.
    TOutcome Fight(const char *Caption, int MaxClicks = 2000)
    {
        if (Choices() != MenuChoices)
            MainMenu();
        Click(Caption);
        return PlayOn(MaxClicks);
    }

    void Revive()
    {
        Player.HP = Player.MaxHP;
        RefreshPlayer();
        MainMenu();
    }

    int Turn = 0;
    bool MayFlee = true;
};

} // namespace

TEST_F(BattleGameTest, SeededGameThroughFightsSavePointAndAllBosses)
{
    RandSeed = 99;
    NewPlayer();
    GameScreen->ShowPlayerStatus();
    MainMenu();

    int wins = 0, defeats = 0, flights = 0;
    for (int fight = 0; fight < 150; ++fight) {
        const int32_t before = Player.BaseHit + Player.BaseEvade + Player.BasePredict +
                               Player.BaseFlash + Player.BaseReason + Player.MaxHP;
        const TOutcome outcome = Fight(fight % 30 == 29 ? "savie" : "seeek");
        ASSERT_NE(outcome, TOutcome::TooLong) << "fight " << fight << ": " << Message();
        ASSERT_NE(outcome, TOutcome::Ended);
        if (outcome == TOutcome::Defeat) {
            ++defeats;
            EXPECT_EQ(Player.HP, 0);
            Revive();
        } else if (BattleStage == 6) {
            ++wins;
            EXPECT_GE(Player.BaseHit + Player.BaseEvade + Player.BasePredict + Player.BaseFlash +
                          Player.BaseReason + Player.MaxHP,
                      before);
        } else {
            ++flights;
        }
    }
    EXPECT_GT(wins, 10);
    EXPECT_GT(defeats, 0);
    EXPECT_GT(flights, 0);
    EXPECT_TRUE(QFile::exists("save.dat")) << "the save guard was beaten at least once";

    // The seven bosses, with a player made strong enough to win.
    Player.Name.Set(ToSjis("あなた"));
    Player.BossIndex = 0;
    const char *names[] = {"r", "歩", "アルフ", "ALPHA", "ヴェスカ", "roda", "祖"};
    MayFlee = false;
    for (int32_t boss = 0; boss < 7; ++boss) {
        SetStats(Player, 150, 150, 150, 150, 150);
        Player.MaxHP = Player.HP = 30;
        MainMenu();
        const TOutcome outcome = Fight("bosss!");
        ASSERT_NE(outcome, TOutcome::Defeat) << "boss " << boss;
        EXPECT_EQ(Player.BossIndex, boss + 1);
        // The last boss keeps its name; every other one gives it to the player.
        EXPECT_EQ(Utf8Of(Player.Name.Str()), names[boss == 6 ? 5 : boss]);
        // The last two lead into the endings, played to their titles.
        EXPECT_EQ(outcome, boss >= 5 ? TOutcome::Ended : TOutcome::Menu) << "boss " << boss;
    }
    EXPECT_FALSE(ApplicationTerminated());
}

TEST_F(BattleGameTest, ExtremeRecordsPlayWithoutFault)
{
    std::vector<TBattler> records;
    auto extreme = [](int32_t Stat, int32_t Base, int32_t HP, int32_t MaxHP, int32_t Boss) {
        TBattler b{};
        b.Name.Length = 255; // more than the 32 bytes the record holds
        for (char &c : b.Name.Chars)
            c = 'Z';
        b.Hit = b.Evade = b.Predict = b.Flash = b.Reason = Stat;
        b.BaseHit = b.BaseEvade = b.BasePredict = b.BaseFlash = b.BaseReason = Base;
        b.HP = HP;
        b.MaxHP = MaxHP;
        b.BossIndex = Boss;
        return b;
    };
    records.push_back(extreme(Int32Max, Int32Max, Int32Max, Int32Max, Int32Max));
    records.push_back(extreme(Int32Min, Int32Min, Int32Min, Int32Min, Int32Min));
    records.push_back(extreme(Int32Max, Int32Min, 1, Int32Max, 5));
    records.push_back(extreme(Int32Min, Int32Max, Int32Min, Int32Max, -1));
    records.push_back(extreme(0, 0, Int32Max, Int32Min, 6));
    TBattler mixed = extreme(0, 0, 3, 3, 0);
    mixed.Hit = mixed.BaseHit = Int32Max;
    mixed.Evade = mixed.BaseEvade = Int32Min;
    mixed.Predict = mixed.BasePredict = Int32Max;
    mixed.Flash = mixed.BaseFlash = Int32Min;
    mixed.Reason = mixed.BaseReason = Int32Max;
    records.push_back(mixed);

    const char *kinds[] = {"seeek", "savie", "bosss!", "bosss!", "seeek", "bosss!"};
    for (size_t r = 0; r < records.size(); ++r) {
        Player = records[r];
        GameScreen->ShowPlayerStatus();
        for (const char *kind : kinds) {
            const TOutcome outcome = Fight(kind, 150);
            ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "record " << r << " " << kind;
            if (outcome == TOutcome::Defeat) {
                // Take the defeat's own exit once, then play on with the same record.
                Click("gmov");
                EXPECT_TRUE(ApplicationTerminated());
                // As a new window would: its session has not been told to end.
                ClearApplicationTerminated();
                Player = records[r];
            }
            MainMenu();
        }
    }
    EXPECT_FALSE(ApplicationTerminated());
}

// ---- The robustness rules one by one ----

TEST_F(BattleGameTest, SumsAreShownAndComparedWithoutWrapping)
{
    Meet(TBattleKind::Normal);
    Player.Name.Length = 255;
    for (char &c : Player.Name.Chars)
        c = 'N';
    Player.Hit = Int32Max;
    PlayerTurn();
    Click("attax");
    Next(99);
    const std::string name(32, 'N');
    const std::string line = name + "の命中2147483647＋99＝2147483746\n当たりそう";
    EXPECT_EQ(Message().substr(0, line.size()), line);

    Player.Hit = Int32Min;
    PlayerTurn();
    Click("attax");
    Next(100);
    EXPECT_EQ(Message(), name + "の命中-2147483648＋100＝-2147483548\n外れた！");
}

TEST_F(BattleGameTest, HitPointsStopAtTheLowestValue)
{
    Meet(TBattleKind::Normal);
    SetStats(Enemy, 0, 0, 0, 0, 0);
    Enemy.HP = Int32Min;
    // The player hits on 50 + 99 and the enemy fails to evade on 0 + 0.
    PlayerAttack();
    Next(99);
    Next(0);
    EXPECT_EQ(Enemy.HP, Int32Min);
    EXPECT_TRUE(Offers(EnemyDefeated));

    Player.HP = Int32Min;
    // The enemy hits on 0 + 100 and the player fails to evade on 50 + 0.
    EnemyAttack();
    Next(100);
    Next(0);
    EXPECT_EQ(Player.HP, Int32Min);
    EXPECT_TRUE(Offers(PlayerDefeated));
}

TEST_F(BattleGameTest, InitiativeWithOutOfRangePredict)
{
    Meet(TBattleKind::Normal);
    auto share = [this](int32_t P, int32_t E) {
        Player.Predict = P;
        Enemy.Predict = E;
        int first = 0;
        for (int i = 0; i < 2000; ++i) {
            DecideInitiative();
            first += ActionOf(0) == PlayerTurn;
        }
        return first / 2000.0;
    };
    // Beyond a 32-bit sum the chances keep their proportion.
    EXPECT_NEAR(share(Int32Max, Int32Max - 1), 0.5, 0.04);
    EXPECT_NEAR(share(Int32Max, Int32Max / 3), 0.75, 0.04);
    // A negative Predict counts as none.
    EXPECT_EQ(share(Int32Min, 10), 0.0);
    EXPECT_EQ(share(10, -5), 1.0);
    EXPECT_NEAR(share(-7, Int32Min), 0.5, 0.04);
}

TEST_F(BattleGameTest, EnemyChoiceWithOutOfRangeWeights)
{
    Meet(TBattleKind::Normal);
    auto casts = [](int Trials) {
        int n = 0;
        for (int i = 0; i < Trials; ++i)
            n += ChooseEnemyMagic();
        return n / double(Trials);
    };
    // A = 4 x max div 4 + max, M = 0 + max: past a 32-bit range, still 2 to 1.
    SetStats(Enemy, Int32Max, Int32Max, Int32Max, 0, 0);
    SetStats(Player, 0, 0, 0, Int32Max, 0);
    AttackWeight = Int32Max;
    MagicWeight = Int32Max;
    EXPECT_NEAR(casts(4000), 1.0 / 3, 0.03);
    // Magic pushed far below zero never wins.
    SetStats(Player, Int32Min, Int32Min, Int32Min, Int32Max, 0);
    MagicWeight = 0;
    EXPECT_EQ(casts(500), 0.0);

    SetStats(Enemy, Int32Min, Int32Min, Int32Min, 0, 0);
    SetStats(Player, 0, 0, 0, Int32Min, 0);
    AttackWeight = 0;
    MagicWeight = 0;
    // Both weights are nothing: either action is as likely.
    EXPECT_NEAR(casts(4000), 0.5, 0.04);

    MagicWeight = 10;
    EXPECT_EQ(casts(500), 1.0);
}

TEST_F(BattleGameTest, GrowthAndRecoveryAcrossTheWholeRange)
{
    Meet(TBattleKind::Normal);
    int32_t value = Int32Min;
    EXPECT_TRUE(GrowStat(QString::fromUtf8("命中"), value, Int32Max));
    EXPECT_EQ(value, Int32Min + 429496730);
    EXPECT_EQ(Message(), "あなたの命中が429496730点上がった！");

    Player.HP = Int32Min;
    Player.MaxHP = Int32Max;
    Enemy.MaxHP = 3;
    EXPECT_TRUE(RecoverOrGrowHP());
    EXPECT_EQ(Player.HP, Int32Min + 3);

    // An enemy without hit points has none to give, and takes none.
    Player.HP = 1;
    Player.MaxHP = 5;
    Enemy.MaxHP = 0;
    Hush();
    EXPECT_FALSE(RecoverOrGrowHP());
    EXPECT_EQ(Player.HP, 1);
    EXPECT_EQ(Sound(), "");
    Enemy.MaxHP = Int32Min;
    EXPECT_FALSE(RecoverOrGrowHP());
    EXPECT_EQ(Player.HP, 1);
}

TEST_F(BattleGameTest, BossIndexStopsAtTheHighestValue)
{
    SetStats(Player, 100, 100, 100, 100, 100);
    Player.BossIndex = Int32Max;
    Meet(TBattleKind::Boss);
    StartReward();
    BattleStage = 6;
    Click("≫");
    EXPECT_EQ(Player.BossIndex, Int32Max);
    EXPECT_EQ(Choices(), MenuChoices);
}

TEST_F(BattleGameTest, TakenNameIsCutToTheRecord)
{
    Meet(TBattleKind::Boss);
    Enemy.Name.Length = 255;
    for (char &c : Enemy.Name.Chars)
        c = 'Q';
    TakeBossName();
    EXPECT_EQ(Player.Name.Length, 32);
    EXPECT_EQ(Player.Name.Str(), std::string(32, 'Q'));
    EXPECT_EQ(Enemy.Name.Str(), "######");
}
