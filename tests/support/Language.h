// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The build's catalogs.
QString BuiltCatalogFolder();

// The game in another language for the life of the object: Language's
// catalog from Folder; the game's own Japanese again after.
class TLanguageScope {
public:
    explicit TLanguageScope(const QString &Language, const QString &Folder = BuiltCatalogFolder());
    ~TLanguageScope();
    TLanguageScope(const TLanguageScope &) = delete;
    TLanguageScope &operator=(const TLanguageScope &) = delete;
    bool Loaded() const { return Ok; }

private:
    bool Ok;
};

// The first character of Text that a Japanese text has and an English one
// has not (kana, kanji, full-width forms, the ideographic space), or a null
// character when there is none. Chinese (Language "zh_CN", "zh_TW") writes
// the same Han letters and punctuation: in it only kana count.
QChar FirstJapanese(const QString &Text, const QString &Language = {});
