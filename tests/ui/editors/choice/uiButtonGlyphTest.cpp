// Button glyphs: images counted from the bitmap's shape, the image each state shows, the shared glyph lists, and the
// layout of glyph and caption in the content rectangle.

#include "ui/editors/choice/uiButtonGlyph.h"

#include "tests/support/ui/GeometryPrinting.h"
#include "tests/ui/editors/choice/ButtonTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::MakeGlyphBitmap;
using ui_test::Rgb;
using ui_test::TCanvasSurface;

TEST(uiButtonGlyph, CountsImagesFromTheBitmapShape) {
    const struct {
        int Width;
        int Height;
        int32_t NumGlyphs;
    } cases[] = {{32, 16, 2}, {80, 16, 1}, {20, 16, 1}, {64, 16, 4}, {16, 16, 1}, {48, 16, 3}};
    for (const auto& c : cases) {
        TuiButtonGlyph glyph;
        glyph.SetGlyph(ui_test::MakePlainBitmap(c.Width, c.Height, vcl::clRed).get());
        EXPECT_EQ(glyph.NumGlyphs(), c.NumGlyphs) << c.Width << " x " << c.Height;
        EXPECT_EQ(glyph.GetGlyphSize().cx, c.Width / c.NumGlyphs);
    }
    TuiButtonGlyph glyph;
    glyph.SetNumGlyphs(9);
    EXPECT_EQ(glyph.NumGlyphs(), 4);
    glyph.SetNumGlyphs(0);
    EXPECT_EQ(glyph.NumGlyphs(), 1);
}

// The colour at the image's centre and at its transparent rim, drawn at (2, 2) on white.
struct TDrawnImage {
    vcl::TColor Centre;
    vcl::TColor Rim;
};

TDrawnImage DrawState(TuiButtonGlyph& glyph, TuiButtonState state) {
    TCanvasSurface on(20, 20);
    TuiButtonGlyphDrawArgs args;
    args.ContentRect = {0, 0, 20, 20};
    args.State = state;
    glyph.Draw(on.Canvas, args);
    return {on.Surface.Pixel(10, 10), on.Surface.Pixel(3, 3)};
}

TEST(uiButtonGlyph, EachStateShowsItsImage) {
    TuiButtonGlyph two;
    two.SetGlyph(MakeGlyphBitmap({vcl::clRed, vcl::clBlue}).get());
    const struct {
        TuiButtonState State;
        vcl::TColor Centre;
    } cases[] = {{uibsNormal, vcl::clRed},
                 {uibsHot, vcl::clRed},
                 {uibsDefault, vcl::clRed},
                 {uibsPressed, vcl::clRed},
                 {uibsDisabled, vcl::clBlue}};
    for (const auto& c : cases) {
        const TDrawnImage drawn = DrawState(two, c.State);
        EXPECT_EQ(drawn.Centre, Rgb(c.Centre)) << int(c.State);
        EXPECT_EQ(drawn.Rim, Rgb(vcl::clWhite)) << int(c.State);
    }

    TuiButtonGlyph three;
    three.SetGlyph(MakeGlyphBitmap({vcl::clRed, vcl::clBlue, vcl::clLime}).get());
    EXPECT_EQ(DrawState(three, uibsPressed).Centre, Rgb(vcl::clLime));
}

TEST(uiButtonGlyph, OneImageIsGreyedForTheDisabledState) {
    TuiButtonGlyph glyph;
    glyph.SetGlyph(MakeGlyphBitmap({vcl::clRed}).get());
    const TDrawnImage disabled = DrawState(glyph, uibsDisabled);
    EXPECT_NE(disabled.Centre, Rgb(vcl::clRed));
    EXPECT_NE(disabled.Centre, Rgb(vcl::clWhite));
    EXPECT_EQ(disabled.Rim, Rgb(vcl::clWhite));
    EXPECT_EQ(DrawState(glyph, uibsNormal).Centre, Rgb(vcl::clRed));
}

TEST(uiButtonGlyph, GlyphsOfOneSizeShareAListWhoseSlotsAreReused) {
    ASSERT_EQ(GlyphCache(), nullptr);
    auto first = std::make_unique<TuiButtonGlyph>();
    auto second = std::make_unique<TuiButtonGlyph>();
    first->SetGlyph(MakeGlyphBitmap({vcl::clRed}).get());
    second->SetGlyph(MakeGlyphBitmap({vcl::clBlue}).get());
    const int32_t firstSlot = first->CreateButtonGlyph(uibsNormal);
    second->CreateButtonGlyph(uibsNormal);
    ASSERT_NE(first->GlyphList(), nullptr);
    EXPECT_EQ(first->GlyphList(), second->GlyphList());
    EXPECT_EQ(GlyphCache()->ListCount(), 1);
    EXPECT_EQ(first->GlyphList()->UsedCount(), 2);

    first.reset();
    TuiButtonGlyph third;
    third.SetGlyph(MakeGlyphBitmap({vcl::clLime}).get());
    EXPECT_EQ(third.CreateButtonGlyph(uibsNormal), firstSlot);
    EXPECT_EQ(third.GlyphList()->Count(), 2);
    EXPECT_EQ(DrawState(third, uibsNormal).Centre, Rgb(vcl::clLime));

    TuiButtonGlyph other;
    other.SetGlyph(MakeGlyphBitmap({vcl::clRed}, 24).get());
    other.CreateButtonGlyph(uibsNormal);
    EXPECT_EQ(GlyphCache()->ListCount(), 2);
    second.reset();
}

TEST(uiButtonGlyph, TheCacheGoesWithTheLastGlyph) {
    {
        TuiButtonGlyph glyph;
        glyph.SetGlyph(MakeGlyphBitmap({vcl::clRed}).get());
        glyph.CreateButtonGlyph(uibsNormal);
        EXPECT_NE(GlyphCache(), nullptr);
    }
    EXPECT_EQ(GlyphCache(), nullptr);
}

TEST(uiButtonGlyph, AChangedBitmapDropsItsImages) {
    TuiButtonGlyph glyph;
    int changes = 0;
    glyph.SetOnChange([&](rtl::TObject*) { ++changes; });
    glyph.SetGlyph(MakeGlyphBitmap({vcl::clRed}).get());
    EXPECT_EQ(DrawState(glyph, uibsNormal).Centre, Rgb(vcl::clRed));
    glyph.SetGlyph(MakeGlyphBitmap({vcl::clBlue}).get());
    EXPECT_EQ(DrawState(glyph, uibsNormal).Centre, Rgb(vcl::clBlue));
    EXPECT_GE(changes, 2);
}

class uiButtonGlyphLayout : public testing::Test {
protected:
    TCanvasSurface On{120, 40};
    TuiButtonGlyph Glyph;
    TuiButtonGlyphDrawArgs Args;

    void SetUp() override {
        Glyph.SetGlyph(MakeGlyphBitmap({vcl::clRed}).get());
        Args.ContentRect = {10, 5, 110, 35};
        Args.Caption = u"OK";
    }
    int TextWidth() { return On.Canvas.GetTextWidth(Args.Caption); }
};

TEST_F(uiButtonGlyphLayout, CentresGlyphAndCaptionTogether) {
    const TuiButtonGlyphLayout layout = Glyph.CalcButtonLayout(On.Canvas, Args);
    EXPECT_EQ(layout.TextRect.Left - (layout.GlyphPosition.X + 16), 4);
    const int leftGap = layout.GlyphPosition.X - Args.ContentRect.Left;
    const int rightGap = Args.ContentRect.Right - layout.TextRect.Right;
    EXPECT_NEAR(leftGap, rightGap, 1);
    EXPECT_EQ(layout.GlyphPosition.Y, 5 + (30 - 16) / 2);
}

TEST_F(uiButtonGlyphLayout, SpreadsTheContentInThreeEqualGaps) {
    Args.Margin = -1;
    Args.Spacing = -1;
    const TuiButtonGlyphLayout layout = Glyph.CalcButtonLayout(On.Canvas, Args);
    const int first = layout.GlyphPosition.X - Args.ContentRect.Left;
    const int between = layout.TextRect.Left - (layout.GlyphPosition.X + 16);
    const int last = Args.ContentRect.Right - layout.TextRect.Right;
    EXPECT_EQ(first, between);
    EXPECT_NEAR(last, first, 2);
}

TEST_F(uiButtonGlyphLayout, ACaptionWithoutGlyphGetsRoomOnBothSides) {
    Glyph.SetGlyph(nullptr);
    const TuiButtonGlyphLayout layout = Glyph.CalcButtonLayout(On.Canvas, Args);
    const int margin = (100 - (TextWidth() + 3)) / 2;
    EXPECT_EQ(layout.TextRect.Left, Args.ContentRect.Left + margin + 1);
    EXPECT_EQ(layout.TextRect.Width(), TextWidth());
}

TEST_F(uiButtonGlyphLayout, RightToLeftSwapsTheSides) {
    Args.Margin = 2;
    const TuiButtonGlyphLayout leftToRight = Glyph.CalcButtonLayout(On.Canvas, Args);
    EXPECT_EQ(leftToRight.GlyphPosition.X, Args.ContentRect.Left + 2);
    Args.BiDiFlags = DT_RIGHT | DT_RTLREADING;
    const TuiButtonGlyphLayout rightToLeft = Glyph.CalcButtonLayout(On.Canvas, Args);
    EXPECT_EQ(rightToLeft.GlyphPosition.X, Args.ContentRect.Right - 2 - 16);
    EXPECT_LT(rightToLeft.TextRect.Right, rightToLeft.GlyphPosition.X);
}

TEST_F(uiButtonGlyphLayout, GlyphAboveCaptionIsCentredAcross) {
    Args.Layout = blGlyphTop;
    Args.Margin = 0;
    const TuiButtonGlyphLayout layout = Glyph.CalcButtonLayout(On.Canvas, Args);
    EXPECT_EQ(layout.GlyphPosition.X, 10 + (100 - 16) / 2);
    EXPECT_EQ(layout.GlyphPosition.Y, 5);
    EXPECT_EQ(layout.TextRect.Top, 5 + 16 + 4);
}

TEST_F(uiButtonGlyphLayout, ADisabledCaptionHasAHighlightCopy) {
    Glyph.SetGlyph(nullptr);
    Args.Caption = u"WWW";
    const auto highlightAfter = [&](TuiButtonState state) {
        On.Surface.Fill(vcl::clBtnFace);
        On.Canvas.Font().SetColor(vcl::clBlack);
        Args.State = state;
        Glyph.Draw(On.Canvas, Args);
        return ui_test::CountPixels(On.Surface, vcl::clBtnHighlight);
    };
    EXPECT_EQ(highlightAfter(uibsNormal), 0);
    EXPECT_GT(highlightAfter(uibsDisabled), 0);
    Args.Skin = true;
    EXPECT_EQ(highlightAfter(uibsDisabled), 0);
}

} // namespace
} // namespace ui
