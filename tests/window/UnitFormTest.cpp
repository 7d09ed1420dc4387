// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"

#include "LumeTimer.h"
#include "LumeWave.h"
#include "UnitBattler.h"
#include "UnitChoices.h"
#include "UnitCommon.h"
#include "UnitSound.h"

#include <QAccessible>
#include <QTest>

namespace {

int ActionRuns[5];
void Action0()
{
    ++ActionRuns[0];
}
void Action1()
{
    ++ActionRuns[1];
}
void Action2()
{
    ++ActionRuns[2];
}

class FormMainTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        std::fill(std::begin(ActionRuns), std::end(ActionRuns), 0);
        StartGame();
    }
};

} // namespace

TEST_F(FormMainTest, OpensOnTheTitlePageWithItsMusicAndAnimation)
{
    EXPECT_EQ(FormMain->windowTitle(), QString::fromUtf8("ヴェスカ"));
    EXPECT_EQ(FormMain->size(), QSize(500, 400));
    EXPECT_FALSE(FormMain->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(CurrentScene, TScene::Title);
    EXPECT_FALSE(Controls().PageTitle->isHidden());
    EXPECT_TRUE(Controls().PageMain->isHidden());
    EXPECT_EQ(Controls().PntTitle->geometry(), QRect(0, 0, 500, 400));
    EXPECT_EQ(Controls().ImgVuraviv->geometry(), QRect(0, 0, 500, 400));
    ASSERT_NE(WavePlayer, nullptr);
    EXPECT_EQ(WavePlayer->FileName, "dat/04b.wav");
    EXPECT_TRUE(WavePlayer->Looping);
    ASSERT_EQ(TimerTable.size(), 2u);
    EXPECT_EQ(TimerTable[0].TimerName, TitleTimer);
    EXPECT_EQ(TimerTable[1].TimerName, DiceTimer);
    EXPECT_EQ(TimerInterval(TitleTimer), 50);
    EXPECT_EQ(TimerInterval(DiceTimer), 0);
}

TEST_F(FormMainTest, SwitchingToTheMainSceneStopsTheMusicAndPausesTheTitle)
{
    ChangeScene(TScene::Main);
    EXPECT_TRUE(WavePlayer->FileName.empty());
    EXPECT_FALSE(Controls().PageMain->isHidden());
    EXPECT_TRUE(Controls().PageTitle->isHidden());
    EXPECT_EQ(TimerInterval(TitleTimer), 0);
}

TEST_F(FormMainTest, LaysOutEveryControlAtItsPlace)
{
    struct Expect {
        QWidget *Control;
        QRect Bounds;
    };
    const Expect layout[] = {
        {Controls().Shape[0], {8, 40, 481, 41}},
        {Controls().Shape[4], {8, 200, 481, 41}},
        {Controls().LabStatusName[0], {200, 48, 100, 33}},
        {Controls().LabStatusName[4], {200, 208, 100, 33}},
        {Controls().LabMyStatus[0], {352, 48, 80, 33}},
        {Controls().LabMyStatus[4], {352, 208, 80, 33}},
        {Controls().LabEnemyStatus[0], {64, 48, 80, 33}},
        {Controls().LabEnemyStatus[3], {64, 168, 80, 33}},
        {Controls().LabMyHP, {280, 8, 208, 33}},
        {Controls().LabEnemyHP, {8, 8, 208, 33}},
        {Controls().LabMain, {8, 256, 481, 89}},
        {Controls().LabDiceMine, {440, 320, 49, 25}},
        {Controls().LabDiceEnemy, {8, 320, 49, 25}},
        {Controls().LabIBEnemy, {16, 216, 57, 17}},
        {Controls().BtnMain[0], {400, 352, 89, 41}},
        {Controls().BtnMain[1], {304, 352, 89, 41}},
        {Controls().BtnMain[4], {16, 352, 89, 41}},
        {Controls().BtnIdeaBurst, {416, 208, 65, 25}},
    };
    for (size_t row = 0; row < std::size(layout); ++row)
        EXPECT_EQ(layout[row].Control->geometry(), layout[row].Bounds) << "row " << row;

    EXPECT_EQ(Controls().LabMain->font().pixelSize(), 16);
    EXPECT_TRUE(Controls().LabMain->font().bold());
    EXPECT_EQ(ColourOf(Controls().LabMain), QColor(68, 102, 102));
    EXPECT_EQ(Controls().LabMyHP->font().pixelSize(), 27);
    EXPECT_EQ(ColourOf(Controls().LabStatusName[2]), QColor(127, 127, 127));
    EXPECT_EQ(TextOf(Controls().LabStatusName[2]), "予測");
    EXPECT_EQ(Controls().LabMyHP->alignment(), Qt::AlignRight | Qt::AlignTop);
    EXPECT_EQ(Controls().LabEnemyHP->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(Controls().LabMain->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_FALSE(Controls().LabMain->wordWrap());
    EXPECT_EQ(Controls().BtnMain[2]->font().pixelSize(), 19);
    EXPECT_EQ(Controls().BtnIdeaBurst->font().pixelSize(), 12);
    EXPECT_TRUE(Controls().BtnIdeaBurst->isHidden());
    EXPECT_EQ(Controls().Shape[2]->grab().toImage().pixelColor(0, 0), QColor(127, 127, 127));
    EXPECT_EQ(Controls().PageMain->palette().color(QPalette::Window), QColor(223, 255, 255));
    EXPECT_EQ(Controls().PageTitle->palette().color(QPalette::Window), QColor(68, 68, 68));
    EXPECT_EQ(FormMain->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_TRUE(Controls().LabMain->font().families().contains("IPAPGothic"));

    // Stacking: the image at the bottom, every button above every label.
    const auto children = Controls().PageMain->children();
    EXPECT_EQ(children.indexOf(Controls().ImgVuraviv), 0);
    EXPECT_LT(children.indexOf(Controls().LabIBEnemy), children.indexOf(Controls().BtnMain[1]));
    EXPECT_LT(children.indexOf(Controls().Shape[0]), children.indexOf(Controls().LabStatusName[0]));
    EXPECT_LT(children.indexOf(Controls().LabStatusName[0]), children.indexOf(Controls().Shape[1]));
}

TEST_F(FormMainTest, ShowTextTurnsBackslashNIntoLineBreaks)
{
    FormMain->ShowText(Sj("一行目\\n二行目\\n"));
    EXPECT_EQ(Controls().LabMain->Caption(), Sj("一行目\r\n二行目\r\n"));
    EXPECT_EQ(Message(), "一行目\n二行目\n");
    FormMain->ShowText(Sj("a\\b\\"));
    EXPECT_EQ(Message(), "a\\b\\");
    FormMain->ShowText({});
    EXPECT_EQ(Message(), "");
}

TEST_F(FormMainTest, ChoicesAppearRightToLeftAndRunTheirActions)
{
    ChangeScene(TScene::Main);
    FormMain->ClearChoices();
    FormMain->AddChoice({"一", ""}, &Action0);
    FormMain->AddChoice({"二", ""}, &Action1);
    FormMain->AddChoice({"三", ""}, &Action2);
    EXPECT_EQ(Choices(), (std::vector<std::string>{"一", "二", "三"}));
    EXPECT_EQ(Controls().BtnMain[0]->x(), 400);
    EXPECT_EQ(Controls().BtnMain[1]->x(), 304);
    EXPECT_EQ(Controls().BtnMain[2]->x(), 208);
    EXPECT_TRUE(Controls().BtnMain[3]->isHidden());
    EXPECT_TRUE(Controls().BtnMain[4]->isHidden());

    Click("二");
    EXPECT_EQ(ActionRuns[1], 1);
    EXPECT_EQ(ActionRuns[0] + ActionRuns[2], 0);

    FormMain->ClearChoices();
    EXPECT_TRUE(Choices().empty());
    EXPECT_TRUE(Controls().BtnMain[1]->isHidden());
}

TEST_F(FormMainTest, StarsFillFromTheOuterEdges)
{
    Player.MaxHP = 5;
    Player.HP = 3;
    Enemy.MaxHP = 5;
    Enemy.HP = 3;
    FormMain->ShowPlayerStatus();
    FormMain->ShowEnemyStatus();
    EXPECT_EQ(TextOf(Controls().LabMyHP), "☆☆★★★");
    EXPECT_EQ(TextOf(Controls().LabEnemyHP), "★★★☆☆");
    Player.MaxHP = Enemy.MaxHP = 4;
    Player.HP = Enemy.HP = 1;
    FormMain->ShowPlayerStatus();
    FormMain->ShowEnemyStatus();
    EXPECT_EQ(TextOf(Controls().LabMyHP), "☆☆☆★");
    EXPECT_EQ(TextOf(Controls().LabEnemyHP), "★☆☆☆");
}

TEST_F(FormMainTest, StarTextsOfOddRecords)
{
    EXPECT_EQ(StarText(3, 0, true), "");
    EXPECT_EQ(StarText(3, -4, false), "");
    EXPECT_EQ(Utf8Of(StarText(0, 3, true)), "☆☆☆");
    EXPECT_EQ(Utf8Of(StarText(-9, 2, false)), "☆☆");
    EXPECT_EQ(Utf8Of(StarText(9, 2, true)), "★★");
    // A damaged save may hold any MaxHP: the row is capped, filled stars
    // still at the outer edge.
    const QString huge = StarText(3, INT32_MAX, true);
    EXPECT_EQ(huge.size(), 100);
    EXPECT_EQ(Utf8Of(huge.mid(97)), "★★★");
    EXPECT_EQ(Utf8Of(StarText(INT32_MAX, INT32_MAX, false).left(1)), "★");
}

TEST_F(FormMainTest, StatValuesShowGreyWhenTheyDifferFromTheBase)
{
    Player.Hit = 40;
    Player.BaseHit = 60;
    Player.Evade = Player.BaseEvade = -7;
    FormMain->ShowPlayerStatus();
    EXPECT_EQ(TextOf(Controls().LabMyStatus[0]), "40");
    EXPECT_EQ(ColourOf(Controls().LabMyStatus[0]), QColor(127, 127, 127));
    EXPECT_EQ(TextOf(Controls().LabMyStatus[1]), "-7");
    EXPECT_EQ(ColourOf(Controls().LabMyStatus[1]), QColor(0, 0, 0));
    Player.Hit = 60;
    FormMain->ShowPlayerStatus();
    EXPECT_EQ(ColourOf(Controls().LabMyStatus[0]), QColor(0, 0, 0));

    Enemy.Predict = 12;
    Enemy.BasePredict = 30;
    FormMain->ShowEnemyStatus();
    EXPECT_EQ(TextOf(Controls().LabEnemyStatus[2]), "12");
    FormMain->ClearEnemyStatus();
    for (auto *label : {Controls().LabEnemyHP, Controls().LabEnemyStatus[0],
                        Controls().LabEnemyStatus[2], Controls().LabEnemyStatus[4]})
        EXPECT_TRUE(label->text().isEmpty());
    // Colours are left as they were.
    EXPECT_EQ(ColourOf(Controls().LabEnemyStatus[2]), QColor(127, 127, 127));
}

TEST_F(FormMainTest, ClosingTheWindowEndsTheLoopAndFreesTheGameObjects)
{
    FormMain->show();
    FormMain->close();
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_FALSE(TLumeTimer::RunTimerPass());
    StopGame();
    EXPECT_EQ(WavePlayer, nullptr);
    EXPECT_EQ(Scheduler, nullptr);
    EXPECT_EQ(MidiHolder, nullptr);
}

TEST_F(FormMainTest, LabelsAndButtonsExposeTheirTextsToAccessibility)
{
    ChangeScene(TScene::Main);
    FormMain->ShowText(Sj("どうする？"));
    FormMain->ClearChoices();
    FormMain->AddChoice(ChoiceAttack, &Action0);
    QAccessibleInterface *label = QAccessible::queryAccessibleInterface(Controls().LabMain);
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(Controls().BtnMain[0]);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    EXPECT_EQ(label->text(QAccessible::Name), QString::fromUtf8("どうする？"));
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("attax"));
}
