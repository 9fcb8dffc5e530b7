#include "ui/data/filter/uiFilterLike.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiFilterLike, PatternsMatchByCharactersAndRunsOfWildcardsCountOnce) {
    struct TCase {
        const char16_t* Value;
        const char16_t* Pattern;
        bool Matches;
    };
    const TCase cases[] = {
        {u"", u"%", true},
        {u"anything", u"%", true},
        {u"a", u"a%", true},
        {u"abc", u"a%", true},
        {u"ba", u"a%", false},
        {u"", u"%a", false},
        {u"ba", u"%a", true},
        {u"a", u"_", true},
        {u"", u"_", false},
        {u"ab", u"_", false},
        {u"", u"", true},
        {u"a", u"", false},
        {u"", u"%%", true},
        {u"x", u"%%", true},
        {u"a", u"a%%", true},
        {u"ab", u"a%%", true},
        {u"A", u"a", false},
        {u"abc", u"a_c", true},
        {u"abd", u"%b_", true},
        {u"ac", u"a_c", false},
        {u"a中", u"a_", true},
        {u"中文", u"_文", true},
        {u"a\U0001D11E", u"a_", true},
        {u"mississippi", u"%ss%ss%", true},
        {u"mississippi", u"%ss%ss%ss%", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.Value) + " LIKE " + test_support::Utf8(c.Pattern));
        EXPECT_EQ(LikeMatches(c.Value, c.Pattern, u'%', u'_'), c.Matches);
    }
    EXPECT_TRUE(LikeMatches(u"a_c", u"a*c", u'*', u'?'));
    EXPECT_FALSE(LikeMatches(u"a%c", u"a_", u'*', u'?'));
}

// Trying every length of every wildcard takes time exponential in the wildcards; this pattern would not finish.
TEST(uiFilterLike, ManyWildcardsAgainstALongValueFail) {
    const rtl::UnicodeString value(5000, u'a');
    EXPECT_FALSE(LikeMatches(value, u"%a%a%a%a%a%a%b", u'%', u'_'));
    EXPECT_TRUE(LikeMatches(value + u"b", u"%a%a%a%a%a%a%b", u'%', u'_'));
}

TEST(uiFilterLike, StrippingWildcardsTellsThePatternsShape) {
    struct TCase {
        const char16_t* Pattern;
        TuiLikePatternShape Shape;
        const char16_t* Stripped;
    };
    const TCase cases[] = {
        {u"%abc%", lpsContains, u"abc"}, {u"%%abc", lpsEndsWith, u"abc"}, {u"abc%%%", lpsBeginsWith, u"abc"},
        {u"%", lpsLike, u"%"},           {u"%%", lpsLike, u"%"},          {u"a%c", lpsLike, u"a%c"},
        {u"a", lpsLike, u"a"},           {u"%%%%", lpsLike, u"%"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.Pattern));
        rtl::UnicodeString text = c.Pattern;
        EXPECT_EQ(StripLikeWildcards(text, u'%'), c.Shape);
        EXPECT_EQ(test_support::Utf8(text), test_support::Utf8(c.Stripped));
    }
}

} // namespace
} // namespace ui
