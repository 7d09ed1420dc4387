// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include "UnitLanguage.h"

QString BuiltCatalogFolder()
{
    return QStringLiteral(VANTIK_DAT_DIR "/translations");
}

TLanguageScope::TLanguageScope(const QString &Language, const QString &Folder)
    : Ok(UseLanguage(Language, Folder))
{
}

TLanguageScope::~TLanguageScope()
{
    UseLanguage({});
}

QChar FirstJapanese(const QString &Text, const QString &Language)
{
    const bool chinese = Language.startsWith(QLatin1String("zh"));
    for (const QChar c : Text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30ff) ||
            (!chinese && ((u >= 0x3000 && u < 0x3040) || (u >= 0x3400 && u <= 0x9fff) ||
                          (u >= 0xff00 && u <= 0xffef))))
            return c;
    }
    return {};
}
