#include "xls/biff/stream/BIFF_FilePass.h"

#include "xls/biff/stream/BIFF_RecordBody.h"

#include <algorithm>

namespace xls {

namespace {

// FILEPASS: the encryption type, then the version of the encryption header.
constexpr uint16_t FilePassTypeRC4 = 1;
constexpr int32_t FilePassMajor = 2;
constexpr int32_t FilePassMinor = 4;
constexpr int32_t FilePassHeader = 6;

// RC4 encryption header (MS-OFFCRYPTO 2.3.6.1): salt, encrypted verifier and its encrypted MD5 hash.
constexpr int32_t SaltSize = 16;
constexpr int32_t VerifierSize = 16;
constexpr int32_t RC4HashSize = 16;

// RC4 CryptoAPI encryption header (MS-OFFCRYPTO 2.3.5.1): flags and the size of the EncryptionHeader (2.3.2) that
// follows; in it the algorithms and the key size; after it the EncryptionVerifier (2.3.3).
constexpr int32_t CryptoAPIHeaderSize = FilePassHeader + 4;
constexpr int32_t CryptoAPIHeader = CryptoAPIHeaderSize + 4;
constexpr int32_t HeaderAlgorithm = 8;
constexpr int32_t HeaderHashAlgorithm = 12;
constexpr int32_t HeaderKeySize = 16;
// The fixed fields of an EncryptionHeader, before the provider's name.
constexpr uint32_t HeaderFixedSize = 32;
constexpr uint32_t AlgorithmRC4 = 0x6801;
constexpr uint32_t AlgorithmSHA1 = 0x8004;
constexpr int32_t SHA1HashSize = 20;
constexpr int32_t CryptoAPIVerifierSize = 4 + SaltSize + VerifierSize + 4 + SHA1HashSize;
// RC4 CryptoAPI keys are 40 to 128 bits in steps of 8; 0 stands for 40 (MS-OFFCRYPTO 2.3.2).
constexpr uint32_t MinKeyBits = 40;
constexpr uint32_t MaxKeyBits = 128;

bool IsRC4Version(uint16_t major, uint16_t minor) {
    return major == 1 && minor == 1;
}

bool IsCryptoAPIVersion(uint16_t major, uint16_t minor) {
    return major >= 2 && major <= 4 && minor == 2;
}

// An algorithm id of 0 leaves the choice to the flags, which for these versions can only mean RC4 and SHA-1.
bool IsAlgorithm(uint32_t id, uint32_t expected) {
    return id == 0 || id == expected;
}

template <size_t N>
void CopyBytes(const TBIFFBody& body, int32_t offset, std::array<uint8_t, N>& target) {
    const std::span<const uint8_t> bytes = body.From(offset);
    std::copy_n(bytes.begin(), N, target.begin());
}

std::vector<uint8_t> BytesAt(const TBIFFBody& body, int32_t offset, int32_t count) {
    const std::span<const uint8_t> bytes = body.From(offset).first(static_cast<size_t>(count));
    return {bytes.begin(), bytes.end()};
}

TBIFFEncryption ReadRC4(const TBIFFBody& body) {
    TBIFFEncryption encryption;
    if (body.Size() < FilePassHeader + SaltSize + VerifierSize + RC4HashSize) {
        return encryption;
    }
    encryption.Kind = bekRC4;
    CopyBytes(body, FilePassHeader, encryption.Salt);
    CopyBytes(body, FilePassHeader + SaltSize, encryption.EncryptedVerifier);
    encryption.EncryptedVerifierHash = BytesAt(body, FilePassHeader + SaltSize + VerifierSize, RC4HashSize);
    return encryption;
}

TBIFFEncryption ReadCryptoAPI(const TBIFFBody& body) {
    TBIFFEncryption encryption;
    const uint32_t headerSize = body.DWord(CryptoAPIHeaderSize);
    if (headerSize < HeaderFixedSize ||
        headerSize > static_cast<uint32_t>(std::max(body.Size() - CryptoAPIHeader - CryptoAPIVerifierSize, 0))) {
        return encryption;
    }
    uint32_t keyBits = body.DWord(CryptoAPIHeader + HeaderKeySize);
    keyBits = keyBits == 0 ? MinKeyBits : keyBits;
    const auto verifier = static_cast<int32_t>(CryptoAPIHeader + headerSize);
    if (!IsAlgorithm(body.DWord(CryptoAPIHeader + HeaderAlgorithm), AlgorithmRC4) ||
        !IsAlgorithm(body.DWord(CryptoAPIHeader + HeaderHashAlgorithm), AlgorithmSHA1) || keyBits < MinKeyBits ||
        keyBits > MaxKeyBits || keyBits % 8 != 0 || body.DWord(verifier) != SaltSize ||
        body.DWord(verifier + 4 + SaltSize + VerifierSize) != SHA1HashSize) {
        return encryption;
    }
    encryption.Kind = bekRC4CryptoAPI;
    encryption.KeyBits = static_cast<int32_t>(keyBits);
    CopyBytes(body, verifier + 4, encryption.Salt);
    CopyBytes(body, verifier + 4 + SaltSize, encryption.EncryptedVerifier);
    encryption.EncryptedVerifierHash = BytesAt(body, verifier + 4 + SaltSize + VerifierSize + 4, SHA1HashSize);
    return encryption;
}

} // namespace

TBIFFEncryption FilePassEncryption(std::span<const uint8_t> bytes, TExcelVersion version) {
    const TBIFFBody body(bytes);
    if (version < xvExcel97 || body.Size() < FilePassHeader || body.Word(0) != FilePassTypeRC4) {
        return {};
    }
    const uint16_t major = body.Word(FilePassMajor);
    const uint16_t minor = body.Word(FilePassMinor);
    if (IsRC4Version(major, minor)) {
        return ReadRC4(body);
    }
    if (IsCryptoAPIVersion(major, minor)) {
        return ReadCryptoAPI(body);
    }
    return {};
}

} // namespace xls
