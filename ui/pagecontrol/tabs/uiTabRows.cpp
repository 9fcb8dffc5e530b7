#include "ui/pagecontrol/tabs/uiTabRows.h"

#include <algorithm>

namespace ui {

void TuiPowerOfTwoSum::Add(int64_t exponent) {
    while (FExponents.erase(exponent) != 0) {
        ++exponent;
    }
    FExponents.insert(exponent);
}

// Highest exponents first: the first difference decides, and a sum that is a prefix of another is the smaller.
bool operator<(const TuiPowerOfTwoSum& a, const TuiPowerOfTwoSum& b) {
    return std::lexicographical_compare(a.FExponents.begin(), a.FExponents.end(), b.FExponents.begin(),
                                        b.FExponents.end());
}

namespace {

// The rows of tabs [first, last] as the index of each row's first tab, with one more entry past the last row.
class TRowBalancer {
public:
    TRowBalancer(TuiTabRows& result, const TuiTabRowsInput& input, int32_t first, int32_t last)
        : FResult(result), FLineLength(input.LineLength), FDistance(input.Distance), FFirst(first), FLast(last) {
        for (int32_t i = first; i <= last; ++i) {
            if (i == first || result.Rows[i] != result.Rows[i - 1]) {
                FStarts.push_back(i);
            }
        }
        FStarts.push_back(last + 1);
    }

    void Balance() {
        while (MoveBackward() || GrowFromNext() || GrowFromPrevious()) {
        }
        const int32_t firstRow = FResult.Rows[FFirst];
        for (int32_t row = 0; row < RowCount(); ++row) {
            for (int32_t i = FStarts[row]; i < FStarts[row + 1]; ++i) {
                FResult.Rows[i] = firstRow + row;
            }
        }
    }

    void Stretch() {
        for (int32_t row = 0; row < RowCount(); ++row) {
            const int32_t missing = FLineLength - RowLength(row);
            if (missing <= 0) {
                continue;
            }
            int64_t total = 0;
            for (int32_t i = FStarts[row]; i < FStarts[row + 1]; ++i) {
                total += FResult.Lengths[i];
            }
            int32_t given = 0;
            const int32_t lastTab = FStarts[row + 1] - 1;
            for (int32_t i = FStarts[row]; i < lastTab && total > 0; ++i) {
                const auto share = static_cast<int32_t>(int64_t{missing} * FResult.Lengths[i] / total);
                FResult.Lengths[i] += share;
                given += share;
            }
            FResult.Lengths[lastTab] += missing - given;
        }
    }

private:
    int32_t RowCount() const { return static_cast<int32_t>(FStarts.size()) - 1; }

    int32_t RowLength(int32_t row) const {
        int32_t length = 0;
        for (int32_t i = FStarts[row]; i < FStarts[row + 1]; ++i) {
            length += FResult.Lengths[i];
        }
        return length + FDistance * (FStarts[row + 1] - FStarts[row] - 1);
    }

    TuiPowerOfTwoSum Total() const {
        TuiPowerOfTwoSum total;
        for (int32_t row = 0; row < RowCount(); ++row) {
            total.Add(int64_t{FLineLength} - RowLength(row));
        }
        return total;
    }

    // Row row takes the last tab of the row before it; refused when that row would be left empty or row would no
    // longer fit the line.
    bool TakeFromPrevious(int32_t row) {
        if (FStarts[row] - 1 <= FStarts[row - 1]) {
            return false;
        }
        --FStarts[row];
        if (RowLength(row) > FLineLength) {
            ++FStarts[row];
            return false;
        }
        return true;
    }

    bool TakeFromNext(int32_t row) {
        if (FStarts[row + 1] + 1 >= FStarts[row + 2]) {
            return false;
        }
        ++FStarts[row + 1];
        if (RowLength(row) > FLineLength) {
            --FStarts[row + 1];
            return false;
        }
        return true;
    }

    // From the last row backward, each row takes tabs from the one before it while the total does not grow; success
    // as soon as the total falls below where it started, else everything goes back.
    bool MoveBackward() {
        const std::vector<int32_t> saved = FStarts;
        const TuiPowerOfTwoSum start = Total();
        TuiPowerOfTwoSum current = start;
        for (int32_t row = RowCount() - 1; row >= 1; --row) {
            while (TakeFromPrevious(row)) {
                const TuiPowerOfTwoSum total = Total();
                if (current < total) {
                    ++FStarts[row];
                    break;
                }
                current = total;
                if (total < start) {
                    return true;
                }
            }
        }
        FStarts = saved;
        return false;
    }

    bool GrowFromNext() {
        const TuiPowerOfTwoSum start = Total();
        for (int32_t row = 0; row + 1 < RowCount(); ++row) {
            if (TakeFromNext(row)) {
                if (Total() < start) {
                    return true;
                }
                --FStarts[row + 1];
            }
        }
        return false;
    }

    bool GrowFromPrevious() {
        const TuiPowerOfTwoSum start = Total();
        for (int32_t row = 1; row < RowCount(); ++row) {
            if (TakeFromPrevious(row)) {
                if (Total() < start) {
                    return true;
                }
                ++FStarts[row];
            }
        }
        return false;
    }

    TuiTabRows& FResult;
    int32_t FLineLength;
    int32_t FDistance;
    int32_t FFirst;
    int32_t FLast;
    std::vector<int32_t> FStarts;
};

// Balances tabs [first, last] when they span more than minRows rows.
void BalanceRange(TuiTabRows& result, const TuiTabRowsInput& input, int32_t first, int32_t last, int32_t minRows) {
    if (!input.Balance || first > last || result.Rows[last] - result.Rows[first] + 1 <= minRows) {
        return;
    }
    TRowBalancer balancer(result, input, first, last);
    balancer.Balance();
    if (input.Stretch) {
        balancer.Stretch();
    }
}

} // namespace

TuiTabRows DistributeTabsInRows(const TuiTabRowsInput& input) {
    const auto count = static_cast<int32_t>(input.Lengths.size());
    TuiTabRows result;
    result.Lengths.assign(input.Lengths.begin(), input.Lengths.end());
    result.Rows.assign(static_cast<size_t>(count), 0);
    const int32_t line = input.LineLength;
    int32_t row = 0;
    int64_t used = 0;
    int32_t rangeStart = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t length = input.Lengths[i];
        if (length < line) {
            if (used > 0 && used + length > line) {
                ++row;
                used = 0;
            }
            result.Rows[i] = row;
            used += length + input.Distance;
            continue;
        }
        if (used > 0) {
            ++row;
        }
        BalanceRange(result, input, rangeStart, i - 1, 2);
        result.Rows[i] = row;
        if (input.WidenToLine[i]) {
            result.Lengths[i] = line;
        }
        ++row;
        used = 0;
        rangeStart = i + 1;
    }
    BalanceRange(result, input, rangeStart, count - 1, 1);
    result.RowCount = count > 0 ? result.Rows[count - 1] + 1 : 0;
    return result;
}

} // namespace ui
