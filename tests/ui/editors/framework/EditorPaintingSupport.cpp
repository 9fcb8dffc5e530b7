#include "tests/ui/editors/framework/EditorPaintingSupport.h"

#include <algorithm>
#include <climits>

namespace ui_test {

vcl::TColor Rgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

vcl::TRect InkBounds(const TDibSurface& surface, vcl::TColor colour) {
    vcl::TRect ink{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) == Rgb(colour)) {
                ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                       std::max(ink.Bottom, y + 1)};
            }
        }
    }
    return ink.Left == INT_MAX ? vcl::TRect{} : ink;
}

TPaintedEditor::TPaintedEditor(bool isInplace) {
    Style.SetIgnoresDefaultController(true);
    Style.SetBorderStyle(ui::ebsSingle);
    Style.SetTransparentBorder(false);
    Style.SetBorderColor(vcl::clBlack);
    Style.SetColor(vcl::clWindow);
    ViewData = Properties.CreateViewData(Style, isInplace);
}

void TPaintedEditor::Calculate(ui::TuiCanvas& canvas, const vcl::TRect& bounds, vcl::TPoint mouse,
                               vcl::TShiftState shift) {
    ViewData->Calculate(canvas, bounds, false, *ViewInfo, shift, std::nullopt, mouse);
}

std::unique_ptr<TCanvasSurface> TPaintedEditor::Paint(const vcl::TRect& bounds, int width, int height,
                                                      vcl::TPoint mouse) {
    auto on = std::make_unique<TCanvasSurface>(width, height);
    Calculate(on->Canvas, bounds, mouse);
    ViewInfo->Paint(on->Canvas);
    return on;
}

} // namespace ui_test
