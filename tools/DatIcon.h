// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Draws the game's icon (a die showing its hundred) and writes it as PNG.
bool WriteIcon(const QString &FileName, int Size);
