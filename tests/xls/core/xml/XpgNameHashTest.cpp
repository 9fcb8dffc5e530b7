#include "xls/core/xml/XpgNameHash.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(XpgNameHash, SumsAreTheValuesElementClassesDispatchOn) {
    struct Case {
        rtl::UnicodeStringView name;
        uint32_t expected;
    };
    const Case cases[] = {
        {u"r", 114},
        {u"Relationship", 1266},
        {u"Relationships", 1381},
        {u"Id", 173},
        {u"Type", 418},
        {u"Target", 615},
        {u"TargetMode", 1004},
        {u"Types", 533},
        {u"Default", 709},
        {u"Override", 832},
        {u"Extension", 957},
        {u"ContentType", 1149},
        {u"r:id", 114 + 58 + 'i' + 'd'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        EXPECT_EQ(StrSumHash(c.name), c.expected);
        const std::string bytes(c.name.begin(), c.name.end());
        EXPECT_EQ(XpgByteSumHash(bytes), c.expected);
    }
}

TEST(XpgNameHash, MultiplicativeHashTellsSumCollisionsApart) {
    // "ab" and "ba" share a byte sum.
    EXPECT_EQ(StrSumHash(u"ab"), StrSumHash(u"ba"));
    EXPECT_NE(StrMulHash(u"ab"), StrMulHash(u"ba"));
    // h = 'a', then h = h * (63689 * 378551) + 'b' in 32-bit arithmetic.
    EXPECT_EQ(StrMulHash(u"ab"), uint32_t{'a'} * (63689u * 378551u) + 'b');
    EXPECT_EQ(XpgByteMulHash("ab"), StrMulHash(u"ab"));
    EXPECT_EQ(XpgByteMulHash("Properties"), StrMulHash(u"Properties"));
    EXPECT_EQ(StrMulHash(u""), 0u);
}

TEST(XpgNameHash, WideCharactersCountBothBytes) {
    EXPECT_EQ(StrSumHash(u"\u4E2D"), 0x4Eu + 0x2Du);
}

} // namespace
} // namespace xls
