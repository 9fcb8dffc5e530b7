#include "ui/data/controller/summary/uiSummaryFormats.h"

#include "ui/data/common/uiDataUtils.h"

namespace ui {

namespace {

// What stands before the value: the kind's name and "=", nothing for a footer sum.
rtl::UnicodeString SummaryPrefix(TuiSummaryKind kind, TuiSummaryPosition position) {
    switch (kind) {
    case skSum:
        return position == spFooter ? u"" : u"SUM=";
    case skMin:
        return u"MIN=";
    case skMax:
        return u"MAX=";
    case skAverage:
        return u"AVG=";
    default:
        return {};
    }
}

} // namespace

rtl::UnicodeString GetDefaultSummaryFormat(int32_t category, TuiSummaryKind kind, TuiSummaryPosition position,
                                           const rtl::TFormatSettings& settings) {
    if (kind == skNone) {
        return {};
    }
    if (kind == skCount) {
        return position == spFooter ? u"0" : u"COUNT=0";
    }
    const rtl::UnicodeString prefix = SummaryPrefix(kind, position);
    switch (category) {
    case svcCurrency: {
        const rtl::UnicodeString currency = GetCurrencyDisplayFormat(settings);
        return prefix + currency + u";" + prefix + u"-" + currency;
    }
    case svcDate:
        return prefix;
    default:
        return prefix + u"0.00;" + prefix + u"-0.00";
    }
}

} // namespace ui
