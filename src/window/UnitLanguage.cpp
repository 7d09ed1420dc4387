// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitLanguage.h"

#include "LumeCatalog.h"
#include "LumeFont.h"
#include "LumeSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const QString CatalogPrefix = QStringLiteral("vantik_");
const QString CatalogSuffix = QStringLiteral(".qm");

std::unique_ptr<QTranslator> Catalog;
std::unique_ptr<QTranslator> QtCatalog;

// The catalog at Path when it is whole; else null, and the terminal says
// which file was refused and why.
std::unique_ptr<QTranslator> CheckedCatalog(const QString &Path)
{
    QString fault;
    std::unique_ptr<QTranslator> catalog = LoadCatalog(Path, &fault);
    if (!catalog)
        std::fprintf(stderr, "vantik: the catalog %s is not used: %s\n",
                     QDir::toNativeSeparators(Path).toLocal8Bit().constData(),
                     fault.toLocal8Bit().constData());
    return catalog;
}

// Qt's catalog for Language, found as QTranslator finds it: each of the
// locale's languages ("pt_BR"), then less and less of it ("pt").
QString QtCatalogPath(const QString &Language)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QStringList languages = QLocale(Language).uiLanguages();
    for (QString name : languages) {
        name.replace(u'-', u'_');
        for (; !name.isEmpty(); name.truncate(std::max<qsizetype>(name.lastIndexOf(u'_'), 0)))
            for (const QString &candidate : {name, name.toLower()})
                if (const QString path = QStringLiteral("%1/qtbase_%2.qm").arg(folder, candidate);
                    QFileInfo(path).isFile())
                    return path;
    }
    return {};
}

// Qt's own texts (a message box's buttons) in the game's language, from the
// catalogs Qt keeps where the system has them; the game's Japanese gets Qt's.
void UseQtCatalog(const QString &Language)
{
    if (QtCatalog) {
        QCoreApplication::removeTranslator(QtCatalog.get());
        QtCatalog.reset();
    }
    const QString path = QtCatalogPath(Language.isEmpty() ? QStringLiteral("ja") : Language);
    if (path.isEmpty())
        return;
    auto catalog = CheckedCatalog(path);
    if (catalog && QCoreApplication::installTranslator(catalog.get()))
        QtCatalog = std::move(catalog);
}

// "pt_BR.UTF-8@euro" -> "pt_BR": the encoding and modifier name no language.
QString LocaleName(const QString &Value)
{
    QString name = Value.section(u'@', 0, 0);
    return name.section(u'.', 0, 0);
}

// The catalog a language written in more than one way takes where the locale
// names none of its own: Traditional Chinese for Taiwan, Hong Kong and Macau,
// Simplified for any other Chinese; Brazilian Portuguese for any Portuguese.
QString RegionalCatalog(const QString &Name)
{
    const QString language = Name.section(u'_', 0, 0);
    const QString territory = Name.section(u'_', 1, 1);
    if (language == QLatin1String("zh")) {
        const bool traditional = territory == QLatin1String("TW") ||
                                 territory == QLatin1String("HK") ||
                                 territory == QLatin1String("MO");
        return traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    }
    if (language == QLatin1String("pt"))
        return QStringLiteral("pt_BR");
    return {};
}

bool IsCLocale(const QString &Name)
{
    return Name.isEmpty() || Name == QLatin1String("C") || Name == QLatin1String("POSIX");
}

// The face each script is drawn in where the game's Japanese face would draw
// it wrong: Cyrillic and Greek full-width, Han in its Japanese forms, Hangul
// and Arabic not at all. Each comes from a package the game's package depends
// on or recommends (fonts-dejavu-core, fonts-noto-cjk, fonts-noto-ui-core).
// Keyed by the script Qt's locale data gives the language, so Simplified and
// Traditional Chinese get their own glyph forms; read from a table rather
// than measured, so that choosing costs nothing at start-up.
struct TScriptFace {
    QLocale::Script Script;
    const char *Face;
};
constexpr TScriptFace ScriptFaces[] = {
    {QLocale::CyrillicScript, "DejaVu Sans"},
    {QLocale::GreekScript, "DejaVu Sans"},
    {QLocale::SimplifiedHanScript, "Noto Sans CJK SC"},
    {QLocale::TraditionalHanScript, "Noto Sans CJK TC"},
    {QLocale::KoreanScript, "Noto Sans CJK KR"},
    {QLocale::ArabicScript, "Noto Sans Arabic UI"},
};

// The faces of the whole game in Language: those its catalog names, then
// the face of its script. The Chinese, Korean and Arabic faces come before
// the Japanese face, so no letter of theirs is ever drawn in its forms.
void ChooseFaces(const QString &Language)
{
    QStringList faces;
    //: The font families this language's texts are drawn in, tried in turn
    //: before the game's own Japanese face: a comma-separated list such as
    //: "Noto Sans, DejaVu Sans", or "-" for none. Cyrillic and Greek, which
    //: the Japanese face draws full-width, get a proportional face anyway.
    const QStringList named = QCoreApplication::translate("Font", "-").split(u',');
    for (const QString &face : named)
        if (const QString name = face.trimmed(); !name.isEmpty() && name != u"-")
            faces.append(name);
    const QLocale::Script script = QLocale(Language).script();
    for (const TScriptFace &entry : ScriptFaces)
        if (entry.Script == script)
            faces.append(QString::fromLatin1(entry.Face));
    SetLeadingFaces(faces);
}

// Text runs in the language's direction: right to left in Arabic, where Qt
// shapes and joins the letters and a label's left and right trade places.
// The page itself stays as it is laid out, since its controls stand where
// they were placed, not in a layout that would mirror them.
void ChooseDirection(const QString &Language)
{
    QGuiApplication::setLayoutDirection(Language.isEmpty() ? Qt::LeftToRight
                                                           : QLocale(Language).textDirection());
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
        for (const QString &catalog : {name, language, RegionalCatalog(name)})
            if (!catalog.isEmpty() && Catalogs.contains(catalog))
                return catalog;
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

namespace {
QString LanguageInUse;
} // namespace

QString CurrentLanguage()
{
    return LanguageInUse;
}

bool UseLanguage(const QString &Language, const QString &Folder)
{
    LanguageInUse.clear();
    if (Catalog) {
        QCoreApplication::removeTranslator(Catalog.get());
        Catalog.reset();
    }
    SetLeadingFaces({});
    ChooseDirection({});
    std::unique_ptr<QTranslator> catalog;
    if (!Language.isEmpty())
        catalog = CheckedCatalog(Folder + u'/' + CatalogPrefix + Language + CatalogSuffix);
    // Qt's catalog is installed first, so that the game's own is asked first.
    UseQtCatalog(catalog ? Language : QString());
    if (!catalog)
        return Language.isEmpty();
    if (!QCoreApplication::installTranslator(catalog.get()))
        return false;
    Catalog = std::move(catalog);
    ChooseFaces(Language);
    ChooseDirection(Language);
    LanguageInUse = Language;
    return true;
}

QString UseLocaleLanguage(const TLocaleSettings &Settings, const QString &Folder)
{
    QStringList catalogs = InstalledCatalogs(Folder);
    for (;;) {
        const QString language = ChooseLanguage(Settings, catalogs);
        if (UseLanguage(language, Folder))
            return language;
        catalogs.removeAll(language);
    }
}

QString StartLanguage(const TLocaleSettings &Settings, const QString &SettingsFile,
                      const QString &Folder)
{
    const QString chosen = QString::fromUtf8(ReadSetting(SettingsFile, "language", "name"));
    if (chosen == QLatin1String("ja") && UseLanguage({}, Folder))
        return {};
    if (!chosen.isEmpty() && InstalledCatalogs(Folder).contains(chosen) &&
        UseLanguage(chosen, Folder))
        return chosen;
    return UseLocaleLanguage(Settings, Folder);
}

void KeepChosenLanguage(const QString &SettingsFile, const QString &Language)
{
    WriteSetting(SettingsFile, "language", "name", Language.toUtf8());
}

QStringList OfferedLanguages(const TLocaleSettings &Settings, const QString &Folder)
{
    const QStringList catalogs = InstalledCatalogs(Folder);
    const QString desktop = ChooseLanguage(Settings, catalogs);
    QStringList offered{desktop.isEmpty() ? QStringLiteral("ja") : desktop};
    for (const QString &language : QStringList{QStringLiteral("ja")} + catalogs)
        if (!offered.contains(language))
            offered.append(language);
    return offered;
}

QString LanguageName(const QString &Language)
{
    // Qt's own names, but for those it gives as a country's variant.
    static const std::pair<const char *, const char *> names[] = {
        {"en", "English"},
        {"zh_CN", "简体中文"},
        {"zh_TW", "繁體中文"},
        {"pt_BR", "Português (Brasil)"},
    };
    for (const auto &[code, name] : names)
        if (Language == QLatin1String(code))
            return QString::fromUtf8(name);
    QString name = QLocale(Language).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name.isEmpty() ? Language : name;
}
