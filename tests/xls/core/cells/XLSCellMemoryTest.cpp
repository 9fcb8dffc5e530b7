#include "xls/core/cells/XLSCellMemory.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "xls/core/cells/XLSPackedBytes.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace xls {
namespace {

using TBytes = std::vector<uint8_t>;

// Fixed-size types of 1, 2 and 2 payload bytes and a variable-size one.
constexpr uint8_t TypeA = 1;
constexpr uint8_t TypeB = 2;
constexpr uint8_t TypeC = 4;
constexpr uint8_t TypeVar = 3;
constexpr uint8_t VarA = TypeVar | XLSMMUVariableType;
constexpr int32_t VarLength = 3;

TBytes operator+(TBytes a, const TBytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The run payloads of cells whose markers are first..last: one byte each for type A.
TBytes Markers(int32_t first, int32_t last) {
    TBytes bytes;
    for (int32_t marker = first; marker <= last; ++marker) {
        bytes.push_back(static_cast<uint8_t>(marker));
    }
    return bytes;
}

// One block with its manager, on a layout with a 6-byte row record.
class TMemory {
public:
    TMemory() {
        FLayout.SetTypeSize(TypeA, 1);
        FLayout.SetTypeSize(TypeB, 2);
        FLayout.SetTypeSize(TypeC, 2);
        const uint8_t record[6] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
        FLayout.SetRowRecordDefaults(6, record);
        FManager.SetBlock(&FBlock);
    }

    // Adds a cell whose payload starts with marker (a variable-size cell's payload is marker, marker + 1, ...).
    void Add(int32_t slot, int32_t column, uint8_t type, uint8_t marker) {
        if ((type & XLSMMUVariableType) != 0) {
            uint8_t* length = FManager.AddVarCell(slot, column, VarLength, type & ~XLSMMUVariableType);
            ASSERT_EQ(GetUInt16(length), VarLength);
            for (int32_t i = 0; i < VarLength; ++i) {
                length[2 + i] = static_cast<uint8_t>(marker + i);
            }
            return;
        }
        FManager.AddCell(slot, column, type)[0] = marker;
    }

    // The items of a row, checked against its header: the last-item offset points at the last item and the items
    // end where the vector ends.
    TBytes Items(int32_t slot) {
        const uint8_t* vector = FManager.RowVector(slot);
        EXPECT_NE(vector, nullptr);
        const int32_t start = FLayout.ItemsStart();
        const int32_t count = GetUInt16(vector);
        int32_t position = start;
        int32_t last = start;
        for (int32_t column = 0; column < count;) {
            const uint8_t first = vector[position];
            last = position;
            if ((first & 0x80) != 0) {
                column += first & 0x7F;
                position += 1;
            } else if ((vector[position + 1] & 0x80) != 0) {
                column += 1;
                position += GetUInt16(vector + position + 2) + 4;
            } else {
                column += first;
                position += first * FLayout.TypeSize(vector[position + 1]) + 2;
            }
        }
        EXPECT_EQ(GetInt32(vector + 2), last);
        return TBytes(vector + start, vector + position);
    }

    TXLSMMULayout FLayout;
    TXLSMMUBlock FBlock;
    TXLSMMUBlockManager FManager{FLayout};
};

struct TCellOp {
    int32_t Column;
    uint8_t Type;
    uint8_t Marker;
};

TEST(XLSCellMemory, PacksRowsAsItems) {
    const TBytes a127 = TBytes{0x7F, TypeA} + Markers(0, 126);
    const struct {
        const char* Name;
        std::vector<TCellOp> Ops;
        TBytes Expected;
    } cases[] = {
        {"gap of 127 columns", {{127, TypeA, 9}}, {0xFF, 0x01, TypeA, 9}},
        {"gap of 128 columns", {{128, TypeA, 9}}, {0xFF, 0x81, 0x01, TypeA, 9}},
        {"gap of 130 columns", {{130, TypeA, 9}}, {0xFF, 0x83, 0x01, TypeA, 9}},
        {"gap after the last cell", {{2, TypeA, 7}, {5, TypeA, 8}}, {0x82, 0x01, TypeA, 7, 0x82, 0x01, TypeA, 8}},
        {"adjacent cells of one type share a run", {{0, TypeA, 1}, {1, TypeA, 2}}, {0x02, TypeA, 1, 2}},
        {"a run holds at most 127 cells", {}, a127 + TBytes{0x01, TypeA, 127}},
        {"another type starts a run", {{0, TypeA, 1}, {1, TypeB, 2}}, {0x01, TypeA, 1, 0x01, TypeB, 2, 0}},
        {"another type splits a run",
         {{0, TypeA, 1}, {1, TypeA, 2}, {2, TypeA, 3}, {3, TypeA, 4}, {1, TypeB, 9}},
         {0x01, TypeA, 1, 0x01, TypeB, 9, 0, 0x02, TypeA, 3, 4}},
        {"the same type keeps the run",
         {{0, TypeA, 1}, {1, TypeA, 2}, {2, TypeA, 3}, {1, TypeA, 9}},
         {0x03, TypeA, 1, 9, 3}},
        {"filling a gap",
         {{0, TypeA, 1}, {4, TypeA, 5}, {2, TypeA, 3}},
         {0x01, TypeA, 1, 0x81, 0x01, TypeA, 3, 0x81, 0x01, TypeA, 5}},
        {"filling a gap joins the runs", {{0, TypeA, 1}, {2, TypeA, 3}, {1, TypeA, 2}}, {0x03, TypeA, 1, 2, 3}},
        {"variable-size cells stay single items",
         {{0, VarA, 1}, {1, VarA, 5}},
         {0x01, VarA, VarLength, 0, 1, 2, 3, 0x01, VarA, VarLength, 0, 5, 6, 7}},
        {"a variable-size cell replaces a run's cell",
         {{0, TypeA, 1}, {1, TypeA, 2}, {2, TypeA, 3}, {1, VarA, 5}},
         {0x01, TypeA, 1, 0x01, VarA, VarLength, 0, 5, 6, 7, 0x01, TypeA, 3}},
        {"a run replaces a variable-size cell", {{0, VarA, 1}, {0, TypeA, 4}}, {0x01, TypeA, 4}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TMemory memory;
        std::vector<TCellOp> ops = test.Ops;
        if (ops.empty()) {
            for (int32_t column = 0; column < 128; ++column) {
                ops.push_back({column, TypeA, static_cast<uint8_t>(column)});
            }
        }
        for (const TCellOp& op : ops) {
            memory.Add(0, op.Column, op.Type, op.Marker);
        }
        EXPECT_EQ(memory.Items(0), test.Expected);
        EXPECT_EQ(memory.FBlock.Size(), memory.FLayout.ItemsStart() + static_cast<int32_t>(test.Expected.size()));
    }
}

TEST(XLSCellMemory, FindsCellsAndGaps) {
    TMemory memory;
    memory.Add(0, 3, TypeA, 30);
    memory.Add(0, 4, TypeB, 40);
    memory.Add(0, 200, VarA, 50);
    TXLSMMUVectorManager& vector = memory.FManager.VectorManager();
    EXPECT_EQ(vector.FirstColumn(), 3);
    EXPECT_EQ(vector.LastColumn(), 200);

    const struct {
        int32_t Column;
        uint8_t Type;
        int32_t Marker;
    } lookups[] = {{3, TypeA, 30}, {4, TypeB, 40}, {200, VarA, -1}, {0, 0, 0}, {5, 0, 0}, {201, 0, 0}, {-1, 0, 0}};
    for (const auto& lookup : lookups) {
        SCOPED_TRACE(lookup.Column);
        uint8_t type = 0xEE;
        const uint8_t* payload = memory.FManager.FindCell(0, lookup.Column, type);
        EXPECT_EQ(type, lookup.Type);
        if (lookup.Type == 0) {
            EXPECT_EQ(payload, nullptr);
        } else if (lookup.Type == VarA) {
            ASSERT_NE(payload, nullptr);
            EXPECT_EQ(GetUInt16(payload), VarLength);
            EXPECT_EQ(payload[2], 50);
        } else {
            ASSERT_NE(payload, nullptr);
            EXPECT_EQ(payload[0], lookup.Marker);
        }
    }

    // A forward scan moves over the gaps onto each cell.
    std::vector<int32_t> found;
    int32_t column = 0;
    uint8_t type = 0;
    while (memory.FManager.NextCell(column, type) != nullptr) {
        found.push_back(column++);
    }
    EXPECT_EQ(found, (std::vector<int32_t>{3, 4, 200}));

    // A cell replaced by one of the same size leaves the row where it was; the lookup still sees the new cell.
    ASSERT_NE(memory.FManager.FindCell(0, 4, type), nullptr);
    memory.Add(0, 4, TypeC, 41);
    EXPECT_EQ(memory.FManager.FindCell(0, 4, type)[0], 41);
    EXPECT_EQ(type, TypeC);
}

TEST(XLSCellMemory, RowWithOnlyItsRowRecord) {
    TMemory memory;
    const uint8_t* record = memory.FManager.GetOrAddRowRecord(7);
    EXPECT_EQ(TBytes(record, record + 6), (TBytes{0x11, 0x22, 0x33, 0x44, 0x55, 0x66}));
    EXPECT_EQ(memory.FBlock.Size(), memory.FLayout.ItemsStart());
    uint8_t type = 0;
    EXPECT_EQ(memory.FManager.FindCell(7, 0, type), nullptr);
    EXPECT_EQ(memory.FManager.VectorManager().FirstColumn(), -1);
    EXPECT_EQ(memory.FManager.VectorManager().LastColumn(), -1);

    // The first cell reuses the vector; the row record stays as it was.
    memory.FManager.GetOrAddRowRecord(7)[0] = 0x99;
    memory.Add(7, 2, TypeA, 5);
    EXPECT_EQ(memory.Items(7), (TBytes{0x82, 0x01, TypeA, 5}));
    EXPECT_EQ(memory.FBlock.Size(), memory.FLayout.ItemsStart() + 4);
    EXPECT_EQ(memory.FManager.GetRowRecord(7)[0], 0x99);
    EXPECT_EQ(memory.FManager.GetRowRecord(8), nullptr);
}

TEST(XLSCellMemory, ChangesKeepTheOtherRowsOfTheBlock) {
    // Rows are made out of order, so vectors lie in another order than their rows; every change moves the vectors
    // behind it. A reference of each row's cells is checked after every change.
    TMemory memory;
    std::mt19937 random(1131);
    std::map<std::pair<int32_t, int32_t>, std::pair<uint8_t, uint8_t>> expected;
    const uint8_t types[] = {TypeA, TypeB, VarA};
    for (int32_t step = 0; step < 3000; ++step) {
        const int32_t slot = static_cast<int32_t>(random() % 12) * 20;
        const int32_t column = static_cast<int32_t>(random() % 300);
        const uint8_t type = types[random() % 3];
        const auto marker = static_cast<uint8_t>(step);
        memory.Add(slot, column, type, marker);
        expected[{slot, column}] = {type, marker};
        if (step % 100 != 99) {
            continue;
        }
        for (const auto& [position, cell] : expected) {
            uint8_t found = 0;
            const uint8_t* payload = memory.FManager.FindCell(position.first, position.second, found);
            ASSERT_NE(payload, nullptr) << position.first << "," << position.second;
            ASSERT_EQ(found, cell.first);
            ASSERT_EQ(payload[found == VarA ? 2 : 0], cell.second);
        }
    }
    // Every byte of the block belongs to exactly one vector.
    int32_t total = 0;
    for (int32_t slot = 0; slot < XLSMMUBlockRows; ++slot) {
        if (memory.FBlock.RowOffset(slot) >= 0) {
            total += memory.FLayout.ItemsStart() + static_cast<int32_t>(memory.Items(slot).size());
        }
    }
    EXPECT_EQ(total, memory.FBlock.Size());
}

TEST(XLSCellMemory, PackedSizeEqualsBytesWritten) {
    TMemory memory;
    memory.Add(0, 0, TypeA, 1);
    memory.Add(0, 129, TypeB, 2);
    for (int32_t column = 130; column < 400; ++column) {
        memory.Add(0, column, TypeA, 3);
    }
    memory.Add(0, 400, VarA, 4);
    TXLSMMURebuildVector rebuild(memory.FLayout);
    rebuild.Unpack(memory.FManager.RowVector(0));
    rebuild.SetCell(300, TypeB);
    const int32_t size = rebuild.PackedSize();
    const int32_t payload = rebuild.Pack(300);
    const TBytes& packed = rebuild.Packed();
    EXPECT_EQ(static_cast<int32_t>(packed.size()), size);
    // The gap of 128 columns is 0xFF 0x81; the new cell splits the run of 270 (127 + 43 before it, 99 after).
    const int32_t start = memory.FLayout.ItemsStart();
    EXPECT_EQ(TBytes(packed.begin() + start, packed.begin() + start + 9),
              (TBytes{0x01, TypeA, 1, 0xFF, 0x81, 0x01, TypeB, 2, 0}));
    EXPECT_EQ(payload, start + 9 + (2 + 127) + (2 + 43) + 2);
    EXPECT_EQ(TBytes(packed.begin() + payload - 2, packed.begin() + payload + 4),
              (TBytes{0x01, TypeB, 0, 0, 99, TypeA}));
}

TEST(XLSCellMemory, BlockArea) {
    const struct {
        const char* Name;
        std::vector<std::pair<int32_t, int32_t>> Cells; // slot, column; column -1: a row record only
        TXLSCellAreaRec Expected;
    } cases[] = {
        {"empty", {}, {2147483647, -2147483646, 2147483647, -2147483646}},
        {"row records only", {{4, -1}, {9, -1}}, {4, 9, 2147483647, -2147483646}},
        {"cells", {{10, 5}, {3, 40}, {200, 0}}, {3, 200, 0, 40}},
        {"a row record widens the rows only", {{10, 5}, {255, -1}}, {10, 255, 5, 5}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TMemory memory;
        for (const auto& [slot, column] : test.Cells) {
            if (column < 0) {
                memory.FManager.GetOrAddRowRecord(slot);
            } else {
                memory.Add(slot, column, TypeA, 1);
            }
        }
        EXPECT_EQ(memory.FManager.GetBlockArea(), test.Expected);
    }
}

TEST(XLSCellMemory, NextRowVisitsPresentRows) {
    TMemory memory;
    memory.Add(200, 1, TypeA, 1);
    memory.FManager.GetOrAddRowRecord(3);
    std::vector<int32_t> rows;
    for (int32_t slot = 0; memory.FManager.NextRow(slot) != nullptr; ++slot) {
        rows.push_back(slot);
    }
    EXPECT_EQ(rows, (std::vector<int32_t>{3, 200}));
    int32_t slot = 201;
    EXPECT_EQ(memory.FManager.NextRow(slot), nullptr);
    EXPECT_EQ(slot, -1);
}

TEST(XLSCellMemory, RefusesWhatDoesNotFit) {
    const struct {
        const char* Name;
        void (*Operation)(TMemory&);
    } cases[] = {
        {"type above 255", [](TMemory& memory) { memory.FLayout.SetTypeSize(256, 1); }},
        {"negative type", [](TMemory& memory) { memory.FLayout.SetTypeSize(-1, 1); }},
        {"column beyond the sheet", [](TMemory& memory) { memory.FManager.AddCell(0, XLSMMUMaxColumns, TypeA); }},
        {"negative column", [](TMemory& memory) { memory.FManager.AddCell(0, -1, TypeA); }},
        {"rebuilt column beyond the sheet",
         [](TMemory& memory) {
             TXLSMMURebuildVector rebuild(memory.FLayout);
             rebuild.Unpack(memory.FManager.RowVector(0));
             rebuild.SetCell(XLSMMUMaxColumns, TypeA);
         }},
        {"variable-size cell over 65535 bytes",
         [](TMemory& memory) { memory.FManager.AddVarCell(0, 5, 65536, TypeVar); }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TMemory memory;
        memory.Add(0, 1, TypeA, 1);
        try {
            test.Operation(memory);
            ADD_FAILURE() << "no exception";
        } catch (const rtl::Exception& e) {
            EXPECT_EQ(rtl::UnicodeToUtf8(e.Message()), "Index out of range");
        }
        EXPECT_EQ(memory.Items(0), (TBytes{0x81, 0x01, TypeA, 1}));
    }
}

} // namespace
} // namespace xls
