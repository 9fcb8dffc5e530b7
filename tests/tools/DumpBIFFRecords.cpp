// dump_biff_records FILE [PASSWORD]: prints every record of an .xls file's record stream, one line each: the id and
// the body, both in hexadecimal; the bodies after FILEPASS decrypted with the password. compare_msoffcrypto.py
// compares its output with the python msoffcrypto-tool's decryption.

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/xls/biff/crypto/DecryptedRecords.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: dump_biff_records FILE [PASSWORD]\n");
        return 2;
    }
    try {
        const auto records =
            xls::test::DecryptedRecords(rtl::Utf8ToUnicode(argv[1]), rtl::Utf8ToUnicode(argc == 3 ? argv[2] : ""));
        for (const xls::test::TRecordBytes& record : records) {
            std::printf("%04x ", record.Id);
            for (const uint8_t b : record.Body) {
                std::printf("%02x", b);
            }
            std::printf("\n");
        }
    } catch (const rtl::Exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
