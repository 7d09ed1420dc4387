// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPainter;

// One pixel in memory order blue, green, red.
struct TPixel {
    uint8_t B, G, R;
    friend bool operator==(const TPixel &, const TPixel &) = default;
};
static_assert(sizeof(TPixel) == 3);

// Bounds-checked access to one row of pixels: the row type allows column
// indices 0..40000000 (the surface's width is not part of the check).
class TPixelRow {
public:
    explicit TPixelRow(TPixel *First = nullptr) : First(First) {}
    TPixel &operator[](int64_t X) const; // throws std::out_of_range outside 0..40000000
    TPixel *Data() const { return First; }

private:
    TPixel *First;
};

// The row table: Rows[y] is row y counted from the top; indexing outside the
// table throws std::out_of_range.
class TPixelTable {
public:
    TPixelRow operator[](int64_t Y) const;
    size_t size() const { return Table.size(); }
    void Assign(std::vector<TPixel *> Rows) { Table = std::move(Rows); }

private:
    friend class TLumeBitmap;
    // The surface's own access: it knows what it writes.
    TPixel *Raw(size_t Y) const { return Table[Y]; }
    // Whether a row was handed out since the surface last asked: what was
    // written through it is not known, so the whole surface counts as changed.
    bool TakeRowsHandedOut() const { return std::exchange(RowsHandedOut, false); }

    std::vector<TPixel *> Table;
    mutable bool RowsHandedOut = false;
};

// Style bits of SetTextStyle.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// An off-screen 24-bit surface (QImage::Format_BGR888) with a row table for
// direct pixel work and a canvas (pen, lines, text) drawn without antialiasing.
// It keeps track of where it changed, so that whoever shows it copies only that.
class TLumeBitmap {
public:
    TLumeBitmap();
    TLumeBitmap(const TLumeBitmap &) = delete;
    TLumeBitmap &operator=(const TLumeBitmap &) = delete;

    // Throws std::runtime_error naming the file when it is missing or cannot
    // be decoded. Names ending in ".jpg" or ".jpeg" (lower case) are read as
    // JPEG, any other as BMP.
    void LoadImage(const std::string &FileName);
    void NewSurface(int Width, int Height);
    void NewSurface(int Width, int Height, TPixel Fill);
    void FillSurface(TPixel Fill);
    // Colour is the canvas colour as red, green, blue.
    void SetTextStyle(int Height, unsigned Style, QColor Colour);
    // Text whose line starts at X, Y, its baseline where the layout's face
    // puts it (LayoutFaceOf).
    void WriteText(int X, int Y, const QString &Text);
    void BuildRowTable();

    // Canvas pen: one pixel wide; LineTo does not paint its end point.
    void SetPenColour(QColor Colour);
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);

    void DrawOnto(TLumeBitmap &Destination, int X, int Y) const;

    // Where the surface changed since Viewer last took its changes: all of it
    // when another viewer took them last, or none did.
    QRegion TakeChanges(const void *Viewer);

    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    // Whatever is drawn through the returned picture counts as a change of all.
    QImage &Picture()
    {
        Rows.RowsHandedOut = true;
        return Image;
    }
    const QImage &Picture() const { return Image; }

    TPixelTable Rows;

private:
    // Painting on an image whose pixels are shared makes Qt copy them first;
    // these keep Rows pointing at this surface's own pixels when that happens.
    void BeginCanvas(QPainter &Painter);
    void SyncRows();
    void PointRowsAtImage();

    // Where pixels may have changed since the last viewer took the changes,
    // and where they may differ from the last fill's colour: a frame drawn
    // anew over the same fill then clears and is shown again only where it
    // was drawn, not as a whole.
    void MarkChanged(const QRect &Area);
    void MarkAllChanged();
    void TakeInLinesAndRows();
    void TakeInLines();
    void FillRect(const QRect &Area, TPixel Fill);
    void WalkLine(int64_t X, int64_t Y, int64_t ToX, int64_t ToY);

    QRegion ChangedSinceTaken;
    QRegion DrawnSinceFill;
    std::optional<TPixel> FillColour; // every pixel outside DrawnSinceFill has it
    QRect LinesBox;                   // covers the lines since the last MoveTo
    const void *LastViewer = nullptr;

    struct TTextStencil {
        QFont Font;
        QString Text;
        std::vector<QPoint> Ink; // from the text's top left
        QRect Bounds;
        bool Usable;
    };
    bool WriteStencil(int X, int Y, const QString &Text);
    static TTextStencil MakeStencil(const QFont &Font, const QString &Text);
    std::optional<TTextStencil> Stencil;

    QImage Image;
    QFont TextFont;
    QColor TextColour;
    TPixel PenPixel{0, 0, 0};
    int PenX = 0, PenY = 0;
};
