// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The game's own words are Japanese; every other language comes from a
// catalog, dat/translations/vantik_<language>.qm, made from a Qt Linguist
// file of translations/. Adding a language takes that one file.

// The player's locale as every desktop program reads it.
struct TLocaleSettings {
    QString Language;   // LANGUAGE: preferred languages, separated by colons
    QString LcAll;      // LC_ALL
    QString LcMessages; // LC_MESSAGES
    QString Lang;       // LANG

    static TLocaleSettings OfProcess();
};

// The language the game speaks for Settings, given the catalogs at hand
// ("en", "pt_BR"): an empty string for the game's own Japanese, which a
// Japanese locale and the C locale get; the catalog a locale asks for where
// there is one; English for any other locale.
QString ChooseLanguage(const TLocaleSettings &Settings, const QStringList &Catalogs);

// Where the catalogs are, beside the other data files, so that the source
// tree's game and the installed one find them alike.
inline constexpr char CatalogFolder[] = "dat/translations";

// The languages whose catalogs are in Folder.
QStringList InstalledCatalogs(const QString &Folder = QString::fromLatin1(CatalogFolder));

// Every text the game shows from now on is in Language, from its catalog in
// Folder, or in its own Japanese for an empty one, Qt's own texts too where
// the system has Qt's catalog for it, and every font made after
// draws that language's letters in faces that suit them. A catalog, the
// game's or Qt's, is checked whole before it is used. False when the
// catalog cannot be read or is refused, which standard error tells; the
// game is then Japanese.
bool UseLanguage(const QString &Language,
                 const QString &Folder = QString::fromLatin1(CatalogFolder));

// Uses the language ChooseLanguage picks for Settings among the catalogs in
// Folder; a catalog UseLanguage refuses is left out and the choice made
// again, down to English and then the game's own Japanese. The language used.
QString UseLocaleLanguage(const TLocaleSettings &Settings,
                          const QString &Folder = QString::fromLatin1(CatalogFolder));

// The language in use: as UseLanguage last took it, empty for Japanese.
QString CurrentLanguage();

// The language of this start: the one the player chose with the language
// switch, kept in SettingsFile, else what the locale asks for
// (UseLocaleLanguage). The language used.
QString StartLanguage(const TLocaleSettings &Settings, const QString &SettingsFile,
                      const QString &Folder = QString::fromLatin1(CatalogFolder));
// Keeps the player's choice for the next start: a language ("ja" for
// Japanese), or empty to follow the desktop.
void KeepChosenLanguage(const QString &SettingsFile, const QString &Language);
// The languages the switch offers ("ja", "en", "zh_TW"...), the desktop's first.
QStringList OfferedLanguages(const TLocaleSettings &Settings,
                             const QString &Folder = QString::fromLatin1(CatalogFolder));
// A language's name in that language: "Deutsch", "日本語".
QString LanguageName(const QString &Language);
