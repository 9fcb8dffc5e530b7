#pragma once
// The copy of a sheet's autofilters, sort states, conditional formats and data validations into the model. Filter
// columns and validations come from the class factory through the model's lists; differential formats are found in
// the style sheet by their index, an index that names none leaving the rule or filter without one.

namespace xls {

class TXLSReadXLSXStyles;
class TXc12AutoFilter;
class TXc12ConditionalFormatting;
class TXc12DataStyleSheet;
class TXc12DataValidations;
class TXc12SortState;

namespace xpgParserXLSX {
class TCT_AutoFilter;
class TCT_ConditionalFormatting;
class TCT_DataValidations;
class TCT_SortState;
} // namespace xpgParserXLSX

// The area, the filter columns and, when the element has one, the sort state.
void ReadAutoFilter(const xpgParserXLSX::TCT_AutoFilter& element, TXc12AutoFilter& autoFilter,
                    TXc12DataStyleSheet& styleSheet);
void ReadSortState(const xpgParserXLSX::TCT_SortState& element, TXc12SortState& sortState);
// The areas and rules of one conditional format; a rule keeps its first three formulas.
void ReadConditionalFormatting(const xpgParserXLSX::TCT_ConditionalFormatting& element,
                               TXc12ConditionalFormatting& format, const TXLSReadXLSXStyles& styles,
                               TXc12DataStyleSheet& styleSheet);
void ReadDataValidations(const xpgParserXLSX::TCT_DataValidations& element, TXc12DataValidations& validations);

} // namespace xls
