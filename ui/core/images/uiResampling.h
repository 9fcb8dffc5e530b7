#pragma once
// High-quality resampling of 32-bit pixels with a separable Lanczos-3 filter: one pass along the rows, one along the
// columns. For every destination index a pass lists the source pixels that contribute to it with integer weights
// (256 = 1); indexes beyond the edges mirror back into the picture.

#include "ui/core/graphics/uiPixelOps.h"

#include <cstdint>
#include <vector>

namespace ui {

// One source pixel's share in a destination pixel.
struct TuiResampleContribution {
    int32_t Pixel;
    int32_t Weight;
};

using TuiResampleContributions = std::vector<std::vector<TuiResampleContribution>>;

// The reach of the filter at a scale: 1 pixel wide when enlarging, 1 / scale when shrinking; three widths each side.
struct TuiResampleFilter {
    double Width;
    double Radius;
};

TuiResampleFilter ResampleFilter(float scale);
// The scale of a pass: (dest - 1) / (source - 1), or dest / source when either length is 1; single precision.
float ResampleScale(int32_t sourceLength, int32_t destLength);
// The contributions to each of destLength pixels from a row (or column) of sourceLength pixels. Both lengths are at
// least 1.
TuiResampleContributions ComputeResampleContributions(int32_t sourceLength, int32_t destLength);
// The source pixel an index of the filter reads: -j for j < 0, 2n - 1 - j for j >= n, kept within the picture.
int32_t MirrorResampleIndex(int32_t index, int32_t length);

// The width x height pixels (row after row) resampled to destWidth x destHeight; empty when any size is 0 or the
// pixels do not match the size.
TRGBColors ResamplePixels(const TRGBColors& source, int32_t width, int32_t height, int32_t destWidth,
                          int32_t destHeight);

} // namespace ui
