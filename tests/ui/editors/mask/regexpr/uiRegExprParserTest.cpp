#include "ui/editors/mask/regexpr/uiRegExprParser.h"

#include "../RegExprTestSupport.h"
#include "ui/editors/mask/regexpr/uiRegExprAutomat.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

struct TParseErrorCase {
    const char16_t* Mask;
    const char* Errors;
};

// Each mask fails with exactly its errors and leaves the expression not compiled.
template <size_t Count>
void ExpectCompileErrors(const TParseErrorCase (&cases)[Count]) {
    test::TTestSeparators separators;
    TuiRegExpr expression(separators);
    for (const TParseErrorCase& test : cases) {
        SCOPED_TRACE(test_support::Utf8(test.Mask));
        EXPECT_EQ(test::CompileErrors(expression, test.Mask), test.Errors);
        EXPECT_FALSE(expression.IsCompiled());
        EXPECT_EQ(expression.GetSource(), nullptr);
    }
}

TEST(uiRegExprParser, CollectsEveryErrorOfTheMask) {
    const TParseErrorCase cases[] = {
        {u"   \t\r\n", "The source stream is empty"},
        {u"a|", "The alternative should not be empty"},
        {u"|a", "Line1, Char1: The alternative should not be empty"},
        {u"(a|)", "Line1, Char4: The block should not be empty"},
        {u"()", "Line1, Char2: The block should not be empty"},
        {u"*a", "Line1, Char1: Illegal quantifier '*'"},
        {u"a?*", "Line1, Char3: The '*' quantifier cannot be applied here"},
        {u"(a?)+", "Line1, Char5: The '+' quantifier cannot be applied here"},
        {u"a?{2}", "Line1, Char3: The parameter quantifier cannot be applied here"},
        {u"a{3,2}", "Line1, Char6: Incorrect parameter quantifier"},
        {u"a{,2}", "Line1, Char3: Incorrect parameter quantifier | Line1, Char4: Illegal integer value | "
                   "Line1, Char5: Illegal '}'"},
        {u"{2}", "Line1, Char1: Incorrect parameter quantifier | Line1, Char2: Illegal integer value | "
                 "Line1, Char3: Illegal '}'"},
        {u"[z-a]", "Line1, Char4: The starting character of the subrange must be less than the finishing one"},
        {u"[a-a]", "Line1, Char4: The starting character of the subrange must be less than the finishing one"},
        {u"[a-c-e]", "Line1, Char5: Illegal '-'"},
        {u"[]", "Line1, Char2: Can't create empty enumeration"},
        {u"[^]", "Line1, Char3: Can't create empty enumeration"},
        {u"(a)\\2", "Line1, Char4: Too big reference number"},
        {u")(", "Line1, Char1: Illegal ')' | The alternative should not be empty"},
        {u"*|+", "Line1, Char1: Illegal quantifier '*' | Line1, Char3: Illegal quantifier '+'"},
    };
    ExpectCompileErrors(cases);
}

// Counts are copied out item by item: digits past the integer range, and counts, nested counts and back references
// that would grow the mask past its item budget, are refused before anything is copied.
TEST(uiRegExprParser, RefusesCountsAndReferencesPastTheItemBudget) {
    const TParseErrorCase cases[] = {
        {u"a{99999999999}", "Line1, Char3: Illegal integer value"},
        {u"a{1,99999999999}", "Line1, Char5: Illegal integer value"},
        {u"a{1000000000}", "Line1, Char2: Incorrect parameter quantifier"},
        {u"a{2147483647,}", "Line1, Char2: Incorrect parameter quantifier"},
        {u"((a{100}){100}){100}",
         "Line1, Char10: Incorrect parameter quantifier | Line1, Char16: Incorrect parameter quantifier"},
        {u"(a{4000})\\1\\1", "Line1, Char12: Incorrect parameter quantifier"},
        // Each reference doubles the open group; the thirteenth would take it past the budget.
        {u"(a\\1\\1\\1\\1\\1\\1\\1\\1\\1\\1\\1\\1\\1)", "Line1, Char27: Incorrect parameter quantifier"},
    };
    ExpectCompileErrors(cases);
    test::TTestSeparators separators;
    TuiRegExpr expression(separators);
    EXPECT_EQ(test::CompileErrors(expression, u"(a{4000})\\1"), "");
}

struct TTreeCase {
    const char16_t* Mask;
    const char16_t* Tree;
};

// The parse tree, one line per item and block edge, shows how quantifiers wrap and counts unfold.
TEST(uiRegExprParser, BuildsTheTreeTheMaskDescribes) {
    const TTreeCase cases[] = {
        {u"ab+", u"<Start_Alt>\r\nitem --> \r\nitem --> +\r\n<Finish_Alt>\r\n"},
        {u"a+?", u"<Start_Alt>\r\n<Start_Block>\r\n<Start_Alt>\r\nitem --> +\r\n<Finish_Alt>\r\n"
                 u"<Finish_Block> --> ?\r\n<Finish_Alt>\r\n"},
        {u"a|b*", u"<Start_Alt>\r\nitem --> \r\n<Finish_Alt>\r\n<Start_Alt>\r\nitem --> *\r\n<Finish_Alt>\r\n"},
        {u"a{2,4}", u"<Start_Alt>\r\n<Start_Block>\r\n<Start_Alt>\r\nitem --> \r\nitem --> \r\n"
                    u"<Start_Block>\r\n<Start_Alt>\r\nitem --> \r\nitem --> ?\r\n<Finish_Alt>\r\n"
                    u"<Finish_Block> --> ?\r\n<Finish_Alt>\r\n<Finish_Block> --> \r\n<Finish_Alt>\r\n"},
        {u"a{1,}", u"<Start_Alt>\r\n<Start_Block>\r\n<Start_Alt>\r\nitem --> \r\nitem --> *\r\n<Finish_Alt>\r\n"
                   u"<Finish_Block> --> \r\n<Finish_Alt>\r\n"},
        {u"a{0}", u"<Start_Alt>\r\n<Start_Block>\r\n<Start_Alt>\r\n<Finish_Alt>\r\n<Finish_Block> --> \r\n"
                  u"<Finish_Alt>\r\n"},
        {u"[ab]\\d?", u"<Start_Alt>\r\nitem --> \r\nitem --> ?\r\n<Finish_Alt>\r\n"},
    };
    test::TTestSeparators separators;
    TuiRegExpr expression(separators);
    for (const TTreeCase& test : cases) {
        SCOPED_TRACE(test_support::Utf8(test.Mask));
        expression.Compile(test.Mask);
        EXPECT_EQ(test_support::Utf8(DescribeAlts(expression.Automat()->Tree())), test_support::Utf8(test.Tree));
    }
}

// Nesting costs no call stack: deep groups and long optional chains compile and step.
TEST(uiRegExprParser, DeepNestingCompiles) {
    test::TTestSeparators separators;
    TuiRegExpr expression(separators);
    const int depth = 20000;
    rtl::UnicodeString nested(depth, u'(');
    nested += u"a";
    nested += rtl::UnicodeString(depth, u')');
    nested += u"+";
    expression.Compile(nested);
    EXPECT_TRUE(test::AcceptAll(expression, u"aaa"));
    EXPECT_TRUE(expression.AtFinal());

    expression.Compile(u".{0,4000}");
    EXPECT_TRUE(test::AcceptAll(expression, rtl::UnicodeString(4000, u'x')));
    EXPECT_TRUE(expression.AtFinal());
    char16_t extra = u'x';
    EXPECT_FALSE(expression.Accept(extra));
}

} // namespace
} // namespace ui
