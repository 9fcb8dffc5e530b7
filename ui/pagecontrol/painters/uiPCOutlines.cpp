#include "ui/pagecontrol/painters/uiPCOutlines.h"

#include "rtl/WindowsApi.h"

#include <algorithm>

namespace ui {

namespace {

bool IsLeftOrTop(TLinePosition code) {
    return code == lpL || code == lpLT || code == lpT || code == lpLB;
}

// Moves the two end points of a segment as its side asks: has tells whether a side occurs in the outline.
template <class THas>
void MoveSegmentEnds(TLinePosition code, vcl::TPoint& start, vcl::TPoint& end, const THas& has) {
    switch (code) {
    case lpL:
        ++start.X;
        start.Y += has(lpLB) ? 1 : 0;
        ++end.X;
        end.Y -= has(lpLT) ? 1 : 0;
        break;
    case lpLT:
        (has(lpL) ? start.Y : start.X) += 1;
        (has(lpT) ? end.X : end.Y) += 1;
        break;
    case lpT:
        ++start.Y;
        start.X -= has(lpLT) ? 1 : 0;
        ++end.Y;
        end.X += has(lpRT) ? 1 : 0;
        break;
    case lpLB:
        has(lpB) ? ++start.X : --start.Y;
        has(lpL) ? --end.Y : ++end.X;
        break;
    case lpRT:
        has(lpT) ? ++start.X : --start.Y;
        has(lpR) ? --end.Y : ++end.X;
        break;
    case lpR:
        ++start.X;
        start.Y += has(lpRT) ? 1 : 0;
        ++end.X;
        end.Y -= has(lpRB) ? 1 : 0;
        break;
    case lpRB:
        (has(lpR) ? start.Y : start.X) += 1;
        (has(lpB) ? end.X : end.Y) += 1;
        break;
    case lpB:
        ++start.Y;
        start.X -= has(lpRB) ? 1 : 0;
        ++end.Y;
        end.X += has(lpLB) ? 1 : 0;
        break;
    }
}

} // namespace

void TuiPCOutline::Add(std::initializer_list<vcl::TPoint> points, std::initializer_list<TLinePosition> codes) {
    Points.insert(Points.end(), points);
    Codes.insert(Codes.end(), codes);
}

vcl::TPoint TurnTopTabPoint(vcl::TPoint point, const vcl::TRect& rect, TuiTabPosition side) {
    const int32_t along = point.X - rect.Left;
    const int32_t fromBase = rect.Bottom - 1 - point.Y;
    switch (side) {
    case tpBottom:
        return {point.X, rect.Top + fromBase};
    case tpLeft:
        return {rect.Right - 1 - fromBase, rect.Bottom - 1 - along};
    case tpRight:
        return {rect.Left + fromBase, rect.Bottom - 1 - along};
    default:
        return point;
    }
}

std::vector<vcl::TPoint> TurnTopTabPoints(std::span<const vcl::TPoint> points, const vcl::TRect& rect,
                                          TuiTabPosition side) {
    std::vector<vcl::TPoint> turned;
    turned.reserve(points.size());
    for (const vcl::TPoint point : points) {
        turned.push_back(TurnTopTabPoint(point, rect, side));
    }
    return turned;
}

TLinePosition TurnLinePosition(TLinePosition code, TuiTabPosition side) {
    // By code lpL, lpLT, lpT, lpRT, lpR, lpRB, lpB, lpLB.
    static constexpr TLinePosition Bottom[] = {lpL, lpLB, lpB, lpRB, lpR, lpRT, lpT, lpLT};
    static constexpr TLinePosition Left[] = {lpB, lpLB, lpL, lpLT, lpT, lpRT, lpR, lpRB};
    static constexpr TLinePosition Right[] = {lpB, lpRB, lpR, lpRT, lpT, lpLT, lpL, lpLB};
    switch (side) {
    case tpBottom:
        return Bottom[code];
    case tpLeft:
        return Left[code];
    case tpRight:
        return Right[code];
    default:
        return code;
    }
}

vcl::TSize TopTabSize(const vcl::TRect& rect, TuiTabPosition side) {
    const bool across = side == tpLeft || side == tpRight;
    return across ? vcl::TSize{rect.Height(), rect.Width()} : vcl::TSize{rect.Width(), rect.Height()};
}

std::unique_ptr<TuiRegion> CreateOutlineRegion(const TuiPCOutline& outline, bool growLeftTop) {
    std::vector<vcl::TPoint> points = outline.Points;
    const auto has = [&outline](TLinePosition code) {
        return std::find(outline.Codes.begin(), outline.Codes.end(), code) != outline.Codes.end();
    };
    const size_t segments = std::min(outline.Codes.size(), points.empty() ? 0 : points.size() - 1);
    for (size_t i = 0; i < segments; ++i) {
        const TLinePosition code = outline.Codes[i];
        if (IsLeftOrTop(code) == growLeftTop) {
            MoveSegmentEnds(code, points[i], points[i + 1], has);
        }
    }
    if (points.size() < 3) {
        return std::make_unique<TuiRegion>();
    }
    std::vector<POINT> corners;
    corners.reserve(points.size());
    for (const vcl::TPoint point : points) {
        corners.push_back({point.X, point.Y});
    }
    return std::make_unique<TuiRegion>(
        vcl::TRegionHandle(CreatePolygonRgn(corners.data(), static_cast<int>(corners.size()), WINDING)));
}

} // namespace ui
