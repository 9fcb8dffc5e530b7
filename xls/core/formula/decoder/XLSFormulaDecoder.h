#pragma once
// The formula decoder: turns a compiled formula (XLSPtgs.h) back into formula text for display, a worksheet's formula
// text and a defined name's definition. It evaluates the reverse Polish tokens on a stack of texts (XLSStringStack.h).
// The text follows the user's locale: the platform's list separator between function arguments and its decimal
// separator in numbers; whitespace that the formula was written with comes back before the token it preceded.
// Sheet names and texts are quoted as the tokenizer reads them back.
//
// A token of a cell that stands for another cell's formula (an array member, a data-table member) is followed to
// that cell in the cell store, at most XLSMaxFormulaChain cells far and never back to a cell already passed.
// Failures raise EXLSFormulaError (or the function table's errors); they are not reported to the error manager.

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <span>

namespace xls {

class TXLSCellMMU;
class TXc12Manager;

// The messages of the decoder's failures.
namespace DecoderMessages {
inline constexpr char16_t UnknownPtg[] = u"Unknown Ptg \"%.2X\"";
inline constexpr char16_t NoCells[] = u"Decode formula with ACells = Nil";
inline constexpr char16_t ChainLoops[] = u"The formula of cell %s leads back to itself";
inline constexpr char16_t ChainTooLong[] = u"The formula of cell %s is reached through more than %d cells";
inline constexpr char16_t UnknownSheet[] = u"The formula refers to sheet %d, which the workbook does not have";
inline constexpr char16_t UnknownBook[] = u"The formula refers to external book %d, which the workbook does not have";
inline constexpr char16_t UnknownTable[] = u"The formula refers to table %d, which the sheet does not have";
inline constexpr char16_t UnknownTableColumn[] = u"The formula refers to column %d of table %d, which it does not have";
inline constexpr char16_t NoBIFFDecoder[] = u"The formula holds .xls tokens, and no .xls formula decoder is set";
} // namespace DecoderMessages

// The text that Decode gives until a token has been decoded.
inline constexpr char16_t XLSUndecodedFormula[] = u"???";

// The text of the workbook's defined name at index in a formula of the sheet at sheetIndex (-1 for none): a name of
// another sheet than the formula's is written with that sheet, a reserved name by its full text; an index the
// workbook has no name for gives "#NAME?".
rtl::UnicodeString DefinedNameText(const TXc12Manager& manager, int32_t index, int32_t sheetIndex);

// Decodes token strings against one workbook model.
class TXLSFormulaDecoder {
public:
    // manager is not owned and must outlive the decoder.
    explicit TXLSFormulaDecoder(TXc12Manager& manager);

    // Sets text to the formula of ptgs: "???" when they hold no operand; on failure text is "???" too and the error
    // raises. cells is the store of the formula's sheet, needed by tokens that stand for another cell's formula
    // (nullptr: such a token raises); sheetIndex is the formula's sheet (-1 for none), whose own defined names and
    // tables it names; bookNumbers writes external books as "[n]" (1-based) instead of their paths.
    void Decode(TXLSCellMMU* cells, int32_t sheetIndex, rtl::UnicodeString& text, bool bookNumbers,
                std::span<const uint8_t> ptgs);

private:
    TXc12Manager& FManager;
    // The settings numbers are written with; the decimal separator is the platform's at each Decode.
    rtl::TFormatSettings FNumberSettings;
};

} // namespace xls
