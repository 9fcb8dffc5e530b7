#include "ui/data/common/uiDataUtils.h"

#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"

#include <cmath>

namespace ui {

namespace {

constexpr int32_t WeekDayCount = 7;

// Upper case as the locale maps it, through UTF-16: ANSI trail bytes of double-byte characters must not change.
rtl::UnicodeString UpperCaseAnsiText(std::string_view text) {
    return rtl::WideUpperCase(rtl::AnsiToUnicode(text));
}

} // namespace

rtl::UnicodeString CurrencyNumberFormat(const rtl::TFormatSettings& settings) {
    return u",0." + rtl::UnicodeString(settings.CurrencyDecimals, u'0');
}

rtl::UnicodeString CurrencySymbolAsFormatText(rtl::UnicodeStringView symbol) {
    rtl::UnicodeString quoted;
    for (const char16_t c : symbol) {
        if (c == u',' || c == u'.') {
            quoted += u'\'';
            quoted += c;
            quoted += u'\'';
        } else {
            quoted += c;
        }
    }
    return quoted;
}

rtl::UnicodeString GetCurrencyDisplayFormat(const rtl::TFormatSettings& settings) {
    const rtl::UnicodeString number = CurrencyNumberFormat(settings);
    const rtl::UnicodeString symbol = CurrencySymbolAsFormatText(settings.CurrencyString);
    if (symbol.empty()) {
        return number;
    }
    switch (settings.CurrencyFormat) {
    case 0:
        return symbol + number;
    case 1:
        return number + symbol;
    case 2:
        return symbol + u" " + number;
    case 3:
        return number + u" " + symbol;
    default:
        return number;
    }
}

rtl::TDateTime DateTruncToDay(rtl::TDateTime value) {
    return std::trunc(value);
}

rtl::TDateTime TimeFraction(rtl::TDateTime value) {
    return value - std::trunc(value);
}

rtl::TDateTime WeekStartDate(rtl::TDateTime date, int32_t firstDayOfWeek) {
    const int32_t day = rtl::DayOfWeek(date) - 1;
    const rtl::TDateTime wholeDay = DateTruncToDay(date);
    if (day < firstDayOfWeek) {
        return wholeDay - WeekDayCount + (firstDayOfWeek - day);
    }
    return wholeDay - (day - firstDayOfWeek);
}

bool MatchesTextPrefix(std::string_view text, std::string_view prefix, bool partial) {
    const rtl::UnicodeString upperText = UpperCaseAnsiText(text);
    const rtl::UnicodeString upperPrefix = UpperCaseAnsiText(prefix);
    if (upperPrefix.empty() || !partial) {
        return upperText == upperPrefix;
    }
    return upperText.starts_with(upperPrefix);
}

void TuiCollection::Assign(const rtl::TPersistent* source) {
    const auto* other = dynamic_cast<const rtl::TCollection*>(source);
    if (other == nullptr || other == this) {
        rtl::TCollection::Assign(source);
        return;
    }
    if (Count() == 0 && other->Count() == 0) {
        return;
    }
    BeginUpdate();
    try {
        for (int32_t i = 0; i < other->Count(); ++i) {
            rtl::TCollectionItem* item = i < Count() ? Items(i) : Add();
            item->Assign(other->Items(i));
        }
        while (Count() > other->Count()) {
            Delete(Count() - 1);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

} // namespace ui
