// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"

#include "LumeRandom.h"
#include "LumeTimer.h"
#include "MyConsole.h"
#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitCommon.h"
#include "UnitStory.h"

#include <QTest>

uint32_t GameHarness::FakeNow = 100000;
std::vector<std::string> GameHarness::Alerts;

namespace {
void RecordAlert(const QString &Text)
{
    GameHarness::Alerts.push_back(Text.toStdString());
}
} // namespace

void GameHarness::SetUp()
{
    Folder = std::make_unique<TWorkingFolder>(true);
    ASSERT_TRUE(Folder->Ready());
    FakeNow = 100000;
    TLumeTimer::SetClock([] { return FakeNow; });
    TLumeTimer::SetManualPasses(true);
    ResetGameGlobals();
    // Start-up seeds the generator; make that seed a fixed one.
    FixRandomizeSeed(12345);
    RandSeed = 12345;
    Alerts.clear();
    SetAlertSink(RecordAlert);
}

void GameHarness::TearDown()
{
    StopGame();
    TLumeTimer::SetClock(nullptr);
    TLumeTimer::SetManualPasses(false);
    FixRandomizeSeed(std::nullopt);
    SetAlertSink(nullptr);
    Folder.reset();
    ResetGameGlobals();
}

void GameHarness::StartGame()
{
    new TFormMain();
    // The deferred start of the loop returns at once in manual mode; run it.
    Pass();
}

void GameHarness::StartActiveGame()
{
    StopGame();
    StartGame();
    FormMain->show();
    FormMain->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormMain));
}

void GameHarness::StopGame()
{
    delete FormMain;
    FormMain = nullptr;
}

void GameHarness::Pass()
{
    TLumeTimer::RunTimerPass();
}

void GameHarness::Advance(uint32_t Ms)
{
    FakeNow += Ms;
    Pass();
}

void GameHarness::ClickWidget(QWidget *Widget)
{
    ASSERT_NE(Widget, nullptr);
    ASSERT_TRUE(Widget->isVisibleTo(Widget->window()));
    QTest::mouseClick(Widget, Qt::LeftButton, {}, Widget->rect().center());
}

void GameHarness::Click(const char *Utf8Caption)
{
    ASSERT_NE(FormMain, nullptr);
    const QString caption = QString::fromUtf8(Utf8Caption);
    for (TLumeButton *button : Controls().BtnMain) {
        if (button->isVisibleTo(FormMain) && button->text() == caption) {
            ClickWidget(button);
            return;
        }
    }
    FAIL() << "no visible choice " << Utf8Caption << " (message: " << Message() << ")";
}

void GameHarness::ClickSlot(int Slot)
{
    ASSERT_NE(FormMain, nullptr);
    ClickWidget(Controls().BtnMain.at(Slot));
}

int32_t GameHarness::TimerInterval(const char *Name)
{
    for (const auto &entry : TimerTable)
        if (entry.TimerName == Name)
            return entry.IntervalMs;
    return -1;
}

std::string GameHarness::Message() const
{
    if (!FormMain)
        return {};
    return Controls().LabMain->text().toStdString();
}

std::vector<std::string> GameHarness::Choices() const
{
    std::vector<std::string> out;
    if (!FormMain)
        return out;
    for (TLumeButton *button : Controls().BtnMain)
        if (button->isVisibleTo(FormMain))
            out.push_back(button->text().toStdString());
    return out;
}
