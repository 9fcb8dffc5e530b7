#include "ui/core/painters/looks/uiFlatPainter.h"

namespace ui {

const TuiFlatLookAndFeelPainter& TuiFlatLookAndFeelPainter::Instance() {
    static const TuiFlatLookAndFeelPainter instance;
    return instance;
}

TuiPainterStyleKind TuiFlatLookAndFeelPainter::StyleKind() const {
    return pskFlat;
}

} // namespace ui
