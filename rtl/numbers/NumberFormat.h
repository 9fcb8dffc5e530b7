#pragma once
// Numbers to text by a pattern, as "0.00", "#,##0.00" or "0.00;(0.00);-" lay them out.
//
// A pattern holds up to three sections separated by ';': the first for positive values (and for all values when it is
// the only one), the second for negative values, the third for zero. A section left empty falls back to the first; a
// negative value shown through the first section gets a leading '-'. A value that rounds to zero for its section shows
// through the zero section (or the first), without a sign. In a section:
//   0      a digit, or 0 where the value has none        #   a digit, or nothing where the value has none
//   .      the decimal separator, shown when a decimal follows (the first '.' only; later ones are dropped)
//   ,      anywhere among the digits: thousand separators between groups of three integer digits
//   E+ E-  scientific notation (e+ e- write a small e): the exponent, signed always (E+) or only when negative (E-),
//          with at least as many digits as 0s follow (at most four)
//   "..." '...'  literal text;  \c  the character c itself;  any other character stands for itself
// Integer digits beyond the placeholders are written at the first of them. Digits are rounded half away from zero.
// An empty pattern gives the general format with 15 significant digits.

#include "rtl/text/StringTypes.h"

namespace rtl {

struct TFormatSettings;
class Currency;

// The value is first taken to 15 significant digits (so 1.005 formats as the 1.005 it reads, not as the double just
// below it), then rounded as the section asks. Values of 10^18 and more without scientific notation, infinities and
// not-a-number give FloatToStrF's general format.
UnicodeString FormatFloat(UnicodeStringView format, long double value);
UnicodeString FormatFloat(UnicodeStringView format, long double value, const TFormatSettings& settings);
// The same patterns over the amount's exact digits.
UnicodeString FormatCurr(UnicodeStringView format, Currency value);
UnicodeString FormatCurr(UnicodeStringView format, Currency value, const TFormatSettings& settings);

} // namespace rtl
