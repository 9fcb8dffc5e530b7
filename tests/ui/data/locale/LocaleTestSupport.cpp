#include "LocaleTestSupport.h"

#include "ui/data/locale/uiFormats.h"

namespace ui_test {

namespace {

rtl::TFormatSettings TestSettings() {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.ShortDateFormat = u"d/M/yyyy";
    settings.LongDateFormat = u"dddd, d MMMM yyyy";
    settings.ShortTimeFormat = u"hh:nn AMPM";
    settings.LongTimeFormat = u"hh:nn:ss AMPM";
    return settings;
}

} // namespace

TTestLocale::TTestLocale() : ui::TuiRuntimeLocale(TestSettings()), FPrevious(ui::SetLocale(this)) {
    ui::TuiLocaleValues& values = MutableValues();
    values.FirstDayOfWeek = 1;
    values.FirstWeekOfYear = 1;
    SetTwoDigitYearMax(2029);
    Apply();
}

TTestLocale::~TTestLocale() {
    ui::SetLocale(FPrevious);
    ui::FreeFormatController();
}

void TTestLocale::Apply() {
    ui::FreeFormatController();
}

} // namespace ui_test
