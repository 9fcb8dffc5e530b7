// The platform's own answers under the test prefix, which pins Windows 7 for a 64-bit process.

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/system/uxSystemInfo.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uxSystemInfoOnWindows, ThePlatformReportsWindows7WithoutWow64) {
    const TuxSystemInfo& platform = detail::PlatformSystemInfo();
    const TuxOSVersion version = platform.OSVersion();
    EXPECT_EQ(version.PlatformId, uxPlatformWinNT);
    EXPECT_EQ(version.Major, 6u);
    EXPECT_EQ(version.Minor, 1u);
    EXPECT_FALSE(platform.IsWow64()) << "a 64-bit process never runs under WOW64";
    EXPECT_TRUE(OSFlags().IsWin7);
}

TEST(uxSystemInfoOnWindows, SystemColoursAreTheSchemes) {
    for (const int index : {COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_WINDOW, COLOR_BTNSHADOW}) {
        EXPECT_EQ(ColorToRGB(vcl::SystemColorBase + index), GetSysColor(index)) << index;
    }
}

TEST(uxSystemInfoOnWindows, MulDivAgreesWithThePlatformForPositiveDivisors) {
    const int32_t values[] = {0, 1, -1, 2, -3, 7, 100, -100, 201, 255, 1000003, -77777, 2147483647, -2147483647};
    const int32_t divisors[] = {1, 2, 3, 7, 10, 200, 255, 65536, 2147483647};
    for (const int32_t a : values) {
        for (const int32_t b : values) {
            for (const int32_t c : divisors) {
                EXPECT_EQ(MulDiv(a, b, c), ::MulDiv(a, b, c)) << a << " * " << b << " / " << c;
            }
        }
    }
}

} // namespace
} // namespace ui
