#pragma once
// The decryption of an encrypted BIFF8 record stream (MS-XLS 2.2.10): RC4 whose key is made anew for every 1024-byte
// block of the stream from the password, the file's salt and the block's number, by MD5 (RC4 encryption,
// MS-OFFCRYPTO 2.3.6) or by SHA-1 (RC4 CryptoAPI encryption, MS-OFFCRYPTO 2.3.5). The key stream at a byte depends on
// the byte's stream offset alone, so bytes decrypt wherever and in whatever pieces they are read: reading ahead and
// going back, seeking, and bytes stored in clear between encrypted ones need no bookkeeping from the caller.

#include "rtl/text/StringTypes.h"
#include "xls/biff/crypto/BIFF_RC4.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace xls {

// The schemes a workbook may be encrypted with that can be decrypted.
enum TBIFFEncryptionKind : uint8_t { bekUnknown, bekRC4, bekRC4CryptoAPI };

// What the FILEPASS record of an encrypted workbook holds: the scheme, the salt, and the verifier with its hash,
// which only the right password decrypts to a matching pair.
struct TBIFFEncryption {
    TBIFFEncryptionKind Kind = bekUnknown;
    std::array<uint8_t, 16> Salt{};
    std::array<uint8_t, 16> EncryptedVerifier{};
    // An MD5 digest (16 bytes) for RC4, a SHA-1 digest (20 bytes) for RC4 CryptoAPI.
    std::vector<uint8_t> EncryptedVerifierHash;
    // RC4 CryptoAPI's key length in bits: 40 to 128, a multiple of 8.
    int32_t KeyBits = 0;
};

// The key stream of one encrypted record stream.
class TBIFFDecryptor {
public:
    // Every block is this long; its key stream starts at its first byte.
    static constexpr int64_t BlockSize = 1024;

    // The decryptor for password, or nullptr when the password is not the one the file was encrypted with (or the
    // scheme is bekUnknown). RC4 takes the password's first 31 characters, RC4 CryptoAPI its first 255.
    static std::unique_ptr<TBIFFDecryptor> Create(const TBIFFEncryption& encryption, rtl::UnicodeStringView password);

    virtual ~TBIFFDecryptor() = default;
    TBIFFDecryptor(const TBIFFDecryptor&) = delete;
    TBIFFDecryptor& operator=(const TBIFFDecryptor&) = delete;

    // Decrypts in place count bytes that the stream stores from offset on.
    void Decrypt(int64_t offset, uint8_t* bytes, int32_t count);

protected:
    TBIFFDecryptor() = default;

private:
    // The cipher at the start of block.
    virtual TRC4 BlockCipher(uint32_t block) const = 0;
    // The digest the verifier's hash is of.
    virtual std::vector<uint8_t> VerifierDigest(std::span<const uint8_t> verifier) const = 0;
    bool Verify(const TBIFFEncryption& encryption) const;

    std::optional<TRC4> FCipher;
    uint32_t FBlock = 0;
    // The key stream's position in the block.
    int64_t FInBlock = 0;
};

} // namespace xls
