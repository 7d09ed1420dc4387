// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeTimer.h"

#include <QString>

#include <cstdint>

class TLumeBitmap;
struct TChoice;

// Which dice label is meant: the player's on the right or the enemy's on the
// left. None before the first roll.
enum class TDiceLabel { None, Mine, Enemy };

// The player's Idea Burst button: hidden, offered while the player's dice
// roll, or spent (still shown, no longer pressable) once pressed.
enum class TBurstButton { Hidden, Offered, Spent };

// All that the game's rules, the dice and the artwork need of the window.
// The window implements it; the rules see nothing else of it, so they can be
// read without the layout and the window can change without them. Each
// operation says what the player is shown, never which widget shows it.
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

    // A die's number (0 to 100), drawn red when an Idea Burst forced it.
    virtual void ShowDice(TDiceLabel Dice, int32_t Value, bool Forced) = 0;
    virtual void ClearDice(TDiceLabel Dice) = 0;
    // The player's burst button, and the two numbers it shows while offered:
    // the player's Reason and the burst roll.
    virtual void ShowBurstButton(TBurstButton State) = 0;
    virtual void ShowBurstRoll(int32_t Reason, int32_t Roll) = 0;
    // The enemy's burst roll, shown under its Reason; cleared with Clear.
    virtual void ShowEnemyBurstRoll(int32_t Roll) = 0;
    virtual void ClearEnemyBurstRoll() = 0;

    // The artwork: the title page's next frame (only what changed on Surface
    // since the last one needs drawing) and the main page's backdrop.
    virtual void ShowTitleFrame(TLumeBitmap &Surface) = 0;
    virtual void ShowBackdrop(const TLumeBitmap &Surface) = 0;

    // Tells the player something that needs an answer before play goes on,
    // such as a save file that cannot be read or written.
    virtual void Alert(const QString &Text) = 0;

protected:
    ~TGameScreen() = default;
};

// The main window as the rules see it; set while it exists. The dice, the
// scenes and the artwork run only then, which they assert rather than test.
extern TGameScreen *GameScreen;
