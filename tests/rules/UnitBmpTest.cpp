// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitBmp.h"
#include "GameHarness.h"
#include "LumeRandom.h"
#include "UnitCommon.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

const QColor Black(0, 0, 0);
const QColor LineColour(0, 128, 64);
const QRect MessageRect(8, 256, 481, 89);

QColor SurfacePixel(const TLumeBitmap *Surface, int X, int Y)
{
    return Surface->Picture().pixelColor(X, Y);
}

// The colours found in a rectangle of the title surface.
std::set<QRgb> ColoursIn(const QRect &Area)
{
    std::set<QRgb> found;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            found.insert(SurfacePixel(TitleSurface, x, y).rgb());
    return found;
}

// Where the traces cannot reach: right of the vertical ones, below the
// horizontal ones; only the title and the growing line are drawn there.
const QRect TitleArea(100, 300, 400, 50);

int Lighten(int C)
{
    return 255 - (255 - C) / 2;
}

// Runs the frame in the real window, as the title timer would.
class TitleFrameTest : public GameHarness {
protected:
    void SetUp() override
    {
        GameHarness::SetUp();
        StartGame();
    }

    void FrameAt(int32_t N)
    {
        TitleFrameCount = N;
        TitleFrame();
    }

    // The painted stretch of the growing line on row 350, right of the traces.
    int LineLength()
    {
        int length = 0;
        for (int x = 100; x < 500; ++x)
            if (SurfacePixel(TitleSurface, x, 350) == LineColour)
                ++length;
            else
                EXPECT_EQ(SurfacePixel(TitleSurface, x, 350), Black) << x;
        return length;
    }
};

} // namespace

TEST_F(TitleFrameTest, FirstFrameHasTracesButNoLineAndABlackTitle)
{
    FrameAt(0);
    EXPECT_EQ(TitleFrameCount, 1);
    EXPECT_EQ(LineLength(), 0);
    EXPECT_EQ(ColoursIn(TitleArea), std::set<QRgb>{Black.rgb()});
    for (const QPoint corner : {QPoint(0, 0), QPoint(499, 0), QPoint(0, 399), QPoint(499, 399)})
        EXPECT_EQ(SurfacePixel(TitleSurface, corner.x(), corner.y()), Black);
}

TEST_F(TitleFrameTest, TracesFollowTheDrawsInOrder)
{
    // Replays the generator: each horizontal trace draws a colour, a start and
    // 126 points; each vertical one a colour, a start and 101 points.
    const uint32_t seed = RandSeed;
    int lastHorizontalBlue = 0, lastHorizontalY = 0, lastVerticalBlue = 0, lastVerticalX = 0;
    for (int pair = 0; pair < 3; ++pair) {
        lastHorizontalBlue = 64 + Random(64);
        lastHorizontalY = 50 + Random(50);
        for (int i = 0; i < 126; ++i)
            Random(50);
        lastVerticalBlue = 64 + Random(64);
        lastVerticalX = 50 + Random(50);
        for (int i = 0; i < 101; ++i)
            Random(50);
    }
    const uint32_t after = RandSeed;
    RandSeed = seed;
    FrameAt(0);
    EXPECT_EQ(RandSeed, after) << "the frame draws nothing else";
    EXPECT_EQ(SurfacePixel(TitleSurface, 0, lastHorizontalY), QColor(0, 128, lastHorizontalBlue));
    EXPECT_EQ(SurfacePixel(TitleSurface, lastVerticalX, 0), QColor(0, 128, lastVerticalBlue));
    // Every trace pixel lies in a band and carries a trace colour.
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 500; ++x) {
            const QColor c = SurfacePixel(TitleSurface, x, y);
            if (c == Black)
                continue;
            ASSERT_TRUE((y >= 50 && y <= 99) || (x >= 50 && x <= 99)) << x << "," << y;
            ASSERT_TRUE(c.red() == 0 && c.green() == 128 && c.blue() >= 64 && c.blue() <= 127);
        }
    }
}

TEST_F(TitleFrameTest, HalfWayTheLineIs128LongAndTheTitleHalfLit)
{
    FrameAt(128);
    EXPECT_EQ(TitleFrameCount, 129);
    EXPECT_EQ(LineLength(), 128);
    EXPECT_EQ(SurfacePixel(TitleSurface, 499, 350), LineColour);
    EXPECT_EQ(SurfacePixel(TitleSurface, 372, 350), LineColour);
    EXPECT_EQ(SurfacePixel(TitleSurface, 371, 350), Black);
    const std::set<QRgb> want{Black.rgb(), QColor(0, 64, 32).rgb(), QColor(0, 96, 48).rgb()};
    EXPECT_EQ(ColoursIn(TitleArea), want);
}

TEST_F(TitleFrameTest, AfterTheFadeEverythingStaysAtFullStrength)
{
    for (int frame = 0; frame < 3; ++frame) {
        FrameAt(frame == 0 ? 256 : TitleFrameCount);
        EXPECT_EQ(TitleFrameCount, 256);
        EXPECT_EQ(LineLength(), 256);
        EXPECT_EQ(SurfacePixel(TitleSurface, 244, 350), LineColour);
        EXPECT_EQ(SurfacePixel(TitleSurface, 243, 350), Black) << "the end point stays unpainted";
        const std::set<QRgb> want{Black.rgb(), QColor(0, 128, 64).rgb(), QColor(0, 192, 96).rgb()};
        EXPECT_EQ(ColoursIn(TitleArea), want);
    }
}

TEST_F(TitleFrameTest, FaceLiesOnePixelUpLeftOfItsShadow)
{
    FrameAt(256);
    // The face is drawn last, so where a face pixel has no face pixel to its
    // lower right, the shadow shows through there.
    int checked = 0;
    for (int y = TitleArea.top(); y < TitleArea.bottom(); ++y) {
        for (int x = TitleArea.left(); x < TitleArea.right(); ++x) {
            if (SurfacePixel(TitleSurface, x, y) != QColor(0, 192, 96) ||
                SurfacePixel(TitleSurface, x + 1, y + 1) == QColor(0, 192, 96))
                continue;
            ASSERT_EQ(SurfacePixel(TitleSurface, x + 1, y + 1), QColor(0, 128, 64));
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

TEST_F(TitleFrameTest, BackdropIsGroundPictureAndLightenedPanel)
{
    TLumeBitmap picture;
    picture.LoadImage("dat/vuraviv.bmp");
    ASSERT_EQ(picture.Width(), 200);
    ASSERT_EQ(picture.Height(), 400);
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 500; ++x) {
            const QColor plain =
                x < 300 ? QColor(223, 255, 255) : SurfacePixel(&picture, x - 300, y);
            const QColor want =
                MessageRect.contains(x, y)
                    ? QColor(Lighten(plain.red()), Lighten(plain.green()), Lighten(plain.blue()))
                    : plain;
            ASSERT_EQ(SurfacePixel(BackdropSurface, x, y), want) << x << "," << y;
        }
    }
    EXPECT_EQ(SurfacePixel(BackdropSurface, 8, 256), QColor(239, 255, 255));
}

// A backdrop made from a picture of known black and white patches.
TEST(Backdrop, LightensBlackAndKeepsWhite)
{
    TWorkingFolder folder(false);
    ASSERT_TRUE(folder.Ready());
    ASSERT_TRUE(QDir().mkdir("dat"));
    QImage picture(200, 400, QImage::Format_RGB888);
    picture.fill(Qt::black);
    for (int y = 0; y < 400; ++y)
        for (int x = 100; x < 200; ++x)
            picture.setPixelColor(x, y, Qt::white);
    ASSERT_TRUE(picture.save("dat/vuraviv.bmp", "BMP"));
    const TFormMain window; // builds the surfaces, as at start-up
    EXPECT_EQ(SurfacePixel(BackdropSurface, 310, 300), QColor(128, 128, 128));
    EXPECT_EQ(SurfacePixel(BackdropSurface, 310, 255), Black);
    EXPECT_EQ(SurfacePixel(BackdropSurface, 310, 345), Black);
    EXPECT_EQ(SurfacePixel(BackdropSurface, 420, 300), QColor(255, 255, 255));
    EXPECT_EQ(SurfacePixel(BackdropSurface, 488, 300), QColor(255, 255, 255));
    EXPECT_EQ(SurfacePixel(BackdropSurface, 7, 300), QColor(223, 255, 255));
    EXPECT_EQ(SurfacePixel(BackdropSurface, 8, 300), QColor(239, 255, 255));
}

TEST(Backdrop, MissingPictureFailsAndLeavesNothingBehind)
{
    TWorkingFolder folder(false);
    ASSERT_TRUE(folder.Ready());
    try {
        CreateSurfaces();
        ADD_FAILURE() << "no error without dat/vuraviv.bmp";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("dat/vuraviv.bmp"), std::string::npos);
    }
    FreeSurfaces();
    EXPECT_EQ(TitleSurface, nullptr);
    EXPECT_EQ(BackdropSurface, nullptr);
    FreeSurfaces();
    TitleFrame(); // without a surface the timer's frame does nothing
}

class ArtInWindow : public GameHarness {};

TEST_F(ArtInWindow, MainPageShowsTheBackdrop)
{
    StartGame();
    ChangeScene(TScene::Main);
    const QImage page = Controls().PageMain->grab().toImage();
    ASSERT_EQ(page.size(), QSize(500, 400));
    // Below the stat rows, inside the message panel, left of any text.
    EXPECT_EQ(page.pixelColor(12, 300), QColor(239, 255, 255));
    EXPECT_EQ(page.pixelColor(12, 250), QColor(223, 255, 255));
    EXPECT_EQ(page.pixelColor(495, 300), SurfacePixel(BackdropSurface, 495, 300));
    EXPECT_EQ(Controls().ImgVuraviv->Picture.convertToFormat(QImage::Format_BGR888),
              BackdropSurface->Picture());
}

TEST_F(ArtInWindow, TitleTimerPaintsThePaintBoxAndClosingFreesTheSurfaces)
{
    StartGame();
    ASSERT_EQ(CurrentScene, TScene::Title);
    Advance(60);
    EXPECT_EQ(TitleFrameCount, 1);
    const QImage shown = Controls().PntTitle->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(500, 400));
    EXPECT_EQ(shown.convertToFormat(QImage::Format_BGR888), TitleSurface->Picture());
    StopGame();
    EXPECT_EQ(TitleSurface, nullptr);
    EXPECT_EQ(BackdropSurface, nullptr);
}
