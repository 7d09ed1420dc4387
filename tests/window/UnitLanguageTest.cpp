// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitLanguage.h"

#include "Catalog.h"
#include "Language.h"
#include "LumeFont.h"
#include "LumeSpeed.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The locale as a desktop program reads it decides; the game's own Japanese
// is the empty language.
TEST(Language, LocaleChoosesTheCatalog)
{
    const QStringList catalogs{"en", "pt_BR", "fr", "zh_CN", "zh_TW"};
    const struct {
        TLocaleSettings Settings;
        const char *Language;
    } cases[] = {
        {{"", "", "", ""}, ""},                                    // nothing set: the C locale
        {{"", "", "", "C"}, ""},                                   //
        {{"", "", "", "C.UTF-8"}, ""},                             //
        {{"", "POSIX", "", "en_US.UTF-8"}, ""},                    // LC_ALL wins
        {{"fr", "", "", "C.UTF-8"}, ""},                           // C ignores LANGUAGE
        {{"", "", "", "ja_JP.UTF-8"}, ""},                         //
        {{"", "", "", "ja_JP.eucJP"}, ""},                         //
        {{"", "", "", "en_US.UTF-8"}, "en"},                       //
        {{"", "", "", "en_GB"}, "en"},                             //
        {{"", "", "", "de_DE.UTF-8"}, "en"},                       // no catalog: English
        {{"", "", "", "fr_CA.UTF-8@euro"}, "fr"},                  // the language's catalog
        {{"", "", "", "pt_BR.UTF-8"}, "pt_BR"},                    // the country's own
        {{"", "", "", "pt_PT.UTF-8"}, "pt_BR"},                    // any Portuguese
        {{"", "", "", "zh_HK.UTF-8"}, "zh_TW"},                    // Traditional Chinese
        {{"", "", "", "zh_MO"}, "zh_TW"},                          //
        {{"", "", "", "zh_TW.UTF-8"}, "zh_TW"},                    //
        {{"", "", "", "zh_SG.UTF-8"}, "zh_CN"},                    // any other: Simplified
        {{"zh", "", "", "de_DE.UTF-8"}, "zh_CN"},                  //
        {{"", "", "fr_FR.UTF-8", "ja_JP.UTF-8"}, "fr"},            // LC_MESSAGES before LANG
        {{"", "de_DE.UTF-8", "fr_FR.UTF-8", "ja_JP.UTF-8"}, "en"}, // LC_ALL before both
        {{"de:fr:en", "", "", "de_DE.UTF-8"}, "fr"}, // the first catalog LANGUAGE names
        {{"ja:fr", "", "", "fr_FR.UTF-8"}, ""},      // Japanese first
        {{"de", "", "", "ja_JP.UTF-8"}, ""},         // then the locale itself
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChooseLanguage(c.Settings, catalogs), QString::fromLatin1(c.Language))
            << c.Settings.Language.toStdString() << " / " << c.Settings.LcAll.toStdString() << " / "
            << c.Settings.LcMessages.toStdString() << " / " << c.Settings.Lang.toStdString();
    // Without an English catalog the game stays in its own language.
    EXPECT_EQ(ChooseLanguage({"", "", "", "de_DE.UTF-8"}, {}), QString());
}

TEST(Language, CatalogsAreFoundAndLoadedFromTheDataFolder)
{
    EXPECT_TRUE(InstalledCatalogs(BuiltCatalogFolder()).contains("en"));
    QTemporaryDir empty;
    EXPECT_TRUE(InstalledCatalogs(empty.path()).isEmpty());
    // The window's caption, as the game shows it.
    const auto caption = [] { return QCoreApplication::translate("Window", "ヴェスカ"); };
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_FALSE(UseLanguage("en", empty.path())) << "a missing catalog must not load";
    EXPECT_EQ(caption(), QString::fromUtf8("ヴェスカ")) << "the game stays in its own language";
    {
        const TLanguageScope english("en");
        ASSERT_TRUE(english.Loaded());
        EXPECT_EQ(caption(), QStringLiteral("Vantik"));
        EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    }
    EXPECT_EQ(caption(), QString::fromUtf8("ヴェスカ"));
    // Qt's own buttons follow the game into its Japanese, from Qt's catalog
    // (Debian's qt6-translations-l10n).
    EXPECT_EQ(cancel(), QString::fromUtf8("キャンセル"));
}

// The language switch's choice is kept beside the sound switch and wins
// over the locale at the next start; the desktop's choice, or a language
// whose catalog is gone, leaves it to the locale again.
TEST(Language, TheSwitchesChoiceIsKeptForTheNextStart)
{
    QTemporaryDir folder;
    const QString settings = folder.filePath("vantik/vantik.conf");
    ASSERT_TRUE(QDir().mkpath(folder.filePath("vantik")));
    QFile sound(settings);
    ASSERT_TRUE(sound.open(QIODevice::WriteOnly));
    sound.write("[sound]\non=false\n");
    sound.close();
    const TLocaleSettings french{"", "", "", "fr_FR.UTF-8"};
    const QString catalogs = BuiltCatalogFolder();
    const struct {
        const char *Chosen, *Used;
    } cases[] = {{"de", "de"}, {"ja", ""}, {"", "fr"}, {"xx", "fr"}};
    for (const auto &c : cases) {
        KeepChosenLanguage(settings, QString::fromLatin1(c.Chosen));
        EXPECT_EQ(StartLanguage(french, settings, catalogs), QString::fromLatin1(c.Used))
            << c.Chosen;
        EXPECT_EQ(CurrentLanguage(), QString::fromLatin1(c.Used));
    }
    UseLanguage({});
    QFile kept(settings);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "[sound]\non=false\n[language]\nname=xx\n");
    // The desktop's language comes first, each in its own name.
    const QStringList offered = OfferedLanguages(french, catalogs);
    ASSERT_GE(offered.size(), 14);
    EXPECT_EQ(offered.first(), "fr");
    EXPECT_EQ(LanguageName("fr"), QString::fromUtf8("Français"));
    EXPECT_NE(LanguageName("zh_CN"), LanguageName("zh_TW"));
}

// A catalog may name faces for its language, tried before the game's; the
// game's own Japanese and English keep the game's faces alone.
TEST(Language, ACatalogNamesTheFacesOfItsLanguage)
{
    const QStringList own = LumeFont(12).families();
    {
        const TLanguageScope english("en");
        ASSERT_TRUE(english.Loaded());
        EXPECT_EQ(LumeFont(12).families(), own);
    }
    QTemporaryDir folder;
    const QString error = MakeCatalog(folder.path(), "de", [](const QString &Text) {
        return Text == u"-" ? QStringLiteral(" DejaVu Serif ,Noto Sans") : Text;
    });
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    {
        const TLanguageScope named("de", folder.path());
        ASSERT_TRUE(named.Loaded());
        EXPECT_EQ(LumeFont(12).families(), QStringList({"DejaVu Serif", "Noto Sans"}) + own);
    }
    EXPECT_EQ(LumeFont(12).families(), own);
}

// Simplified and Traditional Chinese draw the Han letters they share with
// Japanese each in its own forms (骨 and 令 differ in all three), whatever
// their catalogs hold.
TEST(Language, ChineseDrawsItsOwnGlyphForms)
{
    QTemporaryDir folder;
    const auto drawn = [&](const QString &Language) {
        const QString error =
            Language.isEmpty()
                ? QString()
                : MakeCatalog(folder.path(), Language, [](const QString &Text) { return Text; });
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        const TLanguageScope scope(Language, folder.path());
        EXPECT_TRUE(scope.Loaded()) << Language.toStdString();
        QImage image(160, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(LumeFont(64));
        painter.drawText(0, 64, QString::fromUtf8("骨令"));
        return image;
    };
    const QImage japanese = drawn({}), simplified = drawn("zh_CN"), traditional = drawn("zh_TW");
    EXPECT_NE(simplified, japanese);
    EXPECT_NE(traditional, japanese);
    EXPECT_NE(simplified, traditional) << "install fonts-noto-cjk";
}

// A German catalog cut short, or with an offset changed, is refused with
// one line on standard error, and a German player gets the next language
// the locale allows: here English, from the German catalog's own folder.
TEST(Language, ADamagedCatalogLeavesTheNextLanguage)
{
    QTemporaryDir folder;
    const QString made = MakeCatalog(
        folder.path(), "de", [](const QString &Text) { return QStringLiteral("de ") + Text; });
    ASSERT_TRUE(made.isEmpty()) << made.toStdString();
    ASSERT_TRUE(
        QFile::copy(BuiltCatalogFolder() + "/vantik_en.qm", folder.filePath("vantik_en.qm")));
    QFile german(folder.filePath("vantik_de.qm"));
    ASSERT_TRUE(german.open(QIODevice::ReadWrite));
    const QByteArray whole = german.readAll();
    const TLocaleSettings locale{"", "", "", "de_DE.UTF-8"};
    const auto caption = [] { return QCoreApplication::translate("Window", "ヴェスカ"); };
    EXPECT_EQ(UseLocaleLanguage(locale, folder.path()), "de");
    EXPECT_EQ(caption(), "de Vantik");
    // The first message's offset, after the magic, the block Language (the
    // English file's "en") and the first hash, moved into the message.
    ASSERT_EQ(whole.mid(16, 8), QByteArray::fromHex("a700000002656e") + 'B');
    QByteArray moved = whole;
    moved[35] = char(moved[35] + 1);
    for (const QByteArray &damaged : {whole.left(whole.size() / 2), moved}) {
        german.resize(0);
        ASSERT_EQ(german.write(damaged), damaged.size());
        german.flush();
        testing::internal::CaptureStderr();
        const QString used = UseLocaleLanguage(locale, folder.path());
        const QString said = QString::fromStdString(testing::internal::GetCapturedStderr());
        EXPECT_EQ(used, "en");
        EXPECT_EQ(caption(), "Vantik");
        EXPECT_EQ(said.count(u'\n'), 1) << said.toStdString();
        EXPECT_TRUE(said.startsWith("vantik: the catalog " + german.fileName()))
            << said.toStdString();
    }
    UseLanguage({});
}

} // namespace
