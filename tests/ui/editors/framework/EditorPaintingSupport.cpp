#include "tests/ui/editors/framework/EditorPaintingSupport.h"

namespace ui_test {

vcl::TColor Rgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
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
