#include "ui/core/images/uiImagesUnit.h"

#include "ui/core/images/uiAlphaBlend.h"
#include "ui/core/images/uiGlyphDrawing.h"

namespace ui {

void InitializeImagesUnit() {
    BindAlphaBlend();
    AllowGlyphScratchBitmaps();
}

void FinalizeImagesUnit() {
    FreeGlyphScratchBitmaps();
    UnbindAlphaBlend();
}

} // namespace ui
