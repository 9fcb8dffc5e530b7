// Text and DC services: the narrowest rectangle for a number of lines, measuring with fonts, GDI records, the
// character-set test and the cursor's visible size.

#include "ui/core/graphics/uiDCServices.h"

#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "vcl/graphics/Font.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;

constexpr char16_t Sentence[] = u"The quick brown fox jumps over the lazy dog again";

TEST(uiDCServices, TwoLinesTakeTheNarrowestWidthThatFitsThem) {
    TCanvasOnSurface on;
    on.Canvas.Canvas().RequireFont();
    HDC dc = on.Canvas.Handle();
    const int32_t oneLine = on.Canvas.GetTextWidth(Sentence);
    const int32_t longestWord = on.Canvas.GetTextWidth(u"again");
    const int32_t lineHeight = on.Canvas.GetTextHeight(u"Wg");
    const vcl::TRect rect = GetTextRect(dc, Sentence, 2);
    EXPECT_EQ(rect.TopLeft(), vcl::Point(0, 0));
    EXPECT_GE(rect.Width(), longestWord);
    EXPECT_LT(rect.Width(), oneLine);
    EXPECT_GE(rect.Width(), oneLine / 2) << "two lines cannot be narrower than half the text";
    EXPECT_LE(rect.Height(), 2 * lineHeight);
    EXPECT_GT(rect.Height(), lineHeight);

    vcl::TRect narrower{0, 0, rect.Width() - 2, 1};
    DrawTextW(dc, vcl::AsWide(Sentence), -1, vcl::AsRECT(&narrower), DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(narrower.Height(), 2 * lineHeight) << "two pixels less needs a third line";

    EXPECT_EQ(GetTextRect(dc, Sentence, 2, true).Height(), 2 * lineHeight);
    EXPECT_EQ(GetTextRect(dc, Sentence, 1), vcl::Rect(0, 0, oneLine, lineHeight));
    EXPECT_EQ(GetDCTextSize(dc, Sentence), (vcl::TSize{oneLine, lineHeight}));
}

TEST(uiDCServices, WithoutALineCountTheTextTakesItsLongestWord) {
    TCanvasOnSurface on;
    on.Canvas.Canvas().RequireFont();
    const vcl::TRect rect = GetTextRect(on.Canvas.Handle(), u"aa bbbbbbbb cc", 0);
    EXPECT_LE(rect.Width(), on.Canvas.GetTextWidth(u"bbbbbbbb") + 1);
    EXPECT_LE(rect.Height(), 32000);
    EXPECT_EQ(GetTextRect(on.Canvas.Handle(), u"aa bbbbbbbb cc", 0, true).Height(), 32000);
}

TEST(uiDCServices, FontsAreMeasuredOnTheScreenCanvasAtTheirSize) {
    vcl::TFont font;
    font.SetSize(9);
    const vcl::TSize small = GetFontTextExtent(font, u"Measure");
    const vcl::TSize large = GetFontTextExtent(font, u"Measure", 18);
    EXPECT_GT(small.cx, 0);
    EXPECT_GT(large.cx, small.cx);
    EXPECT_GT(large.cy, small.cy);
    EXPECT_EQ(GetFontTextWidth(font, u"Measure"), small.cx);
    EXPECT_EQ(GetFontTextHeight(font, u"Measure", 18), large.cy);
    EXPECT_FALSE(GetSharedScreenCanvas()->Canvas().HandleAllocated()) << "the screen is given back";
}

TEST(uiDCServices, ExtentsOfTheLeadingCharacters) {
    TCanvasOnSurface on;
    on.Canvas.Canvas().RequireFont();
    vcl::TSize all;
    vcl::TSize two;
    vcl::TSize beyond;
    ASSERT_TRUE(GetDCTextExtent(on.Canvas.Handle(), u"abcd", all));
    ASSERT_TRUE(GetDCTextExtent(on.Canvas.Handle(), u"abcd", two, 2));
    ASSERT_TRUE(GetDCTextExtent(on.Canvas.Handle(), u"abcd", beyond, 40));
    EXPECT_EQ(two.cx, on.Canvas.GetTextWidth(u"ab"));
    EXPECT_EQ(beyond, all);
    EXPECT_TRUE(ExtTextOutText(on.Canvas.Handle(), u"abcd", {0, 0}, nullptr, 0, 1));
    EXPECT_FALSE(ui_test::PixelsOtherThan(on.Surface, vcl::clWhite).empty());
}

TEST(uiDCServices, RecordsOfGdiObjectsHaveThePlatformsSizes) {
    const vcl::TBitmapHandle bitmap(CreateBitmap(10, 7, 1, 32, nullptr));
    BITMAP bitmapData{};
    ASSERT_TRUE(GetBitmapData(bitmap.Get(), bitmapData));
    EXPECT_EQ(bitmapData.bmWidth, 10);
    EXPECT_EQ(bitmapData.bmHeight, 7);
    const vcl::TBrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    LOGBRUSH brushData{};
    ASSERT_TRUE(GetBrushData(brush.Get(), brushData));
    EXPECT_EQ(brushData.lbColor, RGB(1, 2, 3));
    vcl::TFont font;
    font.SetHeight(-17);
    LOGFONTW fontData{};
    ASSERT_TRUE(GetFontData(font.Handle(), fontData));
    EXPECT_EQ(fontData.lfHeight, -17);
    const vcl::TPenHandle pen(CreatePen(PS_DASH, 1, RGB(4, 5, 6)));
    LOGPEN penData{};
    ASSERT_TRUE(GetPenData(pen.Get(), penData));
    EXPECT_EQ(penData.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_FALSE(GetPenData(reinterpret_cast<HPEN>(brush.Get()), penData)) << "a brush is no pen";
}

TEST(uiDCServices, ChineseTextUsesTheSpecialCharsetOfTheSystem) {
    EXPECT_EQ(SystemDefaultCharset(), GB2312_CHARSET) << "the prefix runs code page 936";
    EXPECT_FALSE(UsesSpecialCharset(GB2312_CHARSET, u"a"));
    EXPECT_TRUE(UsesSpecialCharset(GB2312_CHARSET, u"中文"));
    EXPECT_TRUE(UsesSpecialCharset(DEFAULT_CHARSET, u"中文"));
    EXPECT_FALSE(UsesSpecialCharset(ANSI_CHARSET, u"中文"));
}

// Sets a cursor for the test's duration.
class TCursorInUse {
public:
    explicit TCursorInUse(HCURSOR cursor) : FCursor(cursor), FPrevious(SetCursor(cursor)) {}
    ~TCursorInUse() {
        SetCursor(FPrevious);
        DestroyCursor(FCursor);
    }
    TCursorInUse(const TCursorInUse&) = delete;
    TCursorInUse& operator=(const TCursorInUse&) = delete;

private:
    HCURSOR FCursor;
    HCURSOR FPrevious;
};

TEST(uiDCServices, TheCursorSizeComesFromItsMask) {
    // 32 x 32, opaque (AND bits 0) in the top 12 rows, transparent below; hot spot at y = 2.
    std::vector<uint8_t> andBits(32 * 4, 0xFF);
    std::fill(andBits.begin(), andBits.begin() + 12 * 4, 0x00);
    const std::vector<uint8_t> xorBits(32 * 4, 0x00);
    const TCursorInUse cursor(CreateCursor(GetModuleHandleW(nullptr), 0, 2, 32, 32, andBits.data(), xorBits.data()));
    const vcl::TSize size = GetCursorSize();
    EXPECT_EQ(size.cx, 32);
    // In the bottom-up mask the first opaque byte opens row 11; the 47 bytes after it make 11 whole rows, less the hot
    // spot's 2.
    EXPECT_EQ(size.cy, 9);
}

TEST(uiDCServices, AMaskLowerThanWideLeavesTheSystemSize) {
    const vcl::TBitmapHandle mask(CreateBitmap(32, 16, 1, 1, nullptr));
    const vcl::TBitmapHandle color(CreateBitmap(32, 16, 1, 32, nullptr));
    ICONINFO icon{FALSE, 0, 0, mask.Get(), color.Get()};
    const TCursorInUse cursor(CreateIconIndirect(&icon));
    EXPECT_EQ(GetCursorSize(), (vcl::TSize{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)}));
}

} // namespace
} // namespace ui
