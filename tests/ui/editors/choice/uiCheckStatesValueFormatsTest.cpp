// The check-state value formats both ways: the four encodings of the same states, what each decoder accepts and
// refuses (a refused value unchecks every item), the 64 bits of the integer format and the numbers the list formats
// read.

#include "ui/editors/choice/uiCheckStatesValueFormats.h"

#include "rtl/time/DateTime.h"
#include "ui/editors/choice/uiCaptionItems.h"

#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <limits>

namespace ui {
namespace {

class CheckStatesValueFormatsTest : public testing::Test {
protected:
    void SetUp() override { SetCaptions({u"A", u"B", u"C"}); }
    void SetCaptions(std::initializer_list<const char16_t*> captions) {
        Items.Clear();
        for (const char16_t* caption : captions) {
            static_cast<TuiCaptionItem*>(Items.Add())->SetCaption(caption);
        }
    }
    void SetCount(int32_t count) {
        Items.Clear();
        for (int32_t i = 0; i < count; ++i) {
            Items.Add();
        }
    }
    // The states a value decodes to; whether it decoded goes to decoded.
    TuiCheckStates Decode(const rtl::Variant& value, TuiCheckStatesValueFormatEx format, bool& decoded) {
        TuiCheckStates states{cbsGrayed};
        decoded = EditValueToCheckStates(value, Items, format, states);
        return states;
    }
    TuiCheckStates Decoded(const rtl::Variant& value, TuiCheckStatesValueFormatEx format) {
        bool decoded = false;
        TuiCheckStates states = Decode(value, format, decoded);
        EXPECT_TRUE(decoded);
        return states;
    }
    // A value refused: every item unchecked.
    void ExpectRefused(const rtl::Variant& value, TuiCheckStatesValueFormatEx format) {
        bool decoded = true;
        const TuiCheckStates states = Decode(value, format, decoded);
        EXPECT_FALSE(decoded);
        EXPECT_EQ(states, TuiCheckStates(static_cast<size_t>(Items.GetCount()), cbsUnchecked));
    }

    TuiCaptionItems Items{nullptr, TuiCaptionItem::StaticClass()};
};

rtl::Variant Text(const char16_t* text) {
    return rtl::Variant(text);
}

TEST_F(CheckStatesValueFormatsTest, TheFourEncodingsOfTheSameStatesAndBack) {
    const struct {
        TuiCheckStates States;
        const char16_t* Captions;
        const char16_t* Indices;
        int64_t Integer;
        const char16_t* StatesString;
    } cases[] = {
        {{cbsChecked, cbsGrayed, cbsUnchecked}, u"1:B;1:A", u"1;0", 1, u"120"},
        {{cbsChecked, cbsUnchecked, cbsUnchecked}, u";1:A", u";0", 1, u"100"},
        {{cbsChecked, cbsUnchecked, cbsChecked}, u";1:A1:C", u";0,2", 5, u"101"},
        {{cbsGrayed, cbsUnchecked, cbsGrayed}, u"1:A1:C", u"0,2", 0, u"202"},
        {{cbsUnchecked, cbsUnchecked, cbsUnchecked}, u"", u"", 0, u"000"},
    };
    for (const auto& c : cases) {
        const rtl::Variant integer = CheckStatesToEditValue(c.States, Items, cvfInteger);
        EXPECT_EQ(integer.VarType(), rtl::varInt64);
        EXPECT_EQ(integer.StoredSigned(), c.Integer);
        EXPECT_EQ(CheckStatesToEditValue(c.States, Items, cvfCaptions).StoredOleStr(), c.Captions);
        EXPECT_EQ(CheckStatesToEditValue(c.States, Items, cvfIndices).StoredOleStr(), c.Indices);
        EXPECT_EQ(CheckStatesToEditValue(c.States, Items, cvfStatesString).StoredOleStr(), c.StatesString);

        EXPECT_EQ(Decoded(Text(c.Captions), cvfCaptions), c.States) << rtl::UnicodeString(c.Captions).size();
        EXPECT_EQ(Decoded(Text(c.Indices), cvfIndices), c.States);
        EXPECT_EQ(Decoded(Text(c.StatesString), cvfStatesString), c.States);
    }
    EXPECT_TRUE(CheckStatesToEditValue({cbsChecked}, Items, cvfCustom).IsNull());
    ExpectRefused(rtl::Variant(int64_t{1}), cvfCustom);
}

TEST_F(CheckStatesValueFormatsTest, CaptionsAreCountedNotSplitAndEachNamesOneItemInAnyCase) {
    SetCaptions({u"a:b", u"x"});
    EXPECT_EQ(Decoded(Text(u"3:a:b"), cvfCaptions), (TuiCheckStates{cbsGrayed, cbsUnchecked}));
    EXPECT_EQ(CheckStatesToEditValue({cbsChecked, cbsGrayed}, Items, cvfCaptions).StoredOleStr(), u"1:x;3:a:b");
    ExpectRefused(Text(u"1:Z"), cvfCaptions);

    SetCaptions({u"A", u"a", u"ab"});
    EXPECT_EQ(Decoded(Text(u"1:A"), cvfCaptions), (TuiCheckStates{cbsGrayed, cbsUnchecked, cbsUnchecked}));
    EXPECT_EQ(Decoded(Text(u"1:a;1:A"), cvfCaptions), (TuiCheckStates{cbsGrayed, cbsChecked, cbsUnchecked}));
    EXPECT_EQ(Decoded(Text(u";2:AB"), cvfCaptions), (TuiCheckStates{cbsUnchecked, cbsUnchecked, cbsChecked}));
    EXPECT_EQ(Decoded(rtl::Variant::Null(), cvfCaptions), TuiCheckStates(3, cbsUnchecked));
    // One entry more than items of that caption names nothing.
    ExpectRefused(Text(u"1:a1:A1:a"), cvfCaptions);
    for (const char16_t* text : {u"2:ab;", u"1:A;;1:a", u"1:A;1:a;", u"x", u"1", u"1A", u"3:ab", u":A", u"1:A "}) {
        ExpectRefused(Text(text), cvfCaptions);
    }
    ExpectRefused(rtl::Variant(int32_t{1}), cvfCaptions);
}

TEST_F(CheckStatesValueFormatsTest, IndicesTakeOneSemicolonOptionalCommasAndOnlyIndexesOfItems) {
    EXPECT_EQ(Decoded(Text(u"0,2;1"), cvfIndices), (TuiCheckStates{cbsGrayed, cbsChecked, cbsGrayed}));
    EXPECT_EQ(Decoded(Text(u"1,"), cvfIndices), (TuiCheckStates{cbsUnchecked, cbsGrayed, cbsUnchecked}));
    EXPECT_EQ(Decoded(Text(u"1,;2"), cvfIndices), (TuiCheckStates{cbsUnchecked, cbsGrayed, cbsChecked}));
    EXPECT_EQ(Decoded(Text(u"1;1"), cvfIndices), (TuiCheckStates{cbsUnchecked, cbsChecked, cbsUnchecked}))
        << "a later mention wins";
    EXPECT_EQ(Decoded(Text(u"0002"), cvfIndices), (TuiCheckStates{cbsUnchecked, cbsUnchecked, cbsGrayed}))
        << "leading zeros";
    EXPECT_EQ(Decoded(rtl::Variant::Null(), cvfIndices), TuiCheckStates(3, cbsUnchecked));
    for (const char16_t* text : {u"1;", u"3", u"0;3", u"0;1;2", u",1", u"1,,2", u"1 ", u"-1", u"2147483648"}) {
        ExpectRefused(Text(text), cvfIndices);
    }
    ExpectRefused(rtl::Variant(int32_t{0}), cvfIndices);
}

TEST_F(CheckStatesValueFormatsTest, TheIntegerFormatTakesNumbersDatesAndWholeNumberTextsInSixtyFourBits) {
    EXPECT_EQ(Decoded(Text(u"5"), cvfInteger), (TuiCheckStates{cbsChecked, cbsUnchecked, cbsChecked}));
    EXPECT_EQ(Decoded(rtl::Variant(int32_t{5}), cvfInteger), Decoded(Text(u"5"), cvfInteger));
    EXPECT_EQ(Decoded(rtl::Variant(6.0), cvfInteger), (TuiCheckStates{cbsUnchecked, cbsChecked, cbsChecked}));
    EXPECT_EQ(Decoded(rtl::Variant::FromDateTime(rtl::TDateTime(3.0)), cvfInteger),
              (TuiCheckStates{cbsChecked, cbsChecked, cbsUnchecked}));
    EXPECT_EQ(Decoded(rtl::Variant::Null(), cvfInteger), TuiCheckStates(3, cbsUnchecked));
    for (const rtl::Variant& value : {Text(u"5x"), Text(u""), rtl::Variant(1e30), rtl::Variant(-1e30),
                                      rtl::Variant(std::nan("")), rtl::Variant(), rtl::Variant::ArrayOf({1, 2})}) {
        ExpectRefused(value, cvfInteger);
    }

    // All 64 bits, signed or unsigned: the first 64 of 70 items are checked, the rest never are.
    SetCount(70);
    TuiCheckStates first64(70, cbsUnchecked);
    std::fill(first64.begin(), first64.begin() + 64, cbsChecked);
    EXPECT_EQ(Decoded(rtl::Variant(std::numeric_limits<uint64_t>::max()), cvfInteger), first64);
    EXPECT_EQ(Decoded(rtl::Variant(int64_t{-1}), cvfInteger), first64);
    const TuiCheckStates allChecked(70, cbsChecked);
    EXPECT_EQ(CheckStatesToEditValue(allChecked, Items, cvfInteger).StoredSigned(), -1);
    // A grayed item counts as unchecked.
    EXPECT_EQ(CheckStatesToEditValue({cbsGrayed, cbsChecked}, Items, cvfInteger).StoredSigned(), 2);
}

TEST_F(CheckStatesValueFormatsTest, TheStatesStringTakesOneDigitPerItemFromZeroToTwo) {
    EXPECT_EQ(Decoded(Text(u"21"), cvfStatesString), (TuiCheckStates{cbsGrayed, cbsChecked, cbsUnchecked}));
    EXPECT_EQ(Decoded(Text(u"1201"), cvfStatesString), (TuiCheckStates{cbsChecked, cbsGrayed, cbsUnchecked}))
        << "characters past the items are ignored";
    for (const char16_t* text : {u"3", u"1a", u"0 1"}) {
        ExpectRefused(Text(text), cvfStatesString);
    }
    ExpectRefused(rtl::Variant(int32_t{1}), cvfStatesString);
}

TEST(ReadCheckStateNumber, ReadsDigitsUpTo2147483647WithLeadingZeros) {
    const struct {
        const char16_t* Text;
        size_t Start;
        bool Read;
        int32_t Number;
        size_t End;
    } cases[] = {
        {u"2147483647", 0, true, 2147483647, 10},
        {u"2147483648", 0, false, 0, 0},
        {u"9999999999", 0, false, 0, 0},
        {u"007:", 0, true, 7, 3},
        {u"a12,", 1, true, 12, 3},
        {u";1", 0, false, 0, 0},
        {u"12", 2, false, 0, 0},
        {u"", 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        int32_t number = -1;
        size_t position = c.Start;
        EXPECT_EQ(ReadCheckStateNumber(number, position, c.Text), c.Read) << rtl::UnicodeString(c.Text).size();
        if (c.Read) {
            EXPECT_EQ(number, c.Number);
            EXPECT_EQ(position, c.End);
        }
    }
}

} // namespace
} // namespace ui
