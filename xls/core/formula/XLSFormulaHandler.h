#pragma once
// The formula service of one workbook: it compiles formula text into tokens (tokenizer and encoder), gives the text
// of tokens back (decoder, or the BIFF reader's decoder for tokens a .xls file stored), moves the relative references
// of a shared formula's tokens to the cell that uses them, and holds the component's user-function event. Beside it:
// compiling without a handler, and telling whether a defined name's tokens are one plain reference.
//
// One handler serves one call at a time: its tokenizer and decoder are reused.

#include "rtl/text/StringTypes.h"
#include "xls/core/formula/decoder/XLSFormulaDecoder.h"
#include "xls/core/formula/tokenizer/XLSTokenizer.h"
#include "xls/core/formula/tokens/XLSPtgs.h"
#include "xls/core/model/workbook/XLSBIFFServices.h"

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace xls {

class TXLSCellMMU;
class TXc12Manager;
class TXc12Tables;

// What a user-defined function is called with. Formulas are not evaluated, so nothing raises the event yet; the type
// only carries the component's property.
class TXLSUserFuncData;
using TUserFunctionEvent = std::function<void(rtl::UnicodeStringView name, TXLSUserFuncData* data)>;

// What a defined name's tokens are (GetNameReference).
enum TXLSNameReferenceKind : int32_t {
    xnrFormula = 0,
    xnrCell = 1,
    xnrArea = 2,
    // A BIFF reference to a sheet beyond the 255 a BIFF sheet index reaches.
    xnrSheetError = 3,
};

// The reference a defined name's tokens hold: the sheet and the corners as the tokens store them, with their "$"
// bits (TXLSPtgArea). A reference from BIFF tokens keeps the BIFF words: 16-bit rows, and columns whose bits 14 and
// 15 mark a relative column and row.
struct TXLSNameReference {
    int32_t Sheet = 0;
    TXLSPtgArea Area;
};

class TXLSFormulaHandler {
public:
    // manager is not owned and must outlive the handler; its error manager receives the errors of formula text.
    explicit TXLSFormulaHandler(TXc12Manager& manager);

    // Compiles text into ptgs and returns their length: 0, leaving ptgs alone, for an empty or blank text and for a
    // structured reference the encoder rejects. sheetIndex is the sheet whose own defined names are searched first
    // (-1 for none). Errors in the text go through the error manager, which raises them by default.
    int32_t EncodeFormula(rtl::UnicodeStringView text, std::vector<uint8_t>& ptgs, int32_t sheetIndex);
    // EncodeFormula for a caller that judges the errors itself, as a reader does with the formulas of a file: the
    // error manager is muted meanwhile, and failure receives the message of the error or exception that stopped the
    // formula (empty when it compiled or was blank).
    int32_t TryEncodeFormula(rtl::UnicodeStringView text, std::vector<uint8_t>& ptgs, int32_t sheetIndex,
                             rtl::UnicodeString& failure);
    // The text of ptgs (XLSFormulaDecoder.h). A buffer of one ptgxShared token stands for the compiled formula of the
    // cell it names in cells; a buffer of BIFF tokens goes to the BIFF decoder. bookNumbers writes external books as
    // "[n]" (defined names) rather than by their paths (cell formulas).
    void DecodeFormula(TXLSCellMMU* cells, int32_t sheetIndex, rtl::UnicodeString& text, bool bookNumbers,
                       std::span<const uint8_t> ptgs);
    // The tokens with every relative part of their references moved by the deltas, as a shared formula's master
    // becomes one of its other cells. A reference moved off the sheet becomes its error form (#REF!). BIFF tokens
    // after a ptgxBiff marker move within the BIFF8 sheet. A damaged buffer raises EXLSFormulaError.
    static std::vector<uint8_t> TranslateRelativeRefs(std::span<const uint8_t> ptgs, int32_t colDelta,
                                                      int32_t rowDelta);

    // The tables structured references are looked up in first; nullptr (the default) for none.
    TXc12Tables* GetTables() const { return FTables; }
    void SetTables(TXc12Tables* tables) { FTables = tables; }
    const TUserFunctionEvent& GetOnUserFunction() const { return FOnUserFunction; }
    void SetOnUserFunction(TUserFunctionEvent handler) { FOnUserFunction = std::move(handler); }
    // The BIFF reader's decoder (not owned); without one (nullptr) BIFF tokens raise EXLSFormulaError.
    void SetBIFFDecoder(TXLSBIFFFormulaDecoder* decoder);

private:
    TXc12Manager& FManager;
    TXLSTokenizer FTokenizer;
    TXLSFormulaDecoder FDecoder;
    TXc12Tables* FTables = nullptr; // not owned
    TUserFunctionEvent FOnUserFunction;
    TXLSBIFFFormulaDecoder* FBIFFDecoder = nullptr; // not owned
};

// EncodeFormula for callers without a handler: a tokenizer of its own, no tables.
int32_t CompileFormula(TXc12Manager& manager, rtl::UnicodeStringView text, std::vector<uint8_t>& ptgs,
                       int32_t sheetIndex);

// Whether a defined name's tokens are one plain reference: a cell or an area of one sheet (ptgxRef3d, ptgxArea3d,
// or BIFF PtgRef3d and PtgArea3d of one sheet), given in reference; xnrFormula for anything else.
TXLSNameReferenceKind GetNameReference(const TXc12Manager& manager, std::span<const uint8_t> ptgs,
                                       TXLSNameReference& reference);

} // namespace xls
