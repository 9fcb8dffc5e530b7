#include "xls/biff/crypto/BIFF_RC4.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace xls {

TRC4::TRC4(std::span<const uint8_t> key) {
    static constexpr std::array<uint8_t, 1> ZeroKey{};
    if (key.empty()) {
        key = ZeroKey;
    }
    key = key.first(std::min<size_t>(key.size(), FState.size()));
    std::iota(FState.begin(), FState.end(), uint8_t{0});
    uint8_t j = 0;
    for (size_t i = 0; i < FState.size(); ++i) {
        j = static_cast<uint8_t>(j + FState[i] + key[i % key.size()]);
        std::swap(FState[i], FState[j]);
    }
}

uint8_t TRC4::NextByte() {
    ++FI;
    FJ = static_cast<uint8_t>(FJ + FState[FI]);
    std::swap(FState[FI], FState[FJ]);
    return FState[static_cast<uint8_t>(FState[FI] + FState[FJ])];
}

void TRC4::Apply(uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        bytes[i] ^= NextByte();
    }
}

void TRC4::Skip(size_t count) {
    for (size_t i = 0; i < count; ++i) {
        NextByte();
    }
}

} // namespace xls
