#include "ui/core/painters/looks/uiUltraFlatPainter.h"

namespace ui {

const TuiUltraFlatLookAndFeelPainter& TuiUltraFlatLookAndFeelPainter::Instance() {
    static const TuiUltraFlatLookAndFeelPainter instance;
    return instance;
}

TuiPainterStyleKind TuiUltraFlatLookAndFeelPainter::StyleKind() const {
    return pskUltraFlat;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::UltraFlatStateColor(TuiButtonState state) const {
    return state == uibsNormal ? vcl::clBtnShadow : vcl::clHighlight;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::UltraFlatShadowColor() const {
    return vcl::clBtnShadow;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::UltraFlatTextColor() const {
    return vcl::clBtnText;
}

vcl::TColor TuiUltraFlatLookAndFeelPainter::FrameHighlightColor() const {
    return vcl::clHighlight;
}

} // namespace ui
