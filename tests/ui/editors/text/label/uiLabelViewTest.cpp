#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/editors/text/label/uiLabelProperties.h"
#include "ui/editors/text/label/uiLabelViewData.h"
#include "ui/editors/text/label/uiLabelViewInfo.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace {

using ui_test::InkBounds;
using ui_test::Rgb;
using ui_test::TCanvasSurface;

// A label value painted without a control, on a white ground in black text.
struct TLabelView {
    ui::TuiLabelProperties Properties{nullptr};
    ui::TuiEditStyle Style{nullptr, false};
    std::unique_ptr<ui::TuiCustomEditViewData> Data;
    ui::TuiCustomLabelViewInfo Info;
    bool IsInplace;

    explicit TLabelView(bool isInplace = false, int32_t fontSize = 10) : IsInplace(isInplace) {
        Style.SetIgnoresDefaultController(true);
        Style.SetBorderStyle(ui::ebsNone);
        Style.SetColor(vcl::clWhite);
        Style.SetTextColor(vcl::clBlack);
        Style.Font().SetName(u"SimSun");
        Style.Font().SetSize(fontSize);
        Properties.SetShadowedColor(vcl::clRed);
    }
    ui::TuiCustomLabelViewData& ViewData() { return static_cast<ui::TuiCustomLabelViewData&>(*Data); }

    void Calculate(TCanvasSurface& on, const rtl::UnicodeString& text, const vcl::TRect& bounds) {
        Data = Properties.CreateViewData(Style, IsInplace);
        Data->Calculate(on.Canvas, bounds, false, Info, {}, std::nullopt, {-1, -1});
        Data->ApplyDisplayValue(on.Canvas, rtl::Variant(text), Info);
    }
    std::unique_ptr<TCanvasSurface> Paint(const rtl::UnicodeString& text, const vcl::TRect& bounds) {
        auto on = std::make_unique<TCanvasSurface>(bounds.Right + 2, bounds.Bottom + 2);
        Calculate(*on, text, bounds);
        Info.Paint(on->Canvas);
        return on;
    }
};

int CountLabelPixels(const ui_test::TDibSurface& surface, vcl::TColor colour) {
    int count = 0;
    for (uint32_t pixel : surface.Pixels()) {
        count += (pixel & 0xFFFFFF) ==
                 (((Rgb(colour) & 0xFF) << 16) | (Rgb(colour) & 0xFF00) | ((Rgb(colour) >> 16) & 0xFF));
    }
    return count;
}

TEST(LabelView, AnglesNormaliseAndOnlyTrueTypeFontsTurn) {
    EXPECT_EQ(ui::NormalizeLabelAngle(450, true), 90);
    EXPECT_EQ(ui::NormalizeLabelAngle(-90, true), 270);
    EXPECT_EQ(ui::NormalizeLabelAngle(450, false), 0);

    TLabelView turned;
    turned.Properties.SetAngle(450);
    turned.Properties.LineOptions().SetVisible(true);
    TCanvasSurface on(10, 10);
    turned.Calculate(on, u"Label", {0, 0, 80, 80});
    EXPECT_TRUE(turned.Info.LineVertical);
    EXPECT_GT(turned.Info.TextBounds.Height(), turned.Info.TextBounds.Width());

    TLabelView raster;
    raster.Style.Font().SetName(u"Small Fonts");
    raster.Properties.SetAngle(450);
    raster.Properties.LineOptions().SetVisible(true);
    raster.Calculate(on, u"Label", {0, 0, 80, 80});
    EXPECT_FALSE(raster.Info.LineVertical);
    EXPECT_GT(raster.Info.TextBounds.Width(), raster.Info.TextBounds.Height());
}

// Without a label control a view info keeps its own picture: painting it again copies the picture, while a new
// calculation or a colour the host sets on it draws it anew.
TEST(LabelView, AViewInfoRepaintsItsPictureOnlyAfterACalculationOrAColourChange) {
    const vcl::TColor mark = vcl::TColor(0x030201);
    TLabelView cell(true);
    const vcl::TRect bounds{0, 0, 60, 20};
    auto on = cell.Paint(u"WM", bounds);
    const auto markPicture = [&cell, mark] {
        vcl::TBitmap& picture = cell.Info.PictureCache().Bitmap();
        picture.Canvas().Brush().SetColor(mark);
        picture.Canvas().FillRect({0, 0, picture.Width(), picture.Height()});
    };
    markPicture();
    cell.Info.Paint(on->Canvas);
    EXPECT_EQ(CountLabelPixels(on->Surface, mark), bounds.Width() * bounds.Height()) << "copied, not drawn";

    cell.Info.BackgroundColor = vcl::clYellow;
    cell.Info.Paint(on->Canvas);
    EXPECT_EQ(CountLabelPixels(on->Surface, mark), 0) << "a selected cell's colours";

    markPicture();
    cell.Calculate(*on, u"WM", bounds);
    cell.Info.Paint(on->Canvas);
    EXPECT_EQ(CountLabelPixels(on->Surface, mark), 0) << "a new calculation";
}

TEST(LabelView, ExtrusionDrawsDepthCopiesTowardsTheText) {
    TLabelView extruded;
    extruded.Properties.SetDepth(4);
    extruded.Properties.SetLabelEffect(ui::uileExtrude);
    extruded.Properties.SetOrientation(ui::uioRightBottom);
    auto on = extruded.Paint(u"WM", {0, 0, 60, 30});
    const vcl::TRect text = InkBounds(on->Surface, vcl::clBlack);
    const vcl::TRect depth = InkBounds(on->Surface, vcl::clRed);
    ASSERT_FALSE(text.IsEmpty());
    ASSERT_FALSE(depth.IsEmpty());
    TLabelView plain;
    auto plainSurface = plain.Paint(u"WM", {0, 0, 60, 30});
    EXPECT_EQ(text, InkBounds(plainSurface->Surface, vcl::clBlack)) << "the text stands where it stands without depth";
    EXPECT_EQ(depth.Right, text.Right + 4);
    EXPECT_EQ(depth.Bottom, text.Bottom + 4);
    const int extrudedRed = CountLabelPixels(on->Surface, vcl::clRed);

    TLabelView cool;
    cool.Properties.SetDepth(4);
    cool.Properties.SetLabelEffect(ui::uileCool);
    cool.Properties.SetOrientation(ui::uioRightBottom);
    auto shadow = cool.Paint(u"WM", {0, 0, 60, 30});
    const vcl::TRect coolText = InkBounds(shadow->Surface, vcl::clBlack);
    const vcl::TRect coolDepth = InkBounds(shadow->Surface, vcl::clRed);
    EXPECT_EQ(coolDepth.Right, coolText.Right + 4);
    EXPECT_EQ(coolDepth.Bottom, coolText.Bottom + 4);
    EXPECT_LT(CountLabelPixels(shadow->Surface, vcl::clRed), extrudedRed) << "one copy, not four";
}

TEST(LabelView, TheFunEffectFadesFromTheGroundToTheShadow) {
    TLabelView fun;
    fun.Properties.SetDepth(3);
    fun.Properties.SetLabelEffect(ui::uileFun);
    fun.Properties.SetShadowedColor(vcl::clBlack);
    fun.Style.SetTextColor(vcl::clBlue);
    auto on = fun.Paint(u"WM", {0, 0, 60, 30});
    for (uint8_t grey : {170, 85, 0}) {
        EXPECT_FALSE(InkBounds(on->Surface, static_cast<vcl::TColor>(grey | grey << 8 | grey << 16)).IsEmpty())
            << int(grey);
    }
}

TEST(LabelView, RaisedTextCastsAShadowFromTwelvePoints) {
    for (int32_t size : {10, 12}) {
        TLabelView raised(false, size);
        raised.Properties.SetLabelStyle(ui::uilsRaised);
        auto on = raised.Paint(u"WM", {0, 0, 80, 40});
        const bool hasShadow = !InkBounds(on->Surface, vcl::clBtnShadow).IsEmpty();
        EXPECT_EQ(hasShadow, size >= 12) << size;
        EXPECT_EQ(raised.Info.StyleOffset, size >= 12 ? 2 : 1);
        const vcl::TRect text = InkBounds(on->Surface, vcl::clBlack);
        EXPECT_GE(text.Left, 1) << "the text sits one pixel in";
    }
}

// A glyph of one colour.
std::unique_ptr<vcl::TBitmap> SolidGlyph(vcl::TColor colour) {
    auto glyph = std::make_unique<vcl::TBitmap>(8, 8);
    glyph->Canvas().Brush().SetColor(colour);
    glyph->Canvas().FillRect({0, 0, 8, 8});
    return glyph;
}

TEST(LabelView, AGlyphFillsTheLettersOfATrueTypeFontOnly) {
    const auto green = SolidGlyph(vcl::clLime);
    TLabelView plain(false, 20);
    const auto plainOn = plain.Paint(u"WM", {0, 0, 80, 40});
    const vcl::TRect letters = InkBounds(plainOn->Surface, vcl::clBlack);
    ASSERT_FALSE(letters.IsEmpty());

    TLabelView filled(false, 20);
    filled.Properties.SetGlyph(green.get());
    auto on = filled.Paint(u"WM", {0, 0, 80, 40});
    EXPECT_EQ(CountLabelPixels(on->Surface, vcl::clBlack), 0) << "the glyph takes the text colour's place";
    const vcl::TRect glyphInk = InkBounds(on->Surface, vcl::clLime);
    ASSERT_FALSE(glyphInk.IsEmpty());
    // Only the letters are filled: smoothing aside (one pixel), the glyph's ink is the text's.
    EXPECT_NEAR(glyphInk.Left, letters.Left, 1);
    EXPECT_NEAR(glyphInk.Top, letters.Top, 1);
    EXPECT_NEAR(glyphInk.Right, letters.Right, 1);
    EXPECT_NEAR(glyphInk.Bottom, letters.Bottom, 1);
    // Smoothed text has fewer pixels of the full colour than the letters' outline holds.
    EXPECT_GE(CountLabelPixels(on->Surface, vcl::clLime), CountLabelPixels(plainOn->Surface, vcl::clBlack));
    EXPECT_EQ(on->Surface.Pixels(), filled.Paint(u"WM", {0, 0, 80, 40})->Surface.Pixels());

    filled.Style.Font().SetName(u"Small Fonts");
    on = filled.Paint(u"WM", {0, 0, 80, 40});
    EXPECT_EQ(CountLabelPixels(on->Surface, vcl::clLime), 0) << "a raster font draws plainly";
    EXPECT_GT(CountLabelPixels(on->Surface, vcl::clBlack), 0);

    int changes = 0;
    filled.Properties.SetOnPropertiesChanged([&changes](rtl::TObject*) { ++changes; });
    filled.Properties.Glyph().SetSize(4, 4);
    filled.Properties.SetGlyph(nullptr);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(filled.Properties.HasGlyph());
    EXPECT_TRUE(filled.Properties.Glyph().Empty()) << "read again, the glyph is there, empty";
}

TEST(LabelView, ATopLineMovesTheTextDown) {
    TLabelView plain;
    TLabelView lined;
    lined.Properties.LineOptions().SetVisible(true);
    lined.Properties.LineOptions().SetAlignment(ui::uillaTop);
    TCanvasSurface on(10, 10);
    plain.Calculate(on, u"Label", {0, 0, 100, 30});
    lined.Calculate(on, u"Label", {0, 0, 100, 30});
    const int32_t width = lined.ViewData().GetLineWidth();
    EXPECT_EQ(lined.Info.TextBounds.Top, plain.Info.TextBounds.Top + width);
    EXPECT_EQ(lined.Info.LineBounds.Top, lined.Info.ClientRect.Top);
    EXPECT_EQ(lined.Info.LineBounds.Height(), width);

    TLabelView centred;
    centred.Properties.LineOptions().SetVisible(true);
    centred.Calculate(on, u"Label", {0, 0, 100, 30});
    EXPECT_EQ(centred.Info.LineBounds.Left, centred.Info.TextBounds.Right + 3);
}

TEST(LabelView, ASideLineOfATurnedLabelWidensItsMeasure) {
    TCanvasSurface on(10, 10);
    TLabelView plain;
    plain.Properties.SetAngle(90);
    plain.Data = plain.Properties.CreateViewData(plain.Style, false);
    const vcl::TSize without = plain.ViewData().GetValueContentSize(on.Canvas, rtl::Variant(u"Label"), {});
    for (ui::TuiLabelLineAlignment where : {ui::uillaTop, ui::uillaBottom}) {
        TLabelView lined;
        lined.Properties.SetAngle(90);
        lined.Properties.LineOptions().SetVisible(true);
        lined.Properties.LineOptions().SetAlignment(where);
        lined.Data = lined.Properties.CreateViewData(lined.Style, false);
        const vcl::TSize with = lined.ViewData().GetValueContentSize(on.Canvas, rtl::Variant(u"Label"), {});
        EXPECT_EQ(with.cx, without.cx + lined.ViewData().GetLineWidth());
        EXPECT_EQ(with.cy, without.cy);
        const vcl::TSize editor = lined.ViewData().GetEditSize(on.Canvas, rtl::Variant(u"Label"), {});
        lined.Calculate(on, u"Label", {0, 0, editor.cx, editor.cy});
        EXPECT_LE(lined.Info.TextBounds.Right, lined.Info.ClientRect.Right) << "the text keeps its room";
        EXPECT_GE(lined.Info.TextBounds.Left, lined.Info.ClientRect.Left);
        EXPECT_FALSE(ui::RectsIntersect(lined.Info.TextBounds, lined.Info.LineBounds));
    }
}

TEST(LabelView, AnEmptyCaptionMeasuresOneBlank) {
    TCanvasSurface on(10, 10);
    TLabelView label;
    label.Data = label.Properties.CreateViewData(label.Style, false);
    const vcl::TSize empty = label.ViewData().GetValueContentSize(on.Canvas, rtl::Variant(u""), {});
    const vcl::TSize blank = label.ViewData().GetValueContentSize(on.Canvas, rtl::Variant(u" "), {});
    EXPECT_EQ(empty, blank);
    EXPECT_GT(empty.cy, 0);
}

TEST(LabelView, ARightAlignedCellEndsItsInkAtTheRightEdge) {
    TLabelView cell(true);
    cell.Properties.GetAlignment().SetHorz(vcl::taRightJustify);
    cell.Properties.GetAlignment().SetVert(ui::taVCenter);
    auto on = cell.Paint(u"12.50", {0, 0, 80, 24});
    const vcl::TRect ink = InkBounds(on->Surface, vcl::clBlack);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Right, 80 - 5);
    EXPECT_LE(ink.Right, 80);
    EXPECT_GT(ink.Top, 2);
    auto again = cell.Paint(u"12.50", {0, 0, 80, 24});
    EXPECT_EQ(on->Surface.Pixels(), again->Surface.Pixels());
}

} // namespace
