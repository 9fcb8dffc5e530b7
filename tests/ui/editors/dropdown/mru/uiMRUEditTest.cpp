#include "ui/editors/dropdown/mru/uiMRUEdit.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using ui::TuiMRUEditProperties;

std::vector<rtl::UnicodeString> History(const TuiMRUEditProperties& properties) {
    std::vector<rtl::UnicodeString> items;
    for (int32_t i = 0; i < properties.LookupItems().Count(); ++i) {
        items.push_back(properties.LookupItems().Get(i));
    }
    return items;
}

// Properties with a history and recorders of the announcements.
class MRUEditPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Properties.SetOnDeleteLookupItem(
            [this](ui::TuiCustomMRUEditProperties&, int32_t index) { Deleted.push_back(index); });
        Properties.SetOnNewLookupDisplayText(
            [this](rtl::TObject*, const rtl::UnicodeString& text) { Announced.push_back(text); });
    }
    void Fill(std::initializer_list<const char16_t*> items) {
        for (const char16_t* item : items) {
            Properties.LookupItems().Add(item);
        }
    }

    TuiMRUEditProperties Properties{nullptr};
    std::vector<int32_t> Deleted;
    std::vector<rtl::UnicodeString> Announced;
};

TEST_F(MRUEditPropertiesTest, EnteredTextsGoToTheTopAndTheHistoryIsCut) {
    Fill({u"A", u"B", u"C"});
    Properties.AddToHistory(u"D", true);
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"D", u"A", u"B", u"C"}), History(Properties));
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"D"}), Announced);
    Properties.LookupItems().Delete(0);
    Properties.SetMaxItemCount(3);
    Properties.AddToHistory(u"D", true);
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"D", u"A", u"B"}), History(Properties));
    EXPECT_EQ((std::vector<int32_t>{3}), Deleted);
    // A known text moves up unannounced; the first one stays; an empty text is no entry.
    Announced.clear();
    Properties.AddToHistory(u"B", true);
    Properties.AddToHistory(u"B", true);
    Properties.AddToHistory(u"", true);
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"B", u"D", u"A"}), History(Properties));
    EXPECT_TRUE(Announced.empty());
}

TEST_F(MRUEditPropertiesTest, AKnownTextKeepsItsStoredCase) {
    Fill({u"x", u"abc"});
    Properties.AddToHistory(u"ABC", true);
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"abc", u"x"}), History(Properties));
    EXPECT_TRUE(Announced.empty());
}

TEST_F(MRUEditPropertiesTest, LoweringTheLimitAnnouncesEachDroppedEntryFromTheBottom) {
    Fill({u"1", u"2", u"3", u"4", u"5"});
    Properties.SetMaxItemCount(5);
    Properties.SetMaxItemCount(2);
    EXPECT_EQ((std::vector<int32_t>{4, 3, 2}), Deleted);
    EXPECT_EQ(2, Properties.LookupItems().Count());
    Properties.SetMaxItemCount(-1);
    EXPECT_EQ(0, Properties.MaxItemCount());
}

TEST_F(MRUEditPropertiesTest, TheEllipsisIsButtonOneAndCanBeHidden) {
    ASSERT_EQ(2, Properties.Buttons().Count());
    EXPECT_EQ(ui::bkEllipsis, Properties.Buttons().Items(1).Kind());
    EXPECT_TRUE(Properties.Buttons().Items(1).Default());
    EXPECT_TRUE(Properties.RecentItemsMode());
    EXPECT_EQ(ui::lsEditList, Properties.DropDownListStyle());
    Properties.SetShowEllipsis(false);
    EXPECT_FALSE(Properties.Buttons().Items(1).Visible());
    Properties.SetShowEllipsis(true);
    EXPECT_TRUE(Properties.Buttons().Items(1).Visible());
}

TEST_F(MRUEditPropertiesTest, CopiesCarryTheSettingsAndTheHistory) {
    Fill({u"A", u"B"});
    Properties.SetMaxItemCount(4);
    Properties.SetShowEllipsis(false);
    TuiMRUEditProperties copy(nullptr);
    copy.Assign(&Properties);
    Properties.CopyRuntimeData(copy);
    EXPECT_EQ(4, copy.MaxItemCount());
    EXPECT_FALSE(copy.ShowEllipsis());
    EXPECT_FALSE(copy.Buttons().Items(1).Visible());
    EXPECT_EQ(History(Properties), History(copy));
    ASSERT_TRUE(copy.OnDeleteLookupItem());
}

TEST_F(MRUEditPropertiesTest, ASortedHistoryKeepsItsEntries) {
    Fill({u"B", u"A"});
    Properties.SetLookupItemsSorted(true);
    Properties.AddToHistory(u"B", true);
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"A", u"B"}), History(Properties));
    EXPECT_ANY_THROW(Properties.AddToHistory(u"C", false));
    EXPECT_EQ(2, Properties.LookupItems().Count());
}

// The MRU editor with the bounds of its buttons.
class TInspectedMRUEdit : public ui::TuiMRUEdit {
public:
    using TuiMRUEdit::TuiMRUEdit;

    vcl::TRect ButtonBounds(int32_t index) {
        const auto viewInfo = CalculateViewInfoAt(UICanvas(), {-1, -1});
        for (int32_t slot = 0; slot < viewInfo->ButtonCount(); ++slot) {
            if (viewInfo->Buttons(slot).ButtonIndex == index) {
                return viewInfo->Buttons(slot).Bounds;
            }
        }
        return {};
    }
};

class MRUEditFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 300);
        Edit = ui_test::PlaceOnForm<TInspectedMRUEdit>(*Form, 10, 10, 160, 21);
        Edit->MRUEditProperties().LookupItems().Add(u"old");
        Edit->MRUEditProperties().SetOnNewLookupDisplayText(
            [this](rtl::TObject*, const rtl::UnicodeString& text) { Announced.push_back(text); });
        Edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override { Form.reset(); }

    ui_test::TFormPtr<vcl::TForm> Form;
    TInspectedMRUEdit* Edit = nullptr;
    std::vector<rtl::UnicodeString> Announced;
};

TEST_F(MRUEditFormTest, EnterPutsTheTypedTextOnTopOfTheHistory) {
    ui_test::TypeText(u"new");
    ui_test::PressKey(VK_RETURN, {});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"new", u"old"}), History(Edit->MRUEditProperties()));
    EXPECT_EQ((std::vector<rtl::UnicodeString>{u"new"}), Announced);
}

TEST_F(MRUEditFormTest, TheEllipsisButtonFiresButtonClickWithItsIndex) {
    std::vector<int32_t> clicked;
    Edit->MRUEditProperties().SetOnButtonClick([&](rtl::TObject*, int32_t index) { clicked.push_back(index); });
    const vcl::TRect bounds = Edit->ButtonBounds(1);
    ASSERT_FALSE(bounds.IsEmpty());
    ui_test::Click(*Edit, {(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ((std::vector<int32_t>{1}), clicked);
}

TEST(MRUEditUnit, StartUpRegistersTheDescriptionAndTheTextFilterHelper) {
    ui::InitializeMRUEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&TuiMRUEditProperties::StaticClass());
    ASSERT_NE(-1, index);
    EXPECT_EQ(u"MRUEdit", registry.GetDescriptionText(index));
    EXPECT_EQ(&ui::TuiFilterTextEditHelper::Instance(),
              ui::GetFilterEditsController().HelperForProperties(TuiMRUEditProperties::StaticClass()));
    ui::FinalizeMRUEditUnit();
    EXPECT_EQ(-1, registry.IndexOfClass(&TuiMRUEditProperties::StaticClass()));
}

} // namespace
