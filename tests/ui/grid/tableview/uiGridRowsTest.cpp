#include "ui/grid/tableview/uiGridRows.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/summary/uiDataSummaryItems.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// Four records grouped by a "Region" column: two groups ("East", "West"), collapsed.
class GridRowsTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
        TuiGridColumn* region = View->CreateColumn();
        region->SetCaption(u"Region");
        TuiGridColumn* amount = View->CreateColumn();
        View->DataController().ChangeValueTypeClass(amount->Index(), &TuiIntegerValueType::Instance());
        const char16_t* regions[] = {u"West", u"East", u"West", u"East"};
        View->BeginUpdate();
        View->DataController().SetRecordCount(4);
        for (int32_t record = 0; record < 4; ++record) {
            View->DataController().SetValue(record, 0, rtl::Variant(regions[record]));
            View->DataController().SetValue(record, 1, rtl::Variant(record + 1));
        }
        View->EndUpdate();
    }
    TuiCustomGridRow* Row(int32_t index) const {
        return dynamic_cast<TuiCustomGridRow*>(View->ViewData().GetRecordAt(index));
    }
    void Group() { View->Columns(0)->SetGroupIndex(0); }

    TuiGridTableView* View = nullptr;
};

TEST_F(GridRowsTest, RowsBelowTheGroupedItemCountAreGroupRowsTheOthersDataRows) {
    ASSERT_NE(dynamic_cast<TuiGridDataRow*>(Row(0)), nullptr);
    EXPECT_TRUE(Row(0)->SupportsCellSelection());
    EXPECT_TRUE(Row(0)->GetHasCells());
    Group();
    ASSERT_EQ(View->ViewData().RecordCount(), 2);
    auto* group = dynamic_cast<TuiGridGroupRow*>(Row(0));
    ASSERT_NE(group, nullptr);
    EXPECT_FALSE(group->GetIsData());
    EXPECT_FALSE(group->SupportsCellSelection());
    EXPECT_EQ(group->GroupedColumn(), View->Columns(0));
    Row(0)->SetExpanded(true);
    ASSERT_EQ(View->ViewData().RecordCount(), 4);
    EXPECT_NE(dynamic_cast<TuiGridGroupRow*>(Row(0)), nullptr);
    EXPECT_NE(dynamic_cast<TuiGridDataRow*>(Row(1)), nullptr);
}

TEST_F(GridRowsTest, ArrowsAndKeypadKeysExpandAndCollapseAGroupRowAndAreConsumed) {
    Group();
    struct Case {
        uint16_t Key;
        int32_t RowCount;
    };
    for (const Case& c : {Case{VK_RIGHT, 4}, Case{VK_LEFT, 2}, Case{VK_ADD, 4}, Case{VK_SUBTRACT, 2}}) {
        uint16_t key = c.Key;
        Row(0)->KeyDown(key, {});
        EXPECT_EQ(key, 0) << c.Key;
        EXPECT_EQ(View->ViewData().RecordCount(), c.RowCount) << c.Key;
    }
    uint16_t other = VK_DOWN;
    Row(0)->KeyDown(other, {});
    EXPECT_EQ(other, VK_DOWN);
}

TEST_F(GridRowsTest, WithGroupsAlwaysExpandedNoKeyDoesAnythingAndDataRowsPassThemOn) {
    Group();
    View->DataController().SetOptions(View->DataController().Options() +
                                      TuiDataControllerOptions{dcoGroupsAlwaysExpanded});
    const int32_t rowCount = View->ViewData().RecordCount();
    ASSERT_NE(dynamic_cast<TuiGridGroupRow*>(Row(0)), nullptr);
    EXPECT_FALSE(Row(0)->GetExpandable());
    const int32_t dataRow = rowCount - 1;
    ASSERT_NE(dynamic_cast<TuiGridDataRow*>(Row(dataRow)), nullptr);
    for (uint16_t pressed : {uint16_t{VK_RIGHT}, uint16_t{VK_LEFT}, uint16_t{VK_ADD}, uint16_t{VK_SUBTRACT}}) {
        for (int32_t row : {0, dataRow}) {
            uint16_t key = pressed;
            Row(row)->KeyDown(key, {});
            EXPECT_EQ(key, pressed) << row;
        }
        EXPECT_EQ(View->ViewData().RecordCount(), rowCount);
    }
}

TEST_F(GridRowsTest, AGroupRowShowsTheCaptionTheGroupTextAndItsSummary) {
    Group();
    auto* east = dynamic_cast<TuiGridGroupRow*>(Row(0));
    ASSERT_NE(east, nullptr);
    EXPECT_EQ(east->GetDisplayCaption(), u"Region : East");
    EXPECT_EQ(east->GetDisplayTextWithSummary(), u"Region : East");
    View->Columns(0)->SetAlternateCaption(u"Area");
    EXPECT_EQ(east->GetDisplayCaption(), u"Area : East");

    TuiDataSummaryItem& count = View->DataController().Summary().DefaultGroupSummaryItems().AddItem();
    count.SetKind(skCount);
    auto* grouped = dynamic_cast<TuiGridGroupRow*>(Row(0));
    ASSERT_NE(grouped, nullptr);
    const rtl::UnicodeString summary = View->DataController().Summary().GetGroupSummaryDisplayText(0);
    ASSERT_FALSE(summary.empty());
    EXPECT_EQ(grouped->GetDisplayTextWithSummary(), u"Area : East " + summary);
}

TEST_F(GridRowsTest, DataRowsOfAViewWithDetailLevelsAreMasterRows) {
    View->Level()->Add();
    auto* master = dynamic_cast<TuiGridMasterDataRow*>(Row(0));
    ASSERT_NE(master, nullptr);
    EXPECT_TRUE(master->SupportsCellSelection());
    EXPECT_FALSE(master->GetExpanded());
    EXPECT_FALSE(master->HasDetailsWithData());
    EXPECT_TRUE(master->GetExpandable());
    EXPECT_TRUE(master->ExpandsOnDblClick());
    View->OptionsBehavior().SetExpandMasterRowOnDblClick(false);
    EXPECT_FALSE(master->ExpandsOnDblClick());
    View->Level()->Options().SetTabsForEmptyDetails(false);
    EXPECT_FALSE(master->GetExpandable());
    uint16_t key = VK_RIGHT;
    master->KeyDown(key, {});
    EXPECT_EQ(key, VK_RIGHT);
}

} // namespace
} // namespace ui
