#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace ui {
namespace {

// Six records whose "No" column holds 0, 0, 0, 1, 1, 1 and whose "Name" column holds "A" and "B" by turns.
class GridGroupRowPaintingTest : public ui_test::GridTableLayoutTest {
protected:
    void SetUp() override {
        GridTableLayoutTest::SetUp();
        Fill(6);
        View->BeginUpdate();
        for (int record = 0; record < 6; ++record) {
            View->DataController().SetValue(record, 2, rtl::Variant(record / 3));
            View->DataController().SetValue(record, 0, rtl::Variant(rtl::UnicodeString(record % 2 ? u"B" : u"A")));
        }
        View->EndUpdate();
        View->Columns(2)->SetGroupIndex(0);
    }

    TuiCustomGridRow* Row(int32_t index) const {
        return dynamic_cast<TuiCustomGridRow*>(View->ViewData().GetRecordAt(index));
    }

    vcl::TColor GroupColor(int32_t level) const {
        TuiDrawParams params;
        View->Styles().GetGroupParams(Row(0), level, params);
        return static_cast<vcl::TColor>(vcl::ColorToRGB(params.Color));
    }

    static vcl::TPoint CentreOf(const vcl::TRect& rect) {
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
};

TEST_F(GridGroupRowPaintingTest, AGroupRowIsOneCellWithTheExpandButtonInItsFirstIndent) {
    Row(0)->SetExpanded(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    ASSERT_EQ(viewInfo.RowCount(), 5);
    const TuiGridDataRowViewInfo& group = viewInfo.Rows(0);
    ASSERT_NE(group.GroupRow(), nullptr);
    EXPECT_EQ(group.CellCount(), 0);
    EXPECT_EQ(group.GroupCellBounds(), group.Bounds());
    const int32_t size = View->LookAndFeelPainter()->ExpandBoxSize();
    EXPECT_EQ(viewInfo.LevelIndent(), size + 6);
    const vcl::TRect& button = group.ExpandButtonBounds();
    EXPECT_EQ(button.Left, group.Bounds().Left + 3);
    EXPECT_EQ(button.Width(), size);
    EXPECT_EQ(button.Height(), size);
    EXPECT_LE(std::abs((button.Top - group.Bounds().Top) - (group.Bounds().Bottom - button.Bottom)), 1);
    EXPECT_EQ(group.GroupTextBounds().Left, group.Bounds().Left + viewInfo.LevelIndent() + 2);
    EXPECT_EQ(viewInfo.Rows(1).GroupRow(), nullptr);
    EXPECT_EQ(viewInfo.Rows(1).CellCount(), 3);
}

TEST_F(GridGroupRowPaintingTest, GroupRowsTakeTheirOwnHeightMeasuredOrStored) {
    Row(0)->SetExpanded(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    TuiDrawParams params;
    View->Styles().GetGroupParams(nullptr, 0, params);
    const int32_t text = viewInfo.MeasureText(u"Qq", params.Font).cy;
    const int32_t measured = std::max(text, viewInfo.ExpandButtonSize()) + 4 + 1;
    EXPECT_EQ(viewInfo.GroupRowHeight(), measured) << "the larger of text and button, margins and the grid line";
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Height(), measured);
    EXPECT_EQ(viewInfo.Rows(1).Bounds().Height(), viewInfo.DataRowHeight());
    EXPECT_EQ(viewInfo.Rows(4).Bounds().Height(), measured);

    View->OptionsView().SetGroupRowHeight(40);
    View->OptionsView().SetGridLines(glNone);
    const TuiGridTableViewInfo& stored = Layout();
    EXPECT_EQ(stored.GroupRowHeight(), 40);
    EXPECT_EQ(stored.Rows(0).Bounds().Height(), 40);
    ui_test::ExpectLayoutInvariants(stored);
}

TEST_F(GridGroupRowPaintingTest, HitTestsNameTheExpandButtonTheGroupRowAndTheDataCellsBelow) {
    Row(0)->SetExpanded(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridDataRowViewInfo& group = viewInfo.Rows(0);
    TuiCustomGridHitTest& button = viewInfo.GetHitTest(CentreOf(group.ExpandButtonBounds()));
    EXPECT_EQ(button.GetHitTestCode(), 108);
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(button).GridRecord(), Row(0));
    const vcl::TPoint inCaption{group.Bounds().Right - 5, CentreOf(group.Bounds()).Y};
    TuiCustomGridHitTest& caption = viewInfo.GetHitTest(inCaption);
    EXPECT_EQ(caption.GetHitTestCode(), 106);
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(caption).GridRecord(), Row(0));
    TuiCustomGridHitTest& cell = viewInfo.GetHitTest(CentreOf(viewInfo.Rows(1).Cells(1).Bounds()));
    EXPECT_EQ(cell.GetHitTestCode(), 107);
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(cell).GridRecord(), Row(1));
    // The last group row is never expanded here: it has a button too.
    EXPECT_EQ(viewInfo.GetHitTest(CentreOf(viewInfo.Rows(4).ExpandButtonBounds())).GetHitTestCode(), 108);
}

TEST_F(GridGroupRowPaintingTest, MergedCellsStopAtTheGroupRowBelowThem) {
    View->Columns(1)->Options().SetCellMerging(true);
    View->BeginUpdate();
    for (int record = 0; record < 6; ++record) {
        View->DataController().SetValue(record, 1, rtl::Variant(7));
    }
    View->EndUpdate();
    Row(0)->SetExpanded(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    ASSERT_EQ(viewInfo.RowCount(), 5);
    ASSERT_NE(viewInfo.Rows(4).GroupRow(), nullptr);
    const vcl::TRect& merged = viewInfo.Rows(1).Cells(1).Bounds();
    EXPECT_EQ(merged.Bottom, viewInfo.Rows(3).Bounds().Bottom);
    EXPECT_EQ(Paint()->Surface.Pixels(), Paint()->Surface.Pixels());
}

TEST_F(GridGroupRowPaintingTest, WithGroupsAlwaysExpandedNoButtonShowsAndTheCaptionStartsAtTheCell) {
    View->DataController().SetOptions(View->DataController().Options() +
                                      TuiDataControllerOptions{dcoGroupsAlwaysExpanded});
    const TuiGridDataRowViewInfo& group = Layout().Rows(0);
    EXPECT_TRUE(group.ExpandButtonBounds().IsEmpty());
    EXPECT_EQ(group.GroupTextBounds().Left, group.Bounds().Left + 2);
}

TEST_F(GridGroupRowPaintingTest, PaintingFillsTheGroupCellDrawsButtonCaptionAndGridLineAndTwiceGivesTheSamePixels) {
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    const TuiGridDataRowViewInfo& group = viewInfo.Rows(0);
    const vcl::TRect& cell = group.GroupCellBounds();
    const vcl::TColor background = GroupColor(0);
    EXPECT_EQ(painted->Surface.Pixel(cell.Right - 4, cell.Top + 1), background);
    const auto gridLine = static_cast<vcl::TColor>(vcl::ColorToRGB(viewInfo.GridLineColor()));
    EXPECT_EQ(painted->Surface.Pixel(cell.Left + 1, cell.Bottom - 1), gridLine) << "the line under the row";
    EXPECT_EQ(painted->Surface.Pixel(cell.Right - 1, cell.Top + 1), gridLine) << "the line at the right";
    const auto countOtherThan = [&](const vcl::TRect& area, vcl::TColor color) {
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y) {
            for (int x = area.Left; x < area.Right; ++x) {
                count += painted->Surface.Pixel(x, y) != color ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(countOtherThan(group.ExpandButtonBounds(), background), 0) << "the expand button";
    vcl::TRect text = group.GroupTextBounds();
    text.Bottom -= 1;
    EXPECT_GT(countOtherThan(text, background), 10) << "the caption";
    EXPECT_EQ(countOtherThan({cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}, vcl::clFuchsia),
              (cell.Width() - 1) * (cell.Height() - 1))
        << "nothing of the cell left unpainted";
}

TEST_F(GridGroupRowPaintingTest, AnInnerGroupRowStandsRightOfItsLevelIndentPaintedInTheOuterLevelsColour) {
    View->Columns(0)->SetGroupIndex(1);
    Row(0)->SetExpanded(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridDataRowViewInfo& inner = viewInfo.Rows(1);
    ASSERT_NE(inner.GroupRow(), nullptr);
    ASSERT_EQ(inner.GroupRow()->Level(), 1);
    EXPECT_EQ(inner.GroupCellBounds().Left, inner.Bounds().Left + viewInfo.LevelIndent());
    EXPECT_EQ(inner.ExpandButtonBounds().Left, inner.GroupCellBounds().Left + 3);
    EXPECT_EQ(viewInfo.GetHitTest(CentreOf(inner.ExpandButtonBounds())).GetHitTestCode(), 108);
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixel(inner.Bounds().Left + 2, inner.Bounds().Top + 2), GroupColor(0));
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
}

} // namespace
} // namespace ui
