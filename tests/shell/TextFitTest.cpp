// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalog.h"
#include "GameHarness.h"
#include "Language.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <vector>

// Every English text laid out in the control that shows it, in that
// control's own font, with the widest names and numbers it can hold: a
// translation longer than the Japanese it replaces must not be cut off.
// The entries come from the catalog itself, so a new one is measured too.

namespace {

// The room a text has where it is shown, and how it is laid out there.
struct TRoom {
    QString Place;
    QFont Font;
    QSize Size;
    int Flags;
};

TRoom LabelRoom(const char *Place, const QLabel *Label)
{
    return {QString::fromLatin1(Place), Label->font(), Label->contentsRect().size(),
            int(Label->alignment())};
}

// A button's caption is drawn centred in its style's contents rect.
TRoom ButtonRoom(const char *Place, const QPushButton *Button)
{
    QStyleOptionButton option;
    option.initFrom(Button);
    option.text = Button->text();
    const QRect contents =
        Button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, Button);
    return {QString::fromLatin1(Place), Button->font(), contents.size(),
            Qt::AlignCenter | Qt::TextShowMnemonic};
}

// The title picture draws its text from x 250, y 325 of a 500 x 400 picture.
TRoom TitleRoom()
{
    QFont font = LumeFont(20, false, true);
    font.setStyleStrategy(QFont::NoAntialias);
    return {QStringLiteral("title picture"), font, QSize(500 - 250, 400 - 325),
            Qt::AlignLeft | Qt::AlignTop};
}

// The size Text takes in Room. A slanted font's ink may reach past the
// advance, so the wider of the two counts; below the last baseline only the
// ink counts, as a line of digits needs no room for descenders.
QSize Measure(const TRoom &Room, const QString &Text)
{
    const QFontMetrics metrics(Room.Font);
    QSize size = metrics.boundingRect(QRect(0, 0, 4096, 4096), Room.Flags, Text).size();
    const QStringList lines = Text.split(u'\n');
    for (const QString &line : lines)
        size.setWidth(std::max(size.width(), metrics.boundingRect(line).right() + 1));
    const int ink = std::max(0, metrics.tightBoundingRect(lines.back()).bottom() + 1);
    size.setHeight(size.height() - metrics.descent() + ink);
    return size;
}

QString Widest(const QFont &Font, const QStringList &Texts)
{
    const QFontMetrics metrics(Font);
    QString widest;
    for (const QString &text : Texts)
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    return widest;
}

// The numbers of normal play have up to three digits.
QStringList Numbers(int From)
{
    QStringList numbers;
    for (int n = From; n <= 999; ++n)
        numbers.append(QString::number(n));
    return numbers;
}

QString Tr(const TCatalogEntry &Entry, int N = -1)
{
    const QByteArray comment = Entry.Comment.toUtf8();
    return QCoreApplication::translate(Entry.Context.toUtf8().constData(),
                                       Entry.Source.toUtf8().constData(),
                                       comment.isEmpty() ? nullptr : comment.constData(), N);
}

class TextFitTest : public GameHarness {
protected:
    // Where an entry is shown: none for the texts that wrap by themselves
    // (the help's rich text, the message boxes), the window's caption and
    // what only a screen reader says.
    std::vector<TRoom> RoomsOf(const TCatalogEntry &Entry) const
    {
        const TFormMainControls &c = Controls();
        const QString &context = Entry.Context;
        if (context == u"Battle" || context == u"Menu" || context == u"Story" || context == u"Name")
            return {LabelRoom("message area", c.LabMain)};
        if (context == u"Stat")
            return {LabelRoom("stat caption", c.LabMainStatusName0),
                    LabelRoom("message area", c.LabMain)};
        if (context == u"Choice")
            return {Entry.Source == u"ib" ? ButtonRoom("ib button", c.BtnIdeaBurst)
                                          : ButtonRoom("choice button", c.BtnMain0)};
        if (context == u"Title")
            return {TitleRoom()};
        if (context == u"Dice" && Entry.Source == u"＋%1")
            return {LabelRoom("dice label", c.LabDiceMine)};
        if (context == u"Dice" && Entry.Source == u"%1＋%2")
            return {ButtonRoom("ib button", c.BtnIdeaBurst)};
        if (context == u"Dice" && Entry.Source == u"%1＋")
            return {LabelRoom("enemy burst label", c.LabIBEnemy)};
        if (context == u"Help" || context == u"Save" || context == u"Window" ||
            context == u"Speech" || context == u"Font")
            return {};
        ADD_FAILURE() << "no control known for " << context.toStdString() << " «"
                      << Entry.Source.toStdString() << "»: tell this test where it is shown";
        return {};
    }

    // %Slot stands for a number where the game's own wording puts it after a
    // stat's name or a sign of a sum; any other stands for a name.
    bool IsNumber(const TCatalogEntry &Entry, int Slot) const
    {
        if (Entry.Context == u"Dice")
            return true;
        const QString before =
            Entry.Source.left(Entry.Source.indexOf(u'%' + QString::number(Slot)));
        if (before.endsWith(u'＋') || before.endsWith(u'＝'))
            return true;
        return std::any_of(StatSources.begin(), StatSources.end(),
                           [&](const QString &Stat) { return before.endsWith(Stat); });
    }

    // The widest texts Entry can show in Room: each form, every name slot
    // holding the widest name and every number slot the widest number.
    QStringList Shown(const TCatalogEntry &Entry, const TRoom &Room) const
    {
        QStringList forms;
        if (Entry.Numerus)
            forms = {Tr(Entry, 1), Tr(Entry, Widest(Room.Font, Numbers(2)).toInt())};
        else
            forms = {Tr(Entry)};
        const QString name = Widest(Room.Font, Names);
        const QString number = Widest(Room.Font, Numbers(0));
        for (QString &form : forms) {
            for (int slot = 1; slot <= 4; ++slot)
                form.replace(u'%' + QString::number(slot), IsNumber(Entry, slot) ? number : name);
            // ShowText breaks lines only at the game's two-character "\n".
            form.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        }
        return forms;
    }

    QStringList StatSources;
    QStringList Names{QStringLiteral("######")};
};

TEST_F(TextFitTest, EveryEnglishTextFitsTheControlThatShowsIt)
{
    QString error;
    const std::vector<TCatalogEntry> entries =
        ReadCatalog(CatalogSource(QStringLiteral("en")), &error);
    ASSERT_GT(entries.size(), 100u)
        << "too few entries in the English catalog " << error.toStdString();
    const TLanguageScope english(QStringLiteral("en"));
    ASSERT_TRUE(english.Loaded()) << "no vantik_en.qm in " << BuiltCatalogFolder().toStdString();
    StartGame();
    ASSERT_EQ(QFontInfo(Controls().LabMain->font()).family(), QStringLiteral("IPAPGothic"))
        << "the game's font is missing: install fonts-ipafont-gothic";

    // A name slot may hold any fighter's name, a taken one, or a stat's.
    for (const TCatalogEntry &entry : entries) {
        if (entry.Context == u"Name" || entry.Context == u"Stat")
            Names.append(Tr(entry));
        if (entry.Context == u"Stat")
            StatSources.append(entry.Source);
    }

    int measured = 0;
    for (const TCatalogEntry &entry : entries) {
        const std::string what =
            entry.Context.toStdString() + " «" + entry.Source.toStdString() + "»";
        EXPECT_FALSE((entry.Translations + QStringList{entry.Source}).join(u' ').contains(u'\n'))
            << what << " holds a raw line feed; a line break is the two characters \\n";
        const QChar japanese = FirstJapanese(Tr(entry, 1));
        EXPECT_TRUE(japanese.isNull())
            << what << " shows Japanese: " << QString(japanese).toStdString();
        for (const TRoom &room : RoomsOf(entry)) {
            for (const QString &text : Shown(entry, room)) {
                const QSize size = Measure(room, text);
                ++measured;
                EXPECT_TRUE(size.width() <= room.Size.width() &&
                            size.height() <= room.Size.height())
                    << what << " is cut off in the " << room.Place.toStdString() << ": «"
                    << text.toStdString() << "» takes " << size.width() << " x " << size.height()
                    << " px, the room is " << room.Size.width() << " x " << room.Size.height();
            }
        }
    }
    EXPECT_GT(measured, 100);
}

} // namespace
