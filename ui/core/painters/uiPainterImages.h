#pragma once
// The images all painters share: the radio-button glyphs, computed once from the platform's own radio glyph and
// coloured for every look, state and emphasis (128 images, made again in new colours after a system-colour change);
// the check-box glyph size; the six row-indicator images; and the two 8 x 8 patterns of scroll-bar page areas.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {
class TBitmap;
class TCustomImageList;
} // namespace vcl

namespace ui {

// The radio glyphs of the four looks that draw them from images.
class TuiRadioButtonImageList {
public:
    // Measures the platform's glyph and makes the images.
    TuiRadioButtonImageList();
    ~TuiRadioButtonImageList();
    TuiRadioButtonImageList(const TuiRadioButtonImageList&) = delete;
    TuiRadioButtonImageList& operator=(const TuiRadioButtonImageList&) = delete;

    // The image of the look, state, check and emphasis at (x, y): masked onto the canvas when backgroundColor is
    // clDefault, else on a square of that colour. The default state draws as the normal one.
    void Draw(TuiCanvas& canvas, int32_t x, int32_t y, TuiLookAndFeelKind kind, TuiButtonState state, bool checked,
              bool emphasisA, bool emphasisB, vcl::TColor backgroundColor);
    // The measured circle's size.
    vcl::TSize Size() const { return {FRadioRect.Width(), FRadioRect.Height()}; }
    // Where the circle and its dot lie in the platform's glyph cell.
    const vcl::TRect& RadioRect() const { return FRadioRect; }
    const vcl::TRect& DotRect() const { return FDotRect; }
    int32_t ImageCount() const;
    // Makes every image again in the current colours.
    void Reset();

private:
    void Prepare();
    void AddImage(TuiLookAndFeelKind kind, TuiButtonState state, bool checked, bool emphasisA, bool emphasisB);
    void BuildPattern();

    vcl::TRect FRadioRect;
    vcl::TRect FDotRect;
    // One code per pixel, rows top-down: 0 outside, 1 and 2 the outer ring (2 its lower-right half), 3 and 4 the inner
    // ring, 5 the inside, 6 the dot.
    std::vector<uint8_t> FPattern;
    std::unique_ptr<vcl::TBitmap> FMask;
    std::unique_ptr<vcl::TCustomImageList> FImages;
    // The image of each key (state - 1) + 4 checked + 8 kind + 32 emphasisB + 64 emphasisA.
    std::vector<int32_t> FIndexes;
};

// The Office 2003 look's button face: the scheme's hot and pressed faces, clBtnFace when disabled, else its face.
vcl::TColor Office11ButtonFaceColor(TuiButtonState state);

// The radio images, made on first use.
TuiRadioButtonImageList& EnsureRadioButtonImageList();
// The platform's check-box glyph: a quarter of the width and a third of the height of its check-box bitmap.
vcl::TSize CheckBoxGlyphSize();
// The six row-indicator images (8 x 9, white transparent); nullptr outside start-up and shut-down.
vcl::TCustomImageList* IndicatorImages();
// The page-area pattern of scroll bars, or the darker one of pressed page areas.
vcl::TBitmap* ScrollBarPatternBitmap(bool pressed);
// Paints both patterns in the current system colours, making them first when needed.
void UpdateScrollBarBitmaps();

// Start-up of the painters: the skin-painter registry, the indicator images, the scroll-bar patterns, the notifier
// that remakes the radio images after a system-colour change, the check-box size. Shut-down frees them.
void InitializePaintersUnit();
void FinalizePaintersUnit();

} // namespace ui
