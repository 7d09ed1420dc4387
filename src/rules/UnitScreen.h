// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeForm.h"

#include <QString>

class TLumeButton;
class TLumeImage;
class TLumeLabel;
class TLumePaintBox;
struct TChoice;

// Which dice label is meant: the player's on the right or the enemy's on the
// left. None before the first roll.
enum class TDiceLabel { None, Mine, Enemy };

// All that the game's rules, the dice and the artwork need of the window.
// The window implements it; the rules see nothing else of it, so they can be
// read without the layout and the window can change without them.
class TGameScreen {
public:
    // Shows one page and hides the other.
    virtual void ShowTitlePage() = 0;
    virtual void ShowMainPage() = 0;

    // The message and the choices under it. A message's two-character "\n"
    // is a line break.
    virtual void ShowText(const QString &Text) = 0;
    virtual void ClearChoices() = 0;
    virtual void AddChoice(const TChoice &Choice, TProcedure Action) = 0;

    // Each side's stars and five values.
    virtual void ShowPlayerStatus() = 0;
    virtual void ShowEnemyStatus() = 0;
    virtual void ClearEnemyStatus() = 0;
    // Has a screen reader say the player's stars and stats, once the step is
    // over, where no new message would tell of them.
    virtual void SayPlayerStatus() = 0;

    // What the dice show in: a dice label (null for None), the label of the
    // enemy's burst roll, and the player's burst button.
    virtual TLumeLabel *DiceLabel(TDiceLabel Dice) = 0;
    virtual TLumeLabel &EnemyBurstLabel() = 0;
    virtual TLumeButton &BurstButton() = 0;

    // Where the artwork shows its pictures.
    virtual TLumePaintBox &TitlePaintBox() = 0;
    virtual TLumeImage &BackdropImage() = 0;

protected:
    ~TGameScreen() = default;
};

// The main window as the rules see it; set while it exists. The dice, the
// scenes and the artwork run only then, which they assert rather than test.
extern TGameScreen *GameScreen;
