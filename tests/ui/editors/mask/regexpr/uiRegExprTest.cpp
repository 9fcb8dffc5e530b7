#include "../RegExprTestSupport.h"
#include "ui/editors/mask/regexpr/uiRegExprAutomat.h"

#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

class uiRegExprTest : public ::testing::Test {
protected:
    test::TTestSeparators Separators;
    TuiRegExpr Expression{Separators};

    bool Accepts(char16_t character) { return Expression.Accept(character); }
    bool AcceptsAll(rtl::UnicodeStringView text) { return test::AcceptAll(Expression, text); }
    // Compiles, accepts the text and tells whether it is complete; a refused character counts as incomplete.
    bool Completes(rtl::UnicodeStringView mask, rtl::UnicodeStringView text) {
        Expression.Compile(mask);
        return AcceptsAll(text) && Expression.AtFinal();
    }
};

struct TMatchCase {
    const char16_t* Mask;
    const char16_t* Text;
    bool Complete;
};

TEST_F(uiRegExprTest, TellsWhetherTheTextIsComplete) {
    const TMatchCase cases[] = {
        {u"a(b?)", u"a", false},
        {u"a(b?)", u"ab", true},
        {u"ab?", u"a", true},
        {u"a(b)?", u"a", true},
        {u"a|bc", u"bc", true},
        {u"a|bc", u"b", false},
        {u"a*", u"", true},
        {u"a+", u"", false},
        {u"(ab)\\1", u"abab", true},
        {u"(ab)\\1", u"abac", false},
        {u"(a)+\\1", u"aaa", true},
        {u"a{2,4}", u"a", false},
        {u"a{2,4}", u"aaaa", true},
        {u"a{2,4}", u"aaaaa", false},
        {u"a{2,}", u"aaaaaaa", true},
        {u"[^0-9]+", u"x-Z ", true},
        {u"[^0-9]+", u"x5", false},
        {u"[\\D]", u"5", false},
        {u"[\\d-z]", u"e", true},
        {u"[a-c\\s.]+", u"b \t.", true},
        {u"[a-c\\s.]+", u"b!", false},
        {u"\\w\\W\\s\\S", u"_+\tx", true},
        {u"\\p\\d", u",5", true},
        {u"'a b'", u"a b", true},
    };
    for (const TMatchCase& test : cases) {
        SCOPED_TRACE(test_support::Utf8(test.Mask) + " on " + test_support::Utf8(test.Text));
        EXPECT_EQ(Completes(test.Mask, test.Text), test.Complete);
    }
}

TEST_F(uiRegExprTest, SeparatorsAreTheLocalesWhenTheCharacterIsTested) {
    Expression.Compile(u"\\d\\d/\\d\\d");
    EXPECT_TRUE(AcceptsAll(u"12"));
    EXPECT_FALSE(Accepts(u'/'));
    EXPECT_FALSE(Accepts(u'3'));
    Separators.Date = u'-';
    EXPECT_FALSE(Accepts(u'.'));
    EXPECT_TRUE(Accepts(u'-'));
    EXPECT_TRUE(Accepts(u'3'));
    EXPECT_FALSE(Expression.AtFinal());
    EXPECT_TRUE(Accepts(u'4'));
    EXPECT_TRUE(Expression.AtFinal());
    EXPECT_FALSE(Accepts(u'5'));
}

TEST_F(uiRegExprTest, ARefusedCharacterLeavesTheStateAsItWas) {
    Expression.Compile(u"ab|ac");
    EXPECT_TRUE(Accepts(u'a'));
    EXPECT_FALSE(Accepts(u'd'));
    EXPECT_TRUE(Accepts(u'c'));
    EXPECT_TRUE(Expression.AtFinal());
}

TEST_F(uiRegExprTest, CaseInsensitiveSymbolsHandBackTheirOwnCaseWhileRangesKeepCase) {
    Expression.SetCaseInsensitive(true);
    Expression.Compile(u"[a-z]");
    EXPECT_FALSE(Accepts(u'A'));
    Expression.Compile(u"ab");
    char16_t character = u'A';
    EXPECT_TRUE(Expression.Accept(character));
    EXPECT_EQ(character, u'a');
    Expression.SetCaseInsensitive(false);
    EXPECT_FALSE(Accepts(u'B'));
}

TEST_F(uiRegExprTest, AcceptTextKeepsTheAcceptedCharactersAsTheyStood) {
    Expression.SetCaseInsensitive(true);
    Expression.Compile(u"ab\\d+");
    rtl::UnicodeString accepted;
    Expression.AcceptText(u"AxB1y2", accepted);
    EXPECT_EQ(test_support::Utf8(accepted), "AB12");
    EXPECT_TRUE(Expression.AtFinal());
}

TEST_F(uiRegExprTest, StepsBackAndRewinds) {
    Expression.Compile(u"\\d+");
    EXPECT_TRUE(Expression.AtStart());
    EXPECT_FALSE(Expression.StepBack());
    EXPECT_TRUE(AcceptsAll(u"12"));
    EXPECT_FALSE(Expression.AtStart());
    EXPECT_TRUE(Expression.StepBack());
    EXPECT_TRUE(Expression.AtFinal());
    EXPECT_TRUE(Expression.StepBack());
    EXPECT_TRUE(Expression.AtStart());
    EXPECT_FALSE(Expression.AtFinal());
    EXPECT_TRUE(AcceptsAll(u"345"));
    Expression.Rewind();
    EXPECT_TRUE(Expression.AtStart());
    EXPECT_FALSE(Expression.StepBack());
}

TEST_F(uiRegExprTest, AnAmbiguousMaskKeepsEachStateOncePerSet) {
    Expression.Compile(u"(a|a)+");
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(Accepts(u'a'));
        ASSERT_EQ(Expression.Automat()->Current().Count(), 2);
    }
    EXPECT_TRUE(Expression.AtFinal());
}

TEST_F(uiRegExprTest, SteppingRaisesUntilCompiled) {
    const std::string notCompiled = "Regular expression is not compiled";
    char16_t character = u'a';
    EXPECT_EQ(test_support::MessageOf([&] { Expression.Accept(character); }), notCompiled);
    EXPECT_EQ(test::CompileErrors(Expression, u"(a"), "Missing ')'");
    EXPECT_EQ(test_support::MessageOf([&] { Expression.StepBack(); }), notCompiled);
    Expression.Compile(u"a");
    EXPECT_EQ(test_support::Utf8(*Expression.GetSource()), "a");
    Expression.Compile(*Expression.GetSource());
    EXPECT_TRUE(Accepts(u'a'));
    Expression.Discard();
    EXPECT_EQ(Expression.GetSource(), nullptr);
    EXPECT_EQ(test_support::MessageOf([&] { Expression.AtFinal(); }), notCompiled);
    EXPECT_THROW(Expression.Rewind(), EuiEditError);
}

TEST_F(uiRegExprTest, ANewCompilationDiscardsTheOldErrorsAndState) {
    EXPECT_NE(test::CompileErrors(Expression, u"[z-a]"), "");
    EXPECT_EQ(test::CompileErrors(Expression, u"z"), "");
    EXPECT_EQ(Expression.Errors().Count(), 0);
    EXPECT_TRUE(Accepts(u'z'));
    Expression.Compile(u"y");
    EXPECT_TRUE(Expression.AtStart());
    EXPECT_FALSE(Accepts(u'z'));
}

// Records what auto-completion inserts and how often it deletes.
class uiRegExprAutoCompleteTest : public uiRegExprTest {
protected:
    std::string Inserted;
    int Deleted = 0;

    void SetUp() override {
        Expression.SetOnSymbolInserted([this](char16_t character) { Inserted += static_cast<char>(character); });
        Expression.SetOnSymbolDeleted([this] { ++Deleted; });
        Expression.SetAutoComplete(true);
    }
};

TEST_F(uiRegExprAutoCompleteTest, InsertsAndRemovesTheForcedCharacters) {
    Expression.Compile(u"'(' \\d \\d ')'");
    EXPECT_EQ(Inserted, "(");
    EXPECT_FALSE(Expression.AtStart());
    EXPECT_TRUE(AcceptsAll(u"12"));
    EXPECT_EQ(Inserted, "()");
    EXPECT_TRUE(Expression.AtFinal());

    EXPECT_TRUE(Expression.StepBack());
    EXPECT_EQ(Deleted, 1);
    EXPECT_TRUE(Accepts(u'3'));
    EXPECT_EQ(Inserted, "())");
    EXPECT_TRUE(Expression.StepBack());
    EXPECT_TRUE(Expression.StepBack());
    // Back at "(": the forced start goes too, and there is nothing left to step back over.
    EXPECT_FALSE(Expression.StepBack());
    EXPECT_EQ(Deleted, 3);
    EXPECT_TRUE(Expression.AtStart());
}

TEST_F(uiRegExprAutoCompleteTest, InsertsTheLocalesTimeSeparator) {
    Separators.Time = u'.';
    Expression.Compile(u"\\d\\d:\\d\\d");
    EXPECT_TRUE(AcceptsAll(u"12"));
    EXPECT_EQ(Inserted, ".");
    EXPECT_TRUE(AcceptsAll(u"34"));
    EXPECT_EQ(Inserted, ".");
}

TEST_F(uiRegExprAutoCompleteTest, SwitchingItOnCompletesAtOnceAndRewindDoesNot) {
    Expression.SetAutoComplete(false);
    Expression.Compile(u"ab|ac");
    EXPECT_TRUE(Expression.AtStart());
    Expression.SetAutoComplete(true);
    EXPECT_EQ(Inserted, "a");
    Expression.Rewind();
    EXPECT_TRUE(Expression.AtStart());
    EXPECT_EQ(Inserted, "a");
}

TEST_F(uiRegExprAutoCompleteTest, ATypedChoiceIsNotRemovedWithTheForcedOnesAfterIt) {
    Expression.Compile(u"\\d-x|y");
    EXPECT_TRUE(Accepts(u'7'));
    EXPECT_EQ(Inserted, "-x");
    EXPECT_TRUE(Expression.StepBack());
    EXPECT_EQ(Deleted, 2);
    EXPECT_TRUE(Expression.AtStart());
}

// Faults the engine must not have.

TEST_F(uiRegExprTest, AReferenceToACountedGroupRepeatsTheGroupAsWritten) {
    EXPECT_TRUE(Completes(u"(ab){2}\\1", u"ababab"));
    EXPECT_FALSE(Accepts(u'a'));
    EXPECT_FALSE(Completes(u"(ab){2}\\1", u"abab"));
    EXPECT_TRUE(Completes(u"((a)b){2}\\2", u"ababa"));
    EXPECT_FALSE(Accepts(u'b'));
}

TEST_F(uiRegExprTest, AnOpenCountOnAGroupThatMayMatchNothingSteps) {
    EXPECT_TRUE(Completes(u"(a?){1,}", u"aaa"));
    EXPECT_FALSE(Accepts(u'b'));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Expression.StepBack());
    }
    EXPECT_TRUE(Expression.AtStart());
    EXPECT_FALSE(Expression.StepBack());

    Expression.Compile(u"a{0}{2,}");
    EXPECT_FALSE(Accepts(u'a'));
    EXPECT_FALSE(Expression.AtFinal());
}

// Without a reachable end the characters a mask forces could repeat for ever: a+ followed by an empty group
// forces "a" after every "a" and is never complete.
TEST_F(uiRegExprAutoCompleteTest, DoesNotInsertWhereNoCompleteTextCanBeReached) {
    Expression.Compile(u"a+b{0}");
    EXPECT_TRUE(Accepts(u'a'));
    EXPECT_TRUE(Accepts(u'a'));
    EXPECT_EQ(Inserted, "");
    EXPECT_FALSE(Expression.AtFinal());
    Expression.Compile(u"(ab)+c{0}");
    EXPECT_TRUE(Accepts(u'a'));
    EXPECT_EQ(Inserted, "");
}

} // namespace
} // namespace ui
