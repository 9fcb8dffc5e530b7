#pragma once
// The formula encoder: turns the tokens of a formula text (XLSTokenizer.h) into a compiled formula (XLSPtgs.h). It is
// an operator-precedence parser: operands go to the output as they are met, operators wait on a stack until one of
// lower precedence or the end of their group flushes them, and a group (parentheses, a function call, an array
// constant, a structured reference) is written after its contents. While it encodes it resolves every name in the
// workbook model: defined names, sheets, external books and their sheets, tables and their columns, and worksheet
// functions.
//
// Errors in the formula go through the model's error manager with their numbers (4012 to 4030). By default that
// raises and ends encoding; with a manager that keeps errors, encoding goes on as far as it can. Structural faults
// that no text the tokenizer reads can cause raise EXLSFormulaError.

#include <cstdint>
#include <vector>

namespace xls {

class TXLSTokenList;
class TXc12Manager;
class TXc12Tables;

// The numbers of the errors the encoder reports.
inline constexpr int32_t XLSErrorUnknownSheet = 4016;
inline constexpr int32_t XLSErrorInvalidOperator = 4018;
inline constexpr int32_t XLSErrorArrayColumns = 4022;
inline constexpr int32_t XLSErrorUnknownTable = 4024;
inline constexpr int32_t XLSErrorUnknownTableColumn = 4025;
inline constexpr int32_t XLSErrorUnknownTableSpecial = 4026;
inline constexpr int32_t XLSErrorTableEndBracket = 4027;
inline constexpr int32_t XLSErrorTableOperator = 4028;
inline constexpr int32_t XLSErrorTableSpecialsFirst = 4030;

// The messages of the encoder's own failures.
namespace EncoderMessages {
inline constexpr char16_t UnknownSheetReferenceType[] = u"Unknown sheet reference type: \"%.2X\"";
inline constexpr char16_t UnknownWorkbookName[] = u"Unknown workbook \"%s\" name";
inline constexpr char16_t UnknownNameReference[] = u"Unknown name reference";
inline constexpr char16_t UnknownOperator[] = u"Unknown operator %.2X";
} // namespace EncoderMessages

// Encodes token lists against one workbook model; a new encoder serves each formula.
class TXLSFormulaEncoder {
public:
    // manager is not owned and must outlive the encoder.
    explicit TXLSFormulaEncoder(TXc12Manager& manager) : FManager(manager) {}

    // The tables that structured references without a table name, and table names first, are looked up in; nullptr
    // for none. A table name found on another sheet makes that sheet's tables the current ones.
    void SetTables(TXc12Tables* tables) { FTables = tables; }

    // Encodes tokens into ptgs and returns their length; 0, leaving ptgs alone, when a structured reference is
    // rejected. sheetIndex is the sheet whose own defined names are searched before the workbook's (-1 for none); col
    // and row are the formula's cell (-1 when not given), in which a structured reference without a table name finds
    // its table.
    int32_t Encode(const TXLSTokenList& tokens, std::vector<uint8_t>& ptgs, int32_t sheetIndex, int32_t col = -1,
                   int32_t row = -1);

private:
    TXc12Manager& FManager;
    TXc12Tables* FTables = nullptr; // not owned
};

} // namespace xls
