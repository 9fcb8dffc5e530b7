#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/grid/customtable/uiGridDataController.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace ui {
namespace {

// The smallest rectangle holding every pixel in which two surfaces of one size differ; empty when none.
vcl::TRect DifferenceBox(const ui_test::TDibSurface& a, const ui_test::TDibSurface& b) {
    vcl::TRect box{a.Width(), a.Height(), 0, 0};
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
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
    }
    void ShowRecords(int records) {
        Fill(records);
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
    vcl::TRect PendingUpdate() const {
        RECT update{};
        GetUpdateRect(Site().Handle(), &update, FALSE);
        return vcl::Rect(update.left, update.top, update.right, update.bottom);
    }
};

TEST_F(GridTableScrollingTest, TheSiteShowsWhatThePainterDraws) {
    ShowRecords(40);
    ASSERT_GT(ViewInfo().RowCount(), 4);
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, TheLayoutAndThePictureFollowTheData) {
    ShowRecords(3);
    View->DataController().SetValue(1, 0, rtl::Variant(rtl::UnicodeString(u"Changed")));
    View->DataController().SetRecordCount(5);
    ui_test::PumpMessages(50);
    UpdateWindow(Site().Handle());
    ASSERT_EQ(ViewInfo().RowCount(), 5);
    EXPECT_EQ(rtl::VarToStr(ViewInfo().Rows(1).Cells(0).CellDisplayValue()), u"Changed");
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AVerticalPixelScrollEqualsAFullRepaintOfTheNewState) {
    ShowRecords(40);
    ASSERT_TRUE(Painter().CanScrollByPixels(true));
    const int32_t rowHeight = ViewInfo().DataRowHeight();
    Painter().ScrollRecords(2);
    const vcl::TRect update = PendingUpdate();
    EXPECT_LE(update.Height(), 3 * rowHeight) << "only the rows coming in are painted anew";
    UpdateWindow(Site().Handle());
    EXPECT_EQ(ViewInfo().Rows(0).RowIndex(), 2);
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface), vcl::TRect{});

    Painter().ScrollRecords(-1);
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AHorizontalPixelScrollEqualsAFullRepaintOfTheNewState) {
    ShowRecords(10);
    Painter().ScrollHorizontally(-30);
    EXPECT_EQ(ViewInfo().LeftPos(), 30);
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AMergingColumnMakesVerticalScrollsRepaint) {
    ShowRecords(40);
    View->Columns(0)->Options().SetCellMerging(true);
    ui_test::PumpMessages(50);
    EXPECT_FALSE(Painter().CanScrollByPixels(true));
    EXPECT_TRUE(Painter().CanScrollByPixels(false));
    Painter().ScrollRecords(2);
    EXPECT_EQ(PendingUpdate(), ClientRect());
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface), vcl::TRect{});
}

TEST_F(GridTableScrollingTest, AnEmptyViewRepaintsInsteadOfMovingPixels) {
    ShowRecords(0);
    ASSERT_FALSE(Painter().CanScrollByPixels(true));
    Painter().ScrollHorizontally(-10);
    EXPECT_EQ(PendingUpdate(), ClientRect());
    UpdateWindow(Site().Handle());
    EXPECT_EQ(DifferenceBox(*ReadSite(), Repaint()->Surface), vcl::TRect{});
}

} // namespace
} // namespace ui
