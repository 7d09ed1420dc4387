#include "LumeBmp.h"
// FIXME: placeholder until this unit is written.
TPixel &TPixelRow::operator[](int64_t X) const { return First[X]; }
TPixelRow TPixelTable::operator[](int64_t Y) const { return TPixelRow(Table[Y]); }
TLumeBitmap::TLumeBitmap() {}
TLumeBitmap::~TLumeBitmap() {}
void TLumeBitmap::LoadImage(const std::string &) {}
void TLumeBitmap::LoadJpeg(const std::string &) {}
void TLumeBitmap::NewSurface(int, int) {}
void TLumeBitmap::NewSurface(int, int, TPixel) {}
void TLumeBitmap::FillSurface(TPixel) {}
void TLumeBitmap::SetTextStyle(int, unsigned, QColor) {}
void TLumeBitmap::WriteText(int, int, const std::string &) {}
void TLumeBitmap::BuildRowTable() {}
void TLumeBitmap::SetPenColour(QColor) {}
void TLumeBitmap::MoveTo(int, int) {}
void TLumeBitmap::LineTo(int, int) {}
void TLumeBitmap::DrawOnto(TLumeBitmap &, int, int) const {}
void TLumeBitmap::CopyToPaintBox(TLumePaintBox &) const {}
void TLumeBitmap::CopyToImage(TLumeImage &) const {}
