#include "xls/core/model/worksheet/Xc12DataTable5.h"

#include "rtl/text/StringUtils.h"

#include <memory>

namespace xls {

void TXc12TableColumn::Clear() {
    FId = 0;
    FUniqueName.clear();
    FName.clear();
    FTotalsRowFunction = 0;
    FTotalsRowLabel.clear();
    FQueryTableFieldId = 0;
    FHeaderRowDxfId.clear();
    FDataDxfId.clear();
    FTotalsRowDxfId.clear();
    FHeaderRowCellStyle.clear();
    FDataCellStyle.clear();
    FTotalsRowCellStyle.clear();
    FCalculatedColumnFormula.Clear();
    FTotalsRowFormula.Clear();
    FXmlColumnPr.Clear();
}

TXc12Table::TXc12Table(TXLSClassFactory* factory) : FClassFactory(factory), FAutoFilter(factory) {}

void TXc12Table::Clear() {
    FId = 0;
    FName.clear();
    FDisplayName.clear();
    FComment.clear();
    ClearCellArea(FArea);
    FTableType = 0;
    FHeaderRowCount = 1;
    FInsertRow = false;
    FInsertRowShift = false;
    FTotalsRowCount = 0;
    FTotalsRowShown = true;
    FPublished = false;
    for (rtl::UnicodeString* text :
         {&FHeaderRowDxfId, &FDataDxfId, &FTotalsRowDxfId, &FHeaderRowBorderDxfId, &FTableBorderDxfId,
          &FTotalsRowBorderDxfId, &FHeaderRowCellStyle, &FDataCellStyle, &FTotalsRowCellStyle}) {
        text->clear();
    }
    FConnectionId = 0;
    FAutoFilter.Clear();
    FSortState.Clear();
    FColumns.Clear();
    FStyleInfo.Clear();
    FExtLst.Clear();
}

bool TXc12Table::ContainsCell(int32_t col, int32_t row) const {
    return col >= FArea.Col1 && col <= FArea.Col2 && row >= FArea.Row1 && row <= FArea.Row2;
}

TXc12Table* TXc12Tables::Add() {
    auto table = std::make_unique<TXc12Table>(FClassFactory);
    TObjectList::Add(table.get());
    return table.release();
}

int32_t TXc12Tables::FindByName(rtl::UnicodeStringView name) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (rtl::WideSameText(GetItem(i)->GetName(), name)) {
            return i;
        }
    }
    return -1;
}

int32_t TXc12Tables::FindCell(int32_t col, int32_t row) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (GetItem(i)->ContainsCell(col, row)) {
            return i;
        }
    }
    return -1;
}

int32_t TXc12Tables::FindColumn(rtl::UnicodeStringView name) const {
    const rtl::UnicodeString normalized = NormalizeColumnName(name);
    for (int32_t i = 0; i < Count(); ++i) {
        const TXc12TableColumns& columns = GetItem(i)->GetColumns();
        for (int32_t j = 0; j < columns.Count(); ++j) {
            if (rtl::WideUpperCase(columns.GetItem(j)->GetName()) == normalized) {
                return j;
            }
        }
    }
    return -1;
}

rtl::UnicodeString TXc12Tables::NormalizeColumnName(rtl::UnicodeStringView name) {
    rtl::UnicodeString unescaped;
    unescaped.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] != u'\'') {
            unescaped += name[i];
        } else if (i + 1 < name.size() && name[i + 1] == u'\'') {
            unescaped += u'\'';
            ++i;
        }
    }
    return rtl::WideUpperCase(unescaped);
}

} // namespace xls
