#pragma once
// Rectangles and points in test output, as "(left, top, right, bottom)" and "(x, y)".

#include "vcl/system/Types.h"

#include <ostream>

namespace vcl {
inline void PrintTo(const TRect& rect, std::ostream* out) {
    *out << "(" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom << ")";
}
inline void PrintTo(const TPoint& point, std::ostream* out) {
    *out << "(" << point.X << ", " << point.Y << ")";
}
} // namespace vcl
