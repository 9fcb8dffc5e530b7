#include "ui/data/controller/uiCustomDataController.h"

#include "ControllerTestSupport.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using rtl::Variant;
using test::TNoticeLog;
using test::TTestDataController;
using test_support::MessageOf;

using StringList = std::vector<std::string>;

TEST(uiCustomDataController, RecordCountReportsAddedAndRemovedRecords) {
    TTestDataController controller;
    const int32_t number = controller.AddTypedItem(&TuiIntegerValueType::Instance());
    const int32_t text = controller.AddTypedItem(&TuiStringValueType::Instance());
    TNoticeLog log(controller);

    controller.SetRecordCount(4);
    EXPECT_EQ(log.Entries, StringList{"data 2 -1 -1"});
    EXPECT_EQ(controller.GetRecordCount(), 4);
    for (int32_t record = 0; record < 4; ++record) {
        EXPECT_TRUE(controller.GetValue(record, number).IsNull());
        EXPECT_TRUE(controller.GetValue(record, text).IsNull());
        EXPECT_EQ(controller.GetDisplayText(record, text), "");
    }

    log.Entries.clear();
    controller.SetRecordCount(4);
    EXPECT_TRUE(log.Entries.empty());

    controller.SetRecordCount(-5);
    EXPECT_EQ(log.Entries, StringList{"data 3 -1 -1"});
    EXPECT_EQ(controller.GetRecordCount(), 0);
}

TEST(uiCustomDataController, ValuesGoInAndComeOutThroughTheItemsValueTypes) {
    TTestDataController controller;
    const int32_t number = controller.AddTypedItem(&TuiIntegerValueType::Instance());
    const int32_t amount = controller.AddTypedItem(&TuiCurrencyValueType::Instance());
    controller.SetRecordCount(2);

    controller.SetValue(1, number, Variant(u"42"));
    controller.SetValue(1, amount, Variant(12.5));
    EXPECT_EQ(controller.GetValue(1, number).VarType(), rtl::varInteger);
    EXPECT_EQ(rtl::VarToInteger(controller.GetValue(1, number)), 42);
    EXPECT_EQ(controller.GetValue(1, amount).StoredCurrency().Scaled(), 125000);
    EXPECT_EQ(controller.GetDisplayText(1, number), "42");
    // A value the type cannot take raises and leaves the old one.
    EXPECT_THROW(controller.SetValue(1, number, Variant(u"abc")), rtl::Exception);
    EXPECT_EQ(rtl::VarToInteger(controller.GetValue(1, number)), 42);
}

TEST(uiCustomDataController, DisplayTextsAreKeptByItemsThatStoreThem) {
    TTestDataController controller;
    const int32_t amount = controller.AddTypedItem(&TuiCurrencyValueType::Instance());
    controller.SetRecordCount(1);
    controller.SetValue(0, amount, Variant(3.0));
    controller.SetDisplayText(0, amount, "ignored");
    EXPECT_EQ(controller.GetDisplayText(0, amount), "3");

    controller.ChangeItemTextStored(amount, true);
    EXPECT_TRUE(controller.IsItemTextStored(amount));
    controller.SetRecordCount(1);
    controller.SetDisplayText(0, amount, "three");
    EXPECT_EQ(controller.GetDisplayText(0, amount), "three");
}

TEST(uiCustomDataController, IndexesAreCheckedBeforeAnythingChanges) {
    TTestDataController controller;
    const int32_t number = controller.AddTypedItem(&TuiIntegerValueType::Instance());
    controller.SetRecordCount(2);
    TNoticeLog log(controller);

    EXPECT_EQ(MessageOf([&] { controller.GetValue(2, number); }), "RecordIndex out of range");
    EXPECT_EQ(MessageOf([&] { controller.SetValue(-2, number, Variant(1)); }), "RecordIndex out of range");
    EXPECT_EQ(MessageOf([&] { controller.GetValue(0, 1); }), "ItemIndex out of range");
    EXPECT_EQ(MessageOf([&] { controller.SetValue(0, -1, Variant(1)); }), "ItemIndex out of range");
    EXPECT_EQ(MessageOf([&] { controller.GetRecordId(2); }), "RecordIndex out of range");
    EXPECT_THROW(controller.GetDisplayText(0, 3), EuiInvalidDataControllerOperation);
    EXPECT_TRUE(log.Entries.empty());
    EXPECT_TRUE(controller.GetRecordId(1).IsNull());
}

TEST(uiCustomDataController, TheFirstValueAccessMakesTheNewItemRecord) {
    TTestDataController controller;
    const int32_t number = controller.AddTypedItem(&TuiIntegerValueType::Instance());
    controller.SetRecordCount(1);
    EXPECT_TRUE(controller.GetValue(0, number).IsNull());

    const int32_t newItemRecord = controller.GetNewItemRecordIndex();
    EXPECT_LT(newItemRecord, 0);
    controller.SetValue(newItemRecord, number, Variant(7));
    EXPECT_EQ(rtl::VarToInteger(controller.GetValue(newItemRecord, number)), 7);
    EXPECT_EQ(controller.GetRecordCount(), 1);
    EXPECT_TRUE(controller.GetValue(0, number).IsNull());
    // The record ID of the new-item record is not asked for.
    EXPECT_EQ(MessageOf([&] { controller.GetRecordId(newItemRecord); }), "RecordIndex out of range");

    // Clearing the storage's internal records forgets it; the next access makes another.
    controller.DataStorage().ClearInternalRecords();
    EXPECT_EQ(MessageOf([&] { controller.SetValue(-2, number, Variant(1)); }), "RecordIndex out of range");
    EXPECT_TRUE(controller.GetValue(controller.GetNewItemRecordIndex(), number).IsNull());
}

TEST(uiCustomDataController, AnItemWithoutValueTypeTakesNoValues) {
    TTestDataController controller;
    const int32_t untyped = controller.AddTypedItem(nullptr);
    controller.SetRecordCount(1);
    TNoticeLog log(controller);
    int dataChanges = 0;
    controller.SetOnDataChanged([&](rtl::TObject*) { ++dataChanges; });

    controller.SetValue(0, untyped, Variant(5));
    controller.SetDisplayText(0, untyped, "5");
    EXPECT_TRUE(controller.GetValue(0, untyped).IsNull());
    EXPECT_EQ(controller.GetDisplayText(0, untyped), "");
    EXPECT_TRUE(log.Entries.empty());
    EXPECT_EQ(dataChanges, 0);
}

TEST(uiCustomDataController, OptionsDefaultToThoseThatKeepExpansionAndKeys) {
    TTestDataController controller;
    EXPECT_EQ(controller.Options().Bits(), 28u);
    TNoticeLog log(controller);
    controller.SetOptions(controller.Options());
    EXPECT_TRUE(log.Entries.empty());
    controller.SetOptions(TuiDataControllerOptions{dcoCaseInsensitive});
    EXPECT_EQ(controller.Options().Bits(), 2u);
    EXPECT_EQ(log.Entries, StringList{"data 4 -1 -1"});
}

TEST(uiCustomDataController, AssignTakesOptionsFilterSummaryAndEventsButNotTheControlCallback) {
    TTestDataController source;
    TTestDataController target;
    source.SetOptions(TuiDataControllerOptions{dcoImmediatePost});
    source.Filter().SetActive(true);
    source.Summary().SetOptions(TuiSummaryOptions{soNullIgnore});
    std::vector<std::string> fired;
    source.SetOnDataChanged([&](rtl::TObject*) { fired.push_back("data changed"); });
    source.SetOnAfterPost([&](TuiCustomDataController&) { fired.push_back("after post"); });
    source.SetOnFilterRecord([&](TuiCustomDataController&, int32_t, bool& accept) { accept = false; });
    source.SetOnDetailExpanding([&](TuiCustomDataController&, int32_t, bool& allow) { allow = false; });
    source.SetControlNotification([&](TuiUpdateControlInfo&) { fired.push_back("source notified"); });
    TNoticeLog log(target);

    target.Assign(&source);
    EXPECT_EQ(target.Options().Bits(), 256u);
    EXPECT_TRUE(target.Filter().Active());
    EXPECT_TRUE(target.Summary().Options().Contains(soNullIgnore));
    EXPECT_FALSE(target.DoFilterRecord(0));
    EXPECT_FALSE(target.CanChangeDetailExpanding(0, true));
    EXPECT_TRUE(target.CanChangeDetailExpanding(0, false));
    target.DoAfterPost();
    fired.clear();
    log.Entries.clear();
    target.RebuildRows();
    EXPECT_EQ(fired, StringList{"data changed"});
    EXPECT_EQ(log.Entries, StringList{"data 4 -1 -1"});

    EXPECT_THROW(target.Assign(nullptr), rtl::EConvertError);
}

TEST(uiCustomDataController, TheImportRoadLoadsOneLockOfValuesWithOneNotice) {
    // The sales-list import: row number, amount and product name for 1,000 records inside one update lock.
    TTestDataController controller;
    const int32_t number = controller.AddTypedItem(&TuiIntegerValueType::Instance());
    const int32_t amount = controller.AddTypedItem(&TuiCurrencyValueType::Instance());
    const int32_t product = controller.AddTypedItem(&TuiStringValueType::Instance());
    TNoticeLog log(controller);
    int dataChanges = 0;
    controller.SetOnDataChanged([&](rtl::TObject*) { ++dataChanges; });
    const std::vector<int64_t> amounts = {100, rtl::Currency::FromScaled(INT64_MAX).Scaled(), 10000000, -12345};

    constexpr int32_t RecordCount = 1000;
    controller.BeginUpdate();
    controller.SetRecordCount(RecordCount);
    for (int32_t record = 0; record < RecordCount; ++record) {
        controller.SetValue(record, number, Variant(record + 1));
        controller.SetValue(record, amount, Variant(rtl::Currency::FromScaled(amounts[record % amounts.size()])));
        controller.SetValue(record, product,
                            Variant(u"\u86CB\u767D\u7C89 " + rtl::UnicodeString(1, u'a' + record % 26)));
    }
    EXPECT_TRUE(log.Entries.empty());
    controller.EndUpdate();

    EXPECT_EQ(log.Entries, StringList{"data 4 -1 -1"});
    EXPECT_EQ(dataChanges, 1);
    EXPECT_EQ(controller.GetRecordCount(), RecordCount);
    EXPECT_EQ(controller.GetValue(0, amount).StoredCurrency().Scaled(), 100);       // 0.01
    EXPECT_EQ(controller.GetValue(1, amount).StoredCurrency().Scaled(), INT64_MAX); // 922337203685477.5807
    EXPECT_EQ(controller.GetDisplayText(1, amount), "922337203685477.5807");
    EXPECT_EQ(controller.GetDisplayText(3, amount), "-1.2345");
    EXPECT_EQ(rtl::VarToInteger(controller.GetValue(999, number)), 1000);
    EXPECT_EQ(test_support::Utf8(rtl::VarToStr(controller.GetValue(27, product))), "\u86CB\u767D\u7C89 b");
}

} // namespace
} // namespace ui
