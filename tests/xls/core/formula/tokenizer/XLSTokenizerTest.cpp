#include "xls/core/formula/tokenizer/XLSTokenizer.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSErrorManager.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace xls {
namespace {

using test_support::Utf8;

const std::map<TXLSTokenType, std::string> TokenKindNames = {
    {xttChar, "Char"},
    {xttWhitespace, "Whitespace"},
    {xttListSep, "ListSep"},
    {xttColon, "Colon"},
    {xttArrayRowSep, "ArrayRowSep"},
    {xttBang, "Bang"},
    {xttOpenParen, "OpenParen"},
    {xttCloseParen, "CloseParen"},
    {xttTableEnd, "TableEnd"},
    {xttSpace, "Space"},
    {xttErrNull, "ErrNull"},
    {xttErrDiv0, "ErrDiv0"},
    {xttErrValue, "ErrValue"},
    {xttErrRef, "ErrRef"},
    {xttErrName, "ErrName"},
    {xttErrNum, "ErrNum"},
    {xttErrNA, "ErrNA"},
    {xttErrGettingData, "ErrGettingData"},
    {xttTrue, "True"},
    {xttFalse, "False"},
    {xttString, "String"},
    {xttArrayOpen, "ArrayOpen"},
    {xttArrayClose, "ArrayClose"},
    {xttNumber, "Number"},
    {xttPower, "Power"},
    {xttMul, "Mul"},
    {xttDiv, "Div"},
    {xttAdd, "Add"},
    {xttSub, "Sub"},
    {xttNeg, "Neg"},
    {xttPlus, "Plus"},
    {xttConcat, "Concat"},
    {xttEQ, "EQ"},
    {xttNE, "NE"},
    {xttLT, "LT"},
    {xttLE, "LE"},
    {xttGT, "GT"},
    {xttGE, "GE"},
    {xttPercent, "Percent"},
    {xttRange, "Range"},
    {xttIsect, "Isect"},
    {xttCol, "Col"},
    {xttColAbs, "ColAbs"},
    {xttRow, "Row"},
    {xttRowAbs, "RowAbs"},
    {xttName, "Name"},
    {xttFunc, "Func"},
    {xttSheet, "Sheet"},
    {xttWorkbook, "Workbook"},
    {xttTable, "Table"},
    {xttTableColumn, "TableColumn"},
    {xttTableSpecial, "TableSpecial"},
};

std::string DescribeToken(const TXLSToken& token) {
    std::string text = TokenKindNames.at(token.Kind);
    switch (token.Payload) {
    case TXLSTokenPayload::None:
        break;
    case TXLSTokenPayload::Integer:
        text += " " + std::to_string(token.Integer);
        break;
    case TXLSTokenPayload::Number: {
        char digits[32];
        const auto result = std::to_chars(digits, digits + sizeof digits, token.Number);
        text += " " + std::string(digits, result.ptr);
        break;
    }
    case TXLSTokenPayload::Character:
        text += " '" + Utf8(rtl::UnicodeStringView(&token.Character, 1)) + "'";
        break;
    case TXLSTokenPayload::Text:
        text += " \"" + Utf8(token.Text) + "\"";
        break;
    }
    return text;
}

// The tokens as the case file writes them, "nil" for no list, or "! " and the message of the error raised.
std::string Describe(TXLSErrorManager& errors, rtl::UnicodeStringView formula) {
    TXLSTokenizer tokenizer(errors);
    tokenizer.SetText(formula);
    try {
        const auto tokens = tokenizer.Tokenize();
        if (tokens == nullptr) {
            return "nil";
        }
        std::string text;
        for (int32_t index = 0; index < tokens->Count(); ++index) {
            text += (index == 0 ? "" : " | ") + DescribeToken(tokens->GetToken(index));
        }
        return text;
    } catch (const rtl::Exception& error) {
        return "! " + rtl::UnicodeToUtf8(error.Message());
    }
}

std::string Describe(rtl::UnicodeStringView formula) {
    TXLSErrorManager errors;
    return Describe(errors, formula);
}

struct TCase {
    int line;
    std::string formula;
    std::string expected;
};

std::vector<TCase> ReadCases() {
    std::ifstream file(std::filesystem::path(test_support::DataPath("formula/tokenizer-cases.txt")));
    std::vector<TCase> cases;
    std::string text;
    for (int line = 1; std::getline(file, text); ++line) {
        const size_t tab = text.find('\t');
        if (text.starts_with("//") || tab == std::string::npos) {
            continue;
        }
        cases.push_back({line, text.substr(0, tab), text.substr(tab + 1)});
    }
    return cases;
}

TEST(XLSTokenizer, CaseFile) {
    const std::vector<TCase> cases = ReadCases();
    ASSERT_GT(cases.size(), 100u) << "the case file was not read";
    for (const TCase& c : cases) {
        SCOPED_TRACE("tokenizer-cases.txt:" + std::to_string(c.line) + ": " + c.formula);
        EXPECT_EQ(Describe(rtl::Utf8ToUnicode(c.formula)), c.expected);
    }
}

TEST(XLSTokenizer, LineBreaksLayOutTheTextLikeSpaces) {
    EXPECT_EQ(Describe(u"IF(A1,\n  B1,\r\n  C1)"), "Func \"IF\" | Col 0 | Row 0 | ListSep | Whitespace 3 | Col 1 | "
                                                   "Row 0 | ListSep | Whitespace 4 | Col 2 | Row 0 | CloseParen");
    EXPECT_EQ(Describe(u"\r\nA1\n"), "Whitespace 2 | Col 0 | Row 0");
    EXPECT_EQ(Describe(u"\t \u0001"), "nil");
    EXPECT_EQ(Describe(u""), "nil");
}

TEST(XLSTokenizer, TokensKnowWhereTheyStand) {
    TXLSErrorManager errors;
    TXLSTokenizer tokenizer(errors);
    tokenizer.SetText(u" SUM('Bob''s'!A1, 12)");
    const auto tokens = tokenizer.Tokenize();
    ASSERT_NE(tokens, nullptr);
    const std::vector<std::pair<int32_t, int32_t>> expected = {{0, 1},   {1, 4},   {6, 12},  {13, 14}, {14, 15},
                                                               {15, 16}, {16, 17}, {17, 18}, {18, 20}, {20, 21}};
    ASSERT_EQ(tokens->Count(), static_cast<int32_t>(expected.size()));
    for (int32_t index = 0; index < tokens->Count(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(tokens->GetToken(index).Start, expected[index].first);
        EXPECT_EQ(tokens->GetToken(index).End, expected[index].second);
    }
    EXPECT_EQ(tokens->GetText(2), u"Bob's");
}

TEST(XLSTokenizer, LastKindAndNextKindPassOverSpaces) {
    TXLSTokenList tokens;
    EXPECT_EQ(tokens.LastKind(), xttChar);
    tokens.Add(xttName, 0, 1);
    tokens.Add(xttSpace, 1, 2);
    tokens.Add(xttSpace, 2, 3);
    EXPECT_EQ(tokens.LastKind(), xttName);
    EXPECT_EQ(tokens.NextKind(0), xttChar);
    tokens.Add(xttCloseParen, 3, 4);
    EXPECT_EQ(tokens.NextKind(0), xttCloseParen);
    EXPECT_EQ(tokens.NextKind(-1), xttName);
}

// Texts long and deep enough to exhaust the stack or the patience of a reader that recursed or rescanned without
// bound are refused or read in time.
TEST(XLSTokenizer, HostileTextsAreRefusedOrReadWithinLimits) {
    const auto repeat = [](rtl::UnicodeStringView piece, int32_t times) {
        rtl::UnicodeString text;
        for (int32_t i = 0; i < times; ++i) {
            text += piece;
        }
        return text;
    };
    const rtl::UnicodeString deep = repeat(u"(", 200) + u"1" + repeat(u")", 200);
    EXPECT_EQ(Describe(deep).substr(0, 9), "OpenParen");
    EXPECT_EQ(Describe(repeat(u"(", 2000) + u"1" + repeat(u")", 2000)), "! E4006: Error in formula");
    EXPECT_EQ(Describe(repeat(u"-", 2000) + u"1"), "! E4006: Error in formula");
    EXPECT_EQ(Describe(u"SUM(" + repeat(u"1,", 1000) + u"1)").substr(0, 10), "Func \"SUM\"");
    EXPECT_EQ(Describe(u"1+" + repeat(u" ", 5000) + u"2"), "Number 1 | Add | Whitespace 5000 | Number 2");
    const rtl::UnicodeString longest = u"1" + repeat(u"+1", (XLSMaxFormulaLength - 1) / 2);
    EXPECT_EQ(longest.size(), static_cast<size_t>(XLSMaxFormulaLength - 1) / 2 * 2 + 1);
    EXPECT_NE(Describe(longest).substr(0, 1), "!");
    EXPECT_EQ(Describe(repeat(u"1", XLSMaxFormulaLength + 1)), "! E4006: Error in formula");
    // Every name of this text could begin a sheet prefix that runs to its end.
    EXPECT_EQ(Describe(repeat(u"A1%", 2700)).substr(0, 12), "Col 0 | Row ");

    // A manager that keeps errors lets scanning go on; it still ends, with every error reported.
    for (const rtl::UnicodeString& text :
         {repeat(u"(", 5000), repeat(u"'", 5000), repeat(u"\"\"", 3000) + u"\"", repeat(u"a%", 4000),
          repeat(u"{", 3000), repeat(u"#", 3000), repeat(u"[[", 2000), repeat(u"-+", 4000)}) {
        SCOPED_TRACE(Utf8(text.substr(0, 4)));
        TXLSErrorManager errors;
        errors.SetSaveToList(true);
        EXPECT_NO_THROW(Describe(errors, text));
    }
}

TEST(XLSTokenizer, AManagerThatKeepsErrorsGetsAtMostTheLimitOfErrorsFromOneText) {
    TXLSErrorManager errors;
    errors.SetSaveToList(true);
    const std::string tokens = Describe(errors, rtl::UnicodeString(100, u'@') + u"+1");
    EXPECT_EQ(errors.Messages().size(), static_cast<size_t>(XLSMaxFormulaErrors));
    std::string expected;
    for (int32_t i = 1; i < XLSMaxFormulaErrors; ++i) {
        expected += (i == 1 ? "" : " | ") + std::string("Char '@'");
    }
    EXPECT_EQ(tokens, expected);
}

TEST(XLSTokenizer, AManagerThatKeepsErrorsGetsThemAllAndTheRestOfTheText) {
    TXLSErrorManager errors;
    errors.SetSaveToList(true);
    EXPECT_EQ(Describe(errors, u"1+@+{1,-2}+2"),
              "Number 1 | Add | Char '@' | Plus | ArrayOpen | Number 1 | ListSep | Neg | Number 2 | Char '}' | "
              "Plus | Number 2");
    std::vector<int32_t> numbers;
    for (const TXLSErrorMessage& message : errors.Messages()) {
        numbers.push_back(message.Number);
    }
    EXPECT_EQ(numbers, (std::vector<int32_t>{XLSErrorInFormula, XLSErrorInvalidArray, XLSErrorInFormula}));
}

} // namespace
} // namespace xls
