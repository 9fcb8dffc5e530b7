#pragma once
// The copy of a parsed workbook part into the model workbook: the file version, workbook properties, windows and
// calculation settings, the sheet list (which the reader turns into sheets), and each defined name as it streams.

namespace xls {

class TXc12DataWorkbook;
class TXc12DefinedNames;

namespace xpgParserXLSX {
class TCT_DefinedName;
class TCT_Workbook;
} // namespace xpgParserXLSX

// Copies the workbook part's settings and sheet entries into workbook; an absent element leaves the defaults.
void ReadWorkbookPart(const xpgParserXLSX::TCT_Workbook& element, TXc12DataWorkbook& workbook);
// Adds one defined name with its scope, its formula text (not compiled) and its attributes.
void DoDefinedName(const xpgParserXLSX::TCT_DefinedName& element, TXc12DefinedNames& names);

} // namespace xls
