#include "xls/biff/crypto/BIFF_Decryptor.h"

#include "tests/xls/biff/crypto/CryptoTestSupport.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::TBytes;

// The key stream from offset on: zeros decrypted there.
TBytes KeyStreamAt(TBIFFDecryptor& decryptor, int64_t offset, int32_t count) {
    TBytes bytes(static_cast<size_t>(count));
    decryptor.Decrypt(offset, bytes.data(), count);
    return bytes;
}

TBIFFEncryption CryptoAPIEncryption(int32_t keyBits, std::string_view verifier, std::string_view hash) {
    TBIFFEncryption encryption = test::ExampleEncryption();
    encryption.Kind = bekRC4CryptoAPI;
    encryption.KeyBits = keyBits;
    const TBytes bytes = test::FromHex(verifier);
    std::copy(bytes.begin(), bytes.end(), encryption.EncryptedVerifier.begin());
    encryption.EncryptedVerifierHash = test::FromHex(hash);
    return encryption;
}

// The example encryption as RC4, and as RC4 CryptoAPI with 40-bit and 128-bit keys (verifier 00 01 ... 0F).
TBIFFEncryption EncryptionOfKeyBits(int32_t keyBits) {
    switch (keyBits) {
    case 40:
        return CryptoAPIEncryption(40, "8aa2f3d5efe4e59533eef69c5e80d9d8", "a77a2d73e0c29bbe95e63cb3d9e86df6c57fb111");
    case 128:
        return CryptoAPIEncryption(128, "a2cc5d18957fc7459d6a48bec1b2c8fa", "c0c009c8eec55e3810d803a5a52b76c482805d50");
    default:
        return test::ExampleEncryption();
    }
}

TEST(TBIFFDecryptor, OnlyTheRightPasswordOpensTheEncryption) {
    const TBIFFEncryption encryption = test::ExampleEncryption();
    EXPECT_NE(TBIFFDecryptor::Create(encryption, test::ExamplePassword), nullptr);
    EXPECT_EQ(TBIFFDecryptor::Create(encryption, u"password2"), nullptr);
    EXPECT_EQ(TBIFFDecryptor::Create(encryption, u""), nullptr);
    TBIFFEncryption unknown = encryption;
    unknown.Kind = bekUnknown;
    EXPECT_EQ(TBIFFDecryptor::Create(unknown, test::ExamplePassword), nullptr);
    // A 40-bit CryptoAPI key is zero-padded to 16 bytes.
    for (const int32_t keyBits : {40, 128}) {
        const TBIFFEncryption cryptoAPI = EncryptionOfKeyBits(keyBits);
        EXPECT_NE(TBIFFDecryptor::Create(cryptoAPI, test::ExamplePassword), nullptr) << keyBits;
        EXPECT_EQ(TBIFFDecryptor::Create(cryptoAPI, u"Password1"), nullptr) << keyBits;
    }
}

TEST(TBIFFDecryptor, EachBlockHasTheKeyStreamOfItsNumber) {
    // Key stream bytes of the python msoffcrypto-tool for "password1" and the example salt, 1024-byte blocks.
    struct TCase {
        int32_t KeyBits; // 0 for RC4
        int64_t Offset;
        const char* Bytes;
    };
    const TCase cases[] = {
        {0, 0, "fbba127c9e7b3311"},   {0, 1020, "82079afa954ec5dd"},   {0, 2050, "3ed64e236d7be070"},
        {40, 0, "8aa3f1d6ebe1e392"},  {40, 1020, "152628aa6ac9382d"},  {40, 2050, "dfe873bf4f4e9a77"},
        {128, 0, "a2cd5f1b917ac142"}, {128, 1020, "8fdae5975c8d5666"}, {128, 2050, "92e685627b438949"},
    };
    for (const TCase& c : cases) {
        std::unique_ptr<TBIFFDecryptor> decryptor =
            TBIFFDecryptor::Create(EncryptionOfKeyBits(c.KeyBits), test::ExamplePassword);
        ASSERT_NE(decryptor, nullptr) << c.KeyBits;
        EXPECT_EQ(KeyStreamAt(*decryptor, c.Offset, 8), test::FromHex(c.Bytes)) << c.KeyBits << " at " << c.Offset;
        const TBytes whole = KeyStreamAt(*decryptor, 0, 3000);
        EXPECT_EQ(TBytes(whole.begin() + c.Offset, whole.begin() + c.Offset + 8), test::FromHex(c.Bytes))
            << c.KeyBits << " at " << c.Offset;
    }
}

TEST(TBIFFDecryptor, PiecesDecryptAlikeInAnyOrder) {
    std::unique_ptr<TBIFFDecryptor> decryptor =
        TBIFFDecryptor::Create(test::ExampleEncryption(), test::ExamplePassword);
    ASSERT_NE(decryptor, nullptr);
    const TBytes whole = KeyStreamAt(*decryptor, 0, 5000);
    for (const int32_t piece : {1, 7, 1023, 1025}) {
        TBytes forward;
        for (int32_t at = 0; at < 5000; at += piece) {
            const TBytes part = KeyStreamAt(*decryptor, at, std::min(piece, 5000 - at));
            forward.insert(forward.end(), part.begin(), part.end());
        }
        EXPECT_EQ(forward, whole) << piece;
        // Backwards, every piece goes back inside its block or to an earlier one.
        TBytes backward(whole.size());
        for (int32_t at = (4999 / piece) * piece; at >= 0; at -= piece) {
            const TBytes part = KeyStreamAt(*decryptor, at, std::min(piece, 5000 - at));
            std::copy(part.begin(), part.end(), backward.begin() + at);
        }
        EXPECT_EQ(backward, whole) << piece;
    }
}

} // namespace
} // namespace xls
