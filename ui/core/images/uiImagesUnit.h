#pragma once
// Start-up and shut-down of the library's image drawing: msimg32's AlphaBlend is looked up by name, and the scratch
// bitmaps of glyph drawing are allowed; at shut-down they are freed and msimg32 is let go.

namespace ui {

void InitializeImagesUnit();
void FinalizeImagesUnit();

} // namespace ui
