// Editors in place as a host drives them: taken from the in-place editor list, opened by a key or a click, keys the
// editor leaves to the host, a failing post handler, Tab and Enter in a standalone editor, and auto size that keeps
// an anchored edge.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/CustomEditTestSupport.h"
#include "ui/editors/framework/control/uiInplaceEditList.h"
#include "vcl/extctrls/Panel.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace ui {
namespace {

using ui_test::TTestEdit;
using ui_test::TTestEditProperties;

TEST(TuiInplaceEditList, TheSamePropertiesGetTheSameEditorCopiedAgain) {
    TuiInplaceEditList list(nullptr);
    TTestEditProperties properties(nullptr);
    properties.SetClearKey(1);
    TuiCustomEdit& first = list.GetEditor(properties);
    EXPECT_TRUE(first.IsInplace());
    EXPECT_FALSE(first.Visible());
    EXPECT_EQ(first.ClassType(), TTestEdit::StaticClass());
    properties.SetClearKey(2);
    TuiCustomEdit& second = list.GetEditor(properties);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.Properties().ClearKey(), 2);
    EXPECT_NE(&second.Properties(), &properties) << "the editor works on a copy";
    EXPECT_EQ(list.Count(), 1);
}

TEST(TuiInplaceEditList, AFreedEditorServesPropertiesOfExactlyItsClass) {
    TuiInplaceEditList list(nullptr);
    TuiCustomEdit* editor = nullptr;
    {
        TTestEditProperties gone(nullptr);
        editor = &list.GetEditor(gone);
    }
    ui_test::TTestEditSubProperties sub(nullptr);
    EXPECT_NE(&list.GetEditor(sub), editor) << "a subclass gets an editor of its own";
    TTestEditProperties same(nullptr);
    EXPECT_EQ(&list.GetEditor(same), editor);
    EXPECT_EQ(list.Count(), 2);
    list.RemoveEditor(TTestEditProperties(nullptr));
    EXPECT_EQ(list.Count(), 2) << "unknown properties remove nothing";
    list.RemoveEditor(same);
    EXPECT_EQ(list.Count(), 1);
}

TEST(TuiInplaceEditList, TheLastListTakesTheListOfListsWithIt) {
    const int32_t before = InplaceEditListCount();
    {
        TuiInplaceEditList list(nullptr);
        EXPECT_EQ(InplaceEditListCount(), before + 1);
        TuiCustomEdit& made = list.GetEditorOfClass(TTestEditProperties::StaticClass());
        EXPECT_EQ(list.FindEditorOfClass(TTestEditProperties::StaticClass()), &made);
    }
    EXPECT_EQ(InplaceEditListCount(), before);
    TuiInplaceEditList again(nullptr);
    EXPECT_EQ(InplaceEditListCount(), before + 1);
}

// A host with one cell editor, as a grid uses it.
class TuiInplaceEditTest : public testing::Test {
protected:
    void SetUp() override {
        Host = ui_test::ShowNewTestForm(300, 200);
        List = std::make_unique<TuiInplaceEditList>(Host.get());
        Edit = static_cast<TTestEdit*>(&List->GetEditor(CellProperties));
        Edit->SetParent(Host.get());
        Edit->SetBounds(CellLeft, CellTop, 100, 22);
        Edit->SetAfterKeyHandler([this](rtl::TObject*, uint16_t& key, vcl::TShiftState) { AfterKeys.push_back(key); });
        ui_test::ProcessPendingMessages();
    }

    void TearDown() override { List.reset(); }

    static constexpr int CellLeft = 40;
    static constexpr int CellTop = 30;
    TTestEditProperties CellProperties{nullptr};
    ui_test::TFormPtr<vcl::TForm> Host;
    std::unique_ptr<TuiInplaceEditList> List;
    TTestEdit* Edit = nullptr;
    TuiCustomEditData* Data = nullptr;
    std::vector<uint16_t> AfterKeys;
};

TEST_F(TuiInplaceEditTest, WhileTheEditorShowsItsSiteLeavesTheTabOrder) {
    auto* site = new vcl::TPanel(Host.get());
    site->SetParent(Host.get());
    site->SetTabStop(true);
    site->SetBounds(10, 100, 120, 60);
    Edit->SetParent(site);
    Edit->SetVisible(false);
    const auto siteInTabOrder = [this, site] {
        std::vector<vcl::TWinControl*> list;
        Host->GetTabOrderList(list);
        return std::ranges::find(list, site) != list.end();
    };
    EXPECT_TRUE(siteInTabOrder());
    Edit->ActivateByKey(u'a', Data);
    ASSERT_TRUE(Edit->Visible());
    EXPECT_FALSE(siteInTabOrder());
    EXPECT_TRUE(Edit->Deactivate());
    Edit->SetVisible(false);
    EXPECT_TRUE(siteInTabOrder());
}

TEST_F(TuiInplaceEditTest, TheKeyThatOpensTheEditorIsItsFirstCharacter) {
    Edit->ActivateByKey(u'a', Data);
    EXPECT_TRUE(Edit->Visible());
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->Text, u"a");
    EXPECT_TRUE(Edit->ChangedByUser());
    EXPECT_TRUE(Edit->Deactivate());
    EXPECT_TRUE(Edit->ValueValidated());
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"a");
}

TEST_F(TuiInplaceEditTest, AClickReleasedBeforeTheEditorShowsFreesTheCaptureAndASecondClickIsADoubleClick) {
    int doubleClicks = 0;
    Edit->SetOnDblClick([&](rtl::TObject*) { ++doubleClicks; });
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    keys[VK_LBUTTON] = 0;
    SetKeyboardState(keys.data());
    ASSERT_EQ(GetKeyState(VK_LBUTTON) & 0x8000, 0) << "the key state a test sets is the one the editor reads";
    Edit->ActivateByMouse({vcl::ssLeft}, CellLeft + 10, CellTop + 5, Data);
    EXPECT_NE(GetCapture(), Edit->WindowHandle());
    ui_test::Click(*Edit, {12, 5});
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(TuiInplaceEditTest, AFailingPostHandlerReachesTheHostWithTheEditorFocused) {
    Edit->SetPostHandler([](rtl::TObject*) { throw std::runtime_error("cannot store"); });
    Edit->ActivateByKey(u'7', Data);
    Host->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_THROW(Edit->CommitValue(true), std::runtime_error);
    EXPECT_TRUE(Edit->Focused()) << "the entry is not lost: the editor shows it";
    EXPECT_EQ(Edit->Text, u"7");
}

TEST_F(TuiInplaceEditTest, NavigationKeysWithoutInnerEditGoToTheHost) {
    Edit->Activate(Data);
    ui_test::PressKey(VK_PRIOR);
    ui_test::PressKey(VK_DOWN);
    EXPECT_EQ(AfterKeys, (std::vector<uint16_t>{VK_PRIOR, VK_DOWN}));
}

TEST_F(TuiInplaceEditTest, TabGoesToTheHostWhichMayTakeIt) {
    Edit->Activate(Data);
    ui_test::PressKey(VK_TAB);
    EXPECT_EQ(AfterKeys, (std::vector<uint16_t>{VK_TAB}));
}

class TuiStandaloneEditKeysTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        for (int i = 0; i < 3; ++i) {
            auto* edit = new TTestEdit(Form.get());
            edit->SetParent(Form.get());
            edit->SetBounds(10, 10 + 30 * i, 100, 22);
            Edits.push_back(edit);
        }
        ui_test::ProcessPendingMessages();
        Edits[1]->SetFocus();
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    std::vector<TTestEdit*> Edits;
};

TEST_F(TuiStandaloneEditKeysTest, TabAndShiftTabMoveTheFocusButNotWithCtrlOrAlt) {
    ui_test::PressKey(VK_TAB);
    EXPECT_TRUE(Edits[2]->Focused());
    ui_test::PressKey(VK_TAB, {vcl::ssShift});
    EXPECT_TRUE(Edits[1]->Focused());
    ui_test::PressKey(VK_TAB, {vcl::ssCtrl});
    EXPECT_TRUE(Edits[1]->Focused());
}

TEST_F(TuiStandaloneEditKeysTest, EnterWithoutValidateOnEnterStaysForOthers) {
    uint16_t pressed = 0;
    Edits[1]->SetOnKeyUp([&](rtl::TObject*, uint16_t& key, vcl::TShiftState) { pressed = key; });
    ui_test::TypeText(u"x");
    ui_test::PressKey(VK_RETURN);
    EXPECT_EQ(pressed, VK_RETURN);
    EXPECT_TRUE(Edits[1]->ChangedByUser()) << "nothing validated or posted";
    Edits[1]->Properties().SetValidateOnEnter(true);
    ui_test::PressKey(VK_RETURN);
    EXPECT_TRUE(Edits[1]->ValueValidated());
}

TEST(TuiCustomEditAutoSize, AnAnchoredEditorThatGrowsKeepsItsAnchor) {
    auto form = ui_test::ShowNewTestForm(300, 200);
    struct TCase {
        bool Centred;
        int ExpectedLeft;
    };
    for (const TCase& test : {TCase{false, 0}, TCase{true, 0}}) {
        auto* edit = new TTestEdit(form.get());
        edit->HorzAnchor = true;
        edit->CentredAnchor = test.Centred;
        edit->Properties().SetButtonsOnlyMode(2);
        edit->SetParent(form.get());
        edit->SetAutoSize(false);
        edit->SetBounds(100, 10, 31, 22);
        edit->HandleNeeded();
        const int anchor = test.Centred ? 100 + 16 : 131;
        edit->Properties().Buttons().Add();
        edit->Properties().Buttons().Add();
        edit->SetAutoSize(true);
        const int width = edit->Width();
        ASSERT_NE(width, 31) << "auto size changed the width";
        if (test.Centred) {
            EXPECT_EQ(edit->Left(), anchor - (width + 1) / 2);
        } else {
            EXPECT_EQ(edit->Left() + width, anchor);
        }
    }
}

} // namespace
} // namespace ui
