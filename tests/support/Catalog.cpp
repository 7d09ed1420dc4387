// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalog.h"

#include <QFile>
#include <QXmlStreamReader>

QString CatalogSource(const QString &Language)
{
    return QStringLiteral(VANTIK_TRANSLATIONS_DIR "/vantik_%1.ts").arg(Language);
}

std::vector<TCatalogEntry> ReadCatalog(const QString &Path, QString *Error)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) {
        *Error = Path + QStringLiteral(": ") + file.errorString();
        return {};
    }
    std::vector<TCatalogEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            TCatalogEntry entry{
                context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", {}};
            while (xml.readNextStartElement()) {
                const auto part = xml.name();
                if (part == u"source") {
                    entry.Source = xml.readElementText();
                } else if (part == u"comment") {
                    entry.Comment = xml.readElementText();
                } else if (part == u"translation" && entry.Numerus) {
                    while (xml.readNextStartElement())
                        entry.Translations.append(xml.readElementText());
                } else if (part == u"translation") {
                    entry.Translations.append(xml.readElementText());
                } else {
                    xml.skipCurrentElement();
                }
            }
            entries.push_back(entry);
        }
    }
    if (xml.hasError()) {
        *Error = QStringLiteral("%1:%2: %3").arg(Path).arg(xml.lineNumber()).arg(xml.errorString());
        return {};
    }
    return entries;
}
