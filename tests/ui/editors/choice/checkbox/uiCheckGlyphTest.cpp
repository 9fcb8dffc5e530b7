// The check glyph on 32-bit DIBs: the flat looks' squares and sign by null style, a user glyph's images by state and
// press, the platform's classic check, the visual styles' check box, the sign mask against the platform's bitmap, and
// the same pixels painted twice in every look and state.

#include "ui/editors/choice/checkbox/uiCheckGlyph.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/editors/choice/ButtonTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "vcl/graphics/GdiObjects.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace ui {
namespace {

using ui_test::Rgb;
using ui_test::TCanvasSurface;

// The check rectangle of the tests: the standard check's size at (2, 2).
vcl::TRect CheckRect() {
    const vcl::TSize size = TuiStandardLookAndFeelPainter::Instance().CheckBoxSize();
    return {2, 2, 2 + size.cx, 2 + size.cy};
}

std::unique_ptr<TCanvasSurface> PaintCheck(const TuiEditorCheck& check) {
    auto on = std::make_unique<TCanvasSurface>(24, 24);
    PaintEditorCheck(on->Canvas, CheckRect(), check);
    return on;
}

// The colours inside the check's frame.
std::set<vcl::TColor> ContentColours(const TCanvasSurface& on) {
    const vcl::TRect content = InflateRectBy(CheckRect(), -2, -2);
    std::set<vcl::TColor> colours;
    for (int y = content.Top; y < content.Bottom; ++y) {
        for (int x = content.Left; x < content.Right; ++x) {
            colours.insert(on.Surface.Pixel(x, y));
        }
    }
    return colours;
}

TuiEditorCheck FlatCheck(TuiCheckBoxState state, TuiCheckBoxNullValueShowingStyle nullStyle) {
    TuiEditorCheck check;
    check.BorderStyle = cbsUltraFlat;
    check.State = state;
    check.NullStyle = nullStyle;
    return check;
}

TEST(uiCheckGlyph, AnUltraFlatGrayedCheckShowsAsItsNullStyleSays) {
    EXPECT_EQ(ContentColours(*PaintCheck(FlatCheck(cbsGrayed, nssInactive))), std::set{Rgb(vcl::clBtnFace)})
        << "an inactive square without sign";
    EXPECT_EQ(ContentColours(*PaintCheck(FlatCheck(cbsGrayed, nssGrayedChecked))),
              (std::set{Rgb(vcl::clWindow), Rgb(vcl::clBtnShadow)}))
        << "a window-coloured square with a shadow-coloured sign";
    EXPECT_EQ(PaintCheck(FlatCheck(cbsGrayed, nssUnchecked))->Surface.Pixels(),
              PaintCheck(FlatCheck(cbsUnchecked, nssUnchecked))->Surface.Pixels());
    EXPECT_EQ(ContentColours(*PaintCheck(FlatCheck(cbsChecked, nssGrayedChecked))),
              (std::set{Rgb(vcl::clWindow), Rgb(vcl::clBtnText)}));
}

TEST(uiCheckGlyph, TheSignMaskIsBlackExactlyWhereThePlatformsCheckedImageDiffers) {
    const vcl::TSize size = TuiStandardLookAndFeelPainter::Instance().CheckBoxSize();
    TCanvasSurface on(size.cx, size.cy);
    DrawCheckSign(on.Canvas, {2, 2, size.cx - 2, size.cy - 2}, vcl::clBlack);
    const vcl::TBitmapHandle boxes(LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759)));
    ASSERT_TRUE(boxes);
    const vcl::TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    const vcl::TSelectedObject selected(dc.Get(), boxes.Get());
    int black = 0;
    for (int y = 2; y < size.cy - 2; ++y) {
        for (int x = 2; x < size.cx - 2; ++x) {
            const bool differs = GetPixel(dc.Get(), x, y) != GetPixel(dc.Get(), x + size.cx, y);
            EXPECT_EQ(on.Surface.Pixel(x, y), Rgb(differs ? vcl::clBlack : vcl::clWhite)) << x << "," << y;
            black += differs ? 1 : 0;
        }
    }
    EXPECT_GT(black, 5);
    EXPECT_EQ(on.Surface.Pixel(0, 0), Rgb(vcl::clWhite)) << "nothing outside the content";
}

// The colour at the check's centre.
vcl::TColor CentreOf(const TuiEditorCheck& check) {
    const vcl::TRect rect = CheckRect();
    return PaintCheck(check)->Surface.Pixel((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
}

TEST(uiCheckGlyph, AGlyphShowsItsImageByStateAndPressInGroupsOfThree) {
    const vcl::TColor colours[] = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow, vcl::clAqua, vcl::clPurple};
    const vcl::TSize size = TuiStandardLookAndFeelPainter::Instance().CheckBoxSize();
    const auto six =
        ui_test::MakeGlyphBitmap({colours[0], colours[1], colours[2], colours[3], colours[4], colours[5]}, size.cx);
    const auto three = ui_test::MakeGlyphBitmap({colours[0], colours[1], colours[2]}, size.cx);
    for (const TuiCheckBoxState state : {cbsUnchecked, cbsChecked, cbsGrayed}) {
        for (const bool pressed : {false, true}) {
            SCOPED_TRACE(testing::Message() << int(state) << " " << pressed);
            TuiEditorCheck check;
            check.State = state;
            check.HotState = pressed ? chsPressed : chsNormal;
            check.Glyph = six.get();
            check.GlyphCount = 6;
            EXPECT_EQ(CentreOf(check), Rgb(colours[state + (pressed ? 3 : 0)]));
            check.Glyph = three.get();
            check.GlyphCount = 3;
            EXPECT_EQ(CentreOf(check), Rgb(colours[state])) << "three images: pressed as not pressed";
        }
    }
}

// A glyph of fewer images than states must not read past its strip.
TEST(uiCheckGlyph, AnImageIndexPastTheGlyphWrapsToItsImages) {
    const struct {
        TuiCheckBoxState State;
        bool Pressed;
        int32_t Count;
        int32_t Index;
    } cases[] = {{cbsGrayed, false, 2, 0}, {cbsChecked, false, 1, 0}, {cbsChecked, true, 2, 1},
                 {cbsGrayed, true, 4, 2},  {cbsGrayed, true, 6, 5},   {cbsUnchecked, true, 3, 0}};
    for (const auto& c : cases) {
        const int32_t index = CheckGlyphImageIndex(c.State, c.Pressed, c.Count);
        EXPECT_EQ(index, c.Index) << int(c.State) << " " << c.Pressed << " " << c.Count;
        EXPECT_LT(index, c.Count);
    }
}

TEST(uiCheckGlyph, TheClassicContentIsThePlatformsCheckWithTheFlagsOfItsState) {
    const struct {
        TuiCheckBoxState State;
        TuiCheckHotState HotState;
        UINT Flags;
    } cases[] = {{cbsUnchecked, chsNormal, 0},     {cbsChecked, chsNormal, 0x400}, {cbsChecked, chsPressed, 0x600},
                 {cbsChecked, chsDisabled, 0x608}, {cbsGrayed, chsNormal, 0x408},  {cbsUnchecked, chsDisabled, 0x308}};
    for (const TuiContainerBorderStyle border : {cbsFlat, cbs3D, cbsSingle}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << int(border) << " " << int(c.State) << " " << int(c.HotState));
            TuiEditorCheck check;
            check.BorderStyle = border;
            check.State = c.State;
            check.HotState = c.HotState;
            const auto painted = PaintCheck(check);
            TCanvasSurface expected(24, 24);
            const vcl::TRect rect = CheckRect();
            RECT frame{rect.Left, rect.Top, rect.Right, rect.Bottom};
            DrawFrameControl(expected.Surface.DC(), &frame, DFC_BUTTON, c.Flags | (border == cbs3D ? 0 : DFCS_FLAT));
            const vcl::TRect content = InflateRectBy(rect, -2, -2);
            for (int y = content.Top; y < content.Bottom; ++y) {
                for (int x = content.Left; x < content.Right; ++x) {
                    ASSERT_EQ(painted->Surface.Pixel(x, y), expected.Surface.Pixel(x, y)) << x << "," << y;
                }
            }
        }
    }
}

TEST(uiCheckGlyph, TheNativeCheckIsTheThemesCheckBoxOfItsStateAndHotState) {
    const HTHEME theme = NativeTheme(totButton);
    if (theme == nullptr) {
        GTEST_SKIP() << "visual styles are not active";
    }
    for (const TuiCheckBoxState state : {cbsUnchecked, cbsChecked, cbsGrayed}) {
        for (const TuiCheckHotState hot : {chsNormal, chsHot, chsPressed, chsDisabled}) {
            TuiEditorCheck check;
            check.NativeStyle = true;
            check.State = state;
            check.HotState = hot;
            const auto painted = PaintCheck(check);
            TCanvasSurface expected(24, 24);
            UxTheme().DrawThemeBackground(theme, expected.Surface.DC(), uiThemeCheckBoxPart, 4 * state + hot + 1,
                                          CheckRect());
            EXPECT_EQ(painted->Surface.Pixels(), expected.Surface.Pixels()) << int(state) << " " << int(hot);
        }
    }
}

TEST(uiCheckGlyph, EveryLookAndStatePaintsTheSamePixelsTwiceAndStaysInItsRectangle) {
    const TuiContainerBorderStyle borders[] = {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};
    for (const TuiContainerBorderStyle border : borders) {
        for (const TuiCheckBoxState state : {cbsUnchecked, cbsChecked, cbsGrayed}) {
            for (const TuiCheckHotState hot : {chsNormal, chsHot, chsPressed, chsDisabled}) {
                SCOPED_TRACE(testing::Message() << int(border) << " " << int(state) << " " << int(hot));
                TuiEditorCheck check;
                check.BorderStyle = border;
                check.State = state;
                check.HotState = hot;
                const auto first = PaintCheck(check);
                EXPECT_EQ(first->Surface.Pixels(), PaintCheck(check)->Surface.Pixels());
                int outside = 0;
                for (int y = 0; y < 24; ++y) {
                    for (int x = 0; x < 24; ++x) {
                        outside += !CheckRect().Contains({x, y}) && first->Surface.Pixel(x, y) != Rgb(vcl::clWhite);
                    }
                }
                EXPECT_EQ(outside, 0);
            }
        }
    }
}

TEST(uiCheckGlyph, TheBorderOffsetIsWhatTheFrameLeavesOfTwoPixels) {
    EXPECT_EQ(GetCheckBorderOffset(cbsNone, false, false, nullptr), 2);
    EXPECT_EQ(GetCheckBorderOffset(cbsSingle, false, false, nullptr), 1);
    EXPECT_EQ(GetCheckBorderOffset(cbsThick, false, false, nullptr), 0);
    EXPECT_EQ(GetCheckBorderOffset(cbsNone, true, false, nullptr), 0) << "native";
    EXPECT_EQ(GetCheckBorderOffset(cbsNone, false, true, nullptr), 0) << "glyph";
    EXPECT_EQ(GetCheckBorderOffset(cbsNone, false, false, &TuiStandardLookAndFeelPainter::Instance()), 0) << "skin";
}

TEST(uiCheckGlyph, TheCheckSizeIsAGlyphsImageOrTheLooks) {
    const auto glyph = ui_test::MakeGlyphBitmap({vcl::clRed, vcl::clLime, vcl::clBlue}, 10);
    EXPECT_EQ(GetEditorCheckSize(false, glyph.get(), 3, nullptr), (vcl::TSize{10, 10}));
    EXPECT_EQ(GetEditorCheckSize(false, glyph.get(), 0, nullptr),
              TuiStandardLookAndFeelPainter::Instance().CheckBoxSize());
    EXPECT_EQ(GetEditorCheckSize(false, nullptr, 6, nullptr), TuiStandardLookAndFeelPainter::Instance().CheckBoxSize());
}

} // namespace
} // namespace ui
