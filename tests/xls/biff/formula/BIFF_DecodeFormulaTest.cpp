#include "xls/biff/formula/BIFF_DecodeFormula.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/BIFFTestSupport.h"
#include "xls/biff/BIFF_Messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::Concat;
using test::TBytes;
using test_support::MessageOf;
using test_support::Utf8;

TBytes W(uint16_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
}

// PtgRef and PtgRefN (reference class): row, column field.
TBytes Ref(uint16_t row, uint16_t colField, uint8_t id = 0x24) {
    return Concat({{id}, W(row), W(colField)});
}

TBytes Int(uint16_t value) {
    return Concat({{0x1E}, W(value)});
}

// A lookup that names every external name "MYFUNC" and every 3-D reference's sheet "Data!".
void NameLookup(uint8_t kind, int32_t /*index*/, int32_t p4, int32_t /*p5*/, int32_t /*p6*/, rtl::UnicodeString& text) {
    text = kind == DecodeLookupExternal && p4 > 0 ? u"MYFUNC" : u"Data!";
}

std::string Decode(const TBytes& buffer, int32_t baseCol = 0, int32_t baseRow = 0, TDecodeLookupEvent lookup = {},
                   TBIFFDecodeSeparators separators = {}) {
    rtl::UnicodeString text = u"old";
    DecodeBIFFFormula(buffer, 0, baseCol, baseRow, lookup, separators, text);
    return Utf8(text);
}

std::string DecodeTokens(const TBytes& tokens) {
    return Decode(Concat({{0xFF}, tokens}));
}

struct TDecodeCase {
    const char* Name;
    TBytes Tokens;
    const char* Text;
};

TEST(DecodeBIFFFormula, TurnsTokensIntoFormulaText) {
    const TBytes onePlusTwo = Concat({Int(1), Int(2), {0x03}});
    const TDecodeCase cases[] = {
        {"infix", onePlusTwo, "1+2"},
        {"paren", Concat({onePlusTwo, {0x15}}), "(1+2)"},
        {"operators", Concat({Int(1), Int(2), {0x0E}, {0x13}, {0x14}}), "-1<>2%"},
        {"relative cell", Ref(0, 0xC000), "A1"},
        {"absolute cell", Ref(0, 0x0001), "$B$1"},
        {"mixed cell in value class", Ref(9, 0x8002, 0x44), "$C10"},
        {"area", Concat({{0x25}, W(0), W(4), W(0xC000), W(0xC001)}), "A1:B5"},
        {"one operand for an infix", Concat({Int(1), {0x03}}), "<Val missing>"},
        {"no tokens", {}, "[ERROR]"},
        {"paren on nothing", {0x15}, "<Val missing>"},
        {"attrSum on nothing", {0x19, 0x10, 0, 0}, "<Val missing>"},
        {"attrSum", Concat({Ref(0, 0xC000), {0x19, 0x10, 0, 0}}), "SUM(A1)"},
        {"attrChoose and skips are silent", Concat({Int(1), {0x19, 0x04}, W(1), W(4), W(6), {0x19, 0x08, 0, 0}}), "1"},
        {"SUM over two cells", Concat({Ref(0, 0xC000), Ref(0, 0xC001), {0x22, 2}, W(4)}), "SUM(A1,B1)"},
        {"fixed-argument function", Concat({Ref(0, 0xC000), {0x41}, W(15)}), "SIN(A1)"},
        {"function past the table", Concat({Int(1), {0x21}, W(381)}), "Unknown ptg[21]"},
        {"3-D reference without lookup", Concat({{0x3A}, W(0), W(0), W(0xC000)}), "[ExternSheet]A1"},
        {"3-D error in array class", Concat({{0x7C}, W(0), W(0), W(0)}), "[ExternSheet]!#REF!"},
        {"3-D area", Concat({{0x3B}, W(0), W(0), W(1), W(0xC000), W(0xC002)}), "[ExternSheet]A1:C2"},
        {"name without lookup", Concat({{0x23}, W(1), W(0)}), "[EXTERNNAME]"},
        {"cell errors", Concat({{0x2A}, W(0), W(0)}), "#REF!"},
        {"error and boolean constants", Concat({{0x1C, 0x2A}, {0x1D, 1}, {0x1D, 0}, {0x10}, {0x10}}),
         "#N/A,TRUE,FALSE"},
        {"number", Concat({{0x1F}, {0, 0, 0, 0, 0, 0, 0x04, 0x40}}), "2.5"},
        {"missing argument", Concat({Int(1), {0x16}, {0x22, 2}, W(1)}), "IF(1,)"},
        {"8-bit string with a quote", Concat({{0x17, 3, 0}, test::TBytes{'a', '"', 'b'}}), "\"a\"\"b\""},
        {"unknown token ends the text", Concat({Int(1), {0x01}, W(0), W(0)}), "Unknown ptg[01]"},
        {"unknown eptg goes on", Concat({{0x18, 0x55}, Int(7)}), "7"},
        {"mem func subexpression", Concat({{0x29}, W(5), Ref(0, 0xC000)}), "A1"},
        {"end token", Concat({Int(3), {0x00}, Int(4)}), "3"},
    };
    for (const TDecodeCase& test : cases) {
        EXPECT_EQ(DecodeTokens(test.Tokens), test.Text) << test.Name;
    }
}

TEST(DecodeBIFFFormula, ABufferOfOnePrefixAndABooleanGivesItsText) {
    EXPECT_EQ(Decode({0xFF, 0x1D, 0x01}), "TRUE");
}

TEST(DecodeBIFFFormula, AnAddInFunctionTakesItsNameFromItsFirstArgument) {
    const TBytes tokens = Concat({{0xFF, 0x39}, W(0), W(1), W(0), Ref(0, 0xC000), {0x42, 2}, W(255)});
    EXPECT_EQ(Decode(tokens, 0, 0, NameLookup), "MYFUNC(A1)");
    // The lookup names the sheets of 3-D references, whose error forms take no second "!".
    EXPECT_EQ(Decode(Concat({{0xFF, 0x3C}, W(0), W(0), W(0)}), 0, 0, NameLookup), "Data!#REF!");
}

TEST(DecodeBIFFFormula, ReadsALongUTF16StringWholeAndTheTokenAfterIt) {
    const std::u16string text(200, u'\u4E2D');
    TBytes characters;
    for (const char16_t c : text) {
        const TBytes pair = W(c);
        characters.insert(characters.end(), pair.begin(), pair.end());
    }
    const std::string result = DecodeTokens(Concat({{0x17, 200, 1}, characters, Int(5), {0x08}}));
    EXPECT_EQ(result, "\"" + Utf8(text) + "\"&5");
}

TEST(DecodeBIFFFormula, ArrayConstantsReadRowByRowFromTheExtraData) {
    // Three columns by two rows, then a second constant with a string, a boolean, an error and an empty value.
    TBytes extra = {2, 1, 0};
    for (int value = 1; value <= 6; ++value) {
        extra.push_back(0x01);
        const double number = value;
        const auto* bytes = reinterpret_cast<const uint8_t*>(&number);
        extra.insert(extra.end(), bytes, bytes + 8);
    }
    const TBytes second = Concat({{3, 0, 0},
                                  {0x02},
                                  W(2),
                                  {0, 'h', 'i'},
                                  {0x04, 1, 0, 0, 0, 0, 0, 0, 0},
                                  {0x10, 0x07, 0, 0, 0, 0, 0, 0, 0},
                                  {0x00, 0, 0, 0, 0, 0, 0, 0, 0}});
    extra.insert(extra.end(), second.begin(), second.end());
    const TBytes tokens = {0x60, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0x10};
    const TBytes buffer = Concat({{0xFE}, W(static_cast<uint16_t>(extra.size())), tokens, extra});
    EXPECT_EQ(Decode(buffer), "{1,2,3;4,5,6},{\"hi\",TRUE,#DIV/0!,}");
    TBIFFDecodeSeparators european{.Argument = u';', .ArrayColumn = u'\\', .Decimal = u','};
    EXPECT_EQ(Decode(buffer, 0, 0, {}, european), "{1\\2\\3;4\\5\\6};{\"hi\"\\TRUE\\#DIV/0!\\}");
}

TEST(DecodeBIFFFormula, AnArrayConstantWithoutItsDataOrWithABadElementSaysSo) {
    const TBytes tokens = {0x60, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(MessageOf([&] {
                  Decode(Concat({{0xFE, 2, 0}, tokens, {0, 0}}));
              }),
              "Formula array constant needs 3 bytes of data, but only 2 are left");
    EXPECT_EQ(Decode(Concat({{0xFE, 4, 0}, tokens, {0, 0, 0, 0x05}})), "Bad element ID#5 in array");
}

TEST(DecodeBIFFFormula, RelativeReferencesResolveAgainstTheBaseCellAndWrapRoundTheSheet) {
    // Column offset -1 and row offset -1 from C5, then from A1, where they wrap to the last column and row.
    const TBytes refN = Ref(0xFFFF, 0xC0FF, 0x2C);
    EXPECT_EQ(Decode(Concat({{0xFF}, refN}), 2, 4), "B4");
    EXPECT_EQ(Decode(Concat({{0xFF}, refN}), 0, 0), "IV65536");
    // An absolute column and row of a PtgAreaN stay where they are.
    EXPECT_EQ(Decode(Concat({{0xFF, 0x2D}, W(1), W(2), W(0x0003), W(0x4001)}), 10, 10), "$D$2:L$3");
}

TEST(DecodeBIFFFormula, DamagedTokensRaiseClearErrors) {
    EXPECT_EQ(MessageOf([] { DecodeTokens({0x1E, 0x01}); }), "Formula token 1E needs 3 bytes, but only 2 are left");
    EXPECT_EQ(MessageOf([] {
                  DecodeTokens(Concat({{0x17, 10, 1}, {'a', 0}}));
              }),
              "Formula token 17 needs 23 bytes, but only 5 are left");
    EXPECT_EQ(MessageOf([] { DecodeTokens(Concat({Int(1), {0x22, 2}, W(4)})); }), "Function arguments missing");
}

TEST(DecodeBIFFFormula, TheUnionAndNumbersFollowTheSeparators) {
    const TBIFFDecodeSeparators european{.Argument = u';', .ArrayColumn = u'\\', .Decimal = u','};
    const TBytes tokens = Concat({{0xFF}, Ref(0, 0xC000), {0x1F, 0, 0, 0, 0, 0, 0, 0x04, 0x40}, {0x10}});
    EXPECT_EQ(Decode(tokens, 0, 0, {}, european), "A1;2,5");
}

TEST(ConvertSharedFormula, MakesRelativeReferencesThoseOfTheCell) {
    TBytes tokens = Concat({Ref(0xFFFF, 0xC0FF, 0x2C), {0x4D}, W(0), W(2), W(0x4000), W(0x0001), {0x03}});
    ConvertSharedFormula(tokens, 10, 5);
    EXPECT_EQ(tokens, Concat({Ref(9, 0xC004), {0x45}, W(0), W(2), W(0x4005), W(0x0001), {0x03}}));
    // At column 0 the column offset -1 wraps to the last column, keeping its flags.
    TBytes wrapped = Ref(0, 0xC0FF, 0x6C);
    ConvertSharedFormula(wrapped, 0, 0);
    EXPECT_EQ(wrapped, Ref(0, 0xC0FF, 0x64));
}

TEST(ConvertSharedFormula, WalksEveryTokenKindAndIntoMemFuncSubexpressions) {
    TBytes tokens = Concat({{0x17, 2, 1, 'a', 0, 'b', 0},
                            {0x19, 0x04},
                            W(1),
                            W(0),
                            W(0),
                            {0x29},
                            W(5),
                            Ref(1, 0xC000, 0x2C),
                            {0x1F, 0, 0, 0, 0, 0, 0, 0, 0},
                            {0x3A},
                            W(0),
                            W(0),
                            W(0)});
    ConvertSharedFormula(tokens, 4, 2);
    EXPECT_EQ(TBytes(tokens.begin() + 18, tokens.begin() + 23), Ref(5, 0xC002));
}

TEST(ConvertSharedFormula, RefusesTokensItCannotWalk) {
    TBytes unknown = Concat({Int(1), {0x01}, W(0), W(0)});
    EXPECT_EQ(MessageOf([&] { ConvertSharedFormula(unknown, 0, 0); }), "Unknown ptg[01] in Shared Formula");
    TBytes extend = {0x18, 0x06, 0, 0, 0, 0};
    EXPECT_EQ(MessageOf([&] { ConvertSharedFormula(extend, 0, 0); }), "Unknown ptg[18] in Shared Formula");
    TBytes cut = {0x2C, 0, 0};
    EXPECT_EQ(MessageOf([&] { ConvertSharedFormula(cut, 0, 0); }),
              "Formula token 2C needs 5 bytes, but only 3 are left");
}

} // namespace
} // namespace xls
