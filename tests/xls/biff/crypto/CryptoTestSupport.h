#pragma once
// Encrypted records for the decryption tests: published key material, FILEPASS bodies, and record streams
// encrypted the way Excel encrypts them (MS-XLS 2.2.10), so that a test can build an encrypted workbook byte by byte.

#include "tests/xls/biff/crypto/DecryptedRecords.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/crypto/BIFF_Decryptor.h"

#include <string>
#include <string_view>

namespace xls::test {

inline TBytes FromHex(std::string_view hex) {
    TBytes bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

// RC4 encryption with the password "password1": salt, encrypted verifier and its encrypted MD5 hash (the example of
// the python msoffcrypto-tool's documentation).
inline constexpr char16_t ExamplePassword[] = u"password1";
inline constexpr std::string_view ExampleSalt = "e8772c1d91c56a37964761b280183217";
inline constexpr std::string_view ExampleVerifier = "c9e997d454973d310bb1ba701426837e";
inline constexpr std::string_view ExampleVerifierHash = "b1de178f07e989c44dae5e4cf96ac407";
// The same for the default password "VelvetSweatshop", with salt 10 11 ... 1F.
inline constexpr std::string_view DefaultSalt = "101112131415161718191a1b1c1d1e1f";
inline constexpr std::string_view DefaultVerifier = "79a822e180e15c36a84275603717640b";
inline constexpr std::string_view DefaultVerifierHash = "d09221e42301da30d490489c91b7a3cd";

// The body of a BIFF8 FILEPASS naming RC4 encryption (type 1, version 1.1).
inline TBytes FilePassRC4(std::string_view salt = ExampleSalt, std::string_view verifier = ExampleVerifier,
                          std::string_view hash = ExampleVerifierHash) {
    return Concat({Word(1), Word(1), Word(1), FromHex(salt), FromHex(verifier), FromHex(hash)});
}

// The encryption a FILEPASS of FilePassRC4 names.
inline TBIFFEncryption ExampleEncryption() {
    TBIFFEncryption encryption;
    encryption.Kind = bekRC4;
    const TBytes salt = FromHex(ExampleSalt);
    const TBytes verifier = FromHex(ExampleVerifier);
    std::copy(salt.begin(), salt.end(), encryption.Salt.begin());
    std::copy(verifier.begin(), verifier.end(), encryption.EncryptedVerifier.begin());
    encryption.EncryptedVerifierHash = FromHex(ExampleVerifierHash);
    return encryption;
}

// The records of a record stream, as they stand.
inline std::vector<TRecordBytes> RecordsOf(const TBytes& records) {
    std::vector<TRecordBytes> split;
    size_t at = 0;
    while (at + 4 <= records.size()) {
        const size_t length = static_cast<size_t>(records[at + 2] | records[at + 3] << 8);
        const size_t end = std::min(records.size(), at + 4 + length);
        split.push_back({static_cast<uint16_t>(records[at] | records[at + 1] << 8),
                         TBytes(records.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                records.begin() + static_cast<std::ptrdiff_t>(end))});
        at = end;
    }
    return split;
}

// records with every body encrypted that Excel encrypts: all but those of BOF, FILEPASS and INTERFACEHDR and the
// first 4 bytes of a BOUNDSHEET. The key stream runs over the whole stream, headers included.
inline TBytes EncryptRecords(const TBytes& records, const TBIFFEncryption& encryption, std::u16string_view password) {
    std::unique_ptr<TBIFFDecryptor> cipher = TBIFFDecryptor::Create(encryption, password);
    TBytes encrypted = records;
    size_t at = 0;
    while (at + 4 <= encrypted.size()) {
        const uint16_t id = static_cast<uint16_t>(encrypted[at] | encrypted[at + 1] << 8);
        const size_t length = static_cast<size_t>(encrypted[at + 2] | encrypted[at + 3] << 8);
        const size_t body = at + 4;
        size_t clear = 0;
        if ((id & 0xFF) == 0x09 || id == 0x002F || id == 0x00E1) {
            clear = length;
        } else if (id == 0x0085) {
            clear = std::min<size_t>(4, length);
        }
        cipher->Decrypt(static_cast<int64_t>(body + clear), encrypted.data() + body + clear,
                        static_cast<int32_t>(length - clear));
        at = body + length;
    }
    return encrypted;
}

} // namespace xls::test
