// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeUtility.h"

// The application title: the caption of the message boxes and the key of
// the save file's check code.
inline const TSjis ApplicationTitle = "VANTIK";

// A modal message box with one OK button, captioned with the application title.
void Alert(const QString &Text);

// Where Alert's messages go instead of a message box. Tests install one so
// that a report can be checked without a modal box waiting for a click;
// nullptr restores the message box.
using TAlertSink = void (*)(const QString &Text);
void SetAlertSink(TAlertSink Sink);
