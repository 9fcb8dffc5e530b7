#pragma once
// Finding the commodity-code version that the state tax-control invoicing software installed on this computer uses:
// its uninstall entry names the install folder, which holds a folder per company named with the company's taxpayer
// number; that folder's "bin" holds the company's parameter file, whose FPXT/OUTPUT/DATA/SPBMBBH element holds the
// version. The software is only read, never changed.

#include "rtl/text/StringTypes.h"

#include <optional>

namespace app {

class IRegistryReader;

// The text of the element that a delimited element path names in an XML file ("FPXT.OUTPUT.DATA.SPBMBBH" with "."),
// the first path element naming the document element: empty text when the document element or any element on the
// path is missing; "error" when the file cannot be read, is not a well-formed document, or the element holds element
// children rather than one text.
rtl::UnicodeString ReadXmlPathValue(rtl::UnicodeStringView fileName, rtl::UnicodeStringView path, char16_t delimiter);

// The version found for the seller's taxpayer number, for the commodity-code version edit: nullopt when nothing is
// found (no uninstall entry, install folder, company folder or parameter file, an empty taxpayer number, or a
// parameter file that reads as "error"), so that the edit keeps its text; otherwise the text to put there, which may
// be empty. The uninstall keys are opened for reading only.
std::optional<rtl::UnicodeString> DetectInvoicingSoftware(const IRegistryReader& registry,
                                                          rtl::UnicodeStringView sellerTaxNumber);

} // namespace app
