// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeFont.h"

namespace {
QStringList LeadingFaces;

// The face the layout was drawn for and its metric twin, then a proportional
// face for the few letters they lack (the low quotation mark of German and
// Polish), so that no letter is left to whatever face the system falls back on.
QStringList LayoutFaces()
{
    return {QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
            QStringLiteral("IPAPGothic"), QStringLiteral("DejaVu Sans")};
}
} // namespace

void SetLeadingFaces(const QStringList &Faces)
{
    LeadingFaces = Faces;
}

QFont LumeFont(int PixelHeight, bool Bold, bool Italic)
{
    QFont font;
    font.setFamilies(LeadingFaces + LayoutFaces());
    font.setPixelSize(PixelHeight);
    font.setBold(Bold);
    font.setItalic(Italic);
    return font;
}

QFont LayoutFaceOf(const QFont &Font)
{
    QFont font = Font;
    font.setFamilies(LayoutFaces());
    return font;
}
