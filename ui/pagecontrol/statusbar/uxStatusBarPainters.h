#pragma once
// The status bar's four looks: the standard one (three-dimensional bevels on the bar's colour), the flat one
// (one-pixel shadow frames), the Office 2003 one (one vertical gradient under frames in the scheme's colour) and the
// themed one (the visual style's status parts). Each is one immutable instance.

#include "ui/pagecontrol/statusbar/uxStatusBarPainter.h"

namespace ui {

class TuxStatusBarStandardPainter : public TuxStatusBarPainter {
public:
    static const TuxStatusBarStandardPainter& Instance();
    // DrawEdge: a sunken outer line for lowered, a raised inner one for raised.
    void DrawPanelBorder(const TuxCustomStatusBar& bar, TuxStatusBarPanelBevel bevel, vcl::TRect& rect,
                         TuiCanvas& canvas) const override;
    void DrawPanelSeparator(const TuxCustomStatusBar& bar, TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void DrawPanelBackground(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel, const vcl::TRect& rect,
                             TuiCanvas& canvas) const override;
};

class TuxStatusBarFlatPainter : public TuxStatusBarStandardPainter {
public:
    static const TuxStatusBarFlatPainter& Instance();
    void DrawPanelBorder(const TuxCustomStatusBar& bar, TuxStatusBarPanelBevel bevel, vcl::TRect& rect,
                         TuiCanvas& canvas) const override;
};

class TuxStatusBarOffice11Painter : public TuxStatusBarPainter {
public:
    static const TuxStatusBarOffice11Painter& Instance();
    vcl::TRect GetBorderWidths(const TuxCustomStatusBar& bar) const override;
    void DrawBorder(const TuxCustomStatusBar& bar, TuiCanvas& canvas, vcl::TRect& rect) const override;
    void DrawPanelBorder(const TuxCustomStatusBar& bar, TuxStatusBarPanelBevel bevel, vcl::TRect& rect,
                         TuiCanvas& canvas) const override;
    void DrawSizeGrip(const TuxCustomStatusBar& bar, TuiCanvas& canvas, bool overlapped,
                      const vcl::TRect& rect) const override;
};

// Draws through the status theme class; the bar takes it only while that class opens.
class TuxStatusBarXPPainter : public TuxStatusBarPainter {
public:
    static const TuxStatusBarXPPainter& Instance();
    vcl::TRect GetBorderWidths(const TuxCustomStatusBar& bar) const override;
    // The gripper part's true size; 16 x 16 when the theme cannot tell it.
    vcl::TSize GetSizeGripSize() const override;
    // The pane part's true width; 2 when the theme cannot tell it.
    int32_t SeparatorWidth() const override;
    void DrawBorder(const TuxCustomStatusBar& bar, TuiCanvas& canvas, vcl::TRect& rect) const override;
    void DrawPanelSeparator(const TuxCustomStatusBar& bar, TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void DrawSizeGrip(const TuxCustomStatusBar& bar, TuiCanvas& canvas, bool overlapped,
                      const vcl::TRect& rect) const override;
};

// The status theme class's parts.
inline constexpr int32_t uxStatusPartBackground = 0;
inline constexpr int32_t uxStatusPartPane = 1;
inline constexpr int32_t uxStatusPartGripper = 3;

} // namespace ui
