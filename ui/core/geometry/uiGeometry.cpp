#include "ui/core/geometry/uiGeometry.h"

#include "rtl/core/ClassRegistry.h"

#include <algorithm>

namespace ui {

namespace {

// Half of a sum of two coordinates, truncated toward zero, without overflow.
int32_t HalfOfSum(int64_t a, int64_t b) {
    return static_cast<int32_t>((a + b) / 2);
}

} // namespace

bool IsRectEmptyArea(const vcl::TRect& r) {
    return r.Left >= r.Right || r.Top >= r.Bottom;
}

bool IntersectRects(vcl::TRect& result, const vcl::TRect& a, const vcl::TRect& b) {
    result = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
              std::min(a.Bottom, b.Bottom)};
    if (IsRectEmptyArea(result)) {
        result = {};
        return false;
    }
    return true;
}

bool RectsIntersect(const vcl::TRect& a, const vcl::TRect& b) {
    vcl::TRect scratch;
    return IntersectRects(scratch, a, b);
}

vcl::TRect InflateRectBy(const vcl::TRect& r, int32_t dx, int32_t dy) {
    return InflateRectSides(r, dx, dy, dx, dy);
}

vcl::TRect InflateRectSides(const vcl::TRect& r, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {r.Left - left, r.Top - top, r.Right + right, r.Bottom + bottom};
}

void DeflateRectInPlace(vcl::TRect& r, const vcl::TRect& margins) {
    r = DeflateRectByMargins(r, margins);
}

vcl::TRect DeflateRectByMargins(const vcl::TRect& r, const vcl::TRect& margins) {
    return InflateRectSides(r, -margins.Left, -margins.Top, -margins.Right, -margins.Bottom);
}

vcl::TRect ShiftRect(const vcl::TRect& r, int32_t dx, int32_t dy, bool forward) {
    return forward ? vcl::OffsetRect(r, dx, dy) : vcl::OffsetRect(r, -dx, -dy);
}

vcl::TRect ShiftRectByPoint(const vcl::TRect& r, vcl::TPoint p, bool forward) {
    return ShiftRect(r, p.X, p.Y, forward);
}

vcl::TRect RotateRect(const vcl::TRect& r) {
    return {r.Top, r.Left, r.Bottom, r.Right};
}

vcl::TRect RectFromSize(vcl::TSize s) {
    return {0, 0, s.cx, s.cy};
}

vcl::TRect RectFromPoints(vcl::TPoint topLeft, vcl::TPoint bottomRight) {
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

vcl::TRect ChangeRectHeight(const vcl::TRect& r, int32_t height) {
    return {r.Left, r.Top, r.Right, r.Top + height};
}

vcl::TRect ChangeRectWidth(const vcl::TRect& r, int32_t width) {
    return {r.Left, r.Top, r.Left + width, r.Bottom};
}

vcl::TRect MoveRectLeft(const vcl::TRect& r, int32_t x) {
    return PlaceRectAtLeft(r, x, r.Width());
}

vcl::TRect PlaceRectAtLeft(const vcl::TRect& r, int32_t x, int32_t width) {
    return {x, r.Top, x + width, r.Bottom};
}

vcl::TRect PlaceRectAtRight(const vcl::TRect& r, int32_t x, int32_t width) {
    return {x - width, r.Top, x, r.Bottom};
}

int32_t SumRectLeftRight(const vcl::TRect& margins) {
    return margins.Left + margins.Right;
}

vcl::TPoint GetRectCenterPoint(const vcl::TRect& r) {
    return {HalfOfSum(r.Left, r.Right), HalfOfSum(r.Top, r.Bottom)};
}

vcl::TRect CenterRectInRect(const vcl::TRect& r, int32_t width, int32_t height) {
    const int32_t left = HalfOfSum(r.Left, static_cast<int64_t>(r.Right) - width);
    const int32_t top = HalfOfSum(r.Top, static_cast<int64_t>(r.Bottom) - height);
    return {left, top, left + width, top + height};
}

vcl::TRect CenterSizeInRect(const vcl::TRect& r, vcl::TSize s) {
    return CenterRectInRect(r, s.cx, s.cy);
}

vcl::TRect FitRectToProportion(const vcl::TRect& r, int32_t a, int32_t b) {
    if (a <= 0 || b <= 0) {
        return r;
    }
    const int64_t width = r.Width();
    const int64_t height = r.Height();
    vcl::TRect result = r;
    // width / height >= a / b, compared without dividing.
    if (width * b >= a * height) {
        result.Right = static_cast<int32_t>(r.Left + a * height / b);
    } else {
        result.Bottom = static_cast<int32_t>(r.Top + b * width / a);
    }
    return result;
}

vcl::TPoint PointFromSize(vcl::TSize s) {
    return {s.cx, s.cy};
}

vcl::TPoint InvertPoint(vcl::TPoint p) {
    return {-p.X, -p.Y};
}

vcl::TPoint OffsetPoint(vcl::TPoint p, int32_t x, int32_t y, bool forward) {
    return forward ? vcl::TPoint{p.X + x, p.Y + y} : vcl::TPoint{p.X - x, p.Y - y};
}

vcl::TPoint OffsetPointByRectOrigin(vcl::TPoint p, const vcl::TRect& r, bool forward) {
    return OffsetPoint(p, r.Left, r.Top, forward);
}

void TuiRect::Assign(const rtl::TPersistent* source) {
    if (const auto* other = dynamic_cast<const TuiRect*>(source)) {
        SetRect(other->FRect);
    }
}

void TuiRect::SetRect(const vcl::TRect& rect) {
    vcl::TRect validated = rect;
    ValidateRect(validated);
    if (validated == FRect) {
        return;
    }
    FRect = validated;
    if (FOnChange) {
        FOnChange(this);
    }
}

void TuiRect::SetLeft(int32_t value) {
    SetRect({value, FRect.Top, FRect.Right, FRect.Bottom});
}

void TuiRect::SetTop(int32_t value) {
    SetRect({FRect.Left, value, FRect.Right, FRect.Bottom});
}

void TuiRect::SetRight(int32_t value) {
    SetRect({FRect.Left, FRect.Top, value, FRect.Bottom});
}

void TuiRect::SetBottom(int32_t value) {
    SetRect({FRect.Left, FRect.Top, FRect.Right, value});
}

void TuiRect::ValidateRect(vcl::TRect&) {}

void TuiSize::Assign(const rtl::TPersistent* source) {
    if (const auto* other = dynamic_cast<const TuiSize*>(source)) {
        SetSize(other->FSize);
        return;
    }
    TPersistent::Assign(source);
}

void TuiSize::SetSize(vcl::TSize size) {
    const vcl::TSize stored{std::max(size.cx, 0), std::max(size.cy, 0)};
    if (stored == FSize) {
        return;
    }
    FSize = stored;
    NotifyChange();
}

void TuiSize::SetHeight(int32_t value) {
    SetSize({FSize.cx, value});
}

void TuiSize::SetWidth(int32_t value) {
    SetSize({value, FSize.cy});
}

int32_t TuiSize::GetValue(TValueIndex index) const {
    return index == svHeight ? FSize.cy : FSize.cx;
}

void TuiSize::NotifyChange() {
    if (FOnChange) {
        FOnChange(this);
    }
}

void InitializeGeometryUnit() {
    rtl::RegisterClass(TuiRect::StaticClass());
}

void FinalizeGeometryUnit() {
    rtl::UnRegisterClass(TuiRect::StaticClass());
}

} // namespace ui
