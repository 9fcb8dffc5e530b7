#include "rtl/WindowsApi.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"

#include <algorithm>

namespace xls {

void* TXc12FontHandle::Get(const TXc12LogFont& logFont) {
    if (FHandle != nullptr) {
        return FHandle;
    }
    LOGFONTW gdiFont{};
    gdiFont.lfHeight = logFont.lfHeight;
    gdiFont.lfWeight = logFont.lfWeight;
    gdiFont.lfItalic = logFont.lfItalic;
    gdiFont.lfUnderline = logFont.lfUnderline;
    gdiFont.lfStrikeOut = logFont.lfStrikeOut;
    gdiFont.lfCharSet = logFont.lfCharSet;
    gdiFont.lfOutPrecision = logFont.lfOutPrecision;
    std::copy(logFont.lfFaceName.begin(), logFont.lfFaceName.end(), gdiFont.lfFaceName);
    HFONT font = CreateFontIndirectW(&gdiFont);
    FStock = font == nullptr;
    FHandle = FStock ? GetStockObject(SYSTEM_FONT) : font;
    return FHandle;
}

void TXc12FontHandle::Free() noexcept {
    if (FHandle != nullptr && !FStock) {
        DeleteObject(static_cast<HGDIOBJ>(FHandle));
    }
    FHandle = nullptr;
    FStock = false;
}

} // namespace xls
