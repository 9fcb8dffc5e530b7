#pragma once
// The vocabulary of the filter: operator kinds (the numbers the filter stream stores, so their order is fixed), the
// bool operators that join a group, the criteria's options, and the kinds of the entries of a value list.

#include "rtl/core/SmallSet.h"

#include <cstdint>

namespace ui {

enum TuiFilterOperatorKind : uint8_t {
    fokEqual,
    fokNotEqual,
    fokLess,
    fokLessEqual,
    fokGreater,
    fokGreaterEqual,
    fokLike,
    fokNotLike,
    fokBetween,
    fokNotBetween,
    fokInList,
    fokNotInList,
    fokYesterday,
    fokToday,
    fokTomorrow,
    fokLast7Days,
    fokLastWeek,
    fokLast14Days,
    fokLastTwoWeeks,
    fokLast30Days,
    fokLastMonth,
    fokLastYear,
    fokInPast,
    fokThisWeek,
    fokThisMonth,
    fokThisYear,
    fokNext7Days,
    fokNextWeek,
    fokNext14Days,
    fokNextTwoWeeks,
    fokNext30Days,
    fokNextMonth,
    fokNextYear,
    fokInFuture
};
inline constexpr uint8_t uiFilterOperatorKindCount = fokInFuture + 1;

// How a group joins its entries: NOT AND passes when not all pass, NOT OR when none does.
enum TuiFilterBoolOperatorKind : uint8_t { fboAnd, fboOr, fboNotAnd, fboNotOr };
inline constexpr uint8_t uiFilterBoolOperatorKindCount = fboNotOr + 1;

enum TuiFilterCriteriaOption : uint8_t {
    fcoCaseInsensitive,         // strings compare upper-cased
    fcoShowOperatorDescription, // captions say "equals" rather than "="
    fcoSoftNull,                // an empty string counts as null
    fcoSoftCompare,             // a Variant error fails the condition instead of propagating
    fcoIgnoreNull               // a null record value fails every condition that is no null test
};
using TuiFilterCriteriaOptions = rtl::TSmallSet<TuiFilterCriteriaOption>;

// The entries of a value list: the special entries first, then the values.
enum TuiFilterValueItemKind : uint8_t {
    fviAll = 0,
    fviCustom = 1,
    fviBlanks = 2,
    fviNonBlanks = 3,
    fviUser = 4, // an entry a handler adds, applied by the handler's own filtering
    fviValue = 5,
    fviRecent = 6,    // a recently used filter
    fviSeparator = 7, // below the recent entries, or below a block of date entries
    fviDate = 8       // a relative date period (its operator kind) or a date range (a two-element array)
};

} // namespace ui
