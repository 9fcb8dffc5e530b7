#include "xls/biff/stream/BIFF_FilePass.h"

#include "tests/xls/biff/crypto/CryptoTestSupport.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::Concat;
using test::DWord;
using test::FromHex;
using test::TBytes;
using test::Word;

// A FILEPASS body of RC4 CryptoAPI (MS-OFFCRYPTO 2.3.5.1) with a header of headerSize bytes, whose provider name is
// padding.
TBytes FilePassCryptoAPI(uint16_t major, uint32_t headerSize, uint32_t keyBits, uint32_t saltSize = 16,
                         uint32_t hashSize = 20) {
    const TBytes header = Concat({DWord(0x0C), DWord(0), DWord(0x6801), DWord(0x8004), DWord(keyBits), DWord(1),
                                  DWord(0), DWord(0), TBytes(headerSize > 32 ? headerSize - 32 : 0, 0x41)});
    return Concat({Word(1), Word(major), Word(2), DWord(0x0C), DWord(headerSize), header, DWord(saltSize),
                   test::PatternBytes(16, 1), test::PatternBytes(16, 2), DWord(hashSize), test::PatternBytes(20, 3)});
}

// body with its CryptoAPI header size (body offset 10) replaced.
TBytes WithHeaderSize(TBytes body, uint32_t headerSize) {
    const TBytes size = DWord(headerSize);
    std::copy(size.begin(), size.end(), body.begin() + 10);
    return body;
}

TEST(FilePassEncryption, NamesTheSchemeAndItsVerifier) {
    const TBIFFEncryption rc4 = FilePassEncryption(test::FilePassRC4(), xvExcel97);
    EXPECT_EQ(rc4.Kind, bekRC4);
    EXPECT_EQ(TBytes(rc4.Salt.begin(), rc4.Salt.end()), FromHex(test::ExampleSalt));
    EXPECT_EQ(TBytes(rc4.EncryptedVerifier.begin(), rc4.EncryptedVerifier.end()), FromHex(test::ExampleVerifier));
    EXPECT_EQ(rc4.EncryptedVerifierHash, FromHex(test::ExampleVerifierHash));

    const TBIFFEncryption cryptoAPI = FilePassEncryption(FilePassCryptoAPI(4, 40, 128), xvExcel97);
    EXPECT_EQ(cryptoAPI.Kind, bekRC4CryptoAPI);
    EXPECT_EQ(cryptoAPI.KeyBits, 128);
    EXPECT_EQ(TBytes(cryptoAPI.Salt.begin(), cryptoAPI.Salt.end()), test::PatternBytes(16, 1));
    EXPECT_EQ(TBytes(cryptoAPI.EncryptedVerifier.begin(), cryptoAPI.EncryptedVerifier.end()),
              test::PatternBytes(16, 2));
    EXPECT_EQ(cryptoAPI.EncryptedVerifierHash, test::PatternBytes(20, 3));
    // A key size of 0 stands for 40 bits.
    EXPECT_EQ(FilePassEncryption(FilePassCryptoAPI(2, 32, 0), xvExcel97).KeyBits, 40);
}

TEST(FilePassEncryption, OtherSchemesAndBodiesTooShortAreUnknown) {
    const TBytes rc4 = test::FilePassRC4();
    const TBytes cryptoAPI = FilePassCryptoAPI(3, 40, 128);
    struct TCase {
        const char* What;
        TBytes Body;
        TExcelVersion Version;
    };
    const TCase cases[] = {
        {"XOR obfuscation of BIFF8", Concat({Word(0), Word(0x1234), Word(0x5678)}), xvExcel97},
        {"FILEPASS of BIFF5, always XOR", Concat({Word(1), Word(1)}), xvExcel50},
        {"RC4 in a BIFF5 file", rc4, xvExcel50},
        {"no version", Word(1), xvExcel97},
        {"RC4 cut short", TBytes(rc4.begin(), rc4.end() - 1), xvExcel97},
        {"RC4 version 1.2", Concat({Word(1), Word(1), Word(2), TBytes(rc4.begin() + 6, rc4.end())}), xvExcel97},
        {"CryptoAPI version 5.2", FilePassCryptoAPI(5, 40, 128), xvExcel97},
        {"CryptoAPI cut short", TBytes(cryptoAPI.begin(), cryptoAPI.end() - 1), xvExcel97},
        {"CryptoAPI header larger than the body", WithHeaderSize(cryptoAPI, 41), xvExcel97},
        {"CryptoAPI header far larger than the body", WithHeaderSize(cryptoAPI, 0xFFFFFFF0), xvExcel97},
        {"CryptoAPI header shorter than its fields", FilePassCryptoAPI(3, 28, 128), xvExcel97},
        {"CryptoAPI key of 136 bits", FilePassCryptoAPI(3, 40, 136), xvExcel97},
        {"CryptoAPI key of 44 bits", FilePassCryptoAPI(3, 40, 44), xvExcel97},
        {"CryptoAPI salt of 8 bytes", FilePassCryptoAPI(3, 40, 128, 8), xvExcel97},
        {"CryptoAPI hash of 16 bytes", FilePassCryptoAPI(3, 40, 128, 16, 16), xvExcel97},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(FilePassEncryption(c.Body, c.Version).Kind, bekUnknown) << c.What;
    }
}

} // namespace
} // namespace xls
