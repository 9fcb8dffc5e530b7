#pragma once
// The default formats of summary texts, by the category of the value, the kind of summary and where it shows:
// "SUM=0.00;SUM=-0.00" for a group sum of numbers, "%s;-%s" with the currency display format put in for a footer sum
// of currency amounts, a bare prefix such as "MIN=" for dates, which show as date texts after it.

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringTypes.h"
#include "ui/data/controller/summary/uiDataSummaryItems.h"

#include <cstdint>

namespace ui {

// The category of a summarised value.
enum TuiSummaryValueCategory : int32_t { svcNumber = 0, svcCurrency = 1, svcDate = 2 };

// The format for a value of category (svcCurrency, svcDate; any other value counts as a number); the currency
// display format comes from settings. Empty for skNone.
rtl::UnicodeString GetDefaultSummaryFormat(int32_t category, TuiSummaryKind kind, TuiSummaryPosition position,
                                           const rtl::TFormatSettings& settings = rtl::FormatSettings());

} // namespace ui
