#include "xls/xlsx/sheet/XLSReadXLSXTables.h"

#include "xls/core/model/worksheet/Xc12DataTable5.h"
#include "xls/xlsx/sheet/XLSReadXLSXFilters.h"
#include "xls/xlsx/sheet/XLSReadXLSXSheetSettings.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <cstdint>

namespace xls {

using namespace xpgParserXLSX;

namespace {

void ReadTableFormula(const TCT_TableFormula& element, TXc12TableFormula& formula) {
    formula.SetArray(element.GetArray());
    formula.SetText(element.GetText());
}

void ReadTableColumn(const TCT_TableColumn& element, TXc12TableColumn& column) {
    column.SetId(element.GetId());
    column.SetUniqueName(element.GetUniqueName());
    column.SetName(element.GetName());
    column.SetTotalsRowFunction(element.GetTotalsRowFunction());
    column.SetTotalsRowLabel(element.GetTotalsRowLabel());
    column.SetQueryTableFieldId(element.GetQueryTableFieldId());
    column.SetHeaderRowDxfId(element.GetHeaderRowDxfId());
    column.SetDataDxfId(element.GetDataDxfId());
    column.SetTotalsRowDxfId(element.GetTotalsRowDxfId());
    column.SetHeaderRowCellStyle(element.GetHeaderRowCellStyle());
    column.SetDataCellStyle(element.GetDataCellStyle());
    column.SetTotalsRowCellStyle(element.GetTotalsRowCellStyle());
    if (element.GetCalculatedColumnFormula().Assigned()) {
        ReadTableFormula(element.GetCalculatedColumnFormula(), column.GetCalculatedColumnFormula());
    }
    if (element.GetTotalsRowFormula().Assigned()) {
        ReadTableFormula(element.GetTotalsRowFormula(), column.GetTotalsRowFormula());
    }
    if (element.GetXmlColumnPr().Assigned()) {
        const TCT_XmlColumnPr& properties = element.GetXmlColumnPr();
        column.GetXmlColumnPr().SetMapId(properties.GetMapId());
        column.GetXmlColumnPr().SetXpath(properties.GetXpath());
        column.GetXmlColumnPr().SetDenormalized(properties.GetDenormalized());
        column.GetXmlColumnPr().SetXmlDataType(properties.GetXmlDataType());
    }
}

void ReadTableStyleInfo(const TCT_TableStyleInfo& element, TXc12TableStyleInfo& info) {
    info.SetName(element.GetName());
    info.SetShowFirstColumn(element.GetShowFirstColumn());
    info.SetShowLastColumn(element.GetShowLastColumn());
    info.SetShowRowStripes(element.GetShowRowStripes());
    info.SetShowColumnStripes(element.GetShowColumnStripes());
}

} // namespace

void ReadTablePart(const TCT_Table& element, TXc12Table& table, TXc12DataStyleSheet& styleSheet) {
    table.SetId(element.GetId());
    table.SetName(element.GetName());
    table.SetDisplayName(element.GetDisplayName());
    table.SetComment(element.GetComment());
    table.SetArea(AreaOf(element.GetRef()));
    table.SetTableType(element.GetTableType());
    table.SetHeaderRowCount(element.GetHeaderRowCount());
    table.SetInsertRow(element.GetInsertRow());
    table.SetInsertRowShift(element.GetInsertRowShift());
    table.SetTotalsRowCount(element.GetTotalsRowCount());
    table.SetTotalsRowShown(element.GetTotalsRowShown());
    table.SetPublished(element.GetPublished());
    table.SetHeaderRowDxfId(element.GetHeaderRowDxfId());
    table.SetDataDxfId(element.GetDataDxfId());
    table.SetTotalsRowDxfId(element.GetTotalsRowDxfId());
    table.SetHeaderRowBorderDxfId(element.GetHeaderRowBorderDxfId());
    table.SetTableBorderDxfId(element.GetTableBorderDxfId());
    table.SetTotalsRowBorderDxfId(element.GetTotalsRowBorderDxfId());
    table.SetHeaderRowCellStyle(element.GetHeaderRowCellStyle());
    table.SetDataCellStyle(element.GetDataCellStyle());
    table.SetTotalsRowCellStyle(element.GetTotalsRowCellStyle());
    table.SetConnectionId(element.GetConnectionId());
    if (element.GetAutoFilter().Assigned()) {
        ReadAutoFilter(element.GetAutoFilter(), table.GetAutoFilter(), styleSheet);
    }
    if (element.GetSortState().Assigned()) {
        ReadSortState(element.GetSortState(), table.GetSortState());
    }
    const TCT_TableColumnXpgList& columns = element.GetTableColumns().GetTableColumn();
    for (int32_t i = 0; i < columns.Count(); ++i) {
        ReadTableColumn(columns.GetItem(i), *table.GetColumns().Add());
    }
    if (element.GetTableStyleInfo().Assigned()) {
        ReadTableStyleInfo(element.GetTableStyleInfo(), table.GetStyleInfo());
    }
}

} // namespace xls
