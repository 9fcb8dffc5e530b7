#pragma once
// The message digests that the decryption of encrypted workbooks derives its keys with: MD5 (RFC 1321) for the RC4
// encryption of MS-OFFCRYPTO 2.3.6 and SHA-1 (FIPS 180-4) for its RC4 CryptoAPI encryption (MS-OFFCRYPTO 2.3.5).
// Both hash 64-byte blocks and pad the message the same way; they differ in the block function and the byte order
// of their words.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace xls {

// What MD5 and SHA-1 share: the buffering of input into 64-byte blocks and the final padding with the bit length.
class TBlockDigest {
public:
    void Update(std::span<const uint8_t> bytes);

protected:
    static constexpr size_t BlockSize = 64;

    TBlockDigest() = default;
    ~TBlockDigest() = default;
    TBlockDigest(const TBlockDigest&) = default;
    TBlockDigest& operator=(const TBlockDigest&) = default;

    // Pads the message and hashes the last blocks; the bit length goes into the last 8 bytes big-endian or
    // little-endian.
    void Pad(bool bigEndianLength);
    void Restart();

private:
    virtual void Compress(const uint8_t* block) = 0;

    std::array<uint8_t, BlockSize> FBuffer{};
    size_t FBuffered = 0;
    uint64_t FLength = 0;
};

// MD5 of RFC 1321.
class TMD5 final : public TBlockDigest {
public:
    using TDigest = std::array<uint8_t, 16>;

    TMD5() { Init(); }
    void Init();
    // The digest of everything given to Update since Init; the digest starts again afterwards.
    TDigest Final();
    static TDigest Of(std::span<const uint8_t> bytes);

private:
    void Compress(const uint8_t* block) override;

    std::array<uint32_t, 4> FState{};
};

// SHA-1 of FIPS 180-4.
class TSHA1 final : public TBlockDigest {
public:
    using TDigest = std::array<uint8_t, 20>;

    TSHA1() { Init(); }
    void Init();
    // The digest of everything given to Update since Init; the digest starts again afterwards.
    TDigest Final();
    static TDigest Of(std::span<const uint8_t> bytes);

private:
    void Compress(const uint8_t* block) override;

    std::array<uint32_t, 5> FState{};
};

} // namespace xls
