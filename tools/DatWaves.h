// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Writes the thirteen wave files (16-bit PCM) into Dir; false on a write error.
bool WriteWaveFiles(const QString &Dir);
