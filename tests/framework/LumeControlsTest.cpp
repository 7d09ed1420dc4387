// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeControls.h"
#include "LumeBmp.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

TEST(LumePaintBox, ShowsTheBitmapCopiedOntoIt)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(30, 20, TPixel{5, 6, 7});
    TLumePaintBox box(nullptr);
    box.resize(30, 20);
    CopyToPaintBox(bitmap, box);
    EXPECT_EQ(box.Canvas().pixelColor(10, 10), QColor(7, 6, 5));
}

TEST(LumePaintBox, ShowsWholeTheSurfaceCopiedAfterAnother)
{
    // Each surface copies only its changes to a box that showed it last;
    // after another surface's copy, the box must show all of this one.
    TLumeBitmap first, second;
    first.NewSurface(30, 20, TPixel{5, 6, 7});
    second.NewSurface(30, 20, TPixel{50, 60, 70});
    TLumePaintBox box(nullptr);
    box.resize(30, 20);
    for (TLumeBitmap *surface : {&first, &second, &first, &second}) {
        CopyToPaintBox(*surface, box);
        ASSERT_EQ(box.Canvas().convertToFormat(QImage::Format_BGR888),
                  std::as_const(*surface).Picture());
        surface->SetPenColour(QColor(255, 0, 0));
        surface->MoveTo(0, 3);
        surface->LineTo(10, 3);
    }
}

namespace {

// A page with the game's ground under a gradient, so that the text's
// antialiased edges blend over many colours.
std::unique_ptr<QWidget> MakePage(const QSize &Size)
{
    auto page = std::make_unique<QWidget>();
    page->resize(Size);
    QLinearGradient ground(0, 0, Size.width(), Size.height());
    ground.setColorAt(0, QColor(223, 255, 255));
    ground.setColorAt(1, QColor(40, 90, 160));
    QPalette pal = page->palette();
    pal.setBrush(QPalette::Window, ground);
    page->setPalette(pal);
    page->setAutoFillBackground(true);
    return page;
}

QImage Render(QWidget &Page)
{
    QImage image(Page.size(), QImage::Format_RGB32);
    Page.render(&image);
    return image;
}

// The label as it was set up before it drew its own caption: a plain QLabel.
QLabel *MakeQtLabel(QWidget *Page, const QRect &Bounds, Qt::Alignment HAlign, const QFont &Font,
                    const QColor &Colour, const TSjis &Caption)
{
    auto *label = new QLabel(Page);
    label->setGeometry(Bounds);
    label->setFont(Font);
    label->setAlignment(HAlign | Qt::AlignTop);
    label->setWordWrap(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setTextFormat(Qt::PlainText);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Colour);
    label->setPalette(pal);
    label->setText(FromSjis(Caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    return label;
}

TSjis Repeated(const char *Utf8, int Count)
{
    TSjis text;
    for (int i = 0; i < Count; ++i)
        text += ToSjis(Utf8);
    return text;
}

} // namespace

// The controls draw their captions from a kept layout; every caption the
// game shows must come out pixel for pixel as Qt's own painting draws it.
TEST(LumeControls, KeptCaptionsPaintAsQtPaintsThem)
{
    const QColor grey(127, 127, 127), message(68, 102, 102), red(255, 0, 0), black(0, 0, 0);
    const QFont big = LumeFont(27, true), mid = LumeFont(16, true), small = LumeFont(12);
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    const QRect value(352, 48, 80, 33), dice(440, 320, 49, 25), text(8, 256, 481, 89);
    const TSjis line = Repeated("あ", 30), crlf = "\r\n";
    const struct {
        const char *Name;
        QRect Bounds;
        Qt::Alignment HAlign;
        QFont Font;
        QColor Colour;
        TSjis Caption;
    } labels[] = {
        {"stat name", {200, 48, 100, 33}, centre, big, grey, ToSjis("命中")},
        {"value", value, centre, big, black, "17"},
        {"grey value", value, centre, big, grey, "100"},
        {"my stars", {280, 8, 208, 33}, right, big, black, Repeated("☆", 3) + Repeated("★", 4)},
        {"stars past the edge", {8, 8, 208, 33}, left, big, black, Repeated("★", 40)},
        {"dice", dice, centre, mid, message, ToSjis("＋42")},
        {"forced dice", dice, centre, mid, red, ToSjis("＋100")},
        {"empty dice", dice, centre, mid, message, ""},
        {"enemy burst", {16, 216, 57, 17}, centre, mid, grey, ToSjis("87＋")},
        {"message", text, centre, mid, message,
         ToSjis("あなたが落としたのはこのステータスですか？")},
        {"two lines", text, centre, mid, message, ToSjis("敵があらわれた！\r\n「ふふふ」 ok?")},
        {"more lines than fit", text, centre, mid, message,
         line + crlf + line + crlf + line + crlf + line + crlf + line + crlf + line},
        {"left, small", {8, 8, 120, 20}, left, small, grey, ToSjis("理力 7 + 3")},
        {"right, two lines", {8, 8, 150, 40}, right, small, black, ToSjis("閃き\r\n予測 12")},
    };
    const struct {
        const char *Name;
        QRect Bounds;
        QFont Font;
        TSjis Caption;
    } buttons[] = {
        {"choice", {304, 352, 89, 41}, LumeFont(19, true), "attax"},
        {"next", {400, 352, 89, 41}, LumeFont(19, true), ToSjis("≫")},
        {"burst roll", {416, 208, 65, 25}, LumeFont(12, true), ToSjis("45＋99")},
    };
    // Each control first paints another caption, which it must not keep
    // drawing. Disabled controls keep Qt's painting, which must still be what shows.
    for (const bool disabled : {false, true}) {
        for (const auto &c : labels) {
            const auto mine = MakePage({500, 400});
            auto *label = new TLumeLabel(mine.get(), c.Bounds, c.HAlign, c.Font, c.Colour, "100");
            Render(*mine);
            label->SetCaption(c.Caption);
            const auto qt = MakePage({500, 400});
            MakeQtLabel(qt.get(), c.Bounds, c.HAlign, c.Font, c.Colour, c.Caption);
            mine->setDisabled(disabled);
            qt->setDisabled(disabled);
            EXPECT_EQ(Render(*mine), Render(*qt)) << c.Name << (disabled ? ", disabled" : "");
        }
        for (const auto &c : buttons) {
            const auto mine = MakePage({500, 400});
            auto *button = new TLumeButton(mine.get(), c.Bounds, c.Font, "100");
            Render(*mine);
            button->SetCaption(c.Caption);
            const auto qt = MakePage({500, 400});
            auto *plain = new QPushButton(FromSjis(c.Caption), qt.get());
            plain->setGeometry(c.Bounds);
            plain->setFont(c.Font);
            mine->setDisabled(disabled);
            qt->setDisabled(disabled);
            EXPECT_EQ(Render(*mine), Render(*qt)) << c.Name << (disabled ? ", disabled" : "");
        }
    }
}
