#pragma once
// TuxStatusBarSkinPainter: the status bar drawn from its look and feel's skin: the bar's background, border and empty
// panel from "StatusBar", panel bevels from "LinkStatic", the size grip ("SizeGrip", drawn after the panels) and the
// default text colour. Without the skin's element an operation takes the base or standard way; separators and panel
// backgrounds are never drawn under a skin painter. The skins' unit start-up makes it the bar's skin painter.

#include "ui/pagecontrol/statusbar/uxStatusBarPainters.h"

namespace ui {

class TuxSkinInfo;

class TuxStatusBarSkinPainter : public TuxStatusBarStandardPainter {
public:
    static const TuxStatusBarSkinPainter& Instance();

    void DrawContainerControl(const TuxStatusBarContainerPanelStyle& style) const override;
    // The panels' content keeps clear of the grip itself, which is drawn after them.
    bool ExcludesSizeGripFromPanels(const TuxCustomStatusBar& bar) const override;
    // clWindowText becomes the skin's text colour ("StatusBar"'s, or "DisabledTextColor" when not active); a skin
    // colour left at clDefault is none and leaves clWindowText.
    void AdjustTextColor(const TuxCustomStatusBar& bar, vcl::TColor& color, bool active) const override;
    bool DrawsSizeGripFirst() const override { return false; }
    vcl::TRect GetPanelContentMargins(const TuxStatusBarPanel* panel, bool hasBorder) const override;
    int32_t SeparatorWidth() const override { return 1; }
    void DrawBorder(const TuxCustomStatusBar& bar, TuiCanvas& canvas, vcl::TRect& rect) const override;
    void DrawEmptyPanel(const TuxCustomStatusBar& bar, TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void DrawPanelBorder(const TuxCustomStatusBar& bar, TuxStatusBarPanelBevel bevel, vcl::TRect& rect,
                         TuiCanvas& canvas) const override;
    void DrawPanelSeparator(const TuxCustomStatusBar& bar, TuiCanvas& canvas, const vcl::TRect& rect) const override;
    void DrawSizeGrip(const TuxCustomStatusBar& bar, TuiCanvas& canvas, bool overlapped,
                      const vcl::TRect& rect) const override;
    void DrawPanelBackground(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel, const vcl::TRect& rect,
                             TuiCanvas& canvas) const override;
};

namespace detail {
// The skins' unit start-up: the bar's skin painter is set, and cleared again.
void RegisterStatusBarSkinPainter();
void UnregisterStatusBarSkinPainter();
} // namespace detail

} // namespace ui
