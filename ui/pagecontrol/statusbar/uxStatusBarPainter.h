#pragma once
// TuxStatusBarPainter: everything a status bar and its panel styles draw that is not content: the border and top
// strip, panel bevels and backgrounds, separators and the size grip. A painter holds no state; there is one immutable
// instance per painter class, and the bar keeps a pointer to the one its paint style or look and feel chooses. The
// base draws no bevels, separators or backgrounds; the looks derive from it (uxStatusBarPainters.h).

#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

class TuiCanvas;
class TuxCustomStatusBar;
class TuxStatusBarPanel;
class TuxStatusBarContainerPanelStyle;

enum TuxStatusBarPanelBevel : uint8_t { uxpbNone, uxpbLowered, uxpbRaised };

class TuxStatusBarPainter {
public:
    TuxStatusBarPainter() = default;
    virtual ~TuxStatusBarPainter() = default;
    TuxStatusBarPainter(const TuxStatusBarPainter&) = delete;
    TuxStatusBarPainter& operator=(const TuxStatusBarPainter&) = delete;

    // Paints a container panel's control as the bar behind it would look there.
    virtual void DrawContainerControl(const TuxStatusBarContainerPanelStyle& style) const;
    // Whether the grip leaves the clip region before the panels paint, so panel content need not avoid it.
    virtual bool ExcludesSizeGripFromPanels(const TuxCustomStatusBar& bar) const;
    virtual void AdjustTextColor(const TuxCustomStatusBar& bar, vcl::TColor& color, bool active) const;
    // The widths of the border on each side (a rectangle of widths, not of coordinates).
    virtual vcl::TRect GetBorderWidths(const TuxCustomStatusBar& bar) const;
    virtual bool DrawsSizeGripFirst() const;
    virtual vcl::TSize GetSizeGripSize() const;
    virtual vcl::TSize GetSizeGripEdgeSize() const;
    virtual vcl::TRect GetPanelContentMargins(const TuxStatusBarPanel* panel, bool hasBorder) const;
    virtual int32_t SeparatorWidth() const;
    virtual int32_t GetSeparatorWidth(const TuxCustomStatusBar& bar) const;
    virtual int32_t TopBorderHeight() const;
    // Paints the border and shrinks rect to the panels' area.
    virtual void DrawBorder(const TuxCustomStatusBar& bar, TuiCanvas& canvas, vcl::TRect& rect) const;
    virtual void DrawEmptyPanel(const TuxCustomStatusBar& bar, TuiCanvas& canvas, const vcl::TRect& rect) const;
    // The panel's bevel, then its style's content (or its own drawing through OnDrawPanel).
    virtual void DrawPanel(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel, const vcl::TRect& rect,
                           TuiCanvas& canvas) const;
    // Draws the bevel and shrinks rect to what lies inside it.
    virtual void DrawPanelBorder(const TuxCustomStatusBar& bar, TuxStatusBarPanelBevel bevel, vcl::TRect& rect,
                                 TuiCanvas& canvas) const;
    virtual void DrawPanelSeparator(const TuxCustomStatusBar& bar, TuiCanvas& canvas, const vcl::TRect& rect) const;
    // The grip in rect's bottom-right corner (rect: the panels' area); what it covers leaves the clip region.
    virtual void DrawSizeGrip(const TuxCustomStatusBar& bar, TuiCanvas& canvas, bool overlapped,
                              const vcl::TRect& rect) const;
    virtual void FillBackground(const TuxCustomStatusBar& bar, TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void DrawPanelBackground(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel,
                                     const vcl::TRect& rect, TuiCanvas& canvas) const;
    virtual TuxStatusBarPanelBevel GetPanelBevel(const TuxStatusBarPanel* panel) const;
    virtual vcl::TColor GetPanelColor(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel) const;
    virtual vcl::TRect GetPanelTextRect(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel,
                                        const vcl::TRect& rect) const;
};

using TuxStatusBarPainterClass = const TuxStatusBarPainter*;

// The system size-grip glyph drawn into rect with its face left out, so only its dots land on the canvas.
void DrawSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect);

} // namespace ui
