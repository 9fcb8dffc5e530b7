#include "ui/core/graphics/uiRegion.h"

#include "tests/ui/core/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiRegion, OperationsCombineWithTheOtherRegion) {
    const struct {
        TuiRegionOperation Operation;
        vcl::TRect ExpectedBounds;
        bool ContainsLeftPart;
        bool ContainsOverlap;
        bool ContainsRightPart;
    } cases[] = {
        {TuiRegionOperation::Copy, {5, 0, 15, 10}, false, true, true},
        {TuiRegionOperation::Union, {0, 0, 15, 10}, true, true, true},
        {TuiRegionOperation::Difference, {0, 0, 5, 10}, true, false, false},
        {TuiRegionOperation::Intersection, {5, 0, 10, 10}, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Operation));
        TuiRegion region(0, 0, 10, 10);
        region.CombineWith(TuiRegion(vcl::Rect(5, 0, 15, 10)), c.Operation);
        EXPECT_EQ(region.Bounds(), c.ExpectedBounds);
        EXPECT_EQ(region.ContainsXY(2, 5), c.ContainsLeftPart);
        EXPECT_EQ(region.ContainsXY(7, 5), c.ContainsOverlap);
        EXPECT_EQ(region.ContainsPoint(vcl::Point(12, 5)), c.ContainsRightPart);
    }
}

TEST(uiRegion, EmptyRegionsAreTheSameWhereverTheyLie) {
    const TuiRegion empty;
    const TuiRegion elsewhere(50, 50, 50, 60);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(empty.SameAs(&elsewhere));
    EXPECT_FALSE(empty.SameAs(nullptr));
    TuiRegion moved(0, 0, 4, 4);
    moved.MoveBy(3, 2);
    EXPECT_TRUE(moved.SameAs(std::make_unique<TuiRegion>(3, 2, 7, 6).get()));
    EXPECT_FALSE(moved.SameAs(&empty));
    EXPECT_TRUE(TuiRegion(vcl::TRegionHandle()).IsEmpty()) << "no handle gives an empty region";
}

} // namespace
} // namespace ui
