#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"

#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/grid/view/uiGridSite.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(GridIndicatorKind, TheRowsStateChoosesTheGlyph) {
    struct Case {
        const char* Name;
        TuiGridIndicatorRowState State;
        TuiGridIndicatorKind Kind;
    };
    const Case cases[] = {
        {"plain", {}, ikNone},
        {"focused", {.Focused = true}, ikArrow},
        {"edited", {.Editing = true, .Focused = true}, ikEdit},
        {"inserted", {.Editing = true, .Inserting = true, .Focused = true}, ikInsert},
        {"new-item row", {.NewItemRow = true, .Focused = true}, ikInsert},
        {"filter row", {.FilterRow = true, .Focused = true, .Selected = true}, ikFilter},
        {"selected", {.Selected = true, .MultiSelect = true}, ikMultiDot},
        {"focused and selected", {.Focused = true, .Selected = true, .MultiSelect = true}, ikMultiArrow},
        {"selected without MultiSelect", {.Selected = true}, ikNone},
        {"focused, selected without MultiSelect", {.Focused = true, .Selected = true}, ikArrow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IndicatorKindOf(c.State), c.Kind) << c.Name;
    }
}

class GridIndicatorViewInfoTest : public ui_test::GridTableLayoutTest {
protected:
    explicit GridIndicatorViewInfoTest(ui_test::TFormPlacement placement = ui_test::TFormPlacement::OffScreen)
        : GridTableLayoutTest(placement) {}

    TuiGridTableViewInfo& LayoutWithIndicator() {
        Fill(40);
        View->OptionsView().SetIndicator(true);
        View->OptionsView().SetFooter(true);
        return Layout();
    }

    static vcl::TPoint CentreOf(const vcl::TRect& rect) {
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
};

TEST_F(GridIndicatorViewInfoTest, TheIndicatorShowsForItselfOrForTheQuickCustomization) {
    Fill(10);
    struct Case {
        bool Indicator;
        bool QuickCustomization;
        int32_t Width;
    };
    View->OptionsView().SetIndicatorWidth(15);
    for (const Case& c : {Case{false, false, 0}, Case{true, false, 15}, Case{false, true, 15}}) {
        View->OptionsView().SetIndicator(c.Indicator);
        View->OptionsCustomize().SetColumnsQuickCustomization(c.QuickCustomization);
        TuiGridTableViewInfo& viewInfo = Layout();
        ui_test::ExpectLayoutInvariants(viewInfo);
        EXPECT_EQ(viewInfo.Indicator().Width(), c.Width);
        EXPECT_EQ(viewInfo.ColumnHeaders(0).Bounds().Left, viewInfo.ClientBounds().Left + c.Width);
        EXPECT_EQ(viewInfo.Indicator().Bounds().Width(), c.Width);
        EXPECT_EQ(viewInfo.Indicator().Bounds().Height(), viewInfo.ClientBounds().Height());
    }
}

TEST_F(GridIndicatorViewInfoTest, ItemsStandBesideTheHeaderTheRowsAndTheFooter) {
    TuiGridTableViewInfo& viewInfo = LayoutWithIndicator();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const TuiGridIndicatorViewInfo& indicator = viewInfo.Indicator();
    const vcl::TRect& bounds = indicator.Bounds();
    EXPECT_EQ(indicator.HeaderItemBounds(), (vcl::TRect{bounds.Left, viewInfo.Placement().HeaderBounds.Top,
                                                        bounds.Right, viewInfo.Placement().HeaderBounds.Bottom}));
    EXPECT_EQ(indicator.FooterItemBounds().Top, viewInfo.Footer().Bounds().Top);
    EXPECT_EQ(indicator.FooterItemBounds().Bottom, viewInfo.Footer().Bounds().Bottom);
    const TuiGridDataRowViewInfo& row = viewInfo.Rows(2);
    EXPECT_EQ(indicator.RowItemBounds(row),
              (vcl::TRect{bounds.Left, row.Bounds().Top, bounds.Right, row.Bounds().Bottom}));

    View->OptionsView().SetFooter(false);
    EXPECT_TRUE(Layout().Indicator().FooterItemBounds().IsEmpty()) << "no footer, no footer item";
}

TEST_F(GridIndicatorViewInfoTest, TheFocusedRowShowsTheArrowAndSelectedRowsTheDotsUnderMultiSelect) {
    TuiGridTableViewInfo& viewInfo = LayoutWithIndicator();
    ASSERT_TRUE(View->Controller().FocusRowAt(1));
    const TuiGridIndicatorViewInfo& indicator = viewInfo.Indicator();
    EXPECT_EQ(indicator.RowKind(viewInfo.Rows(0)), ikNone);
    EXPECT_EQ(indicator.RowKind(viewInfo.Rows(1)), ikArrow);

    View->OptionsSelection().SetMultiSelect(true);
    View->DataController().ChangeRowSelection(0, true);
    View->DataController().ChangeRowSelection(1, true);
    TuiGridTableViewInfo& multi = Layout();
    EXPECT_EQ(multi.Indicator().RowKind(multi.Rows(0)), ikMultiDot);
    EXPECT_EQ(multi.Indicator().RowKind(multi.Rows(1)), ikMultiArrow);
    EXPECT_EQ(multi.Indicator().RowKind(multi.Rows(2)), ikNone);
}

TEST_F(GridIndicatorViewInfoTest, HitTestsNameTheItemsAndTheRowSizingEdge) {
    TuiGridTableViewInfo& viewInfo = LayoutWithIndicator();
    const TuiGridIndicatorViewInfo& indicator = viewInfo.Indicator();
    EXPECT_EQ(viewInfo.GetHitTest(CentreOf(indicator.HeaderItemBounds())).GetHitTestCode(), 212);
    EXPECT_EQ(viewInfo.GetHitTest(CentreOf(indicator.FooterItemBounds())).GetHitTestCode(), 211);
    for (const bool sizable : {false, true}) {
        SCOPED_TRACE(sizable ? "rows sizable" : "rows not sizable");
        View->OptionsCustomize().SetDataRowSizing(sizable);
        // Beside the footer lies the footer item.
        const int32_t footerTop = viewInfo.Footer().Bounds().Top;
        for (int32_t position = 0; viewInfo.Rows(position).Bounds().Bottom + 4 <= footerTop; ++position) {
            const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
            const vcl::TRect item = indicator.RowItemBounds(row);
            auto* centre = dynamic_cast<TuiGridRowIndicatorHitTest*>(&viewInfo.GetHitTest(CentreOf(item)));
            ASSERT_NE(centre, nullptr) << "row " << position;
            EXPECT_EQ(centre->RowIndex(), row.RowIndex());
            for (const int dy : {-3, 3}) {
                TuiCustomGridHitTest& edge = viewInfo.GetHitTest({item.Left + 2, item.Bottom + dy});
                if (!sizable) {
                    EXPECT_EQ(edge.GetHitTestCode(), 209);
                    continue;
                }
                auto* sizing = dynamic_cast<TuiGridRowSizingEdgeHitTest*>(&edge);
                ASSERT_NE(sizing, nullptr) << "row " << position << " dy " << dy;
                EXPECT_EQ(sizing->RowIndex(), row.RowIndex()) << "the edge below a row sizes that row";
                EXPECT_EQ(sizing->Cursor(), crGridVertSize);
            }
        }
    }
}

TEST_F(GridIndicatorViewInfoTest, ColumnsScrolledLeftPassUnderTheIndicatorWhichStays) {
    LayoutWithIndicator();
    View->Columns(0)->SetWidth(300);
    TuiGridTableViewInfo& viewInfo = Layout();
    const vcl::TRect band = viewInfo.Indicator().Bounds();
    const auto before = Paint();
    ScrollLeftTo(40);
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.Indicator().Bounds(), band);
    EXPECT_LT(viewInfo.ColumnHeaders(0).Bounds().Left, band.Right);
    EXPECT_EQ(viewInfo.GetHitTest(CentreOf(viewInfo.Indicator().HeaderItemBounds())).GetHitTestCode(), 212)
        << "the indicator lies over the header scrolled under it";
    EXPECT_TRUE(ui_test::SameArea(before->Surface, Paint()->Surface, band));
}

TEST_F(GridIndicatorViewInfoTest, ARowItemLooksAsTheIndicatorCellPaintedAloneAndTwiceGivesTheSamePixels) {
    TuiGridTableViewInfo& viewInfo = LayoutWithIndicator();
    ASSERT_TRUE(View->Controller().FocusRowAt(1));
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    TuiDrawParams params;
    View->Styles().GetIndicatorParams(params);
    for (int32_t position = 0; position < 3; ++position) {
        const vcl::TRect item = viewInfo.Indicator().RowItemBounds(viewInfo.Rows(position));
        ui_test::TGridCanvasSurface alone(DefaultBounds.Width(), DefaultBounds.Height());
        View->LookAndFeelPainter()->PaintIndicatorCell(alone.Canvas, item, position == 1 ? ikArrow : ikNone,
                                                       params.Color, {});
        EXPECT_TRUE(ui_test::SameArea(painted->Surface, alone.Surface, item)) << "row " << position;
    }
}

class GridIndicatorOnScreenTest : public GridIndicatorViewInfoTest {
protected:
    GridIndicatorOnScreenTest() : GridIndicatorViewInfoTest(ui_test::TFormPlacement::OnScreen) {}
};

TEST_F(GridIndicatorOnScreenTest, DraggingARowEdgeSizesTheRowsAndADoubleClickRestoresTheirAutomaticHeight) {
    Fill(20);
    View->OptionsView().SetIndicator(true);
    View->OptionsCustomize().SetDataRowSizing(true);
    TuiGridSite& site = View->Site();
    site.Repaint();
    const TuiGridRowPlacement row = View->Controller().Placement().Rows.at(1);
    const vcl::TPoint edge{3, row.Bounds.Bottom};
    EXPECT_EQ(View->Controller().GetCursor(edge.X, edge.Y), crGridVertSize);
    ui_test::MouseDown(site, vcl::mbLeft, edge);
    ui_test::MouseMove(site, {edge.X, edge.Y + 12}, {vcl::ssLeft});
    ui_test::MouseUp(site, vcl::mbLeft, {edge.X, edge.Y + 12});
    EXPECT_EQ(View->OptionsView().DataRowHeight(), row.Bounds.Height() + 12);

    const vcl::TPoint newEdge{3, View->Controller().Placement().Rows.at(1).Bounds.Bottom};
    ui_test::DoubleClick(site, newEdge);
    EXPECT_EQ(View->OptionsView().DataRowHeight(), 0);
}

} // namespace
} // namespace ui
