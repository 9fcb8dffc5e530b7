// Hints as a user meets them: the pointer rests on a control, the control hears CM_HINTSHOW and may change or refuse
// the hint, the short part shows in a hint window, and a key press or leaving the control ends it.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/forms/Application.h"
#include "vcl/hints/HintWindow.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A control that lets a test answer CM_HINTSHOW.
class THintedControl : public vcl_test::TColorControl {
public:
    using TColorControl::TColorControl;
    std::function<intptr_t(vcl::THintInfo&)> OnHintShow;
    int HintShows = 0;

    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == vcl::CM_HINTSHOW) {
            ++HintShows;
            auto& info = *reinterpret_cast<vcl::THintInfo*>(message.LParam);
            message.Result = OnHintShow ? OnHintShow(info) : 0;
            return;
        }
        TColorControl::Dispatch(message);
    }
};

struct THintFixture : testing::Test {
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm();
    THintedControl* Control = nullptr;
    THintFixture() {
        vcl::Application().SetHintPause(30);
        Control = vcl_test::AddControl<THintedControl>(*Form, u"Hinted", vcl::Bounds(20, 20, 100, 60));
        Control->SetHint(u"保存|Saves the sales list");
        Control->SetShowHint(true);
    }
    ~THintFixture() override {
        vcl::Application().CancelHint();
        // The pointer leaves the test forms' area, where later tests do not expect it.
        SetCursorPos(0, 0);
        ui_test::ProcessPendingMessages();
        vcl::Application().SetOnShowHint({});
    }
    bool WaitForHint() {
        return ui_test::PumpUntil([] { return vcl::Application().HintWindow() != nullptr; }, 1500);
    }
};

TEST_F(THintFixture, TheShortHintShowsAfterThePauseAndAKeyEndsIt) {
    ui_test::MouseMove(*Control, {30, 30});
    ASSERT_TRUE(WaitForHint());
    vcl::THintWindow* window = vcl::Application().HintWindow();
    EXPECT_EQ(window->Caption(), u"保存");
    EXPECT_EQ(Control->HintShows, 1);
    RECT bounds{};
    GetWindowRect(window->Handle(), &bounds);
    const vcl::TPoint pointer = Control->ClientToScreen({30, 30});
    EXPECT_GT(bounds.top, pointer.Y) << "below the pointer";
    EXPECT_GT(bounds.right - bounds.left, 4);
    EXPECT_NE(GetActiveWindow(), window->Handle()) << "the hint takes no activation";
    ui_test::PressKey(VK_SHIFT);
    EXPECT_EQ(vcl::Application().HintWindow(), nullptr);
}

TEST_F(THintFixture, TheControlAndOnShowHintMayChangeOrRefuseTheHint) {
    Control->OnHintShow = [](vcl::THintInfo& info) -> intptr_t {
        EXPECT_EQ(info.HintStr, u"保存");
        EXPECT_EQ(info.CursorPos, vcl::Point(30, 30));
        info.HintStr = u"Changed";
        return 0;
    };
    bool asked = false;
    vcl::Application().SetOnShowHint([&](rtl::UnicodeString& text, bool& canShow, vcl::THintInfo& info) {
        asked = true;
        EXPECT_EQ(info.HintControl, Control);
        text += u"!";
        canShow = true;
    });
    ui_test::MouseMove(*Control, {30, 30});
    ASSERT_TRUE(WaitForHint());
    EXPECT_TRUE(asked);
    EXPECT_EQ(vcl::Application().HintWindow()->Caption(), u"Changed!");
    ui_test::MouseMove(*Form, {250, 200});
    EXPECT_TRUE(ui_test::PumpUntil([] { return vcl::Application().HintWindow() == nullptr; }))
        << "leaving the control ends the hint";

    Control->OnHintShow = [](vcl::THintInfo&) -> intptr_t { return 1; };
    ui_test::MouseMove(*Control, {40, 40});
    EXPECT_FALSE(WaitForHint()) << "refused";
    EXPECT_GE(Control->HintShows, 2);
}

TEST(HintWindow, CalcHintRectFitsTheTextAndBreaksLongLines) {
    vcl::THintWindow window(nullptr);
    const vcl::TRect oneLine = window.CalcHintRect(1000, u"税收分类编码", nullptr);
    EXPECT_GT(oneLine.Width(), 10);
    EXPECT_GT(oneLine.Height(), 10);
    const vcl::TRect broken = window.CalcHintRect(60, u"one two three four five six seven", nullptr);
    EXPECT_GT(broken.Height(), oneLine.Height()) << "several lines";
    EXPECT_TRUE(window.IsHintMsg(WM_KEYDOWN));
    EXPECT_FALSE(window.IsHintMsg(WM_MOUSEMOVE));
}

} // namespace
