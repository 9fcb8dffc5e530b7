#include "ui/grid/view/uiGridSite.h"

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridController.h"
#include "ui/grid/view/uiGridPainter.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "ui/grid/view/uiGridViewInfoCache.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

const vcl::TRect PaintedPart = vcl::Rect(10, 10, 40, 30);
const vcl::TRect FocusedPart = vcl::Rect(50, 20, 90, 60);

// Paints two red parts, and the focus rectangle of the second as often as asked.
class TPartPainter : public TuiCustomGridPainter {
public:
    using TuiCustomGridPainter::TuiCustomGridPainter;
    int FocusRects = 0;

protected:
    void PaintContent() override {
        for (const vcl::TRect& part : {PaintedPart, FocusedPart}) {
            Canvas().FillRectColor(part, vcl::clRed);
            ExcludeFromBackground(part);
        }
        for (int count = 0; count < FocusRects; ++count) {
            DrawFocusRect(FocusedPart, false);
        }
    }
};

// Shows a vertical bar on the site when asked to.
class TBarController : public TuiCustomGridController {
public:
    using TuiCustomGridController::TuiCustomGridController;
    bool WantsBar = false;
    void InitScrollBarsParameters() override {
        GridView().Site().SetScrollBarInfo(sbVertical, 0, WantsBar ? 100 : 0, 1, 10, 0, true, true);
    }
};

// Sizes its site while the view is shown or hidden when asked to, and counts its layouts.
class TResizingViewInfo : public TuiCustomGridViewInfo {
public:
    using TuiCustomGridViewInfo::TuiCustomGridViewInfo;
    bool ResizeWhileShown = false;
    int Layouts = 0;

protected:
    void Calculate() override { ++Layouts; }
    void VisibilityChanged(bool visible) override {
        TuiCustomGridViewInfo::VisibilityChanged(visible);
        if (ResizeWhileShown) {
            Site().SetBounds(Site().Left(), Site().Top(), Site().Width() - 20, Site().Height() - 20);
        }
    }
};

class TPartView : public TuiCustomGridView {
    RTL_DECLARE_CLASS(TPartView, TuiCustomGridView)
public:
    explicit TPartView(rtl::TComponent* owner) : TuiCustomGridView(owner) {}
    TPartPainter& PartPainter() { return static_cast<TPartPainter&>(Painter()); }
    TBarController& BarController() { return static_cast<TBarController&>(Controller()); }
    TResizingViewInfo& ResizingViewInfo() { return static_cast<TResizingViewInfo&>(ViewInfo()); }
    int SiteSizeChanges = 0;
    void SiteSizeChanged() override {
        ++SiteSizeChanges;
        TuiCustomGridView::SiteSizeChanged();
    }

protected:
    std::unique_ptr<TuiCustomGridPainter> CreatePainter() override { return std::make_unique<TPartPainter>(*this); }
    std::unique_ptr<TuiCustomGridController> CreateController() override {
        return std::make_unique<TBarController>(*this);
    }
    std::unique_ptr<TuiCustomGridViewInfo> CreateViewInfo() override {
        return std::make_unique<TResizingViewInfo>(*this);
    }
};

class GridSiteTest : public ui_test::GridOnFormTest {
protected:
    GridSiteTest() : GridOnFormTest(ui_test::TFormPlacement::OnScreen) {}
    void SetUp() override {
        GridOnFormTest::SetUp();
        Grid->SetBorderStyle(uicbsNone);
        View = new TPartView(Form.get());
        Grid->Levels().Add().SetGridView(View);
        Site = &View->Site();
    }
    std::vector<uint32_t> PaintSite() {
        ui_test::TDibSurface surface(Site->Width(), Site->Height());
        ui_test::PaintControl(*Site, surface);
        return surface.Pixels();
    }
    vcl::TColor SitePixel(int x, int y) {
        ui_test::TDibSurface surface(Site->Width(), Site->Height());
        ui_test::PaintControl(*Site, surface);
        return surface.Pixel(x, y);
    }

    TPartView* View = nullptr;
    TuiGridSite* Site = nullptr;
};

TEST_F(GridSiteTest, TheSiteFillsTheGridAndTheBackgroundFillsWhatThePartsLeave) {
    ASSERT_EQ(Site->Parent(), Grid);
    ASSERT_EQ(Site->BoundsRect(), Grid->GetClientBounds());
    EXPECT_EQ(Site->LookAndFeel().Master(), &Grid->LookAndFeel());
    ui_test::TDibSurface surface(Site->Width(), Site->Height());
    ui_test::PaintControl(*Site, surface);
    const vcl::TColor background = vcl::ColorToRGB(View->ViewInfo().GetBackgroundColor());
    for (int y = 0; y < surface.Height(); y += 3) {
        for (int x = 0; x < surface.Width(); x += 3) {
            const bool inPart = PaintedPart.Contains(vcl::Point(x, y)) || FocusedPart.Contains(vcl::Point(x, y));
            ASSERT_EQ(surface.Pixel(x, y), inPart ? vcl::clRed : background) << x << "," << y;
        }
    }
    EXPECT_EQ(PaintSite(), surface.Pixels());
}

// Only the window's erase shows: one colour everywhere.
bool ShowsNothingPainted(const std::vector<uint32_t>& pixels) {
    return std::all_of(pixels.begin(), pixels.end(), [&](uint32_t pixel) { return pixel == pixels.front(); });
}

TEST_F(GridSiteTest, AResizedGridLaysTheSiteOverItsNewClientArea) {
    Grid->SetBounds(10, 10, 180, 120);
    EXPECT_EQ(Site->BoundsRect(), Grid->GetClientBounds());
    EXPECT_EQ(Site->Width(), Grid->GetClientBounds().Width());
}

TEST_F(GridSiteTest, AParkedSiteOrALockedViewPaintsNothing) {
    View->BeginUpdate();
    EXPECT_TRUE(ShowsNothingPainted(PaintSite()));
    View->EndUpdate();
    EXPECT_FALSE(ShowsNothingPainted(PaintSite()));
    Site->SetLeft(GridSiteParkingLeft);
    EXPECT_TRUE(ShowsNothingPainted(PaintSite()));
}

TEST_F(GridSiteTest, TheUnfocusedFocusRectangleIsFourInvertedLinesThatTwiceLeaveNoTrace) {
    ASSERT_FALSE(View->HasFocus());
    const std::vector<uint32_t> plain = PaintSite();
    View->PartPainter().FocusRects = 1;
    const vcl::TColor red = vcl::ColorToRGB(vcl::clRed);
    const vcl::TColor inverted = red ^ 0xFFFFFF;
    for (const vcl::TPoint corner : {FocusedPart.TopLeft(), vcl::Point(FocusedPart.Right - 1, FocusedPart.Bottom - 1),
                                     vcl::Point(FocusedPart.Left, 40), vcl::Point(FocusedPart.Right - 1, 40)}) {
        EXPECT_EQ(SitePixel(corner.X, corner.Y), inverted) << corner.X << "," << corner.Y;
    }
    EXPECT_EQ(SitePixel(70, FocusedPart.Top + 1), red);
    EXPECT_EQ(SitePixel(FocusedPart.Left + 1, 40), red);
    View->PartPainter().FocusRects = 2;
    EXPECT_EQ(PaintSite(), plain);
}

TEST_F(GridSiteTest, AHiddenViewWhoseSiteHasTheFocusIsParked) {
    Site->SetFocus();
    ASSERT_TRUE(Site->Focused());
    View->ViewInfo().UpdateVisibility(false);
    EXPECT_EQ(Site->Left(), GridSiteParkingLeft);
    EXPECT_EQ(Site->Parent(), Grid);
    Grid->SetFocus();
    View->Level()->SetVisible(false);
    View->ViewInfo().UpdateVisibility(false);
    EXPECT_EQ(Site->Parent(), nullptr);
}

TEST(GridViewInfoCache, GetItemMakesItemsOnlyInsideItsPlaces) {
    auto form = ui_test::CreateTestForm();
    auto* view = new TPartView(form.get());
    TuiCustomGridViewInfoCache cache(*view);
    cache.SetCount(5);
    EXPECT_EQ(cache.Count(), 5);
    for (int32_t index = 0; index < 5; ++index) {
        EXPECT_EQ(cache.Items(index), nullptr);
    }
    EXPECT_EQ(cache.GetItem(-1), nullptr);
    EXPECT_EQ(cache.GetItem(5), nullptr);
    TuiCustomGridViewInfoCacheItem* item = cache.GetItem(2);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Index(), 2);
    EXPECT_EQ(cache.GetItem(2), item);
    EXPECT_EQ(cache.Count(), 5);
}

TEST_F(GridSiteTest, ASizeChangeWhileTheViewComesOrGoesIsLeftAlone) {
    TResizingViewInfo& viewInfo = View->ResizingViewInfo();
    const int layouts = viewInfo.Layouts;
    viewInfo.ResizeWhileShown = true;
    viewInfo.UpdateVisibility(true);
    viewInfo.ResizeWhileShown = false;
    ui_test::PumpMessages(20);
    EXPECT_EQ(View->SiteSizeChanges, 0);
    EXPECT_EQ(viewInfo.Layouts, layouts) << "nothing laid out again";
}

TEST_F(GridSiteTest, ASizeChangeOutsideALayoutLaysTheViewOutAtOnceAndOneWhileTheBarsComeAMillisecondLater) {
    TResizingViewInfo& viewInfo = View->ResizingViewInfo();
    int layouts = viewInfo.Layouts;
    Site->SetBorderStyle(uicbsDefault);
    EXPECT_EQ(View->SiteSizeChanges, 1);
    EXPECT_EQ(viewInfo.Layouts, layouts + 1);

    View->SiteSizeChanges = 0;
    layouts = viewInfo.Layouts;
    View->BarController().WantsBar = true;
    Site->UpdateScrollBars();
    ASSERT_TRUE(Site->IsVScrollBarVisible());
    EXPECT_EQ(View->SiteSizeChanges, 0) << "not while the bars are being shown";
    EXPECT_EQ(viewInfo.Layouts, layouts);
    ASSERT_TRUE(ui_test::PumpUntil([&] { return View->SiteSizeChanges > 0; }));
    ui_test::PumpMessages(20);
    EXPECT_EQ(View->SiteSizeChanges, 1) << "once";
    EXPECT_GT(viewInfo.Layouts, layouts);
}

TEST_F(GridSiteTest, TheViewsSiteEventsDragModeAndContextMenuAreTheSites) {
    int keys = 0;
    View->SetOnKeyDown([&](rtl::TObject*, uint16_t&, vcl::TShiftState) { ++keys; });
    ASSERT_TRUE(static_cast<bool>(Site->OnKeyDown()));
    uint16_t key = 'A';
    Site->OnKeyDown()(Site, key, {});
    EXPECT_EQ(keys, 1);
    View->SetDragMode(vcl::dmAutomatic);
    EXPECT_EQ(Site->DragMode(), vcl::dmAutomatic);
    EXPECT_EQ(View->DragMode(), vcl::dmAutomatic);

    auto* copy = new TPartView(Form.get());
    Grid->Levels().Add().SetGridView(copy);
    copy->AssignSiteSettings(*View);
    EXPECT_EQ(copy->DragMode(), vcl::dmAutomatic);
    ASSERT_TRUE(static_cast<bool>(copy->Site().OnKeyDown()));
    copy->Site().OnKeyDown()(&copy->Site(), key, {});
    EXPECT_EQ(keys, 2);
}

} // namespace
} // namespace ui
