#pragma once
// The cell store of one worksheet: every cell's value, cell format (XF index) and, for formulas, the formula and its
// cached result, packed into the row vectors of the cell memory, plus one row record per row. Text cells refer to the
// shared-string table by index. Every cell and row record holds one use of its XF in the style sheet, and every text
// cell one reference to its string: writing a cell takes them, overwriting a cell gives back what the old one held.
//
// Each cell carries a type byte: bits 0-4 the code below, 0x40 a uint16 XF index in front of the value, 0x80 a
// variable-size (formula) cell. Numbers are kept in the smallest form that gives them back exactly.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellMemory.h"
#include "xls/core/cells/XLSCellUses.h"
#include "xls/core/cells/XLSFormulaHelper.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

// The fixed texts of the cell store's failures.
namespace CellMMUMessages {
inline constexpr char16_t InvalidXLateCode[] = u"Invalid XLate code";
inline constexpr char16_t InvalidXLate[] = u"Invalid XLate";
inline constexpr char16_t InvalidFormulaCellType[] = u"Invalid formula cell type";
inline constexpr char16_t FormulaNotCompiled[] = u"Formula is not compiled";
inline constexpr char16_t FormulaCompiled[] = u"Formula is compiled";
inline constexpr char16_t InvalidFormula[] = u"Invalid formula";
inline constexpr char16_t InvalidStoredFormula[] = u"Invalid stored formula";
inline constexpr char16_t CellNotFormula[] = u"Cell is not formula";
inline constexpr char16_t InvalidColumn[] = u"Invalid cell column %d";
inline constexpr char16_t InvalidRow[] = u"Invalid cell row %d";
inline constexpr char16_t InvalidXF[] = u"Invalid cell format index %d";
inline constexpr char16_t FormulaTooLarge[] = u"Formula cell too large (%d bytes)";
} // namespace CellMMUMessages

// Cell type codes.
inline constexpr uint8_t XLSCellBlank = 1;
inline constexpr uint8_t XLSCellInt8 = 2;
inline constexpr uint8_t XLSCellInt16 = 3;
inline constexpr uint8_t XLSCellInt32 = 4;
inline constexpr uint8_t XLSCellHundredths = 5;
inline constexpr uint8_t XLSCellTenThousandths = 6;
inline constexpr uint8_t XLSCellSingle = 7;
inline constexpr uint8_t XLSCellDouble = 8;
inline constexpr uint8_t XLSCellSST16 = 9;
inline constexpr uint8_t XLSCellSST32 = 10;
inline constexpr uint8_t XLSCellBoolean = 11;
inline constexpr uint8_t XLSCellError = 12;
inline constexpr uint8_t XLSCellFloatFormula = 20;
inline constexpr uint8_t XLSCellStringFormula = 21;
inline constexpr uint8_t XLSCellBooleanFormula = 22;
inline constexpr uint8_t XLSCellErrorFormula = 23;
inline constexpr uint8_t XLSCellCodeMask = 0x1F;
inline constexpr uint8_t XLSCellHasXF = 0x40;

// Cell kinds, as the worksheet reports them.
inline constexpr int32_t XLSKindNone = 0;
inline constexpr int32_t XLSKindBlank = 1;
inline constexpr int32_t XLSKindBoolean = 2;
inline constexpr int32_t XLSKindError = 3;
inline constexpr int32_t XLSKindString = 4;
inline constexpr int32_t XLSKindFloat = 5;

// Row flags.
inline constexpr uint8_t XLSRowHidden = 1;
inline constexpr uint8_t XLSRowCustomHeight = 2;
inline constexpr uint8_t XLSRowCollapsed = 4;
inline constexpr uint8_t XLSRowThickTop = 8;
inline constexpr uint8_t XLSRowThickBottom = 16;
inline constexpr uint8_t XLSRowPhonetic = 32;

// What a lookup finds: the type byte as stored and the address of the cell's data (its payload, or the length of a
// formula cell); Data is nullptr when there is no cell. Valid until the next change of the cell's block of rows.
struct TXLSCellHandle {
    int32_t CellType = 0;
    uint8_t* Data = nullptr;
};

// The row record of a row in the store: flags, row format, outline level and height in twentieths of a point (-1
// when the row has no height of its own). Its XF changes only through TXLSCellMMU::SetRowFormat, which keeps the use
// counts.
class TXLSRowRecord {
public:
    static constexpr int32_t Size = 6;
    static constexpr int16_t DefaultHeight = 300;

    explicit TXLSRowRecord(uint8_t* data = nullptr) : FData(data) {}
    explicit operator bool() const { return FData != nullptr; }

    uint8_t Flags() const { return FData[0]; }
    void SetFlags(uint8_t flags) { FData[0] = flags; }
    int32_t XF() const;
    uint8_t OutlineLevel() const { return FData[3]; }
    void SetOutlineLevel(uint8_t level) { FData[3] = level; }
    int16_t Height() const;
    void SetHeight(int16_t height);

private:
    uint8_t* FData;
};

// The cells of one worksheet.
class TXLSCellMMU {
public:
    // formats and strings (the workbook's style sheet and shared strings) are not owned and must outlive the store.
    TXLSCellMMU(int32_t sheetIndex, TXLSCellFormatUses& formats, TXLSCellStrings& strings);
    TXLSCellMMU(const TXLSCellMMU&) = delete;
    TXLSCellMMU& operator=(const TXLSCellMMU&) = delete;
    ~TXLSCellMMU();

    // Frees every row; uses and references the cells held are not given back (the style sheet and the string table
    // are emptied with the store).
    void Clear();

    // Writing: column and row within the sheet (else an error naming the bad value); XF 0 means no XF field. Each
    // replaces whatever cell was at the position.
    void StoreBlank(int32_t col, int32_t row, int32_t xf);
    void StoreBoolean(int32_t col, int32_t row, int32_t xf, bool value);
    // errorIndex 0..8, the position in XLSErrorTexts; another raises "Invalid error value".
    void StoreError(int32_t col, int32_t row, int32_t xf, int32_t errorIndex);
    void StoreFloat(int32_t col, int32_t row, int32_t xf, double value);
    // Takes one reference to the string; an index outside the table or of a freed string raises.
    void StoreSSTIndex(int32_t col, int32_t row, int32_t xf, int32_t index);
    void StoreString(int32_t col, int32_t row, rtl::UnicodeStringView text, int32_t xf);
    // Writes the cell the formula helper holds. A result kind other than 6-9 raises "Invalid formula cell type", a
    // cell of more than 65535 bytes "Formula cell too large".
    void StoreFormula();
    // Gives the row the default row record with format xf; the caller then sets height, flags and outline level.
    TXLSRowRecord SetRowFormat(int32_t row, int32_t xf);
    // Changes the XF of the cell at the position, keeping its value; nothing without a cell.
    void SetCellXF(int32_t col, int32_t row, int32_t xf);
    // Makes the position hold text: a text cell changes its string, a formula cell its string result, any other
    // position becomes a text cell with its own XF (defaultXF where it has none).
    void SetString(int32_t col, int32_t row, rtl::UnicodeStringView text, int32_t defaultXF);
    // A new string result for the formula cell at the position; raises "Cell is not formula" without one.
    void SetFormulaStringResult(int32_t col, int32_t row, rtl::UnicodeStringView text);

    // Reading.
    bool FindCell(int32_t col, int32_t row, TXLSCellHandle& handle);
    void FindCellRef(int32_t col, int32_t row, TXLSCellHandle& handle) {
        static_cast<void>(FindCell(col, row, handle));
    }
    TXLSRowRecord GetRowRecord(int32_t row);
    // The kind of a type byte; an unknown code raises "Invalid XLate code".
    static int32_t CellKind(int32_t cellType);
    // XLSKindNone without a cell.
    int32_t GetKind(const TXLSCellHandle& handle) const;
    int32_t GetXF(const TXLSCellHandle& handle) const;
    double GetFloat(const TXLSCellHandle& handle) const;
    bool GetBoolean(const TXLSCellHandle& handle) const;
    int32_t GetError(const TXLSCellHandle& handle) const;
    rtl::UnicodeString GetString(const TXLSCellHandle& handle) const;
    int32_t GetSSTIndex(const TXLSCellHandle& handle) const;
    double GetFormulaFloatResult(const TXLSCellHandle& handle) const;
    rtl::UnicodeString GetFormulaStringResult(const TXLSCellHandle& handle) const;
    bool GetFormulaBoolResult(const TXLSCellHandle& handle) const;
    int32_t GetFormulaErrorResult(const TXLSCellHandle& handle) const;
    // The formula as text; empty for a position without a formula cell. A compiled formula raises "Formula is
    // compiled".
    rtl::UnicodeString GetFormulaText(const TXLSCellHandle& handle) const;
    bool IsFormulaCompiled(const TXLSCellHandle& handle) const;
    // The compiled tokens and their length; raises "Formula is not compiled" for anything else.
    const uint8_t* GetFormulaPtgs(const TXLSCellHandle& handle, int32_t& length) const;
    // Fills the formula helper from the formula cell; raises "Cell is not formula" for another cell.
    void LoadFormula(const TXLSCellHandle& handle);
    // Computes the used area, kept in Dimension until the next change. All 0 when no row holds a cell.
    void CalcDimension();
    const TXLSCellAreaRec& Dimension() const { return FDimension; }
    // The code (2..8) of the smallest form that gives value back exactly, and that form's bytes.
    static uint8_t CompactNumber(double value, std::array<uint8_t, 8>& bytes);

    // Iteration: rows that have a row vector, in order, and the cells of the current row.
    bool BeginIterate(int32_t row);
    bool NextRow();
    // The next cell of the current row; false at its end (it never moves to another row).
    bool NextCell();
    int32_t LastRow() const;
    int32_t IterCol() const { return FIterCol; }
    int32_t IterRow() const { return FIterRow; }
    const TXLSCellHandle& IterCell() const { return FIterCell; }
    TXLSRowRecord IterRowRecord() const { return FIterRowRecord; }

    TXLSFormulaHelper& FormulaHelper() { return FFormulaHelper; }
    int32_t SheetIndex() const { return FSheetIndex; }
    // Bytes held by the rows: block memory with its spare room and the block records.
    int64_t MemorySize() const;

private:
    // The uses a stored cell holds.
    struct TCellUses {
        bool Present = false;
        int32_t XF = 0;
        int32_t SSTIndex = -1;
    };

    static const TXLSMMULayout& Layout();
    static void CheckCell(int32_t col, int32_t row);
    static void CheckXF(int32_t xf);
    // The block of row, made current; blocks up to it are created.
    void MakeBlockCurrent(int32_t row);
    // The block of row made current when it exists.
    bool SelectBlock(int32_t row);
    bool HasRows(size_t block) const;
    TCellUses UsesOf(const TXLSCellHandle& handle) const;
    void ReleaseUses(const TCellUses& uses);
    // Adds a cell of type (variable-size with length when length >= 0): takes the XF's use (and a reference to
    // string sstIndex when not -1) and gives back the overwritten cell's uses; returns the cell's data address.
    uint8_t* AddCellData(int32_t col, int32_t row, int32_t xf, uint8_t type, int32_t length, int32_t sstIndex);
    // AddCellData for a fixed-size cell of code; writes the XF field and returns the value's address.
    uint8_t* StoreFixed(int32_t col, int32_t row, int32_t xf, uint8_t code, int32_t sstIndex);
    void WriteFormulaPayload(uint8_t* payload, int32_t length) const;
    void RewriteWithXF(int32_t col, int32_t row, const TXLSCellHandle& handle, int32_t xf);
    void UseXF(int32_t xf);
    void ReleaseXF(int32_t xf);

    int32_t FSheetIndex;
    TXLSCellFormatUses* FFormats; // not owned
    TXLSCellStrings* FSST;        // not owned
    // By row / 256; a block no row has reached yet is nullptr, so that one cell far down costs no block records.
    std::vector<std::unique_ptr<TXLSMMUBlock>> FBlocks;
    // The block cells were last written to: it gives back its spare when writing moves to another one.
    size_t FWrittenBlock = 0;
    TXLSMMUBlockManager FBlockManager;
    TXLSCellAreaRec FDimension;
    TXLSFormulaHelper FFormulaHelper;
    int32_t FIterCol = -1;
    int32_t FIterRow = -1;
    int32_t FIterLastRow = -1;
    TXLSRowRecord FIterRowRecord;
    TXLSCellHandle FIterCell;
};

} // namespace xls
