#include "rtl/text/StringUtils.h"

#include <clocale>
#include <locale.h>
#include <wctype.h>

namespace rtl::detail {

namespace {

// glibc's built-in C.UTF-8 locale carries the full Unicode case tables, whatever the process locale is.
locale_t UnicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

template <typename Map>
void MapUnits(char16_t* text, size_t length, Map map) {
    const locale_t locale = UnicodeLocale();
    for (size_t i = 0; i < length; ++i) {
        if (!IsSurrogate(text[i])) {
            text[i] = static_cast<char16_t>(map(static_cast<wint_t>(text[i]), locale));
        }
    }
}

} // namespace

void PlatformUpperCaseUnits(char16_t* text, size_t length) {
    MapUnits(text, length, towupper_l);
}
void PlatformLowerCaseUnits(char16_t* text, size_t length) {
    MapUnits(text, length, towlower_l);
}

} // namespace rtl::detail
