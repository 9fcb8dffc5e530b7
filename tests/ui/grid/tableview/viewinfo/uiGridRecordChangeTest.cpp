#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataChanges.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/view/uiGridChanges.h"
#include "ui/grid/view/uiGridSite.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// The view on a form on the display, where a repainted record shows as the site window's pending update.
class GridRecordChangeTest : public ui_test::GridTableLayoutTest {
protected:
    GridRecordChangeTest() : GridTableLayoutTest(ui_test::TFormPlacement::OnScreen) {}
    void ShowRecords(int records) {
        Fill(records);
        ui_test::PumpMessages(100);
        UpdateWindow(View->Site().Handle());
    }
    TuiGridTableViewInfo& ViewInfo() const { return static_cast<TuiGridTableViewInfo&>(View->ViewInfo()); }
    TuiCustomGridRecord& Record(int32_t rowIndex) const { return *View->ViewData().GetRecordAt(rowIndex); }
    // The bounds of what waits to be painted; empty when nothing does.
    vcl::TRect PendingBounds() const {
        RECT pending{};
        GetUpdateRect(View->Site().Handle(), &pending, FALSE);
        return vcl::Rect(pending.left, pending.top, pending.right, pending.bottom);
    }
    void PaintPending() const { UpdateWindow(View->Site().Handle()); }
};

TEST_F(GridRecordChangeTest, ARecordRepaintsItsCellOrItsRowOnlyWhereTheViewShowsIt) {
    ShowRecords(40);
    const TuiGridDataRowViewInfo* row = ViewInfo().RowOfRecord(1);
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(PendingBounds(), vcl::TRect{});

    Record(1).Invalidate(View->Columns(1));
    EXPECT_EQ(PendingBounds(), row->Cells(1).Bounds());
    PaintPending();
    Record(1).Invalidate();
    EXPECT_EQ(PendingBounds(), row->Bounds());
    PaintPending();

    ASSERT_EQ(ViewInfo().RowOfRecord(39), nullptr) << "below the rows shown";
    Record(39).Invalidate();
    EXPECT_EQ(PendingBounds(), vcl::TRect{});
    View->Columns(2)->SetVisible(false);
    ui_test::PumpMessages(50);
    PaintPending();
    Record(1).Invalidate(View->Columns(2));
    EXPECT_EQ(PendingBounds(), vcl::TRect{}) << "a hidden column has no cell";
}

TEST_F(GridRecordChangeTest, AnotherFocusedColumnRepaintsOnlyTheTwoCellsOfTheFocusedRecord) {
    ShowRecords(10);
    View->DataController().ChangeFocusedRowIndex(1);
    View->Controller().SetFocusedItem(View->Columns(0));
    ui_test::PumpMessages(50);
    PaintPending();
    const TuiGridDataRowViewInfo* row = ViewInfo().RowOfRecord(1);
    ASSERT_NE(row, nullptr);
    View->Controller().SetFocusedItem(View->Columns(2));
    const vcl::TRect first = row->Cells(0).Bounds();
    const vcl::TRect last = row->Cells(2).Bounds();
    EXPECT_EQ(PendingBounds(), vcl::Rect(first.Left, first.Top, last.Right, last.Bottom));
}

TEST_F(GridRecordChangeTest, AnotherFocusedRecordRepaintsTheRowsThatLoseAndGainTheFocus) {
    ShowRecords(10);
    // With several records selectable, moving the focus leaves the selection alone.
    View->OptionsSelection().SetMultiSelect(true);
    View->DataController().ChangeFocusedRowIndex(1);
    ui_test::PumpMessages(50);
    PaintPending();
    View->DataController().ChangeFocusedRowIndex(3);
    const vcl::TRect lost = ViewInfo().RowOfRecord(1)->Bounds();
    const vcl::TRect gained = ViewInfo().RowOfRecord(3)->Bounds();
    EXPECT_EQ(PendingBounds(), vcl::Rect(lost.Left, lost.Top, gained.Right, gained.Bottom));
    const vcl::TRect between = ViewInfo().RowOfRecord(2)->Bounds();
    const RECT row2{between.Left, between.Top, between.Right, between.Bottom};
    HRGN pending = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(View->Site().Handle(), pending, FALSE);
    EXPECT_FALSE(RectInRegion(pending, &row2)) << "the row between keeps its pixels";
    DeleteObject(pending);
}

TEST_F(GridRecordChangeTest, AColumnTakesTheFocusWhenShownFocusableAndTheRecordSelectsCells) {
    Fill(2);
    TuiGridColumn* column = View->Columns(1);
    TuiCustomGridRecord* record = &Record(0);
    EXPECT_TRUE(column->CanFocus(record));
    EXPECT_TRUE(column->CanFocus(nullptr));
    column->Options().SetFocusing(false);
    EXPECT_FALSE(column->CanFocus(record));
    column->Options().SetFocusing(true);
    View->OptionsSelection().SetCellSelect(false);
    EXPECT_FALSE(column->CanFocus(record));
    EXPECT_FALSE(column->CanFocus(nullptr));
    View->OptionsSelection().SetCellSelect(true);
    column->SetVisible(false);
    EXPECT_FALSE(column->CanFocus(&Record(0)));
}

TEST_F(GridRecordChangeTest, RecordChangesMatchByRowAndItemAndGiveWayToLayoutSizeAndDataChanges) {
    Fill(3);
    TuiGridColumn* column = View->Columns(0);
    const TuiGridRecordChange change(View, column, 1);
    EXPECT_TRUE(change.Matches(TuiGridRecordChange(View, column, 1)));
    EXPECT_FALSE(change.Matches(TuiGridRecordChange(View, column, 2)));
    EXPECT_FALSE(change.Matches(TuiGridRecordChange(View, nullptr, 1)));
    EXPECT_FALSE(change.Matches(TuiGridDataChange(View)));

    EXPECT_TRUE(change.IsCoveredBy(TuiGridLayoutChange(View)));
    EXPECT_TRUE(change.IsCoveredBy(TuiGridSizeChange(View, true, false)));
    EXPECT_TRUE(change.IsCoveredBy(TuiGridDataChange(View)));
    EXPECT_FALSE(change.IsCoveredBy(TuiGridViewChange(View, vcl::TRect{})));
    auto other = std::make_unique<TuiGridTableView>(Form.get());
    EXPECT_FALSE(change.IsCoveredBy(TuiGridLayoutChange(other.get()))) << "another view's layout";
}

TEST_F(GridRecordChangeTest, FocusingRecordsAndItemsGoesThroughTheControllers) {
    Fill(4);
    Record(2).SetFocused(true);
    EXPECT_EQ(View->DataController().GetFocusedRowIndex(), 2);
    EXPECT_TRUE(Record(2).GetFocused());
    Record(1).SetFocused(false);
    EXPECT_EQ(View->DataController().GetFocusedRowIndex(), 2) << "only the focused record gives the focus up";
    Record(2).SetFocused(false);
    EXPECT_EQ(View->DataController().GetFocusedRowIndex(), -1);

    struct TCase {
        int32_t focused;
        int32_t next;
    };
    for (const TCase c : {TCase{1, 2}, TCase{2, 1}}) {
        View->Columns(c.focused)->SetFocused(true);
        ASSERT_TRUE(View->Columns(c.focused)->Focused());
        View->Columns(c.focused)->SetFocused(false);
        EXPECT_TRUE(View->Columns(c.next)->Focused()) << "from column " << c.focused;
    }
    View->Columns(0)->SetVisible(false);
    View->Columns(1)->SetVisible(false);
    View->Columns(2)->SetFocused(true);
    View->Columns(2)->SetFocused(false);
    EXPECT_EQ(View->Controller().FocusedItem(), nullptr) << "no other visible column";
}

TEST_F(GridRecordChangeTest, KeypadPlusAndMinusExpandAndCollapseTheFocusedGroupRow) {
    Fill(4);
    View->Columns(0)->SetGroupIndex(0);
    ASSERT_TRUE(Record(0).GetExpandable());
    View->ViewData().CollapseAll(false);
    View->DataController().ChangeFocusedRowIndex(0);
    const int32_t collapsedRows = View->ViewData().RecordCount();
    for (uint16_t key : {uint16_t{VK_ADD}, uint16_t{VK_SUBTRACT}}) {
        uint16_t pressed = key;
        View->Controller().KeyDown(pressed, {});
        EXPECT_EQ(pressed, 0) << "consumed";
        EXPECT_EQ(Record(0).GetExpanded(), key == VK_ADD);
        EXPECT_EQ(View->ViewData().RecordCount(), collapsedRows + (key == VK_ADD ? 1 : 0));
    }
    uint16_t other = VK_F2;
    Record(0).KeyDown(other, {});
    EXPECT_EQ(other, VK_F2) << "other keys are left alone";
    uint16_t plusOnData = VK_ADD;
    View->Columns(0)->SetGroupIndex(-1);
    Record(0).KeyDown(plusOnData, {});
    EXPECT_EQ(plusOnData, VK_ADD) << "a data row does not expand";
}

} // namespace
} // namespace ui
