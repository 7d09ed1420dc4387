// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPainter;
class TLumeImage;
class TLumePaintBox;

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
    // Whether a row was handed out since the surface last looked: what was
    // written through it is not known, so the whole surface counts as changed.
    bool TakeLent() const { return std::exchange(Lent, false); }

    std::vector<TPixel *> Table;
    mutable bool Lent = false;
};

// Style bits of SetTextStyle.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// An off-screen 24-bit surface (QImage::Format_BGR888) with a row table for
// direct pixel work and a canvas (pen, lines, text) drawn without antialiasing.
class TLumeBitmap {
public:
    TLumeBitmap();
    ~TLumeBitmap();
    TLumeBitmap(const TLumeBitmap &) = delete;
    TLumeBitmap &operator=(const TLumeBitmap &) = delete;

    // Throws std::runtime_error naming the file when it is missing or cannot
    // be decoded. Names ending in ".jpg" or ".jpeg" (lower case) go to LoadJpeg.
    void LoadImage(const std::string &FileName);
    void LoadJpeg(const std::string &FileName);
    void NewSurface(int Width, int Height);
    void NewSurface(int Width, int Height, TPixel Fill);
    void FillSurface(TPixel Fill);
    // Colour is the canvas colour as red, green, blue.
    void SetTextStyle(int Height, unsigned Style, QColor Colour);
    void WriteText(int X, int Y, const std::string &SjisText);
    void BuildRowTable();

    // Canvas pen: one pixel wide; LineTo does not paint its end point.
    void SetPenColour(QColor Colour);
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);

    void DrawOnto(TLumeBitmap &Destination, int X, int Y) const;
    // After the first copy to a box, copies only what changed since the last.
    void CopyToPaintBox(TLumePaintBox &Box);
    void CopyToImage(TLumeImage &Image) const;

    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    // Whatever is drawn through the returned picture counts as a change of all.
    QImage &Picture()
    {
        Rows.Lent = true;
        return Image;
    }
    const QImage &Picture() const { return Image; }

    TPixelTable Rows;
    std::unique_ptr<QImage> Mask; // optional transparency mask; never set by the game

private:
    // Painting on an image whose pixels are shared makes Qt copy them first;
    // these keep Rows pointing at this surface's own pixels when that happens.
    void BeginCanvas(QPainter &Painter);
    void SyncRows();
    void PointRowsAtImage();

    // Where pixels may have changed since the last copy to a paint box, and
    // where they may differ from the last fill's colour: a frame drawn anew
    // over the same ground then clears, copies and repaints only what was
    // drawn, not the whole surface.
    void Touch(const QRect &Area);
    void TouchAll();
    void Settle(); // takes in the open line path and any lent rows
    void CommitPath();
    void FillRect(const QRect &Area, TPixel Fill);

    QRegion Changed;
    QRegion Drawn;
    std::optional<TPixel> Ground; // every pixel outside Drawn has this colour
    QRect PathBox;                // covers the line path since the last MoveTo
    const TLumePaintBox *CopiedTo = nullptr;
    uint64_t Serial;

    // Text drawn without antialiasing is a fixed set of pixels whatever its
    // colour: laid out and rasterised once, then set directly.
    struct TTextStencil {
        QFont Font;
        QString Text;
        std::vector<QPoint> Ink; // from the text's top left
        QRect Bounds;
        bool Usable = false;
    };
    const TTextStencil &StencilFor(const QString &Text);
    void PaintText(int X, int Y, const QString &Text);
    std::optional<TTextStencil> Stencil;

    QImage Image;
    QFont TextFont;
    QColor TextColour;
    std::string WrittenSjis; // the last text written, and its conversion
    QString WrittenText;
    TPixel PenPixel{0, 0, 0};
    int PenX = 0, PenY = 0;
};
