#pragma once
// Small services of the data side: the locale's currency display format, date parts and the start of a week, the
// prefix test of incremental search, and a collection whose Assign keeps its items.

#include "rtl/core/Collection.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <cstdint>

namespace ui {

// The number format of a currency amount: the settings' symbol (its ',' and '.' quoted) placed by their positive
// currency layout around ",0." and as many zeros as they have currency decimals: "$,0.00", ",0.00 kr".
rtl::UnicodeString GetCurrencyDisplayFormat(const rtl::TFormatSettings& settings = rtl::FormatSettings());
// The two pieces of it: the number (",0.00") and the symbol as format text, whose ',' and '.' would otherwise be read
// as separators ("Fr'.'").
rtl::UnicodeString CurrencyNumberFormat(const rtl::TFormatSettings& settings);
rtl::UnicodeString CurrencySymbolAsFormatText(rtl::UnicodeStringView symbol);

// The whole days of a date-time (truncated toward zero) and its fraction (negative for a negative value).
rtl::TDateTime DateTruncToDay(rtl::TDateTime value);
rtl::TDateTime TimeFraction(rtl::TDateTime value);

// The first day (time dropped) of the week that holds date, for weeks that begin on firstDayOfWeek (0 = Sunday .. 6).
rtl::TDateTime WeekStartDate(rtl::TDateTime date, int32_t firstDayOfWeek);

// Whether text matches prefix, both compared in upper case: with partial, text must begin with prefix; without
// partial (or for an empty prefix) the two must be equal. Texts are ANSI, in the process code page.
bool MatchesTextPrefix(std::string_view text, std::string_view prefix, bool partial);

// A collection whose Assign keeps its items: item i takes over the source's item i, items are added or deleted only
// for the difference in count, so the owner's references to the first items stay valid.
class TuiCollection : public rtl::TCollection {
    RTL_DECLARE_CLASS(TuiCollection, rtl::TCollection)
public:
    using rtl::TCollection::TCollection;

    void Assign(const rtl::TPersistent* source) override;
};

} // namespace ui
