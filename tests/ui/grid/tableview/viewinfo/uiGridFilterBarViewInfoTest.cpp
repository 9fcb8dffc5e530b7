#include "ui/grid/tableview/viewinfo/uiGridFilterBarViewInfo.h"

#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/view/uiGridSite.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

class GridFilterBarViewInfoTest : public ui_test::GridTableLayoutTest {
protected:
    void SetUp() override {
        GridTableLayoutTest::SetUp();
        Fill(30);
    }
    void FilterOnTheNumbers() {
        View->DataController().Filter().AddItem(nullptr, View->Columns(2), fokGreater, rtl::Variant(3), u"3");
    }
    static vcl::TPoint CentreOf(const vcl::TRect& rect) {
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
};

TEST_F(GridFilterBarViewInfoTest, TheBarShowsAsFilterBoxVisibleSays) {
    struct Case {
        TuiGridFilterVisible Visible;
        bool Conditions;
        bool Shown;
    };
    const Case cases[] = {
        {fvNever, true, false}, {fvNonEmpty, false, false}, {fvNonEmpty, true, true}, {fvAlways, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "visible " << int{c.Visible} << (c.Conditions ? " with" : " without")
                                        << " conditions");
        View->DataController().Filter().ClearConditions();
        if (c.Conditions) {
            FilterOnTheNumbers();
        }
        View->FilterBox().SetVisible(c.Visible);
        TuiGridTableViewInfo& viewInfo = Layout();
        ui_test::ExpectLayoutInvariants(viewInfo);
        EXPECT_EQ(viewInfo.FilterBar().Bounds().Height() > 0, c.Shown);
        EXPECT_EQ(viewInfo.Placement().RowsAreaBounds.Bottom,
                  viewInfo.ClientBounds().Bottom - viewInfo.FilterBar().Bounds().Height())
            << "at the bottom by default, the rows area gives it its height";
    }
}

TEST_F(GridFilterBarViewInfoTest, AnEmptyFilterShowsItsPromptAndTheCustomizeButtonOnly) {
    View->FilterBox().SetVisible(fvAlways);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridFilterBarViewInfo& bar = viewInfo.FilterBar();
    EXPECT_EQ(bar.Text(), u"<Filter is Empty>");
    EXPECT_FALSE(bar.ButtonVisible(fbbClose));
    EXPECT_FALSE(bar.ButtonVisible(fbbActivate));
    EXPECT_TRUE(bar.ButtonVisible(fbbCustomize));
    EXPECT_FALSE(bar.ButtonVisible(fbbDropDown)) << "no recently used filters";
    EXPECT_EQ(bar.ButtonBounds(fbbCustomize).Right, bar.Bounds().Right - 4);
    EXPECT_EQ(bar.Bounds().Width(), viewInfo.ClientBounds().Width());

    View->FilterBox().SetCustomizeDialog(false);
    EXPECT_FALSE(Layout().FilterBar().ButtonVisible(fbbCustomize));
}

TEST_F(GridFilterBarViewInfoTest, AFilterShowsItsTextWithCloseAndActivateButtonsAndAnswersTheirHitTests) {
    FilterOnTheNumbers();
    View->FilterBox().SetPosition(fpTop);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const TuiGridFilterBarViewInfo& bar = viewInfo.FilterBar();
    EXPECT_EQ(bar.Text(), View->DataController().Filter().GetFilterCaption());
    EXPECT_EQ(bar.Bounds().Top, viewInfo.ClientBounds().Top) << "at the top";
    EXPECT_EQ(viewInfo.Placement().HeaderBounds.Top, bar.Bounds().Bottom);
    struct Case {
        TuiGridFilterBarButtonKind Button;
        int32_t Code;
    };
    for (const Case& c : {Case{fbbClose, 103}, Case{fbbActivate, 102}, Case{fbbCustomize, 105}}) {
        ASSERT_TRUE(bar.ButtonVisible(c.Button));
        EXPECT_EQ(viewInfo.GetHitTest(CentreOf(bar.ButtonBounds(c.Button))).GetHitTestCode(), c.Code);
    }
    EXPECT_EQ(viewInfo.GetHitTest(CentreOf(bar.TextBounds())).GetHitTestCode(), 101);
    EXPECT_LT(bar.ButtonBounds(fbbClose).Right, bar.ButtonBounds(fbbActivate).Left);
    EXPECT_LT(bar.ButtonBounds(fbbActivate).Right, bar.TextBounds().Left);
}

TEST_F(GridFilterBarViewInfoTest, PaintingTwiceGivesTheSamePixelsAndTheActivateBoxShowsTheFiltersState) {
    FilterOnTheNumbers();
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto inactive = Paint();
    EXPECT_EQ(inactive->Surface.Pixels(), Paint()->Surface.Pixels());
    const vcl::TRect box = viewInfo.FilterBar().ButtonBounds(fbbActivate);
    View->DataController().Filter().SetActive(!View->DataController().Filter().Active());
    const vcl::TRect& bar = Layout().FilterBar().Bounds();
    const auto toggled = Paint();
    EXPECT_FALSE(ui_test::SameArea(inactive->Surface, toggled->Surface, box)) << "the check follows the filter";
    for (int y = bar.Top; y < bar.Bottom; ++y) {
        for (int x = bar.Left; x < bar.Right; ++x) {
            ASSERT_NE(toggled->Surface.Pixel(x, y), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clFuchsia)));
        }
    }
}

TEST_F(GridFilterBarViewInfoTest, ThePartBackgroundHandlerPaintsTheBarsBackgroundOnlyAndDoneSkipsTheDefault) {
    View->FilterBox().SetVisible(fvAlways);
    const auto lime = static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clLime));
    const auto limeOutside = [lime](const ui_test::TDibSurface& surface, const vcl::TRect& bar) {
        int count = 0;
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                count += !bar.Contains({x, y}) && surface.Pixel(x, y) == lime ? 1 : 0;
            }
        }
        return count;
    };
    TuiGridTableViewInfo& viewInfo = Layout();
    EXPECT_FALSE(viewInfo.FilterBar().HasCustomDrawBackground());
    const auto plain = Paint();
    for (const bool done : {true, false}) {
        SCOPED_TRACE(done ? "done" : "not done");
        std::vector<TuiCustomGridPartViewInfo*> parts;
        View->SetOnCustomDrawPartBackground(
            [&, done](TuiCustomGridTableView& sender, TuiCanvas& canvas, TuiCustomGridPartViewInfo* part, bool& drawn) {
                EXPECT_EQ(&sender, View);
                parts.push_back(part);
                canvas.FillRectColor(part->Bounds(), vcl::clLime);
                drawn = done;
            });
        TuiGridFilterBarViewInfo& bar = Layout().FilterBar();
        EXPECT_TRUE(bar.HasCustomDrawBackground());
        const auto drawn = Paint();
        EXPECT_EQ(parts, std::vector<TuiCustomGridPartViewInfo*>{&bar}) << "the filter bar's view info, once";
        EXPECT_EQ(limeOutside(drawn->Surface, bar.Bounds()), 0);
        EXPECT_EQ(drawn->Surface.Pixel(bar.Bounds().Left, bar.Bounds().Top) == lime, done)
            << "the default background covers the handler's unless it was done";
        EXPECT_EQ(ui_test::SameArea(plain->Surface, drawn->Surface, bar.Bounds()), !done);
    }
    std::vector<TuiCustomGridPartViewInfo*> parts;
    View->SetOnCustomDrawPartBackground([&parts](TuiCustomGridTableView&, TuiCanvas&, TuiCustomGridPartViewInfo* part,
                                                 bool&) { parts.push_back(part); });
    View->FilterBox().SetVisible(fvNever);
    Layout();
    Paint();
    EXPECT_TRUE(parts.empty()) << "a hidden bar paints nothing";
    EXPECT_TRUE(viewInfo.FilterBar().Bounds().IsEmpty());
    EXPECT_EQ(viewInfo.FilterBar().Height(), 0);
}

TEST_F(GridFilterBarViewInfoTest, TheControllerPagesTheRowsBetweenTheBands) {
    View->FilterBox().SetVisible(fvAlways);
    Layout(View->Site().ClientRect());
    TuiGridTableViewInfo& viewInfo = Layout(View->Site().ClientRect());
    ASSERT_GT(viewInfo.FilterBarHeight(), 0);
    EXPECT_EQ(View->Controller().Placement().RowsAreaBounds, viewInfo.Placement().RowsAreaBounds);
    EXPECT_EQ(View->Controller().PageVisibleRecordCount(0, true), viewInfo.VisibleRows().VisibleCount);
}

TEST_F(GridFilterBarViewInfoTest, ItsButtonsSwitchTheFilterOnAndOffAndClearIt) {
    FilterOnTheNumbers();
    TuiDataFilterCriteria& filter = View->DataController().Filter();
    filter.SetActive(true);
    ui_test::PumpMessages(50);
    auto& viewInfo = static_cast<TuiGridTableViewInfo&>(View->ViewInfo());
    ASSERT_TRUE(viewInfo.FilterBar().ButtonVisible(fbbActivate));
    ui_test::Click(View->Site(), CentreOf(viewInfo.FilterBar().ButtonBounds(fbbActivate)));
    EXPECT_FALSE(filter.Active());
    ui_test::PumpMessages(50);
    ui_test::Click(View->Site(), CentreOf(viewInfo.FilterBar().TextBounds()));
    EXPECT_FALSE(filter.Active()) << "the text alone does nothing";
    EXPECT_FALSE(filter.HasNoConditions());
    ui_test::Click(View->Site(), CentreOf(viewInfo.FilterBar().ButtonBounds(fbbClose)));
    EXPECT_TRUE(filter.HasNoConditions());
    ui_test::PumpMessages(50);
    EXPECT_EQ(viewInfo.FilterBar().Bounds().Height(), 0) << "without conditions the bar hides";
}

} // namespace
} // namespace ui
