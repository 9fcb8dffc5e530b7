#pragma once
// The GDI text calls of the text engine, in one place: on the NT family the UTF-16 ("W") functions, on the Windows
// 9x family the ANSI ("A") ones with each text converted to the process's ANSI code page. A test can put its own
// output in place (to see the calls the engine makes). Tabbed output draws at most 4096 characters a call, which is
// far more than any row shows.

#include "rtl/text/StringTypes.h"
#include "vcl/system/Seam.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace ui {

inline constexpr int32_t uiMaxTabbedTextOutLength = 4096;

class TuiTextOutput {
public:
    // GetTextExtentPoint32.
    virtual vcl::TSize MeasureText(HDC dc, rtl::UnicodeStringView text) = 0;
    // GetTabbedTextExtent with default tab stops: the width in the low 16 bits, the height in the high 16.
    virtual uint32_t MeasureTabbedText(HDC dc, rtl::UnicodeStringView text) = 0;
    // DrawText's single-line measure with expanded tabs and no prefix.
    virtual vcl::TSize MeasureWithDrawText(HDC dc, rtl::UnicodeStringView text) = 0;
    // TextOut.
    virtual void OutputText(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text) = 0;
    // TabbedTextOut with default tab stops from tabOrigin.
    virtual void OutputTabbedText(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text, int32_t tabOrigin) = 0;
    // ExtTextOut, clipped to clip with ETO_CLIPPED when it is given.
    virtual void OutputClippedText(HDC dc, int32_t x, int32_t y, const vcl::TRect* clip,
                                   rtl::UnicodeStringView text) = 0;

protected:
    ~TuiTextOutput() = default;
};

vcl::TSeam<TuiTextOutput>& TextOutputSeam();
inline TuiTextOutput& TextOutput() {
    return TextOutputSeam().Current();
}

// The extent of text with its tabs expanded at the default stops: GetTextExtentPoint32 without tabs; with tabs
// GetTabbedTextExtent up to 4095 characters (its 16-bit width corrected by whole multiples of 65535 from a DrawText
// measure when it may have overflowed), DrawText for longer texts (on the first 4096 characters when the whole
// measures 0 wide).
vcl::TSize MeasureTextExtent(HDC dc, rtl::UnicodeStringView text);
// TabbedTextOut of at most the first 4096 characters.
void TabbedTextOutLimited(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text, int32_t tabOrigin);

} // namespace ui
