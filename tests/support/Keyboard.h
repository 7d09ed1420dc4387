// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

class QWidget;

// Keys as a player presses them: the window is shown and active, and each
// key goes to the window the way the platform sends it, so that shortcuts,
// the form's keyboard filter and the focused control all see it in turn.

// Shows Window and makes it the active window; false when it never became active.
bool ShowActive(QWidget *Window);
// Presses and releases Key in the active window, or in Window when none is active.
void PressKey(QWidget *Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
// The control that has the keyboard focus, or nullptr.
QWidget *Focused();
