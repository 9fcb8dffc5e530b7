#pragma once
// The heap values of a record storage. Record buffers keep no pointers: a String, WideString or Variant value, a
// display text and an Object value each hold a 32-bit handle (0 = none) into one of these tables, so records have the
// same layout on every target and a stream of records never carries an address. The storage owns the tables and hands
// them to the value types, which are stateless.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

// Values of one kind by handle. A removed value's handle is given out again; each value keeps its address while it
// lives.
template <typename T>
class TuiSlotList {
public:
    // A handle from 1 to 2^31 - 1 for the value, now owned by the list.
    uint32_t Add(std::unique_ptr<T> value);
    // The value of a handle; nullptr for 0 and for handles that hold nothing.
    T* Find(uint32_t handle) const;
    // Frees the value; nothing for 0 and for handles that hold nothing.
    void Remove(uint32_t handle);
    // The values alive.
    int32_t Count() const { return static_cast<int32_t>(FEntries.size() - FFree.size()); }

private:
    std::vector<std::unique_ptr<T>> FEntries;
    std::vector<uint32_t> FFree;
};

class TuiValueSlots {
public:
    // String values and display texts, ANSI in the process code page.
    TuiSlotList<rtl::AnsiString>& Texts() { return FTexts; }
    const TuiSlotList<rtl::AnsiString>& Texts() const { return FTexts; }
    TuiSlotList<rtl::UnicodeString>& WideTexts() { return FWideTexts; }
    const TuiSlotList<rtl::UnicodeString>& WideTexts() const { return FWideTexts; }
    TuiSlotList<rtl::Variant>& Variants() { return FVariants; }
    const TuiSlotList<rtl::Variant>& Variants() const { return FVariants; }
    // The objects of Object values, owned by the storage.
    TuiSlotList<rtl::TObject>& Objects() { return FObjects; }
    const TuiSlotList<rtl::TObject>& Objects() const { return FObjects; }

    // The values alive in all tables.
    int32_t Count() const { return FTexts.Count() + FWideTexts.Count() + FVariants.Count() + FObjects.Count(); }

private:
    TuiSlotList<rtl::AnsiString> FTexts;
    TuiSlotList<rtl::UnicodeString> FWideTexts;
    TuiSlotList<rtl::Variant> FVariants;
    TuiSlotList<rtl::TObject> FObjects;
};

extern template class TuiSlotList<rtl::AnsiString>;
extern template class TuiSlotList<rtl::UnicodeString>;
extern template class TuiSlotList<rtl::Variant>;
extern template class TuiSlotList<rtl::TObject>;

} // namespace ui
