#include "ui/editors/text/lookup/uiTextEditLookupData.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/text/TextEditTestSupport.h"
#include "ui/editors/text/lookup/uiEditListBox.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

// An editor as the lookup data sees it: its text, its properties and the flags it raises.
class TLookupOwnerDouble : public ui::TuiTextEditLookupOwner {
public:
    explicit TLookupOwnerDouble(ui::TuiTextEditingStyle style, std::initializer_list<const char16_t*> items)
        : Properties(style) {
        for (const char16_t* item : items) {
            Properties.LookupItems().Add(item);
        }
    }

    ui::TuiCustomTextEditProperties& LookupProperties() override { return Properties; }
    rtl::UnicodeString LookupText() override { return Text; }
    bool IsInEditingEvent() const override { return InEditingEvent; }
    void SetLookupUpdating(bool value) override { Updating = value; }
    bool CanEditForLookup() override { return CanEdit; }

    ui_test::TStyledTextProperties Properties;
    rtl::UnicodeString Text;
    bool InEditingEvent = false;
    bool Updating = false;
    bool CanEdit = true;
};

struct TLookup {
    TLookupOwnerDouble Owner;
    ui::TuiCustomTextEditLookupData Data{&Owner};
    int Selections = 0;
    bool UpdatingWhenSelected = false;

    TLookup(ui::TuiTextEditingStyle style, std::initializer_list<const char16_t*> items) : Owner(style, items) {
        Data.SetOnSelectItem([this](rtl::TObject*) {
            ++Selections;
            UpdatingWhenSelected = Owner.Updating;
        });
    }
};

TEST(TextEditLookupData, APrefixFindsTheFirstItemAndAfterTheCurrentTheNext) {
    TLookup lookup(ui::tesListOnly, {u"b", u"Ba", u"bb"});
    rtl::UnicodeString text = u"b";
    rtl::UnicodeString tail;
    ASSERT_TRUE(lookup.Data.LocateText(text, tail, false));
    EXPECT_EQ(lookup.Data.CurrentKey(), 0);
    EXPECT_EQ(tail, u"");
    ASSERT_TRUE(lookup.Data.LocateText(text, tail, true));
    EXPECT_EQ(lookup.Data.CurrentKey(), 1);
    EXPECT_EQ(text, u"B") << "outside the free style the text takes the item's letter case";
    EXPECT_EQ(tail, u"a");
    text = u"bb";
    ASSERT_TRUE(lookup.Data.LocateText(text, tail, true));
    EXPECT_EQ(lookup.Data.CurrentKey(), 2);
    text = u"b";
    EXPECT_FALSE(lookup.Data.LocateText(text, tail, true)) << "no wrap-around";
    EXPECT_EQ(lookup.Data.CurrentKey(), 2) << "the list-only style keeps its item for an inexact search";
}

TEST(TextEditLookupData, AnEmptyTextFindsNothing) {
    const struct {
        ui::TuiTextEditingStyle style;
        int32_t keyAfter;
    } cases[] = {{ui::tesFree, -1}, {ui::tesListAssisted, -1}, {ui::tesListOnly, 0}, {ui::tesLocked, -1}};
    for (const auto& c : cases) {
        TLookup lookup(c.style, {u"apple", u"pear"});
        rtl::UnicodeString text = u"a";
        rtl::UnicodeString tail;
        ASSERT_TRUE(lookup.Data.LocateText(text, tail, false));
        text.clear();
        EXPECT_FALSE(lookup.Data.LocateText(text, tail, false));
        EXPECT_EQ(lookup.Data.CurrentKey(), c.keyAfter) << int(c.style);
    }
}

TEST(TextEditLookupData, TheFreeStyleKeepsTheTypedCase) {
    TLookup lookup(ui::tesFree, {u"Apple"});
    rtl::UnicodeString text = u"ap";
    rtl::UnicodeString tail;
    ASSERT_TRUE(lookup.Data.LocateText(text, tail, false));
    EXPECT_EQ(text, u"ap");
    EXPECT_EQ(tail, u"ple");
}

TEST(TextEditLookupData, NavigationStaysAtTheEndsUnlessItCycles) {
    const struct {
        ui::TuiLookupNavigation direction;
        bool cycle;
        int32_t from;
        int32_t to;
    } cases[] = {
        {ui::lnNext, false, 2, 2},     {ui::lnNext, true, 2, 0},     {ui::lnNext, false, -1, 0},
        {ui::lnPrevious, false, 0, 0}, {ui::lnPrevious, true, 0, 2}, {ui::lnPrevious, true, -1, 2},
        {ui::lnFirst, false, 1, 0},    {ui::lnLast, false, 0, 2},    {ui::lnPageDown, false, 0, 2},
        {ui::lnPageUp, false, 2, 0},   {ui::lnPageUp, true, 0, 2},   {ui::lnPageDown, true, 2, 0},
    };
    for (const auto& c : cases) {
        TLookup lookup(ui::tesListOnly, {u"a", u"b", u"c"});
        lookup.Data.SetCurrentKey(rtl::Variant(c.from));
        lookup.Data.Navigate(c.direction, c.cycle);
        EXPECT_EQ(lookup.Data.CurrentKey(), c.to) << &c - cases;
    }
}

TEST(TextEditLookupData, APageIsTheDropDownRowCountLessOne) {
    TLookup lookup(ui::tesListOnly, {});
    for (int i = 0; i < 20; ++i) {
        lookup.Owner.Properties.LookupItems().Add(rtl::UnicodeString(1, static_cast<char16_t>(u'a' + i)));
    }
    const struct {
        int32_t from;
        ui::TuiLookupNavigation direction;
        int32_t to;
    } cases[] = {{0, ui::lnPageDown, 7},
                 {15, ui::lnPageDown, 19},
                 {-1, ui::lnPageDown, 7},
                 {10, ui::lnPageUp, 3},
                 {3, ui::lnPageUp, 0}};
    for (const auto& c : cases) {
        lookup.Data.SetCurrentKey(rtl::Variant(c.from));
        lookup.Data.Navigate(c.direction, false);
        EXPECT_EQ(lookup.Data.CurrentKey(), c.to) << c.from;
    }
}

TEST(TextEditLookupData, KeysOutsideTheItemsShowNoText) {
    TLookup lookup(ui::tesListOnly, {u"a", u"b"});
    for (int32_t key : {-1, 2, 20, INT32_MIN}) {
        EXPECT_EQ(lookup.Data.GetItemDisplayText(rtl::Variant(key)), u"") << key;
    }
    EXPECT_EQ(lookup.Data.GetItemDisplayText(rtl::Variant::Null()), u"");
    EXPECT_EQ(lookup.Data.GetItemDisplayText(rtl::Variant(int32_t{1})), u"b");
    lookup.Data.SetCurrentKey(rtl::Variant(int32_t{5}));
    EXPECT_EQ(lookup.Data.CurrentKey(), -1) << "a key outside the items is ignored";
}

TEST(TextEditLookupData, TheSameKeySelectsAgainWhenTheTextDiffersInCase) {
    TLookup lookup(ui::tesListOnly, {u"Apple", u"Pear"});
    lookup.Data.SetCurrentKey(rtl::Variant(int32_t{0}));
    EXPECT_EQ(lookup.Selections, 1);
    EXPECT_TRUE(lookup.UpdatingWhenSelected);
    EXPECT_FALSE(lookup.Owner.Updating);
    lookup.Owner.Text = u"Apple";
    lookup.Data.SetCurrentKey(rtl::Variant(int32_t{0}));
    EXPECT_EQ(lookup.Selections, 1);
    lookup.Owner.Text = u"APPLE";
    lookup.Data.SetCurrentKey(rtl::Variant(int32_t{0}));
    EXPECT_EQ(lookup.Selections, 2);
}

TEST(TextEditLookupData, ChoosingTheListItemNeedsEditingUnlessItIsCurrent) {
    TLookup lookup(ui::tesListOnly, {u"a", u"b"});
    lookup.Owner.Text = u"a";
    lookup.Data.SetCurrentKey(rtl::Variant(int32_t{0}));
    lookup.Selections = 0;
    lookup.Data.SelectItem();
    EXPECT_EQ(lookup.Selections, 1) << "the current item chosen again fires once more";
    lookup.Owner.CanEdit = false;
    lookup.Data.Navigate(ui::lnNext, false);
    EXPECT_EQ(lookup.Data.CurrentKey(), 1) << "without a list shown navigation sets the key";
}

TEST(TextEditLookupData, TheEditorsTextFindsItsItemExactly) {
    TLookup lookup(ui::tesListOnly, {u"abc", u"ab"});
    lookup.Owner.Text = u"AB";
    lookup.Data.TextChanged();
    EXPECT_EQ(lookup.Data.CurrentKey(), 0) << "a prefix search, as typing finds";
    lookup.Owner.Properties.SetRecentItemsMode(true);
    lookup.Data.TextChanged();
    EXPECT_EQ(lookup.Data.CurrentKey(), 1) << "recent items match the whole text first";
    lookup.Owner.Text = u"zz";
    lookup.Data.TextChanged();
    EXPECT_EQ(lookup.Data.CurrentKey(), -1);
    lookup.Owner.InEditingEvent = true;
    lookup.Owner.Text = u"ab";
    lookup.Data.TextChanged();
    EXPECT_EQ(lookup.Data.CurrentKey(), -1) << "nothing moves while the editor's OnEditing runs";
}

// Lookup data whose drop-down shows the editor list box, as the combo boxes' lookup data do.
class TListLookupData : public ui::TuiCustomTextEditLookupData {
public:
    using TuiCustomTextEditLookupData::TuiCustomTextEditLookupData;
    const rtl::TMetaclass* GetListBoxClass() const override { return &ui::TuiCustomEditListBox::StaticClass(); }
};

TEST(TextEditLookupData, AShownListDefersTheChoiceUntilAnItemIsSelected) {
    TLookupOwnerDouble owner(ui::tesListOnly, {u"a", u"b", u"c"});
    TListLookupData data(&owner);
    auto form = ui_test::CreateTestForm();
    data.InitializeList(form.get());
    ui::TuiCustomEditListBox* list = data.GetListControl();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Items().Count(), 3);
    EXPECT_EQ(list->Items().Get(1), u"b");
    data.PositionList({4, 4, 100, 60});
    // Off the visible screen, where the pointer never hot-tracks an item by itself.
    ui_test::ShowTestForm(*form, 320, 240, ui_test::TFormPlacement::OffScreen);

    data.Navigate(ui::lnNext, false);
    EXPECT_EQ(data.CurrentKey(), -1) << "only the list's selection moves";
    EXPECT_EQ(data.ListItemIndex(), 0);
    EXPECT_EQ(list->ItemIndex(), 0);
    data.SelectItem();
    EXPECT_EQ(data.CurrentKey(), 0);

    owner.Properties.SetImmediateTextSync(true);
    data.Navigate(ui::lnNext, false);
    EXPECT_EQ(data.CurrentKey(), 1) << "the text follows the list";

    POINT inside{10, 10};
    ClientToScreen(list->Handle(), &inside);
    EXPECT_TRUE(data.IsPointInList({inside.x, inside.y}));
    EXPECT_FALSE(data.IsPointInList({inside.x + 500, inside.y}));

    form.reset();
    EXPECT_EQ(data.GetListControl(), nullptr) << "a freed list box is forgotten";
    data.Navigate(ui::lnFirst, false);
    EXPECT_EQ(data.CurrentKey(), 0);
}

} // namespace
