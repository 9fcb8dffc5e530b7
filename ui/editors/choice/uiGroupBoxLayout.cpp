#include "ui/editors/choice/uiGroupBoxLayout.h"

namespace ui {

namespace {

// The fixed distance of a caption from the box's corner.
constexpr int32_t captionCornerOffset = 8;

bool LeansLeft(TuiCaptionAlignment a) {
    return a == alTopLeft || a == alBottomLeft || a == alLeftTop || a == alLeftCenter || a == alLeftBottom;
}
bool LeansRight(TuiCaptionAlignment a) {
    return a == alTopRight || a == alBottomRight || a == alRightTop || a == alRightCenter || a == alRightBottom;
}
bool LeansUp(TuiCaptionAlignment a) {
    return a == alTopLeft || a == alTopCenter || a == alTopRight || a == alLeftTop || a == alRightTop;
}
bool LeansDown(TuiCaptionAlignment a) {
    return a == alBottomLeft || a == alBottomCenter || a == alBottomRight || a == alLeftBottom || a == alRightBottom;
}
bool CentredAcross(TuiCaptionAlignment a) {
    return a == alTopCenter || a == alBottomCenter || a == alCenterCenter;
}
bool CentredDown(TuiCaptionAlignment a) {
    return a == alLeftCenter || a == alRightCenter || a == alCenterCenter;
}

// A caption turned a quarter turn on the left or right side: thickness h across, length w along the side.
vcl::TRect SideCaptionRect(TuiCaptionAlignment alignment, vcl::TSize box, int32_t s, int32_t w, int32_t h) {
    const int32_t W = box.cx;
    const int32_t H = box.cy;
    switch (alignment) {
    case alLeftTop:
        return {0, captionCornerOffset, h, captionCornerOffset + 1 + w};
    case alLeftCenter: {
        const int32_t bottom = H - s - (H - s - w) / 2;
        return {0, bottom - w - 1, h, bottom};
    }
    case alLeftBottom: {
        const int32_t bottom = H - s - captionCornerOffset;
        return {0, bottom - w - 1, h, bottom};
    }
    case alRightTop:
        return {W - h, captionCornerOffset, W, captionCornerOffset + w};
    case alRightCenter: {
        const int32_t top = (H - w) / 2;
        return {W - h, top, W, top + w};
    }
    default:
        return {W - h, H - captionCornerOffset - w, W, H - captionCornerOffset};
    }
}

} // namespace

TuiGroupCaptionPosition AlignmentToCaptionPosition(TuiCaptionAlignment alignment) {
    if (alignment <= alTopRight) {
        return gcpTop;
    }
    if (alignment <= alBottomRight) {
        return gcpBottom;
    }
    if (alignment <= alLeftBottom) {
        return gcpLeft;
    }
    return alignment <= alRightBottom ? gcpRight : gcpNone;
}

bool IsSideAlignment(TuiCaptionAlignment alignment) {
    const TuiGroupCaptionPosition position = AlignmentToCaptionPosition(alignment);
    return position == gcpLeft || position == gcpRight;
}

vcl::TRect StandardCaptionRect(TuiCaptionAlignment alignment, vcl::TSize box, int32_t shadow, vcl::TSize textSize) {
    const int32_t w = textSize.cx;
    const int32_t h = textSize.cy;
    if (w == 0 && h == 0) {
        return {};
    }
    if (IsSideAlignment(alignment)) {
        return SideCaptionRect(alignment, box, shadow, w, h);
    }
    vcl::TRect rect{captionCornerOffset, 0, captionCornerOffset + w, h};
    if (CentredAcross(alignment)) {
        rect.Left = (box.cx - shadow - w) / 2;
        rect.Right = rect.Left + w;
    } else if (alignment == alTopRight || alignment == alBottomRight) {
        rect.Right = box.cx - shadow - captionCornerOffset;
        rect.Left = rect.Right - w;
    }
    if (AlignmentToCaptionPosition(alignment) == gcpBottom) {
        rect.Top = box.cy - h;
        rect.Bottom = box.cy;
    } else if (alignment == alCenterCenter) {
        rect.Top = (box.cy - shadow - h) / 2;
        rect.Bottom = rect.Top + h;
    }
    return rect;
}

vcl::TRect PanelCaptionBounds(TuiCaptionAlignment alignment, const vcl::TRect& bounds, int32_t captionIndent) {
    const int32_t across = CentredAcross(alignment) ? 2 : captionIndent;
    const int32_t down = CentredDown(alignment) ? 2 : captionIndent;
    vcl::TRect result = bounds;
    if (LeansLeft(alignment) || CentredAcross(alignment)) {
        result.Left += across;
    }
    if (LeansRight(alignment) || CentredAcross(alignment)) {
        result.Right -= across;
    }
    if (LeansUp(alignment) || CentredDown(alignment)) {
        result.Top += down;
    }
    if (LeansDown(alignment) || CentredDown(alignment)) {
        result.Bottom -= down;
    }
    return result;
}

vcl::TRect PlacePanelCaption(TuiCaptionAlignment alignment, const vcl::TRect& bounds, vcl::TSize textSize) {
    vcl::TRect rect{bounds.Left, bounds.Top, bounds.Left + textSize.cx, bounds.Top + textSize.cy};
    if (CentredAcross(alignment)) {
        rect.Left = bounds.Left + (bounds.Width() - textSize.cx) / 2;
    } else if (LeansRight(alignment)) {
        rect.Left = bounds.Right - textSize.cx;
    }
    rect.Right = rect.Left + textSize.cx;
    if (CentredDown(alignment)) {
        rect.Top = bounds.Top + (bounds.Height() - textSize.cy) / 2;
    } else if (LeansDown(alignment)) {
        rect.Top = bounds.Bottom - textSize.cy;
    }
    rect.Bottom = rect.Top + textSize.cy;
    return rect;
}

} // namespace ui
