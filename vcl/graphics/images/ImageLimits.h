#pragma once
// The limits every image reader checks a declared size against before it allocates anything: a side of an image and
// the number of its pixels (the pixels of a 32-bit image at the limit take 256 MB).

#include <cstdint>

namespace vcl {

inline constexpr int64_t MaxImageSide = 32768;
inline constexpr int64_t MaxImagePixels = int64_t{64} * 1024 * 1024;

// True when an image of width x height pixels stays within the limits (both sides at least 1).
constexpr bool ImageSizeAllowed(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= MaxImageSide && height <= MaxImageSide &&
           width * height <= MaxImagePixels;
}

} // namespace vcl
