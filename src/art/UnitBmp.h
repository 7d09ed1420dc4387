#pragma once

#include "LumeBmp.h"

#include <cstdint>

extern TLumeBitmap *TitleSurface;
extern TLumeBitmap *BackdropSurface;
extern int32_t TitleFrameCount;

// Creates both surfaces and builds the backdrop; throws when
// "dat/vuraviv.bmp" cannot be loaded.
void CreateSurfaces();
void FreeSurfaces();
void TitleFrame();
void BuildBackdrop();
void DrawHorizontalTrace();
void DrawVerticalTrace();
