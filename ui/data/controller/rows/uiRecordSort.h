#pragma once
// The sort of a record list: a bottom-up merge sort of record indexes by a caller's comparison. Every loop is bounded
// by its ranges and nothing recurses, so a comparison that is no consistent order (an OnCompare handler that answers
// at random, a column of texts and numbers) still ends with each record in the list exactly once. For a consistent
// order that never calls two different records equal, the result is the one order that comparison defines. Two runs
// already in order are not merged, so a sorted list costs one comparison per run boundary.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

// compare(a, b) answers negative, 0 or positive for two record indexes.
template <class Compare>
void SortRecordIndexes(std::vector<int32_t>& records, Compare&& compare) {
    const size_t count = records.size();
    if (count < 2) {
        return;
    }
    std::vector<int32_t> scratch(count);
    std::vector<int32_t>* source = &records;
    std::vector<int32_t>* target = &scratch;
    for (size_t width = 1; width < count; width *= 2) {
        for (size_t left = 0; left < count; left += 2 * width) {
            const size_t middle = std::min(left + width, count);
            const size_t right = std::min(left + 2 * width, count);
            int32_t* out = target->data() + left;
            const int32_t* a = source->data() + left;
            const int32_t* aEnd = source->data() + middle;
            const int32_t* b = aEnd;
            const int32_t* bEnd = source->data() + right;
            if (b != bEnd && compare(*(aEnd - 1), *b) > 0) {
                while (a != aEnd && b != bEnd) {
                    *out++ = compare(*b, *a) < 0 ? *b++ : *a++;
                }
            }
            out = std::copy(a, aEnd, out);
            std::copy(b, bEnd, out);
        }
        std::swap(source, target);
    }
    if (source != &records) {
        records.swap(scratch);
    }
}

} // namespace ui
