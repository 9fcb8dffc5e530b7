#include "rtl/numbers/FormatSettings.h"

namespace rtl::detail {

// The native build serves tools and tests, which must not depend on the host's locale.
TFormatSettings PlatformFormatSettings() {
    return TFormatSettings::Invariant();
}

} // namespace rtl::detail
