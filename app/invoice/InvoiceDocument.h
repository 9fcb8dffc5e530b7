#pragma once
// The XML invoice file that the invoicing software imports: one invoice (root Kp, format version "2.0") with the
// buyer, the reviewer, the payee, the commodity-code version and one product line per record, prices and amounts
// without tax.

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringTypes.h"

#include <memory>

namespace ui {
class TuiCustomDataController;
} // namespace ui

namespace app {

class TXmlDocument;

// What the window's fields give the invoice, as typed.
struct TInvoiceHeader {
    rtl::UnicodeString BuyerName;            // Gfmc
    rtl::UnicodeString BuyerTaxNumber;       // Gfsh
    rtl::UnicodeString BuyerBankAccount;     // Gfyhzh
    rtl::UnicodeString BuyerAddressPhone;    // Gfdzdh
    rtl::UnicodeString Reviewer;             // Fhr
    rtl::UnicodeString Payee;                // Skr
    rtl::UnicodeString CommodityCodeVersion; // Spbmbbh
};

// A text that the invoice file cannot hold (a character GBK has no bytes for, or a control character XML forbids);
// the message names the line and the element, for the user.
class EInvoiceTextError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// A price or amount as the file writes it: at most 18 significant digits, no trailing zeros, the process's decimal
// separator, and at least four exponent digits when the value needs the scientific form.
rtl::UnicodeString InvoiceNumberText(long double value);

// The document of the records' product lines, in record order up to the first record without a product name. With
// tax-inclusive amounts each unit price and amount is divided by 1 + rate in 80-bit precision, unrounded. Raises
// rtl::EConvertError for a rate or amount (or, with a quantity, a unit price) that is no number, and
// EInvoiceTextError for a text the file cannot hold.
std::unique_ptr<TXmlDocument> BuildInvoiceDocument(ui::TuiCustomDataController& records, const TInvoiceHeader& header,
                                                   bool amountsIncludeTax);

} // namespace app
