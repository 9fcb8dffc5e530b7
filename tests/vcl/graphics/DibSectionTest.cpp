// The 32-bit DIB section surface: GDI paints into the pixels the program reads, top row first, as 0x00RRGGBB.

#include "vcl/graphics/DibSection.h"

#include "rtl/WindowsApi.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(DibSection, GdiPaintsIntoTopDownRgbPixels) {
    const vcl::TDibSection section(3, 2);
    ASSERT_TRUE(section);
    ASSERT_EQ(section.PixelCount(), 6u);
    std::fill(section.Pixels(), section.Pixels() + section.PixelCount(), 0u);
    SetPixelV(section.DC(), 1, 0, RGB(0x12, 0x34, 0x56));
    SetPixelV(section.DC(), 2, 1, RGB(0xFF, 0, 0));
    GdiFlush();
    const uint32_t* pixels = section.Pixels();
    EXPECT_EQ(pixels[1] & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(pixels[5] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pixels[0] | pixels[2] | pixels[3] | pixels[4], 0u);
}

TEST(DibSection, NoAreaGivesAnEmptySection) {
    const vcl::TDibSection section(0, 5);
    EXPECT_FALSE(section);
    EXPECT_EQ(section.Pixels(), nullptr);
}

} // namespace
