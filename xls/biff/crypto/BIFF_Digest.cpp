#include "xls/biff/crypto/BIFF_Digest.h"

#include <algorithm>
#include <bit>

namespace xls {

namespace {

constexpr size_t LengthSize = 8;

uint32_t LoadLE32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

uint32_t LoadBE32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
           static_cast<uint32_t>(bytes[2]) << 8 | static_cast<uint32_t>(bytes[3]);
}

// The words of a state as digest bytes, each little-endian (MD5) or big-endian (SHA-1).
template <size_t Words>
std::array<uint8_t, Words * 4> StateBytes(const std::array<uint32_t, Words>& state, bool bigEndian) {
    std::array<uint8_t, Words * 4> digest{};
    for (size_t i = 0; i < Words; ++i) {
        for (size_t b = 0; b < 4; ++b) {
            const size_t shift = bigEndian ? 24 - 8 * b : 8 * b;
            digest[4 * i + b] = static_cast<uint8_t>(state[i] >> shift);
        }
    }
    return digest;
}

// The per-round shifts and sine constants of MD5 (RFC 1321, 3.4).
constexpr std::array<uint32_t, 64> MD5Shifts = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                                                5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                                                4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                                                6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};
constexpr std::array<uint32_t, 64> MD5Sines = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

} // namespace

void TBlockDigest::Update(std::span<const uint8_t> bytes) {
    FLength += bytes.size();
    while (!bytes.empty()) {
        const size_t taken = std::min(BlockSize - FBuffered, bytes.size());
        std::copy_n(bytes.begin(), taken, FBuffer.begin() + static_cast<std::ptrdiff_t>(FBuffered));
        FBuffered += taken;
        bytes = bytes.subspan(taken);
        if (FBuffered == BlockSize) {
            Compress(FBuffer.data());
            FBuffered = 0;
        }
    }
}

void TBlockDigest::Pad(bool bigEndianLength) {
    const uint64_t bits = FLength * 8;
    FBuffer[FBuffered++] = 0x80;
    if (FBuffered > BlockSize - LengthSize) {
        std::fill(FBuffer.begin() + static_cast<std::ptrdiff_t>(FBuffered), FBuffer.end(), uint8_t{0});
        Compress(FBuffer.data());
        FBuffered = 0;
    }
    std::fill(FBuffer.begin() + static_cast<std::ptrdiff_t>(FBuffered), FBuffer.end() - LengthSize, uint8_t{0});
    for (size_t i = 0; i < LengthSize; ++i) {
        const size_t shift = bigEndianLength ? 8 * (LengthSize - 1 - i) : 8 * i;
        FBuffer[BlockSize - LengthSize + i] = static_cast<uint8_t>(bits >> shift);
    }
    Compress(FBuffer.data());
}

void TBlockDigest::Restart() {
    FBuffered = 0;
    FLength = 0;
}

void TMD5::Init() {
    Restart();
    FState = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
}

TMD5::TDigest TMD5::Final() {
    Pad(false);
    const TDigest digest = StateBytes(FState, false);
    Init();
    return digest;
}

TMD5::TDigest TMD5::Of(std::span<const uint8_t> bytes) {
    TMD5 md5;
    md5.Update(bytes);
    return md5.Final();
}

void TMD5::Compress(const uint8_t* block) {
    std::array<uint32_t, 16> words{};
    for (size_t i = 0; i < words.size(); ++i) {
        words[i] = LoadLE32(block + 4 * i);
    }
    uint32_t a = FState[0];
    uint32_t b = FState[1];
    uint32_t c = FState[2];
    uint32_t d = FState[3];
    for (uint32_t i = 0; i < 64; ++i) {
        uint32_t mixed = 0;
        uint32_t word = 0;
        if (i < 16) {
            mixed = (b & c) | (~b & d);
            word = i;
        } else if (i < 32) {
            mixed = (d & b) | (~d & c);
            word = (5 * i + 1) % 16;
        } else if (i < 48) {
            mixed = b ^ c ^ d;
            word = (3 * i + 5) % 16;
        } else {
            mixed = c ^ (b | ~d);
            word = (7 * i) % 16;
        }
        const uint32_t rotated = std::rotl(a + mixed + MD5Sines[i] + words[word], static_cast<int>(MD5Shifts[i]));
        a = d;
        d = c;
        c = b;
        b += rotated;
    }
    FState[0] += a;
    FState[1] += b;
    FState[2] += c;
    FState[3] += d;
}

void TSHA1::Init() {
    Restart();
    FState = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};
}

TSHA1::TDigest TSHA1::Final() {
    Pad(true);
    const TDigest digest = StateBytes(FState, true);
    Init();
    return digest;
}

TSHA1::TDigest TSHA1::Of(std::span<const uint8_t> bytes) {
    TSHA1 sha1;
    sha1.Update(bytes);
    return sha1.Final();
}

void TSHA1::Compress(const uint8_t* block) {
    std::array<uint32_t, 80> schedule{};
    for (size_t i = 0; i < 16; ++i) {
        schedule[i] = LoadBE32(block + 4 * i);
    }
    for (size_t i = 16; i < schedule.size(); ++i) {
        schedule[i] = std::rotl(schedule[i - 3] ^ schedule[i - 8] ^ schedule[i - 14] ^ schedule[i - 16], 1);
    }
    uint32_t a = FState[0];
    uint32_t b = FState[1];
    uint32_t c = FState[2];
    uint32_t d = FState[3];
    uint32_t e = FState[4];
    for (size_t i = 0; i < schedule.size(); ++i) {
        uint32_t mixed = 0;
        uint32_t constant = 0;
        if (i < 20) {
            mixed = (b & c) | (~b & d);
            constant = 0x5a827999;
        } else if (i < 40) {
            mixed = b ^ c ^ d;
            constant = 0x6ed9eba1;
        } else if (i < 60) {
            mixed = (b & c) | (b & d) | (c & d);
            constant = 0x8f1bbcdc;
        } else {
            mixed = b ^ c ^ d;
            constant = 0xca62c1d6;
        }
        const uint32_t next = std::rotl(a, 5) + mixed + e + constant + schedule[i];
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = next;
    }
    FState[0] += a;
    FState[1] += b;
    FState[2] += c;
    FState[3] += d;
    FState[4] += e;
}

} // namespace xls
