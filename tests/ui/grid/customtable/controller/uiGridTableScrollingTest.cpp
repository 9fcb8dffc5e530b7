#include "ui/grid/customtable/controller/uiGridTableScrolling.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace ui;

// 20 records of 18 pixels in 100 pixels: 5 whole records a page.
const std::vector<int> TwentyRecords(20, 18);
constexpr int PageHeight = 100;

TEST(GridTableScrolling, PageVisibleRecordCountDownAndUp) {
    EXPECT_EQ(PageVisibleRecordCount(TwentyRecords, PageHeight, 0, true), 5);
    EXPECT_EQ(PageVisibleRecordCount(TwentyRecords, PageHeight, 17, true), 3);
    EXPECT_EQ(PageVisibleRecordCount(TwentyRecords, PageHeight, 19, false), 5);
    EXPECT_EQ(PageVisibleRecordCount(TwentyRecords, PageHeight, 2, false), 3);
    // A record taller than the page still counts as the one shown; no height or no records show none.
    EXPECT_EQ(PageVisibleRecordCount(std::vector<int>{500, 18}, PageHeight, 0, true), 1);
    EXPECT_EQ(PageVisibleRecordCount(TwentyRecords, 0, 0, true), 0);
    EXPECT_EQ(PageVisibleRecordCount({}, PageHeight, 0, true), 0);
    EXPECT_EQ(PageVisibleRecordCount(TwentyRecords, PageHeight, 20, true), 0);
    // Heights of 0 advance by a pixel, so a page of them ends.
    EXPECT_EQ(PageVisibleRecordCount(std::vector<int>(500, 0), PageHeight, 0, true), 100);
}

TEST(GridTableScrolling, TopRecordIndexIsClampedToWhatFillsThePage) {
    const int maxTop = MaxTopRecordIndex(20, PageVisibleRecordCount(TwentyRecords, PageHeight, 19, false));
    EXPECT_EQ(maxTop, 15);
    struct TCase {
        int Wanted;
        int Expected;
    };
    const TCase cases[] = {{-5, 0}, {0, 0}, {7, 7}, {15, 15}, {16, 15}, {19, 15}, {1000, 15}};
    for (const TCase& c : cases) {
        EXPECT_EQ(ClampTopRecordIndex(c.Wanted, maxTop), c.Expected) << c.Wanted;
    }
    // Fewer records than a page, or none: only 0.
    EXPECT_EQ(MaxTopRecordIndex(3, PageVisibleRecordCount(std::vector<int>(3, 18), PageHeight, 2, false)), 0);
    EXPECT_EQ(MaxTopRecordIndex(0, 0), 0);
    EXPECT_EQ(ClampTopRecordIndex(2, 0), 0);
    EXPECT_EQ(ClampTopRecordIndex(2, -1), 0);
}

TEST(GridTableScrolling, PageKeysKeepTheEdgeRecordInView) {
    // Page down: the last visible record becomes the top one; one record a page still moves by one.
    EXPECT_EQ(PageDownTopRecordIndex(0, 5), 4);
    EXPECT_EQ(PageDownTopRecordIndex(4, 1), 5);
    // Page up: the old top becomes the last visible record; at the top nothing moves.
    EXPECT_EQ(PageUpTopRecordIndex(8, PageVisibleRecordCount(TwentyRecords, PageHeight, 8, false)), 4);
    EXPECT_EQ(PageUpTopRecordIndex(2, PageVisibleRecordCount(TwentyRecords, PageHeight, 2, false)), 0);
    EXPECT_EQ(PageUpTopRecordIndex(0, 5), 0);
    EXPECT_EQ(PageUpTopRecordIndex(3, 1), 2);
}

TEST(GridTableScrolling, LeftPosStaysInsideTheData) {
    struct TCase {
        int Wanted;
        int DataWidth;
        int ClientWidth;
        int Expected;
    };
    const TCase cases[] = {
        {50, 900, 400, 50}, {-10, 900, 400, 0}, {600, 900, 400, 500}, {30, 300, 400, 0}, {0, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ClampLeftPos(c.Wanted, c.DataWidth, c.ClientWidth), c.Expected) << c.Wanted << " " << c.DataWidth;
    }
}

} // namespace
