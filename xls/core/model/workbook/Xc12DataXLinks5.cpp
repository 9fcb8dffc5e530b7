#include "xls/core/model/workbook/Xc12DataXLinks5.h"

#include "rtl/text/StringUtils.h"
#include "xls/core/base/Xc12Utils5.h"

namespace xls {

void TXc12XCellValue::Clear() {
    FValueType = xvtNumber;
    FByteValue = 0;
    FNumber = 0;
    // Swapping with an empty string gives the buffer back; clear() would keep it.
    rtl::UnicodeString().swap(FString);
}

void TXc12XCellValue::SetBoolean(uint8_t value) {
    Clear();
    FValueType = xvtBoolean;
    FByteValue = value;
}

void TXc12XCellValue::SetError(uint8_t value) {
    Clear();
    FValueType = xvtError;
    FByteValue = value;
}

void TXc12XCellValue::SetNumber(double value) {
    Clear();
    FNumber = value;
}

void TXc12XCellValue::SetString(rtl::UnicodeStringView value) {
    Clear();
    FValueType = xvtString;
    FString = value;
}

void TXc12XCellValue::SetNil(bool isNil) {
    Clear();
    if (isNil) {
        FValueType = xvtNil;
    }
}

bool TXc12XCell::SetRefText(rtl::UnicodeStringView text) {
    return ParseCellRef(text, FCol, FRow);
}

int32_t TXc12XExternalBook::FindSheet(rtl::UnicodeStringView name) const {
    for (int32_t i = 0; i < FSheetNames.Count(); ++i) {
        if (rtl::WideSameText(FSheetNames.Get(i), name)) {
            return i;
        }
    }
    return -1;
}

int32_t TXc12DataXLinks::FindBook(rtl::UnicodeStringView path) const {
    if (path.empty()) {
        return -1;
    }
    for (int32_t i = 0; i < Count(); ++i) {
        if (rtl::WideSameText(GetItem(i)->GetExternalBook().GetPath(), path)) {
            return i;
        }
    }
    return -1;
}

} // namespace xls
