#pragma once
// The text of BIFF8 formula tokens (MS-XLS 2.5.198, Ptg) as an .xls file stores them, and the conversion of a shared
// formula's tokens (SHRFMLA, MS-XLS 2.4.260) into those of one of its cells.
//
// A token buffer may start with a prefix byte: 0xFF, then the tokens; or 0xFE and a 16-bit length N, then the tokens
// and after them N bytes of extra data (the values of array constants, MS-XLS 2.5.198.103, in the order of their
// PtgArray tokens). The decoder evaluates the tokens on a stack of texts and evaluates nothing else. Damaged tokens
// give placeholder texts ("<Val missing>", "Unknown ptg[2E]", "[ERROR]") or raise EBIFFError; every token is measured
// against the bytes left before a field of it is read.

#include "rtl/text/StringTypes.h"
#include "xls/core/model/workbook/XLSBIFFServices.h"

#include <cstdint>
#include <functional>
#include <span>

namespace xls {

class TXc12Manager;

// The questions the decoder asks its caller, by kind: a defined name (index -1, p4 the 1-based name index); an
// external name (index the EXTERNSHEET entry, p4 the 1-based name index) or the sheet prefix of a 3-D reference
// (index the EXTERNSHEET entry, p4 -1), which ends in "!"; a text for PtgElfRw and PtgElfCol (index the sheet index
// given to the decoder, p5 the token's column byte, p6 its row word).
inline constexpr uint8_t DecodeLookupName = 0;
inline constexpr uint8_t DecodeLookupExternal = 2;
inline constexpr uint8_t DecodeLookupElf = 4;
using TDecodeLookupEvent =
    std::function<void(uint8_t kind, int32_t index, int32_t p4, int32_t p5, int32_t p6, rtl::UnicodeString& text)>;

// The characters formula text is written with: between function arguments, between the columns of an array
// constant (its rows are separated by ";"), and in numbers.
struct TBIFFDecodeSeparators {
    char16_t Argument = u',';
    char16_t ArrayColumn = u',';
    char16_t Decimal = u'.';
};

// Sets text to the formula of buffer (prefix byte included). baseCol and baseRow are the cell PtgRefN and PtgAreaN
// are relative to; lookup, when set, names defined names, external names and sheets, which otherwise read
// "[EXTERNNAME]", "[EXTERNNAME X]" and "[ExternSheet]". A function with fewer operands than it takes raises
// "Function arguments missing"; a token or array constant cut short raises.
void DecodeBIFFFormula(std::span<const uint8_t> buffer, int32_t sheetIndex, int32_t baseCol, int32_t baseRow,
                       const TDecodeLookupEvent& lookup, const TBIFFDecodeSeparators& separators,
                       rtl::UnicodeString& text);

// Rewrites the BIFF8 tokens of a shared formula in place for the cell at baseCol, baseRow: every PtgRefN becomes a
// PtgRef and every PtgAreaN a PtgArea of the same class, their relative columns (modulo 256) and rows (modulo 65536)
// resolved against the cell and their relative flags kept. The references inside a PtgMemFunc subexpression are
// converted too. A token it does not know raises "Unknown ptg[%.2X] in Shared Formula", one cut short raises too.
void ConvertSharedFormula(std::span<uint8_t> tokens, int32_t baseRow, int32_t baseCol);

// The workbook model's decoder of the BIFF formulas its cells and names keep, in the texts an .xlsx formula gives:
// sheets, ranges of sheets and defined names from the model, other workbooks by their paths and add-in functions by
// name from the model's external names (an entry the file lacks raises); the array columns separated as the model's own
// decoder separates them, numbers with the platform's decimal separator.
class TBIFFFormulaDecoder : public TXLSBIFFFormulaDecoder {
public:
    // manager is not owned and must outlive the decoder.
    explicit TBIFFFormulaDecoder(const TXc12Manager& manager) : FManager(manager) {}

    void DecodeBIFFFormula(const uint8_t* tokens, int32_t length, int32_t sheetIndex, rtl::UnicodeString& result,
                           char16_t argumentSeparator, int32_t col, int32_t row) override;

private:
    const TXc12Manager& FManager;
};

} // namespace xls
