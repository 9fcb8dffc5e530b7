#include "xls/biff/stream/BIFF_Utils.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/BIFFTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::TBytes;
using test_support::MessageOf;

TEST(BIFFUtils, DecodeRK) {
    const struct {
        uint32_t RK;
        double Value;
    } cases[] = {
        {0x3FF00000, 1.0},       {0x3FF00001, 0.01},       {0x00000192, 100},   {0x00000193, 1.0}, {0xFFFFFFFE, -1},
        {0x7FFFFFFE, 536870911}, {0x80000002, -536870912}, {0xC0240000, -10.0}, {0x00000000, 0.0},
    };
    for (const auto& test : cases) {
        EXPECT_DOUBLE_EQ(DecodeRK(test.RK), test.Value) << std::hex << test.RK;
    }
}

TEST(BIFFUtils, ErrorBytes) {
    const struct {
        uint8_t Code;
        int32_t Index;
        const char16_t* Text;
    } cases[] = {
        {0x00, 1, u"#NULL!"}, {0x07, 2, u"#DIV/0!"}, {0x0F, 3, u"#VALUE!"}, {0x17, 4, u"#REF!"}, {0x1D, 5, u"#NAME?"},
        {0x24, 6, u"#NUM!"},  {0x2A, 7, u"#N/A"},    {0x01, 0, u"#???"},    {0x99, 0, u"#???"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ErrorByteToIndex(test.Code), test.Index) << int{test.Code};
        EXPECT_EQ(ErrorByteToText(test.Code), test.Text) << int{test.Code};
    }
}

TEST(BIFFUtils, ColourIndexesAndAreasAreClipped) {
    EXPECT_EQ(LimitTo64(63), 63);
    EXPECT_EQ(LimitTo64(64), 64);
    EXPECT_EQ(LimitTo64(127), 64);

    const struct {
        int32_t In[4];
        bool Inside;
        int32_t Out[4];
    } cases[] = {
        {{-5, 10, 300, 70000}, true, {0, 10, 255, 65535}},
        {{300, 0, 400, 5}, false, {300, 0, 400, 5}},
        {{0, 65536, 5, 70000}, false, {0, 65536, 5, 70000}},
        {{0, 0, -1, 5}, false, {0, 0, -1, 5}},
        {{0, -9, 5, -1}, false, {0, -9, 5, -1}},
        {{255, 65535, 255, 65535}, true, {255, 65535, 255, 65535}},
    };
    for (const auto& test : cases) {
        int32_t area[4] = {test.In[0], test.In[1], test.In[2], test.In[3]};
        EXPECT_EQ(ClipAreaToBIFF(area[0], area[1], area[2], area[3]), test.Inside) << test.In[0] << "," << test.In[1];
        EXPECT_EQ(std::vector<int32_t>(area, area + 4), std::vector<int32_t>(test.Out, test.Out + 4));
    }
}

TEST(BIFFUtils, StringFormsToText) {
    const TBytes eightBit = {0, 'S', 0xE9, 'a'};
    const TBytes sixteenBit = {1, 0x00, 0x4E, 0x01, 0x4E, 'x', 0};
    EXPECT_EQ(BytesToWide(TBytes{'a', 0xE9, 'z'}, 2), u"a\u00E9");
    EXPECT_EQ(FlaggedToWide(eightBit), u"S\u00E9a");
    EXPECT_EQ(FlaggedToWide(sixteenBit), u"\u4E00\u4E01x");
    EXPECT_EQ(FlaggedToWide(TBytes{'A', 'B'}), u"AB");
    EXPECT_EQ(FlaggedToWide(TBytes{}), u"");
    EXPECT_EQ(ShortStringToWide(sixteenBit, 2), u"\u4E00\u4E01");
    EXPECT_EQ(ShortStringToWide(eightBit, 3), u"S\u00E9a");
    EXPECT_EQ(ShortStringToWide(TBytes{}, 0), u"");
    EXPECT_EQ(UnicodeBodyToWide(sixteenBit, 3), u"\u4E00\u4E01x");
    EXPECT_EQ(UnicodeBodyToWide(TBytes{7, 'o', 'k'}, 2), u"ok");
    // Counted longer than held: the whole characters that are there, never half of a UTF-16 one.
    EXPECT_EQ(UnicodeBodyToWideHeld(sixteenBit, 5), u"\u4E00\u4E01x");
    EXPECT_EQ(UnicodeBodyToWideHeld(TBytes{1, 0x00, 0x4E, 'x'}, 2), u"\u4E00");
    EXPECT_EQ(UnicodeBodyToWideHeld(eightBit, 9), u"S\u00E9a");
    EXPECT_EQ(UnicodeBodyToWideHeld(eightBit, 2), u"S\u00E9");
    EXPECT_EQ(UnicodeBodyToWideHeld(TBytes{}, 3), u"");
    EXPECT_EQ(ZeroTerminatedToWide(TBytes{'h', 0, 'i', 0, 0, 0}, 6), u"hi");
    EXPECT_EQ(ZeroTerminatedToWide(TBytes{'h', 0, 0, 0, 'x', 0, 0, 0}, 8), u"h");
    EXPECT_EQ(ZeroTerminatedToWide(TBytes{}, 0), u"");
    EXPECT_EQ(MakeFlaggedString(TBytes{2, 'a', 0, 'b', 0, 'c'}, 2), (TBytes{2, 'a', 0, 'b', 0}));
    EXPECT_EQ(MakeFlaggedString(TBytes{0, 'a', 'b', 'c'}, 2), (TBytes{0, 'a', 'b'}));
    EXPECT_EQ(WideToFlagged16(u"\u4E00x"), (TBytes{1, 0x00, 0x4E, 'x', 0}));
    EXPECT_EQ(FlaggedToWide(WideToFlagged16(u"round trip")), u"round trip");
}

TEST(BIFFUtils, StringCountsAreCheckedAgainstTheBytesGiven) {
    // A short string of 200 UTF-16 characters takes its flag byte and 400 bytes.
    TBytes bytes = test::PatternBytes(401);
    bytes[0] = 1;
    EXPECT_EQ(ShortStringToWide(bytes, 200).size(), 200U);
    bytes.pop_back();
    const struct {
        const char* Name;
        std::function<void()> Read;
        std::string Message;
    } cases[] = {
        {"short string", [&] { ShortStringToWide(bytes, 200); },
         "String of 200 characters needs 401 bytes, but only 400 are left"},
        {"unicode body", [&] { UnicodeBodyToWide(bytes, 60000); },
         "String of 60000 characters needs 120001 bytes, but only 400 are left"},
        {"flag missing", [] { UnicodeBodyToWide(TBytes{}, 1); },
         "String of 1 characters needs 1 bytes, but only 0 are left"},
        {"bytes", [] { BytesToWide(TBytes{'a'}, 2); }, "String of 2 characters needs 2 bytes, but only 1 are left"},
        {"zero terminated",
         [] {
             ZeroTerminatedToWide(TBytes{'a', 0}, 8);
         },
         "String of 3 characters needs 6 bytes, but only 2 are left"},
        {"flagged",
         [] {
             MakeFlaggedString(TBytes{1, 'a', 0}, 2);
         },
         "String of 2 characters needs 5 bytes, but only 3 are left"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(MessageOf(test.Read), test.Message) << test.Name;
    }
}

} // namespace
} // namespace xls
