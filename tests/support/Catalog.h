// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

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
