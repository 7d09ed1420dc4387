// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeText.h"
#include "Recorder.h"
#include "UnitForm.h"

#include <QColor>

#include <array>
#include <string>
#include <vector>

class QWidget;
class TLumeLabel;

// What the game window shows, read as a player reads it.

// The text of a label or a button, and the colour it is drawn in.
std::string TextOf(const QWidget *Control);
QColor ColourOf(const QWidget *Control);

// The window's own controls, for tests that click the real buttons and read
// the real labels as a player would.
const TFormMainControls &Controls();

// Whether the enemy's stars and values are all blank.
bool EnemySideBlank();
