#include "UnitBmp.h"

// FIXME: placeholder until this unit is written.
TLumeBitmap *TitleSurface = nullptr;
TLumeBitmap *BackdropSurface = nullptr;
int32_t TitleFrameCount = 0;
void CreateSurfaces() {  }
void FreeSurfaces() {  }
void TitleFrame() {  }
void BuildBackdrop() {  }
void DrawHorizontalTrace() {  }
void DrawVerticalTrace() {  }
