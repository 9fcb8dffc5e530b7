#include "ControllerTestSupport.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/links/uiDataListenerLink.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace ui {
namespace {

using rtl::Variant;
using test::TNoticeLog;
using test::TTestDataController;

using StringList = std::vector<std::string>;

// A controller with three Integer items and four records, and the log of its notices.
class DataChanges : public ::testing::Test {
protected:
    DataChanges() {
        for (int i = 0; i < 3; ++i) {
            FController.AddTypedItem(&TuiIntegerValueType::Instance());
        }
        FController.SetRecordCount(4);
        FLog.Entries.clear();
    }

    TTestDataController FController;
    TNoticeLog FLog{FController};
};

TEST_F(DataChanges, ChangesInsideOneLockArriveAsOneNoticeThatCoversThemAll) {
    // Each call: record, item; a record of -1 means SetRecordCount(3) instead.
    struct TCase {
        const char* Name;
        std::vector<std::pair<int32_t, int32_t>> Calls;
        std::string Expected;
    };
    const TCase cases[] = {
        {"one item", {{1, 2}}, "data 0 2 1"},
        {"one item twice", {{1, 2}, {1, 2}}, "data 0 2 1"},
        {"two items of one record", {{1, 0}, {1, 2}}, "data 1 -1 1"},
        {"items a, b, c of one record", {{2, 0}, {2, 1}, {2, 2}}, "data 1 -1 2"},
        {"records 1 and 2", {{1, 0}, {2, 0}}, "data 4 -1 -1"},
        {"records 1, 2, 2", {{1, 0}, {2, 0}, {2, 0}}, "data 4 -1 -1"},
        {"records 1, 2, 1 with one item", {{1, 1}, {2, 1}, {1, 1}}, "data 4 -1 -1"},
        {"count, then nine values",
         {{-1, 0}, {0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}},
         "data 4 -1 -1"},
        {"count, then one value", {{-1, 0}, {0, 0}}, "data 4 -1 -1"},
        {"a value, then the count", {{1, 1}, {-1, 0}}, "data 4 -1 -1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FController.SetRecordCount(4);
        FLog.Entries.clear();
        FController.BeginUpdate();
        for (const auto& [record, item] : c.Calls) {
            if (record < 0) {
                FController.SetRecordCount(3);
            } else {
                FController.SetValue(record, item, Variant(record * 10 + item));
            }
        }
        EXPECT_TRUE(FLog.Entries.empty());
        FController.EndUpdate();
        EXPECT_EQ(FLog.Entries, StringList{c.Expected});
    }
}

TEST_F(DataChanges, ANoticeNamesOnlyARecordThatExists) {
    FController.RecordChanged(dckItem, -1, 2);
    FController.RecordChanged(dckItem, 1, -1);
    FController.RecordChanged(dckRecord, -1, -1);
    EXPECT_EQ(FLog.Entries, (StringList{"data 1 -1 2", "data 4 1 -1", "data 4 -1 -1"}));
}

TEST_F(DataChanges, NestedLocksDeliverAtTheOutermostEnd) {
    FController.BeginUpdate();
    FController.BeginUpdate();
    FController.SetValue(0, 0, Variant(1));
    FController.EndUpdate();
    EXPECT_EQ(FController.GetInfoLockCount(), 1);
    EXPECT_TRUE(FLog.Entries.empty());
    FController.EndUpdate();
    EXPECT_EQ(FLog.Entries, StringList{"data 0 0 0"});
    // An end without a beginning unlocks nothing.
    FController.EndUpdate();
    EXPECT_EQ(FController.GetInfoLockCount(), 0);
}

TEST_F(DataChanges, RecordChangedFiresWithTheOneRecordAndDataChangedForEveryNotice) {
    std::vector<std::string> events;
    FController.SetOnRecordChanged([&](TuiCustomDataController&, int32_t record, int32_t item) {
        events.push_back("record " + std::to_string(record) + " " + std::to_string(item));
    });
    FController.SetOnDataChanged([&](rtl::TObject* sender) {
        EXPECT_EQ(sender, &FController);
        events.push_back("data");
    });
    FController.SetValue(3, 1, Variant(5));
    FController.BeginUpdate();
    FController.SetValue(2, 0, Variant(5));
    FController.SetValue(2, 1, Variant(5));
    FController.EndUpdate();
    FController.SetRecordCount(1);
    EXPECT_EQ(events, (StringList{"record 3 1", "data", "record 2 -1", "data", "data"}));
}

TEST_F(DataChanges, EveryKindIsDeliveredInItsOrder) {
    std::vector<std::string> events;
    FController.SetControlNotification(
        [&](TuiUpdateControlInfo& info) { events.push_back(TNoticeLog::Describe(info)); });
    FController.SetOnDataChanged([&](rtl::TObject*) { events.push_back("OnDataChanged"); });
    FController.SetOnGroupingChanged([&](rtl::TObject*) { events.push_back("OnGroupingChanged"); });
    FController.SetOnSortingChanged([&](rtl::TObject*) { events.push_back("OnSortingChanged"); });

    FController.Change(TuiDataControllerChanges::FromBits(0xFFF));
    EXPECT_EQ(events, (StringList{"data 4 -1 -1", "OnDataChanged", "selection", "search", "bookmark",
                                  "OnGroupingChanged", "OnSortingChanged"}));

    events.clear();
    FController.Change({dccSortingChanged, dccSummary, dccDetail});
    EXPECT_EQ(events, (StringList{"layout", "OnSortingChanged"}));
    events.clear();
    FController.Change({});
    EXPECT_TRUE(events.empty());
}

TEST(DataChangeEvents, TheGroupingAndSortingEventsWaitWhileTheOwnerIsRead) {
    rtl::TComponent owner(nullptr);
    TTestDataController controller(&owner);
    int events = 0;
    controller.SetOnGroupingChanged([&](rtl::TObject*) { ++events; });
    controller.SetOnSortingChanged([&](rtl::TObject*) { ++events; });
    owner.SetStreamingState({rtl::TComponentState::csReading});
    controller.Change({dccGroupingChanged, dccSortingChanged});
    EXPECT_EQ(events, 0);
    owner.SetStreamingState({});
    controller.Change({dccGroupingChanged, dccSortingChanged});
    EXPECT_EQ(events, 2);
}

TEST_F(DataChanges, TheSortingEventIsNotReentered) {
    int calls = 0;
    FController.SetOnSortingChanged([&](rtl::TObject*) {
        ++calls;
        FController.Change({dccSortingChanged});
    });
    FController.Change({dccSortingChanged});
    EXPECT_EQ(calls, 1);
}

TEST(DataChangeEvents, DataEventsWaitWhileTheOwnerLoads) {
    rtl::TComponent owner(nullptr);
    TTestDataController controller(&owner);
    controller.AddTypedItem(&TuiIntegerValueType::Instance());
    controller.SetRecordCount(2);
    int dataChanges = 0;
    int recordChanges = 0;
    int afterSummaries = 0;
    controller.SetOnDataChanged([&](rtl::TObject*) { ++dataChanges; });
    controller.SetOnRecordChanged([&](TuiCustomDataController&, int32_t, int32_t) { ++recordChanges; });
    controller.Summary().SetOnAfterSummary([&](TuiDataSummary&) { ++afterSummaries; });

    owner.SetStreamingState({rtl::TComponentState::csLoading});
    controller.SetValue(0, 0, Variant(1));
    controller.SetValue(1, 0, Variant(2));
    controller.Summary().DoAfterSummary();
    EXPECT_EQ(dataChanges, 0);
    EXPECT_EQ(afterSummaries, 0);
    owner.SetStreamingState({});

    controller.CheckDeferredChanges();
    EXPECT_EQ(dataChanges, 1);
    EXPECT_EQ(recordChanges, 0);
    EXPECT_EQ(afterSummaries, 1);
    controller.CheckDeferredChanges();
    EXPECT_EQ(dataChanges, 1);
    EXPECT_EQ(afterSummaries, 1);
}

TEST_F(DataChanges, ANoticeIsFreedAndTheStateResetWhenTheViewRaises) {
    bool raise = true;
    bool notifying = false;
    FController.SetControlNotification([&](TuiUpdateControlInfo&) {
        notifying = FController.IsInControlNotification();
        if (raise) {
            throw std::runtime_error("view failed");
        }
    });
    EXPECT_THROW(FController.SetValue(1, 1, Variant(3)), std::runtime_error);
    EXPECT_TRUE(notifying);
    EXPECT_FALSE(FController.IsInControlNotification());

    // The failed notice's change is gone: the next one covers only what came after it.
    raise = false;
    std::vector<std::string> entries;
    FController.SetControlNotification(
        [&](TuiUpdateControlInfo& info) { entries.push_back(TNoticeLog::Describe(info)); });
    FController.SetValue(2, 0, Variant(3));
    EXPECT_EQ(entries, StringList{"data 0 0 2"});
}

TEST_F(DataChanges, ASelectionNoticeNamesTheRowsOfSingleSelections) {
    FController.SetMultiSelect(true);
    TuiCustomDataControllerInfo& info = FController.DataControllerInfo();
    // Selects only the given rows, as one change.
    const auto selectRows = [&](std::initializer_list<int32_t> rows) {
        FController.BeginUpdate();
        info.ClearSelection();
        for (const int32_t row : rows) {
            info.Selection().Add(-1, row, 0, row);
        }
        FController.EndUpdate();
        return FLog.Entries.back();
    };
    EXPECT_EQ(selectRows({3}), "selection 3");
    EXPECT_EQ(selectRows({1}), "selection 3 1");
    EXPECT_EQ(selectRows({1}), "selection 1");
    EXPECT_EQ(selectRows({1, 2}), "selection");
    EXPECT_EQ(selectRows({}), "selection");
    EXPECT_EQ(selectRows({0}), "selection 0");
    EXPECT_EQ(selectRows({}), "selection 0");
}

TEST_F(DataChanges, ShrinkingDropsTheSelectedRowsOfRemovedRecords) {
    TuiCustomDataControllerInfo& info = FController.DataControllerInfo();
    FController.BeginUpdate();
    for (int32_t row = 0; row < 4; ++row) {
        info.Selection().Add(-1, row, 0, row);
    }
    FController.EndUpdate();
    FController.SetRecordCount(2);
    ASSERT_EQ(info.GetSelectedCount(), 2);
    EXPECT_EQ(info.GetSelectedRowIndex(1), 1);
    FController.SetRecordCount(0);
    EXPECT_EQ(info.GetSelectedCount(), 0);
}

TEST_F(DataChanges, ListenersMayRemoveThemselvesAndOthersWhileCalled) {
    std::vector<std::string> calls;
    int first = 0;
    int second = 0;
    int third = 0;
    FController.AddDataChangedListener(&first, [&](void* data, TuiCustomDataController& controller) {
        EXPECT_EQ(data, &first);
        calls.push_back("first");
        controller.RemoveDataChangedListener(&first);
        controller.RemoveDataChangedListener(&second);
        controller.AddDataChangedListener(&first, [&](void*, TuiCustomDataController&) { calls.push_back("added"); });
    });
    FController.AddDataChangedListener(&second, [&](void*, TuiCustomDataController&) { calls.push_back("second"); });
    FController.AddDataChangedListener(&third, [&](void*, TuiCustomDataController& controller) {
        calls.push_back("third");
        controller.RemoveDataChangedListener(&third);
    });

    FController.SetValue(0, 0, Variant(1));
    EXPECT_EQ(calls, (StringList{"first", "third"}));
    calls.clear();
    FController.SetValue(0, 0, Variant(2));
    EXPECT_EQ(calls, StringList{"added"});
    FController.RemoveDataChangedListener(&first);
    calls.clear();
    FController.SetValue(0, 0, Variant(3));
    EXPECT_TRUE(calls.empty());
}

TEST(uiDataListenerLink, ALinkTellsWhetherItsControllerStillExists) {
    auto controller = std::make_unique<TTestDataController>();
    TuiDataListenerLink outliving(*controller);
    {
        TuiDataListenerLink shortLived(*controller);
        EXPECT_EQ(shortLived.DataController(), controller.get());
    }
    EXPECT_EQ(outliving.DataController(), controller.get());
    controller.reset();
    EXPECT_EQ(outliving.DataController(), nullptr);
}

} // namespace
} // namespace ui
