// The grid's top level tabs as a user meets them: one tab per top level above or beside the active view, tabs of
// empty details coming with data, clicks and accelerators that show a level, the mouse handed on to the grid, hit
// tests, colours and fonts from the levels' styles, and a strip that keeps its scroll position as the layout is
// rebuilt.

#include "ui/grid/control/uiGridLevelTabControl.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/styles/uiStyles.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridDetailsSiteTabs.h"
#include "ui/grid/control/uiGridLevelStyles.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "vcl/system/Messages.h"

#include <gtest/gtest.h>
#include <string>
#include <typeinfo>
#include <vector>

namespace ui {
namespace {

vcl::TColor Rgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

class GridTopLevelTabsTest : public ui_test::GridOnFormTest {
protected:
    GridTopLevelTabsTest() : GridOnFormTest(ui_test::TFormPlacement::OnScreen) {}

    // A top level showing a view of records rows.
    TuiGridLevel& AddLevel(const char16_t* caption, int32_t records = 0) {
        auto* view = new TuiCustomGridView(Form.get());
        TuiGridLevel& level = Grid->Levels().Add();
        level.SetCaption(caption);
        level.SetGridView(view);
        view->DataController().SetRecordCount(records);
        return level;
    }
    void AddThreeLevels() {
        Orders = &AddLevel(u"&Orders");
        Items = &AddLevel(u"Items");
        Notes = &AddLevel(u"Notes");
    }
    void ShowTabs(TuiGridDetailTabsPosition position) { Grid->RootLevelOptions().SetDetailTabsPosition(position); }
    TuiGridTopDetailsSiteViewInfo& Site() const { return *Grid->ViewInfo().DetailsSite(); }
    TuiGridLevelTabControl& Strip() const { return Site().TabsViewInfo()->TabControl(); }
    std::vector<std::u16string> Captions() const {
        std::vector<std::u16string> captions;
        for (int32_t i = 0; i < Strip().Tabs().Count(); ++i) {
            captions.emplace_back(Strip().Tabs().Strings(i));
        }
        return captions;
    }
    // The middle of a tab, in the strip's coordinates and in the grid's.
    vcl::TPoint TabCenter(int32_t tabIndex) const {
        const vcl::TRect rect = Strip().Tabs().Tab(tabIndex).GetVisibleRect();
        return vcl::Point((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }
    vcl::TPoint InGrid(vcl::TPoint point) const {
        return vcl::Point(point.X + Strip().Left(), point.Y + Strip().Top());
    }

    TuiGridLevel* Orders = nullptr;
    TuiGridLevel* Items = nullptr;
    TuiGridLevel* Notes = nullptr;
};

TEST_F(GridTopLevelTabsTest, WithoutATabsPositionThereAreNoTabs) {
    AddThreeLevels();
    EXPECT_EQ(Site().TabsViewInfo(), nullptr);
    for (int32_t i = 0; i < Grid->ControlCount(); ++i) {
        EXPECT_EQ(dynamic_cast<TuiGridLevelTabControl*>(Grid->Controls(i)), nullptr);
    }
    EXPECT_NE(Grid->ViewInfo().GetHitTestAt(10, 5).GetHitTestCode(), 50);
}

TEST_F(GridTopLevelTabsTest, TopTabsShowEveryTopLevelInOrderAboveTheView) {
    AddThreeLevels();
    ShowTabs(dtpTop);
    EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"&Orders", u"Items", u"Notes"}));
    EXPECT_EQ(Strip().ActiveLevel(), Orders);
    EXPECT_EQ(Strip().TabPosition(), tpTop);
    EXPECT_FALSE(Strip().Rotate());
    EXPECT_TRUE(Strip().IsTabStripMode());
    EXPECT_FALSE(Strip().Focusable());
    EXPECT_TRUE(Strip().Options().Contains(pcoFixedTabWidthWhenRotated));

    const vcl::TRect client = Grid->GetClientBounds();
    const int32_t strip = Site().TabsViewInfo()->Height();
    EXPECT_EQ(Strip().BoundsRect(), vcl::Rect(client.Left, client.Top, client.Right, client.Top + strip));
    const TuiGridSite& site = Orders->GridView()->Site();
    EXPECT_EQ(site.BoundsRect(), vcl::Rect(client.Left, client.Top + strip, client.Right, client.Bottom));

    Items->SetActive(true);
    EXPECT_EQ(Strip().TabIndex(), 1) << "the active level's tab is selected";
}

TEST_F(GridTopLevelTabsTest, LeftTabsAreRotatedBesideTheView) {
    AddThreeLevels();
    ShowTabs(dtpLeft);
    EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"&Orders", u"Items", u"Notes"}));
    EXPECT_TRUE(Strip().Rotate());
    EXPECT_EQ(Strip().TabPosition(), tpLeft);
    const vcl::TRect client = Grid->GetClientBounds();
    const int32_t strip = Site().TabsViewInfo()->Width();
    EXPECT_EQ(Strip().BoundsRect(), vcl::Rect(client.Left, client.Top, client.Left + strip, client.Bottom));
    const TuiGridSite& site = Orders->GridView()->Site();
    EXPECT_EQ(site.BoundsRect(), vcl::Rect(client.Left + strip, client.Top, client.Right, client.Bottom));
}

TEST_F(GridTopLevelTabsTest, EmptyDetailsGetTheirTabWithTheirFirstRecord) {
    for (const TuiGridDetailTabsPosition position : {dtpTop, dtpLeft}) {
        while (Grid->Levels().Count() > 0) {
            rtl::TComponent::Free(Grid->Levels().Items(0));
        }
        Grid->RootLevelOptions().SetTabsForEmptyDetails(false);
        ShowTabs(position);
        TuiGridLevel& active = AddLevel(u"Active");
        TuiGridLevel& empty = AddLevel(u"Empty");
        AddLevel(u"Full", 2);
        EXPECT_EQ(Grid->ActiveLevel(), &active);
        EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"Active", u"Full"})) << position;

        empty.GridView()->DataController().SetRecordCount(1);
        EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"Active", u"Empty", u"Full"})) << position;
    }
}

TEST_F(GridTopLevelTabsTest, AClickShowsTheLevelAndTheOldStripGoesOnlyAfterTheClick) {
    AddThreeLevels();
    ShowTabs(dtpTop);
    TuiGridLevelTabControl* oldStrip = &Strip();
    const vcl::TControlLink oldStripLink(oldStrip);
    const vcl::TPoint onItems = TabCenter(1);
    const vcl::TPoint onItemsInGrid = InGrid(onItems);
    bool aliveWhenShown = false;
    Grid->SetOnActiveTabChanged([&](TuiCustomGrid&, TuiGridLevel*) { aliveWhenShown = oldStripLink.Alive(); });
    std::vector<vcl::TPoint> presses;
    std::vector<vcl::TPoint> releases;
    Grid->SetOnMouseDown([&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t x, int32_t y) {
        presses.push_back(vcl::Point(x, y));
    });
    Grid->SetOnMouseUp([&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t x, int32_t y) {
        releases.push_back(vcl::Point(x, y));
    });

    ui_test::MouseDown(*oldStrip, vcl::mbLeft, onItems);
    EXPECT_EQ(Grid->ActiveLevel(), Items);
    EXPECT_EQ(Grid->FocusedView(), Items->GridView());
    EXPECT_TRUE(aliveWhenShown) << "the level changed inside the strip's own click";
    EXPECT_FALSE(oldStripLink.Alive()) << "freed once the press was handled";
    EXPECT_EQ(presses, std::vector<vcl::TPoint>{onItemsInGrid});
    EXPECT_EQ(Strip().ActiveLevel(), Items);
    EXPECT_TRUE(Items->GridView()->Site().Visible());
    const TuiGridSite& ordersSite = Orders->GridView()->Site();
    EXPECT_TRUE(!ordersSite.Visible() || ordersSite.Left() >= GridSiteParkingLeft) << "the old view is gone";

    ui_test::MouseUp(Strip(), vcl::mbLeft, onItems);
    EXPECT_EQ(releases, std::vector<vcl::TPoint>{onItemsInGrid});
}

TEST_F(GridTopLevelTabsTest, AnUnusedWheelTurnAndADoubleClickReachTheGrid) {
    AddThreeLevels();
    ShowTabs(dtpTop);
    std::vector<int32_t> turns;
    Grid->SetOnMouseWheel(
        [&](rtl::TObject*, vcl::TShiftState, int32_t delta, vcl::TPoint, bool&) { turns.push_back(delta); });
    int doubleClicks = 0;
    Grid->SetOnDblClick([&](rtl::TObject*) { ++doubleClicks; });

    // Far below the tab line the strip has no use for the wheel.
    const vcl::TPoint belowTheTabs = Grid->ClientToScreen(vcl::Point(20, Grid->Height() - 20));
    const auto down = static_cast<uintptr_t>(static_cast<uint16_t>(-WHEEL_DELTA)) << 16;
    Strip().Perform(vcl::CM_MOUSEWHEEL, down, vcl::PointToLParam(belowTheTabs));
    EXPECT_EQ(turns, std::vector<int32_t>{-WHEEL_DELTA});

    ui_test::DoubleClick(Strip(), TabCenter(0));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(Grid->ActiveLevel(), Orders);
}

TEST_F(GridTopLevelTabsTest, AnAcceleratorSentToTheGridSelectsItsTab) {
    AddThreeLevels();
    ShowTabs(dtpTop);
    Items->SetActive(true);
    EXPECT_EQ(Grid->Perform(vcl::CM_DIALOGCHAR, u'o'), 1);
    EXPECT_EQ(Grid->ActiveLevel(), Orders);
    EXPECT_EQ(Strip().ActiveLevel(), Orders);

    Notes->SetCaption(u"&Notes");
    EXPECT_EQ(Strip().Perform(vcl::CM_DIALOGCHAR, u'n'), 0) << "the strip leaves accelerators to the grid";
    EXPECT_EQ(Grid->ActiveLevel(), Orders);
    EXPECT_EQ(Grid->Perform(vcl::CM_DIALOGCHAR, u'x'), 0);
    EXPECT_EQ(Grid->ActiveLevel(), Orders);
}

TEST_F(GridTopLevelTabsTest, WithAcceleratorsHiddenEveryAmpersandShows) {
    AddLevel(u"A&b&&c");
    ShowTabs(dtpTop);
    EXPECT_TRUE(Strip().ShowAccelerators()) << "the grid's own tabs show accelerators";
    EXPECT_EQ(Captions(), std::vector<std::u16string>{u"A&b&&c"});
    Strip().SetShowAccelerators(false);
    EXPECT_EQ(Captions(), std::vector<std::u16string>{u"Ab&&c"}) << "drawn as Ab&c";
    Strip().SetShowAccelerators(true);
    EXPECT_EQ(Captions(), std::vector<std::u16string>{u"A&b&&c"});
}

TEST_F(GridTopLevelTabsTest, APointOnATabHitsItsLevelAndElsewhereTheView) {
    AddThreeLevels();
    ShowTabs(dtpTop);
    const vcl::TPoint onItems = InGrid(TabCenter(1));
    TuiCustomGridHitTest& tab = Grid->ViewInfo().GetHitTestAt(onItems.X, onItems.Y);
    ASSERT_EQ(tab.GetHitTestCode(), 50);
    EXPECT_EQ(static_cast<TuiGridDetailsSiteTabHitTest&>(tab).Level(), Items);
    EXPECT_EQ(static_cast<TuiGridDetailsSiteTabHitTest&>(tab).Control(), Grid);
    EXPECT_EQ(tab.ViewInfo(), nullptr);

    const TuiGridSite& site = Orders->GridView()->Site();
    const vcl::TPoint inView = vcl::Point(site.Left() + 30, site.Top() + 40);
    TuiCustomGridHitTest& view = Grid->ViewInfo().GetHitTestAt(inView.X, inView.Y);
    ASSERT_EQ(typeid(view), typeid(TuiGridViewNoneHitTest));
    EXPECT_EQ(static_cast<TuiGridViewNoneHitTest&>(view).GridView(), Orders->GridView());
    EXPECT_EQ(view.Pos(), vcl::Point(30, 40));
}

TEST_F(GridTopLevelTabsTest, TheStripAndTabsTakeTheirStylesColours) {
    auto* background = new TuiStyle(Form.get());
    background->SetColor(vcl::clYellow);
    auto* aqua = new TuiStyle(Form.get());
    aqua->SetColor(vcl::clAqua);
    auto* sameAsStrip = new TuiStyle(Form.get());
    sameAsStrip->SetColor(vcl::clYellow);
    AddThreeLevels();
    Grid->Levels().Styles().SetTabsBackground(background);
    Items->Styles().SetOnGetOwnTabStyle([&](TuiGridLevel&, rtl::TObject*, TuiStyle*& style) { style = aqua; });
    Notes->Styles().SetOnGetOwnTabStyle([&](TuiGridLevel&, rtl::TObject*, TuiStyle*& style) { style = sameAsStrip; });
    Grid->LevelTabs().SetStyle(7);
    ShowTabs(dtpTop);

    EXPECT_EQ(Strip().Painter().ClassType().GetStyleID(), 7) << "the Flat style";
    EXPECT_EQ(Strip().Color(), vcl::clYellow);
    EXPECT_EQ(Strip().Tabs().Tab(0).Color(), Grid->GetPainter()->AltFaceColor()) << "the default tab colour";
    EXPECT_EQ(Strip().Tabs().Tab(1).Color(), vcl::clAqua);
    EXPECT_EQ(Strip().Tabs().Tab(2).Color(), vcl::clDefault) << "the strip's own colour";

    // A Flat tab in a strip shows its colour in the inner line of its frame.
    ui_test::TDibSurface surface(Grid->Width(), Grid->Height());
    ui_test::PaintControl(*Grid, surface);
    const auto colouredPixels = [&](int32_t tabIndex, vcl::TColor color) {
        const vcl::TRect rect = Strip().Tabs().Tab(tabIndex).GetVisibleRect();
        int count = 0;
        for (int32_t y = rect.Top; y < rect.Bottom; ++y) {
            for (int32_t x = rect.Left; x < rect.Right; ++x) {
                const vcl::TPoint point = InGrid(vcl::Point(x, y));
                count += surface.Pixel(point.X, point.Y) == Rgb(color) ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(colouredPixels(1, AdjustBrightness(vcl::clAqua, 85)), 10);
    EXPECT_EQ(colouredPixels(0, AdjustBrightness(vcl::clAqua, 85)), 0);
    const vcl::TRect notes = Strip().Tabs().Tab(2).GetVisibleRect();
    const vcl::TPoint pastTheTabs = InGrid(vcl::Point(notes.Right + 10, (notes.Top + notes.Bottom) / 2));
    EXPECT_EQ(surface.Pixel(pastTheTabs.X, pastTheTabs.Y), Rgb(vcl::clYellow));
}

TEST_F(GridTopLevelTabsTest, ACaptionTakesItsTabStylesFontUnlessASkinDrawsIt) {
    auto* red = new TuiStyle(Form.get());
    red->SetTextColor(vcl::clRed);
    vcl::TFont bold;
    bold.SetStyle({vcl::fsBold});
    red->SetFont(bold);
    AddThreeLevels();
    Items->Styles().SetOnGetOwnTabStyle([&](TuiGridLevel&, rtl::TObject*, TuiStyle*& style) { style = red; });
    ShowTabs(dtpTop);

    TuiCanvas& canvas = Strip().DrawingCanvas();
    // The strip is made anew by every layout: its canvas is taken again after one.
    Strip().PrepareTabFont(Strip().Tabs().Tab(1), canvas);
    EXPECT_EQ(canvas.Font().Color(), vcl::clRed);
    EXPECT_TRUE(canvas.Font().Style().Contains(vcl::fsBold));
    Strip().PrepareTabFont(Strip().Tabs().Tab(0), canvas);
    EXPECT_EQ(canvas.Font().Color(), Grid->GetPainter()->AltTextColor());
    EXPECT_FALSE(canvas.Font().Style().Contains(vcl::fsBold));

    Grid->LookAndFeel().SetSkinName(u"Blue");
    if (Strip().LookAndFeel().SkinPainter() == nullptr) {
        GTEST_SKIP() << "no skin painter without GDI+";
    }
    TuiCanvas& skinned = Strip().DrawingCanvas();
    Strip().PrepareTabFont(Strip().Tabs().Tab(1), skinned);
    EXPECT_NE(skinned.Font().Color(), vcl::clRed);
    EXPECT_FALSE(skinned.Font().Style().Contains(vcl::fsBold));
}

TEST_F(GridTopLevelTabsTest, TheFrameIsDrawnInItsWidthAndColourAndPaintingTwiceGivesTheSamePixels) {
    AddThreeLevels();
    Grid->RootLevelOptions().SetDetailFrameWidth(2);
    Grid->RootLevelOptions().SetDetailFrameColor(vcl::clRed);
    ShowTabs(dtpTop);
    const vcl::TRect frame = Site().GetFrameBounds();
    ui_test::TDibSurface surface(Grid->Width(), Grid->Height());
    ui_test::PaintControl(*Grid, surface);
    const int32_t middle = (frame.Left + frame.Right) / 2;
    EXPECT_EQ(surface.Pixel(middle, frame.Top), Rgb(vcl::clRed));
    EXPECT_EQ(surface.Pixel(middle, frame.Top + 1), Rgb(vcl::clRed));
    EXPECT_NE(surface.Pixel(middle, frame.Top + 2), Rgb(vcl::clRed));
    EXPECT_EQ(surface.Pixel(frame.Left + 1, frame.Bottom - 1), Rgb(vcl::clRed));
    EXPECT_EQ(Site().GetClientBounds().Top, Grid->GetClientBounds().Top + Site().TabsViewInfo()->Height() + 2);

    const std::vector<uint32_t> first = surface.Pixels();
    ui_test::PaintControl(*Grid, surface);
    EXPECT_EQ(surface.Pixels(), first);
}

TEST_F(GridTopLevelTabsTest, ARebuiltStripStillShowsTheTabItWasScrolledTo) {
    Grid->SetBounds(0, 0, 160, 200);
    for (int level = 0; level < 20; ++level) {
        AddLevel((u"Level " + std::u16string(1, static_cast<char16_t>(u'A' + level))).c_str());
    }
    ShowTabs(dtpTop);
    Strip().SetFirstDisplayedIndex(5);
    ASSERT_EQ(Strip().FirstDisplayedIndex(), 5);
    const vcl::TControlLink oldStrip(&Strip());

    Grid->LayoutChanged();
    EXPECT_FALSE(oldStrip.Alive()) << "the layout made a new strip";
    EXPECT_EQ(Strip().FirstDisplayedIndex(), 5);
}

TEST_F(GridTopLevelTabsTest, AFreedLevelLosesItsTabAndAFreedViewLeavesTheSiteWithout) {
    AddThreeLevels();
    ShowTabs(dtpTop);
    Grid->BeginUpdate();
    rtl::TComponent::Free(Notes);
    EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"&Orders", u"Items"})) << "before the layout runs";
    rtl::TComponent::Free(Orders->GridView());
    EXPECT_EQ(Site().GetActiveGridView(), nullptr);
    EXPECT_EQ(Site().GetHitTest(vcl::Point(100, 150)), nullptr);
    Grid->EndUpdate();
    EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"&Orders", u"Items"}));
}

} // namespace
} // namespace ui
