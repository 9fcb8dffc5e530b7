#include "rtl/text/Format.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

struct Case {
    UnicodeString actual, expected;
};

void ExpectAll(std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.expected));
        EXPECT_EQ(c.actual, c.expected);
    }
}

UnicodeString Invariant(UnicodeStringView format, std::initializer_list<TFormatArg> args) {
    return Format(format, args, TFormatSettings::Invariant());
}

TEST(Format, Integers) {
    const int64_t minusOne64 = -1;
    const short minusOne16 = -1;
    ExpectAll({
        {Invariant(u"List index out of bounds (%d)", {7}), u"List index out of bounds (7)"},
        {Invariant(u"%5d|%-5d|", {42, 42}), u"   42|42   |"},
        {Invariant(u"%2d", {12345}), u"12345"},
        {Invariant(u"%.2d|%.2d|%.2d", {5, -5, 123}), u"05|-05|123"},
        {Invariant(u"%6.3d", {-7}), u"  -007"},
        {Invariant(u"%d", {std::numeric_limits<int32_t>::min()}), u"-2147483648"},
        {Invariant(u"%d", {std::numeric_limits<int64_t>::min()}), u"-9223372036854775808"},
        {Invariant(u"%d", {std::numeric_limits<uint64_t>::max()}), u"18446744073709551615"},
        {Invariant(u"%d", {size_t{3000000000u}}), u"3000000000"},
        {Invariant(u"%u|%u", {-1, minusOne64}), u"4294967295|18446744073709551615"},
        {Invariant(u"%x|%X|%x", {255, 255, 0}), u"FF|FF|0"},
        {Invariant(u"%.4X", {255}), u"00FF"},
        {Invariant(u"%.8X|%x", {-2, minusOne16}), u"FFFFFFFE|FFFFFFFF"},
        {Invariant(u"%x", {minusOne64}), u"FFFFFFFFFFFFFFFF"},
        {Invariant(u"%D %U %X", {1, 2, 10}), u"1 2 A"},
    });
}

TEST(Format, FloatingPoint) {
    ExpectAll({
        {Invariant(u"%f", {1.0}), u"1.00"},
        {Invariant(u"%.1f", {3.14159}), u"3.1"},
        {Invariant(u"%.0f|%.0f", {2.5, -2.5}), u"3|-3"},
        {Invariant(u"%8.2f|%-8.2f|", {-1.5, 1.5}), u"   -1.50|1.50    |"},
        {Invariant(u"%.15f", {1.0 / 3}), u"0.333333333333333"},
        {Invariant(u"%f", {1e25L}), u"1E25"},
        {Invariant(u"%e", {1234.5678}), u"1.23456780000000E+003"},
        {Invariant(u"%.3e", {-0.00012345}), u"-1.23E-004"},
        {Invariant(u"%g|%g|%g", {0.1, 1e16, 1.5e-5}), u"0.1|1E16|1.5E-5"},
        {Invariant(u"%.3g", {1234.5}), u"1.23E3"},
        {Invariant(u"%n|%.0n", {1234567.5, 1234.5}), u"1,234,567.50|1,235"},
        {Invariant(u"%.18g", {12.35L / 1.13L}), u"10.9292035398230088"},
    });
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u' ';
    ExpectAll({
        {Format(u"%.2f|%n|%g", {1.5, 1234.5, 0.25}, settings), u"1,50|1 234,50|0,25"},
    });
}

TEST(Format, StringsAndPercent) {
    const UnicodeString owned = u"销售";
    const char16_t* none = nullptr;
    ExpectAll({
        {Invariant(u"", {}), u""},
        {Invariant(u"plain", {1}), u"plain"}, // unused arguments are ignored
        {Invariant(u"%s|%s|%s|", {u"abc", owned, UnicodeStringView(u"xyz").substr(1)}), u"abc|销售|yz|"},
        {Invariant(u"%5s|%-5s|", {u"ab", u"ab"}), u"   ab|ab   |"},
        {Invariant(u"%.2s|%.9s|", {u"abc", u"abc"}), u"ab|abc|"},
        {Invariant(u"[%s]", {none}), u"[]"},
        {Invariant(u"%%|100%%|%d%%", {5}), u"%|100%|5%"},
        {Invariant(u"%s=%d (%s)", {u"n", 3, u"x"}), u"n=3 (x)"},
    });
}

TEST(Format, BrokenDirectivesAndWrongArgumentsRaise) {
    struct BadCase {
        UnicodeString format;
        std::initializer_list<TFormatArg> args;
    };
    const BadCase cases[] = {
        {u"%d", {u"x"}}, {u"%d", {1.5}}, {u"%x", {u"x"}}, {u"%f", {1}},   {u"%e", {u"x"}},
        {u"%s", {1}},    {u"%d", {}},    {u"%d %d", {1}}, {u"%", {1}},    {u"abc %5", {1}},
        {u"%-", {1}},    {u"%.d", {1}},  {u"%q", {1}},    {u"%5.2", {1}}, {u"%99999999999999999999d", {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.format));
        EXPECT_THROW(Format(c.format, c.args, TFormatSettings::Invariant()), EConvertError);
    }
    try {
        Format(u"%d", {u"x"});
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"Format '%d' invalid or incompatible with argument");
    }
}

} // namespace
} // namespace rtl
