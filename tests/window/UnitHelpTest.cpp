// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitHelp.h"

#include "GameHarness.h"
#include "Language.h"

#include <QAccessible>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString PlainHelp(bool SoundOn)
{
    QTextDocument page;
    page.setHtml(HelpText(SoundOn, FormMain->actions()));
    return page.toPlainText();
}

using HelpPage = GameHarness;

// The game's language is the help's; each names the five stats as the main
// page does, every key, "ib" and the choices, and says whether sound is on.
TEST_F(HelpPage, EachLanguageExplainsStatsKeysAndSound)
{
    const struct {
        const char *Language;
        std::vector<const char *> Words;
    } pages[] = {
        {"en",
         {"Hit",
          "Evade",
          "Predict",
          "Flash",
          "Reason",
          "Idea Burst",
          "★",
          "grow",
          "save",
          "Enter",
          "Space",
          "Shift+Tab",
          "Right",
          "Esc",
          "Ctrl+Q",
          "Ctrl+N",
          "new game",
          "can still land an attack that was dodged",
          "own Flash down by a tenth",
          "whether the spell works or not",
          "at most all you lost",
          "come back after a victory",
          "\"ib\"",
          "28+16",
          "\"savie\"",
          "\"≫\"",
          "empty star"}},
        {"",
         {"命中",
          "回避",
          "予測",
          "閃き",
          "理力",
          "ダイス",
          "アイデアバースト",
          "★",
          "成長",
          "セーブ",
          "Enter",
          "Shift+Tab",
          "Ctrl+Q",
          "Ctrl+N",
          "新しいゲーム",
          "かわされた攻撃をそれでも当てる",
          "閃きが一割下がります",
          "勝てば元に戻ります",
          "成否にかかわらず",
          "倒した敵の星の数を上限に",
          "「ib」",
          "28＋16",
          "「savie」",
          "「≫」",
          "空の☆"}},
    };
    const char *const everywhere[] = {"F1", "M"};
    for (const auto &page : pages) {
        SCOPED_TRACE(page.Language);
        const TLanguageScope language(QString::fromLatin1(page.Language));
        ASSERT_TRUE(language.Loaded());
        // The keys' lines are the window's actions, made in the game's language.
        StartGame();
        const QString on = PlainHelp(true);
        // Its own scope: the window owns it, and must outlive it.
        auto help = std::make_unique<TFormHelp>(FormMain, true);
        auto *browser = help->findChild<QTextBrowser *>();
        EXPECT_EQ(browser->toPlainText(), on);
        // A screen reader reads the plain text, without the document's frame markers.
        QAccessibleTextInterface *read =
            QAccessible::queryAccessibleInterface(browser)->textInterface();
        ASSERT_NE(read, nullptr);
        const QString heard = read->text(0, read->characterCount());
        EXPECT_TRUE(heard.contains(QString::fromUtf8(page.Words.back())));
        EXPECT_FALSE(heard.contains(QChar(0xFDD0)) || heard.contains(QChar(0xFDD1)));
        EXPECT_FALSE(help->accessibleName().isEmpty());
        for (const char *word : page.Words)
            EXPECT_TRUE(on.contains(QString::fromUtf8(word))) << word;
        for (const char *word : everywhere)
            EXPECT_TRUE(on.contains(QString::fromUtf8(word))) << word;
        EXPECT_NE(on, PlainHelp(false)) << "the sound line does not change";
        if (*page.Language) {
            EXPECT_TRUE(FirstJapanese(on + help->windowTitle() + TitleAccessibleName() +
                                      TitleAccessibleDescription())
                            .isNull());
        }
        help.reset();
        StopGame();
    }
}

TEST(HelpPlace, StandsBesideTheGameWhereTheScreenHasRoom)
{
    const QRect game(300, 100, 500, 400);
    const QSize help(440, 400);
    const struct {
        QRect Desk;
        QPoint Place;
    } screens[] = {
        {QRect(0, 0, 1600, 900), QPoint(808, 100)},     // room on the right
        {QRect(0, 0, 1000, 900), QPoint(0, 100)},       // too little either side: the roomier one
        {QRect(-500, 0, 1400, 900), QPoint(-148, 100)}, // room on the left only
        {QRect(), QPoint(808, 100)},                    // no screen known
    };
    for (const auto &screen : screens)
        EXPECT_EQ(HelpPlace(game, screen.Desk, help), screen.Place) << screen.Desk.width();
}

} // namespace
