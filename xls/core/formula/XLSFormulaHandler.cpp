#include "xls/core/formula/XLSFormulaHandler.h"

#include "rtl/core/Exceptions.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/formula/encoder/XLSFormulaEncoder.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"
#include "xls/core/formula/tokens/XLSIteratePtgs.h"
#include "xls/core/formula/tokens/XLSPtgWriter.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

namespace xls {

namespace {

// BIFF8 references of the reference class (MS-XLS 2.5.198.84 PtgRef, 2.5.198.27 PtgArea, 2.5.198.85 PtgRef3d,
// 2.5.198.28 PtgArea3d) and the error forms a shifted one becomes. A BIFF8 column word carries the column in its low
// bits, bit 14 set for a relative column and bit 15 for a relative row.
constexpr uint8_t BiffPtgRef = 0x24;
constexpr uint8_t BiffPtgArea = 0x25;
constexpr uint8_t BiffPtgRefErr = 0x2A;
constexpr uint8_t BiffPtgAreaErr = 0x2B;
constexpr uint8_t BiffPtgRef3d = 0x3A;
constexpr uint8_t BiffPtgArea3d = 0x3B;
constexpr uint16_t BiffColRelative = 0x4000;
constexpr uint16_t BiffRowRelative = 0x8000;
constexpr uint16_t BiffColBits = 0x3FFF;
constexpr uint16_t BiffFlagBits = 0xC000;
constexpr int32_t Biff8MaxCol = 255;
constexpr int32_t Biff8MaxRow = 65535;
// The BIFF sheet indexes that name a sheet.
constexpr int32_t BiffSheetLimit = 255;
// Where the BIFF tokens of a ptgxBiffBlock start, after its 16-bit length.
constexpr size_t BiffBlockHeader = 3;

void PutWord(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void PutLong(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    PutWord(bytes, offset, static_cast<uint16_t>(value));
    PutWord(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

// The cell with its relative parts moved; false when a moved part leaves the sheet. Absolute parts stay.
bool MoveCell(TXLSPtgCell& cell, int32_t colDelta, int32_t rowDelta) {
    const int64_t col = cell.Col() + (cell.ColAbsolute() ? 0 : int64_t{colDelta});
    const int64_t row = cell.Row() + (cell.RowAbsolute() ? 0 : int64_t{rowDelta});
    if ((!cell.ColAbsolute() && (col < 0 || col > XLSMaxCol)) ||
        (!cell.RowAbsolute() && (row < 0 || row > XLSMaxRow))) {
        return false;
    }
    cell.ColWord = static_cast<uint16_t>((cell.ColWord & PtgColAbsolute) | static_cast<uint16_t>(col));
    cell.RowWord = (cell.RowWord & PtgRowAbsolute) | static_cast<uint32_t>(row);
    return true;
}

bool IsCellReference(uint8_t id) {
    return id == ptgxRef || (id >= ptgxRef3d && id <= ptgxRefExtRange);
}

bool IsAreaReference(uint8_t id) {
    return id == ptgxArea || (id >= ptgxArea3d && id <= ptgxAreaExtRange);
}

// The error form of a reference moved off the sheet: #REF! where its sheet or book stood.
void WriteMovedOff(TXLSPtgWriter& writer, const TXLSPtgToken& token) {
    const uint8_t id = token.Id();
    const bool range = id == ptgxRef3dRange || id == ptgxRefExtRange || id == ptgxArea3dRange || id == ptgxAreaExtRange;
    if (id == ptgxRef) {
        writer.AddRef(token.Cell(1), true);
    } else if (id == ptgxArea) {
        writer.AddArea(token.Area(1), true);
    } else if (IsAreaReference(id)) {
        writer.Add3dErr(range ? ptgxArea3dRangeErr : ptgxArea3dErr, XLSErrorIndexRef);
    } else {
        writer.Add3dErr(range ? ptgxRef3dRangeErr : ptgxRef3dErr, XLSErrorIndexRef);
    }
}

// Moves the reference token that out ends with, at offset.
void MoveReference(std::vector<uint8_t>& out, size_t offset, const TXLSPtgToken& token, int32_t colDelta,
                   int32_t rowDelta) {
    if (IsCellReference(token.Id())) {
        TXLSPtgCell cell = token.Cell(1);
        if (MoveCell(cell, colDelta, rowDelta)) {
            PutLong(out, offset + 1, cell.RowWord);
            PutWord(out, offset + 5, cell.ColWord);
            return;
        }
    } else {
        const TXLSPtgArea area = token.Area(1);
        TXLSPtgCell first = area.First();
        TXLSPtgCell last = area.Last();
        if (MoveCell(first, colDelta, rowDelta) && MoveCell(last, colDelta, rowDelta)) {
            PutLong(out, offset + 1, first.RowWord);
            PutLong(out, offset + 5, last.RowWord);
            PutWord(out, offset + 9, first.ColWord);
            PutWord(out, offset + 11, last.ColWord);
            return;
        }
    }
    TXLSPtgWriter writer;
    WriteMovedOff(writer, token);
    out.resize(offset);
    out.insert(out.end(), writer.Bytes().begin(), writer.Bytes().end());
}

// A BIFF8 row and column word moved by the deltas where they are relative; false when one leaves the BIFF8 sheet.
bool MoveBiffCell(uint16_t& row, uint16_t& colWord, int32_t colDelta, int32_t rowDelta) {
    int32_t newRow = row;
    int32_t newCol = colWord & BiffColBits;
    if ((colWord & BiffColRelative) != 0) {
        newCol += colDelta;
    }
    if ((colWord & BiffRowRelative) != 0) {
        newRow += rowDelta;
    }
    if (newCol < 0 || newCol > Biff8MaxCol || newRow < 0 || newRow > Biff8MaxRow) {
        return false;
    }
    row = static_cast<uint16_t>(newRow);
    colWord = static_cast<uint16_t>((colWord & BiffFlagBits) | newCol);
    return true;
}

void MoveBiffReference(std::vector<uint8_t>& out, size_t offset, const TXLSPtgToken& token, int32_t colDelta,
                       int32_t rowDelta) {
    if (token.Id() == BiffPtgRef) {
        uint16_t row = token.Word(1);
        uint16_t col = token.Word(3);
        if (!MoveBiffCell(row, col, colDelta, rowDelta)) {
            out[offset] = BiffPtgRefErr;
            return;
        }
        PutWord(out, offset + 1, row);
        PutWord(out, offset + 3, col);
    } else if (token.Id() == BiffPtgArea) {
        uint16_t row1 = token.Word(1);
        uint16_t row2 = token.Word(3);
        uint16_t col1 = token.Word(5);
        uint16_t col2 = token.Word(7);
        if (!MoveBiffCell(row1, col1, colDelta, rowDelta) || !MoveBiffCell(row2, col2, colDelta, rowDelta)) {
            out[offset] = BiffPtgAreaErr;
            return;
        }
        PutWord(out, offset + 1, row1);
        PutWord(out, offset + 3, row2);
        PutWord(out, offset + 5, col1);
        PutWord(out, offset + 7, col2);
    }
}

TXLSNameReferenceKind BiffNameReference(const TXc12Manager& manager, std::span<const uint8_t> ptgs,
                                        TXLSNameReference& reference) {
    const size_t start = ptgs[0] == ptgxBiff ? 1 : BiffBlockHeader;
    if (ptgs.size() <= start || (ptgs[start] != BiffPtgRef3d && ptgs[start] != BiffPtgArea3d)) {
        return xnrFormula;
    }
    const TExternalNames* names = manager.GetExternalNames();
    if (names == nullptr) {
        return xnrFormula;
    }
    const TXLSPtgToken token = ReadBiffPtgToken(ptgs.subspan(start));
    int32_t first = 0;
    int32_t last = 0;
    if (!names->GetExternSheetRange(token.Word(1), first, last)) {
        return xnrFormula;
    }
    reference.Sheet = first;
    const bool cell = token.Id() == BiffPtgRef3d;
    if (cell) {
        reference.Area = {token.Word(3), token.Word(3), token.Word(5), token.Word(5)};
    } else {
        reference.Area = {token.Word(3), token.Word(5), token.Word(7), token.Word(9)};
    }
    if (first >= BiffSheetLimit) {
        return xnrSheetError;
    }
    return cell ? xnrCell : xnrArea;
}

int32_t EncodeWith(TXc12Manager& manager, TXLSTokenizer& tokenizer, TXc12Tables* tables, rtl::UnicodeStringView text,
                   std::vector<uint8_t>& ptgs, int32_t sheetIndex) {
    tokenizer.SetText(text);
    const std::unique_ptr<TXLSTokenList> tokens = tokenizer.Tokenize();
    if (tokens == nullptr) {
        return 0;
    }
    TXLSFormulaEncoder encoder(manager);
    encoder.SetTables(tables);
    return encoder.Encode(*tokens, ptgs, sheetIndex);
}

// The compiled tokens of the cell that the token of ptgs (ptgxShared or ptgxExp) names; empty when that cell has no
// compiled formula.
std::span<const uint8_t> MasterPtgs(TXLSCellMMU* cells, std::span<const uint8_t> ptgs) {
    const TXLSPtgCell master = ReadPtgToken(ptgs).ColRowCell(1);
    if (cells == nullptr) {
        throw EXLSFormulaError(DecoderMessages::NoCells);
    }
    TXLSCellHandle handle;
    cells->FindCellRef(master.Col(), master.Row(), handle);
    if (ptgs[0] != ptgxShared && (handle.Data == nullptr || !cells->IsFormulaCompiled(handle))) {
        return {};
    }
    int32_t length = 0;
    const uint8_t* masterPtgs = cells->GetFormulaPtgs(handle, length);
    return {masterPtgs, static_cast<size_t>(length)};
}

} // namespace

TXLSFormulaHandler::TXLSFormulaHandler(TXc12Manager& manager)
    : FManager(manager), FTokenizer(*manager.Errors()), FDecoder(manager) {}

int32_t TXLSFormulaHandler::EncodeFormula(rtl::UnicodeStringView text, std::vector<uint8_t>& ptgs, int32_t sheetIndex) {
    return EncodeWith(FManager, FTokenizer, FTables, text, ptgs, sheetIndex);
}

int32_t TXLSFormulaHandler::TryEncodeFormula(rtl::UnicodeStringView text, std::vector<uint8_t>& ptgs,
                                             int32_t sheetIndex, rtl::UnicodeString& failure) {
    TXLSErrorManager& errors = *FManager.Errors();
    const bool muted = errors.Muted();
    errors.SetMuted(true);
    errors.SetLastError(0);
    failure.clear();
    int32_t length = 0;
    try {
        length = EncodeFormula(text, ptgs, sheetIndex);
    } catch (const rtl::Exception& error) {
        failure = error.Message();
    }
    errors.SetMuted(muted);
    if (failure.empty() && errors.LastError() != 0) {
        failure = errors.LastErrorText();
    }
    errors.SetLastError(0);
    return failure.empty() ? length : 0;
}

void TXLSFormulaHandler::DecodeFormula(TXLSCellMMU* cells, int32_t sheetIndex, rtl::UnicodeString& text,
                                       bool bookNumbers, std::span<const uint8_t> ptgs) {
    if (!ptgs.empty() && ptgs[0] == ptgxShared) {
        ptgs = MasterPtgs(cells, ptgs);
    } else if (!ptgs.empty() && ptgs[0] == ptgxExp && cells != nullptr && ptgs.size() == ReadPtgToken(ptgs).Size()) {
        // A member of an array formula read from a BIFF file shows the BIFF tokens of its master.
        const std::span<const uint8_t> master = MasterPtgs(cells, ptgs);
        if (!master.empty() && (master[0] == ptgxBiff || master[0] == ptgxBiffBlock)) {
            ptgs = master;
        }
    }
    if (!ptgs.empty() && (ptgs[0] == ptgxBiff || ptgs[0] == ptgxBiffBlock)) {
        if (FBIFFDecoder == nullptr) {
            throw EXLSFormulaError(DecoderMessages::NoBIFFDecoder);
        }
        FBIFFDecoder->DecodeBIFFFormula(ptgs.data(), static_cast<int32_t>(ptgs.size()), sheetIndex, text,
                                        XLSPlatform().GetListSeparator(), 0, 0);
        return;
    }
    FDecoder.Decode(cells, sheetIndex, text, bookNumbers, ptgs);
}

std::vector<uint8_t> TXLSFormulaHandler::TranslateRelativeRefs(std::span<const uint8_t> ptgs, int32_t colDelta,
                                                               int32_t rowDelta) {
    std::vector<uint8_t> out;
    out.reserve(ptgs.size());
    TXLSIteratePtgs walk(ptgs);
    while (walk.Next()) {
        const TXLSPtgToken token = walk.Current();
        const size_t offset = out.size();
        out.insert(out.end(), token.Bytes().begin(), token.Bytes().end());
        if (walk.IsBiff()) {
            MoveBiffReference(out, offset, token, colDelta, rowDelta);
        } else if (IsCellReference(token.Id()) || IsAreaReference(token.Id())) {
            MoveReference(out, offset, token, colDelta, rowDelta);
        }
    }
    return out;
}

void TXLSFormulaHandler::SetBIFFDecoder(TXLSBIFFFormulaDecoder* decoder) {
    FBIFFDecoder = decoder;
}

int32_t CompileFormula(TXc12Manager& manager, rtl::UnicodeStringView text, std::vector<uint8_t>& ptgs,
                       int32_t sheetIndex) {
    TXLSTokenizer tokenizer(*manager.Errors());
    return EncodeWith(manager, tokenizer, nullptr, text, ptgs, sheetIndex);
}

TXLSNameReferenceKind GetNameReference(const TXc12Manager& manager, std::span<const uint8_t> ptgs,
                                       TXLSNameReference& reference) {
    if (ptgs.empty()) {
        return xnrFormula;
    }
    if (ptgs.size() == 14 && ptgs[0] == ptgxArea3d) {
        const TXLSPtgToken token = ReadPtgToken(ptgs);
        reference = {token.Byte(13), token.Area(1)};
        return xnrArea;
    }
    if (ptgs.size() == 8 && ptgs[0] == ptgxRef3d) {
        const TXLSPtgToken token = ReadPtgToken(ptgs);
        reference = {token.Byte(7), MakePtgArea(token.Cell(1), token.Cell(1))};
        return xnrCell;
    }
    if (ptgs[0] == ptgxBiff || ptgs[0] == ptgxBiffBlock) {
        return BiffNameReference(manager, ptgs, reference);
    }
    return xnrFormula;
}

} // namespace xls
