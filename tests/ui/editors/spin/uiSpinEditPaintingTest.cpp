// The spin editor's buttons laid out and painted without a control: their places in the three arrangements, the
// fast buttons, the hit test, and the pixels of their borders, arrows and native separator.

#include "rtl/WindowsApi.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/spin/uiSpinEditProperties.h"
#include "ui/editors/spin/uiSpinEditViewData.h"
#include "ui/editors/spin/uiSpinEditViewInfo.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;
using ui_test::TCanvasSurface;

constexpr vcl::TRect spinBounds{0, 0, 90, 21};

class TExposedSpinViewData : public TuiSpinEditViewData {
public:
    using TuiSpinEditViewData::IsButtonWidthFixed;
    using TuiSpinEditViewData::TuiSpinEditViewData;
};

// A spin editor with a single black border on a window-coloured background.
struct TPaintedSpinEditor {
    TuiSpinEditProperties Properties{nullptr};
    TuiEditStyle Style{nullptr, false};
    TExposedSpinViewData ViewData{Properties, Style, false};
    std::unique_ptr<TuiCustomEditViewInfo> Info = Properties.CreateViewInfo();

    explicit TPaintedSpinEditor(TuiSpinEditButtonsPosition position, bool fast = false) {
        Style.SetIgnoresDefaultController(true);
        Style.SetBorderStyle(ebsSingle);
        Style.SetBorderColor(vcl::clBlack);
        Style.SetColor(vcl::clWindow);
        Properties.SpinButtons().SetPosition(position);
        Properties.SpinButtons().SetShowFastButtons(fast);
    }
    TuiSpinEditViewInfo& ViewInfo() const { return static_cast<TuiSpinEditViewInfo&>(*Info); }
    const vcl::TRect& Button(int32_t index) const {
        for (int32_t slot = 0; slot < Info->ButtonCount(); ++slot) {
            if (Info->Buttons(slot).ButtonIndex == index) {
                return Info->Buttons(slot).Bounds;
            }
        }
        ADD_FAILURE() << "no button " << index;
        return Info->Bounds;
    }
    void Calculate(TuiCanvas& canvas, vcl::TPoint mouse = {-1, -1}) {
        ViewData.Calculate(canvas, spinBounds, false, *Info, {}, std::nullopt, mouse);
    }
    std::unique_ptr<TCanvasSurface> Paint(vcl::TPoint mouse = {-1, -1}) {
        auto on = std::make_unique<TCanvasSurface>(100, 30);
        Calculate(on->Canvas, mouse);
        Info->Paint(on->Canvas);
        return on;
    }
};

vcl::TPoint Centre(const vcl::TRect& rect) {
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

// The smallest rectangle inside area holding every pixel of colour; empty when there is none.
vcl::TRect InkIn(const ui_test::TDibSurface& surface, const vcl::TRect& area, vcl::TColor colour) {
    vcl::TRect ink{};
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (surface.Pixel(x, y) != Rgb(colour)) {
                continue;
            }
            ink = ink.Right == 0 ? vcl::TRect{x, y, x + 1, y + 1}
                                 : vcl::TRect{std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                                              std::max(ink.Bottom, y + 1)};
        }
    }
    return ink;
}

TEST(uiSpinEditLayout, VerticalButtonsShareOneColumnAsWideAsAnEditButton) {
    TPaintedSpinEditor editor(sbpVert);
    TCanvasSurface on(100, 30);
    editor.Calculate(on.Canvas);
    const vcl::TRect up = editor.Button(sedUp);
    const vcl::TRect down = editor.Button(sedDown);
    const vcl::TRect client = editor.Info->BorderRect;
    EXPECT_EQ(up.Right, client.Right);
    EXPECT_EQ(up.Width(), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(down.Left, up.Left);
    EXPECT_EQ(down.Right, up.Right);
    EXPECT_EQ(up.Top, client.Top);
    EXPECT_EQ(down.Top, up.Bottom) << "up over down";
    EXPECT_EQ(down.Bottom, client.Bottom);
    EXPECT_LE(std::abs(up.Height() - down.Height()), 1) << "each half of the client height";
    EXPECT_EQ(editor.Info->ClientRect.Right, up.Left);
    EXPECT_GT(editor.ViewInfo().ArrowSize, 0);
    EXPECT_TRUE(editor.ViewData.IsButtonWidthFixed(sedDown));
    EXPECT_FALSE(editor.ViewData.IsButtonWidthFixed(sedUp));
}

TEST(uiSpinEditLayout, HorizontalButtonsStandBesideTheTextOrRightOfIt) {
    TCanvasSurface on(100, 30);
    TPaintedSpinEditor leftRight(sbpHorzLeftRight);
    leftRight.Calculate(on.Canvas);
    const vcl::TRect& client = leftRight.Info->BorderRect;
    const int32_t width = 4 * leftRight.ViewInfo().ArrowSize - 3;
    EXPECT_EQ(leftRight.Button(sedDown), (vcl::TRect{client.Left, client.Top, client.Left + width, client.Bottom}));
    EXPECT_EQ(leftRight.Button(sedUp), (vcl::TRect{client.Right - width, client.Top, client.Right, client.Bottom}));
    EXPECT_EQ(leftRight.Info->ClientRect.Left, client.Left + width) << "the text between them";
    EXPECT_EQ(leftRight.Info->ClientRect.Right, client.Right - width);
    EXPECT_FALSE(leftRight.ViewData.IsButtonWidthFixed(sedDown));

    TPaintedSpinEditor right(sbpHorzRight);
    right.Calculate(on.Canvas);
    EXPECT_EQ(right.Button(sedUp).Right, client.Right);
    EXPECT_EQ(right.Button(sedDown).Right, right.Button(sedUp).Left);
    EXPECT_EQ(right.Button(sedDown).Width(), width);
}

TEST(uiSpinEditLayout, FastButtonsAreHalfAsWideAgainWithTwoArrows) {
    for (const TuiSpinEditButtonsPosition position : {sbpHorzLeftRight, sbpHorzRight, sbpVert}) {
        SCOPED_TRACE(position);
        TPaintedSpinEditor editor(position, true);
        const auto on = editor.Paint();
        ASSERT_EQ(editor.Info->ButtonCount(), 4);
        const int32_t width = 4 * editor.ViewInfo().ArrowSize - 3;
        const vcl::TRect fastUp = editor.Button(sedFastUp);
        const vcl::TRect fastDown = editor.Button(sedFastDown);
        EXPECT_EQ(fastUp.Width(), MulDiv(width, 3, 2));
        EXPECT_EQ(fastDown.Width(), MulDiv(width, 3, 2));
        EXPECT_EQ(fastUp.Right, editor.Info->BorderRect.Right);
        // Two arrows pointing along the row: twice the ink of one arrow of the same depth.
        const vcl::TRect twoArrows = InkIn(on->Surface, InflateRectBy(fastUp, -1, -1), vcl::clBtnText);
        EXPECT_EQ(twoArrows.Width(), 2 * editor.ViewInfo().ArrowSize);
        EXPECT_EQ(twoArrows.Height(), 2 * editor.ViewInfo().ArrowSize - 1);
    }
}

TEST(uiSpinEditLayout, TheButtonsArePartOfTheEditorToAHitTest) {
    TPaintedSpinEditor editor(sbpVert);
    TCanvasSurface on(100, 30);
    editor.Calculate(on.Canvas);
    const TuiSpinEditViewInfo& info = editor.ViewInfo();
    EXPECT_EQ(info.GetPartAt(Centre(editor.Button(sedUp))), ephtText);
    EXPECT_EQ(info.GetPartAt({5, 10}), ephtText);
    EXPECT_EQ(info.GetPartAt({0, 0}), ephtNone) << "the border";
    EXPECT_EQ(info.GetPartAt({95, 10}), ephtNone);
    EXPECT_EQ(info.GetButtonAt(Centre(editor.Button(sedUp))), 1);
    EXPECT_EQ(info.GetPartRect(ephtText), info.BorderRect);
    EXPECT_EQ(info.GetPartRect(0), vcl::TRect{});
}

TEST(uiSpinEditPainting, ThreeDimensionalButtonsOfAColumnShareTheirMiddleLine) {
    TPaintedSpinEditor editor(sbpVert);
    editor.Style.SetButtonStyle(bts3D);
    const auto on = editor.Paint();
    const vcl::TRect up = editor.Button(sedUp);
    const vcl::TRect down = editor.Button(sedDown);
    const vcl::TPoint middle = Centre(up);
    EXPECT_EQ(on->Surface.Pixel(up.Left, middle.Y), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(on->Surface.Pixel(up.Right - 1, middle.Y), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(on->Surface.Pixel(middle.X, up.Top), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(on->Surface.Pixel(middle.X, up.Bottom - 1), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(on->Surface.Pixel(middle.X, down.Top), Rgb(vcl::clBtnFace)) << "the top edge in the button colour";
    EXPECT_EQ(on->Surface.Pixel(middle.X, down.Bottom - 1), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(on->Surface.Pixel(down.Left, Centre(down).Y), Rgb(vcl::clBtnShadow));
    // The up arrow's apex is above its base; the down arrow's below.
    const vcl::TRect upArrow = InkIn(on->Surface, InflateRectBy(up, -1, -1), vcl::clBtnText);
    const vcl::TRect downArrow = InkIn(on->Surface, InflateRectBy(down, -1, -1), vcl::clBtnText);
    EXPECT_EQ(upArrow.Height(), editor.ViewInfo().ArrowSize);
    EXPECT_EQ(on->Surface.Pixel(Centre(upArrow).X, upArrow.Top), Rgb(vcl::clBtnText));
    EXPECT_NE(on->Surface.Pixel(upArrow.Left, upArrow.Top), Rgb(vcl::clBtnText));
    EXPECT_NE(on->Surface.Pixel(downArrow.Left, downArrow.Bottom - 1), Rgb(vcl::clBtnText));
}

TEST(uiSpinEditPainting, ADisabledArrowIsEmbossed) {
    TPaintedSpinEditor editor(sbpHorzRight);
    editor.Style.SetButtonStyle(btsHotFlat);
    editor.ViewData.Enabled = false;
    const auto on = editor.Paint();
    const vcl::TRect inside = InflateRectBy(editor.Button(sedUp), -1, -1);
    const vcl::TRect shadow = InkIn(on->Surface, inside, vcl::clBtnShadow);
    const vcl::TRect highlight = InkIn(on->Surface, inside, vcl::clBtnHighlight);
    ASSERT_NE(shadow, vcl::TRect{});
    EXPECT_EQ(highlight.Right, shadow.Right + 1);
    EXPECT_EQ(highlight.Bottom, shadow.Bottom + 1);
    EXPECT_EQ(InkIn(on->Surface, inside, vcl::clBtnText), vcl::TRect{});
}

TEST(uiSpinEditPainting, AHotUltraFlatButtonInAHighlightedFrameDrawsOnlyTheEdgesItShares) {
    TPaintedSpinEditor editor(sbpVert);
    editor.Style.SetBorderStyle(ebsUltraFlat);
    editor.Style.SetButtonStyle(btsUltraFlat);
    TCanvasSurface probe(100, 30);
    editor.Calculate(probe.Canvas);
    const vcl::TRect up = editor.Button(sedUp);
    const auto on = editor.Paint(Centre(up));
    ASSERT_EQ(editor.Info->Buttons(1).State, ebvsHot);
    const vcl::TPoint middle = Centre(up);
    EXPECT_EQ(on->Surface.Pixel(up.Left, middle.Y), Rgb(vcl::clHighlight)) << "left, toward the text";
    EXPECT_EQ(on->Surface.Pixel(middle.X, up.Bottom - 1), Rgb(vcl::clHighlight)) << "bottom, toward down";
    EXPECT_NE(on->Surface.Pixel(middle.X, up.Top), Rgb(vcl::clHighlight)) << "the editor's frame is above";
    EXPECT_NE(on->Surface.Pixel(up.Right - 1, middle.Y), Rgb(vcl::clHighlight));

    // Without an editor border to stand for it, the hot button is framed all round.
    editor.Style.SetBorderStyle(ebsNone);
    const auto framed = editor.Paint(Centre(editor.Button(sedUp)));
    const vcl::TRect alone = editor.Button(sedUp);
    EXPECT_EQ(framed->Surface.Pixel(Centre(alone).X, alone.Top), Rgb(vcl::clHighlight));
    EXPECT_EQ(framed->Surface.Pixel(alone.Right - 1, Centre(alone).Y), Rgb(vcl::clHighlight));
}

TEST(uiSpinEditPainting, EveryArrangementInEveryLookPaintsTheSamePixelsTwice) {
    struct TLook {
        TuiEditButtonStyle ButtonStyle;
        const char16_t* Skin;
    };
    const TLook looks[] = {{bts3D, u""},        {btsFlat, u""},     {btsSimple, u""},     {btsHotFlat, u""},
                           {btsUltraFlat, u""}, {btsOffice11, u""}, {btsDefault, u"Blue"}};
    for (const TLook& look : looks) {
        for (const TuiSpinEditButtonsPosition position : {sbpHorzLeftRight, sbpHorzRight, sbpVert}) {
            for (const bool fast : {false, true}) {
                SCOPED_TRACE(testing::Message() << look.ButtonStyle << " " << position << " " << fast);
                TPaintedSpinEditor editor(position, fast);
                editor.Style.SetButtonStyle(look.ButtonStyle);
                editor.Style.LookAndFeel().SetSkinName(look.Skin);
                const auto first = editor.Paint({5, 5});
                const auto second = editor.Paint({5, 5});
                EXPECT_EQ(first->Surface.Pixels(), second->Surface.Pixels());
                EXPECT_EQ(editor.Info->ButtonCount(), fast ? 4 : 2);
            }
        }
    }
}

class uiSpinEditNativePainting : public testing::Test {
protected:
    void SetUp() override {
        if (!AreVisualStylesActive({totEdit, totSpin})) {
            GTEST_SKIP() << "visual styles are not active";
        }
    }
};

TEST_F(uiSpinEditNativePainting, ASeparatorInTheBackgroundColourDividesUpAndDown) {
    const ui_test::TPinnedSystemInfo windows7({uxPlatformWinNT, 6, 1});
    const struct {
        TuiSpinEditButtonsPosition Position;
        int32_t DownPart;
        int32_t UpPart;
        bool Separator;
    } cases[] = {{sbpVert, 2, 1, true}, {sbpHorzRight, 4, 3, true}, {sbpHorzLeftRight, 4, 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Position);
        TPaintedSpinEditor editor(c.Position);
        editor.Style.LookAndFeel().SetNativeStyle(true);
        const auto on = editor.Paint();
        const TuiSpinEditViewInfo& info = editor.ViewInfo();
        ASSERT_TRUE(info.NativeStyle);
        EXPECT_EQ(info.Buttons(sedDown).ThemePart, c.DownPart);
        EXPECT_EQ(info.Buttons(sedUp).ThemePart, c.UpPart);
        EXPECT_EQ(info.HasSeparator, c.Separator);
        if (!c.Separator) {
            continue;
        }
        const vcl::TRect up = editor.Button(sedUp);
        const vcl::TRect down = editor.Button(sedDown);
        if (c.Position == sbpVert) {
            EXPECT_EQ(down.Top, up.Bottom + 1) << "one pixel apart";
            EXPECT_EQ(on->Surface.Pixel(Centre(up).X, up.Bottom), Rgb(info.BackgroundColor));
        } else {
            EXPECT_EQ(up.Left, down.Right + 1);
            EXPECT_EQ(on->Surface.Pixel(down.Right, Centre(down).Y), Rgb(info.BackgroundColor));
        }
    }
}

} // namespace
} // namespace ui
