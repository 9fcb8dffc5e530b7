#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include "rtl/variants/VariantConversions.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/framework/uiEditViewInfo.h"
#include "ui/grid/customtable/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/uiGridDataController.h"
#include "ui/grid/customtable/uiGridRecordHitTests.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/uiGridUnit.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using GridTableViewInfoTest = ui_test::GridTableLayoutTest;

vcl::TPoint CentreOf(const vcl::TRect& rect) {
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

std::vector<const TuiGridDataRowViewInfo*> RowObjects(const TuiGridTableViewInfo& viewInfo) {
    std::vector<const TuiGridDataRowViewInfo*> rows;
    for (int32_t i = 0; i < viewInfo.RowCount(); ++i) {
        rows.push_back(&viewInfo.Rows(i));
    }
    return rows;
}

TEST_F(GridTableViewInfoTest, TheLayoutHoldsItsInvariantsAfterEveryCalculationAndScroll) {
    Fill(40);
    TuiGridTableViewInfo& viewInfo = Layout();
    ASSERT_EQ(viewInfo.ColumnHeaderCount(), 3);
    ASSERT_GT(viewInfo.RowCount(), 2);
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.DataWidth(), 60 + 80 + 100);

    viewInfo.ScrollRecords(2);
    ui_test::ExpectLayoutInvariants(viewInfo);
    viewInfo.ScrollRecords(-1);
    ui_test::ExpectLayoutInvariants(viewInfo);
    viewInfo.ScrollHorizontally(-25);
    EXPECT_EQ(viewInfo.LeftPos(), 25);
    ui_test::ExpectLayoutInvariants(viewInfo);
    viewInfo.Recalculate();
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), 1);
    ui_test::ExpectLayoutInvariants(viewInfo);

    Layout(vcl::Rect(0, 0, 50, 10));
    ui_test::ExpectLayoutInvariants(viewInfo);
}

TEST_F(GridTableViewInfoTest, RowsCountWhatTheContentShows) {
    Fill(40);
    TuiGridTableViewInfo& viewInfo = Layout();
    const int32_t rowHeight = viewInfo.DataRowHeight();
    const int32_t headerHeight = viewInfo.HeaderHeight();
    const vcl::TRect exact = vcl::Rect(0, 0, 300, headerHeight + 5 * rowHeight);
    Layout(exact);
    EXPECT_EQ(viewInfo.VisibleRows().VisibleCount, 5);
    EXPECT_EQ(viewInfo.RowCount(), 5);
    EXPECT_TRUE(viewInfo.VisibleRows().FirstRowComplete);

    Layout(vcl::Rect(0, 0, 300, exact.Bottom - 1));
    EXPECT_EQ(viewInfo.VisibleRows().VisibleCount, 4);
    EXPECT_EQ(viewInfo.VisibleRows().PartlyVisibleCount, 5);

    Layout(vcl::Rect(0, 0, 300, headerHeight + rowHeight / 2));
    EXPECT_EQ(viewInfo.VisibleRows().VisibleCount, 1);
    EXPECT_FALSE(viewInfo.VisibleRows().FirstRowComplete);
}

TEST_F(GridTableViewInfoTest, RowHeightCarriesTheHorizontalGridLineAndHeaderHeightTheFrame) {
    Fill(3);
    TuiGridTableViewInfo& viewInfo = Layout();
    const int32_t withLine = viewInfo.DataRowHeight();
    EXPECT_GT(withLine, 1);
    View->OptionsView().SetGridLines(glNone);
    Layout();
    EXPECT_EQ(viewInfo.DataRowHeight(), withLine - 1);
    View->OptionsView().SetGridLines(glVertical);
    Layout();
    EXPECT_EQ(viewInfo.DataRowHeight(), withLine - 1);

    ui_test::TGridCanvasSurface measure(10, 10);
    measure.Canvas.SetFont(Grid->Font());
    const int32_t frame = View->LookAndFeelPainter()->HeaderFrameWidth();
    EXPECT_EQ(viewInfo.HeaderHeight(), measure.Canvas.GetTextHeight(u"Qq") + 4 + 2 * frame);
    View->Columns(0)->SetSortOrder(soAscending);
    Layout();
    EXPECT_EQ(viewInfo.HeaderHeight(), measure.Canvas.GetTextHeight(u"Qq") + 4 + 2 * frame)
        << "the sorting mark adds no height";
    View->OptionsView().SetHeader(false);
    Layout();
    EXPECT_EQ(viewInfo.HeaderHeight(), 0);
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Top, 0);
    ui_test::ExpectLayoutInvariants(viewInfo);
}

TEST_F(GridTableViewInfoTest, CellsCarryTheGridLinesAsBorders) {
    Fill(3);
    struct TCase {
        TuiGridLines Lines;
        TuiBorders Inner;
        TuiBorders Last;
    };
    const TCase cases[] = {{glBoth, {bRight, bBottom}, {bRight, bBottom}},
                           {glNone, {}, {}},
                           {glVertical, {bRight}, {bRight}},
                           {glHorizontal, {bBottom}, {bRight, bBottom}}};
    for (const TCase& c : cases) {
        View->OptionsView().SetGridLines(c.Lines);
        TuiGridTableViewInfo& viewInfo = Layout();
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(0);
        EXPECT_EQ(row.Cells(0).Borders(), c.Inner) << static_cast<int>(c.Lines);
        EXPECT_EQ(row.Cells(2).Borders(), c.Last) << static_cast<int>(c.Lines);
    }
}

TEST_F(GridTableViewInfoTest, HitTestsRoundTripOverHeadersAndCells) {
    Fill(4);
    TuiGridTableViewInfo& viewInfo = Layout();
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        for (int32_t i = 0; i < row.CellCount(); ++i) {
            TuiCustomGridHitTest& hitTest = viewInfo.GetHitTest(CentreOf(row.Cells(i).Bounds()));
            ASSERT_EQ(hitTest.GetHitTestCode(), 107) << position << ", " << i;
            auto& cellHitTest = static_cast<TuiGridRecordCellHitTest&>(hitTest);
            EXPECT_EQ(cellHitTest.RowIndex(), row.RowIndex());
            EXPECT_EQ(cellHitTest.Item(), View->VisibleColumns(i));
            EXPECT_EQ(cellHitTest.ViewInfo(), &row.Cells(i));
        }
    }
    for (int32_t i = 0; i < viewInfo.ColumnHeaderCount(); ++i) {
        const TuiGridColumnHeaderViewInfo& header = viewInfo.ColumnHeaders(i);
        TuiCustomGridHitTest& centre = viewInfo.GetHitTest(CentreOf(header.Bounds()));
        ASSERT_EQ(centre.GetHitTestCode(), 202) << i;
        EXPECT_EQ(static_cast<TuiCustomGridColumnHitTest&>(centre).Column(), View->VisibleColumns(i));
        EXPECT_EQ(static_cast<TuiCustomGridColumnHitTest&>(centre).ColumnContainerKind(), ckHeader);
        for (int32_t dx : {-3, 3}) {
            TuiCustomGridHitTest& edge = viewInfo.GetHitTest({header.Bounds().Right + dx, CentreOf(header.Bounds()).Y});
            ASSERT_EQ(edge.GetHitTestCode(), 203) << i << " at " << dx;
            EXPECT_EQ(static_cast<TuiCustomGridColumnHitTest&>(edge).Column(), View->VisibleColumns(i));
            EXPECT_EQ(edge.Cursor(), crGridHorzSize);
        }
    }
    const vcl::TRect& lastRow = viewInfo.Rows(viewInfo.RowCount() - 1).Bounds();
    EXPECT_EQ(viewInfo.GetHitTest({10, lastRow.Bottom + 2}).GetHitTestCode(), 0);

    View->OptionsCustomize().SetColumnHorzSizing(false);
    const vcl::TRect& first = viewInfo.ColumnHeaders(0).Bounds();
    EXPECT_EQ(viewInfo.GetHitTest({first.Right - 2, first.Top + 2}).GetHitTestCode(), 202)
        << "no sizing edge when columns cannot be sized";
}

TEST_F(GridTableViewInfoTest, ScrollingKeepsTheRowsStillShownAndMovesThemByTheRowsThatWent) {
    Fill(40);
    TuiGridTableViewInfo& viewInfo = Layout();
    const std::vector<const TuiGridDataRowViewInfo*> before = RowObjects(viewInfo);
    const int32_t firstTwo = before[0]->Bounds().Height() + before[1]->Bounds().Height();
    const vcl::TRect thirdBefore = before[2]->Bounds();

    EXPECT_EQ(viewInfo.ScrollRecords(2), -firstTwo);
    const std::vector<const TuiGridDataRowViewInfo*> after = RowObjects(viewInfo);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i + 2 < before.size(); ++i) {
        EXPECT_EQ(after[i], before[i + 2]) << "kept row " << i;
    }
    EXPECT_EQ(after[0]->Bounds().Top, thirdBefore.Top - firstTwo);
    for (size_t i = after.size() - 2; i < after.size(); ++i) {
        EXPECT_EQ(std::count(before.begin() + 2, before.end(), after[i]), 0) << "new row " << i;
        EXPECT_EQ(after[i]->RowIndex(), static_cast<int32_t>(i + 2));
    }
    EXPECT_EQ(after[0]->RowIndex(), 2);
    ui_test::ExpectLayoutInvariants(viewInfo);

    const size_t laidOut = after.size();
    EXPECT_EQ(viewInfo.ScrollRecords(static_cast<int32_t>(laidOut)), 0) << "a page is laid out anew";
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), static_cast<int32_t>(2 + laidOut));
}

TEST_F(GridTableViewInfoTest, TheTopRecordStaysWithinTheRecords) {
    Fill(5);
    TuiGridTableViewInfo& viewInfo = Layout();
    viewInfo.ScrollRecords(100);
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), 4);
    viewInfo.ScrollRecords(-100);
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), 0);
    View->DataController().SetRecordCount(0);
    Layout();
    EXPECT_EQ(viewInfo.RowCount(), 0);
    EXPECT_TRUE(viewInfo.HasNoDataText());
    EXPECT_EQ(viewInfo.ScrollRecords(3), 0);
}

TEST_F(GridTableViewInfoTest, EqualCellsOfAMergingColumnMergeIntoTheFirstUntilASelectedRow) {
    Fill(5);
    const char16_t* values[] = {u"A", u"A", u"A", u"B", u"B"};
    View->BeginUpdate();
    for (int32_t record = 0; record < 5; ++record) {
        View->DataController().SetValue(record, 0, rtl::Variant(rtl::UnicodeString(values[record])));
    }
    View->EndUpdate();
    View->Columns(0)->Options().SetCellMerging(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    ASSERT_TRUE(viewInfo.HasMergingColumn());
    const TuiGridDataCellViewInfo& first = viewInfo.Rows(0).Cells(0);
    EXPECT_TRUE(first.IsMerging());
    EXPECT_EQ(first.Bounds().Bottom, viewInfo.Rows(2).Bounds().Bottom);
    EXPECT_EQ(first.UnmergedBounds(), viewInfo.Placement().Rows[0].Cells[0]);
    EXPECT_EQ(first.EditViewInfo().Bounds, first.ContentBounds()) << "the editor fills the merged cell";
    EXPECT_EQ(viewInfo.Rows(1).Cells(0).MergingCell(), &first);
    EXPECT_EQ(viewInfo.Rows(2).Cells(0).MergingCell(), &first);
    EXPECT_TRUE(viewInfo.Rows(3).Cells(0).IsMerging());
    EXPECT_FALSE(viewInfo.Rows(0).Cells(1).IsMerging()) << "other columns do not merge";
    TuiCustomGridHitTest& hitTest = viewInfo.GetHitTest(CentreOf(viewInfo.Rows(1).Cells(0).Bounds()));
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(hitTest).RowIndex(), 1) << "a merged cell is still hit";

    View->OptionsSelection().SetMultiSelect(true);
    View->DataController().ChangeRowSelection(1, true);
    Layout();
    EXPECT_EQ(viewInfo.Rows(0).Cells(0).Bounds().Bottom, viewInfo.Rows(1).Bounds().Bottom)
        << "the merge stops after the selected row";
    EXPECT_FALSE(viewInfo.Rows(2).Cells(0).IsMerged());

    viewInfo.ScrollRecords(1);
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), 1);
    EXPECT_FALSE(viewInfo.Rows(0).Cells(0).IsMerging()) << "a selected row does not merge";
    EXPECT_TRUE(viewInfo.Rows(2).Cells(0).IsMerging());
    ui_test::ExpectLayoutInvariants(viewInfo);
}

TEST_F(GridTableViewInfoTest, ACellShowsItsRecordsValueThroughItsColumnsEditor) {
    Fill(3);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridDataRowViewInfo& row = viewInfo.Rows(1);
    EXPECT_EQ(rtl::VarToStr(row.Cells(0).CellDisplayValue()), u"Item 1");
    EXPECT_EQ(rtl::VarToStr(row.Cells(2).CellDisplayValue()), u"2");
    EXPECT_EQ(row.Cells(0).EditViewInfo().Bounds, row.Cells(0).ContentBounds());
}

} // namespace
} // namespace ui
