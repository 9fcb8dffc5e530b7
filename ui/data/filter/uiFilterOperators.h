#pragma once
// Filter operators: the test a condition puts a record's value to, and how the condition reads, as an expression
// (Price >= 10) and for a user (Price is greater than or equal to 10). A condition (TuiFilterCriteriaItem) owns one
// operator of the class its kind and value call for and makes it anew whenever either changes; the operator reads the
// condition's value, display text and field name, and the criteria's wildcards, options and value texts, through it.
//
// Kinds 12 to 33 are date ranges of today: TuiFilterDateOperator computes the range of its kind when it is made and
// whenever the criteria asks it to for another day, so a range never outlives the day it was made for.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "rtl/variants/Variant.h"
#include "ui/data/filter/uiFilterTypes.h"

#include <optional>
#include <vector>

namespace ui {

class TuiFilterCriteria;
class TuiFilterCriteriaItem;

class TuiFilterOperator : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiFilterOperator, rtl::TObject)
public:
    using TConstructorArgument = TuiFilterCriteriaItem*;

    explicit TuiFilterOperator(TuiFilterCriteriaItem* condition);

    TuiFilterCriteriaItem& Condition() const { return FCondition; }
    TuiFilterCriteria& Criteria() const;

    // The whole expression, for operators that build their own (BuildsOwnExpression).
    virtual rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const;
    // The value part of an expression: a quoted text, a quoted date, "NULL"...
    virtual rtl::UnicodeString ValueToExpressionText(const rtl::Variant& value) const;
    // Adjusts the user's display text of the value before it is shown.
    virtual void AdjustDisplayValue(rtl::UnicodeString& text) const;
    // Computes the date range for today; nothing but for date ranges.
    virtual void PrepareDateRange(rtl::TDateTime today);
    // A value text of the operator's own (Between's "5 AND 10"): false to leave the value to the common rules.
    virtual bool PrepareValueText(const rtl::Variant& value, rtl::UnicodeString& text) const;
    // Whether the prepared record value passes against the prepared condition value.
    virtual bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const = 0;
    // Whether the condition's value has the shape the test needs (Between's pair, InList's array); a condition whose
    // value has not fails, whatever its polarity.
    virtual bool AcceptsValue(const rtl::Variant& value) const;
    virtual rtl::UnicodeString GetCaption() const;
    virtual rtl::UnicodeString GetSign() const = 0;
    // Whether captions name the operator even without fcoShowOperatorDescription.
    virtual bool HasDescription() const;
    virtual bool BuildsOwnExpression() const;
    virtual bool IsNullTest() const;

protected:
    // The condition's field-name text split at ';' into trimmed parts (the fields of a key).
    std::vector<rtl::UnicodeString> FieldNameParts() const;

private:
    TuiFilterCriteriaItem& FCondition;
};

class TuiFilterEqualOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterEqualOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    // An array value (a key of several fields) reads "(F1 = E0) AND (F2 = E1)"...
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    // An array needs a field for each element.
    bool AcceptsValue(const rtl::Variant& value) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
    bool BuildsOwnExpression() const override;
};

class TuiFilterNotEqualOperator : public TuiFilterEqualOperator {
    RTL_DECLARE_CLASS(TuiFilterNotEqualOperator, TuiFilterEqualOperator)
public:
    using TuiFilterEqualOperator::TuiFilterEqualOperator;
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

class TuiFilterLessOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterLessOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

class TuiFilterLessEqualOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterLessEqualOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

class TuiFilterGreaterOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterGreaterOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

class TuiFilterGreaterEqualOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterGreaterEqualOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

// The value is a pattern with the criteria's wildcards. The caption tells the pattern's shape: "begins with",
// "ends with", "contains" or "like".
class TuiFilterLikeOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterLikeOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    // With fcoShowOperatorDescription the wildcards at the ends go: "abc%" shows as abc beside "begins with".
    void AdjustDisplayValue(rtl::UnicodeString& text) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;

protected:
    bool LikeTest(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const;
};

class TuiFilterNotLikeOperator : public TuiFilterLikeOperator {
    RTL_DECLARE_CLASS(TuiFilterNotLikeOperator, TuiFilterLikeOperator)
public:
    using TuiFilterLikeOperator::TuiFilterLikeOperator;
    // With the criteria's ExpandNotLike: " NOT (F LIKE 'pattern')".
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
    bool BuildsOwnExpression() const override;
};

// The value is the pair [low, high]; both bounds pass.
class TuiFilterBetweenOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterBetweenOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    // With the criteria's ExpandBetween: "(F >= low) AND (F <= high)".
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    // The display text low;high shows as "low and high".
    void AdjustDisplayValue(rtl::UnicodeString& text) const override;
    // "low AND high".
    bool PrepareValueText(const rtl::Variant& value, rtl::UnicodeString& text) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    bool AcceptsValue(const rtl::Variant& value) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
    bool HasDescription() const override;
    bool BuildsOwnExpression() const override;
};

class TuiFilterNotBetweenOperator : public TuiFilterBetweenOperator {
    RTL_DECLARE_CLASS(TuiFilterNotBetweenOperator, TuiFilterBetweenOperator)
public:
    using TuiFilterBetweenOperator::TuiFilterBetweenOperator;
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

// The value is an array; a record passes when it equals an element.
class TuiFilterInListOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterInListOperator, TuiFilterOperator)
public:
    using TuiFilterOperator::TuiFilterOperator;
    // With the criteria's ExpandIn: "(F = E0) OR (F = E1)"...
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    // The display text a;b shows as "(a, b)".
    void AdjustDisplayValue(rtl::UnicodeString& text) const override;
    // "(E0, E1)".
    bool PrepareValueText(const rtl::Variant& value, rtl::UnicodeString& text) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    bool AcceptsValue(const rtl::Variant& value) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
    bool HasDescription() const override;
    bool BuildsOwnExpression() const override;
};

class TuiFilterNotInListOperator : public TuiFilterInListOperator {
    RTL_DECLARE_CLASS(TuiFilterNotInListOperator, TuiFilterInListOperator)
public:
    using TuiFilterInListOperator::TuiFilterInListOperator;
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

// "is blank": an equal (or like) condition whose value counts as null; passes what the criteria's null test passes.
class TuiFilterNullOperator : public TuiFilterEqualOperator {
    RTL_DECLARE_CLASS(TuiFilterNullOperator, TuiFilterEqualOperator)
public:
    using TuiFilterEqualOperator::TuiFilterEqualOperator;
    // With fcoShowOperatorDescription the text goes: the caption says it all.
    void AdjustDisplayValue(rtl::UnicodeString& text) const override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    bool IsNullTest() const override;
};

class TuiFilterNotNullOperator : public TuiFilterNullOperator {
    RTL_DECLARE_CLASS(TuiFilterNotNullOperator, TuiFilterNullOperator)
public:
    using TuiFilterNullOperator::TuiFilterNullOperator;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
};

// The date ranges of kinds fokYesterday to fokInFuture, each half open, [start, end), either bound possibly absent.
// A record passes when its value is no null and, read as a date, lies in the range.
class TuiFilterDateOperator : public TuiFilterOperator {
    RTL_DECLARE_CLASS(TuiFilterDateOperator, TuiFilterOperator)
public:
    // Computes the range of the condition's kind for the clock's today.
    explicit TuiFilterDateOperator(TuiFilterCriteriaItem* condition);

    // "(F >= 'start') AND (F < 'end')", the absent bounds left out.
    rtl::UnicodeString BuildExpressionText(const rtl::Variant& value) const override;
    // Always cleared: the caption says it all.
    void AdjustDisplayValue(rtl::UnicodeString& text) const override;
    // Computes the range anew unless it is today's already.
    void PrepareDateRange(rtl::TDateTime today) override;
    bool Matches(const rtl::Variant& recordValue, const rtl::Variant& conditionValue) const override;
    rtl::UnicodeString GetCaption() const override;
    rtl::UnicodeString GetSign() const override;
    bool BuildsOwnExpression() const override;

    const std::optional<rtl::TDateTime>& RangeStart() const { return FRangeStart; }
    const std::optional<rtl::TDateTime>& RangeEnd() const { return FRangeEnd; }
    // The day the range was computed for.
    rtl::TDateTime RangeDay() const { return FRangeDay; }

private:
    TuiFilterOperatorKind FKind;
    std::optional<rtl::TDateTime> FRangeStart;
    std::optional<rtl::TDateTime> FRangeEnd;
    rtl::TDateTime FRangeDay = 0;
};

// Raises EuxException for a kind out of range.
void CheckFilterOperatorKind(TuiFilterOperatorKind kind);

// The class of operator for a kind and a value: kinds fokEqual and fokLike with a null value test for blanks, kinds
// fokNotEqual and fokNotLike for non-blanks. A kind outside the range raises EuxException.
const rtl::TMetaclass& FilterOperatorClass(TuiFilterOperatorKind kind, bool valueIsNull);

// The caption of a kind as a user sees it ("equals", "is today").
rtl::UnicodeString FilterOperatorKindCaption(TuiFilterOperatorKind kind);

} // namespace ui
