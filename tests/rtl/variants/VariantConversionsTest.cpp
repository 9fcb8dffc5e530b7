#include "rtl/variants/VariantConversions.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/BcdVariant.h"
#include "rtl/variants/VariantCompare.h"
#include "tests/support/TestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

// Switches the process-wide decimal separator for one test and restores it.
class ProcessDecimalSeparator {
public:
    explicit ProcessDecimalSeparator(char16_t separator) : FSaved(FormatSettings().DecimalSeparator) {
        FormatSettings().DecimalSeparator = separator;
    }
    ~ProcessDecimalSeparator() { FormatSettings().DecimalSeparator = FSaved; }

private:
    char16_t FSaved;
};

std::string TypeName(TVarType varType) {
    return test_support::Utf8(VarTypeAsText(varType));
}

// One value of every type code, chosen to need the whole range of its type.
std::vector<Variant> OneOfEachType() {
    return {
        Variant(int16_t{-32768}),
        Variant(int32_t{-2147483647 - 1}),
        Variant(0.15625f),
        Variant(-1234.5678),
        Variant(Currency::FromScaled(-9223372036854775807 - 1)),
        Variant::FromDateTime(45000.25),
        Variant(u"한글 ə 😀"),
        Variant(true),
        Variant(int8_t{-128}),
        Variant(uint8_t{255}),
        Variant(uint16_t{65535}),
        Variant(uint32_t{4294967295u}),
        Variant(int64_t{-9223372036854775807 - 1}),
        Variant(uint64_t{18446744073709551615u}),
        Variant::FromAnsiString("ANSI text"),
        VarFMTBcdCreate(StrToBcd(u"-12345678901234567890.123456789", TFormatSettings::Invariant())),
    };
}

TEST(VariantConversions, EveryTypeCodeRoundTripsThroughVarAsType) {
    const std::vector<Variant> values = OneOfEachType();
    const Variant holders[] = {Variant(), Variant(true)};
    for (const Variant& value : values) {
        const TVarType varType = VarType(value);
        SCOPED_TRACE(TypeName(varType));
        // To its own code, to text and back, and from a Variant of another type.
        const Variant same = VarAsType(value, varType);
        EXPECT_EQ(VarType(same), varType);
        EXPECT_TRUE(VarSameValue(same, value));
        const Variant back = VarAsType(VarAsType(value, varOleStr), varType);
        EXPECT_EQ(VarType(back), varType);
        EXPECT_TRUE(VarSameValue(back, value)) << test_support::Utf8(VarToStr(back));
        for (const Variant& holder : holders) {
            EXPECT_EQ(VarType(VarAsType(holder, varType)), varType);
        }
        EXPECT_TRUE(VarIsEmpty(VarAsType(value, varEmpty)));
        EXPECT_TRUE(VarIsNull(VarAsType(value, varNull)));
    }
}

TEST(VariantConversions, TextOutsideTheAnsiCodePageSurvivesEveryRoadButAnsi) {
    const UnicodeString text = u"한글 ə 😀 中文";
    const Variant value(text);
    Variant array = Variant::ArrayOf({value});
    array.SetArrayElement(0, array.ArrayElement(0));
    const Variant survivors[] = {VarAsType(value, varOleStr), Variant(value), array.ArrayElement(0),
                                 VarAsType(Variant::ArrayOf({value}), varArray | varVariant).ArrayElement(0)};
    for (const Variant& survivor : survivors) {
        EXPECT_EQ(test_support::Utf8(VarToStr(survivor)), test_support::Utf8(text));
    }
    // Texts that differ only outside the code page stay different.
    EXPECT_FALSE(VarSameValue(value, Variant(u"한국 ə 😀 中文")));
    // The ANSI road keeps only what the process code page holds.
    const AnsiString ansi = VarToAnsiStr(value);
    EXPECT_EQ(ansi, UnicodeToAnsi(text));
    if (ProcessAnsiCodePage() == cpSimplifiedChinese) {
        const UnicodeString back = VarToStr(Variant::FromAnsiString(ansi));
        EXPECT_EQ(back.substr(back.size() - 2), u"中文");
        EXPECT_NE(back, text);
    }
}

TEST(VariantConversions, NullRaisesInsteadOfBecomingZero) {
    const Variant null = Variant::Null();
    EXPECT_THROW(VarToInteger(null), EVariantTypeCastError);
    EXPECT_THROW(VarToDouble(null), EVariantTypeCastError);
    EXPECT_THROW(VarToCurrency(null), EVariantTypeCastError);
    EXPECT_THROW(VarToBoolean(null), EVariantTypeCastError);
    EXPECT_THROW(VarToDateTime(null), EVariantTypeCastError);
    EXPECT_THROW(VarAsType(null, varOleStr), EVariantTypeCastError);
    EXPECT_THROW(VarToBcd(null), EVariantTypeCastError);
    EXPECT_EQ(test_support::MessageOf([&] { VarToInteger(null); }),
              "Could not convert variant of type (Null) into type (Integer)");
    // VarToStr alone reads Null as empty text; Empty converts to zero everywhere.
    EXPECT_EQ(VarToStr(null), u"");
    EXPECT_EQ(VarToAnsiStr(null), "");
    EXPECT_EQ(VarToInteger(Variant()), 0);
    EXPECT_FALSE(VarToBoolean(Variant()));
    EXPECT_EQ(VarToStr(Variant()), u"");
}

TEST(VariantConversions, TextToNumbers) {
    struct Case {
        UnicodeString text;
        TVarType varType;
        bool converts;
        UnicodeString result; // the converted value as text
    };
    const Case cases[] = {
        {u"12", varInteger, true, u"12"},
        {u" -12", varInteger, true, u"-12"},
        {u"$FF", varInteger, true, u"255"},
        {u"2.5", varInteger, true, u"2"}, // halves to even
        {u"3.5", varInteger, true, u"4"},
        {u"1e3", varSmallint, true, u"1000"},
        {u"18446744073709551615", varUInt64, true, u"18446744073709551615"},
        {u"x", varInteger, false, u""},
        {u"", varInteger, false, u""},
        {u"True", varInteger, false, u""},
        {u"1234.5", varDouble, true, u"1234.5"},
        {u"abc", varDouble, false, u""},
        {u"0.12345", varCurrency, true, u"0.1235"}, // half away from zero
        {u"1e20", varCurrency, false, u""},
        {u"True", varBoolean, true, u"True"},
        {u"false", varBoolean, true, u"False"},
        {u"0", varBoolean, true, u"False"},
        {u"-2", varBoolean, true, u"True"},
        {u"yes", varBoolean, false, u""},
        {u"1.5", varSingle, true, u"1.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.text) + " to " + TypeName(c.varType));
        if (c.converts) {
            const Variant converted = VarAsType(Variant(c.text), c.varType);
            EXPECT_EQ(VarType(converted), c.varType);
            EXPECT_EQ(test_support::Utf8(VarToStr(converted)), test_support::Utf8(c.result));
        } else {
            EXPECT_THROW(VarAsType(Variant(c.text), c.varType), EVariantTypeCastError);
            EXPECT_THROW(VarAsType(Variant::FromAnsiString(UnicodeToAnsi(c.text)), c.varType), EVariantTypeCastError);
        }
    }
    EXPECT_EQ(test_support::MessageOf([] { VarToInteger(Variant(u"x")); }),
              "Could not convert variant of type (OleStr) into type (Integer)");
}

TEST(VariantConversions, TextGoesThroughTheProcessSettings) {
    const ProcessDecimalSeparator comma(u',');
    EXPECT_EQ(VarToDouble(Variant(u"1,5")), 1.5);
    EXPECT_THROW(VarToDouble(Variant(u"1.5")), EVariantTypeCastError);
    EXPECT_EQ(VarToStr(Variant(2.25)), u"2,25");
    EXPECT_EQ(VarToCurrency(Variant(u"0,5")).Scaled(), 5000);
    EXPECT_EQ(VarToStr(Variant(Currency::FromScaled(15000))), u"1,5");
}

TEST(VariantConversions, NumbersToText) {
    struct Case {
        Variant value;
        UnicodeString text;
    };
    const Case cases[] = {
        {Variant(0.1 + 0.2), u"0.3"}, // 15 significant digits
        {Variant(1e15), u"1E15"},
        {Variant(123456789012345678.0), u"1.23456789012346E17"},
        {Variant(0.1f), u"0.1"}, // 7 digits for Single
        {Variant(true), u"True"},
        {Variant(false), u"False"},
        {Variant(-42), u"-42"},
        {Variant(std::numeric_limits<uint64_t>::max()), u"18446744073709551615"},
        {Variant(Currency::FromScaled(-12345)), u"-1.2345"},
        {Variant::FromDateTime(0), DateTimeToStr(0)},
        {Variant::FromAnsiString("abc"), u"abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test_support::Utf8(VarToStr(c.value)), test_support::Utf8(c.text));
    }
}

TEST(VariantConversions, NumbersBetweenTypes) {
    EXPECT_EQ(VarToInteger(Variant(2.5)), 2);
    EXPECT_EQ(VarToInteger(Variant(-3.5)), -4);
    EXPECT_EQ(VarToInteger(Variant(Currency::FromScaled(25000))), 2);
    EXPECT_EQ(VarToInteger(Variant(true)), 1);
    EXPECT_TRUE(VarToBoolean(Variant(0.5)));
    EXPECT_FALSE(VarToBoolean(Variant(Currency())));
    EXPECT_EQ(VarToCurrency(Variant(1.005)).Scaled(), 10050);
    EXPECT_EQ(VarToCurrency(Variant(922337203685477)).Scaled(), 9223372036854770000);
    EXPECT_EQ(VarToDouble(Variant(Currency::FromScaled(1000))), 0.1);
    EXPECT_EQ(VarToDateTime(Variant(45000)), 45000.0);
    EXPECT_EQ(VarToInt64(Variant(std::numeric_limits<int64_t>::min())), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(VarAsType(Variant(uint64_t{1} << 63), varDouble).StoredDouble(), 9223372036854775808.0);
    EXPECT_EQ(VarAsType(Variant(-1), varSingle).StoredSingle(), -1.0f);
}

TEST(VariantConversions, ValuesOutsideTheTargetRangeOverflow) {
    struct Case {
        Variant value;
        TVarType varType;
    };
    const Case cases[] = {
        {Variant(128), varShortInt},
        {Variant(-1), varByte},
        {Variant(32768), varSmallint},
        {Variant(65536), varWord},
        {Variant(int64_t{2147483648}), varInteger},
        {Variant(-1), varLongWord},
        {Variant(std::numeric_limits<uint64_t>::max()), varInt64},
        {Variant(-0.5 - 1), varUInt64},
        {Variant(1e19), varInt64},
        {Variant(std::numeric_limits<double>::quiet_NaN()), varInteger},
        {Variant(std::numeric_limits<double>::infinity()), varInt64},
        {Variant(1e300), varSingle},
        {Variant(922337203685478), varCurrency},
        {Variant(1e15), varCurrency},
        {Variant(u"300"), varByte},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(test_support::Utf8(VarToStr(c.value)) + " to " + TypeName(c.varType));
        EXPECT_THROW(VarAsType(c.value, c.varType), EVariantOverflowError);
    }
    EXPECT_EQ(test_support::MessageOf([] { VarAsType(Variant(300), varByte); }),
              "Overflow while converting variant of type (Integer) into type (Byte)");
    // Both sorts of failure are Variant errors, apart from the conversion error of the text functions.
    EXPECT_THROW(VarAsType(Variant(300), varByte), EVariantError);
    try {
        VarToInteger(Variant(u"x"));
        FAIL() << "no exception";
    } catch (const EConvertError&) {
        FAIL() << "a Variant cast raised the conversion error";
    } catch (const EVariantError&) {
    }
}

TEST(VariantConversions, ArraysAndUnknownCodes) {
    const Variant array = Variant::ArrayOf({Variant(1)});
    EXPECT_THROW(VarToStr(array), EVariantTypeCastError);
    EXPECT_THROW(VarAsType(array, varArray | varByte), EVariantBadVarTypeError);
    EXPECT_EQ(VarAsType(array, varArray | varVariant).ArrayCount(), 1);
    EXPECT_THROW(VarAsType(Variant(1), varVariant), EVariantBadVarTypeError);
    EXPECT_THROW(VarAsType(Variant(1), 0x0E), EVariantBadVarTypeError);
    EXPECT_THROW(VarAsType(Variant(1), 0x0FFF), EVariantBadVarTypeError);
}

} // namespace
} // namespace rtl
