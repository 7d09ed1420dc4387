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
    // Chinese writes Han characters and full-width forms too, and Korean the
    // same punctuation and spaces; only kana are Japanese alone.
    const bool chinese = Language.startsWith(QLatin1String("zh"));
    const bool korean = Language.startsWith(QLatin1String("ko"));
    for (const QChar c : Text) {
        const char16_t u = c.unicode();
        const bool kana = (u >= 0x3040 && u <= 0x30ff) || (u >= 0x31f0 && u <= 0x31ff) ||
                          (u >= 0xff65 && u <= 0xff9f);
        const bool punctuation = u >= 0x3000 && u <= 0x303f;
        const bool han = (u >= 0x3400 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef);
        if (kana || (!chinese && han) || (!chinese && !korean && punctuation))
            return c;
    }
    return {};
}
