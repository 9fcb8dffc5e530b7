#pragma once
// Points, sizes and rectangles in pixels, laid out as the Windows POINT, SIZE and RECT structures (32-bit signed
// members in that order), so the framework passes them to Windows as they are. A rectangle's right and bottom edges
// lie outside it.

#include <cstdint>

namespace vcl {

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;

    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr int32_t Width() const { return Right - Left; }
    constexpr int32_t Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    // True when the rectangle holds no pixel.
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint point) const {
        return point.X >= Left && point.X < Right && point.Y >= Top && point.Y < Bottom;
    }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int32_t x, int32_t y) {
    return {x, y};
}

constexpr TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {left, top, right, bottom};
}

// The rectangle of that size whose top-left corner is (left, top).
constexpr TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}

constexpr TRect OffsetRect(const TRect& rect, int32_t dx, int32_t dy) {
    return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

// The common part of a and b; an empty rectangle (all zero) when they do not overlap.
TRect IntersectRect(const TRect& a, const TRect& b);

} // namespace vcl
