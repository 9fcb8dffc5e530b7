#include "rtl/WindowsApi.h"
#include "xls/core/base/XLSPlatform.h"

#include <algorithm>
#include <iterator>

namespace xls {

namespace {

constexpr int32_t DefaultDpi = 96;

// An information context for the screen, deleted with the object.
class TScreenInformationContext {
public:
    TScreenInformationContext() : FDC(CreateICW(L"DISPLAY", nullptr, nullptr, nullptr)) {}
    ~TScreenInformationContext() {
        if (FDC != nullptr) {
            DeleteDC(FDC);
        }
    }
    TScreenInformationContext(const TScreenInformationContext&) = delete;
    TScreenInformationContext& operator=(const TScreenInformationContext&) = delete;

    HDC Handle() const { return FDC; }

private:
    HDC FDC;
};

// A GDI font for font at dpi selected into dc for the object's life; the stock system font when GDI cannot make it.
class TSelectedFont {
public:
    TSelectedFont(HDC dc, const TXLSFontDescription& font, int32_t dpi) : FDC(dc) {
        LOGFONTW logFont{};
        logFont.lfHeight = -FontPixelHeight(font.Size, dpi);
        logFont.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
        logFont.lfItalic = font.Italic;
        logFont.lfUnderline = font.Underline;
        logFont.lfStrikeOut = font.StrikeOut;
        logFont.lfCharSet = font.Charset;
        logFont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
        const size_t length = std::min(font.Name.size(), std::size(logFont.lfFaceName) - 1);
        std::copy_n(font.Name.begin(), length, logFont.lfFaceName);
        FFont = CreateFontIndirectW(&logFont);
        FPrevious = SelectObject(dc, FFont != nullptr ? FFont : GetStockObject(SYSTEM_FONT));
    }
    ~TSelectedFont() {
        SelectObject(FDC, FPrevious);
        if (FFont != nullptr) {
            DeleteObject(FFont);
        }
    }
    TSelectedFont(const TSelectedFont&) = delete;
    TSelectedFont& operator=(const TSelectedFont&) = delete;

private:
    HDC FDC;
    HFONT FFont;
    HGDIOBJ FPrevious;
};

int32_t WidestDigit(HDC dc) {
    int32_t widest = 0;
    for (wchar_t digit = L'0'; digit <= L'9'; ++digit) {
        SIZE extent{};
        if (GetTextExtentPoint32W(dc, &digit, 1, &extent)) {
            widest = std::max<int32_t>(widest, extent.cx);
        }
    }
    return widest;
}

} // namespace

uint8_t TXLSPlatform::DefaultPaperSize() const {
    wchar_t value[8];
    const int length =
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IPAPERSIZE, value, static_cast<int>(std::size(value)));
    if (length <= 0) {
        return 0;
    }
    return PaperSizeFromLocale(
        rtl::UnicodeStringView(reinterpret_cast<const char16_t*>(value), static_cast<size_t>(length - 1)));
}

TXLSPixelsPerInch TXLSPlatform::GetPixelsPerInch() const {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) {
        return {};
    }
    const TXLSPixelsPerInch resolution{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
    ReleaseDC(nullptr, dc);
    return resolution.Horizontal > 0 && resolution.Vertical > 0 ? resolution : TXLSPixelsPerInch{};
}

int32_t TXLSPlatform::MaxDigitWidth(const TXLSFontDescription& font) const {
    const TScreenInformationContext context;
    if (context.Handle() == nullptr) {
        return detail::ApproximateDigitWidth(font, DefaultDpi);
    }
    const int32_t dpi = GetDeviceCaps(context.Handle(), LOGPIXELSY);
    const TSelectedFont selected(context.Handle(), font, dpi > 0 ? dpi : DefaultDpi);
    const int32_t widest = WidestDigit(context.Handle());
    return widest > 0 ? widest : detail::ApproximateDigitWidth(font, DefaultDpi);
}

} // namespace xls
