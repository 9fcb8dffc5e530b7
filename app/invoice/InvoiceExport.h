#pragma once
// The export of the records as the XML invoice file: the checks before the save dialog, the file written whole or
// not at all, and the messages that tell the user how it went.

#include "app/invoice/InvoiceDocument.h"
#include "rtl/text/StringTypes.h"

namespace ui {
class TuiCustomDataController;
} // namespace ui

namespace app {

class IUserMessages;

// The name the save dialog proposes: the imported workbook's file name with the extension ".xml".
rtl::UnicodeString ProposedInvoiceFileName(rtl::UnicodeStringView importFileName);

class TInvoiceExport {
public:
    // Nothing is owned.
    TInvoiceExport(ui::TuiCustomDataController& records, IUserMessages& messages);

    // Whether there are records to export; shows the error box when there are none.
    bool CheckRecords();
    // Writes the invoice file and shows the success box; returns true then. A text the file cannot hold shows an
    // error box naming its line and element and returns false, with no file written. A number that does not convert
    // and a save that fails raise, also with no file written (an existing file keeps its content).
    bool Export(rtl::UnicodeStringView fileName, const TInvoiceHeader& header, bool amountsIncludeTax);

private:
    ui::TuiCustomDataController& FRecords;
    IUserMessages& FMessages;
};

} // namespace app
