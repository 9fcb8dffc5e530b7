#include "app/invoice/InvoiceExport.h"

#include "app/invoice/InvoiceTexts.h"
#include "app/invoice/UserMessages.h"
#include "app/invoice/XmlDocument.h"
#include "rtl/io/FileUtils.h"
#include "ui/data/controller/uiCustomDataController.h"

namespace app {

rtl::UnicodeString ProposedInvoiceFileName(rtl::UnicodeStringView importFileName) {
    return rtl::ChangeFileExt(rtl::ExtractFileName(importFileName), u".xml");
}

TInvoiceExport::TInvoiceExport(ui::TuiCustomDataController& records, IUserMessages& messages)
    : FRecords(records), FMessages(messages) {}

bool TInvoiceExport::CheckRecords() {
    if (FRecords.GetRecordCount() == 0) {
        FMessages.ShowBox(mkError, InvoiceTexts::NoRecordsToExport);
        return false;
    }
    return true;
}

bool TInvoiceExport::Export(rtl::UnicodeStringView fileName, const TInvoiceHeader& header, bool amountsIncludeTax) {
    std::unique_ptr<TXmlDocument> document;
    try {
        document = BuildInvoiceDocument(FRecords, header, amountsIncludeTax);
    } catch (const EInvoiceTextError& error) {
        FMessages.ShowBox(mkError, error.Message());
        return false;
    }
    document->SaveToFile(fileName);
    FMessages.ShowBox(mkInformation, rtl::UnicodeString(fileName) + u"\r\n" + InvoiceTexts::ExportSucceeded + u"\r\n" +
                                         InvoiceTexts::ImportIntoInvoicingSoftware);
    return true;
}

} // namespace app
