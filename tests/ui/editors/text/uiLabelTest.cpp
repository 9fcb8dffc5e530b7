#include "ui/editors/text/uiLabel.h"

#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/graphics/Colors.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/system/Messages.h"

#include <gtest/gtest.h>

namespace {

class TuiLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::CreateTestForm();
        Form->SetColor(vcl::clYellow);
        Label = new ui::TuiLabel(Form.get());
        Label->SetParent(Form.get());
        Label->SetAutoSize(false);
        Label->SetBounds(8, 8, 120, 24);
        Label->ActiveEditStyle().Font().SetName(u"SimSun");
        Edit = new vcl::TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(8, 40, 100, 24);
        ui_test::ShowTestForm(*Form);
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    ui::TuiLabel* Label = nullptr; // owned by the form
    vcl::TEdit* Edit = nullptr;    // owned by the form
};

TEST_F(TuiLabelTest, ALabelTakesNoFocusStandaloneAndDoesNotCaptureTheMouse) {
    ui::TuiLabel label(nullptr);
    EXPECT_FALSE(label.ControlStyle().Contains(vcl::csCaptureMouse));
    EXPECT_FALSE(Label->CanFocus());
}

TEST_F(TuiLabelTest, TheCaptionIsTheValue) {
    Label->SetEditValue(rtl::Variant(u"名        称："));
    EXPECT_EQ(Label->Caption(), u"名        称：");
    Label->SetCaption(u"复核人：");
    EXPECT_EQ(rtl::VarToStr(Label->EditValue()), u"复核人：");
}

TEST_F(TuiLabelTest, AnAcceleratorFocusesTheFocusControl) {
    auto* other = new vcl::TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(8, 70, 100, 24);
    other->SetFocus();
    Label->SetCaption(u"&Name");
    Label->SetFocusControl(Edit);
    EXPECT_EQ(Label->Perform(vcl::CM_DIALOGCHAR, u'x'), 0);
    EXPECT_FALSE(Edit->Focused());
    EXPECT_EQ(Label->Perform(vcl::CM_DIALOGCHAR, u'n'), 1);
    EXPECT_TRUE(Edit->Focused());

    other->SetFocus();
    Label->Properties().SetShowAccelChar(false);
    EXPECT_EQ(Label->Perform(vcl::CM_DIALOGCHAR, u'n'), 0);
    Label->SetFocusControl(Label);
    EXPECT_EQ(Label->FocusControl(), Edit) << "a label never focuses itself";
}

TEST_F(TuiLabelTest, AFreedFocusControlIsForgotten) {
    Label->SetFocusControl(Edit);
    delete Edit;
    Edit = nullptr;
    EXPECT_EQ(Label->FocusControl(), nullptr);
}

TEST_F(TuiLabelTest, ATransparentLabelShowsItsParentAroundItsText) {
    Label->SetCaption(u"复核人：");
    Label->SetTransparent(true);
    ui_test::TDibSurface surface(Label->Width(), Label->Height());
    ui_test::PaintControl(*Label, surface);
    int yellow = 0;
    int ink = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const vcl::TColor pixel = surface.Pixel(x, y);
            yellow += pixel == static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clYellow));
            ink += pixel == static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clBlack));
        }
    }
    EXPECT_GT(yellow, surface.Width() * surface.Height() / 2) << "the form shows around the text";
    EXPECT_GT(ink, 0) << "the text is drawn";
}

// A label is text on its parent: a frame comes only from its style. A frame shows as a pixel near the left edge that
// is neither the parent's colour (yellow) nor the label's background.
TEST_F(TuiLabelTest, ALabelHasNoFrameUnlessItsStyleGivesItOne) {
    const auto framed = [this] {
        ui_test::TDibSurface surface(Label->Width(), Label->Height());
        ui_test::PaintControl(*Label, surface);
        const auto yellow = static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clYellow));
        const vcl::TColor background = surface.Pixel(Label->Width() / 2, 3);
        for (int x = 0; x < 3; ++x) {
            const vcl::TColor pixel = surface.Pixel(x, Label->Height() / 2);
            if (pixel != yellow && pixel != background) {
                return true;
            }
        }
        return false;
    };
    EXPECT_EQ(Label->Style().BorderStyle(), ui::ebsNone);
    EXPECT_FALSE(framed());
    Label->Style().SetBorderStyle(ui::ebsSingle);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(framed());
}

TEST_F(TuiLabelTest, AutoSizeAndAVisibleLineExcludeEachOther) {
    Label->SetAutoSize(true);
    Label->Properties().LineOptions().SetVisible(true);
    EXPECT_FALSE(Label->AutoSize());
    Label->SetAutoSize(true);
    EXPECT_FALSE(Label->Properties().LineOptions().Visible());
}

TEST(LabelUnit, StartUpRegistersTheLabelPropertiesAndShutDownRemovesThem) {
    ui::InitializeLabelUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiLabelProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"Label");
    ui::FinalizeLabelUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiLabelProperties::StaticClass()), -1);
}

} // namespace
