// The data controller's structure updates and reloads: modes, the structure check inside update locks, a load that
// fails, providers that navigate themselves or are read record by record, smart loading, and copies of records.
#include "ControllerTestSupport.h"
#include "RecordSourceTestSupport.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/provider/uiCustomRecordSource.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>
#include <set>

namespace ui {
namespace {

using test::Text;
using test::TMemoryRecordSource;
using test::TNoticeLog;
using test::TTestDataController;

// Two items, a number and a name. Items named in GoneItems lose their fields when the fields are checked; the
// structure and load hooks are counted.
class TLoadingController : public TTestDataController {
public:
    TLoadingController() {
        AddTypedItem(&TuiIntegerValueType::Instance());
        AddTypedItem(&TuiStringValueType::Instance());
    }
    void ValidateField(TuiCustomDataField& field) override {
        if (field.Item() && GoneItems.count(field.Item()) != 0) {
            delete &field;
        }
    }
    void DataSourceChanged() override {
        ++SourceChanges;
        TTestDataController::DataSourceChanged();
    }
    void ProviderRecordChanged(int32_t recordIndex) override {
        LoadedRecords.push_back(recordIndex);
        TTestDataController::ProviderRecordChanged(recordIndex);
    }
    // The records' names (item 1), in storage order.
    std::string Names() {
        std::string names;
        for (int32_t record = 0; record < GetRecordCount(); ++record) {
            names += rtl::VarToAnsiStr(GetValue(record, 1));
        }
        return names;
    }

    std::set<rtl::TObject*> GoneItems;
    int SourceChanges = 0;
    std::vector<int32_t> LoadedRecords;
};

TMemoryRecordSource& AddNamedRows(TMemoryRecordSource& source, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        source.AddRow(static_cast<int32_t>(source.Rows.size()) + 1, Text(name));
    }
    return source;
}

TEST(ControllerModes, UnboundLayoutChangedClearsWithoutReloadAndAllDataKeepsTheRecords) {
    TLoadingController controller;
    controller.AddRecord({1, Text("a")});
    controller.AddRecord({2, Text("b")});
    EXPECT_FALSE(controller.IsProviderMode());
    EXPECT_FALSE(controller.IsStructureRecreated());
    controller.RecordChanged(dckAllData, -1, -1);
    EXPECT_EQ(controller.Names(), "ab") << "a change of all data checks no structure";
    controller.LayoutChanged();
    EXPECT_EQ(controller.GetRecordCount(), 0);
    EXPECT_EQ(controller.GetRowCount(), 0);
}

TEST(ControllerModes, ASourceMakesTheIntegerHandlesFieldAndTakesTheRecordCount) {
    TMemoryRecordSource source;
    AddNamedRows(source, {"a", "b"});
    TLoadingController controller;
    controller.AddRecord({9, Text("unbound")});
    controller.SetCustomDataSource(&source);
    EXPECT_EQ(source.Loads, 1);
    EXPECT_EQ(controller.Names(), "ab");
    ASSERT_EQ(controller.Fields().GetCount(), 3);
    const TuiCustomDataField& handles = controller.Fields().GetItem(2);
    EXPECT_TRUE(handles.IsInternalField());
    EXPECT_EQ(handles.EffectiveValueTypeClass(), &TuiIntegerValueType::Instance());
    EXPECT_TRUE(controller.IsStructureRecreated()) << "always so in provider mode";
    EXPECT_FALSE(controller.IsDataLoadAllowed());

    controller.SetRecordCount(5);
    EXPECT_EQ(source.RequestedCount, 5);
    EXPECT_EQ(controller.GetRecordCount(), 2) << "the source reports the records it makes";
    controller.RecordChanged(dckAllData, -1, -1);
    EXPECT_EQ(source.Loads, 1) << "a change of all data reloads nothing";
}

// A controller loaded from a source of three records.
class SourceLoaded : public ::testing::Test {
protected:
    SourceLoaded() {
        AddNamedRows(FSource, {"a", "b", "c"});
        FController.SetCustomDataSource(&FSource);
        FSource.SetCurrentProvider(&FController.Provider());
    }

    TMemoryRecordSource FSource;
    TLoadingController FController;
};

TEST_F(SourceLoaded, AStructureChangeInsideAnUpdateReloadsOnceAtTheOutermostEnd) {
    rtl::TObject* nameItem = FController.GetItem(1);
    FController.BeginUpdate();
    FController.BeginUpdate();
    FController.StructureChanged();
    FController.StructureChanged();
    AddNamedRows(FSource, {"d"});
    FController.GoneItems.insert(nameItem);
    FController.EndUpdate();
    EXPECT_EQ(FSource.Loads, 1);
    FController.EndUpdate();
    EXPECT_EQ(FSource.Loads, 2);
    EXPECT_EQ(FController.GetRecordCount(), 4);
    EXPECT_EQ(FController.GetItemCount(), 1) << "the field of the item freed meanwhile went at the end";
}

TEST_F(SourceLoaded, UnderAFieldUpdateLockTheUpdateWaitsForTheUnlock) {
    FController.GoneItems.insert(FController.GetItem(1));
    FController.BeginUpdateFields();
    FController.BeginUpdateFields();
    FController.StructureChanged();
    FController.EndUpdateFields();
    EXPECT_EQ(FSource.Loads, 1);
    EXPECT_EQ(FController.GetItemCount(), 2) << "only noted as pending";
    FController.EndUpdateFields();
    EXPECT_EQ(FSource.Loads, 2);
    EXPECT_EQ(FController.GetItemCount(), 1);
    FController.EndUpdateFields();
    EXPECT_EQ(FSource.Loads, 2) << "an unbalanced unlock does nothing";
}

TEST_F(SourceLoaded, ASourceReportsThroughItsProvider) {
    AddNamedRows(FSource, {"d"});
    FController.Provider().StructureChanged();
    EXPECT_EQ(FSource.Loads, 2);
    EXPECT_EQ(FController.Names(), "abcd");

    FController.ChangeFocusedRowIndex(1);
    FController.Edit();
    ASSERT_TRUE(FController.Provider().IsEditing());
    FController.Provider().ActiveChanged(false);
    EXPECT_FALSE(FController.Active());
    EXPECT_FALSE(FController.Provider().IsEditing());
    EXPECT_EQ(FSource.Loads, 3) << "the active state is a structure change too";
}

// A provider that checks the fields at every structure update and keeps fields of gone items while it inserts.
class TFieldCheckingProvider : public TuiCustomDataProvider {
    RTL_DECLARE_CLASS(TFieldCheckingProvider, TuiCustomDataProvider)
public:
    using TuiCustomDataProvider::TuiCustomDataProvider;
    bool NeedsFieldsCheck() const override { return true; }
    bool DefersFieldRemoval() const override { return true; }
};

class TFieldCheckingController : public TLoadingController {
public:
    const rtl::TMetaclass& GetDataProviderClass() const override { return TFieldCheckingProvider::StaticClass(); }
};

TEST(StructureUpdates, AProviderThatChecksItsFieldsReloadsOnEveryChangeOfAllData) {
    TMemoryRecordSource source;
    AddNamedRows(source, {"a", "b"});
    TFieldCheckingController controller;
    controller.SetCustomDataSource(&source);
    controller.RecordChanged(dckAllData, -1, -1);
    EXPECT_EQ(source.Loads, 2);

    controller.GoneItems.insert(controller.GetItem(1));
    controller.ChangeFocusedRowIndex(0);
    controller.Insert();
    ASSERT_TRUE(controller.Provider().IsInserting());
    controller.RecordChanged(dckAllData, -1, -1);
    EXPECT_EQ(controller.GetItemCount(), 2) << "kept while a record is inserted";
    EXPECT_EQ(source.Loads, 3);
    controller.Cancel();
    controller.RecordChanged(dckAllData, -1, -1);
    EXPECT_EQ(controller.GetItemCount(), 1);
}

// A load that fails after three records keeps them, and nothing points past them.
TEST_F(SourceLoaded, AFailedLoadLeavesFocusSelectionAndBookmarkOnTheRecordsRead) {
    AddNamedRows(FSource, {"d", "e"});
    FController.LayoutChanged();
    FController.SetMultiSelect(true);
    FController.ChangeFocusedRowIndex(4);
    FController.SaveBookmark();
    FController.ChangeRowSelection(1, true);
    FController.ChangeRowSelection(4, true);

    FSource.FailAfter = 3;
    EXPECT_EQ(test_support::MessageOf([&] { FController.LayoutChanged(); }), "the source failed");
    EXPECT_FALSE(FController.DataStorage().IsLoading());
    EXPECT_FALSE(FController.Provider().IsChangesHeld());
    EXPECT_EQ(FController.Names(), "abc");
    EXPECT_EQ(FController.GetRowCount(), 3);
    EXPECT_LE(FController.GetFocusedRecordIndex(), 2);
    EXPECT_EQ(FController.GetBookmarkRecordIndex(), -1);
    const TuiDataSelection& selection = FController.DataControllerInfo().Selection();
    ASSERT_EQ(selection.GetCount(), 1);
    EXPECT_EQ(selection.GetEntry(0).Index, 1);
}

// A provider of an external record set: active without a source, with NavigatesItself a grid-mode window of
// WindowSize records (while not grouped), otherwise read record by record, RecordCount of them.
class TNavigatingProvider : public TuiCustomDataProvider {
    RTL_DECLARE_CLASS(TNavigatingProvider, TuiCustomDataProvider)
public:
    using TuiCustomDataProvider::TuiCustomDataProvider;

    // Each value of the current record is its position, texts "r<position>".
    class TReader : public TuiValueDefReader {
        RTL_DECLARE_CLASS(TReader, TuiValueDefReader)
    public:
        explicit TReader(rtl::TObject* provider) : FProvider(*static_cast<TNavigatingProvider*>(provider)) {}
        rtl::Variant GetValue(const TuiValueDef& valueDef) override {
            if (valueDef.IsStringType()) {
                return Text(("r" + std::to_string(FProvider.Position)).c_str());
            }
            return FProvider.Position;
        }

    private:
        TNavigatingProvider& FProvider;
    };

    bool IsActive() const override { return true; }
    bool IsGridMode() const override { return NavigatesItself && !Grouped(); }
    void First() override {
        TuiCustomDataProvider::First();
        ++Firsts;
        Position = 0;
        if (RecreateFieldsOnFirst) {
            MarkFieldsRecreatedAfterFirst();
        }
    }
    void Next() override { ++Position; }
    void Last() override { ++Lasts; }
    void MoveBy(int32_t distance) override { Moves.push_back(distance); }
    bool IsBOF() const override { return AtStart; }
    bool IsEOF() const override { return Position >= RecordCount; }
    const rtl::TMetaclass& GetValueDefReaderClass() const override { return TReader::StaticClass(); }
    void LoadGridModeBuffer() override {
        TuiDataStorage& storage = DataController().DataStorage();
        LoadedWhileStorageLoading = storage.IsLoading();
        storage.SetRecordCount(WindowSize);
    }

    bool NavigatesItself = false;
    bool RecreateFieldsOnFirst = false;
    bool AtStart = false;
    int Lasts = 0;
    int32_t RecordCount = 5;
    int32_t WindowSize = 4;
    int32_t Position = 0;
    int Firsts = 0;
    std::vector<int32_t> Moves;
    bool LoadedWhileStorageLoading = false;
};

class TNavigatingController : public TLoadingController {
public:
    const rtl::TMetaclass& GetDataProviderClass() const override { return TNavigatingProvider::StaticClass(); }
    TNavigatingProvider& Navigator() const { return static_cast<TNavigatingProvider&>(Provider()); }
};

TEST(ProviderNavigation, AGridModeProviderFillsItsWindowInsideTheStorageLoad) {
    TNavigatingController controller;
    controller.Navigator().NavigatesItself = true;
    controller.Refresh();
    EXPECT_EQ(controller.SourceChanges, 1) << "set up for a provider that navigates itself";
    EXPECT_TRUE(controller.Navigator().LoadedWhileStorageLoading);
    EXPECT_EQ(controller.GetRecordCount(), 4);
    EXPECT_EQ(controller.Navigator().Firsts, 0);
    EXPECT_TRUE(controller.DataStorage().StoredValuesOnly());

    controller.ScrollProvider(3);
    EXPECT_EQ(controller.Navigator().Moves, std::vector<int32_t>{3});
    controller.GotoFirst();
    controller.GotoLast();
    EXPECT_EQ(controller.Navigator().Firsts, 1);
    EXPECT_EQ(controller.Navigator().Lasts, 1);
    controller.ChangeFocusedRowIndex(0);
    EXPECT_FALSE(controller.IsFirstRowFocused()) << "the provider is not at its start";
    controller.Navigator().AtStart = true;
    EXPECT_TRUE(controller.IsFirstRowFocused());
    EXPECT_FALSE(controller.IsLastRowFocused()) << "its end";
}

TEST(ProviderNavigation, AProviderReadRecordByRecordLoadsThroughItsReader) {
    TNavigatingController controller;
    controller.LayoutChanged();
    EXPECT_EQ(controller.Navigator().Firsts, 1);
    EXPECT_EQ(controller.LoadedRecords, (std::vector<int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(controller.Names(), "r0r1r2r3r4");
    EXPECT_EQ(rtl::VarToInteger(controller.GetValue(3, 0)), 3);
    controller.ScrollProvider(2);
    EXPECT_TRUE(controller.Navigator().Moves.empty()) << "it does not navigate itself";
}

TEST(ProviderNavigation, FieldsMadeAnewByFirstAreCheckedBeforeTheRecordsAreRead) {
    TNavigatingController controller;
    controller.GoneItems.insert(controller.GetItem(1));
    controller.LayoutChanged();
    EXPECT_EQ(controller.GetItemCount(), 2);
    controller.Navigator().RecreateFieldsOnFirst = true;
    controller.LayoutChanged();
    EXPECT_EQ(controller.GetItemCount(), 1);
    EXPECT_EQ(controller.GetRecordCount(), 5);
}

TEST(ProviderNavigation, GroupingAProviderThatStopsNavigatingSetsTheStorageUpOnce) {
    TNavigatingController controller;
    controller.Navigator().NavigatesItself = true;
    controller.Refresh();
    controller.SourceChanges = 0;
    controller.Groups().ChangeItemGroupIndex(0, 0);
    EXPECT_EQ(controller.SourceChanges, 1);
    EXPECT_TRUE(controller.Navigator().Grouped());
    EXPECT_FALSE(controller.DataStorage().StoredValuesOnly());
    EXPECT_EQ(controller.GetRecordCount(), 5) << "read record by record now";
    controller.Refresh();
    EXPECT_EQ(controller.SourceChanges, 1);
}

class TSmartLoadingController : public TNavigatingController {
public:
    bool IsSmartLoad() const override { return true; }
};

TEST(SmartLoad, RecordsComeOneByOneAndALayoutChangeOnlyClears) {
    TMemoryRecordSource source;
    AddNamedRows(source, {"a", "b"});
    TSmartLoadingController controller;
    controller.SetCustomDataSource(&source);
    EXPECT_EQ(source.Loads, 0);
    EXPECT_EQ(controller.GetRecordCount(), 0);
    const int32_t record = controller.AppendRecordFromProvider();
    EXPECT_EQ(record, 0);
    EXPECT_EQ(source.Rows.size(), 3u);
    source.SetCurrentProvider(&controller.Provider());
    EXPECT_EQ(source.GetRecordHandle(0), 3) << "the handle AddRecord gave";
    EXPECT_EQ(controller.GetRowCount(), 1);

    controller.DeleteRecordData(0);
    EXPECT_EQ(source.Rows.count(3), 0u);
    EXPECT_EQ(controller.GetRecordCount(), 0);
    controller.AppendRecordFromProvider();
    controller.LayoutChanged();
    EXPECT_EQ(controller.GetRecordCount(), 0);
    EXPECT_EQ(source.Loads, 0);
    EXPECT_EQ(test_support::MessageOf([&] {
                  TuiValueDefReader reader;
                  controller.AppendRecordFromReader(reader);
              }),
              "This operation is not supported in provider mode");
}

TEST(SmartLoad, UnboundARecordIsReadThroughTheProvidersReader) {
    TSmartLoadingController controller;
    controller.Navigator().Position = 7;
    TNoticeLog log(controller);
    EXPECT_EQ(controller.AppendRecordFromProvider(), 0);
    EXPECT_EQ(controller.Names(), "r7");
    EXPECT_EQ(controller.LoadedRecords, std::vector<int32_t>{0});
    EXPECT_EQ(log.Entries, std::vector<std::string>{"data 2 -1 -1"});
    EXPECT_EQ(controller.AppendRecord(), 1) << "appending loads smartly too";
}

TEST_F(SourceLoaded, ACopyToADataRecordGoesThroughTheSourceWithoutTheHandle) {
    FController.CopyRecord(0, 2);
    EXPECT_EQ(FSource.Writes, (std::vector<std::pair<int32_t, int32_t>>{{3, 0}, {3, 1}}));
    EXPECT_EQ(FSource.GetRecordHandle(2), 3);
    EXPECT_EQ(FController.Names(), "aba");
    EXPECT_EQ(rtl::VarToInteger(FController.GetValue(2, 0)), 1);
}

TEST_F(SourceLoaded, ACopyToAnInternalRecordFillsItAndACancelWritesItBack) {
    const int32_t internal = FController.DataStorage().AppendInternalRecord();
    FController.CopyRecord(1, internal);
    EXPECT_TRUE(FSource.Writes.empty());
    EXPECT_EQ(rtl::VarToAnsiStr(FController.GetFieldValue(internal, FController.GetItemField(1))), "b");

    FController.ChangeFocusedRowIndex(1);
    FController.SetEditValue(1, Text("x"), evsValue);
    FSource.Writes.clear();
    FController.Cancel();
    EXPECT_EQ(FSource.Writes, (std::vector<std::pair<int32_t, int32_t>>{{2, 0}, {2, 1}}));
    EXPECT_EQ(FController.Names(), "abc");
}

} // namespace
} // namespace ui
