#pragma once
// Helpers of the data layer's tests: bytes of stream forms as hex text ("02 7F") both ways, and an object that counts
// how often objects of its kind are freed.

#include "rtl/core/Object.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace ui::test {

class TFreeCountingObject : public rtl::TObject {
public:
    explicit TFreeCountingObject(int& frees) : FFrees(frees) {}
    ~TFreeCountingObject() override { ++FFrees; }

private:
    int& FFrees;
};

inline std::string HexOf(std::string_view bytes) {
    std::string hex;
    for (const char byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof(digits), "%02X", static_cast<unsigned char>(byte));
        hex += hex.empty() ? "" : " ";
        hex += digits;
    }
    return hex;
}

// "02 7F" and "027F" alike.
inline std::string BytesOfHex(std::string_view hex) {
    std::string bytes;
    std::string pair;
    for (const char c : hex) {
        if (c == ' ') {
            continue;
        }
        pair += c;
        if (pair.size() == 2) {
            bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
            pair.clear();
        }
    }
    return bytes;
}

} // namespace ui::test
