#pragma once
// Helpers shared by the INI file tests.

#include "rtl/text/StringTypes.h"

#include <string>

namespace rtl::ini_test {

// The bytes of a UTF-16LE text file: the byte-order mark, then the text.
inline std::string Utf16FileBytes(UnicodeStringView text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

} // namespace rtl::ini_test
