#include "ui/editors/mask/regexpr/uiRegExprLexer.h"

#include "../RegExprTestSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

const char* const lexemCodeNames[] = {"sym", "special", "int", "any", "w",    "W",   "d",
                                      "D",   "s",       "S",   "ref", "date", "time"};

// The lexems as "code:value" words; control characters as #code.
std::string LexemWords(const TuiLexems& lexems) {
    std::string words;
    for (const TuiLexem& lexem : lexems) {
        words += words.empty() ? "" : " ";
        words += lexemCodeNames[lexem.Code];
        words += ":";
        words += lexem.Value[0] < 32 ? "#" + std::to_string(lexem.Value[0]) : test_support::Utf8(lexem.Value);
    }
    return words;
}

struct TLexResult {
    std::string Lexems;
    std::string Errors;
};

TLexResult Lex(rtl::UnicodeStringView mask) {
    TuiLexems lexems;
    TuiRegExprErrors errors;
    TuiRegExprLexer(mask, u',', lexems, errors).Lex();
    return {LexemWords(lexems), test::ErrorTexts(errors)};
}

struct TLexCase {
    const char16_t* Mask;
    const char* Lexems;
};

TEST(uiRegExprLexer, CutsTheMaskIntoLexems) {
    const TLexCase cases[] = {
        {u"a b", "sym:a sym:b"},
        {u"'a b'", "sym:a sym:  sym:b"},
        {u"'it''s'", "sym:i sym:t sym:' sym:s"},
        {u"''", ""},
        {u"\\12", "ref:1 sym:2"},
        {u"\\0\\\\\\.\\(\\[\\'", "sym:0 sym:\\ sym:. sym:( sym:[ sym:'"},
        {u"a\\", "sym:a"},
        {u"\\d\\D\\w\\W\\s\\S", "d:d D:D w:w W:W s:s S:S"},
        {u"\\a\\e\\f\\n\\r\\t", "sym:#7 sym:#27 sym:#12 sym:#10 sym:#13 sym:#9"},
        {u"\\p\\x41\\x7a", "sym:, sym:A sym:z"},
        {u". / :", "any:. date:/ time::"},
        {u"(a|b)*+?", "special:( sym:a special:| sym:b special:) special:* special:+ special:?"},
        {u"]}^-,$", "sym:] sym:} sym:^ sym:- sym:, sym:$"},
        {u"[a-]", "special:[ sym:a sym:- special:]"},
        {u"[a-z]", "special:[ sym:a special:- sym:z special:]"},
        {u"[a - ]", "special:[ sym:a sym:- special:]"},
        {u"[-a^[]", "special:[ sym:- sym:a sym:^ sym:[ special:]"},
        {u"[^/:\\d' ']", "special:[ special:^ date:/ time:: d:d sym:  special:]"},
        {u"[]", "special:[ special:]"},
        {u"{2,}", "special:{ int:2 special:, special:}"},
        {u"{ 12 , 345 }", "special:{ int:12 special:, int:345 special:}"},
    };
    for (const TLexCase& test : cases) {
        SCOPED_TRACE(test_support::Utf8(test.Mask));
        const TLexResult result = Lex(test.Mask);
        EXPECT_EQ(result.Lexems, test.Lexems);
        EXPECT_EQ(result.Errors, "");
    }
}

TEST(uiRegExprLexer, PositionsCountLinesAtCarriageReturnsAndColumnsFromLineFeeds) {
    TuiLexems lexems;
    TuiRegExprErrors errors;
    TuiRegExprLexer(u"ab\r\n c\\d", u',', lexems, errors).Lex();
    ASSERT_EQ(lexems.size(), 4u);
    EXPECT_EQ(lexems[0].Line, 1);
    EXPECT_EQ(lexems[0].Column, 1);
    EXPECT_EQ(lexems[1].Column, 2);
    EXPECT_EQ(lexems[2].Line, 2);
    EXPECT_EQ(lexems[2].Column, 2);
    // An escape stands where its backslash does.
    EXPECT_EQ(lexems[3].Column, 3);
}

struct TLexErrorCase {
    const char16_t* Mask;
    const char* Errors;
};

TEST(uiRegExprLexer, CollectsEveryErrorWithItsPosition) {
    const TLexErrorCase cases[] = {
        {u"[", "Line1, Char2: Missing ']'"},
        {u"[a-", "Line1, Char4: Missing ']'"},
        {u"a\r\n[", "Line2, Char2: Missing ']'"},
        {u"{x}", "Line1, Char2: Illegal 'x'"},
        {u"{'}", "Line1, Char2: Illegal ' ' '"},
        {u"{12", "Line1, Char4: Missing '}'"},
        {u"((a)", "Missing ')'"},
        {u"a)", "Unnecessary ')'"},
        {u"'ab", "Line1, Char4: Missing ' ' '"},
        {u"\\x4", "Line1, Char4: Hexadecimal number expected"},
        {u"\\x4g", "Line1, Char4: Hexadecimal number expected but 'g' found"},
        {u"a\\ b", "Line1, Char3: The space character is not allowed after '\\'"},
        {u"{y}[\\x",
         "Line1, Char2: Illegal 'y' | Line1, Char7: Hexadecimal number expected | Line1, Char7: Missing ']'"},
    };
    for (const TLexErrorCase& test : cases) {
        SCOPED_TRACE(test_support::Utf8(test.Mask));
        EXPECT_EQ(Lex(test.Mask).Errors, test.Errors);
    }
}

TEST(uiRegExprLexer, AClosingParenthesisFirstPassesTheLexer) {
    EXPECT_EQ(Lex(u")(").Errors, "");
}

TEST(uiRegExprErrors, FullTextNamesLineAndColumnWhereTheyAreKnown) {
    EXPECT_EQ(test_support::Utf8(TuiRegExprError{4, 1, u"Illegal '-'"}.FullText()), "Line1, Char4: Illegal '-'");
    EXPECT_EQ(test_support::Utf8(TuiRegExprError{0, 1, u"Illegal '-'"}.FullText()), "Line1: Illegal '-'");
    EXPECT_EQ(test_support::Utf8(TuiRegExprError{3, 0, u"Illegal '-'"}.FullText()), "Illegal '-'");
}

} // namespace
} // namespace ui
