// The text engine on device contexts under Wine, measured in the test's font: breaking (English words, Chinese with
// its punctuation, words too long for a row), drawing with a highlight and the end ellipsis (compared with the same
// pieces drawn directly, never with stored images), vertical distribution, calculation, tabs in very long texts, the
// ANSI functions of the Windows 9x family, and rows too low to read.

#include "ui/core/text/uiDrawTextUtils.h"

#include "rtl/text/CodePages.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/text/uiTextOutput.h"
#include "vcl/graphics/Font.h"
#include "vcl/system/Win32.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;

// A surface with the test font (the CJK font that stands in for SimSun) selected into its device context.
struct TTextSurface : TCanvasOnSurface {
    explicit TTextSurface(int width = 200, int height = 60, int fontHeight = 16) : TCanvasOnSurface(width, height) {
        Frame.Font().SetName(u"SimSun");
        Frame.Font().SetHeight(fontHeight);
        Frame.RequireFont();
    }
    HDC DC() { return Frame.Handle(); }
    int32_t Width(rtl::UnicodeStringView text) { return TextOutput().MeasureText(DC(), text).cx; }
};

std::vector<rtl::UnicodeString> RowTexts(const TuiTextRows& rows) {
    std::vector<rtl::UnicodeString> texts;
    for (int32_t i = 0; i < rows.Count(); ++i) {
        texts.emplace_back(rows.RowText(i));
    }
    return texts;
}

using TRowTexts = std::vector<rtl::UnicodeString>;

// The standard output, with what the engine asks of it recorded; DrawText measures of texts longer than
// ZeroAbove characters answer 0 wide, as the system does for some very long texts.
class TRecordingTextOutput final : public TuiTextOutput {
public:
    TRecordingTextOutput() : FStandard(TextOutput()) { TextOutputSeam().Inject(this); }
    ~TRecordingTextOutput() { TextOutputSeam().Inject(nullptr); }

    vcl::TSize MeasureText(HDC dc, rtl::UnicodeStringView text) override { return FStandard.MeasureText(dc, text); }
    uint32_t MeasureTabbedText(HDC dc, rtl::UnicodeStringView text) override {
        return FStandard.MeasureTabbedText(dc, text);
    }
    vcl::TSize MeasureWithDrawText(HDC dc, rtl::UnicodeStringView text) override {
        DrawTextMeasures.push_back(text.size());
        const vcl::TSize size = FStandard.MeasureWithDrawText(dc, text);
        return text.size() > ZeroAbove ? vcl::TSize{0, size.cy} : size;
    }
    void OutputText(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text) override {
        FStandard.OutputText(dc, x, y, text);
    }
    void OutputTabbedText(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text, int32_t tabOrigin) override {
        TabbedOutputs.push_back(text.size());
        FStandard.OutputTabbedText(dc, x, y, text, tabOrigin);
    }
    void OutputClippedText(HDC dc, int32_t x, int32_t y, const vcl::TRect* clip, rtl::UnicodeStringView text) override {
        FStandard.OutputClippedText(dc, x, y, clip, text);
    }

    size_t ZeroAbove = SIZE_MAX;
    std::vector<size_t> DrawTextMeasures;
    std::vector<size_t> TabbedOutputs;

private:
    TuiTextOutput& FStandard;
};

TEST(uiDrawTextUtils, ParametersComeFromTheDeviceContextsFont) {
    TTextSurface on;
    TEXTMETRICW metrics{};
    GetTextMetricsW(on.DC(), &metrics);
    const TuiTextParams params = InitCanvasTextParams(on.Frame, tlEndEllipsis | tlExternalLeading, 2.0);
    EXPECT_EQ(params.RowHeight, metrics.tmHeight);
    EXPECT_EQ(params.ExternalLeading, metrics.tmExternalLeading);
    EXPECT_EQ(params.FullRowHeight, 2 * (metrics.tmHeight + metrics.tmExternalLeading));
    EXPECT_EQ(params.EndEllipsisWidth, on.Width(u"..."));
    EXPECT_EQ(params.OnePixel, 1);
    EXPECT_EQ(params.CharBreak, GetSystemMetrics(SM_DBCSENABLED) != 0) << "a Far-East system breaks characters";
}

TEST(uiDrawTextUtils, TextBreaksInTheWidthsOfItsFont) {
    TTextSurface on;
    TuiTextParams params = InitTextParams(on.DC(), tlWordBreak);
    TuiTextRows rows;
    EXPECT_TRUE(BreakTextIntoRows(on.DC(), u"abc def", {0, 0, on.Width(u"abc"), 100}, params, rows));
    EXPECT_EQ(RowTexts(rows), (TRowTexts{u"abc", u"def"}));
    BreakTextIntoRows(on.DC(), u"一二三。", {0, 0, on.Width(u"一二三"), 100}, params, rows);
    EXPECT_EQ(RowTexts(rows), (TRowTexts{u"一二", u"三。"})) << "the full stop stays with the third character";

    params.CharBreak = true;
    BreakTextIntoRows(on.DC(), u"abcdefgh", {0, 0, on.Width(u"abc") + 1, 100}, params, rows);
    EXPECT_EQ(RowTexts(rows), (TRowTexts{u"abc", u"def", u"gh"}));
    params.CharBreak = false;
    BreakTextIntoRows(on.DC(), u"abcdefgh", {0, 0, on.Width(u"abc") + 1, 100}, params, rows);
    EXPECT_EQ(RowTexts(rows), (TRowTexts{u"abcdefgh"}));

    const rtl::AnsiString gbk = rtl::UnicodeToAnsi(u"一二三。", 936);
    params.CharSet = 134;
    BreakAnsiTextIntoRowsOnDC(on.DC(), gbk, {0, 0, on.Width(u"一二三"), 100}, params, rows);
    EXPECT_EQ(RowTexts(rows), (TRowTexts{u"一二", u"三。"})) << "ANSI text in the character set's code page";
}

TEST(uiDrawTextUtils, TheHighlightCoversTheSelectedCharacters) {
    TTextSurface on;
    vcl::TRect rect{10, 5, 190, 40};
    TuiDrawTextOptions options;
    options.SelStart = 4;
    options.SelLength = 3;
    options.HighlightBackColor = vcl::clBlue;
    options.HighlightTextColor = vcl::clWhite;
    const int32_t height = DrawTextWide(on.DC(), u"abc def", rect, tlSingleLine, options);
    EXPECT_EQ(height, InitTextParams(on.DC(), 0).RowHeight);
    const vcl::TRect blue = ui_test::BoundsOf(ui_test::PixelsOfColor(on.Surface, vcl::clBlue));
    EXPECT_EQ(blue.Left, 10 + on.Width(u"abc "));
    EXPECT_EQ(blue.Right, 10 + on.Width(u"abc def"));
    EXPECT_EQ(blue.Top, 5);
    EXPECT_FALSE(ui_test::PixelsOfColor(on.Surface, vcl::clWhite).empty());
    const vcl::TRect ink = ui_test::BoundsOf(ui_test::PixelsOfColor(on.Surface, vcl::clBlack));
    EXPECT_LT(ink.Right, blue.Left + 1) << "the unselected text stays left of the highlight";

    TTextSurface outside;
    options.SelStart = 20;
    DrawTextWide(outside.DC(), u"abc def", rect, tlSingleLine, options);
    EXPECT_TRUE(ui_test::PixelsOfColor(outside.Surface, vcl::clBlue).empty()) << "a selection outside the text";
}

TEST(uiDrawTextUtils, TheEllipsisFollowsTheShortenedLastRow) {
    TTextSurface drawn;
    const rtl::UnicodeStringView text = u"abcdefghijkl";
    const int32_t width = drawn.Width(u"abcdef");
    vcl::TRect rect{0, 0, width, 30};
    DrawTextWide(drawn.DC(), text, rect, tlSingleLine | tlEndEllipsis);

    TTextSurface expected;
    const int32_t room = width - expected.Width(u"...");
    size_t kept = 1;
    while (kept < text.size() && expected.Width(text.substr(0, kept + 1)) <= room) {
        ++kept;
    }
    SetBkMode(expected.DC(), TRANSPARENT);
    TextOutW(expected.DC(), 0, 0, vcl::AsWide(text.data()), static_cast<int>(kept));
    TextOutW(expected.DC(), expected.Width(text.substr(0, kept)), 0, L"...", 3);
    EXPECT_EQ(drawn.Surface.Pixels(), expected.Surface.Pixels());
    EXPECT_LT(kept, 6u);
}

TEST(uiDrawTextUtils, DistributedRowsSpreadOverTheRectangle) {
    TTextSurface on(100, 120);
    vcl::TRect rect{0, 0, 100, 120};
    DrawTextWide(on.DC(), u"A\r\nB\r\nC", rect, TextLayoutAlignment(thaLeft, tvaDistribute));
    const TuiTextParams params = InitTextParams(on.DC(), 0);
    const vcl::TRect ink = ui_test::BoundsOf(ui_test::PixelsOtherThan(on.Surface, vcl::clWhite));
    EXPECT_LT(ink.Top, params.RowHeight);
    EXPECT_GT(ink.Bottom, 120 - params.RowHeight) << "the last row sits at the bottom";

    TTextSurface calculated;
    vcl::TRect needed{5, 5, 500, 500};
    DrawTextWide(calculated.DC(), u"abc def\r\nxy", needed, tlCalcRect | tlWordBreak | tlAutoIndents);
    EXPECT_EQ(needed, (vcl::TRect{5, 5, 5 + calculated.Width(u"abc def") + 4, 5 + 2 * params.RowHeight + 4}));
    EXPECT_TRUE(ui_test::AllPixelsAre(calculated.Surface, {0, 0, 200, 60}, vcl::clWhite)) << "nothing drawn";
    vcl::TRect counted{0, 0, 100, 100};
    EXPECT_EQ(DrawTextWide(calculated.DC(), u"a\r\nb\r\nc", counted, tlCalcRowCount), 3);
    vcl::TRect unusable{0, 0, 0, 10};
    EXPECT_EQ(DrawTextWide(calculated.DC(), u"abc", unusable, 0), 0);
}

TEST(uiDrawTextUtils, LongTextsWithTabsAreMeasuredAndDrawnInPieces) {
    TTextSurface on(200, 60, 30);
    rtl::UnicodeString wide;
    for (int i = 0; i < 500; ++i) {
        wide += u"WWWWWWW\t";
    }
    // GetTabbedTextExtent's 16-bit width gets the whole multiples of 65535 that DrawText's measure shows are missing.
    const vcl::TSize extent = MeasureTextExtent(on.DC(), wide);
    const int32_t tabbed = static_cast<int32_t>(TextOutput().MeasureTabbedText(on.DC(), wide) & 0xFFFF);
    EXPECT_GT(extent.cx, 0xFFFF) << "wider than GetTabbedTextExtent's 16 bits";
    EXPECT_EQ((extent.cx - tabbed) % 0xFFFF, 0);
    EXPECT_LT(std::abs(extent.cx - TextOutput().MeasureWithDrawText(on.DC(), wide).cx), 0x8000);

    rtl::UnicodeString longText;
    while (longText.size() < 70000) {
        longText += u"ab\t";
    }
    longText.resize(70000);
    TRecordingTextOutput recording;
    recording.ZeroAbove = 4096;
    const vcl::TSize measured = MeasureTextExtent(on.DC(), longText);
    EXPECT_EQ(recording.DrawTextMeasures, (std::vector<size_t>{70000, 4096}))
        << "measured whole, then on 4096 characters when the whole measures 0 wide";
    EXPECT_GT(measured.cx, 0);

    vcl::TRect rect{0, 0, 200, 60};
    DrawTextWide(on.DC(), longText, rect, tlSingleLine | tlExpandTabs);
    ASSERT_FALSE(recording.TabbedOutputs.empty());
    for (const size_t length : recording.TabbedOutputs) {
        EXPECT_LE(length, 4096u);
    }
    EXPECT_FALSE(ui_test::PixelsOtherThan(on.Surface, vcl::clWhite).empty());
}

TEST(uiDrawTextUtils, TheWindows9xFamilyDrawsTheSameThroughTheAnsiFunctions) {
    TTextSurface unicode;
    vcl::TRect rect{0, 0, 200, 60};
    DrawTextWide(unicode.DC(), u"abc 中文\tx", rect, tlWordBreak | tlExpandTabs);
    TTextSurface ansi;
    {
        const ui_test::TPinnedSystemInfo windows98({uxPlatformWin9x, 4, 10});
        DrawTextWide(ansi.DC(), u"abc 中文\tx", rect, tlWordBreak | tlExpandTabs);
    }
    EXPECT_EQ(ansi.Surface.Pixels(), unicode.Surface.Pixels());
    EXPECT_FALSE(ui_test::PixelsOtherThan(ansi.Surface, vcl::clWhite).empty());
}

TEST(uiDrawTextUtils, PrefixesAnsiTextAndRowsTooLowToRead) {
    TTextSurface marked;
    vcl::TRect rect{0, 0, 200, 60};
    DrawTextWide(marked.DC(), u"&File", rect, tlHidePrefix);
    TTextSurface plain;
    DrawTextWide(plain.DC(), u"File", rect, 0);
    EXPECT_EQ(marked.Surface.Pixels(), plain.Surface.Pixels()) << "the mark is removed";

    TTextSurface fromAnsi;
    vcl::TFont font;
    font.SetName(u"SimSun");
    font.SetHeight(16);
    font.SetCharset(134);
    TuiDrawTextOptions options;
    options.Font = &font;
    DrawTextAnsi(fromAnsi.Frame, rtl::UnicodeToAnsi(u"中文", 936), rect, 0, options);
    TTextSurface fromWide;
    DrawTextWide(fromWide.DC(), u"中文", rect, 0);
    EXPECT_EQ(fromAnsi.Surface.Pixels(), fromWide.Surface.Pixels());

    TTextSurface tiny(100, 20, 4);
    tiny.Frame.Font().SetStyle({vcl::fsBold});
    tiny.Frame.RequireFont();
    DrawTextWide(tiny.DC(), u"abcdef", rect, tlPatternedText);
    const TuiTextParams params = InitTextParams(tiny.DC(), tlPatternedText);
    const int32_t width = tiny.Width(u"abcdef");
    EXPECT_TRUE(ui_test::AllPixelsAre(tiny.Surface, {0, 1, width, params.RowHeight - 1}, vcl::clBlack))
        << "a bold row too low to read is a solid bar";
    EXPECT_TRUE(ui_test::AllPixelsAre(tiny.Surface, {0, 0, 100, 1}, vcl::clWhite));
}

} // namespace
} // namespace ui
