#include "xls/api/wrappers/XLSSheetSettings.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/api/XLSNames.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

namespace xls {

namespace {

// Print area and print titles (Xc12BuiltinNames).
constexpr uint8_t BuiltinPrintArea = 4;
constexpr uint8_t BuiltinPrintTitles = 5;
// Paper sizes take 7 bits.
constexpr int32_t PaperSizeMask = 0x7F;

} // namespace

TXLSSelectedAreas::TXLSSelectedAreas(TXc12SheetView& view) {
    TXc12Selections& selections = view.GetSelections();
    for (int32_t i = 0; i < selections.Count(); ++i) {
        TXc12Selection& selection = *selections.GetItem(i);
        if (selection.GetPane() != view.GetPane().GetActivePane()) {
            continue;
        }
        for (int32_t j = 0; j < selection.GetRanges().Count(); ++j) {
            AddRect(selection.GetRanges().GetItem(j)->GetRect());
        }
        const TXLSCellAreaRec& active = selection.GetActiveCell();
        if (active.Col1 >= 0 && active.Row1 >= 0) {
            SetActiveCell(active.Col1, active.Row1);
        }
    }
    if (Count() == 0) {
        AddCell(FActiveCol, FActiveRow);
    }
}

void TXLSSelectedAreas::SetActiveCell(int32_t col, int32_t row) {
    FActiveCol = col;
    FActiveRow = row;
}

void CheckPagebreakIndex(int32_t index, int32_t count) {
    if (index < 0 || index >= count) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
}

rtl::UnicodeString TXLSHeaderFooter::Section(rtl::UnicodeStringView text, char16_t section) {
    rtl::UnicodeString result;
    char16_t current = u'C';
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            const char16_t code = text[i + 1];
            if (code == u'L' || code == u'C' || code == u'R') {
                current = code;
                ++i;
                continue;
            }
            // Any other code ("&P", "&&", a font) belongs to the section's text.
            if (current == section) {
                result += text[i];
                result += code;
            }
            ++i;
            continue;
        }
        if (current == section) {
            result += text[i];
        }
    }
    return result;
}

TXLSPrintSettings::TXLSPrintSettings(TXc12DataWorksheet& sheet, TXLSNames* names)
    : FSheet(sheet), FNames(names), FHeaderFooter(sheet.GetHeaderFooter()), FHorizPagebreaks(sheet.GetRowBreaks()),
      FVertPagebreaks(sheet.GetColBreaks()) {}

int32_t TXLSPrintSettings::GetPaperSize() const {
    return FSheet.GetPageSetup().GetPaperSize();
}

void TXLSPrintSettings::SetPaperSize(int32_t value) {
    FSheet.GetPageSetup().SetPaperSize(value & PaperSizeMask);
}

uint8_t TXLSPrintSettings::GetOrientation() const {
    return FSheet.GetPageSetup().GetOrientation();
}

TXc12PageMargins& TXLSPrintSettings::GetMargins() const {
    return FSheet.GetPageMargins();
}

TXc12PrintOptions& TXLSPrintSettings::GetPrintOptions() const {
    return FSheet.GetPrintOptions();
}

rtl::UnicodeString TXLSPrintSettings::BuiltinDefinition(uint8_t kind) const {
    if (FNames == nullptr) {
        return {};
    }
    for (int32_t i = 0; i < FNames->Count(); ++i) {
        const TXc12DefinedName& name = *FNames->GetItem(i);
        if (name.GetBuiltIn() == kind && name.GetLocalSheetId() == FSheet.Index()) {
            return name.GetDefinition();
        }
    }
    return {};
}

rtl::UnicodeString TXLSPrintSettings::GetPrintArea() const {
    return BuiltinDefinition(BuiltinPrintArea);
}

rtl::UnicodeString TXLSPrintSettings::GetPrintTitles() const {
    return BuiltinDefinition(BuiltinPrintTitles);
}

bool TXLSPane::IsFrozen() const {
    return FPane.GetState() != 0;
}

double TXLSPane::GetXSplit() const {
    return FPane.GetXSplit();
}

double TXLSPane::GetYSplit() const {
    return FPane.GetYSplit();
}

int32_t TXLSPane::GetTopLeftCol() const {
    return FPane.GetTopLeftCell().Col1;
}

int32_t TXLSPane::GetTopLeftRow() const {
    return FPane.GetTopLeftCell().Row1;
}

uint8_t TXLSPane::GetActivePane() const {
    return FPane.GetActivePane();
}

bool TXLSSheetProtection::IsProtected() const {
    return FProtection.GetSheet();
}

uint16_t TXLSSheetProtection::GetPasswordHash() const {
    return FProtection.GetPassword();
}

} // namespace xls
