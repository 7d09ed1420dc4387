#include "LumeControls.h"
#include "LumeBmp.h"

#include <QColor>

#include <gtest/gtest.h>

TEST(LumePaintBox, ShowsTheBitmapCopiedOntoIt)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(30, 20, TPixel{5, 6, 7});
    TLumePaintBox box(nullptr);
    box.resize(30, 20);
    bitmap.CopyToPaintBox(box);
    EXPECT_EQ(box.Canvas().pixelColor(10, 10), QColor(7, 6, 5));
}
