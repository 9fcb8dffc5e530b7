#pragma once
// The number text of the calc editor (portable): how a value shows (the calculator's general form or an exponent
// form without trailing zeros, thousand separators on request), which characters make a number, and which texts the
// editor takes: numbers that fit a double.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace rtl {
struct TFormatSettings;
} // namespace rtl

namespace ui {

// The magnitudes a double holds, as the editor takes them (0 aside).
inline constexpr long double CalcEditSmallestMagnitude = 5.0E-324L;
inline constexpr long double CalcEditLargestMagnitude = 1.7E308L;

// 0, or a magnitude within CalcEditSmallestMagnitude .. CalcEditLargestMagnitude.
bool IsCalcEditValueInRange(long double value);

// The text of a value with precision significant digits (0 counts as 15): the calculator's general form, with
// thousand separators when thousands is set; or, when scientific, one digit, the decimal separator and the further
// digits without trailing zeros, then "E", the exponent's sign and its digits without leading zeros ("1.5E+3").
rtl::UnicodeString CalcEditValueText(long double value, int32_t precision, bool scientific, bool thousands,
                                     const rtl::TFormatSettings& settings);

// A sign, a digit, the decimal separator, "e" or "E".
bool IsCalcEditNumberChar(char16_t character, const rtl::TFormatSettings& settings);

// Without its thousand separators the text reads as a number within range.
bool IsAcceptableCalcEditText(const rtl::UnicodeString& text, const rtl::TFormatSettings& settings);

} // namespace ui
