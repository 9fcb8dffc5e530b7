// Messages sent to an editor control as a host replays input, and the look an editor's buttons imply.

#include "ui/editors/framework/control/uiEditControlRoutines.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/CustomEditTestSupport.h"
#include "tests/ui/editors/framework/EditorTestForms.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// Records the mouse downs and characters that reach it.
class TRecordingEdit : public ui_test::TTestEdit {
public:
    using TTestEdit::TTestEdit;
    struct TDown {
        vcl::TShiftState Shift;
        int32_t X;
        int32_t Y;
    };
    std::vector<TDown> Downs;

protected:
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override {
        Downs.push_back({shift, x, y});
        TTestEdit::MouseDown(button, shift, x, y);
    }
};

TEST(uiEditControlRoutines, AMouseMessageCarriesItsPointAndTheButtonsAndKeysOfTheShiftState) {
    auto form = ui_test::ShowNewTestForm(300, 100);
    auto* edit = ui_test::PlaceOnForm<TRecordingEdit>(*form, 10, 10, 120, 25);
    SendMouseMessage(*edit, WM_LBUTTONDOWN, {vcl::ssLeft, vcl::ssShift, vcl::ssCtrl}, {17, 9});
    SendMouseMessage(*edit, WM_LBUTTONUP, {}, {17, 9});
    ASSERT_EQ(edit->Downs.size(), 1u);
    EXPECT_EQ(edit->Downs[0].X, 17);
    EXPECT_EQ(edit->Downs[0].Y, 9);
    EXPECT_EQ(edit->Downs[0].Shift, (vcl::TShiftState{vcl::ssLeft, vcl::ssShift, vcl::ssCtrl}));
}

TEST(uiEditControlRoutines, AKeyAndACharacterReachTheFocusedEditor) {
    auto form = ui_test::ShowNewTestForm(300, 100);
    auto* edit = ui_test::PlaceOnForm<ui_test::TTestEdit>(*form, 10, 10, 120, 25);
    std::vector<uint16_t> keys;
    edit->SetOnKeyDown([&](rtl::TObject*, uint16_t& key, vcl::TShiftState) { keys.push_back(key); });
    SendKeyDown(*edit, VK_F7);
    SendChar(*edit, u'z');
    EXPECT_EQ(keys, std::vector<uint16_t>{VK_F7});
    EXPECT_EQ(edit->Text, u"z");
}

TEST(uiEditControlRoutines, TheButtonsLookFollowsTheButtonStyleAndInPlaceTheStylesKind) {
    auto form = ui_test::ShowNewTestForm(300, 100);
    auto* edit = ui_test::PlaceOnForm<ui_test::TTestEdit>(*form, 10, 10, 120, 25);
    EXPECT_EQ(GetButtonsLookAndFeelKind(*edit), lfStandard) << "no buttons";
    edit->Properties().Buttons().Add();
    const struct {
        TuiEditButtonStyle Style;
        TuiLookAndFeelKind Kind;
    } cases[] = {{btsDefault, lfStandard}, {bts3D, lfStandard},         {btsFlat, lfFlat},        {btsSimple, lfFlat},
                 {btsHotFlat, lfFlat},     {btsUltraFlat, lfUltraFlat}, {btsOffice11, lfOffice11}};
    for (const auto& c : cases) {
        edit->EditStyle(essNormal).SetButtonStyle(c.Style);
        EXPECT_EQ(GetButtonsLookAndFeelKind(*edit), c.Kind) << int(c.Style);
    }
    TuiCustomEdit* inplace = TuiCustomEdit::CreateInplace(ui_test::TTestEdit::StaticClass(), form.get());
    inplace->Style().LookAndFeel().SetKind(lfOffice11);
    EXPECT_EQ(GetButtonsLookAndFeelKind(*inplace), lfOffice11);
}

} // namespace
} // namespace ui
