// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeFont.h"

namespace {
QStringList LeadingFaces;
}

void SetLeadingFaces(const QStringList &Faces)
{
    LeadingFaces = Faces;
}

QFont LumeFont(int PixelHeight, bool Bold, bool Italic)
{
    QFont font;
    font.setFamilies(LeadingFaces + QStringList{QString::fromUtf8("ＭＳ Ｐゴシック"),
                                                QStringLiteral("MS PGothic"),
                                                QStringLiteral("IPAPGothic")});
    font.setPixelSize(PixelHeight);
    font.setBold(Bold);
    font.setItalic(Italic);
    return font;
}
