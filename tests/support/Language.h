// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The game in another language for the life of the object: Language's
// catalog from the build's data folder; the game's own Japanese again after.
class TLanguageScope {
public:
    explicit TLanguageScope(const QString &Language);
    ~TLanguageScope();
    TLanguageScope(const TLanguageScope &) = delete;
    TLanguageScope &operator=(const TLanguageScope &) = delete;
    bool Loaded() const { return Ok; }

private:
    bool Ok;
};

// The build's catalogs.
QString BuiltCatalogFolder();

// The first character of Text that a Japanese text has and an English one
// has not (kana, kanji, full-width forms, the ideographic space), or a null
// character when there is none.
QChar FirstJapanese(const QString &Text);
