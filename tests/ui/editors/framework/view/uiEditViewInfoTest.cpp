// An editor value painted on 32-bit DIBs with no control: borders by edges, the in-place band, the custom background,
// hit tests, the same pixels for every border and button style and state in every look painted twice, and a skin's
// borders and editor buttons.

#include "ui/editors/framework/view/uiEditViewInfo.h"

#include "tests/support/ui/GeometryPrinting.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/core/painters/uiLookAndFeels.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;
using ui_test::TCanvasSurface;
using ui_test::TPaintedEditor;

// The border of a side left out of the edges lies outside the bounds, where a host's neighbouring cell is: nothing is
// painted there.
TEST(uiEditViewInfo, ASingleBorderFramesOnlyTheEdgesAsked) {
    TPaintedEditor editor;
    editor.Style.SetEdges({bLeft, bTop});
    const auto on = editor.Paint({5, 5, 45, 25});
    EXPECT_EQ(on->Surface.Pixel(5, 15), Rgb(vcl::clBlack));
    EXPECT_EQ(on->Surface.Pixel(25, 5), Rgb(vcl::clBlack));
    EXPECT_EQ(on->Surface.Pixel(44, 15), Rgb(vcl::clWindow));
    EXPECT_EQ(on->Surface.Pixel(25, 24), Rgb(vcl::clWindow));
    EXPECT_EQ(on->Surface.Pixel(45, 15), Rgb(vcl::clWhite));
    EXPECT_EQ(on->Surface.Pixel(25, 25), Rgb(vcl::clWhite));

    editor.Style.SetEdges(uiAllBorders);
    const auto all = editor.Paint({5, 5, 45, 25});
    EXPECT_EQ(all->Surface.Pixel(44, 15), Rgb(vcl::clBlack));
    EXPECT_EQ(all->Surface.Pixel(25, 24), Rgb(vcl::clBlack));
    EXPECT_EQ(all->Surface.Pixel(25, 15), Rgb(vcl::clWindow));
}

TEST(uiEditViewInfo, AShadowFallsRightAndBelowTheBorder) {
    TPaintedEditor editor;
    editor.Style.SetShadow(true);
    const auto on = editor.Paint({5, 5, 45, 25});
    EXPECT_EQ(on->Surface.Pixel(41, 15), Rgb(vcl::clBlack)); // the border, 3 pixels in from the right
    EXPECT_EQ(on->Surface.Pixel(43, 15), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(on->Surface.Pixel(25, 23), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(on->Surface.Pixel(6, 23), Rgb(vcl::clWhite)); // the shadow starts 3 pixels in
}

TEST(uiEditViewInfo, InPlaceWithoutFillOnlyTheOffsetsBandIsPainted) {
    TPaintedEditor editor(true);
    editor.ViewData->InplaceContentOffsets = {2, 2, 2, 2};
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {5, 5, 45, 25});
    editor.ViewInfo->DrawEditBackgroundAndButtons(on.Canvas, false);
    for (int y = 5; y < 25; ++y) {
        for (int x = 5; x < 45; ++x) {
            const bool band = x < 7 || x >= 43 || y < 7 || y >= 23;
            ASSERT_EQ(on.Surface.Pixel(x, y), Rgb(band ? vcl::clWindow : vcl::clWhite)) << x << "," << y;
        }
    }
    EXPECT_EQ(on.Surface.Pixel(4, 10), Rgb(vcl::clWhite));
}

TEST(uiEditViewInfo, AHandledCustomBackgroundSuppressesBackgroundAndBorderButNotButtons) {
    TPaintedEditor editor(true);
    editor.Properties.Buttons().Add().SetWidth(15);
    int32_t asked = 0;
    int32_t painted = 0;
    editor.ViewInfo->OnDrawBackground = [&](TuiCustomEditViewInfo&, TuiCanvas* canvas, bool& handled) {
        ++(canvas == nullptr ? asked : painted);
        handled = true;
    };
    const auto on = editor.Paint({0, 0, 50, 20});
    EXPECT_TRUE(editor.ViewInfo->HasCustomBackground());
    EXPECT_EQ(editor.ViewInfo->GetBackgroundMode(), 0);
    EXPECT_EQ(painted, 1);
    EXPECT_GT(asked, 0);
    EXPECT_EQ(on->Surface.Pixel(10, 10), Rgb(vcl::clWhite));
    EXPECT_NE(on->Surface.Pixel(42, 10), Rgb(vcl::clWhite));
}

TEST(uiEditViewInfo, PartsUnderAPoint) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(17);
    editor.Properties.Buttons().Add().SetWidth(20);
    editor.Properties.Buttons().Items(1).SetHint(u"Open|Opens the list");
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {0, 0, 32, 20});
    const TuiCustomEditViewInfo& info = *editor.ViewInfo;
    // The first button lies partly left of the border rectangle: its own bounds still answer.
    ASSERT_LT(info.Buttons(0).Bounds.Left, info.BorderRect.Left);
    EXPECT_EQ(info.GetPartAt({info.Buttons(0).Bounds.Left, 10}), 0);
    EXPECT_EQ(info.GetPartAt({25, 10}), 1);
    EXPECT_EQ(info.GetPartAt({40, 10}), ephtNone);
    EXPECT_EQ(info.GetHintTextAt({25, 10}), u"Open");

    editor.Properties.Buttons().Clear();
    editor.Calculate(on.Canvas, {0, 0, 32, 20});
    EXPECT_EQ(info.GetPartAt({10, 10}), ephtText);
    EXPECT_EQ(info.GetPartAt({0, 10}), ephtNone);
}

TEST(uiEditViewInfo, AButtonsHintIsItsShortPartPlacedBelowThePointer) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(20);
    editor.Properties.Buttons().Items(0).SetHint(u"Open|Opens the list");
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {0, 0, 50, 20});
    vcl::TRect hintRect;
    bool multiLine = true;
    rtl::UnicodeString text;
    ASSERT_TRUE(editor.ViewInfo->GetHintInfo(on.Canvas, {40, 10}, hintRect, multiLine, text));
    EXPECT_EQ(text, u"Open");
    EXPECT_FALSE(multiLine);
    EXPECT_EQ(hintRect.Left, 40);
    EXPECT_GT(hintRect.Top, 10) << "below the pointer";
    EXPECT_GT(hintRect.Width(), 0);
    EXPECT_FALSE(editor.ViewInfo->GetHintInfo(on.Canvas, {5, 10}, hintRect, multiLine, text)) << "the text area";
    EXPECT_TRUE(text.empty());
}

TEST(uiEditViewInfo, SavedButtonStatesAreThoseBeforeTheNextCalculation) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(15);
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {0, 0, 50, 20}, {40, 10});
    ASSERT_EQ(editor.ViewInfo->HotIndex, 0);
    editor.ViewInfo->SaveButtonStates();
    editor.Calculate(on.Canvas, {0, 0, 50, 20}, {5, 10});
    EXPECT_EQ(editor.ViewInfo->HotIndex, -1);
    EXPECT_EQ(editor.ViewInfo->PreviousHotIndex(), 0);
    EXPECT_EQ(editor.ViewInfo->PreviousPressedIndex(), -1);
}

TEST(uiEditViewInfo, ACopyKeepsThePictureAndMovesWhole) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(15);
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {0, 0, 50, 20}, {40, 10});
    TuiCustomEditViewInfo copy;
    copy.Assign(editor.ViewInfo.get());
    ASSERT_EQ(copy.ButtonCount(), 1);
    EXPECT_EQ(copy.Buttons(0).State, ebvsHot);
    EXPECT_EQ(copy.HotIndex, 0);
    EXPECT_EQ(copy.BorderRect, editor.ViewInfo->BorderRect);
    EXPECT_FALSE(copy.Buttons(0).DiffersFrom(editor.ViewInfo->Buttons(0)));

    copy.Offset(5, 3);
    EXPECT_EQ(copy.Bounds, (vcl::TRect{5, 3, 55, 23}));
    EXPECT_EQ(copy.Buttons(0).Bounds, (vcl::TRect{39, 4, 54, 22}));
    EXPECT_EQ(copy.GetPartAt({45, 10}), 0);
}

TEST(uiEditViewInfo, AfterAChangeOnlyTheChangedButtonOrTheWholeEditorIsPaintedAgain) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(15);
    editor.Properties.Buttons().Add().SetWidth(15);
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {0, 0, 50, 20});
    TuiCustomEditViewInfo old;
    old.Assign(editor.ViewInfo.get());
    EXPECT_TRUE(editor.ViewInfo->GetUpdateRegion(old)->IsEmpty());

    editor.Calculate(on.Canvas, {0, 0, 50, 20}, {40, 10});
    const std::unique_ptr<TuiRegion> hot = editor.ViewInfo->GetUpdateRegion(old);
    EXPECT_EQ(hot->Bounds(), editor.ViewInfo->Buttons(1).Bounds);

    editor.Style.SetBorderColor(vcl::clRed);
    editor.Calculate(on.Canvas, {0, 0, 50, 20}, {40, 10});
    EXPECT_EQ(editor.ViewInfo->GetUpdateRegion(old)->Bounds(), (vcl::TRect{0, 0, 50, 20}));
}

TEST(uiEditViewInfo, AButtonReachingOutOfTheBorderIsClippedToItsVisibleBounds) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(17);
    editor.Properties.Buttons().Add().SetWidth(20);
    const auto on = editor.Paint({10, 0, 42, 20});
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(on->Surface.Pixel(x, 10), Rgb(vcl::clWhite)) << x;
    }
}

TEST(uiEditViewInfo, EveryBorderAndButtonStyleInEveryLookPaintsTheSamePixelsTwice) {
    const TuiEditBorderStyle borders[] = {ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11};
    for (const TuiLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
        for (const TuiEditBorderStyle border : borders) {
            for (const TuiEditButtonKind buttonKind : {bkEllipsis, bkDown, bkText}) {
                for (const vcl::TPoint mouse : {vcl::TPoint{-1, -1}, vcl::TPoint{40, 10}}) {
                    SCOPED_TRACE(testing::Message()
                                 << int(kind) << " " << int(border) << " " << int(buttonKind) << " " << mouse.X);
                    TPaintedEditor editor;
                    editor.Style.LookAndFeel().SetKind(kind);
                    editor.Style.SetBorderStyle(border);
                    editor.Style.SetButtonStyle(btsDefault);
                    TuiEditButton& button = editor.Properties.Buttons().Add();
                    button.SetKind(buttonKind);
                    button.SetCaption(u"&Go");
                    const auto first = editor.Paint({0, 0, 50, 20}, 60, 30, mouse);
                    const auto second = editor.Paint({0, 0, 50, 20}, 60, 30, mouse);
                    EXPECT_EQ(first->Surface.Pixels(), second->Surface.Pixels());
                    EXPECT_EQ(first->Surface.Pixel(55, 25), Rgb(vcl::clWhite));
                }
            }
        }
    }
}

TEST(uiEditViewInfo, ASkinDrawsEveryBorderButTheThickOneAsOneRingInItsBorderColour) {
    const struct {
        TuiEditBorderStyle Border;
        int32_t Width;
    } cases[] = {{ebsNone, 0}, {ebsSingle, 1}, {ebsThick, 2}, {ebsFlat, 1}, {ebs3D, 1}, {ebsUltraFlat, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Border));
        TPaintedEditor editor;
        editor.Style.LookAndFeel().SetSkinName(u"Office2007Blue");
        editor.Style.SetBorderStyle(c.Border);
        const auto on = editor.Paint({5, 5, 45, 25});
        const TuiCustomEditViewInfo& info = *editor.ViewInfo;
        ASSERT_NE(info.SkinPainter, nullptr);
        EXPECT_EQ(info.BorderRect, (vcl::TRect{5 + c.Width, 5 + c.Width, 45 - c.Width, 25 - c.Width}));
        const vcl::TColor border = Rgb(info.SkinPainter->ContainerBorderColorFor(false));
        EXPECT_EQ(info.BorderColor, info.SkinPainter->ContainerBorderColorFor(false));
        for (int32_t ring = 0; ring < c.Width; ++ring) {
            EXPECT_EQ(on->Surface.Pixel(5 + ring, 15), border);
            EXPECT_EQ(on->Surface.Pixel(25, 24 - ring), border);
        }
        EXPECT_EQ(on->Surface.Pixel(25, 15), Rgb(info.BackgroundColor));
    }
}

TEST(uiEditViewInfo, SkinnedButtonsAreTheSkinsElementsAndPaintTheSamePixelsTwice) {
    for (const char16_t* skin : {u"Blue", u"Office2007Blue"}) {
        for (const TuiEditButtonKind kind : {bkEllipsis, bkDown, bkText}) {
            for (const vcl::TPoint mouse : {vcl::TPoint{-1, -1}, vcl::TPoint{40, 10}}) {
                SCOPED_TRACE(testing::Message() << int(kind) << " " << mouse.X);
                TPaintedEditor plain;
                plain.Properties.Buttons().Add().SetKind(kind);
                TPaintedEditor skinned;
                skinned.Style.LookAndFeel().SetSkinName(skin);
                skinned.Properties.Buttons().Add().SetKind(kind);
                const auto first = skinned.Paint({0, 0, 50, 20}, 60, 30, mouse);
                ASSERT_EQ(skinned.ViewInfo->ButtonCount(), 1);
                EXPECT_FALSE(skinned.ViewInfo->NativeStyle);
                const vcl::TRect button = skinned.ViewInfo->Buttons(0).Bounds;
                const auto unskinned = plain.Paint({0, 0, 50, 20}, 60, 30, mouse);
                int differing = 0;
                for (int y = button.Top; y < button.Bottom; ++y) {
                    for (int x = button.Left; x < button.Right; ++x) {
                        differing += first->Surface.Pixel(x, y) != unskinned->Surface.Pixel(x, y);
                    }
                }
                EXPECT_GT(differing, button.Width() * button.Height() / 4) << "the skin's element, not a plain face";
                EXPECT_EQ(skinned.Paint({0, 0, 50, 20}, 60, 30, mouse)->Surface.Pixels(), first->Surface.Pixels());
                EXPECT_EQ(first->Surface.Pixel(55, 25), Rgb(vcl::clWhite));
            }
        }
    }
}

} // namespace
} // namespace ui
