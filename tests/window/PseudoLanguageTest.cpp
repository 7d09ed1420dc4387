// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalog.h"
#include "GameHarness.h"
#include "Language.h"
#include "LumeRandom.h"
#include "UnitBattler.h"
#include "UnitCommon.h"
#include "UnitHelp.h"
#include "UnitSaveLoad.h"
#include "UnitStory.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

// A whole game played in a made-up language: every text of the English
// catalog wrapped in letters that Shift-JIS has not, compiled at run time.
// A text that bypasses the catalog still shows Japanese; one that passes
// through a Shift-JIS conversion on its way loses the letters to '?'.

namespace {

const QString &Open = PseudoOpen;
const QString &Close = PseudoClose;

// What a text of the catalog looks like on screen: any name or stat in
// %1..%4, digits in %n, a line break for the game's "\n".
QRegularExpression ShownPattern(const QString &Text)
{
    static const QRegularExpression token(QStringLiteral(R"(%[1-4]|%n|\\n)"));
    QString pattern;
    qsizetype at = 0;
    for (auto match = token.globalMatch(Text); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        pattern += QRegularExpression::escape(Text.mid(at, m.capturedStart() - at));
        pattern += m.captured() == u"%n"    ? QStringLiteral(R"(\d+)")
                   : m.captured() == u"\\n" ? QStringLiteral("\n")
                                            : QStringLiteral("[^\n]*");
        at = m.capturedEnd();
    }
    return QRegularExpression(pattern + QRegularExpression::escape(Text.mid(at)));
}

QString Tr(const char *Context, const char *Source)
{
    return QCoreApplication::translate(Context, Source);
}

int NumberOn(const QString &Text)
{
    static const QRegularExpression digits(QStringLiteral(R"(\d+)"));
    const QRegularExpressionMatch match = digits.match(Text);
    return match.hasMatch() ? match.captured().toInt() : -1;
}

class PseudoLanguageTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        const QString folder = WorkDir() + QStringLiteral("/pseudo");
        const QString made = MakeCatalog(folder, QStringLiteral("pseudo"), PseudoText);
        ASSERT_TRUE(made.isEmpty()) << made.toStdString();
        const QString ts = folder + QStringLiteral("/vantik_pseudo.ts");
        QString error;
        const std::vector<TCatalogEntry> entries = ReadCatalog(ts, &error);
        ASSERT_GT(entries.size(), 100u)
            << "too few entries in " << ts.toStdString() << error.toStdString();
        for (const TCatalogEntry &entry : entries)
            if (entry.Context == u"Battle" || entry.Context == u"Menu" || entry.Context == u"Story")
                for (const QString &text : entry.Translations)
                    Patterns.emplace_back(entry.Source, ShownPattern(text));
        Language = std::make_unique<TLanguageScope>(QStringLiteral("pseudo"), folder);
        ASSERT_TRUE(Language->Loaded())
            << "the pseudo catalog did not load from " << folder.toStdString();
    }

    void TearDown() override
    {
        StopGame();
        Language.reset();
        GameHarness::TearDown();
    }

    void Launch(uint32_t Seed)
    {
        std::printf("seed %u\n", Seed);
        StartGame();
        RandSeed = Seed;
        ExpectTranslated();
    }

    // ---- What the window shows ----

    void ExpectText(const std::string &Where, const QString &Text, bool Marked)
    {
        const std::string shown = Where + " «" + Text.toStdString() + "» after click " +
                                  std::to_string(Clicks) + " (message «" + Message() + "»)";
        EXPECT_TRUE(FirstJapanese(Text).isNull()) << "Japanese left in the " << shown;
        EXPECT_FALSE(Text.contains(u'?')) << "a letter lost in the " << shown;
        EXPECT_FALSE(Text.contains(QChar::ReplacementCharacter)) << "a broken letter in " << shown;
        if (Marked && !Text.isEmpty()) {
            EXPECT_TRUE(Text.contains(Open) && Text.contains(Close))
                << "the catalog is not in use in the " << shown;
        }
    }

    // Every visible text comes from the catalog, but the numbers and stars.
    void ExpectTranslated()
    {
        const TFormMainControls &c = Controls();
        std::set<const QWidget *> plain{c.LabMyHP, c.LabEnemyHP};
        for (TLumeLabel *label : Controls().LabMyStatus)
            plain.insert(label);
        for (TLumeLabel *label : Controls().LabEnemyStatus)
            plain.insert(label);
        for (const QLabel *label : FormMain->findChildren<QLabel *>())
            if (label->isVisibleTo(FormMain))
                ExpectText("label", label->text(), !plain.count(label));
        for (const QPushButton *button : FormMain->findChildren<QPushButton *>())
            if (button->isVisibleTo(FormMain))
                ExpectText("button", button->text(), true);
        ExpectText("window caption", FormMain->windowTitle(), true);
        ExpectText("title page's name", c.PntTitle->accessibleName(), true);
        ExpectText("title page's description", c.PntTitle->accessibleDescription(), true);
        if (!c.LabMain->isVisibleTo(FormMain))
            return;
        const QString message = c.LabMain->text();
        for (const auto &[source, pattern] : Patterns)
            if (!message.isEmpty() && pattern.match(message).hasMatch())
                Seen.insert(source);
        Messages.push_back(message);
    }

    // Whether the choices offered are these, in the catalog's words.
    bool Offers(const Strings &Sources) const
    {
        Strings shown;
        for (const std::string &source : Sources)
            shown.push_back(Tr("Choice", source.c_str()).toStdString());
        return Choices() == shown;
    }

    // ---- Playing ----

    void Press(const char *Choice)
    {
        Click(Tr("Choice", Choice).toUtf8().constData());
        ++Clicks;
        ExpectTranslated();
    }

    // Lets the rolling dice tick to a number good for the player: high on
    // the player's own dice, low on the enemy's. An Idea Burst is tried once.
    void SteerDice()
    {
        const TFormMainControls &c = Controls();
        for (int tick = 0; tick < 5000 && DiceRolling; ++tick) {
            const bool mine = RollingDice == TDiceLabel::Mine;
            if (mine && !BurstTried && c.BtnIdeaBurst->isEnabled()) {
                ClickWidget(c.BtnIdeaBurst);
                BurstTried = true;
                ExpectTranslated();
            }
            const int dice = NumberOn((mine ? c.LabDiceMine : c.LabDiceEnemy)->text());
            if (dice == 100 || (mine ? dice >= 90 : dice >= 0 && dice <= 5))
                break;
            Advance(51);
        }
        ExpectTranslated();
    }

    // Plays the fight MenuChoice opens until the main menu is back or the
    // game has nothing left to choose (an ending's last words): Plan's
    // choices first ("escapo" flees the encounter), then attacks.
    void Fight(const char *MenuChoice, std::vector<const char *> Plan = {})
    {
        Press(MenuChoice);
        auto next = Plan.begin();
        for (int click = 0; click < 600 && !HasFailure(); ++click) {
            if (Offers(MenuChoices) || Choices().empty())
                return;
            if (Offers({"killl", "escapo"})) {
                Press(next != Plan.end() && *next == std::string("escapo") ? *next++ : "killl");
            } else if (Offers(TurnChoices)) {
                Press(next != Plan.end() ? *next++ : "attax");
            } else if (Offers({"右", "左"})) {
                Press("左");
            } else if (Offers(NextOnly)) {
                SteerDice();
                Press("≫");
            } else {
                FAIL() << "unexpected choices " << testing::PrintToString(Choices()) << " after "
                       << Message();
            }
        }
        FAIL() << "the fight did not end";
    }

    std::unique_ptr<TLanguageScope> Language;
    std::vector<std::pair<QString, QRegularExpression>> Patterns;
    std::set<QString> Seen;
    std::vector<QString> Messages;
    bool BurstTried = false;
    int Clicks = 0;
};

TEST_F(PseudoLanguageTest, AWholeGameShowsOnlyTheCatalogsWords)
{
    // The marks really are letters Shift-JIS has not.
    EXPECT_NE(FromSjis(ToSjis((Open + Close).toStdString())), Open + Close);

    // A new character with three stars or more, the intro read to the end,
    // an encounter fled, a fight with a spell and an escape, fights until
    // the character grows, and the save point.
    Launch(20240611);
    {
        const TFormHelp help(FormMain, true);
        ExpectText("help", help.windowTitle() + help.findChild<QTextBrowser *>()->toPlainText(),
                   true);
    }
    ClickWidget(Controls().PntTitle);
    ExpectTranslated();
    for (int roll = 0; roll < 200 && Controls().LabMyHP->text().count(QChar(0x2605)) < 3; ++roll)
        Press("noar");
    Press("yest");
    for (int line = 0; line < 40 && !Offers(MenuChoices); ++line)
        Press("≫");
    ASSERT_FALSE(HasFailure());
    Fight("seeek", {"escapo"});
    ASSERT_FALSE(HasFailure());
    Fight("seeek", {"magix", "escapy"});
    for (int fight = 0;
         fight < 20 && !HasFailure() && !Seen.count(QStringLiteral("%1の%2が%n点上がった！"));
         ++fight)
        Fight("seeek");
    ASSERT_FALSE(HasFailure());
    Fight("savie");
    ASSERT_FALSE(HasFailure());

    // Ending A from a prepared record: ALPHA, strong enough to beat the
    // sixth boss, takes its name.
    StopGame();
    TBattler record{};
    record.Name.Set("ALPHA");
    record.HP = record.MaxHP = 9;
    for (const TStat &stat : StatsInDisplayOrder)
        record.*stat.Current = record.*stat.Base = 100;
    record.BossIndex = EndingABoss;
    ASSERT_TRUE(SaveGame(record, ApplicationTitle));
    Launch(777);
    Fight("bosss!");
    QString taken = Tr("Battle", "%1はその手を%2にかけて、\\n強引に名前を剥ぎ取った！")
                        .arg(Tr("Name", "ALPHA"), Tr("Name", "roda"));
    taken.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    EXPECT_NE(std::find(Messages.begin(), Messages.end(), taken), Messages.end())
        << taken.toStdString();
    EXPECT_EQ(Message(), Tr("Story", EndingATitle).toStdString());

    EXPECT_TRUE(BurstTried);
    for (const char *source :
         {"あなたが落としたのはこのステータスですか？", IntroLines.back(), "と見せかけて逃げた。",
          "%1の攻撃……\\n命中%2", "%1は奇策を弄した……\\n閃き%2", "逃げてーー！\\nどっちかが大丈夫！",
          "%1の%2が%n点上がった！", "セーブをした。", "%1を殺した！", EndingALines.back()})
        EXPECT_TRUE(Seen.count(QString::fromUtf8(source))) << "never shown: " << source;
    std::printf("%zu texts of the catalog seen in %d clicks\n", Seen.size(), Clicks);
}

} // namespace
