#pragma once
// TuiRegion: one GDI region, owned, with the set operations clipping needs (copy, union, difference, intersection),
// moving and point tests. Two empty regions are the same region wherever they lie.

#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace ui {

// How a region combines with another: copy replaces it, the others combine in place.
enum class TuiRegionOperation : int32_t { Copy = 0, Union = 1, Difference = 2, Intersection = 3 };

class TuiRegion {
public:
    // An empty region (the rectangle (0, 0, 0, 0)).
    TuiRegion();
    explicit TuiRegion(const vcl::TRect& rect);
    TuiRegion(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Takes ownership of a region; an empty holder gives an empty region.
    explicit TuiRegion(vcl::TRegionHandle handle);
    TuiRegion(const TuiRegion&) = delete;
    TuiRegion& operator=(const TuiRegion&) = delete;

    HRGN Handle() const { return FHandle.Get(); }
    bool IsEmpty() const;
    // The smallest rectangle holding the region.
    vcl::TRect Bounds() const;
    void CombineWith(const TuiRegion& other, TuiRegionOperation operation);
    // False for nullptr; true when both are empty or hold the same pixels.
    bool SameAs(const TuiRegion* other) const;
    void MoveBy(int32_t dx, int32_t dy);
    void MoveBy(vcl::TPoint offset) { MoveBy(offset.X, offset.Y); }
    bool ContainsPoint(vcl::TPoint point) const { return ContainsXY(point.X, point.Y); }
    bool ContainsXY(int32_t x, int32_t y) const;

private:
    vcl::TRegionHandle FHandle;
};

} // namespace ui
