#include "rtl/core/Exceptions.h"
#include "rtl/numbers/Bcd.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/BcdVariant.h"
#include "rtl/variants/SqlTimeStampVariant.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/DataTestSupport.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/data/values/uiValueTypeClassList.h"
#include "ui/data/values/uiVariants.h"

#include <array>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace ui {
namespace {

using rtl::Variant;

// One value's buffer and the heap values it may hold.
struct TValueCell {
    TuiValueSlots Slots;
    std::array<uint8_t, 34> Buffer{};

    void Set(const TuiValueType& type, const Variant& value) { type.VariantToBuffer(Slots, Buffer.data(), value); }
    Variant Get(const TuiValueType& type) const { return type.BufferToVariant(Slots, Buffer.data()); }
    void Release(const TuiValueType& type) { type.ReleaseValueBuffer(Slots, Buffer.data()); }
};

// Writes a value of type through its stream form and reads it into a fresh cell.
Variant ThroughStream(const TuiValueType& type, const Variant& value, bool wideBlock = false) {
    TValueCell written;
    written.Set(type, value);
    rtl::TStringStream stream;
    TuxStream output(stream, wideBlock);
    type.WriteValueToStream(written.Slots, written.Buffer.data(), output);
    stream.SetPosition(0);
    TuxStream input(stream, wideBlock);
    TValueCell read;
    type.ReadValueFromStream(read.Slots, read.Buffer.data(), input);
    EXPECT_EQ(stream.Position(), stream.Size());
    const Variant result = read.Get(type);
    written.Release(type);
    read.Release(type);
    return result;
}

TEST(uiValueTypes, RegistryFindsTypesByExactCaption) {
    const TuiValueTypeClassList& list = GetValueTypeClassList();
    const char16_t* captions[] = {u"String",  u"WideString",   u"Smallint", u"Integer",  u"Word",
                                  u"Boolean", u"Float",        u"Currency", u"DateTime", u"LargeInt",
                                  u"FMTBcd",  u"SQLTimeStamp", u"Variant",  u"Object"};
    ASSERT_EQ(list.Count(), 14);
    for (int32_t i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(test_support::Utf8(list.Items(i)->GetCaption()), test_support::Utf8(captions[i]));
    }
    EXPECT_EQ(list.FindByCaption(u"Currency"), &TuiCurrencyValueType::Instance());
    EXPECT_EQ(list.FindByCaption(u"currency"), nullptr);
    EXPECT_EQ(list.FindByCaption(u""), nullptr);
    EXPECT_TRUE(IsDateValueType(&TuiDateTimeValueType::Instance()));
    EXPECT_TRUE(IsDateValueType(&TuiSQLTimeStampValueType::Instance()));
    EXPECT_FALSE(IsDateValueType(&TuiFloatValueType::Instance()));

    TuiValueTypeClassList own;
    own.Register(&TuiIntegerValueType::Instance());
    own.Register(&TuiIntegerValueType::Instance());
    EXPECT_EQ(own.Count(), 1);
    own.Unregister(&TuiIntegerValueType::Instance());
    EXPECT_EQ(own.FindByCaption(u"Integer"), nullptr);
}

TEST(uiValueTypes, EachTypeKeepsItsValuesInItsOwnKind) {
    const rtl::TBcd bcd = rtl::StrToBcd(u"-123.4500", rtl::TFormatSettings::Invariant());
    struct Case {
        const TuiValueType& type;
        Variant stored;
        rtl::TVarType readType;
        Variant expected;
        int32_t size;
    };
    const Case cases[] = {
        {TuiStringValueType::Instance(), Variant(12), rtl::varString, Variant::FromAnsiString("12"), 4},
        {TuiWideStringValueType::Instance(), Variant(u"€中𝄞"), rtl::varOleStr, Variant(u"€中𝄞"), 4},
        {TuiSmallintValueType::Instance(), Variant(u"-300"), rtl::varSmallint, Variant(int16_t{-300}), 2},
        {TuiIntegerValueType::Instance(), Variant(7.5), rtl::varInteger, Variant(8), 4},
        {TuiWordValueType::Instance(), Variant(65535), rtl::varWord, Variant(uint16_t{65535}), 2},
        {TuiBooleanValueType::Instance(), Variant(u"True"), rtl::varBoolean, Variant(true), 1},
        {TuiFloatValueType::Instance(), Variant(0.1), rtl::varDouble, Variant(0.1), 8},
        {TuiCurrencyValueType::Instance(), Variant(u"922337203685477.5807"), rtl::varCurrency,
         Variant(rtl::Currency::FromScaled(std::numeric_limits<int64_t>::max())), 8},
        {TuiDateTimeValueType::Instance(), Variant(45000.5), rtl::varDate, Variant::FromDateTime(45000.5), 8},
        {TuiLargeIntValueType::Instance(), Variant(int64_t{-1} << 40), rtl::varInt64, Variant(int64_t{-1} << 40), 8},
        {TuiFMTBcdValueType::Instance(), rtl::VarFMTBcdCreate(bcd), rtl::VarFMTBcd(), rtl::VarFMTBcdCreate(bcd), 34},
        {TuiSQLTimeStampValueType::Instance(), Variant::FromDateTime(1.5), rtl::varDate, Variant::FromDateTime(1.5),
         16},
        {TuiVariantValueType::Instance(), Variant::ArrayOf({Variant(1)}), rtl::varArray | rtl::varVariant,
         Variant::ArrayOf({Variant(1)}), 4},
        {TuiObjectValueType::Instance(), Variant(3), rtl::varInteger, Variant(3), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.type.GetCaption()));
        EXPECT_EQ(c.type.ValueSize(), c.size);
        TValueCell cell;
        cell.Set(c.type, c.stored);
        const Variant read = cell.Get(c.type);
        EXPECT_EQ(read.VarType(), c.readType);
        EXPECT_EQ(CompareVariants(read, c.expected), 0) << test_support::Utf8(rtl::VarToStr(read));
        if (&c.type != &TuiObjectValueType::Instance()) {
            EXPECT_EQ(CompareVariants(ThroughStream(c.type, c.expected), c.expected), 0);
        }
        cell.Release(c.type);
        EXPECT_EQ(cell.Slots.Count(), 0);
    }
}

TEST(uiValueTypes, StoredValuesCompareByTheirType) {
    struct Case {
        const TuiValueType& type;
        Variant a, b;
        int expectedSign;
    };
    const Case cases[] = {
        {TuiIntegerValueType::Instance(), Variant(2000000000), Variant(-2000000000), 1},
        {TuiStringValueType::Instance(), Variant(u"a"), Variant(u"B"), 1},
        {TuiWideStringValueType::Instance(), Variant(u"a"), Variant(u"B"), 1},
        {TuiWideStringValueType::Instance(), Variant(u"中"), Variant(u"啊"), -1}, // by UTF-16 unit
        {TuiSmallintValueType::Instance(), Variant(-32768), Variant(32767), -1},
        {TuiWordValueType::Instance(), Variant(65535), Variant(0), 1},
        {TuiBooleanValueType::Instance(), Variant(false), Variant(true), -1},
        {TuiFloatValueType::Instance(), Variant(std::nan("")), Variant(-1e300), -1},
        {TuiCurrencyValueType::Instance(), Variant(rtl::Currency::FromScaled(-1)), Variant(0), -1},
        {TuiLargeIntValueType::Instance(), Variant(int64_t{1} << 40), Variant(int64_t{-1}), 1},
        {TuiDateTimeValueType::Instance(), Variant::FromDateTime(2), Variant::FromDateTime(1.5), 1},
        {TuiSQLTimeStampValueType::Instance(), Variant::FromDateTime(1.25), Variant::FromDateTime(1.5), -1},
        {TuiFMTBcdValueType::Instance(), Variant(u"1.50"), Variant(1.5), 0},
        {TuiVariantValueType::Instance(), Variant(u"x"), Variant(5), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.type.GetCaption()));
        TuiValueSlots slots;
        std::array<uint8_t, 34> a{};
        std::array<uint8_t, 34> b{};
        c.type.VariantToBuffer(slots, a.data(), c.a);
        c.type.VariantToBuffer(slots, b.data(), c.b);
        const int order = c.type.CompareBuffers(slots, a.data(), b.data());
        EXPECT_EQ((order > 0) - (order < 0), c.expectedSign);
        c.type.ReleaseValueBuffer(slots, a.data());
        c.type.ReleaseValueBuffer(slots, b.data());
        EXPECT_EQ(slots.Count(), 0);
    }
}

TEST(uiValueTypes, AbsentHeapValuesSortFirst) {
    TValueCell present;
    present.Set(TuiStringValueType::Instance(), Variant(u""));
    const TuiStringValueType& string = TuiStringValueType::Instance();
    EXPECT_EQ(string.CompareStoredValues(nullptr, string.ResolveValueBuffer(present.Slots, present.Buffer.data())), -1);
    EXPECT_EQ(string.CompareStoredValues(nullptr, nullptr), 0);
    EXPECT_EQ(CompareVariants(present.Get(string), Variant::FromAnsiString("")), 0); // an empty text is stored

    const TuiVariantValueType& variant = TuiVariantValueType::Instance();
    TValueCell empty;
    empty.Set(variant, Variant());
    EXPECT_EQ(variant.CompareStoredValues(nullptr, variant.ResolveValueBuffer(empty.Slots, empty.Buffer.data())), -1);
    EXPECT_TRUE(empty.Get(variant).IsEmpty());
    empty.Release(variant);
    present.Release(string);
}

TEST(uiValueTypes, EmptyWideTextKeepsNoBlock) {
    const TuiWideStringValueType& type = TuiWideStringValueType::Instance();
    TValueCell cell;
    cell.Set(type, Variant(u"abc"));
    EXPECT_EQ(cell.Slots.WideTexts().Count(), 1);
    cell.Set(type, Variant(u""));
    EXPECT_EQ(cell.Slots.WideTexts().Count(), 0);
    EXPECT_TRUE(cell.Get(type).IsNull());
    EXPECT_EQ(type.CompareStoredValues(nullptr, type.ResolveValueBuffer(cell.Slots, cell.Buffer.data())), 0);
    EXPECT_TRUE(ThroughStream(type, Variant(u"")).IsNull());
}

TEST(uiValueTypes, WideTextsStreamUnitForUnit) {
    // Characters outside code page 936 survive the wide form.
    const Variant text(u"€中𝄞\u00E9\uAC00");
    EXPECT_EQ(rtl::VarToStr(ThroughStream(TuiWideStringValueType::Instance(), text)), text.StoredOleStr());
    // A String value in a UTF-16 block: the wide form, turned into ANSI.
    EXPECT_EQ(ThroughStream(TuiStringValueType::Instance(), Variant(u"abc"), true).StoredAnsiString(), "abc");
}

TEST(uiValueTypes, FloatsAreExactThroughTenBytes) {
    for (const double value : {0.1, 1e308, std::numeric_limits<double>::denorm_min(), -2.5e-310}) {
        SCOPED_TRACE(value);
        const Variant read = ThroughStream(TuiFloatValueType::Instance(), Variant(value));
        EXPECT_EQ(read.StoredDouble(), value);
    }
}

TEST(uiValueTypes, CoerceVariantConvertsOrLeavesAlone) {
    struct Case {
        const TuiValueType& type;
        Variant value;
        bool expected;
        Variant expectedValue;
    };
    const Case cases[] = {
        {TuiIntegerValueType::Instance(), Variant(u"12"), true, Variant(12)},
        {TuiIntegerValueType::Instance(), Variant(u"x"), false, Variant(u"x")},
        {TuiIntegerValueType::Instance(), Variant::Null(), true, Variant::Null()},
        {TuiSmallintValueType::Instance(), Variant(40000), false, Variant(40000)},
        {TuiVariantValueType::Instance(), Variant(u"x"), true, Variant(u"x")},
        {TuiBooleanValueType::Instance(), Variant(u"false"), true, Variant(false)},
        {TuiDateTimeValueType::Instance(), Variant(2.5), true, Variant::FromDateTime(2.5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.type.GetCaption()) + " " + test_support::Utf8(rtl::VarToStr(c.value)));
        Variant value = c.value;
        EXPECT_EQ(c.type.CoerceVariant(value), c.expected);
        EXPECT_EQ(value.VarType(), c.expectedValue.VarType());
        EXPECT_EQ(CompareVariants(value, c.expectedValue), 0);
    }
}

TEST(uiValueTypes, FailedConversionsLeaveTheBufferAlone) {
    struct Case {
        const TuiValueType& type;
        Variant good, bad;
    };
    const Case cases[] = {
        {TuiIntegerValueType::Instance(), Variant(5), Variant(u"abc")},
        {TuiSmallintValueType::Instance(), Variant(5), Variant(70000)},
        {TuiWordValueType::Instance(), Variant(5), Variant(-1)},
        {TuiCurrencyValueType::Instance(), Variant(5), Variant(1e30)},
        {TuiStringValueType::Instance(), Variant(u"kept"), Variant::ArrayOf({})},
        {TuiWideStringValueType::Instance(), Variant(u"kept"), Variant::ArrayOf({})},
        {TuiSQLTimeStampValueType::Instance(), Variant::FromDateTime(2), Variant(1e9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.type.GetCaption()));
        TValueCell cell;
        cell.Set(c.type, c.good);
        const Variant before = cell.Get(c.type);
        EXPECT_THROW(cell.Set(c.type, c.bad), rtl::EVariantError);
        EXPECT_EQ(CompareVariants(cell.Get(c.type), before), 0);
        cell.Release(c.type);
    }
}

TEST(uiValueTypes, DisplayTexts) {
    struct Case {
        const TuiValueType& type;
        Variant value;
        std::string expected;
    };
    const Case cases[] = {
        {TuiBooleanValueType::Instance(), Variant(true), "True"},
        {TuiBooleanValueType::Instance(), Variant(false), "False"},
        {TuiIntegerValueType::Instance(), Variant(-5), "-5"},
        {TuiFMTBcdValueType::Instance(), Variant(u"1234567890123456789.25"), "1234567890123456789.25"},
        {TuiVariantValueType::Instance(), Variant::ArrayOf({}), ""}, // an array has no text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TValueCell cell;
        cell.Set(c.type, c.value);
        EXPECT_EQ(c.type.DefaultDisplayText(cell.Slots, cell.Buffer.data()), c.expected);
        cell.Release(c.type);
    }
    TValueCell date;
    date.Set(TuiDateTimeValueType::Instance(), Variant::FromDateTime(1.5));
    EXPECT_EQ(TuiDateTimeValueType::Instance().DefaultDisplayText(date.Slots, date.Buffer.data()),
              rtl::VarToAnsiStr(Variant::FromDateTime(1.5)));
}

TEST(uiValueTypes, ObjectValuesOwnTheirObject) {
    int frees = 0;
    const TuiObjectValueType& type = TuiObjectValueType::Instance();
    TValueCell cell;
    const uint32_t handle = cell.Slots.Objects().Add(std::make_unique<test::TFreeCountingObject>(frees));
    cell.Set(type, Variant(static_cast<int32_t>(handle)));
    EXPECT_EQ(rtl::VarToInteger(cell.Get(type)), static_cast<int32_t>(handle));
    rtl::TStringStream stream;
    TuxStream output(stream, false);
    type.WriteValueToStream(cell.Slots, cell.Buffer.data(), output);
    EXPECT_EQ(stream.Size(), 0); // streams carry no object
    cell.Release(type);
    EXPECT_EQ(frees, 1);
    EXPECT_EQ(cell.Slots.Objects().Find(handle), nullptr);
}

} // namespace
} // namespace ui
