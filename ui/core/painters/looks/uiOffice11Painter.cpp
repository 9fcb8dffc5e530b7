#include "ui/core/painters/looks/uiOffice11Painter.h"

namespace ui {

const TuiOffice11LookAndFeelPainter& TuiOffice11LookAndFeelPainter::Instance() {
    static const TuiOffice11LookAndFeelPainter instance;
    return instance;
}

TuiPainterStyleKind TuiOffice11LookAndFeelPainter::StyleKind() const {
    return pskOffice11;
}

bool TuiOffice11LookAndFeelPainter::IsThemedStyle() const {
    return true;
}

} // namespace ui
