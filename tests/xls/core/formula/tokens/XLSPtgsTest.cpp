#include "xls/core/formula/tokens/XLSPtgs.h"

#include "tests/support/TestSupport.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"
#include "xls/core/formula/tokens/XLSPtgWriter.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using Bytes = std::vector<uint8_t>;
using test_support::MessageOf;

Bytes Written(const std::function<void(TXLSPtgWriter&)>& write) {
    TXLSPtgWriter writer;
    write(writer);
    return writer.Take();
}

// The sizes of the tokens a buffer holds, cut one after the other.
std::vector<size_t> TokenSizes(const Bytes& buffer, TXLSPtgToken (*read)(std::span<const uint8_t>)) {
    std::vector<size_t> sizes;
    for (std::span<const uint8_t> rest(buffer); !rest.empty();) {
        const TXLSPtgToken token = read(rest);
        sizes.push_back(token.Size());
        rest = rest.subspan(token.Size());
    }
    return sizes;
}

TEST(XLSPtgs, ReferenceLayouts) {
    // A1:B2: rows 0 and 1, columns 0 and 1, no "$".
    const TXLSPtgArea a1b2 = MakePtgArea(MakePtgCell(0, 0), MakePtgCell(1, 1));
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.AddArea(a1b2); }), (Bytes{0x86, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0}));
    // $A$1: both absolute bits.
    const TXLSPtgCell a1 = MakePtgCell(0, 0, true, true);
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.AddRef(a1); }), (Bytes{0x84, 0, 0, 0, 0x80, 0, 0x80}));
    // A:C is rows 0 to 1,048,575 of columns 0 to 2; 2:3 rows 1 and 2 of every column.
    const TXLSPtgArea columns = MakePtgArea(MakePtgCell(0, 0), MakePtgCell(2, 1048575));
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.AddArea(columns); }),
              (Bytes{0x86, 0, 0, 0, 0, 0xFF, 0xFF, 0x0F, 0, 0, 0, 2, 0}));
    const TXLSPtgArea rows = MakePtgArea(MakePtgCell(0, 1), MakePtgCell(16383, 2));
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.AddArea(rows); }),
              (Bytes{0x86, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0xFF, 0x3F}));
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.AddRef3d(a1, {.First = 2}); }),
              (Bytes{0xA2, 0, 0, 0, 0x80, 0, 0x80, 2}));
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.AddRef3d(MakePtgCell(1, 2), {.Book = 0x102, .First = 3, .Last = 4}); }),
              (Bytes{0xA5, 2, 0, 0, 0, 1, 0, 2, 1, 3, 4}));
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.AddCellFormula(ptgxShared, 3, 0x10203); }),
              (Bytes{0xB9, 3, 0, 3, 2, 1, 0}));
    EXPECT_EQ(Written([&](TXLSPtgWriter& w) { w.Add3dErr(ptgxArea3dRangeErr, 4); }),
              (Bytes{0xB3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0}));
    EXPECT_EQ(a1.Row(), 0);
    EXPECT_TRUE(a1.RowAbsolute());
    EXPECT_TRUE(a1.ColAbsolute());
    EXPECT_EQ(MessageOf([] { MakePtgCell(16384, 0); }), "Cell (column 16384, row 0) is not on the sheet");
    EXPECT_EQ(MessageOf([] { MakePtgCell(0, 1048576); }), "Cell (column 0, row 1048576) is not on the sheet");
}

TEST(XLSPtgs, ConstantLayouts) {
    EXPECT_EQ(Written([](TXLSPtgWriter& w) { w.AddNumber(12); }), (Bytes{0x89, 12, 0, 0, 0}));
    EXPECT_EQ(Written([](TXLSPtgWriter& w) { w.AddNumber(1.5); }), (Bytes{0x1F, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(Written([](TXLSPtgWriter& w) { w.AddNumber(2147483647); }), (Bytes{0x89, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(Written([](TXLSPtgWriter& w) { w.AddNumber(2147483648.0); }).front(), PtgNum);
    EXPECT_EQ(Written([](TXLSPtgWriter& w) { w.AddNumber(-2147483646.0); }).front(), ptgxInt);
    EXPECT_EQ(Written([](TXLSPtgWriter& w) { w.AddNumber(-2147483647.0); }).front(), PtgNum);
    EXPECT_EQ(Written([](TXLSPtgWriter& w) { w.AddStr(u"a\u5341"); }), (Bytes{0x8A, 2, 0, 'a', 0, 0x41, 0x53}));
    const rtl::UnicodeString text(300, u'x');
    const Bytes str = Written([&](TXLSPtgWriter& w) { w.AddStr(text); });
    ASSERT_EQ(str.size(), 603u);
    EXPECT_EQ(TokenSizes(str, ReadPtgToken), std::vector<size_t>{603});
    EXPECT_EQ(ReadPtgToken(str).Text(1), text);
    EXPECT_EQ(Written([](TXLSPtgWriter& w) {
                  w.AddErr(7);
                  w.AddBool(true);
                  w.AddIsect(300);
                  w.AddSpace(2);
                  w.AddOperator(PtgAdd);
                  w.AddOperator(ptgxMissArg);
              }),
              (Bytes{0x1C, 7, 0x1D, 1, 0x0F, 255, 0xA0, 2, 0x03, 0xF1}));
    EXPECT_EQ(Written([](TXLSPtgWriter& w) {
                  w.AddFuncVar(2, 4);
                  w.AddFunc(27);
                  w.AddUserFunc(1, u"F");
                  w.AddName(-1);
                  w.AddArray(2, 3);
              }),
              (Bytes{0x82, 2, 4, 0, 0x81, 27, 0, 0xF2, 1, 1, 0, 'F', 0, 0x83, 0xFF, 0xFF, 0x80, 2, 0, 3, 0, 0, 0}));
}

TEST(XLSPtgs, ValuesThatDoNotFitTheirFieldsAreRefused) {
    const TXLSPtgCell cell = MakePtgCell(0, 0);
    const TXLSPtgArea area = MakePtgArea(cell, cell);
    const struct {
        std::function<void(TXLSPtgWriter&)> write;
        std::string message;
    } cases[] = {
        {[&](TXLSPtgWriter& w) { w.AddRef3d(cell, {.First = 256}); }, "Sheet index 256 does not fit a formula token"},
        {[&](TXLSPtgWriter& w) { w.AddRef3d(cell, {.First = -1}); }, "Sheet index -1 does not fit a formula token"},
        {[&](TXLSPtgWriter& w) { w.AddArea3d(area, {.First = 0, .Last = 300}); },
         "Sheet index 300 does not fit a formula token"},
        {[&](TXLSPtgWriter& w) { w.AddArea3d(area, {.Book = 65536}); },
         "External book index 65536 does not fit a formula token"},
        {[](TXLSPtgWriter& w) { w.AddFuncVar(256, 4); }, "Argument count 256 does not fit a formula token"},
        {[](TXLSPtgWriter& w) { w.AddUserFunc(-1, u"F"); }, "Argument count -1 does not fit a formula token"},
        {[](TXLSPtgWriter& w) { w.AddName(65535); }, "Name index 65535 does not fit a formula token"},
        {[&](TXLSPtgWriter& w) { w.AddList(0, 65535, 1, area); }, "Sheet index 65535 does not fit a formula token"},
        {[&](TXLSPtgWriter& w) { w.AddList(0, 0, 256, area); }, "Table item count 256 does not fit a formula token"},
        {[](TXLSPtgWriter& w) { w.AddErr(9); }, "Error index 9 does not fit a formula token"},
        {[](TXLSPtgWriter& w) { w.AddErr(0); }, "Error index 0 does not fit a formula token"},
        {[](TXLSPtgWriter& w) { w.AddStr(rtl::UnicodeString(65536, u'x')); },
         "A text of 65536 characters does not fit a formula token"},
        {[](TXLSPtgWriter& w) { w.AddOperator(ptgxRef); }, "Formula token 84 is not one this call writes"},
        {[](TXLSPtgWriter& w) { w.AddCellFormula(ptgxRef, 0, 0); }, "Formula token 84 is not one this call writes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        TXLSPtgWriter writer;
        EXPECT_EQ(MessageOf([&] { c.write(writer); }), c.message);
        EXPECT_TRUE(writer.Bytes().empty());
    }
}

TEST(XLSPtgs, EveryTokenTheWriterWritesIsCutAtItsSize) {
    const TXLSPtgCell cell = MakePtgCell(5, 6, true, false);
    const TXLSPtgArea area = MakePtgArea(cell, MakePtgCell(7, 8));
    TXLSPtgWriter w;
    w.AddRef(cell, true);
    w.AddArea(area, true);
    w.AddRef3d(cell, {.First = 1, .Last = 2});
    w.AddRef3d(cell, {.Book = 1, .First = 2});
    w.AddArea3d(area, {.First = 1});
    w.AddArea3d(area, {.Book = 1, .First = 2, .Last = 3});
    w.Add3dErr(ptgxRef3dErr, 4);
    w.Add3dErr(ptgxRef3dRangeErr, 4);
    w.Add3dErr(ptgxArea3dErr, 4);
    w.AddDataTable(PtgDataTableTwoInputs, cell, cell);
    w.AddList(1, -1, 2, area);
    w.AddListColumn(1, 2, area);
    w.AddListSpecial(PtgListSpecialHeaders, PtgListNoSuchRows, area);
    w.AddNum(0.1);
    const Bytes buffer = w.Take();
    EXPECT_EQ(TokenSizes(buffer, ReadPtgToken),
              (std::vector<size_t>{7, 13, 9, 10, 14, 17, 8, 9, 14, 14, 19, 18, 16, 9}));

    std::span<const uint8_t> rest(buffer);
    EXPECT_EQ(ReadPtgToken(rest).Cell(1), cell);
    rest = rest.subspan(7);
    EXPECT_EQ(ReadPtgToken(rest).Area(1), area);
    const size_t listAt = 7 + 13 + 9 + 10 + 14 + 17 + 8 + 9 + 14 + 14;
    const TXLSPtgToken list = ReadPtgToken(std::span<const uint8_t>(buffer).subspan(listAt));
    EXPECT_EQ(list.Word(3), PtgListOwnSheet);
    EXPECT_EQ(list.Byte(6), ptgxArea);
    EXPECT_EQ(list.Area(7), area);
    EXPECT_EQ(MessageOf([&] { list.Long(16); }), "Formula token BC has no 4-byte field at 16");
    EXPECT_DOUBLE_EQ(ReadPtgToken(std::span<const uint8_t>(buffer).last(9)).Double(1), 0.1);
    const TXLSPtgToken dataTable = ReadPtgToken(std::span<const uint8_t>(buffer).subspan(listAt - 14));
    EXPECT_EQ(dataTable.ColRowCell(2), cell);
    EXPECT_EQ(dataTable.ColRowCell(8), cell);
}

// Damaged buffers: every length is checked against what remains before the token is handed out.
TEST(XLSPtgs, DamagedBuffersRaiseInsteadOfReadingPastTheirEnd) {
    const struct {
        Bytes buffer;
        std::string message;
    } cases[] = {
        {{0x00}, "Illegal ptgs"},
        {{0x2A}, "Unknown ptgs 2A"},
        {{0x85, 0, 0, 0, 0, 0, 0}, "Unknown ptgs 85"},
        {{0x84, 0, 0, 0, 0, 0}, "Formula token 84 needs 7 bytes, 6 remain"},
        {{0x1F, 0, 0}, "Formula token 1F needs 9 bytes, 3 remain"},
        {{0x8A}, "Formula token 8A needs 3 bytes, 1 remain"},
        {{0x8A, 2, 0, 'a', 0}, "Formula token 8A needs 7 bytes, 5 remain"},
        {{0x8A, 0xFF, 0xFF, 'a', 0}, "Formula token 8A needs 131073 bytes, 5 remain"},
        {{0xF2, 1, 5, 0, 'F', 0}, "Formula token F2 needs 14 bytes, 6 remain"},
        {{0xF2, 1}, "Formula token F2 needs 4 bytes, 2 remain"},
        {{0xFE, 4, 0, 0x03}, "Formula token FE needs 7 bytes, 4 remain"},
        {{0xBC, 0, 0, 0, 0, 1, 0x86}, "Formula token BC needs 19 bytes, 7 remain"},
        {{0x03, 0x0F}, "Formula token 0F needs 2 bytes, 1 remain"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(MessageOf([&] { TokenSizes(c.buffer, ReadPtgToken); }), c.message);
    }
    const Bytes emptyText{0x8A, 0, 0};
    EXPECT_EQ(ReadPtgToken(emptyText).Text(1), u"");
    const Bytes biffBlock{0xFE, 2, 0, 0x1E, 5, 0x03};
    EXPECT_EQ(TokenSizes(biffBlock, ReadPtgToken), (std::vector<size_t>{5, 1}));
}

TEST(XLSPtgs, BiffTokenSizes) {
    const struct {
        Bytes buffer;
        std::vector<size_t> sizes;
    } cases[] = {
        // Operators, including the intersection, are one byte in BIFF8; constants.
        {{0x03, 0x0F, 0x15, 0x16, 0x1E, 1, 0, 0x1C, 7, 0x1D, 1}, {1, 1, 1, 1, 3, 2, 2}},
        // 8-bit and UTF-16 strings.
        {{0x17, 2, 0, 'a', 'b', 0x17, 1, 1, 'a', 0}, {5, 5}},
        // Attributes: a plain one, and a choose with two offsets beyond its count of one.
        {{0x19, 0x10, 0, 0, 0x19, 0x04, 1, 0, 2, 0, 4, 0}, {4, 8}},
        // Reference, value and array classes of the same operand share its size.
        {{0x24, 0, 0, 0, 0, 0x44, 0, 0, 0, 0, 0x64, 0, 0, 0, 0}, {5, 5, 5}},
        {{0x25, 0, 0, 0, 0, 0, 0, 0, 0, 0x3A, 0, 0, 0, 0, 0, 0, 0x5B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {9, 7, 11}},
        // A function, a variable function and a name.
        {{0x21, 4, 0, 0x42, 2, 4, 0, 0x23, 1, 0, 0, 0}, {3, 4, 5}},
        // Memory tokens take the sub-expression their 16-bit size counts: MemArea after four bytes, MemFunc at once.
        {{0x26, 0, 0, 0, 0, 2, 0, 0x1E, 1, 0x29, 1, 0, 0x16}, {9, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.buffer.front());
        EXPECT_EQ(TokenSizes(c.buffer, ReadBiffPtgToken), c.sizes);
    }
    EXPECT_EQ(MessageOf([] { TokenSizes({0x01, 0, 0, 0, 0}, ReadBiffPtgToken); }), "Unknown ptgs 01");
    EXPECT_EQ(MessageOf([] { TokenSizes({0x84, 0, 0, 0, 0, 0, 0}, ReadBiffPtgToken); }), "Unknown ptgs 84");
    EXPECT_EQ(MessageOf([] {
                  TokenSizes({0x17, 200, 1, 'a'}, ReadBiffPtgToken);
              }),
              "Formula token 17 needs 403 bytes, 4 remain");
    EXPECT_EQ(MessageOf([] {
                  TokenSizes({0x19, 0x04, 0xFF}, ReadBiffPtgToken);
              }),
              "Formula token 19 needs 4 bytes, 3 remain");
    EXPECT_EQ(MessageOf([] {
                  TokenSizes({0x29, 0xFF, 0x00, 0x16}, ReadBiffPtgToken);
              }),
              "Formula token 29 needs 258 bytes, 4 remain");
}

} // namespace
} // namespace xls
