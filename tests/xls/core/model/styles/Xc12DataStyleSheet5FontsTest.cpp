#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"

#include "Xc12DataStyleSheet5TestSupport.h"

#ifdef _WIN32
#include "rtl/WindowsApi.h"
#endif

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace xls {
namespace {

using test::TPlatformScope;
using test::TRecordingPlatform;
using test::Utf8;

// An Arial 11 font as a workbook's first custom font would be.
void MakeArial(TXc12Font& font) {
    font.SetName(u"Arial");
    font.SetSize(11);
    font.SetFamily(2);
    font.SetColor(test::ThemeColor(1));
    font.SetScheme(efsMinor);
}

TEST(Xc12DataStyleSheet5Fonts, EqualityFoldsNameCaseButKeepsEverythingElseExact) {
    struct Case {
        const char* name;
        std::function<void(TXc12Font&)> change;
        bool equal;
    };
    const Case cases[] = {
        {"same fields", [](TXc12Font&) {}, true},
        {"ARIAL", [](TXc12Font& f) { f.SetName(u"ARIAL"); }, true},
        {"11.0000001", [](TXc12Font& f) { f.SetSize(11.0000001); }, false},
        {"bold", [](TXc12Font& f) { f.SetStyle({xfsBold}); }, false},
        {"charset", [](TXc12Font& f) { f.SetCharset(134); }, false},
        {"underline", [](TXc12Font& f) { f.SetUnderline(xulDouble); }, false},
        {"superscript", [](TXc12Font& f) { f.SetSubSuperscript(xssSuperscript); }, false},
        {"theme 2", [](TXc12Font& f) { f.SetColor(test::ThemeColor(2)); }, false},
        {"major scheme", [](TXc12Font& f) { f.SetScheme(efsMajor); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12Font a;
        TXc12Font b;
        MakeArial(a);
        MakeArial(b);
        c.change(b);
        EXPECT_EQ(a.Equals(b), c.equal);
        EXPECT_EQ(b.Equals(a), c.equal);
        if (c.equal) {
            EXPECT_EQ(a.GetHash(), b.GetHash());
        }
    }
}

TEST(Xc12DataStyleSheet5Fonts, NamesCompareInUtf16CaseFolding) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        bool equal;
    };
    const Case cases[] = {
        {u"宋体", u"宋体", true},
        {u"宋体", u"黑体", false}, // one code page would make both "??"
        {u"Ärger Sans", u"ärger sans", true},
        {u"ΑΛΦΑ", u"αλφα", true},
        {u"Arial", u"Arial Black", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.a) + " / " + Utf8(c.b));
        TXc12Font a;
        TXc12Font b;
        a.SetName(c.a);
        b.SetName(c.b);
        EXPECT_EQ(a.Equals(b), c.equal);
        if (c.equal) {
            EXPECT_EQ(a.GetHash(), b.GetHash());
        }
    }
}

TEST(Xc12DataStyleSheet5Fonts, LogicalFontHeightInTwipsAndPixels) {
    struct Case {
        double size;
        int32_t dpi;
        int32_t height;
    };
    const Case cases[] = {
        {10.5, 0, 210},
        {10.5, 96, -13},
        {11, 96, -15},
        {11, 120, -18},
        {11.5, 0, 230},
        // Sizes from a hostile file stay within bounds.
        {std::nan(""), 0, 0},
        {1e300, 0, std::numeric_limits<int32_t>::max()},
        {-1e300, 0, std::numeric_limits<int32_t>::min()},
        {std::nan(""), 96, 0},
        {-3, 96, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " pt at " + std::to_string(c.dpi));
        TXc12Font font;
        font.SetSize(c.size);
        const TXc12LogFont logFont = font.GetLogFont(c.dpi);
        EXPECT_EQ(logFont.lfHeight, c.height);
        EXPECT_EQ(logFont.lfOutPrecision, c.dpi > 0 ? 7 : 0);
    }
}

TEST(Xc12DataStyleSheet5Fonts, LogicalFontFields) {
    TXc12Font font;
    font.SetCharset(134);
    font.SetStyle({xfsBold, xfsItalic, xfsStrikeOut});
    font.SetUnderline(xulSingle);
    font.SetColor(test::RgbColor(0xFF112233));
    TXc12LogFont logFont;
    uint32_t color = 0;
    font.FillLogFont(logFont, color);
    EXPECT_EQ(logFont.lfCharSet, 134);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfUnderline, 1);
    EXPECT_EQ(logFont.lfStrikeOut, 1);
    EXPECT_EQ(color, 0x332211u);

    font.SetStyle({});
    font.SetUnderline(xulDouble);
    font.FillLogFont(logFont, color);
    EXPECT_EQ(logFont.lfWeight, 400);
    EXPECT_EQ(logFont.lfItalic, 0);
    // GDI knows one underline only.
    EXPECT_EQ(logFont.lfUnderline, 0);
}

TEST(Xc12DataStyleSheet5Fonts, FaceNameKeepsUtf16AndAtMost31Units) {
    const std::u16string forty(40, u'x');
    const std::u16string thirtyWithClef = std::u16string(30, u'a') + u"\U0001D11E";
    struct Case {
        const char* name;
        std::u16string fontName;
        std::u16string faceName;
    };
    const Case cases[] = {
        {"Chinese", u"宋体", u"宋体"},
        {"forty characters", forty, forty.substr(0, 31)},
        {"no half surrogate pair", thirtyWithClef, thirtyWithClef.substr(0, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12Font font;
        font.SetName(c.fontName);
        const TXc12LogFont logFont = font.GetLogFont(96);
        EXPECT_EQ(Utf8(logFont.lfFaceName.data()), Utf8(c.faceName));
        for (size_t i = c.faceName.size(); i < logFont.lfFaceName.size(); ++i) {
            EXPECT_EQ(logFont.lfFaceName[i], 0) << i;
        }
    }
}

TEST(Xc12DataStyleSheet5Fonts, SizingFontZeroMeasuresTheDigitWidth) {
    TRecordingPlatform platform;
    platform.Dpi = 120;
    const TPlatformScope scope(platform);
    TXc12Fonts fonts;
    fonts.Clear();
    ASSERT_EQ(platform.Measured.size(), 1u);
    EXPECT_EQ(Utf8(platform.Measured[0].Name), "Calibri");
    EXPECT_EQ(platform.Measured[0].Size, 11);
    EXPECT_EQ(fonts.MaxDigitWidth(), 9);
    EXPECT_EQ(fonts.DefaultFontHeight(), -18);

    struct Case {
        const char* name;
        int32_t fontIndex;
        double size;
        bool measures;
    };
    const Case cases[] = {
        {"font 0, 12 pt", 0, 12, true},
        {"font 0, size 0", 0, 0, false},
        {"font 1", 1, 14, false},
    };
    fonts.Add()->SetName(u"宋体");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.Measured.clear();
        fonts.GetItem(c.fontIndex)->SetName(u"宋体");
        fonts.GetItem(c.fontIndex)->SetSize(c.size);
        EXPECT_EQ(platform.Measured.size(), c.measures ? 1u : 0u);
        if (c.measures) {
            EXPECT_EQ(Utf8(platform.Measured[0].Name), "宋体");
            EXPECT_EQ(fonts.DefaultFontHeight(), -20);
        }
    }
}

TEST(Xc12DataStyleSheet5Fonts, FindFontAndAssign) {
    TXc12Fonts fonts;
    fonts.Clear();
    TXc12Font* arial = fonts.Add();
    MakeArial(*arial);
    TXc12Font copy;
    copy.Assign(*arial);
    EXPECT_TRUE(copy.Equals(*arial));
    copy.SetName(u"arial");
    EXPECT_EQ(fonts.FindFont(copy), arial);
    // A change drops the kept hash.
    const int32_t hash = copy.GetHash();
    copy.SetSize(12);
    EXPECT_NE(copy.GetHash(), hash);
    EXPECT_EQ(fonts.FindFont(copy), nullptr);
    copy.Clear();
    EXPECT_TRUE(copy.Equals(TXc12Font()));
}

TEST(Xc12DataStyleSheet5Fonts, FontsWithNoNumberForASizeStillFindEachOther) {
    TXc12Font a;
    TXc12Font b;
    a.SetSize(std::nan(""));
    b.SetSize(std::nan(""));
    EXPECT_TRUE(a.Equals(b));
    b.SetSize(11);
    EXPECT_FALSE(a.Equals(b));
}

TEST(Xc12DataStyleSheet5Fonts, Dump) {
    TXc12Font font;
    MakeArial(font);
    font.SetStyle({xfsBold, xfsExtend});
    font.SetUnderline(xulDoubleAccount);
    font.SetSize(10.5);
    EXPECT_EQ(test::DumpOf(font, 1), "  Name   : Arial\r"
                                     "  Size   : 10.5\r"
                                     "  Family : 2\r"
                                     "  Style  :\r"
                                     "    Bold\r"
                                     "    Extend\r"
                                     "  Underline: DoubleAccount\r"
                                     "  Scheme : Minor\r"
                                     "  Color  :\r"
                                     "    ARGB: 00000000\r"
                                     "    Tint: 0.00\r"
                                     "    Color type:\r"
                                     "    Theme: 1\r");
}

// The GDI font lives from the first call until a change that makes another font; the dpi of later calls does not
// matter, nor do changes that GDI does not draw (the colour).
TEST(Xc12DataStyleSheet5Fonts, TheGdiFontIsKeptUntilTheFontChanges) {
    TXc12Font font;
    font.SetName(u"Arial");
    font.SetSize(10.5);
    font.SetStyle({xfsBold});
#ifdef _WIN32
    void* handle = font.GetHandle(96);
    ASSERT_NE(handle, nullptr);
    LOGFONTW made{};
    ASSERT_EQ(GetObjectW(static_cast<HGDIOBJ>(handle), sizeof(made), &made), static_cast<int>(sizeof(made)));
    EXPECT_EQ(made.lfHeight, -13);
    EXPECT_EQ(made.lfWeight, FW_BOLD);
    EXPECT_EQ(made.lfOutPrecision, OUT_TT_ONLY_PRECIS);
    EXPECT_EQ(std::wstring(made.lfFaceName), L"Arial");
    EXPECT_EQ(font.GetHandle(144), handle);
    font.SetColor(test::ThemeColor(2));
    EXPECT_TRUE(font.HasHandle());
    font.SetSize(12);
    EXPECT_FALSE(font.HasHandle());
    ASSERT_EQ(GetObjectW(static_cast<HGDIOBJ>(font.GetHandle(96)), sizeof(made), &made),
              static_cast<int>(sizeof(made)));
    EXPECT_EQ(made.lfHeight, -16);
    // A font that takes this one's fields makes its own handle when asked.
    TXc12Font copy;
    copy.Assign(font);
    EXPECT_FALSE(copy.HasHandle());
    font.FreeHandle();
    EXPECT_FALSE(font.HasHandle());
#else
    EXPECT_EQ(font.GetHandle(96), nullptr);
    EXPECT_FALSE(font.HasHandle());
#endif
}

} // namespace
} // namespace xls
