// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalog.h"
#include "GameHarness.h"
#include "Language.h"
#include "LumeFont.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

// Every text of every catalog, and of the game's own Japanese, shown in the
// control that shows it with the widest names and numbers it can hold, and
// measured in the font the control then draws it in: a translation longer
// than the Japanese it replaces may be drawn smaller, never cut off; the
// Japanese and English texts fit as they are. Every letter has a glyph in
// the faces its language chose. The entries come from the catalogs
// themselves, so a new one is measured too.

namespace {

// The room a text has where it is shown, and how it is laid out there.
struct TRoom {
    QString Place;
    QFont Font;
    QSize Size;
    int Flags;
    // How far below the room's top its lines start (above it when negative).
    int Lift = 0;
    // The control that shows it, which may draw a text smaller.
    TLumeLabel *Label = nullptr;
    TLumeButton *Button = nullptr;
};

TRoom LabelRoom(const char *Place, TLumeLabel *Label)
{
    return {QString::fromLatin1(Place),
            Label->font(),
            Label->size(),
            int(Label->alignment()),
            0,
            Label};
}

// A button's caption is drawn centred in its style's contents rect.
TRoom ButtonRoom(const char *Place, TLumeButton *Button)
{
    QStyleOptionButton option;
    option.initFrom(Button);
    option.text = Button->text();
    const QRect contents =
        Button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, Button);
    TRoom room{QString::fromLatin1(Place), Button->font(), contents.size(),
               Qt::AlignCenter | Qt::TextShowMnemonic};
    room.Button = Button;
    return room;
}

// Room once its control shows Text, in the font the control chose for it.
TRoom ShownIn(TRoom Room, const QString &Text)
{
    if (Room.Label) {
        Room.Label->SetCaption(Text);
        Room.Font = Room.Label->font();
        Room.Lift = Room.Label->CaptionRect().top();
    } else if (Room.Button) {
        Room.Button->SetCaption(Text);
        Room.Font = Room.Button->font();
    }
    return Room;
}

// The title picture draws its text from x 250, y 325 of a 500 x 400 picture.
TRoom TitleRoom()
{
    QFont font = LumeFont(20, false, true);
    font.setStyleStrategy(QFont::NoAntialias);
    return {QStringLiteral("title picture"), font, QSize(500 - 250, 400 - 325),
            Qt::AlignLeft | Qt::AlignTop};
}

// What Text takes in Room, from the room's top left. A slanted font's ink may
// reach past the advance, so the wider of the two counts; below the last
// baseline only the ink counts, as a line of digits needs no room for
// descenders, and so it does above lines raised past the room's top.
QRect Measure(const TRoom &Room, const QString &Text)
{
    const QFontMetrics metrics(Room.Font);
    QSize size = metrics.boundingRect(QRect(0, 0, 4096, 4096), Room.Flags, Text).size();
    const QStringList lines = Text.split(u'\n');
    for (const QString &line : lines)
        size.setWidth(std::max(size.width(), metrics.boundingRect(line).right() + 1));
    const int ink = std::max(0, metrics.tightBoundingRect(lines.back()).bottom() + 1);
    const int top = Room.Lift >= 0
                        ? Room.Lift
                        : Room.Lift + metrics.ascent() + metrics.tightBoundingRect(lines[0]).top();
    return QRect(QPoint(0, top),
                 QPoint(size.width() - 1, Room.Lift + size.height() - metrics.descent() + ink - 1));
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

// The English catalog's Latin letters as Cyrillic ones, as a Russian
// catalog has them; entities, placeholders and the game's "\n" stay.
QString Cyrillic(const QString &Text)
{
    static const QRegularExpression part(QStringLiteral(R"(&#?\w+;|%\w|\\n|[A-Za-z])"));
    static const QString latin = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    static const QString cyrillic = QStringLiteral("абцдефгхийклмнопярстувшжыз");
    QString out;
    qsizetype at = 0;
    for (auto match = part.globalMatch(Text); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        out += Text.mid(at, m.capturedStart() - at);
        const QString found = m.captured();
        const QChar letter =
            found.size() == 1 ? cyrillic[latin.indexOf(found[0].toLower())] : QChar();
        out += letter.isNull() ? found : found[0].isUpper() ? letter.toUpper() : letter;
        at = m.capturedEnd();
    }
    return out + Text.mid(at);
}

// A language to measure: its Linguist file and where its compiled catalog is.
struct TLanguage {
    QString Name; // empty for the game's own Japanese
    QString Catalog;
    QString Folder;
};

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
            return {LabelRoom("stat caption", c.LabStatusName[0]),
                    LabelRoom("message area", c.LabMain)};
        if (context == u"Choice")
            return {Entry.Source == u"ib" ? ButtonRoom("ib button", c.BtnIdeaBurst)
                                          : ButtonRoom("choice button", c.BtnMain[0])};
        if (context == u"Title")
            return {TitleRoom()};
        if (context == u"Dice" && Entry.Source == u"＋%1")
            return {LabelRoom("dice label", c.LabDiceMine)};
        if (context == u"Dice" && Entry.Source == u"%1＋%2")
            return {ButtonRoom("ib button", c.BtnIdeaBurst)};
        if (context == u"Dice" && Entry.Source == u"%1＋")
            return {LabelRoom("enemy burst label", c.LabIBEnemy)};
        if (context == u"Help" || context == u"Save" || context == u"Start" ||
            context == u"Window" || context == u"Speech" || context == u"Font")
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

    void ExpectEveryTextShowsWhole(const TLanguage &Language)
    {
        QString error;
        const std::vector<TCatalogEntry> entries = ReadCatalog(Language.Catalog, &error);
        ASSERT_GT(entries.size(), 100u)
            << "too few entries in " << Language.Catalog.toStdString() << error.toStdString();
        const TLanguageScope scope(Language.Name, Language.Folder);
        ASSERT_TRUE(scope.Loaded()) << "no vantik_" << Language.Name.toStdString() << ".qm in "
                                    << Language.Folder.toStdString();
        ResetGameGlobals();
        StartGame();
        // The layout was drawn for these two, in the Japanese face at its sizes.
        const bool laidOut = Language.Name.isEmpty() || Language.Name == u"en";
        const QFont font = Controls().LabStatusName[0]->font();
        if (laidOut) {
            ASSERT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"))
                << "the game's font is missing: install fonts-ipafont-gothic";
        }
        if (Language.Name == u"ru") {
            EXPECT_LT(QFontMetricsF(font).horizontalAdvance(QChar(0x430)), 0.7 * font.pixelSize())
                << "Cyrillic is drawn full-width, in " << QFontInfo(font).family().toStdString()
                << ": install fonts-dejavu-core";
        }

        // A name slot may hold any fighter's name, a taken one, or a stat's.
        Names = QStringList{QStringLiteral("######")};
        StatSources.clear();
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
            EXPECT_FALSE(
                (entry.Translations + QStringList{entry.Source}).join(u' ').contains(u'\n'))
                << what << " holds a raw line feed; a line break is the two characters \\n";
            if (entry.Context != u"Font")
                ExpectDrawnInChosenFaces(
                    what, Language.Name.isEmpty() ? entry.Source : entry.Translations.join(u' '),
                    Language.Name.isEmpty());
            const QChar japanese = FirstJapanese(Tr(entry, entry.Numerus ? 1 : -1), Language.Name);
            EXPECT_TRUE(Language.Name.isEmpty() || japanese.isNull())
                << what << " shows Japanese: " << QString(japanese).toStdString();
            for (const TRoom &room : RoomsOf(entry)) {
                for (const QString &text : Shown(entry, room)) {
                    const TRoom shown = ShownIn(room, text);
                    const QRect taken = Measure(shown, text);
                    ++measured;
                    EXPECT_TRUE(taken.top() >= 0 && taken.right() < shown.Size.width() &&
                                taken.bottom() < shown.Size.height())
                        << what << " is cut off in the " << shown.Place.toStdString() << ": «"
                        << text.toStdString() << "» takes " << taken.width() << " x "
                        << taken.height() << " px from " << taken.top() << " at "
                        << shown.Font.pixelSize() << " px, the room is " << shown.Size.width()
                        << " x " << shown.Size.height();
                    EXPECT_TRUE(!laidOut || shown.Font.pixelSize() == room.Font.pixelSize())
                        << what << " is drawn smaller in the " << shown.Place.toStdString() << ": «"
                        << text.toStdString() << "»";
                }
            }
        }
        EXPECT_GT(measured, 100);
    }

    // Each letter of Text has a glyph in a face the language chose, not only
    // in one Qt's fallback would find; a Han letter of another language than
    // Japanese is drawn in that language's face, never in the Japanese face's
    // forms. Marks of direction and spaces draw nothing.
    void ExpectDrawnInChosenFaces(const std::string &What, const QString &Text, bool Japanese)
    {
        const QStringList chosen = LumeFont(27).families();
        const QStringList layout = LayoutFaceOf(LumeFont(27)).families();
        QString missing, japaneseForms;
        for (const char32_t letter : Text.toUcs4()) {
            if (QChar::category(letter) == QChar::Other_Format || QChar::isSpace(letter))
                continue;
            const auto face =
                std::find_if(chosen.begin(), chosen.end(), [&](const QString &Family) {
                    return Face(Family).supportsCharacter(letter);
                });
            if (face == chosen.end())
                missing += QString::fromUcs4(&letter, 1);
            else if (!Japanese && layout.contains(*face) &&
                     QChar::script(letter) == QChar::Script_Han)
                japaneseForms += QString::fromUcs4(&letter, 1);
        }
        EXPECT_TRUE(missing.isEmpty()) << What << ": no face of " << chosen.join(u',').toStdString()
                                       << " draws " << missing.toStdString() << ": install it";
        EXPECT_TRUE(japaneseForms.isEmpty())
            << What << ": " << japaneseForms.toStdString() << " drawn in the Japanese face's forms";
    }

    // Family as installed, or a null font where it is not.
    QRawFont Face(const QString &Family)
    {
        auto [at, added] = Faces.try_emplace(Family);
        if (const QFont font(Family); added && QFontInfo(font).family() == Family)
            at->second = QRawFont::fromFont(font);
        return at->second;
    }

    QStringList StatSources;
    QStringList Names;
    std::map<QString, QRawFont> Faces;
};

TEST_F(TextFitTest, EveryTextOfEveryLanguageShowsWholeInTheControlThatShowsIt)
{
    // The game's own Japanese, the source texts of a catalog; every catalog of
    // translations/; then made ones: the pseudo-language, and Russian, whose
    // letters the Japanese face draws full-width.
    std::vector<TLanguage> languages{
        {{}, CatalogSource(QStringLiteral("en")), BuiltCatalogFolder()}};
    for (const QString &name : SourceCatalogs())
        languages.push_back({name, CatalogSource(name), BuiltCatalogFolder()});
    ASSERT_GT(languages.size(), 1u) << "no catalog in translations/";
    const QString made = WorkDir() + QStringLiteral("/made");
    const auto make = [&](const QString &Name, QString (*Change)(const QString &)) {
        const QString error = MakeCatalog(made, Name, Change);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        languages.push_back({Name, QStringLiteral("%1/vantik_%2.ts").arg(made, Name), made});
    };
    make(QStringLiteral("pseudo"), PseudoText);
    make(QStringLiteral("ru"), Cyrillic);
    for (const TLanguage &language : languages) {
        SCOPED_TRACE(language.Name.isEmpty() ? "Japanese" : language.Name.toStdString());
        ExpectEveryTextShowsWhole(language);
        StopGame();
    }
}

} // namespace
