#include "ui/core/painters/looks/uiNativePainter.h"

#include "ui/core/themes/uxThemeManager.h"

namespace ui {

const TuiWinXPLookAndFeelPainter& TuiWinXPLookAndFeelPainter::Instance() {
    static const TuiWinXPLookAndFeelPainter instance;
    return instance;
}

TuiPainterStyleKind TuiWinXPLookAndFeelPainter::StyleKind() const {
    return pskNative;
}

bool TuiWinXPLookAndFeelPainter::IsThemedStyle() const {
    return AreVisualStylesActive();
}

} // namespace ui
