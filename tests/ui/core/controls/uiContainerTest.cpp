// The container driven as a form shows it: frames of each border style painted into 32-bit DIBs and read back, the
// window region that cuts the transparent margin and the shadow's corners, hot tracking under the pointer, the focused
// and disabled styles, and the container's colour and font kept in its normal style.

#include "ui/core/controls/uiContainer.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/themes/uiDWMApi.h"
#include "ui/core/themes/uxUxTheme.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/GdiObjects.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::AllPixelsAre;
using ui_test::TDibSurface;

// A container that shows the state a native frame would take.
class TProbeContainer : public TuiContainer {
    RTL_DECLARE_CLASS(TProbeContainer, TuiContainer)
public:
    using TuiContainer::NativeBorderStateId;
    using TuiContainer::TuiContainer;
};

class TuiContainerTest : public testing::Test {
protected:
    static constexpr int ContainerWidth = 60;
    static constexpr int ContainerHeight = 40;

    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        Container = new TProbeContainer(Form.get());
        Container->SetParent(Form.get());
        Container->SetBounds(20, 20, ContainerWidth, ContainerHeight);
        Container->Style().SetBorderStyle(cbsSingle);
        Container->Style().SetHotTrack(false);
        Container->Style().SetTransparentBorder(false);
        Container->HandleNeeded();
        ui_test::ProcessPendingMessages();
    }

    // The container painted on a surface of its size filled with magenta; painting twice gives the same pixels.
    std::unique_ptr<TDibSurface> Painted() {
        auto surface = std::make_unique<TDibSurface>(ContainerWidth, ContainerHeight);
        ui_test::PaintControl(*Container, *surface);
        TDibSurface again(ContainerWidth, ContainerHeight);
        ui_test::PaintControl(*Container, again);
        EXPECT_EQ(surface->Pixels(), again.Pixels());
        return surface;
    }

    // The window region's bounding box; empty without a region.
    vcl::TRect RegionBox() const {
        const vcl::TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(Container->WindowHandle(), region.Get()) == ERROR) {
            return {};
        }
        RECT box;
        GetRgnBox(region.Get(), &box);
        return {box.left, box.top, box.right, box.bottom};
    }

    bool InRegion(int x, int y) const {
        const vcl::TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(Container->WindowHandle(), region.Get()) != ERROR && PtInRegion(region.Get(), x, y);
    }

    static vcl::TColor Rgb(vcl::TColor color) { return vcl::ColorToRGB(color); }

    ui_test::TFormPtr<vcl::TForm> Form;
    TProbeContainer* Container = nullptr;
};

TEST_F(TuiContainerTest, ASingleFrameLiesOnTheBounds) {
    EXPECT_EQ(Container->ViewInfo().BorderRect, (vcl::TRect{1, 1, ContainerWidth - 1, ContainerHeight - 1}));
    EXPECT_EQ(Container->ViewInfo().BorderWidth, 1);
    const auto surface = Painted();
    EXPECT_TRUE(AllPixelsAre(*surface, {0, 0, ContainerWidth, 1}, Rgb(vcl::clWindowFrame)));
    EXPECT_TRUE(AllPixelsAre(*surface, {0, 0, 1, ContainerHeight}, Rgb(vcl::clWindowFrame)));
    EXPECT_TRUE(AllPixelsAre(*surface, {1, 1, ContainerWidth - 1, ContainerHeight - 1}, Rgb(vcl::clWindow)));
    EXPECT_EQ(RegionBox(), (vcl::TRect{0, 0, ContainerWidth, ContainerHeight}));
}

TEST_F(TuiContainerTest, ATransparentBorderKeepsAMarginTheRegionCutsAway) {
    Container->Style().SetTransparentBorder(true);
    EXPECT_EQ(Container->ViewInfo().BorderRect, (vcl::TRect{2, 2, ContainerWidth - 2, ContainerHeight - 2}));
    const auto surface = Painted();
    EXPECT_TRUE(AllPixelsAre(*surface, {1, 1, ContainerWidth - 1, 2}, Rgb(vcl::clWindowFrame)));
    EXPECT_TRUE(AllPixelsAre(*surface, {2, 2, ContainerWidth - 2, ContainerHeight - 2}, Rgb(vcl::clWindow)));
    EXPECT_EQ(RegionBox(), (vcl::TRect{1, 1, ContainerWidth - 1, ContainerHeight - 1}));
}

TEST_F(TuiContainerTest, AShadowFillsThreePixelsRightAndBelowAndTheRegionLeavesTwoCornersOut) {
    Container->Style().SetShadow(true);
    const int right = ContainerWidth - 3;
    const int bottom = ContainerHeight - 3;
    EXPECT_EQ(Container->ViewInfo().BorderRect, (vcl::TRect{1, 1, right - 1, bottom - 1}));
    const auto surface = Painted();
    EXPECT_TRUE(AllPixelsAre(*surface, {3, bottom, right, ContainerHeight}, Rgb(vcl::clBtnShadow)));
    EXPECT_TRUE(AllPixelsAre(*surface, {right, 3, ContainerWidth, ContainerHeight}, Rgb(vcl::clBtnShadow)));
    EXPECT_TRUE(AllPixelsAre(*surface, {0, 0, right, 1}, Rgb(vcl::clWindowFrame)));
    EXPECT_TRUE(InRegion(ContainerWidth - 2, ContainerHeight - 2));
    EXPECT_TRUE(InRegion(0, 0));
    EXPECT_FALSE(InRegion(ContainerWidth - 2, 1));  // top-right corner
    EXPECT_FALSE(InRegion(1, ContainerHeight - 2)); // bottom-left corner
}

TEST_F(TuiContainerTest, HotTrackingThickensTheFrameUnderThePointer) {
    Container->Style().SetHotTrack(true);
    ui_test::MouseMove(*Form, {5, 5});
    ASSERT_EQ(Container->ViewInfo().BorderStyle, cbsSingle);
    ui_test::MouseMove(*Container, {30, 20});
    EXPECT_EQ(Container->ViewInfo().BorderStyle, cbsThick);
    EXPECT_EQ(Container->ViewInfo().BorderWidth, 2);
    EXPECT_EQ(&Container->ActiveStyle(), &Container->StyleHot());
    EXPECT_TRUE(AllPixelsAre(*Painted(), {0, 0, ContainerWidth, 2}, Rgb(vcl::clWindowFrame)));
    // A held button is no hovering.
    Container->UpdateAtPoint({30, 20}, 1, true, {vcl::ssLeft});
    EXPECT_EQ(Container->ViewInfo().BorderStyle, cbsSingle);
    Container->UpdateAtPoint({30, 20}, 0, true, {});
    EXPECT_EQ(Container->ViewInfo().BorderStyle, cbsThick);
    ui_test::MouseMove(*Form, {5, 5});
    EXPECT_TRUE(ui_test::PumpUntil([&] { return Container->ViewInfo().BorderStyle == cbsSingle; }));
    EXPECT_EQ(&Container->ActiveStyle(), &Container->Style());
}

TEST_F(TuiContainerTest, AnUltraFlatFrameIsOneShadowPixelAndHighlightedWhenFocused) {
    Container->Style().SetBorderStyle(cbsUltraFlat);
    EXPECT_EQ(Container->ViewInfo().BorderStyle, cbsSingle);
    EXPECT_EQ(Container->ViewInfo().BorderColor, vcl::clBtnShadow);
    EXPECT_TRUE(AllPixelsAre(*Painted(), {0, 0, ContainerWidth, 1}, Rgb(vcl::clBtnShadow)));
    Container->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(&Container->ActiveStyle(), &Container->StyleFocused());
    EXPECT_EQ(Container->ViewInfo().BorderColor, vcl::clHighlight);
    EXPECT_TRUE(AllPixelsAre(*Painted(), {0, 0, ContainerWidth, 1}, Rgb(vcl::clHighlight)));
}

TEST_F(TuiContainerTest, ADisabledContainerTakesTheDisabledStyle) {
    Container->SetEnabled(false);
    EXPECT_EQ(&Container->ActiveStyle(), &Container->StyleDisabled());
    EXPECT_EQ(Container->NativeBorderStateId(), 4);
    EXPECT_EQ(Container->ViewInfo().BackgroundColor, vcl::clBtnFace);
    EXPECT_EQ(Container->ViewInfo().BorderColor, vcl::clBtnShadow);
    EXPECT_TRUE(AllPixelsAre(*Painted(), {1, 1, ContainerWidth - 1, ContainerHeight - 1}, Rgb(vcl::clBtnFace)));
    Container->SetEnabled(true);
    EXPECT_EQ(Container->NativeBorderStateId(), 1);
}

TEST_F(TuiContainerTest, TheContainersColourAndFontLiveInItsNormalStyle) {
    Container->SetColor(vcl::clYellow);
    EXPECT_TRUE(Container->Style().AssignedValues().Contains(csvColor));
    EXPECT_EQ(Container->Style().Color(), vcl::clYellow);
    Container->Style().SetColor(vcl::clAqua);
    EXPECT_EQ(Container->Color(), vcl::clAqua);
    EXPECT_TRUE(AllPixelsAre(*Painted(), {1, 1, ContainerWidth - 1, ContainerHeight - 1}, Rgb(vcl::clAqua)));

    ASSERT_TRUE(Container->ParentFont());
    Form->Font().SetHeight(-19);
    EXPECT_EQ(Container->Font().Height(), -19);
    EXPECT_EQ(Container->Style().Font().Height(), -19);
    EXPECT_FALSE(Container->Style().AssignedValues().Contains(csvFont));
    Container->Font().SetHeight(-23);
    EXPECT_TRUE(Container->Style().AssignedValues().Contains(csvFont));
    EXPECT_EQ(Container->Style().Font().Height(), -23);
    EXPECT_FALSE(Container->ParentFont());
    Container->SetParentFont(true);
    EXPECT_EQ(Container->Font().Height(), -19);
    EXPECT_FALSE(Container->Style().AssignedValues().Contains(csvFont));
}

TEST_F(TuiContainerTest, AParentColourContainerPaintsInItsParentsColour) {
    Container->SetParentColor(true);
    Form->SetColor(vcl::clLime);
    EXPECT_EQ(Container->ViewInfo().BackgroundColor, vcl::clLime);
    EXPECT_FALSE(Container->Style().AssignedValues().Contains(csvColor));
    EXPECT_TRUE(AllPixelsAre(*Painted(), {1, 1, ContainerWidth - 1, ContainerHeight - 1}, Rgb(vcl::clLime)));
}

TEST_F(TuiContainerTest, ANativeFrameIsTheThemesBorderAroundItsContentRectangle) {
    Container->Style().LookAndFeel().SetNativeStyle(true);
    const TuiContainerViewInfo& view = Container->ViewInfo();
    ASSERT_TRUE(view.NativeStyle);
    EXPECT_EQ(view.NativeState, 1);
    EXPECT_EQ(view.BorderRect, (vcl::TRect{2, 2, ContainerWidth - 2, ContainerHeight - 2}));
    EXPECT_EQ(RegionBox(), vcl::TRect{}) << "the theme's frame needs no window region";

    const vcl::TRect bounds{0, 0, ContainerWidth, ContainerHeight};
    vcl::TRect content = bounds;
    UxTheme().GetThemeBackgroundContentRect(OpenThemeOfType(totEdit), nullptr, 1, 1, bounds, content);
    ASSERT_GT(content.Top, 0);
    const bool composition = IsDwmCompositionEnabled();
    uint32_t themeBorder = 0;
    ASSERT_EQ(UxTheme().GetThemeColor(OpenThemeOfType(composition ? totListBox : totComboBox), composition ? 3 : 1, 1,
                                      3801, themeBorder),
              0);
    const auto surface = Painted();
    EXPECT_TRUE(AllPixelsAre(*surface, {0, 0, ContainerWidth, content.Top}, static_cast<vcl::TColor>(themeBorder)));
    EXPECT_TRUE(AllPixelsAre(*surface, content, Rgb(view.BackgroundColor)));

    Container->SetEnabled(false);
    EXPECT_EQ(Container->ViewInfo().NativeState, 4);
}

TEST_F(TuiContainerTest, ScalingScalesTheBoundsAndTheFontTheStyleAssigns) {
    // The style assigns no font: only the bounds scale.
    Container->ChangeScale(120, 96);
    EXPECT_EQ(Container->Width(), ContainerWidth * 120 / 96);
    EXPECT_FALSE(Container->Style().AssignedValues().Contains(csvFont));

    Container->Font().SetSize(8);
    ASSERT_TRUE(Container->Style().AssignedValues().Contains(csvFont));
    Container->ChangeScale(120, 96);
    EXPECT_EQ(Container->Style().Font().Size(), 10);
    EXPECT_EQ(Container->Font().Size(), 10);
    Container->ChangeScale(96, 96);
    EXPECT_EQ(Container->Style().Font().Size(), 10);
}

TEST_F(TuiContainerTest, ASkinGivesTheFrameAndTheStateColoursUnlessTheStylesAssignThem) {
    Container->Style().SetBorderStyle(cbsFlat);
    Container->Style().LookAndFeel().SetSkinName(u"Blue");
    const TuiContainerViewInfo& view = Container->ViewInfo();
    const TuiLookAndFeelPainterClass painter = view.Painter;
    ASSERT_NE(painter, nullptr);
    EXPECT_EQ(view.BorderWidth, 1) << "a skin draws flat frames one pixel wide";
    EXPECT_EQ(view.BorderColor, painter->ContainerBorderColorFor(false));
    EXPECT_EQ(view.BackgroundColor, painter->EditorBackgroundColorForState(2));
    EXPECT_EQ(Container->EffectiveFont().Color(), painter->EditorTextColorForState(2));
    // The margin of the classic flat frame stays; the window region cuts its outer pixel away.
    EXPECT_EQ(RegionBox(), (vcl::TRect{1, 1, ContainerWidth - 1, ContainerHeight - 1}));
    const auto surface = Painted();
    EXPECT_EQ(surface->Pixel(1, 1), Rgb(view.BorderColor));
    EXPECT_EQ(surface->Pixel(ContainerWidth - 2, ContainerHeight - 2), Rgb(view.BorderColor));
    EXPECT_TRUE(AllPixelsAre(*surface, {2, 2, ContainerWidth - 2, ContainerHeight - 2}, Rgb(view.BackgroundColor)));

    Container->SetFocus();
    EXPECT_EQ(Container->ViewInfo().BorderColor, painter->ContainerBorderColorFor(true));
    EXPECT_EQ(Container->ViewInfo().BackgroundColor, painter->EditorBackgroundColorForState(0));

    // Colours the styles assign win over the skin's.
    Container->Style().SetColor(vcl::clLime);
    Container->Style().SetTextColor(vcl::clRed);
    EXPECT_EQ(Container->ViewInfo().BackgroundColor, vcl::clLime);
    EXPECT_EQ(Container->EffectiveFont().Color(), vcl::clRed);

    Container->Style().LookAndFeel().SetSkinName(u"");
    EXPECT_EQ(Container->ViewInfo().Painter, nullptr);
    EXPECT_EQ(Container->ViewInfo().BorderWidth, 2);
}

} // namespace
} // namespace ui
