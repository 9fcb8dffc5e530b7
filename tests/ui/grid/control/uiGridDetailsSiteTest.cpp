#include "ui/grid/control/uiGridDetailsSite.h"

#include "tests/ui/grid/GridTestSupport.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridDetailsSiteTabs.h"
#include "ui/grid/control/uiGridLevelTabControl.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <typeinfo>

namespace ui {
namespace {

// A view info whose content wants a fixed height and does not fit.
class TTallViewInfo : public TuiCustomGridViewInfo {
public:
    using TuiCustomGridViewInfo::TuiCustomGridViewInfo;

protected:
    void CalculateHeight(const vcl::TSize& /*maxSize*/, int32_t& height, bool& fullyVisible) override {
        height = 500;
        fullyVisible = false;
    }
};

class TTallView : public TuiCustomGridView {
    RTL_DECLARE_CLASS(TTallView, TuiCustomGridView)
public:
    explicit TTallView(rtl::TComponent* owner) : TuiCustomGridView(owner) {}

protected:
    std::unique_ptr<TuiCustomGridViewInfo> CreateViewInfo() override { return std::make_unique<TTallViewInfo>(*this); }
};

// A details site on the grid with the limits the test gives; its first child level is the active one.
class TTestDetailsSite : public TuiCustomGridDetailsSiteViewInfo {
public:
    TTestDetailsSite(TuiGridLevel& level, TuiCustomGridView* view)
        : TuiCustomGridDetailsSiteViewInfo(level), View(view) {}
    ~TTestDetailsSite() override { VisibilityChanged(false); }

    TuiCustomGridView* View;

    TuiGridLevel* GetActiveLevel() const override { return Level().Count() > 0 ? Level().Items(0) : nullptr; }
    vcl::TWinControl* GetContainer() const override { return Control(); }
    void InitTabHitTest(TuiGridDetailsSiteTabHitTest& /*hitTest*/) const override {}
    void ActiveLevelChanged(TuiGridLevel& /*level*/) override {}

protected:
    TuiCustomGridView* GetActiveGridViewValue() const override { return View; }
    bool HasDetailData(const TuiGridLevel& /*level*/) const override { return false; }
    int32_t GetMaxHeight() const override { return 300; }
    int32_t GetMaxWidth() const override { return 1000; }
    int32_t GetMinWidth() const override { return 0; }
};

using TTestDetailsSitePtr = std::unique_ptr<TTestDetailsSite, rtl::TComponentDeleter>;

TTestDetailsSitePtr CreateTestSite(TuiGridLevel& level, TuiCustomGridView* view) {
    return TuiCustomGridDetailsSiteViewInfo::Create<TTestDetailsSite>(level, view);
}

class GridDetailsSiteTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        Level = &Grid->Levels().Add();
        Level->Options().SetDetailFrameWidth(2);
    }

    TuiGridLevel* Level = nullptr;
};

TEST_F(GridDetailsSiteTest, WithoutAViewItIs100By200InsideItsFrame) {
    const TTestDetailsSitePtr site = CreateTestSite(*Level, nullptr);
    EXPECT_EQ(site->TabsViewInfo(), nullptr);
    site->Calculate(5, 7);
    EXPECT_EQ(site->Bounds(), vcl::Rect(5, 7, 5 + 204, 7 + 104));
    EXPECT_EQ(site->GetClientBounds(), vcl::Rect(7, 9, 207, 109));
    EXPECT_EQ(site->GetFrameBounds(), site->Bounds());
    EXPECT_TRUE(site->FullyVisible());
    EXPECT_EQ(site->NormalHeight(), 104);
    EXPECT_EQ(site->GetHitTest(vcl::Point(10, 10)), nullptr);
}

TEST_F(GridDetailsSiteTest, TallerContentGetsExactlyTheMaximumHeight) {
    auto* view = new TTallView(Form.get());
    const TTestDetailsSitePtr site = CreateTestSite(*Level, view);
    site->Calculate(0, 0);
    EXPECT_EQ(site->Height(), 300);
    EXPECT_FALSE(site->FullyVisible());
    EXPECT_EQ(site->NormalHeight(), 504);
    rtl::TComponent::Free(view);
    EXPECT_EQ(site->GetActiveGridView(), nullptr);
}

// The strip takes its thickness off the client area; along the tabs the site is at least as long as they are.
TEST_F(GridDetailsSiteTest, TabsTakeTheirStripAndStretchTheSiteToTheirFullLength) {
    struct TCase {
        TuiGridDetailTabsPosition Position;
        int TabCount;
    };
    for (const TCase& test : {TCase{dtpTop, 1}, TCase{dtpLeft, 1}, TCase{dtpTop, 8}, TCase{dtpLeft, 8}}) {
        while (Level->Count() < test.TabCount) {
            Level->Add().SetCaption(u"Details");
        }
        Level->Options().SetDetailTabsPosition(test.Position);
        const TTestDetailsSitePtr site = CreateTestSite(*Level, nullptr);
        ASSERT_NE(site->TabsViewInfo(), nullptr);
        TuiCustomGridDetailsSiteTabsViewInfo& tabs = *site->TabsViewInfo();
        EXPECT_EQ(tabs.TabControl().Tabs().Count(), test.TabCount);
        const int32_t fullLength = tabs.TabControl().CalcFullTabsLength();
        site->Calculate(0, 0);
        const bool top = test.Position == dtpTop;
        const int32_t strip = top ? tabs.Height() : tabs.Width();
        EXPECT_GT(strip, 0);
        EXPECT_EQ(site->Height(), top ? 104 + strip : std::max(104, fullLength)) << test.TabCount;
        EXPECT_EQ(site->Width(), top ? std::max(204, fullLength) : 204 + strip) << test.TabCount;
        const vcl::TRect client = site->GetClientBounds();
        EXPECT_EQ(client.Left, top ? 2 : strip + 2);
        EXPECT_EQ(client.Top, top ? strip + 2 : 2);
        EXPECT_EQ(client.Width(), site->Width() - site->NonClientWidth());
        if (top) {
            EXPECT_EQ(client.Height(), 100) << "the tabs add their strip to the empty client height";
        } else {
            EXPECT_EQ(client.Width(), 200) << "the tabs add their strip to the empty client width";
        }
        EXPECT_EQ(tabs.TabControl().Parent(), Grid);
        EXPECT_EQ(tabs.TabControl().BoundsRect(), tabs.Bounds());
        EXPECT_EQ(tabs.TabControl().Rotate(), !top);
    }
}

TEST_F(GridDetailsSiteTest, WithoutVisibleTopLevelsTheGridAnswersTheNoneHitTest) {
    auto* view = new TTallView(Form.get());
    Level->SetGridView(view);
    TuiCustomGridHitTest& inView = Grid->ViewInfo().GetHitTestAt(20, 20);
    EXPECT_EQ(typeid(inView), typeid(TuiGridViewNoneHitTest));
    EXPECT_EQ(static_cast<TuiGridViewNoneHitTest&>(inView).GridView(), view);

    Level->SetVisible(false);
    for (const vcl::TPoint point : {vcl::Point(20, 20), vcl::Point(240, 190)}) {
        TuiCustomGridHitTest& hitTest = Grid->ViewInfo().GetHitTestAt(point.X, point.Y);
        EXPECT_EQ(typeid(hitTest), typeid(TuiGridNoneHitTest));
        EXPECT_EQ(hitTest.Pos(), point);
        EXPECT_EQ(hitTest.GetHitTestCode(), 0);
    }
    EXPECT_FALSE(Grid->ViewInfo().IsDetailsSiteVisible());
}

} // namespace
} // namespace ui
