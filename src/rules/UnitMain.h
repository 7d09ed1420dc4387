// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

// The main menu shows one of these, drawn at random, each time it opens.
constexpr int32_t FlavourLineCount = 10;
extern const std::array<const char *, FlavourLineCount> FlavourLines;

void MainMenu();
void NewGame();
// Leaves whatever is going on for the title page, as a start without a save
// file shows it, where a click rolls a new character. The save file stays
// as it is.
void StartOver();
void RerollPlayer();
void MenuSeek();
void MenuBoss();
void MenuSave();
