#include "xls/core/model/workbook/XLSReadCellValue.h"

#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/cells/XLSFormulaHelper.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

namespace xls {

TXLSCellValue TXLSCellValue::OfBoolean(bool value) {
    TXLSCellValue result;
    result.Kind = vkBoolean;
    result.Boolean = value;
    return result;
}

TXLSCellValue TXLSCellValue::OfFloat(double value) {
    TXLSCellValue result;
    result.Kind = vkFloat;
    result.Float = value;
    return result;
}

TXLSCellValue TXLSCellValue::OfIndex(TKind kind, int32_t index) {
    TXLSCellValue result;
    result.Kind = kind;
    result.Index = index;
    return result;
}

TXLSCellValue TXLSCellValue::OfString(rtl::UnicodeStringView text) {
    TXLSCellValue result;
    result.Kind = vkString;
    result.Text = text;
    return result;
}

void StoreCellValue(TXLSCellMMU& cells, int32_t col, int32_t row, int32_t xf, const TXLSCellValue& value) {
    switch (value.Kind) {
    case TXLSCellValue::vkBoolean:
        cells.StoreBoolean(col, row, xf, value.Boolean);
        break;
    case TXLSCellValue::vkFloat:
        cells.StoreFloat(col, row, xf, value.Float);
        break;
    case TXLSCellValue::vkError:
        cells.StoreError(col, row, xf, value.Index);
        break;
    case TXLSCellValue::vkString:
        cells.StoreString(col, row, value.Text, xf);
        break;
    case TXLSCellValue::vkSharedString:
        cells.StoreSSTIndex(col, row, xf, value.Index);
        break;
    default:
        cells.StoreBlank(col, row, xf);
        break;
    }
}

void SetFormulaHelperResult(TXLSFormulaHelper& helper, const TXLSCellValue& value) {
    switch (value.Kind) {
    case TXLSCellValue::vkBoolean:
        helper.SetBooleanResult(value.Boolean);
        break;
    case TXLSCellValue::vkError:
        // The helper refuses the unknown error; the formula is kept with its text, as an unknown error cell shows.
        if (value.Index > 0) {
            helper.SetErrorResult(value.Index);
        } else {
            helper.SetStringResult(XLSErrorTexts[0]);
        }
        break;
    case TXLSCellValue::vkString:
        helper.SetStringResult(value.Text);
        break;
    default:
        helper.SetFloatResult(value.Float);
        break;
    }
}

void SetEventCellValue(TXLSEventCell& event, const TXc12DataSST& sst, const TXLSCellValue& value) {
    switch (value.Kind) {
    case TXLSCellValue::vkBoolean:
        event.SetBoolean(value.Boolean);
        break;
    case TXLSCellValue::vkError:
        event.SetError(static_cast<uint8_t>(value.Index));
        break;
    case TXLSCellValue::vkString:
        event.SetString(value.Text);
        break;
    case TXLSCellValue::vkSharedString:
        event.SetString(sst.GetString(value.Index));
        break;
    default:
        event.SetFloat(value.Float);
        break;
    }
}

} // namespace xls
