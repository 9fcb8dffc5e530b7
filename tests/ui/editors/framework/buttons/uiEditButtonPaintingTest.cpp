// Edit buttons painted on 32-bit DIBs: frames by style and state, the simple style turned flat, embossed disabled
// content and the same pixels for every style, state and kind painted twice.

#include "ui/editors/framework/buttons/uiEditButtonPainting.h"

#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/themes/uxOffice11.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;

// A surface for one button, white as the editor's background.
struct TButtonSurface : ui_test::TCanvasSurface {
    TButtonSurface() : TCanvasSurface(40, 24) {}
};

// A right-aligned button, the only one of its editor, 20 x 20 at (10, 2) on white.
struct TButton : TuiEditButtonViewInfo {
    TButton(TuiEditButtonStyle style, TuiEditButtonVisualState state, TuiEditButtonKind kind = bkEllipsis);
};

TButton::TButton(TuiEditButtonStyle style, TuiEditButtonVisualState state, TuiEditButtonKind kind) {
    TuiEditButtonViewInfo& button = *this;
    button.Bounds = {10, 2, 30, 22};
    button.VisibleBounds = button.Bounds;
    button.BackgroundColor = vcl::clWhite;
    button.Style = style;
    button.State = state;
    button.Kind = kind;
    button.Caption = u"&Go";
    button.Leftmost = button.Rightmost = true;
}

std::vector<uint32_t> Paint(const TuiEditButtonViewInfo& button, const TuiEditButtonPaintContext& context = {}) {
    TButtonSurface on;
    DrawEditButton(on.Canvas, context, button);
    return on.Surface.Pixels();
}

TEST(uiEditButtonPainting, ThreeDFramesAreRaisedAndSunkenWhenPressed) {
    TButtonSurface normal;
    DrawEditButton(normal.Canvas, {}, TButton(bts3D, ebvsNormal));
    EXPECT_EQ(normal.Surface.Pixel(10, 10), Rgb(vcl::cl3DLight));
    EXPECT_EQ(normal.Surface.Pixel(29, 10), Rgb(vcl::cl3DDkShadow));
    EXPECT_EQ(normal.Surface.Pixel(11, 10), Rgb(vcl::clBtnHighlight));
    EXPECT_EQ(normal.Surface.Pixel(28, 10), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(normal.Surface.Pixel(9, 10), Rgb(vcl::clWhite));

    TButtonSurface pressed;
    DrawEditButton(pressed.Canvas, {}, TButton(bts3D, ebvsPressed));
    EXPECT_EQ(pressed.Surface.Pixel(10, 10), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(pressed.Surface.Pixel(29, 10), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(pressed.Surface.Pixel(11, 10), Rgb(vcl::clBtnFace));
}

TEST(uiEditButtonPainting, ASimpleButtonDrawsFlatWhilePressedOrHot) {
    for (const TuiEditButtonVisualState state : {ebvsPressed, ebvsHot}) {
        SCOPED_TRACE(static_cast<int>(state));
        EXPECT_EQ(Paint(TButton(btsSimple, state)), Paint(TButton(btsFlat, state)));
    }
    EXPECT_NE(Paint(TButton(btsSimple, ebvsNormal)), Paint(TButton(btsFlat, ebvsNormal)));
}

// Disabled dots and arrows: every shadow pixel of the content has a highlight or shadow pixel one down and right,
// and some highlight pixels show.
TEST(uiEditButtonPainting, DisabledContentIsEmbossed) {
    for (const TuiEditButtonKind kind : {bkEllipsis, bkDown}) {
        SCOPED_TRACE(static_cast<int>(kind));
        TButtonSurface on;
        TButton button(btsFlat, ebvsDisabled, kind);
        DrawEditButton(on.Canvas, {}, button);
        int shadows = 0;
        int highlights = 0;
        for (int y = 5; y < 19; ++y) {
            for (int x = 13; x < 27; ++x) {
                const vcl::TColor pixel = on.Surface.Pixel(x, y);
                highlights += pixel == Rgb(vcl::clBtnHighlight) ? 1 : 0;
                if (pixel != Rgb(vcl::clBtnShadow)) {
                    continue;
                }
                ++shadows;
                const vcl::TColor below = on.Surface.Pixel(x + 1, y + 1);
                EXPECT_TRUE(below == Rgb(vcl::clBtnHighlight) || below == Rgb(vcl::clBtnShadow)) << x << "," << y;
            }
        }
        EXPECT_GT(shadows, 0);
        EXPECT_GT(highlights, 0);
    }
}

TEST(uiEditButtonPainting, EnabledEllipsisDotsAreTwoPixelsWideInWideButtons) {
    TButtonSurface on;
    DrawEditEllipsis(on.Canvas, {0, 0, 20, 10}, false, vcl::clBlack);
    // Three 2 x 2 dots, 2 pixels apart, centred: total 10 wide from x 5, at y 4.
    for (const int x : {5, 6, 9, 10, 13, 14}) {
        EXPECT_EQ(on.Surface.Pixel(x, 4), Rgb(vcl::clBlack)) << x;
    }
    for (const int x : {4, 7, 8, 11, 12, 15}) {
        EXPECT_EQ(on.Surface.Pixel(x, 4), Rgb(vcl::clWhite)) << x;
    }
}

TEST(uiEditButtonPainting, AnUltraFlatHotButtonInABorderedEditorDrawsOnlyItsInnerEdge) {
    TuiEditButtonPaintContext context;
    context.BorderRect = {0, 2, 30, 22};
    TButton button(btsUltraFlat, ebvsHot);
    button.Leftmost = false; // the right-aligned button at the editor's right border
    TButtonSurface on;
    DrawEditButton(on.Canvas, context, button);
    EXPECT_EQ(on.Surface.Pixel(10, 10), Rgb(vcl::clHighlight));
    EXPECT_NE(on.Surface.Pixel(29, 10), Rgb(vcl::clHighlight));
    EXPECT_NE(on.Surface.Pixel(20, 2), Rgb(vcl::clHighlight));

    // Without an edit border the button frames itself all round.
    context.HasEditBorder = false;
    TButtonSurface framed;
    DrawEditButton(framed.Canvas, context, button);
    EXPECT_EQ(framed.Surface.Pixel(29, 10), Rgb(vcl::clHighlight));
    EXPECT_EQ(framed.Surface.Pixel(20, 2), Rgb(vcl::clHighlight));
}

TEST(uiEditButtonPainting, Office2003GradientButtonsFadeFromTopToBottom) {
    const TuxOffice11Colors& colors = Office11Colors();
    ASSERT_NE(colors.Office11BarLightColor, colors.Office11BarDarkColor);
    TuiEditButtonPaintContext context;
    context.BorderRect = {0, 2, 40, 22};
    context.HasEditBorder = false; // the button frames itself, its face starts one pixel in
    TButton button(btsOffice11, ebvsNormal, bkText);
    button.Caption.clear();
    button.Gradient = true;
    TButtonSurface on;
    DrawEditButton(on.Canvas, context, button);
    EXPECT_NE(on.Surface.Pixel(20, 3), on.Surface.Pixel(20, 20));
    EXPECT_NE(on.Surface.Pixel(20, 3), Rgb(colors.Office11FaceColor));

    button.Gradient = false;
    TButtonSurface plain;
    DrawEditButton(plain.Canvas, context, button);
    EXPECT_EQ(plain.Surface.Pixel(20, 3), plain.Surface.Pixel(20, 20));
}

TEST(uiEditButtonPainting, EveryStyleStateAndKindPaintsTheSamePixelsTwice) {
    for (int style = bts3D; style <= btsOffice11; ++style) {
        for (int state = ebvsDisabled; state <= ebvsHot; ++state) {
            for (int kind = bkEllipsis; kind <= bkText; ++kind) {
                SCOPED_TRACE(testing::Message() << style << " " << state << " " << kind);
                const TButton button(static_cast<TuiEditButtonStyle>(style),
                                     static_cast<TuiEditButtonVisualState>(state),
                                     static_cast<TuiEditButtonKind>(kind));
                const std::vector<uint32_t> first = Paint(button);
                EXPECT_EQ(Paint(button), first);
                // Nothing outside the button.
                TButtonSurface on;
                DrawEditButton(on.Canvas, {}, button);
                EXPECT_EQ(on.Surface.Pixel(9, 10), Rgb(vcl::clWhite));
                EXPECT_EQ(on.Surface.Pixel(30, 10), Rgb(vcl::clWhite));
                EXPECT_EQ(on.Surface.Pixel(20, 1), Rgb(vcl::clWhite));
            }
        }
    }
}

} // namespace
} // namespace ui
