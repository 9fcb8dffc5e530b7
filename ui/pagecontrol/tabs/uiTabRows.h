#pragma once
// The rows of a multi-line tab control: tabs go greedily into rows as long as the tab line, a tab at least as long
// as the line gets a row of its own, and the rows between such tabs are balanced so that no row stays much shorter
// than the others. A row's shortfall weighs 2 ^ (line length - row length); the sums are compared exactly, however
// long the line, so a very short row never looks like any other.

#include <cstdint>
#include <set>
#include <span>
#include <vector>

namespace ui {

// A sum of powers of two, kept exact as the exponents of its binary form.
class TuiPowerOfTwoSum {
public:
    void Add(int64_t exponent);
    friend bool operator<(const TuiPowerOfTwoSum& a, const TuiPowerOfTwoSum& b);
    friend bool operator==(const TuiPowerOfTwoSum& a, const TuiPowerOfTwoSum& b) = default;

private:
    std::set<int64_t, std::greater<>> FExponents;
};

struct TuiTabRowsInput {
    // Each tab's length along the line.
    std::span<const int32_t> Lengths;
    // Whether a tab at least as long as the line is made exactly as long as it.
    std::span<const bool> WidenToLine;
    int32_t LineLength = 0;
    // The gap between neighbouring tabs of a row.
    int32_t Distance = 0;
    bool Balance = true;
    // Rows shorter than the line have the rest spread over their tabs (only where rows were balanced).
    bool Stretch = true;
};

struct TuiTabRows {
    // The row of each tab and its length after widening and stretching.
    std::vector<int32_t> Rows;
    std::vector<int32_t> Lengths;
    int32_t RowCount = 0;
};

TuiTabRows DistributeTabsInRows(const TuiTabRowsInput& input);

} // namespace ui
