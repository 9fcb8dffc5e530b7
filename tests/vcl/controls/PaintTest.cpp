// Painting: a control's Paint on its canvas, graphic children painted by their parent and clipped to themselves,
// the parent's background, double buffering, and the colour and font that children take from their parents.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"

#include <gtest/gtest.h>

namespace {

using ui_test::TDibSurface;
using vcl_test::AddControl;
using vcl_test::TColorControl;

// A graphic control that paints well beyond its own area, which its parent must clip away.
class TOverdrawingGraphic : public vcl::TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(vcl::clLime);
        Canvas().FillRect(vcl::Rect(-50, -50, Width() + 50, Height() + 50));
    }
};

// A windowed control that paints nothing: what shows is its background.
class TBackgroundOnly : public vcl::TCustomControl {
public:
    explicit TBackgroundOnly(rtl::TComponent* owner) : TCustomControl(owner) { SetParentColor(false); }
};

TEST(Paint, ACustomControlPaintsItsWholeAreaOnItsCanvas) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* control = AddControl<TColorControl>(*form, u"Control", vcl::Bounds(10, 10, 30, 20));
    control->SetColor(vcl::clRed);
    TDibSurface surface(30, 20);
    ui_test::PaintControl(*control, surface);
    const std::vector<uint32_t> pixels = surface.Pixels();
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint32_t pixel) { return pixel == 0xFF0000; }));
}

TEST(Paint, AGraphicChildIsPaintedAtItsPlaceAndClippedToItsArea) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* panel = AddControl<TColorControl>(*form, u"Panel", vcl::Bounds(0, 0, 100, 60));
    panel->SetColor(vcl::clBlue);
    AddControl<TOverdrawingGraphic>(*panel, u"Graphic", vcl::Rect(10, 20, 30, 30));
    TDibSurface surface(100, 60);
    ui_test::PaintControl(*panel, surface);
    EXPECT_EQ(surface.Pixel(10, 20), vcl::clLime);
    EXPECT_EQ(surface.Pixel(29, 29), vcl::clLime);
    for (const vcl::TPoint outside : {vcl::Point(9, 20), vcl::Point(30, 25), vcl::Point(15, 19), vcl::Point(15, 30)}) {
        EXPECT_EQ(surface.Pixel(outside.X, outside.Y), vcl::clBlue) << outside.X << "," << outside.Y;
    }
}

TEST(Paint, PaintToPaintsWindowedChildrenAtTheirPlacesAndTwiceGivesTheSamePixels) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* panel = AddControl<TColorControl>(*form, u"Panel", vcl::Bounds(0, 0, 100, 60));
    panel->SetColor(vcl::clBlue);
    auto* child = AddControl<TColorControl>(*panel, u"Child", vcl::Bounds(50, 10, 20, 20));
    child->SetColor(vcl::clYellow);
    TDibSurface first(100, 60);
    TDibSurface second(100, 60);
    ui_test::PaintControl(*panel, first);
    ui_test::PaintControl(*panel, second, vcl::clBlack);
    EXPECT_EQ(first.Pixel(50, 10), vcl::clYellow);
    EXPECT_EQ(first.Pixel(49, 10), vcl::clBlue);
    EXPECT_EQ(first.Pixels(), second.Pixels());
}

TEST(Paint, ABackgroundIsTheControlsColourOrWithParentBackgroundItsParents) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* panel = AddControl<TColorControl>(*form, u"Panel", vcl::Bounds(0, 0, 100, 60));
    panel->SetColor(vcl::clBlue);
    auto* graphic = AddControl<TOverdrawingGraphic>(*panel, u"Graphic", vcl::Bounds(20, 10, 4, 4));
    auto* child = AddControl<TBackgroundOnly>(*panel, u"Child", vcl::Bounds(10, 5, 30, 20));
    child->SetColor(vcl::clRed);
    TDibSurface surface(30, 20);
    ui_test::PaintControl(*child, surface);
    EXPECT_EQ(surface.Pixel(0, 0), vcl::clRed);
    child->SetParentBackground(true);
    ui_test::PaintControl(*child, surface);
    EXPECT_EQ(surface.Pixel(0, 0), vcl::clBlue);
    EXPECT_EQ(surface.Pixel(graphic->Left() - child->Left(), graphic->Top() - child->Top()), vcl::clLime)
        << "the parent's graphic children belong to its background too";
}

// The pixels a window shows on the screen, read back from its window.
std::vector<uint32_t> ScreenPixels(vcl::TWinControl& control) {
    const vcl::TRect client = control.ClientRect();
    TDibSurface surface(client.Width(), client.Height());
    HDC window = GetDC(control.Handle());
    BitBlt(surface.DC(), 0, 0, client.Width(), client.Height(), window, 0, 0, SRCCOPY);
    ReleaseDC(control.Handle(), window);
    return surface.Pixels();
}

TEST(Paint, ADoubleBufferedControlShowsWhatItPaintsDirectly) {
    auto form = ui_test::ShowNewTestForm(200, 100);
    auto* panel = AddControl<TColorControl>(*form, u"Panel", vcl::Bounds(0, 0, 100, 60));
    panel->SetColor(vcl::clBlue);
    AddControl<TOverdrawingGraphic>(*panel, u"Graphic", vcl::Bounds(10, 10, 20, 20));
    panel->Repaint();
    TDibSurface expected(100, 60);
    ui_test::PaintControl(*panel, expected);
    EXPECT_EQ(ScreenPixels(*panel), expected.Pixels());

    panel->SetDoubleBuffered(true);
    panel->SetColor(vcl::clRed);
    const int paintsBefore = panel->PaintCount;
    panel->Repaint();
    EXPECT_EQ(panel->PaintCount, paintsBefore + 1);
    ui_test::PaintControl(*panel, expected);
    EXPECT_EQ(expected.Pixel(0, 0), vcl::clRed);
    EXPECT_EQ(ScreenPixels(*panel), expected.Pixels());
}

TEST(Paint, ChildrenTakeTheColourAndFontOfTheirParentUntilTheyGetTheirOwn) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* panel = AddControl<TColorControl>(*form, u"Panel", vcl::Bounds(0, 0, 100, 60));
    auto* follower = AddControl<vcl_test::TLoggingControl>(*panel, u"Follower");
    auto* own = AddControl<vcl_test::TLoggingControl>(*panel, u"Own");
    own->SetColor(vcl::clRed);
    own->Font().SetSize(14);
    EXPECT_FALSE(own->ParentColor());
    EXPECT_FALSE(own->ParentFont());

    panel->SetColor(vcl::clGreen);
    panel->Font().SetName(u"Tahoma");
    panel->Font().SetStyle({vcl::fsBold});
    EXPECT_EQ(follower->Color(), vcl::clGreen);
    EXPECT_TRUE(follower->ParentColor());
    EXPECT_TRUE(follower->Font().SameAs(panel->Font()));
    EXPECT_TRUE(follower->ParentFont());
    EXPECT_EQ(own->Color(), vcl::clRed);
    EXPECT_EQ(own->Font().Size(), 14);

    own->SetParentColor(true);
    own->SetParentFont(true);
    EXPECT_EQ(own->Color(), vcl::clGreen);
    EXPECT_TRUE(own->Font().SameAs(panel->Font()));

    auto* late = AddControl<vcl_test::TLoggingControl>(*form, u"Late");
    late->SetParent(panel);
    EXPECT_EQ(late->Color(), vcl::clGreen) << "a control placed on a parent takes its colour at once";
}

} // namespace
