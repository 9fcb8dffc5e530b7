#pragma once
// The copy of a sheet part's windows into the model worksheet: its sheet views with their panes, selections and
// pivot selections, and its custom views, each with the print and filter settings it saves. A worksheet's or
// chartsheet's views replace the one default view a new model sheet has.

namespace xls {

class TXc12DataStyleSheet;
class TXc12DataWorksheet;

namespace xpgParserXLSX {
class TCT_ChartsheetViews;
class TCT_CustomSheetViews;
class TCT_SheetViews;
} // namespace xpgParserXLSX

void ReadSheetViews(const xpgParserXLSX::TCT_SheetViews& element, TXc12DataWorksheet& sheet);
void ReadChartsheetViews(const xpgParserXLSX::TCT_ChartsheetViews& element, TXc12DataWorksheet& sheet);
void ReadCustomSheetViews(const xpgParserXLSX::TCT_CustomSheetViews& element, TXc12DataWorksheet& sheet,
                          TXc12DataStyleSheet& styleSheet);

} // namespace xls
