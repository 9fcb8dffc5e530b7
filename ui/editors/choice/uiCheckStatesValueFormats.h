#pragma once
// The check-state value formats: one Variant holding the states of all the check boxes of a list, so that the set is
// stored, bound to data and compared like a single value. Four encodings (n items; the grayed part and the checked part
// list the grayed and the checked items in item order):
// - cvfCaptions, a string: the grayed part, then ";" and the checked part when that is not empty; each entry is the
//   caption's length in decimal, ":" and the caption ("1:B;1:A").
// - cvfIndices, a string: the same two parts of zero-based indexes separated by "," ("1;0").
// - cvfInteger, a 64-bit integer: bit i set when item i (of the first 64) is checked; grayed counts as unchecked.
// - cvfStatesString, a string of n characters "0", "1" or "2" ("120").
// cvfCustom leaves the conversion to a control's handlers.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/core/painters/uiCheckBoxState.h"

#include <cstdint>
#include <vector>

namespace ui {

class IuiCheckItems;

// One state per item, in item order.
using TuiCheckStates = std::vector<TuiCheckBoxState>;

enum TuiCheckStatesValueFormatEx : uint8_t { cvfCaptions, cvfIndices, cvfInteger, cvfStatesString, cvfCustom };
// The formats a control offers: every one but cvfCustom.
using TuiCheckStatesValueFormat = TuiCheckStatesValueFormatEx;

// The number of items whose checks cvfInteger holds.
inline constexpr int32_t uiCheckStatesIntegerBits = 64;

// The states encoded in format; Null for cvfCustom.
rtl::Variant CheckStatesToEditValue(const TuiCheckStates& states, const IuiCheckItems& items,
                                    TuiCheckStatesValueFormatEx format);
// Fills states (one per item of items) from value; a value the format cannot decode leaves every item unchecked and
// answers false.
bool EditValueToCheckStates(const rtl::Variant& value, const IuiCheckItems& items, TuiCheckStatesValueFormatEx format,
                            TuiCheckStates& states);
// Reads the decimal digits at position (0-based) into number and moves position past them. False, with number and
// position undefined, when position is at the end or not at a digit, or when the number would pass 2147483647.
bool ReadCheckStateNumber(int32_t& number, size_t& position, rtl::UnicodeStringView text);

} // namespace ui
