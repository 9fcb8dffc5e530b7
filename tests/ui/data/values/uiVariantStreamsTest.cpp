#include "ui/data/values/uiVariantStreams.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/Bcd.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/variants/BcdVariant.h"
#include "rtl/variants/CustomVariantType.h"
#include "rtl/variants/SqlTimeStampVariant.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/DataTestSupport.h"
#include "ui/data/values/uiVariants.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace ui {
namespace {

using rtl::Variant;
using test::BytesOfHex;
using test::HexOf;

std::string WrittenBytes(const Variant& value) {
    rtl::TStringStream stream;
    WriteStreamVariant(stream, value);
    return stream.DataString();
}

Variant ReadBack(const std::string& bytes) {
    rtl::TStringStream stream(bytes);
    Variant value = ReadStreamVariant(stream);
    EXPECT_EQ(stream.Position(), stream.Size()) << "bytes left unread";
    return value;
}

std::string ReadFailure(const std::string& bytes) {
    return test_support::MessageOf([&] {
        rtl::TStringStream stream(bytes);
        ReadStreamVariant(stream);
    });
}

TEST(uiVariantStreams, VariantsWriteTheirKindAndPayload) {
    struct Case {
        Variant value;
        std::string hex;
    };
    const Case cases[] = {
        {Variant(127), "02 7F"},
        {Variant(128), "03 80 00"},
        {Variant(-32769), "04 FF 7F FF FF"},
        {Variant(int64_t{2147483648}), "13 00 00 00 80 00 00 00 00"},
        {Variant(uint16_t{200}), "03 C8 00"},
        {Variant(true), "09"},
        {Variant(false), "08"},
        {Variant::Null(), "00"},
        {Variant(), "0D"},
        {Variant::ArrayOf({}), "01 02 00"},
        {Variant::ArrayOf({Variant(1), Variant::Null()}), "01 02 02 02 01 00"},
        {Variant(1.0), "05 00 00 00 00 00 00 00 80 FF 3F"},
        {Variant(1.5f), "0F 00 00 C0 3F"},
        {Variant(rtl::Currency::FromScaled(15000)), "10 98 3A 00 00 00 00 00 00"},
        {Variant::FromDateTime(1.5), "11 00 00 00 00 00 00 F8 3F"},
        {Variant::FromAnsiString("ab"), "06 02 61 62"},
        {Variant(u"é"), "12 01 00 00 00 E9 00"},
        {rtl::VarSQLTimeStampCreate({1899, 12, 31, 12, 0, 0, 0}), "11 00 00 00 00 00 00 F8 3F"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(HexOf(WrittenBytes(c.value)), c.hex);
    }
}

TEST(uiVariantStreams, LongTextsTakeAnInt32Length) {
    const std::string bytes255 = WrittenBytes(Variant::FromAnsiString(std::string(255, 'x')));
    EXPECT_EQ(HexOf(bytes255.substr(0, 2)), "06 FF");
    EXPECT_EQ(bytes255.size(), 2u + 255u);
    const std::string bytes300 = WrittenBytes(Variant::FromAnsiString(std::string(300, 'x')));
    EXPECT_EQ(HexOf(bytes300.substr(0, 5)), "0C 2C 01 00 00");
    EXPECT_EQ(bytes300.size(), 5u + 300u);
    EXPECT_EQ(ReadBack(bytes300).StoredAnsiString(), std::string(300, 'x'));
}

TEST(uiVariantStreams, ValuesReadBackAsTheirStreamKind) {
    const rtl::TBcd bcd = rtl::StrToBcd(u"12.5", rtl::TFormatSettings::Invariant());
    struct Case {
        Variant written;
        rtl::TVarType readType;
        Variant expected;
    };
    const Case cases[] = {
        {Variant(127), rtl::varShortInt, Variant(127)},
        {Variant(uint16_t{200}), rtl::varSmallint, Variant(200)},
        {Variant(int64_t{-2147483649}), rtl::varInt64, Variant(int64_t{-2147483649})},
        {Variant(0.1), rtl::varDouble, Variant(0.1)},
        {Variant(u"€中𝄞"), rtl::varOleStr, Variant(u"€中𝄞")},
        {Variant::FromAnsiString("abc"), rtl::varString, Variant::FromAnsiString("abc")},
        {Variant(rtl::Currency::FromScaled(-1)), rtl::varCurrency, Variant(rtl::Currency::FromScaled(-1))},
        {rtl::VarFMTBcdCreate(bcd), rtl::varString,
         Variant::FromAnsiString(rtl::VarToAnsiStr(rtl::VarFMTBcdCreate(bcd)))},
        {rtl::VarSQLTimeStampCreate({1899, 12, 31, 12, 0, 0, 0}), rtl::varDate, Variant::FromDateTime(1.5)},
        {Variant(uint64_t{18446744073709551615u}), rtl::varString, Variant::FromAnsiString("18446744073709551615")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(rtl::VarToStr(c.written)));
        const Variant read = ReadBack(WrittenBytes(c.written));
        EXPECT_EQ(read.VarType(), c.readType);
        EXPECT_EQ(CompareVariants(read, c.expected), 0);
    }
    const Variant nested = Variant::ArrayOf({Variant(1), Variant::ArrayOf({Variant(u"a"), Variant::Null()})});
    const Variant read = ReadBack(WrittenBytes(nested));
    EXPECT_EQ(CompareVariants(read, nested), 0);
    const Variant empty = ReadBack(BytesOfHex("01 02 00"));
    ASSERT_TRUE(empty.IsArray());
    EXPECT_EQ(empty.ArrayHighBound(), -1);
}

TEST(uiVariantStreams, DoublesSurviveTheExtendedForm) {
    for (const double value :
         {0.1, 1e308, std::numeric_limits<double>::denorm_min(), -0.0, std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(value);
        const Variant read = ReadBack(WrittenBytes(Variant(value)));
        EXPECT_EQ(std::signbit(read.StoredDouble()), std::signbit(value));
        EXPECT_EQ(read.StoredDouble(), value);
    }
}

TEST(uiVariantStreams, HostileBytesFailWithAReadError) {
    std::string deep;
    for (int i = 0; i <= MaxStreamVariantDepth; ++i) {
        deep += BytesOfHex("01 02 01");
    }
    deep += BytesOfHex("00");
    const std::string cases[] = {
        "07",                            // a kind that is never written
        "14",                            // past the last kind
        "0C FF FF FF 7F 61 62 63",       // a length of 0x7FFFFFFF with 3 bytes left
        "0C FF FF FF FF",                // a negative length
        "12 00 00 00 40 00 00",          // a wide count beyond the bytes left
        "01 13 FF FF FF FF FF FF FF 7F", // an array count of 2^63 - 1
        "01 07 00 00 00 00 01 00 00 00", // an eight-byte count of 2^32: more than the bytes left
        "01 02 FF",                      // a negative count
        "01 02 03 00 00",                // a count beyond the elements
        "04 01 02",                      // a stream that ends early
    };
    for (const std::string& hex : cases) {
        SCOPED_TRACE(hex);
        EXPECT_EQ(ReadFailure(BytesOfHex(hex)), "Stream read error");
    }
    EXPECT_EQ(ReadFailure(deep), "Stream read error");
    EXPECT_THROW(ReadBack(BytesOfHex("07")), rtl::EReadError);

    std::string deepest;
    for (int i = 0; i < MaxStreamVariantDepth; ++i) {
        deepest += BytesOfHex("01 02 01");
    }
    deepest += BytesOfHex("00");
    EXPECT_TRUE(ReadBack(deepest).IsArray());
}

// A custom type whose values convert to nothing.
class TUnconvertibleValue : public rtl::TCustomVariantValue {
public:
    std::unique_ptr<rtl::TCustomVariantValue> Clone() const override { return std::make_unique<TUnconvertibleValue>(); }
};

class TUnconvertibleType : public rtl::TCustomVariantType {
public:
    TUnconvertibleType() : rtl::TCustomVariantType(u"Unconvertible") {}
    Variant CastTo(const Variant& source, rtl::TVarType target) const override {
        throw rtl::EVariantTypeCastError(u"no " + rtl::VarTypeAsText(source.VarType()) + rtl::VarTypeAsText(target));
    }
    Variant CastFrom(const Variant&) const override { throw rtl::EVariantTypeCastError(u"no"); }
    int Compare(const Variant&, const Variant&) const override { return 0; }
};

TEST(uiVariantStreams, ValuesWithoutTextFailWithAWriteError) {
    const TUnconvertibleType type;
    const Variant value = Variant::FromCustom(type.VarType(), std::make_unique<TUnconvertibleValue>());
    EXPECT_EQ(test_support::MessageOf([&] { WrittenBytes(value); }), "Stream write error");
    EXPECT_THROW(WrittenBytes(Variant::ArrayOf({value})), rtl::EWriteError);

    Variant deep = Variant(1);
    for (int i = 0; i <= MaxStreamVariantDepth; ++i) {
        deep = Variant::ArrayOf({deep});
    }
    EXPECT_EQ(test_support::MessageOf([&] { WrittenBytes(deep); }), "Stream write error");
}

TEST(uiVariantStreams, ScalarFormsRoundTrip) {
    rtl::TStringStream stream;
    WriteStreamString(stream, "ab");
    WriteStreamWideString(stream, u"中");
    WriteStreamBoolean(stream, true);
    WriteStreamByte(stream, 0xFE);
    WriteStreamSmallInt(stream, -2);
    WriteStreamWord(stream, 0xFFFE);
    WriteStreamInteger(stream, -3);
    WriteStreamLargeInt(stream, int64_t{1} << 40);
    WriteStreamExtended(stream, 0.1L);
    WriteStreamCurrency(stream, rtl::Currency::FromScaled(123));
    WriteStreamDateTime(stream, 45000.25);
    EXPECT_EQ(HexOf(stream.DataString().substr(0, 12)), "02 00 00 00 61 62 01 00 00 00 2D 4E");

    stream.SetPosition(0);
    EXPECT_EQ(ReadStreamString(stream), "ab");
    EXPECT_EQ(ReadStreamWideString(stream), u"中");
    EXPECT_TRUE(ReadStreamBoolean(stream));
    EXPECT_EQ(ReadStreamByte(stream), 0xFE);
    EXPECT_EQ(ReadStreamSmallInt(stream), -2);
    EXPECT_EQ(ReadStreamWord(stream), 0xFFFE);
    EXPECT_EQ(ReadStreamInteger(stream), -3);
    EXPECT_EQ(ReadStreamLargeInt(stream), int64_t{1} << 40);
    EXPECT_EQ(ReadStreamExtended(stream), 0.1L);
    EXPECT_EQ(ReadStreamCurrency(stream), rtl::Currency::FromScaled(123));
    EXPECT_EQ(ReadStreamDateTime(stream), 45000.25);
    EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(uiVariantStreams, FilersReadTheMarkerAndUseTheStringForm) {
    rtl::TStringStream stream(BytesOfHex("55 58 55 46 4D 54") + BytesOfHex("02 00 00 00 68 69 07 00 00 00"));
    TuiReader reader(stream);
    EXPECT_TRUE(reader.IsWideText());
    EXPECT_EQ(reader.ReadString(), "hi");
    EXPECT_EQ(reader.ReadInteger(), 7);

    rtl::TStringStream output;
    TuiWriter writer(output);
    EXPECT_FALSE(writer.IsWideText());
    writer.WriteString("hi");
    writer.WriteInteger(7);
    EXPECT_EQ(HexOf(output.DataString()), "02 00 00 00 68 69 07 00 00 00");
}

} // namespace
} // namespace ui
