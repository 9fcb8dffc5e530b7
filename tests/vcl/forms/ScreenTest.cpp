// The screen: forms, the screen cursor, fonts, resolution and monitors; the mouse settings.

#include "vcl/forms/Screen.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/controls/pointer/Mouse.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(Screen, FormsAreListedWhileTheyExist) {
    const int32_t before = vcl::Screen().FormCount();
    {
        auto form = ui_test::CreateTestForm();
        ASSERT_EQ(vcl::Screen().FormCount(), before + 1);
        EXPECT_EQ(vcl::Screen().Forms(before), form.get());
    }
    EXPECT_EQ(vcl::Screen().FormCount(), before);
}

TEST(Screen, TheScreenCursorIsShownAtOnceAndGivenBack) {
    vcl::Screen().SetCursor(vcl::crHourGlass);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(vcl::Screen().Cursor(), vcl::crHourGlass);
    vcl::Screen().SetCursor(vcl::crDefault);
    EXPECT_EQ(vcl::Screen().Cursor(), vcl::crDefault);
    HCURSOR own = LoadCursorW(nullptr, IDC_CROSS);
    vcl::Screen().SetCursors(2100, own);
    EXPECT_EQ(vcl::Screen().Cursors(2100), own);
    EXPECT_EQ(vcl::Screen().Cursors(2999), LoadCursorW(nullptr, IDC_ARROW)) << "an unknown cursor is the arrow";
}

TEST(Screen, ResolutionMonitorsAndWorkAreaDescribeTheTestDisplay) {
    EXPECT_EQ(vcl::Screen().PixelsPerInch(), 96);
    const std::vector<vcl::TMonitor> monitors = vcl::Screen().Monitors();
    ASSERT_GE(monitors.size(), 1u);
    EXPECT_EQ(std::count_if(monitors.begin(), monitors.end(), [](const vcl::TMonitor& m) { return m.Primary; }), 1);
    const vcl::TMonitor primary = vcl::Screen().MonitorFromPoint({0, 0});
    EXPECT_TRUE(primary.Primary);
    EXPECT_EQ(primary.BoundsRect, vcl::Rect(0, 0, vcl::Screen().Width(), vcl::Screen().Height()));
    const vcl::TRect work = vcl::Screen().WorkAreaRect();
    EXPECT_EQ(vcl::IntersectRect(work, primary.BoundsRect), work) << "the work area lies on the screen";
    EXPECT_EQ(vcl::Screen().MonitorFromPoint({-5000, -5000}, vcl::mdNull).Handle, nullptr);
}

TEST(Screen, FontsAreTheInstalledFamiliesSortedOnce) {
    const std::vector<rtl::UnicodeString>& fonts = vcl::Screen().Fonts();
    EXPECT_FALSE(fonts.empty());
    EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end()));
    EXPECT_EQ(std::adjacent_find(fonts.begin(), fonts.end()), fonts.end());
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), u"Tahoma"), fonts.end());
}

TEST(Mouse, SettingsComeFromTheSystem) {
    EXPECT_EQ(vcl::Mouse().DragThreshold(), GetSystemMetrics(SM_CXDRAG));
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(vcl::Mouse().WheelScrollLines(), static_cast<int32_t>(lines));
    vcl::Mouse().SetCursorPos({300, 200});
    EXPECT_EQ(vcl::Mouse().CursorPos(), vcl::Point(300, 200));
}

} // namespace
