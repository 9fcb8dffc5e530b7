#include "xls/core/cells/XLSFormulaHelper.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test_support::MessageOf;

std::vector<uint8_t> Tokens(const TXLSFormulaHelper& helper) {
    return std::vector<uint8_t>(helper.Ptgs(), helper.Ptgs() + helper.PtgsSize());
}

TEST(XLSFormulaHelper, CalcCellSize) {
    static const uint8_t tokens[] = {1, 2, 3, 4, 5};
    const struct {
        const char* Name;
        std::function<void(TXLSFormulaHelper&)> Fill;
        int64_t Size;
    } cases[] = {
        {"8-bit text, float",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaText(u"A1");
             h.SetFloatResult(1);
         },
         1 + 8 + 5},
        {"with an XF",
         [](TXLSFormulaHelper& h) {
             h.SetXF(3);
             h.SetFormulaText(u"A1");
             h.SetFloatResult(1);
         },
         16},
        {"16-bit text, string",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaText(u"\u4E2D");
             h.SetStringResult(u"abc");
         },
         1 + 8 + 5},
        {"compiled, boolean",
         [](TXLSFormulaHelper& h) {
             h.SetPtgs(tokens, 5);
             h.SetBooleanResult(true);
         },
         1 + 1 + 8},
        {"data table with its part",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaKind(XLSFormulaDataTable);
             h.SetHasTable(true);
             h.SetErrorResult(1);
         },
         1 + 1 + 17 + 13},
        {"array member with an area",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaKind(XLSFormulaArrayMember);
             h.SetHasArea(true);
             h.SetFloatResult(0);
         },
         1 + 8 + 10 + 12},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TXLSFormulaHelper helper;
        test.Fill(helper);
        EXPECT_EQ(helper.CalcCellSize(), test.Size);
    }
}

TEST(XLSFormulaHelper, TokenBuffers) {
    static const uint8_t tokens[] = {0x1E, 0x05, 0x00, 0xAA, 0xBB};
    const struct {
        const char* Name;
        std::function<void(TXLSFormulaHelper&)> Set;
        std::vector<uint8_t> Expected;
        bool Owned;
    } cases[] = {
        {"copy", [](TXLSFormulaHelper& h) { h.SetPtgs(tokens, 3); }, {0x1E, 0x05, 0x00}, true},
        {"BIFF tokens", [](TXLSFormulaHelper& h) { h.SetCompiledPtgs(tokens, 3); }, {0xFF, 0x1E, 0x05, 0x00}, true},
        {"BIFF tokens with extra data",
         [](TXLSFormulaHelper& h) { h.SetPtgsWithExtra(tokens, 3, 2); },
         {0xFE, 0x02, 0x00, 0x1E, 0x05, 0x00, 0xAA, 0xBB},
         true},
        {"attached",
         [](TXLSFormulaHelper& h) {
             h.AttachPtgs(tokens);
             h.SetPtgsSize(2);
         },
         {0x1E, 0x05},
         false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TXLSFormulaHelper helper;
        helper.SetPtgs(tokens, 1);
        test.Set(helper);
        EXPECT_EQ(Tokens(helper), test.Expected);
        EXPECT_EQ(helper.OwnsPtgs(), test.Owned);
        helper.Clear();
        EXPECT_EQ(helper.Ptgs(), nullptr);
        EXPECT_EQ(helper.PtgsSize(), -1);
    }
    TXLSFormulaHelper helper;
    EXPECT_EQ(MessageOf([&] { helper.SetPtgsWithExtra(tokens, 1, 70000); }), "Invalid formula token length (70000)");
    EXPECT_EQ(MessageOf([&] { helper.SetPtgs(tokens, -1); }), "Invalid formula token length (-1)");
}

TEST(XLSFormulaHelper, ReferencesFromText) {
    TXLSFormulaHelper helper;
    EXPECT_TRUE(helper.SetCellText(u"B3"));
    EXPECT_EQ(helper.Col(), 1);
    EXPECT_EQ(helper.Row(), 2);
    EXPECT_FALSE(helper.SetCellText(u"3B"));
    EXPECT_EQ(helper.Col(), 1);

    EXPECT_TRUE(helper.SetAreaText(u""));
    EXPECT_FALSE(helper.HasArea());
    EXPECT_FALSE(helper.SetAreaText(u"bogus"));
    EXPECT_FALSE(helper.HasArea());
    EXPECT_TRUE(helper.SetAreaText(u"C4:A1"));
    EXPECT_TRUE(helper.HasArea());
    EXPECT_EQ(helper.AreaCol1(), 0);
    EXPECT_EQ(helper.AreaRow1(), 0);
    EXPECT_EQ(helper.AreaCol2(), 2);
    EXPECT_EQ(helper.AreaRow2(), 3);

    EXPECT_FALSE(helper.SetTableRef1Text(u""));
    EXPECT_FALSE(helper.HasTable());
    EXPECT_EQ(helper.TableRef1Col(), XLSNoTableRefColumn);
    EXPECT_TRUE(helper.SetTableRef2Text(u"D9"));
    EXPECT_FALSE(helper.HasTable());
    EXPECT_TRUE(helper.SetTableRef1Text(u"E1"));
    EXPECT_TRUE(helper.HasTable());
    EXPECT_EQ(helper.TableRef1Col(), 4);
    EXPECT_EQ(helper.TableRef2Row(), 8);
}

TEST(XLSFormulaHelper, ErrorResults) {
    const struct {
        std::function<void(TXLSFormulaHelper&)> Set;
        const char* Message;
        uint8_t Error;
    } cases[] = {
        {[](TXLSFormulaHelper& h) { h.SetErrorResult(1); }, "no exception", 1},
        {[](TXLSFormulaHelper& h) { h.SetErrorResult(8); }, "no exception", 8},
        {[](TXLSFormulaHelper& h) { h.SetErrorResultText(u"#N/A"); }, "no exception", 7},
        {[](TXLSFormulaHelper& h) { h.SetErrorResult(0); }, "Invalid error value", 0},
        {[](TXLSFormulaHelper& h) { h.SetErrorResult(9); }, "Invalid error value", 0},
        {[](TXLSFormulaHelper& h) { h.SetErrorResultText(u"#n/a"); }, "Invalid error value", 0},
        {[](TXLSFormulaHelper& h) { h.SetErrorResultText(u"_ERROR_ERROR_"); }, "Invalid error value", 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Message);
        TXLSFormulaHelper helper;
        EXPECT_EQ(MessageOf([&] { test.Set(helper); }), test.Message);
        EXPECT_EQ(helper.ErrorResult(), test.Error);
        EXPECT_EQ(helper.ResultKind(), test.Error != 0 ? XLSResultError : 0);
    }
}

} // namespace
} // namespace xls
