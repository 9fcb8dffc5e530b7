#include "ui/data/controller/summary/uiDataSummary.h"

#include "../ControllerTestSupport.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiSortingBySummaryEngine.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::Text;
using test::TNoticeLog;
using test::TTestDataController;
using test_support::Utf8;

// Items: 0 a group name (String), 1 an amount (Integer), 2 another amount (Integer).
class DataSummary : public ::testing::Test {
protected:
    DataSummary() {
        FController.AddTypedItem(&TuiStringValueType::Instance());
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
    }

    TuiDataSummary& Summary() { return FController.Summary(); }
    TuiDataSummaryItem& AddFooterItem(int32_t itemIndex, TuiSummaryKind kind) {
        TuiDataSummaryItem& item = Summary().FooterSummaryItems().AddItemForItem(itemIndex, spFooter);
        item.SetKind(kind);
        return item;
    }
    TuiDataSummaryItem& AddGroupItem(TuiDataSummaryItems& items, int32_t itemIndex, TuiSummaryKind kind) {
        TuiDataSummaryItem& item = items.AddItemForItem(itemIndex, spGroup);
        item.SetKind(kind);
        return item;
    }
    void AddRecords(std::initializer_list<std::tuple<const char*, rtl::Variant, rtl::Variant>> records) {
        FController.BeginUpdate();
        for (const auto& [group, amount, other] : records) {
            FController.AddRecord({Text(group), amount, other});
        }
        FController.EndUpdate();
    }
    // The footer values as their texts (Null: "null").
    std::vector<std::string> FooterValues() {
        std::vector<std::string> values;
        for (int32_t index = 0; index < Summary().FooterSummaryItems().Count(); ++index) {
            const rtl::Variant value = Summary().GetFooterSummaryValue(index);
            values.push_back(value.IsNull() ? "null" : Utf8(rtl::VarToStr(value)));
        }
        return values;
    }

    TTestDataController FController;
};

TEST_F(DataSummary, FooterItemsSummariseTheFilteredRecords) {
    for (const TuiSummaryKind kind : {skSum, skAverage, skCount, skMin, skMax}) {
        AddFooterItem(1, kind);
    }
    AddRecords({{"a", 1, 0}, {"a", rtl::Variant::Null(), 0}, {"a", 2, 0}});
    using Values = std::vector<std::string>;
    EXPECT_EQ(FooterValues(), (Values{"3", "1", "3", "1", "2"}));
    Summary().SetOptions({soNullIgnore});
    EXPECT_EQ(FooterValues(), (Values{"3", "1.5", "2", "1", "2"}));
    EXPECT_EQ(Utf8(Summary().GetFooterSummaryText(1)), "AVG=1.50");
    EXPECT_EQ(Utf8(Summary().GetFooterSummaryText(2)), "2");

    FController.SetOnFilterRecord([](TuiCustomDataController&, int32_t record, bool& accept) { accept = record != 0; });
    EXPECT_EQ(FooterValues(), (Values{"2", "2", "1", "2", "2"}));
}

TEST_F(DataSummary, OnlyNullsSumToZeroUnlessNullsAreIgnored) {
    AddFooterItem(1, skSum);
    AddFooterItem(1, skMin);
    AddFooterItem(1, skMax);
    AddFooterItem(1, skAverage);
    AddRecords({{"a", rtl::Variant::Null(), 0}, {"a", rtl::Variant::Null(), 0}});
    using Values = std::vector<std::string>;
    EXPECT_EQ(FooterValues(), (Values{"0", "null", "null", "0"}));
    Summary().SetOptions({soNullIgnore});
    EXPECT_EQ(FooterValues(), (Values{"null", "null", "null", "null"}));
    EXPECT_EQ(Utf8(Summary().GetFooterSummaryText(0)), "");
}

TEST_F(DataSummary, SumsKeepTheirKindOfNumber) {
    TTestDataController controller;
    controller.AddTypedItem(&TuiCurrencyValueType::Instance());
    controller.AddTypedItem(&TuiDateTimeValueType::Instance());
    controller.AddTypedItem(&TuiLargeIntValueType::Instance());
    TuiDataSummaryItems& footer = controller.Summary().FooterSummaryItems();
    for (const auto& [item, kind] : {std::pair{0, skSum}, {1, skAverage}, {2, skSum}, {0, skAverage}}) {
        footer.AddItemForItem(item, spFooter).SetKind(kind);
    }
    controller.AddRecord({rtl::Currency::FromScaled(12345), rtl::Variant::FromDateTime(rtl::EncodeDate(2026, 6, 10)),
                          int64_t{INT64_MAX}});
    controller.AddRecord(
        {rtl::Currency::FromScaled(10000), rtl::Variant::FromDateTime(rtl::EncodeDate(2026, 6, 12)), int64_t{1}});
    const TuiDataSummary& summary = controller.Summary();
    EXPECT_EQ(summary.GetFooterSummaryValue(0).VarType(), rtl::varCurrency);
    EXPECT_EQ(summary.GetFooterSummaryValue(0).StoredCurrency(), rtl::Currency::FromScaled(22345));
    // The average of dates is a date.
    EXPECT_EQ(summary.GetFooterSummaryValue(1).VarType(), rtl::varDate);
    EXPECT_EQ(rtl::VarToDateTime(summary.GetFooterSummaryValue(1)), rtl::EncodeDate(2026, 6, 11));
    EXPECT_EQ(Utf8(summary.GetFooterSummaryText(1)), "AVG=" + Utf8(rtl::DateToStr(rtl::EncodeDate(2026, 6, 11))));
    // Integers that overflow go on as a double.
    EXPECT_EQ(summary.GetFooterSummaryValue(2).VarType(), rtl::varDouble);
    EXPECT_EQ(summary.GetFooterSummaryValue(3).StoredCurrency(), rtl::Currency::FromScaled(11173));
}

TEST_F(DataSummary, GroupsShowTheirItemsValuesInParentheses) {
    TuiDataGroupSummaryItems& items = Summary().DefaultGroupSummaryItems();
    AddGroupItem(items, 1, skSum);
    AddGroupItem(items, 2, skSum);
    AddRecords({{"a", 1, 3}, {"a", 2, 4}, {"b", 5, 0}});
    FController.Groups().ChangeItemGroupIndex(0, 0);
    ASSERT_EQ(FController.GetRowCount(), 2);
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryDisplayText(0)), "(SUM=3.00, SUM=7.00)");
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryDisplayText(1)), "(SUM=5.00, SUM=0.00)");
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryItemText(1, 0, 0)), "5.00");
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryItemText(1, 0, 2)), "");

    items.SetBeginText(u"[");
    items.SetSeparator(u";");
    items.GetItem(1).SetPosition(spFooter);
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryDisplayText(0)), "[SUM=3.00)");
}

// A count without a field counts the records of a group; in the footer it has nothing to count.
TEST_F(DataSummary, ACountWithoutAFieldCountsGroupRecords) {
    TuiDataSummaryItem& groupCount = Summary().DefaultGroupSummaryItems().AddItem();
    groupCount.SetKind(skCount);
    TuiDataSummaryItem& footerCount = Summary().FooterSummaryItems().AddItem();
    footerCount.SetKind(skCount);
    EXPECT_TRUE(groupCount.IsCalculated());
    EXPECT_FALSE(footerCount.IsCalculated());
    AddRecords({{"a", 1, 0}, {"a", 2, 0}, {"b", 5, 0}});
    FController.Groups().ChangeItemGroupIndex(0, 0);
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryDisplayText(0)), "(COUNT=2)");
    EXPECT_TRUE(Summary().GetFooterSummaryValue(0).IsEmpty()) << "not calculated";
    EXPECT_EQ(Utf8(Summary().GetFooterSummaryText(0)), "");
}

TEST_F(DataSummary, ASummaryGroupGivesTheGroupsOfItsItemsTheirOwnItems) {
    AddGroupItem(Summary().DefaultGroupSummaryItems(), 1, skSum);
    TuiDataSummaryGroup& group = Summary().SummaryGroups().AddGroup();
    group.Links().AddLink().SetLinkedItem(FController.GetItem(2));
    AddGroupItem(group.SummaryItems(), 1, skMax);
    AddRecords({{"a", 1, 7}, {"a", 2, 7}});
    FController.Groups().ChangeItemGroupIndex(0, 0);
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryDisplayText(0)), "(SUM=3.00)");
    FController.Groups().ChangeItemGroupIndex(2, 0);
    EXPECT_EQ(Utf8(Summary().GetGroupSummaryDisplayText(0)), "(MAX=2.00)");

    // An item belongs to one summary group at most.
    TuiDataSummaryGroup& other = Summary().SummaryGroups().AddGroup();
    other.Links().AddLink().SetLinkedItem(FController.GetItem(2));
    EXPECT_EQ(group.Links().GetItem(0).Field(), nullptr);
    EXPECT_EQ(Summary().GroupSummaryItemsOfLevel(0), &other.SummaryItems());
}

TEST_F(DataSummary, RemovingAnItemUnbindsItsSummaries) {
    TuiDataSummaryItem& item = AddFooterItem(1, skSum);
    AddRecords({{"a", 1, 0}});
    TNoticeLog log(FController);
    FController.RemoveItem(FController.GetItem(1));
    EXPECT_EQ(item.Field(), nullptr);
    EXPECT_TRUE(Summary().GetFooterSummaryValue(0).IsEmpty()) << "not calculated";
    EXPECT_FALSE(log.Entries.empty());
}

TEST_F(DataSummary, OnSummaryMayTakeOverTheAccumulation) {
    AddFooterItem(1, skSum);
    Summary().FooterSummaryItems().SetOnSummary([](TuiDataSummaryItems&, const TuiSummaryEventArguments& arguments,
                                                   TuiSummaryEventOutArguments& out) {
        // Odd records count double and are done here.
        if (arguments.RecordIndex % 2 == 1) {
            out.SummaryValue =
                rtl::VarToInteger(out.SummaryValue.IsEmpty() ? 0 : out.SummaryValue) + 2 * rtl::VarToInteger(out.Value);
            out.Done = true;
        }
    });
    AddRecords({{"a", 1, 0}, {"a", 10, 0}, {"a", 100, 0}});
    EXPECT_EQ(FooterValues(), std::vector<std::string>{"121"});
}

TEST_F(DataSummary, SelectionSummariesCountTheFocusedOrSelectedRecords) {
    AddFooterItem(1, skSum);
    AddRecords({{"a", 1, 0}, {"a", 10, 0}, {"a", 100, 0}});
    Summary().SetOptions({soSelectedRecords});
    FController.ChangeFocusedRowIndex(1);
    EXPECT_EQ(FooterValues(), std::vector<std::string>{"10"});
    FController.SetMultiSelect(true);
    FController.ClearSelection();
    FController.ChangeRowSelection(0, true);
    FController.ChangeRowSelection(2, true);
    EXPECT_EQ(FooterValues(), std::vector<std::string>{"101"});
}

TEST_F(DataSummary, RecalculationRequestsWaitForTheEndOfAnUpdate) {
    TuiDataSummaryItem& item = AddFooterItem(1, skSum);
    AddRecords({{"a", 1, 0}, {"a", 2, 0}});
    int32_t afterSummary = 0;
    Summary().SetOnAfterSummary([&](TuiDataSummary&) { ++afterSummary; });
    TNoticeLog log(FController);
    Summary().BeginUpdate();
    item.SetKind(skMax);
    item.SetKind(skMin);
    EXPECT_EQ(FooterValues(), std::vector<std::string>{"3"});
    Summary().EndUpdate();
    EXPECT_EQ(FooterValues(), std::vector<std::string>{"1"});
    EXPECT_EQ(afterSummary, 1);
    EXPECT_EQ(log.Entries, std::vector<std::string>{"layout"});
}

// Records the sorts it was asked for.
class TRecordingSortEngine : public TuiSortingBySummaryEngine {
    RTL_DECLARE_CLASS(TRecordingSortEngine, TuiSortingBySummaryEngine)
public:
    using TuiSortingBySummaryEngine::TuiSortingBySummaryEngine;
    void Sort() override { ++Sorts; }
    static inline int32_t Sorts = 0;
};

class TSortingBySummaryController : public TTestDataController {
public:
    const rtl::TMetaclass* GetSortingBySummaryEngineClass() const override {
        return &TRecordingSortEngine::StaticClass();
    }
};

TEST(DataSummarySorting, ASortedGroupItemHasTheGroupsSortedByItsEngine) {
    TSortingBySummaryController controller;
    controller.AddTypedItem(&TuiStringValueType::Instance());
    controller.AddTypedItem(&TuiIntegerValueType::Instance());
    controller.AddRecord({Text("a"), 1});
    controller.AddRecord({Text("b"), 2});
    controller.Groups().ChangeItemGroupIndex(0, 0);
    TuiDataGroupSummaryItems& items = controller.Summary().DefaultGroupSummaryItems();
    TuiDataSummaryItem& sum = items.AddItemForItem(1, spGroup);
    sum.SetKind(skSum);
    TuiDataSummaryItem& max = items.AddItemForItem(1, spGroup);
    max.SetKind(skMax);
    int32_t sortingChanged = 0;
    controller.SetOnSortingChanged([&](rtl::TObject*) { ++sortingChanged; });
    TRecordingSortEngine::Sorts = 0;

    sum.SetSorted(true);
    EXPECT_EQ(items.SortingSummaryItem(), &sum);
    EXPECT_GE(TRecordingSortEngine::Sorts, 1);
    EXPECT_EQ(sortingChanged, 1);
    max.SetSorted(true);
    EXPECT_FALSE(sum.Sorted()) << "one sorted item per collection";
    EXPECT_EQ(items.SortingSummaryItem(), &max);

    // Selection summaries never sort groups.
    TRecordingSortEngine::Sorts = 0;
    controller.Summary().SetOptions({soSelectedRecords});
    EXPECT_EQ(TRecordingSortEngine::Sorts, 0);
    controller.Summary().SetOptions({});
    EXPECT_GE(TRecordingSortEngine::Sorts, 1);

    // The controller's own sorting item wins and locks the items' flags.
    controller.SetSortingBySummaryItemIndex(1);
    EXPECT_EQ(controller.SortingBySummaryItemIndex(), 1);
    EXPECT_EQ(items.SortingSummaryItem(), &sum);
    max.SetSorted(false);
    EXPECT_TRUE(max.Sorted());
    controller.RemoveItem(controller.GetItem(1));
    EXPECT_EQ(controller.SortingBySummaryItemIndex(), -1);
}

} // namespace
} // namespace ui
