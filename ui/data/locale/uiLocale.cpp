#include "ui/data/locale/uiLocale.h"

#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

TuiLocale* CurrentLocale = nullptr;

TuiLocaleValues ValuesOfRuntime(const rtl::TFormatSettings& settings) {
    TuiLocaleValues values;
    values.DateSeparator = settings.DateSeparator;
    values.TimeSeparator = settings.TimeSeparator;
    values.ShortDateFormat = settings.ShortDateFormat;
    values.LongDateFormat = settings.LongDateFormat;
    values.TimeFormat = settings.LongTimeFormat;
    values.AMDesignator = settings.TimeAMString;
    values.PMDesignator = settings.TimePMString;
    // The runtime starts its week on Sunday, the locale on Monday; the runtime has no shortest names.
    for (size_t day = 0; day < 7; ++day) {
        values.AbbreviatedDayNames[day] = settings.ShortDayNames[(day + 1) % 7];
        values.ShortestDayNames[day] = settings.ShortDayNames[(day + 1) % 7];
    }
    return values;
}

} // namespace

TuiRuntimeLocale::TuiRuntimeLocale(const rtl::TFormatSettings& settings)
    : FSettings(settings), FValues(ValuesOfRuntime(settings)) {}

std::optional<rtl::UnicodeString> TuiRuntimeLocale::FormatDate(rtl::TDateTime date, uint32_t flags,
                                                               rtl::UnicodeStringView format) const {
    if (!format.empty()) {
        return rtl::FormatDateTime(format, date, FSettings);
    }
    return rtl::FormatDateTime((flags & dffLongDate) != 0 ? FValues.LongDateFormat : FValues.ShortDateFormat, date,
                               FSettings);
}

std::optional<rtl::UnicodeString> TuiRuntimeLocale::FormatTime(rtl::TDateTime time) const {
    return rtl::FormatDateTime(FValues.TimeFormat, time, FSettings);
}

std::optional<rtl::UnicodeString> TuiRuntimeLocale::CalendarYearMonthFormat(int32_t) const {
    return FYearMonthFormat;
}

int32_t TuiRuntimeLocale::TwoDigitYearMax(int32_t) const {
    return FTwoDigitYearMax != 0 ? FTwoDigitYearMax : RuntimeTwoDigitYearMax(FSettings);
}

int TuiRuntimeLocale::CompareText(rtl::UnicodeStringView a, rtl::UnicodeStringView b, bool ignoreCase) const {
    return ignoreCase ? rtl::WideCompareText(a, b) : rtl::CompareStr(a, b);
}

rtl::UnicodeString TuiRuntimeLocale::UpperCase(rtl::UnicodeStringView text) const {
    return rtl::WideUpperCase(text);
}

int32_t RuntimeTwoDigitYearMax(const rtl::TFormatSettings& settings) {
    const int32_t firstYear = rtl::DecodeDate(rtl::Date()).Year - settings.TwoDigitYearCenturyWindow;
    return firstYear + 99;
}

TuiLocale& GetLocale() {
    return CurrentLocale ? *CurrentLocale : detail::PlatformLocale();
}

TuiLocale* SetLocale(TuiLocale* locale) {
    return std::exchange(CurrentLocale, locale);
}

int32_t GetFirstDayOfWeek() {
    return GetLocale().Values().FirstDayOfWeek;
}

int32_t GetLocaleCalendarType() {
    return GetLocale().Values().CalendarType;
}

std::vector<TuiLocaleEra> FindEraYearOffsets(const std::vector<rtl::UnicodeString>& names,
                                             const std::function<std::optional<TuiEraYear>(int32_t)>& eraOfYear) {
    constexpr int32_t lastYear = 9999;
    std::vector<std::optional<int32_t>> offsets(names.size());
    size_t missing = names.size();
    for (int32_t year = 1; year <= lastYear && missing > 0; ++year) {
        const std::optional<TuiEraYear> era = eraOfYear(year);
        if (!era) {
            continue;
        }
        const auto name = std::find(names.begin(), names.end(), era->Name);
        if (name == names.end() || offsets[name - names.begin()]) {
            continue;
        }
        offsets[name - names.begin()] = year - era->Year;
        --missing;
    }
    std::vector<TuiLocaleEra> eras;
    for (size_t i = 0; i < names.size(); ++i) {
        if (offsets[i]) {
            eras.push_back({names[i], *offsets[i]});
        }
    }
    return eras;
}

} // namespace ui
