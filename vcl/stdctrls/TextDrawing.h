#pragma once
// Captions of the standard controls drawn and measured with DrawText in a control's font: the text flags of Windows
// (DT_LEFT, DT_WORDBREAK, DT_NOPREFIX, ...) pass through as they are.

#include "rtl/text/StringTypes.h"
#include "vcl/controls/Control.h"
#include "vcl/graphics/Font.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

// Draws text into rect on dc in font and color, leaving the background as it is; returns the height of the text.
int32_t DrawCaption(HDC dc, TFont& font, TColor color, rtl::UnicodeStringView text, const TRect& rect, uint32_t flags);
// Draws the caption of control in its font: in the font's colour while the control is enabled, engraved otherwise
// (the highlight colour one pixel down and right under the shadow colour).
void DrawControlCaption(const TControl& control, HDC dc, rtl::UnicodeStringView text, const TRect& rect,
                        uint32_t flags);
// The rectangle text takes when drawn from rect's top-left corner (within rect's width when it wraps).
TRect MeasureCaption(TFont& font, rtl::UnicodeStringView text, const TRect& rect, uint32_t flags);

} // namespace vcl
