#include "ui/grid/tableview/viewinfo/uiGridGroupByBoxViewInfo.h"

#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class GridGroupByBoxViewInfoTest : public ui_test::GridTableLayoutTest {
protected:
    void SetUp() override {
        GridTableLayoutTest::SetUp();
        Fill(20);
        View->OptionsView().SetGroupByBox(true);
    }

    int32_t PromptLineHeight() const {
        TuiDrawParams params;
        View->Styles().ResolveDrawParams(TuiGridTableViewStyles::vsGroupByBox, nullptr, nullptr, params);
        return static_cast<TuiGridTableViewInfo&>(View->ViewInfo()).MeasureText(u"Qq", params.Font).cy;
    }

    static vcl::TPoint CentreOf(const vcl::TRect& rect) {
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }
};

TEST_F(GridGroupByBoxViewInfoTest, AnEmptyBoxShowsThePromptAboveTheHeader) {
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const TuiGridGroupByBoxViewInfo& box = viewInfo.GroupByBox();
    EXPECT_TRUE(box.HasPrompt());
    EXPECT_EQ(box.Bounds(), (vcl::TRect{0, 0, viewInfo.ClientBounds().Right, PromptLineHeight() + 4 + 2 + 16}));
    EXPECT_EQ(viewInfo.ColumnHeaders(0).Bounds().Top, box.Bounds().Bottom);
    EXPECT_EQ(TuiGridGroupByBoxViewInfo::PromptText(), u"Drag a column header here to group by that column");
    EXPECT_EQ(viewInfo.GetHitTest(CentreOf(box.Bounds())).GetHitTestCode(), 201);

    View->OptionsView().SetGroupByBox(false);
    EXPECT_EQ(Layout().GroupByBox().Bounds().Height(), 0);
}

TEST_F(GridGroupByBoxViewInfoTest, GroupedColumnsStandAsAStaircaseInGroupingOrder) {
    View->Columns(2)->SetGroupIndex(0);
    View->Columns(0)->SetGroupIndex(1);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const TuiGridGroupByBoxViewInfo& box = viewInfo.GroupByBox();
    ASSERT_EQ(box.HeaderCount(), 2);
    EXPECT_FALSE(box.HasPrompt());
    EXPECT_EQ(&box.Headers(0).Column(), View->Columns(2));
    EXPECT_EQ(&box.Headers(1).Column(), View->Columns(0));
    const int32_t item = box.ItemHeight();
    EXPECT_EQ(box.Bounds().Height(), item / 2 * 3 + item % 2 + 16);
    EXPECT_EQ(box.Headers(0).Bounds().Left, 6);
    EXPECT_EQ(box.Headers(0).Bounds().Top, 8);
    EXPECT_EQ(box.Headers(0).Bounds().Height(), item);
    EXPECT_EQ(box.Headers(1).Bounds().Left, box.Headers(0).Bounds().Right + 4);
    EXPECT_EQ(box.Headers(1).Bounds().Top, 8 + item / 2);
    const TuiCustomLookAndFeelPainter& painter = *View->LookAndFeelPainter();
    EXPECT_GE(box.Headers(0).Bounds().Width(), painter.HeaderWidthForText(viewInfo.MeasuringCanvas(), uiAllBorders,
                                                                          View->Columns(2)->Caption(), nullptr));

    auto* hitTest = dynamic_cast<TuiGridColumnHeaderHitTest*>(&viewInfo.GetHitTest(CentreOf(box.Headers(1).Bounds())));
    ASSERT_NE(hitTest, nullptr);
    EXPECT_EQ(hitTest->Column(), View->Columns(0));
    EXPECT_EQ(hitTest->ColumnContainerKind(), ckGroupByBox);
    EXPECT_FALSE(box.Headers(0).HasSizingEdge()) << "a header in the box does not size its column";
    const vcl::TRect& edge = box.Headers(0).Bounds();
    EXPECT_EQ(viewInfo.GetHitTest({edge.Right - 1, (edge.Top + edge.Bottom) / 2}).GetHitTestCode(), 202);
}

TEST_F(GridGroupByBoxViewInfoTest, PaintingShowsTheHeadersJoinedByElbowsAndTwiceGivesTheSamePixels) {
    View->Columns(2)->SetGroupIndex(0);
    View->Columns(0)->SetGroupIndex(1);
    View->Columns(1)->SetGroupIndex(2);
    const TuiGridTableViewInfo& viewInfo = Layout();
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    const TuiGridGroupByBoxViewInfo& box = viewInfo.GroupByBox();
    const vcl::TColor text = static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clBtnText));
    for (int32_t i = 0; i + 1 < box.HeaderCount(); ++i) {
        const vcl::TRect& header = box.Headers(i).Bounds();
        EXPECT_EQ(painted->Surface.Pixel(header.Right - 8, header.Bottom + 1), text) << "elbow down from header " << i;
        EXPECT_EQ(painted->Surface.Pixel(header.Right + 2, header.Bottom + 3), text)
            << "elbow across from header " << i;
    }
    const vcl::TRect& last = box.Headers(box.HeaderCount() - 1).Bounds();
    EXPECT_NE(painted->Surface.Pixel(last.Right - 8, last.Bottom + 1), text) << "no elbow after the last header";
    for (int y = box.Bounds().Top; y < box.Bounds().Bottom; ++y) {
        for (int x = box.Bounds().Left; x < box.Bounds().Right; ++x) {
            ASSERT_NE(painted->Surface.Pixel(x, y), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clFuchsia)));
        }
    }
}

TEST_F(GridGroupByBoxViewInfoTest, ThePromptIsPaintedInTheBoxOnly) {
    const TuiGridTableViewInfo& viewInfo = Layout();
    TuiDrawParams params;
    View->Styles().ResolveDrawParams(TuiGridTableViewStyles::vsGroupByBox, nullptr, nullptr, params);
    const auto withPrompt = Paint();
    const vcl::TRect& box = viewInfo.GroupByBox().Bounds();
    const vcl::TColor textColour = static_cast<vcl::TColor>(vcl::ColorToRGB(params.TextColor));
    int textPixels = 0;
    for (int y = box.Top; y < box.Bottom; ++y) {
        for (int x = box.Left; x < box.Right; ++x) {
            textPixels += withPrompt->Surface.Pixel(x, y) == textColour ? 1 : 0;
        }
    }
    EXPECT_GT(textPixels, 20) << "the prompt's text";
}

} // namespace
} // namespace ui
