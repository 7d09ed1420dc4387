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

// The first character of Text that a Japanese text has and a text in
// Language has not (kana; kanji and full-width forms but in Chinese; the
// ideographic space and brackets but in Chinese and Korean), or a null
// character when there is none.
QChar FirstJapanese(const QString &Text, const QString &Language = {});
