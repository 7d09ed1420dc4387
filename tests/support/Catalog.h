// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The messages of a Qt Linguist file as the file holds them, so that a test
// sees every entry of a catalog, a new one too, without listing them.

struct TCatalogEntry {
    QString Context;
    QString Source;
    QString Comment; // the disambiguation, part of the key; usually empty
    bool Numerus = false;
    // One text, or one per numerus form.
    QStringList Translations;
};

// The entries of the Linguist file at Path; empty, with Error set, when it
// cannot be read.
std::vector<TCatalogEntry> ReadCatalog(const QString &Path, QString *Error);

// The source tree's Linguist file of Language ("en").
QString CatalogSource(const QString &Language);

// The languages of the source tree's Linguist files.
QStringList SourceCatalogs();

// Makes Folder/vantik_<Language>.ts of the English catalog, every
// translation passed through Change as the file holds it (XML-escaped), and
// compiles it into Folder/vantik_<Language>.qm with the build's lrelease.
// What went wrong, or an empty string.
QString MakeCatalog(const QString &Folder, const QString &Language,
                    const std::function<QString(const QString &)> &Change);

// The made-up language that shows a text bypassing the catalog: every text
// of the English catalog wrapped in letters that Shift-JIS has not, and its
// '?' made '‽', so that every '?' on screen is a letter lost in a conversion.
inline const QString PseudoOpen = QStringLiteral("Ǎ");
inline const QString PseudoClose = QStringLiteral("Ӝ");
QString PseudoText(const QString &Text);
