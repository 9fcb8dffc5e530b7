#include "ui/data/values/uiValueSlots.h"

#include "rtl/core/Exceptions.h"

#include <limits>

namespace ui {

template <typename T>
uint32_t TuiSlotList<T>::Add(std::unique_ptr<T> value) {
    if (!FFree.empty()) {
        const uint32_t handle = FFree.back();
        FFree.pop_back();
        FEntries[handle - 1] = std::move(value);
        return handle;
    }
    if (FEntries.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max() - 1)) {
        throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
    }
    FEntries.push_back(std::move(value));
    return static_cast<uint32_t>(FEntries.size());
}

template <typename T>
T* TuiSlotList<T>::Find(uint32_t handle) const {
    return handle == 0 || handle > FEntries.size() ? nullptr : FEntries[handle - 1].get();
}

template <typename T>
void TuiSlotList<T>::Remove(uint32_t handle) {
    if (Find(handle) == nullptr) {
        return;
    }
    // Taken out first: freeing an object may reach the list again.
    std::unique_ptr<T> value = std::move(FEntries[handle - 1]);
    FFree.push_back(handle);
    value.reset();
}

template class TuiSlotList<rtl::AnsiString>;
template class TuiSlotList<rtl::UnicodeString>;
template class TuiSlotList<rtl::Variant>;
template class TuiSlotList<rtl::TObject>;

} // namespace ui
