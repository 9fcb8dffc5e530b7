#pragma once
// The text engine on device contexts: the layout parameters from a device context's font, breaking text measured in
// it, and drawing laid-out rows: tabs, the end ellipsis on the last row, a highlighted part with its own colours, and
// rows too low to read drawn as patterned bars. DrawTextWide is the whole operation (parameters, rows, placing,
// drawing or measuring); DrawTextAnsi takes ANSI text in the font's code page.

#include "rtl/text/StringTypes.h"
#include "ui/core/text/uiTextLayout.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {
class TCanvas;
class TFont;
} // namespace vcl

namespace ui {

// The parameters of the layout flags in the device context's font; the line spacing multiplies the row height.
TuiTextParams InitTextParams(HDC dc, uint32_t flags, double lineSpacing = 1.0);
// The same on the canvas's device context with its font selected.
TuiTextParams InitCanvasTextParams(vcl::TCanvas& canvas, uint32_t flags, double lineSpacing = 1.0);

// Breaks text measured in the device context's font into rows within the rectangle's width (at most maxRows; 0: no
// limit); true when the whole text fits.
bool BreakTextIntoRows(HDC dc, rtl::UnicodeStringView text, const vcl::TRect& rect, const TuiTextParams& params,
                       TuiTextRows& rows, int32_t maxRows = 0);
// The same for ANSI text in the code page of the parameters' character set.
bool BreakAnsiTextIntoRowsOnDC(HDC dc, std::string_view text, const vcl::TRect& rect, const TuiTextParams& params,
                               TuiTextRows& rows, int32_t maxRows = 0);
bool BreakAnsiTextIntoRows(vcl::TCanvas& canvas, std::string_view text, const vcl::TRect& rect,
                           const TuiTextParams& params, TuiTextRows& rows, int32_t maxRows = 0);

// Draws laid-out rows transparently: the characters [selStart, selStart + selLength) of the text on
// highlightBackColor (clNone, clDefault: no fill) in highlightTextColor (clNone, clDefault: the text colour);
// truncated tells that text was left over, which puts the end ellipsis on the last row.
void DrawTextRowsHighlighted(HDC dc, const vcl::TRect& rect, const TuiTextParams& params, const TuiTextRows& rows,
                             int32_t selStart, int32_t selLength, vcl::TColor highlightBackColor,
                             vcl::TColor highlightTextColor, bool truncated);

// What DrawTextWide draws with besides the text and the flags.
struct TuiDrawTextOptions {
    int32_t SelStart = 0;
    int32_t SelLength = 0;
    // Selected and its colour taken as the text colour, unless nullptr.
    vcl::TFont* Font = nullptr;
    vcl::TColor HighlightBackColor = vcl::clNone;
    vcl::TColor HighlightTextColor = vcl::clNone;
    int32_t MaxRows = 0;
    int32_t LeftIndent = 0;
    int32_t RightIndent = 0;
    // Overrides the font's colour unless clDefault.
    vcl::TColor TextColor = vcl::clDefault;
    double LineSpacing = 1.0;
};

// Lays out and draws text in rect with the layout flags. With tlCalcRect nothing is drawn: rect becomes the rectangle
// the text needs. The result: the number of rows with tlCalcRowCount, otherwise the height the rows take (the number
// of rows when that is 0); 0 for an empty text or an unusable rectangle. The device context's font and text colour
// come back.
int32_t DrawTextWide(HDC dc, rtl::UnicodeStringView text, vcl::TRect& rect, uint32_t flags,
                     const TuiDrawTextOptions& options = {});
// ANSI text in the code page of the font's character set (or of the device context's when no font is given), without
// highlight.
int32_t DrawTextAnsi(vcl::TCanvas& canvas, std::string_view text, vcl::TRect& rect, uint32_t flags,
                     const TuiDrawTextOptions& options = {});

// Start-up and shut-down of the text engine: the pattern brushes of rows drawn as bars.
void InitializeTextUnit();
void FinalizeTextUnit();

} // namespace ui
