#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include "rtl/variants/VariantConversions.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnCellEditor.h"
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

    ScrollTo(2);
    ui_test::ExpectLayoutInvariants(viewInfo);
    ScrollTo(1);
    ui_test::ExpectLayoutInvariants(viewInfo);
    View->Columns(2)->SetWidth(400);
    Layout();
    ScrollLeftTo(25);
    EXPECT_EQ(viewInfo.LeftPos(), 25);
    EXPECT_EQ(viewInfo.ColumnHeaders(0).Bounds().Left, -25);
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

TEST_F(GridTableViewInfoTest, HeadersTakeTheirWrappedCaptionsHeightsWhenAskedAndPaintThemWrapped) {
    Fill(3);
    TuiGridTableViewInfo& viewInfo = Layout();
    const int32_t oneLine = viewInfo.HeaderHeight();
    EXPECT_FALSE(viewInfo.ColumnHeaders(0).MultiLinePainting());
    View->OptionsView().SetHeaderAutoHeight(true);
    Layout();
    EXPECT_EQ(viewInfo.HeaderHeight(), oneLine) << "short captions keep one line";
    EXPECT_TRUE(viewInfo.ColumnHeaders(0).MultiLinePainting());

    View->Columns(0)->SetCaption(u"A caption of many words to wrap");
    Layout();
    const int32_t line = viewInfo.ColumnHeaders(1).CaptionHeight();
    const int32_t wrapped = viewInfo.ColumnHeaders(0).CaptionHeight();
    EXPECT_GE(wrapped, 3 * line) << "wrapped to the header's text area";
    EXPECT_EQ(viewInfo.HeaderHeight(), oneLine - line + wrapped);
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(Paint()->Surface.Pixels(), Paint()->Surface.Pixels());

    View->OptionsView().SetHeaderAutoHeight(false);
    View->OptionsView().SetHeaderHeight(50);
    Layout();
    EXPECT_EQ(viewInfo.HeaderHeight(), 50);
    EXPECT_TRUE(viewInfo.ColumnHeaders(0).MultiLinePainting()) << "a stored height paints wrapped captions";
    EXPECT_EQ(viewInfo.ColumnHeaders(0).CaptionHeight(), line) << "but does not measure them";
}

TEST_F(GridTableViewInfoTest, AnAutomaticRowIsTheTallestEditorPlusItsLineAndAStoredOneIsKept) {
    Fill(3);
    TuiGridTableViewInfo& viewInfo = Layout();
    int32_t tallest = 0;
    for (int32_t i = 0; i < 3; ++i) {
        TuiDrawParams params;
        View->Styles().GetDataCellParams(nullptr, View->VisibleColumns(i), params);
        tallest = std::max(tallest, viewInfo.CellEditor(i).DefaultCellHeight(viewInfo.MeasuringCanvas(), params.Font));
    }
    EXPECT_EQ(viewInfo.DataRowHeight(), tallest + 1);
    View->OptionsView().SetDataRowHeight(30);
    Layout();
    EXPECT_EQ(viewInfo.DataRowHeight(), 30) << "a stored height holds its grid line";
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Height(), 30);
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

TEST_F(GridTableViewInfoTest, AutomaticColumnWidthsFillTheContentAndKeepTheirMinimums) {
    Fill(6);
    View->OptionsView().SetColumnAutoWidth(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    ASSERT_EQ(viewInfo.ColumnHeaderCount(), 3);
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.ColumnHeaders(2).Bounds().Right, DefaultBounds.Right) << "the last header ends at the right";
    EXPECT_EQ(viewInfo.DataWidth(), DefaultBounds.Width());
    EXPECT_EQ(viewInfo.Rows(0).Cells(2).Bounds().Right, DefaultBounds.Right);
    EXPECT_LT(viewInfo.ColumnHeaders(0).Bounds().Width(), viewInfo.ColumnHeaders(2).Bounds().Width());
    EXPECT_EQ(View->Columns(0)->Width(), 60) << "the stored widths stay";
    ScrollLeftTo(40);
    EXPECT_EQ(viewInfo.LeftPos(), 0) << "nothing to scroll to when the columns fit";

    View->Columns(1)->Options().SetHorzSizing(false);
    Layout();
    EXPECT_EQ(viewInfo.ColumnHeaders(1).Bounds().Width(), 80) << "a column the user may not size keeps its width";
    EXPECT_EQ(viewInfo.DataWidth(), DefaultBounds.Width());

    View->Columns(2)->SetMinWidth(50);
    Layout(vcl::Rect(0, 0, 100, 200));
    EXPECT_EQ(viewInfo.ColumnHeaders(0).Bounds().Width(), TuiCustomGridTableItem::DefaultMinWidth);
    EXPECT_EQ(viewInfo.ColumnHeaders(1).Bounds().Width(), 80);
    EXPECT_EQ(viewInfo.ColumnHeaders(2).Bounds().Width(), 50);
    ui_test::ExpectLayoutInvariants(viewInfo);

    View->Columns(2)->SetMinWidth(20);
    for (int i = 2; i >= 0; --i) {
        View->Columns(i)->SetVisible(false);
    }
    Layout();
    EXPECT_EQ(viewInfo.ColumnHeaderCount(), 0);
    EXPECT_EQ(viewInfo.Placement().RowsAreaBounds.Width(), DefaultBounds.Width())
        << "without columns the rows still span the content";
}

TEST_F(GridTableViewInfoTest, ScrollingKeepsTheRowsStillShownAndMovesThemByTheRowsThatWent) {
    Fill(40);
    TuiGridTableViewInfo& viewInfo = Layout();
    const std::vector<const TuiGridDataRowViewInfo*> before = RowObjects(viewInfo);
    const int32_t firstTwo = before[0]->Bounds().Height() + before[1]->Bounds().Height();
    const vcl::TRect thirdBefore = before[2]->Bounds();

    ScrollTo(2);
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
    ScrollTo(static_cast<int32_t>(2 + laidOut));
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), static_cast<int32_t>(2 + laidOut)) << "a page is laid out anew";
    for (const TuiGridDataRowViewInfo* row : RowObjects(viewInfo)) {
        EXPECT_EQ(std::count(after.begin() + static_cast<std::ptrdiff_t>(laidOut), after.end(), row), 0);
    }
    ui_test::ExpectLayoutInvariants(viewInfo);
}

TEST_F(GridTableViewInfoTest, TheLayoutFollowsTheControllersTopRecordAndAnEmptyViewHasNoRows) {
    Fill(40);
    ScrollTo(5);
    TuiGridTableViewInfo& viewInfo = Layout();
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), 5) << "a fresh layout starts at the controller's top record";
    View->DataController().SetRecordCount(0);
    Layout();
    EXPECT_EQ(viewInfo.RowCount(), 0);
    EXPECT_TRUE(viewInfo.HasNoDataText());
    ScrollTo(3);
    EXPECT_EQ(viewInfo.RowCount(), 0);
}

TEST_F(GridTableViewInfoTest, AMergingCellShowsTheSelectionOfTheRowsItCovers) {
    Fill(6);
    const char16_t* values[] = {u"A", u"A", u"A", u"B", u"B", u"C"};
    View->BeginUpdate();
    for (int32_t record = 0; record < 6; ++record) {
        View->DataController().SetValue(record, 0, rtl::Variant(rtl::UnicodeString(values[record])));
    }
    View->EndUpdate();
    View->Columns(0)->Options().SetCellMerging(true);
    Grid->SetFocusedView(View);
    auto& selection = static_cast<TuiCustomGridTableOptionsSelection&>(View->OptionsSelection());
    selection.SetInvertSelect(false);
    selection.SetCellSelect(false);
    View->DataController().ChangeFocusedRowIndex(2);
    TuiGridTableViewInfo& viewInfo = Layout();
    viewInfo.RefreshSelectedCells();
    const TuiGridDataCellViewInfo& merging = viewInfo.Rows(0).Cells(0);
    ASSERT_EQ(viewInfo.Rows(2).Cells(0).MergingCell(), &merging) << "the focused row is covered";
    EXPECT_TRUE(merging.Selected()) << "as the focused row it covers";
    EXPECT_FALSE(viewInfo.Rows(0).Cells(1).Selected()) << "the other cells of its own row stay unselected";
    EXPECT_FALSE(viewInfo.Rows(3).Cells(0).Selected()) << "another merging cell covers no focused row";

    selection.SetMultiSelect(true);
    View->DataController().ChangeFocusedRowIndex(5);
    View->DataController().ChangeRowSelection(2, false);
    View->DataController().ChangeRowSelection(4, true);
    Layout();
    viewInfo.RefreshSelectedCells();
    const TuiGridDataCellViewInfo& second = viewInfo.Rows(3).Cells(0);
    ASSERT_EQ(viewInfo.Rows(4).Cells(0).MergingCell(), &second);
    EXPECT_TRUE(second.Selected()) << "under MultiSelect any covered selected row selects it";
    EXPECT_FALSE(viewInfo.Rows(0).Cells(0).Selected());
}

TEST_F(GridTableViewInfoTest, EqualCellsOfAMergingColumnMergeIntoTheFirstUntilASelectedRow) {
    Fill(5);
    const char16_t* values[] = {u"A", u"A", u"A", u"A", u"B"};
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
    EXPECT_EQ(first.Bounds().Bottom, viewInfo.Rows(3).Bounds().Bottom);
    EXPECT_EQ(first.UnmergedBounds(), viewInfo.Placement().Rows[0].Cells[0]);
    EXPECT_EQ(first.EditViewInfo().Bounds, first.ContentBounds()) << "the editor fills the merged cell";
    EXPECT_EQ(viewInfo.Rows(1).Cells(0).MergingCell(), &first);
    EXPECT_EQ(viewInfo.Rows(3).Cells(0).MergingCell(), &first);
    EXPECT_FALSE(viewInfo.Rows(4).Cells(0).IsMerged());
    EXPECT_FALSE(viewInfo.Rows(0).Cells(1).IsMerging()) << "other columns do not merge";
    TuiCustomGridHitTest& hitTest = viewInfo.GetHitTest(CentreOf(viewInfo.Rows(1).Cells(0).Bounds()));
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(hitTest).RowIndex(), 1) << "a merged cell is still hit";

    View->OptionsSelection().SetMultiSelect(true);
    View->DataController().ChangeRowSelection(1, true);
    Layout();
    EXPECT_EQ(viewInfo.Rows(0).Cells(0).Bounds().Bottom, viewInfo.Rows(1).Bounds().Bottom)
        << "the merge stops after the selected row";
    EXPECT_FALSE(viewInfo.Rows(2).Cells(0).IsMerged());
    EXPECT_EQ(viewInfo.Rows(3).Cells(0).MergingCell(), &viewInfo.Rows(2).Cells(0));

    Layout(vcl::Rect(0, 0, 300, viewInfo.HeaderHeight() + 3 * viewInfo.DataRowHeight()));
    ScrollTo(1);
    ASSERT_EQ(viewInfo.Rows(0).RowIndex(), 1);
    EXPECT_FALSE(viewInfo.Rows(0).Cells(0).IsMerging()) << "a selected row does not merge";
    EXPECT_EQ(viewInfo.Rows(2).Cells(0).MergingCell(), &viewInfo.Rows(1).Cells(0)) << "records 2 and 3 merge";
    ui_test::ExpectLayoutInvariants(viewInfo);
}

TEST_F(GridTableViewInfoTest, AColumnGoingAwayTakesTheLayoutWithItUntilTheViewIsLaidOutAgain) {
    Fill(4);
    TuiGridTableViewInfo& viewInfo = Layout();
    const vcl::TPoint inCell = CentreOf(viewInfo.Rows(1).Cells(1).Bounds());
    Grid->BeginUpdate();
    delete View->Columns(1);
    EXPECT_EQ(viewInfo.ColumnHeaderCount(), 0);
    EXPECT_EQ(viewInfo.RowCount(), 0);
    EXPECT_EQ(viewInfo.GetHitTest(inCell).GetHitTestCode(), 0);
    Paint();
    Grid->EndUpdate();
    Layout();
    EXPECT_EQ(viewInfo.ColumnHeaderCount(), 2);
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
