// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeUtility.h"

#include <array>

// The main menu shows one of these, drawn at random, each time it opens.
constexpr int32_t FlavourLineCount = 10;
extern const std::array<const char *, FlavourLineCount> FlavourLines;

void MainMenu();
void NewGame();
void RerollPlayer();
void MenuSeek();
void MenuBoss();
void MenuSave();
