#include "ui/grid/control/uiGridDetailsSite.h"

#include "tests/ui/grid/GridTestSupport.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridViewInfo.h"

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

// A details site with the limits the test gives.
class TTestDetailsSite : public TuiCustomGridDetailsSiteViewInfo {
public:
    TTestDetailsSite(TuiGridLevel& level, TuiCustomGridView* view)
        : TuiCustomGridDetailsSiteViewInfo(level), View(view) {}
    ~TTestDetailsSite() override { VisibilityChanged(false); }

    TuiCustomGridView* View;

protected:
    TuiCustomGridView* GetActiveGridViewValue() const override { return View; }
    int32_t GetMaxHeight() const override { return 300; }
    int32_t GetMaxWidth() const override { return 1000; }
    int32_t GetMinWidth() const override { return 0; }
};

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
    TTestDetailsSite site(*Level, nullptr);
    site.Calculate(5, 7);
    EXPECT_EQ(site.Bounds(), vcl::Rect(5, 7, 5 + 204, 7 + 104));
    EXPECT_EQ(site.GetClientBounds(), vcl::Rect(7, 9, 207, 109));
    EXPECT_EQ(site.GetFrameBounds(), site.Bounds());
    EXPECT_TRUE(site.FullyVisible());
    EXPECT_EQ(site.NormalHeight(), 104);
    EXPECT_EQ(site.GetHitTest(vcl::Point(10, 10)), nullptr);
}

TEST_F(GridDetailsSiteTest, TallerContentGetsExactlyTheMaximumHeight) {
    auto* view = new TTallView(Form.get());
    TTestDetailsSite site(*Level, view);
    site.Calculate(0, 0);
    EXPECT_EQ(site.Height(), 300);
    EXPECT_FALSE(site.FullyVisible());
    EXPECT_EQ(site.NormalHeight(), 504);
    rtl::TComponent::Free(view);
    EXPECT_EQ(site.GetActiveGridView(), nullptr);
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
