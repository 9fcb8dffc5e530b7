// Hints the library shows for a cell: the hint information as the application prepares it, the application's
// OnShowHint handler that changes the text, asks for a hint window class of its own or refuses the hint, and a hint
// shown only where a monitor is.

#include "ui/core/controls/routines/uiHintRoutines.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/containers/uiContainer.h"
#include "vcl/forms/Application.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// A hint window class of the program's own.
class TCellHintWindow : public vcl::THintWindow {
    RTL_DECLARE_CLASS(TCellHintWindow, vcl::THintWindow)
public:
    using THintWindow::THintWindow;
};

class HintRoutinesTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        Cell = new TuiContainer(Form.get());
        Cell->SetParent(Form.get());
        Cell->SetBounds(20, 30, 120, 40);
        Cell->HandleNeeded();
    }
    void TearDown() override { vcl::Application().SetOnShowHint(nullptr); }

    ui_test::TFormPtr<vcl::TForm> Form;
    TuiContainer* Cell = nullptr;
    vcl::THintInfo Info;
    TuiHintWindowPtr Window;
    int Data = 0;
};

TEST_F(HintRoutinesTest, WithoutAHandlerTheInformationIsFilledAndTheWindowAndRectangleStay) {
    rtl::UnicodeString text = u"a cut text";
    vcl::TRect rect{100, 120, 110, 130};
    ASSERT_TRUE(PrepareCellHintInfo(Info, Window, *Cell, text, rect, &Data));
    EXPECT_EQ(Window, nullptr);
    EXPECT_EQ(rect, (vcl::TRect{100, 120, 110, 130}));
    EXPECT_EQ(Info.HintControl, Cell);
    EXPECT_EQ(Info.HintWindowClass, nullptr);
    EXPECT_EQ(Info.HintPos, (vcl::TPoint{100, 120}));
    EXPECT_EQ(Info.HintStr, u"a cut text");
    EXPECT_EQ(Info.HintData, &Data);
    EXPECT_EQ(Info.HintColor, vcl::Application().HintColor());
    EXPECT_EQ(Info.ReshowTimeout, 0);
    // The cell's bounds in its own client coordinates.
    EXPECT_EQ(Info.CursorRect, (vcl::TRect{0, 0, 120, 40}));
}

TEST_F(HintRoutinesTest, AHandlerMayChangeTheTextAndAskForAWindowClassWhoseWindowSizesTheRectangle) {
    vcl::Application().SetOnShowHint([](rtl::UnicodeString& text, bool&, vcl::THintInfo& info) {
        text = u"changed by the handler";
        info.HintWindowClass = &TCellHintWindow::StaticClass();
    });
    rtl::UnicodeString text = u"cell";
    vcl::TRect rect{100, 120, 110, 130};
    ASSERT_TRUE(PrepareCellHintInfo(Info, Window, *Cell, text, rect, nullptr));
    ASSERT_NE(dynamic_cast<TCellHintWindow*>(Window.get()), nullptr);
    EXPECT_EQ(text, u"changed by the handler");
    const vcl::TRect size = Window->CalcHintRect(Info.HintMaxWidth, text, nullptr);
    EXPECT_EQ(rect, (vcl::TRect{100 + size.Left, 120 + size.Top, 100 + size.Right, 120 + size.Bottom}));
    EXPECT_GT(rect.Width(), 0);

    // A window of the class asked for is kept.
    const vcl::THintWindow* first = Window.get();
    ASSERT_TRUE(PrepareCellHintInfo(Info, Window, *Cell, text, rect, nullptr));
    EXPECT_EQ(Window.get(), first);
}

TEST_F(HintRoutinesTest, AHintTheHandlerRefusesDoesNotShowAndMakesNoWindow) {
    vcl::Application().SetOnShowHint([](rtl::UnicodeString&, bool& canShow, vcl::THintInfo&) { canShow = false; });
    rtl::UnicodeString text = u"cell";
    vcl::TRect rect{100, 120, 110, 130};
    EXPECT_FALSE(PrepareCellHintInfo(Info, Window, *Cell, text, rect, nullptr));
    EXPECT_EQ(Window, nullptr);
    EXPECT_EQ(rect, (vcl::TRect{100, 120, 110, 130}));
}

TEST_F(HintRoutinesTest, AHintShowsOnlyWhereAMonitorIs) {
    EXPECT_TRUE(HasMonitorAtPoint({10, 10}));
    vcl::THintWindow window(nullptr);
    ShowHintIfPointValid(window, {10, 10, 80, 30}, u"shown");
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(window.HandleAllocated() && IsWindowVisible(window.WindowHandle()));
    window.ReleaseHandle();

    if (HasMonitorAtPoint({-30000, -30000})) {
        GTEST_SKIP() << "the display reports a monitor everywhere";
    }
    ShowHintIfPointValid(window, {-30000, -30000, -29900, -29980}, u"nowhere");
    EXPECT_FALSE(window.HandleAllocated() && IsWindowVisible(window.WindowHandle()));
}

} // namespace
} // namespace ui
