// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <memory>

namespace {

const QString CatalogPrefix = QStringLiteral("vantik_");
const QString CatalogSuffix = QStringLiteral(".qm");

std::unique_ptr<QTranslator> Catalog;

// "pt_BR.UTF-8@euro" -> "pt_BR": the encoding and modifier name no language.
QString LocaleName(const QString &Value)
{
    QString name = Value.section(u'@', 0, 0);
    return name.section(u'.', 0, 0);
}

bool IsCLocale(const QString &Name)
{
    return Name.isEmpty() || Name == QLatin1String("C") || Name == QLatin1String("POSIX");
}

} // namespace

TLocaleSettings TLocaleSettings::OfProcess()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

QString ChooseLanguage(const TLocaleSettings &Settings, const QStringList &Catalogs)
{
    QString locale = Settings.LcAll;
    if (locale.isEmpty())
        locale = Settings.LcMessages;
    if (locale.isEmpty())
        locale = Settings.Lang;
    // As gettext does, the C locale ignores LANGUAGE: it is the program's own text.
    if (IsCLocale(LocaleName(locale)))
        return {};
    QStringList wanted = Settings.Language.split(u':', Qt::SkipEmptyParts);
    wanted.append(locale);
    for (const QString &entry : std::as_const(wanted)) {
        const QString name = LocaleName(entry);
        const QString language = name.section(u'_', 0, 0);
        if (language == QLatin1String("ja"))
            return {};
        if (Catalogs.contains(name))
            return name;
        if (Catalogs.contains(language))
            return language;
    }
    return Catalogs.contains(QLatin1String("en")) ? QStringLiteral("en") : QString();
}

QStringList InstalledCatalogs(const QString &Folder)
{
    QStringList languages;
    const QStringList files =
        QDir(Folder).entryList({CatalogPrefix + u'*' + CatalogSuffix}, QDir::Files);
    for (const QString &file : files)
        languages.append(file.mid(CatalogPrefix.size(),
                                  file.size() - CatalogPrefix.size() - CatalogSuffix.size()));
    return languages;
}

bool UseLanguage(const QString &Language, const QString &Folder)
{
    if (Catalog) {
        QCoreApplication::removeTranslator(Catalog.get());
        Catalog.reset();
    }
    if (Language.isEmpty())
        return true;
    auto catalog = std::make_unique<QTranslator>();
    if (!catalog->load(CatalogPrefix + Language, Folder) ||
        !QCoreApplication::installTranslator(catalog.get()))
        return false;
    Catalog = std::move(catalog);
    return true;
}
