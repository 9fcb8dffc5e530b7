#include "xls/core/base/XLSUtils.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace xls {
namespace {

using test_support::Utf8;

TEST(XLSUtils, CharPosAndLastCharPos) {
    struct Case {
        const char16_t* text;
        char16_t character;
        int32_t first;
        int32_t last;
    };
    const Case cases[] = {
        {u"a.b.c", u'.', 1, 3}, {u"abc", u'.', -1, -1}, {u"", u'.', -1, -1},
        {u"x", u'x', 0, 0},     {u"xax", u'x', 0, 2},   {u"中文中", u'中', 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        EXPECT_EQ(CharPos(c.character, c.text), c.first);
        EXPECT_EQ(LastCharPos(c.character, c.text), c.last);
    }
}

TEST(XLSUtils, CharPosOfAn8BitCharacterFindsTheCharacterOfTheSameCode) {
    EXPECT_EQ(CharPos('\xE4', u"xä"), 1);
    EXPECT_EQ(CharPos('\xE4', u"xÄ"), -1);
    EXPECT_EQ(CharPos('b', u"abc"), 1);
}

TEST(XLSUtils, IsNarrowTextAndCharInSet) {
    EXPECT_TRUE(IsNarrowText(u""));
    EXPECT_TRUE(IsNarrowText(u"abc\u00FF"));
    EXPECT_FALSE(IsNarrowText(u"ab\u0100"));

    TXLSCharSet set;
    set.set('A');
    set.set(0xFF);
    EXPECT_TRUE(CharInSet(u'A', set));
    EXPECT_TRUE(CharInSet(u'\u00FF', set));
    EXPECT_FALSE(CharInSet(u'B', set));
    // U+0141 and U+01FF share their low byte with members but are other characters.
    EXPECT_FALSE(CharInSet(u'\u0141', set));
    EXPECT_FALSE(CharInSet(u'\u01FF', set));
}

TEST(XLSUtils, ClampAndIndentText) {
    EXPECT_EQ(Clamp(-5, 0, 255), 0);
    EXPECT_EQ(Clamp(300, 0, 255), 255);
    EXPECT_EQ(Clamp(7, 0, 255), 7);
    EXPECT_EQ(Utf8(IndentText(2)), "    ");
    EXPECT_EQ(Utf8(IndentText(0)), "");
    EXPECT_EQ(Utf8(IndentText(-3)), "");
}

TEST(XLSUtils, Crc32WithoutFinalInversion) {
    struct Case {
        const char* bytes;
        int32_t count;
        uint32_t crc;
    };
    const Case cases[] = {
        {"abc", 3, 0xCADBBE3D},
        // The published check value 0xCBF43926, not inverted.
        {"123456789", 9, 0x340BC6D9},
        {"abc", 0, 0xFFFFFFFF},
        {"abc", -1, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bytes) + " " + std::to_string(c.count));
        EXPECT_EQ(Crc32(c.bytes, c.count), c.crc);
    }
}

TEST(XLSUtils, IsZipStreamKeepsThePosition) {
    struct Case {
        const char* name;
        std::string bytes;
        int64_t position;
        bool zip;
    };
    const Case cases[] = {
        {"local header at the start", std::string("PK\x03\x04rest", 8), 0, true},
        {"local header at the position", std::string("xxPK\x03\x04", 6), 2, true},
        {"end of central directory", std::string("PK\x05\x06rest", 8), 0, false},
        {"a BIFF compound file", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), 0, false},
        {"three bytes of a signature", std::string("PK\x03", 3), 0, false},
        {"empty", std::string(), 0, false},
        {"position past the end", std::string("PK\x03\x04", 4), 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rtl::TStringStream stream(c.bytes);
        stream.SetPosition(c.position);
        EXPECT_EQ(IsZipStream(stream), c.zip);
        EXPECT_EQ(stream.Position(), c.position);
    }
}

TEST(XLSUtils, EnglishMetricUnits) {
    EXPECT_DOUBLE_EQ(EmuToCm(360000), 1.0);
    EXPECT_DOUBLE_EQ(EmuToCm(-180000), -0.5);

    struct Case {
        double centimetres;
        int64_t emu;
    };
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {1.0, 360000},
        {0.015625, 5625},
        // 1/128 cm and 3/128 cm are exactly 2812.5 and 8437.5 units: halves go to the even unit.
        {0.0078125, 2812},
        {0.0234375, 8438},
        {-0.0078125, -2812},
        {std::nan(""), 0},
        {Infinity, INT64_MAX},
        {-Infinity, INT64_MIN},
        {1e300, INT64_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.centimetres);
        EXPECT_EQ(CmToEmu(c.centimetres), c.emu);
    }
}

TEST(XLSUtils, PointerMemoryStreamUsesTheBlockInPlace) {
    char first[] = "abcdef";
    char second[] = "XYZ";
    TPointerMemoryStream stream(first, 6);
    char read[3] = {};
    ASSERT_EQ(stream.Read(read, 2), 2);
    EXPECT_EQ(std::string(read, 2), "ab");

    stream.SetMemory(second, 3);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(stream.Size(), 3);
    ASSERT_EQ(stream.Read(read, 3), 1);
    EXPECT_EQ(read[0], 'Z');

    stream.SetPosition(0);
    ASSERT_EQ(stream.Write("q", 1), 1);
    EXPECT_EQ(second[0], 'q');
    EXPECT_EQ(stream.Write("0123", 4), 2);
    EXPECT_EQ(std::string(first), "abcdef");

    EXPECT_THROW(stream.SetMemory(first, -1), rtl::EStreamError);
    EXPECT_THROW(stream.SetMemory(nullptr, 1), rtl::EStreamError);
    stream.SetMemory(nullptr, 0);
    EXPECT_EQ(stream.Read(read, 1), 0);
}

} // namespace
} // namespace xls
