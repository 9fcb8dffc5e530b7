#pragma once
// Free routines the label and the check list box share: rectangle sizes that never go negative, checks of an edit
// value and of typed numbers, and (on Windows) putting a font into a canvas turned by an angle.

#include "rtl/text/StringTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace rtl {
class Variant;
struct TFormatSettings;
} // namespace rtl

namespace vcl {
class TFont;
}

namespace ui {

class TuiCanvas;

int32_t RectWidthNonNegative(const vcl::TRect& rect);
int32_t RectHeightNonNegative(const vcl::TRect& rect);
bool IsVarNullOrEmpty(const rtl::Variant& value);
// The trimmed text is a whole 32-bit integer (decimal or hexadecimal, with an optional sign).
bool IsValidIntegerText(rtl::UnicodeStringView text);
// The trimmed text is digits with at most one decimal separator and an optional leading '-', no exponent, no '+',
// and at most 1.7E308 in size. A sign or a separator without digits is not a number.
bool IsValidFloatText(rtl::UnicodeStringView text);
bool IsValidFloatText(rtl::UnicodeStringView text, const rtl::TFormatSettings& settings);

#ifdef _WIN32
// Puts a copy of font into the canvas and, for a TrueType font, turns it by angle degrees (normalised to 0..359; the
// escapement alone, the orientation stays). Other fonts never turn. Answers whether the font is TrueType.
bool SelectRotatedFont(TuiCanvas& canvas, const vcl::TFont& font, int32_t angle);
#endif

} // namespace ui
