#pragma once
// The library's own multi-line text layout, independent of any device: the layout flags and the parameters they
// give with a font's metrics, the rows a text breaks into (by words, by characters, at line ends, with the East Asian
// rules of uiTextBreakRules), and the placing of the rows in a rectangle (alignment, justification, vertical
// distribution, indents). What the layout needs from a device, the extent of a piece of text and the width of a
// character in the code page, it asks a TuiTextDevice; the drawing on Windows lives in uiDrawTextUtils.

#include "rtl/text/StringTypes.h"
#include "vcl/system/Types.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ui {

enum TuiTextHorzAlign : uint8_t { thaLeft, thaCenter, thaRight, thaJustify, thaDistribute };
enum TuiTextVertAlign : uint8_t { tvaTop, tvaCenter, tvaBottom, tvaDistribute };

// Layout flags: the horizontal alignment in bits 0-2, the vertical one in bits 4-5, then the options.
inline constexpr uint32_t tlHorzAlignMask = 0x7;
inline constexpr uint32_t tlVertAlignShift = 4;
inline constexpr uint32_t tlVertAlignMask = 0x30;
inline constexpr uint32_t tlWordBreak = 0x100;
inline constexpr uint32_t tlSingleLine = 0x200;
inline constexpr uint32_t tlExpandTabs = 0x400;
inline constexpr uint32_t tlEndEllipsis = 0x800;
// Rows lower than 6 device pixels are drawn as bars instead of text.
inline constexpr uint32_t tlPatternedText = 0x1000;
// The font's external leading joins the row height.
inline constexpr uint32_t tlExternalLeading = 0x2000;
// Words longer than a row are broken; the last row is the last one that fits whole.
inline constexpr uint32_t tlEditControl = 0x4000;
inline constexpr uint32_t tlNoClip = 0x8000;
// Two pixels of indent on every side.
inline constexpr uint32_t tlAutoIndents = 0x10000;
// Words may break between characters (always on in a Far-East locale).
inline constexpr uint32_t tlCharBreak = 0x20000;
// No row starts left of the rectangle; no row starts above it.
inline constexpr uint32_t tlPreventLeftExceed = 0x40000;
inline constexpr uint32_t tlPreventTopExceed = 0x80000;
// The rectangle the text needs is calculated instead of drawing; or the number of rows.
inline constexpr uint32_t tlCalcRect = 0x100000;
inline constexpr uint32_t tlCalcRowCount = 0x200000;
// "&" accelerator marks are removed before layout.
inline constexpr uint32_t tlHidePrefix = 0x1000000;
// All spaces after a width break are skipped, as a spreadsheet cell does.
inline constexpr uint32_t tlExcelStyleSpaces = 0x2000000;

constexpr uint32_t TextLayoutAlignment(TuiTextHorzAlign horz, TuiTextVertAlign vert) {
    return static_cast<uint32_t>(horz) | static_cast<uint32_t>(vert) << tlVertAlignShift;
}

// What the layout takes from the font.
struct TuiTextFontMetrics {
    int32_t Height = 0;
    int32_t ExternalLeading = 0;
    int32_t Weight = 400;
    int32_t MaxCharWidth = 0;
    char16_t BreakChar = u' ';
    uint8_t CharSet = 1;
};

// The layout parameters of one text: the font's row metrics and the options of the flags.
struct TuiTextParams {
    int32_t RowHeight = 0;
    // The font's external leading with tlExternalLeading, else 0.
    int32_t ExternalLeading = 0;
    // The row height with the external leading, times the line spacing, rounded.
    int32_t FullRowHeight = 0;
    // The width of "..." with tlEndEllipsis, else 0.
    int32_t EndEllipsisWidth = 0;
    bool Bold = false;
    char16_t BreakChar = u' ';
    TuiTextHorzAlign HorzAlign = thaLeft;
    TuiTextVertAlign VertAlign = tvaTop;
    bool WordBreak = false;
    bool SingleLine = false;
    bool ExpandTabs = false;
    bool EndEllipsis = false;
    bool UseExternalLeading = false;
    bool EditControl = false;
    bool ExcelStyleSpaces = false;
    bool NoClip = false;
    bool AutoIndents = false;
    bool PatternedText = false;
    bool PreventLeftExceed = false;
    bool PreventTopExceed = false;
    bool CharBreak = false;
    bool CalcRowCount = false;
    bool CalcRect = false;
    bool HidePrefix = false;
    int32_t MaxCharWidth = 0;
    uint8_t CharSet = 1;
    // The logical width of one device pixel.
    int32_t OnePixel = 1;
};

// The parameters of a text in a font with the flags. ellipsisWidth is the extent of "..." in the font, onePixel the
// logical width of a device pixel; in a Far-East locale words always break between characters.
TuiTextParams TextParamsOf(const TuiTextFontMetrics& font, uint32_t flags, double lineSpacing, int32_t ellipsisWidth,
                           int32_t onePixel, bool farEastLocale);

// One row: where its characters lie in the text, its extent, the spaces and tabs inside it (for justification) and
// its place.
struct TuiTextRow {
    int32_t Offset = 0;
    int32_t Length = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t BreakCount = 0;
    int32_t X = 0;
    int32_t Y = 0;
};

// The rows of one text, with the text they lie in. The first 32 rows are held inline, so that the common short text
// allocates nothing for its rows.
class TuiTextRows {
public:
    static constexpr int32_t InlineCount = 32;

    // No rows; the text stays.
    void Clear();
    int32_t Count() const { return FCount; }
    TuiTextRow& operator[](int32_t index);
    const TuiTextRow& operator[](int32_t index) const;
    // A new row at the end, all zero.
    TuiTextRow& Add();
    // The rows' text; setting it clears the rows.
    const rtl::UnicodeString& Text() const { return FText; }
    void SetText(rtl::UnicodeString text);
    rtl::UnicodeStringView RowText(int32_t index) const;

private:
    rtl::UnicodeString FText;
    int32_t FCount = 0;
    std::array<TuiTextRow, InlineCount> FInlineRows{};
    std::vector<TuiTextRow> FDynamicRows;
};

// What breaking and placing text need from the device that draws it.
class TuiTextDevice {
public:
    // The extent of text in the device's font; tabs expanded when expandTabs.
    virtual vcl::TSize TextExtent(rtl::UnicodeStringView text, bool expandTabs) = 0;
    // True when the code page of the text writes c with more than one byte.
    virtual bool IsDoubleByteCharacter(char16_t c) = 0;

protected:
    ~TuiTextDevice() = default;
};

// Gives every row its x and y in the rectangle.
void LayOutTextRows(const vcl::TRect& rect, const TuiTextParams& params, TuiTextRows& rows);
// The largest width among the first n rows.
int32_t LongestTextRowWidth(const TuiTextRows& rows, int32_t n);
// With automatic indents the rectangle shrinks by two pixels on every side; then the left and right indents (in
// pixels) narrow it. TextRectWithoutIndents undoes it.
vcl::TRect TextRectWithIndents(const vcl::TRect& rect, const TuiTextParams& params, int32_t leftIndent,
                               int32_t rightIndent);
vcl::TRect TextRectWithoutIndents(const vcl::TRect& rect, const TuiTextParams& params, int32_t leftIndent,
                                  int32_t rightIndent);
// The text without its "&" marks: each "&" is dropped and the character after it stays ("&&" gives "&"); a trailing
// one is dropped.
rtl::UnicodeString RemoveAccelerators(rtl::UnicodeStringView text);

} // namespace ui
