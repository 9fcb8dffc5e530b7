#include "xls/core/model/workbook/XLSBIFFServices.h"

namespace xls {

EXLSBIFFNotAvailable::EXLSBIFFNotAvailable() : rtl::Exception(XLSBIFFNotAvailable) {}

bool TXLSBIFFUnavailable::GetExternSheetRange(int32_t, int32_t&, int32_t&) const {
    throw EXLSBIFFNotAvailable();
}

bool TXLSBIFFUnavailable::GetExternalReference(int32_t, int32_t, TExternalReference&) const {
    throw EXLSBIFFNotAvailable();
}

void TXLSBIFFUnavailable::DecodeBIFFFormula(const uint8_t*, int32_t, int32_t, rtl::UnicodeString&, char16_t, int32_t,
                                            int32_t) {
    throw EXLSBIFFNotAvailable();
}

} // namespace xls
