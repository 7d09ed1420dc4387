// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitMain.h"
#include "GameHarness.h"
#include "SaveFile.h"
#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitCommon.h"

#include <set>
#include <string>
#include <vector>

namespace {

} // namespace

class MainMenuTest : public GameHarness {
protected:
    // The player's side as the window shows it: stars, then the five values.
    std::vector<std::string> PlayerSide() const
    {
        std::vector<std::string> side{Utf8Of(Controls().LabMyHP->Caption())};
        for (TLumeLabel *label : Controls().LabMyStatus)
            side.push_back(Utf8Of(label->Caption()));
        return side;
    }
    std::vector<std::string> ExpectedPlayerSide() const
    {
        return {Utf8Of(StarText(Player.HP, Player.MaxHP, true)),
                std::to_string(Player.Hit),
                std::to_string(Player.Evade),
                std::to_string(Player.Predict),
                std::to_string(Player.Flash),
                std::to_string(Player.Reason)};
    }
    void OpenStatusPick()
    {
        StartGame();
        ClickWidget(Controls().PntTitle);
    }
};

TEST_F(MainMenuTest, FlavourLinesAreShortSingleSentences)
{
    EXPECT_EQ(Utf8Of(FlavourLines[3]), "霧雨だ。");
    const std::set<std::string> distinct(FlavourLines.begin(), FlavourLines.end());
    EXPECT_EQ(distinct.size(), FlavourLines.size());
    for (const char *line : FlavourLines) {
        const std::string text = line;
        // Every character survives the trip to Shift-JIS.
        EXPECT_EQ(FromSjis(ToSjis(text)).toStdString(), text);
        EXPECT_EQ(text.find('?'), std::string::npos) << text;
        ASSERT_GE(text.size(), 3u);
        EXPECT_EQ(text.substr(text.size() - 3), "。") << text;
        EXPECT_EQ(text.find("。"), text.size() - 3) << text << " holds one sentence";
        EXPECT_EQ(text.find("\\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("あなた"), std::string::npos) << text;
        EXPECT_LE(QString::fromUtf8(line).size(), 20) << text;
    }
}

TEST_F(MainMenuTest, TitleClickOpensStatusPickWithARolledPlayer)
{
    StartGame();
    ASSERT_EQ(CurrentScene, TScene::Title);
    FormMain->ShowEnemyStatus();
    ClickWidget(Controls().PntTitle);

    EXPECT_EQ(CurrentScene, TScene::Main);
    EXPECT_TRUE(Controls().PageMain->isVisibleTo(FormMain));
    EXPECT_FALSE(Controls().PageTitle->isVisibleTo(FormMain));
    EXPECT_EQ(Message(), StatusPrompt);
    EXPECT_EQ(Choices(), PickChoices);
    EXPECT_EQ(Utf8Of(Player.Name.Str()), "あなた");
    EXPECT_GE(Player.MaxHP, 1);
    EXPECT_EQ(Player.HP, Player.MaxHP);
    EXPECT_EQ(PlayerSide(), ExpectedPlayerSide());
    EXPECT_TRUE(EnemySideBlank());
}

TEST_F(MainMenuTest, RerollsChangeOnlyThePlayer)
{
    OpenStatusPick();
    std::set<std::vector<std::string>> seen{PlayerSide()};
    for (int i = 0; i < 8; ++i) {
        Player.BossIndex = 4;
        Click("noar");
        EXPECT_EQ(Player.BossIndex, 0);
        EXPECT_EQ(Player.HP, Player.MaxHP);
        EXPECT_EQ(Player.Hit, Player.BaseHit);
        EXPECT_EQ(PlayerSide(), ExpectedPlayerSide());
        EXPECT_EQ(Message(), StatusPrompt);
        EXPECT_EQ(Choices(), PickChoices);
        EXPECT_FALSE(DiceRolling);
        seen.insert(PlayerSide());
    }
    EXPECT_GT(seen.size(), 5u) << "re-rolls should give new characters";
}

TEST_F(MainMenuTest, YestKeepsTheCharacterLastShown)
{
    OpenStatusPick();
    Click("noar");
    const TBattler shown = Player;
    Click("yest");
    EXPECT_TRUE(SameBytes(Player, shown));
    EXPECT_EQ(Message(), "");
    EXPECT_EQ(Choices(), IntroChoices);
}

TEST_F(MainMenuTest, MainMenuShowsEveryFlavourLineAndTheThreeChoices)
{
    OpenStatusPick();
    std::set<std::string> shown;
    for (int i = 0; i < 200; ++i) {
        FormMain->ShowEnemyStatus();
        MainMenu();
        EXPECT_TRUE(EnemySideBlank());
        EXPECT_EQ(Choices(), MenuChoices);
        ASSERT_TRUE(IsFlavourLine(Message())) << Message();
        shown.insert(Message());
    }
    EXPECT_EQ(shown.size(), FlavourLines.size());
    // The buttons stand right to left in the order added.
    EXPECT_GT(Controls().BtnMain[0]->x(), Controls().BtnMain[1]->x());
    EXPECT_GT(Controls().BtnMain[1]->x(), Controls().BtnMain[2]->x());
}

TEST_F(MainMenuTest, MenuChoicesOpenTheirFights)
{
    OpenStatusPick();
    Click("yest");
    Click("skipl");
    ASSERT_EQ(Choices(), MenuChoices);
    const std::vector<std::pair<const char *, TBattleKind>> kinds{{"seeek", TBattleKind::Normal},
                                                                  {"bosss!", TBattleKind::Boss},
                                                                  {"savie", TBattleKind::Save}};
    for (const auto &[caption, kind] : kinds) {
        MainMenu();
        BattleKind = kind == TBattleKind::Boss ? TBattleKind::Save : TBattleKind::Boss;
        Click(caption);
        EXPECT_EQ(BattleKind, kind) << caption;
    }
}
