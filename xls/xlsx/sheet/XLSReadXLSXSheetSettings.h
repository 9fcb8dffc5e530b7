#pragma once
// The copy of a sheet part's settings into the model worksheet: sheet, format and calculation properties,
// protection and protected ranges, scenarios, data consolidation, phonetic properties, printing (options, margins,
// page setup, header and footer, page breaks), custom properties, cell watches, ignored errors, smart tags, OLE
// objects, controls and web publish items. Areas and cells are A1 texts in the file; one that does not parse leaves
// no area rather than ending the read.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Printing.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Settings.h"

namespace xls {

class TBaseCellAreas;
class TStringXpgList;
class TXLSReadXLSXStyles;
class TXc12DataWorksheet;

namespace xpgParserXLSX {
class TCT_HeaderFooter;
class TCT_PageBreak;
class TCT_PageMargins;
class TCT_PageSetup;
class TCT_PrintOptions;
class TCT_WebPublishItems;
class TCT_Worksheet;
} // namespace xpgParserXLSX

// The area of an A1 text; an empty or unreadable text gives no area (all -1).
TXLSCellAreaRec AreaOf(rtl::UnicodeStringView text);
// Appends the area of each item of a list of A1 texts; items that do not parse are left out.
void ReadAreas(const TStringXpgList& items, TBaseCellAreas& areas);

// Copies every settings element of a worksheet part listed above that the part holds; sheetFormatPr, sheetCalcPr
// and sheetProtection are copied in any case, so that their defaults stand where the part has none. The page
// setup's printer-settings part is the caller's to read.
void ReadWorksheetSettings(const xpgParserXLSX::TCT_Worksheet& element, TXc12DataWorksheet& sheet,
                           const TXLSReadXLSXStyles& styles);

void ReadPrintOptions(const xpgParserXLSX::TCT_PrintOptions& element, TXc12PrintOptions& options);
void ReadPageMargins(const xpgParserXLSX::TCT_PageMargins& element, TXc12PageMargins& margins);
// The page setup's numbers and choices, not its printer settings.
void ReadPageSetup(const xpgParserXLSX::TCT_PageSetup& element, TXc12PageSetup& setup);
void ReadHeaderFooter(const xpgParserXLSX::TCT_HeaderFooter& element, TXc12HeaderFooter& headerFooter);
void ReadPageBreaks(const xpgParserXLSX::TCT_PageBreak& element, TXc12PageBreaks& breaks);
void ReadWebPublishItems(const xpgParserXLSX::TCT_WebPublishItems& element, TXc12WebPublishItems& items);

} // namespace xls
