// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The backdrop picture of the main page: a night scene for the 200 x 400 strip
// on the page's right-hand side. A hooded wanderer with a dice lantern looks
// up at a five-storied tower under a large moon. The page's controls lie over
// the strip, so every shape stays in pale or middle tones: black text must
// remain readable on top of it, and its left edge melts into the page colour.
#include "DatPicture.h"

#include "UnitPage.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>

namespace {

constexpr int PictureWidth = 200;
constexpr int PictureHeight = 400;
const QColor SkyTop(168, 178, 212);
const QColor SkyMiddle(200, 214, 236);
const QColor MoonColour(252, 250, 234);
const QColor TowerColour(104, 108, 146);
const QColor TowerEdge(78, 80, 116);
const QColor WindowGlow(255, 214, 140);
const QColor RobeColour(132, 118, 168);
const QColor RobeShade(104, 92, 140);
const QColor HoodVoid(52, 46, 72);
const QColor EyeGlow(255, 236, 120);
const QColor HillColour(120, 140, 150);

// A fixed generator, so the stars fall in the same places on every build.
uint32_t StarSeed = 20240611;
int StarRandom(int Range)
{
    StarSeed = StarSeed * 1103515245u + 12345u;
    return int((StarSeed >> 16) % uint32_t(Range));
}

void DrawSky(QPainter &Painter)
{
    QLinearGradient sky(0, 0, 0, PictureHeight);
    sky.setColorAt(0.0, SkyTop);
    sky.setColorAt(0.45, SkyMiddle);
    sky.setColorAt(1.0, PageColour);
    Painter.fillRect(0, 0, PictureWidth, PictureHeight, sky);
}

void DrawStars(QPainter &Painter)
{
    Painter.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const int x = StarRandom(PictureWidth);
        const int y = StarRandom(170);
        const int shine = 235 + StarRandom(21);
        Painter.setBrush(QColor(shine, shine, 255));
        const qreal size = i % 7 == 0 ? 2.2 : 1.2;
        Painter.drawEllipse(QPointF(x, y), size / 2, size / 2);
    }
}

void DrawMoon(QPainter &Painter)
{
    const QPointF centre(64, 92);
    QRadialGradient halo(centre, 70);
    halo.setColorAt(0.0, QColor(255, 255, 240, 150));
    halo.setColorAt(0.5, QColor(255, 255, 240, 60));
    halo.setColorAt(1.0, QColor(255, 255, 240, 0));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(halo);
    Painter.drawEllipse(centre, 70, 70);
    Painter.setBrush(MoonColour);
    Painter.drawEllipse(centre, 36, 36);
    // Faint maria, so the disc reads as a moon and not a lamp.
    Painter.setBrush(QColor(232, 230, 214));
    Painter.drawEllipse(QPointF(52, 84), 9, 7);
    Painter.drawEllipse(QPointF(74, 104), 11, 6);
    Painter.drawEllipse(QPointF(78, 80), 5, 4);
}

void DrawCloud(QPainter &Painter, qreal X, qreal Y, qreal Length)
{
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(236, 240, 250, 200));
    Painter.drawRoundedRect(QRectF(X, Y, Length, 5), 2.5, 2.5);
    Painter.drawRoundedRect(QRectF(X + Length * 0.2, Y - 4, Length * 0.5, 5), 2.5, 2.5);
}

// One storey of the tower: a wall block with a lit window and an eave whose
// corners curl upwards, as the roofs of old towers do.
void DrawStorey(QPainter &Painter, qreal Centre, qreal Bottom, qreal HalfWidth, qreal Height)
{
    const QRectF wall(Centre - HalfWidth * 0.62, Bottom - Height, HalfWidth * 1.24, Height);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(TowerColour);
    Painter.drawRect(wall);
    Painter.setBrush(WindowGlow);
    Painter.drawRect(QRectF(Centre - 3, Bottom - Height * 0.72, 6, Height * 0.42));

    const qreal eaveY = Bottom - Height;
    QPainterPath eave;
    eave.moveTo(Centre - HalfWidth - 6, eaveY - 7);
    eave.quadTo(Centre - HalfWidth, eaveY + 1, Centre - HalfWidth * 0.5, eaveY);
    eave.lineTo(Centre + HalfWidth * 0.5, eaveY);
    eave.quadTo(Centre + HalfWidth, eaveY + 1, Centre + HalfWidth + 6, eaveY - 7);
    eave.quadTo(Centre + HalfWidth * 0.6, eaveY - 8, Centre, eaveY - 12);
    eave.quadTo(Centre - HalfWidth * 0.6, eaveY - 8, Centre - HalfWidth - 6, eaveY - 7);
    Painter.setBrush(TowerEdge);
    Painter.drawPath(eave);
}

void DrawTower(QPainter &Painter)
{
    const qreal centre = 164;
    qreal bottom = 352;
    qreal halfWidth = 30;
    qreal height = 44;
    for (int storey = 0; storey < 5; ++storey) {
        DrawStorey(Painter, centre, bottom, halfWidth, height);
        bottom -= height + 12;
        halfWidth -= 3.5;
        height -= 4;
    }
    // The spire with its rings.
    Painter.setBrush(TowerEdge);
    Painter.drawRect(QRectF(centre - 1.5, bottom - 58, 3, 60));
    for (int ring = 0; ring < 5; ++ring)
        Painter.drawEllipse(QPointF(centre, bottom - 10 - ring * 9), 5 - ring * 0.5, 1.6);
    Painter.setBrush(WindowGlow);
    Painter.drawEllipse(QPointF(centre, bottom - 60), 3, 3);
}

void DrawHill(QPainter &Painter)
{
    QPainterPath hill;
    hill.moveTo(0, 372);
    hill.cubicTo(50, 344, 120, 350, 200, 340);
    hill.lineTo(200, 400);
    hill.lineTo(0, 400);
    hill.closeSubpath();
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(HillColour);
    Painter.drawPath(hill);
}

void DrawRobe(QPainter &Painter)
{
    QPainterPath robe;
    robe.moveTo(58, 236);
    robe.cubicTo(34, 244, 30, 290, 24, 330);
    robe.cubicTo(18, 360, 14, 378, 8, 392);
    robe.lineTo(108, 392);
    robe.cubicTo(100, 360, 96, 320, 92, 290);
    robe.cubicTo(88, 258, 80, 238, 58, 236);
    Painter.setPen(QPen(RobeShade, 1.5));
    Painter.setBrush(RobeColour);
    Painter.drawPath(robe);

    // Folds falling from the shoulders.
    Painter.setPen(QPen(RobeShade, 2));
    Painter.drawLine(QPointF(50, 270), QPointF(36, 388));
    Painter.drawLine(QPointF(66, 272), QPointF(70, 388));
    Painter.drawLine(QPointF(80, 280), QPointF(96, 388));
}

void DrawHood(QPainter &Painter)
{
    QPainterPath hood;
    hood.moveTo(60, 206);
    hood.cubicTo(38, 210, 34, 240, 40, 262);
    hood.lineTo(82, 262);
    hood.cubicTo(88, 236, 82, 208, 60, 206);
    Painter.setPen(QPen(RobeShade, 1.5));
    Painter.setBrush(RobeColour);
    Painter.drawPath(hood);
    // No face under the hood, only two lights.
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(HoodVoid);
    Painter.drawEllipse(QPointF(61, 240), 13, 16);
    Painter.setBrush(EyeGlow);
    Painter.drawEllipse(QPointF(56, 238), 2, 1.4);
    Painter.drawEllipse(QPointF(66, 238), 2, 1.4);
}

// A die seen corner on, with three pips, hung from the staff as a lantern.
void DrawDieLantern(QPainter &Painter, QPointF Centre)
{
    QRadialGradient glow(Centre, 22);
    glow.setColorAt(0.0, QColor(255, 240, 170, 170));
    glow.setColorAt(1.0, QColor(255, 240, 170, 0));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(glow);
    Painter.drawEllipse(Centre, 22, 22);

    QPolygonF die;
    die << Centre + QPointF(0, -9) << Centre + QPointF(9, 0) << Centre + QPointF(0, 9)
        << Centre + QPointF(-9, 0);
    Painter.setPen(QPen(TowerEdge, 1.2));
    Painter.setBrush(QColor(255, 250, 228));
    Painter.drawPolygon(die);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(170, 40, 60));
    for (int pip = -1; pip <= 1; ++pip)
        Painter.drawEllipse(Centre + QPointF(pip * 3.5, pip * 3.5), 1.5, 1.5);
}

void DrawStaff(QPainter &Painter)
{
    Painter.setPen(QPen(QColor(96, 80, 76), 3, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(QPointF(100, 196), QPointF(94, 392));
    Painter.setPen(QPen(QColor(96, 80, 76), 2, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(QPointF(100, 198), QPointF(116, 192));
    Painter.setPen(QPen(TowerEdge, 1));
    Painter.drawLine(QPointF(114, 193), QPointF(114, 206));
    DrawDieLantern(Painter, QPointF(114, 215));
    // The hand on the staff.
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(RobeShade);
    Painter.drawEllipse(QPointF(96, 282), 7, 5);
}

// Blends the leftmost columns into the page colour, so the strip has no seam.
void MeltLeftEdge(QImage &Picture)
{
    constexpr int Melt = 28;
    for (int y = 0; y < Picture.height(); ++y) {
        for (int x = 0; x < Melt; ++x) {
            const qreal keep = qreal(x) / Melt;
            const QColor c = Picture.pixelColor(x, y);
            Picture.setPixelColor(x, y,
                                  QColor(qRound(c.red() * keep + PageColour.red() * (1 - keep)),
                                         qRound(c.green() * keep + PageColour.green() * (1 - keep)),
                                         qRound(c.blue() * keep + PageColour.blue() * (1 - keep))));
        }
    }
}

} // namespace

bool WriteBackdropPicture(const QString &FileName)
{
    StarSeed = 20240611;
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, true);
        DrawSky(painter);
        DrawStars(painter);
        DrawMoon(painter);
        DrawCloud(painter, 18, 112, 70);
        DrawCloud(painter, 120, 58, 56);
        DrawTower(painter);
        DrawHill(painter);
        DrawRobe(painter);
        DrawHood(painter);
        DrawStaff(painter);
    }
    MeltLeftEdge(picture);
    // Written as 24 bits per pixel, the depth the game's loader expects.
    const QImage bmp = picture.convertToFormat(QImage::Format_RGB888);
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return bmp.save(&file, "BMP") && file.flush();
}
