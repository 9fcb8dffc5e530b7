#include "ControllerTestSupport.h"
#include "ui/core/objects/uxException.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataControllerLocate.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using rtl::Variant;
using test::Text;
using test::TNoticeLog;
using test::TTestDataController;

using Records = std::vector<int32_t>;

// Items: 0 the row number, 1 a region, 2 a city. Records by number: 0 north/b, 1 south/a, 2 north/a, 3 east/c,
// 4 south/a, 5 north/b.
class ControllerGrouping : public ::testing::Test {
protected:
    ControllerGrouping() {
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
        FController.AddTypedItem(&TuiStringValueType::Instance());
        FController.AddTypedItem(&TuiStringValueType::Instance());
        const char* rows[][2] = {{"north", "b"}, {"south", "a"}, {"north", "a"},
                                 {"east", "c"},  {"south", "a"}, {"north", "b"}};
        FController.BeginUpdate();
        for (int32_t number = 0; number < 6; ++number) {
            FController.AddRecord({Variant(number), Text(rows[number][0]), Text(rows[number][1])});
        }
        FController.EndUpdate();
    }

    // Group rows as "level:first record", data rows as their record.
    std::vector<std::string> RowsText() const {
        std::vector<std::string> rows;
        for (int32_t row = 0; row < FController.GetRowCount(); ++row) {
            const TuiRowInfo info = FController.GetRowInfo(row);
            const bool groupRow = info.Level < FController.Groups().GroupingFieldCount();
            rows.push_back(groupRow ? std::to_string(info.Level) + (info.Expanded ? "+" : "") + ":" +
                                          std::to_string(info.RecordIndex)
                                    : std::to_string(info.RecordIndex));
        }
        return rows;
    }

    void GroupBy(std::initializer_list<int32_t> items) {
        FController.BeginUpdate();
        FController.Groups().ClearGrouping();
        int32_t level = 0;
        for (const int32_t item : items) {
            FController.Groups().ChangeItemGroupIndex(item, level++);
        }
        FController.EndUpdate();
    }

    TuiDataGroups& Groups() const { return FController.DataControllerInfo().Groups(); }

    TTestDataController FController;
};

using Texts = std::vector<std::string>;

TEST_F(ControllerGrouping, GroupsStartCollapsedInTheOrderOfTheirKeys) {
    GroupBy({1});
    // east {3}, north {0, 2, 5}, south {1, 4}.
    EXPECT_EQ(RowsText(), (Texts{"0:3", "0:0", "0:1"}));
    EXPECT_EQ(FController.FilteredRecords(), (Records{3, 0, 2, 5, 1, 4}));
    FController.Groups().SetRowExpansion(1, true, false);
    EXPECT_EQ(RowsText(), (Texts{"0:3", "0+:0", "0", "2", "5", "0:1"}));
    EXPECT_EQ(FController.GetRowValue(FController.GetRowInfo(1), 0).StoredAnsiString(), "north");
    EXPECT_EQ(FController.GetRowDisplayText(FController.GetRowInfo(2), 2), "b");
}

TEST_F(ControllerGrouping, TwoLevelsShareTheTopRowUntilExpanded) {
    GroupBy({1, 2});
    EXPECT_EQ(RowsText(), (Texts{"0:3", "0:2", "0:1"}));
    FController.Groups().SetRowExpansion(1, true, true);
    EXPECT_EQ(RowsText(), (Texts{"0:3", "0+:2", "1+:2", "2", "1+:0", "0", "5", "0:1"}));
    // The grouping front walks the same tree.
    const TuiDataControllerGroups& front = FController.Groups();
    const int32_t north = front.GroupIndexForRow(1);
    EXPECT_EQ(front.ChildCountOf(north), 2);
    std::vector<int32_t> records;
    front.CollectRecordIndexes(records, north);
    EXPECT_EQ(records, (Records{2, 0, 5}));
    records.clear();
    front.CollectRecordIndexesOfRow(records, 6);
    EXPECT_EQ(records, Records{5});
    EXPECT_TRUE(front.IsRowInGroup(6, 1));
    EXPECT_TRUE(front.IsRowInGroup(6, 4));
    EXPECT_FALSE(front.IsRowInGroup(6, 2));
    EXPECT_FALSE(front.IsRowInGroup(7, 1));
    EXPECT_EQ(front.ChildRecordIndexOf(front.GroupIndexForRow(4), 1), 5);
    EXPECT_EQ(front.GetItemGroupIndex(2), 1);
    EXPECT_EQ(front.GroupingItemIndexOfLevel(1), 2);
    EXPECT_EQ(front.GetLevel(front.GroupIndexForRow(2)), 1);
}

TEST_F(ControllerGrouping, OneRecordMakesOneGroupPerLevelAndNoRecordsNone) {
    FController.SetRecordCount(1);
    GroupBy({1, 2});
    ASSERT_EQ(Groups().GroupCount(), 2);
    EXPECT_EQ(Groups().GetItem(1).Begin, 0);
    EXPECT_EQ(Groups().GetItem(1).End, 0);
    EXPECT_EQ(FController.GetRowCount(), 1);
    FController.SetRecordCount(0);
    EXPECT_EQ(Groups().GroupCount(), 0);
    EXPECT_EQ(FController.GetRowCount(), 0);
    EXPECT_EQ(FController.GetLastRowRecordIndex(), -1);
}

TEST_F(ControllerGrouping, ARecordInACollapsedGroupHasARowOnlyWhenItsGroupsAreExpanded) {
    GroupBy({1});
    EXPECT_EQ(FController.GetRowIndexByRecordIndex(5, false), -1);
    EXPECT_EQ(FController.GetRowIndexByRecordIndex(5, true), 4);
    EXPECT_EQ(RowsText(), (Texts{"0:3", "0+:0", "0", "2", "5", "0:1"}));
    FController.SetOnFilterRecord([](TuiCustomDataController&, int32_t record, bool& accept) { accept = record != 2; });
    EXPECT_EQ(FController.GetRowIndexByRecordIndex(2, true), -1);
}

TEST_F(ControllerGrouping, CollapsingTheGroupOfTheFocusedRowFocusesTheGroupRow) {
    GroupBy({1, 2});
    FController.ChangeFocusedRecordIndex(5);
    EXPECT_EQ(RowsText(), (Texts{"0:3", "0+:2", "1:2", "1+:0", "0", "5", "0:1"}));
    EXPECT_EQ(FController.GetFocusedRowIndex(), 5);
    FController.Groups().SetRowExpansion(3, false, false);
    EXPECT_EQ(FController.GetFocusedRowIndex(), 3);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
    FController.Groups().FullCollapse();
    EXPECT_EQ(FController.GetFocusedRowIndex(), 1);
    FController.Groups().FullExpand();
    EXPECT_EQ(FController.GetRowCount(), 13);
    EXPECT_EQ(FController.GetFocusedRowIndex(), 3);
}

TEST_F(ControllerGrouping, RegroupingByTheSameFieldsKeepsTheExpandedGroupsAndOtherFieldsLoseThem) {
    GroupBy({1, 2});
    FController.Groups().SetRowExpansion(1, true, false);
    FController.Groups().SetRowExpansion(3, true, false);
    const Texts expanded{"0:3", "0+:2", "1:2", "1+:0", "0", "5", "0:1"};
    ASSERT_EQ(RowsText(), expanded);
    // A change of the data rebuilds the groups; they are found again by their keys.
    FController.SetValue(3, 0, Variant(30));
    EXPECT_EQ(RowsText(), expanded);
    // A new record that sorts before them moves them down.
    FController.AddRecord({Variant(6), Text("central"), Text("z")});
    EXPECT_EQ(RowsText(), (Texts{"0:6", "0:3", "0+:2", "1:2", "1+:0", "0", "5", "0:1"}));

    GroupBy({2});
    EXPECT_EQ(RowsText(), (Texts{"0:1", "0:0", "0:3", "0:6"}));

    FController.SetOptions(FController.Options().Exclude(dcoSaveExpanding));
    FController.Groups().SetRowExpansion(1, true, false);
    FController.RebuildRows();
    EXPECT_EQ(RowsText(), (Texts{"0:1", "0:0", "0:3", "0:6"}));
}

TEST_F(ControllerGrouping, GroupsAlwaysExpandedStayExpanded) {
    FController.SetOptions(FController.Options().Include(dcoGroupsAlwaysExpanded));
    GroupBy({1});
    EXPECT_EQ(FController.GetRowCount(), 9);
    FController.Groups().SetRowExpansion(0, false, false);
    FController.Groups().FullCollapse();
    EXPECT_EQ(FController.GetRowCount(), 9);
}

TEST_F(ControllerGrouping, SelectedRowsAreFoundAgainAfterARebuild) {
    GroupBy({1});
    FController.SetMultiSelect(true);
    FController.Groups().SetRowExpansion(1, true, false);
    FController.ChangeRowSelection(0, true);
    FController.ChangeRowSelection(3, true);
    const TuiDataSelection& selection = FController.DataControllerInfo().Selection();
    ASSERT_EQ(selection.GetCount(), 2);
    EXPECT_TRUE(selection.GetEntry(0).IsGroupEntry());
    EXPECT_EQ(selection.GetEntry(1).Index, 2);

    // Record 2 moves from north to south: its row follows it; the group entry of east stays on east.
    FController.SetValue(2, 1, Text("south"));
    EXPECT_EQ(RowsText(), (Texts{"0:3", "0+:0", "0", "5", "0:1"}));
    ASSERT_EQ(selection.GetCount(), 1);
    EXPECT_EQ(FController.GetSelectedRowIndex(0), 0);
    EXPECT_TRUE(FController.IsRowSelected(0));

    FController.Groups().SetRowExpansion(4, true, false);
    FController.ChangeRowSelection(6, true);
    EXPECT_EQ(FController.GetSelectedRowCount(), 2);
    // A selected record whose group collapses is no longer selected.
    FController.Groups().SetRowExpansion(4, false, false);
    EXPECT_EQ(FController.GetSelectedRowCount(), 1);
    EXPECT_EQ(FController.GetSelectedRowIndex(0), 0);
    // Grouping by other fields leaves no selected row.
    GroupBy({2});
    EXPECT_EQ(FController.GetSelectedRowCount(), 0);
}

TEST_F(ControllerGrouping, TheNeighbourOfARowHasItsLevel) {
    GroupBy({1});
    FController.Groups().SetRowExpansion(1, true, false);
    // Rows: east, north, 0, 2, 5, south.
    EXPECT_EQ(FController.GetNearestRowIndex(2), 3);
    EXPECT_EQ(FController.GetNearestRowIndex(4), 3);
    EXPECT_EQ(FController.GetNearestRowIndex(0), 1);
    EXPECT_EQ(FController.GetNearestRowIndex(5), 4);
    EXPECT_THROW(FController.GetNearestRowIndex(6), EuxException);
}

TEST_F(ControllerGrouping, AGroupLocateObjectFindsARecordByItsGroupKeys) {
    GroupBy({1, 2});
    const TuiValueDef& region = *FController.GetItemField(1).EffectiveValueDef();
    const TuiValueDef& city = *FController.GetItemField(2).EffectiveValueDef();
    TuiValueDefUnboundReader reader;
    TuiDataControllerGroupLocateObject locate(FController);
    EXPECT_TRUE(locate.IsGroupDataSorted());
    EXPECT_EQ(locate.FindRecordIndex(), -1);
    reader.SetValue(region, Text("north"));
    reader.SetValue(city, Text("b"));
    locate.SetLevel(1);
    locate.ReadValues(reader);
    EXPECT_LT(locate.BufferRecordIndex(), 0);
    const int32_t found = locate.FindRecordIndex();
    EXPECT_TRUE(found == 0 || found == 5) << found;
    reader.SetValue(city, Text("c"));
    locate.ReadValues(reader);
    EXPECT_EQ(locate.FindRecordIndex(), -1);
    // Only the first level compared: any north record.
    locate.SetLevel(0);
    EXPECT_EQ(FController.GetValue(locate.FindRecordIndex(), 1).StoredAnsiString(), "north");
    reader.Truncate(1);
    EXPECT_TRUE(reader.GetValue(city).IsNull());
    EXPECT_EQ(reader.GetValue(region).StoredAnsiString(), "north");
    locate.Clear();
    EXPECT_EQ(locate.BufferRecordIndex(), 0);
}

} // namespace
} // namespace ui
