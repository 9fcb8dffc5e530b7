#pragma once
// The operators as the filter control and the custom filter dialog number them: 0 none, 1 "equals" to 8 "not like"
// (the first eight operator kinds), 9 "is blank" and 10 "is not blank" (equal and not equal to Null), then 11
// "between" to 36 "is future" (the remaining kinds in kind order). The numbers order the dialogs' operator lists.

#include "rtl/text/StringTypes.h"
#include "ui/data/filter/uiFilterTypes.h"

#include <cstdint>

namespace ui {

enum TuiFilterControlOperator : uint8_t {
    fcopNone = 0,
    fcopEqual = 1,
    fcopNotEqual = 2,
    fcopLess = 3,
    fcopLessEqual = 4,
    fcopGreater = 5,
    fcopGreaterEqual = 6,
    fcopLike = 7,
    fcopNotLike = 8,
    fcopBlanks = 9,
    fcopNonBlanks = 10,
    fcopBetween = 11,
    fcopNotBetween = 12,
    fcopInList = 13,
    fcopNotInList = 14,
    fcopFuture = 36
};
inline constexpr int32_t uiFilterControlOperatorCount = fcopFuture + 1;

// The caption of an operator number ("equals", "is blank"); empty for 0 and for a number out of range.
rtl::UnicodeString GetFilterOperatorCaption(int32_t number);
// The criteria's operator kind of a number; equal for 0, for the blank test and out of range, not equal for the
// non-blank test.
TuiFilterOperatorKind FilterControlOperatorToKind(int32_t number);
// The number of a kind; a Null value makes equal the blank test and not equal the non-blank test.
int32_t KindToFilterControlOperator(TuiFilterOperatorKind kind, bool valueIsNull);
// "AND", "OR", "NOT AND" or "NOT OR", as the filter control shows a group's bool operator.
rtl::UnicodeString FilterBoolOperatorCaption(TuiFilterBoolOperatorKind kind);

} // namespace ui
