// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameHarness.h"
#include "Language.h"

#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitCommon.h"
#include "UnitHelp.h"
#include "UnitLanguage.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>

// What the pages look like on screen, grabbed from the real widgets: the
// pixels a player sees, not the off-screen surfaces behind them. Each page
// is also kept as a picture for the README.

namespace {

// How many pixels of exactly this colour lie in the rectangle.
int CountColour(const QImage &Image, const QRect &Area, const QColor &Colour)
{
    int count = 0;
    const QRect inside = Area.intersected(Image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += Image.pixelColor(x, y) == Colour;
    return count;
}

class PagePictures : public GameHarness {
protected:
    QImage Grab()
    {
        QImage image = FormMain->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QDir().mkpath(QStringLiteral(VANTIK_SCREENSHOT_DIR));
        return image;
    }
    static void Keep(const QImage &Image, const QString &Name)
    {
        Image.save(QDir(QStringLiteral(VANTIK_SCREENSHOT_DIR)).filePath(Name));
    }
};

} // namespace

TEST_F(PagePictures, TitlePageShowsTheFadedInTitleAndTheFullLine)
{
    StartGame();
    for (int frame = 0; frame < 257; ++frame)
        Advance(51);
    ASSERT_EQ(TitleFrameCount, 256);
    const QImage page = Grab();
    Keep(page, QStringLiteral("title.png"));
    EXPECT_GT(CountColour(page, QRect(249, 324, 251, 30), QColor(0, 192, 96)), 100) << "title face";
    EXPECT_GT(CountColour(page, QRect(250, 325, 251, 30), QColor(0, 128, 64)), 20)
        << "title shadow";
    // The line runs 256 pixels leftwards from x 499 (its end point unpainted).
    EXPECT_EQ(page.pixelColor(499, 350), QColor(0, 128, 64));
    EXPECT_EQ(page.pixelColor(244, 350), QColor(0, 128, 64));
}

// In the game's own Japanese, then in each language of a catalog (the
// pictures named "-en" and so on), with the help beside the fight.
TEST_F(PagePictures, MainPageShowsStatusMessageAndAForcedHundredInRed)
{
    QStringList languages = InstalledCatalogs(BuiltCatalogFolder());
    languages.sort();
    languages.prepend(QString());
    for (const QString &language : std::as_const(languages)) {
        SCOPED_TRACE(language.toStdString());
        const TLanguageScope scope(language);
        ASSERT_TRUE(scope.Loaded());
        const QString suffix =
            language.isEmpty() ? QStringLiteral(".png") : QStringLiteral("-%1.png").arg(language);
        ResetGameGlobals();
        StartGame();
        ClickWidget(Controls().PntTitle);
        Keep(Grab(), "statuspick" + suffix);
        Click("yest");
        Click("skipl");
        Keep(Grab(), "mainmenu" + suffix);

        Player.Reason = Player.BaseReason = 100;
        Click("seeek");
        Click("killl");
        // Whoever moves first, "≫" leads to the player's turn menu.
        for (int i = 0; i < 20 && Choices() == NextOnly; ++i)
            Click("≫");
        ASSERT_EQ(Choices(), TurnChoices) << Message();
        Click("attax");
        // Press "ib" once the button shows a roll that lifts 90 (the lowered
        // Reason) to 100, as a watchful player would.
        const QRegularExpression plus(QStringLiteral("[+\\x{FF0B}]"));
        for (int tick = 0; tick < 100; ++tick) {
            Advance(51);
            if (Controls().BtnIdeaBurst->text().section(plus, 1).toInt() >= 10)
                break;
        }
        ClickWidget(Controls().BtnIdeaBurst);
        ASSERT_EQ(DiceValue, 100);

        const QImage page = Grab();
        Keep(page, "fight" + suffix);
        const QRect dice = Controls().LabDiceMine->geometry();
        EXPECT_GT(CountColour(page, dice, QColor(255, 0, 0)), 20) << "the red ＋100";
        const QRect stars = Controls().LabEnemyHP->geometry();
        EXPECT_GT(CountColour(page, stars, QColor(0, 0, 0)), 50) << "the enemy's stars";
        // The message panel is the lightened ground; the page ground around it is not.
        EXPECT_EQ(page.pixelColor(12, 340), QColor(239, 255, 255));
        EXPECT_EQ(page.pixelColor(4, 340), QColor(223, 255, 255));
        {
            TFormHelp help(FormMain, true);
            help.show();
            help.grab().save(QDir(QStringLiteral(VANTIK_SCREENSHOT_DIR)).filePath("help" + suffix));
        }
        StopGame();
    }
}

TEST_F(PagePictures, ARepaintOfWhatADiceTickChangesLooksLikeAFullPaint)
{
    // A tick repaints the rolling number and the burst button only; the
    // message, frames and values beneath and around them must come out of
    // that repaint as a full paint draws them, with or without ink there.
    StartGame();
    ClickWidget(Controls().PntTitle);
    std::string wide;
    for (int i = 0; i < 30; ++i)
        wide += "あ";
    const std::string fiveLines = wide + "\\n" + wide + "\\n" + wide + "\\n" + wide + "\\n" + wide;
    const std::pair<const char *, std::string> messages[] = {{"one short line", "短い"},
                                                             {"five full lines", fiveLines}};
    for (const auto &[message, text] : messages) {
        FormMain->ShowText(Sj(text.c_str()));
        StartDiceRoll(true);
        DiceTick();
        const QImage full = Grab();
        const std::pair<const char *, QWidget *> changes[] = {
            {"my dice", Controls().LabDiceMine},
            {"enemy dice", Controls().LabDiceEnemy},
            {"burst", Controls().BtnIdeaBurst}};
        for (const auto &[name, changed] : changes) {
            const QRect area = changed->geometry();
            QImage part(full.size(), QImage::Format_RGB32);
            part.fill(Qt::magenta);
            FormMain->render(&part, area.topLeft(), QRegion(area));
            EXPECT_EQ(part.copy(area), full.copy(area)) << name << " over " << message;
        }
    }
}
