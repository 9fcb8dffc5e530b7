#include "xls/core/formula/tokens/XLSPtgWriter.h"

#include "rtl/text/Format.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace xls {

namespace {

constexpr int32_t MaxWordValue = std::numeric_limits<uint16_t>::max();
constexpr double SmallestIntConstant = -2147483646.0;
constexpr double LargestIntConstant = 2147483647.0;
constexpr size_t Ref3dErrPadding = 6;
constexpr size_t Area3dErrPadding = 12;

// value when it lies within min to max; otherwise raises, naming what the value is.
int32_t Checked(int32_t value, int32_t min, int32_t max, const char16_t* what) {
    if (value < min || value > max) {
        throw EXLSFormulaError(rtl::Format(PtgWriterMessages::DoesNotFit, {what, value}));
    }
    return value;
}

uint8_t CheckedByte(int32_t value, const char16_t* what) {
    return static_cast<uint8_t>(Checked(value, 0, std::numeric_limits<uint8_t>::max(), what));
}

uint16_t CheckedWord(int32_t value, const char16_t* what) {
    return static_cast<uint16_t>(Checked(value, 0, MaxWordValue, what));
}

uint8_t CheckedSheet(int32_t sheet) {
    return static_cast<uint8_t>(Checked(sheet, 0, PtgMaxSheetIndex, u"Sheet index"));
}

uint8_t CheckedArgumentCount(int32_t count) {
    return static_cast<uint8_t>(Checked(count, 0, PtgMaxArgumentCount, u"Argument count"));
}

uint8_t CheckedErrorIndex(int32_t errorIndex) {
    return static_cast<uint8_t>(Checked(errorIndex, PtgErrorFirst, PtgErrorLast, u"Error index"));
}

// A 16-bit index whose highest value marks "none": -1 gives that mark.
uint16_t CheckedIndexOrNone(int32_t index, uint16_t none, const char16_t* what) {
    return index == -1 ? none : static_cast<uint16_t>(Checked(index, 0, none - 1, what));
}

// A text's count of code units is a 16-bit field.
void CheckTextFits(rtl::UnicodeStringView text) {
    if (text.size() > static_cast<size_t>(MaxWordValue)) {
        throw EXLSFormulaError(rtl::Format(PtgWriterMessages::TextTooLong, {text.size()}));
    }
}

uint8_t ClampedSpaces(int32_t spaces) {
    return static_cast<uint8_t>(std::clamp(spaces, 0, PtgMaxSpaceCount));
}

bool IsOperatorWithoutPayload(uint8_t id) {
    return (id >= PtgAdd && id <= PtgNe) || (id >= PtgUnion && id <= PtgParen) || id == ptgxMissArg;
}

} // namespace

std::vector<uint8_t> TXLSPtgWriter::Take() {
    return std::exchange(FBytes, {});
}

void TXLSPtgWriter::AddOperator(uint8_t id) {
    if (!IsOperatorWithoutPayload(id)) {
        throw EXLSFormulaError(rtl::Format(PtgWriterMessages::WrongId, {id}));
    }
    Byte(id);
}

void TXLSPtgWriter::AddIsect(int32_t spaces) {
    Byte(PtgIsect);
    Byte(ClampedSpaces(spaces));
}

void TXLSPtgWriter::AddSpace(int32_t spaces) {
    Byte(ptgxSpace);
    Byte(ClampedSpaces(spaces));
}

void TXLSPtgWriter::AddErr(int32_t errorIndex) {
    const uint8_t index = CheckedErrorIndex(errorIndex);
    Byte(PtgErr);
    Byte(index);
}

void TXLSPtgWriter::AddBool(bool value) {
    Byte(PtgBool);
    Byte(value ? 1 : 0);
}

void TXLSPtgWriter::AddNumber(double value) {
    if (std::trunc(value) == value && value >= SmallestIntConstant && value <= LargestIntConstant) {
        AddInt(static_cast<int32_t>(value));
        return;
    }
    AddNum(value);
}

void TXLSPtgWriter::AddInt(int32_t value) {
    Byte(ptgxInt);
    Long(static_cast<uint32_t>(value));
}

void TXLSPtgWriter::AddNum(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Byte(PtgNum);
    Long(static_cast<uint32_t>(bits));
    Long(static_cast<uint32_t>(bits >> 32));
}

void TXLSPtgWriter::AddStr(rtl::UnicodeStringView text) {
    CheckTextFits(text);
    Byte(ptgxStr);
    Text(text);
}

void TXLSPtgWriter::AddArray(int32_t cols, uint32_t rows) {
    const uint16_t columns = CheckedWord(cols, u"Array column count");
    Byte(ptgxArray);
    Word(columns);
    Long(rows);
}

void TXLSPtgWriter::AddFunc(int32_t functionId) {
    const uint16_t id = CheckedWord(functionId, u"Function id");
    Byte(ptgxFunc);
    Word(id);
}

void TXLSPtgWriter::AddFuncVar(int32_t argumentCount, int32_t functionId) {
    const uint8_t count = CheckedArgumentCount(argumentCount);
    const uint16_t id = CheckedWord(functionId, u"Function id");
    Byte(ptgxFuncVar);
    Byte(count);
    Word(id);
}

void TXLSPtgWriter::AddUserFunc(int32_t argumentCount, rtl::UnicodeStringView name) {
    const uint8_t count = CheckedArgumentCount(argumentCount);
    CheckTextFits(name);
    Byte(ptgxUserFunc);
    Byte(count);
    Text(name);
}

void TXLSPtgWriter::AddName(int32_t nameIndex) {
    const uint16_t index = CheckedIndexOrNone(nameIndex, PtgNameUndefined, u"Name index");
    Byte(ptgxName);
    Word(index);
}

void TXLSPtgWriter::AddRef(const TXLSPtgCell& cell, bool shiftedOff) {
    Byte(shiftedOff ? ptgxRefErr : ptgxRef);
    Cell(cell);
}

void TXLSPtgWriter::AddArea(const TXLSPtgArea& area, bool shiftedOff) {
    Byte(shiftedOff ? ptgxAreaErr : ptgxArea);
    Area(area);
}

void TXLSPtgWriter::AddRef3d(const TXLSPtgCell& cell, const TXLSPtgSheets& sheets) {
    Byte(Begin3d(ptgxRef3d, sheets));
    Cell(cell);
    Sheets(sheets);
}

void TXLSPtgWriter::AddArea3d(const TXLSPtgArea& area, const TXLSPtgSheets& sheets) {
    Byte(Begin3d(ptgxArea3d, sheets));
    Area(area);
    Sheets(sheets);
}

void TXLSPtgWriter::Add3dErr(uint8_t id, int32_t errorIndex) {
    const bool isArea = id == ptgxArea3dErr || id == ptgxArea3dRangeErr;
    const bool isRange = id == ptgxRef3dRangeErr || id == ptgxArea3dRangeErr;
    if (!isArea && !isRange && id != ptgxRef3dErr) {
        throw EXLSFormulaError(rtl::Format(PtgWriterMessages::WrongId, {id}));
    }
    const uint8_t error = CheckedErrorIndex(errorIndex);
    Byte(id);
    Zeros(isArea ? Area3dErrPadding : Ref3dErrPadding);
    Byte(error);
    Zeros(isRange ? 1 : 0);
}

void TXLSPtgWriter::AddCellFormula(uint8_t id, int32_t col, int32_t row) {
    if (id != ptgxExp && id != ptgxShared && id != ptgxTbl) {
        throw EXLSFormulaError(rtl::Format(PtgWriterMessages::WrongId, {id}));
    }
    const TXLSPtgCell cell = MakePtgCell(col, row);
    Byte(id);
    ColRowCell(cell);
}

void TXLSPtgWriter::AddDataTable(uint8_t flags, const TXLSPtgCell& cell1, const TXLSPtgCell& cell2) {
    Byte(ptgxDataTable);
    Byte(flags);
    ColRowCell(cell1);
    ColRowCell(cell2);
}

void TXLSPtgWriter::AddList(int32_t table, int32_t sheet, int32_t itemCount, const TXLSPtgArea& area) {
    const uint16_t tableWord = CheckedWord(table, u"Table index");
    const uint16_t sheetWord = CheckedIndexOrNone(sheet, PtgListOwnSheet, u"Sheet index");
    const uint8_t count = CheckedByte(itemCount, u"Table item count");
    Byte(ptgxList);
    Word(tableWord);
    Word(sheetWord);
    Byte(count);
    AddArea(area);
}

void TXLSPtgWriter::AddListColumn(int32_t table, int32_t column, const TXLSPtgArea& area) {
    const uint16_t tableWord = CheckedWord(table, u"Table index");
    const uint16_t columnWord = CheckedWord(column, u"Table column");
    Byte(ptgxListColumn);
    Word(tableWord);
    Word(columnWord);
    AddArea(area);
}

void TXLSPtgWriter::AddListSpecial(uint8_t special, uint8_t error, const TXLSPtgArea& area) {
    Byte(ptgxListSpecial);
    Byte(special);
    Byte(error);
    AddArea(area);
}

void TXLSPtgWriter::Byte(uint8_t value) {
    FBytes.push_back(value);
}

void TXLSPtgWriter::Word(uint16_t value) {
    Byte(static_cast<uint8_t>(value));
    Byte(static_cast<uint8_t>(value >> 8));
}

void TXLSPtgWriter::Long(uint32_t value) {
    Word(static_cast<uint16_t>(value));
    Word(static_cast<uint16_t>(value >> 16));
}

// The ids run sheet, sheet range, external sheet, external sheet range from the one of a sheet.
uint8_t TXLSPtgWriter::Begin3d(uint8_t workbookSheetId, const TXLSPtgSheets& sheets) {
    const bool external = sheets.Book != -1;
    const bool range = sheets.Last != -1;
    if (external) {
        CheckedWord(sheets.Book, u"External book index");
    }
    CheckedSheet(sheets.First);
    if (range) {
        CheckedSheet(sheets.Last);
    }
    return static_cast<uint8_t>(workbookSheetId + (external ? 2 : 0) + (range ? 1 : 0));
}

void TXLSPtgWriter::Sheets(const TXLSPtgSheets& sheets) {
    if (sheets.Book != -1) {
        Word(static_cast<uint16_t>(sheets.Book));
    }
    Byte(static_cast<uint8_t>(sheets.First));
    if (sheets.Last != -1) {
        Byte(static_cast<uint8_t>(sheets.Last));
    }
}

void TXLSPtgWriter::Cell(const TXLSPtgCell& cell) {
    Long(cell.RowWord);
    Word(cell.ColWord);
}

void TXLSPtgWriter::ColRowCell(const TXLSPtgCell& cell) {
    Word(cell.ColWord);
    Long(cell.RowWord);
}

void TXLSPtgWriter::Area(const TXLSPtgArea& area) {
    Long(area.Row1Word);
    Long(area.Row2Word);
    Word(area.Col1Word);
    Word(area.Col2Word);
}

void TXLSPtgWriter::Text(rtl::UnicodeStringView text) {
    Word(static_cast<uint16_t>(text.size()));
    for (const char16_t unit : text) {
        Word(unit);
    }
}

void TXLSPtgWriter::Zeros(size_t count) {
    FBytes.insert(FBytes.end(), count, 0);
}

} // namespace xls
