// The component messages that announce changes of a control's state to itself and to its children, and size
// constraints.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/controls/SizeConstraints.h"
#include "vcl/forms/Application.h"

#include <gtest/gtest.h>

namespace {

using vcl_test::AddControl;

// A control that records every component message it receives, with its WParam, and children's CM_INVALIDATE.
class TMessageRecorder : public vcl_test::TLoggingControl {
public:
    using TLoggingControl::TLoggingControl;
    std::vector<std::pair<uint32_t, uintptr_t>> Received;

    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg >= vcl::CM_BASE && message.Msg < vcl::CN_BASE) {
            Received.emplace_back(message.Msg, message.WParam);
        }
        TLoggingControl::Dispatch(message);
    }
    bool Got(uint32_t msg) const {
        return std::any_of(Received.begin(), Received.end(), [msg](const auto& m) { return m.first == msg; });
    }
};

struct TAnnouncedChange {
    const char* Name;
    std::function<void(vcl::TWinControl&)> Change;
    uint32_t OwnMessage;
    uint32_t ChildMessage; // 0: the children hear nothing
};

TEST(ComponentMessages, AChangeIsAnnouncedToTheControlAndWhatChildrenInheritToThem) {
    const TAnnouncedChange changes[] = {
        {"visible", [](vcl::TWinControl& c) { c.Hide(); }, vcl::CM_VISIBLECHANGED, 0},
        {"enabled", [](vcl::TWinControl& c) { c.SetEnabled(false); }, vcl::CM_ENABLEDCHANGED, 0},
        {"text", [](vcl::TWinControl& c) { c.SetCaption(u"新"); }, vcl::CM_TEXTCHANGED, 0},
        {"cursor", [](vcl::TWinControl& c) { c.SetCursor(vcl::crIBeam); }, vcl::CM_CURSORCHANGED, 0},
        {"colour", [](vcl::TWinControl& c) { c.SetColor(vcl::clAqua); }, vcl::CM_COLORCHANGED,
         vcl::CM_PARENTCOLORCHANGED},
        {"font", [](vcl::TWinControl& c) { c.Font().SetSize(15); }, vcl::CM_FONTCHANGED, vcl::CM_PARENTFONTCHANGED},
        {"show hint", [](vcl::TWinControl& c) { c.SetShowHint(true); }, vcl::CM_SHOWHINTCHANGED,
         vcl::CM_PARENTSHOWHINTCHANGED},
        {"reading order", [](vcl::TWinControl& c) { c.SetBiDiMode(vcl::bdRightToLeft); }, vcl::CM_BIDIMODECHANGED,
         vcl::CM_PARENTBIDIMODECHANGED},
        {"3D look", [](vcl::TWinControl& c) { c.SetCtl3D(false); }, vcl::CM_CTL3DCHANGED, vcl::CM_PARENTCTL3DCHANGED},
    };
    for (const TAnnouncedChange& change : changes) {
        SCOPED_TRACE(change.Name);
        auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
        auto* parent = AddControl<TMessageRecorder>(*form, u"Parent", vcl::Bounds(0, 0, 100, 60));
        auto* child = AddControl<TMessageRecorder>(*parent, u"Child");
        parent->Received.clear();
        child->Received.clear();
        change.Change(*parent);
        EXPECT_TRUE(parent->Got(change.OwnMessage));
        EXPECT_EQ(child->Got(change.ChildMessage), change.ChildMessage != 0);
    }
}

TEST(ComponentMessages, InvalidatingAControlTellsItsParentWithWParamOne) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* parent = AddControl<TMessageRecorder>(*form, u"Parent", vcl::Bounds(0, 0, 100, 60));
    auto* child = AddControl<TMessageRecorder>(*parent, u"Child");
    parent->Received.clear();
    child->Invalidate();
    EXPECT_EQ(child->Received.back(), std::make_pair(vcl::CM_INVALIDATE, uintptr_t{0}));
    EXPECT_EQ(parent->Received, (std::vector<std::pair<uint32_t, uintptr_t>>{{vcl::CM_INVALIDATE, 1}}));
}

TEST(ComponentMessages, SystemColourAndSettingChangesReachEveryControl) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* parent = AddControl<TMessageRecorder>(*form, u"Parent", vcl::Bounds(0, 0, 100, 60));
    auto* child = AddControl<TMessageRecorder>(*parent, u"Child");
    SendMessageW(vcl::Application().Handle(), WM_SYSCOLORCHANGE, 0, 0);
    SendMessageW(vcl::Application().Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    EXPECT_TRUE(child->Got(vcl::CM_SYSCOLORCHANGE));
    EXPECT_TRUE(child->Got(vcl::CM_WININICHANGE));
}

TEST(SizeConstraints, ALimitThatCrossesTheOppositeOneMovesIt) {
    vcl::TSizeConstraints constraints(nullptr);
    int changes = 0;
    constraints.SetOnChange([&](rtl::TObject*) { ++changes; });
    constraints.SetMinWidth(50);
    constraints.SetMaxWidth(30);
    EXPECT_EQ(constraints.MinWidth(), 30);
    constraints.SetMaxHeight(40);
    constraints.SetMinHeight(60);
    EXPECT_EQ(constraints.MaxHeight(), 60);
    constraints.SetMinHeight(60);
    EXPECT_EQ(changes, 4);
    int32_t width = 100;
    int32_t height = 10;
    constraints.Apply(width, height);
    EXPECT_EQ(width, 30);
    EXPECT_EQ(height, 60);
}

} // namespace
