// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Screen.h"
#include "UnitForm.h"
#include "WorkingFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

// Builds the real game window in a temporary working folder that holds a
// link to the generated dat/ folder (see TWorkingFolder). The generator is seeded, the scheduler's
// clock is replaced, and the test drives the main loop's passes itself.
class GameHarness : public ::testing::Test {
public:
    // The messages the game showed in message boxes, as UTF-8. The harness
    // records them instead of opening a modal box that would wait for a click.
    static std::vector<std::string> Alerts;

protected:
    void SetUp() override;
    void TearDown() override;

    // Builds FormMain as the program does (title page, or the main menu when
    // a valid save.dat is in the working folder).
    void StartGame();
    // Destroys FormMain, which frees the game-wide objects.
    void StopGame();
    // A new game in a shown, active window, as keys and a screen reader need.
    void StartActiveGame();

    // Runs one pass of the main loop (events, then due timers).
    void Pass();
    // Advances the fake clock by Ms milliseconds and runs one pass.
    void Advance(uint32_t Ms);

    // Clicks the visible choice button whose caption is Utf8Caption; fails
    // the test when there is none.
    void Click(const char *Utf8Caption);
    // Clicks the visible choice button in slot Slot (0 is the right-most).
    void ClickSlot(int Slot);
    // Clicks a widget with the mouse, as a player would.
    static void ClickWidget(QWidget *Widget);

    // The message area's text as UTF-8, line breaks as "\n".
    std::string Message() const;
    // The captions of the visible choice buttons, slot 0 first, as UTF-8.
    std::vector<std::string> Choices() const;
    // The interval of the first timer of that name, or -1 when there is none.
    static int32_t TimerInterval(const char *Name);
    static QString Sj(const char *Utf8Text) { return QString::fromUtf8(Utf8Text); }

    // The working folder of the test.
    QString WorkDir() const { return Folder->Path(); }

    static uint32_t FakeNow;
    std::unique_ptr<TWorkingFolder> Folder;
};
