#include "ui/pagecontrol/statusbar/uxStatusBarPainter.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "ui/pagecontrol/statusbar/uxStatusBarContainerPanelStyle.h"

namespace ui {

void DrawSizeGripGlyph(TuiCanvas& canvas, const vcl::TRect& rect) {
    const int32_t width = rect.Width();
    const int32_t height = rect.Height();
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    RECT local{0, 0, width, height};
    FillRect(memory, &local, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrameControl(memory, &local, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    // Keyed on the face colour as the bitmap holds it, so a face the screen rounds still drops out.
    const COLORREF face = GetPixel(memory, 0, 0);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const COLORREF pixel = GetPixel(memory, x, y);
            if (pixel != face) {
                SetPixelV(canvas.Handle(), rect.Left + x, rect.Top + y, pixel);
            }
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void TuxStatusBarPainter::DrawContainerControl(const TuxStatusBarContainerPanelStyle& style) const {
    TuxStatusBarContainerControl* container = style.Container();
    if (!container) {
        return;
    }
    const TuxCustomStatusBar& bar = style.StatusBar();
    vcl::TRect rect = ShiftRect(bar.GetClientBounds(), -container->Left(), -container->Top());
    TuiCanvas& canvas = container->UICanvas();
    DrawBorder(bar, canvas, rect);
    DrawPanelBackground(bar, &style.Panel(), container->ClientRect(), canvas);
}

bool TuxStatusBarPainter::ExcludesSizeGripFromPanels(const TuxCustomStatusBar& /*bar*/) const {
    return true;
}

void TuxStatusBarPainter::AdjustTextColor(const TuxCustomStatusBar& /*bar*/, vcl::TColor& /*color*/,
                                          bool /*active*/) const {}

vcl::TRect TuxStatusBarPainter::GetBorderWidths(const TuxCustomStatusBar& bar) const {
    const int32_t width = bar.BorderWidth();
    return {width, TopBorderHeight() + width, width, width};
}

bool TuxStatusBarPainter::DrawsSizeGripFirst() const {
    return true;
}

vcl::TSize TuxStatusBarPainter::GetSizeGripSize() const {
    return {16, 16};
}

vcl::TSize TuxStatusBarPainter::GetSizeGripEdgeSize() const {
    return {12, 12};
}

vcl::TRect TuxStatusBarPainter::GetPanelContentMargins(const TuxStatusBarPanel* /*panel*/, bool hasBorder) const {
    return hasBorder ? vcl::TRect{1, 0, 1, 0} : vcl::TRect{0, 0, 0, 0};
}

int32_t TuxStatusBarPainter::SeparatorWidth() const {
    return 2;
}

int32_t TuxStatusBarPainter::GetSeparatorWidth(const TuxCustomStatusBar& /*bar*/) const {
    return SeparatorWidth();
}

int32_t TuxStatusBarPainter::TopBorderHeight() const {
    return 2;
}

void TuxStatusBarPainter::DrawBorder(const TuxCustomStatusBar& bar, TuiCanvas& canvas, vcl::TRect& rect) const {
    FillBackground(bar, canvas, {rect.Left, rect.Top, rect.Right, rect.Top + TopBorderHeight()});
    rect.Top += TopBorderHeight();
    const int32_t width = bar.BorderWidth();
    if (width <= 0) {
        return;
    }
    const vcl::TColor color = bar.Color();
    canvas.FillRectColor({rect.Left, rect.Top, rect.Right, rect.Top + width}, color);
    rect.Top += width;
    canvas.FillRectColor({rect.Left, rect.Bottom - width, rect.Right, rect.Bottom}, color);
    rect.Bottom -= width;
    canvas.FillRectColor({rect.Left, rect.Top, rect.Left + width, rect.Bottom}, color);
    rect.Left += width;
    canvas.FillRectColor({rect.Right - width, rect.Top, rect.Right, rect.Bottom}, color);
    rect.Right -= width;
}

void TuxStatusBarPainter::DrawEmptyPanel(const TuxCustomStatusBar& bar, TuiCanvas& canvas,
                                         const vcl::TRect& rect) const {
    vcl::TRect content = rect;
    DrawPanelBorder(bar, uxpbLowered, content, canvas);
    DrawPanelBackground(bar, nullptr, content, canvas);
}

void TuxStatusBarPainter::DrawPanel(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel,
                                    const vcl::TRect& rect, TuiCanvas& canvas) const {
    if (!panel) {
        DrawEmptyPanel(bar, canvas, rect);
        return;
    }
    if (!panel->Visible()) {
        DrawPanelBackground(bar, nullptr, rect, canvas);
        return;
    }
    vcl::TRect content = rect;
    TuxStatusBarPanelStyle* style = panel->PanelStyle();
    if (!ExcludesSizeGripFromPanels(bar) && style) {
        style->AdjustRectForSizeGrip(content);
    }
    DrawPanelBorder(bar, GetPanelBevel(panel), content, canvas);
    if (panel->OnDrawPanel()) {
        bool done = false;
        panel->OnDrawPanel()(const_cast<TuxStatusBarPanel*>(panel), canvas, content, done);
        if (done) {
            return;
        }
    }
    if (style) {
        style->DrawContent(canvas, content, *this);
    } else {
        DrawPanelBackground(bar, panel, content, canvas);
    }
}

void TuxStatusBarPainter::DrawPanelBorder(const TuxCustomStatusBar& /*bar*/, TuxStatusBarPanelBevel /*bevel*/,
                                          vcl::TRect& /*rect*/, TuiCanvas& /*canvas*/) const {}

void TuxStatusBarPainter::DrawPanelSeparator(const TuxCustomStatusBar& /*bar*/, TuiCanvas& /*canvas*/,
                                             const vcl::TRect& /*rect*/) const {}

void TuxStatusBarPainter::DrawSizeGrip(const TuxCustomStatusBar& bar, TuiCanvas& canvas, bool overlapped,
                                       const vcl::TRect& rect) const {
    const vcl::TRect inner = InflateRectBy(rect, -1, -1);
    const vcl::TSize size = GetSizeGripSize();
    const vcl::TRect grip{inner.Right - size.cx, inner.Bottom - size.cy, inner.Right, inner.Bottom};
    vcl::TRect fill = grip;
    if (overlapped) {
        ++fill.Right;
    }
    canvas.FillRectColor(fill, bar.Color());
    DrawSizeGripGlyph(canvas, grip);
    // The strips below and right of the grip hide the last panel's bevel there.
    const vcl::TSize edge = GetSizeGripEdgeSize();
    const vcl::TRect below{inner.Right - edge.cx, inner.Bottom, inner.Right + 1, inner.Bottom + 1};
    const vcl::TRect right{inner.Right, inner.Bottom - edge.cy, inner.Right + 1, inner.Bottom};
    canvas.FillRectColor(below, bar.Color());
    canvas.FillRectColor(right, bar.Color());
    canvas.ExcludeClipArea(fill);
    canvas.ExcludeClipArea(below);
    canvas.ExcludeClipArea(right);
}

void TuxStatusBarPainter::FillBackground(const TuxCustomStatusBar& bar, TuiCanvas& canvas,
                                         const vcl::TRect& rect) const {
    canvas.FillRectColor(rect, bar.Color());
}

void TuxStatusBarPainter::DrawPanelBackground(const TuxCustomStatusBar& /*bar*/, const TuxStatusBarPanel* /*panel*/,
                                              const vcl::TRect& /*rect*/, TuiCanvas& /*canvas*/) const {}

TuxStatusBarPanelBevel TuxStatusBarPainter::GetPanelBevel(const TuxStatusBarPanel* panel) const {
    if (!panel) {
        return uxpbLowered;
    }
    if (panel->PanelStyle() && panel->PanelStyle()->DrawsOwnBorders()) {
        return uxpbNone;
    }
    return panel->Bevel();
}

vcl::TColor TuxStatusBarPainter::GetPanelColor(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel) const {
    if (panel && panel->PanelStyle()) {
        return panel->PanelStyle()->Color();
    }
    return bar.Color();
}

vcl::TRect TuxStatusBarPainter::GetPanelTextRect(const TuxCustomStatusBar& /*bar*/, const TuxStatusBarPanel* /*panel*/,
                                                 const vcl::TRect& rect) const {
    return rect;
}

} // namespace ui
