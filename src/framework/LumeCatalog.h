// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

#include <memory>

class QTranslator;

// Qt catalogs (.qm) checked before they are used. QTranslator trusts every
// offset and length inside a catalog that begins with the right magic, so a
// file with a few bytes changed makes a later translation read outside it.

// Why Bytes are not a whole catalog, in a few English words ("block Messages
// runs past the end of the file"), or an empty string when every block, and
// every hash, offset and length inside it, stays where QTranslator reads it.
// A catalog that names other catalogs to load is refused: QTranslator would
// read those unchecked.
QString CatalogFault(QByteArrayView Bytes);

// The catalog at Path, loaded from the very bytes that were checked, which
// it keeps; null, with Fault set, when it cannot be read or is not whole.
std::unique_ptr<QTranslator> LoadCatalog(const QString &Path, QString *Fault);
