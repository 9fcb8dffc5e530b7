#include "xls/biff/crypto/BIFF_Decryptor.h"

#include "xls/biff/crypto/BIFF_Digest.h"

#include <algorithm>

namespace xls {

namespace {

// How much of a password each scheme takes.
constexpr size_t RC4PasswordLength = 31;
constexpr size_t CryptoAPIPasswordLength = 255;
// RC4 encryption keys from the first 5 bytes of its hashes (MS-OFFCRYPTO 2.3.6.2).
constexpr size_t TruncatedHashSize = 5;
constexpr size_t IntermediateRepeats = 16;
// The RC4 key is always 16 bytes: a 40-bit CryptoAPI key is padded with zeros (MS-OFFCRYPTO 2.3.5.2).
constexpr size_t CipherKeySize = 16;
constexpr int32_t ShortKeyBits = 40;

std::vector<uint8_t> PasswordBytes(rtl::UnicodeStringView password, size_t maxLength) {
    password = password.substr(0, maxLength);
    std::vector<uint8_t> bytes;
    bytes.reserve(password.size() * 2);
    for (const char16_t c : password) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

std::array<uint8_t, 4> BlockNumberBytes(uint32_t block) {
    return {static_cast<uint8_t>(block), static_cast<uint8_t>(block >> 8), static_cast<uint8_t>(block >> 16),
            static_cast<uint8_t>(block >> 24)};
}

// RC4 encryption (MS-OFFCRYPTO 2.3.6.2): the key base is MD5 of 16 repeats of the password's truncated MD5 and the
// salt; a block's key is MD5 of the truncated key base and the block number.
class TRC4Decryptor final : public TBIFFDecryptor {
public:
    TRC4Decryptor(rtl::UnicodeStringView password, std::span<const uint8_t> salt) {
        const TMD5::TDigest passwordHash = TMD5::Of(PasswordBytes(password, RC4PasswordLength));
        TMD5 md5;
        for (size_t i = 0; i < IntermediateRepeats; ++i) {
            md5.Update(std::span(passwordHash).first(TruncatedHashSize));
            md5.Update(salt);
        }
        const TMD5::TDigest keyBase = md5.Final();
        std::copy_n(keyBase.begin(), TruncatedHashSize, FKeyBase.begin());
    }

private:
    TRC4 BlockCipher(uint32_t block) const override {
        TMD5 md5;
        md5.Update(FKeyBase);
        md5.Update(BlockNumberBytes(block));
        return TRC4(md5.Final());
    }
    std::vector<uint8_t> VerifierDigest(std::span<const uint8_t> verifier) const override {
        const TMD5::TDigest digest = TMD5::Of(verifier);
        return {digest.begin(), digest.end()};
    }

    std::array<uint8_t, TruncatedHashSize> FKeyBase{};
};

// RC4 CryptoAPI encryption (MS-OFFCRYPTO 2.3.5.2): the key base is SHA-1 of the salt and the password; a block's key
// is the first bits of SHA-1 of the key base and the block number.
class TCryptoAPIDecryptor final : public TBIFFDecryptor {
public:
    TCryptoAPIDecryptor(rtl::UnicodeStringView password, std::span<const uint8_t> salt, int32_t keyBits)
        : FKeySize(static_cast<size_t>(std::clamp(keyBits, ShortKeyBits, 128) / 8)) {
        TSHA1 sha1;
        sha1.Update(salt);
        sha1.Update(PasswordBytes(password, CryptoAPIPasswordLength));
        FKeyBase = sha1.Final();
    }

private:
    TRC4 BlockCipher(uint32_t block) const override {
        TSHA1 sha1;
        sha1.Update(FKeyBase);
        sha1.Update(BlockNumberBytes(block));
        const TSHA1::TDigest hash = sha1.Final();
        std::array<uint8_t, CipherKeySize> key{};
        std::copy_n(hash.begin(), FKeySize, key.begin());
        return TRC4(key);
    }
    std::vector<uint8_t> VerifierDigest(std::span<const uint8_t> verifier) const override {
        const TSHA1::TDigest digest = TSHA1::Of(verifier);
        return {digest.begin(), digest.end()};
    }

    size_t FKeySize;
    TSHA1::TDigest FKeyBase{};
};

} // namespace

std::unique_ptr<TBIFFDecryptor> TBIFFDecryptor::Create(const TBIFFEncryption& encryption,
                                                       rtl::UnicodeStringView password) {
    std::unique_ptr<TBIFFDecryptor> decryptor;
    if (encryption.Kind == bekRC4) {
        decryptor = std::make_unique<TRC4Decryptor>(password, encryption.Salt);
    } else if (encryption.Kind == bekRC4CryptoAPI) {
        decryptor = std::make_unique<TCryptoAPIDecryptor>(password, encryption.Salt, encryption.KeyBits);
    }
    if (decryptor == nullptr || !decryptor->Verify(encryption)) {
        return nullptr;
    }
    return decryptor;
}

bool TBIFFDecryptor::Verify(const TBIFFEncryption& encryption) const {
    // The verifier and its hash are encrypted one after the other with the key stream of block 0.
    TRC4 cipher = BlockCipher(0);
    std::array<uint8_t, 16> verifier = encryption.EncryptedVerifier;
    cipher.Apply(verifier.data(), verifier.size());
    std::vector<uint8_t> hash = encryption.EncryptedVerifierHash;
    cipher.Apply(hash.data(), hash.size());
    return !hash.empty() && VerifierDigest(verifier) == hash;
}

void TBIFFDecryptor::Decrypt(int64_t offset, uint8_t* bytes, int32_t count) {
    while (count > 0 && offset >= 0) {
        const auto block = static_cast<uint32_t>(offset / BlockSize);
        const int64_t inBlock = offset % BlockSize;
        if (!FCipher || block != FBlock || inBlock < FInBlock) {
            FCipher.emplace(BlockCipher(block));
            FBlock = block;
            FInBlock = 0;
        }
        FCipher->Skip(static_cast<size_t>(inBlock - FInBlock));
        const auto piece = static_cast<int32_t>(std::min<int64_t>(count, BlockSize - inBlock));
        FCipher->Apply(bytes, static_cast<size_t>(piece));
        FInBlock = inBlock + piece;
        offset += piece;
        bytes += piece;
        count -= piece;
    }
}

} // namespace xls
