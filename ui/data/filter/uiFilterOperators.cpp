#include "ui/data/filter/uiFilterOperators.h"

#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/objects/uxException.h"
#include "ui/data/common/uiDataUtils.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/filter/uiFilterLike.h"
#include "ui/data/locale/uiLocale.h"
#include "ui/data/values/uiVariants.h"

#include <array>

namespace ui {

namespace {

// The captions of the kinds, in kind order.
const std::array<const TuxResourceString*, uiFilterOperatorKindCount> operatorKindCaptions = {
    &uiSFilterOperatorEqual,        &uiSFilterOperatorNotEqual,   &uiSFilterOperatorLess,
    &uiSFilterOperatorLessEqual,    &uiSFilterOperatorGreater,    &uiSFilterOperatorGreaterEqual,
    &uiSFilterOperatorLike,         &uiSFilterOperatorNotLike,    &uiSFilterOperatorBetween,
    &uiSFilterOperatorNotBetween,   &uiSFilterOperatorInList,     &uiSFilterOperatorNotInList,
    &uiSFilterOperatorYesterday,    &uiSFilterOperatorToday,      &uiSFilterOperatorTomorrow,
    &uiSFilterOperatorLast7Days,    &uiSFilterOperatorLastWeek,   &uiSFilterOperatorLast14Days,
    &uiSFilterOperatorLastTwoWeeks, &uiSFilterOperatorLast30Days, &uiSFilterOperatorLastMonth,
    &uiSFilterOperatorLastYear,     &uiSFilterOperatorPast,       &uiSFilterOperatorThisWeek,
    &uiSFilterOperatorThisMonth,    &uiSFilterOperatorThisYear,   &uiSFilterOperatorNext7Days,
    &uiSFilterOperatorNextWeek,     &uiSFilterOperatorNext14Days, &uiSFilterOperatorNextTwoWeeks,
    &uiSFilterOperatorNext30Days,   &uiSFilterOperatorNextMonth,  &uiSFilterOperatorNextYear,
    &uiSFilterOperatorFuture,
};

// The elements of an array; a scalar stands alone.
std::vector<rtl::Variant> ElementsOf(const rtl::Variant& value) {
    if (!value.IsArray()) {
        return {value};
    }
    std::vector<rtl::Variant> elements;
    for (int32_t index = value.ArrayLowBound(); index <= value.ArrayHighBound(); ++index) {
        elements.push_back(value.ArrayElement(index));
    }
    return elements;
}

rtl::UnicodeString QuotedText(rtl::UnicodeStringView text) {
    return u"'" + rtl::StringReplace(text, u"'", u"''", rtl::TReplaceFlag::rfReplaceAll) + u"'";
}

// Comparisons of field and element joined by a word: "(F >= 5) AND (F <= 10)"; the elements there are, at most as
// many as the comparisons.
rtl::UnicodeString JoinComparisons(const TuiFilterOperator& op, const std::vector<rtl::UnicodeString>& fields,
                                   const std::vector<rtl::UnicodeStringView>& signs,
                                   const std::vector<rtl::Variant>& elements, rtl::UnicodeStringView word) {
    rtl::UnicodeString text;
    const size_t count = std::min({fields.size(), signs.size(), elements.size()});
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += word;
        }
        text += u"(" + fields[i] + u" " + rtl::UnicodeString(signs[i]) + u" " + op.ValueToExpressionText(elements[i]) +
                u")";
    }
    return text;
}

// The display text's ';'-separated parts, trimmed.
std::vector<rtl::UnicodeString> TrimmedParts(rtl::UnicodeStringView text, size_t maxParts) {
    std::vector<rtl::UnicodeString> parts;
    size_t start = 0;
    while (true) {
        const size_t separator = parts.size() + 1 < maxParts ? text.find(u';', start) : rtl::UnicodeStringView::npos;
        parts.push_back(
            rtl::Trim(text.substr(start, separator == rtl::UnicodeStringView::npos ? text.npos : separator - start)));
        if (separator == rtl::UnicodeStringView::npos) {
            return parts;
        }
        start = separator + 1;
    }
}

rtl::UnicodeString Negated(const rtl::UnicodeString& expression) {
    return u"NOT (" + expression + u")";
}

// A value read as a date: dates and numbers as they are, texts through the runtime's date reading.
bool TryFilterValueAsDate(const rtl::Variant& value, rtl::TDateTime& date) {
    if (IsDateVariant(value) || IsNumericVariant(value)) {
        date = rtl::VarToDateTime(value);
        return true;
    }
    return rtl::VarIsStr(value) && rtl::TryStrToDateTime(rtl::VarToStr(value), date);
}

} // namespace

// TuiFilterOperator

TuiFilterOperator::TuiFilterOperator(TuiFilterCriteriaItem* condition) : FCondition(*condition) {}

TuiFilterCriteria& TuiFilterOperator::Criteria() const {
    return FCondition.OwnerCriteria();
}

rtl::UnicodeString TuiFilterOperator::BuildExpressionText(const rtl::Variant& value) const {
    return ValueToExpressionText(value);
}

rtl::UnicodeString TuiFilterOperator::ValueToExpressionText(const rtl::Variant& value) const {
    rtl::UnicodeString text;
    if (PrepareValueText(value, text)) {
        return text;
    }
    if (value.IsArray()) {
        // Only a value from a stream is an array where a scalar belongs: its elements show as a list.
        std::vector<rtl::UnicodeString> parts;
        for (const rtl::Variant& element : ElementsOf(value)) {
            parts.push_back(ValueToExpressionText(element));
        }
        return u"(" + rtl::JoinStrings(parts, u", ") + u")";
    }
    if (rtl::VarIsStr(value)) {
        return QuotedText(rtl::VarToStr(value));
    }
    if (IsDateVariant(value)) {
        return u"'" + Criteria().DateValueToText(value) + u"'";
    }
    if (value.VarType() == rtl::varBoolean) {
        return Criteria().ValueToText(value);
    }
    if (value.IsNull()) {
        return u"NULL";
    }
    return rtl::VarToStr(value);
}

void TuiFilterOperator::AdjustDisplayValue(rtl::UnicodeString&) const {}

void TuiFilterOperator::PrepareDateRange(rtl::TDateTime) {}

bool TuiFilterOperator::PrepareValueText(const rtl::Variant&, rtl::UnicodeString&) const {
    return false;
}

bool TuiFilterOperator::AcceptsValue(const rtl::Variant&) const {
    return true;
}

rtl::UnicodeString TuiFilterOperator::GetCaption() const {
    return GetSign();
}

bool TuiFilterOperator::HasDescription() const {
    return false;
}

bool TuiFilterOperator::BuildsOwnExpression() const {
    return false;
}

bool TuiFilterOperator::IsNullTest() const {
    return false;
}

std::vector<rtl::UnicodeString> TuiFilterOperator::FieldNameParts() const {
    std::vector<rtl::UnicodeString> parts;
    for (const rtl::UnicodeString& part : rtl::SplitString(FCondition.FieldNameText(), u';')) {
        parts.push_back(rtl::Trim(part));
    }
    return parts;
}

// Comparisons

rtl::UnicodeString TuiFilterEqualOperator::BuildExpressionText(const rtl::Variant& value) const {
    if (!value.IsArray()) {
        return TuiFilterOperator::BuildExpressionText(value);
    }
    const std::vector<rtl::Variant> elements = ElementsOf(value);
    return JoinComparisons(*this, FieldNameParts(), std::vector<rtl::UnicodeStringView>(elements.size(), u"="),
                           elements, u" AND ");
}

bool TuiFilterEqualOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return CompareVariants(recordValue, conditionValue) == 0;
}

bool TuiFilterEqualOperator::AcceptsValue(const rtl::Variant& value) const {
    return !value.IsArray() || static_cast<size_t>(value.ArrayCount()) <= FieldNameParts().size();
}

rtl::UnicodeString TuiFilterEqualOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorEqual);
}

rtl::UnicodeString TuiFilterEqualOperator::GetSign() const {
    return u"=";
}

bool TuiFilterEqualOperator::BuildsOwnExpression() const {
    return Condition().Value().IsArray();
}

rtl::UnicodeString TuiFilterNotEqualOperator::BuildExpressionText(const rtl::Variant& value) const {
    if (!value.IsArray()) {
        return TuiFilterOperator::BuildExpressionText(value);
    }
    return Negated(TuiFilterEqualOperator::BuildExpressionText(value));
}

bool TuiFilterNotEqualOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return !TuiFilterEqualOperator::Matches(recordValue, conditionValue);
}

rtl::UnicodeString TuiFilterNotEqualOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorNotEqual);
}

rtl::UnicodeString TuiFilterNotEqualOperator::GetSign() const {
    return u"<>";
}

bool TuiFilterLessOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return CompareVariants(recordValue, conditionValue) < 0;
}

rtl::UnicodeString TuiFilterLessOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorLess);
}

rtl::UnicodeString TuiFilterLessOperator::GetSign() const {
    return u"<";
}

bool TuiFilterLessEqualOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return CompareVariants(recordValue, conditionValue) <= 0;
}

rtl::UnicodeString TuiFilterLessEqualOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorLessEqual);
}

rtl::UnicodeString TuiFilterLessEqualOperator::GetSign() const {
    return u"<=";
}

bool TuiFilterGreaterOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return CompareVariants(recordValue, conditionValue) > 0;
}

rtl::UnicodeString TuiFilterGreaterOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorGreater);
}

rtl::UnicodeString TuiFilterGreaterOperator::GetSign() const {
    return u">";
}

bool TuiFilterGreaterEqualOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return CompareVariants(recordValue, conditionValue) >= 0;
}

rtl::UnicodeString TuiFilterGreaterEqualOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorGreaterEqual);
}

rtl::UnicodeString TuiFilterGreaterEqualOperator::GetSign() const {
    return u">=";
}

// LIKE

namespace {

// The shape of the condition's pattern.
TuiLikePatternShape LikeShapeOf(const TuiFilterOperator& op) {
    const rtl::Variant& value = op.Condition().Value();
    if (value.IsArray()) {
        return lpsLike;
    }
    rtl::UnicodeString pattern = rtl::VarToStr(value);
    return StripLikeWildcards(pattern, op.Criteria().PercentWildcard());
}

} // namespace

void TuiFilterLikeOperator::AdjustDisplayValue(rtl::UnicodeString& text) const {
    if (Criteria().Options().Contains(fcoShowOperatorDescription)) {
        StripLikeWildcards(text, Criteria().PercentWildcard());
    }
}

bool TuiFilterLikeOperator::LikeTest(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    const TuiFilterCriteria& criteria = Criteria();
    return LikeMatches(rtl::VarToStr(recordValue), rtl::VarToStr(conditionValue), criteria.PercentWildcard(),
                       criteria.UnderscoreWildcard());
}

bool TuiFilterLikeOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return LikeTest(recordValue, conditionValue);
}

rtl::UnicodeString TuiFilterLikeOperator::GetCaption() const {
    static const std::array<const TuxResourceString*, 4> captions = {
        &uiSFilterOperatorLike, &uiSFilterOperatorBeginsWith, &uiSFilterOperatorEndsWith, &uiSFilterOperatorContains};
    return GetFilterResourceString(*captions[LikeShapeOf(*this)]);
}

rtl::UnicodeString TuiFilterLikeOperator::GetSign() const {
    return u"LIKE";
}

rtl::UnicodeString TuiFilterNotLikeOperator::BuildExpressionText(const rtl::Variant& value) const {
    return u" NOT (" + Condition().FieldNameText() + u" LIKE " + ValueToExpressionText(value) + u")";
}

bool TuiFilterNotLikeOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return !LikeTest(recordValue, conditionValue);
}

rtl::UnicodeString TuiFilterNotLikeOperator::GetCaption() const {
    static const std::array<const TuxResourceString*, 4> captions = {
        &uiSFilterOperatorNotLike, &uiSFilterOperatorDoesNotBeginWith, &uiSFilterOperatorDoesNotEndWith,
        &uiSFilterOperatorDoesNotContain};
    return GetFilterResourceString(*captions[LikeShapeOf(*this)]);
}

rtl::UnicodeString TuiFilterNotLikeOperator::GetSign() const {
    return u"NOT LIKE";
}

bool TuiFilterNotLikeOperator::BuildsOwnExpression() const {
    return Criteria().ExpandNotLike();
}

// BETWEEN

rtl::UnicodeString TuiFilterBetweenOperator::BuildExpressionText(const rtl::Variant& value) const {
    const rtl::UnicodeString field = Condition().FieldNameText();
    return JoinComparisons(*this, {field, field}, {u">=", u"<="}, ElementsOf(value), u" AND ");
}

void TuiFilterBetweenOperator::AdjustDisplayValue(rtl::UnicodeString& text) const {
    if (text.find(u';') == rtl::UnicodeString::npos) {
        return;
    }
    const std::vector<rtl::UnicodeString> bounds = TrimmedParts(text, 2);
    text = bounds[0] + u" " + GetFilterResourceString(uiSFilterAndCaption) + u" " + bounds[1];
}

bool TuiFilterBetweenOperator::PrepareValueText(const rtl::Variant& value, rtl::UnicodeString& text) const {
    if (!value.IsArray()) {
        return false;
    }
    std::vector<rtl::Variant> bounds = ElementsOf(value);
    bounds.resize(std::min<size_t>(bounds.size(), 2));
    std::vector<rtl::UnicodeString> parts;
    for (const rtl::Variant& bound : bounds) {
        parts.push_back(ValueToExpressionText(bound));
    }
    text = rtl::JoinStrings(parts, u" AND ");
    return true;
}

bool TuiFilterBetweenOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    const int32_t low = conditionValue.ArrayLowBound();
    return CompareVariants(conditionValue.ArrayElement(low), recordValue) <= 0 &&
           CompareVariants(recordValue, conditionValue.ArrayElement(low + 1)) <= 0;
}

bool TuiFilterBetweenOperator::AcceptsValue(const rtl::Variant& value) const {
    return value.IsArray() && value.ArrayCount() == 2;
}

rtl::UnicodeString TuiFilterBetweenOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorBetween);
}

rtl::UnicodeString TuiFilterBetweenOperator::GetSign() const {
    return u"BETWEEN";
}

bool TuiFilterBetweenOperator::HasDescription() const {
    return true;
}

bool TuiFilterBetweenOperator::BuildsOwnExpression() const {
    return Criteria().ExpandBetween();
}

rtl::UnicodeString TuiFilterNotBetweenOperator::BuildExpressionText(const rtl::Variant& value) const {
    return Negated(TuiFilterBetweenOperator::BuildExpressionText(value));
}

bool TuiFilterNotBetweenOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return !TuiFilterBetweenOperator::Matches(recordValue, conditionValue);
}

rtl::UnicodeString TuiFilterNotBetweenOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorNotBetween);
}

rtl::UnicodeString TuiFilterNotBetweenOperator::GetSign() const {
    return u"NOT BETWEEN";
}

// IN

rtl::UnicodeString TuiFilterInListOperator::BuildExpressionText(const rtl::Variant& value) const {
    const std::vector<rtl::Variant> elements = ElementsOf(value);
    return JoinComparisons(*this, std::vector<rtl::UnicodeString>(elements.size(), Condition().FieldNameText()),
                           std::vector<rtl::UnicodeStringView>(elements.size(), u"="), elements, u" OR ");
}

void TuiFilterInListOperator::AdjustDisplayValue(rtl::UnicodeString& text) const {
    text = u"(" + rtl::JoinStrings(TrimmedParts(text, text.size() + 1), u", ") + u")";
}

bool TuiFilterInListOperator::PrepareValueText(const rtl::Variant& value, rtl::UnicodeString& text) const {
    if (!value.IsArray()) {
        return false;
    }
    std::vector<rtl::UnicodeString> parts;
    for (const rtl::Variant& element : ElementsOf(value)) {
        parts.push_back(ValueToExpressionText(element));
    }
    text = u"(" + rtl::JoinStrings(parts, u", ") + u")";
    return true;
}

bool TuiFilterInListOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    for (int32_t index = conditionValue.ArrayLowBound(); index <= conditionValue.ArrayHighBound(); ++index) {
        if (VariantsEqual(recordValue, conditionValue.ArrayElement(index))) {
            return true;
        }
    }
    return false;
}

bool TuiFilterInListOperator::AcceptsValue(const rtl::Variant& value) const {
    return value.IsArray();
}

rtl::UnicodeString TuiFilterInListOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorInList);
}

rtl::UnicodeString TuiFilterInListOperator::GetSign() const {
    return u"IN";
}

bool TuiFilterInListOperator::HasDescription() const {
    return true;
}

bool TuiFilterInListOperator::BuildsOwnExpression() const {
    return Criteria().ExpandIn();
}

rtl::UnicodeString TuiFilterNotInListOperator::BuildExpressionText(const rtl::Variant& value) const {
    return Negated(TuiFilterInListOperator::BuildExpressionText(value));
}

bool TuiFilterNotInListOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return !TuiFilterInListOperator::Matches(recordValue, conditionValue);
}

rtl::UnicodeString TuiFilterNotInListOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorNotInList);
}

rtl::UnicodeString TuiFilterNotInListOperator::GetSign() const {
    return u"NOT IN";
}

// Blanks

void TuiFilterNullOperator::AdjustDisplayValue(rtl::UnicodeString& text) const {
    if (Criteria().Options().Contains(fcoShowOperatorDescription)) {
        text.clear();
    }
}

bool TuiFilterNullOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant&) const {
    return Condition().IsNullValue(recordValue);
}

rtl::UnicodeString TuiFilterNullOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorIsNull);
}

bool TuiFilterNullOperator::IsNullTest() const {
    return true;
}

bool TuiFilterNotNullOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const {
    return !TuiFilterNullOperator::Matches(recordValue, conditionValue);
}

rtl::UnicodeString TuiFilterNotNullOperator::GetCaption() const {
    return GetFilterResourceString(uiSFilterOperatorIsNotNull);
}

rtl::UnicodeString TuiFilterNotNullOperator::GetSign() const {
    return u"<>";
}

// Date ranges

namespace {

struct TDateRange {
    std::optional<rtl::TDateTime> Start;
    std::optional<rtl::TDateTime> End;
};

// The 1st of the month months after that of the date.
rtl::TDateTime MonthStartAfter(const rtl::TDateParts& date, int32_t months) {
    const int32_t index = date.Year * 12 + (date.Month - 1) + months;
    return rtl::EncodeDate(index / 12, index % 12 + 1, 1);
}

rtl::TDateTime YearStartAfter(const rtl::TDateParts& date, int32_t years) {
    return rtl::EncodeDate(date.Year + years, 1, 1);
}

// The range of a kind on day D, in a week that began on W; N-day ranges hold today.
TDateRange DateRangeOf(TuiFilterOperatorKind kind, rtl::TDateTime day) {
    const rtl::TDateTime week = WeekStartDate(day, GetFirstDayOfWeek());
    const rtl::TDateParts date = rtl::DecodeDate(day);
    const auto lastDays = [day](int32_t count) { return TDateRange{day + 1 - count, day + 1}; };
    const auto nextDays = [day](int32_t count) { return TDateRange{day, day + count}; };
    switch (kind) {
    case fokYesterday:
        return {day - 1, day};
    case fokToday:
        return {day, day + 1};
    case fokTomorrow:
        return {day + 1, day + 2};
    case fokLast7Days:
        return lastDays(7);
    case fokLastWeek:
        return {week - 7, week};
    case fokLast14Days:
        return lastDays(14);
    case fokLastTwoWeeks:
        return {week - 14, week};
    case fokLast30Days:
        return lastDays(30);
    case fokLastMonth:
        return {MonthStartAfter(date, -1), MonthStartAfter(date, 0)};
    case fokLastYear:
        return {YearStartAfter(date, -1), YearStartAfter(date, 0)};
    case fokInPast:
        return {std::nullopt, day};
    case fokThisWeek:
        return {week, week + 7};
    case fokThisMonth:
        return {MonthStartAfter(date, 0), MonthStartAfter(date, 1)};
    case fokThisYear:
        return {YearStartAfter(date, 0), YearStartAfter(date, 1)};
    case fokNext7Days:
        return nextDays(7);
    case fokNextWeek:
        return {week + 7, week + 14};
    case fokNext14Days:
        return nextDays(14);
    case fokNextTwoWeeks:
        return {week + 7, week + 21};
    case fokNext30Days:
        return nextDays(30);
    case fokNextMonth:
        return {MonthStartAfter(date, 1), MonthStartAfter(date, 2)};
    case fokNextYear:
        return {YearStartAfter(date, 1), YearStartAfter(date, 2)};
    default:
        return {day + 1, std::nullopt};
    }
}

} // namespace

TuiFilterDateOperator::TuiFilterDateOperator(TuiFilterCriteriaItem* condition)
    : TuiFilterOperator(condition), FKind(condition->OperatorKind()) {
    const rtl::TDateTime today = DateTruncToDay(ClockToday());
    const TDateRange range = DateRangeOf(FKind, today);
    FRangeStart = range.Start;
    FRangeEnd = range.End;
    FRangeDay = today;
}

rtl::UnicodeString TuiFilterDateOperator::BuildExpressionText(const rtl::Variant&) const {
    const rtl::UnicodeString field = Condition().FieldNameText();
    rtl::UnicodeString text;
    if (FRangeStart) {
        text = u"(" + field + u" >= " + ValueToExpressionText(rtl::Variant::FromDateTime(*FRangeStart)) + u")";
    }
    if (FRangeEnd) {
        text += (text.empty() ? u"" : u" AND ") +
                (u"(" + field + u" < " + ValueToExpressionText(rtl::Variant::FromDateTime(*FRangeEnd)) + u")");
    }
    return text;
}

void TuiFilterDateOperator::AdjustDisplayValue(rtl::UnicodeString& text) const {
    text.clear();
}

void TuiFilterDateOperator::PrepareDateRange(rtl::TDateTime today) {
    today = DateTruncToDay(today);
    if (today == FRangeDay) {
        return;
    }
    const TDateRange range = DateRangeOf(FKind, today);
    FRangeStart = range.Start;
    FRangeEnd = range.End;
    FRangeDay = today;
}

bool TuiFilterDateOperator::Matches(const rtl::Variant& recordValue, const rtl::Variant&) const {
    rtl::TDateTime date = 0;
    if (Condition().IsNullValue(recordValue) || !TryFilterValueAsDate(recordValue, date)) {
        return false;
    }
    return (!FRangeStart || *FRangeStart <= date) && (!FRangeEnd || date < *FRangeEnd);
}

rtl::UnicodeString TuiFilterDateOperator::GetCaption() const {
    return FilterOperatorKindCaption(FKind);
}

rtl::UnicodeString TuiFilterDateOperator::GetSign() const {
    return GetCaption();
}

bool TuiFilterDateOperator::BuildsOwnExpression() const {
    return true;
}

void CheckFilterOperatorKind(TuiFilterOperatorKind kind) {
    if (kind >= uiFilterOperatorKindCount) {
        throw EuxException(u"Invalid filter operator kind");
    }
}

const rtl::TMetaclass& FilterOperatorClass(TuiFilterOperatorKind kind, bool valueIsNull) {
    switch (kind) {
    case fokEqual:
    case fokLike:
        if (valueIsNull) {
            return TuiFilterNullOperator::StaticClass();
        }
        return kind == fokEqual ? TuiFilterEqualOperator::StaticClass() : TuiFilterLikeOperator::StaticClass();
    case fokNotEqual:
    case fokNotLike:
        if (valueIsNull) {
            return TuiFilterNotNullOperator::StaticClass();
        }
        return kind == fokNotEqual ? TuiFilterNotEqualOperator::StaticClass() : TuiFilterNotLikeOperator::StaticClass();
    case fokLess:
        return TuiFilterLessOperator::StaticClass();
    case fokLessEqual:
        return TuiFilterLessEqualOperator::StaticClass();
    case fokGreater:
        return TuiFilterGreaterOperator::StaticClass();
    case fokGreaterEqual:
        return TuiFilterGreaterEqualOperator::StaticClass();
    case fokBetween:
        return TuiFilterBetweenOperator::StaticClass();
    case fokNotBetween:
        return TuiFilterNotBetweenOperator::StaticClass();
    case fokInList:
        return TuiFilterInListOperator::StaticClass();
    case fokNotInList:
        return TuiFilterNotInListOperator::StaticClass();
    default:
        CheckFilterOperatorKind(kind);
        return TuiFilterDateOperator::StaticClass();
    }
}

rtl::UnicodeString FilterOperatorKindCaption(TuiFilterOperatorKind kind) {
    if (kind >= uiFilterOperatorKindCount) {
        return {};
    }
    return GetFilterResourceString(*operatorKindCaptions[kind]);
}

} // namespace ui
