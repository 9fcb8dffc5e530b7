#include "xls/core/formula/decoder/XLSFormulaDecoder.h"

#include "tests/xls/core/formula/XLSFormulaTestSupport.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/formula/decoder/XLSStringStack.h"
#include "xls/core/formula/tokens/XLSPtgWriter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using formula_test::TFormulaModel;

struct TDecodeCase {
    const char16_t* Text;
    std::string Decoded;
};

// Each text compiled, then decoded on Sheet1.
void CheckDecodes(TFormulaModel& model, const std::vector<TDecodeCase>& cases) {
    for (const TDecodeCase& test : cases) {
        SCOPED_TRACE(formula_test::Utf8(test.Text));
        EXPECT_EQ(model.Decode(model.Compile(test.Text)), test.Decoded);
    }
}

TEST(XLSFormulaDecoder, TextFollowsTheLocalesSeparators) {
    TFormulaModel comma;
    CheckDecodes(comma, {
                            {u"SUM(A1, B1)", "SUM(A1, B1)"},
                            {u"1.5+ROUND(2.25,1)", "1.5+ROUND(2.25,1)"},
                            {u"{1,2;3,4}", "{1,2;3,4}"},
                            {u"(A1,B1)", "(A1,B1)"},
                        });
    TFormulaModel semicolon(u',', u';');
    CheckDecodes(semicolon, {
                                {u"SUM(A1, B1)", "SUM(A1; B1)"},
                                {u"1.5+ROUND(2.25,1)", "1,5+ROUND(2,25;1)"},
                                {u"{1,2;3,4}", "{1\\2;3\\4}"},
                                {u"(A1,B1)", "(A1;B1)"},
                            });
}

TEST(XLSFormulaDecoder, TextReadsBackAsTheSameFormula) {
    TFormulaModel model;
    CheckDecodes(model, {
                            // Both spaces are written before the 2; the later one replaces the earlier.
                            {u"1 + 2", "1+ 2"},
                            {u"-2^2", "-2^2"},
                            {u"(1+2)*3%", "(1+2)*3%"},
                            {u"A1:B2  B2:C3", "A1:B2  B2:C3"},
                            {u"IF(A1,,\"x\")", "IF(A1,,\"x\")"},
                            {u"IF(,1)", "IF(,1)"},
                            {u"PI()*MYFUNC()", "PI()*MYFUNC()"},
                            {u"\"say \"\"hi\"\"\"", "\"say \"\"hi\"\"\""},
                            {u"1E+20*0.001", "1E20*0.001"},
                            {u"#N/A", "#N/A"},
                            {u"A:C", "A:C"},
                            {u"$2:3", "$2:3"},
                            {u"$A$1+B$2+$C3", "$A$1+B$2+$C3"},
                            {u"Sheet1!A1", "Sheet1!A1"},
                            {u"'My Sheet'!A1", "'My Sheet'!A1"},
                            {u"'Bob''s'!A1", "'Bob''s'!A1"},
                            // A sheet name that would read as a number is quoted.
                            {u"'2019'!A1", "'2019'!A1"},
                            {u"Sheet1:Sheet2!A1:B2", "Sheet1:Sheet2!A1:B2"},
                            {u"'Sheet1:My Sheet'!A1", "'Sheet1:My Sheet'!A1"},
                            {u"[1]Prices!A1", "'[C:\\Books\\Prices.xlsx]Prices'!A1"},
                            {u"'[1]Q 1'!A1", "'[C:\\Books\\Prices.xlsx]Q 1'!A1"},
                            {u"Sheet2!#REF!", "#REF!"},
                            {u"Rate+Nothing", "Rate+#NAME?"},
                            {u"Sheet2!Local", "Sheet2!Local"},
                            {u"Table1[Amount]", "Table1[Amount]"},
                            {u"Table1[Price'#]", "Table1[Price'#]"},
                            {u"Table1[[#Headers],[Item]]", "Table1[[#Headers],[Item]]"},
                            {u"Table1[[Item]:[Amount]]", "Table1[[Item]:[Amount]]"},
                            {u"Table1[]", "Table1[]"},
                        });
}

TEST(XLSFormulaDecoder, DefinedNamesWriteExternalBooksByNumber) {
    TFormulaModel model;
    EXPECT_EQ(model.Decode(model.Compile(u"[1]Prices!A1"), -1, true), "[1]Prices!A1");
    EXPECT_EQ(model.Decode(model.Compile(u"Sheet2!Local"), -1), "Sheet2!Local");
    // A name of the formula's own sheet needs no sheet.
    EXPECT_EQ(model.Decode(model.Compile(u"Local", 1), 1), "Local");
    // A reserved name reads by its full text.
    TXLSPtgWriter writer;
    writer.AddName(2);
    EXPECT_EQ(model.Decode(writer.Bytes()), "_xlnm.Print_Area");
}

TEST(XLSFormulaDecoder, BuffersWithoutAnOperandReadAsUndecoded) {
    TFormulaModel model;
    EXPECT_EQ(model.Decode({}), "???");
    TXLSPtgWriter writer;
    writer.AddSpace(3);
    EXPECT_EQ(model.Decode(writer.Bytes()), "???");
}

// Every token that takes operands checks that the stack holds them; the stack holds at most 256 entries.
TEST(XLSFormulaDecoder, TheDecodeStackIsChecked) {
    TFormulaModel model;
    const auto decode = [&](const std::function<void(TXLSPtgWriter&)>& write) {
        TXLSPtgWriter writer;
        write(writer);
        return model.Decode(writer.Bytes());
    };
    const std::string empty = "! Empty decode stack";
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddOperator(PtgAdd); }), empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) {
                  w.AddInt(1);
                  w.AddOperator(PtgAdd);
              }),
              empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddOperator(PtgUminus); }), empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddOperator(PtgPercent); }), empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddOperator(PtgParen); }), empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddIsect(1); }), empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) {
                  w.AddInt(1);
                  w.AddFuncVar(2, TXLSExcelFuncNames::FindName(u"SUM"));
              }),
              empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddFunc(TXLSExcelFuncNames::FindName(u"ABS")); }), empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddUserFunc(1, u"F"); }), empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) {
                  w.AddInt(1);
                  w.AddInt(2);
                  w.AddInt(3);
                  w.AddArray(2, 2);
              }),
              empty);
    EXPECT_EQ(decode([](TXLSPtgWriter& w) { w.AddList(0, -1, 1, MakePtgArea(MakePtgCell(1, 2), MakePtgCell(3, 4))); }),
              empty);
    const auto operands = [](int32_t count) {
        return [count](TXLSPtgWriter& w) {
            for (int32_t i = 0; i < count; ++i) {
                w.AddInt(i);
            }
        };
    };
    EXPECT_EQ(decode(operands(XLSDecodeStackSize)), std::to_string(XLSDecodeStackSize - 1));
    EXPECT_EQ(decode(operands(XLSDecodeStackSize + 1)), "! Out of decode stack");
}

TEST(XLSFormulaDecoder, DamagedBuffersRaise) {
    TFormulaModel model;
    const std::vector<uint8_t> ref = model.Compile(u"A1");
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> cases = {
        {{ref.begin(), ref.end() - 1}, "! Formula token 84 needs 7 bytes, 6 remain"},
        {{0x00}, "! Illegal ptgs"},
        {{0x2A}, "! Unknown ptgs 2A"},
        {{ptgxShared, 0, 0, 0, 0, 0, 0, ptgxInt, 1, 0, 0, 0}, "! Formula is not compiled"},
        {{ptgxInt, 1, 0, 0, 0, ptgxShared, 0, 0, 0, 0, 0, 0}, "! Unknown Ptg \"B9\""},
        {{ptgxRef3d, 0, 0, 0, 0, 0, 0, 9}, "! The formula refers to sheet 9, which the workbook does not have"},
        {{ptgxFunc, 0xFF, 0}, "! Unknown function id \"255\""},
    };
    for (const auto& [ptgs, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(model.Decode(ptgs), expected);
    }
}

// Members of array formulas stand for their master's formula; a chain of such cells is followed only so far, and
// never round a loop.
TEST(XLSFormulaDecoder, CellsThatStandForOtherCellsAreFollowedWithinLimits) {
    TFormulaModel model;
    TXLSCellMMU& cells = model.Cells();
    const std::vector<uint8_t> master = model.Compile(u"SUM(B1:B3)*2");
    TXLSFormulaHelper& helper = cells.FormulaHelper();
    const auto store = [&](int32_t row, uint8_t kind, int32_t masterRow) {
        helper.Clear();
        helper.SetCell(0, row);
        helper.SetFloatResult(1);
        helper.SetFormulaKind(kind);
        if (kind == XLSFormulaArray) {
            helper.SetPtgs(master.data(), static_cast<int32_t>(master.size()));
        } else {
            helper.SetMaster(0, masterRow);
        }
        cells.StoreFormula();
    };
    // A1 the master; A2 to A(2 + XLSMaxFormulaChain) each standing for the cell above.
    store(0, XLSFormulaArray, 0);
    for (int32_t row = 1; row <= XLSMaxFormulaChain + 1; ++row) {
        store(row, XLSFormulaArrayMember, row - 1);
    }
    const auto textOf = [&](int32_t row) {
        TXLSPtgWriter writer;
        writer.AddCellFormula(ptgxExp, 0, row);
        return model.Decode(writer.Bytes());
    };
    EXPECT_EQ(textOf(0), "SUM(B1:B3)*2");
    EXPECT_EQ(textOf(XLSMaxFormulaChain - 1), "SUM(B1:B3)*2");
    EXPECT_EQ(textOf(XLSMaxFormulaChain), "! The formula of cell A1 is reached through more than 8 cells");
    // A member that stands for itself, and two that stand for each other.
    store(20, XLSFormulaArrayMember, 20);
    store(21, XLSFormulaArrayMember, 22);
    store(22, XLSFormulaArrayMember, 21);
    EXPECT_EQ(textOf(20), "! The formula of cell A21 leads back to itself");
    EXPECT_EQ(textOf(21), "! The formula of cell A22 leads back to itself");
    // A cell without a formula stands for no text.
    EXPECT_EQ(textOf(40), "");
    rtl::UnicodeString text;
    TXLSPtgWriter writer;
    writer.AddCellFormula(ptgxExp, 0, 0);
    EXPECT_EQ(test_support::MessageOf([&] { model.Handler.DecodeFormula(nullptr, 0, text, false, writer.Bytes()); }),
              "Decode formula with ACells = Nil");
    EXPECT_EQ(formula_test::Utf8(text), "???");
}

TEST(XLSFormulaDecoder, DataTablesNameTheirInputCells) {
    TFormulaModel model;
    const auto table = [&](uint8_t flags) {
        TXLSPtgWriter writer;
        writer.AddDataTable(flags, MakePtgCell(0, 0), MakePtgCell(1, 1));
        return model.Decode(writer.Bytes());
    };
    EXPECT_EQ(table(PtgDataTableTwoInputs), "TABLE(A1,B2)");
    EXPECT_EQ(table(PtgDataTableTwoInputs | PtgDataTableRef2Error), "TABLE(A1,#REF!)");
    EXPECT_EQ(table(PtgDataTableRowInput), "TABLE(A1,)");
    EXPECT_EQ(table(0), "TABLE(,A1)");
}

} // namespace
} // namespace xls
