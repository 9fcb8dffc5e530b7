#include "ui/data/controller/filtering/uiDataControllerSearch.h"

#include "../ControllerTestSupport.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::Text;
using test::TNoticeLog;
using test::TTestDataController;
using Notices = std::vector<std::string>;

// Item 0 a number, item 1 a name: apple, Banana, berry, in that order.
class ControllerSearch : public ::testing::Test {
protected:
    ControllerSearch() {
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
        FController.AddTypedItem(&TuiStringValueType::Instance());
        int32_t number = 0;
        for (const char* name : {"apple", "Banana", "berry"}) {
            FController.AddRecord({number++, Text(name)});
        }
        FController.ChangeFocusedRowIndex(0);
    }

    TuiDataControllerSearch& Search() { return FController.Search(); }

    TTestDataController FController;
};

TEST_F(ControllerSearch, LocateFindsTheFirstMatchAndLocateNextTheOthers) {
    TNoticeLog log(FController);
    EXPECT_TRUE(Search().Locate(1, "b"));
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 1);
    EXPECT_TRUE(Search().IsSearching());
    EXPECT_EQ(Search().GetSearchText(), "b");
    EXPECT_EQ(Search().GetItemIndex(), 1);
    EXPECT_EQ(log.Entries, (Notices{"row 1 0", "record 1 0", "selection 0 1", "search"}));

    EXPECT_TRUE(Search().LocateNext(true));
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 2);
    EXPECT_FALSE(Search().LocateNext(true));
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 2);
    EXPECT_TRUE(Search().IsSearching());
    EXPECT_TRUE(Search().LocateNext(false));
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 1);
    EXPECT_EQ(Search().GetSearchText(), "b");
}

TEST_F(ControllerSearch, LocateGoesRoundAndFailsWithoutAMatchOrText) {
    FController.ChangeFocusedRowIndex(2);
    EXPECT_TRUE(Search().Locate(1, "AP"));
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
    EXPECT_FALSE(Search().Locate(1, "cherry"));
    EXPECT_FALSE(Search().Locate(1, ""));
    EXPECT_EQ(Search().GetSearchText(), "AP") << "a failed search leaves the running one";
    EXPECT_EQ(FController.GetFocusedRecordIndex(), 0);
}

TEST_F(ControllerSearch, FocusingAnotherRowOrEditingEndsTheSearch) {
    ASSERT_TRUE(Search().Locate(1, "b"));
    TNoticeLog log(FController);
    FController.ChangeFocusedRowIndex(0);
    EXPECT_FALSE(Search().IsSearching());
    EXPECT_EQ(Search().GetSearchText(), "");
    EXPECT_EQ(log.Entries, (Notices{"row 0 1", "record 0 1", "search", "selection 1 0"}));
    EXPECT_FALSE(Search().LocateNext(true));

    ASSERT_TRUE(Search().Locate(1, "b"));
    log.Entries.clear();
    FController.Change({dccEditedRecord});
    EXPECT_FALSE(Search().IsSearching());
    EXPECT_EQ(log.Entries, (Notices{"TuiUpdateRecordInfo", "search"}));

    ASSERT_TRUE(Search().Locate(1, "b"));
    FController.RemoveItem(FController.GetItem(1));
    EXPECT_FALSE(Search().IsSearching());
    EXPECT_EQ(Search().GetItemIndex(), -1);
}

TEST_F(ControllerSearch, AMultiSelectControllerSelectsTheFoundRowAlone) {
    FController.SetMultiSelect(true);
    FController.SelectAll();
    ASSERT_TRUE(Search().Locate(1, "be"));
    EXPECT_EQ(FController.GetSelectedRowCount(), 1);
    EXPECT_TRUE(FController.IsRowSelected(2));
}

} // namespace
} // namespace ui
