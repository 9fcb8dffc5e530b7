#pragma once
// The small services every part of the workbook model shares. A1 references: cell and area texts parsed into
// zero-based columns and rows and written back, the cell-area record with its validity tests, and the packed
// reference forms of formula tokens. The error-constant and boolean texts. Colours: the style colour record
// (automatic, indexed, RGB or theme with a tint) resolved to a Windows RGB value (0x00BBGGRR), compared and hashed.
// Indexed and theme colours resolve against a TXc12Palette that the caller passes in, so each workbook keeps its own.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/XLSReadLimits.h"

#include <array>
#include <cstdint>

namespace xls {

// A rectangle of cells, zero-based and inclusive; all four -1 means no area.
struct TXLSCellAreaRec {
    int32_t Row1 = -1;
    int32_t Row2 = -1;
    int32_t Col1 = -1;
    int32_t Col2 = -1;

    bool operator==(const TXLSCellAreaRec&) const = default;
};

// A1 references. The parsers accept upper-case column letters only and never write their outputs on failure.

// Optional "$", one to three letters, optional "$", row digits; true when they name a cell of the sheet.
bool ParseCellRef(rtl::UnicodeStringView text, int32_t& col, int32_t& row);
// As ParseCellRef, telling where a "$" stood. Text without row digits raises EConvertError, as converting its
// (empty) row number would.
bool ParseCellRefAbs(rtl::UnicodeStringView text, int32_t& col, int32_t& row, bool& colAbs, bool& rowAbs);
// Drops a sheet prefix ("Sheet1!"), then reads an area (A1:B2, corners in any order, given back ordered), one cell
// (A1), whole columns (B:D) or whole rows (3:5); whole columns and rows must not run backwards.
bool ParseAreaRef(rtl::UnicodeStringView text, int32_t& col1, int32_t& row1, int32_t& col2, int32_t& row2);
// Two cell corners joined by ":", with their "$" flags; corners given in any order come back ordered, each flag
// staying with its column or row. False without ":" or when a corner does not parse.
bool ParseAreaRefAbs(rtl::UnicodeStringView text, int32_t& col1, int32_t& row1, int32_t& col2, int32_t& row2,
                     bool& col1Abs, bool& row1Abs, bool& col2Abs, bool& row2Abs);
// Empty text gives no area (all -1) and true; text without ":" one cell; other text ParseAreaRef. A text that does
// not parse gives no area and false.
bool StrToCellArea(rtl::UnicodeStringView text, TXLSCellAreaRec& area);

// "A1" text without "$".
rtl::UnicodeString ColRowToStr(int32_t col, int32_t row);
rtl::UnicodeString CellRefToStr(int32_t col, int32_t row, bool colAbs, bool rowAbs);
rtl::UnicodeString AreaRefToStr(int32_t col1, int32_t row1, int32_t col2, int32_t row2, bool col1Abs, bool row1Abs,
                                bool col2Abs, bool row2Abs);
// The packed forms of formula tokens: the column in bits 0-13 of its word with bit 15 marking "$", the row in bits
// 0-30 with bit 31 marking "$".
rtl::UnicodeString PtgCellRefToStr(uint16_t colWord, uint32_t rowWord);
// An area of whole rows or columns comes out as the rows ("$1:$3") or the columns ("A:$C") alone.
rtl::UnicodeString PtgAreaRefToStr(uint16_t col1Word, uint32_t row1Word, uint16_t col2Word, uint32_t row2Word);

// The prefix of a 3-D reference as formula text writes it before "!": the sheet, or "First:Last" for a range of
// sheets (last empty for one sheet), after "[book]" when book is not empty. It stands as it is when the tokenizer
// reads it back that way: sheet names of ASCII letters and digits that start with a letter but not with TRUE or
// FALSE (which read as constants), a book name of ASCII letters, digits, "." and "_". Otherwise the whole prefix goes
// between apostrophes, each apostrophe inside written twice: 'My Sheet', '2019', 'Bob''s', '[C:\Books\a.xlsx]Sheet1'.
rtl::UnicodeString QuoteSheetReference(rtl::UnicodeStringView book, rtl::UnicodeStringView first,
                                       rtl::UnicodeStringView last = {});
// One sheet's name as QuoteSheetReference writes it; empty for an empty name.
rtl::UnicodeString QuoteSheetName(rtl::UnicodeStringView name);
// A text constant of a formula: between double quotes, each double quote inside written twice.
rtl::UnicodeString QuoteFormulaText(rtl::UnicodeStringView text);

bool IsValidCell(int32_t col, int32_t row);
bool IsValidArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2);

inline void SetCellArea(TXLSCellAreaRec& area, int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    area = {row1, row2, col1, col2};
}
inline void ClearCellArea(TXLSCellAreaRec& area) {
    area = {};
}
inline void SetCellAreaToCell(TXLSCellAreaRec& area, int32_t col, int32_t row) {
    SetCellArea(area, col, row, col, row);
}
inline void CellToCellArea(int32_t col, int32_t row, TXLSCellAreaRec& area) {
    SetCellAreaToCell(area, col, row);
}
inline void MakeCellArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2, TXLSCellAreaRec& area) {
    SetCellArea(area, col1, row1, col2, row2);
}

// Error constants; the position is the error index of cells and formula tokens, 0 standing for no known error.
inline constexpr std::array<rtl::UnicodeStringView, 9> XLSErrorTexts = {
    u"_ERROR_ERROR_", u"#NULL!", u"#DIV/0!", u"#VALUE!", u"#REF!", u"#NAME?", u"#NUM!", u"#N/A", u"#GETTING_DATA"};
// The error indexes of #REF! (a reference that no longer exists) and #NAME? (a name that is not defined).
inline constexpr uint8_t XLSErrorIndexRef = 4;
inline constexpr uint8_t XLSErrorIndexName = 5;
// The text of boolean cells.
inline constexpr rtl::UnicodeStringView XLSTrueText = u"TRUE";
inline constexpr rtl::UnicodeStringView XLSFalseText = u"FALSE";

// The index of text in XLSErrorTexts (exact, case-sensitive), 0 when it is none of them.
int32_t ErrorStrToIndex(rtl::UnicodeStringView text);

// Folds the value-class (0x40-0x5F) and array-class (0x60-0x7F) ids of formula tokens to their reference-class id
// (0x20-0x3F); other ids stay.
uint8_t PtgRefClassId(uint8_t id);

// The indexes of the colour palette.
// clang-format off
enum TXc12IndexColor : uint8_t {
    xc0, xc1, xc2, xc3, xc4, xc5, xc6, xc7,                                                                // 0
    xcBlack, xcWhite, xcRed, xcBrightGreen, xcBlue, xcYellow, xcPink, xcTurquoise,                         // 8
    xcDarkRed, xcGreen, xcDarkBlue, xcBrownGreen, xcViolet, xcBlueGreen, xcGray25, xcGray50,               // 16
    xc24, xc25, xc26, xc27, xc28, xc29, xc30, xc31,                                                        // 24
    xc32, xc33, xc34, xc35, xc36, xc37, xc38, xc39,                                                        // 32
    xcSky, xcPaleTurquois, xcPaleGreen, xcLightYellow, xcPaleSky, xcRose, xcLilac, xcLightBrown,           // 40
    xcDarkSky, xcDarkTurquois, xcGrass, xcGold, xcLightOrange, xcOrange, xcDarkBlueGray, xcGray40,         // 48
    xcDarkGreenGray, xcEmerald, xcDarkGreen, xcOlive, xcBrown, xcCherry, xcIndigo, xcGray80,               // 56
    xcAutomatic,                                                                                           // 64
};
// clang-format on

// The kinds of colour record. The kind byte may carry the top bit besides; the kind is its low seven bits.
enum TXc12ColorType : uint8_t {
    exctAuto = 0,
    exctIndexed = 1,
    exctRgb = 2,
    exctTheme = 3,
    exctUnassigned = 4,
};

// A style colour as a file gives it, with its resolved Windows RGB value.
struct TXc12ColorRec {
    // Resolved 0x00BBGGRR value.
    uint32_t RGB = 0;
    // -1 (black) to 1 (white); theme colours only.
    double Tint = 0;
    // A TXc12ColorType, possibly with the top bit set.
    uint8_t ColorType = exctAuto;
    // Palette index (indexed) or theme colour index (theme).
    uint8_t Index = 0;
    // 0xAARRGGBB, for RGB colours.
    uint32_t ARGB = 0;
};

// The colours indexed and theme colour records resolve against: a workbook's palette of 66 entries, which starts as
// the default palette and takes the colours a workbook file defines, and the 12 theme colours.
class TXc12Palette {
public:
    static constexpr int32_t Count = 66;
    static constexpr int32_t ThemeColorCount = 12;

    TXc12Palette();

    // Back to the default palette.
    void Reset();
    // The entry at index; 0 (automatic) beyond the palette.
    uint32_t GetColor(int32_t index) const;
    // Sets the entry at index; an index beyond the palette is ignored, since a file may list more colours than the
    // palette holds.
    void SetColor(int32_t index, uint32_t rgb);
    // The theme colour at index; 0 (automatic) beyond the 12 theme colours.
    uint32_t ThemeColor(int32_t index) const;

private:
    std::array<uint32_t, Count> FColors;
};

// The Windows RGB value of a colour: the palette entry of an indexed colour, the ARGB value with red and blue
// exchanged, or the theme colour changed by its tint. Automatic, unassigned and unknown kinds, and indexes beyond
// the palette or the theme colours, give 0.
uint32_t ColorRecToRGB(const TXc12ColorRec& color, const TXc12Palette& palette);
// An indexed colour with the palette's value; an index outside 0 to 64 gives index 64 and RGB 0xF0000000.
void MakeIndexedColorRec(int32_t index, const TXc12Palette& palette, TXc12ColorRec& color);
// An automatic colour of the given value.
void MakeAutoColorRec(uint32_t rgb, TXc12ColorRec& color);
// Equal kind bytes and, by kind: the same index, the same ARGB, or the same theme index with tints at most 0.0001
// apart. Unassigned colours are never equal, not even to themselves.
bool SameColorRec(const TXc12ColorRec& a, const TXc12ColorRec& b);
// A hash that is equal for colours SameColorRec finds equal; so the tint, compared with a tolerance, is left out.
uint32_t HashColorRec(const TXc12ColorRec& color);

// Hue, luminance and saturation, each 0 to 255.
struct TXc12HLSColor {
    uint8_t Hue = 0;
    uint8_t Luminance = 0;
    uint8_t Saturation = 0;

    bool operator==(const TXc12HLSColor&) const = default;
};

TXc12HLSColor RGBToHLS(uint32_t rgb);
uint32_t HLSToRGB(const TXc12HLSColor& hls);
// The colour lightened (tint above 0) or darkened (below 0) by changing its luminance; the tint is limited to -1 to
// 1 and one that is not a number leaves the colour as it is.
uint32_t TintRGB(uint32_t rgb, double tint);

} // namespace xls
