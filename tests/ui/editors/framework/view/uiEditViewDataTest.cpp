// The view data's layout of one value: border extents, buttons in the client area, their states and visibility,
// the button style a border implies and the size an editor needs.

#include "ui/editors/framework/view/uiEditViewData.h"

#include "tests/support/ui/GeometryPrinting.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::TCanvasSurface;
using ui_test::TPaintedEditor;

TEST(uiEditViewData, ASingleBorderTakesOnePixelAndAShadowThreeMore) {
    TPaintedEditor editor;
    EXPECT_EQ(editor.ViewData->GetBorderExtent(), (vcl::TRect{1, 1, 1, 1}));
    editor.Style.SetShadow(true);
    EXPECT_EQ(editor.ViewData->GetBorderExtent(), (vcl::TRect{1, 1, 4, 4}));
    editor.Style.SetShadow(false);
    editor.Style.SetEdges({bLeft, bTop});
    EXPECT_EQ(editor.ViewData->GetBorderExtent(), (vcl::TRect{1, 1, 0, 0}));
    editor.Style.SetBorderStyle(ebs3D);
    EXPECT_EQ(editor.ViewData->GetBorderExtent(), (vcl::TRect{2, 2, 0, 0}));
    editor.Style.SetTransparentBorder(true);
    EXPECT_EQ(editor.ViewData->GetBorderExtent(), (vcl::TRect{2, 2, 2, 2}));
}

TEST(uiEditViewData, InPlaceTheHostsOffsetsAreTheExtents) {
    TPaintedEditor editor(true);
    editor.Style.SetShadow(true);
    editor.ViewData->InplaceContentOffsets = {2, 3, 4, 5};
    EXPECT_EQ(editor.ViewData->GetBorderExtent(), (vcl::TRect{2, 3, 4, 5}));
    EXPECT_EQ(editor.ViewData->GetClientExtent(), (vcl::TRect{2, 3, 4, 5}));
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {0, 0, 50, 20});
    EXPECT_EQ(editor.ViewInfo->BorderRect, (vcl::TRect{2, 3, 46, 15}));
    EXPECT_EQ(editor.ViewInfo->EditBorderStyle, ebsNone);
    EXPECT_FALSE(editor.ViewInfo->Shadow);
}

TEST(uiEditViewData, ButtonsSitInsideTheBorderAndNarrowTheClientArea) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(17);
    editor.Properties.Buttons().Add().SetWidth(20);
    TuiEditButton& left = editor.Properties.Buttons().Add();
    left.SetWidth(10);
    left.SetLeftAlignment(true);
    TCanvasSurface on(100, 30);
    editor.Calculate(on.Canvas, {0, 0, 80, 22});
    const TuiCustomEditViewInfo& info = *editor.ViewInfo;
    ASSERT_EQ(info.ButtonCount(), 3);
    EXPECT_EQ(info.Buttons(1).Bounds, (vcl::TRect{59, 1, 79, 21}));
    EXPECT_EQ(info.Buttons(0).Bounds, (vcl::TRect{42, 1, 59, 21}));
    EXPECT_EQ(info.Buttons(2).Bounds, (vcl::TRect{1, 1, 11, 21}));
    EXPECT_TRUE(info.Buttons(1).Rightmost);
    EXPECT_TRUE(info.Buttons(0).Leftmost);
    EXPECT_TRUE(info.Buttons(2).Leftmost && info.Buttons(2).Rightmost);
    EXPECT_EQ(info.ClientRect, (vcl::TRect{11, 1, 42, 21}));
    EXPECT_EQ(info.GetPartRect(ephtText), (vcl::TRect{11, 1, 42, 21}));
    EXPECT_EQ(info.Buttons(0).ButtonIndex, 0);
    EXPECT_EQ(info.Buttons(2).ButtonIndex, 2);
}

TEST(uiEditViewData, ButtonsOnlyEditorsStretchTheirButtons) {
    TPaintedEditor editor;
    editor.Properties.SetButtonsOnlyMode(1);
    editor.Properties.Buttons().Add().SetWidth(10);
    editor.Properties.Buttons().Add().SetWidth(20);
    TCanvasSurface on(60, 30);
    editor.Calculate(on.Canvas, {0, 0, 42, 20});
    EXPECT_EQ(editor.ViewInfo->Buttons(0).Bounds, (vcl::TRect{1, 1, 15, 19}));
    EXPECT_EQ(editor.ViewInfo->Buttons(1).Bounds, (vcl::TRect{15, 1, 41, 19}));
}

TEST(uiEditViewData, HiddenButtonsFollowTheTransparencyAndTheState) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(15);
    editor.Properties.Buttons().Add().SetVisible(false);
    TCanvasSurface on(60, 30);
    const vcl::TPoint inside{5, 5};
    const vcl::TPoint outside{-1, -1};
    const struct {
        TuiEditButtonTransparency Transparency;
        bool Focused;
        vcl::TPoint Mouse;
        int32_t Expected;
    } cases[] = {
        {ebtNone, false, outside, 1},           {ebtHideInactive, false, outside, 0},
        {ebtHideInactive, false, inside, 0},    {ebtHideInactive, true, outside, 1},
        {ebtHideUnselected, false, outside, 0}, {ebtHideUnselected, false, inside, 1},
        {ebtHideUnselected, true, outside, 1},
    };
    for (const auto& c : cases) {
        editor.Style.SetButtonTransparency(c.Transparency);
        editor.ViewData->Focused = c.Focused;
        editor.Calculate(on.Canvas, {0, 0, 50, 20}, c.Mouse);
        EXPECT_EQ(editor.ViewInfo->ButtonCount(), c.Expected)
            << int(c.Transparency) << " " << c.Focused << " " << c.Mouse.X;
    }
}

TEST(uiEditViewData, ButtonStatesFollowTheMouse) {
    TPaintedEditor editor;
    editor.Properties.Buttons().Add().SetWidth(15);
    TCanvasSurface on(60, 30);
    const vcl::TRect bounds{0, 0, 50, 20};
    editor.Calculate(on.Canvas, bounds, {40, 10});
    EXPECT_EQ(editor.ViewInfo->Buttons(0).State, ebvsHot);
    EXPECT_EQ(editor.ViewInfo->HotIndex, 0);
    EXPECT_TRUE(editor.ViewInfo->HasHotButton());
    editor.ViewData->Calculate(on.Canvas, bounds, false, *editor.ViewInfo, {vcl::ssLeft}, vcl::mbLeft, {40, 10});
    EXPECT_EQ(editor.ViewInfo->Buttons(0).State, ebvsPressed);
    EXPECT_EQ(editor.ViewInfo->PressedIndex, 0);
    EXPECT_TRUE(editor.ViewInfo->ButtonCaptured);
    editor.Calculate(on.Canvas, bounds, {10, 10});
    EXPECT_EQ(editor.ViewInfo->Buttons(0).State, ebvsNormal);
    editor.ViewData->Enabled = false;
    editor.Calculate(on.Canvas, bounds, {40, 10});
    EXPECT_EQ(editor.ViewInfo->Buttons(0).State, ebvsDisabled);
    editor.ViewData->Enabled = true;
    editor.ViewInfo->OnGetButtonState = [](TuiCustomEditViewInfo&, TuiEditButtonViewInfo&,
                                           TuiEditButtonVisualState& state) { state = ebvsDisabled; };
    editor.Calculate(on.Canvas, bounds, {10, 10});
    EXPECT_EQ(editor.ViewInfo->Buttons(0).State, ebvsDisabled);
}

TEST(uiEditViewData, TheButtonStyleFollowsTheBorderOrInPlaceTheLook) {
    TPaintedEditor standalone;
    const struct {
        TuiEditBorderStyle Border;
        TuiEditButtonStyle Expected;
    } borders[] = {{ebsNone, btsSimple}, {ebsSingle, btsHotFlat},      {ebsThick, bts3D},         {ebsFlat, btsFlat},
                   {ebs3D, bts3D},       {ebsUltraFlat, btsUltraFlat}, {ebsOffice11, btsOffice11}};
    for (const auto& c : borders) {
        standalone.Style.SetBorderStyle(c.Border);
        EXPECT_EQ(standalone.ViewData->GetButtonStyle(), c.Expected) << int(c.Border);
    }
    standalone.Style.SetButtonStyle(btsFlat);
    EXPECT_EQ(standalone.ViewData->GetButtonStyle(), btsFlat);

    TPaintedEditor inplace(true);
    const struct {
        TuiLookAndFeelKind Kind;
        TuiEditButtonStyle Expected;
    } looks[] = {{lfFlat, btsFlat}, {lfStandard, bts3D}, {lfUltraFlat, btsUltraFlat}, {lfOffice11, btsOffice11}};
    for (const auto& c : looks) {
        inplace.Style.LookAndFeel().SetKind(c.Kind);
        EXPECT_EQ(inplace.ViewData->GetButtonStyle(), c.Expected) << int(c.Kind);
    }
}

TEST(uiEditViewData, TheSizeOfAnEditorIsItsFrameRaisedToItsButtons) {
    TPaintedEditor editor;
    TCanvasSurface on(60, 30);
    EXPECT_EQ(editor.ViewData->GetEditSize(on.Canvas, rtl::Variant(), {}), (vcl::TSize{2, 2}));
    TuiEditButton& button = editor.Properties.Buttons().Add();
    button.SetKind(bkGlyph);
    button.Glyph().SetSize(16, 16);
    // The glyph's 16 pixels, the client extent's 2 and the button frame's 2 make 20.
    const vcl::TSize size = editor.ViewData->GetEditSize(on.Canvas, rtl::Variant(), {});
    EXPECT_EQ(size.cy, 20);
    EXPECT_EQ(size.cx, 2 + 20);
    EXPECT_EQ(editor.ViewData->GetEditSize(on.Canvas, rtl::Variant(), {-1, 0, 10}).cx, 10);
}

} // namespace
} // namespace ui
