#include "xls/core/base/XLSPlatform.h"

#include "rtl/numbers/FormatSettings.h"

#include <algorithm>
#include <cmath>

namespace xls {

namespace {

const TXLSPlatform RealPlatform;
const TXLSPlatform* CurrentPlatform = &RealPlatform;

constexpr uint8_t PaperLetter = 1;
constexpr uint8_t PaperLegal = 5;
constexpr uint8_t PaperA3 = 8;
constexpr uint8_t PaperA4 = 9;

// Larger than any font a worksheet can show (409 points), small enough that no pixel arithmetic overflows.
constexpr double MaxFontPoints = 4096;

} // namespace

char16_t TXLSPlatform::GetDecimalSeparator() const {
    return rtl::FormatSettings().DecimalSeparator;
}

char16_t TXLSPlatform::GetThousandSeparator() const {
    return rtl::FormatSettings().ThousandSeparator;
}

char16_t TXLSPlatform::GetListSeparator() const {
    return rtl::FormatSettings().ListSeparator;
}

const TXLSPlatform& XLSPlatform() {
    return *CurrentPlatform;
}

const TXLSPlatform* SetXLSPlatform(const TXLSPlatform* platform) {
    const TXLSPlatform* previous = CurrentPlatform;
    CurrentPlatform = platform != nullptr ? platform : &RealPlatform;
    return previous;
}

uint8_t PaperSizeFromLocale(rtl::UnicodeStringView value) {
    if (value.size() != 1) {
        return PaperA4;
    }
    switch (value[0]) {
    case u'1':
        return PaperLetter;
    case u'5':
        return PaperLegal;
    case u'8':
        return PaperA3;
    default:
        return PaperA4;
    }
}

int32_t FontPixelHeight(double size, int32_t dpi) {
    // A size read from a file may be anything; !(size > 0) also catches NaN.
    if (!(size > 0) || dpi <= 0) {
        return 0;
    }
    const double twentieths = std::round(std::min(size, MaxFontPoints) * 20);
    const int64_t points = static_cast<int64_t>(twentieths) / 20;
    return static_cast<int32_t>((points * dpi + 36) / 72);
}

namespace detail {

int32_t ApproximateDigitWidth(const TXLSFontDescription& font, int32_t dpi) {
    return std::max(1, FontPixelHeight(font.Size, dpi) / 2);
}

} // namespace detail

} // namespace xls
