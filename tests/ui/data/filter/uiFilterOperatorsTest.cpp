#include "ui/data/filter/uiFilterOperators.h"

#include "FilterTestSupport.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/dates/DateTestSupport.h"
#include "ui/data/dates/uiDateClock.h"

#include <gtest/gtest.h>
#include <optional>

namespace ui {
namespace {

using test::Ansi;
using test::TTestFilterCriteria;
using test_support::Utf8;

rtl::Variant DateValue(int32_t year, int32_t month, int32_t day, int32_t hour = 0) {
    return rtl::Variant::FromDateTime(rtl::EncodeDate(year, month, day) + rtl::EncodeTime(hour, 0, 0, 0));
}

std::string ConditionExpression(const TuiFilterCriteriaItem& condition) {
    const TuiFilterOperator& op = condition.Operator();
    return Utf8(op.BuildsOwnExpression()
                    ? op.BuildExpressionText(condition.Value())
                    : condition.FieldNameText() + u" " + op.GetSign() + u" " + condition.GetValueText(false));
}

TEST(uiFilterOperators, LikeCaptionsFollowThePatternsShape) {
    TTestFilterCriteria criteria;
    struct TCase {
        const char* Pattern;
        TuiFilterOperatorKind Kind;
        const char* Caption;
    };
    const TCase cases[] = {
        {"%abc%", fokLike, "contains"},
        {"%%abc", fokLike, "ends with"},
        {"abc%", fokLike, "begins with"},
        {"%", fokLike, "like"},
        {"a_c", fokLike, "like"},
        {"%abc%", fokNotLike, "does not contain"},
        {"abc%", fokNotLike, "does not begin with"},
        {"%abc", fokNotLike, "does not end with"},
        {"a%c", fokNotLike, "not like"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Pattern);
        TuiFilterCriteriaItem& condition = criteria.AddItem(nullptr, criteria.NameItem(), c.Kind, Ansi(c.Pattern), u"");
        EXPECT_EQ(Utf8(condition.Operator().GetCaption()), c.Caption);
    }
    criteria.SetOptions({fcoShowOperatorDescription});
    criteria.ClearConditions();
    criteria.AddItem(nullptr, criteria.NameItem(), fokLike, Ansi("abc%"), u"abc%");
    EXPECT_EQ(Utf8(criteria.GetFilterCaption()), "(Customer begins with abc)");
}

TEST(uiFilterOperators, ANotLikeExpandedReadsAsANegatedLike) {
    TTestFilterCriteria criteria;
    criteria.AddItem(nullptr, criteria.NameItem(), fokNotLike, Ansi("a%"), u"a%");
    EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "(Name NOT LIKE 'a%')");
    criteria.SetExpandNotLike(true);
    EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "( NOT (Name LIKE 'a%'))");
}

// In the ANSI code page 936 the second byte of 乢 is 0x5F, the underscore: read as bytes the pattern would take any
// double-byte character that begins like it, such as 亐.
TEST(uiFilterOperators, LikeReadsAnsiValuesAsCharacters) {
    TTestFilterCriteria criteria;
    const auto ansi = [](rtl::UnicodeStringView text) {
        return rtl::Variant::FromAnsiString(rtl::UnicodeToAnsi(text));
    };
    criteria.AddRecord({ansi(u"亐")});
    criteria.AddRecord({ansi(u"乢")});
    criteria.AddRecord({ansi(u"a中")});
    criteria.AddItem(nullptr, criteria.NameItem(), fokLike, ansi(u"乢"), u"乢");
    EXPECT_EQ(criteria.Passing(), std::vector<int32_t>{1});
    criteria.ClearConditions();
    criteria.AddItem(nullptr, criteria.NameItem(), fokLike, Ansi("a_"), u"a_");
    EXPECT_EQ(criteria.Passing(), std::vector<int32_t>{2});
}

TEST(uiFilterOperators, RangesAndListsReadAsExpressionsAndCaptions) {
    TTestFilterCriteria criteria;
    criteria.SetOptions({fcoShowOperatorDescription});
    TuiFilterCriteriaItem& between =
        criteria.AddItem(nullptr, criteria.PriceItem(), fokBetween, rtl::Variant::ArrayOf({5, 10}), u"5; 10");
    TuiFilterCriteriaItem& notBetween =
        criteria.AddItem(nullptr, criteria.PriceItem(), fokNotBetween, rtl::Variant::ArrayOf({5, 10}), u"5;10");
    TuiFilterCriteriaItem& in = criteria.AddItem(nullptr, criteria.NameItem(), fokInList,
                                                 rtl::Variant::ArrayOf({Ansi("a"), Ansi("b'c")}), u"a ;b'c");
    TuiFilterCriteriaItem& blank = criteria.AddItem(nullptr, criteria.NameItem(), fokEqual, rtl::Variant::Null(), u"");
    TuiFilterCriteriaItem& nonBlank =
        criteria.AddItem(nullptr, criteria.NameItem(), fokNotLike, rtl::Variant::Null(), u"");
    EXPECT_EQ(ConditionExpression(between), "Price BETWEEN 5 AND 10");
    EXPECT_EQ(ConditionExpression(notBetween), "Price NOT BETWEEN 5 AND 10");
    EXPECT_EQ(ConditionExpression(in), "Name IN ('a', 'b''c')");
    EXPECT_EQ(ConditionExpression(blank), "Name = NULL");
    EXPECT_EQ(ConditionExpression(nonBlank), "Name <> NULL");
    EXPECT_EQ(Utf8(blank.DisplayValue()), "blank");
    EXPECT_EQ(Utf8(criteria.GetFilterCaption()),
              "(Unit price between 5 and 10) and (Unit price not between 5 and 10) and (Customer in (a, b'c)) and "
              "(Customer is blank) and (Customer is not blank)");

    criteria.SetExpandBetween(true);
    criteria.SetExpandIn(true);
    EXPECT_EQ(ConditionExpression(between), "(Price >= 5) AND (Price <= 10)");
    EXPECT_EQ(ConditionExpression(notBetween), "NOT ((Price >= 5) AND (Price <= 10))");
    EXPECT_EQ(ConditionExpression(in), "(Name = 'a') OR (Name = 'b''c')");

    criteria.SetOptions({});
    EXPECT_EQ(Utf8(blank.GetValueText(true)), "blank");
    EXPECT_EQ(Utf8(between.GetValueText(true)), "5 and 10");
}

TEST(uiFilterOperators, ComparisonsOrderBoundsAndListsPass) {
    TTestFilterCriteria criteria;
    for (const int32_t price : {4, 5, 7, 10, 11}) {
        criteria.AddRecord({Ansi("x"), price});
    }
    criteria.AddRecord({Ansi("x"), rtl::Variant::Null()});
    using Records = std::vector<int32_t>;
    struct TCase {
        TuiFilterOperatorKind Kind;
        rtl::Variant Value;
        Records Passing;
    };
    const TCase cases[] = {
        {fokEqual, 7, {2}},
        {fokNotEqual, 7, {0, 1, 3, 4, 5}},
        {fokLess, 7, {0, 1, 5}},
        {fokLessEqual, 7, {0, 1, 2, 5}},
        {fokGreater, 7, {3, 4}},
        {fokGreaterEqual, 7, {2, 3, 4}},
        {fokBetween, rtl::Variant::ArrayOf({5, 10}), {1, 2, 3}},
        {fokNotBetween, rtl::Variant::ArrayOf({5, 10}), {0, 4, 5}},
        {fokInList, rtl::Variant::ArrayOf({4, 11}), {0, 4}},
        {fokNotInList, rtl::Variant::ArrayOf({4, 11}), {1, 2, 3, 5}},
        {fokEqual, rtl::Variant::Null(), {5}},
        {fokNotEqual, rtl::Variant::Null(), {0, 1, 2, 3, 4}},
        // Values of the wrong shape, as a hand-made stream may hold them, fail whatever the polarity.
        {fokBetween, 5, {}},
        {fokNotBetween, rtl::Variant::ArrayOf({5}), {}},
        {fokInList, 4, {}},
        {fokNotInList, 4, {}},
        {fokEqual, rtl::Variant::ArrayOf({7, 7}), {}},
        {fokNotEqual, rtl::Variant::ArrayOf({7, 7}), {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        criteria.ClearConditions();
        criteria.AddItem(nullptr, criteria.PriceItem(), c.Kind, c.Value, u"");
        EXPECT_EQ(criteria.Passing(), c.Passing);
    }
    // Their texts show what there is.
    criteria.ClearConditions();
    criteria.SetExpandBetween(true);
    EXPECT_EQ(ConditionExpression(criteria.AddItem(nullptr, criteria.PriceItem(), fokBetween, 5, u"")), "(Price >= 5)");
    EXPECT_EQ(ConditionExpression(criteria.AddItem(nullptr, criteria.NameItem(), fokInList, Ansi("a"), u"")),
              "Name IN 'a'");
    EXPECT_EQ(ConditionExpression(
                  criteria.AddItem(nullptr, criteria.NameItem(), fokEqual, rtl::Variant::ArrayOf({1, 2}), u"")),
              "(Name = 1)");
}

struct TDateRangeCase {
    TuiFilterOperatorKind Kind;
    std::optional<rtl::TDateTime> Start;
    std::optional<rtl::TDateTime> End;
};

rtl::TDateTime June(int32_t day) {
    return rtl::EncodeDate(2026, 6, day);
}

// Today is Wednesday 10 June 2026; weeks begin on Monday, so this week began on 8 June.
TEST(uiFilterOperators, DateRangesAreThoseOfToday) {
    ui_test::TTestLocale locale;
    ui_test::TScopedClock clock(ui_test::TestNow());
    TTestFilterCriteria criteria;
    const TDateRangeCase cases[] = {
        {fokYesterday, June(9), June(10)},
        {fokToday, June(10), June(11)},
        {fokTomorrow, June(11), June(12)},
        {fokLast7Days, June(4), June(11)},
        {fokLastWeek, June(1), June(8)},
        {fokLast14Days, rtl::EncodeDate(2026, 5, 28), June(11)},
        {fokLastTwoWeeks, rtl::EncodeDate(2026, 5, 25), June(8)},
        {fokLast30Days, rtl::EncodeDate(2026, 5, 12), June(11)},
        {fokLastMonth, rtl::EncodeDate(2026, 5, 1), June(1)},
        {fokLastYear, rtl::EncodeDate(2025, 1, 1), rtl::EncodeDate(2026, 1, 1)},
        {fokInPast, std::nullopt, June(10)},
        {fokThisWeek, June(8), June(15)},
        {fokThisMonth, June(1), rtl::EncodeDate(2026, 7, 1)},
        {fokThisYear, rtl::EncodeDate(2026, 1, 1), rtl::EncodeDate(2027, 1, 1)},
        {fokNext7Days, June(10), June(17)},
        {fokNextWeek, June(15), June(22)},
        {fokNext14Days, June(10), June(24)},
        {fokNextTwoWeeks, June(15), June(29)},
        {fokNext30Days, June(10), rtl::EncodeDate(2026, 7, 10)},
        {fokNextMonth, rtl::EncodeDate(2026, 7, 1), rtl::EncodeDate(2026, 8, 1)},
        {fokNextYear, rtl::EncodeDate(2027, 1, 1), rtl::EncodeDate(2028, 1, 1)},
        {fokInFuture, June(11), std::nullopt},
    };
    for (const TDateRangeCase& c : cases) {
        SCOPED_TRACE(Utf8(FilterOperatorKindCaption(c.Kind)));
        const auto& op = dynamic_cast<const TuiFilterDateOperator&>(
            criteria.AddItem(nullptr, criteria.NameItem(), c.Kind, rtl::Variant::Null(), u"").Operator());
        EXPECT_EQ(op.RangeStart(), c.Start);
        EXPECT_EQ(op.RangeEnd(), c.End);
    }
}

TEST(uiFilterOperators, MonthsRollOverTheYear) {
    ui_test::TTestLocale locale;
    TTestFilterCriteria criteria;
    const auto rangeOn = [&](rtl::TDateTime today, TuiFilterOperatorKind kind) {
        ui_test::TScopedClock clock(today);
        const auto& op = dynamic_cast<const TuiFilterDateOperator&>(
            criteria.AddItem(nullptr, criteria.NameItem(), kind, rtl::Variant::Null(), u"").Operator());
        return std::pair{*op.RangeStart(), *op.RangeEnd()};
    };
    EXPECT_EQ(rangeOn(rtl::EncodeDate(2026, 11, 15), fokNextMonth),
              std::pair(rtl::EncodeDate(2026, 12, 1), rtl::EncodeDate(2027, 1, 1)));
    EXPECT_EQ(rangeOn(rtl::EncodeDate(2026, 12, 5), fokNextMonth),
              std::pair(rtl::EncodeDate(2027, 1, 1), rtl::EncodeDate(2027, 2, 1)));
    EXPECT_EQ(rangeOn(rtl::EncodeDate(2027, 1, 20), fokLastMonth),
              std::pair(rtl::EncodeDate(2026, 12, 1), rtl::EncodeDate(2027, 1, 1)));
    EXPECT_EQ(rangeOn(rtl::EncodeDate(2026, 12, 31), fokThisMonth),
              std::pair(rtl::EncodeDate(2026, 12, 1), rtl::EncodeDate(2027, 1, 1)));
}

TEST(uiFilterOperators, DateRangesPassTheirDaysAndNeverNull) {
    ui_test::TTestLocale locale;
    ui_test::TScopedClock clock(ui_test::TestNow());
    TTestFilterCriteria criteria;
    for (const rtl::Variant& date : {DateValue(2026, 6, 9, 23), DateValue(2026, 6, 10), DateValue(2026, 6, 10, 23),
                                     DateValue(2026, 6, 11), rtl::Variant::Null(), rtl::Variant(46184.0)}) {
        criteria.AddRecord({date});
    }
    using Records = std::vector<int32_t>;
    struct TCase {
        TuiFilterOperatorKind Kind;
        Records Passing;
    };
    const TCase cases[] = {
        {fokInPast, {0}},          {fokToday, {1, 2}}, {fokInFuture, {3, 5}}, {fokNext7Days, {1, 2, 3, 5}},
        {fokLast7Days, {0, 1, 2}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf8(FilterOperatorKindCaption(c.Kind)));
        criteria.ClearConditions();
        criteria.AddItem(nullptr, criteria.NameItem(), c.Kind, rtl::Variant::Null(), u"");
        EXPECT_EQ(criteria.Passing(), c.Passing);
    }
}

TEST(uiFilterOperators, ADateRangeReadsAsComparisonsAndItsCaption) {
    ui_test::TTestLocale locale;
    ui_test::TScopedClock clock(ui_test::TestNow());
    TTestFilterCriteria criteria;
    criteria.SetDateTextFormat(u"yyyy-mm-dd");
    criteria.AddItem(nullptr, criteria.NameItem(), fokToday, rtl::Variant::Null(), u"whatever");
    EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "((Name >= '2026-06-10') AND (Name < '2026-06-11'))");
    EXPECT_EQ(Utf8(criteria.GetFilterCaption()), "(Customer is today)");
    criteria.ClearConditions();
    criteria.AddItem(nullptr, criteria.NameItem(), fokInPast, rtl::Variant::Null(), u"");
    EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "((Name < '2026-06-10'))");
}

// A range belongs to the day it was computed for: a filtering pass on a later day computes it anew.
TEST(uiFilterOperators, DateRangesFollowTheClockPastMidnight) {
    ui_test::TTestLocale locale;
    rtl::TDateTime now = rtl::EncodeDate(2026, 6, 10) + rtl::EncodeTime(23, 59, 0, 0);
    const TuiDateClock previous = SetClock([&now] { return now; });
    TTestFilterCriteria criteria;
    criteria.AddRecord({DateValue(2026, 6, 10, 12)});
    criteria.AddRecord({DateValue(2026, 6, 11, 12)});
    criteria.AddItem(nullptr, criteria.NameItem(), fokToday, rtl::Variant::Null(), u"");
    EXPECT_EQ(criteria.Passing(), std::vector<int32_t>{0});
    now = rtl::EncodeDate(2026, 6, 11) + rtl::EncodeTime(0, 1, 0, 0);
    criteria.RefreshDateRanges();
    EXPECT_EQ(criteria.Passing(), std::vector<int32_t>{1});
    SetClock(previous);
}

} // namespace
} // namespace ui
