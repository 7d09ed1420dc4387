// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitStory.h"
#include "GameHarness.h"
#include "LumeRandom.h"
#include "SaveFile.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitMain.h"
#include "UnitSaveLoad.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <set>
#include <string>
#include <vector>

namespace {

bool EndsWith(const std::string &Text, const std::string &Tail)
{
    return Text.size() >= Tail.size() &&
           Text.compare(Text.size() - Tail.size(), Tail.size(), Tail) == 0;
}

bool StartsWith(const std::string &Text, const std::string &Head)
{
    return Text.compare(0, Head.size(), Head) == 0;
}

bool Contains(const std::string &Text, const std::string &Part)
{
    return Text.find(Part) != std::string::npos;
}

// The indices of the lines that satisfy Test.
template <size_t N, typename TTest>
std::set<size_t> LinesWhere(const std::array<const char *, N> &Lines, TTest Test)
{
    std::set<size_t> found;
    for (size_t i = 0; i < N; ++i)
        if (Test(std::string(Lines[i])))
            found.insert(i);
    return found;
}

template <size_t N> void ExpectPlainLines(const std::array<const char *, N> &Lines)
{
    for (const char *line : Lines) {
        const std::string text = line;
        EXPECT_FALSE(text.empty());
        // Every character survives the trip to Shift-JIS.
        EXPECT_EQ(FromSjis(ToSjis(text)).toStdString(), text);
        EXPECT_FALSE(Contains(text, "?")) << text;
        EXPECT_FALSE(Contains(text, "\\n")) << text;
        // One line of the message area holds about thirty characters.
        EXPECT_LE(QString::fromUtf8(line).size(), 30) << text;
    }
}

} // namespace

class StoryTest : public GameHarness {
protected:
    void AcceptNewCharacter()
    {
        StartGame();
        ClickWidget(Controls().PntTitle);
        Click("yest");
    }
    // The state in which the reward sequence starts ending A: the name of the
    // sixth boss taken, its boss index raised.
    void BeatSixthBoss()
    {
        AcceptNewCharacter();
        Click("skipl");
        Player.Name.Set("roda");
        Player.BossIndex = 6;
        StartEndingA();
    }
};

TEST_F(StoryTest, IntroLinesRunOnAsTheirMarksSay)
{
    ExpectPlainLines(IntroLines);
    EXPECT_EQ(Utf8Of(IntroLines[2]), "それがあなた。");
    const std::set<size_t> runOn{0, 3, 5, 8, 9, 11, 12, 14, 15};
    EXPECT_EQ(LinesWhere(IntroLines, [](const std::string &t) { return EndsWith(t, "、"); }),
              runOn);
    EXPECT_EQ(LinesWhere(IntroLines, [](const std::string &t) { return EndsWith(t, "。"); }).size(),
              19 - runOn.size());
    EXPECT_GE(
        LinesWhere(IntroLines, [](const std::string &t) { return Contains(t, "あなた"); }).size(),
        5u);
    EXPECT_TRUE(
        LinesWhere(IntroLines, [](const std::string &t) { return Contains(t, "roda"); }).empty());
}

TEST_F(StoryTest, EndingLinesKeepTheirMarks)
{
    ExpectPlainLines(EndingALines);
    EXPECT_EQ(Utf8Of(EndingALines[0]), "roda。");
    EXPECT_TRUE(EndsWith(Utf8Of(EndingALines[1]), "。"));
    EXPECT_TRUE(Contains(Utf8Of(EndingALines[1]), "名"));

    ExpectPlainLines(EndingBLines);
    EXPECT_EQ(Utf8Of(EndingBLines[10]), "rodaは、");
    auto where = [](auto Test) { return LinesWhere(EndingBLines, Test); };
    EXPECT_EQ(where([](const std::string &t) { return Contains(t, "roda"); }),
              (std::set<size_t>{0, 2, 3, 5, 6, 10}));
    EXPECT_EQ(where([](const std::string &t) { return Contains(t, "≪") && Contains(t, "≫"); }),
              (std::set<size_t>{0, 2, 8}));
    EXPECT_EQ(where([](const std::string &t) { return Contains(t, "≪") || Contains(t, "≫"); }),
              (std::set<size_t>{0, 2, 8}));
    EXPECT_EQ(where([](const std::string &t) { return StartsWith(t, "「"); }),
              (std::set<size_t>{6, 7, 8, 9}));
    EXPECT_EQ(where([](const std::string &t) { return Contains(t, "「"); }),
              (std::set<size_t>{6, 7, 8, 9}));
    EXPECT_EQ(where([](const std::string &t) { return Contains(t, "」"); }), (std::set<size_t>{9}));
    EXPECT_TRUE(EndsWith(Utf8Of(EndingBLines[9]), "」"));

    EXPECT_EQ(QString::fromUtf8(EndingATitle), QString::fromUtf8("★\u3000おしまエンド\u3000★"));
    EXPECT_EQ(QString::fromUtf8(EndingBTitle),
              QString::fromUtf8("★★★\u3000オーバー・デッド・エンド\u3000★★★"));
}

TEST_F(StoryTest, IntroShowsNineteenLinesThenTheMainMenu)
{
    AcceptNewCharacter();
    const TBattler accepted = Player;
    EXPECT_EQ(Message(), "");
    ASSERT_EQ(Choices(), IntroChoices);
    EXPECT_EQ(Utf8Of(Controls().BtnMain[0]->text()), "≫");

    for (size_t i = 0; i < IntroLines.size(); ++i) {
        Click("≫");
        EXPECT_EQ(Message(), Utf8Of(IntroLines[i])) << "click " << i + 1;
        EXPECT_EQ(Choices(), IntroChoices);
    }
    Click("≫");
    EXPECT_EQ(Choices(), MenuChoices);
    EXPECT_TRUE(IsFlavourLine(Message()));
    EXPECT_TRUE(SameBytes(Player, accepted));
}

TEST_F(StoryTest, SkipLeadsToTheMainMenuAtAnyPoint)
{
    AcceptNewCharacter();
    Click("skipl");
    EXPECT_EQ(Choices(), MenuChoices);

    StartIntro();
    for (int i = 0; i < 5; ++i)
        Click("≫");
    Click("skipl");
    EXPECT_EQ(Choices(), MenuChoices);
    EXPECT_TRUE(IsFlavourLine(Message()));
}

TEST_F(StoryTest, EndingASavesOnceOnItsThirdClickAndTheGameResumes)
{
    BeatSixthBoss();
    EXPECT_EQ(Message(), "");
    ASSERT_EQ(Choices(), NextOnly);

    Click("≫");
    EXPECT_EQ(Message(), "roda。");
    Click("≫");
    EXPECT_EQ(Message(), Utf8Of(EndingALines[1]));
    EXPECT_FALSE(QFileInfo::exists("save.dat"));

    const TBattler before = Player;
    Click("≫");
    EXPECT_EQ(Message(), Utf8Of(EndingATitle));
    EXPECT_TRUE(Choices().empty());
    ASSERT_TRUE(QFileInfo::exists("save.dat"));
    EXPECT_TRUE(SameBytes(Player, before));

    // Nothing is left to click, and the sequence writes no more.
    const QByteArray written = SaveFileBytes();
    ASSERT_TRUE(QFile::remove("save.dat"));
#ifdef QT_NO_DEBUG
    EndingAStep();
#endif
    EXPECT_FALSE(QFileInfo::exists("save.dat"));
    ASSERT_TRUE(WriteSaveFile(written));

    StopGame();
    ResetGameGlobals();
    StartGame();
    EXPECT_TRUE(Alerts.empty());
    EXPECT_EQ(CurrentScene, TScene::Main);
    EXPECT_EQ(Choices(), MenuChoices);
    EXPECT_EQ(Player.BossIndex, 6);
    EXPECT_EQ(Player.Name.Str(), "roda");
    EXPECT_EQ(Player.BaseReason, before.BaseReason);
}

TEST_F(StoryTest, EndingATellsOfAFailedSaveThenShowsItsTitle)
{
    BeatSixthBoss();
    ASSERT_TRUE(QDir().mkdir("save.dat"));
    for (int i = 0; i < 3; ++i)
        Click("≫");
    Pass();
    EXPECT_EQ(Message(), Utf8Of(EndingATitle));
    EXPECT_TRUE(Choices().empty());
    EXPECT_EQ(Alerts, std::vector<std::string>{WriteFailureText});
    EXPECT_TRUE(QFileInfo("save.dat").isDir());
}

TEST_F(StoryTest, EndingBTakesThirteenClicksAndLeavesTheSaveAlone)
{
    AcceptNewCharacter();
    Click("skipl");
    Player.Name.Set("roda");
    ASSERT_TRUE(SaveGame(Player, ApplicationTitle));
    const QByteArray saved = SaveFileBytes();
    const QDateTime stamp = QFileInfo("save.dat").lastModified();
    Player.BossIndex = 7;

    StartEndingB();
    EXPECT_EQ(Message(), "");
    ASSERT_EQ(Choices(), NextOnly);
    for (size_t i = 0; i < EndingBLines.size(); ++i) {
        Click("≫");
        EXPECT_EQ(Message(), Utf8Of(EndingBLines[i])) << "click " << i + 1;
        ASSERT_EQ(Choices(), NextOnly);
    }
    Click("≫");
    EXPECT_EQ(Message(), Utf8Of(EndingBTitle));
    EXPECT_TRUE(Choices().empty());
#ifdef QT_NO_DEBUG
    EndingBStep();
#endif
    EXPECT_EQ(Message(), Utf8Of(EndingBTitle));

    EXPECT_EQ(SaveFileBytes(), saved);
    EXPECT_EQ(QFileInfo("save.dat").lastModified(), stamp);
}

// The last step of every narration rebinds or clears the choices, so no click
// reaches a step outside it. Should one arrive, a release build passes over
// it without a word, a draw or a save, and a debug build stops.
TEST_F(StoryTest, StepOutsideTheNarrationIsPassedOver)
{
    AcceptNewCharacter();
    Click("skipl");
    const struct {
        TProcedure Start, Step;
        size_t Lines;
    } cases[] = {{StartIntro, IntroStep, IntroLines.size()},
                 {StartEndingA, EndingAStep, EndingALines.size()},
                 {StartEndingB, EndingBStep, EndingBLines.size()}};
    for (const auto &c : cases) {
        c.Start();
        const Strings choices = Choices();
        for (const int32_t step : {-1, int32_t(c.Lines) + 1}) {
            StoryStep = step;
#ifdef QT_NO_DEBUG
            const uint32_t seed = RandSeed;
            c.Step();
            EXPECT_EQ(StoryStep, step + 1);
            EXPECT_EQ(RandSeed, seed);
            EXPECT_EQ(Message(), "");
            EXPECT_EQ(Choices(), choices);
            EXPECT_FALSE(QFileInfo::exists("save.dat"));
#else
            GTEST_FLAG_SET(death_test_style, "threadsafe");
            EXPECT_DEATH(c.Step(), "stage past the last");
#endif
        }
    }
}
