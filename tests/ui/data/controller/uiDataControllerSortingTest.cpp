#include "../locale/LocaleTestSupport.h"
#include "ControllerTestSupport.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace ui {
namespace {

using rtl::Variant;
using test::Text;
using test::TNoticeLog;
using test::TTestDataController;

using Records = std::vector<int32_t>;
using StringList = std::vector<std::string>;

// Items: 0 Integer, 1 String, 2 Currency, 3 Variant.
class ControllerSorting : public ::testing::Test {
protected:
    ControllerSorting() {
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
        FController.AddTypedItem(&TuiStringValueType::Instance());
        FController.AddTypedItem(&TuiCurrencyValueType::Instance());
        FController.AddTypedItem(&TuiVariantValueType::Instance());
    }

    void FillColumn(int32_t item, std::initializer_list<Variant> values) {
        FController.BeginUpdate();
        FController.SetRecordCount(static_cast<int32_t>(values.size()));
        int32_t record = 0;
        for (const Variant& value : values) {
            FController.SetValue(record++, item, value);
        }
        FController.EndUpdate();
    }

    Records SortedBy(int32_t item, TuiDataSortOrder order) {
        FController.ChangeSortOrder(item, order);
        return FController.FilteredRecords();
    }

    TTestDataController FController;
};

TEST_F(ControllerSorting, EqualValuesKeepTheirRecordOrderInBothDirections) {
    FillColumn(0, {Variant(2), Variant(1), Variant(2), Variant(1), Variant(2)});
    EXPECT_EQ(SortedBy(0, soAscending), (Records{1, 3, 0, 2, 4}));
    EXPECT_EQ(SortedBy(0, soDescending), (Records{0, 2, 4, 1, 3}));
    EXPECT_EQ(SortedBy(0, soNone), (Records{0, 1, 2, 3, 4}));
}

TEST_F(ControllerSorting, NullsComeFirstAscendingAndLastDescending) {
    FillColumn(0, {Variant(5), Variant::Null(), Variant(3), Variant::Null()});
    EXPECT_EQ(SortedBy(0, soAscending), (Records{1, 3, 2, 0}));
    EXPECT_EQ(SortedBy(0, soDescending), (Records{0, 2, 1, 3}));
}

TEST_F(ControllerSorting, ComparedByValueEmptyComesBeforeNullAndNullBeforeValues) {
    FillColumn(3, {Variant(3), Variant::Null(), Variant(), Variant(1)});
    FController.SetItemCompareByValues(3, true);
    EXPECT_EQ(SortedBy(3, soAscending), (Records{2, 1, 3, 0}));
    EXPECT_TRUE(FController.GetItemCompareByValues(3));
    FController.SetItemCompareByValues(3, false);
    EXPECT_FALSE(FController.GetItemCompareByValues(3));
}

TEST_F(ControllerSorting, CurrencyAndTextColumnsSortByTheirValues) {
    FController.AddRecord({Variant(0), Text("pear"), Variant(rtl::Currency::FromScaled(25000))});
    FController.AddRecord({Variant(1), Text("apple"), Variant(rtl::Currency::FromScaled(-100))});
    FController.AddRecord({Variant(2), Text("fig"), Variant(rtl::Currency::FromScaled(7))});
    EXPECT_EQ(SortedBy(2, soAscending), (Records{1, 2, 0}));
    FController.ChangeSortOrder(2, soNone);
    EXPECT_EQ(SortedBy(1, soAscending), (Records{1, 2, 0}));
    // A second sorting column decides where the first has equal values.
    FController.SetValue(2, 1, Text("apple"));
    EXPECT_EQ(SortedBy(0, soDescending), (Records{2, 1, 0}));
    EXPECT_EQ(FController.GetSortingItemCount(), 2);
    EXPECT_EQ(FController.GetSortingItemIndex(1), 0);
}

// A locale that tells which of its text services the controller asked for.
class TRecordingLocale : public ui_test::TTestLocale {
public:
    int CompareText(rtl::UnicodeStringView a, rtl::UnicodeStringView b, bool ignoreCase) const override {
        Calls.push_back(ignoreCase ? "compare ignoring case" : "compare");
        return TTestLocale::CompareText(a, b, ignoreCase);
    }
    rtl::UnicodeString UpperCase(rtl::UnicodeStringView text) const override {
        Calls.push_back("upper");
        return TTestLocale::UpperCase(text);
    }

    mutable StringList Calls;
};

TEST_F(ControllerSorting, TextsCompareByTheOptions) {
    TRecordingLocale locale;
    FController.AddRecord({Variant(0), Text("abc")});
    FController.AddRecord({Variant(1), Text("ABD")});
    const TuiCustomDataField& field = FController.GetItemField(1);
    struct TCase {
        TuiDataControllerOptions Options;
        bool CompareByValues;
        int Sign;
        StringList Calls;
    };
    const TCase cases[] = {
        // By the stored bytes, then by the Variant order: 'a' comes after 'A'.
        {{}, false, 1, {}},
        {{}, true, 1, {}},
        {{dcoCaseInsensitive}, false, -1, {"upper", "upper"}},
        {{dcoAnsiSort}, false, 1, {"compare"}},
        {{dcoAnsiSort, dcoCaseInsensitive}, false, -1, {"compare ignoring case"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Options.Bits());
        FController.SetOptions(c.Options);
        FController.SetItemCompareByValues(1, c.CompareByValues);
        locale.Calls.clear();
        const int result = FController.CompareByField(0, 1, field);
        EXPECT_EQ((result > 0) - (result < 0), c.Sign);
        EXPECT_EQ(locale.Calls, c.Calls);
    }
}

TEST_F(ControllerSorting, OnCompareDecidesForItemsButNotForInternalFields) {
    FController.AddRecord({Variant(1)});
    FController.AddRecord({Variant(2)});
    int calls = 0;
    FController.SetOnCompare([&](TuiCustomDataController&, int32_t a, int32_t b, int32_t item, const Variant& x,
                                 const Variant& y, int32_t& compare) {
        ++calls;
        EXPECT_EQ(compare, 0);
        EXPECT_EQ(item, 0);
        EXPECT_EQ(rtl::VarType(x), rtl::varInteger);
        EXPECT_EQ(x.StoredSigned(), a + 1);
        EXPECT_EQ(y.StoredSigned(), b + 1);
        compare = b - a;
    });
    EXPECT_EQ(SortedBy(0, soAscending), (Records{1, 0}));
    EXPECT_GT(calls, 0);

    calls = 0;
    TuiCustomDataField& internal = FController.CreateInternalField();
    internal.AssignValueTypeClass(&TuiIntegerValueType::Instance());
    EXPECT_EQ(FController.CompareByField(0, 1, internal), 0);
    EXPECT_EQ(calls, 0);
}

TEST_F(ControllerSorting, AnOnCompareThatIsNoOrderKeepsEveryRecordOnce) {
    constexpr int32_t count = 10000;
    FController.BeginUpdate();
    FController.SetRecordCount(count);
    for (int32_t record = 0; record < count; ++record) {
        FController.SetValue(record, 0, Variant(record % 10));
    }
    FController.EndUpdate();
    std::mt19937 random(7);
    const std::function<int32_t()> answers[] = {[] { return -1; },
                                                [&random] { return static_cast<int32_t>(random() % 3) - 1; }};
    for (const auto& answer : answers) {
        FController.SetOnCompare([&](TuiCustomDataController&, int32_t, int32_t, int32_t, const Variant&,
                                     const Variant&, int32_t& compare) { compare = answer(); });
        FController.ChangeSortOrder(0, soNone);
        Records records = SortedBy(0, soAscending);
        std::sort(records.begin(), records.end());
        ASSERT_EQ(records.size(), static_cast<size_t>(count));
        EXPECT_EQ(std::adjacent_find(records.begin(), records.end()), records.end());
        EXPECT_EQ(records.back(), count - 1);
    }
}

TEST_F(ControllerSorting, AGroupingFieldSortedDescendingGivesDescendingGroups) {
    FillColumn(0, {Variant(2), Variant(1), Variant(3), Variant(1)});
    FController.Groups().ChangeItemGroupIndex(0, 0);
    EXPECT_EQ(FController.FilteredRecords(), (Records{1, 3, 0, 2}));
    EXPECT_EQ(FController.GetItemSortOrder(0), soAscending);
    EXPECT_EQ(FController.GetItemSortingIndex(0), -1);

    FController.ChangeSortOrder(0, soDescending);
    EXPECT_EQ(FController.FilteredRecords(), (Records{2, 0, 1, 3}));
    EXPECT_EQ(FController.GetItemSortOrder(0), soDescending);
    EXPECT_EQ(FController.GetRowValue(FController.GetRowInfo(0), 1).StoredSigned(), 3);

    // Losing its sorting entry, the grouped item groups ascending again.
    FController.ChangeSortingIndex(0, -1);
    EXPECT_EQ(FController.GetItemSortOrder(0), soDescending);
    FController.ChangeSortOrder(0, soAscending);
    FController.ChangeSortingIndex(0, -1);
    EXPECT_EQ(FController.GetItemSortingIndex(0), -1);
    EXPECT_EQ(FController.FilteredRecords(), (Records{1, 3, 0, 2}));
}

TEST_F(ControllerSorting, SortingIndexMovesOnlyItemsWithAnOrder) {
    FillColumn(0, {Variant(1), Variant(1), Variant(0)});
    FController.ChangeSortingIndex(0, 0);
    EXPECT_EQ(FController.GetSortingItemCount(), 0);

    FController.ChangeSortOrder(1, soAscending);
    FController.ChangeSortOrder(0, soDescending);
    FController.ChangeSortingIndex(0, 0);
    EXPECT_EQ(FController.GetItemSortingIndex(0), 0);
    EXPECT_EQ(FController.GetItemSortingIndex(1), 1);
    FController.ChangeSortingIndex(0, 9);
    EXPECT_EQ(FController.GetItemSortingIndex(0), 1);

    FController.ClearSortingExceptGrouping(false);
    EXPECT_EQ(FController.GetSortingItemCount(), 0);
    EXPECT_EQ(FController.FilteredRecords(), (Records{0, 1, 2}));
}

TEST_F(ControllerSorting, ClearingSortingCanKeepTheGroupedItems) {
    FillColumn(0, {Variant(1), Variant(2)});
    FController.Groups().ChangeItemGroupIndex(0, 0);
    FController.ChangeSortOrder(0, soDescending);
    FController.ChangeSortOrder(1, soAscending);
    FController.ClearSortingExceptGrouping(true);
    EXPECT_EQ(FController.GetSortingItemCount(), 1);
    EXPECT_EQ(FController.GetItemSortOrder(0), soDescending);
    FController.ClearSortingExceptGrouping(false);
    EXPECT_EQ(FController.GetItemSortOrder(0), soAscending);
}

TEST_F(ControllerSorting, TheEventsOfGroupingAndSortingFollowTheDataAndLayoutNotices) {
    FillColumn(0, {Variant(2), Variant(1)});
    StringList events;
    FController.SetControlNotification(
        [&](TuiUpdateControlInfo& info) { events.push_back(TNoticeLog::Describe(info)); });
    FController.SetOnGroupingChanged([&](rtl::TObject*) { events.push_back("OnGroupingChanged"); });
    FController.SetOnSortingChanged([&](rtl::TObject*) { events.push_back("OnSortingChanged"); });

    FController.ChangeSortOrder(0, soAscending);
    EXPECT_EQ(events, (StringList{"layout", "OnSortingChanged"}));
    events.clear();
    FController.ChangeSortOrder(0, soAscending);
    EXPECT_TRUE(events.empty());

    FController.BeginUpdate();
    FController.ChangeSortOrder(1, soDescending);
    FController.Groups().ChangeItemGroupIndex(0, 0);
    FController.EndUpdate();
    EXPECT_EQ(events, (StringList{"TuiGroupingChangingInfo", "data 4 -1 -1", "OnGroupingChanged", "OnSortingChanged"}));
}

TEST_F(ControllerSorting, TheFocusedRecordKeepsTheFocusAfterASort) {
    FillColumn(0, {Variant(3), Variant(1), Variant(2)});
    FController.ChangeFocusedRowIndex(0);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
    FController.ChangeSortOrder(0, soAscending);
    EXPECT_EQ(FController.GetFocusedRowIndex(), 2);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);

    // With dcoFocusTopRowAfterSorting the first row takes it.
    FController.SetOptions(FController.Options().Include(dcoFocusTopRowAfterSorting));
    FController.ChangeSortOrder(0, soDescending);
    EXPECT_EQ(FController.GetFocusedRowIndex(), 0);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
    FController.ChangeSortOrder(0, soAscending);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 1);
}

TEST_F(ControllerSorting, RemovingAnItemDropsItsSortingAndGrouping) {
    FillColumn(1, {Text("b"), Text("a")});
    FController.ChangeSortOrder(1, soAscending);
    FController.Groups().ChangeItemGroupIndex(0, 0);
    FController.RemoveItem(FController.GetItem(1));
    EXPECT_EQ(FController.GetSortingItemCount(), 0);
    EXPECT_EQ(FController.Groups().GroupingFieldCount(), 1);
    FController.RemoveItem(FController.GetItem(0));
    EXPECT_EQ(FController.Groups().GroupingFieldCount(), 0);
    EXPECT_EQ(FController.GetRowCount(), 2);
}

} // namespace
} // namespace ui
