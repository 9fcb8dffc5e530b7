#pragma once
// Little-endian reads and writes of unaligned fields in the packed cell memory. Both targets are little-endian, so a
// byte copy is the whole conversion.

#include <cstdint>
#include <cstring>

namespace xls {

template <typename T>
T GetPacked(const uint8_t* bytes) {
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

template <typename T>
void PutPacked(uint8_t* bytes, T value) {
    std::memcpy(bytes, &value, sizeof(T));
}

inline uint16_t GetUInt16(const uint8_t* bytes) {
    return GetPacked<uint16_t>(bytes);
}

inline int32_t GetInt32(const uint8_t* bytes) {
    return GetPacked<int32_t>(bytes);
}

} // namespace xls
