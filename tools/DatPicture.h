// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Draws the 200 x 400 backdrop picture and writes it as a 24-bit BMP file.
bool WriteBackdropPicture(const QString &FileName);
