#include "ui/data/controller/filtering/uiDataFilter.h"

#include "../ControllerTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/dates/DateTestSupport.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::Text;
using test::TNoticeLog;
using test::TTestDataController;
using test_support::Utf8;
using Records = std::vector<int32_t>;

// Items with names, IDs (their position + 1) and display names, as a view gives them.
class TNamedItemsController : public TTestDataController {
public:
    int32_t AddNamedItem(const char16_t* name, TuiValueTypeClass valueType) {
        FNames.emplace_back(name);
        return AddTypedItem(valueType);
    }
    int32_t GetItemID(rtl::TObject* item) const override { return IndexOfItem(item) + 1; }
    rtl::UnicodeString GetItemName(rtl::TObject* item) const override {
        const int32_t index = IndexOfItem(item);
        return index >= 0 ? FNames[static_cast<size_t>(index)] : rtl::UnicodeString();
    }
    rtl::UnicodeString GetItemDisplayName(int32_t itemIndex) const override {
        return u"The " + FNames.at(static_cast<size_t>(itemIndex));
    }

private:
    int32_t IndexOfItem(const rtl::TObject* item) const {
        for (int32_t index = 0; index < GetItemCount(); ++index) {
            if (GetItem(index) == item) {
                return index;
            }
        }
        return -1;
    }

    std::vector<rtl::UnicodeString> FNames;
};

// Name (String) and Amount (Integer).
class DataFilter : public ::testing::Test {
protected:
    DataFilter() {
        FController.AddNamedItem(u"Name", &TuiStringValueType::Instance());
        FController.AddNamedItem(u"Amount", &TuiIntegerValueType::Instance());
    }

    TuiDataFilterCriteria& Filter() { return FController.Filter(); }
    rtl::TObject* Item(int32_t index) { return FController.GetItem(index); }
    void AddAmounts(std::initializer_list<rtl::Variant> amounts) {
        for (const rtl::Variant& amount : amounts) {
            FController.AddRecord({Text("x"), amount});
        }
    }
    std::vector<std::string> ValueListTexts(bool fromFilteredRecords) {
        auto list = Filter().CreateValueList();
        static_cast<TuiDataFilterValueList&>(*list).LoadValues(1, true, fromFilteredRecords);
        std::vector<std::string> texts;
        for (int32_t index = 0; index < list->GetCount(); ++index) {
            texts.push_back(Utf8(list->GetItem(index).DisplayText));
        }
        return texts;
    }

    TNamedItemsController FController;
};

TEST_F(DataFilter, AnActiveCriteriaWithConditionsFiltersTheRows) {
    AddAmounts({1, 5, 9});
    Filter().SetActive(true);
    EXPECT_FALSE(Filter().IsFiltering()) << "active without conditions";
    EXPECT_EQ(FController.FilteredRecords(), (Records{0, 1, 2}));
    Filter().SetActive(false);
    Filter().AddItem(nullptr, Item(1), fokGreater, 3, u"3");
    EXPECT_FALSE(Filter().IsFiltering()) << "conditions, but inactive";
    EXPECT_EQ(FController.FilteredRecords(), (Records{0, 1, 2}));
    Filter().SetActive(true);
    EXPECT_TRUE(Filter().IsFiltering());
    EXPECT_EQ(FController.FilteredRecords(), (Records{1, 2}));
    EXPECT_EQ(Utf8(Filter().GetFilterExpression()), "(The Amount > 3)");
    EXPECT_EQ(Utf8(Filter().GetFilterCaption()), "(The Amount > 3)");
}

// The runtime's order never finds a text equal to a number: a typed "3" must become the item's Integer first.
TEST_F(DataFilter, ConditionValuesTakeTheItemsValueType) {
    AddAmounts({3, 10, 12, 30});
    Filter().SetActive(true);
    struct TCase {
        TuiFilterOperatorKind Kind;
        rtl::Variant Value;
        Records Passing;
    };
    const TCase cases[] = {
        {fokEqual, Text("3"), {0}},
        {fokLess, Text("10"), {0}},
        {fokBetween, rtl::Variant::ArrayOf({Text("4"), Text("12")}), {1, 2}},
        {fokInList, rtl::Variant::ArrayOf({Text("30"), 3}), {0, 3}},
        {fokLike, Text("1%"), {1, 2}},
        {fokEqual, Text("three"), {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        Filter().ClearConditions();
        Filter().AddItem(nullptr, Item(1), c.Kind, c.Value, u"");
        EXPECT_EQ(FController.FilteredRecords(), c.Passing);
    }
    // The condition keeps the value as it was given.
    EXPECT_EQ(static_cast<TuiFilterCriteriaItem&>(*Filter().Root().GetItem(0)).Value().VarType(), rtl::varString);
}

TEST_F(DataFilter, EveryChangeFiltersOnceAndExtraFiltersNever) {
    AddAmounts({1, 5, 9});
    TNoticeLog log(FController);
    int32_t changes = 0;
    Filter().SetOnChanged([&](rtl::TObject*) { ++changes; });
    Filter().LockChanges();
    Filter().SetActive(true);
    Filter().AddItem(nullptr, Item(1), fokGreater, 3, u"3");
    Filter().AddItem(nullptr, Item(1), fokLess, 9, u"9");
    EXPECT_TRUE(log.Entries.empty());
    Filter().UnlockChanges();
    EXPECT_EQ(changes, 1);
    // One refiltering; the focused record went with it, so the focus moved to the first row.
    EXPECT_EQ(log.Entries, (std::vector<std::string>{"data 4 -1 -1", "row 0 -1", "record 1 -1"}));
    EXPECT_EQ(FController.FilteredRecords(), Records{1});

    auto extra = std::make_unique<TuiDataFilterCriteria>(&FController);
    TuiDataFilterCriteria& extraFilter = *extra;
    FController.ExtraFilters().Add(std::move(extra));
    int32_t extraChanges = 0;
    extraFilter.SetOnChanged([&](rtl::TObject*) { ++extraChanges; });
    log.Entries.clear();
    extraFilter.SetActive(true);
    extraFilter.AddItem(nullptr, Item(1), fokEqual, 1, u"1");
    EXPECT_TRUE(log.Entries.empty());
    EXPECT_EQ(extraChanges, 0);
    EXPECT_EQ(FController.FilteredRecords(), Records{1});
}

TEST_F(DataFilter, ConditionsOfARemovedItemGo) {
    AddAmounts({1, 5});
    auto extra = std::make_unique<TuiDataFilterCriteria>(&FController);
    extra->AddItem(nullptr, Item(1), fokEqual, 1, u"1");
    TuiDataFilterCriteria& extraFilter = *extra;
    FController.ExtraFilters().Add(std::move(extra));
    Filter().SetActive(true);
    Filter().AddItem(nullptr, Item(0), fokEqual, Text("x"), u"x");
    Filter().AddItem(nullptr, &FController.GetItemField(1), fokEqual, 5, u"5");
    EXPECT_EQ(Filter().FindConditionForItem(Item(1)), Filter().FindConditionForItem(&FController.GetItemField(1)));
    EXPECT_EQ(FController.FilteredRecords(), Records{1});
    FController.RemoveItem(Item(1));
    EXPECT_EQ(Utf8(Filter().GetFilterExpression()), "(The Name = 'x')");
    EXPECT_TRUE(extraFilter.HasNoConditions());
    EXPECT_EQ(FController.FilteredRecords(), (Records{0, 1}));
}

// A stream names items by name and ID; another controller with the same items reads it back.
TEST_F(DataFilter, AFilterSavedByOneControllerLoadsIntoAnother) {
    Filter().Root().ChangeBoolOperator(fboOr);
    Filter().AddItem(nullptr, Item(0), fokLike, Text("a%"), u"a%");
    Filter().AddItem(nullptr, Item(1), fokNotEqual, rtl::Variant::Null(), u"");
    rtl::TStringStream stream;
    Filter().SaveToStream(stream);

    TNamedItemsController other;
    other.AddNamedItem(u"Amount", &TuiIntegerValueType::Instance());
    other.AddNamedItem(u"Name", &TuiStringValueType::Instance());
    stream.SetPosition(0);
    other.Filter().ReadCriteriaStream(stream);
    EXPECT_EQ(Utf8(other.Filter().GetFilterExpression()), "(The Name LIKE 'a%') OR (The Amount <> NULL)");
    EXPECT_EQ(other.Filter().FindConditionForItem(other.GetItem(1))->OperatorKind(), fokLike);

    // An unbound controller's items have no IDs: its stream binds by names alone, and nameless items are lost.
    TTestDataController unnamed;
    unnamed.AddTypedItem(&TuiIntegerValueType::Instance());
    stream.SetPosition(0);
    const TuiFilterDroppedEntries dropped = unnamed.Filter().ReadCriteriaStream(stream);
    EXPECT_EQ(dropped.Conditions, 2);
    EXPECT_TRUE(unnamed.Filter().HasNoConditions());
}

TEST_F(DataFilter, AssigningAFilterTakesItsConditionsAndActiveInOneChange) {
    AddAmounts({1, 5, 9});
    TuiDataFilterCriteria source(&FController);
    source.AddItem(nullptr, Item(1), fokGreaterEqual, 5, u"5");
    source.SetActive(true);
    TNoticeLog log(FController);
    FController.SetFilter(source);
    EXPECT_EQ(log.Entries, (std::vector<std::string>{"data 4 -1 -1", "row 0 -1", "record 1 -1"}));
    EXPECT_EQ(FController.FilteredRecords(), (Records{1, 2}));
}

TEST_F(DataFilter, TheValueListOffersTheSpecialEntriesThenTheValues) {
    AddAmounts({3, rtl::Variant::Null(), 5, 3});
    using Texts = std::vector<std::string>;
    EXPECT_EQ(ValueListTexts(false), (Texts{"(All)", "(Custom...)", "(Blanks)", "(NonBlanks)", "3", "5"}));

    // No blanks: neither special entry, unless the list comes from the filtered records of an item filtered by
    // "is not blank".
    Filter().AddItem(nullptr, Item(1), fokNotEqual, rtl::Variant::Null(), u"");
    Filter().SetActive(true);
    EXPECT_EQ(FController.FilteredRecords(), (Records{0, 2, 3}));
    EXPECT_EQ(ValueListTexts(true), (Texts{"(All)", "(Custom...)", "(NonBlanks)", "3", "5"}));
    Filter().ClearConditions();
    Filter().AddItem(nullptr, Item(1), fokGreater, 4, u"4");
    EXPECT_EQ(ValueListTexts(true), (Texts{"(All)", "(Custom...)", "5"}));

    int32_t calls = 0;
    Filter().SetOnGetValueList([&](TuiFilterCriteria& sender, int32_t itemIndex, TuiDataFilterValueList& list) {
        EXPECT_EQ(&sender, &Filter());
        EXPECT_EQ(itemIndex, 1);
        list.DeleteItem(0);
        ++calls;
    });
    EXPECT_EQ(ValueListTexts(true), (Texts{"(Custom...)", "5"}));
    EXPECT_EQ(calls, 1);
}

TEST_F(DataFilter, TheValueListKeepsTheFirstDistinctValuesSorted) {
    Filter().SetMaxValueListCount(3);
    AddAmounts({9, 4, 9, 7, 1, 4, 2});
    EXPECT_EQ(ValueListTexts(false), (std::vector<std::string>{"(All)", "(Custom...)", "4", "7", "9"}));
}

// The range of "is today" is that of the day the rows are filtered on.
TEST(DataFilterDates, IsTodayFollowsTheClockPastMidnight) {
    ui_test::TTestLocale locale;
    rtl::TDateTime now = rtl::EncodeDate(2026, 6, 10) + rtl::EncodeTime(23, 0, 0, 0);
    const TuiClock previous = SetClock([&now] { return now; });
    {
        TTestDataController controller;
        controller.AddTypedItem(&TuiDateTimeValueType::Instance());
        controller.AddRecord({rtl::Variant::FromDateTime(rtl::EncodeDate(2026, 6, 10))});
        controller.AddRecord({rtl::Variant::FromDateTime(rtl::EncodeDate(2026, 6, 11))});
        controller.Filter().AddItem(nullptr, controller.GetItem(0), fokToday, rtl::Variant::Null(), u"");
        controller.Filter().SetActive(true);
        EXPECT_EQ(controller.FilteredRecords(), Records{0});
        now += 2.0 / 24;
        controller.Refresh();
        EXPECT_EQ(controller.FilteredRecords(), Records{1});
    }
    SetClock(previous);
}

} // namespace
} // namespace ui
