// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitBmp.h"

#include "LumeRandom.h"
#include "UnitDat.h"
#include "UnitPage.h"
#include "UnitScreen.h"

#include <QCoreApplication>
#include <QRect>

#include <algorithm>

TLumeBitmap *TitleSurface = nullptr;
TLumeBitmap *BackdropSurface = nullptr;
int32_t TitleFrameCount = 0;

namespace {

constexpr int32_t FadeFrames = 256;

TPixel PixelOf(const QColor &Colour)
{
    return {uint8_t(Colour.blue()), uint8_t(Colour.green()), uint8_t(Colour.red())};
}
const char *const BackdropPictureFile = PictureBackdrop;
constexpr int PictureLeft = 300;

QColor TraceColour()
{
    return QColor(0, 128, 64 + Random(64));
}

// Channel value at frame N of a fade from 0 to Full over FadeFrames frames.
int FadeChannel(int32_t N, int Full)
{
    return N * Full / FadeFrames;
}

void WriteTitle(int32_t N)
{
    //: The title page's picture: the game's title, drawn in 20-pixel italics in a fixed place
    //: (its left edge at the picture's centre); it must fit in 250 pixels.
    const QString TitleText = QCoreApplication::translate("Title", "ゼノリア・オルカント");
    TitleSurface->SetTextStyle(20, fsItalic, QColor(0, FadeChannel(N, 128), FadeChannel(N, 64)));
    TitleSurface->WriteText(250, 325, TitleText);
    TitleSurface->SetTextStyle(20, fsItalic, QColor(0, FadeChannel(N, 192), FadeChannel(N, 96)));
    TitleSurface->WriteText(249, 324, TitleText);
}

// Moves each channel halfway towards 255 behind the message label, so the
// message stays readable over the picture.
void LightenMessagePanel()
{
    const QRect panel =
        MessageRect.intersected(QRect(0, 0, BackdropSurface->Width(), BackdropSurface->Height()));
    if (panel.isEmpty())
        return;
    for (int y = panel.top(); y <= panel.bottom(); ++y) {
        const TPixelRow row = BackdropSurface->Rows[y];
        for (int x = panel.left(); x <= panel.right(); ++x) {
            TPixel &pixel = row[x];
            pixel.B = uint8_t(255 - (255 - pixel.B) / 2);
            pixel.G = uint8_t(255 - (255 - pixel.G) / 2);
            pixel.R = uint8_t(255 - (255 - pixel.R) / 2);
        }
    }
}

} // namespace

void CreateSurfaces()
{
    TitleSurface = new TLumeBitmap();
    BackdropSurface = new TLumeBitmap();
    TitleSurface->NewSurface(PageWidth, PageHeight);
    BuildBackdrop();
}

// Safe at any point: after a failed start-up either surface may be missing.
void FreeSurfaces()
{
    delete TitleSurface;
    TitleSurface = nullptr;
    delete BackdropSurface;
    BackdropSurface = nullptr;
}

void DrawHorizontalTrace()
{
    TitleSurface->SetPenColour(TraceColour());
    TitleSurface->MoveTo(0, 50 + Random(50));
    for (int i = 0; i <= 125; ++i)
        TitleSurface->LineTo(4 * i, 50 + Random(50));
}

void DrawVerticalTrace()
{
    TitleSurface->SetPenColour(TraceColour());
    TitleSurface->MoveTo(50 + Random(50), 0);
    for (int i = 0; i <= 100; ++i)
        TitleSurface->LineTo(50 + Random(50), 4 * i);
}

void DrawTitleFrame(int32_t N)
{
    const int32_t n = std::clamp(N, 0, FadeFrames);
    TitleSurface->FillSurface(PixelOf(TitleGround));
    for (int i = 0; i < 3; ++i) {
        DrawHorizontalTrace();
        DrawVerticalTrace();
    }
    TitleSurface->SetPenColour(QColor(0, 128, 64));
    TitleSurface->MoveTo(499, 350);
    TitleSurface->LineTo(499 - n, 350);
    WriteTitle(n);
}

void TitleFrame()
{
    if (!TitleSurface)
        return;
    Q_ASSERT(GameScreen);
    const int32_t n = std::clamp(TitleFrameCount, 0, FadeFrames);
    DrawTitleFrame(n);
    GameScreen->ShowTitleFrame(*TitleSurface);
    if (n < FadeFrames)
        TitleFrameCount = n + 1;
}

void BuildBackdrop()
{
    if (!BackdropSurface)
        return;
    // The main page's colour, so the backdrop's edges do not show.
    BackdropSurface->NewSurface(PageWidth, PageHeight, PixelOf(PageColour));
    {
        TLumeBitmap picture;
        picture.LoadImage(BackdropPictureFile);
        picture.DrawOnto(*BackdropSurface, PictureLeft, 0);
    }
    LightenMessagePanel();
    Q_ASSERT(GameScreen);
    GameScreen->ShowBackdrop(*BackdropSurface);
}
