#pragma once

#include <QFont>
#include <QImage>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class TLumeImage;
class TLumePaintBox;

// One pixel in memory order blue, green, red.
struct TPixel {
    uint8_t B, G, R;
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
    std::vector<TPixel *> Table;
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
    void CopyToPaintBox(TLumePaintBox &Box) const;
    void CopyToImage(TLumeImage &Image) const;

    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    QImage &Picture() { return Image; }
    const QImage &Picture() const { return Image; }

    TPixelTable Rows;
    std::unique_ptr<QImage> Mask; // optional transparency mask; never set by the game

private:
    // Painting on an image whose pixels are shared makes Qt copy them first;
    // these keep Rows pointing at this surface's own pixels when that happens.
    void BeginCanvas(QPainter &Painter);
    void SyncRows();

    QImage Image;
    QFont TextFont;
    QColor TextColour;
    std::string WrittenSjis; // the last text written, and its conversion
    QString WrittenText;
    TPixel PenPixel{0, 0, 0};
    int PenX = 0, PenY = 0;
};
