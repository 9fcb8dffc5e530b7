#pragma once
// Workbooks built record by record for the reader's tests, and a model with a BIFF workbook object to read them into.

#include "rtl/io/FileStream.h"
#include "tests/xls/XLSTestModel.h"
#include "tests/xls/biff/BIFFTestSupport.h"
#include "tests/xls/biff/CompoundFileWriter.h"
#include "xls/biff/storage/BIFF_RecordStorage.h"
#include "xls/biff/workbook/BIFF5.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace xls::test {

inline TBytes Word(uint16_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
}

inline TBytes DWord(uint32_t value) {
    return Concat({Word(static_cast<uint16_t>(value)), Word(static_cast<uint16_t>(value >> 16))});
}

inline TBytes Bytes8(std::string_view text) {
    return TBytes(text.begin(), text.end());
}

inline TBytes Utf16(std::u16string_view text) {
    TBytes bytes;
    for (const char16_t c : text) {
        const TBytes pair = Word(c);
        bytes.insert(bytes.end(), pair.begin(), pair.end());
    }
    return bytes;
}

// BIFF8 text: a flag byte (1, UTF-16) and the characters.
inline TBytes Flagged16(std::u16string_view text) {
    return Concat({{1}, Utf16(text)});
}

// The substream types of a BOF (MS-XLS 2.4.21).
inline constexpr uint16_t SubstreamGlobals = 0x0005;
inline constexpr uint16_t SubstreamVBModule = 0x0006;
inline constexpr uint16_t SubstreamWorksheet = 0x0010;
inline constexpr uint16_t SubstreamChart = 0x0020;
inline constexpr uint16_t SubstreamMacroSheet = 0x0040;
inline constexpr uint16_t SubstreamWorkspace = 0x0100;

// The BOF of BIFF8 (16 bytes) or BIFF5 (8 bytes) starting a substream.
inline TBytes BOF8(uint16_t type) {
    return Record(0x0809, Concat({Word(0x0600), Word(type), Word(0x2CA3), Word(1997), DWord(0x000080C9), DWord(6)}));
}
inline TBytes BOF5(uint16_t type) {
    return Record(0x0809, Concat({Word(0x0500), Word(type), Word(0x0DBB), Word(1996)}));
}
inline TBytes EOFRecord() {
    return Record(0x000A, {});
}

// BOUNDSHEET of BIFF8 with a UTF-16 name, and of BIFF5 with an 8-bit one.
inline TBytes BoundSheet8(std::u16string_view name, uint8_t visibility = 0, uint8_t type = 0) {
    return Record(0x0085, Concat({DWord(0), {visibility, type, static_cast<uint8_t>(name.size())}, Flagged16(name)}));
}
inline TBytes BoundSheet5(const TBytes& name, uint8_t visibility = 0, uint8_t type = 0) {
    return Record(0x0085, Concat({DWord(0), {visibility, type, static_cast<uint8_t>(name.size())}, name}));
}

// A record of two bytes.
inline TBytes WordRecord(uint16_t id, uint16_t value) {
    return Record(id, Word(value));
}

// A substream: its BOF, the records, its EOF.
inline TBytes Substream8(uint16_t type, std::initializer_list<TBytes> records) {
    return Concat({BOF8(type), Concat(records), EOFRecord()});
}
inline TBytes Substream5(uint16_t type, std::initializer_list<TBytes> records) {
    return Concat({BOF5(type), Concat(records), EOFRecord()});
}

// A BIFF8 workbook whose globals hold records and list one sheet, "S", which is empty.
inline TBytes Workbook8WithSheet(std::initializer_list<TBytes> globals) {
    return Concat(
        {BOF8(SubstreamGlobals), Concat(globals), BoundSheet8(u"S"), EOFRecord(), Substream8(SubstreamWorksheet, {})});
}

// A compound document whose record stream ("Workbook" or "Book") holds records.
inline TBytes CompoundWorkbook(const TBytes& records, const char16_t* streamName = u"Workbook") {
    return WriteCompoundFile({{streamName, false, -1, records}});
}

// The bytes of a double.
inline TBytes DoubleOf(double value) {
    TBytes bytes(8);
    std::memcpy(bytes.data(), &value, 8);
    return bytes;
}

// The bytes of a file.
inline TBytes FileBytes(const rtl::UnicodeString& path) {
    rtl::TFileStream file(path, rtl::fmOpenRead | rtl::fmShareDenyNone);
    TBytes bytes(static_cast<size_t>(file.Size()));
    file.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

// The globals of a workbook with cells: one font and four cell formats.
inline constexpr int32_t CellFormatCount = 4;
inline TBytes CellGlobals() {
    TBytes globals = Record(
        0x0031, Concat({Word(200), Word(0), Word(0x7FFF), Word(400), Word(0), {0, 0, 0, 0, 5}, Flagged16(u"Arial")}));
    for (int32_t i = 0; i < CellFormatCount; ++i) {
        globals = Concat({globals, Record(0x00E0, TBytes(20, 0))});
    }
    return globals;
}

// A BIFF8 workbook of one sheet "S" whose substream holds records, after the cell globals and extra globals.
inline TBytes CellWorkbook8(std::initializer_list<TBytes> records, const TBytes& globals = {}) {
    return Concat({BOF8(SubstreamGlobals), CellGlobals(), globals, BoundSheet8(u"S"), EOFRecord(),
                   Substream8(SubstreamWorksheet, records)});
}

// A cell record of row, column and XF number with its value bytes.
inline TBytes CellRecord(uint16_t id, uint16_t row, uint16_t col, uint16_t xf, const TBytes& value) {
    return Record(id, Concat({Word(row), Word(col), Word(xf), value}));
}

// A workbook model with a BIFF workbook object on it.
struct TBIFFModel : test_model::TTestModel {
    TBIFF5 Biff{Manager};

    // Reads a file's bytes: a compound document, or the records of a BIFF2-4 file.
    void Read(const TBytes& file) {
        const auto stream = MemoryOf(file);
        Biff.LoadFromStream(stream.get());
    }
    void ReadWorkbook8(const TBytes& records) { Read(CompoundWorkbook(records)); }
    void ReadBook5(const TBytes& records) { Read(CompoundWorkbook(records, u"Book")); }
};

// The ids of a storage's records in order.
inline std::vector<uint16_t> StoredIds(const TBaseRecordStorage& storage) {
    std::vector<uint16_t> ids;
    for (int32_t i = 0; i < storage.Count(); ++i) {
        ids.push_back(storage.Get(i).Id);
    }
    return ids;
}

// The body of the first record with the id in a storage; empty when there is none.
inline TBytes StoredBody(const TBaseRecordStorage& storage, uint16_t id) {
    const int32_t index = storage.Find(id);
    return index >= 0 ? storage.Get(index).Body : TBytes();
}

} // namespace xls::test
