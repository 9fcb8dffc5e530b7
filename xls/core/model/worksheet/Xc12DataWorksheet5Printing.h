#pragma once
// How a sheet prints: the print options, the page margins, the header and footer texts (kept with their formatting
// codes), the page setup with its printer-settings data and the manual row and column page breaks. Fields mirror the
// attributes of the printOptions, pageMargins, pageSetup, headerFooter and brk elements (ECMA-376 Part 1, 18.3.1);
// Clear gives the schema's defaults.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/model/common/Xc12DataLists.h"

#include <cstdint>
#include <memory>

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

// How pages are laid out and printed. Enumerated fields hold the ordinal of their SpreadsheetML simple type.
class TXc12PageSetup {
public:
    // The paper size of a page setup that names none; the sheet's wrapper puts the default paper size in its place.
    static constexpr int32_t PaperSizeNotSet = 0;

    void Clear();

    int32_t GetPaperSize() const { return FPaperSize; }
    void SetPaperSize(int32_t value) { FPaperSize = value; }
    int32_t GetScale() const { return FScale; }
    void SetScale(int32_t value) { FScale = value; }
    int32_t GetFirstPageNumber() const { return FFirstPageNumber; }
    void SetFirstPageNumber(int32_t value) { FFirstPageNumber = value; }
    int32_t GetFitToWidth() const { return FFitToWidth; }
    void SetFitToWidth(int32_t value) { FFitToWidth = value; }
    int32_t GetFitToHeight() const { return FFitToHeight; }
    void SetFitToHeight(int32_t value) { FFitToHeight = value; }
    // ST_PageOrder.
    uint8_t GetPageOrder() const { return FPageOrder; }
    void SetPageOrder(uint8_t value) { FPageOrder = value; }
    // ST_Orientation.
    uint8_t GetOrientation() const { return FOrientation; }
    void SetOrientation(uint8_t value) { FOrientation = value; }
    bool GetUsePrinterDefaults() const { return FUsePrinterDefaults; }
    void SetUsePrinterDefaults(bool value) { FUsePrinterDefaults = value; }
    bool GetBlackAndWhite() const { return FBlackAndWhite; }
    void SetBlackAndWhite(bool value) { FBlackAndWhite = value; }
    bool GetDraft() const { return FDraft; }
    void SetDraft(bool value) { FDraft = value; }
    // ST_CellComments.
    uint8_t GetCellComments() const { return FCellComments; }
    void SetCellComments(uint8_t value) { FCellComments = value; }
    bool GetUseFirstPageNumber() const { return FUseFirstPageNumber; }
    void SetUseFirstPageNumber(bool value) { FUseFirstPageNumber = value; }
    // ST_PrintError.
    uint8_t GetErrors() const { return FErrors; }
    void SetErrors(uint8_t value) { FErrors = value; }
    int32_t GetHorizontalDpi() const { return FHorizontalDpi; }
    void SetHorizontalDpi(int32_t value) { FHorizontalDpi = value; }
    int32_t GetVerticalDpi() const { return FVerticalDpi; }
    void SetVerticalDpi(int32_t value) { FVerticalDpi = value; }
    int32_t GetCopies() const { return FCopies; }
    void SetCopies(int32_t value) { FCopies = value; }
    // The printer's own settings data as the file holds it; nullptr when there is none.
    rtl::TMemoryStream* GetPrinterSettings() const { return FPrinterSettings.get(); }
    // Replaces the held data by a copy of the whole of stream, which the page setup takes over and frees; nullptr
    // only frees the held data.
    void SetPrinterSettings(std::unique_ptr<rtl::TStream> stream);

private:
    int32_t FPaperSize = PaperSizeNotSet;
    int32_t FScale = 100;
    int32_t FFirstPageNumber = 1;
    int32_t FFitToWidth = 1;
    int32_t FFitToHeight = 1;
    uint8_t FPageOrder = 0;
    uint8_t FOrientation = 0;
    bool FUsePrinterDefaults = true;
    bool FBlackAndWhite = false;
    bool FDraft = false;
    uint8_t FCellComments = 0;
    bool FUseFirstPageNumber = false;
    uint8_t FErrors = 0;
    int32_t FHorizontalDpi = 600;
    int32_t FVerticalDpi = 600;
    int32_t FCopies = 1;
    std::unique_ptr<rtl::TMemoryStream> FPrinterSettings;
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
