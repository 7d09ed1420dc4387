// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeBmp.h"

#include "LumeFont.h"
#include "LumeSafeFile.h"
#include "LumeSpeed.h"

#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// The row type's own bound, not the surface's width, on purpose: it catches
// wild indices (negative, or far beyond any surface), while a column just
// past a row's end lands in the rows below. The artwork keeps inside its
// surface; checking every write against the width would cost the title
// animation on each pixel for a fault it cannot make.
constexpr int64_t LastColumn = 40000000;

std::runtime_error PictureError(const std::string &FileName, const std::string &Reason)
{
    return std::runtime_error("cannot load picture \"" + FileName + "\": " + Reason);
}

// Where the baseline of text written at a given top lies: where the layout's
// face puts it, so that a face with a taller line writes its letters where
// the layout's stood.
int LayoutAscent(const QFont &Font)
{
    return QFontMetrics(LayoutFaceOf(Font)).ascent();
}

TPixel PixelOf(const QColor &Colour)
{
    return TPixel{uint8_t(Colour.blue()), uint8_t(Colour.green()), uint8_t(Colour.red())};
}

// Octants of a line counted clockwise from +x in screen coordinates (y down).
int LineOctant(int64_t Dx, int64_t Dy)
{
    if (Dy > 0) {
        if (Dx > 0)
            return Dx > Dy ? 1 : 2;
        return -Dx > Dy ? 4 : 3;
    }
    if (Dx < 0)
        return -Dx > -Dy ? 5 : 6;
    return Dx > -Dy ? 8 : 7;
}

} // namespace

TPixel &TPixelRow::operator[](int64_t X) const
{
    if (X < 0 || X > LastColumn)
        throw std::out_of_range("pixel column " + std::to_string(X) + " out of range");
    return First[X];
}

TPixelRow TPixelTable::operator[](int64_t Y) const
{
    if (Y < 0 || Y >= int64_t(Table.size()))
        throw std::out_of_range("pixel row " + std::to_string(Y) + " outside the row table of " +
                                std::to_string(Table.size()));
    RowsHandedOut = true;
    return TPixelRow(Table[size_t(Y)]);
}

TLumeBitmap::TLumeBitmap()
{
    SetTextStyle(20, fsBold, QColor(0, 0, 0));
}

void TLumeBitmap::LoadImage(const std::string &FileName)
{
    const QString name = QFile::decodeName(FileName.c_str());
    if (!QFile::exists(name))
        throw PictureError(FileName, "file not found");
    // Opened without waiting, so that a FIFO in its place is refused.
    QFile file;
    if (!OpenRegularFile(name, file))
        throw PictureError(FileName, "not a regular file that can be read");
    // The name alone chooses the reader: a JPEG under another name must fail
    // as BMP, not be recognised from its content.
    const bool jpeg = FileName.ends_with(".jpg") || FileName.ends_with(".jpeg");
    QImageReader reader(&file, jpeg ? "jpeg" : "bmp");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage picture;
    if (!reader.read(&picture))
        throw PictureError(FileName, reader.errorString().toStdString());
    Image = std::move(picture);
    // The old pixels are gone; Rows must not keep pointing at them.
    BuildRowTable();
}

void TLumeBitmap::NewSurface(int Width, int Height)
{
    NewSurface(Width, Height, TPixel{255, 255, 255});
}

void TLumeBitmap::NewSurface(int Width, int Height, TPixel Fill)
{
    Image = QImage(std::max(Width, 0), std::max(Height, 0), QImage::Format_BGR888);
    BuildRowTable();
    FillSurface(Fill);
}

void TLumeBitmap::FillSurface(TPixel Fill)
{
    if (Width() == 0 || Height() == 0)
        return;
    SyncRows();
    TakeInLinesAndRows();
    if (FillColour == Fill && !Without(sdChanges)) {
        // Only what was drawn since the last fill differs from it.
        for (const QRect &area : DrawnSinceFill)
            FillRect(area, Fill);
        ChangedSinceTaken += DrawnSinceFill;
    } else {
        FillRect(Image.rect(), Fill);
        ChangedSinceTaken = Image.rect();
    }
    DrawnSinceFill = QRegion();
    FillColour = Fill;
}

void TLumeBitmap::FillRect(const QRect &Area, TPixel Fill)
{
    const QRect area = Area.intersected(Image.rect());
    if (area.isEmpty())
        return;
    // The first row is filled pixel by pixel, the others copied from it.
    TPixel *const first = Rows.Raw(size_t(area.top())) + area.left();
    std::fill_n(first, area.width(), Fill);
    for (int y = area.top() + 1; y <= area.bottom(); ++y)
        std::memcpy(Rows.Raw(size_t(y)) + area.left(), first,
                    size_t(area.width()) * sizeof(TPixel));
}

void TLumeBitmap::MarkChanged(const QRect &Area)
{
    const QRect area = Area.intersected(Image.rect());
    if (area.isEmpty())
        return;
    ChangedSinceTaken += area;
    DrawnSinceFill += area;
}

void TLumeBitmap::MarkAllChanged()
{
    ChangedSinceTaken = Image.rect();
    DrawnSinceFill = Image.rect();
    FillColour.reset();
    LinesBox = QRect();
}

// Lines mark their box when the path ends, not at every segment; rows handed
// out may have been written anywhere.
void TLumeBitmap::TakeInLinesAndRows()
{
    if (Rows.TakeRowsHandedOut())
        MarkAllChanged();
    else
        TakeInLines();
}

void TLumeBitmap::TakeInLines()
{
    if (!LinesBox.isNull()) {
        MarkChanged(LinesBox);
        LinesBox = QRect();
    }
}

void TLumeBitmap::SetTextStyle(int Height, unsigned Style, QColor Colour)
{
    TextFont = LumeFont(std::max(Height, 1), (Style & fsBold) != 0, (Style & fsItalic) != 0);
    TextFont.setUnderline((Style & fsUnderline) != 0);
    TextFont.setStrikeOut((Style & fsStrikeOut) != 0);
    TextFont.setStyleStrategy(QFont::NoAntialias);
    TextColour = Colour;
}

void TLumeBitmap::WriteText(int X, int Y, const QString &Text)
{
    if (Image.isNull())
        return;
    if (!Without(sdStencils) && WriteStencil(X, Y, Text))
        return;
    QPainter painter;
    BeginCanvas(painter);
    painter.setFont(TextFont);
    painter.setPen(TextColour);
    // The brush is clear: glyphs only, no background box.
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics = painter.fontMetrics();
    const QPoint origin(X, Y + LayoutAscent(TextFont));
    painter.drawText(origin, Text);
    painter.end();
    // Slanted glyphs reach past their box: a line's height round it covers them.
    const int margin = metrics.height();
    MarkChanged(
        metrics.boundingRect(Text).translated(origin).adjusted(-margin, -margin, margin, margin));
}

// Text drawn without antialiasing is a fixed set of pixels whatever its
// colour: rasterised once for a font and text, then set directly.
bool TLumeBitmap::WriteStencil(int X, int Y, const QString &Text)
{
    if (TextColour.alpha() != 255)
        return false;
    if (!Stencil || Stencil->Text != Text || Stencil->Font != TextFont)
        Stencil = MakeStencil(TextFont, Text);
    if (!Stencil->Usable)
        return false;
    SyncRows();
    const TPixel ink = PixelOf(TextColour);
    for (const QPoint &dot : Stencil->Ink) {
        const int x = X + dot.x(), y = Y + dot.y();
        if (x >= 0 && y >= 0 && x < Width() && y < Height())
            Rows.Raw(size_t(y))[x] = ink;
    }
    MarkChanged(Stencil->Bounds.translated(X, Y));
    return true;
}

// Draws Text white on black with a line's height of room all round; ink on
// the border (room too small) or blended pixels make the stencil unusable.
TLumeBitmap::TTextStencil TLumeBitmap::MakeStencil(const QFont &Font, const QString &Text)
{
    TTextStencil stencil{Font, Text, {}, {}, false};
    const QFontMetrics metrics(Font);
    const int pad = metrics.height();
    QImage scratch(metrics.horizontalAdvance(Text) + 2 * pad, 3 * pad, QImage::Format_BGR888);
    if (scratch.isNull())
        return stencil;
    scratch.fill(Qt::black);
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(Font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(pad, pad + LayoutAscent(Font)), Text);
    painter.end();
    const QRect inside = scratch.rect().adjusted(1, 1, -1, -1);
    for (int y = 0; y < scratch.height(); ++y) {
        const auto *row = reinterpret_cast<const TPixel *>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (row[x] == TPixel{0, 0, 0})
                continue;
            if (row[x] != TPixel{255, 255, 255} || !inside.contains(x, y))
                return stencil;
            stencil.Ink.emplace_back(x - pad, y - pad);
            stencil.Bounds |= QRect(x - pad, y - pad, 1, 1);
        }
    }
    stencil.Usable = true;
    return stencil;
}

void TLumeBitmap::BuildRowTable()
{
    if (!Image.isNull() && Image.format() != QImage::Format_BGR888)
        Image.convertTo(QImage::Format_BGR888);
    PointRowsAtImage();
    MarkAllChanged();
    LastViewer = nullptr;
}

void TLumeBitmap::PointRowsAtImage()
{
    std::vector<TPixel *> rows(size_t(std::max(Image.height(), 0)));
    for (int y = 0; y < Image.height(); ++y)
        rows[size_t(y)] = reinterpret_cast<TPixel *>(Image.scanLine(y));
    Rows.Assign(std::move(rows));
}

void TLumeBitmap::SetPenColour(QColor Colour)
{
    PenPixel = PixelOf(Colour);
}

void TLumeBitmap::MoveTo(int X, int Y)
{
    PenX = X;
    PenY = Y;
    TakeInLines();
}

void TLumeBitmap::LineTo(int X, int Y)
{
    const int64_t fromX = PenX, fromY = PenY;
    PenX = X;
    PenY = Y;
    if (Image.isNull())
        return;
    SyncRows();
    // Clamped first: a box must not overflow for a wild coordinate.
    const auto clampX = [this](int64_t V) { return int(std::clamp<int64_t>(V, -1, Width())); };
    const auto clampY = [this](int64_t V) { return int(std::clamp<int64_t>(V, -1, Height())); };
    LinesBox |=
        QRect(QPoint(clampX(std::min<int64_t>(fromX, X)), clampY(std::min<int64_t>(fromY, Y))),
              QPoint(clampX(std::max<int64_t>(fromX, X)), clampY(std::max<int64_t>(fromY, Y))));
    WalkLine(fromX, fromY, X, Y);
}

// Bresenham with the platform's rule for ties: in octants 3, 5, 6 and 8 a
// tie steps along the minor axis one pixel later, so a line covers the same
// pixels whichever way it is drawn. The end point is left for the next
// segment, as the platform's lines do; pixels off the surface are skipped.
void TLumeBitmap::WalkLine(int64_t X, int64_t Y, int64_t ToX, int64_t ToY)
{
    int64_t dx = ToX - X, dy = ToY - Y;
    const int octant = LineOctant(dx, dy);
    const int64_t bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    const bool xMajor = std::abs(dx) > std::abs(dy);
    int64_t &along = xMajor ? X : Y, &across = xMajor ? Y : X;
    const int64_t alongStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t acrossStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    dx = std::abs(dx);
    dy = std::abs(dy);
    const int64_t major = std::max(dx, dy), minor = std::min(dx, dy);
    int64_t error = 2 * minor - major;
    for (int64_t i = 0; i < major; ++i, along += alongStep) {
        if (X >= 0 && Y >= 0 && X < Width() && Y < Height())
            Rows.Raw(size_t(Y))[X] = PenPixel;
        if (error + bias > 0) {
            across += acrossStep;
            error -= 2 * major;
        }
        error += 2 * minor;
    }
}

void TLumeBitmap::DrawOnto(TLumeBitmap &Destination, int X, int Y) const
{
    if (Image.isNull() || Destination.Image.isNull())
        return;
    // Drawing a surface onto itself reads from a copy, as a block transfer would.
    const QImage source = &Destination == this ? Image.copy() : Image;
    QPainter painter;
    Destination.BeginCanvas(painter);
    Destination.MarkChanged(QRect(X, Y, Width(), Height()));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(X, Y, source);
}

QRegion TLumeBitmap::TakeChanges(const void *Viewer)
{
    TakeInLinesAndRows();
    const bool known = Viewer == LastViewer && !Without(sdChanges);
    const QRegion changed = known ? ChangedSinceTaken : QRegion(Image.rect());
    LastViewer = Viewer;
    ChangedSinceTaken = QRegion();
    return changed;
}

void TLumeBitmap::BeginCanvas(QPainter &Painter)
{
    Painter.begin(&Image);
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, false);
    SyncRows();
}

void TLumeBitmap::SyncRows()
{
    if (Image.isNull() || Rows.size() != size_t(Image.height()))
        return;
    // The pixels were shared and Qt copied them: the same picture elsewhere.
    if (Rows.Raw(0) != reinterpret_cast<TPixel *>(Image.bits()))
        PointRowsAtImage();
}
