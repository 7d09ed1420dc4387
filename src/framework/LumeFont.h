// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

// The control font: the faces SetLeadingFaces named, then the face the
// layout was drawn for and its metric twin, then a proportional face for the
// letters they lack.
QFont LumeFont(int PixelHeight, bool Bold = false, bool Italic = false);

// Faces that every LumeFont made from now on tries first, for a language
// whose letters the layout's face draws badly; none gives the layout's own.
void SetLeadingFaces(const QStringList &Faces);

// Font in the faces the layout was drawn for alone, without the leading
// ones: its ascent is where the layout put the baseline of a line of text.
QFont LayoutFaceOf(const QFont &Font);
