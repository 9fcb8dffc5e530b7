#pragma once
// The import of a sales list: sheet 0 of a workbook filled in from the template (a header row, then one row per
// product in columns A to M) becomes the records of a data controller, one record per row. Amount and rate cells are
// checked and converted, each cell that cannot be taken is reported and skipped, and the three totals are summed,
// shown and checked against the invoice limit. The list ends at the first row without a product name.

#include "app/invoice/InvoiceTotals.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <optional>

namespace ui {
class TuiCustomDataController;
} // namespace ui

namespace xls {
class TXLSSpreadsheet;
class TXLSWorksheet;
} // namespace xls

namespace app {

class IUserMessages;

// What an import asks of the view that shows the records.
class ISalesListView {
public:
    // A batch of changes: the view does not repaint until its end. Batches nest.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    // Fits the width of every column to its contents.
    virtual void ApplyBestFit() = 0;

protected:
    ~ISalesListView() = default;
};

// The format message of a cell that cannot be taken, naming its row and column as a spreadsheet program numbers
// them (from 1); numberCell says it is a number in the amount or rate column.
rtl::UnicodeString BadCellMessage(int32_t row, int32_t col, bool numberCell);

class TSalesListImport {
public:
    // Nothing is owned; records' items are typed as InvoiceItemValueType says.
    TSalesListImport(xls::TXLSSpreadsheet& spreadsheet, ui::TuiCustomDataController& records, ISalesListView& view,
                     IUserMessages& messages);

    // Asks whether the amounts of the list include tax.
    bool AskAmountsIncludeTax();

    // Reads the workbook into the records and reports the totals, with a warning when the total without tax exceeds
    // the limit of limitIndex (limitText names it). Returns the totals as the window shows them, or nullopt for a
    // sheet without a row below its header (no message then). A workbook that cannot be read raises after the view's
    // batch has ended, with no records left.
    std::optional<TTotalsTexts> Import(rtl::UnicodeStringView fileName, bool amountsIncludeTax, int32_t limitIndex,
                                       rtl::UnicodeStringView limitText);

private:
    // The amount and rate of the row being read, from its number-converted cells.
    struct TRowAmounts {
        double Amount = 0;
        double Rate = 0;
    };

    std::optional<TInvoiceTotals> ReadRecords(rtl::UnicodeStringView fileName, bool amountsIncludeTax);
    void ReadCell(xls::TXLSWorksheet& sheet, int32_t col, int32_t row, int32_t record, TRowAmounts& amounts);
    void StoreCell(xls::TXLSWorksheet& sheet, int32_t kind, int32_t col, int32_t row, int32_t record,
                   TRowAmounts& amounts);
    void StoreNumber(int32_t col, int32_t record, double number, TRowAmounts& amounts);
    void StoreText(int32_t record, int32_t item, const rtl::UnicodeString& text);

    xls::TXLSSpreadsheet& FSpreadsheet;
    ui::TuiCustomDataController& FRecords;
    ISalesListView& FView;
    IUserMessages& FMessages;
};

} // namespace app
