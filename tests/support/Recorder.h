// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UnitBattler.h"
#include "UnitScreen.h"
#include "UnitSpeakers.h"
#include "WorkingFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// The screens' fixed sets of choices and the status pick's prompt, as UTF-8.
inline const Strings MenuChoices{"seeek", "bosss!", "savie"};
inline const Strings PickChoices{"noar", "yest"};
inline const Strings IntroChoices{"≫", "skipl"};
inline const Strings TurnChoices{"attax", "magix", "escapy"};
inline const Strings NextOnly{"≫"};
inline const char *const StatusPrompt = "あなたが落としたのはこのステータスですか？";

// Shift-JIS bytes (a record's name), a shown text, or the game's own words.
std::string Utf8Of(const TSjis &Text);
std::string Utf8Of(const QString &Text);
std::string Utf8Of(const char *Text);
// Whether Text is one of the main menu's flavour lines.
bool IsFlavourLine(const std::string &Text);

// The screen and the speakers as the rules drive them, with no widget: what
// each operation last said, kept for a test to read.
struct TRecorder final : TGameScreen, TGameSpeakers {
    struct TChoiceShown {
        std::string Caption;
        TProcedure Action;
    };
    struct TDieShown {
        int32_t Value;
        bool Forced;
    };

    enum class TPage { None, Title, Main } Page = TPage::None;
    std::string Text; // the last message, its "\n" a line break
    std::vector<TChoiceShown> Choices;
    std::optional<TBattler> PlayerShown, EnemyShown;
    int32_t PlayerStatusSaid = 0;
    std::array<std::optional<TDieShown>, 2> Dice; // mine, the enemy's
    TBurstButton Burst = TBurstButton::Hidden;
    std::optional<std::pair<int32_t, int32_t>> BurstCaption; // Reason, roll
    std::optional<int32_t> EnemyBurst;
    int32_t TitleFrames = 0;
    bool BackdropShown = false;
    Strings Alerts;
    std::string Wave; // the file playing, empty when stopped
    bool WaveLoops = false;

    std::optional<TDieShown> &DieOf(TDiceLabel Dice);

    void ShowTitlePage() override { Page = TPage::Title; }
    void ShowMainPage() override { Page = TPage::Main; }
    void ShowText(const QString &Text) override;
    void ClearChoices() override { Choices.clear(); }
    void AddChoice(const TChoice &Choice, TProcedure Action) override;
    void ShowPlayerStatus() override { PlayerShown = Player; }
    void ShowEnemyStatus() override { EnemyShown = Enemy; }
    void ClearEnemyStatus() override { EnemyShown.reset(); }
    void SayPlayerStatus() override { ++PlayerStatusSaid; }
    void ShowDice(TDiceLabel Dice, int32_t Value, bool Forced) override
    {
        DieOf(Dice) = TDieShown{Value, Forced};
    }
    void ClearDice(TDiceLabel Dice) override { DieOf(Dice).reset(); }
    void ShowBurstButton(TBurstButton State) override { Burst = State; }
    void ShowBurstRoll(int32_t Reason, int32_t Roll) override { BurstCaption = {Reason, Roll}; }
    void ShowEnemyBurstRoll(int32_t Roll) override { EnemyBurst = Roll; }
    void ClearEnemyBurstRoll() override { EnemyBurst.reset(); }
    void ShowTitleFrame(TLumeBitmap &) override { ++TitleFrames; }
    void ShowBackdrop(const TLumeBitmap &) override { BackdropShown = true; }
    void Alert(const QString &Text) override { Alerts.push_back(Text.toStdString()); }
    void PlayWave(const char *FileName, bool Loop) override
    {
        Wave = FileName;
        WaveLoops = Loop;
    }
    void StopWave() override { Wave.clear(); }
};

// The rules alone, talking to a recorder: the game-wide objects made as the
// window makes them, in a temporary working folder that links the generated
// dat/ folder, with a seeded generator and a replaced clock whose passes the
// test runs itself.
class RulesHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs one pass of the main loop (events, then due timers).
    static void Pass();
    // Advances the fake clock by Ms milliseconds and runs one pass.
    static void Advance(uint32_t Ms);
    // Takes the shown choice whose caption is Utf8Caption; fails the test
    // when there is none.
    void Click(const char *Utf8Caption);
    // The player's press of the burst button, where they may press it.
    static void PressBurst();

    // The message as UTF-8, line breaks as "\n", and the choices' captions,
    // slot 0 first.
    std::string Message() const { return Screen.Text; }
    Strings Choices() const;
    // The interval of the first timer of that name, or -1 when there is none.
    static int32_t TimerInterval(const char *Name);
    static QString Sj(const char *Utf8Text) { return QString::fromUtf8(Utf8Text); }
    // The working folder of the test.
    QString WorkDir() const { return Folder->Path(); }
    // The action of the choice in Slot (0 is the right-most), and all of them.
    TProcedure ActionOf(size_t Slot) const;
    std::vector<TProcedure> Actions() const;

    static uint32_t FakeNow;
    TRecorder Screen;
    std::unique_ptr<TWorkingFolder> Folder;
};

// Resets the game's globals to their state at program start.
void ResetGameGlobals();
