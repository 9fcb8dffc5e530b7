#pragma once
// A locale of known settings for the locale, format and date tests.

#include "ui/data/locale/uiLocale.h"

namespace ui_test {

// A locale of known settings in place of the process's while it lives: d/M/yyyy with "/", hh:nn:ss with AM and PM
// designators, English names, Monday as the first day of the week, the Gregorian calendar and 2029 as the last year
// of two-digit years. Change its settings, then call Apply so that the format controller is made afresh from them.
class TTestLocale : public ui::TuiRuntimeLocale {
public:
    TTestLocale();
    ~TTestLocale() override;
    TTestLocale(const TTestLocale&) = delete;
    TTestLocale& operator=(const TTestLocale&) = delete;

    void Apply();

private:
    ui::TuiLocale* FPrevious;
};

} // namespace ui_test
