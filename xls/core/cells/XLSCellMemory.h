#pragma once
// The packed memory under a worksheet's cell store. Rows are grouped in blocks of 256; each present row is one byte
// vector in its block's memory holding a header, the row record and the row's cells in column order:
//   uint16 column count (last column with a cell + 1), int32 offset of the last item, the row record, then items:
//   0x80 + n           a gap of n columns (n = 1..127)
//   c, t, c payloads   a run of c cells of type t (c = 1..127, bit 7 of t clear), S(t) bytes each
//   1, 0x80 + t, L, L bytes   one variable-size cell with a uint16 length
// These classes know only each type byte's payload size and the row record's default bytes, never what a cell means.
// Payload addresses they hand out stay valid until the next change of the same block; a write that moves on to
// another block changes the one before when it gives back its spare.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/base/Xc12Utils5.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace xls {

inline constexpr int32_t XLSMMUBlockRows = 256;
// Columns 0..16383 of a sheet; the packed layer refuses any other.
inline constexpr int32_t XLSMMUMaxColumns = XLSMaxCol + 1;
// Cells in one run, and columns in one skip byte.
inline constexpr int32_t XLSMMUMaxRun = 127;
// Column count and last-item offset in front of the row record.
inline constexpr int32_t XLSMMUVectorHeaderSize = 6;
inline constexpr int32_t XLSMMUMaxRowRecordSize = 32;
inline constexpr uint8_t XLSMMUVariableType = 0x80;
// The largest payload a variable-size cell can have: its length is 16-bit.
inline constexpr int32_t XLSMMUMaxVarCellLength = 0xFFFF;

// The fixed texts of the packed memory's failures.
namespace MMUMessages {
inline constexpr char16_t RebuildMemError[] = u"Rebuild ex mem error";
inline constexpr char16_t IndexOutOfRange[] = u"Index out of range";
inline constexpr char16_t BlockTooLarge[] = u"Cell block too large (%d bytes)";
} // namespace MMUMessages

// The payload size of every type byte and the row record each new row starts with: what the packed rows need to
// know about the cells they hold.
class TXLSMMULayout {
public:
    // A type outside 0..255 or a size outside 0..65535 raises "Index out of range".
    void SetTypeSize(int32_t type, int32_t size);
    int32_t TypeSize(uint8_t type) const { return FTypeSizes[type]; }
    // size bytes (at most XLSMMUMaxRowRecordSize, else "Index out of range") become the default row record.
    void SetRowRecordDefaults(int32_t size, const uint8_t* bytes);
    int32_t RowRecordSize() const { return FRowRecordSize; }
    const uint8_t* RowRecordDefaults() const { return FRowRecord.data(); }
    // Where the items of a vector begin: behind the header and the row record.
    int32_t ItemsStart() const { return XLSMMUVectorHeaderSize + FRowRecordSize; }

private:
    std::array<int32_t, 256> FTypeSizes{};
    std::array<uint8_t, XLSMMUMaxRowRecordSize> FRowRecord{};
    int32_t FRowRecordSize = 0;
};

// The memory of one block of 256 rows. Vectors lie back to back in the order they were made; the row offsets say which
// vector is which row's (-1: the row is absent). The memory keeps a little spare room so that appending a cell does
// not move the whole block each time.
class TXLSMMUBlock {
public:
    TXLSMMUBlock();

    int32_t Size() const { return FSize; }
    // Bytes allocated, Size included.
    int32_t Capacity() const { return FCapacity; }
    uint8_t* Memory() const { return FMemory.get(); }
    int32_t RowOffset(int32_t slot) const { return FRowOffsets[slot]; }
    void SetRowOffset(int32_t slot, int32_t offset) { FRowOffsets[slot] = offset; }
    // Sets the size, reallocating when the capacity does not suffice; a size beyond 32 bits raises
    // "Cell block too large". The memory may move.
    void Resize(int64_t size);
    // Gives back what growing left beyond an eighth spare, once the block is no longer written to. The memory may move.
    void ReleaseSpare();

private:
    // The memory comes from realloc, so that growing it can keep it in place.
    struct TFreeMemory {
        void operator()(uint8_t* memory) const { std::free(memory); }
    };

    void SetCapacity(int64_t capacity);

    int32_t FSize = 0;
    int32_t FCapacity = 0;
    std::unique_ptr<uint8_t, TFreeMemory> FMemory;
    std::array<int32_t, XLSMMUBlockRows> FRowOffsets;
};

// A position inside a row vector, kept between lookups so that a forward scan resumes at the item where the last
// lookup stopped instead of at the row's start.
class TXLSMMUVectorIterator {
public:
    explicit TXLSMMUVectorIterator(const TXLSMMULayout& layout) : FLayout(layout) {}

    void Start(uint8_t* vector);
    // The cell at column: its payload address (the length's address for a variable-size cell) and type byte, or
    // nullptr. A column inside a gap moves to the gap's last column.
    uint8_t* Seek(int32_t& column);
    // The first cell at or after column, with column moved onto it; nullptr when none follows.
    uint8_t* SeekNext(int32_t& column);
    // The type byte of the cell the last successful Seek found.
    uint8_t Type() const { return FType; }

private:
    void Restart();
    void Decode();
    int32_t ItemSize() const;

    const TXLSMMULayout& FLayout;
    uint8_t* FVector = nullptr;
    uint8_t* FItem = nullptr;
    int32_t FFirstColumn = 0;
    int32_t FColumnCount = 0;
    bool FIsSkip = false;
    uint8_t FType = 0;
};

// A row unpacked into one entry per column, so that a cell can be put before the row's end; packing it again gives
// the whole vector.
class TXLSMMURebuildVector {
public:
    explicit TXLSMMURebuildVector(const TXLSMMULayout& layout);

    void Unpack(const uint8_t* vector);
    // Puts a fresh cell, with a zeroed payload, into a column, dropping what was there. A column outside the sheet
    // raises "Index out of range".
    void SetCell(int32_t column, uint8_t type);
    void SetVarCell(int32_t column, uint8_t type, int32_t length);
    // The size of the packed vector, computed from the column entries.
    int32_t PackedSize() const;
    // Packs the row into Packed(); returns the offset of column's payload (of its length for a variable-size cell).
    int32_t Pack(int32_t column);
    const std::vector<uint8_t>& Packed() const { return FPacked; }

private:
    // A stretch of columns that packs into items of one kind: a gap, one variable-size cell, or equal fixed-size
    // cells.
    struct TStretch {
        enum class TKind : uint8_t { Gap, Variable, Run } Kind;
        int32_t Columns;
    };
    static constexpr int32_t NoCell = 2147483647;

    // Reserves count bytes of the work buffer; returns their offset.
    int32_t Reserve(int32_t count);
    void SetEntry(int32_t column, int32_t offset);
    int32_t UsedColumnCount() const;
    TStretch StretchAt(int32_t column, int32_t columnCount) const;
    int32_t PackRun(int32_t column, int32_t count, int32_t wanted);

    const TXLSMMULayout& FLayout;
    std::array<uint8_t, XLSMMUMaxRowRecordSize> FRowRecord{};
    std::vector<uint8_t> FWork;
    int32_t FWorkUsed = 0;
    std::vector<int32_t> FEntries;
    int32_t FEntryCount = 0;
    std::vector<uint8_t> FPacked;
};

class TXLSMMUBlockManager;

// The current row's vector: appending cells to it, its first and last column, finding cells in it.
class TXLSMMUVectorManager {
public:
    TXLSMMUVectorManager(TXLSMMUBlockManager& blockManager, const TXLSMMULayout& layout);

    // Makes vector current (nullptr: none) and restarts the iterator on it.
    void SetVector(uint8_t* vector);
    uint8_t* Vector() const { return FVector; }
    // The address of type's S(type) payload bytes of a fresh cell at column, which the caller fills.
    uint8_t* AddCell(int32_t column, uint8_t type);
    // The address of the uint16 length (already length) of a fresh variable-size cell; its bytes follow.
    uint8_t* AddVarCell(int32_t column, int32_t length, uint8_t type);
    // Appends an empty vector (header and default row record) for the current row, which must be absent.
    void AddEmptyVector();
    // The first column holding a cell, -1 for an empty row.
    int32_t FirstColumn() const;
    // Column count - 1: -1 for an empty row.
    int32_t LastColumn() const;
    uint8_t* FindCell(int32_t column, uint8_t& type);
    uint8_t* NextCell(int32_t& column, uint8_t& type);

private:
    // What a new cell adds: its type byte (with 0x80 for a variable-size cell) and its payload bytes.
    struct TNewCell {
        uint8_t Type;
        int32_t PayloadSize;
        bool IsVariable() const { return (Type & XLSMMUVariableType) != 0; }
        int32_t ItemSize() const { return IsVariable() ? PayloadSize + 4 : PayloadSize + 2; }
    };

    uint8_t* AddItem(int32_t column, const TNewCell& cell);
    uint8_t* NewVector(int32_t column, const TNewCell& cell);
    uint8_t* AppendItem(int32_t column, const TNewCell& cell);
    uint8_t* RebuildWith(int32_t column, const TNewCell& cell);
    int32_t ColumnCount() const;
    int32_t LastItemOffset() const;
    int32_t ItemSizeAt(int32_t offset) const;
    void WriteHeader(int32_t columnCount, int32_t lastItemOffset);
    // Writes the item header at offset (and the length of a variable-size cell); returns the payload address.
    uint8_t* WriteItem(int32_t offset, const TNewCell& cell);

    TXLSMMUBlockManager& FBlockManager;
    const TXLSMMULayout& FLayout;
    uint8_t* FVector = nullptr;
    TXLSMMUVectorIterator FIterator;
    TXLSMMURebuildVector FRebuild;
};

// Works on one block at a time: its current row, that row's vector, and the memory moves that changes need.
class TXLSMMUBlockManager {
public:
    explicit TXLSMMUBlockManager(const TXLSMMULayout& layout);

    // Makes block current (nullptr: none); no row is current afterwards, unless block already was.
    void SetBlock(TXLSMMUBlock* block);
    // Makes slot current; its vector (when present) becomes the current vector.
    void SelectRow(int32_t slot);
    uint8_t* RowVector(int32_t slot);
    uint8_t* GetRowRecord(int32_t slot);
    uint8_t* GetOrAddRowRecord(int32_t slot);
    uint8_t* FindCell(int32_t slot, int32_t column, uint8_t& type);
    // From slot on, the first present row becomes current: its vector, slot updated; nullptr with slot -1 when none.
    uint8_t* NextRow(int32_t& slot);
    // The first cell at or after column in the current row, column updated; nullptr when none follows.
    uint8_t* NextCell(int32_t& column, uint8_t& type);
    uint8_t* AddCell(int32_t slot, int32_t column, uint8_t type);
    uint8_t* AddVarCell(int32_t slot, int32_t column, int32_t length, uint8_t type);
    // Over the present rows: the first and last slot and the smallest first and largest last column of the rows that
    // hold cells. Values nothing sets stay at 2147483647 (Row1, Col1) and -2147483646 (Row2, Col2).
    TXLSCellAreaRec GetBlockArea();

    // Memory moves, relative to the current vector. AppendVector makes a vector of size bytes at the block's end the
    // current row's; ResizeVector moves what lies behind oldEnd to newEnd and shifts the offsets of the rows stored
    // there; InsertSpace opens count bytes at position.
    uint8_t* AppendVector(int32_t size);
    void InsertSpace(int32_t position, int32_t count);
    void ResizeVector(int32_t oldEnd, int32_t newEnd);

    TXLSMMUVectorManager& VectorManager() { return FVectorManager; }

private:
    void RefreshVector();

    TXLSMMUBlock* FBlock = nullptr;
    int32_t FRow = -1;
    TXLSMMUVectorManager FVectorManager;
};

} // namespace xls
