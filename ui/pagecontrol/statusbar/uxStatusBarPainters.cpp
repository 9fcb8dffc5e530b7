#include "ui/pagecontrol/statusbar/uxStatusBarPainters.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/core/themes/uxUxTheme.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"

namespace ui {

namespace {

HTHEME StatusTheme() {
    return OpenThemeOfType(totStatus);
}

// The part's true size on a screen device context, or fallback when there is no theme or it cannot tell.
vcl::TSize StatusPartSize(int32_t part, vcl::TSize fallback) {
    HTHEME theme = StatusTheme();
    if (!theme) {
        return fallback;
    }
    HDC screen = GetDC(nullptr);
    vcl::TSize size{};
    const int32_t result = UxTheme().GetThemePartSize(theme, screen, part, 0, nullptr, uxThemeSizeTrue, size);
    ReleaseDC(nullptr, screen);
    if (result != 0 || size.cx <= 0 || size.cy <= 0) {
        return fallback;
    }
    return size;
}

void DrawStatusPart(TuiCanvas& canvas, int32_t part, const vcl::TRect& rect) {
    if (HTHEME theme = StatusTheme()) {
        UxTheme().DrawThemeBackground(theme, canvas.Handle(), part, 0, rect);
    }
}

} // namespace

const TuxStatusBarStandardPainter& TuxStatusBarStandardPainter::Instance() {
    static const TuxStatusBarStandardPainter instance;
    return instance;
}

void TuxStatusBarStandardPainter::DrawPanelBorder(const TuxCustomStatusBar& /*bar*/, TuxStatusBarPanelBevel bevel,
                                                  vcl::TRect& rect, TuiCanvas& canvas) const {
    if (bevel == uxpbNone) {
        return;
    }
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawEdge(canvas.Handle(), &r, bevel == uxpbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    rect = {r.left, r.top, r.right, r.bottom};
}

void TuxStatusBarStandardPainter::DrawPanelSeparator(const TuxCustomStatusBar& bar, TuiCanvas& canvas,
                                                     const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, bar.Color());
}

void TuxStatusBarStandardPainter::DrawPanelBackground(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel,
                                                      const vcl::TRect& rect, TuiCanvas& canvas) const {
    canvas.FillRectColor(rect, GetPanelColor(bar, panel));
}

const TuxStatusBarFlatPainter& TuxStatusBarFlatPainter::Instance() {
    static const TuxStatusBarFlatPainter instance;
    return instance;
}

void TuxStatusBarFlatPainter::DrawPanelBorder(const TuxCustomStatusBar& /*bar*/, TuxStatusBarPanelBevel bevel,
                                              vcl::TRect& rect, TuiCanvas& canvas) const {
    if (bevel == uxpbNone) {
        return;
    }
    canvas.FrameRect(rect, vcl::clBtnShadow);
    rect = InflateRectBy(rect, -1, -1);
}

const TuxStatusBarOffice11Painter& TuxStatusBarOffice11Painter::Instance() {
    static const TuxStatusBarOffice11Painter instance;
    return instance;
}

vcl::TRect TuxStatusBarOffice11Painter::GetBorderWidths(const TuxCustomStatusBar& /*bar*/) const {
    return {1, 1, 1, 1};
}

void TuxStatusBarOffice11Painter::DrawBorder(const TuxCustomStatusBar& /*bar*/, TuiCanvas& canvas,
                                             vcl::TRect& rect) const {
    // The bar's gradient runs between the scheme's light and dark bar colours.
    const TuxOffice11Colors& colors = Office11Colors();
    PaintTwoPhaseGradient(canvas.Handle(), rect, colors.Office11BarLightColor, colors.Office11BarDarkColor, false);
    rect = InflateRectBy(rect, -1, -1);
}

void TuxStatusBarOffice11Painter::DrawPanelBorder(const TuxCustomStatusBar& /*bar*/, TuxStatusBarPanelBevel bevel,
                                                  vcl::TRect& rect, TuiCanvas& canvas) const {
    if (bevel == uxpbNone) {
        return;
    }
    canvas.FrameRect(rect, MixColors(Office11Colors().Office11BarDarkColor, vcl::clBlack, 90));
    rect = InflateRectBy(rect, -1, -1);
}

void TuxStatusBarOffice11Painter::DrawSizeGrip(const TuxCustomStatusBar& /*bar*/, TuiCanvas& canvas, bool overlapped,
                                               const vcl::TRect& rect) const {
    const vcl::TSize size = GetSizeGripSize();
    const vcl::TRect grip{rect.Right - size.cx, rect.Bottom - 1 - size.cy, rect.Right, rect.Bottom - 1};
    DrawOffice11SizeGrip(canvas.Handle(), grip);
    vcl::TRect excluded = grip;
    if (!overlapped) {
        --excluded.Right;
    }
    canvas.ExcludeClipArea(excluded);
}

const TuxStatusBarXPPainter& TuxStatusBarXPPainter::Instance() {
    static const TuxStatusBarXPPainter instance;
    return instance;
}

vcl::TRect TuxStatusBarXPPainter::GetBorderWidths(const TuxCustomStatusBar& /*bar*/) const {
    return {0, TopBorderHeight(), 0, 0};
}

vcl::TSize TuxStatusBarXPPainter::GetSizeGripSize() const {
    return StatusPartSize(uxStatusPartGripper, TuxStatusBarPainter::GetSizeGripSize());
}

int32_t TuxStatusBarXPPainter::SeparatorWidth() const {
    return StatusPartSize(uxStatusPartPane, {TuxStatusBarPainter::SeparatorWidth(), 1}).cx;
}

void TuxStatusBarXPPainter::DrawBorder(const TuxCustomStatusBar& /*bar*/, TuiCanvas& canvas, vcl::TRect& rect) const {
    DrawStatusPart(canvas, uxStatusPartBackground, rect);
    rect.Top += TopBorderHeight();
}

void TuxStatusBarXPPainter::DrawPanelSeparator(const TuxCustomStatusBar& /*bar*/, TuiCanvas& canvas,
                                               const vcl::TRect& rect) const {
    DrawStatusPart(canvas, uxStatusPartPane, rect);
}

void TuxStatusBarXPPainter::DrawSizeGrip(const TuxCustomStatusBar& /*bar*/, TuiCanvas& canvas, bool overlapped,
                                         const vcl::TRect& rect) const {
    const vcl::TSize size = GetSizeGripSize();
    const int32_t right = rect.Right - 1;
    const vcl::TRect grip{right - size.cx, rect.Bottom - size.cy, right, rect.Bottom};
    DrawStatusPart(canvas, uxStatusPartGripper, grip);
    vcl::TRect excluded = grip;
    if (overlapped) {
        ++excluded.Right;
    }
    canvas.ExcludeClipArea(excluded);
}

} // namespace ui
