#pragma once
// How a sheet prints: the print options, the page margins, the header and footer texts (kept with their formatting
// codes) and the manual row and column page breaks. Fields mirror the attributes of the printOptions, pageMargins,
// headerFooter and brk elements (ECMA-376 Part 1, 18.3.1); Clear gives the schema's defaults.

#include "rtl/StringTypes.h"
#include "xls/core/model/Xc12DataLists.h"

#include <cstdint>

namespace xls {

// What prints besides the cells, and how the page is centred.
class TXc12PrintOptions {
public:
    void Clear() { *this = TXc12PrintOptions(); }

    bool GetHorizontalCentered() const { return FHorizontalCentered; }
    void SetHorizontalCentered(bool value) { FHorizontalCentered = value; }
    bool GetVerticalCentered() const { return FVerticalCentered; }
    void SetVerticalCentered(bool value) { FVerticalCentered = value; }
    bool GetHeadings() const { return FHeadings; }
    void SetHeadings(bool value) { FHeadings = value; }
    bool GetGridLines() const { return FGridLines; }
    void SetGridLines(bool value) { FGridLines = value; }
    bool GetGridLinesSet() const { return FGridLinesSet; }
    void SetGridLinesSet(bool value) { FGridLinesSet = value; }

private:
    bool FHorizontalCentered = false;
    bool FVerticalCentered = false;
    bool FHeadings = false;
    bool FGridLines = false;
    bool FGridLinesSet = true;
};

// The page margins, in inches.
class TXc12PageMargins {
public:
    void Clear() { *this = TXc12PageMargins(); }

    double GetLeft() const { return FLeft; }
    void SetLeft(double value) { FLeft = value; }
    double GetRight() const { return FRight; }
    void SetRight(double value) { FRight = value; }
    double GetTop() const { return FTop; }
    void SetTop(double value) { FTop = value; }
    double GetBottom() const { return FBottom; }
    void SetBottom(double value) { FBottom = value; }
    double GetHeader() const { return FHeader; }
    void SetHeader(double value) { FHeader = value; }
    double GetFooter() const { return FFooter; }
    void SetFooter(double value) { FFooter = value; }

private:
    double FLeft = 0.7;
    double FRight = 0.7;
    double FTop = 0.75;
    double FBottom = 0.75;
    double FHeader = 0.3;
    double FFooter = 0.3;
};

// The page header and footer texts, with their formatting codes (&L, &P, ...) as written.
class TXc12HeaderFooter {
public:
    void Clear() { *this = TXc12HeaderFooter(); }

    bool GetDifferentOddEven() const { return FDifferentOddEven; }
    void SetDifferentOddEven(bool value) { FDifferentOddEven = value; }
    bool GetDifferentFirst() const { return FDifferentFirst; }
    void SetDifferentFirst(bool value) { FDifferentFirst = value; }
    bool GetScaleWithDoc() const { return FScaleWithDoc; }
    void SetScaleWithDoc(bool value) { FScaleWithDoc = value; }
    bool GetAlignWithMargins() const { return FAlignWithMargins; }
    void SetAlignWithMargins(bool value) { FAlignWithMargins = value; }
    const rtl::UnicodeString& GetOddHeader() const { return FOddHeader; }
    void SetOddHeader(rtl::UnicodeStringView value) { FOddHeader = value; }
    const rtl::UnicodeString& GetOddFooter() const { return FOddFooter; }
    void SetOddFooter(rtl::UnicodeStringView value) { FOddFooter = value; }
    const rtl::UnicodeString& GetEvenHeader() const { return FEvenHeader; }
    void SetEvenHeader(rtl::UnicodeStringView value) { FEvenHeader = value; }
    const rtl::UnicodeString& GetEvenFooter() const { return FEvenFooter; }
    void SetEvenFooter(rtl::UnicodeStringView value) { FEvenFooter = value; }
    const rtl::UnicodeString& GetFirstHeader() const { return FFirstHeader; }
    void SetFirstHeader(rtl::UnicodeStringView value) { FFirstHeader = value; }
    const rtl::UnicodeString& GetFirstFooter() const { return FFirstFooter; }
    void SetFirstFooter(rtl::UnicodeStringView value) { FFirstFooter = value; }

private:
    bool FDifferentOddEven = false;
    bool FDifferentFirst = false;
    bool FScaleWithDoc = true;
    bool FAlignWithMargins = true;
    rtl::UnicodeString FOddHeader;
    rtl::UnicodeString FOddFooter;
    rtl::UnicodeString FEvenHeader;
    rtl::UnicodeString FEvenFooter;
    rtl::UnicodeString FFirstHeader;
    rtl::UnicodeString FFirstFooter;
};

// One page break: the row (or column) it comes before and the columns (or rows) it spans.
class TXc12Break : public rtl::TObject {
public:
    void Clear();

    int32_t GetId() const { return FId; }
    void SetId(int32_t value) { FId = value; }
    int32_t GetMin() const { return FMin; }
    void SetMin(int32_t value) { FMin = value; }
    int32_t GetMax() const { return FMax; }
    void SetMax(int32_t value) { FMax = value; }
    // Set by the user rather than by the page layout.
    bool GetMan() const { return FMan; }
    void SetMan(bool value) { FMan = value; }
    // A pivot table's break.
    bool GetPt() const { return FPt; }
    void SetPt(bool value) { FPt = value; }

private:
    int32_t FId = 0;
    int32_t FMin = 0;
    int32_t FMax = 0;
    bool FMan = false;
    bool FPt = false;
};

// The row breaks or the column breaks of a sheet.
using TXc12PageBreaks = TXc12OwnedList<TXc12Break>;

} // namespace xls
