#include "ui/editors/text/hyperlink/uiHyperLinkEdit.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

#include <gtest/gtest.h>

namespace {

using ui::TuiHyperLinkEdit;

TEST(uiHyperLinkPrefix, TextsLackingThePrefixGetIt) {
    struct TCase {
        const char16_t* Text;
        const char16_t* Prefix;
        const char16_t* Link;
    };
    const TCase cases[] = {
        {u"example.com", u"http://", u"http://example.com"},
        {u"http://x", u"http://", u"http://x"},
        // The test is case-sensitive.
        {u"HTTP://x", u"http://", u"http://HTTP://x"},
        {u"  example.com  ", u"http://", u"http://example.com"},
        {u"   ", u"http://", u""},
        {u" example.com ", u"", u"example.com"},
        {u"mail", u"mailto:", u"mailto:mail"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(rtl::UnicodeString(c.Link), ui::AddHyperLinkPrefix(c.Text, c.Prefix));
    }
}

TEST(uiHyperLinkEditProperties, DefaultsAndAutoComplete) {
    ui::TuiHyperLinkEditProperties properties(nullptr);
    EXPECT_EQ(u"http://", properties.Prefix());
    EXPECT_EQ(vcl::clBlue, properties.LinkColor());
    EXPECT_EQ(16397, properties.StartKey());
    EXPECT_EQ(ui::upAlways, properties.UsePrefix());
    EXPECT_FALSE(properties.AutoSelect());
    EXPECT_FALSE(properties.ValidateOnEnter());
    properties.SetAutoComplete(false);
    EXPECT_EQ(ui::upNever, properties.UsePrefix());
    properties.SetUsePrefix(ui::upOnlyOnExecute);
    EXPECT_TRUE(properties.AutoComplete());
    properties.SetPrefix(u"ftp://");
    properties.SetLinkColor(vcl::clRed);
    ui::TuiHyperLinkEditProperties copy(nullptr);
    copy.Assign(&properties);
    EXPECT_EQ(u"ftp://", copy.Prefix());
    EXPECT_EQ(vcl::clRed, copy.LinkColor());
    EXPECT_EQ(ui::upOnlyOnExecute, copy.UsePrefix());
}

class HyperLinkEditFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 200);
        Other = ui_test::PlaceFocusTaker(*Form);
        Edit = ui_test::PlaceOnForm<TuiHyperLinkEdit>(*Form, 10, 10, 200, 21);
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override { Form.reset(); }
    void TypeAndLeave(const char16_t* text) {
        Edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
        ui_test::TypeText(text);
        ui_test::ProcessPendingMessages();
        Other->SetFocus();
        ui_test::ProcessPendingMessages();
    }
    void DoubleClickText() {
        ui_test::DoubleClick(Edit->InnerEdit(), {5, 5});
        ui_test::ProcessPendingMessages();
    }

    ui_test::TRecordedShellLaunches Launches;
    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TWinControl* Other = nullptr;
    TuiHyperLinkEdit* Edit = nullptr;
};

TEST_F(HyperLinkEditFormTest, ACommittedTextGetsThePrefix) {
    TypeAndLeave(u" example.com ");
    EXPECT_EQ(u"http://example.com", Edit->Text());
}

TEST_F(HyperLinkEditFormTest, PrefixOnlyOnExecuteKeepsTheTextAndOpensThePrefixedLink) {
    Edit->HyperLinkEditProperties().SetUsePrefix(ui::upOnlyOnExecute);
    TypeAndLeave(u"example.com");
    EXPECT_EQ(u"example.com", Edit->Text());
    DoubleClickText();
    ASSERT_EQ(1u, Launches.Launched.size());
    EXPECT_EQ(u"http://example.com", Launches.Launched[0].File);
    EXPECT_EQ(u"OPEN", Launches.Launched[0].Operation);
    EXPECT_EQ(SW_SHOWMAXIMIZED, Launches.Launched[0].ShowCommand);
    EXPECT_EQ(nullptr, Launches.Launched[0].Owner);
}

TEST_F(HyperLinkEditFormTest, CtrlEnterOpensTheLinkAndIsConsumed) {
    TypeAndLeave(u"http://例子.中国/路径");
    Edit->InnerEdit().SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_RETURN, {vcl::ssCtrl});
    ui_test::ProcessPendingMessages();
    ASSERT_EQ(1u, Launches.Launched.size());
    EXPECT_EQ(u"http://例子.中国/路径", Launches.Launched[0].File);
    EXPECT_EQ(u"http://例子.中国/路径", Edit->Text());
}

TEST_F(HyperLinkEditFormTest, AStartHandlerReplacesTheLaunchAndAnEmptyTextLaunchesNothing) {
    DoubleClickText();
    EXPECT_TRUE(Launches.Launched.empty());
    int32_t started = 0;
    Edit->HyperLinkEditProperties().SetOnStartClick([&](rtl::TObject* sender) {
        EXPECT_EQ(Edit, sender);
        ++started;
    });
    TypeAndLeave(u"example.com");
    DoubleClickText();
    EXPECT_EQ(1, started);
    EXPECT_TRUE(Launches.Launched.empty());
}

TEST(HyperLinkEditUnit, StartUpRegistersTheDescriptionAndTheTextFilterHelper) {
    ui::InitializeHyperLinkEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiHyperLinkEditProperties::StaticClass());
    ASSERT_NE(-1, index);
    EXPECT_EQ(u"HyperLink", registry.GetDescriptionText(index));
    EXPECT_EQ(&ui::TuiFilterTextEditHelper::Instance(),
              ui::GetFilterEditsController().HelperForProperties(ui::TuiHyperLinkEditProperties::StaticClass()));
    ui::FinalizeHyperLinkEditUnit();
    EXPECT_EQ(-1, registry.IndexOfClass(&ui::TuiHyperLinkEditProperties::StaticClass()));
}

} // namespace
