#include "xls/core/cells/XLSCellAreaIndex.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace xls {
namespace {

TXLSCellAreaRec AreaOf(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    TXLSCellAreaRec area;
    SetCellArea(area, col1, row1, col2, row2);
    return area;
}

TEST(XLSCellAreaIndex, FindsTheFirstAddedAreaThatCoversACell) {
    TXLSCellAreaIndex index;
    EXPECT_EQ(index.Find(0, 0), -1);
    EXPECT_EQ(index.Add(AreaOf(1, 1, 3, 4)), 0);         // B2:D5
    EXPECT_EQ(index.Add(AreaOf(0, 0, XLSMaxCol, 0)), 1); // row 1, every column
    EXPECT_EQ(index.Add(AreaOf(2, 3, 2, XLSMaxRow)), 2); // C4 to the last row, over area 0
    EXPECT_EQ(index.Add(AreaOf(XLSMaxCol, 7, XLSMaxCol, 7)), 3);
    const struct {
        int32_t Col;
        int32_t Row;
        int32_t Expected;
    } cases[] = {
        {1, 1, 0},
        {3, 4, 0},
        {4, 4, -1},
        {3, 5, -1},
        {0, 1, -1},
        {0, 0, 1},
        {XLSMaxCol, 0, 1},
        {2, 3, 0},
        {2, 5, 2},
        {2, XLSMaxRow, 2},
        {1, 5, -1},
        {XLSMaxCol, 7, 3},
        {XLSMaxCol - 1, 7, -1},
        {-1, 0, -1},
        {XLSMaxCol + 1, 0, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(index.Find(c.Col, c.Row), c.Expected) << c.Col << "," << c.Row;
    }
    EXPECT_EQ(index.Count(), 4);
    EXPECT_EQ(index.Area(2), AreaOf(2, 3, 2, XLSMaxRow));
}

TEST(XLSCellAreaIndex, RemovesAreasThatEndAboveARow) {
    TXLSCellAreaIndex index;
    index.Add(AreaOf(0, 0, 5, 2));
    index.Add(AreaOf(0, 0, 5, 9));
    index.RemoveEndingAbove(2);
    EXPECT_EQ(index.Find(0, 2), 0);
    index.RemoveEndingAbove(3);
    EXPECT_EQ(index.Count(), 1);
    // A removed area is not found even where it reached, and the next covering area is.
    EXPECT_EQ(index.Find(0, 1), 1);
    index.RemoveEndingAbove(XLSMaxRow + 1);
    EXPECT_EQ(index.Find(0, 5), -1);

    index.Clear();
    EXPECT_EQ(index.Add(AreaOf(0, 0, 0, 0)), 0);
    EXPECT_EQ(index.Find(0, 0), 0);
}

// Against a plain list searched from its start, on random areas that overlap, added and removed as a reader would.
TEST(XLSCellAreaIndex, AnswersAsASearchOfEveryAreaWould) {
    std::mt19937 random(20);
    const auto upTo = [&](int32_t limit) { return std::uniform_int_distribution<int32_t>(0, limit)(random); };
    TXLSCellAreaIndex index;
    std::vector<TXLSCellAreaRec> areas;
    std::vector<bool> live;
    int32_t row = 0;
    for (int32_t step = 0; step < 1000; ++step) {
        const int32_t col1 = upTo(40);
        const TXLSCellAreaRec area = AreaOf(col1, row + upTo(3), col1 + upTo(30), row + upTo(60));
        ASSERT_EQ(index.Add(area), static_cast<int32_t>(areas.size()));
        areas.push_back(area);
        live.push_back(true);
        for (int32_t probe = 0; probe < 5; ++probe) {
            const int32_t col = upTo(80);
            const int32_t probeRow = row + upTo(40);
            int32_t expected = -1;
            for (size_t i = 0; i < areas.size() && expected < 0; ++i) {
                const TXLSCellAreaRec& a = areas[i];
                if (live[i] && col >= a.Col1 && col <= a.Col2 && probeRow >= a.Row1 && probeRow <= a.Row2) {
                    expected = static_cast<int32_t>(i);
                }
            }
            ASSERT_EQ(index.Find(col, probeRow), expected) << "step " << step << " at " << col << "," << probeRow;
        }
        if (upTo(3) == 0) {
            row += upTo(4);
            index.RemoveEndingAbove(row);
            for (size_t i = 0; i < areas.size(); ++i) {
                live[i] = live[i] && areas[i].Row2 >= row;
            }
        }
    }
}

} // namespace
} // namespace xls
