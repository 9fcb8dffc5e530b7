// The editor framework's start-up, which the test program runs: the mouse-wheel cursor comes from the program's
// resources, drawn by the art generator.

#include "ui/editors/framework/uiEditFrameworkUnit.h"

#include "rtl/WindowsApi.h"
#include "vcl/controls/pointer/Cursors.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiEditFrameworkUnit, TheMouseWheelCursorIsTheProgramsOwn) {
    const HCURSOR cursor = vcl::CursorHandle(crEditMouseWheel);
    ASSERT_NE(cursor, nullptr);
    EXPECT_NE(cursor, LoadCursorW(nullptr, IDC_ARROW));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_EQ(info.xHotspot, 15u);
    EXPECT_EQ(info.yHotspot, 15u);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

} // namespace
} // namespace ui
