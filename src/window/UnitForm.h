// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeControls.h"
#include "LumeForm.h"
#include "UnitScreen.h"

#include <array>
#include <cstdint>

struct TBattler;
class TFormHelp;
class TSpeech;

// The choice buttons along the bottom of the main page; slot 0 is the right-most.
inline constexpr int32_t ChoiceSlots = 5;
// The five stats' rows of the main page, in display order.
inline constexpr int32_t StatRows = 5;

// The window's controls, made by TFormMain::BuildLayout; each is given its
// member's name as its object name there (an array's members with their
// place: BtnMain0 to BtnMain4), as the controls of a designed form are.
struct TFormMainControls {
    TLumePanel *PageTitle;
    TLumePaintBox *PntTitle;
    TLumePanel *PageMain;
    TLumeImage *ImgVuraviv;
    // Each row's frame (Shape1 to Shape5) and stat name (LabMainStatusName0,
    // then Label1 to Label4).
    std::array<TLumeShape *, StatRows> Shape;
    std::array<TLumeLabel *, StatRows> LabStatusName;
    std::array<TLumeLabel *, StatRows> LabMyStatus, LabEnemyStatus;
    TLumeLabel *LabMyHP, *LabEnemyHP;
    TLumeLabel *LabMain, *LabDiceMine, *LabDiceEnemy, *LabIBEnemy;
    std::array<TLumeButton *, ChoiceSlots> BtnMain;
    TLumeButton *BtnIdeaBurst;
};

// The game's only window: the title page and the main page, and the screen
// through which all game steps talk to the player. Its keys are actions of
// its own (actions()), each with its shortcut, its line in the help and what
// it runs.
class TFormMain : public TLumeForm, public TGameScreen, public TFormMainControls {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *Owner = nullptr);
    ~TFormMain() override;

    void ShowTitlePage() override;
    void ShowMainPage() override;
    void ShowText(const QString &Text) override;
    void ClearChoices() override;
    void AddChoice(const TChoice &Choice, TProcedure Action) override;
    void ShowPlayerStatus() override;
    void ShowEnemyStatus() override;
    void ClearEnemyStatus() override;
    void SayPlayerStatus() override;
    void ShowDice(TDiceLabel Dice, int32_t Value, bool Forced) override;
    void ClearDice(TDiceLabel Dice) override;
    void ShowBurstButton(TBurstButton State) override;
    void ShowBurstRoll(int32_t Reason, int32_t Roll) override;
    void ShowEnemyBurstRoll(int32_t Roll) override;
    void ClearEnemyBurstRoll() override;
    void ShowTitleFrame(TLumeBitmap &Surface) override;
    void ShowBackdrop(const TLumeBitmap &Surface) override;
    void Alert(const QString &Text) override;

private:
    void BuildLayout();
    void BuildTitlePage();
    void BuildStatusPanels(QWidget *Page);
    void BuildMessageAndDice(QWidget *Page);
    void BuildChoiceButtons(QWidget *Page);
    void BtnMainClick(TLumeButton *Sender);
    void BtnIdeaBurstClick();
    void PntTitleClick();
    // Makes the window's actions, one for each of its keys.
    void AddShortcuts();
    void ToggleHelp();
    void CloseHelp();
    void Quit();
    void ToggleSound();
    void SpeakState();
    void NewGameKey();
    void ChooseLanguageKey();
    TLumeLabel *DiceLabel(TDiceLabel Dice) const;
    // Stars and the five values of one side, in display order.
    void ShowSide(const TBattler &Side, TLumeLabel *HP,
                  const std::array<TLumeLabel *, StatRows> &Values, bool CountDown);

    std::array<TProcedure, ChoiceSlots> ChoiceActions{};
    int32_t ChoiceCount = 0;
    TFormHelp *Help = nullptr;
    TSpeech *Speech = nullptr;
};

// The main window; set before its constructor's body runs and cleared when
// it is destroyed.
extern TFormMain *FormMain;

// Builds the star text: filled up to HP, hollow up to MaxHP. The player's
// stars count down from MaxHP, the enemy's up from 1.
QString StarText(int32_t HP, int32_t MaxHP, bool CountDown);

// Loads the save file into Record and says whether it was loaded. A refused
// file is reported through the window's deferred calls, so a refusal found
// while the window is being built shows once the loop runs.
bool LoadGameAndReport(TBattler &Record);

// A modal message box with one OK button, captioned with the application
// title, over the active window.
void ShowMessageBox(const QString &Text);
// Where the message boxes' texts go instead of a box. Tests install one so
// that a report can be checked without a modal box waiting for a click;
// nullptr restores the message box.
using TAlertSink = void (*)(const QString &Text);
void SetAlertSink(TAlertSink Sink);
