#include "ui/grid/customtable/filtering/uiGridFilterValueList.h"

#include "rtl/text/StringList.h"
#include "rtl/time/DateTime.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/ui/grid/customtable/PlainTableViewSupport.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridDateRanges.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui {
namespace {

struct TFilterEntryKey {
    TuiFilterValueItemKind Kind;
    rtl::Variant Value; // the operator kind of a period, the first day of a range, the value itself
};

bool operator==(const TFilterEntryKey& a, const TFilterEntryKey& b) {
    return a.Kind == b.Kind && rtl::VarToAnsiStr(a.Value) == rtl::VarToAnsiStr(b.Value);
}

void PrintTo(const TFilterEntryKey& key, std::ostream* os) {
    *os << "{" << int{key.Kind} << ", " << rtl::VarToAnsiStr(key.Value) << "}";
}

rtl::Variant DateValue(int32_t year, int32_t month, int32_t day) {
    return rtl::Variant::FromDateTime(rtl::EncodeDate(year, month, day));
}

class GridFilterValueListTest : public ui_test::PlainTableViewTest {
protected:
    void SetUp() override {
        PlainTableViewTest::SetUp();
        Item = View->CreateItem();
        Item->DataBinding().SetValueTypeClass(&TuiDateTimeValueType::Instance());
        const rtl::Variant values[] = {DateValue(2026, 3, 5), DateValue(2025, 12, 31), rtl::Variant::Null(),
                                       DateValue(2026, 5, 1), DateValue(2026, 3, 20)};
        Data().SetRecordCount(5);
        for (int32_t i = 0; i < 5; ++i) {
            Data().SetValue(i, 0, values[i]);
        }
    }
    TuiGridDataController& Data() const { return View->DataController(); }
    std::unique_ptr<TuiGridFilterValueList> LoadList(TuiGridDateTimeFilters filters) {
        View->DateTimeHandling().SetFilters(filters);
        auto list = View->ViewData().CreateFilterValueList();
        list->LoadItemValues(*Item, false, false);
        return list;
    }
    static std::vector<TFilterEntryKey> KeysOf(const TuiGridFilterValueList& list) {
        std::vector<TFilterEntryKey> keys;
        for (int32_t i = 0; i < list.GetCount(); ++i) {
            const TuiFilterValueItem& entry = list.GetItem(i);
            const bool range = entry.Kind == fviDate && entry.Value.IsArray();
            keys.push_back({entry.Kind, range ? entry.Value.ArrayElement(0) : entry.Value});
        }
        return keys;
    }

    TuiCustomGridTableItem* Item = nullptr;
};

TEST_F(GridFilterValueListTest, PeriodsAndRangesComeBetweenTheSpecialEntriesAndTheValues) {
    const auto list = LoadList({dtfRelativeDays, dtfPastFuture, dtfYears, dtfMonths});
    const rtl::Variant null = rtl::Variant::Null();
    const std::vector<TFilterEntryKey> expected = {
        {fviAll, null},
        {fviCustom, null},
        {fviBlanks, null},
        {fviNonBlanks, null},
        {fviDate, rtl::Variant(int32_t{fokYesterday})},
        {fviDate, rtl::Variant(int32_t{fokToday})},
        {fviDate, rtl::Variant(int32_t{fokTomorrow})},
        {fviDate, rtl::Variant(int32_t{fokInPast})},
        {fviDate, rtl::Variant(int32_t{fokInFuture})},
        {fviSeparator, null},
        {fviDate, DateValue(2025, 1, 1)},
        {fviDate, DateValue(2026, 1, 1)},
        {fviDate, DateValue(2025, 12, 1)},
        {fviDate, DateValue(2026, 3, 1)},
        {fviDate, DateValue(2026, 5, 1)},
        {fviValue, DateValue(2025, 12, 31)},
        {fviValue, DateValue(2026, 3, 5)},
        {fviValue, DateValue(2026, 3, 20)},
        {fviValue, DateValue(2026, 5, 1)},
    };
    EXPECT_EQ(KeysOf(*list), expected);
    const TuiFilterValueItem& march = list->GetItem(13);
    ASSERT_EQ(march.Value.ArrayCount(), 2);
    EXPECT_EQ(rtl::DateOf(rtl::VarToDateTime(march.Value.ArrayElement(1))), rtl::EncodeDate(2026, 3, 31));
    EXPECT_FALSE(march.DisplayText.empty());
    EXPECT_EQ(list->GetItem(5).DisplayText, u"Today");
}

TEST_F(GridFilterValueListTest, OnlyADateTimeItemWithDateFiltersGetsDateEntries) {
    const auto noFilters = LoadList({});
    EXPECT_EQ(noFilters->IndexOfKind(fviDate), -1);
    EXPECT_EQ(noFilters->IndexOfKind(fviSeparator), -1);

    const auto yearsOnly = LoadList({dtfYears});
    EXPECT_EQ(yearsOnly->IndexOfKind(fviSeparator), -1) << "no periods, no separator below them";
    EXPECT_EQ(yearsOnly->IndexOfKind(fviDate), 4);
    EXPECT_EQ(yearsOnly->IndexOfFirstValue(), 6) << "two years";

    Item->DataBinding().SetValueTypeClass(&TuiStringValueType::Instance());
    const auto text = LoadList({dtfRelativeDays, dtfYears});
    EXPECT_EQ(text->IndexOfKind(fviDate), -1);
}

TEST_F(GridFilterValueListTest, DateConditionsStandForTheirPeriodOrRangeEntry) {
    const auto list = LoadList({dtfRelativeWeeks, dtfYears});
    TuiFilterCriteria& filter = Data().Filter();
    const TuiFilterCriteriaItem& thisWeek = filter.AddItem(nullptr, Item, fokThisWeek, rtl::Variant::Null(), u"");
    const int32_t thisWeekIndex = list->IndexOfKindValue(fviDate, rtl::Variant(int32_t{fokThisWeek}));
    ASSERT_GE(thisWeekIndex, 0);
    EXPECT_EQ(list->IndexForCriteriaItem(&thisWeek), thisWeekIndex);

    const int32_t yearIndex = list->IndexOfKindValue(fviDate, list->GetItem(list->IndexOfFirstValue() - 1).Value);
    const TuiFilterCriteriaItem& year =
        filter.AddItem(nullptr, Item, fokBetween, list->GetItem(yearIndex).Value, u"2026");
    EXPECT_EQ(list->IndexForCriteriaItem(&year), yearIndex);

    const TuiFilterCriteriaItem& lastMonth = filter.AddItem(nullptr, Item, fokLastMonth, rtl::Variant::Null(), u"");
    EXPECT_EQ(list->IndexForCriteriaItem(&lastMonth), list->IndexOfKind(fviCustom)) << "a period the list lacks";
    const TuiFilterCriteriaItem& value = filter.AddItem(nullptr, Item, fokEqual, DateValue(2026, 3, 5), u"");
    EXPECT_EQ(list->IndexForCriteriaItem(&value), list->IndexOfValue(DateValue(2026, 3, 5)));
}

// The drop-down of the item as the user sees it, with the view's date-time filters given.
class GridItemFilteringTest : public GridFilterValueListTest {
protected:
    std::unique_ptr<TuiGridFilterValueList> DropDown(TuiGridDateTimeFilters filters = {}) {
        View->DateTimeHandling().SetFilters(filters);
        auto list = View->ViewData().CreateFilterValueList();
        Binding().GetFilterValues(*list, false, false, false);
        return list;
    }
    TuiGridItemDataBinding& Binding() const { return Item->DataBinding(); }
    TuiDataFilterCriteria& Filter() const { return Data().Filter(); }
};

TEST_F(GridItemFilteringTest, PickedValuesBecomeEqualConditionsJoinedByOrAndReadBackAsPicked) {
    const auto list = DropDown();
    const int32_t march5 = list->IndexOfValue(DateValue(2026, 3, 5));
    const int32_t may1 = list->IndexOfValue(DateValue(2026, 5, 1));
    Binding().ApplyFilterSelectedValues(*list, {march5, may1});
    EXPECT_TRUE(Filter().Active());
    EXPECT_EQ(Data().GetRowCount(), 2);
    EXPECT_EQ(Binding().GetFilterSelectedValueIndexes(*list), (std::vector<int32_t>{march5, may1}));
    ASSERT_EQ(Filter().Root().GetCount(), 1) << "one OR group under the AND root";

    Binding().ApplyFilterSelectedValues(*list, {may1});
    EXPECT_EQ(Data().GetRowCount(), 1);
    EXPECT_EQ(Binding().GetFilterSelectedValueIndexes(*list), std::vector<int32_t>{may1});

    Binding().ApplyFilterValueEntry(*list, list->IndexOfKind(fviAll), false, true, nullptr);
    EXPECT_FALSE(Binding().Filtered());
    EXPECT_EQ(Data().GetRowCount(), 5);
    Binding().ApplyFilterSelectedValues(*list, {});
    EXPECT_TRUE(Binding().GetFilterSelectedValueIndexes(*list).empty());
}

TEST_F(GridItemFilteringTest, BlanksRangesAndPeriodsBecomeTheirConditions) {
    const auto list = DropDown({dtfRelativeDays, dtfYears});
    Binding().ApplyFilterValueEntry(*list, list->IndexOfKind(fviBlanks), false, true, nullptr);
    EXPECT_EQ(Data().GetRowCount(), 1);
    ASSERT_NE(Binding().FilterCriteriaItem(), nullptr);
    EXPECT_EQ(Binding().FilterCriteriaItem()->DisplayValue(), u"blank");

    const int32_t year2026 = list->IndexOfFirstValue() - 1;
    ASSERT_TRUE(list->GetItem(year2026).Value.IsArray());
    Binding().ApplyFilterValueEntry(*list, year2026, false, true, nullptr);
    const TuiFilterCriteriaItem* between = Binding().FilterCriteriaItem();
    ASSERT_NE(between, nullptr);
    EXPECT_EQ(between->OperatorKind(), fokBetween);
    EXPECT_NE(between->DisplayValue().find(u';'), rtl::UnicodeString::npos) << "the two bounds";
    EXPECT_EQ(Data().GetRowCount(), 3) << "the three dates of 2026";
    EXPECT_EQ(Binding().GetFilterSelectedValueIndexes(*list), std::vector<int32_t>{year2026});

    const int32_t today = list->IndexOfKindValue(fviDate, rtl::Variant(int32_t{fokToday}));
    Binding().ApplyFilterValueEntry(*list, today, false, true, nullptr);
    ASSERT_NE(Binding().FilterCriteriaItem(), nullptr);
    EXPECT_EQ(Binding().FilterCriteriaItem()->OperatorKind(), fokToday);
    EXPECT_EQ(Binding().GetFilterSelectedValueIndexes(*list), std::vector<int32_t>{today});
}

TEST_F(GridItemFilteringTest, RecentValuesComeFirstAndValuesOnlyKeepsThePlainValues) {
    View->Filtering().ItemPopup().SetMultiSelect(false);
    const auto first = DropDown();
    Binding().ApplyFilterValueEntry(*first, first->IndexOfValue(DateValue(2026, 3, 20)), true, true, nullptr);
    const auto again = DropDown();
    ASSERT_EQ(again->GetItem(0).Kind, fviRecent);
    EXPECT_EQ(rtl::VarToDateTime(again->GetItem(0).Value), rtl::EncodeDate(2026, 3, 20));
    EXPECT_EQ(again->GetItem(1).Kind, fviSeparator);
    EXPECT_EQ(again->GetItem(2).Kind, fviAll);

    auto values = View->ViewData().CreateFilterValueList();
    Binding().GetFilterValues(*values, true, false, false);
    ASSERT_EQ(values->GetCount(), 4);
    for (int32_t i = 0; i < values->GetCount(); ++i) {
        EXPECT_EQ(values->GetItem(i).Kind, fviValue) << i;
    }
}

TEST_F(GridItemFilteringTest, AHandlersEntryGoesToItsUserFilteringAndTheItemRewritesConditionTexts) {
    Item->SetOnGetFilterValues([](TuiCustomGridTableItem&, TuiGridFilterValueList& list) {
        list.AddValueEntry(fviUser, rtl::Variant(int32_t{7}), u"Seven", false);
    });
    rtl::UnicodeString filteredBy;
    Item->SetOnUserFiltering([&](TuiCustomGridTableItem&, const rtl::Variant&, rtl::UnicodeStringView text) {
        filteredBy = rtl::UnicodeString(text);
    });
    Item->SetOnGetFilterDisplayText(
        [](TuiCustomGridTableItem&, const rtl::Variant&, rtl::UnicodeString& text) { text = u"<" + text + u">"; });
    const auto list = DropDown();
    const int32_t user = list->IndexOfKind(fviUser);
    ASSERT_GE(user, 0);
    Binding().ApplyFilterValueEntry(*list, user, false, true, nullptr);
    EXPECT_EQ(filteredBy, u"Seven");
    EXPECT_FALSE(Binding().Filtered()) << "the handler filters, no condition is added";

    Binding().ApplyFilterValueEntry(*list, list->IndexOfKind(fviNonBlanks), false, true, nullptr);
    ASSERT_NE(Binding().FilterCriteriaItem(), nullptr);
    EXPECT_EQ(Binding().FilterCriteriaItem()->DisplayValue(), u"<blank>");
    Binding().SetFiltered(false);
    EXPECT_FALSE(Binding().Filtered());
}

TEST_F(GridItemFilteringTest, FilterStringsAreTheDropDownsEntriesAsTheItemShowsThem) {
    View->Filtering().ItemPopup().SetMultiSelect(false);
    const auto first = DropDown();
    Binding().ApplyFilterValueEntry(*first, first->IndexOfValue(DateValue(2026, 3, 20)), true, true, nullptr);
    Item->SetOnGetFilterDisplayText(
        [](TuiCustomGridTableItem&, const rtl::Variant&, rtl::UnicodeString& text) { text = u"<" + text + u">"; });
    rtl::TStringList strings;
    strings.Add(u"stale");
    int32_t changes = 0;
    strings.SetOnChange([&](rtl::TObject*) { ++changes; });
    auto list = View->ViewData().CreateFilterValueList();
    Binding().GetFilterStrings(strings, *list);
    ASSERT_EQ(strings.Count(), list->GetCount());
    EXPECT_EQ(list->GetItem(0).Kind, fviRecent) << "the recently used value leads";
    for (int32_t i = 0; i < list->GetCount(); ++i) {
        EXPECT_EQ(strings.Get(i), u"<" + list->GetItem(i).DisplayText + u">") << i;
    }
    EXPECT_EQ(changes, 1) << "one change for the whole list";
}

TEST_F(GridItemFilteringTest, TheViewsAndThenTheItemsInitHandlersAddRangesAfterEachSetUp) {
    std::vector<const char*> calls;
    View->SetOnInitFilteringDateRanges([&](TuiCustomGridTableItem& item, TuiGridDateRanges& ranges) {
        EXPECT_EQ(&item, Item);
        calls.push_back("view");
        ranges.AddOfClass<TuiGridYearRange>();
    });
    Item->SetOnInitFilteringDateRanges([&](TuiCustomGridTableItem&, TuiGridDateRanges& ranges) {
        calls.push_back("item");
        ranges.AddOfClass<TuiGridMonthRange>();
    });
    EXPECT_TRUE(Item->SupportsDateTimeFilters(false)) << "a handler may add ranges without year or month filters";
    const auto list = DropDown();
    EXPECT_EQ(calls, (std::vector<const char*>{"view", "item"}));
    ASSERT_EQ(Item->FilteringDateRanges().Count(), 2);
    const int32_t firstValue = list->IndexOfFirstValue();
    std::vector<rtl::TDateTime> rangeStarts;
    for (int32_t i = list->IndexOfKind(fviNonBlanks) + 1; i < firstValue; ++i) {
        ASSERT_TRUE(list->GetItem(i).Value.IsArray());
        rangeStarts.push_back(rtl::VarToDateTime(list->GetItem(i).Value.ArrayElement(0)));
    }
    EXPECT_EQ(rangeStarts, (std::vector<rtl::TDateTime>{rtl::EncodeDate(2025, 1, 1), rtl::EncodeDate(2026, 1, 1),
                                                        rtl::EncodeDate(2025, 12, 1), rtl::EncodeDate(2026, 3, 1),
                                                        rtl::EncodeDate(2026, 5, 1)}))
        << "the years, then the months among the values";

    Item->SetDateTimeGrouping(dtgByDateAndTime);
    EXPECT_FALSE(Item->UsesGroupingDateRanges());
    int32_t groupingSetUps = 0;
    Item->RefreshHandlerDateRanges();
    View->SetOnInitGroupingDateRanges([&](TuiCustomGridTableItem&, TuiGridDateRanges& ranges) {
        ++groupingSetUps;
        ranges.AddOfClass<TuiGridTodayRange>();
    });
    EXPECT_TRUE(Item->UsesGroupingDateRanges(true));
    Item->RefreshHandlerDateRanges();
    EXPECT_EQ(groupingSetUps, 1) << "set up again only once a handler decides the ranges";
    EXPECT_TRUE(Item->UsesGroupingDateRanges());
    EXPECT_EQ(Item->GroupingDateRanges().Count(), 1);
}

TEST_F(GridItemFilteringTest, TheFieldNameOfAFilterExpressionIsEmptyForAGridItem) {
    EXPECT_EQ(Binding().GetFilterFieldName(), u"");
}

} // namespace
} // namespace ui
