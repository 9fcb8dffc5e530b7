#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "tests/ui/editors/text/TextEditTestSupport.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"
#include "vcl/graphics/Colors.h"

#include <gtest/gtest.h>

namespace {

using ui_test::InkBounds;
using ui_test::Rgb;
using ui_test::TCanvasSurface;

// A text value painted through the text view data and view info, as a grid cell or a standalone editor paints it.
struct TTextView {
    ui_test::TStyledTextProperties Properties;
    ui::TuiEditStyle Style{nullptr, false};
    std::unique_ptr<ui::TuiCustomEditViewData> Data;
    ui::TuiCustomTextEditViewInfo Info;

    explicit TTextView(ui::TuiTextEditingStyle editingStyle = ui::tesFree, bool isInplace = true)
        : Properties(editingStyle) {
        Style.SetIgnoresDefaultController(true);
        Style.SetBorderStyle(ui::ebsNone);
        Style.SetColor(vcl::clWhite);
        Style.SetTextColor(vcl::clBlack);
        Style.Font().SetName(u"SimSun");
        Style.Font().SetSize(9);
        Data = Properties.CreateViewData(Style, isInplace);
    }
    ui::TuiCustomTextEditViewData& ViewData() { return static_cast<ui::TuiCustomTextEditViewData&>(*Data); }

    void Calculate(TCanvasSurface& on, const rtl::UnicodeString& text, const vcl::TRect& bounds) {
        Data->Calculate(on.Canvas, bounds, false, Info, {}, std::nullopt, {-1, -1});
        Data->ApplyDisplayValue(on.Canvas, rtl::Variant(text), Info);
    }
    std::unique_ptr<TCanvasSurface> Paint(const rtl::UnicodeString& text, const vcl::TRect& bounds, int width = 120,
                                          int height = 40) {
        auto on = std::make_unique<TCanvasSurface>(width, height);
        on->Surface.Fill(vcl::clFuchsia);
        Calculate(*on, text, bounds);
        Info.Paint(on->Canvas);
        return on;
    }
};

int ZgHeight(TCanvasSurface& on, TTextView& view) {
    on.Canvas.SetFont(view.Style.Font());
    return on.Canvas.GetTextHeight(u"Zg");
}

TEST(TextEditView, AnEmptyTextDrawsNothingAndMeasuresOneRowHigh) {
    TTextView view;
    auto on = view.Paint(u"", {0, 0, 100, 20});
    EXPECT_TRUE(InkBounds(on->Surface, vcl::clBlack).IsEmpty());
    EXPECT_FALSE(InkBounds(on->Surface, vcl::clWhite).IsEmpty());
    const uint32_t flags = view.ViewData().GetTextFlags();
    EXPECT_EQ(view.ViewData().CalculateEditTextSize(on->Canvas, u"", flags, {}, 0, false),
              (vcl::TSize{0, ZgHeight(*on, view) + view.ViewData().GetContentOffsets().Top +
                                 view.ViewData().GetContentOffsets().Bottom}));
    view.ViewData().EmptyTextMeasuresZero = true;
    const vcl::TSize zero = view.ViewData().CalculateEditTextSize(on->Canvas, u"", flags, {}, 0, false);
    EXPECT_EQ(zero.cx, 0);
    EXPECT_EQ(zero.cy, view.ViewData().GetContentOffsets().Top + view.ViewData().GetContentOffsets().Bottom);
}

TEST(TextEditView, TheListOnlyStyleMovesRightAlignedTextOnePixelInAndDown) {
    TTextView free(ui::tesFree, false);
    TTextView listOnly(ui::tesListOnly, false);
    for (TTextView* view : {&free, &listOnly}) {
        view->Properties.GetAlignment().SetHorz(vcl::taRightJustify);
        view->Data = view->Properties.CreateViewData(view->Style, false);
    }
    auto freeSurface = free.Paint(u"Text", {0, 0, 100, 24});
    auto listSurface = listOnly.Paint(u"Text", {0, 0, 100, 24});
    EXPECT_EQ(listOnly.Info.TextRect.Right, free.Info.TextRect.Right - 1);
    EXPECT_EQ(listOnly.Info.TextRect.Top, free.Info.TextRect.Top + 1);
    const vcl::TRect freeInk = InkBounds(freeSurface->Surface, vcl::clBlack);
    const vcl::TRect listInk = InkBounds(listSurface->Surface, vcl::clBlack);
    ASSERT_FALSE(freeInk.IsEmpty());
    EXPECT_EQ(listInk.Right, freeInk.Right - 1);
    EXPECT_EQ(listInk.Top, freeInk.Top + 1);
}

TEST(TextEditView, RowsTallerThanTheCellStartAtTheTopAndEndWithAnEllipsis) {
    TTextView view;
    view.ViewData().WrapsText = true;
    view.ViewData().VertAlignment = ui::taVCenter;
    TCanvasSurface measure(10, 10);
    const int rowHeight = ZgHeight(measure, view);
    measure.Canvas.SetFont(view.Style.Font());
    const int wordWidth = measure.Canvas.GetTextWidth(u"wwww");
    const int contentHeight =
        view.ViewData().GetContentOffsets().Top + view.ViewData().GetContentOffsets().Bottom + 2 * rowHeight;
    const vcl::TRect bounds{0, 0, wordWidth + wordWidth / 2, contentHeight};
    auto on = view.Paint(u"wwww wwww wwww", bounds, bounds.Right + 4, contentHeight + 4);
    EXPECT_EQ(view.Info.TextFlags & ui::tlVertAlignMask, 0u);
    EXPECT_NE(view.Info.TextFlags & ui::tlWordBreak, 0u);
    EXPECT_EQ(view.Info.TextFlags & ui::tlSingleLine, 0u);
    ASSERT_EQ(view.Info.TextLayout.Rows.Count(), 2);
    EXPECT_TRUE(view.Info.TextLayout.Truncated);
    EXPECT_EQ(view.Info.TextLayout.Rows[0].Y, view.Info.TextRect.Top);
    const vcl::TRect ink = InkBounds(on->Surface, vcl::clBlack);
    EXPECT_LT(ink.Top, view.Info.TextRect.Top + rowHeight / 2);
    EXPECT_GT(ink.Bottom, view.Info.TextRect.Top + rowHeight);
}

TEST(TextEditView, TheSelectionIsClampedToTheText) {
    const struct {
        int32_t start;
        int32_t length;
        int32_t shown;
    } cases[] = {{10, 1, 0}, {5, 10, 3}, {0, 8, 8}, {-1, 3, 0}};
    for (const auto& c : cases) {
        TTextView view;
        view.ViewData().SelStart = c.start;
        view.ViewData().SelLength = c.length;
        auto on = view.Paint(u"abcdefgh", {0, 0, 100, 20});
        EXPECT_EQ(view.Info.TextLayout.SelLength, c.shown) << c.start;
        EXPECT_EQ(InkBounds(on->Surface, vcl::clHighlight).IsEmpty(), c.shown == 0) << c.start;
    }
}

TEST(TextEditView, TheLastThreeCharactersShowSelectedAtTheEnd) {
    TTextView view;
    view.ViewData().SelStart = 5;
    view.ViewData().SelLength = 10;
    auto on = view.Paint(u"abcdefgh", {0, 0, 100, 20});
    const vcl::TRect selected = InkBounds(on->Surface, vcl::clHighlight);
    const vcl::TRect text = InkBounds(on->Surface, vcl::clBlack);
    ASSERT_FALSE(selected.IsEmpty());
    EXPECT_GT(selected.Left, text.Left);
    EXPECT_GE(selected.Right, text.Right);
    auto again = view.Paint(u"abcdefgh", {0, 0, 100, 20});
    EXPECT_EQ(on->Surface.Pixels(), again->Surface.Pixels());
}

TEST(TextEditView, SelectionColoursFollowTheGivenOnes) {
    const struct {
        vcl::TColor style;
        vcl::TColor back;
        vcl::TColor text;
        vcl::TColor expectedBack;
        vcl::TColor expectedText;
    } cases[] = {
        {vcl::clWhite, vcl::clDefault, vcl::clDefault, vcl::clHighlight, vcl::clHighlightText},
        {vcl::clHighlight, vcl::clDefault, vcl::clDefault, vcl::clBlack, vcl::clWhite},
        {vcl::clWhite, vcl::clRed, vcl::clDefault, vcl::clRed, static_cast<vcl::TColor>(0xFFFF00)},
        {vcl::clWhite, vcl::clDefault, vcl::clBlue, static_cast<vcl::TColor>(0x00FFFF), vcl::clBlue},
        {vcl::clWhite, vcl::clRed, vcl::clBlue, vcl::clRed, vcl::clBlue},
    };
    for (const auto& c : cases) {
        TTextView view;
        view.Style.SetColor(c.style);
        view.ViewData().SelStart = 0;
        view.ViewData().SelLength = 2;
        view.ViewData().SelBackgroundColor = c.back;
        view.ViewData().SelTextColor = c.text;
        TCanvasSurface on(10, 10);
        view.Calculate(on, u"abc", {0, 0, 100, 20});
        EXPECT_EQ(view.Info.SelectionBackColor, c.expectedBack) << &c - cases;
        EXPECT_EQ(view.Info.SelectionTextColor, c.expectedText) << &c - cases;
    }
}

TEST(TextEditView, ACutTextHintsTheWholeText) {
    TTextView view;
    TCanvasSurface on(10, 10);
    view.Calculate(on, u"a rather long text", {0, 0, 30, 20});
    bool multiLine = true;
    rtl::UnicodeString hint;
    vcl::TRect hintRect;
    EXPECT_TRUE(view.Info.GetHintInfo(on.Canvas, {5, 5}, hintRect, multiLine, hint));
    EXPECT_EQ(hint, u"a rather long text");
    EXPECT_EQ(hintRect, view.Info.TextRect);
    EXPECT_FALSE(multiLine);

    view.Calculate(on, u"ab", {0, 0, 100, 20});
    EXPECT_FALSE(view.Info.GetHintInfo(on.Canvas, {5, 5}, hintRect, multiLine, hint));
    EXPECT_EQ(hint, u"");
}

TEST(TextEditView, MovingTheViewInfoMovesItsLaidOutRows) {
    TTextView view;
    auto on = view.Paint(u"abc", {0, 0, 60, 20});
    const int32_t x = view.Info.TextLayout.Rows[0].X;
    const vcl::TRect textRect = view.Info.TextRect;
    view.Info.Offset(7, 3);
    EXPECT_EQ(view.Info.TextLayout.Rows[0].X, x + 7);
    EXPECT_EQ(view.Info.TextRect.Top, textRect.Top + 3);
}

} // namespace
