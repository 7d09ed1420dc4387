// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeText.h"
#include "UnitForm.h"

#include <QColor>

#include <array>
#include <string>
#include <vector>

class QWidget;
class TLumeLabel;

// What the game window shows, read as a player reads it, and the screens'
// fixed sets of choices, as UTF-8.

using Strings = std::vector<std::string>;

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
// The text of a label or a button, and the colour it is drawn in.
std::string TextOf(const QWidget *Control);
QColor ColourOf(const QWidget *Control);

// The window's own controls, for tests that click the real buttons and read
// the real labels as a player would.
const TFormMainControls &Controls();
// Puts a recorder between the rules and FormMain that keeps the choice table
// the rules build: the actions of the choices, slot 0 first, and their count.
void WatchChoices();
const std::array<TProcedure, ChoiceSlots> &ChoiceActions();
int32_t ChoiceCount();

// Whether the enemy's stars and values are all blank.
bool EnemySideBlank();
// Whether Text is one of the main menu's flavour lines.
bool IsFlavourLine(const std::string &Text);
