// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeControls.h"
#include "LumeBmp.h"
#include "LumeFont.h"

#include <QAccessible>
#include <QColor>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

TEST(LumePaintBox, ShowsTheBitmapCopiedOntoIt)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(30, 20, TPixel{5, 6, 7});
    TLumePaintBox box(nullptr);
    box.resize(30, 20);
    CopyToPaintBox(bitmap, box);
    EXPECT_EQ(box.grab().toImage().pixelColor(10, 10), QColor(7, 6, 5));
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
        ASSERT_EQ(box.grab().toImage().convertToFormat(QImage::Format_BGR888),
                  std::as_const(*surface).Picture());
        surface->SetPenColour(QColor(255, 0, 0));
        surface->MoveTo(0, 3);
        surface->LineTo(10, 3);
    }
}

// A caption too wide or too tall for its control is drawn whole in a smaller
// size of the control's font; the next caption that fits gets the font's own
// size back.
TEST(LumeControls, ACaptionTooLongIsDrawnSmallerAndWhole)
{
    QWidget page;
    const QFont font = LumeFont(27, true);
    const QString fits = QStringLiteral("Fits");
    const QString tooWide = QStringLiteral("A caption far too long for it");
    TLumeLabel label(&page, QRect(0, 0, 100, 33), Qt::AlignHCenter, font, Qt::black, tooWide);
    const QRect room = label.contentsRect();
    // The pixels a line covers: its advance, or its ink where that reaches further.
    const auto spread = [](const QFont &Font, const QString &Line) {
        const QFontMetrics metrics(Font);
        return std::max(metrics.horizontalAdvance(Line), metrics.boundingRect(Line).right() + 1);
    };
    EXPECT_EQ(label.text(), tooWide);
    EXPECT_LE(spread(label.font(), tooWide), room.width()) << "cut off";

    label.SetCaption(QStringLiteral("Two\r\nlines"));
    EXPECT_LE(QFontMetrics(label.font()).size(0, label.text()).height(), room.height())
        << "the second line is cut off";
    label.SetCaption(fits);
    EXPECT_EQ(label.font().pixelSize(), 27);
    // Drawn smaller, a caption is centred on the line the full size takes,
    // where its neighbours' stand.
    const auto inkMiddle = [&](const QString &Caption) {
        label.SetCaption(Caption);
        const QImage shot = page.grab(label.geometry()).toImage();
        int top = -1, bottom = -1;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) != page.palette().window().color()) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
        return (top + bottom) / 2.0;
    };
    EXPECT_NEAR(inkMiddle(QStringLiteral("Fits Fits Fits")), inkMiddle(fits), 1.0);

    TLumeButton button(&page, QRect(0, 40, 100, 41), font, fits);
    EXPECT_EQ(button.font().pixelSize(), 27);
    button.SetCaption(tooWide);
    EXPECT_EQ(button.text(), tooWide);
    EXPECT_LT(spread(button.font(), tooWide), button.width());
}

// One pixel of the frame's colour round a clear inside; a plain widget to a screen reader.
TEST(LumeControls, AFrameIsOnePixelRoundAClearInsideAndAPlainWidget)
{
    TLumePanel page(nullptr, Qt::white);
    page.resize(6, 6);
    TLumeShape shape(&page, QRect(1, 1, 4, 4), Qt::gray);
    const QImage grab = page.grab().toImage();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(grab.pixelColor(i, i), i == 1 || i == 4 ? Qt::gray : Qt::white) << i;
        EXPECT_EQ(grab.pixelColor(i, 1), i >= 1 && i <= 4 ? Qt::gray : Qt::white) << i;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&shape)->role(), QAccessible::Client);
}
