#include "ui/core/images/uiResampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {

namespace {

constexpr double LanczosRadius = 3.0;

double SinC(double x) {
    if (x == 0.0) {
        return 1.0;
    }
    const double angle = std::numbers::pi * x;
    return std::sin(angle) / angle;
}

double Lanczos3(double x) {
    if (std::abs(x) >= LanczosRadius) {
        return 0.0;
    }
    return SinC(x) * SinC(x / LanczosRadius);
}

uint32_t ChannelOf(int64_t sum) {
    if (sum < 0) {
        return 0;
    }
    return static_cast<uint32_t>(std::min<int64_t>(255, sum >> 8));
}

// The pixel of the weighted sums of each channel (B, G, R, A).
uint32_t WeightedPixel(const std::vector<TuiResampleContribution>& contributions, const uint32_t* source,
                       size_t stride) {
    int64_t sums[4] = {};
    for (const TuiResampleContribution& contribution : contributions) {
        const uint32_t pixel = source[static_cast<size_t>(contribution.Pixel) * stride];
        for (int channel = 0; channel < 4; ++channel) {
            sums[channel] += static_cast<int64_t>((pixel >> (8 * channel)) & 0xFF) * contribution.Weight;
        }
    }
    uint32_t result = 0;
    for (int channel = 0; channel < 4; ++channel) {
        result |= ChannelOf(sums[channel]) << (8 * channel);
    }
    return result;
}

} // namespace

float ResampleScale(int32_t sourceLength, int32_t destLength) {
    if (sourceLength == 1 || destLength == 1) {
        return static_cast<float>(destLength) / static_cast<float>(sourceLength);
    }
    return static_cast<float>(destLength - 1) / static_cast<float>(sourceLength - 1);
}

// The filter's reach can pass the far edge too when a short source shrinks (a radius of 15 over 5 pixels): a
// mirrored index is kept within the picture.
int32_t MirrorResampleIndex(int32_t index, int32_t length) {
    if (index < 0) {
        index = -index;
    } else if (index >= length) {
        index = 2 * length - 1 - index;
    }
    return std::clamp(index, 0, length - 1);
}

TuiResampleFilter ResampleFilter(float scale) {
    const double width = scale >= 1.0f ? 1.0 : 1.0 / scale;
    return {width, LanczosRadius * width};
}

TuiResampleContributions ComputeResampleContributions(int32_t sourceLength, int32_t destLength) {
    const float scale = ResampleScale(sourceLength, destLength);
    const auto [width, radius] = ResampleFilter(scale);
    TuiResampleContributions result(static_cast<size_t>(destLength));
    for (int32_t i = 0; i < destLength; ++i) {
        const double centre = i / static_cast<double>(scale);
        auto& contributions = result[static_cast<size_t>(i)];
        contributions.reserve(static_cast<size_t>(2 * radius + 1));
        const auto first = static_cast<int32_t>(std::floor(centre - radius));
        const auto last = static_cast<int32_t>(std::ceil(centre + radius));
        for (int32_t j = first; j <= last; ++j) {
            const auto weight = static_cast<int32_t>(std::nearbyint(Lanczos3((centre - j) / width) / width * 256.0));
            if (weight != 0) {
                contributions.push_back({MirrorResampleIndex(j, sourceLength), weight});
            }
        }
    }
    return result;
}

TRGBColors ResamplePixels(const TRGBColors& source, int32_t width, int32_t height, int32_t destWidth,
                          int32_t destHeight) {
    if (width <= 0 || height <= 0 || destWidth <= 0 || destHeight <= 0 ||
        source.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return {};
    }
    const TuiResampleContributions across = ComputeResampleContributions(width, destWidth);
    TRGBColors rows(static_cast<size_t>(destWidth) * static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* sourceRow = source.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int32_t x = 0; x < destWidth; ++x) {
            rows[static_cast<size_t>(y) * static_cast<size_t>(destWidth) + static_cast<size_t>(x)] =
                WeightedPixel(across[static_cast<size_t>(x)], sourceRow, 1);
        }
    }
    const TuiResampleContributions down = ComputeResampleContributions(height, destHeight);
    TRGBColors result(static_cast<size_t>(destWidth) * static_cast<size_t>(destHeight));
    for (int32_t y = 0; y < destHeight; ++y) {
        for (int32_t x = 0; x < destWidth; ++x) {
            result[static_cast<size_t>(y) * static_cast<size_t>(destWidth) + static_cast<size_t>(x)] =
                WeightedPixel(down[static_cast<size_t>(y)], rows.data() + x, static_cast<size_t>(destWidth));
        }
    }
    return result;
}

} // namespace ui
