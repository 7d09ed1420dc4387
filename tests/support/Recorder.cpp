// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Recorder.h"

#include "LumeRandom.h"
#include "LumeTimer.h"
#include "UnitBattle.h"
#include "UnitBmp.h"
#include "UnitChoices.h"
#include "UnitCommon.h"
#include "UnitMain.h"
#include "UnitStory.h"
#include "WorkingFolder.h"

#include <QCoreApplication>

#include <algorithm>

uint32_t RulesHarness::FakeNow = 100000;

std::string Utf8Of(const TSjis &Text)
{
    return FromSjis(Text).toStdString();
}

std::string Utf8Of(const QString &Text)
{
    return Text.toStdString();
}

std::string Utf8Of(const char *Text)
{
    return Text;
}

bool IsFlavourLine(const std::string &Text)
{
    return std::find_if(FlavourLines.begin(), FlavourLines.end(),
                        [&](const char *Line) { return Text == Line; }) != FlavourLines.end();
}

std::optional<TRecorder::TDieShown> &TRecorder::DieOf(TDiceLabel Dice)
{
    EXPECT_NE(Dice, TDiceLabel::None) << "a die shown before the first roll";
    return this->Dice[Dice == TDiceLabel::Enemy ? 1 : 0];
}

void TRecorder::ShowText(const QString &Text)
{
    DicePrologue();
    this->Text = QString(Text).replace(QStringLiteral("\\n"), QStringLiteral("\n")).toStdString();
}

void TRecorder::AddChoice(const TChoice &Choice, TProcedure Action)
{
    EXPECT_LT(Choices.size(), 3u) << "no step offers more than three choices";
    Choices.push_back(
        {QCoreApplication::translate("Choice", Choice.Caption).toStdString(), Action});
}

void ResetGameGlobals()
{
    Player = TBattler{};
    Enemy = TBattler{};
    AttackWeight = MagicWeight = BurstChance = 0;
    BattleKind = TBattleKind::Normal;
    BattleStage = 0;
    EnemyPresent = false;
    StoryStep = 0;
    DiceValue = 0;
    BurstRoll = 0;
    DiceRolling = false;
    RollingDice = TDiceLabel::None;
    TitleFrameCount = 0;
    CurrentScene = TScene::None;
}

void RulesHarness::SetUp()
{
    Folder = std::make_unique<TWorkingFolder>(true);
    ASSERT_TRUE(Folder->Ready());
    FakeNow = 100000;
    TLumeTimer::SetClock([] { return FakeNow; });
    TLumeTimer::SetManualPasses(true);
    ResetGameGlobals();
    FixRandomizeSeed(12345);
    // As a new window does: this game has not been told to end.
    ClearApplicationTerminated();
    GameScreen = &Screen;
    GameSpeakers = &Screen;
    CreateGameObjects(nullptr);
    RandSeed = 12345;
}

void RulesHarness::TearDown()
{
    FreeGameObjects();
    GameScreen = nullptr;
    GameSpeakers = nullptr;
    TLumeTimer::SetClock(nullptr);
    TLumeTimer::SetManualPasses(false);
    FixRandomizeSeed(std::nullopt);
    Folder.reset();
    ResetGameGlobals();
}

void RulesHarness::Pass()
{
    TLumeTimer::RunTimerPass();
}

void RulesHarness::Advance(uint32_t Ms)
{
    FakeNow += Ms;
    Pass();
}

void RulesHarness::Click(const char *Utf8Caption)
{
    for (const TRecorder::TChoiceShown &choice : Screen.Choices) {
        if (choice.Caption == Utf8Caption) {
            // As the window does: the action of the step that showed it.
            const TProcedure action = choice.Action;
            action();
            return;
        }
    }
    FAIL() << "no choice " << Utf8Caption << " (message: " << Message() << ")";
}

void RulesHarness::PressBurst()
{
    if (BurstButtonLive())
        PlayerIdeaBurst();
}

Strings RulesHarness::Choices() const
{
    Strings out;
    for (const TRecorder::TChoiceShown &choice : Screen.Choices)
        out.push_back(choice.Caption);
    return out;
}

TProcedure RulesHarness::ActionOf(size_t Slot) const
{
    return Slot < Screen.Choices.size() ? Screen.Choices[Slot].Action : nullptr;
}

std::vector<TProcedure> RulesHarness::Actions() const
{
    std::vector<TProcedure> out;
    for (const TRecorder::TChoiceShown &choice : Screen.Choices)
        out.push_back(choice.Action);
    return out;
}

int32_t RulesHarness::TimerInterval(const char *Name)
{
    for (const auto &entry : TimerTable)
        if (entry.TimerName == Name)
            return entry.IntervalMs;
    return -1;
}
