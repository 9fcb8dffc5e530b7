#include "xls/biff/crypto/BIFF_RC4.h"

#include "tests/xls/biff/crypto/CryptoTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace xls {
namespace {

using test::Bytes8;
using test::FromHex;

TEST(TRC4, PublishedVectors) {
    struct TCase {
        const char* Key;
        const char* Plain;
        const char* Cipher;
    };
    const TCase cases[] = {
        {"Key", "Plaintext", "bbf316e8d940af0ad3"},
        {"Wiki", "pedia", "1021bf0420"},
        {"Secret", "Attack at dawn", "45a01f645fc35b383552544b9bf5"},
    };
    for (const TCase& c : cases) {
        std::vector<uint8_t> data = Bytes8(c.Plain);
        TRC4 cipher(Bytes8(c.Key));
        cipher.Apply(data.data(), data.size());
        EXPECT_EQ(data, FromHex(c.Cipher)) << c.Key;
        TRC4 again(Bytes8(c.Key));
        again.Apply(data.data(), data.size());
        EXPECT_EQ(data, Bytes8(c.Plain)) << "applying the same key stream twice restores the data";
    }
}

TEST(TRC4, SkippingMovesTheKeyStreamOnAsApplyingDoes) {
    std::vector<uint8_t> whole(300);
    TRC4(Bytes8("Key")).Apply(whole.data(), whole.size());
    std::vector<uint8_t> tail(100);
    TRC4 skipping(Bytes8("Key"));
    skipping.Skip(200);
    skipping.Apply(tail.data(), tail.size());
    EXPECT_EQ(tail, std::vector<uint8_t>(whole.begin() + 200, whole.end()));
}

} // namespace
} // namespace xls
