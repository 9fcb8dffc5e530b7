#include "ui/core/controls/uiContainerViewInfo.h"

#include "ui/core/themes/uiDWMApi.h"
#include "ui/core/themes/uxUxTheme.h"

namespace ui {

namespace {

// TMT_BORDERCOLOR: the colour of a themed part's border.
constexpr int32_t ThemeBorderColorProperty = 3801;

// The native frame's colour: read from the list box theme under desktop composition, else from the combo box theme.
vcl::TColor NativeFrameColor(vcl::TColor fallback) {
    const bool composition = IsDwmCompositionEnabled();
    const HTHEME theme = OpenThemeOfType(composition ? totListBox : totComboBox);
    uint32_t color = 0;
    if (theme != nullptr &&
        UxTheme().GetThemeColor(theme, composition ? 3 : 1, 1, ThemeBorderColorProperty, color) == 0) {
        return static_cast<vcl::TColor>(color);
    }
    return fallback;
}

} // namespace

void TuiContainerViewInfo::Shift(int32_t dx, int32_t dy) {
    for (vcl::TRect* rect : {&BorderRect, &Bounds, &ClientRect}) {
        *rect = {rect->Left + dx, rect->Top + dy, rect->Right + dx, rect->Bottom + dy};
    }
}

vcl::TRect TuiContainerViewInfo::ClientRectWithin(const vcl::TRect& rect) const {
    if (Bounds.IsEmpty()) {
        return rect;
    }
    return {rect.Left + ClientRect.Left - Bounds.Left, rect.Top + ClientRect.Top - Bounds.Top,
            rect.Right - (Bounds.Right - ClientRect.Right), rect.Bottom - (Bounds.Bottom - ClientRect.Bottom)};
}

void TuiContainerViewInfo::PaintContents(TuiCanvas& canvas) const {
    if (NativeStyle) {
        PaintNativeContents(canvas);
    } else {
        PaintClassicContents(canvas);
    }
}

void TuiContainerViewInfo::PaintClassicContents(TuiCanvas& canvas) const {
    // The frame lies outside the border rectangle; where an edge is missing, the shadow starts at the rectangle.
    vcl::TRect frame = BorderRect;
    GrowRectByEdges(frame, BorderWidth, {bLeft, bTop});
    GrowRectByEdges(frame, BorderWidth, Edges * TuiBorders{bRight, bBottom});
    if (Shadow) {
        PaintContainerShadow(canvas, frame);
    }
    GrowRectByEdges(frame, BorderWidth, TuiBorders{bRight, bBottom} - Edges);
    PaintBorder(canvas, frame);
    canvas.FillRectColor(BorderRect, BackgroundColor);
}

void TuiContainerViewInfo::PaintBorder(TuiCanvas& canvas, const vcl::TRect& rect) const {
    if (Painter != nullptr && BorderStyle != cbsNone) {
        canvas.FrameRect(rect, BorderColor, BorderWidth);
        return;
    }
    switch (BorderStyle) {
    case cbsSingle:
    case cbsThick:
        canvas.FrameRect(rect, BorderColor, BorderWidth);
        return;
    case cbsFlat:
    case cbs3D: {
        canvas.DrawEdge(rect, true, true, Edges);
        const vcl::TRect inner{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
        if (BorderStyle == cbsFlat) {
            canvas.FrameRect(inner, vcl::clBtnFace);
        } else {
            canvas.DrawComplexFrame(inner, vcl::cl3DDkShadow, vcl::cl3DLight, Edges);
        }
        return;
    }
    default:
        return;
    }
}

void TuiContainerViewInfo::PaintNativeContents(TuiCanvas& canvas) const {
    if (BorderStyle == cbsNone) {
        canvas.FillRectColor(Bounds, BackgroundColor);
        return;
    }
    vcl::TRect content = Bounds;
    const HTHEME theme = OpenThemeOfType(ThemedObjectType);
    if (theme != nullptr) {
        UxTheme().GetThemeBackgroundContentRect(theme, canvas.Handle(), 1, NativeState, Bounds, content);
    }
    // The band between the bounds and the content takes the frame's colour.
    canvas.FillRectColor(Bounds, NativeFrameColor(BorderColor));
    canvas.FillRectColor(content, BackgroundColor);
}

} // namespace ui
