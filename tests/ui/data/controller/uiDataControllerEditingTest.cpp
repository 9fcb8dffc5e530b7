#include "ControllerTestSupport.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::Text;
using test::TNoticeLog;
using test::TTestDataController;
using Strings = std::vector<std::string>;

// Item 0 a number, item 1 a name; records 0..4 hold 10, 20, 30, 40, 50 and a, b, c, d, e. Every editing event is
// logged by name.
class ControllerEditing : public ::testing::Test {
protected:
    ControllerEditing() {
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
        FController.AddTypedItem(&TuiStringValueType::Instance());
        const char* names[] = {"a", "b", "c", "d", "e"};
        for (int32_t i = 0; i < 5; ++i) {
            FController.AddRecord({(i + 1) * 10, Text(names[i])});
        }
        LogEvents();
    }

    void LogEvents() {
        auto logged = [this](const char* name) {
            return [this, name](TuiCustomDataController&) { FEvents.push_back(name); };
        };
        FController.SetOnBeforeInsert(logged("BeforeInsert"));
        FController.SetOnAfterInsert(logged("AfterInsert"));
        FController.SetOnBeforePost(logged("BeforePost"));
        FController.SetOnAfterPost(logged("AfterPost"));
        FController.SetOnBeforeCancel(logged("BeforeCancel"));
        FController.SetOnAfterCancel(logged("AfterCancel"));
        FController.SetOnAfterDelete(logged("AfterDelete"));
        FController.SetOnNewRecord([this](TuiCustomDataController&, int32_t record) {
            FEvents.push_back("NewRecord " + std::to_string(record));
        });
        FController.SetOnBeforeDelete([this](TuiCustomDataController&, int32_t record) {
            FEvents.push_back("BeforeDelete " + std::to_string(record));
        });
    }

    std::string Name(int32_t record) { return rtl::VarToAnsiStr(FController.GetValue(record, 1)); }
    std::vector<int32_t> RowRecords() {
        std::vector<int32_t> records;
        for (int32_t row = 0; row < FController.GetRowCount(); ++row) {
            records.push_back(FController.GetRowInfo(row).RecordIndex);
        }
        return records;
    }

    TTestDataController FController;
    Strings FEvents;
};

TEST_F(ControllerEditing, AnUntouchedInsertIsMadeOnceAndCancelledByPost) {
    FController.ChangeFocusedRowIndex(2);
    FController.Insert();
    FController.Insert();
    EXPECT_EQ(FController.GetRecordCount(), 6) << "the second insert keeps the untouched record";
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 2);
    EXPECT_TRUE(FController.GetValue(2, 0).IsNull());
    EXPECT_EQ(FController.GetEditState(), TuiDataEditState{dceInsert});
    EXPECT_EQ(FEvents, (Strings{"BeforeInsert", "NewRecord 2", "AfterInsert"}));

    FEvents.clear();
    FController.Post();
    EXPECT_EQ(FController.GetRecordCount(), 5);
    EXPECT_EQ(Name(2), "c");
    EXPECT_EQ(FEvents, (Strings{"BeforeCancel", "AfterCancel"}));
    EXPECT_TRUE(FController.GetEditState().IsEmpty());

    FEvents.clear();
    FController.Insert();
    FController.Post(true);
    EXPECT_EQ(FController.GetRecordCount(), 6);
    EXPECT_TRUE(FController.GetValue(2, 1).IsNull());
    EXPECT_EQ(FEvents, (Strings{"BeforeInsert", "NewRecord 2", "AfterInsert", "BeforePost", "AfterPost"}));
}

TEST_F(ControllerEditing, CancellingAnEditRestoresEveryValueAsOneDataNotice) {
    FController.ChangeFocusedRowIndex(3);
    TNoticeLog log(FController);
    EXPECT_TRUE(FController.SetEditValue(0, 99, evsValue));
    EXPECT_TRUE(FController.SetEditValue(1, Text("z"), evsValue));
    EXPECT_EQ(FController.GetEditState(), (TuiDataEditState{dceEdit, dceChanging, dceModified}));
    EXPECT_EQ(rtl::VarToInteger(FController.GetEditValue(0, evsValue)), 99);
    log.Entries.clear();
    FController.Cancel();
    EXPECT_EQ(rtl::VarToInteger(FController.GetValue(3, 0)), 40);
    EXPECT_EQ(Name(3), "d");
    EXPECT_EQ(FEvents, (Strings{"BeforeCancel", "AfterCancel"}));
    EXPECT_EQ(log.Entries, (Strings{"data 4 -1 -1"}));
    EXPECT_EQ(FController.GetEditState(), TuiDataEditState{});
    EXPECT_EQ(FController.Provider().SavedRecordIndex(), 0) << "the saved copy goes with the edit";
}

TEST_F(ControllerEditing, EditValuesFromEditorTextsAndWithoutARecord) {
    FController.ChangeFocusedRowIndex(1);
    FController.SetEditValue(1, Text(""), evsText);
    EXPECT_TRUE(FController.GetValue(1, 1).IsNull());
    FController.SetEditValue(1, Text(""), evsValue);
    EXPECT_FALSE(FController.GetValue(1, 1).IsNull()) << "an empty value from code stays a text";
    FController.Post();
    EXPECT_EQ(FEvents, (Strings{"BeforePost", "AfterPost"}));

    FController.ChangeFocusedRowIndex(-1);
    EXPECT_EQ(test_support::MessageOf([&] { FController.GetEditValue(0, evsValue); }), "RecordIndex out of range");

    FController.SetOptions({dcoImmediatePost});
    FController.ChangeFocusedRowIndex(0);
    FController.SetEditValue(0, 5, evsValue);
    EXPECT_FALSE(FController.IsEditingRecord()) << "posted at once";
    EXPECT_EQ(rtl::VarToInteger(FController.GetValue(0, 0)), 5);
}

TEST_F(ControllerEditing, TheEditedRecordKeepsItsPlaceInTheSortedRows) {
    FController.ChangeSortOrder(0, soAscending);
    FController.ChangeFocusedRowIndex(2);
    FController.Insert();
    FController.SetEditValue(0, 1000, evsValue);
    EXPECT_EQ(RowRecords(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5})) << "inserted before the record of its row";
    FController.Post();
    EXPECT_EQ(RowRecords(), (std::vector<int32_t>{0, 1, 3, 4, 5, 2})) << "sorted once posted";

    FController.ChangeFocusedRowIndex(0);
    FController.Append();
    FController.SetEditValue(0, -5, evsValue);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 6);
    EXPECT_EQ(RowRecords().back(), 6) << "appended after all rows, whatever its value";
    FController.Post();
    EXPECT_EQ(RowRecords().front(), 6);
}

TEST_F(ControllerEditing, AnAppendInAGroupTakesTheLastRowsGroupingValue) {
    FController.SetValue(4, 1, Text("a"));
    FController.Groups().ChangeItemGroupIndex(1, 0);
    FController.Groups().FullExpand();
    FController.Append();
    const int32_t appended = FController.GetFocusedRecordIndex();
    EXPECT_EQ(appended, 5);
    EXPECT_EQ(Name(appended), Name(FController.GetRowInfo(FController.GetRowCount() - 2).RecordIndex));
    FController.Cancel();
    EXPECT_EQ(FController.GetRecordCount(), 5);

    FController.SetOptions({});
    FController.Append();
    EXPECT_TRUE(FController.GetValue(5, 1).IsNull()) << "without dcoAssignGroupingValues";
}

TEST_F(ControllerEditing, TheNewItemRowTypesIntoItsOwnRecordUntilPosted) {
    FController.SetOptions({dcoInsertOnNewItemRowFocusing});
    FController.SetUseNewItemRowForEditing(true);
    FController.ChangeFocusedRowIndex(1);
    FController.SetNewItemRowFocused(true);
    EXPECT_EQ(FController.GetFocusedRowIndex(), -1);
    EXPECT_TRUE(FController.IsEditingNewItemRow());
    const int32_t newItemRecord = FController.GetNewItemRecordIndex();
    EXPECT_EQ(FController.Provider().EditingRecordIndex(), newItemRecord);
    EXPECT_EQ(FController.GetRecordCount(), 5) << "focusing inserts into the new-item record";

    FController.SetEditValue(0, 60, evsValue);
    FController.SetEditValue(1, Text("f"), evsValue);
    FController.Post();
    EXPECT_EQ(FController.GetRecordCount(), 6);
    EXPECT_EQ(rtl::VarToInteger(FController.GetValue(5, 0)), 60);
    EXPECT_EQ(Name(5), "f");
    EXPECT_TRUE(FController.GetValue(newItemRecord, 0).IsNull()) << "the row is empty again";
    EXPECT_TRUE(FController.GetValue(newItemRecord, 1).IsNull());

    // The edit's saved copy must not land in the new-item record.
    FController.ChangeFocusedRowIndex(3);
    EXPECT_FALSE(FController.NewItemRowFocused());
    FController.SetEditValue(1, Text("x"), evsValue);
    EXPECT_TRUE(FController.GetValue(newItemRecord, 1).IsNull());
    EXPECT_TRUE(FController.GetValue(newItemRecord, 0).IsNull());
    FController.Cancel();
    EXPECT_EQ(Name(3), "d");
    EXPECT_EQ(rtl::VarToInteger(FController.GetValue(3, 0)), 40);
}

TEST_F(ControllerEditing, LeavingTheNewItemRowPostsOrDropsItsEdit) {
    FController.SetUseNewItemRowForEditing(true);
    FController.SetNewItemRowFocused(true);
    EXPECT_FALSE(FController.IsEditingRecord()) << "without dcoInsertOnNewItemRowFocusing nothing starts";
    FController.Insert();
    FController.SetNewItemRowFocused(false);
    EXPECT_EQ(FController.GetRecordCount(), 5) << "an untouched row adds nothing";
    FController.SetNewItemRowFocused(true);
    EXPECT_TRUE(FController.GetEditValue(0, evsValue).IsNull());
    FController.SetEditValue(1, Text("g"), evsValue);
    FController.ChangeFocusedRowIndex(0);
    EXPECT_EQ(FController.GetRecordCount(), 6);
    EXPECT_EQ(Name(5), "g");
}

TEST_F(ControllerEditing, DeletingFocusesTheNearestRecord) {
    FController.SetRecordCount(3);
    FController.ChangeFocusedRowIndex(2);
    FController.DeleteFocused();
    EXPECT_EQ(FController.GetRecordCount(), 2);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 1) << "the new last record";
    EXPECT_EQ(FEvents, (Strings{"BeforeDelete 2", "AfterDelete"}));

    FController.ChangeFocusedRowIndex(0);
    FController.DeleteFocused();
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
    EXPECT_EQ(Name(0), "b");
}

TEST_F(ControllerEditing, AGroupRowDeletesItsRecordsLastFirst) {
    FController.SetValue(3, 1, Text("a"));
    FController.Groups().ChangeItemGroupIndex(1, 0);
    FController.ChangeFocusedRowIndex(0);
    EXPECT_EQ(FController.GetRowInfo(0).Level, 0);
    FController.DeleteFocused();
    EXPECT_EQ(FEvents, (Strings{"BeforeDelete 3", "AfterDelete", "BeforeDelete 0", "AfterDelete"}));
    EXPECT_EQ(FController.GetRecordCount(), 3);
    EXPECT_EQ(Name(0), "b");
}

TEST_F(ControllerEditing, DeletingASelection) {
    FController.SetMultiSelect(true);
    FController.ChangeFocusedRowIndex(1);
    FController.ClearSelection();
    FController.DeleteSelection();
    EXPECT_EQ(FController.GetRecordCount(), 5) << "nothing selected, nothing deleted";
    EXPECT_TRUE(FEvents.empty());

    FController.ChangeRowSelection(0, true);
    FController.ChangeRowSelection(3, true);
    FController.DeleteSelection();
    EXPECT_EQ(FEvents, (Strings{"BeforeDelete 3", "AfterDelete", "BeforeDelete 0", "AfterDelete"}));
    EXPECT_EQ(FController.GetRecordCount(), 3);
    EXPECT_EQ(FController.GetSelectedRowCount(), 0);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0) << "the focused record b, now first";
    EXPECT_EQ(Name(0), "b");
}

TEST_F(ControllerEditing, InsertingIntoAnEmptyControllerAndCancelling) {
    FController.SetRecordCount(0);
    FController.Insert();
    EXPECT_EQ(FController.GetRecordCount(), 1);
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
    FController.Cancel();
    EXPECT_EQ(FController.GetRecordCount(), 0);
    EXPECT_EQ(FController.GetFocusedRowIndex(), -1);
    EXPECT_EQ(FController.GetEditOperations(), (TuiDataEditOperations{dceoAppend, dceoEdit, dceoInsert, dceoShowEdit}));
}

} // namespace
} // namespace ui
