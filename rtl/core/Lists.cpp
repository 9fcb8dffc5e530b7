#include "rtl/core/Lists.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

#include <algorithm>
#include <numeric>

namespace rtl {

namespace {

[[noreturn]] void RaiseListError(const char16_t* message, int32_t value) {
    throw EListError(Format(message, {value}));
}

// Merges the sorted runs source[low, middle) and source[middle, high) into target[low, high).
void MergeRuns(const std::vector<int32_t>& source, std::vector<int32_t>& target, size_t low, size_t middle, size_t high,
               const std::function<int(int32_t, int32_t)>& compare) {
    size_t left = low;
    size_t right = middle;
    size_t out = low;
    while (left < middle && right < high) {
        // Taking the left item on ties keeps equal items in their original order.
        target[out++] = compare(source[left], source[right]) > 0 ? source[right++] : source[left++];
    }
    std::copy(source.begin() + static_cast<ptrdiff_t>(left), source.begin() + static_cast<ptrdiff_t>(middle),
              target.begin() + static_cast<ptrdiff_t>(out));
    out += middle - left;
    std::copy(source.begin() + static_cast<ptrdiff_t>(right), source.begin() + static_cast<ptrdiff_t>(high),
              target.begin() + static_cast<ptrdiff_t>(out));
}

} // namespace

// A bottom-up merge sort: every loop is bounded by positions alone, so no answer of compare can lead it astray.
std::vector<int32_t> StableSortOrder(int32_t count, const std::function<int(int32_t, int32_t)>& compare) {
    const size_t size = count > 0 ? static_cast<size_t>(count) : 0;
    std::vector<int32_t> order(size);
    std::iota(order.begin(), order.end(), 0);
    std::vector<int32_t> merged(size);
    for (size_t width = 1; width < size; width *= 2) {
        for (size_t low = 0; low < size; low += 2 * width) {
            const size_t middle = std::min(low + width, size);
            const size_t high = std::min(low + 2 * width, size);
            MergeRuns(order, merged, low, middle, high, compare);
        }
        order.swap(merged);
    }
    return order;
}

int32_t TList::Add(void* item) {
    const int32_t index = Count();
    Insert(index, item);
    return index;
}

void TList::Insert(int32_t index, void* item) {
    if (index < 0 || index > Count()) {
        RaiseListError(RtlMessages::ListIndexError, index);
    }
    if (Count() >= MaxListSize) {
        RaiseListError(RtlMessages::ListCountError, Count() + 1);
    }
    FList.insert(FList.begin() + index, item);
    if (item != nullptr) {
        Notify(item, TListNotification::lnAdded);
    }
}

void TList::Delete(int32_t index) {
    void* item = TakeOut(index);
    if (item != nullptr) {
        Notify(item, TListNotification::lnDeleted);
    }
}

int32_t TList::Remove(void* item) {
    const int32_t index = IndexOf(item);
    if (index >= 0) {
        Delete(index);
    }
    return index;
}

void* TList::Extract(void* item) {
    const int32_t index = IndexOf(item);
    if (index < 0) {
        return nullptr;
    }
    TakeOut(index);
    if (item != nullptr) {
        Notify(item, TListNotification::lnExtracted);
    }
    return item;
}

int32_t TList::IndexOf(void* item) const {
    const auto found = std::find(FList.begin(), FList.end(), item);
    return found == FList.end() ? -1 : static_cast<int32_t>(found - FList.begin());
}

void TList::Clear() {
    SetCount(0);
    FList.shrink_to_fit();
}

void* TList::Get(int32_t index) const {
    CheckIndex(index);
    return FList[static_cast<size_t>(index)];
}

void TList::Put(int32_t index, void* item) {
    CheckIndex(index);
    void* old = FList[static_cast<size_t>(index)];
    if (old == item) {
        return;
    }
    FList[static_cast<size_t>(index)] = item;
    if (old != nullptr) {
        Notify(old, TListNotification::lnDeleted);
    }
    if (item != nullptr) {
        Notify(item, TListNotification::lnAdded);
    }
}

void* TList::First() const {
    return Get(0);
}

void* TList::Last() const {
    return Get(Count() - 1);
}

void TList::Exchange(int32_t index1, int32_t index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(FList[static_cast<size_t>(index1)], FList[static_cast<size_t>(index2)]);
}

void TList::Move(int32_t currentIndex, int32_t newIndex) {
    CheckIndex(currentIndex);
    CheckIndex(newIndex);
    // Moving by rotation keeps the item in the list throughout, so nothing is notified.
    const auto from = FList.begin() + currentIndex;
    const auto to = FList.begin() + newIndex;
    if (currentIndex < newIndex) {
        std::rotate(from, from + 1, to + 1);
    } else {
        std::rotate(to, from, from + 1);
    }
}

void TList::Pack() {
    std::erase(FList, nullptr);
}

void TList::Sort(const TListSortCompare& compare) {
    const auto order = StableSortOrder(Count(), [&](int32_t first, int32_t second) {
        return compare(FList[static_cast<size_t>(first)], FList[static_cast<size_t>(second)]);
    });
    std::vector<void*> sorted;
    sorted.reserve(FList.size());
    for (const int32_t position : order) {
        sorted.push_back(FList[static_cast<size_t>(position)]);
    }
    FList.swap(sorted);
}

void TList::Assign(const TList& source) {
    if (&source == this) {
        return;
    }
    Clear();
    SetCapacity(source.Count());
    for (void* item : source.FList) {
        Add(item);
    }
}

void TList::SetCount(int32_t count) {
    if (count < 0 || count > MaxListSize) {
        RaiseListError(RtlMessages::ListCountError, count);
    }
    // Deleting from the end, one at a time, lets Notify see a consistent list for every item it releases.
    while (Count() > count) {
        Delete(Count() - 1);
    }
    FList.resize(static_cast<size_t>(count), nullptr);
}

void TList::SetCapacity(int32_t capacity) {
    if (capacity < Count() || capacity > MaxListSize) {
        RaiseListError(RtlMessages::ListCapacityError, capacity);
    }
    FList.reserve(static_cast<size_t>(capacity));
}

void TList::Notify(void*, TListNotification) {}

void TList::CheckIndex(int32_t index) const {
    if (index < 0 || index >= Count()) {
        RaiseListError(RtlMessages::ListIndexError, index);
    }
}

void* TList::TakeOut(int32_t index) {
    CheckIndex(index);
    void* item = FList[static_cast<size_t>(index)];
    FList.erase(FList.begin() + index);
    return item;
}

TObjectList::~TObjectList() {
    Clear();
}

void TObjectList::Notify(void* item, TListNotification action) {
    if (FOwnsObjects && action == TListNotification::lnDeleted) {
        delete static_cast<TObject*>(item);
    }
}

} // namespace rtl
