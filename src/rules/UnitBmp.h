// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
// The title timer's frame: draws the next frame and shows it on the title page.
void TitleFrame();
// Draws frame N of the title's fade onto the title surface, without showing
// it; frames past the fade look like its last.
void DrawTitleFrame(int32_t N);
void BuildBackdrop();
void DrawHorizontalTrace();
void DrawVerticalTrace();
