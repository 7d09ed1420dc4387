// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeControls.h"
#include "LumeForm.h"
#include "LumeUtility.h"

#include <array>
#include <cstdint>

struct TBattler;
class TFormHelp;

// The choice buttons along the bottom of the main page; slot 0 is the right-most.
inline constexpr int32_t ChoiceSlots = 5;

// Which dice label is meant: the player's on the right or the enemy's on the
// left. None before the first roll.
enum class TDiceLabel { None, Mine, Enemy };

// The window's controls, made by TFormMain::BuildLayout. The window inherits
// them privately, as Qt Designer's forms do, so that game code reaches the
// screen only through the window's operations.
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
// operations through which all game steps talk to the player.
class TFormMain : public TLumeForm, private TFormMainControls {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *Owner = nullptr);
    ~TFormMain() override;

    // Shows one page and hides the other.
    void ShowTitlePage();
    void ShowMainPage();

    // The message and the choices under it.
    void ShowText(const QString &Text);
    void ClearChoices();
    // Caption is the game's own word (UTF-8, lupdate's "Choice" context); the
    // button shows it in the player's language.
    void AddChoice(const char *Caption, TProcedure Action);

    // Each side's stars and five values.
    void ShowPlayerStatus();
    void ShowEnemyStatus();
    void ClearEnemyStatus();

    // The dice labels, the enemy's burst roll and the player's burst button.
    void SetDiceText(TDiceLabel Dice, const QString &Text);
    void SetDiceColour(TDiceLabel Dice, const QColor &Colour);
    // Gives both dice labels the message's colour again.
    void ResetDiceColours();
    void SetEnemyBurstText(const QString &Text);
    void ShowBurstButton(bool Shown);
    void EnableBurstButton(bool Enabled);
    // Whether the burst button is shown and can be clicked.
    bool BurstButtonLive() const;
    void SetBurstText(const QString &Text);

    // Where the artwork shows its pictures.
    TLumePaintBox &TitlePaintBox() { return *PntTitle; }
    TLumeImage &BackdropImage() { return *ImgVuraviv; }

    // The "how to play" window, made when F1 first opens it.
    TFormHelp *HelpWindow() const { return Help; }

private:
    // Tests click the real buttons and read the real labels (tests/support/Screen.cpp).
    friend struct TFormMainProbe;

    void BuildLayout();
    void BtnMainClick(TLumeButton *Sender);
    void BtnIdeaBurstClick();
    void PntTitleClick();
    // The keys of the whole window: F1 help, M sound, Ctrl+Q quit, Escape
    // closes the help.
    void AddShortcuts();
    void ToggleHelp();
    void ToggleSound();
    TLumeLabel *DiceLabel(TDiceLabel Dice) const;
    void ShowStatValue(TLumeLabel *Label, int32_t Value, int32_t Base);
    // Stars and the five values of one side, in display order.
    void ShowSide(const TBattler &Side, TLumeLabel *HP, const std::array<TLumeLabel *, 5> &Values,
                  bool CountDown);

    std::array<TProcedure, ChoiceSlots> ChoiceActions{};
    int32_t ChoiceCount = 0;
    TFormHelp *Help = nullptr;
};

// The main window; set before its constructor's body runs and cleared when
// it is destroyed. The dice, the scenes and the artwork run only while it
// exists, which they assert rather than test.
extern TFormMain *FormMain;

// Builds the star text: filled up to HP, hollow up to MaxHP. The player's
// stars count down from MaxHP, the enemy's up from 1.
QString StarText(int32_t HP, int32_t MaxHP, bool CountDown);

// Loads the save file into Record and says whether it was loaded. A refused
// file is reported through the window's deferred calls, so a refusal found
// while the window is being built shows once the loop runs.
bool LoadGameAndReport(TBattler &Record);
