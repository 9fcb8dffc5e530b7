#include "xls/core/base/XLSPlatform.h"

namespace xls {

// Without Windows there is no locale paper size, screen or GDI font to ask: the answers are fixed, so that the
// native build and its tests do not depend on the host.

uint8_t TXLSPlatform::DefaultPaperSize() const {
    return 9; // A4
}

TXLSPixelsPerInch TXLSPlatform::GetPixelsPerInch() const {
    return {};
}

int32_t TXLSPlatform::MaxDigitWidth(const TXLSFontDescription& font) const {
    return detail::ApproximateDigitWidth(font, TXLSPixelsPerInch{}.Vertical);
}

} // namespace xls
