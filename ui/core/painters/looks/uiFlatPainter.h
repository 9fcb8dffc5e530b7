#pragma once
// TuiFlatLookAndFeelPainter: the look of lfFlat: one-pixel three-dimensional edges, flat buttons, two-pixel etched
// separators.

#include "ui/core/painters/uiLookAndFeelPainters.h"

namespace ui {

class TuiFlatLookAndFeelPainter : public TuiCustomLookAndFeelPainter {
public:
    static const TuiFlatLookAndFeelPainter& Instance();

    TuiPainterStyleKind StyleKind() const override;

protected:
    TuiFlatLookAndFeelPainter() = default;
};

} // namespace ui
