// The rows of a multi-line tab control: greedy rows, balancing that keeps a fuller first row only when that lowers
// the total shortfall, stretching of balanced rows, long tabs on rows of their own, and shortfalls too large for a
// double compared exactly.

#include "ui/pagecontrol/tabs/uiTabRows.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

struct TRowsCase {
    const char* Name;
    std::vector<int32_t> Lengths;
    int32_t Line;
    int32_t Distance;
    bool Balance;
    std::vector<int32_t> Rows;
    std::vector<int32_t> StretchedLengths;
};

TuiTabRows Distribute(const TRowsCase& test) {
    const std::vector<bool> widen(test.Lengths.size(), true);
    std::unique_ptr<bool[]> flags = std::make_unique<bool[]>(widen.size());
    std::copy(widen.begin(), widen.end(), flags.get());
    TuiTabRowsInput input;
    input.Lengths = test.Lengths;
    input.WidenToLine = std::span<const bool>(flags.get(), widen.size());
    input.LineLength = test.Line;
    input.Distance = test.Distance;
    input.Balance = test.Balance;
    input.Stretch = test.Balance;
    return DistributeTabsInRows(input);
}

TEST(uiTabRows, TabsGoIntoBalancedRows) {
    const TRowsCase cases[] = {
        // Moving a tab down gives the same shortfall, so the fuller first row stays; both rows are stretched to
        // the line in proportion to their tabs, the last tab of a row taking what division leaves.
        {"five of 60 on 200", {60, 60, 60, 60, 60}, 200, 0, true, {0, 0, 0, 1, 1}, {66, 66, 68, 100, 100}},
        // Greedy rows 3, 3, 3, 1 become 3, 3, 2, 2.
        {"ten of 60 on 200",
         {60, 60, 60, 60, 60, 60, 60, 60, 60, 60},
         200,
         0,
         true,
         {0, 0, 0, 1, 1, 1, 2, 2, 3, 3},
         {66, 66, 68, 66, 66, 68, 100, 100, 100, 100}},
        {"ten of 60 unbalanced",
         {60, 60, 60, 60, 60, 60, 60, 60, 60, 60},
         200,
         0,
         false,
         {0, 0, 0, 1, 1, 1, 2, 2, 2, 3},
         {60, 60, 60, 60, 60, 60, 60, 60, 60, 60}},
        // The gap counts between the tabs of a row.
        {"gaps", {60, 60, 60, 60}, 200, 10, true, {0, 0, 1, 1}, {95, 95, 95, 95}},
        // A long tab takes a row of its own at the line's length.
        {"long tab", {60, 250, 60}, 200, 0, true, {0, 1, 2}, {60, 200, 60}},
        // Rows whose shortfalls are 2 ^ 2900 and 2 ^ 1900 compare exactly: a double would make both infinite.
        {"far too short", {1000, 1000, 1000, 100}, 3000, 0, true, {0, 0, 1, 1}, {1500, 1500, 2727, 273}},
    };
    for (const TRowsCase& test : cases) {
        const TuiTabRows rows = Distribute(test);
        EXPECT_EQ(rows.Rows, test.Rows) << test.Name;
        EXPECT_EQ(rows.Lengths, test.StretchedLengths) << test.Name;
        EXPECT_EQ(rows.RowCount, test.Rows.back() + 1) << test.Name;
    }
}

TEST(uiTabRows, SumsOfPowersOfTwoCompareExactly) {
    TuiPowerOfTwoSum a;
    a.Add(2900);
    a.Add(0);
    TuiPowerOfTwoSum b;
    b.Add(1900);
    b.Add(1000);
    EXPECT_TRUE(b < a);
    EXPECT_FALSE(a < b);
    TuiPowerOfTwoSum c;
    c.Add(5);
    c.Add(5);
    TuiPowerOfTwoSum d;
    d.Add(6);
    EXPECT_TRUE(c == d) << "2 ^ 5 + 2 ^ 5 carries into 2 ^ 6";
    d.Add(0);
    EXPECT_TRUE(c < d);
}

} // namespace
} // namespace ui
