#include "ui/editors/dropdown/popup/uiEditPopupSizingDrag.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A 150 x 150 popup below an editor, its grip in the bottom-right corner; no size below 60 x 60.
class EditPopupSizingDragTest : public testing::Test {
protected:
    EditPopupSizingDragTest() {
        context.Bounds = {300, 421, 450, 571};
        context.GripHitRect = {131, 131, 146, 146};
        context.GripCorner = ui::epgcBottomRight;
        context.OwnerBounds = {300, 400, 420, 421};
        context.WorkArea = {0, 0, 1024, 768};
        context.CanResize = [](vcl::TSize& size) {
            size = {std::max(size.cx, 60), std::max(size.cy, 60)};
            return true;
        };
    }

    vcl::TRect FrameAt(vcl::TPoint point) {
        vcl::TRect frame;
        EXPECT_TRUE(drag.FrameAt(point, context, frame));
        return frame;
    }

    ui::TuiEditPopupDragContext context;
    ui::TuiEditPopupSizingDrag drag;
};

TEST_F(EditPopupSizingDragTest, GripDragMovesTheFarEdgesWithinMinimumAndWorkArea) {
    drag.Start({140, 140}, {150, 150}, {1, 1});
    const struct {
        vcl::TPoint point;
        vcl::TRect frame;
    } steps[] = {
        {{160, 170}, {300, 421, 470, 601}},   // grows
        {{100, 90}, {300, 421, 410, 521}},    // shrinks
        {{10, 10}, {300, 421, 360, 481}},     // stops at the minimum size
        {{1000, 500}, {300, 421, 1024, 768}}, // stops at the work area
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << step.point.X << "," << step.point.Y);
        EXPECT_EQ(FrameAt(step.point), step.frame);
    }
}

TEST_F(EditPopupSizingDragTest, ReturningToTheOwnSizeGivesTheBoundsBack) {
    drag.Start({140, 140}, {150, 150}, {1, 1});
    drag.SetFrame(FrameAt({160, 170}));
    EXPECT_EQ(FrameAt({140, 140}), context.Bounds);
    drag.SetFrame(context.Bounds);
    vcl::TRect frame;
    EXPECT_FALSE(drag.FrameAt({140, 140}, context, frame));
    EXPECT_EQ(drag.LastFrame(), context.Bounds);
}

TEST_F(EditPopupSizingDragTest, RefusedSizeLeavesTheFrame) {
    context.CanResize = [](vcl::TSize&) { return false; };
    drag.Start({140, 140}, {150, 150}, {1, 1});
    vcl::TRect frame{1, 2, 3, 4};
    EXPECT_FALSE(drag.FrameAt({170, 170}, context, frame));
    EXPECT_EQ(frame, (vcl::TRect{1, 2, 3, 4}));
}

TEST_F(EditPopupSizingDragTest, EdgesOnTheEditorsSideNeverMove) {
    drag.Start({2, 140}, {150, 150}, {-1, 1});
    EXPECT_EQ(FrameAt({-20, 170}), (vcl::TRect{300, 421, 450, 601}));
}

TEST_F(EditPopupSizingDragTest, UpwardPopupSizesFromItsTopAndKeepsItsBottomOnTheEditor) {
    context.Bounds = {300, 250, 450, 400};
    context.GripCorner = ui::epgcTopRight;
    context.GripHitRect = {131, 4, 146, 19};
    drag.Start({140, 10}, {150, 150}, {1, -1});
    EXPECT_EQ(FrameAt({140, -40}), (vcl::TRect{300, 200, 450, 400}));
    EXPECT_EQ(FrameAt({140, 100}), (vcl::TRect{300, 340, 450, 400}));
}

TEST_F(EditPopupSizingDragTest, BorderGrabGrowsOnlyOnceThePointerLeavesTheWindow) {
    drag.Start({148, 50}, {150, 150}, {1, 0});
    EXPECT_EQ(FrameAt({149, 50}), context.Bounds);
    EXPECT_EQ(FrameAt({170, 50}), (vcl::TRect{300, 421, 472, 571}));
}

TEST_F(EditPopupSizingDragTest, LeftOpenedPopupKeepsAPixelOverTheEditor) {
    context.Bounds = {150, 421, 300, 571};
    context.GripCorner = ui::epgcBottomLeft;
    context.GripHitRect = {4, 131, 19, 146};
    drag.Start({10, 140}, {150, 150}, {-1, 1});
    EXPECT_EQ(FrameAt({-40, 140}), (vcl::TRect{100, 421, 301, 571}));
    EXPECT_EQ(FrameAt({400, 140}), (vcl::TRect{240, 421, 301, 571}));
}

} // namespace
