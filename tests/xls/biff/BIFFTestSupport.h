#pragma once
// Helpers of the BIFF tests: record bytes built by hand and streams over them.

#include "rtl/io/Streams.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

namespace xls::test {

using TBytes = std::vector<uint8_t>;

// count bytes of a pattern that differs from byte to byte, so a piece read from the wrong place shows.
inline TBytes PatternBytes(size_t count, uint8_t seed = 0) {
    TBytes bytes(count);
    for (size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<uint8_t>((i * 7 + i / 251 + seed) & 0xFF);
    }
    return bytes;
}

inline TBytes Concat(std::initializer_list<TBytes> parts) {
    TBytes bytes;
    for (const TBytes& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

// A record: id, body length and body, little-endian.
inline TBytes Record(uint16_t id, const TBytes& body) {
    const auto length = static_cast<uint16_t>(body.size());
    return Concat({{static_cast<uint8_t>(id), static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(length),
                    static_cast<uint8_t>(length >> 8)},
                   body});
}

// A BOF record whose body starts with version and a worksheet substream type.
inline TBytes BOFRecord(uint16_t id, uint16_t version) {
    return Record(id, {static_cast<uint8_t>(version), static_cast<uint8_t>(version >> 8), 0x10, 0x00});
}

// A memory stream holding bytes, at position 0.
inline std::unique_ptr<rtl::TMemoryStream> MemoryOf(const TBytes& bytes) {
    auto stream = std::make_unique<rtl::TMemoryStream>();
    if (!bytes.empty()) {
        stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    }
    stream->Seek(0, rtl::soBeginning);
    return stream;
}

} // namespace xls::test
