#include "ui/core/images/uiImagesUnit.h"

#include "ui/core/images/uiAlphaBlend.h"
#include "ui/core/images/uiGlyphDrawing.h"

namespace ui {

void InitializeImagesUnit() {
    LoadAlphaBlend();
    AllowGlyphScratchBitmaps();
}

void FinalizeImagesUnit() {
    FreeGlyphScratchBitmaps();
    UnloadAlphaBlend();
}

} // namespace ui
