#pragma once
// TuiOffice11LookAndFeelPainter: the look of lfOffice11: the ultra-flat geometry coloured from the Office 2003 colour
// scheme, with gradient headers and bitmap expand buttons. The skin painter derives from it.

#include "ui/core/painters/looks/uiUltraFlatPainter.h"

namespace ui {

class TuiOffice11LookAndFeelPainter : public TuiUltraFlatLookAndFeelPainter {
public:
    static const TuiOffice11LookAndFeelPainter& Instance();

    TuiPainterStyleKind StyleKind() const override;
    bool IsThemedStyle() const override;

protected:
    TuiOffice11LookAndFeelPainter() = default;
};

} // namespace ui
