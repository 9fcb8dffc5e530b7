#include "rtl/variants/Variant.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/BcdVariant.h"

#include <gtest/gtest.h>
#include <limits>

namespace rtl {
namespace {

TEST(Variant, EmptyAndNullAreDistinct) {
    const Variant empty;
    const Variant null = Variant::Null();
    EXPECT_TRUE(VarIsEmpty(empty));
    EXPECT_FALSE(VarIsNull(empty));
    EXPECT_TRUE(VarIsNull(null));
    EXPECT_FALSE(VarIsEmpty(null));
    EXPECT_EQ(VarType(empty), varEmpty);
    EXPECT_EQ(VarType(null), varNull);
}

TEST(Variant, ConstructorsChooseTheTypeCode) {
    struct Case {
        Variant value;
        TVarType varType;
    };
    const Case cases[] = {
        {Variant(int8_t{-5}), varShortInt},
        {Variant(uint8_t{5}), varByte},
        {Variant(int16_t{-5}), varSmallint},
        {Variant(uint16_t{5}), varWord},
        {Variant(-5), varInteger},
        {Variant(5u), varLongWord},
        {Variant(int64_t{-5}), varInt64},
        {Variant(uint64_t{5}), varUInt64},
        {Variant(1.5f), varSingle},
        {Variant(1.5), varDouble},
        {Variant(Currency::FromScaled(15000)), varCurrency},
        {Variant::FromDateTime(45000.5), varDate},
        {Variant(u"text"), varOleStr},
        {Variant(UnicodeString(u"text")), varOleStr},
        {Variant(UnicodeStringView(u"text")), varOleStr},
        {Variant::FromAnsiString("text"), varString},
        {Variant(true), varBoolean},
        {VarFMTBcdCreate(StrToBcd(u"1.5", TFormatSettings::Invariant())), VarFMTBcd()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(VarTypeAsText(c.varType)));
        EXPECT_EQ(VarType(c.value), c.varType);
        EXPECT_FALSE(VarIsArray(c.value));
    }
}

TEST(Variant, StoredValuesReadOnlyTheirOwnKind) {
    EXPECT_EQ(Variant(int16_t{-32768}).StoredSigned(), -32768);
    EXPECT_EQ(Variant(std::numeric_limits<uint64_t>::max()).StoredUnsigned(), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(Variant(0.1f).StoredSingle(), 0.1f);
    EXPECT_EQ(Variant::FromDateTime(-1.25).StoredDouble(), -1.25);
    EXPECT_EQ(Variant(Currency::FromScaled(-7)).StoredCurrency().Scaled(), -7);
    EXPECT_TRUE(Variant(true).StoredBoolean());
    EXPECT_EQ(Variant(u"中文").StoredOleStr(), u"中文");
    EXPECT_EQ(Variant::FromAnsiString("\xD6\xD0").StoredAnsiString(), "\xD6\xD0");
    EXPECT_THROW(Variant(5).StoredUnsigned(), EVariantInvalidArgError);
    EXPECT_THROW(Variant(5u).StoredSigned(), EVariantInvalidArgError);
    EXPECT_THROW(Variant(1.5).StoredSingle(), EVariantInvalidArgError);
    EXPECT_THROW(Variant::Null().StoredOleStr(), EVariantInvalidArgError);
    EXPECT_THROW(Variant(u"x").StoredCustom(), EVariantInvalidArgError);
}

TEST(Variant, CopiesAreDeepAndMovesLeaveEmpty) {
    Variant original = Variant::ArrayOf({Variant(1), Variant(u"two")});
    Variant copy = original;
    copy.SetArrayElement(0, Variant(u"changed"));
    EXPECT_EQ(VarType(original.ArrayElement(0)), varInteger);
    EXPECT_EQ(copy.ArrayElement(0).StoredOleStr(), u"changed");

    Variant moved = std::move(copy);
    EXPECT_TRUE(VarIsEmpty(copy)); // NOLINT(bugprone-use-after-move): the moved-from state is part of the contract
    EXPECT_EQ(moved.ArrayCount(), 2);
    const Variant& same = moved;
    moved = same; // self-assignment keeps the value
    EXPECT_EQ(moved.ArrayElement(1).StoredOleStr(), u"two");
    moved = Variant(3.5);
    EXPECT_EQ(moved.StoredDouble(), 3.5);
}

TEST(Variant, ArraysOfVariantsAndOfBytes) {
    Variant array = Variant::CreateArray(-1, 1, varVariant);
    EXPECT_EQ(VarType(array), varArray | varVariant);
    EXPECT_TRUE(VarIsArray(array));
    EXPECT_EQ(array.ArrayLowBound(), -1);
    EXPECT_EQ(array.ArrayHighBound(), 1);
    EXPECT_TRUE(VarIsEmpty(array.ArrayElement(-1)));
    array.SetArrayElement(1, Variant::ArrayOf({Variant::Null()}));
    EXPECT_TRUE(VarIsNull(array.ArrayElement(1).ArrayElement(0)));
    EXPECT_THROW(array.ArrayElement(2), EVariantBadIndexError);
    EXPECT_THROW(array.SetArrayElement(-2, Variant(1)), EVariantBadIndexError);

    Variant bytes = Variant::ByteArrayOf(std::string_view("\x00\xFF", 2));
    EXPECT_EQ(VarType(bytes), varArray | varByte);
    EXPECT_EQ(bytes.ArrayElement(1).StoredUnsigned(), 255u);
    bytes.SetArrayElement(0, Variant(u"65"));
    EXPECT_EQ(bytes.ArrayBytes(), std::string_view("A\xFF", 2));
    EXPECT_THROW(bytes.SetArrayElement(0, Variant(256)), EVariantOverflowError);
    EXPECT_THROW(array.ArrayBytes(), EVariantInvalidArgError);

    const Variant empty = Variant::ArrayOf({});
    EXPECT_EQ(empty.ArrayCount(), 0);
    EXPECT_EQ(empty.ArrayHighBound(), -1);
    EXPECT_THROW(Variant::CreateArray(0, -2, varVariant), EVariantInvalidArgError);
    EXPECT_THROW(Variant::CreateArray(0, 1, varInteger), EVariantBadVarTypeError);
    EXPECT_THROW(Variant(1).ArrayCount(), EVariantInvalidArgError);
}

TEST(Variant, TypeTestsAndNames) {
    EXPECT_TRUE(VarIsStr(Variant(u"")));
    EXPECT_TRUE(VarIsStr(Variant::FromAnsiString("")));
    EXPECT_FALSE(VarIsStr(Variant(1)));
    const Variant numeric[] = {Variant(int8_t{1}),   Variant(1),
                               Variant(1.0f),        Variant(1.0),
                               Variant(Currency()),  Variant(true),
                               Variant(uint64_t{1}), VarFMTBcdCreate(StrToBcd(u"1", TFormatSettings::Invariant()))};
    for (const Variant& value : numeric) {
        EXPECT_TRUE(VarIsNumeric(value)) << UnicodeToUtf8(VarTypeAsText(VarType(value)));
    }
    const Variant other[] = {Variant(), Variant::Null(), Variant::FromDateTime(1), Variant(u"1"),
                             Variant::ArrayOf({Variant(1)})};
    for (const Variant& value : other) {
        EXPECT_FALSE(VarIsNumeric(value)) << UnicodeToUtf8(VarTypeAsText(VarType(value)));
    }
    EXPECT_EQ(VarTypeAsText(varOleStr), u"OleStr");
    EXPECT_EQ(VarTypeAsText(varString), u"String");
    EXPECT_EQ(VarTypeAsText(varArray | varVariant), u"Array Variant");
    EXPECT_EQ(VarTypeAsText(VarFMTBcd()), u"FMTBcd");
    EXPECT_EQ(VarTypeAsText(0x0E), u"$000E");
}

} // namespace
} // namespace rtl
