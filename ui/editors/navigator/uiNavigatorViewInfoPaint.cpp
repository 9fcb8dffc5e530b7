#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiControlBackground.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/navigator/uiNavigatorButtons.h"
#include "ui/editors/navigator/uiNavigatorViewInfo.h"
#include "vcl/controls/WinControl.h"

namespace ui {

void TuiNavigatorViewInfo::Paint() {
    TuiCanvas canvas(FOwner.GetNavigatorCanvas());
    if (FIsDirty) {
        Calculate();
    }
    for (int32_t index = 0; index < ButtonCount(); ++index) {
        PaintButton(canvas, Buttons(index), index);
    }
    const vcl::TWinControl& control = FOwner.GetNavigatorControl();
    const bool enabled = control.Enabled();
    const bool designing = control.ComponentState().Contains(rtl::TComponentState::csDesigning);
    const vcl::TRect bounds = FOwner.GetNavigatorBounds();
    Painter()->PaintGroupedButtonFrame(canvas, bounds, FIsInPlace && enabled,
                                       FIsSelected || (!FIsInPlace && designing && enabled));
    if (FIsInPlace) {
        canvas.ExcludeClipArea(bounds);
    }
}

vcl::TRect TuiNavigatorViewInfo::GlyphRect(const TuiNavigatorButton& button, const vcl::TRect& content, int32_t index,
                                           TuiButtonState state) const {
    const vcl::TRect inside = DeflateRectByMargins(content, Painter()->ButtonGroupFrameWidths(ButtonCount(), index));
    const vcl::TRect glyph = CenterSizeInRect(inside, button.GetGlyphSize());
    return state == uibsPressed ? vcl::OffsetRect(glyph, 1, 1) : glyph;
}

// Each button is drawn off the screen over what the host shows behind it, then copied, so it never flickers.
void TuiNavigatorViewInfo::PaintButton(TuiCanvas& canvas, const TuiNavigatorButtonViewInfo& viewInfo,
                                       int32_t index) const {
    if (!canvas.RectVisible(viewInfo.Bounds)) {
        return;
    }
    const TuiLookAndFeelPainterClass painter = Painter();
    const TuiNavigatorButton& button = *viewInfo.Button;
    const TuiButtonState state = GetButtonState(viewInfo);
    const vcl::TRect content = painter->ButtonGroupItemRect(viewInfo.Bounds, ButtonCount(), index);
    const vcl::TRect glyph = GlyphRect(button, content, index, state);
    TuiBitmap32 bitmap(viewInfo.Bounds);
    TuiCanvas& target = bitmap.Canvas();
    // The bitmap's corner stands for the button's corner, so everything is drawn in the host's coordinates.
    target.SetWindowOrigin(viewInfo.Bounds.TopLeft());
    DrawTransparentControlBackground(FOwner.GetNavigatorControl(), target, viewInfo.Bounds, false);
    painter->PaintPlainButton(target, content, state, ButtonCount(), index, vcl::clWindow);
    painter->PaintNavigatorGlyph(target, &button.GlyphImages(), button.GlyphIndex(), button.DefaultIndex(), glyph,
                                 state != uibsDisabled, button.UsesUserGlyph());
    target.SetWindowOrigin({0, 0});
    canvas.CopyRectFrom(viewInfo.Bounds, target, bitmap.GetClientRect());
    if (FOwner.GetNavigatorTabStop() && &button == FocusedButton() && FOwner.GetNavigatorFocused()) {
        canvas.DrawFocusRect(InflateRectBy(glyph, 1, 1));
    }
    if (painter == &TuiWinXPLookAndFeelPainter::Instance()) {
        canvas.ExcludeClipArea(viewInfo.Bounds);
    }
}

} // namespace ui
