// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

// The control font: the faces SetLeadingFaces named, then the face the
// layout was drawn for and its metric twin.
QFont LumeFont(int PixelHeight, bool Bold = false, bool Italic = false);

// Faces that every LumeFont made from now on tries first, for a language
// whose letters the layout's face draws badly; none gives the layout's own.
void SetLeadingFaces(const QStringList &Faces);
