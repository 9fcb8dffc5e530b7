#include "ui/grid/tableview/layout/uiGridGroupByBoxPlacement.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

TEST(GridGroupByBoxPlacement, HeightHoldsThePromptOrTheStaircase) {
    struct Case {
        int Grouped;
        int ItemHeight;
        int PromptHeight;
        int Height;
    };
    for (const Case& c : {Case{0, 21, 13, 13 + 4 + 2 + 16}, Case{1, 21, 13, 10 * 2 + 1 + 16},
                          Case{3, 20, 13, 10 * 4 + 0 + 16}, Case{2, 21, 13, 10 * 3 + 1 + 16}}) {
        EXPECT_EQ(GroupByBoxHeight(c.Grouped, c.ItemHeight, c.PromptHeight), c.Height) << c.Grouped << " grouped";
    }
}

TEST(GridGroupByBoxPlacement, HeadersStepRightAndHalfAHeaderDown) {
    const std::vector<int> widths{50, 30, 40};
    const std::vector<vcl::TRect> headers = PlaceGroupByBoxHeaders({10, 20, 300, 80}, widths, 21);
    ASSERT_EQ(headers.size(), 3u);
    EXPECT_EQ(headers[0], (vcl::TRect{16, 28, 66, 49})) << "at the box's indents";
    EXPECT_EQ(headers[1], (vcl::TRect{70, 38, 100, 59}));
    EXPECT_EQ(headers[2], (vcl::TRect{104, 48, 144, 69}));
    EXPECT_EQ(GroupByBoxHeight(3, 21, 0), headers.back().Bottom - 20 + 8)
        << "the box ends as far below the last header as the first stands below its top";
}

TEST(GridGroupByBoxPlacement, TheElbowLeadsFromAHeaderToTheNext) {
    const vcl::TRect header{16, 28, 66, 49};
    const TuiGridGroupByBoxConnector connector = GroupByBoxConnector(header);
    EXPECT_EQ(connector.Down, (vcl::TRect{58, 49, 59, 53}));
    EXPECT_EQ(connector.Across, (vcl::TRect{58, 52, 70, 53}));
    const std::vector<vcl::TRect> next = PlaceGroupByBoxHeaders({10, 20, 300, 80}, std::vector<int>{50, 30}, 21);
    EXPECT_EQ(connector.Across.Right, next[1].Left) << "the elbow reaches the next header's left edge";
    EXPECT_LT(connector.Across.Top, next[1].Bottom);
}

} // namespace
} // namespace ui
