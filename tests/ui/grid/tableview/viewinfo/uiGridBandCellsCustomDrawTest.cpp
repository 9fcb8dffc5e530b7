// The custom drawing of a table view's cells besides its data cells: each handler is handed the real cell view info
// it paints, whose bounds are what it may paint.

#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableSummaryItem.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridGroupCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorItemViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::CountPixels;
using ui_test::RgbOf;

using GridBandCellsCustomDrawTest = ui_test::GridTableLayoutTest;

vcl::TPoint CentreOf(const vcl::TRect& rect) {
    return vcl::Point((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
}

TEST_F(GridBandCellsCustomDrawTest, AGroupRowsHandlerIsHandedItsGroupCellAndPaintsIt) {
    Fill(4);
    View->Columns(2)->SetGroupIndex(0);
    std::vector<TuiGridTableCellViewInfo*> handed;
    View->SetOnCustomDrawGroupCell(
        [&](TuiGridTableView&, TuiCanvas& canvas, TuiGridTableCellViewInfo* cell, bool& done) {
            handed.push_back(cell);
            done = cell->GridRecord()->RecordIndex() != 0;
            if (done) {
                canvas.FillRectColor(cell->Bounds(), vcl::clLime);
            }
        });
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto painted = Paint();
    std::vector<TuiGridTableCellViewInfo*> groupCells;
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        if (row.GroupCell() == nullptr) {
            continue;
        }
        groupCells.push_back(row.GroupCell());
        EXPECT_EQ(row.GroupCell()->Bounds(), row.GroupCellBounds());
        const vcl::TColor centre =
            painted->Surface.Pixel(CentreOf(row.GroupCellBounds()).X, row.GroupCellBounds().Top + 2);
        const bool handlerPainted = row.GroupCell()->GridRecord()->RecordIndex() != 0;
        EXPECT_EQ(centre == RgbOf(vcl::clLime), handlerPainted) << "row " << position;
    }
    ASSERT_EQ(groupCells.size(), 4u);
    EXPECT_EQ(handed, groupCells);
}

TEST_F(GridBandCellsCustomDrawTest, AFooterCellGoesToItsColumnsHandlerFirstAndToTheViewsOnlyWhenNotDone) {
    Fill(10);
    View->OptionsView().SetFooter(true);
    TuiDataSummaryItems& items = View->DataController().Summary().FooterSummaryItems();
    for (const int column : {0, 1}) {
        auto& item = static_cast<TuiGridTableSummaryItem&>(items.AddItem());
        item.SetColumn(View->Columns(column));
        item.SetKind(skCount);
    }
    std::vector<std::string> calls;
    std::vector<vcl::TRect> bounds;
    View->Columns(1)->SetOnCustomDrawFooterCell(
        [&](TuiGridTableView&, TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* cell, bool& done) {
            calls.push_back("column");
            bounds.push_back(cell->Bounds());
            EXPECT_NE(dynamic_cast<TuiGridFooterCellViewInfo*>(cell), nullptr);
            canvas.FillRectColor(cell->Bounds(), vcl::clRed);
            done = true;
        });
    View->SetOnCustomDrawFooterCell([&](TuiGridTableView&, TuiCanvas&, TuiGridColumnHeaderViewInfo* cell, bool&) {
        calls.push_back(&cell->Column() == View->Columns(0) ? "view 0" : "view 1");
        bounds.push_back(cell->Bounds());
    });
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto painted = Paint();
    const TuiGridFooterViewInfo& footer = viewInfo.Footer();
    ASSERT_EQ(footer.CellCount(), 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"view 0", "column"}));
    EXPECT_EQ(bounds, (std::vector<vcl::TRect>{footer.Cells(0).Bounds, footer.Cells(1).Bounds}));
    EXPECT_EQ(painted->Surface.Pixel(CentreOf(footer.Cells(1).Bounds).X, CentreOf(footer.Cells(1).Bounds).Y),
              RgbOf(vcl::clRed));
    EXPECT_NE(painted->Surface.Pixel(CentreOf(footer.Cells(0).Bounds).X, footer.Cells(0).Bounds.Top + 1),
              RgbOf(vcl::clRed))
        << "the view's handler left the other cell to the look";
}

TEST_F(GridBandCellsCustomDrawTest, TheIndicatorsItemsAreHandedToTheViewsHandlerWithTheirBounds) {
    Fill(3);
    View->OptionsView().SetIndicator(true);
    View->OptionsView().SetFooter(true);
    std::vector<vcl::TRect> handed;
    std::vector<TuiGridIndicatorItemKind> kinds;
    View->SetOnCustomDrawIndicatorCell(
        [&](TuiGridTableView&, TuiCanvas& canvas, TuiCustomGridCellViewInfo* cell, bool& done) {
            handed.push_back(cell->Bounds());
            const auto* item = dynamic_cast<TuiGridIndicatorItemViewInfo*>(cell);
            ASSERT_NE(item, nullptr);
            kinds.push_back(item->Kind());
            if (item->Kind() == TuiGridIndicatorItemKind::Row) {
                canvas.FillRectColor(cell->Bounds(), vcl::clBlue);
                done = true;
            }
        });
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto painted = Paint();
    const TuiGridIndicatorViewInfo& indicator = viewInfo.Indicator();
    std::vector<vcl::TRect> expected{indicator.HeaderItemBounds()};
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        expected.push_back(indicator.RowItemBounds(viewInfo.Rows(position)));
    }
    expected.push_back(indicator.FooterItemBounds());
    EXPECT_EQ(handed, expected);
    ASSERT_EQ(kinds.size(), 5u);
    EXPECT_EQ(kinds.front(), TuiGridIndicatorItemKind::Header);
    EXPECT_EQ(kinds.back(), TuiGridIndicatorItemKind::Footer);
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const vcl::TRect item = indicator.RowItemBounds(viewInfo.Rows(position));
        EXPECT_EQ(painted->Surface.Pixel(CentreOf(item).X, CentreOf(item).Y), RgbOf(vcl::clBlue));
    }
}

} // namespace
} // namespace ui
