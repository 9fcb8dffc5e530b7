#pragma once
// Text measuring and output on device contexts and fonts rather than on a TuiCanvas, the narrowest rectangle in which a
// text fits a number of lines, invalidating windows, the logical records of GDI objects, the character-set test of
// highlighted text and the visible size of the mouse cursor.

#include "rtl/text/StringTypes.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

struct tagBITMAP;
struct tagLOGBRUSH;
struct tagLOGFONTW;
struct tagLOGPEN;

namespace vcl {
class TFont;
} // namespace vcl

namespace ui {

class TuiCanvas;

// The extent of the first length characters (all with -1) in the device context's font; false when it cannot be
// measured.
bool GetDCTextExtent(HDC dc, rtl::UnicodeStringView text, vcl::TSize& size, int32_t length = -1);
// DrawText on the canvas in color (clDefault: the font's), transparently.
void DrawTextOnCanvasRect(TuiCanvas& canvas, rtl::UnicodeStringView text, vcl::TRect& rect, uint32_t drawTextFlags,
                          vcl::TColor color);
// ExtTextOut of the first length characters (all with -1) at point, with the options and clipping rectangle.
bool ExtTextOutText(HDC dc, rtl::UnicodeStringView text, vcl::TPoint point, const vcl::TRect* rect, uint32_t options,
                    int32_t length = -1);
// The extent of text in font (at pointSize points unless 0), measured on the shared screen canvas.
vcl::TSize GetFontTextExtent(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t pointSize = 0);
int32_t GetFontTextWidth(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t pointSize = 0);
int32_t GetFontTextHeight(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t pointSize = 0);
// The size of text as one line in the device context's font.
vcl::TSize GetDCTextSize(HDC dc, rtl::UnicodeStringView text);
// The narrowest rectangle (at (0, 0)) in which text, wrapped at word breaks, takes at most lineCount lines of "Wg"
// height (any height up to 32000 when lineCount is 0 or less); one line with lineCount 1. With fixedHeight the
// rectangle is as high as the lines allowed.
vcl::TRect GetTextRect(HDC dc, rtl::UnicodeStringView text, int32_t lineCount, bool fixedHeight = false);

// Marks rect of the window's client area (all of it for InvalidateWindow) for repainting, its background erased first
// with erase.
void InvalidateWindowRect(HWND window, const vcl::TRect& rect, bool erase);
void InvalidateWindow(HWND window, bool erase);

// The logical record of a GDI object, of the platform's own size; false when the handle is no object of that kind.
bool GetBitmapData(HBITMAP bitmap, tagBITMAP& data);
bool GetBrushData(HBRUSH brush, tagLOGBRUSH& data);
bool GetFontData(HFONT font, tagLOGFONTW& data);
bool GetPenData(HPEN pen, tagLOGPEN& data);

// The character set of the system's code page (GB2312_CHARSET under code page 936).
uint8_t SystemDefaultCharset();
// UsesSpecialCharset with DEFAULT_CHARSET standing for the system's character set.
bool UsesSpecialCharset(uint8_t charset, rtl::UnicodeStringView text);

// The size of the current mouse cursor as it shows: its width, and the height of its visible part below the hot spot,
// read from its monochrome mask; the system's cursor size when the mask cannot tell.
vcl::TSize GetCursorSize();

} // namespace ui
