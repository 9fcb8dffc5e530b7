#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/styles/uiStyles.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace ui {
namespace {

// The smallest rectangle holding every pixel of area in which two surfaces differ; empty when none.
vcl::TRect DifferenceBox(const ui_test::TDibSurface& a, const ui_test::TDibSurface& b, const vcl::TRect& area) {
    vcl::TRect box{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                box = vcl::Rect(std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                                std::max(box.Bottom, y + 1));
            }
        }
    }
    return box.IsEmpty() ? vcl::TRect{} : box;
}

// The view on a form on the display, where scrolling moves the pixels of the site's window.
class GridTableScrollingTest : public ui_test::GridTableLayoutTest {
protected:
    GridTableScrollingTest() : GridTableLayoutTest(ui_test::TFormPlacement::OnScreen) {}
    void SetUp() override {
        GridTableLayoutTest::SetUp();
        Grid->SetAlign(vcl::alClient);
        // As in the application: a click focuses and selects, and no in-place editor covers the cell's pixels.
        View->OptionsData().SetEditing(false);
    }
    void ShowRecords(int records) {
        Fill(records);
        View->Columns(2)->SetWidth(500);
        ui_test::PumpMessages(100);
        UpdateWindow(Site().Handle());
    }
    TuiGridSite& Site() const { return View->Site(); }
    TuiGridTablePainter& Painter() const { return static_cast<TuiGridTablePainter&>(View->Painter()); }
    TuiGridTableViewInfo& ViewInfo() const { return static_cast<TuiGridTableViewInfo&>(View->ViewInfo()); }
    vcl::TRect ClientRect() const {
        RECT client{};
        GetClientRect(Site().Handle(), &client);
        return vcl::Rect(client.left, client.top, client.right, client.bottom);
    }
    // What the site's window shows now, read back from the display.
    std::unique_ptr<ui_test::TDibSurface> ReadSite() const {
        const vcl::TRect client = ClientRect();
        auto surface = std::make_unique<ui_test::TDibSurface>(client.Width(), client.Height());
        HDC dc = GetDC(Site().Handle());
        BitBlt(surface->DC(), 0, 0, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
        ReleaseDC(Site().Handle(), dc);
        GdiFlush();
        return surface;
    }
    // The present state painted whole on a surface.
    std::unique_ptr<ui_test::TGridCanvasSurface> Repaint() const {
        const vcl::TRect client = ClientRect();
        auto on = std::make_unique<ui_test::TGridCanvasSurface>(client.Width(), client.Height());
        View->Painter().Paint(&on->Canvas);
        GdiFlush();
        return on;
    }
    // Whether the point waits to be painted again.
    bool Pending(vcl::TPoint point) const {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(Site().Handle(), region, FALSE);
        const bool pending = PtInRegion(region, point.X, point.Y) != FALSE;
        DeleteObject(region);
        return pending;
    }
    // The middle of the rows area, which a scroll by two records moves rather than paints.
    vcl::TPoint MiddleOfRows() const {
        const vcl::TRect client = ViewInfo().ClientBounds();
        return {(client.Left + client.Right) / 2, (client.Top + client.Bottom) / 2};
    }
};

TEST_F(GridTableScrollingTest, TheSiteShowsWhatThePainterDraws) {
    ShowRecords(40);
    ASSERT_GT(ViewInfo().RowCount(), 4);
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, TheLayoutAndThePictureFollowTheData) {
    ShowRecords(3);
    View->DataController().SetValue(1, 0, rtl::Variant(rtl::UnicodeString(u"Changed")));
    View->DataController().SetRecordCount(5);
    ui_test::PumpMessages(50);
    UpdateWindow(Site().Handle());
    ASSERT_EQ(ViewInfo().RowCount(), 5);
    EXPECT_EQ(rtl::VarToStr(ViewInfo().Rows(1).Cells(0).CellDisplayValue()), u"Changed");
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AClickFindsTheRowAndCellWherePainted) {
    ShowRecords(40);
    ScrollTo(3);
    UpdateWindow(Site().Handle());
    const TuiGridDataCellViewInfo& cell = ViewInfo().Rows(4).Cells(1);
    const vcl::TRect& bounds = cell.Bounds();
    ui_test::Click(Site(), {(bounds.Left + bounds.Right) / 2, bounds.Bottom - 2});
    EXPECT_EQ(View->DataController().GetFocusedRowIndex(), 7);
    EXPECT_EQ(View->Controller().FocusedItem(), View->Columns(1));
    ui_test::PumpMessages(20);
    UpdateWindow(Site().Handle());
    EXPECT_TRUE(ViewInfo().Rows(4).Cells(1).IsFocusedCell());
    EXPECT_TRUE(ViewInfo().Rows(4).Cells(0).Selected()) << "the focused record is drawn selected";
    EXPECT_FALSE(ViewInfo().Rows(4).Cells(1).Selected()) << "but not its focused cell, under InvertSelect";
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AColumnHeaderLightsUpUnderThePointerWhenTheLookSaysSo) {
    Grid->LookAndFeel().SetKind(lfOffice11);
    Grid->LookAndFeel().SetNativeStyle(false);
    ShowRecords(5);
    ASSERT_TRUE(View->LookAndFeelPainter()->HotTracksHeaders());
    const vcl::TRect header = ViewInfo().ColumnHeaders(1).Bounds();
    const auto before = ReadSite();
    ui_test::MouseMove(Site(), {(header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2});
    EXPECT_EQ(ViewInfo().ColumnHeaders(1).State(), cmsHot);
    UpdateWindow(Site().Handle());
    const auto hot = ReadSite();
    EXPECT_NE(DifferenceBox(*before, *hot, header), vcl::TRect{}) << "the header is painted hot";
    EXPECT_EQ(DifferenceBox(*hot, Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
    const vcl::TRect cell = ViewInfo().Rows(2).Cells(1).Bounds();
    ui_test::MouseMove(Site(), {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    ui_test::PumpMessages(50);
    EXPECT_EQ(ViewInfo().ColumnHeaders(1).State(), cmsNormal);
}

TEST_F(GridTableScrollingTest, AFilterButtonComesWithThePointerOverItsHeaderAndGoesWithIt) {
    View->OptionsCustomize().SetColumnFiltering(true);
    ShowRecords(5);
    ASSERT_FALSE(View->LookAndFeelPainter()->HotTracksHeaders());
    const vcl::TRect header = ViewInfo().ColumnHeaders(1).Bounds();
    const auto before = ReadSite();
    ui_test::MouseMove(Site(), {header.Left + 5, (header.Top + header.Bottom) / 2});
    ASSERT_TRUE(ViewInfo().ColumnHeaders(1).HasFilterButton());
    const vcl::TRect button = ViewInfo().ColumnHeaders(1).FilterButtonBounds();
    UpdateWindow(Site().Handle());
    const auto hot = ReadSite();
    EXPECT_NE(DifferenceBox(*before, *hot, button), vcl::TRect{}) << "the button is painted";
    EXPECT_EQ(DifferenceBox(*hot, Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});

    ui_test::MouseMove(Site(), {(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
    EXPECT_EQ(ViewInfo().ColumnHeaders(1).FilterButtonState(), uibsHot);
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});

    const vcl::TRect cell = ViewInfo().Rows(2).Cells(1).Bounds();
    ui_test::MouseMove(Site(), {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    ui_test::PumpMessages(50);
    EXPECT_EQ(ViewInfo().ColumnHeaders(1).State(), cmsNormal);
    EXPECT_FALSE(ViewInfo().ColumnHeaders(1).HasFilterButton());
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), *before, ViewInfo().ClientBounds()), vcl::TRect{})
        << "the header looks as before the pointer came";
}

TEST_F(GridTableScrollingTest, AVerticalPixelScrollEqualsAFullRepaintOfTheNewState) {
    ShowRecords(40);
    ASSERT_TRUE(Painter().CanScrollByPixels(true));
    const int32_t rowHeight = ViewInfo().DataRowHeight();
    ScrollTo(2);
    EXPECT_FALSE(Pending(MiddleOfRows())) << "the rows still shown move with their pixels";
    const vcl::TRect client = ViewInfo().ClientBounds();
    EXPECT_TRUE(Pending({client.Left + 5, client.Bottom - rowHeight})) << "the rows coming in are painted";
    UpdateWindow(Site().Handle());
    EXPECT_EQ(ViewInfo().Rows(0).RowIndex(), 2);
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});

    ScrollTo(1);
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AHorizontalPixelScrollEqualsAFullRepaintOfTheNewState) {
    ShowRecords(10);
    ScrollLeftTo(30);
    EXPECT_EQ(ViewInfo().LeftPos(), 30);
    EXPECT_EQ(ViewInfo().ColumnHeaders(0).Bounds().Left, -30);
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, PixelScrollsLeaveTheIndicatorAndTheFooterAsAFullRepaintDraws) {
    View->OptionsView().SetIndicator(true);
    View->OptionsView().SetFooter(true);
    ShowRecords(40);
    ASSERT_GT(ViewInfo().FooterHeight(), 0);
    ASSERT_GT(ViewInfo().Indicator().Width(), 0);
    ScrollTo(3);
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
    ScrollLeftTo(30);
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
    ScrollTo(1);
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AMergingColumnMakesVerticalScrollsRepaint) {
    ShowRecords(40);
    View->Columns(0)->Options().SetCellMerging(true);
    ui_test::PumpMessages(50);
    EXPECT_FALSE(Painter().CanScrollByPixels(true));
    EXPECT_TRUE(Painter().CanScrollByPixels(false));
    ScrollTo(2);
    EXPECT_TRUE(Pending(MiddleOfRows()));
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, SpecialRowsInfoTextsMakeSidewaysScrollsRepaintAndStayWhileRecordsScroll) {
    ShowRecords(40);
    View->FilterRow().SetVisible(true);
    View->NewItemRow().SetVisible(true);
    ui_test::PumpMessages(50);
    UpdateWindow(Site().Handle());
    EXPECT_TRUE(Painter().CanScrollByPixels(true));
    EXPECT_FALSE(Painter().CanScrollByPixels(false)) << "the info texts are centred in what shows";
    ScrollTo(2);
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
    ScrollLeftTo(30);
    EXPECT_TRUE(Pending(MiddleOfRows()));
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AHeaderBitmapMakesSidewaysScrollsRepaintWhileRecordsStillMovePixels) {
    vcl::TBitmap tile;
    tile.SetSize(5, 5);
    tile.Canvas().Brush().SetColor(vcl::clLime);
    tile.Canvas().FillRect(vcl::Rect(0, 0, 5, 5));
    tile.Canvas().SetPixel(0, 0, vcl::clOlive);
    auto* style = new TuiStyle(Form.get());
    style->SetBitmap(&tile);
    View->Styles().SetStyle(TuiGridTableViewStyles::vsHeader, style);
    ShowRecords(40);
    EXPECT_TRUE(Painter().CanScrollByPixels(true));
    EXPECT_FALSE(Painter().CanScrollByPixels(false)) << "the tiles stay while the headers would move";
    ScrollLeftTo(30);
    EXPECT_TRUE(Pending(MiddleOfRows()));
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
    ScrollTo(2);
    EXPECT_FALSE(Pending(MiddleOfRows())) << "the rows still shown move with their pixels";
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});

    View->Styles().SetStyle(TuiGridTableViewStyles::vsHeader, nullptr);
    for (const int32_t index :
         {TuiGridTableViewStyles::vsBackground, TuiGridTableViewStyles::vsFooter, TuiGridTableViewStyles::vsGroup}) {
        View->Styles().SetStyle(index, style);
        EXPECT_FALSE(Painter().CanScrollByPixels(true)) << index;
        EXPECT_FALSE(Painter().CanScrollByPixels(false)) << index;
        View->Styles().SetStyle(index, nullptr);
    }
    EXPECT_TRUE(Painter().CanScrollByPixels(false));
}

TEST_F(GridTableScrollingTest, AnEmptyViewRepaintsInsteadOfMovingPixels) {
    ShowRecords(0);
    ASSERT_FALSE(Painter().CanScrollByPixels(true));
    ScrollLeftTo(10);
    EXPECT_TRUE(Pending(MiddleOfRows()));
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface, ViewInfo().ClientBounds()), vcl::TRect{});
}

} // namespace
} // namespace ui
