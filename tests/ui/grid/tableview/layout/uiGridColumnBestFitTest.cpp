#include "ui/grid/tableview/layout/uiGridColumnBestFit.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

TEST(GridColumnBestFit, TheWiderOfHeaderAndCellsLoweredToTheMaximum) {
    struct TCase {
        int32_t Header;
        int32_t Cell;
        int32_t Maximum;
        int32_t Expected;
    };
    const TCase cases[] = {{40, 90, 0, 90}, {120, 90, 0, 120}, {40, 90, 60, 60}, {40, 50, 60, 50}, {0, 0, 0, 0}};
    for (const TCase& c : cases) {
        EXPECT_EQ(ColumnBestFitWidth(c.Header, c.Cell, c.Maximum), c.Expected) << c.Header << " " << c.Cell;
    }
    EXPECT_EQ(CellBestFitWidth(30), 36);
    EXPECT_EQ(CellBestFitWidth(0), 6);
}

TEST(GridColumnBestFit, MeasuredRowsAreAllOrAtMostTheCountFromTheTop) {
    struct TCase {
        int32_t RowCount;
        int32_t Top;
        int32_t MaxCount;
        int32_t First;
        int32_t Last;
    };
    const TCase cases[] = {
        {100, 20, 0, 0, 99}, {100, 20, 10, 20, 29}, {100, 95, 10, 95, 99},
        {100, -4, 10, 0, 9}, {0, 0, 10, 0, -1},     {100, 5, 2147483647, 5, 99},
    };
    for (const TCase& c : cases) {
        const TuiGridBestFitRows rows = BestFitRows(c.RowCount, c.Top, c.MaxCount);
        EXPECT_EQ(rows.First, c.First) << c.RowCount << " " << c.Top << " " << c.MaxCount;
        EXPECT_EQ(rows.Last, c.Last) << c.RowCount << " " << c.Top << " " << c.MaxCount;
    }
}

} // namespace
