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

// The window's controls, made by TFormMain::BuildLayout, each with its
// member's name as its object name. The window inherits them privately, as
// Qt Designer's forms do, so that game code reaches the screen only through
// the window's operations.
struct TFormMainControls {
    TLumePanel *PageTitle;
    TLumePaintBox *PntTitle;
    TLumePanel *PageMain;
    TLumeImage *ImgVuraviv;
    TLumeShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5;
    TLumeLabel *LabMainStatusName0, *Label1, *Label2, *Label3, *Label4;
    TLumeLabel *LabMyStatus0, *LabMyStatus1, *LabMyStatus2, *LabMyStatus3, *LabMyStatus4;
    TLumeLabel *LabEnemyStatus0, *LabEnemyStatus1, *LabEnemyStatus2, *LabEnemyStatus3,
        *LabEnemyStatus4;
    TLumeLabel *LabMyHP, *LabEnemyHP;
    TLumeLabel *LabMain, *LabDiceMine, *LabDiceEnemy, *LabIBEnemy;
    TLumeButton *BtnMain0, *BtnMain1, *BtnMain2, *BtnMain3, *BtnMain4;
    TLumeButton *BtnIdeaBurst;

    std::array<TLumeButton *, ChoiceSlots> ChoiceButtons{};
};

// The game's only window: the title page and the main page, and the screen
// through which all game steps talk to the player.
class TFormMain : public TLumeForm, public TGameScreen, private TFormMainControls {
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
    TLumeLabel *DiceLabel(TDiceLabel Dice) override;
    TLumeLabel &EnemyBurstLabel() override { return *LabIBEnemy; }
    TLumeButton &BurstButton() override { return *BtnIdeaBurst; }
    TLumePaintBox &TitlePaintBox() override { return *PntTitle; }
    TLumeImage &BackdropImage() override { return *ImgVuraviv; }

private:
    void BuildLayout();
    void BuildTitlePage();
    void BuildStatusPanels(QWidget *Page);
    void BuildMessageAndDice(QWidget *Page);
    void BuildChoiceButtons(QWidget *Page);
    void BtnMainClick(TLumeButton *Sender);
    void BtnIdeaBurstClick();
    void PntTitleClick();
    // Binds the keys of the game's key table.
    void AddShortcuts();
    void ToggleHelp();
    void CloseHelp();
    void Quit();
    void ToggleSound();
    void SpeakState();
    void ShowStatValue(TLumeLabel *Label, int32_t Value, int32_t Base);
    // Stars and the five values of one side, in display order.
    void ShowSide(const TBattler &Side, TLumeLabel *HP, const std::array<TLumeLabel *, 5> &Values,
                  bool CountDown);

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
