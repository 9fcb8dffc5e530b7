#pragma once
// The sheet facade's wrappers over a sheet's settings: the selection, the page breaks, the header and footer, the
// print settings (paper, margins, print area and titles), the window pane and the sheet protection. Each reads and
// writes the model's object, so that what the file said shows through it and a change goes into the model.

#include "rtl/text/StringTypes.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Printing.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

class TXLSNames;
class TXc12DataWorksheet;
class TXc12Pane;
class TXc12SheetProtection;
class TXc12SheetView;

// One selected area.
class TXLSSelectedArea : public TCellAreaImpl {};

// The selected areas of a sheet and its active cell.
class TXLSSelectedAreas : public TCellAreas {
public:
    // The selection of view's active pane when the view has one, else the cell A1, which is also the active cell.
    explicit TXLSSelectedAreas(TXc12SheetView& view);

    int32_t GetActiveCol() const { return FActiveCol; }
    int32_t GetActiveRow() const { return FActiveRow; }
    void SetActiveCell(int32_t col, int32_t row);

protected:
    std::unique_ptr<TCellArea> NewArea() override { return std::make_unique<TXLSSelectedArea>(); }

private:
    int32_t FActiveCol = 0;
    int32_t FActiveRow = 0;
};

// One page break: the row (horizontal) or column (vertical) the new page begins with, and the span it covers.
class TXLSPagebreak {
public:
    explicit TXLSPagebreak(TXc12Break& modelBreak) : FBreak(modelBreak) {}

    // Zero-based: the file's id is the first row or column of the new page, counted from 0.
    int32_t GetPosition() const { return FBreak.GetId(); }
    void SetPosition(int32_t value) { FBreak.SetId(value); }
    int32_t GetMin() const { return FBreak.GetMin(); }
    int32_t GetMax() const { return FBreak.GetMax(); }
    bool GetManual() const { return FBreak.GetMan(); }

private:
    TXc12Break& FBreak;
};

// A page break before a row.
class TXLSHorizPagebreak : public TXLSPagebreak {
    using TXLSPagebreak::TXLSPagebreak;
};
// A page break before a column.
class TXLSVertPagebreak : public TXLSPagebreak {
    using TXLSPagebreak::TXLSPagebreak;
};

// Raises rtl::EListError for an index outside 0..count-1.
void CheckPagebreakIndex(int32_t index, int32_t count);

// The page breaks of one direction, one wrapper per model break.
template <class TBreak>
class TXLSPagebreaks {
public:
    explicit TXLSPagebreaks(TXc12PageBreaks& breaks) {
        for (int32_t i = 0; i < breaks.Count(); ++i) {
            FItems.push_back(std::make_unique<TBreak>(*breaks.GetItem(i)));
        }
    }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..Count()-1 raises rtl::EListError.
    TBreak& GetItem(int32_t index) const {
        CheckPagebreakIndex(index, Count());
        return *FItems[static_cast<size_t>(index)];
    }

private:
    std::vector<std::unique_ptr<TBreak>> FItems;
};
using TXLSHorizPagebreaks = TXLSPagebreaks<TXLSHorizPagebreak>;
using TXLSVertPagebreaks = TXLSPagebreaks<TXLSVertPagebreak>;

// The header and footer texts with their formatting codes (&L, &C, &R, &P, ...) as written.
class TXLSHeaderFooter {
public:
    explicit TXLSHeaderFooter(TXc12HeaderFooter& headerFooter) : FHeaderFooter(headerFooter) {}

    const rtl::UnicodeString& GetOddHeader() const { return FHeaderFooter.GetOddHeader(); }
    void SetOddHeader(rtl::UnicodeStringView value) { FHeaderFooter.SetOddHeader(value); }
    const rtl::UnicodeString& GetOddFooter() const { return FHeaderFooter.GetOddFooter(); }
    void SetOddFooter(rtl::UnicodeStringView value) { FHeaderFooter.SetOddFooter(value); }
    const rtl::UnicodeString& GetEvenHeader() const { return FHeaderFooter.GetEvenHeader(); }
    const rtl::UnicodeString& GetEvenFooter() const { return FHeaderFooter.GetEvenFooter(); }
    const rtl::UnicodeString& GetFirstHeader() const { return FHeaderFooter.GetFirstHeader(); }
    const rtl::UnicodeString& GetFirstFooter() const { return FHeaderFooter.GetFirstFooter(); }
    bool GetDifferentOddEven() const { return FHeaderFooter.GetDifferentOddEven(); }
    bool GetDifferentFirst() const { return FHeaderFooter.GetDifferentFirst(); }
    // The text of one section ('L' left, 'C' centre, 'R' right) of a header or footer: what follows "&L" up to the
    // next section code; a text without section codes is its centre section.
    static rtl::UnicodeString Section(rtl::UnicodeStringView text, char16_t section);

private:
    TXc12HeaderFooter& FHeaderFooter;
};

// How a sheet is printed.
class TXLSPrintSettings {
public:
    // None of the references is owned; names may be nullptr (no print area or titles then).
    TXLSPrintSettings(TXc12DataWorksheet& sheet, TXLSNames* names);

    TXLSHeaderFooter& GetHeaderFooter() { return FHeaderFooter; }
    TXLSHorizPagebreaks& GetHorizPagebreaks() { return FHorizPagebreaks; }
    TXLSVertPagebreaks& GetVertPagebreaks() { return FVertPagebreaks; }
    // SpreadsheetML's paper size number (1 Letter, 9 A4, ...); 0 when none is set.
    int32_t GetPaperSize() const;
    // Stores the number masked to 7 bits, the range paper sizes take.
    void SetPaperSize(int32_t value);
    // 0 default, 1 portrait, 2 landscape.
    uint8_t GetOrientation() const;
    TXc12PageMargins& GetMargins() const;
    TXc12PrintOptions& GetPrintOptions() const;
    // The definitions of the sheet's print area and print titles as formula text; empty when it has none.
    rtl::UnicodeString GetPrintArea() const;
    rtl::UnicodeString GetPrintTitles() const;

private:
    rtl::UnicodeString BuiltinDefinition(uint8_t kind) const;

    TXc12DataWorksheet& FSheet;
    TXLSNames* FNames; // not owned
    TXLSHeaderFooter FHeaderFooter;
    TXLSHorizPagebreaks FHorizPagebreaks;
    TXLSVertPagebreaks FVertPagebreaks;
};

// The split or frozen panes of a sheet window.
class TXLSPane {
public:
    explicit TXLSPane(TXc12Pane& pane) : FPane(pane) {}

    // Frozen rows or columns (a frozen split counts too).
    bool IsFrozen() const;
    // With frozen panes: how many columns and rows stay in place; with a split: its position in twentieths of a point.
    double GetXSplit() const;
    double GetYSplit() const;
    // The first cell shown in the lower right pane; -1 when the file names none.
    int32_t GetTopLeftCol() const;
    int32_t GetTopLeftRow() const;
    // The pane that has the focus (0 bottom right, 1 top right, 2 bottom left, 3 top left).
    uint8_t GetActivePane() const;
    TXc12Pane& GetModel() const { return FPane; }

private:
    TXc12Pane& FPane;
};

// Which changes the protection of a sheet forbids.
class TXLSSheetProtection {
public:
    explicit TXLSSheetProtection(TXc12SheetProtection& protection) : FProtection(protection) {}

    bool IsProtected() const;
    // The 16-bit hash of the password (ECMA-376 Part 4, 14.7.1); 0 without a password.
    uint16_t GetPasswordHash() const;
    TXc12SheetProtection& GetModel() const { return FProtection; }

private:
    TXc12SheetProtection& FProtection;
};

} // namespace xls
