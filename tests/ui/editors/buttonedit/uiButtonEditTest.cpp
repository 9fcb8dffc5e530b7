#include "ui/editors/buttonedit/uiButtonEdit.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "vcl/forms/FormLoader.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using ui::TuiButtonEdit;

TEST(ButtonEditProperties, StartWithOneDefaultEllipsisButton) {
    ui::TuiButtonEditProperties properties(nullptr);
    ASSERT_EQ(properties.Buttons().Count(), 1);
    EXPECT_EQ(properties.Buttons().Items(0).Kind(), ui::bkEllipsis);
    EXPECT_TRUE(properties.Buttons().Items(0).Default());
    EXPECT_TRUE(properties.GetContainerClass().InheritsFrom(TuiButtonEdit::StaticClass()));
}

TEST(ButtonEditForm, CtrlEnterClicksTheDefaultButton) {
    auto form = ui_test::ShowNewTestForm(300, 100);
    auto* edit = new TuiButtonEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 200, 21);
    std::vector<int32_t> clicked;
    edit->ButtonEditProperties().SetOnButtonClick([&](rtl::TObject*, int32_t index) { clicked.push_back(index); });
    ui_test::ProcessPendingMessages();
    edit->InnerEdit().SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_RETURN, {vcl::ssCtrl});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(clicked, std::vector<int32_t>{0});
    EXPECT_EQ(edit->GetDisplayText(), u"");
}

// A form holds exactly the buttons it stores: the default button gives way on the first read only.
TEST(ButtonEditForm, AReadFormHasExactlyItsStoredButtons) {
    for (const int stored : {0, 2}) {
        SCOPED_TRACE(stored);
        auto form = ui_test::CreateTestForm();
        TuiButtonEdit* edit = nullptr;
        vcl::TFormLoader loader(*form);
        loader.Add(TuiButtonEdit::StaticClass(), u"Payee", u"", [&](rtl::TComponent& component) {
            edit = &static_cast<TuiButtonEdit&>(component);
            for (int i = 0; i < stored; ++i) {
                edit->ButtonEditProperties().Buttons().Add().SetKind(ui::bkGlyph);
            }
        });
        loader.Finish();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->ButtonEditProperties().Buttons().Count(), stored);
        edit->ReadState(form.get(), [] {});
        EXPECT_EQ(edit->ButtonEditProperties().Buttons().Count(), stored);
    }
}

TEST(ButtonEditForm, AMaskedTextIsNoFreelyEditableText) {
    auto form = ui_test::CreateTestForm();
    auto* edit = new TuiButtonEdit(form.get());
    EXPECT_TRUE(edit->IsEditableTextField());
    edit->ButtonEditProperties().SetEditMask(u"000-000;1;_");
    EXPECT_FALSE(edit->IsEditableTextField());
}

// Its styles store the button style, transparency and gradient; a plain editor's store none of the button values.
TEST(ButtonEditForm, TheStylesPublishTheButtonValues) {
    auto form = ui_test::CreateTestForm();
    auto* buttonEdit = new TuiButtonEdit(form.get());
    auto* textEdit = new ui::TuiTextEdit(form.get());
    for (const char16_t* name : {u"ButtonStyle", u"ButtonTransparency", u"GradientButtons"}) {
        EXPECT_TRUE(buttonEdit->EditStyle(ui::essFocused).IsStylePropertyVisible(name));
        EXPECT_FALSE(textEdit->EditStyle(ui::essFocused).IsStylePropertyVisible(name));
    }
    for (const char16_t* name : {u"PopupBorderStyle", u"Gradient", u"GradientDirection"}) {
        EXPECT_FALSE(buttonEdit->Style().IsStylePropertyVisible(name));
    }
    EXPECT_TRUE(buttonEdit->Style().IsStylePropertyVisible(u"Color"));
}

TEST(ButtonEditUnit, StartUpRegistersTheButtonProperties) {
    ui::InitializeButtonEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiButtonEditProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"ButtonEdit");
    ui::FinalizeButtonEditUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiButtonEditProperties::StaticClass()), -1);
}

} // namespace
