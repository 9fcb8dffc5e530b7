#include "ui/editors/dropdown/popup/uiEditPopupWindowViewInfo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/themes/uxThemeManager.h"

#include <algorithm>

namespace ui {

namespace {

// The themed list box border (list box part 3, state 3) that a native popup wears.
constexpr int32_t EditPopupThemedBorderPart = 3;
constexpr int32_t EditPopupThemedBorderState = 3;
constexpr int32_t EditPopupThemedSizeBoxState = 1;
// The skin's editor button kind of a close button.
constexpr int32_t EditPopupSkinCloseButtonKind = 0;

void DrawEdgeAndShrink(TuiCanvas& canvas, vcl::TRect& rect, bool sunken, bool outer) {
    canvas.DrawEdge(rect, sunken, outer);
    rect = InflateRectBy(rect, -1, -1);
}

TuiButtonState CloseButtonPainterState(uint8_t state) {
    if (state == epcbsPressed) {
        return uibsPressed;
    }
    return state == epcbsHot ? uibsHot : uibsNormal;
}

void FrameAndShrink(TuiCanvas& canvas, vcl::TRect& rect, vcl::TColor color) {
    canvas.FrameRect(rect, color);
    rect = InflateRectBy(rect, -1, -1);
}

} // namespace

bool TuiCustomEditPopupWindowViewInfo::IsPanelThemed() const {
    return NativeStyle && SysPanelStyle && OpenThemeOfType(totWindow) != nullptr;
}

vcl::TSize TuiCustomEditPopupWindowViewInfo::ThemedPartSize(TuxThemedObjectType type, int32_t part,
                                                            int32_t state) const {
    vcl::TSize size{0, 0};
    HTHEME theme = OpenThemeOfType(type);
    if (theme == nullptr ||
        UxTheme().GetThemePartSize(theme, nullptr, part, state, nullptr, uxThemeSizeTrue, size) != 0) {
        return {0, 0};
    }
    return size;
}

int32_t TuiCustomEditPopupWindowViewInfo::MeasuredSysPanelHeight() const {
    int32_t height = std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE));
    if (IsPanelThemed()) {
        height = std::max(height, ThemedPartSize(totWindow, EditPopupThemedClosePart, 1).cy);
        height =
            std::max(height, ThemedPartSize(totScrollBar, EditPopupThemedSizeBoxPart, EditPopupThemedSizeBoxState).cy);
    }
    return height;
}

int32_t TuiCustomEditPopupWindowViewInfo::GetEffectiveSysPanelHeight() const {
    return EditPopupEffectiveSysPanelHeight(MeasuredSysPanelHeight(), MinSysPanelHeight);
}

vcl::TRect TuiCustomEditPopupWindowViewInfo::GetClientExtent() const {
    TuiEditPopupExtentLayout layout;
    layout.Look = FrameLook();
    layout.Shadow = Shadow;
    layout.SysPanelHeight = SysPanelStyle ? GetEffectiveSysPanelHeight() : 0;
    layout.GripCorner = GripCorner;
    return EditPopupClientExtent(layout);
}

void TuiCustomEditPopupWindowViewInfo::Calculate(vcl::TSize windowSize) {
    WindowSize = windowSize;
    Bounds = {0, 0, windowSize.cx, windowSize.cy};
    const vcl::TRect extent = GetClientExtent();
    ClientRect = {extent.Left, extent.Top, windowSize.cx - extent.Right, windowSize.cy - extent.Bottom};
    SysPanelHeight = SysPanelStyle ? GetEffectiveSysPanelHeight() : 0;
    SizingBorderWidth = std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE));
    const bool themed = IsPanelThemed();

    TuiEditPopupPanelSettings settings;
    settings.WindowSize = windowSize;
    settings.Look = FrameLook();
    settings.Shadow = Shadow;
    settings.SysPanelHeight = SysPanelHeight;
    settings.MeasuredPanelHeight = MeasuredSysPanelHeight();
    settings.Sizeable = Sizeable;
    settings.CloseButton = CloseButton;
    settings.GripCorner = GripCorner;
    if (themed) {
        settings.ThemedSizeBox = ThemedPartSize(totScrollBar, EditPopupThemedSizeBoxPart, EditPopupThemedSizeBoxState);
        settings.ThemedCloseButton = ThemedPartSize(totWindow, EditPopupThemedClosePart, 1);
    }
    // A theme that cannot tell the close button's size has no such part: the button is drawn without it.
    CloseButtonThemeState = settings.ThemedCloseButton.cx > 0 ? CloseButtonState : 0;
    const TuiEditPopupPanelLayout layout = EditPopupPanelLayout(settings);
    InnerRect = layout.InnerRect;
    GripHitRect = layout.GripHitRect;
    GripRect = layout.GripRect;
    CloseButtonRect = layout.CloseButtonRect;
}

bool TuiCustomEditPopupWindowViewInfo::GetSizingHitTest(vcl::TPoint point,
                                                        TuiEditPopupSizingDirections& directions) const {
    directions = {};
    if (!Sizeable) {
        return false;
    }
    TuiEditPopupSizingZones zones;
    zones.Size = WindowSize;
    zones.InnerRect = InnerRect;
    zones.GripHitRect = GripHitRect;
    zones.SizingBorderWidth = SizingBorderWidth;
    zones.GripCorner = GripCorner;
    return EditPopupSizingHitTest(zones, point, directions);
}

void TuiCustomEditPopupWindowViewInfo::DrawBorder(TuiCanvas& canvas, vcl::TRect& rect) const {
    if (NativeStyle) {
        HTHEME theme = OpenThemeOfType(totListBox);
        if (theme != nullptr) {
            UxTheme().DrawThemeBackground(theme, canvas.Handle(), EditPopupThemedBorderPart, EditPopupThemedBorderState,
                                          rect);
            rect = InflateRectBy(rect, -1, -1);
        } else {
            FrameAndShrink(canvas, rect, vcl::clBtnText);
        }
        return;
    }
    if (SkinPainter != nullptr) {
        FrameAndShrink(canvas, rect, LineColor());
        return;
    }
    switch (PopupBorderStyle) {
    case epbsSingle:
        FrameAndShrink(canvas, rect, vcl::clBtnText);
        return;
    case epbsFrame3D:
    case epbsFlat:
        DrawEdgeAndShrink(canvas, rect, false, true);
        DrawEdgeAndShrink(canvas, rect, false, false);
        if (PopupBorderStyle == epbsFrame3D) {
            FrameAndShrink(canvas, rect, ClientEdge ? vcl::clInactiveBorder : vcl::clBtnFace);
            if (ClientEdge) {
                FrameAndShrink(canvas, rect, vcl::clBtnFace);
            } else {
                DrawEdgeAndShrink(canvas, rect, true, true);
            }
        }
        return;
    case epbsDefault:
        return;
    }
}

// The strip of rect on the grip's side that the panel takes.
vcl::TRect TuiCustomEditPopupWindowViewInfo::PanelStrip(const vcl::TRect& rect) const {
    if (IsEditPopupGripAtTop(GripCorner)) {
        return {rect.Left, rect.Top, rect.Right, rect.Top + SysPanelHeight};
    }
    return {rect.Left, rect.Bottom - SysPanelHeight, rect.Right, rect.Bottom};
}

void TuiCustomEditPopupWindowViewInfo::DrawSeparator(TuiCanvas& canvas) const {
    if (SysPanelHeight == 0 || (PopupBorderStyle != epbsSingle && CloseButtonThemeState == 0)) {
        return;
    }
    const int32_t edge = ClientEdge ? EditPopupClientEdgeWidth(FrameLook()) : 0;
    const vcl::TRect client = InflateRectBy(ClientRect, edge, edge);
    const int32_t y = IsEditPopupGripAtTop(GripCorner) ? client.Top - 1 : client.Bottom;
    canvas.FillRectColor({client.Left, y, client.Right, y + 1}, LineColor());
}

void TuiCustomEditPopupWindowViewInfo::DrawClientEdge(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (!ClientEdge) {
        return;
    }
    vcl::TRect edge = rect;
    if (SysPanelHeight > 0) {
        const int32_t panel = SysPanelHeight + (NativeStyle || PopupBorderStyle == epbsSingle ? 1 : 0);
        (IsEditPopupGripAtTop(GripCorner) ? edge.Top : edge.Bottom) +=
            IsEditPopupGripAtTop(GripCorner) ? panel : -panel;
    }
    DrawEdgeAndShrink(canvas, edge, true, true);
    if (NativeStyle || PopupBorderStyle != epbsFlat) {
        canvas.DrawEdge(edge, true, false);
    }
}

vcl::TColor TuiCustomEditPopupWindowViewInfo::LineColor() const {
    return SkinPainter != nullptr ? SkinPainter->ContainerBorderColorFor(false) : vcl::clBtnText;
}

void TuiCustomEditPopupWindowViewInfo::PaintFace(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (SkinPainter != nullptr) {
        SkinPainter->PaintWindowFace(canvas, rect);
    } else {
        canvas.FillRectColor(rect, vcl::clBtnFace);
    }
}

// The grip is drawn as a bottom-right grip into a bitmap and mirrored into its corner; a skin turns its own grip.
void TuiCustomEditPopupWindowViewInfo::DrawSizeGrip(TuiCanvas& canvas) const {
    if (SkinPainter != nullptr) {
        SkinPainter->PaintSizeGrip(canvas, GripRect, GripCorner, SkinPainter->FormContentColor());
        return;
    }
    canvas.FillRectColor(GripRect, vcl::clBtnFace);
    const vcl::TSize themed =
        NativeStyle ? ThemedPartSize(totScrollBar, EditPopupThemedSizeBoxPart, EditPopupThemedSizeBoxState)
                    : vcl::TSize{0, 0};
    const bool useTheme = themed.cx > 0 && themed.cy > 0;
    const int32_t width = useTheme ? themed.cx + 2 : GetSystemMetrics(SM_CXVSCROLL);
    const int32_t height = useTheme ? themed.cy + 2 : GetSystemMetrics(SM_CYHSCROLL);
    const bool left = IsEditPopupGripAtLeft(GripCorner);
    const bool top = IsEditPopupGripAtTop(GripCorner);
    vcl::TRect box{left ? GripRect.Left : GripRect.Right - width, top ? GripRect.Top : GripRect.Bottom - height, 0, 0};
    box.Right = box.Left + width;
    box.Bottom = box.Top + height;
    // Two pixels come off the grip's inner sides.
    (left ? box.Right : box.Left) += left ? -2 : 2;
    (top ? box.Bottom : box.Top) += top ? -2 : 2;
    const int32_t cx = box.Width();
    const int32_t cy = box.Height();
    if (cx <= 0 || cy <= 0) {
        return;
    }
    HDC memory = CreateCompatibleDC(canvas.Handle());
    HBITMAP bitmap = CreateCompatibleBitmap(canvas.Handle(), cx, cy);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, cx, cy};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    if (useTheme) {
        UxTheme().DrawThemeBackground(OpenThemeOfType(totScrollBar), memory, EditPopupThemedSizeBoxPart,
                                      EditPopupThemedSizeBoxState, {0, 0, cx, cy});
    } else {
        DrawFrameControl(memory, &all, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    StretchBlt(canvas.Handle(), left ? box.Right - 1 : box.Left, top ? box.Bottom - 1 : box.Top, left ? -cx : cx,
               top ? -cy : cy, memory, 0, 0, cx, cy, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void TuiCustomEditPopupWindowViewInfo::DrawCloseButton(TuiCanvas& canvas) const {
    if (SkinPainter != nullptr) {
        SkinPainter->PaintWindowFace(canvas, CloseButtonRect);
        SkinPainter->PaintEditButton(canvas, CloseButtonRect, EditPopupSkinCloseButtonKind,
                                     CloseButtonPainterState(CloseButtonState), 0);
        return;
    }
    if (CloseButtonThemeState != 0) {
        HTHEME theme = OpenThemeOfType(totWindow);
        if (UxTheme().IsThemeBackgroundPartiallyTransparent(theme, EditPopupThemedClosePart, CloseButtonThemeState)) {
            canvas.FillRectColor(CloseButtonRect, vcl::clBtnFace);
        }
        UxTheme().DrawThemeBackground(theme, canvas.Handle(), EditPopupThemedClosePart, CloseButtonThemeState,
                                      CloseButtonRect);
        return;
    }
    canvas.FillRectColor(CloseButtonRect, vcl::clBtnFace);
    RECT rect{CloseButtonRect.Left, CloseButtonRect.Top, CloseButtonRect.Right, CloseButtonRect.Bottom};
    UINT state = DFCS_CAPTIONCLOSE | DFCS_FLAT;
    if (CloseButtonState == epcbsPressed) {
        state |= DFCS_PUSHED;
    } else if (CloseButtonState == epcbsHot) {
        state |= DFCS_HOT;
    }
    DrawFrameControl(canvas.Handle(), &rect, DFC_CAPTION, state);
}

void TuiCustomEditPopupWindowViewInfo::PaintContents(TuiCanvas& canvas) const {
    vcl::TRect rect = Bounds;
    if (Shadow) {
        rect.Right -= EditPopupShadowSize;
        rect.Bottom -= EditPopupShadowSize;
        PaintContainerShadow(canvas, rect);
    }
    DrawBorder(canvas, rect);
    DrawSeparator(canvas);
    DrawClientEdge(canvas, rect);
    if (SysPanelHeight > 0) {
        if (Sizeable && !GripRect.IsEmpty()) {
            DrawSizeGrip(canvas);
            canvas.ExcludeClipArea(GripRect);
        }
        if (!CloseButtonRect.IsEmpty()) {
            DrawCloseButton(canvas);
            canvas.ExcludeClipArea(CloseButtonRect);
        }
    }
    PaintFace(canvas, ClientRect);
    if (SysPanelHeight > 0) {
        PaintFace(canvas, PanelStrip(rect));
    }
}

} // namespace ui
