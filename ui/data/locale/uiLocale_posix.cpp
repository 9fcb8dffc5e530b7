#include "ui/data/locale/uiLocale.h"

namespace ui::detail {

// Without an operating-system locale the runtime's settings are the whole locale.
TuiLocale& PlatformLocale() {
    static TuiRuntimeLocale locale(rtl::FormatSettings());
    return locale;
}

} // namespace ui::detail
