#include "ui/grid/tableview/layout/uiGridFooterPlacement.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

TEST(GridFooterPlacement, ColumnsShowTheirFirstSummaryUnlessSeveralAreAllowed) {
    const std::vector<int> itemColumns{2, -1, 0, 2, 0, 1};
    EXPECT_EQ(ChooseFooterItems(itemColumns, false), (std::vector<int>{0, 2, 5}));
    EXPECT_EQ(ChooseFooterItems(itemColumns, true), (std::vector<int>{0, 2, 3, 4, 5}));
    EXPECT_TRUE(ChooseFooterItems({}, true).empty());
}

TEST(GridFooterPlacement, RowCountIsTheLargestNumberOfCellsUnderOneColumn) {
    struct Case {
        std::vector<int> CellColumns;
        int Rows;
    };
    for (const Case& c : {Case{{}, 1}, Case{{0, 1, 2}, 1}, Case{{2, 0, 2}, 2}, Case{{1, 1, 0, 1}, 3}}) {
        EXPECT_EQ(FooterRowCount(c.CellColumns), c.Rows) << c.CellColumns.size() << " cells";
    }
}

TEST(GridFooterPlacement, CellsLieUnderTheirHeadersWithinTheFrameStackedByColumn) {
    const TuiGridFooterMeasures measures{.FrameWidth = 1, .SeparatorWidth = 2, .ItemHeight = 20, .CellSpacing = 3};
    const std::vector<vcl::TRect> headers{{-10, 0, 40, 18}, {40, 0, 100, 18}, {100, 0, 150, 18}};
    const std::vector<int> cellColumns{1, 0, 1, 2};
    const int rows = FooterRowCount(cellColumns);
    ASSERT_EQ(rows, 2);
    const int height = FooterBandHeight(measures, rows);
    EXPECT_EQ(height, 2 * 1 + 2 * 20 + 2);
    const vcl::TRect band{-10, 200, 150, 200 + height};
    EXPECT_EQ(FooterInnerBounds(band, measures), (vcl::TRect{-9, 203, 149, 243}));

    const std::vector<vcl::TRect> cells = PlaceFooterCells(band, headers, cellColumns, measures);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0], (vcl::TRect{43, 206, 97, 220})) << "a middle column: its header's span";
    EXPECT_EQ(cells[1], (vcl::TRect{-6, 206, 37, 220})) << "the first column starts within the frame";
    EXPECT_EQ(cells[2], (vcl::TRect{43, 226, 97, 240})) << "the column's second summary a row lower";
    EXPECT_EQ(cells[3], (vcl::TRect{103, 206, 146, 220})) << "the last column ends within the frame";
}

TEST(GridFooterPlacement, ColumnSlotsSpanTheBandBelowTheSeparator) {
    const TuiGridFooterMeasures measures{.FrameWidth = 1, .SeparatorWidth = 1, .ItemHeight = 18, .CellSpacing = 0};
    const std::vector<vcl::TRect> headers{{0, 0, 50, 18}, {50, 0, 120, 18}};
    const vcl::TRect band{0, 100, 120, 100 + FooterBandHeight(measures, 1)};
    struct Case {
        vcl::TPoint Point;
        int Column;
    };
    for (const Case& c : {Case{{10, 110}, 0}, Case{{50, 110}, 1}, Case{{119, 110}, -1}, Case{{10, 100}, -1},
                          Case{{10, band.Bottom - 1}, -1}, Case{{130, 110}, -1}}) {
        EXPECT_EQ(FooterColumnAt(band, headers, measures, c.Point), c.Column) << c.Point.X << "," << c.Point.Y;
    }
}

TEST(GridFooterPlacement, NarrowColumnsGiveEmptyCellsNeverInvertedOnes) {
    const TuiGridFooterMeasures measures{.FrameWidth = 2, .SeparatorWidth = 1, .ItemHeight = 3, .CellSpacing = 4};
    const std::vector<vcl::TRect> headers{{0, 0, 3, 10}};
    const vcl::TRect band{0, 50, 3, 50 + FooterBandHeight(measures, 1)};
    const std::vector<vcl::TRect> cells = PlaceFooterCells(band, headers, std::vector<int>{0}, measures);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_GE(cells[0].Width(), 0);
    EXPECT_GE(cells[0].Height(), 0);
}

} // namespace
} // namespace ui
