#pragma once
// The check glyph the check box and the check list box draw: one routine paints it in any look (a user glyph of
// images side by side, a skin painter's element, the visual styles' check box, or a frame by border style with the
// platform's check drawing or, in the flat looks, a square with the check sign), one gives its size, and the offset
// between the check rectangle and its frame. The check sign of the flat looks is a mask made once from the platform's
// check-box bitmap (the pixels where its checked image differs from its unchecked one).

#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/choice/checkbox/uiCheckBoxProperties.h"

#include <cstdint>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

// The button theme's check-box part (BP_CHECKBOX); its state is 4 x check state + hot state + 1.
inline constexpr int32_t uiThemeCheckBoxPart = 3;

// The check's state under the pointer.
enum TuiCheckHotState : uint8_t { chsNormal, chsHot, chsPressed, chsDisabled };

// What one check glyph shows and how.
struct TuiEditorCheck {
    TuiCheckBoxState State = cbsUnchecked;
    TuiCheckHotState HotState = chsNormal;
    // The images side by side: unchecked, checked, grayed, then the same pressed; nullptr or empty for none.
    vcl::TBitmap* Glyph = nullptr; // not owned
    int32_t GlyphCount = 6;
    TuiContainerBorderStyle BorderStyle = cbsFlat;
    bool NativeStyle = false;
    vcl::TColor BorderColor = vcl::clWindowFrame;
    vcl::TColor BackgroundColor = vcl::clWindow;
    // Fill the ring round the frame and under a glyph with BackgroundColor (else they show what lies under them).
    bool DrawBackground = true;
    bool IsDesigning = false;
    bool Focused = false;
    // The skin's painter; nullptr without a skin.
    TuiLookAndFeelPainterClass SkinPainter = nullptr;
    TuiCheckBoxNullValueShowingStyle NullStyle = nssGrayedChecked;
};

// A glyph of GlyphCount images that is not empty.
bool IsCheckGlyphUsable(const vcl::TBitmap* glyph, int32_t glyphCount);
// The image of the glyph a state shows: by state (0 unchecked, 1 checked, 2 grayed), three further when pressed;
// an index past the images counts again from the first group, then from the first image.
int32_t CheckGlyphImageIndex(TuiCheckBoxState state, bool pressed, int32_t glyphCount);
// Draws the check into rect.
void PaintEditorCheck(TuiCanvas& canvas, const vcl::TRect& rect, const TuiEditorCheck& check);
// The size of the glyph: one image of a usable glyph, else the skin's check box, else the visual styles' one when
// native style is asked and the button theme opens, else the standard look's.
vcl::TSize GetEditorCheckSize(bool nativeStyle, const vcl::TBitmap* glyph, int32_t glyphCount,
                              TuiLookAndFeelPainterClass skinPainter);
// The ring filled with the background between the check rectangle and the frame: none for native style, a glyph or a
// skin, else 2 less the border's width.
int32_t GetCheckBorderOffset(TuiContainerBorderStyle borderStyle, bool nativeStyle, bool hasGlyph,
                             TuiLookAndFeelPainterClass skinPainter);
// How far a list's check reaches out of its laid-out size on every side: 1 in the ultra-flat and Office 2003 looks,
// whose frame is drawn round the check, else 0, and 0 for native style, a glyph or a skin.
int32_t GetCheckBorderIndent(TuiLookAndFeelKind kind, bool nativeStyle, bool hasGlyph,
                             TuiLookAndFeelPainterClass skinPainter);
// The check sign in color, inside content (the check rectangle less 2 on every side).
void DrawCheckSign(TuiCanvas& canvas, const vcl::TRect& content, vcl::TColor color);
// Frees the check-sign mask (the check box unit's shut-down); the next sign makes it again.
void FreeCheckSignMask();

} // namespace ui
