#pragma once
// The copy of a table part (a list object) into a model table: its name, area, options, style names, autofilter,
// sort state, columns and style information. Formula texts of calculated columns and totals are kept as written.

namespace xls {

class TXc12DataStyleSheet;
class TXc12Table;

namespace xpgParserXLSX {
class TCT_Table;
} // namespace xpgParserXLSX

void ReadTablePart(const xpgParserXLSX::TCT_Table& element, TXc12Table& table, TXc12DataStyleSheet& styleSheet);

} // namespace xls
