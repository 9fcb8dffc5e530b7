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
    EXPECT_EQ(index.Add(AreaOf(1, 0, 3, 4)), 0);         // B1:D5
    EXPECT_EQ(index.Add(AreaOf(0, 0, XLSMaxCol, 0)), 1); // row 1, every column
    EXPECT_EQ(index.Add(AreaOf(2, 0, 2, XLSMaxRow)), 2); // C1 to the last row, over area 0
    EXPECT_EQ(index.Add(AreaOf(XLSMaxCol, 0, XLSMaxCol, 7)), 3);
    const struct {
        int32_t Row;
        int32_t Col;
        int32_t Expected;
    } cases[] = {
        {0, 0, 1},   {0, 1, 0},          {0, XLSMaxCol, 1}, {0, XLSMaxCol + 1, -1},
        {0, -1, -1}, {1, 0, -1},         {1, 2, 0},         {4, 3, 0},
        {4, 4, -1},  {5, 2, 2},          {5, 3, -1},        {7, XLSMaxCol, 3},
        {8, 2, 2},   {8, XLSMaxCol, -1}, {XLSMaxRow, 2, 2},
    };
    // Read down the sheet as a reader would, each row reached before its cells are looked up.
    for (const auto& c : cases) {
        index.Advance(c.Row);
        EXPECT_EQ(index.Find(c.Col, c.Row), c.Expected) << c.Col << "," << c.Row;
    }
    // Passed rows drop the areas that end above the row reached.
    EXPECT_EQ(index.Count(), 1);
}

TEST(XLSCellAreaIndex, AnAreaStartingBelowTheRowReachedWaitsForIt) {
    TXLSCellAreaIndex index;
    index.Add(AreaOf(0, 0, 0, 9));
    EXPECT_EQ(index.Add(AreaOf(0, 5, 1, 9)), 1);
    EXPECT_EQ(index.Find(1, 5), -1);
    index.Advance(5);
    // Both cover A6: the first added answers, though the second took part later.
    EXPECT_EQ(index.Find(0, 5), 0);
    EXPECT_EQ(index.Find(1, 5), 1);
    // A cell above the row reached (out of order) is looked up among the areas taking part.
    EXPECT_EQ(index.Find(1, 4), -1);
    EXPECT_EQ(index.Find(0, 2), 0);
    // The row reached never moves up.
    index.Advance(3);
    EXPECT_EQ(index.Find(1, 6), 1);
    index.Advance(10);
    EXPECT_EQ(index.Count(), 0);
    EXPECT_EQ(index.Find(0, 10), -1);
    // An area that ends above the row reached takes no part.
    EXPECT_EQ(index.Add(AreaOf(0, 8, 0, 9)), 2);
    EXPECT_EQ(index.Find(0, 9), -1);
    EXPECT_EQ(index.Count(), 0);

    index.Clear();
    EXPECT_EQ(index.Add(AreaOf(0, 0, 0, 0)), 0);
    EXPECT_EQ(index.Find(0, 0), 0);
}

// Against a plain list searched from its start, on random areas that overlap, some starting below the row reached,
// looked up in the row reached and above it.
TEST(XLSCellAreaIndex, AnswersAsASearchOfEveryAreaWould) {
    std::mt19937 random(20);
    const auto upTo = [&](int32_t limit) { return std::uniform_int_distribution<int32_t>(0, limit)(random); };
    TXLSCellAreaIndex index;
    std::vector<TXLSCellAreaRec> areas;
    int32_t reached = 0;
    // The areas that take part: they started at or above the row reached and were not passed.
    const auto expected = [&](int32_t col, int32_t row) {
        for (size_t i = 0; i < areas.size(); ++i) {
            const TXLSCellAreaRec& a = areas[i];
            if (a.Row1 <= reached && a.Row2 >= reached && col >= a.Col1 && col <= a.Col2 && row >= a.Row1 &&
                row <= a.Row2) {
                return static_cast<int32_t>(i);
            }
        }
        return -1;
    };
    for (int32_t step = 0; step < 1000; ++step) {
        const int32_t col1 = upTo(40);
        const int32_t row1 = reached + upTo(5) - 2;
        const TXLSCellAreaRec area = AreaOf(col1, std::max(row1, 0), col1 + upTo(30), std::max(row1, 0) + upTo(60));
        ASSERT_EQ(index.Add(area), static_cast<int32_t>(areas.size()));
        areas.push_back(area);
        if (upTo(3) == 0) {
            reached += upTo(4);
            index.Advance(reached);
        }
        for (int32_t probe = 0; probe < 5; ++probe) {
            const int32_t col = upTo(80);
            const int32_t row = std::max(reached - upTo(3), 0);
            ASSERT_EQ(index.Find(col, row), expected(col, row)) << "step " << step << " at " << col << "," << row;
        }
    }
}

} // namespace
} // namespace xls
