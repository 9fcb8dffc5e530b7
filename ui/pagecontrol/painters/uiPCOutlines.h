#pragma once
// Tab outlines for the styles whose tabs are polygons: a list of points whose segments each carry the side of the
// shape they lie on, built as if the tab stood on top of the page and turned to the side it really stands on, and the
// region such an outline encloses. Polygon regions leave out their right and bottom edges, so the region moves the
// outline's segments by a pixel: its right and bottom ones outward to take in the whole outline (for clipping and hit
// tests), or its left and top ones inward to leave the outline out (for the face inside it).

#include "ui/core/graphics/uiRegion.h"
#include "ui/pagecontrol/tabs/uiTabControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

namespace ui {

// The side of a shape a segment lies on: left, left-top diagonal, top, right-top diagonal, right, right-bottom
// diagonal, bottom, left-bottom diagonal.
enum TLinePosition : uint8_t { lpL, lpLT, lpT, lpRT, lpR, lpRB, lpB, lpLB };

// Segment i runs from point i to point i + 1 and lies on side Codes[i].
struct TuiPCOutline {
    std::vector<vcl::TPoint> Points;
    std::vector<TLinePosition> Codes;

    void Add(std::initializer_list<vcl::TPoint> points, std::initializer_list<TLinePosition> codes);
};

// A point given as if the tab of rect stood on top (its start at rect.Left, its base row next to the page at
// rect.Bottom - 1, along and across exchanged for a tab on the left or right) on the side the tab stands on: a tab on
// the bottom is the top one mirrored, a tab on the left or right has its start at the bottom and its far edge at the
// control's left or right.
vcl::TPoint TurnTopTabPoint(vcl::TPoint point, const vcl::TRect& rect, TuiTabPosition side);
std::vector<vcl::TPoint> TurnTopTabPoints(std::span<const vcl::TPoint> points, const vcl::TRect& rect,
                                          TuiTabPosition side);
TLinePosition TurnLinePosition(TLinePosition code, TuiTabPosition side);
// A tab rectangle's length along its line and its thickness across it.
vcl::TSize TopTabSize(const vcl::TRect& rect, TuiTabPosition side);

// The polygon (winding fill) of the outline with, segment by segment, the end points of its left and top segments
// moved inward (growLeftTop) or of its right and bottom segments moved outward.
std::unique_ptr<TuiRegion> CreateOutlineRegion(const TuiPCOutline& outline, bool growLeftTop);

} // namespace ui
