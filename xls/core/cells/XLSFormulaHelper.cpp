#include "xls/core/cells/XLSFormulaHelper.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSUtils.h"
#include "xls/core/base/Xc12Utils5.h"

#include <utility>

namespace xls {

namespace {

// The tag bytes a BIFF token buffer starts with.
constexpr uint8_t BiffTokensTag = 0xFF;
constexpr uint8_t BiffTokensWithExtraTag = 0xFE;

void CheckTokenLength(int64_t length) {
    if (length < 0 || length > 0xFFFF) {
        throw rtl::Exception(rtl::Format(FormulaHelperMessages::InvalidTokenLength, {length}));
    }
}

} // namespace

void TXLSFormulaHelper::Clear() {
    FCol = -1;
    FRow = -1;
    FMasterCol = -1;
    FMasterRow = -1;
    FXF = 0;
    FFormulaText.clear();
    FPtgs = nullptr;
    FPtgsSize = -1;
    FOwnedPtgs.clear();
    FResultKind = 0;
    FFormulaKind = XLSFormulaNormal;
    FHasArea = false;
    FAreaCol1 = FAreaRow1 = FAreaCol2 = FAreaRow2 = 0;
    FFloatResult = 0;
    FBooleanResult = false;
    FErrorResult = 0;
    FStringResult.clear();
    FHasTable = false;
    FTableOptions = 0;
    FTableRef1Col = FTableRef2Col = XLSNoTableRefColumn;
    FTableRef1Row = FTableRef2Row = 0;
    FOptions = 0;
}

void TXLSFormulaHelper::SetCell(int32_t col, int32_t row) {
    FCol = col;
    FRow = row;
}

bool TXLSFormulaHelper::SetCellText(rtl::UnicodeStringView text) {
    return ParseCellRef(text, FCol, FRow);
}

void TXLSFormulaHelper::SetMaster(int32_t col, int32_t row) {
    FMasterCol = col;
    FMasterRow = row;
}

void TXLSFormulaHelper::SetOwnedPtgs(std::vector<uint8_t> buffer) {
    FOwnedPtgs = std::move(buffer);
    FPtgs = FOwnedPtgs.data();
    FPtgsSize = static_cast<int32_t>(FOwnedPtgs.size());
}

void TXLSFormulaHelper::SetPtgs(const uint8_t* bytes, int32_t count) {
    CheckTokenLength(count);
    SetOwnedPtgs(std::vector<uint8_t>(bytes, bytes + count));
}

void TXLSFormulaHelper::SetCompiledPtgs(const uint8_t* tokens, int32_t count) {
    CheckTokenLength(int64_t{count} + 1);
    std::vector<uint8_t> buffer{BiffTokensTag};
    buffer.insert(buffer.end(), tokens, tokens + count);
    SetOwnedPtgs(std::move(buffer));
}

void TXLSFormulaHelper::SetPtgsWithExtra(const uint8_t* tokens, int32_t count, int32_t extra) {
    CheckTokenLength(count);
    CheckTokenLength(extra);
    CheckTokenLength(int64_t{count} + extra + 3);
    std::vector<uint8_t> buffer{BiffTokensWithExtraTag, static_cast<uint8_t>(extra & 0xFF),
                                static_cast<uint8_t>(extra >> 8)};
    buffer.insert(buffer.end(), tokens, tokens + count + extra);
    SetOwnedPtgs(std::move(buffer));
}

void TXLSFormulaHelper::AttachPtgs(const uint8_t* buffer) {
    FOwnedPtgs.clear();
    FPtgs = buffer;
}

void TXLSFormulaHelper::SetArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    FAreaCol1 = col1;
    FAreaRow1 = row1;
    FAreaCol2 = col2;
    FAreaRow2 = row2;
}

bool TXLSFormulaHelper::SetAreaText(rtl::UnicodeStringView text) {
    if (text.empty()) {
        return true;
    }
    int32_t col1 = 0;
    int32_t row1 = 0;
    int32_t col2 = 0;
    int32_t row2 = 0;
    if (!ParseAreaRef(text, col1, row1, col2, row2)) {
        return false;
    }
    SetArea(col1, row1, col2, row2);
    FHasArea = true;
    return true;
}

void TXLSFormulaHelper::SetTableRef1(int32_t col, int32_t row) {
    FTableRef1Col = col;
    FTableRef1Row = row;
}

void TXLSFormulaHelper::SetTableRef2(int32_t col, int32_t row) {
    FTableRef2Col = col;
    FTableRef2Row = row;
}

bool TXLSFormulaHelper::SetTableRef1Text(rtl::UnicodeStringView text) {
    int32_t col = 0;
    int32_t row = 0;
    if (!ParseCellRef(text, col, row)) {
        return false;
    }
    SetTableRef1(col, row);
    FHasTable = true;
    return true;
}

bool TXLSFormulaHelper::SetTableRef2Text(rtl::UnicodeStringView text) {
    int32_t col = 0;
    int32_t row = 0;
    if (!ParseCellRef(text, col, row)) {
        return false;
    }
    SetTableRef2(col, row);
    return true;
}

void TXLSFormulaHelper::SetFloatResult(double value) {
    FResultKind = XLSResultFloat;
    FFloatResult = value;
}

void TXLSFormulaHelper::SetStringResult(rtl::UnicodeStringView text) {
    FResultKind = XLSResultString;
    FStringResult = text;
}

void TXLSFormulaHelper::SetBooleanResult(bool value) {
    FResultKind = XLSResultBoolean;
    FBooleanResult = value;
}

void TXLSFormulaHelper::SetErrorResult(int32_t errorIndex) {
    if (errorIndex < 1 || errorIndex >= static_cast<int32_t>(XLSErrorTexts.size())) {
        throw rtl::Exception(FormulaHelperMessages::InvalidErrorValue);
    }
    FResultKind = XLSResultError;
    FErrorResult = static_cast<uint8_t>(errorIndex);
}

void TXLSFormulaHelper::SetErrorResultText(rtl::UnicodeStringView text) {
    SetErrorResult(ErrorStrToIndex(text));
}

int64_t TXLSFormulaHelper::CalcCellSize() const {
    int64_t size = 1 + (FXF != 0 ? 2 : 0);
    switch (FResultKind) {
    case XLSResultFloat:
        size += 8;
        break;
    case XLSResultString:
        size += 2 + 2 * static_cast<int64_t>(FStringResult.size());
        break;
    default:
        size += 1;
        break;
    }
    if (FFormulaKind == XLSFormulaDataTable) {
        size += 17;
    } else if (FFormulaKind >= XLSFormulaArrayMember) {
        size += 10;
    } else if (FPtgs != nullptr) {
        size += int64_t{FPtgsSize} + 3;
    } else {
        const int64_t characters = static_cast<int64_t>(FFormulaText.size());
        size += (IsNarrowText(FFormulaText) ? characters : 2 * characters) + 3;
    }
    return size + (FHasArea ? 12 : 0) + (FHasTable ? 13 : 0);
}

} // namespace xls
