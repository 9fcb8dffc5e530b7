#include "ui/grid/customtable/uiCustomGridTableView.h"

#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "tests/ui/grid/common/RefreshCountingNavigator.h"
#include "ui/data/controller/links/uiUpdateControlInfo.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/data/values/uiVariantStreams.h"
#include "ui/data/values/uiVariants.h"
#include "ui/grid/common/uiNavigatorNotifier.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// View data that counts how often the data changes made its record list anew.
class TCountingTableViewData : public TuiCustomGridTableViewData {
public:
    TCountingTableViewData(TuiCustomGridTableView& gridView, int& refreshes)
        : TuiCustomGridTableViewData(gridView), FRefreshes(refreshes) {}
    void Refresh(int32_t rowCount) override {
        ++FRefreshes;
        TuiCustomGridTableViewData::Refresh(rowCount);
    }

private:
    int& FRefreshes;
};

// A table view of plain items that counts the data controller's data notices.
class TTestTableView : public TuiCustomGridTableView {
    RTL_DECLARE_CLASS(TTestTableView, TuiCustomGridTableView)
public:
    explicit TTestTableView(rtl::TComponent* owner) : TuiCustomGridTableView(owner) {}
    void DataChanged(TuiUpdateControlInfo& info) override {
        DataNotices += dynamic_cast<TuiDataChangedInfo*>(&info) ? 1 : 0;
        TuiCustomGridTableView::DataChanged(info);
    }
    using TuiCustomGridTableView::DataChanged;

    int DataNotices = 0;
    int Refreshes = 0;

protected:
    TuiCustomGridTableItem* NewItem(rtl::TComponent* owner) override { return new TuiCustomGridTableItem(owner); }
    std::unique_ptr<TuiCustomGridTableViewData> CreateViewData() override {
        return std::make_unique<TCountingTableViewData>(*this, Refreshes);
    }
};

class CustomGridTableViewTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = new TTestTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
    }
    TuiGridDataController& Data() const { return View->DataController(); }
    // Items of the value types given, in order.
    void AddItems(std::initializer_list<TuiValueTypeClass> valueTypes) {
        for (TuiValueTypeClass valueType : valueTypes) {
            TuiCustomGridTableItem* item = View->CreateItem();
            Data().ChangeValueTypeClass(item->Index(), valueType);
        }
    }
    // Records of two grouping texts ("a", "b") in item 0 and item 1, item 2 numbering them.
    void FillGroupedRecords() {
        AddItems({&TuiStringValueType::Instance(), &TuiStringValueType::Instance(), &TuiIntegerValueType::Instance()});
        const char16_t* outer[] = {u"a", u"a", u"b", u"b"};
        const char16_t* inner[] = {u"x", u"y", u"x", u"x"};
        View->BeginUpdate();
        Data().SetRecordCount(4);
        for (int32_t i = 0; i < 4; ++i) {
            Data().SetValue(i, 0, rtl::Variant(outer[i]));
            Data().SetValue(i, 1, rtl::Variant(inner[i]));
            Data().SetValue(i, 2, rtl::Variant(i));
        }
        View->EndUpdate();
    }

    TTestTableView* View = nullptr;
};

TEST_F(CustomGridTableViewTest, AnImportIsOneDataNoticeAndOneDataChangeWithRecordsMadeOnlyWhenAsked) {
    AddItems({&TuiIntegerValueType::Instance(), &TuiStringValueType::Instance(), &TuiCurrencyValueType::Instance(),
              &TuiFloatValueType::Instance()});
    View->DataNotices = 0;
    View->Refreshes = 0;
    View->BeginUpdate();
    Data().SetRecordCount(500);
    for (int32_t i = 0; i < 7000; ++i) {
        const int32_t record = i % 500;
        const int32_t item = (i / 500) % 4;
        Data().SetValue(record, item, item == 1 ? rtl::Variant(u"text") : rtl::Variant(record));
    }
    View->EndUpdate();
    EXPECT_EQ(View->DataNotices, 1);
    EXPECT_EQ(View->Refreshes, 1);

    TuiCustomGridTableViewData& viewData = View->ViewData();
    ASSERT_EQ(viewData.RecordCount(), 500);
    for (int32_t row = 0; row < 500; ++row) {
        ASSERT_EQ(viewData.RecordEntry(row), nullptr) << row;
    }
    TuiCustomGridRecord* record = viewData.GetRecordAt(5);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->RecordIndex(), 5);
    EXPECT_EQ(viewData.RecordEntry(4), nullptr);
    EXPECT_EQ(viewData.RecordEntry(6), nullptr);
    EXPECT_EQ(viewData.GetRecordAt(500), nullptr);
    EXPECT_EQ(viewData.GetRecordAt(-1), nullptr);

    Data().SetValue(0, 0, rtl::Variant(int32_t{42}));
    EXPECT_EQ(viewData.RecordEntry(5), nullptr);
    EXPECT_EQ(View->Refreshes, 2);
}

TEST_F(CustomGridTableViewTest, AnItemsGetDataTextHandlerHasTheLastWord) {
    AddItems({&TuiIntegerValueType::Instance()});
    Data().SetRecordCount(1);
    Data().SetValue(0, 0, rtl::Variant(int32_t{7}));
    EXPECT_EQ(Data().GetDisplayText(0, 0), "7");
    View->Items(0)->SetOnGetDataText([](TuiCustomGridTableItem&, int32_t recordIndex, rtl::AnsiString& text) {
        text += " #" + std::to_string(recordIndex);
    });
    EXPECT_EQ(Data().GetDisplayText(0, 0), "7 #0");
    EXPECT_EQ(View->ViewData().GetRecordAt(0)->GetDisplayText(0), "7 #0");
}

TEST_F(CustomGridTableViewTest, ItemIDsAreGivenBackOnlyForTheLastOne) {
    AddItems({&TuiStringValueType::Instance(), &TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    EXPECT_EQ(View->Items(0)->ID(), 0);
    EXPECT_EQ(View->Items(1)->ID(), 1);
    EXPECT_EQ(View->Items(2)->ID(), 2);
    delete View->Items(2);
    EXPECT_EQ(View->CreateItem()->ID(), 2);
    delete View->Items(0);
    EXPECT_EQ(View->ItemCount(), 2);
    EXPECT_EQ(View->Items(0)->Index(), 0);
    EXPECT_EQ(View->CreateItem()->ID(), 3);
    EXPECT_EQ(Data().GetItemCount(), 3);
    EXPECT_EQ(View->FindItemByID(3), View->Items(2));
    View->ClearItems();
    EXPECT_EQ(View->NextID(), 0);
    EXPECT_EQ(Data().GetItemCount(), 0);
}

TEST_F(CustomGridTableViewTest, ChangeItemIndexClampsAndTheFieldsFollow) {
    AddItems({&TuiStringValueType::Instance(), &TuiIntegerValueType::Instance(), &TuiFloatValueType::Instance()});
    TuiCustomGridTableItem* last = View->Items(2);
    struct Case {
        int32_t requested;
        int32_t expected;
    };
    for (const Case& c : {Case{-1, 0}, Case{0, 0}, Case{7, 2}, Case{1, 1}}) {
        View->ChangeItemIndex(last, c.requested);
        EXPECT_EQ(last->Index(), c.expected) << c.requested;
        EXPECT_EQ(View->Items(c.expected), last);
        EXPECT_EQ(Data().GetItem(c.expected), last);
        EXPECT_EQ(Data().GetItemValueTypeClass(c.expected), &TuiFloatValueType::Instance());
    }
    EXPECT_EQ(last->VisibleIndex(), 1);
}

TEST_F(CustomGridTableViewTest, ANewItemHasItsDefaults) {
    TuiCustomGridTableItem* item = View->CreateItem();
    EXPECT_TRUE(item->Visible());
    EXPECT_EQ(item->Width(), 64);
    EXPECT_EQ(item->MinWidth(), 20);
    EXPECT_EQ(item->Caption(), u"");
    EXPECT_EQ(item->GroupIndex(), -1);
    EXPECT_EQ(item->SortIndex(), -1);
    EXPECT_EQ(item->SortOrder(), soNone);
    EXPECT_FALSE(item->IsSortOrderStored());
    EXPECT_FALSE(item->IsWidthAssigned());
    EXPECT_EQ(View->VisibleItemCount(), 1);
}

TEST_F(CustomGridTableViewTest, ACaptionSetToTheDefaultStaysUnassignedAndAnEmptyOneIsWritten) {
    TuiCustomGridTableItem* item = View->CreateItem();
    item->SetCaption(u"");
    EXPECT_FALSE(item->IsCaptionAssigned());
    item->SetCaption(u"Amount");
    EXPECT_TRUE(item->IsCaptionStored());
    item->SetCaption(u"");
    EXPECT_TRUE(item->IsCaptionAssigned());
    EXPECT_FALSE(item->IsCaptionStored());
    EXPECT_TRUE(item->IsCaptionAssignedStored());
    item->SetAlternateCaption(u"Sum");
    EXPECT_EQ(Data().GetItemDisplayName(0), u"Sum");
}

TEST_F(CustomGridTableViewTest, WidthsNeverGoBelowTheMinimum) {
    TuiCustomGridTableItem* item = View->CreateItem();
    item->SetWidth(5);
    EXPECT_EQ(item->Width(), 20);
    item->SetMinWidth(100);
    EXPECT_EQ(item->Width(), 100);
    item->SetMinWidth(-4);
    EXPECT_EQ(item->MinWidth(), 0);
    item->SetBestFitMaxWidth(-1);
    EXPECT_EQ(item->BestFitMaxWidth(), 0);
}

TEST_F(CustomGridTableViewTest, GroupIndexesReadOutOfOrderGroupInIndexOrder) {
    AddItems({&TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    TuiCustomGridTableItem* first = View->Items(0);
    TuiCustomGridTableItem* second = View->Items(1);
    View->AssignItems([&] {
        second->SetGroupIndex(1);
        first->SetGroupIndex(0);
        EXPECT_EQ(second->GroupIndex(), -1);
    });
    EXPECT_FALSE(View->IsAssigningItems());
    EXPECT_EQ(first->GroupIndex(), 0);
    EXPECT_EQ(second->GroupIndex(), 1);
    // Only grouping outside an assignment remembers the visibility.
    EXPECT_FALSE(first->WasVisibleBeforeGrouping());
    first->SetGroupIndex(-1);
    first->SetGroupIndex(1);
    EXPECT_TRUE(first->WasVisibleBeforeGrouping());
}

TEST_F(CustomGridTableViewTest, AHugeSortIndexReadWhileAssigningAppliesLast) {
    AddItems({&TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    TuiCustomGridTableItem* first = View->Items(0);
    TuiCustomGridTableItem* second = View->Items(1);
    first->SetSortOrder(soAscending);
    second->SetSortOrder(soAscending);
    ASSERT_EQ(first->SortIndex(), 0);
    View->AssignItems([&] {
        first->SetSortIndex(2'000'000'000);
        second->SetSortIndex(0);
    });
    EXPECT_EQ(second->SortIndex(), 0);
    EXPECT_EQ(first->SortIndex(), 1);
}

TEST_F(CustomGridTableViewTest, AFailedRestoreEndsTheAssignmentAndRefusesABadSortOrder) {
    AddItems({&TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    TuiCustomGridTableItem* item = View->Items(0);
    EXPECT_THROW(View->AssignItems([&] {
        item->SetStoredPropertyValue(u"SortIndex", rtl::Variant(int32_t{0}));
        item->SetStoredPropertyValue(u"SortOrder", rtl::Variant(int32_t{3}));
    }),
                 rtl::EConvertError);
    EXPECT_FALSE(View->IsAssigningItems());
    EXPECT_EQ(item->SortIndex(), -1);
    EXPECT_THROW(item->SetStoredPropertyValue(u"SortOrder", rtl::Variant(int32_t{-1})), rtl::EConvertError);
    item->SetStoredPropertyValue(u"SortOrder", rtl::Variant(int32_t{soDescending}));
    EXPECT_EQ(item->SortOrder(), soDescending);
    View->Items(1)->SetGroupIndex(0);
    EXPECT_EQ(View->Items(1)->GroupIndex(), 0);
}

TEST_F(CustomGridTableViewTest, StoredPropertiesNameTheItemsLayout) {
    TuiCustomGridTableItem* item = View->CreateItem();
    std::vector<rtl::UnicodeString> names;
    item->SetOnGetStoredProperties(
        [](TuiCustomGridTableItem&, std::vector<rtl::UnicodeString>& list) { list.emplace_back(u"Extra"); });
    rtl::UnicodeString unknownName;
    item->SetOnSetStoredPropertyValue([&](TuiCustomGridTableItem&, rtl::UnicodeStringView name, const rtl::Variant&) {
        unknownName = rtl::UnicodeString(name);
    });
    item->GetStoredProperties(names);
    EXPECT_EQ(names, (std::vector<rtl::UnicodeString>{u"AlignmentHorz", u"Index", u"Visible", u"SortOrder",
                                                      u"SortIndex", u"WasVisibleBeforeGrouping", u"Extra"}));
    item->SetStoredPropertyValue(u"Visible", rtl::Variant(false));
    EXPECT_FALSE(item->Visible());
    EXPECT_EQ(View->VisibleItemCount(), 0);
    item->SetStoredPropertyValue(u"Extra", rtl::Variant(int32_t{1}));
    EXPECT_EQ(unknownName, u"Extra");
}

TEST_F(CustomGridTableViewTest, RecordsKnowTheirParentAndTheLevelsThatCloseAfterThem) {
    FillGroupedRecords();
    View->Items(0)->SetGroupIndex(0);
    View->Items(1)->SetGroupIndex(1);
    Data().Groups().FullExpand();
    TuiCustomGridTableViewData& viewData = View->ViewData();
    // a, a/x, 0, a/y, 1, b, b/x, 2, 3
    ASSERT_EQ(viewData.RecordCount(), 9);
    TuiCustomGridRecord* firstInner = viewData.GetRecordAt(1);
    EXPECT_EQ(firstInner->Level(), 1);
    EXPECT_EQ(firstInner->GetParentRecord(), viewData.GetRecordAt(0));
    EXPECT_EQ(viewData.GetRecordAt(0)->GetParentRecord(), nullptr);
    EXPECT_EQ(viewData.GetRecordAt(2)->GetParentRecord(), firstInner);
    TuiCustomGridRecord* last = viewData.GetRecordAt(8);
    EXPECT_EQ(last->Level(), 2);
    EXPECT_EQ(last->GetClosedLevelCount(), 2);
    EXPECT_EQ(viewData.GetRecordAt(2)->GetClosedLevelCount(), 1);
    EXPECT_EQ(viewData.GetRecordAt(1)->GetClosedLevelCount(), 0);
}

TEST_F(CustomGridTableViewTest, AGroupingChangingNoticeLeavesTheNavigatorsAlone) {
    test::TRefreshCountingNavigator navigator;
    View->NavigatorNotifier().AddNavigator(&navigator);
    TuiGroupingChangingInfo groupingChanging;
    View->DataChanged(groupingChanging);
    EXPECT_EQ(navigator.Refreshes, 0);
    TuiLayoutChangedInfo layoutChanged;
    View->DataChanged(layoutChanged);
    EXPECT_EQ(navigator.Refreshes, 1);
    View->NavigatorNotifier().RemoveNavigator(&navigator);
}

TEST_F(CustomGridTableViewTest, EqualRecordIndexesPassTheFocusedRecordTwice) {
    FillGroupedRecords();
    std::vector<TuiCustomGridRecord*> passed;
    View->SetOnFocusedRecordChanged(
        [&](TuiCustomGridTableView&, TuiCustomGridRecord* prev, TuiCustomGridRecord* focused, bool) {
            passed = {prev, focused};
        });
    View->DoFocusedRecordChanged(1, 2, 2, 2, false);
    ASSERT_EQ(passed.size(), 2u);
    EXPECT_EQ(passed[0], passed[1]);
    EXPECT_EQ(passed[1], View->ViewData().GetRecordAt(2));
    View->DoFocusedRecordChanged(1, 2, 1, 2, false);
    EXPECT_EQ(passed[0], View->ViewData().GetRecordAt(1));

    passed.clear();
    Data().ChangeFocusedRowIndex(3);
    EXPECT_EQ(passed.size(), 2u);
}

TEST_F(CustomGridTableViewTest, DatesOfOnePeriodFormOneGroupWithThePeriodsText) {
    const TuiClock previousClock = SetClock([] { return rtl::EncodeDate(2024, 5, 1) + 0.5; });
    AddItems({&TuiDateTimeValueType::Instance()});
    const rtl::TDateTime dates[] = {rtl::EncodeDate(2024, 5, 1) + 22.0 / 24, rtl::EncodeDate(2020, 1, 1),
                                    rtl::EncodeDate(2024, 5, 1) + 0.5, rtl::EncodeDate(2024, 4, 30) + 10.0 / 24};
    View->BeginUpdate();
    Data().SetRecordCount(4);
    for (int32_t i = 0; i < 4; ++i) {
        Data().SetValue(i, 0, rtl::Variant::FromDateTime(dates[i]));
    }
    View->EndUpdate();
    TuiCustomGridTableItem* item = View->Items(0);
    TuiCustomGridTableViewData& viewData = View->ViewData();
    EXPECT_EQ(viewData.GetRangeDisplayText(0, 0), viewData.GetRangeDisplayText(2, 0));
    EXPECT_EQ(viewData.GetRangeDisplayText(0, 0), "Today");
    EXPECT_EQ(viewData.GetRangeDisplayText(3, 0), "Yesterday");
    EXPECT_TRUE(viewData.NeedsRangeComparison(*item, 1));
    EXPECT_FALSE(viewData.NeedsRangeComparison(*item, 0));
    item->SetGroupIndex(0);
    // 2020, Yesterday, Today: the two dates of today fall into one group.
    EXPECT_EQ(Data().GetRowCount(), 3);
    SetClock(previousClock);
}

TEST_F(CustomGridTableViewTest, IgnoringTheTimeWhenFilteringTakesBothTheViewAndTheItem) {
    AddItems({&TuiDateTimeValueType::Instance()});
    Data().SetRecordCount(2);
    Data().SetValue(0, 0, rtl::Variant::FromDateTime(rtl::EncodeDate(2024, 5, 1) + 0.25));
    Data().SetValue(1, 0, rtl::Variant::FromDateTime(rtl::EncodeDate(2024, 5, 1) + 0.75));
    const TuiCustomDataField& field = Data().Fields().GetItem(0);
    EXPECT_NE(CompareVariants(Data().GetFilterValue(0, field), Data().GetFilterValue(1, field)), 0);
    View->DateTimeHandling().SetIgnoreTimeForFiltering(true);
    EXPECT_EQ(CompareVariants(Data().GetFilterValue(0, field), Data().GetFilterValue(1, field)), 0);
    View->Items(0)->Options().SetIgnoreTimeForFiltering(false);
    EXPECT_NE(CompareVariants(Data().GetFilterValue(0, field), Data().GetFilterValue(1, field)), 0);
}

TEST_F(CustomGridTableViewTest, ARecordHitTestFindsItsRecordAgainAfterADataChange) {
    AddItems({&TuiIntegerValueType::Instance()});
    Data().SetRecordCount(3);
    TuiGridRecordCellHitTest& hitTest = TuiCustomGridHitTest::Instance<TuiGridRecordCellHitTest>({5, 6});
    hitTest.SetGridRecord(View->ViewData().GetRecordAt(2));
    hitTest.SetItem(View->Items(0));
    EXPECT_EQ(hitTest.GetHitTestCode(), 107);
    EXPECT_TRUE(hitTest.AllowsRecordSelection());
    Data().SetValue(0, 0, rtl::Variant(int32_t{1}));
    ASSERT_EQ(View->ViewData().RecordEntry(2), nullptr);
    TuiCustomGridRecord* record = hitTest.GridRecord();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->Index(), 2);

    TuiGridRecordCellHitTest copy;
    copy.Assign(&hitTest);
    EXPECT_EQ(copy.GridRecord(), record);
    EXPECT_EQ(copy.Item(), View->Items(0));
    hitTest.SetGridRecord(nullptr);
    EXPECT_EQ(hitTest.GridRecord(), nullptr);
    EXPECT_EQ(hitTest.RowIndex(), -1);
    EXPECT_FALSE(TuiCustomGridHitTest::Instance<TuiGridExpandButtonHitTest>({0, 0}).AllowsRecordSelection());
    EXPECT_EQ(Data().GetItemID(Grid), -1);
    EXPECT_EQ(Data().GetItemID(View->Items(0)), 0);
}

TEST_F(CustomGridTableViewTest, AssigningItemsMatchesThemByIDAndTakesTheSourcesOrder) {
    AddItems({&TuiStringValueType::Instance(), &TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    auto* source = new TTestTableView(Form.get());
    for (int32_t i = 0; i < 3; ++i) {
        source->CreateItem();
    }
    delete source->Items(0);
    source->CreateItem()->SetCaption(u"new");
    source->ChangeItemIndex(source->FindItemByID(2), 0);
    source->FindItemByID(1)->SetWidth(120);
    source->FindItemByID(2)->SetCaption(u"moved");
    // The source holds IDs 2, 1, 3.
    TuiCustomGridTableItem* kept = View->FindItemByID(1);
    View->AssignItemsFrom(*source);
    ASSERT_EQ(View->ItemCount(), 3);
    EXPECT_EQ(View->Items(0)->ID(), 2);
    EXPECT_EQ(View->Items(0)->Caption(), u"moved");
    EXPECT_EQ(View->Items(1), kept);
    EXPECT_EQ(kept->Width(), 120);
    EXPECT_EQ(View->Items(2)->ID(), 3);
    EXPECT_EQ(View->Items(2)->Caption(), u"new");
    EXPECT_EQ(View->FindItemByID(0), nullptr);
    EXPECT_EQ(View->NextID(), source->NextID());
    EXPECT_EQ(Data().GetItemCount(), 3);
}

TEST_F(CustomGridTableViewTest, AssigningTheLayoutTakesItemsDateHandlingFilteringAndRecordEventsAlong) {
    AddItems({&TuiDateTimeValueType::Instance()});
    View->DateTimeHandling().SetGrouping(dtgByMonth);
    View->DateTimeHandling().SetFilters({dtfYears});
    View->Filtering().SetItemMRUItemsListCount(9);
    int asked = 0;
    View->SetOnCanFocusRecord([&](TuiCustomGridTableView&, TuiCustomGridRecord*, bool&) { ++asked; });
    auto* target = new TTestTableView(Form.get());
    Grid->Levels().Add().SetGridView(target);
    target->AssignLayout(*View);

    ASSERT_EQ(target->ItemCount(), 1);
    EXPECT_EQ(target->Items(0)->DataBinding().ValueType(), u"DateTime") << "the item's value type comes along";
    EXPECT_EQ(target->DateTimeHandling().Grouping(), dtgByMonth);
    EXPECT_EQ(target->DateTimeHandling().Filters(), TuiGridDateTimeFilters{dtfYears});
    EXPECT_EQ(target->Filtering().ItemMRUItemsListCount(), 9);
    target->DataController().SetRecordCount(1);
    target->DoCanFocusRecord(target->ViewData().GetRecordAt(0));
    EXPECT_EQ(asked, 1);
}

// The "Data" property of a form: the int32 length, then the data-controller stream.
class GridDataPropertyTest : public CustomGridTableViewTest {
protected:
    void StoreThreeRecords(rtl::TMemoryStream& stream) {
        AddItems({&TuiIntegerValueType::Instance()});
        Data().SetRecordCount(3);
        for (int32_t i = 0; i < 3; ++i) {
            Data().SetValue(i, 0, rtl::Variant(i * 10));
        }
        Data().WriteData(stream);
        Data().SetRecordCount(0);
        stream.SetPosition(0);
    }
    static void WriteDataBytes(rtl::TMemoryStream& stream, int32_t length, std::string_view bytes) {
        stream.Clear();
        const auto value = static_cast<uint32_t>(length);
        const uint8_t prefix[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                                   static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
        stream.WriteBuffer(prefix, 4);
        stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
        stream.SetPosition(0);
    }
};

TEST_F(GridDataPropertyTest, NoRecordsOrTheAncestorsRecordsWriteNothing) {
    AddItems({&TuiIntegerValueType::Instance()});
    EXPECT_TRUE(Data().IsDataPropertyDefined());
    EXPECT_FALSE(Data().IsDataStored(nullptr));
    Data().SetRecordCount(2);
    EXPECT_TRUE(Data().IsDataStored(nullptr));

    auto* ancestor = new TTestTableView(Form.get());
    ancestor->CreateItem();
    ancestor->DataController().ChangeValueTypeClass(0, &TuiIntegerValueType::Instance());
    ancestor->DataController().SetRecordCount(2);
    EXPECT_FALSE(Data().IsDataStored(&ancestor->DataController()));
    Data().SetValue(1, 0, rtl::Variant(int32_t{5}));
    EXPECT_TRUE(Data().IsDataStored(&ancestor->DataController()));
}

TEST_F(GridDataPropertyTest, StoredRecordsAppearOnlyWhenLoadingEnds) {
    rtl::TMemoryStream stream;
    StoreThreeRecords(stream);
    Data().ReadData(stream);
    EXPECT_TRUE(Data().HasKeptData());
    EXPECT_EQ(Data().GetRecordCount(), 0);
    Data().CheckDeferredChanges();
    EXPECT_FALSE(Data().HasKeptData());
    ASSERT_EQ(Data().GetRecordCount(), 3);
    EXPECT_EQ(rtl::VarToInteger(Data().GetValue(2, 0)), 20);
}

TEST_F(GridDataPropertyTest, BadLengthsAndForeignStreamsLeaveNoRecordsAndNoKeptBytes) {
    AddItems({&TuiIntegerValueType::Instance()});
    for (int32_t length : {-1, 6, INT32_MAX}) {
        rtl::TMemoryStream stream;
        WriteDataBytes(stream, length, "abc");
        EXPECT_THROW(Data().ReadData(stream), EuiInvalidDataControllerOperation) << length;
        EXPECT_FALSE(Data().HasKeptData());
    }
    // A well-formed stream of another kind.
    rtl::TMemoryStream foreignBody;
    {
        TuiWriter writer(foreignBody);
        writer.WriteString("FilterCriteria1");
        writer.WriteInteger(1);
    }
    const std::string body(static_cast<const char*>(foreignBody.Memory()), static_cast<size_t>(foreignBody.Size()));
    rtl::TMemoryStream foreign;
    WriteDataBytes(foreign, static_cast<int32_t>(body.size()), body);
    Data().ReadData(foreign);
    EXPECT_THROW(Data().CheckDeferredChanges(), EuiInvalidDataControllerOperation);
    EXPECT_FALSE(Data().HasKeptData());
    EXPECT_EQ(Data().GetRecordCount(), 0);

    rtl::TMemoryStream empty;
    WriteDataBytes(empty, 0, "trailing");
    Data().ReadData(empty);
    EXPECT_THROW(Data().CheckDeferredChanges(), rtl::Exception);
    EXPECT_FALSE(Data().HasKeptData());
    EXPECT_EQ(Data().GetRecordCount(), 0);
}

} // namespace
} // namespace ui
