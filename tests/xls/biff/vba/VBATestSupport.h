#pragma once
// VBA projects built byte by byte for the tests: compressed containers (MS-OVBA 2.4.1) of literal tokens only,
// directory records (MS-OVBA 2.3.4.2), and workbooks whose compound document holds a project.

#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"

#include <algorithm>
#include <string_view>

namespace xls::test {

// A compressed container that gives data: a raw chunk for each whole 4096 bytes, then a compressed chunk of the
// rest as literal bytes, 8 to a flag byte of 0 (a chunk holds at most 4098 bytes, so the rest may not exceed 3640).
inline TBytes LiteralContainer(const TBytes& data) {
    TBytes container{0x01};
    size_t at = 0;
    for (; data.size() - at >= 4096; at += 4096) {
        container = Concat({container, Word(0x3FFF),
                            TBytes(data.begin() + static_cast<std::ptrdiff_t>(at),
                                   data.begin() + static_cast<std::ptrdiff_t>(at + 4096))});
    }
    TBytes tokens;
    for (; at < data.size(); at += 8) {
        tokens.push_back(0);
        tokens.insert(tokens.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                      data.begin() + static_cast<std::ptrdiff_t>(std::min(data.size(), at + 8)));
    }
    if (!tokens.empty()) {
        container = Concat({container, Word(static_cast<uint16_t>(0xB000 | (tokens.size() + 2 - 3))), tokens});
    }
    return container;
}

// A directory record: id, 32-bit size, data.
inline TBytes DirRecord(uint16_t id, const TBytes& data) {
    return Concat({Word(id), DWord(static_cast<uint32_t>(data.size())), data});
}

// The project's records before its modules: code page, name, version (whose size field says 4 of its 6 bytes) and
// the module count.
inline TBytes DirProject(uint16_t codePage, const TBytes& name, uint16_t modules) {
    return Concat({DirRecord(0x0001, DWord(1)), DirRecord(0x0003, Word(codePage)), DirRecord(0x0004, name),
                   Word(0x0009), DWord(4), DWord(0x12345678), Word(3), DirRecord(0x000F, Word(modules)),
                   DirRecord(0x0013, Word(0xFFFF))});
}

// A module's records: its name, the stream its source is in (none: the stream has the module's name), the offset
// of the source in it, document or procedural, and the terminator.
inline TBytes DirModule(const TBytes& name, std::u16string_view streamName, uint32_t offset, bool document) {
    TBytes records = DirRecord(0x0019, name);
    if (!streamName.empty()) {
        records = Concat({records, DirRecord(0x001A, Bytes8("ignored")), DirRecord(0x0032, Utf16(streamName))});
    }
    return Concat(
        {records, DirRecord(0x0031, DWord(offset)), DirRecord(document ? 0x0022 : 0x0021, {}), DirRecord(0x002B, {})});
}

inline TBytes DirEnd() {
    return DirRecord(0x0010, {});
}

// A module stream: offset bytes of compiled code, then the compressed source.
inline TBytes ModuleStream(uint32_t offset, std::string_view source) {
    return Concat({PatternBytes(offset, 7), LiteralContainer(Bytes8(source))});
}

// A BIFF8 workbook with one empty sheet whose compound document holds a VBA project: "_VBA_PROJECT_CUR" with
// "PROJECT", "PROJECTwm" and the storage "VBA", which holds the compressed dir, "_VBA_PROJECT" and the streams.
inline TBytes WorkbookWithProject(const TBytes& dir, const std::vector<std::pair<std::u16string, TBytes>>& streams) {
    std::vector<TCompoundElement> elements = {
        {u"Workbook", false, -1, Workbook8WithSheet({})},
        {u"_VBA_PROJECT_CUR", true, -1, {}},
        {u"PROJECT", false, 1, Bytes8("ID=\"{1}\"\r\nName=\"VBAProject\"\r\n")},
        {u"PROJECTwm", false, 1, PatternBytes(30, 5)},
        {u"VBA", true, 1, {}},
        {u"dir", false, 4, LiteralContainer(dir)},
        {u"_VBA_PROJECT", false, 4, PatternBytes(40, 6)},
    };
    for (const auto& [name, data] : streams) {
        elements.push_back({name, false, 4, data});
    }
    return WriteCompoundFile(elements);
}

} // namespace xls::test
