#pragma once
// RC4, the stream cipher of the encrypted workbooks (MS-OFFCRYPTO 2.3.6 and 2.3.5): a 256-byte permutation keyed
// from a key of 1 to 256 bytes, whose key stream is XORed over the data.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace xls {

// One RC4 key stream from its start.
class TRC4 {
public:
    // key holds 1 to 256 bytes; longer keys use their first 256, an empty key is taken as one zero byte.
    explicit TRC4(std::span<const uint8_t> key);

    // XORs the next count bytes of the key stream over bytes.
    void Apply(uint8_t* bytes, size_t count);
    // Moves the key stream on by count bytes.
    void Skip(size_t count);

private:
    uint8_t NextByte();

    std::array<uint8_t, 256> FState{};
    uint8_t FI = 0;
    uint8_t FJ = 0;
};

} // namespace xls
