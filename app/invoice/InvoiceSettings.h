#pragma once
// The settings file: the last imported workbook and the last written invoice file (section "Files"), the invoice
// limit, the reviewer and the payee of the invoice and the seller's taxpayer number (section "FPSetup").

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace rtl {
class TCustomIniFile;
} // namespace rtl

namespace app {

// The item index of the invoice limit when the settings name none (" 十万", 100000).
inline constexpr int32_t DefaultLimitIndex = 2;

struct TInvoiceSettings {
    // Full paths of the last imported workbook and the last written invoice file; empty when none.
    rtl::UnicodeString ReadFileName;
    rtl::UnicodeString WriteFileName;
    // The item index of the invoice limit, 0 to 4.
    int32_t LimitIndex = DefaultLimitIndex;
    rtl::UnicodeString Reviewer;
    rtl::UnicodeString Payee;
    // The seller's taxpayer number, by which the invoicing software's folders of the seller are found. Only read: no
    // field of the window holds it, the user enters it in the settings file.
    rtl::UnicodeString SellerTaxNumber;
};

// A missing file or key reads as the default. A limit index outside the limit list reads as the default.
TInvoiceSettings ReadInvoiceSettings(const rtl::TCustomIniFile& file);
// Writes what the window keeps when it closes: the paths only when they are not blank, so that closing without an
// import or export keeps the last ones; the limit, the reviewer and the payee always. The taxpayer number is not
// written. Raises rtl::EIniFileException when the file cannot be written.
void WriteInvoiceSettings(rtl::TCustomIniFile& file, const TInvoiceSettings& settings);

// The folder in which a file dialog starts: the folder of lastFileName (with its trailing separator) when that folder
// exists, else fallback (the desktop).
rtl::UnicodeString StartFolder(rtl::UnicodeStringView lastFileName, rtl::UnicodeStringView fallback);

} // namespace app
