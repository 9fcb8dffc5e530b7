#include "app/invoice/RoundDecimal.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/numbers/NumberFormat.h"

namespace app {

double RoundDecimal(int n, double x) {
    const long double decimalForm = rtl::StrToExtended(rtl::FloatToStr(x));
    rtl::UnicodeString pattern = u"#.";
    pattern.append(static_cast<size_t>(n > 0 ? n : 0), u'0');
    // Between -1 and 1 the pattern writes no leading zero (".00", "-.50"), which the conversion reads back.
    return rtl::StrToFloat(rtl::FormatFloat(pattern, decimalForm));
}

} // namespace app
