#pragma once
// The reading of a workbook's styles part: the parsed style-sheet elements are copied into the model's style sheet,
// the file's first fonts, fills, borders and cell formats overwriting the predefined ones and the rest appended, so
// that the indexes cells and cell formats give in the file are the positions in the model. Indexes that point
// nowhere, and lists shorter than the predefined ones, are reported as warnings and fall back to the default item
// instead of ending the read: workbooks written by other programs have them.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <unordered_map>

namespace xls {

class TXLSErrorManager;
class TXc12DataStyleSheet;
class TXc12Palette;
struct TXc12ColorRec;
class TXc12Font;
class TXc12Fill;
class TXc12Border;
class TXc12BorderPr;
class TXc12CellAlignment;
class TXc12XFs;

template <class Unit, class TItem>
class TXpgSchemeList;

namespace xpgParserXLSX {
struct TUnit;
class TCT_Stylesheet;
class TCT_Color;
class TCT_Font;
class TCT_RPrElt;
class TCT_Fill;
class TCT_Border;
class TCT_BorderPr;
class TCT_CellAlignment;
class TCT_CellProtection;
class TCT_Xf;
using TCT_XfXpgList = TXpgSchemeList<TUnit, TCT_Xf>;
} // namespace xpgParserXLSX

// Copies a parsed styles part into a style sheet, and finds the style-sheet fonts of rich-text runs.
class TXLSReadXLSXStyles {
public:
    // palette resolves indexed and theme colours and takes the palette the styles part defines; none of the three is
    // owned.
    TXLSReadXLSXStyles(TXc12DataStyleSheet& styleSheet, TXLSErrorManager& errors, TXc12Palette& palette);

    // Reads number formats, fonts, fills, borders, cell-style formats, cell formats, cell styles, differential
    // formats, table styles and colours, in that order, into the style sheet as it stands (normally just cleared).
    void ReadStyles(const xpgParserXLSX::TCT_Stylesheet& element);
    // The style sheet's font equal to the run's properties, with one more use; a font the styles part did not list is
    // appended first, so that rich text never fails for want of a font.
    TXc12Font* ReadRunFont(const xpgParserXLSX::TCT_RPrElt& rPr);
    // A colour element into a colour record resolved against the palette; an element that is absent or gives no
    // colour is automatic.
    void ReadColor(const xpgParserXLSX::TCT_Color& element, TXc12ColorRec& color) const;

private:
    void ReadNumFmts(const xpgParserXLSX::TCT_Stylesheet& element);
    void ReadFonts(const xpgParserXLSX::TCT_Stylesheet& element);
    void ReadFills(const xpgParserXLSX::TCT_Stylesheet& element);
    void ReadBorders(const xpgParserXLSX::TCT_Stylesheet& element);
    void ReadXfs(const xpgParserXLSX::TCT_XfXpgList& elements, TXc12XFs& xfs);
    void ReadCellStyles(const xpgParserXLSX::TCT_Stylesheet& element);
    void ReadDxfs(const xpgParserXLSX::TCT_Stylesheet& element);
    void ReadTableStyles(const xpgParserXLSX::TCT_Stylesheet& element);
    void ReadColors(const xpgParserXLSX::TCT_Stylesheet& element);

    void ReadFont(const xpgParserXLSX::TCT_Font& element, TXc12Font& font) const;
    void ReadFill(const xpgParserXLSX::TCT_Fill& element, TXc12Fill& fill) const;
    void ReadBorder(const xpgParserXLSX::TCT_Border& element, TXc12Border& border) const;
    void ReadBorderPr(const xpgParserXLSX::TCT_BorderPr& element, TXc12BorderPr& side) const;
    static void ReadAlignment(const xpgParserXLSX::TCT_CellAlignment& element, TXc12CellAlignment& alignment);
    static uint8_t ReadProtection(const xpgParserXLSX::TCT_CellProtection& element);

    // True when 0 <= index < count; otherwise warns, naming the attribute and the index.
    bool IndexInList(int32_t index, int32_t count, rtl::UnicodeStringView attribute) const;
    // index when it names an item of a list of count items, else 0 (the default item) after a warning.
    int32_t IndexOrDefault(int32_t index, int32_t count, rtl::UnicodeStringView attribute) const;
    // Warns when the file lists fewer items than the model predefines.
    void CheckPredefinedCount(int32_t fileCount, int32_t predefinedCount, rtl::UnicodeStringView items) const;
    // The style sheet's font equal to font, found by hash, or nullptr.
    TXc12Font* FindRunFont(TXc12Font& font);

    TXc12DataStyleSheet& FStyleSheet;
    TXLSErrorManager& FErrors;
    TXc12Palette& FPalette;
    // The style sheet's fonts by hash, for run fonts: searching the list font by font made a shared-strings part with
    // many formatted runs take quadratic time. It covers the list's first FIndexedFonts fonts.
    std::unordered_multimap<int32_t, int32_t> FRunFontIndex;
    int32_t FIndexedFonts = 0;
};

} // namespace xls
