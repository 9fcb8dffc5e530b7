#include "xls/biff/crypto/BIFF_Digest.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace xls {
namespace {

std::span<const uint8_t> TextBytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

template <size_t N>
std::string DigestHex(const std::array<uint8_t, N>& digest) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (const uint8_t b : digest) {
        hex += Digits[b >> 4];
        hex += Digits[b & 15];
    }
    return hex;
}

struct TDigestCase {
    std::string Input;
    const char* MD5;
    const char* SHA1;
};

// RFC 1321 appendix A.5 and FIPS 180 example vectors; the 56-byte input puts the length into a block of its own,
// the 80-byte one spans two blocks.
const TDigestCase DigestCases[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72", "a9993e364706816aba3e25717850c26c9cd0d89d"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0", "c12252ceda8be8994d5fa0290a47231c1d16aae3"},
    {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "8215ef0796a20bcaaae116d3876c664a",
     "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a", "50abf5706a150990a08b2c5ea40fa0e585554732"},
};

TEST(TMD5AndTSHA1, PublishedVectors) {
    for (const TDigestCase& c : DigestCases) {
        EXPECT_EQ(DigestHex(TMD5::Of(TextBytes(c.Input))), c.MD5) << c.Input;
        EXPECT_EQ(DigestHex(TSHA1::Of(TextBytes(c.Input))), c.SHA1) << c.Input;
    }
}

TEST(TMD5AndTSHA1, InputInPiecesOfAnySizeGivesTheSameDigest) {
    // A million 'a' (FIPS 180 and RFC 1321 test suites), fed in pieces of 1, 7 and 999 bytes.
    const std::string million(1000000, 'a');
    for (const size_t piece : {size_t{1}, size_t{7}, size_t{999}}) {
        TMD5 md5;
        TSHA1 sha1;
        for (size_t at = 0; at < million.size(); at += piece) {
            const std::span<const uint8_t> part = TextBytes(std::string_view(million).substr(at, piece));
            md5.Update(part);
            sha1.Update(part);
        }
        EXPECT_EQ(DigestHex(md5.Final()), "7707d6ae4e027c70eea2a935c2296f21") << piece;
        EXPECT_EQ(DigestHex(sha1.Final()), "34aa973cd4c4daa4f61eeb2bdbad27316534016f") << piece;
    }
}

TEST(TMD5AndTSHA1, FinalStartsTheDigestAgain) {
    TMD5 md5;
    md5.Update(TextBytes("abc"));
    md5.Final();
    md5.Update(TextBytes("abc"));
    EXPECT_EQ(DigestHex(md5.Final()), "900150983cd24fb0d6963f7d28e17f72");
    TSHA1 sha1;
    sha1.Update(TextBytes("abc"));
    sha1.Final();
    EXPECT_EQ(DigestHex(sha1.Final()), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
}

} // namespace
} // namespace xls
