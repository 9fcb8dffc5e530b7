#include "vcl/system/Types.h"

#include "rtl/WindowsApi.h"

#include <algorithm>

namespace vcl {

static_assert(sizeof(TPoint) == sizeof(POINT) && sizeof(TRect) == sizeof(RECT) && sizeof(TSize) == sizeof(SIZE),
              "the geometry types must be laid out as the Windows structures");

TRect IntersectRect(const TRect& a, const TRect& b) {
    const TRect common{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                       std::min(a.Bottom, b.Bottom)};
    return common.IsEmpty() ? TRect{} : common;
}

} // namespace vcl
