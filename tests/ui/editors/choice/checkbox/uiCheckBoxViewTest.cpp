// The check box laid out and painted without a control: where the check and the caption go by alignment and size,
// the caption's text flags, the check's border style under hot tracking, the check's hot state under the pointer, the
// focus frame, and the same pixels painted twice.

#include "tests/support/ui/GeometryPrinting.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/choice/checkbox/uiCheckBoxViewData.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;
using ui_test::TCanvasSurface;

// A check box description with its style, view data and view info.
struct TCheckView {
    TuiCheckBoxProperties Properties{nullptr};
    TuiEditStyle Style{nullptr, false};
    std::unique_ptr<TuiCustomEditViewData> Data;
    std::unique_ptr<TuiCustomEditViewInfo> Info = Properties.CreateViewInfo();

    explicit TCheckView(bool inplace = false) {
        Style.SetIgnoresDefaultController(true);
        Style.SetTransparentBorder(false);
        Style.LookAndFeel().SetKind(lfStandard);
        Style.SetBorderStyle(ebsFlat);
        Style.SetHotTrack(false);
        Data = Properties.CreateViewData(Style, inplace);
        CheckData().Caption = u"Caption";
    }
    TuiCustomCheckBoxViewData& CheckData() { return static_cast<TuiCustomCheckBoxViewData&>(*Data); }
    TuiCustomCheckBoxViewInfo& Check() { return static_cast<TuiCustomCheckBoxViewInfo&>(*Info); }
    TuiCustomCheckBoxViewInfo& Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, vcl::TPoint mouse = {-1, -1},
                                         vcl::TShiftState shift = {},
                                         std::optional<vcl::TMouseButton> button = std::nullopt) {
        Data->Calculate(canvas, bounds, false, *Info, shift, button, mouse);
        Data->ApplyDisplayValue(canvas, rtl::Variant(true), *Info);
        return Check();
    }
};

vcl::TSize StandardCheck() {
    return TuiStandardLookAndFeelPainter::Instance().CheckBoxSize();
}

TEST(uiCheckBoxView, TheCaptionFollowsTheCheckLeftOrRightAndACentredCheckHasNone) {
    TCanvasSurface on(200, 40);
    TCheckView view;
    const TuiCustomCheckBoxViewInfo& left = view.Calculate(on.Canvas, {0, 0, 120, 21});
    EXPECT_EQ(left.Alignment, cbaCheckLeft);
    EXPECT_EQ(left.CheckRect.Left, left.ClientRect.Left + 2);
    EXPECT_EQ(left.TextRect.Left, left.CheckRect.Right + 3);
    EXPECT_EQ(left.Text, u"Caption");

    view.Properties.GetAlignment().SetHorz(vcl::taRightJustify);
    const TuiCustomCheckBoxViewInfo& right = view.Calculate(on.Canvas, {0, 0, 120, 21});
    EXPECT_EQ(right.CheckRect.Right, right.ClientRect.Right - 2);
    EXPECT_EQ(right.TextRect.Right, right.CheckRect.Left - 3);

    view.Properties.GetAlignment().SetHorz(vcl::taCenter);
    const TuiCustomCheckBoxViewInfo& centred = view.Calculate(on.Canvas, {0, 0, 120, 21});
    EXPECT_EQ(centred.Alignment, cbaCheckCentred);
    EXPECT_EQ(centred.CheckRect.Left - centred.ClientRect.Left, centred.ClientRect.Right - centred.CheckRect.Right);
    TCanvasSurface painted(120, 21);
    view.Info->Paint(painted.Canvas);
    int captionInk = 0;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 120; ++x) {
            captionInk += !centred.CheckRect.Contains({x, y}) && painted.Surface.Pixel(x, y) == Rgb(vcl::clWindowText);
        }
    }
    EXPECT_EQ(captionInk, 0) << "no caption drawn";
}

TEST(uiCheckBoxView, ABoxNarrowerThanTheCheckCutsTheCheckAndDropsTheCaption) {
    TCanvasSurface on(40, 40);
    TCheckView view;
    view.Style.SetBorderStyle(ebsNone);
    const vcl::TSize check = StandardCheck();
    const TuiCustomCheckBoxViewInfo& info = view.Calculate(on.Canvas, {0, 0, check.cx - 2, 21});
    EXPECT_EQ(info.CheckRect.Width(), std::max(info.ClientRect.Width() - 4, 0));
    EXPECT_EQ(info.TextRect.Width(), 0);
}

TEST(uiCheckBoxView, TheCaptionsTextFlags) {
    TCheckView standalone;
    EXPECT_EQ(standalone.CheckData().GetDrawTextFlags(), 0x261);
    standalone.Properties.SetMultiLine(true);
    EXPECT_EQ(standalone.CheckData().GetDrawTextFlags(), 0x689);
    TCheckView inplace(true);
    inplace.Properties.SetMultiLine(true);
    EXPECT_EQ(inplace.CheckData().GetDrawTextFlags(), 0x6A1);
    inplace.Properties.SetMultiLine(false);
    inplace.Properties.GetAlignment().SetHorz(vcl::taCenter);
    EXPECT_EQ(inplace.CheckData().GetDrawTextFlags(), 0x264);
}

TEST(uiCheckBoxView, AHotOrFocusedBoxUnderHotTrackingFramesItsCheckHeavier) {
    const struct {
        TuiEditBorderStyle Border;
        TuiContainerBorderStyle Idle;
        TuiContainerBorderStyle Emphasised;
    } cases[] = {{ebsNone, cbsNone, cbsFlat},
                 {ebsSingle, cbsSingle, cbsThick},
                 {ebsThick, cbsThick, cbsThick},
                 {ebsFlat, cbsFlat, cbs3D},
                 {ebs3D, cbs3D, cbs3D},
                 {ebsUltraFlat, cbsUltraFlat, cbsUltraFlat},
                 {ebsOffice11, cbsOffice11, cbsOffice11}};
    TCanvasSurface on(200, 40);
    for (const auto& c : cases) {
        TCheckView view;
        view.Style.SetBorderStyle(c.Border);
        view.Style.SetHotTrack(true);
        EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}).CheckBorderStyle, c.Idle) << int(c.Border);
        view.Data->Focused = true;
        const TuiCustomCheckBoxViewInfo& focused = view.Calculate(on.Canvas, {0, 0, 120, 21});
        EXPECT_EQ(focused.HotTrackMode, 2);
        EXPECT_EQ(focused.CheckBorderStyle, c.Emphasised) << int(c.Border);
        EXPECT_EQ(focused.CheckBorderOffset, GetCheckBorderOffset(c.Emphasised, false, false, nullptr));
    }
}

TEST(uiCheckBoxView, InPlaceTheCheckIsCentredUnlessTheAlignmentIsAskedFor) {
    TCanvasSurface on(200, 40);
    TCheckView view(true);
    const TuiCustomCheckBoxViewInfo& centred = view.Calculate(on.Canvas, {0, 0, 60, 18});
    EXPECT_EQ(centred.Alignment, cbaCheckCentred);
    EXPECT_TRUE(centred.Text.empty()) << "no caption in place";
    EXPECT_EQ(centred.CheckRect.Left, (60 - StandardCheck().cx) / 2);
    view.Properties.SetUseAlignmentWhenInplace(true);
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 60, 18}).CheckRect.Left, 2);
}

TEST(uiCheckBoxView, TheCheckIsHotUnderThePointerAndPressedOnlyByALeftPressThatBeganOnIt) {
    TCanvasSurface on(200, 40);
    TCheckView view;
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}, {5, 10}).HotState, chsHot);
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}, {5, 10}, {vcl::ssLeft}).HotState, chsNormal)
        << "held from elsewhere";
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}, {5, 10}, {vcl::ssLeft}, vcl::mbLeft).HotState, chsPressed);
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}, {6, 10}, {vcl::ssLeft}).HotState, chsPressed) << "still";
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}, {5, 10}, {vcl::ssRight}, vcl::mbRight).HotState, chsNormal);
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}, {150, 10}).HotState, chsNormal);
    view.Data->Enabled = false;
    EXPECT_EQ(view.Calculate(on.Canvas, {0, 0, 120, 21}, {5, 10}).HotState, chsDisabled);
}

TEST(uiCheckBoxView, TheFocusFrameHugsTheCaptionUnlessItFillsTheTextRectangle) {
    TCanvasSurface on(200, 40);
    TCheckView view;
    view.Data->Focused = true;
    const vcl::TRect hugging = view.Calculate(on.Canvas, {0, 0, 180, 21}).FocusRect;
    const vcl::TRect text = view.Check().TextRect;
    EXPECT_FALSE(IsRectEmptyArea(hugging));
    EXPECT_LT(hugging.Width(), text.Width());
    EXPECT_EQ(hugging.Left, text.Left - 1);
    view.Properties.SetFullFocusRect(true);
    const vcl::TRect full = view.Calculate(on.Canvas, {0, 0, 180, 21}).FocusRect;
    EXPECT_EQ(full.Left, text.Left - 1);
    EXPECT_EQ(full.Right, std::min(text.Right + 1, view.Check().BorderRect.Right - 1));
}

TEST(uiCheckBoxView, EveryLookAndStatePaintsTheSamePixelsTwice) {
    for (const TuiLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
        for (const bool inplace : {false, true}) {
            for (const rtl::Variant& value : {rtl::Variant(true), rtl::Variant(false), rtl::Variant::Null()}) {
                SCOPED_TRACE(testing::Message() << int(kind) << " " << inplace);
                TCheckView view(inplace);
                view.Style.LookAndFeel().SetKind(kind);
                view.Style.SetBorderStyle(static_cast<TuiEditBorderStyle>(kind + 2));
                const auto paint = [&] {
                    auto on = std::make_unique<TCanvasSurface>(130, 30);
                    view.Data->Calculate(on->Canvas, {5, 5, 125, 26}, false, *view.Info, {}, std::nullopt, {10, 15});
                    view.Data->ApplyDisplayValue(on->Canvas, value, *view.Info);
                    view.Info->Paint(on->Canvas);
                    return on;
                };
                const auto first = paint();
                EXPECT_EQ(first->Surface.Pixels(), paint()->Surface.Pixels());
                EXPECT_EQ(first->Surface.Pixel(2, 2), Rgb(vcl::clWhite));
                const vcl::TRect check = view.Check().CheckRect;
                int drawn = 0;
                for (int y = check.Top; y < check.Bottom; ++y) {
                    for (int x = check.Left; x < check.Right; ++x) {
                        drawn += first->Surface.Pixel(x, y) != Rgb(vcl::clWhite);
                    }
                }
                EXPECT_GT(drawn, check.Width()) << "the check's frame";
            }
        }
    }
}

TEST(uiCheckBoxView, AutoSizeAsksForTheCheckWithItsMarginsAndTheCaptionsHeight) {
    TCanvasSurface on(10, 10);
    TCheckView view;
    const vcl::TSize check = StandardCheck();
    const vcl::TSize size = view.Data->GetEditSize(on.Canvas, rtl::Variant(true), {});
    EXPECT_GE(size.cy, check.cy + 4);
    EXPECT_GT(size.cx, check.cx + 4) << "with the caption";
    TCheckView inplace(true);
    EXPECT_EQ(inplace.Data->GetEditSize(on.Canvas, rtl::Variant(true), {}).cx,
              check.cx + 4 + inplace.Data->GetBorderExtent().Left + inplace.Data->GetBorderExtent().Right);
}

} // namespace
} // namespace ui
