#include "xls/core/cells/XLSCellMemory.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/cells/XLSPackedBytes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace xls {

namespace {

constexpr uint8_t SkipFlag = 0x80;
constexpr uint8_t FullSkip = SkipFlag + XLSMMUMaxRun;

[[noreturn]] void RaiseIndexOutOfRange() {
    throw rtl::Exception(MMUMessages::IndexOutOfRange);
}

// ceil(gap / 127): one byte per 127 columns and one for the rest.
int32_t SkipBytes(int32_t gap) {
    return (gap + XLSMMUMaxRun - 1) / XLSMMUMaxRun;
}

// Writes the skip bytes of gap columns; returns the address behind them.
uint8_t* WriteSkips(uint8_t* bytes, int32_t gap) {
    for (; gap >= XLSMMUMaxRun; gap -= XLSMMUMaxRun) {
        *bytes++ = FullSkip;
    }
    if (gap > 0) {
        *bytes++ = static_cast<uint8_t>(SkipFlag + gap);
    }
    return bytes;
}

int32_t ColumnCountOf(const uint8_t* vector) {
    return GetUInt16(vector);
}

// The size of the item at item: a skip byte, a variable-size cell or a run.
int32_t PackedItemSize(const uint8_t* item, const TXLSMMULayout& layout) {
    if ((item[0] & SkipFlag) != 0) {
        return 1;
    }
    const uint8_t type = item[1];
    if ((type & XLSMMUVariableType) != 0) {
        return GetUInt16(item + 2) + 4;
    }
    return item[0] * layout.TypeSize(type) + 2;
}

// The sum of a non-empty vector's leading skips; a vector never ends with a skip, so a cell follows them.
int32_t FirstColumnOf(const uint8_t* vector, const TXLSMMULayout& layout) {
    const uint8_t* item = vector + layout.ItemsStart();
    int32_t column = 0;
    for (; (*item & SkipFlag) != 0; ++item) {
        column += *item & XLSMMUMaxRun;
    }
    return column;
}

} // namespace

// TXLSMMULayout

void TXLSMMULayout::SetTypeSize(int32_t type, int32_t size) {
    if (type < 0 || type >= static_cast<int32_t>(FTypeSizes.size()) || size < 0 || size > XLSMMUMaxVarCellLength) {
        RaiseIndexOutOfRange();
    }
    FTypeSizes[type] = size;
}

void TXLSMMULayout::SetRowRecordDefaults(int32_t size, const uint8_t* bytes) {
    if (size < 0 || size > XLSMMUMaxRowRecordSize) {
        RaiseIndexOutOfRange();
    }
    FRowRecord.fill(0);
    std::memcpy(FRowRecord.data(), bytes, size);
    FRowRecordSize = size;
}

// TXLSMMUBlock

TXLSMMUBlock::TXLSMMUBlock() {
    FRowOffsets.fill(-1);
}

void TXLSMMUBlock::Resize(int64_t size) {
    constexpr int64_t limit = std::numeric_limits<int32_t>::max();
    if (size < 0 || size > limit) {
        throw rtl::EOutOfMemory(rtl::Format(MMUMessages::BlockTooLarge, {size}));
    }
    if (size > FCapacity) {
        // Doubling keeps a block filled row by row from being copied more than about twice its size; the spare goes
        // back when the writer moves on (ReleaseSpare).
        SetCapacity(std::min(limit, std::max(size + size / 8, int64_t{FCapacity} * 2)));
    }
    FSize = static_cast<int32_t>(size);
}

void TXLSMMUBlock::ReleaseSpare() {
    const int64_t kept = int64_t{FSize} + FSize / 8;
    if (FSize > 0 && FCapacity > kept) {
        SetCapacity(kept);
    }
}

void TXLSMMUBlock::SetCapacity(int64_t capacity) {
    void* memory = std::realloc(FMemory.get(), static_cast<size_t>(capacity));
    if (memory == nullptr) {
        throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
    }
    // realloc has freed the old memory or kept it as the new one.
    static_cast<void>(FMemory.release());
    FMemory.reset(static_cast<uint8_t*>(memory));
    FCapacity = static_cast<int32_t>(capacity);
}

// TXLSMMUVectorIterator

void TXLSMMUVectorIterator::Start(uint8_t* vector) {
    FVector = vector;
    FItem = nullptr;
}

void TXLSMMUVectorIterator::Restart() {
    FItem = FVector + FLayout.ItemsStart();
    FFirstColumn = 0;
    Decode();
}

void TXLSMMUVectorIterator::Decode() {
    const uint8_t first = FItem[0];
    FIsSkip = (first & SkipFlag) != 0;
    if (FIsSkip) {
        FColumnCount = first & XLSMMUMaxRun;
        return;
    }
    FType = FItem[1];
    FColumnCount = (FType & XLSMMUVariableType) != 0 ? 1 : first;
}

int32_t TXLSMMUVectorIterator::ItemSize() const {
    return PackedItemSize(FItem, FLayout);
}

uint8_t* TXLSMMUVectorIterator::Seek(int32_t& column) {
    if (FVector == nullptr || column < 0 || column >= ColumnCountOf(FVector)) {
        return nullptr;
    }
    if (FItem == nullptr || column < FFirstColumn) {
        Restart();
    }
    while (column >= FFirstColumn + FColumnCount) {
        FItem += ItemSize();
        FFirstColumn += FColumnCount;
        Decode();
    }
    if (FIsSkip) {
        column = FFirstColumn + FColumnCount - 1;
        return nullptr;
    }
    if ((FType & XLSMMUVariableType) != 0) {
        return FItem + 2;
    }
    return FItem + 2 + (column - FFirstColumn) * FLayout.TypeSize(FType);
}

uint8_t* TXLSMMUVectorIterator::SeekNext(int32_t& column) {
    if (FVector == nullptr) {
        return nullptr;
    }
    const int32_t count = ColumnCountOf(FVector);
    for (column = std::max(column, 0); column < count; ++column) {
        if (uint8_t* payload = Seek(column)) {
            return payload;
        }
    }
    return nullptr;
}

// TXLSMMURebuildVector

TXLSMMURebuildVector::TXLSMMURebuildVector(const TXLSMMULayout& layout) : FLayout(layout) {}

int32_t TXLSMMURebuildVector::Reserve(int32_t count) {
    // The work buffer grows in steps of 65535 bytes; rows rarely need more than the first step.
    constexpr size_t step = 65535;
    const int32_t offset = FWorkUsed;
    const size_t needed = static_cast<size_t>(offset) + static_cast<size_t>(count);
    if (needed > FWork.size()) {
        FWork.resize((needed + step - 1) / step * step);
    }
    std::memset(FWork.data() + offset, 0, count);
    FWorkUsed = static_cast<int32_t>(needed);
    return offset;
}

void TXLSMMURebuildVector::SetEntry(int32_t column, int32_t offset) {
    if (column < 0 || column >= XLSMMUMaxColumns) {
        RaiseIndexOutOfRange();
    }
    FEntries[column] = offset;
    FEntryCount = std::max(FEntryCount, column + 1);
}

void TXLSMMURebuildVector::Unpack(const uint8_t* vector) {
    if (FEntries.empty()) {
        FEntries.assign(XLSMMUMaxColumns, NoCell);
    }
    std::fill_n(FEntries.begin(), FEntryCount, NoCell);
    FEntryCount = 0;
    FWorkUsed = 0;
    std::memcpy(FRowRecord.data(), vector + XLSMMUVectorHeaderSize, FLayout.RowRecordSize());
    const int32_t count = ColumnCountOf(vector);
    const uint8_t* item = vector + FLayout.ItemsStart();
    for (int32_t column = 0; column < count; item += PackedItemSize(item, FLayout)) {
        if ((item[0] & SkipFlag) != 0) {
            column += item[0] & XLSMMUMaxRun;
            continue;
        }
        const uint8_t type = item[1];
        if ((type & XLSMMUVariableType) != 0) {
            const int32_t length = GetUInt16(item + 2);
            const int32_t offset = Reserve(length + 3);
            std::memcpy(FWork.data() + offset, item + 1, length + 3);
            SetEntry(column++, offset);
            continue;
        }
        const int32_t size = FLayout.TypeSize(type);
        for (int32_t i = 0; i < item[0]; ++i) {
            const int32_t offset = Reserve(size + 1);
            FWork[offset] = type;
            std::memcpy(FWork.data() + offset + 1, item + 2 + i * size, size);
            SetEntry(column++, offset);
        }
    }
}

void TXLSMMURebuildVector::SetCell(int32_t column, uint8_t type) {
    const int32_t offset = Reserve(FLayout.TypeSize(type) + 1);
    FWork[offset] = type;
    SetEntry(column, offset);
}

void TXLSMMURebuildVector::SetVarCell(int32_t column, uint8_t type, int32_t length) {
    if (length < 0 || length > XLSMMUMaxVarCellLength) {
        RaiseIndexOutOfRange();
    }
    const int32_t offset = Reserve(length + 3);
    FWork[offset] = type | XLSMMUVariableType;
    PutPacked<uint16_t>(FWork.data() + offset + 1, static_cast<uint16_t>(length));
    SetEntry(column, offset);
}

int32_t TXLSMMURebuildVector::UsedColumnCount() const {
    int32_t count = FEntryCount;
    while (count > 0 && FEntries[count - 1] == NoCell) {
        --count;
    }
    return count;
}

TXLSMMURebuildVector::TStretch TXLSMMURebuildVector::StretchAt(int32_t column, int32_t columnCount) const {
    const int32_t entry = FEntries[column];
    if (entry == NoCell) {
        int32_t end = column + 1;
        while (end < columnCount && FEntries[end] == NoCell) {
            ++end;
        }
        return {TStretch::TKind::Gap, end - column};
    }
    const uint8_t type = FWork[entry];
    if ((type & XLSMMUVariableType) != 0) {
        return {TStretch::TKind::Variable, 1};
    }
    int32_t end = column + 1;
    while (end < columnCount && end - column < XLSMMUMaxRun && FEntries[end] != NoCell &&
           FWork[FEntries[end]] == type) {
        ++end;
    }
    return {TStretch::TKind::Run, end - column};
}

int32_t TXLSMMURebuildVector::PackedSize() const {
    const int32_t count = UsedColumnCount();
    int64_t size = FLayout.ItemsStart();
    for (int32_t column = 0; column < count;) {
        const TStretch stretch = StretchAt(column, count);
        const uint8_t* cell = FWork.data() + FEntries[column];
        switch (stretch.Kind) {
        case TStretch::TKind::Gap:
            size += SkipBytes(stretch.Columns);
            break;
        case TStretch::TKind::Variable:
            size += GetUInt16(cell + 1) + 4;
            break;
        case TStretch::TKind::Run:
            size += int64_t{stretch.Columns} * FLayout.TypeSize(cell[0]) + 2;
            break;
        }
        column += stretch.Columns;
    }
    if (size > std::numeric_limits<int32_t>::max()) {
        throw rtl::EOutOfMemory(rtl::Format(MMUMessages::BlockTooLarge, {size}));
    }
    return static_cast<int32_t>(size);
}

int32_t TXLSMMURebuildVector::PackRun(int32_t column, int32_t count, int32_t wanted) {
    const uint8_t type = FWork[FEntries[column]];
    const int32_t size = FLayout.TypeSize(type);
    int32_t payload = -1;
    FPacked.push_back(static_cast<uint8_t>(count));
    FPacked.push_back(type);
    for (int32_t i = column; i < column + count; ++i) {
        if (i == wanted) {
            payload = static_cast<int32_t>(FPacked.size());
        }
        const uint8_t* cell = FWork.data() + FEntries[i] + 1;
        FPacked.insert(FPacked.end(), cell, cell + size);
    }
    return payload;
}

int32_t TXLSMMURebuildVector::Pack(int32_t column) {
    const int32_t count = UsedColumnCount();
    const int32_t itemsStart = FLayout.ItemsStart();
    FPacked.assign(itemsStart, 0);
    std::memcpy(FPacked.data() + XLSMMUVectorHeaderSize, FRowRecord.data(), FLayout.RowRecordSize());
    int32_t lastItem = itemsStart;
    int32_t payload = -1;
    for (int32_t first = 0; first < count;) {
        const TStretch stretch = StretchAt(first, count);
        const int32_t itemStart = static_cast<int32_t>(FPacked.size());
        if (stretch.Kind == TStretch::TKind::Gap) {
            FPacked.resize(itemStart + SkipBytes(stretch.Columns));
            WriteSkips(FPacked.data() + itemStart, stretch.Columns);
        } else if (stretch.Kind == TStretch::TKind::Variable) {
            const uint8_t* cell = FWork.data() + FEntries[first];
            FPacked.push_back(1);
            FPacked.insert(FPacked.end(), cell, cell + GetUInt16(cell + 1) + 3);
            payload = first == column ? itemStart + 2 : payload;
            lastItem = itemStart;
        } else {
            const int32_t found = PackRun(first, stretch.Columns, column);
            payload = found >= 0 ? found : payload;
            lastItem = itemStart;
        }
        first += stretch.Columns;
    }
    PutPacked<uint16_t>(FPacked.data(), static_cast<uint16_t>(count));
    PutPacked<int32_t>(FPacked.data() + 2, lastItem);
    return payload;
}

// TXLSMMUVectorManager

TXLSMMUVectorManager::TXLSMMUVectorManager(TXLSMMUBlockManager& blockManager, const TXLSMMULayout& layout)
    : FBlockManager(blockManager), FLayout(layout), FIterator(layout), FRebuild(layout) {}

void TXLSMMUVectorManager::SetVector(uint8_t* vector) {
    FVector = vector;
    FIterator.Start(vector);
}

int32_t TXLSMMUVectorManager::ColumnCount() const {
    return FVector != nullptr ? ColumnCountOf(FVector) : 0;
}

int32_t TXLSMMUVectorManager::LastItemOffset() const {
    return GetInt32(FVector + 2);
}

int32_t TXLSMMUVectorManager::ItemSizeAt(int32_t offset) const {
    return PackedItemSize(FVector + offset, FLayout);
}

int32_t TXLSMMUVectorManager::FirstColumn() const {
    return ColumnCount() > 0 ? FirstColumnOf(FVector, FLayout) : -1;
}

int32_t TXLSMMUVectorManager::LastColumn() const {
    return ColumnCount() - 1;
}

uint8_t* TXLSMMUVectorManager::FindCell(int32_t column, uint8_t& type) {
    uint8_t* payload = FIterator.Seek(column);
    type = payload != nullptr ? FIterator.Type() : 0;
    return payload;
}

uint8_t* TXLSMMUVectorManager::NextCell(int32_t& column, uint8_t& type) {
    uint8_t* payload = FIterator.SeekNext(column);
    type = payload != nullptr ? FIterator.Type() : 0;
    return payload;
}

void TXLSMMUVectorManager::WriteHeader(int32_t columnCount, int32_t lastItemOffset) {
    PutPacked<uint16_t>(FVector, static_cast<uint16_t>(columnCount));
    PutPacked<int32_t>(FVector + 2, lastItemOffset);
}

uint8_t* TXLSMMUVectorManager::WriteItem(int32_t offset, const TNewCell& cell) {
    uint8_t* item = FVector + offset;
    item[0] = 1;
    item[1] = cell.Type;
    uint8_t* payload = item + 2;
    if (cell.IsVariable()) {
        PutPacked<uint16_t>(payload, static_cast<uint16_t>(cell.PayloadSize));
        std::memset(payload + 2, 0, cell.PayloadSize);
    } else {
        std::memset(payload, 0, cell.PayloadSize);
    }
    return payload;
}

void TXLSMMUVectorManager::AddEmptyVector() {
    const int32_t size = FLayout.ItemsStart();
    FBlockManager.AppendVector(size);
    std::memcpy(FVector + XLSMMUVectorHeaderSize, FLayout.RowRecordDefaults(), FLayout.RowRecordSize());
    WriteHeader(0, size);
}

uint8_t* TXLSMMUVectorManager::AddCell(int32_t column, uint8_t type) {
    return AddItem(column, {static_cast<uint8_t>(type & ~XLSMMUVariableType), FLayout.TypeSize(type)});
}

uint8_t* TXLSMMUVectorManager::AddVarCell(int32_t column, int32_t length, uint8_t type) {
    if (length < 0 || length > XLSMMUMaxVarCellLength) {
        RaiseIndexOutOfRange();
    }
    return AddItem(column, {static_cast<uint8_t>(type | XLSMMUVariableType), length});
}

uint8_t* TXLSMMUVectorManager::AddItem(int32_t column, const TNewCell& cell) {
    if (column < 0 || column >= XLSMMUMaxColumns) {
        RaiseIndexOutOfRange();
    }
    const int32_t count = ColumnCount();
    uint8_t* payload = count == 0       ? NewVector(column, cell)
                       : column < count ? RebuildWith(column, cell)
                                        : AppendItem(column, cell);
    // The items changed under the iterator, even where the vector kept its place and size.
    FIterator.Start(FVector);
    return payload;
}

uint8_t* TXLSMMUVectorManager::NewVector(int32_t column, const TNewCell& cell) {
    const int32_t itemsStart = FLayout.ItemsStart();
    const int32_t item = itemsStart + SkipBytes(column);
    const int32_t size = item + cell.ItemSize();
    if (FVector == nullptr) {
        FBlockManager.AppendVector(size);
        std::memcpy(FVector + XLSMMUVectorHeaderSize, FLayout.RowRecordDefaults(), FLayout.RowRecordSize());
    } else {
        FBlockManager.ResizeVector(itemsStart, size);
    }
    WriteHeader(column + 1, item);
    WriteSkips(FVector + itemsStart, column);
    return WriteItem(item, cell);
}

uint8_t* TXLSMMUVectorManager::AppendItem(int32_t column, const TNewCell& cell) {
    const int32_t gap = column - ColumnCount();
    const int32_t lastItem = LastItemOffset();
    const int32_t end = lastItem + ItemSizeAt(lastItem);
    const uint8_t* last = FVector + lastItem;
    if (gap == 0 && !cell.IsVariable() && last[1] == cell.Type && last[0] < XLSMMUMaxRun) {
        FBlockManager.InsertSpace(end, cell.PayloadSize);
        ++FVector[lastItem];
        WriteHeader(column + 1, lastItem);
        std::memset(FVector + end, 0, cell.PayloadSize);
        return FVector + end;
    }
    const int32_t item = end + SkipBytes(gap);
    FBlockManager.InsertSpace(end, item - end + cell.ItemSize());
    WriteSkips(FVector + end, gap);
    WriteHeader(column + 1, item);
    return WriteItem(item, cell);
}

uint8_t* TXLSMMUVectorManager::RebuildWith(int32_t column, const TNewCell& cell) {
    FRebuild.Unpack(FVector);
    if (cell.IsVariable()) {
        FRebuild.SetVarCell(column, cell.Type, cell.PayloadSize);
    } else {
        FRebuild.SetCell(column, cell.Type);
    }
    const int32_t size = FRebuild.PackedSize();
    const int32_t payload = FRebuild.Pack(column);
    // Checked before the block changes, so that a fault here leaves the row as it was.
    if (static_cast<int64_t>(FRebuild.Packed().size()) != size || payload < 0) {
        throw rtl::Exception(MMUMessages::RebuildMemError);
    }
    const int32_t lastItem = LastItemOffset();
    FBlockManager.ResizeVector(lastItem + ItemSizeAt(lastItem), size);
    std::memcpy(FVector, FRebuild.Packed().data(), size);
    return FVector + payload;
}

// TXLSMMUBlockManager

TXLSMMUBlockManager::TXLSMMUBlockManager(const TXLSMMULayout& layout) : FVectorManager(*this, layout) {}

void TXLSMMUBlockManager::SetBlock(TXLSMMUBlock* block) {
    if (block == FBlock) {
        return;
    }
    FBlock = block;
    FRow = -1;
    FVectorManager.SetVector(nullptr);
}

void TXLSMMUBlockManager::RefreshVector() {
    const int32_t offset = FRow >= 0 ? FBlock->RowOffset(FRow) : -1;
    FVectorManager.SetVector(offset >= 0 ? FBlock->Memory() + offset : nullptr);
}

void TXLSMMUBlockManager::SelectRow(int32_t slot) {
    if (slot == FRow) {
        return;
    }
    if (slot < 0 || slot >= XLSMMUBlockRows) {
        RaiseIndexOutOfRange();
    }
    FRow = slot;
    RefreshVector();
}

uint8_t* TXLSMMUBlockManager::RowVector(int32_t slot) {
    SelectRow(slot);
    return FVectorManager.Vector();
}

uint8_t* TXLSMMUBlockManager::GetRowRecord(int32_t slot) {
    uint8_t* vector = RowVector(slot);
    return vector != nullptr ? vector + XLSMMUVectorHeaderSize : nullptr;
}

uint8_t* TXLSMMUBlockManager::GetOrAddRowRecord(int32_t slot) {
    if (RowVector(slot) == nullptr) {
        FVectorManager.AddEmptyVector();
    }
    return FVectorManager.Vector() + XLSMMUVectorHeaderSize;
}

uint8_t* TXLSMMUBlockManager::FindCell(int32_t slot, int32_t column, uint8_t& type) {
    SelectRow(slot);
    return FVectorManager.FindCell(column, type);
}

uint8_t* TXLSMMUBlockManager::NextRow(int32_t& slot) {
    for (int32_t s = std::max(slot, 0); s < XLSMMUBlockRows; ++s) {
        if (FBlock->RowOffset(s) >= 0) {
            slot = s;
            return RowVector(s);
        }
    }
    slot = -1;
    return nullptr;
}

uint8_t* TXLSMMUBlockManager::NextCell(int32_t& column, uint8_t& type) {
    return FVectorManager.NextCell(column, type);
}

uint8_t* TXLSMMUBlockManager::AddCell(int32_t slot, int32_t column, uint8_t type) {
    SelectRow(slot);
    return FVectorManager.AddCell(column, type);
}

uint8_t* TXLSMMUBlockManager::AddVarCell(int32_t slot, int32_t column, int32_t length, uint8_t type) {
    SelectRow(slot);
    return FVectorManager.AddVarCell(column, length, type);
}

TXLSCellAreaRec TXLSMMUBlockManager::GetBlockArea() {
    TXLSCellAreaRec area{2147483647, -2147483646, 2147483647, -2147483646};
    for (int32_t slot = 0; slot < XLSMMUBlockRows; ++slot) {
        uint8_t* vector = RowVector(slot);
        if (vector == nullptr) {
            continue;
        }
        area.Row1 = std::min(area.Row1, slot);
        area.Row2 = std::max(area.Row2, slot);
        if (FVectorManager.LastColumn() >= 0) {
            area.Col1 = std::min(area.Col1, FVectorManager.FirstColumn());
            area.Col2 = std::max(area.Col2, FVectorManager.LastColumn());
        }
    }
    return area;
}

uint8_t* TXLSMMUBlockManager::AppendVector(int32_t size) {
    const int32_t offset = FBlock->Size();
    FBlock->Resize(int64_t{offset} + size);
    FBlock->SetRowOffset(FRow, offset);
    RefreshVector();
    return FVectorManager.Vector();
}

void TXLSMMUBlockManager::InsertSpace(int32_t position, int32_t count) {
    ResizeVector(position, position + count);
}

void TXLSMMUBlockManager::ResizeVector(int32_t oldEnd, int32_t newEnd) {
    const int32_t delta = newEnd - oldEnd;
    if (delta == 0) {
        return;
    }
    const int32_t rowOffset = FBlock->RowOffset(FRow);
    const int32_t from = rowOffset + oldEnd;
    const int32_t tail = FBlock->Size() - from;
    const int64_t newSize = int64_t{FBlock->Size()} + delta;
    if (delta > 0) {
        FBlock->Resize(newSize);
    }
    std::memmove(FBlock->Memory() + from + delta, FBlock->Memory() + from, tail);
    if (delta < 0) {
        FBlock->Resize(newSize);
    }
    if (tail > 0) {
        for (int32_t slot = 0; slot < XLSMMUBlockRows; ++slot) {
            if (FBlock->RowOffset(slot) > rowOffset) {
                FBlock->SetRowOffset(slot, FBlock->RowOffset(slot) + delta);
            }
        }
    }
    RefreshVector();
}

} // namespace xls
