#include "ui/grid/tableview/layout/uiGridColumnWidths.h"

#include "ui/grid/tableview/layout/uiGridTableMetrics.h"

#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <vector>

namespace ui {
namespace {

constexpr int WidthsMaxInt = std::numeric_limits<int>::max();

int SumOf(const std::vector<int>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0);
}

TEST(GridColumnWidths, StoredWidthsStandWithTheFirstSpanningTheLevelIndents) {
    const std::vector<TuiGridColumnWidthRequest> columns{{60, 20, false}, {80, 20, false}, {100, 20, true}};
    EXPECT_EQ(ColumnHeaderWidths(columns, 0, -1), (std::vector<int>{60, 80, 100}));
    EXPECT_EQ(ColumnHeaderWidths(columns, 16, -1), (std::vector<int>{76, 80, 100}));
    EXPECT_EQ(ColumnHeaderMinWidth(columns[0], true, 16), 36);
    EXPECT_EQ(ColumnHeaderMinWidth(columns[1], false, 16), 20);
    EXPECT_EQ(ColumnHeaderMinWidth(columns[2], false, 16), 100) << "a fixed column keeps its width";
    EXPECT_EQ(ColumnHeaderMinWidth(columns[2], true, 16), 116);
}

TEST(GridColumnWidths, AutomaticWidthsFillTheContentExactly) {
    const std::vector<TuiGridColumnWidthRequest> columns{{60, 20, false}, {80, 20, false}, {100, 20, false}};
    for (const int content : {240, 480, 241, 361, 97}) {
        const std::vector<int> widths = ColumnHeaderWidths(columns, 0, content);
        ASSERT_EQ(widths.size(), 3U);
        EXPECT_EQ(SumOf(widths), content) << content;
        EXPECT_LE(widths[0], widths[1]) << "shares follow the stored widths";
        EXPECT_LE(widths[1], widths[2]);
    }
    EXPECT_EQ(ColumnHeaderWidths(columns, 0, 480), (std::vector<int>{120, 160, 200}));
}

TEST(GridColumnWidths, AutomaticWidthsKeepFixedColumnsAndMinimumWidths) {
    const std::vector<TuiGridColumnWidthRequest> columns{{60, 20, false}, {80, 20, true}, {100, 50, false}};
    const std::vector<int> grown = ColumnHeaderWidths(columns, 0, 400);
    EXPECT_EQ(grown[1], 80) << "a fixed column keeps its width";
    EXPECT_EQ(SumOf(grown), 400);

    // Below the sum of the minimum widths every column takes its minimum, whatever room there is.
    EXPECT_EQ(ColumnHeaderWidths(columns, 0, 10), (std::vector<int>{20, 80, 50}));
    // The first column's minimum spans the level indents too.
    EXPECT_EQ(ColumnHeaderWidths(columns, 12, 10), (std::vector<int>{32, 80, 50}));
    // The last column may grow to what the others' minimums leave.
    const std::vector<int> minWidths{20, 80, 50};
    EXPECT_EQ(ColumnHeaderMaxWidth(2, grown, minWidths, 400), 400 - 20 - 80);
}

TEST(GridColumnWidths, AutomaticWidthsSurviveHugeAndEmptyWidths) {
    const std::vector<TuiGridColumnWidthRequest> huge{{WidthsMaxInt, 20, false}, {WidthsMaxInt, 20, false}};
    const std::vector<int> widths = ColumnHeaderWidths(huge, 16, 300);
    EXPECT_EQ(SumOf(widths), 300);
    EXPECT_GE(widths[0], 36);
    EXPECT_EQ(ColumnHeaderWidths(huge, 16, -1)[0], WidthsMaxInt) << "a stored width clamps, never wraps";

    const std::vector<TuiGridColumnWidthRequest> empty{{0, 20, false}, {0, 0, false}};
    EXPECT_EQ(ColumnHeaderWidths(empty, 0, 300), (std::vector<int>{20, 0}));
    EXPECT_TRUE(ColumnHeaderWidths({}, 0, 300).empty());
}

TEST(GridColumnWidths, SizingOneSharedColumnKeepsThoseBeforeAndSharesTheRestAfter) {
    const std::vector<int> shown{100, 100, 100, 100};
    const std::vector<int> minWidths{20, 20, 20, 20};
    struct TCase {
        size_t Sized;
        int Width;
        std::vector<int> Expected;
    };
    const TCase cases[] = {
        {1, 160, {100, 160, 70, 70}}, // those after share what remains
        {1, 10, {100, 20, 140, 140}}, // not below its minimum
        {1, 900, {100, 260, 20, 20}}, // nor above what the others' minimums leave
        {3, 160, {80, 80, 80, 160}},  // the last: those before it share
        {0, 400, {340, 20, 20, 20}},  //
    };
    for (const TCase& c : cases) {
        const std::vector<int> widths = ColumnHeaderWidthsAfterSizing(shown, minWidths, c.Sized, c.Width, 400);
        EXPECT_EQ(widths, c.Expected) << c.Sized << " to " << c.Width;
        std::vector<TuiGridColumnWidthRequest> stored;
        for (const int width : widths) {
            stored.push_back({width, 20, false});
        }
        EXPECT_EQ(ColumnHeaderWidths(stored, 0, 400), widths) << "sharing the content again changes nothing";
    }
}

TEST(GridColumnWidths, DataWidthSpansTheContentWithoutColumns) {
    EXPECT_EQ(ColumnsDataWidth({}, 300), 300) << "the rows area still spans the content";
    EXPECT_EQ(ColumnsDataWidth({}, -1), 0);
    const std::vector<int> widths{100, 150};
    EXPECT_EQ(ColumnsDataWidth(widths, 300), 250);
    EXPECT_EQ(ColumnsDataWidth(widths, -1), 250);
}

} // namespace
} // namespace ui
