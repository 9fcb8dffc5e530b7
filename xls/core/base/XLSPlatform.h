#pragma once
// The facts about the user's machine that the workbook model asks for: the locale's number and list separators
// (formula text written for display follows them), the locale's default paper size, the screen resolution and the
// digit width of a font (column widths are counted in digits). The model asks the current platform, which is the real
// one unless a test has put its own in place. The real one reads Windows; elsewhere it answers as an English-language
// Windows at 96 dpi would, near enough: '.' and ',' separators, A4 paper, digits half as wide as the font is high.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace xls {

// Horizontal and vertical resolution.
struct TXLSPixelsPerInch {
    int32_t Horizontal = 96;
    int32_t Vertical = 96;
};

// The font whose digits are measured.
struct TXLSFontDescription {
    rtl::UnicodeString Name;
    // In points.
    double Size = 0;
    uint8_t Charset = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// The platform facts; derive from it and override what a test needs to control.
class TXLSPlatform {
public:
    virtual ~TXLSPlatform() = default;

    // The user's separators as the process uses them (rtl::FormatSettings()).
    virtual char16_t GetDecimalSeparator() const;
    virtual char16_t GetThousandSeparator() const;
    virtual char16_t GetListSeparator() const;
    // The paper size of new sheets as SpreadsheetML numbers it (1 Letter, 5 Legal, 8 A3, 9 A4); 0 when the locale
    // cannot be read, in which case the caller keeps what it had.
    virtual uint8_t DefaultPaperSize() const;
    virtual TXLSPixelsPerInch GetPixelsPerInch() const;
    // The width in pixels of the widest digit 0-9 of font on the screen; at least 1.
    virtual int32_t MaxDigitWidth(const TXLSFontDescription& font) const;
};

// The platform the model asks.
const TXLSPlatform& XLSPlatform();
// Puts platform in place of the current one (nullptr: the real one again) and returns the one it replaces. The caller
// keeps platform alive while it is in place.
const TXLSPlatform* SetXLSPlatform(const TXLSPlatform* platform);

// The paper size for a Windows locale's paper size value (LOCALE_IPAPERSIZE): "1" Letter, "5" Legal, "8" A3 and
// "9" A4 keep their numbers, which SpreadsheetML shares; anything else gives A4.
uint8_t PaperSizeFromLocale(rtl::UnicodeStringView value);

// The pixel height of a font of size points at dpi: whole points only, as GDI fonts of the model are made, rounded
// to the nearest pixel.
int32_t FontPixelHeight(double size, int32_t dpi);

namespace detail {
// The digit width where no text can be measured: half the pixel height of font at dpi, at least 1.
int32_t ApproximateDigitWidth(const TXLSFontDescription& font, int32_t dpi);
} // namespace detail

} // namespace xls
