#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"

#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridColumnSummary.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableSummaryItem.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/system/ExceptionHook.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace ui {
namespace {

class GridFooterViewInfoTest : public ui_test::GridTableLayoutTest {
protected:
    TuiDataSummaryItems& FooterItems() const { return View->DataController().Summary().FooterSummaryItems(); }

    TuiGridTableSummaryItem& AddFooterItem(int column, TuiSummaryKind kind) {
        auto& item = static_cast<TuiGridTableSummaryItem&>(FooterItems().AddItem());
        item.SetColumn(View->Columns(column));
        item.SetKind(kind);
        return item;
    }

    // A footer shown with a sum under the amounts and a count under the names.
    TuiGridTableViewInfo& LayoutWithSummaries() {
        Fill(40);
        View->OptionsView().SetFooter(true);
        AddFooterItem(1, skSum);
        AddFooterItem(0, skCount);
        return Layout();
    }

    int32_t ItemHeightWithoutSpacing() const {
        return FooterViewInfo().ItemHeight() - 2 * View->LookAndFeelPainter()->FooterCellSpacing();
    }
    TuiGridFooterViewInfo& FooterViewInfo() const {
        return static_cast<TuiGridTableViewInfo&>(View->ViewInfo()).Footer();
    }
};

TEST_F(GridFooterViewInfoTest, AHiddenFooterTakesNoRoomAndAnswersNoHitTest) {
    Fill(40);
    AddFooterItem(1, skSum);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.Footer().Bounds().Height(), 0);
    EXPECT_EQ(viewInfo.Footer().CellCount(), 0);
    EXPECT_EQ(viewInfo.Placement().RowsAreaBounds.Bottom, viewInfo.ClientBounds().Bottom);
    const vcl::TPoint bottom{10, viewInfo.ClientBounds().Bottom - 2};
    EXPECT_NE(viewInfo.GetHitTest(bottom).GetHitTestCode(), 206);
}

TEST_F(GridFooterViewInfoTest, AnEmptyFooterIsOneItemHighAndTheRowsStopAboveIt) {
    Fill(40);
    View->OptionsView().SetFooter(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const TuiGridFooterViewInfo& footer = viewInfo.Footer();
    const TuiCustomLookAndFeelPainter& painter = *View->LookAndFeelPainter();
    EXPECT_EQ(footer.RowCount(), 1);
    EXPECT_EQ(footer.Bounds().Height(),
              2 * painter.FooterFrameWidth() + footer.ItemHeight() + painter.FooterSeparatorWidth());
    EXPECT_EQ(ItemHeightWithoutSpacing(),
              viewInfo.MeasureText(u"Qq", nullptr).cy + 4 + 2 * painter.FooterCellFrameWidth())
        << "a line of the footer's font within the cell frame";
    EXPECT_LT(viewInfo.Rows(0).Bounds().Top, footer.Bounds().Top);
    for (int32_t position = 0; position + 1 < viewInfo.RowCount(); ++position) {
        EXPECT_LE(viewInfo.Rows(position).Bounds().Bottom, footer.Bounds().Top);
    }
}

TEST_F(GridFooterViewInfoTest, ColumnsShowOneSummaryEachUnlessMultipleSummariesAreOn) {
    Fill(40);
    View->OptionsView().SetFooter(true);
    TuiGridTableSummaryItem& sum = AddFooterItem(1, skSum);
    TuiGridTableSummaryItem& count = AddFooterItem(1, skCount);
    TuiGridTableSummaryItem& names = AddFooterItem(0, skCount);
    struct Case {
        bool Multiple;
        int Rows;
        std::vector<TuiDataSummaryItem*> Shown;
    };
    for (const Case& c : {Case{false, 1, {&sum, &names}}, Case{true, 2, {&sum, &count, &names}}}) {
        SCOPED_TRACE(c.Multiple ? "multiple summaries" : "one summary per column");
        View->OptionsView().SetFooterMultiSummaries(c.Multiple);
        TuiGridTableViewInfo& viewInfo = Layout();
        ui_test::ExpectLayoutInvariants(viewInfo);
        const TuiGridFooterViewInfo& footer = viewInfo.Footer();
        EXPECT_EQ(footer.RowCount(), c.Rows);
        const TuiCustomLookAndFeelPainter& painter = *View->LookAndFeelPainter();
        EXPECT_EQ(footer.Bounds().Height(),
                  2 * painter.FooterFrameWidth() + c.Rows * footer.ItemHeight() + painter.FooterSeparatorWidth());
        ASSERT_EQ(footer.CellCount(), static_cast<int32_t>(c.Shown.size()));
        for (int32_t i = 0; i < footer.CellCount(); ++i) {
            EXPECT_EQ(footer.Cells(i).SummaryItem, c.Shown[static_cast<size_t>(i)]) << "in the items' order";
        }
        if (c.Multiple) {
            EXPECT_EQ(footer.Cells(1).Bounds.Top - footer.Cells(0).Bounds.Top, footer.ItemHeight())
                << "the second summary of a column a row lower";
        }
    }
}

TEST_F(GridFooterViewInfoTest, SummariesOfHiddenColumnsOrWithoutAColumnAreNotShown) {
    Fill(10);
    View->OptionsView().SetFooter(true);
    AddFooterItem(2, skSum);
    View->Columns(2)->SetVisible(false);
    auto& noColumn = static_cast<TuiGridTableSummaryItem&>(FooterItems().AddItem());
    noColumn.SetKind(skCount);
    const TuiGridTableViewInfo& viewInfo = Layout();
    EXPECT_EQ(viewInfo.Footer().CellCount(), 0);
    EXPECT_EQ(viewInfo.Footer().RowCount(), 1);
}

TEST_F(GridFooterViewInfoTest, CellsShowTheSummariesTexts) {
    const TuiGridTableViewInfo& viewInfo = LayoutWithSummaries();
    const TuiDataSummary& summary = View->DataController().Summary();
    ASSERT_EQ(viewInfo.Footer().CellCount(), 2);
    EXPECT_EQ(viewInfo.Footer().Cells(0).Text, summary.GetFooterSummaryText(0));
    EXPECT_EQ(viewInfo.Footer().Cells(1).Text, summary.GetFooterSummaryText(1));
    EXPECT_FALSE(viewInfo.Footer().Cells(1).Text.empty());
    EXPECT_EQ(viewInfo.Footer().Cells(1).Column, View->Columns(0));
    EXPECT_EQ(viewInfo.Footer().Cells(1).ColumnIndex, 0);
}

TEST_F(GridFooterViewInfoTest, ATextThatRaisesGoesToTheExceptionHandlerAndLeavesTheCellEmpty) {
    Fill(10);
    View->OptionsView().SetFooter(true);
    TuiGridTableSummaryItem& item = AddFooterItem(1, skSum);
    item.SetOnGetText([](TuiDataSummaryItem&, const rtl::Variant&, bool, rtl::UnicodeString&) {
        throw std::runtime_error("no text");
    });
    int handled = 0;
    const vcl::TExceptionHandler previous =
        vcl::SetExceptionHandler([&](rtl::TObject*, std::exception_ptr) { ++handled; });
    const TuiGridTableViewInfo& viewInfo = Layout();
    vcl::SetExceptionHandler(previous);
    EXPECT_GE(handled, 1);
    ASSERT_EQ(viewInfo.Footer().CellCount(), 1);
    EXPECT_TRUE(viewInfo.Footer().Cells(0).Text.empty());
}

TEST_F(GridFooterViewInfoTest, HitTestsNameTheCellsSummaryOrTheColumnOfAnEmptySlot) {
    TuiGridTableViewInfo& viewInfo = LayoutWithSummaries();
    const TuiGridFooterViewInfo& footer = viewInfo.Footer();
    for (int32_t i = 0; i < footer.CellCount(); ++i) {
        const TuiGridFooterCell& cell = footer.Cells(i);
        const vcl::TPoint centre{(cell.Bounds.Left + cell.Bounds.Right) / 2,
                                 (cell.Bounds.Top + cell.Bounds.Bottom) / 2};
        auto* hitTest = dynamic_cast<TuiGridFooterCellHitTest*>(&viewInfo.GetHitTest(centre));
        ASSERT_NE(hitTest, nullptr) << "cell " << i;
        EXPECT_EQ(hitTest->GetHitTestCode(), 206);
        EXPECT_EQ(hitTest->SummaryItem(), cell.SummaryItem);
        EXPECT_EQ(hitTest->Column(), cell.Column);
        EXPECT_EQ(hitTest->ColumnContainerKind(), ckFooter);
    }
    const vcl::TRect& emptyColumn = viewInfo.ColumnHeaders(2).Bounds();
    const vcl::TPoint emptySlot{(emptyColumn.Left + emptyColumn.Right) / 2,
                                (footer.BordersBounds().Top + footer.Bounds().Bottom) / 2};
    auto* slot = dynamic_cast<TuiGridFooterCellHitTest*>(&viewInfo.GetHitTest(emptySlot));
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->Column(), View->Columns(2));
    EXPECT_EQ(slot->SummaryItem(), nullptr);
    const vcl::TPoint pastTheColumns{footer.Bounds().Right + 5, emptySlot.Y};
    if (pastTheColumns.X < viewInfo.ClientBounds().Right) {
        EXPECT_NE(viewInfo.GetHitTest(pastTheColumns).GetHitTestCode(), 206);
    }
    const vcl::TRect& lastRow = viewInfo.Rows(viewInfo.RowCount() - 1).Bounds();
    if (lastRow.Bottom > footer.Bounds().Top) {
        EXPECT_NE(viewInfo.GetHitTest({emptySlot.X, footer.Bounds().Top}).GetHitTestCode(), 107)
            << "the footer lies over a last row reaching under it";
    }
}

TEST_F(GridFooterViewInfoTest, TheFooterScrollsSidewaysWithTheHeaders) {
    LayoutWithSummaries();
    View->Columns(0)->SetWidth(300); // wider than the view, so that it scrolls
    TuiGridTableViewInfo& viewInfo = Layout();
    const vcl::TRect before = viewInfo.Footer().Cells(0).Bounds;
    ScrollLeftTo(30);
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.Footer().Cells(0).Bounds, vcl::OffsetRect(before, -30, 0));
    const TuiGridTableViewInfo& laidOutAnew = Layout();
    EXPECT_EQ(laidOutAnew.Footer().Cells(0).Bounds, vcl::OffsetRect(before, -30, 0)) << "as a new layout places it";
}

TEST_F(GridFooterViewInfoTest, TheControllerPlacesAndPagesTheRowsAboveTheFooter) {
    Fill(40);
    View->OptionsView().SetFooter(true);
    AddFooterItem(1, skSum);
    Layout(View->Site().ClientRect()); // the scroll bars it shows narrow the client
    TuiGridTableViewInfo& viewInfo = Layout(View->Site().ClientRect());
    ASSERT_GT(viewInfo.FooterHeight(), 0);
    // The rows' places; the controller measures the site's client, which the layout narrows by its scroll bars.
    const TuiGridTablePlacement placement = View->Controller().Placement();
    EXPECT_EQ(placement.RowsAreaBounds, viewInfo.Placement().RowsAreaBounds);
    EXPECT_EQ(placement.FooterBounds, viewInfo.Placement().FooterBounds);
    EXPECT_EQ(placement.Rows, viewInfo.Placement().Rows);
    EXPECT_EQ(placement.VisibleRows, viewInfo.Placement().VisibleRows);
    EXPECT_EQ(View->Controller().PageVisibleRecordCount(0, true), viewInfo.VisibleRows().VisibleCount);
}

TEST_F(GridFooterViewInfoTest, PaintingTheFooterCoversItAndTwiceGivesTheSamePixels) {
    const TuiGridTableViewInfo& viewInfo = LayoutWithSummaries();
    const auto first = Paint();
    const auto second = Paint();
    EXPECT_EQ(first->Surface.Pixels(), second->Surface.Pixels());
    const vcl::TRect& band = viewInfo.Footer().Bounds();
    for (int y = band.Top; y < band.Bottom; ++y) {
        for (int x = band.Left; x < band.Right; ++x) {
            ASSERT_NE(first->Surface.Pixel(x, y), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clFuchsia)))
                << "unpainted at " << x << "," << y;
        }
    }
}

TEST_F(GridFooterViewInfoTest, ACellLooksAsTheFooterCellPaintedAloneWithItsTextAndStyle) {
    const TuiGridTableViewInfo& viewInfo = LayoutWithSummaries();
    const auto painted = Paint();
    const TuiCustomLookAndFeelPainter& painter = *View->LookAndFeelPainter();
    for (int32_t i = 0; i < viewInfo.Footer().CellCount(); ++i) {
        const TuiGridFooterCell& cell = viewInfo.Footer().Cells(i);
        ui_test::TGridCanvasSurface alone(DefaultBounds.Width(), DefaultBounds.Height());
        TuiDrawParams params;
        View->Styles().GetFooterCellParams(nullptr, cell.Column, -1, cell.SummaryItem, params);
        const TuiTextLayout layout{cell.Column->FooterAlignmentHorz(), cell.Column->HeaderAlignmentVert(), false, true};
        painter.PaintFooterCell(alone.Canvas, cell.Bounds, layout, cell.Text, params.Font, params.TextColor,
                                params.Color, {});
        EXPECT_TRUE(ui_test::SameArea(painted->Surface, alone.Surface, cell.Bounds)) << "cell " << i;
    }
}

} // namespace
} // namespace ui
