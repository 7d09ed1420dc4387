// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalog.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

QString CatalogSource(const QString &Language)
{
    return QStringLiteral(VANTIK_TRANSLATIONS_DIR "/vantik_%1.ts").arg(Language);
}

QStringList SourceCatalogs()
{
    QStringList languages;
    const QStringList files = QDir(QStringLiteral(VANTIK_TRANSLATIONS_DIR))
                                  .entryList({QStringLiteral("vantik_*.ts")}, QDir::Files);
    for (const QString &file : files)
        languages.append(file.section(u'_', 1).chopped(3));
    return languages;
}

QString MakeCatalog(const QString &Folder, const QString &Language,
                    const std::function<QString(const QString &)> &Change)
{
    static const QRegularExpression text(QStringLiteral("(<translation>|<numerusform>)([^<]+)</"));
    const QString ts = QStringLiteral("%1/vantik_%2.ts").arg(Folder, Language);
    QFile english(CatalogSource(QStringLiteral("en"))), made(ts);
    if (!english.open(QIODevice::ReadOnly))
        return english.fileName() + QStringLiteral(": ") + english.errorString();
    const QString source = QString::fromUtf8(english.readAll());
    QString out;
    qsizetype at = 0;
    for (auto match = text.globalMatch(source); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        out += source.mid(at, m.capturedStart(2) - at) + Change(m.captured(2));
        at = m.capturedEnd(2);
    }
    out += source.mid(at);
    if (!QDir().mkpath(Folder) || !made.open(QIODevice::WriteOnly) ||
        made.write(out.toUtf8()) <= 0 || !made.flush())
        return ts + QStringLiteral(": ") + made.errorString();
    QProcess lrelease;
    lrelease.start(QStringLiteral(VANTIK_LRELEASE),
                   {QStringLiteral("-silent"), ts, QStringLiteral("-qm"),
                    QStringLiteral("%1/vantik_%2.qm").arg(Folder, Language)});
    if (!lrelease.waitForFinished(-1))
        return QStringLiteral(VANTIK_LRELEASE " did not run");
    if (lrelease.exitCode() != 0)
        return QString::fromLocal8Bit(lrelease.readAllStandardError());
    return {};
}

QString PseudoText(const QString &Text)
{
    return PseudoOpen + QString(Text).replace(u'?', u'‽') + PseudoClose;
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
