#include "tests/support/TestSupport.h"
#include "tests/xls/biff/crypto/CryptoTestSupport.h"
#include "tests/xls/biff/vba/VBATestSupport.h"
#include "xls/biff/vba/BIFF_VBA.h"

#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using test::Concat;
using test::FromHex;
using test::TBytes;
using test::Word;
using test_support::MessageOf;

std::string Decompressed(const TBytes& data, size_t start = 0) {
    const std::vector<uint8_t> bytes = TXLSVBA::Decompress(data, start);
    return {bytes.begin(), bytes.end()};
}

TEST(TXLSVBADecompress, PublishedExamples) {
    // MS-OVBA 3.2.1 (no compression) and 3.2.2 (normal compression).
    EXPECT_EQ(Decompressed(FromHex("0119b000616263646566676800696a6b6c6d6e6f7000717273747576"
                                   "2e")),
              "abcdefghijklmnopqrstuv.");
    EXPECT_EQ(Decompressed(FromHex("012fb00023616161626364658266007061676869"
                                   "6a013808616b6c00306d6e6f70"
                                   "0671027004107273747576107778797a003c")),
              "#aaabcdefaaaaghijaaaaaklaaamnopqaaaaaaaaaaaarstuvwxyzaaa");
}

TEST(TXLSVBADecompress, ChunksRawAndCompressedFollowOneAnother) {
    const TBytes raw = test::PatternBytes(4096, 1);
    const TBytes tail = test::LiteralContainer(test::Bytes8("tail"));
    const TBytes data = Concat({{0x01}, Word(0x3FFF), raw, TBytes(tail.begin() + 1, tail.end())});
    const std::vector<uint8_t> bytes = TXLSVBA::Decompress(data, 0);
    EXPECT_EQ(TBytes(bytes.begin(), bytes.begin() + 4096), raw);
    EXPECT_EQ(std::string(bytes.begin() + 4096, bytes.end()), "tail");
    // Literal chunks longer than 4096 bytes, and a container that starts after other bytes.
    const std::string long_(5000, 'x');
    EXPECT_EQ(Decompressed(Concat({test::PatternBytes(9), test::LiteralContainer(test::Bytes8(long_))}), 9), long_);
    EXPECT_EQ(Decompressed(test::PatternBytes(9), 9), "");
}

TEST(TXLSVBADecompress, DamagedContainersFailCleanly) {
    struct TCase {
        const char* What;
        TBytes Data;
        const char* Message;
    };
    const TCase cases[] = {
        {"no signature", FromHex("0203b0006162"), "does not start with its signature byte"},
        {"chunk signature", FromHex("0103a0006162"), "chunk header A003 at offset 1 is invalid"},
        {"a copy before any output", FromHex("0103b0010000"), "reaches 1 bytes back, but its chunk has given only 0"},
        {"a copy reaching before the chunk's output", FromHex("0104b002610f10"),
         "reaches 2 bytes back, but its chunk has given only 1"},
        {"a copy past 4096 bytes", FromHex("0105b00261ff0f"), "gives more than 4096 bytes"},
        {"a raw chunk cut short", Concat({FromHex("01ff3f"), test::PatternBytes(100)}), "has 100 of its 4096 bytes"},
    };
    for (const TCase& c : cases) {
        const std::string message = MessageOf([&] { TXLSVBA::Decompress(c.Data, 0); });
        EXPECT_NE(message.find(c.Message), std::string::npos) << c.What << ": " << message;
    }
    // A chunk whose size runs past the data ends with the data.
    EXPECT_EQ(Decompressed(FromHex("01ffb000616263")), "abc");
}

} // namespace
} // namespace xls
