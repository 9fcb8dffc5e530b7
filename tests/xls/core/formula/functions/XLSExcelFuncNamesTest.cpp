#include "xls/core/formula/functions/XLSExcelFuncNames.h"

#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "xls/core/formula/functions/BIFF_ExcelFunc.h"
#include "xls/core/formula/functions/XLSFunctionTables.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"

#include <gtest/gtest.h>
#include <set>

namespace xls {
namespace {

using test_support::MessageOf;
using test_support::Utf8;

TEST(XLSExcelFuncNames, FindNameIgnoresTheCaseOfASCIILettersOnly) {
    const struct {
        const char16_t* name;
        int32_t id;
    } cases[] = {
        {u"sum", 4},
        {u"Sum", 4},
        {u"SUM", 4},
        {u"CHI.INV.RT", 806},
        {u"chi.inv.rt", 806},
        {u"LOG10", 23},
        {u"XNPV", 872},
        {u"COUNT", 0},
        {u"NOSUCH", -1},
        {u"", -1},
        {u"SUM ", -1},
        {u"SU", -1},
        {u"SUMS", -1},
        // Full-width letters and letters sharing their low byte with ASCII ones are not the ASCII letters.
        {u"\uFF33\uFF35\uFF2D", -1},
        {u"\u5353UM", -1},
        {u"S\u0155M", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.name));
        EXPECT_EQ(TXLSExcelFuncNames::FindName(c.name), c.id);
    }
}

TEST(XLSExcelFuncNames, EveryFunctionIsFoundByItsNameAndItsId) {
    const auto records = XLSFuncDataRecords();
    ASSERT_EQ(records.size(), 327u);
    std::set<int32_t> ids;
    for (const TXc12FuncData& function : records) {
        SCOPED_TRACE(Utf8(function.Name));
        EXPECT_EQ(TXLSExcelFuncNames::FindName(function.Name), function.Id);
        EXPECT_EQ(TXLSExcelFuncNames::GetName(function.Id), function.Name);
        EXPECT_EQ(TXLSExcelFuncNames::FindId(function.Id), &function);
        ids.insert(function.Id);
    }
    for (int32_t id = 0; id <= 872; ++id) {
        if (!ids.contains(id)) {
            EXPECT_EQ(TXLSExcelFuncNames::GetName(id), u"") << id;
            EXPECT_EQ(TXLSExcelFuncNames::FindId(id), nullptr) << id;
        }
    }
}

TEST(XLSExcelFuncNames, ArgumentCounts) {
    EXPECT_FALSE(TXLSExcelFuncNames::IsFixedArgs(1));
    EXPECT_TRUE(TXLSExcelFuncNames::IsFixedArgs(27));
    EXPECT_FALSE(TXLSExcelFuncNames::IsFixedArgs(4));
    EXPECT_TRUE(TXLSExcelFuncNames::IsFixedArgs(19));
    EXPECT_EQ(TXLSExcelFuncNames::MinArgs(1), 2);
    EXPECT_EQ(TXLSExcelFuncNames::MinArgs(19), 0);
    EXPECT_EQ(TXLSExcelFuncNames::FindId(4)->MaxArgs, XLSFuncVariableArgs);
    EXPECT_EQ(TXLSExcelFuncNames::FindId(818)->MinArgs, 3);
    EXPECT_EQ(TXLSExcelFuncNames::GetName(806), u"CHI.INV.RT");
}

TEST(XLSExcelFuncNames, IdsWithoutAFunctionRaise) {
    EXPECT_EQ(MessageOf([] { TXLSExcelFuncNames::MinArgs(53); }), "Unknown function id \"53\"");
    EXPECT_EQ(MessageOf([] { TXLSExcelFuncNames::IsFixedArgs(873); }), "Unknown function id \"873\"");
    EXPECT_EQ(MessageOf([] { TXLSExcelFuncNames::MinArgs(-1); }), "Unknown function id \"-1\"");
    EXPECT_THROW(TXLSExcelFuncNames::MinArgs(53), EXLSFormulaError);
    EXPECT_EQ(TXLSExcelFuncNames::GetName(53), u"");
    EXPECT_THROW(TXLSExcelFuncNames::GetName(873), rtl::EListError);
    EXPECT_EQ(MessageOf([] { TXLSExcelFuncNames::GetName(-1); }), "List index out of bounds (-1)");
}

TEST(BIFF_ExcelFunc, FunctionNumbers) {
    const TExcelFunctions* count = FindExcelFunction(0);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->Name, u"COUNT");
    EXPECT_EQ(count->MinArgs, 1);
    EXPECT_EQ(count->MaxArgs, ExcelFuncVariableArgs);
    const TExcelFunctions* isHyperlink = FindExcelFunction(380);
    ASSERT_NE(isHyperlink, nullptr);
    EXPECT_EQ(isHyperlink->Name, u"ISHYPERLINK");
    EXPECT_EQ(FindExcelFunction(381), nullptr);
    EXPECT_EQ(FindExcelFunction(-1), nullptr);
    EXPECT_TRUE(IsMacroSheetFunction(*FindExcelFunction(53)));
    EXPECT_EQ(FindExcelFunction(53)->Name, u"GOTO");
    EXPECT_FALSE(IsMacroSheetFunction(*count));
    EXPECT_EQ(FindExcelFunction(202)->Name, u"202");
}

TEST(BIFF_ExcelFunc, ArgumentClassesCarryOnFromTheLastOneGiven) {
    // VLOOKUP: V R R V; LOOKUP: V R R; RATE: six values; NA: none.
    const TExcelFunctions& vlookup = *FindExcelFunction(102);
    const TExcelFunctions& rate = *FindExcelFunction(60);
    const TExcelFunctions& na = *FindExcelFunction(10);
    const TExcelFunctions& sum = *FindExcelFunction(4);
    EXPECT_EQ(ExcelFunctionArgClass(vlookup, 0), XLSArgClassValue);
    EXPECT_EQ(ExcelFunctionArgClass(vlookup, 1), XLSArgClassReference);
    EXPECT_EQ(ExcelFunctionArgClass(vlookup, 3), XLSArgClassValue);
    EXPECT_EQ(ExcelFunctionArgClass(vlookup, 4), XLSArgClassValue);
    EXPECT_EQ(ExcelFunctionArgClass(sum, 0), XLSArgClassReference);
    EXPECT_EQ(ExcelFunctionArgClass(sum, 40), XLSArgClassReference);
    EXPECT_EQ(ExcelFunctionArgClass(rate, 5), XLSArgClassValue);
    EXPECT_EQ(ExcelFunctionArgClass(*FindExcelFunction(83), 0), XLSArgClassArray);
    EXPECT_EQ(ExcelFunctionArgClass(na, 0), XLSArgClassNone);
}

} // namespace
} // namespace xls
