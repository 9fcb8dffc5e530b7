#include "ui/editors/dropdown/edit/uiPopupEdit.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/editors/dropdown/combobox/uiComboBoxProperties.h"
#include "ui/editors/dropdown/combobox/uiFilterComboBoxHelper.h"
#include "ui/editors/dropdown/uiDropDownEditUnit.h"
#include "ui/editors/framework/strings/uiEditExceptions.h"
#include "vcl/extctrls/Panel.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using ui::TuiPopupEdit;

// A popup editor on a panel of the form, with a second panel whose controls the popup shows.
class PopupEditFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 300);
        Host = new vcl::TPanel(Form.get());
        Host->SetParent(Form.get());
        Host->SetBounds(0, 0, 200, 60);
        Content = new vcl::TPanel(Form.get());
        Content->SetParent(Form.get());
        Content->SetBounds(220, 100, 150, 90);
        Content->SetAlign(vcl::alNone);
        Content->SetVisible(false);
        Edit = new TuiPopupEdit(Form.get());
        Edit->SetParent(Host);
        Edit->SetBounds(10, 10, 121, 21);
        Edit->PopupWindow()->SetModalLoop(false);
        ui::TuiPopupEditProperties& properties = Edit->PopupEditProperties();
        properties.SetOnInitPopup([this](rtl::TObject*) { Events.push_back("InitPopup"); });
        properties.SetOnPopupFinished([this](rtl::TObject*) { Events.push_back("PopupFinished"); });
        Edit->SetOnClosePopup(
            [this](ui::TuiCustomDropDownEdit&, ui::TuiPopupCloseReason reason) { Reasons.push_back(reason); });
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override { Form.reset(); }
    void Open() {
        Edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
        Edit->SetDroppedDown(true);
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TPanel* Host = nullptr;    // owned by the form
    vcl::TPanel* Content = nullptr; // owned by the form
    TuiPopupEdit* Edit = nullptr;   // owned by the form
    std::vector<std::string> Events;
    std::vector<ui::TuiPopupCloseReason> Reasons;
};

TEST_F(PopupEditFormTest, APopupEditorIsSizeableAndTakesTheFocusByDefault) {
    const ui::TuiPopupEditProperties& properties = Edit->PopupEditProperties();
    EXPECT_TRUE(properties.PopupSizeable());
    EXPECT_TRUE(properties.PopupAutoSize());
    EXPECT_TRUE(properties.PopupCapturesFocus());
    EXPECT_TRUE(properties.ImmediatePopup());
    EXPECT_EQ(properties.PopupWidth(), 250);
    EXPECT_EQ(properties.PopupHeight(), 200);
    EXPECT_EQ(properties.PopupMinWidth(), 100);
    EXPECT_EQ(properties.PopupMinHeight(), 100);
}

TEST_F(PopupEditFormTest, WithoutAPopupControlNothingOpens) {
    Open();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Events, (std::vector<std::string>{"InitPopup", "PopupFinished"}));
}

TEST_F(PopupEditFormTest, TheEditorsOwnParentCannotBeItsPopupControl) {
    Edit->PopupEditProperties().SetPopupControl(Host);
    Edit->InnerEdit().SetFocus();
    ui_test::ProcessPendingMessages();
    try {
        Edit->SetDroppedDown(true);
        FAIL() << "a circular popup control opened";
    } catch (const ui::EuiEditError& error) {
        EXPECT_EQ(error.Message(), u"Circular referencing is not allowed");
    }
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Host->Parent(), Form.get()) << "nothing moved";
    EXPECT_TRUE(Events.empty());
}

TEST_F(PopupEditFormTest, TheControlFillsThePopupAndGoesBackWhenItCloses) {
    Edit->PopupEditProperties().SetPopupControl(Content);
    Open();
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Content->Parent(), Edit->PopupWindow());
    EXPECT_TRUE(Content->Visible());
    EXPECT_EQ(Content->Align(), vcl::alClient);
    const vcl::TRect client = Edit->PopupWindow()->ViewInfo().ClientRect;
    EXPECT_EQ(Content->BoundsRect(), client);
    EXPECT_EQ(client.Width(), 150) << "the popup wraps the control";

    Edit->SetDroppedDown(false);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Content->Parent(), Form.get());
    EXPECT_EQ(Content->BoundsRect(), (vcl::TRect{220, 100, 370, 190}));
    EXPECT_EQ(Content->Align(), vcl::alNone);
    EXPECT_FALSE(Content->Visible());
}

TEST_F(PopupEditFormTest, AFormGetsItsBorderStyleBack) {
    auto* content = new vcl::TForm(Form.get());
    content->SetBorderStyle(vcl::bsDialog);
    content->SetBounds(0, 0, 160, 120);
    Edit->PopupEditProperties().SetPopupControl(content);
    Open();
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(content->BorderStyle(), vcl::bsNone);
    Edit->SetDroppedDown(false);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(content->BorderStyle(), vcl::bsDialog);
    EXPECT_EQ(content->Parent(), nullptr);
}

TEST_F(PopupEditFormTest, ResizingByTheGripResizesTheControlAndKeepsTheSize) {
    Edit->PopupEditProperties().SetPopupControl(Content);
    Edit->PopupEditProperties().SetPopupSysPanelStyle(true);
    Open();
    ASSERT_TRUE(Edit->DroppedDown());
    ui::TuiCustomEditPopupWindow& popup = *Edit->PopupWindow();
    const vcl::TRect grip = popup.ViewInfo().GripHitRect;
    ASSERT_FALSE(grip.IsEmpty());
    const vcl::TPoint from{grip.Left + 3, grip.Top + 3};
    const vcl::TSize before{popup.Width(), popup.Height()};
    ui_test::MouseMove(popup, from);
    ui_test::MouseDown(popup, vcl::mbLeft, from);
    ui_test::MouseMove(popup, {from.X + 30, from.Y + 20}, {vcl::ssLeft});
    ui_test::MouseUp(popup, vcl::mbLeft, {from.X + 30, from.Y + 20});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(popup.Width(), before.cx + 30);
    EXPECT_EQ(popup.Height(), before.cy + 20);
    EXPECT_EQ(Content->Width(), 150 + 30);
    EXPECT_EQ(Content->Height(), 90 + 20);
    EXPECT_EQ(Edit->PopupEditProperties().PopupWidth(), popup.Width());
    EXPECT_EQ(Edit->PopupEditProperties().PopupHeight(), popup.Height());
}

// A button in the popup's control closes it asynchronously with its reason, as the date and calculator panes do.
TEST_F(PopupEditFormTest, ClosePopupWithClosesOnceTheQueuedMessagesAreHandled) {
    Edit->PopupEditProperties().SetPopupControl(Content);
    Open();
    ASSERT_TRUE(Edit->DroppedDown());
    Edit->ClosePopupWith(ui::pcrAccept);
    EXPECT_TRUE(Edit->DroppedDown()) << "not before the queue is handled";
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Reasons, (std::vector<ui::TuiPopupCloseReason>{ui::pcrAccept}));
    EXPECT_EQ(Content->Parent(), Form.get());
}

TEST_F(PopupEditFormTest, APopupClosedByItsModalResultClosesWithTheMatchingReason) {
    Edit->PopupEditProperties().SetPopupControl(Content);
    Open();
    ASSERT_TRUE(Edit->DroppedDown());
    Edit->PopupWindow()->SetModalResult(vcl::mrCancel);
    Edit->PopupWindow()->CloseOnRequest();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Reasons, (std::vector<ui::TuiPopupCloseReason>{ui::pcrCancel}));
}

TEST_F(PopupEditFormTest, AControlFreedElsewhereIsForgotten) {
    Edit->PopupEditProperties().SetPopupControl(Content);
    rtl::TComponent::Free(Content);
    EXPECT_EQ(Edit->PopupEditProperties().PopupControl(), nullptr);
}

} // namespace

namespace {

TEST(DropDownEditUnit, StartUpRegistersTheComboBoxAndPopupPropertiesAndTheComboBoxFilterHelperOnce) {
    ui::InitializeDropDownEditUnit();
    ui::InitializeDropDownEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t combo = registry.IndexOfClass(&ui::TuiComboBoxProperties::StaticClass());
    const int32_t popup = registry.IndexOfClass(&ui::TuiPopupEditProperties::StaticClass());
    ASSERT_NE(combo, -1);
    ASSERT_NE(popup, -1);
    EXPECT_EQ(registry.GetDescriptionText(combo), u"ComboBox");
    EXPECT_EQ(registry.GetDescriptionText(popup), u"PopupEdit");
    EXPECT_EQ(ui::GetFilterEditsController().HelperForProperties(ui::TuiComboBoxProperties::StaticClass()),
              &ui::TuiFilterComboBoxHelper::Instance());
    ui::FinalizeDropDownEditUnit();
    EXPECT_NE(registry.IndexOfClass(&ui::TuiComboBoxProperties::StaticClass()), -1) << "one start-up still stands";
    ui::FinalizeDropDownEditUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiComboBoxProperties::StaticClass()), -1);
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiPopupEditProperties::StaticClass()), -1);
    EXPECT_NE(ui::GetFilterEditsController().HelperForProperties(ui::TuiComboBoxProperties::StaticClass()),
              &ui::TuiFilterComboBoxHelper::Instance());
}

} // namespace
