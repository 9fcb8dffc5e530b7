// Lanczos-3 resampling: the scale and reach of a pass, where destination pixels are centred, the mirrored edges, and
// pictures that keep their colours.

#include "ui/core/images/uiResampling.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ui {
namespace {

int32_t WeightSum(const std::vector<TuiResampleContribution>& contributions) {
    int32_t sum = 0;
    for (const TuiResampleContribution& contribution : contributions) {
        sum += contribution.Weight;
    }
    return sum;
}

bool ChannelsNear(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

TEST(uiResampling, ScaleOfAPass) {
    EXPECT_EQ(ResampleScale(1, 5), 5.0f);
    EXPECT_EQ(ResampleScale(5, 1), 0.2f);
    EXPECT_EQ(ResampleScale(10, 19), 2.0f);
    EXPECT_EQ(ResampleScale(4, 7), 2.0f);
}

TEST(uiResampling, ShrinkingWidensTheFilter) {
    // Five pixels to one: the filter is five pixels wide and reaches 15 pixels to each side of the centre, all of
    // them mirrored back into the five.
    const TuiResampleFilter filter = ResampleFilter(ResampleScale(5, 1));
    EXPECT_NEAR(filter.Width, 5.0, 1e-6);
    EXPECT_NEAR(filter.Radius, 15.0, 1e-6);
    EXPECT_DOUBLE_EQ(ResampleFilter(2.0f).Radius, 3.0);
    const TuiResampleContributions contributions = ComputeResampleContributions(5, 1);
    ASSERT_EQ(contributions.size(), 1u);
    EXPECT_GT(contributions[0].size(), 7u) << "more source pixels than a filter of radius 3 reaches";
    for (const TuiResampleContribution& contribution : contributions[0]) {
        EXPECT_GE(contribution.Pixel, 0);
        EXPECT_LT(contribution.Pixel, 5);
    }
    EXPECT_NEAR(WeightSum(contributions[0]), 256, 4);
}

TEST(uiResampling, EnlargingCentresDestinationPixelsOnTheSource) {
    const TuiResampleContributions contributions = ComputeResampleContributions(10, 19);
    ASSERT_EQ(contributions.size(), 19u);
    ASSERT_EQ(contributions[18].size(), 1u) << "pixel 18 lies exactly on source pixel 9";
    EXPECT_EQ(contributions[18][0].Pixel, 9);
    EXPECT_EQ(contributions[18][0].Weight, 256);
    EXPECT_GT(contributions[1].size(), 1u) << "pixel 1 lies between source pixels 0 and 1";
}

TEST(uiResampling, IndexesBeyondTheEdgesMirror) {
    EXPECT_EQ(MirrorResampleIndex(-2, 10), 2);
    EXPECT_EQ(MirrorResampleIndex(11, 10), 8) << "n + 1 reads n - 2";
    EXPECT_EQ(MirrorResampleIndex(10, 10), 9);
    EXPECT_EQ(MirrorResampleIndex(4, 10), 4);
    EXPECT_EQ(MirrorResampleIndex(-14, 5), 4) << "kept within a short picture";
    EXPECT_EQ(MirrorResampleIndex(3, 1), 0);
}

// The rounded weights of a pixel sum to about 256, not exactly: colours may drift by a few levels.
TEST(uiResampling, PicturesKeepTheirColours) {
    constexpr uint32_t orange = 0xC0FF8000;
    const TRGBColors one{orange};
    const TRGBColors stretched = ResamplePixels(one, 1, 1, 5, 3);
    ASSERT_EQ(stretched.size(), 15u);
    for (uint32_t pixel : stretched) {
        EXPECT_TRUE(ChannelsNear(pixel, orange, 6)) << std::hex << pixel;
    }
    const TRGBColors plain(10 * 6, orange);
    for (uint32_t pixel : ResamplePixels(plain, 10, 6, 19, 2)) {
        EXPECT_TRUE(ChannelsNear(pixel, orange, 6)) << std::hex << pixel;
    }

    // A black left half and a white right half stay dark on the left and light on the right.
    TRGBColors halves(8 * 2);
    for (size_t i = 0; i < halves.size(); ++i) {
        halves[i] = i % 8 < 4 ? 0xFF000000 : 0xFFFFFFFF;
    }
    const TRGBColors wider = ResamplePixels(halves, 8, 2, 16, 2);
    EXPECT_LT(wider[1] & 0xFF, 16u);
    EXPECT_GT(wider[14] & 0xFF, 240u);
    EXPECT_EQ(wider[0] >> 24, 255u) << "alpha is resampled like the colours";
}

TEST(uiResampling, EmptyOrMismatchedPicturesGiveNothing) {
    EXPECT_TRUE(ResamplePixels({}, 0, 0, 4, 4).empty());
    EXPECT_TRUE(ResamplePixels(TRGBColors(4), 2, 2, 0, 3).empty());
    EXPECT_TRUE(ResamplePixels(TRGBColors(3), 2, 2, 4, 4).empty());
}

} // namespace
} // namespace ui
