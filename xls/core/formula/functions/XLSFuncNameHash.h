#pragma once
// The hash by which worksheet function names are found: FNV-1a over the UTF-16 code units of the name in upper case,
// into a table of XLSFuncNameSlotCount slots probed linearly. The function-table generator lays the slots out with
// this hash and the lookup walks them with it, so both include this header; changing it needs a regeneration.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace xls {

// A power of two, about three times the number of functions, so that probe runs stay short.
inline constexpr size_t XLSFuncNameSlotCount = 1024;

inline constexpr uint32_t XLSFuncNameHashBasis = 2166136261u;
inline constexpr uint32_t XLSFuncNameHashPrime = 16777619u;

// One step of the hash; the caller folds the unit to upper case first.
constexpr uint32_t XLSFuncNameHashStep(uint32_t hash, char16_t upperUnit) {
    return (hash ^ upperUnit) * XLSFuncNameHashPrime;
}

constexpr uint32_t XLSFuncNameHash(std::u16string_view upperName) {
    uint32_t hash = XLSFuncNameHashBasis;
    for (const char16_t unit : upperName) {
        hash = XLSFuncNameHashStep(hash, unit);
    }
    return hash;
}

constexpr size_t XLSFuncNameFirstSlot(uint32_t hash) {
    return hash & (XLSFuncNameSlotCount - 1);
}

} // namespace xls
