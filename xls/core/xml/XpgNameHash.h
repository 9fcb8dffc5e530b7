#pragma once
// The name hashes by which element classes dispatch element and attribute names: the byte sum of the name as written
// (prefix, colon and local name) and, where sibling names share a sum, the multiplicative RS hash (seeds 63689 and
// 378551, 32-bit wrap-around). Names held as bytes and names held as UTF-16 text hash alike when the text is the bytes
// widened one to one, so a class may hash either form.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <string_view>

namespace xls {

inline constexpr uint32_t XpgMulHashSeed = 63689;
inline constexpr uint32_t XpgMulHashFactor = 378551;

// The sum of the bytes of a name as written.
constexpr uint32_t XpgByteSumHash(std::string_view bytes) {
    uint32_t sum = 0;
    for (const char byte : bytes) {
        sum += static_cast<unsigned char>(byte);
    }
    return sum;
}

// The RS hash of the bytes of a name as written.
constexpr uint32_t XpgByteMulHash(std::string_view bytes) {
    uint32_t hash = 0;
    uint32_t factor = XpgMulHashSeed;
    for (const char byte : bytes) {
        hash = hash * factor + static_cast<unsigned char>(byte);
        factor *= XpgMulHashFactor;
    }
    return hash;
}

// The sum of the low and high bytes of every UTF-16 code unit; for ASCII text the sum of the character codes.
constexpr uint32_t StrSumHash(rtl::UnicodeStringView text) {
    uint32_t sum = 0;
    for (const char16_t unit : text) {
        sum += (unit & 0xFFu) + (unit >> 8);
    }
    return sum;
}

// The RS hash over the UTF-16 code units.
constexpr uint32_t StrMulHash(rtl::UnicodeStringView text) {
    uint32_t hash = 0;
    uint32_t factor = XpgMulHashSeed;
    for (const char16_t unit : text) {
        hash = unit + factor * hash;
        factor *= XpgMulHashFactor;
    }
    return hash;
}

} // namespace xls
