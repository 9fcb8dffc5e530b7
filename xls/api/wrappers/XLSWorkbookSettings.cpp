#include "xls/api/wrappers/XLSWorkbookSettings.h"

#include "rtl/text/StringUtils.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"

namespace xls {

bool TXLSWorkbookData::GetDate1904() const {
    return FWorkbook.GetWorkbookPr().GetDate1904();
}

const rtl::UnicodeString& TXLSWorkbookData::GetCodeName() const {
    return FWorkbook.GetWorkbookPr().GetCodeName();
}

TXc12WorkbookProtection& TXLSWorkbookData::GetProtection() const {
    return FWorkbook.GetWorkbookProtection();
}

int32_t TXLSWorkbookData::GetBookViewCount() const {
    return FWorkbook.GetBookViews().Count();
}

TXc12BookView& TXLSWorkbookData::GetBookView(int32_t index) const {
    return *FWorkbook.GetBookViews().GetItem(index);
}

int32_t TXLSWorkbookData::GetCustomViewCount() const {
    return FWorkbook.GetCustomWorkbookViews().Count();
}

TXc12CustomWorkbookView& TXLSWorkbookData::GetCustomView(int32_t index) const {
    return *FWorkbook.GetCustomWorkbookViews().GetItem(index);
}

int32_t TXLSWorkbookData::FindCustomView(rtl::UnicodeStringView name) const {
    for (int32_t i = 0; i < GetCustomViewCount(); ++i) {
        if (rtl::WideSameText(GetCustomView(i).GetName(), name)) {
            return i;
        }
    }
    return -1;
}

uint8_t TXLSOptionsDialog::GetCalcMode() const {
    return FWorkbook.GetCalcPr().GetCalcMode();
}

void TXLSOptionsDialog::SetCalcMode(uint8_t value) {
    FWorkbook.GetCalcPr().SetCalcMode(value);
}

bool TXLSOptionsDialog::GetIterate() const {
    return FWorkbook.GetCalcPr().GetIterate();
}

int32_t TXLSOptionsDialog::GetIterateCount() const {
    return FWorkbook.GetCalcPr().GetIterateCount();
}

double TXLSOptionsDialog::GetIterateDelta() const {
    return FWorkbook.GetCalcPr().GetIterateDelta();
}

bool TXLSOptionsDialog::GetFullPrecision() const {
    return FWorkbook.GetCalcPr().GetFullPrecision();
}

TXc12CalcPr& TXLSOptionsDialog::GetCalcPr() const {
    return FWorkbook.GetCalcPr();
}

} // namespace xls
