#include "ui/data/controller/rows/uiRecordSort.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace ui {
namespace {

std::vector<int32_t> Identity(int32_t count) {
    std::vector<int32_t> records(static_cast<size_t>(count));
    std::iota(records.begin(), records.end(), 0);
    return records;
}

void ExpectEveryRecordOnce(std::vector<int32_t> records, int32_t count) {
    std::sort(records.begin(), records.end());
    EXPECT_EQ(records, Identity(count));
}

TEST(SortRecordIndexes, OrdersByTheComparisonAndKeepsEqualKeysInTheirOrder) {
    for (const int32_t count : {0, 1, 2, 3, 17, 1000, 1025}) {
        SCOPED_TRACE(count);
        std::vector<int32_t> keys(static_cast<size_t>(count));
        std::mt19937 random(static_cast<uint32_t>(count));
        for (int32_t& key : keys) {
            key = static_cast<int32_t>(random() % 7);
        }
        std::vector<int32_t> records = Identity(count);
        std::shuffle(records.begin(), records.end(), random);
        std::vector<int32_t> expected = records;
        const auto byKey = [&](int32_t a, int32_t b) { return keys[a] - keys[b]; };
        std::stable_sort(expected.begin(), expected.end(), [&](int32_t a, int32_t b) { return byKey(a, b) < 0; });
        SortRecordIndexes(records, byKey);
        EXPECT_EQ(records, expected);
    }
}

TEST(SortRecordIndexes, AComparisonThatIsNoOrderStillEndsWithEveryRecordOnce) {
    constexpr int32_t count = 10000;
    std::mt19937 random(42);
    const std::function<int(int32_t, int32_t)> comparisons[] = {
        [](int32_t, int32_t) { return -1; },
        [](int32_t, int32_t) { return 1; },
        [&random](int32_t, int32_t) { return static_cast<int>(random() % 3) - 1; },
    };
    for (const auto& compare : comparisons) {
        std::vector<int32_t> records = Identity(count);
        SortRecordIndexes(records, compare);
        ExpectEveryRecordOnce(records, count);
    }
}

TEST(SortRecordIndexes, ASortedListTakesOneComparisonPerRunBoundary) {
    std::vector<int32_t> records = Identity(1024);
    int comparisons = 0;
    SortRecordIndexes(records, [&](int32_t a, int32_t b) {
        ++comparisons;
        return a - b;
    });
    EXPECT_EQ(records, Identity(1024));
    EXPECT_EQ(comparisons, 1023);
}

} // namespace
} // namespace ui
