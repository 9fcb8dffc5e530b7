#pragma once
// TuiWinXPLookAndFeelPainter: the platform's own look through its visual styles. Each operation opens the theme of
// its element's class; where that does not open, the call falls back to the standard look, so the native look
// degrades element by element when visual styles go away.

#include "ui/core/painters/looks/uiStandardPainter.h"

namespace ui {

class TuiWinXPLookAndFeelPainter : public TuiStandardLookAndFeelPainter {
public:
    static const TuiWinXPLookAndFeelPainter& Instance();

    TuiPainterStyleKind StyleKind() const override;
    bool IsThemedStyle() const override;

protected:
    TuiWinXPLookAndFeelPainter() = default;
};

} // namespace ui
