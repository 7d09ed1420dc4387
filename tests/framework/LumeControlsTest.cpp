// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeControls.h"
#include "LumeBmp.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

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
