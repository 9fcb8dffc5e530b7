#include "ControllerTestSupport.h"
#include "RecordSourceTestSupport.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/provider/uiCustomRecordSource.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace ui {
namespace {

using test::Text;
using test::TMemoryRecordSource;
using test::TTestDataController;

// Two items, a number and a name; GetKeyFields gives the fields named in KeyItems.
class TSourceController : public TTestDataController {
public:
    TSourceController() {
        AddTypedItem(&TuiIntegerValueType::Instance());
        AddTypedItem(&TuiStringValueType::Instance());
    }
    void GetKeyFields(std::vector<TuiCustomDataField*>& keyFields) override {
        ++KeyFieldRequests;
        for (const int32_t item : KeyItems) {
            keyFields.push_back(&GetItemField(item));
        }
    }
    bool CanRestoreByKeys() override { return RestoreByKeys || TTestDataController::CanRestoreByKeys(); }

    std::vector<int32_t> KeyItems;
    int KeyFieldRequests = 0;
    bool RestoreByKeys = false;
};

std::string Names(TuiCustomDataController& controller) {
    std::string names;
    for (int32_t record = 0; record < controller.GetRecordCount(); ++record) {
        names += rtl::VarToAnsiStr(controller.GetValue(record, 1));
    }
    return names;
}

class ProviderMode : public ::testing::Test {
protected:
    ProviderMode() {
        for (const char* name : {"a", "b", "c"}) {
            FSource.AddRow(static_cast<int32_t>(FSource.Rows.size()) + 1, Text(name));
        }
        FController.AddRecord({9, Text("unbound")});
    }

    TMemoryRecordSource FSource;
    TSourceController FController;
};

TEST_F(ProviderMode, AssigningASourceLoadsItsRecordsAndRemovingItClearsThem) {
    EXPECT_FALSE(FController.IsProviderMode());
    FController.SetCustomDataSource(&FSource);
    EXPECT_TRUE(FController.IsProviderMode());
    EXPECT_EQ(FSource.Loads, 1);
    EXPECT_EQ(Names(FController), "abc");
    EXPECT_EQ(FController.GetItemCount(), 2) << "the handles field is internal";
    EXPECT_EQ(FController.GetRowCount(), 3);
    EXPECT_TRUE(FController.DataStorage().StoredValuesOnly()) << "no room for the source's values";

    FController.SetCustomDataSource(nullptr);
    EXPECT_FALSE(FController.DataStorage().StoredValuesOnly());
    EXPECT_FALSE(FController.IsProviderMode());
    EXPECT_EQ(FController.GetRecordCount(), 0);
    EXPECT_EQ(FSource.Loads, 1) << "no reload without a source";
    EXPECT_EQ(FController.Fields().GetCount(), 2) << "the handles field is gone";
}

TEST_F(ProviderMode, ValuesInsertsAndDeletionsGoToTheSource) {
    FController.SetCustomDataSource(&FSource);
    FController.SetValue(1, 1, Text("B"));
    EXPECT_EQ(rtl::VarToAnsiStr(FSource.Rows.at(2).at(1)), "B");
    EXPECT_TRUE(FController.GetRecordId(1).IsNull()) << "the source gives no record IDs";
    FSource.RecordIds = true;
    EXPECT_EQ(FController.GetRecordId(1).StoredSigned(), 200);

    FController.ChangeFocusedRowIndex(1);
    FController.SetEditValue(1, Text("zz"), evsValue);
    EXPECT_EQ(rtl::VarToAnsiStr(FSource.Rows.at(2).at(1)), "zz");
    FController.Cancel();
    EXPECT_EQ(rtl::VarToAnsiStr(FSource.Rows.at(2).at(1)), "B") << "the saved copy goes back through the source";

    FController.ChangeFocusedRowIndex(2);
    FController.Append();
    FController.SetEditValue(1, Text("d"), evsValue);
    FController.Post();
    EXPECT_EQ(FSource.Rows.size(), 4u);
    EXPECT_EQ(Names(FController), "aBcd");

    FController.ChangeFocusedRowIndex(0);
    FController.DeleteFocused();
    EXPECT_EQ(FSource.Rows.count(1), 0u);
    EXPECT_EQ(Names(FController), "Bcd");
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);

    rtl::TStringStream stream;
    EXPECT_EQ(test_support::MessageOf([&] { FController.LoadDataFromStream(stream); }),
              "This operation is not supported in provider mode");
}

TEST_F(ProviderMode, RecordsSortByTheSourcesValues) {
    FSource.Rows.at(1).at(1) = Text("c");
    FSource.Rows.at(3).at(1) = Text("a");
    FController.SetCustomDataSource(&FSource);
    FController.ChangeSortOrder(1, soAscending);
    std::string names;
    for (int32_t row = 0; row < FController.GetRowCount(); ++row) {
        names += rtl::VarToAnsiStr(FController.GetRowValue(FController.GetRowInfo(row), 1));
    }
    EXPECT_EQ(names, "abc");
    EXPECT_EQ(FController.GetRowInfo(0).RecordIndex, 2);

    FSource.Rows.at(2).at(1) = Text("bbb");
    FSource.Rows.at(3).at(1) = Text("aa");
    FSource.NativeOrder = true;
    FController.Refresh();
    EXPECT_EQ(FController.GetRowInfo(0).RecordIndex, 0) << "the source's own order: by length";
    EXPECT_EQ(FController.GetRowInfo(2).RecordIndex, 1);
}

// A source that orders its records itself: by Order (handles), or, with LoseARecord, leaving the last one out.
class TCustomSortingSource : public TMemoryRecordSource {
public:
    bool IsCustomSorting() override { return true; }
    void CustomSort(std::vector<int32_t>& recordIndexes) override {
        ++Sorts;
        std::vector<int32_t> sorted;
        for (const int32_t handle : Order) {
            const int32_t recordIndex = GetRecordIndexByHandle(handle);
            if (std::find(recordIndexes.begin(), recordIndexes.end(), recordIndex) != recordIndexes.end()) {
                sorted.push_back(recordIndex);
            }
        }
        if (LoseARecord) {
            sorted.pop_back();
        }
        recordIndexes = sorted;
    }

    std::vector<int32_t> Order;
    bool LoseARecord = false;
    int Sorts = 0;
};

std::vector<int32_t> RowRecords(TuiCustomDataController& controller) {
    std::vector<int32_t> records;
    for (int32_t row = 0; row < controller.GetRowCount(); ++row) {
        records.push_back(controller.GetRowInfo(row).RecordIndex);
    }
    return records;
}

TEST(ProviderSorting, ACustomSortingSourceOrdersTheRecordsWithoutComparisons) {
    TCustomSortingSource source;
    for (const char* name : {"a", "b", "c", "d"}) {
        source.AddRow(1, Text(name));
    }
    source.Order = {3, 1, 4, 2};
    TSourceController controller;
    controller.SetCustomDataSource(&source);
    controller.SetOnFilterRecord([](TuiCustomDataController&, int32_t record, bool& accept) { accept = record != 1; });
    source.ValueReads = 0;
    controller.ChangeSortOrder(1, soAscending);
    EXPECT_EQ(source.Sorts, 1);
    EXPECT_EQ(source.ValueReads, 0) << "nothing compared";
    EXPECT_EQ(RowRecords(controller), (std::vector<int32_t>{2, 0, 3})) << "the filtered records in the source's order";

    source.LoseARecord = true;
    EXPECT_EQ(test_support::MessageOf([&] { controller.ChangeSortOrder(1, soDescending); }),
              "RecordIndex out of range");
    EXPECT_EQ(RowRecords(controller), (std::vector<int32_t>{2, 0, 3})) << "the rows keep their order";
}

// A source whose texts (column 1) are compared where they lie.
class TNativeTextSource : public TMemoryRecordSource {
public:
    bool IsNativeCompare() override { return true; }
    bool GetValuePointer(int32_t handle, int32_t itemHandle, TuiValueReference& reference) override {
        ++PointerReads;
        const rtl::Variant& value = Rows.at(handle).at(static_cast<size_t>(itemHandle));
        if (value.IsNull()) {
            return false;
        }
        FTexts[handle] = rtl::VarToAnsiStr(value);
        reference = &FTexts[handle];
        return true;
    }

    int PointerReads = 0;

private:
    std::map<int32_t, rtl::AnsiString> FTexts;
};

TEST(ProviderSorting, ANativeCompareSourceIsComparedThroughItsValuePointersNullsFirst) {
    TNativeTextSource source;
    source.AddRow(1, Text("c"));
    source.AddRow(2, rtl::Variant::Null());
    source.AddRow(3, Text("a"));
    source.AddRow(4, Text("b"));
    TSourceController controller;
    controller.SetCustomDataSource(&source);
    source.ValueReads = 0;
    controller.ChangeSortOrder(1, soAscending);
    EXPECT_EQ(RowRecords(controller), (std::vector<int32_t>{1, 2, 3, 0}));
    EXPECT_EQ(source.ValueReads, 0);
    EXPECT_GT(source.PointerReads, 0);
    controller.ChangeSortOrder(1, soDescending);
    EXPECT_EQ(RowRecords(controller), (std::vector<int32_t>{0, 3, 2, 1}));
}

TEST_F(ProviderMode, AssigningDataFromAProviderControllerSharesItsSource) {
    FController.SetCustomDataSource(&FSource);
    TSourceController copy;
    copy.AssignData(FController);
    EXPECT_EQ(copy.GetCustomDataSource(), &FSource);
    EXPECT_EQ(Names(copy), "abc");
    EXPECT_EQ(FSource.Loads, 2);
}

TEST_F(ProviderMode, ATemplateNeverLoads) {
    FController.SetIsTemplate(true);
    FController.SetCustomDataSource(&FSource);
    EXPECT_EQ(FSource.Loads, 0);
    EXPECT_EQ(FController.GetRecordCount(), 0);
    FController.SetIsTemplate(false);
    EXPECT_EQ(FSource.Loads, 1);
    EXPECT_EQ(Names(FController), "abc");
}

TEST_F(ProviderMode, TheFirstRecordOfAHandleIsFound) {
    FController.SetCustomDataSource(&FSource);
    FSource.SetCurrentProvider(&FController.Provider());
    FSource.AppendRecordHandle(2);
    EXPECT_EQ(FSource.GetRecordIndexByHandle(2), 1);
    EXPECT_EQ(FSource.GetRecordIndexByHandle(3), 2);
    EXPECT_EQ(FSource.GetRecordIndexByHandle(7), -1);
}

TEST_F(ProviderMode, AFreedSourceLeavesItsControllers) {
    {
        TMemoryRecordSource source;
        source.AddRow(1, Text("x"));
        FController.SetCustomDataSource(&source);
        EXPECT_EQ(FController.GetRecordCount(), 1);
    }
    EXPECT_FALSE(FController.IsProviderMode());
    EXPECT_EQ(FController.GetRecordCount(), 0);
}

TEST_F(ProviderMode, KeysAreFieldValuesOrTheRecordId) {
    FController.SetCustomDataSource(&FSource);
    std::vector<TuiCustomDataField*> fields;
    EXPECT_EQ(FController.GetKeyValue(2, fields).StoredSigned(), 300) << "the record ID without key fields";
    fields.push_back(&FController.GetItemField(1));
    EXPECT_EQ(rtl::VarToAnsiStr(FController.GetKeyValue(2, fields)), "c");
    fields.push_back(&FController.GetItemField(0));
    const rtl::Variant key = FController.GetKeyValue(2, fields);
    ASSERT_TRUE(key.IsArray());
    EXPECT_EQ(key.ArrayCount(), 2);
    EXPECT_EQ(rtl::VarToAnsiStr(key.ArrayElement(0)), "c");
    EXPECT_EQ(rtl::VarToInteger(key.ArrayElement(1)), 3);
    FController.SetCustomDataSource(nullptr);
    EXPECT_TRUE(FController.GetKeyValue(0, {}).IsNull());
}

// The selection follows its records by key through a deletion that moves them.
TEST_F(ProviderMode, ADeletionKeepsTheSelectionOnItsRecordsByKey) {
    FSource.RecordIds = true;
    FSource.AddRow(4, Text("d"));
    FController.SetCustomDataSource(&FSource);
    FController.SetMultiSelect(true);
    FController.ChangeRowSelection(1, true);
    FController.ChangeRowSelection(3, true);
    FController.DeleteRecordList({0, 3});
    EXPECT_EQ(Names(FController), "bc");
    ASSERT_EQ(FController.GetSelectedRowCount(), 1) << "the deleted record's entry went";
    EXPECT_EQ(FController.GetRowInfo(FController.GetSelectedRowIndex(0)).RecordIndex, 0) << "b moved to 0";
}

TEST(FullLoad, ADescendantFillsTheStorageAndTheRowsFollow) {
    TSourceController controller;
    test::TNoticeLog log(controller);
    TuiDataStorage& storage = controller.BeginFullLoad();
    storage.SetRecordCount(3);
    EXPECT_TRUE(controller.Provider().IsChangesHeld());
    controller.EndFullLoad();
    EXPECT_FALSE(controller.Provider().IsChangesHeld());
    EXPECT_EQ(controller.GetRowCount(), 3);
    EXPECT_EQ(log.Entries, (std::vector<std::string>{"data 4 -1 -1"}));
}

TEST(SavedState, UnboundRestoreOnlyDropsSelectionBeyondTheRecordsAndALostBookmark) {
    TSourceController controller;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        controller.AddRecord({1, Text(name)});
    }
    controller.SetMultiSelect(true);
    controller.ChangeRowSelection(1, true);
    controller.ChangeRowSelection(4, true);
    controller.ChangeFocusedRowIndex(4);
    controller.SaveBookmark();
    controller.BeginSaveState();
    controller.DataStorage().RemoveRecordAt(4);
    controller.EndSaveState();
    EXPECT_EQ(controller.KeyFieldRequests, 0) << "nothing saved without keys";
    EXPECT_EQ(controller.DataControllerInfo().Selection().GetCount(), 1);
    EXPECT_EQ(controller.GetBookmarkRecordIndex(), -1);
}

TEST(SavedState, NestedCallsSaveAndRestoreOnce) {
    TSourceController controller;
    controller.RestoreByKeys = true;
    controller.KeyItems = {1};
    controller.AddRecord({1, Text("a")});
    controller.AddRecord({2, Text("b")});
    controller.SetMultiSelect(true);
    controller.ChangeRowSelection(1, true);
    controller.BeginSaveState();
    controller.BeginSaveState();
    controller.EndSaveState();
    // The detail keys and the selected keys each ask once to save and once to restore.
    EXPECT_EQ(controller.KeyFieldRequests, 2);
    controller.DataStorage().InsertRecordAt(0);
    controller.EndSaveState();
    EXPECT_EQ(controller.KeyFieldRequests, 4);
    EXPECT_EQ(controller.DataControllerInfo().Selection().GetEntry(0).Index, 2) << "b, found again by its key";
    controller.EndSaveState();
    EXPECT_EQ(controller.KeyFieldRequests, 4) << "an unbalanced end does nothing";
}

} // namespace
} // namespace ui
