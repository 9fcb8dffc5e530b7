#include "ControllerTestSupport.h"
#include "ui/core/objects/uxException.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
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
using StringList = std::vector<std::string>;

// Five records: item 0 the number, item 1 a name: apple, Banana, berry, cherry, banana.
class ControllerRows : public ::testing::Test {
protected:
    ControllerRows() {
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
        FController.AddTypedItem(&TuiStringValueType::Instance());
        FController.BeginUpdate();
        for (const char* name : {"apple", "Banana", "berry", "cherry", "banana"}) {
            FController.AddRecord({Variant(FController.GetRecordCount()), Text(name)});
        }
        FController.EndUpdate();
        FLog.Entries.clear();
    }

    TTestDataController FController;
    TNoticeLog FLog{FController};
};

TEST_F(ControllerRows, TheFocusIsClampedToTheRows) {
    EXPECT_EQ(FController.GetFocusedRowIndex(), -1);
    EXPECT_FALSE(FController.IsFirstRowFocused());
    EXPECT_FALSE(FController.IsLastRowFocused());
    FController.ChangeFocusedRowIndex(10);
    EXPECT_EQ(FController.GetFocusedRowIndex(), 4);
    EXPECT_TRUE(FController.IsLastRowFocused());
    FController.ChangeFocusedRowIndex(-5);
    EXPECT_EQ(FController.GetFocusedRowIndex(), -1);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), -1);
    FController.EnsureRowFocused();
    EXPECT_TRUE(FController.IsFirstRowFocused());
    FController.GotoLast();
    EXPECT_EQ(FController.GetFocusedRecord(), 4);
    FController.GotoFirst();
    EXPECT_EQ(FController.GetFocusedRowIndex(), 0);

    FController.SetRecordCount(0);
    EXPECT_EQ(FController.GetFocusedRowIndex(), -1);
    EXPECT_TRUE(FController.IsFirstRowFocused());
    EXPECT_TRUE(FController.IsLastRowFocused());
    EXPECT_THROW(FController.GetRowInfo(0), EuxException);
}

TEST_F(ControllerRows, MovingTheFocusSendsTheFocusNotices) {
    FController.AddRecord({Variant(5), Text("date")});
    FController.ChangeFocusedRowIndex(3);
    FLog.Entries.clear();
    FController.ChangeFocusedRowIndex(5);
    FController.ChangeFocusedRowIndex(3);
    FController.ChangeFocusedRowIndex(3);
    EXPECT_EQ(FLog.Entries,
              (StringList{"row 5 3", "record 5 3", "selection 3 5", "row 3 5", "record 3 5", "selection 5 3"}));
    EXPECT_EQ(FController.DataControllerInfo().GetPrevFocusedRowIndex(), 3);

    // Removing the focused record takes the focus away; its row is gone too, so only the record is reported.
    FLog.Entries.clear();
    FController.SetRecordCount(3);
    EXPECT_EQ(FController.GetFocusedRowIndex(), -1);
    EXPECT_EQ(FLog.Entries, (StringList{"data 3 -1 -1", "record -1 3"}));
}

TEST_F(ControllerRows, InSingleSelectModeTheFocusedRowIsTheSelection) {
    FController.ChangeFocusedRowIndex(2);
    EXPECT_EQ(FController.GetSelectedRowCount(), 1);
    EXPECT_EQ(FController.GetSelectedRowIndex(0), 2);
    EXPECT_TRUE(FController.IsRowSelected(2));
    FController.ChangeRowSelection(3, true);
    FController.SelectAll();
    EXPECT_EQ(FController.GetSelectedRowCount(), 1);

    FLog.Entries.clear();
    FController.SetFocusedSelected(false);
    EXPECT_EQ(FController.GetSelectedRowCount(), 0);
    EXPECT_EQ(FController.GetSelectedRowIndex(0), -1);
    EXPECT_EQ(FLog.Entries, StringList{"selection 2"});
    // Moving the focus counts the focused row as selected again.
    FController.ChangeFocusedRowIndex(1);
    EXPECT_EQ(FController.GetSelectedRowCount(), 1);
}

TEST_F(ControllerRows, RangesAreSelectedFromTheAnchor) {
    FController.SetMultiSelect(true);
    EXPECT_THROW(FController.SetSelectionAnchor(FController.GetRowCount()), EuxException);
    FController.SelectFromAnchor(2, false);
    EXPECT_EQ(FController.GetSelectedRowCount(), 0);
    FController.ChangeRowSelection(0, true);
    FController.SetSelectionAnchor(4);
    FController.SelectFromAnchor(1, false);
    std::vector<int32_t> rows;
    FController.ForEachRow(true, [&](int32_t row, const TuiRowInfo& info) {
        rows.push_back(row);
        EXPECT_EQ(info.RecordIndex, row);
        return row;
    });
    EXPECT_EQ(rows, (Records{1, 2, 3, 4}));
    EXPECT_EQ(FController.GetSelectionAnchorRowIndex(), 4);
    FController.SelectFromAnchor(0, true);
    EXPECT_EQ(FController.GetSelectedRowCount(), 5);
    // Deselecting the anchor row clears the anchor.
    FController.ChangeRowSelection(4, false);
    EXPECT_FALSE(FController.IsSelectionAnchorSet());
    EXPECT_EQ(FController.ForEachRow(true, [](int32_t row, const TuiRowInfo&) { return row * 10; }), 30);
    EXPECT_EQ(FController.GetSelectedRowIndexAsVariant(2).StoredSigned(), 2);
}

TEST_F(ControllerRows, ASelectionNoticeNamesBothRowsOfTwoSingleSelections) {
    FController.SetMultiSelect(true);
    FLog.Entries.clear();
    FController.ChangeRowSelection(1, true);
    FController.BeginUpdate();
    FController.ClearSelection();
    FController.ChangeRowSelection(3, true);
    FController.EndUpdate();
    FController.ChangeRowSelection(4, true);
    FController.ChangeRowSelection(4, true);
    EXPECT_EQ(FLog.Entries, (StringList{"selection 1", "selection 1 3", "selection"}));

    // The focused row alone, and the selection that follows the focus.
    FController.ChangeFocusedRowIndex(2);
    FController.SelectFocusedRow();
    EXPECT_EQ(FController.GetSelectedRowCount(), 1);
    FController.ChangeFocusedRowIndex(0);
    FController.SyncSelectionWithFocus();
    EXPECT_EQ(FController.GetSelectedRowIndex(0), 0);
    EXPECT_EQ(FController.GetSelectionAnchorRowIndex(), 0);
    EXPECT_TRUE(FController.FocusSelectedRow(0));
    FController.SetMultiSelect(false);
    EXPECT_EQ(FController.DataControllerInfo().GetSelectedCount(), 0);
}

TEST_F(ControllerRows, SelectedRecordsKeepTheirSelectionThroughASort) {
    FController.SetMultiSelect(true);
    FController.ChangeRowSelection(1, true);
    FController.ChangeSortOrder(0, soDescending);
    EXPECT_EQ(FController.GetSelectedRowIndex(0), 3);
    EXPECT_EQ(FController.GetRowInfo(3).RecordIndex, 1);
}

TEST_F(ControllerRows, TheBookmarkIsSavedOnceAndLostWithItsRecord) {
    FController.ChangeFocusedRowIndex(3);
    EXPECT_TRUE(FController.SaveBookmark());
    EXPECT_FALSE(FController.SaveBookmark());
    EXPECT_TRUE(FController.IsBookmarkRow(3));
    FController.ChangeFocusedRowIndex(0);
    EXPECT_TRUE(FController.GotoBookmarkIfAvailable());
    EXPECT_EQ(FController.GetFocusedRowIndex(), 3);

    FLog.Entries.clear();
    FController.SetOnFilterRecord([](TuiCustomDataController&, int32_t record, bool& accept) { accept = record != 3; });
    EXPECT_FALSE(FController.IsBookmarkAvailable());
    EXPECT_EQ(FLog.Entries.back(), "bookmark");
    EXPECT_FALSE(FController.GotoBookmarkIfAvailable());

    FLog.Entries.clear();
    FController.ResetBookmark();
    EXPECT_TRUE(FLog.Entries.empty());
    FController.SaveBookmarkAndNotify();
    EXPECT_EQ(FLog.Entries, StringList{"bookmark"});
    FController.ResetBookmark();
    EXPECT_EQ(FLog.Entries, (StringList{"bookmark", "bookmark"}));
}

TEST_F(ControllerRows, AFilterThatTakesTheFocusedRecordFocusesTheFirstRow) {
    FController.ChangeFocusedRowIndex(2);
    FController.SetOnFilterRecord([](TuiCustomDataController&, int32_t record, bool& accept) { accept = record != 2; });
    EXPECT_EQ(FController.FilteredRecords(), (Records{0, 1, 3, 4}));
    EXPECT_EQ(FController.GetFocusedRowIndex(), 0);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
    // A filter that keeps the focused record keeps the focus on it.
    FController.ChangeFocusedRowIndex(2);
    FController.SetOnFilterRecord([](TuiCustomDataController&, int32_t record, bool& accept) { accept = record > 1; });
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 3);
    EXPECT_EQ(FController.GetFilteredIndexByRecordIndex(0), -1);
    EXPECT_EQ(FController.GetFilteredIndexByRecordIndex(4), 2);
}

TEST_F(ControllerRows, TheIncrementalFilterKeepsTheRecordsThatBeginWithItsText) {
    EXPECT_EQ(FController.SetIncrementalFilter(1, "b"), 1);
    EXPECT_TRUE(FController.IsIncrementalFilterActive());
    EXPECT_EQ(FController.GetIncrementalFilterText(), "b");
    EXPECT_EQ(FController.FilteredRecords(), (Records{1, 2, 4}));
    EXPECT_EQ(FController.SetIncrementalFilter(1, "kiwi"), -1);
    EXPECT_EQ(FController.GetRowCount(), 0);

    FLog.Entries.clear();
    FController.ResetIncrementalFilter();
    FController.ResetIncrementalFilter();
    EXPECT_EQ(FLog.Entries, StringList{"data 4 -1 -1"});
    EXPECT_EQ(FController.GetRowCount(), 5);

    // Removing the item it filters by ends it.
    FController.SetIncrementalFilter(1, "c");
    FController.RemoveItem(FController.GetItem(1));
    EXPECT_FALSE(FController.IsIncrementalFilterActive());
    EXPECT_EQ(FController.GetRowCount(), 5);
}

TEST_F(ControllerRows, FindRowByTextGoesRoundWhenAskedInBothDirections) {
    // Positions and records agree: apple, Banana, berry, cherry, banana.
    EXPECT_EQ(FController.FindRowByText(4, 1, "a", true, true, true), 0);
    EXPECT_EQ(FController.FindRowByText(4, 1, "a", true, false, true), -1);
    EXPECT_EQ(FController.FindRowByText(0, 1, "ban", true, true, false), 4);
    EXPECT_EQ(FController.FindRowByText(0, 1, "ban", true, false, false), -1);
    EXPECT_EQ(FController.FindRowByText(2, 1, "BANANA", false, true, false), 1);
    EXPECT_EQ(FController.FindRowByText(2, 1, "ban", false, true, true), -1);
    EXPECT_EQ(FController.FindRowByText(5, 1, "a", true, true, true), -1);
    EXPECT_THROW(FController.FindRowByText(0, 2, "a", true, true, true), EuxException);
}

TEST_F(ControllerRows, RecordsAreFoundByTheirSortingValues) {
    FController.ChangeSortOrder(0, soDescending);
    const int32_t buffer = FController.DataStorage().AppendInternalRecord();
    FController.DataStorage().SetValue(buffer, *FController.GetItemField(0).EffectiveValueDef(), Variant(1));
    EXPECT_EQ(FController.FindRecordBySortingFields(buffer, 1, true), 1);
    EXPECT_EQ(FController.FindRecordBySortingFields(buffer, 1, false), 1);
    FController.DataStorage().SetValue(buffer, *FController.GetItemField(0).EffectiveValueDef(), Variant(9));
    EXPECT_EQ(FController.FindRecordBySortingFields(buffer, 1, true), -1);
    EXPECT_EQ(FController.FindRecordBySortingFields(buffer, 1, false), -1);
}

} // namespace
} // namespace ui
