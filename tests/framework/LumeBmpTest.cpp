// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeBmp.h"
#include "LumeControls.h"
#include "LumeFont.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <stdexcept>

namespace {

const QColor Palette[4] = {QColor(0, 0, 0), QColor(255, 255, 255), QColor(200, 30, 40),
                           QColor(20, 60, 220)};

// The colour index of the test pattern at (X, Y) for a palette of Colours.
int PatternIndex(int X, int Y, int Colours)
{
    return (X / 50 + Y / 75) % Colours;
}

int BmpBitDepth(const QString &Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(30);
    return head.size() < 30 ? -1 : uchar(head[28]) | uchar(head[29]) << 8;
}

// Qt writes 32-bit images as 24-bit BMP files, so that one is put together here.
void WriteBmp32(const QString &Path, int Width, int Height)
{
    const int stride = Width * 4;
    const int offset = 14 + 40;
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(offset + stride * Height) << quint32(0)
        << quint32(offset);
    out << quint32(40) << qint32(Width) << qint32(Height) << quint16(1) << quint16(32) << quint32(0)
        << quint32(stride * Height) << qint32(3780) << qint32(3780) << quint32(0) << quint32(0);
    for (int y = Height - 1; y >= 0; --y) {
        for (int x = 0; x < Width; ++x) {
            const QColor c = Palette[PatternIndex(x, y, 4)];
            out << quint8(c.blue()) << quint8(c.green()) << quint8(c.red()) << quint8(0);
        }
    }
}

// A 200 x 300 pattern picture written with Bits bits per pixel. Qt picks the
// depth from the format and the size of the colour table.
void WritePatternBmp(const QString &Path, int Bits)
{
    if (Bits == 32)
        return WriteBmp32(Path, 200, 300);
    const int colours = Bits == 1 ? 2 : 4;
    QImage picture(200, 300, QImage::Format_RGB888);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 200; ++x)
            picture.setPixelColor(x, y, Palette[PatternIndex(x, y, colours)]);
    if (Bits == 1)
        picture = picture.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    if (Bits == 4 || Bits == 8) {
        QList<QRgb> table;
        for (const QColor &c : Palette)
            table.append(c.rgb());
        // More than sixteen entries make an 8-bit file.
        while (Bits == 8 && table.size() < 256)
            table.append(qRgb(table.size(), table.size(), table.size()));
        picture = picture.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
    }
    ASSERT_TRUE(picture.save(Path, "BMP"));
}

QColor PixelAt(const TLumeBitmap &Bitmap, int X, int Y)
{
    return Bitmap.Picture().pixelColor(X, Y);
}

// The pixels a line from (X1, Y1) to (X2, Y2) paints on a clean surface.
std::set<std::pair<int, int>> LinePixels(int X1, int Y1, int X2, int Y2)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(64, 64, TPixel{0, 0, 0});
    bitmap.SetPenColour(QColor(255, 255, 255));
    bitmap.MoveTo(X1, Y1);
    bitmap.LineTo(X2, Y2);
    std::set<std::pair<int, int>> painted;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (bitmap.Rows[y][x].R == 255)
                painted.insert({x, y});
    return painted;
}

} // namespace

TEST(LumeBmp, NewSurfaceIsWhite24BitWithOneRowPerLine)
{
    TLumeBitmap bitmap;
    EXPECT_EQ(bitmap.Rows.size(), 0u);
    bitmap.NewSurface(500, 400);
    ASSERT_EQ(bitmap.Width(), 500);
    ASSERT_EQ(bitmap.Height(), 400);
    EXPECT_EQ(bitmap.Picture().format(), QImage::Format_BGR888);
    ASSERT_EQ(bitmap.Rows.size(), 400u);
    for (int y = 0; y < 400; ++y) {
        EXPECT_EQ(bitmap.Rows[y].Data(),
                  reinterpret_cast<const TPixel *>(bitmap.Picture().constScanLine(y)));
        for (int x = 0; x < 500; ++x) {
            const TPixel p = bitmap.Rows[y][x];
            ASSERT_TRUE(p.B == 255 && p.G == 255 && p.R == 255) << x << "," << y;
        }
    }
}

TEST(LumeBmp, PixelBytesAreBlueGreenRed)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(20, 10, TPixel{255, 255, 223});
    EXPECT_EQ(PixelAt(bitmap, 0, 0), QColor(223, 255, 255));
    EXPECT_EQ(PixelAt(bitmap, 19, 9), QColor(223, 255, 255));
    bitmap.Rows[3][4] = TPixel{10, 20, 30};
    EXPECT_EQ(PixelAt(bitmap, 4, 3), QColor(30, 20, 10));
}

TEST(LumeBmp, RowsAreBoundsChecked)
{
    TLumeBitmap bitmap;
    EXPECT_THROW(bitmap.Rows[0], std::out_of_range);
    bitmap.NewSurface(500, 400);
    EXPECT_THROW(bitmap.Rows[-1], std::out_of_range);
    EXPECT_THROW(bitmap.Rows[400], std::out_of_range);
    EXPECT_NO_THROW(bitmap.Rows[399][499]);
    EXPECT_THROW(bitmap.Rows[0][-1], std::out_of_range);
    EXPECT_THROW(bitmap.Rows[0][40000001], std::out_of_range);
}

TEST(LumeBmp, RowsFollowThePixelsWhenACopySharedThem)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(8, 8, TPixel{0, 0, 0});
    const QImage copy = bitmap.Picture();
    bitmap.SetPenColour(QColor(255, 0, 0));
    bitmap.MoveTo(0, 0);
    bitmap.LineTo(5, 0);
    bitmap.FillSurface(TPixel{1, 2, 3});
    EXPECT_EQ(PixelAt(bitmap, 4, 4), QColor(3, 2, 1));
    EXPECT_EQ(copy.pixelColor(4, 4), QColor(0, 0, 0));
}

TEST(LumeBmp, LoadsBmpOfEveryBitDepthAs24Bit)
{
    QTemporaryDir dir;
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        const QString path = dir.filePath(QStringLiteral("p%1.bmp").arg(bits));
        WritePatternBmp(path, bits);
        ASSERT_EQ(BmpBitDepth(path), bits);
        TLumeBitmap bitmap;
        bitmap.LoadImage(path.toStdString());
        ASSERT_EQ(bitmap.Width(), 200);
        ASSERT_EQ(bitmap.Height(), 300);
        EXPECT_EQ(bitmap.Picture().format(), QImage::Format_BGR888);
        EXPECT_EQ(bitmap.Rows.size(), 300u);
        const int colours = bits == 1 ? 2 : 4;
        for (int y = 0; y < 300; y += 37)
            for (int x = 0; x < 200; x += 23)
                ASSERT_EQ(PixelAt(bitmap, x, y), Palette[PatternIndex(x, y, colours)])
                    << x << "," << y;
    }
}

TEST(LumeBmp, LoadsJpegThroughLibjpeg)
{
    QTemporaryDir dir;
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixelColor(x, y, x < 32 ? QColor(200, 40, 30) : QColor(30, 90, 210));
    for (const char *name : {"a.jpg", "b.jpeg"}) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(picture.save(path, "JPEG", 95));
        TLumeBitmap bitmap;
        bitmap.LoadImage(path.toStdString());
        ASSERT_EQ(bitmap.Width(), 64);
        ASSERT_EQ(bitmap.Height(), 48);
        EXPECT_EQ(bitmap.Rows.size(), 48u);
        for (const QPoint at : {QPoint(8, 8), QPoint(20, 40), QPoint(50, 10), QPoint(60, 44)}) {
            const QColor want = picture.pixelColor(at);
            const QColor got = PixelAt(bitmap, at.x(), at.y());
            EXPECT_NEAR(got.red(), want.red(), 6) << name;
            EXPECT_NEAR(got.green(), want.green(), 6) << name;
            EXPECT_NEAR(got.blue(), want.blue(), 6) << name;
        }
    }
}

TEST(LumeBmp, FileNameEndingChoosesTheReaderAndFailuresNameTheFile)
{
    QTemporaryDir dir;
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const std::string upper = dir.filePath("c.JPG").toStdString();
    const std::string bmpAsJpg = dir.filePath("d.jpg").toStdString();
    ASSERT_TRUE(picture.save(QString::fromStdString(upper), "JPEG"));
    ASSERT_TRUE(picture.save(QString::fromStdString(bmpAsJpg), "BMP"));
    const std::string missing = dir.filePath("none.bmp").toStdString();
    for (const std::string &name : {upper, bmpAsJpg, missing}) {
        TLumeBitmap bitmap;
        bitmap.NewSurface(3, 3);
        try {
            bitmap.LoadImage(name);
            ADD_FAILURE() << name << " loaded";
        } catch (const std::runtime_error &error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
        EXPECT_EQ(bitmap.Width(), 3) << "a failed load keeps the old picture";
        EXPECT_EQ(bitmap.Rows.size(), 3u);
    }
}

TEST(LumeBmp, DrawOntoCopiesAndClipsAtTheEdges)
{
    TLumeBitmap strip;
    strip.NewSurface(200, 400, TPixel{30, 20, 10});
    strip.Rows[5][0] = TPixel{1, 1, 1};
    strip.Rows[5][99] = TPixel{2, 2, 2};
    strip.Rows[5][150] = TPixel{3, 3, 3};
    for (int left : {300, 400}) {
        SCOPED_TRACE(left);
        TLumeBitmap page;
        page.NewSurface(500, 400);
        strip.DrawOnto(page, left, 0);
        EXPECT_EQ(PixelAt(page, left - 1, 5), QColor(255, 255, 255));
        EXPECT_EQ(PixelAt(page, left, 5), QColor(1, 1, 1));
        EXPECT_EQ(PixelAt(page, 499, 399), QColor(10, 20, 30));
        EXPECT_EQ(PixelAt(page, left + 99, 5), QColor(2, 2, 2));
        EXPECT_EQ(PixelAt(page, 450, 5), left == 300 ? QColor(3, 3, 3) : QColor(10, 20, 30));
    }
}

TEST(LumeBmp, TextHasNoBackgroundAndNoBlending)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(200, 40, TPixel{40, 50, 60});
    bitmap.SetTextStyle(20, fsItalic, QColor(0, 192, 96));
    bitmap.WriteText(10, 10, QString::fromUtf8("ゼノリア・オルカント"));
    int glyph = 0, ground = 0;
    QRect inked;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QColor c = PixelAt(bitmap, x, y);
            if (c == QColor(0, 192, 96)) {
                ++glyph;
                inked |= QRect(x, y, 1, 1);
            } else {
                ASSERT_EQ(c, QColor(60, 50, 40)) << x << "," << y;
                ++ground;
            }
        }
    }
    EXPECT_GT(glyph, 100);
    EXPECT_GE(inked.top(), 10);
    EXPECT_LT(inked.bottom(), 10 + 24);
    EXPECT_GT(inked.width(), 120) << "ten full-width letters";
}

TEST(LumeBmp, TextLooksAsQtDrawsItWhereverItFalls)
{
    // The surface sets the pixels it rasterised once for a font and text;
    // Qt drawing the text on the surface is what that must match, also where
    // the text leaves the surface and when the same text comes again in
    // another colour.
    const std::string title = "ゼノリア・オルカント";
    struct TCase {
        int Height;
        unsigned Style;
        std::string Text;
        QPoint At, Again;
    } cases[] = {{20, fsItalic, title, {249, 324}, {250, 325}},
                 {20, fsItalic, title, {-30, -8}, {420, 390}},
                 {12, 0, "+42 ★☆ 戦士", {3, 3}, {499, 0}},
                 {33, fsBold | fsUnderline | fsStrikeOut, "Ab", {100, 100}, {-20, 380}}};
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Text + " at " + std::to_string(c.At.x()) + "," + std::to_string(c.At.y()));
        const QColor colours[2] = {QColor(0, 128, 64), QColor(255, 255, 255)};
        TLumeBitmap bitmap;
        bitmap.NewSurface(500, 400, TPixel{30, 20, 10});
        QImage expected(500, 400, QImage::Format_BGR888);
        expected.fill(QColor(10, 20, 30));
        QFont font = LumeFont(c.Height, c.Style & fsBold, c.Style & fsItalic);
        font.setUnderline(c.Style & fsUnderline);
        font.setStrikeOut(c.Style & fsStrikeOut);
        font.setStyleStrategy(QFont::NoAntialias);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setBackgroundMode(Qt::TransparentMode);
        for (int i = 0; i < 2; ++i) {
            const QPoint at = i == 0 ? c.At : c.Again;
            bitmap.SetTextStyle(c.Height, c.Style, colours[i]);
            bitmap.WriteText(at.x(), at.y(), QString::fromUtf8(c.Text));
            painter.setPen(colours[i]);
            painter.drawText(QPoint(at.x(), at.y() + painter.fontMetrics().ascent()),
                             QString::fromStdString(c.Text));
        }
        painter.end();
        EXPECT_EQ(std::as_const(bitmap).Picture(), expected);
    }
}

TEST(LumeBmp, PaintBoxesShowEveryChangeThoughOnlyChangesAreCopied)
{
    // After its first copy a surface copies only what changed since; any mix
    // of drawing, fills, rows written directly and pictures drawn onto it,
    // copied to one box or to two in turn, must leave each box showing the
    // surface exactly.
    const char *replay = std::getenv("VANTIK_BMP_SEED");
    const uint64_t seed =
        replay && *replay ? std::strtoull(replay, nullptr, 10) : std::random_device{}();
    std::printf("paint box seed %llu (replay with VANTIK_BMP_SEED)\n",
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    std::mt19937_64 rng(seed);
    const auto pick = [&rng](int Low, int High) {
        return std::uniform_int_distribution<int>(Low, High)(rng);
    };
    const TPixel grounds[2] = {TPixel{0, 0, 0}, TPixel{9, 8, 7}};
    TLumeBitmap bitmap, sprite;
    bitmap.NewSurface(120, 90, grounds[0]);
    sprite.NewSurface(17, 11, TPixel{1, 200, 3});
    TLumePaintBox boxes[2] = {TLumePaintBox(nullptr), TLumePaintBox(nullptr)};
    for (TLumePaintBox &box : boxes)
        box.resize(120, 90);
    for (int step = 0; step < 600; ++step) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << step);
        // Steps weighted: rows written directly count as a change of all, so
        // they come rarely, or every later fill would be a whole one.
        constexpr int Steps[16] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 4, 5, 6, 7, 7, 7, 7};
        switch (Steps[pick(0, 15)]) {
        case 0:
            bitmap.FillSurface(grounds[pick(0, 5) == 0]);
            break;
        case 1:
            bitmap.SetPenColour(QColor(pick(0, 255), pick(0, 255), pick(0, 255)));
            bitmap.MoveTo(pick(-20, 140), pick(-20, 110));
            for (int i = pick(1, 6); i > 0; --i)
                bitmap.LineTo(pick(-20, 140), pick(-20, 110));
            break;
        case 2:
            bitmap.SetTextStyle(pick(8, 24), unsigned(pick(0, 15)), QColor(250, 240, pick(0, 255)));
            bitmap.WriteText(pick(-30, 120), pick(-20, 90),
                             QString::fromUtf8(pick(0, 1) ? "★戦士" : "Ab"));
            break;
        case 4:
            bitmap.Rows[pick(0, 89)][pick(0, 119)] = TPixel{77, 66, 55};
            break;
        case 5:
            sprite.DrawOnto(bitmap, pick(-10, 115), pick(-10, 85));
            break;
        case 6:
            bitmap.DrawOnto(bitmap, pick(-10, 10), pick(-10, 10));
            break;
        default: {
            const int which = pick(0, 3) == 0 ? 1 : 0;
            CopyToPaintBox(bitmap, boxes[which]);
            ASSERT_EQ(boxes[which].grab().toImage().convertToFormat(QImage::Format_BGR888),
                      std::as_const(bitmap).Picture())
                << "box " << which;
        }
        }
    }
}

TEST(LumeBmp, LinesLeaveTheirEndPointUnpainted)
{
    const auto across = LinePixels(10, 10, 20, 10);
    EXPECT_EQ(across.size(), 10u);
    EXPECT_TRUE(across.count({10, 10}));
    EXPECT_FALSE(across.count({20, 10}));
    EXPECT_TRUE(LinePixels(5, 5, 5, 5).empty());
    const struct {
        int x1, y1, x2, y2;
    } lines[] = {{0, 0, 4, 2},     {3, 1, 40, 9},  {2, 50, 6, 3},
                 {30, 30, 10, 40}, {7, 7, 27, 27}, {60, 2, 1, 62}};
    for (const auto &l : lines) {
        SCOPED_TRACE(testing::Message() << l.x1 << "," << l.y1 << " -> " << l.x2 << "," << l.y2);
        auto forward = LinePixels(l.x1, l.y1, l.x2, l.y2);
        auto backward = LinePixels(l.x2, l.y2, l.x1, l.y1);
        EXPECT_EQ(forward.size(), size_t(std::max(std::abs(l.x2 - l.x1), std::abs(l.y2 - l.y1))));
        EXPECT_FALSE(forward.count({l.x2, l.y2}));
        // Ties are broken so that a line covers the same pixels both ways.
        forward.insert({l.x2, l.y2});
        backward.insert({l.x1, l.y1});
        EXPECT_EQ(forward, backward);
    }
}

TEST(LumeBmp, LinesAreClippedToTheSurface)
{
    const auto painted = LinePixels(-10, 20, 80, 20);
    EXPECT_EQ(painted.size(), 64u);
}

TEST(LumeBmp, CopiesReachAnImageWhiteBeyondTheBitmap)
{
    TLumeBitmap bitmap;
    bitmap.NewSurface(30, 20, TPixel{5, 6, 7});
    TLumeImage image(nullptr);
    image.resize(40, 25);
    CopyToImage(bitmap, image);
    ASSERT_EQ(image.Picture.size(), QSize(40, 25));
    EXPECT_EQ(image.Picture.pixelColor(29, 19), QColor(7, 6, 5));
    EXPECT_EQ(image.Picture.pixelColor(35, 22), QColor(255, 255, 255));
}

TEST(LumeBmp, PaintBoxShowsEveryPixelOfTheCopyExactly)
{
    // Every pixel differs from its neighbours, the odd width leaves a
    // remainder after the copy's groups of four pixels, and the height more
    // than one stripe of the repaint.
    TLumeBitmap bitmap;
    bitmap.NewSurface(37, 70);
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 37; ++x)
            bitmap.Rows[y][x] = TPixel{uint8_t(x * 7), uint8_t(y * 3 + x), uint8_t(255 - x * 3)};
    QWidget page;
    page.resize(50, 80);
    TLumePaintBox box(&page);
    box.setGeometry(7, 4, 37, 70);
    CopyToPaintBox(bitmap, box);
    const QImage expected = std::as_const(bitmap).Picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(box.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
    // Painted into an image of its own format (as the window's backing store
    // is), at the box's place on the page, and only the parts asked for.
    QImage shown(50, 80, QImage::Format_RGB32);
    shown.fill(Qt::magenta);
    const QRegion parts = QRegion(8, 4, 3, 70) + QRegion(20, 6, 30, 40);
    // render() puts the parts' bounding box at the offset given.
    page.render(&shown, parts.boundingRect().topLeft(), parts, QWidget::DrawChildren);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(shown.pixel(x, y),
                      parts.contains(QPoint(x, y)) && box.geometry().contains(x, y)
                          ? expected.pixel(x - 7, y - 4)
                          : QColor(Qt::magenta).rgb())
                << x << "," << y;
}
