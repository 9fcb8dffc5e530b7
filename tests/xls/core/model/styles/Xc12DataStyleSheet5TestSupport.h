#pragma once
// Helpers of the style-sheet tests: readable texts, a platform that records what it measures, and colour records.

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/common/XLSStyleObjects.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::test {

using test_support::Utf8;

// The diagnostic dump of object at level.
inline std::string DumpOf(const TXLSStyleObject& object, int32_t level = 0) {
    rtl::UnicodeString text;
    object.DumpText(level, text);
    return Utf8(text);
}

// Expects action to raise an rtl::Exception with message.
inline void ExpectRaises(const std::function<void()>& action, rtl::UnicodeStringView message) {
    try {
        action();
        ADD_FAILURE() << "no exception, expected " << Utf8(message);
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(Utf8(e.Message()), Utf8(message));
    }
}

// A screen of Dpi dots per inch whose digits are Width pixels wide; it keeps every font it measured.
class TRecordingPlatform : public TXLSPlatform {
public:
    TXLSPixelsPerInch GetPixelsPerInch() const override { return {Dpi, Dpi}; }
    int32_t MaxDigitWidth(const TXLSFontDescription& font) const override {
        Measured.push_back(font);
        return Width;
    }

    int32_t Dpi = 96;
    int32_t Width = 9;
    mutable std::vector<TXLSFontDescription> Measured;
};

// Puts a platform in place for its own lifetime.
class TPlatformScope {
public:
    explicit TPlatformScope(const TXLSPlatform& platform) : FPrevious(SetXLSPlatform(&platform)) {}
    ~TPlatformScope() { SetXLSPlatform(FPrevious); }
    TPlatformScope(const TPlatformScope&) = delete;
    TPlatformScope& operator=(const TPlatformScope&) = delete;

private:
    const TXLSPlatform* FPrevious;
};

inline TXc12ColorRec IndexedColor(uint8_t index, uint32_t rgb = 0) {
    TXc12ColorRec color;
    color.ColorType = exctIndexed;
    color.Index = index;
    color.RGB = rgb;
    return color;
}

inline TXc12ColorRec RgbColor(uint32_t argb) {
    TXc12ColorRec color;
    color.ColorType = exctRgb;
    color.ARGB = argb;
    color.RGB = ((argb & 0xFF) << 16) | (argb & 0xFF00) | ((argb >> 16) & 0xFF);
    return color;
}

inline TXc12ColorRec ThemeColor(uint8_t index, double tint = 0) {
    TXc12ColorRec color;
    color.ColorType = exctTheme;
    color.Index = index;
    color.Tint = tint;
    return color;
}

} // namespace xls::test
