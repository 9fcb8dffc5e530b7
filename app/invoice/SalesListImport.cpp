#include "app/invoice/SalesListImport.h"

#include "app/invoice/InvoiceRecords.h"
#include "app/invoice/InvoiceTexts.h"
#include "app/invoice/RoundDecimal.h"
#include "app/invoice/TextEncoding.h"
#include "app/invoice/UserMessages.h"
#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/cells/XLSFormulaHelper.h"

#include <exception>

namespace app {

namespace {

// The sheet columns whose cells are converted to numbers.
constexpr int32_t AmountColumn = iiAmount - 1;
constexpr int32_t RateColumn = iiTaxRate - 1;

bool IsNumberKind(int32_t kind) {
    return kind == xls::XLSKindFloat || kind == xls::XLSResultFloat;
}

bool IsAmountOrRateColumn(int32_t col) {
    return col == AmountColumn || col == RateColumn;
}

} // namespace

rtl::UnicodeString BadCellMessage(int32_t row, int32_t col, bool numberCell) {
    return InvoiceTexts::CellPositionRow + rtl::IntToStr(row + 1) + InvoiceTexts::CellPositionColumn +
           rtl::IntToStr(col + 1) + InvoiceTexts::CellPositionEnd +
           (numberCell ? InvoiceTexts::BadNumberCell : InvoiceTexts::BadTextCell);
}

TSalesListImport::TSalesListImport(xls::TXLSSpreadsheet& spreadsheet, ui::TuiCustomDataController& records,
                                   ISalesListView& view, IUserMessages& messages)
    : FSpreadsheet(spreadsheet), FRecords(records), FView(view), FMessages(messages) {}

bool TSalesListImport::AskAmountsIncludeTax() {
    return FMessages.AskYesNo(InvoiceTexts::AmountsIncludeTaxQuestion);
}

std::optional<TTotalsTexts> TSalesListImport::Import(rtl::UnicodeStringView fileName, bool amountsIncludeTax,
                                                     int32_t limitIndex, rtl::UnicodeStringView limitText) {
    FRecords.SetRecordCount(0);
    FView.BeginUpdate();
    FRecords.BeginUpdate();
    std::optional<TInvoiceTotals> totals;
    try {
        totals = ReadRecords(fileName, amountsIncludeTax);
    } catch (...) {
        FRecords.EndUpdate();
        FView.EndUpdate();
        throw;
    }
    FRecords.EndUpdate();
    FView.EndUpdate();
    if (!totals) {
        return std::nullopt;
    }
    FView.ApplyBestFit();
    return ReportTotals(FMessages, *totals, limitIndex, limitText);
}

// Records are filled from record 0, whatever sheet row the header is in; the line number item keeps the sheet row.
std::optional<TInvoiceTotals> TSalesListImport::ReadRecords(rtl::UnicodeStringView fileName, bool amountsIncludeTax) {
    FSpreadsheet.SetFilename(fileName);
    FSpreadsheet.Read();
    FRecords.SetRecordCount(0);
    xls::TXLSWorksheet& sheet = *FSpreadsheet.GetSheet(0);
    sheet.CalcDimensions();
    const int32_t headerRow = sheet.GetFirstRow();
    const int32_t lastRow = sheet.GetLastRow();
    if (lastRow <= headerRow) {
        return std::nullopt;
    }
    FRecords.SetRecordCount(lastRow - headerRow);
    TInvoiceTotals totals;
    for (int32_t row = headerRow + 1; row <= lastRow; ++row) {
        const int32_t record = row - headerRow - 1;
        TRowAmounts amounts;
        FRecords.SetValue(record, iiLineNumber, rtl::Variant(row));
        for (int32_t col = sheet.GetFirstCol(); col <= sheet.GetLastCol(); ++col) {
            ReadCell(sheet, col, row, record, amounts);
        }
        // The row that ends the list is no line of it: a totals row below the lines would count every amount twice.
        if (!HasProductName(FRecords, record)) {
            FRecords.SetRecordCount(record);
            break;
        }
        totals.AddLine(amounts.Amount, amounts.Rate, amountsIncludeTax);
    }
    return totals;
}

// Each cell is read inside its own guard: a cell that cannot be taken is reported, and the row goes on.
void TSalesListImport::ReadCell(xls::TXLSWorksheet& sheet, int32_t col, int32_t row, int32_t record,
                                TRowAmounts& amounts) {
    int32_t kind = xls::XLSKindNone;
    try {
        kind = sheet.GetCellType(col, row);
        StoreCell(sheet, kind, col, row, record, amounts);
    } catch (const std::exception&) {
        FMessages.ShowMessage(BadCellMessage(row, col, IsNumberKind(kind) && IsAmountOrRateColumn(col)));
    }
}

void TSalesListImport::StoreCell(xls::TXLSWorksheet& sheet, int32_t kind, int32_t col, int32_t row, int32_t record,
                                 TRowAmounts& amounts) {
    const int32_t item = col + 1;
    if (kind == xls::XLSKindString && IsAmountOrRateColumn(col)) {
        StoreNumber(col, record, rtl::StrToFloat(rtl::Trim(sheet.GetAsString(col, row))), amounts);
    } else if (kind == xls::XLSKindString || kind == xls::XLSResultString) {
        StoreText(record, item, rtl::Trim(sheet.GetAsString(col, row)));
    } else if (IsNumberKind(kind) && IsAmountOrRateColumn(col)) {
        StoreNumber(col, record, sheet.GetAsFloat(col, row), amounts);
    } else if (IsNumberKind(kind)) {
        StoreText(record, item, rtl::FloatToStr(sheet.GetAsFloat(col, row)));
    }
}

// An amount is rounded to cents, a rate stored as it is; either counts for the row only once it is stored.
void TSalesListImport::StoreNumber(int32_t col, int32_t record, double number, TRowAmounts& amounts) {
    if (col == AmountColumn) {
        number = RoundDecimal(2, number);
    }
    FRecords.SetValue(record, col + 1, rtl::Variant(number));
    (col == AmountColumn ? amounts.Amount : amounts.Rate) = number;
}

// A text item keeps ANSI text: a character that the code page cannot hold would become another one (a '?' on a tax
// invoice), so such a text is a cell that cannot be taken.
void TSalesListImport::StoreText(int32_t record, int32_t item, const rtl::UnicodeString& text) {
    const ui::TuiValueTypeClass valueType = FRecords.GetItemValueTypeClass(item);
    if (valueType != nullptr && valueType->IsStringType()) {
        const size_t bad = FindCharacterNotInCodePage(text, rtl::cpProcessAnsi);
        if (bad != rtl::UnicodeStringView::npos) {
            throw rtl::EConvertError(u"The text cannot hold the character " + CharacterCode(text, bad));
        }
    }
    FRecords.SetValue(record, item, rtl::Variant(text));
}

} // namespace app
