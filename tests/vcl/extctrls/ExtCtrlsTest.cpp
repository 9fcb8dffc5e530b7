// Panels, bevels and progress bars checked on the pixels they paint, the client area inside a panel's bevels, and the
// common controls that the program's manifest selects.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/extctrls/Bevel.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/extctrls/ProgressBar.h"
#include "vcl/extctrls/XPManifest.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

using vcl_test::AddControl;

vcl::TColor Rgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

class PanelTest : public testing::Test {
protected:
    void SetUp() override {
        Panel = AddControl<vcl::TPanel>(*Form, u"Panel", vcl::Bounds(0, 0, 100, 60));
        Panel->SetColor(vcl::clWhite);
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(320, 240, ui_test::TFormPlacement::OffScreen);
    vcl::TPanel* Panel = nullptr;
    ui_test::TDibSurface Surface{100, 60};
};

struct TBevelCase {
    vcl::TBevelCut Outer;
    vcl::TBevelCut Inner;
    int32_t BorderWidth;
    vcl::TColor TopLeft;     // pixel (0, 0)
    vcl::TColor BottomRight; // pixel (99, 59)
    vcl::TColor FrameInside; // the frame's innermost left pixel (clNone: no frame)
    int32_t Frame;           // where the inside begins
};

TEST_F(PanelTest, TheBevelsAndTheBorderFrameTheInside) {
    const TBevelCase cases[] = {
        {vcl::bvRaised, vcl::bvNone, 0, vcl::clBtnHighlight, vcl::clBtnShadow, vcl::clBtnHighlight, 1},
        {vcl::bvLowered, vcl::bvNone, 0, vcl::clBtnShadow, vcl::clBtnHighlight, vcl::clBtnShadow, 1},
        {vcl::bvNone, vcl::bvNone, 0, vcl::clWhite, vcl::clWhite, vcl::clNone, 0},
        {vcl::bvRaised, vcl::bvLowered, 2, vcl::clBtnHighlight, vcl::clBtnShadow, vcl::clBtnShadow, 4},
    };
    auto* child = AddControl<vcl_test::TColorControl>(*Panel, u"Child", vcl::Bounds(0, 0, 10, 10));
    child->SetAlign(vcl::alClient);
    for (const TBevelCase& bevel : cases) {
        SCOPED_TRACE(static_cast<int>(bevel.Outer) * 10 + static_cast<int>(bevel.Inner));
        Panel->SetBevelOuter(bevel.Outer);
        Panel->SetBevelInner(bevel.Inner);
        Panel->SetBorderWidth(bevel.BorderWidth);
        EXPECT_EQ(child->BoundsRect(), vcl::Rect(bevel.Frame, bevel.Frame, 100 - bevel.Frame, 60 - bevel.Frame));
        child->Hide();
        ui_test::PaintControl(*Panel, Surface);
        child->Show();
        EXPECT_EQ(Surface.Pixel(0, 0), Rgb(bevel.TopLeft));
        EXPECT_EQ(Surface.Pixel(99, 59), Rgb(bevel.BottomRight));
        if (bevel.FrameInside != vcl::clNone) {
            EXPECT_EQ(Surface.Pixel(bevel.Frame - 1, 30), Rgb(bevel.FrameInside));
        }
        EXPECT_EQ(Surface.Pixel(bevel.Frame, 30), Rgb(vcl::clWhite));
    }
}

TEST_F(PanelTest, TheCaptionStandsInTheMiddleAndPaintingTwiceGivesTheSamePixels) {
    Panel->Font().SetColor(vcl::clBlack);
    Panel->SetCaption(u"中");
    ui_test::PaintControl(*Panel, Surface);
    const std::vector<uint32_t> first = Surface.Pixels();
    int left = 100;
    int right = -1;
    for (int y = 1; y < 59; ++y) {
        for (int x = 1; x < 99; ++x) {
            if (Surface.Pixel(x, y) == Rgb(vcl::clBlack)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, 0) << "the caption is painted";
    EXPECT_NEAR((left + right) / 2, 50, 3);
    ui_test::PaintControl(*Panel, Surface);
    EXPECT_EQ(Surface.Pixels(), first);
    Panel->SetCaption(u"");
    ui_test::PaintControl(*Panel, Surface);
    EXPECT_NE(Surface.Pixels(), first) << "a new caption paints anew";
}

TEST(Bevel, ALoweredTopLineIsAShadowLineOverAHighlightLine) {
    auto form = ui_test::ShowNewTestForm(320, 240, ui_test::TFormPlacement::OffScreen);
    form->SetColor(vcl::clWhite);
    auto* bevel = AddControl<vcl::TBevel>(*form, u"Bevel", vcl::Bounds(10, 20, 100, 4));
    bevel->SetShape(vcl::bsTopLine);
    ui_test::TDibSurface surface(form->ClientWidth(), form->ClientHeight());
    ui_test::PaintControl(*form, surface);
    EXPECT_EQ(surface.Pixel(50, 20), Rgb(vcl::clBtnShadow));
    EXPECT_EQ(surface.Pixel(50, 21), Rgb(vcl::clBtnHighlight));
    EXPECT_EQ(surface.Pixel(50, 22), Rgb(vcl::clWhite)) << "a line leaves the rest of the bevel alone";
    EXPECT_EQ(surface.Pixel(110, 20), Rgb(vcl::clWhite));
    bevel->SetStyle(vcl::bsRaised);
    bevel->SetShape(vcl::bsBox);
    ui_test::PaintControl(*form, surface);
    EXPECT_EQ(surface.Pixel(10, 20), Rgb(vcl::clBtnHighlight));
    EXPECT_EQ(surface.Pixel(109, 23), Rgb(vcl::clBtnShadow));
}

TEST(ProgressBar, ThePositionStaysInTheRangeAndFillsThatPartOfTheBar) {
    auto form = ui_test::ShowNewTestForm(320, 240, ui_test::TFormPlacement::OffScreen);
    auto* bar = AddControl<vcl::TProgressBar>(*form, u"Bar", vcl::Bounds(0, 0, 200, 20));
    bar->SetSmooth(true);
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    bar->SetRange(10, 5);
    EXPECT_EQ(bar->Max(), 10);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetRange(0, 100);
    bar->SetPosition(50);
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, 0), 100);
    ui_test::TDibSurface surface(200, 20);
    ui_test::PaintControl(*bar, surface);
    const vcl::TColor filled = surface.Pixel(50, 10);
    const vcl::TColor empty = surface.Pixel(150, 10);
    EXPECT_NE(filled, empty);
    bar->SetPosition(100);
    ui_test::PaintControl(*bar, surface);
    EXPECT_EQ(surface.Pixel(150, 10), filled) << "the whole bar is filled at the maximum";
}

// Buttons of version 6 answer BCM_GETIDEALSIZE; those of user32, which a program without the manifest gets, do not.
TEST(XPManifest, TheProgramsWindowsControlsAreThoseOfVersion6OfTheCommonControls) {
    const std::unique_ptr<vcl::TXPManifest, rtl::TComponentDeleter> manifest(new vcl::TXPManifest(nullptr));
    HWND button = CreateWindowExW(0, L"Button", L"OK", WS_POPUP, 0, 0, 75, 25, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    SIZE ideal{};
    EXPECT_NE(SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)), 0);
    DestroyWindow(button);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
    CharLowerW(path);
    EXPECT_NE(std::wstring(path).find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0"), std::wstring::npos)
        << "the common controls come from the side-by-side assembly of version 6";
}

} // namespace
