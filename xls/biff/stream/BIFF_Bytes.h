#pragma once
// Little-endian values in byte buffers, as BIFF records and compound documents store them, independent of the host's
// byte order and of alignment. The caller has checked that the bytes are there.

#include <cstdint>

namespace xls {

inline uint16_t LoadUInt16LE(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

inline uint32_t LoadUInt32LE(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

inline uint64_t LoadUInt64LE(const uint8_t* bytes) {
    return static_cast<uint64_t>(LoadUInt32LE(bytes)) | static_cast<uint64_t>(LoadUInt32LE(bytes + 4)) << 32;
}

inline void StoreUInt16LE(uint8_t* bytes, uint16_t value) {
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

inline void StoreUInt32LE(uint8_t* bytes, uint32_t value) {
    StoreUInt16LE(bytes, static_cast<uint16_t>(value));
    StoreUInt16LE(bytes + 2, static_cast<uint16_t>(value >> 16));
}

} // namespace xls
