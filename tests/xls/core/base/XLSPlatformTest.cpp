#include "xls/core/base/XLSPlatform.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

TEST(XLSPlatform, PaperSizeFromLocaleKeepsTheSharedNumbers) {
    struct Case {
        const char16_t* value;
        uint8_t paperSize;
    };
    const Case cases[] = {{u"9", 9}, {u"1", 1}, {u"5", 5}, {u"8", 8}, {u"3", 9}, {u"", 9}, {u"10", 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::u16string(c.value).size());
        EXPECT_EQ(PaperSizeFromLocale(c.value), c.paperSize);
    }
}

TEST(XLSPlatform, FontPixelHeightUsesWholePoints) {
    struct Case {
        double size;
        int32_t dpi;
        int32_t pixels;
    };
    const Case cases[] = {
        {11, 96, 15}, {10.5, 96, 13}, {10.99, 96, 15}, {12, 120, 20},     {0, 96, 0},
        {-4, 96, 0},  {NAN, 96, 0},   {12, 0, 0},      {1e308, 96, 5461},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " at " + std::to_string(c.dpi));
        EXPECT_EQ(FontPixelHeight(c.size, c.dpi), c.pixels);
    }
}

// A platform that answers as a German Windows would.
class TCommaPlatform : public TXLSPlatform {
public:
    char16_t GetDecimalSeparator() const override { return u','; }
    char16_t GetListSeparator() const override { return u';'; }
};

TEST(XLSPlatform, ATestPlatformReplacesTheRealOneUntilRemoved) {
    const TCommaPlatform comma;
    const TXLSPlatform* real = SetXLSPlatform(&comma);
    EXPECT_EQ(XLSPlatform().GetDecimalSeparator(), u',');
    EXPECT_EQ(XLSPlatform().GetListSeparator(), u';');
    EXPECT_EQ(SetXLSPlatform(nullptr), &comma);
    EXPECT_EQ(&XLSPlatform(), real);
}

TEST(XLSPlatform, RealPlatformAnswers) {
    const TXLSPlatform& platform = XLSPlatform();
    const TXLSPixelsPerInch resolution = platform.GetPixelsPerInch();
    const int32_t width11 = platform.MaxDigitWidth({u"Calibri", 11});
    const int32_t width22 = platform.MaxDigitWidth({u"Calibri", 22});
#ifdef _WIN32
    const uint8_t paperSize = platform.DefaultPaperSize();
    EXPECT_TRUE(paperSize == 1 || paperSize == 5 || paperSize == 8 || paperSize == 9) << int{paperSize};
    EXPECT_GT(resolution.Horizontal, 0);
    EXPECT_GT(resolution.Vertical, 0);
    EXPECT_GE(width11, 1);
    EXPECT_GT(width22, width11);
    EXPECT_GE(platform.MaxDigitWidth({u"No Such Font Anywhere", 11}), 1);
#else
    EXPECT_EQ(platform.GetDecimalSeparator(), u'.');
    EXPECT_EQ(platform.GetThousandSeparator(), u',');
    EXPECT_EQ(platform.GetListSeparator(), u',');
    EXPECT_EQ(platform.DefaultPaperSize(), 9);
    EXPECT_EQ(resolution.Horizontal, 96);
    EXPECT_EQ(resolution.Vertical, 96);
    EXPECT_EQ(width11, 7);
    EXPECT_EQ(width22, 14);
#endif
    EXPECT_GE(platform.MaxDigitWidth({u"Calibri", 0}), 1);
}

} // namespace
} // namespace xls
