// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeText.h"

// The application title: the caption of the message boxes and the key of
// the save file's check code.
inline const TSjis ApplicationTitle = "VANTIK";

// Tells the player Text through the game's screen, as the save file's
// reports do: a message that waits for their answer.
void Alert(const QString &Text);
