#include "ui/editors/dropdown/popup/uiEditPopupWindow.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/dropdown/edit/uiDropDownEdit.h"
#include "vcl/graphics/Canvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using ui::TuiCustomEditPopupWindow;

class TPopupTestProperties : public ui::TuiCustomDropDownEditProperties {
    RTL_DECLARE_CLASS(TPopupTestProperties, ui::TuiCustomDropDownEditProperties)
public:
    using TuiCustomDropDownEditProperties::TuiCustomDropDownEditProperties;
};

// A drop-down editor whose popup content asks for a fixed size.
class TPopupTestEdit : public ui::TuiCustomDropDownEdit {
    RTL_DECLARE_CLASS(TPopupTestEdit, ui::TuiCustomDropDownEdit)
public:
    explicit TPopupTestEdit(rtl::TComponent* owner)
        : TuiCustomDropDownEdit(owner, TPopupTestProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TPopupTestProperties::StaticClass(); }
    vcl::TSize GetPopupContentSize() override { return ContentSize; }

    vcl::TSize ContentSize{100, 60};
    std::vector<ui::TuiPopupCloseReason> Reasons;

protected:
    bool CanDropDown() override { return true; }
};

vcl::TRect ScreenBounds(vcl::TWinControl& control) {
    RECT rect;
    GetWindowRect(control.Handle(), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

class EditPopupWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 300);
        Edit = new TPopupTestEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 121, 21);
        Edit->SetOnClosePopup(
            [this](ui::TuiCustomDropDownEdit&, ui::TuiPopupCloseReason reason) { Edit->Reasons.push_back(reason); });
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        Form.reset();
        ui::TuiPopupWindow::SetWorkAreaSource(nullptr);
    }
    ui::TuiCustomDropDownEditProperties& Properties() { return Edit->GetDropDownProperties(); }
    TuiCustomEditPopupWindow& Popup() { return *Edit->PopupWindow(); }
    void Open() {
        Edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
        Edit->SetDroppedDown(true);
        ui_test::ProcessPendingMessages();
        ASSERT_TRUE(Edit->DroppedDown());
    }
    // Presses at from and releases at to (the popup's client coordinates), moving in between.
    void Drag(vcl::TPoint from, vcl::TPoint to) {
        ui_test::MouseMove(Popup(), from);
        ui_test::MouseDown(Popup(), vcl::mbLeft, from);
        ui_test::MouseMove(Popup(), to, {vcl::ssLeft});
        ui_test::MouseUp(Popup(), vcl::mbLeft, to);
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TPopupTestEdit* Edit = nullptr; // owned by the form
};

TEST_F(EditPopupWindowTest, WithoutAutoSizeAndWidthThePopupIsAsWideAsTheEditorAndItsShadow) {
    Properties().SetPopupAutoSize(false);
    Open();
    EXPECT_EQ(Popup().Width(), Edit->Width());
    Edit->SetDroppedDown(false);
    Edit->EditStyle(ui::essNormal).SetShadow(true);
    Open();
    EXPECT_EQ(Popup().Width(), Edit->Width() + ui::EditPopupShadowSize);
    EXPECT_EQ(ScreenBounds(Popup()).Top, ScreenBounds(*Edit).Bottom);
}

TEST_F(EditPopupWindowTest, TheShadowTakesThreePixelStripsRightAndBelow) {
    Edit->EditStyle(ui::essNormal).SetShadow(true);
    Edit->EditStyle(ui::essNormal).SetPopupBorderStyle(ui::epbsSingle);
    Open();
    const int width = Popup().Width();
    const int height = Popup().Height();
    ui_test::TDibSurface surface(width, height);
    ui_test::PaintControl(Popup(), surface);
    const auto shadow = static_cast<vcl::TColor>(ui::ColorToRGB(vcl::clBtnShadow));
    const auto frame = static_cast<vcl::TColor>(ui::ColorToRGB(vcl::clBtnText));
    for (int strip = 1; strip <= ui::EditPopupShadowSize; ++strip) {
        EXPECT_EQ(surface.Pixel(width - strip, height / 2), shadow) << strip;
        EXPECT_EQ(surface.Pixel(width / 2, height - strip), shadow) << strip;
    }
    EXPECT_EQ(surface.Pixel(0, height / 2), frame);
    EXPECT_EQ(surface.Pixel(width - ui::EditPopupShadowSize - 1, height / 2), frame);
    std::vector<uint32_t> first = surface.Pixels();
    ui_test::PaintControl(Popup(), surface);
    EXPECT_EQ(surface.Pixels(), first) << "painting twice gives the same pixels";
}

TEST_F(EditPopupWindowTest, EachBorderStyleTakesItsWidth) {
    const struct {
        ui::TuiEditPopupBorderStyle Style;
        int32_t Width;
    } cases[] = {{ui::epbsDefault, 0}, {ui::epbsSingle, 1}, {ui::epbsFrame3D, 4}, {ui::epbsFlat, 2}};
    for (const auto& c : cases) {
        Edit->EditStyle(ui::essNormal).SetPopupBorderStyle(c.Style);
        Open();
        EXPECT_EQ(Popup().ViewInfo().ClientRect.Left, c.Width) << static_cast<int>(c.Style);
        EXPECT_EQ(Popup().Width() - Popup().ViewInfo().ClientRect.Right, c.Width) << static_cast<int>(c.Style);
        Edit->SetDroppedDown(false);
    }
}

// A skinned editor's popup wears the skin's one ring whatever the popup border style.
TEST_F(EditPopupWindowTest, ASkinnedEditorsPopupTakesTheSkinAndItsOneRing) {
    ui::TuiLookAndFeel& lookAndFeel = Edit->EditStyle(ui::essNormal).LookAndFeel();
    lookAndFeel.SetNativeStyle(false);
    lookAndFeel.SetSkinName(u"Blue");
    ASSERT_NE(lookAndFeel.SkinPainter(), nullptr);
    Edit->EditStyle(ui::essNormal).SetPopupBorderStyle(ui::epbsFrame3D);
    Open();
    EXPECT_EQ(Popup().ViewInfo().SkinPainter, lookAndFeel.SkinPainter());
    EXPECT_EQ(Popup().ViewInfo().ClientRect.Left, 1);
    EXPECT_EQ(Popup().Width() - Popup().ViewInfo().ClientRect.Right, 1);
}

TEST_F(EditPopupWindowTest, NativeStyleAsksForTheSystemShadow) {
    Properties().SetPopupAutoSize(false);
    Popup().SetNativeStyle(true);
    Popup().RecreateWnd();
    Popup().HandleNeeded();
    const bool vista = ui::OSFlags().IsWinVistaOrLater;
    EXPECT_EQ((GetClassLongPtrW(Popup().Handle(), GCL_STYLE) & CS_DROPSHADOW) != 0, vista);
}

// An editor near the work area's bottom opens its popup upward; the grip sits at the top, away from the editor,
// and a drag of it moves the top edge while the bottom stays on the editor.
TEST_F(EditPopupWindowTest, APopupOpenedUpwardSizesFromItsTopEdge) {
    Edit->SetTop(250);
    ui_test::ProcessPendingMessages();
    const vcl::TRect editor = ScreenBounds(*Edit);
    ui::TuiPopupWindow::SetWorkAreaSource([editor](vcl::TPoint) {
        return vcl::TRect{0, editor.Bottom - 300, 1000, editor.Bottom + 20};
    });
    Properties().SetPopupSizeable(true);
    Properties().SetPopupSysPanelStyle(true);
    Open();
    ui::TuiCustomEditPopupWindowViewInfo& info = Popup().ViewInfo();
    EXPECT_EQ(info.GripCorner, ui::epgcTopRight);
    const vcl::TRect before = ScreenBounds(Popup());
    EXPECT_EQ(before.Bottom, editor.Top);
    const vcl::TPoint grip{info.GripHitRect.Left + 3, info.GripHitRect.Top + 3};
    Drag(grip, {grip.X + 20, grip.Y - 30});
    const vcl::TRect after = ScreenBounds(Popup());
    EXPECT_EQ(after.Bottom, before.Bottom);
    EXPECT_EQ(after.Top, before.Top - 30);
    EXPECT_EQ(after.Right, before.Right + 20);
    EXPECT_EQ(after.Left, before.Left);
    EXPECT_TRUE(Edit->PopupResized());
    EXPECT_EQ(Properties().PopupHeight(), after.Height()) << "the size the user gave is kept";
    EXPECT_EQ(Properties().PopupWidth(), after.Width());
}

TEST_F(EditPopupWindowTest, ADragStopsAtTheMinimumSizeAndAtTheWorkArea) {
    const vcl::TRect editor = ScreenBounds(*Edit);
    ui::TuiPopupWindow::SetWorkAreaSource([editor](vcl::TPoint) {
        return vcl::TRect{0, 0, editor.Right + 150, editor.Bottom + 200};
    });
    Properties().SetPopupSizeable(true);
    Properties().SetPopupSysPanelStyle(true);
    Open();
    ui::TuiCustomEditPopupWindowViewInfo& info = Popup().ViewInfo();
    ASSERT_EQ(info.GripCorner, ui::epgcBottomRight);
    vcl::TPoint grip{info.GripHitRect.Left + 3, info.GripHitRect.Top + 3};
    Drag(grip, {grip.X - 500, grip.Y - 500});
    const vcl::TSize minimum = Popup().GetMinimumSize();
    EXPECT_EQ(Popup().Width(), minimum.cx);
    EXPECT_EQ(Popup().Height(), minimum.cy);

    grip = {Popup().ViewInfo().GripHitRect.Left + 3, Popup().ViewInfo().GripHitRect.Top + 3};
    Drag(grip, {grip.X + 1000, grip.Y + 1000});
    const vcl::TRect bounds = ScreenBounds(Popup());
    EXPECT_EQ(bounds.Right, editor.Right + 150);
    EXPECT_EQ(bounds.Bottom, editor.Bottom + 200);
}

TEST_F(EditPopupWindowTest, WithoutTheSystemPanelTheBorderOnTheGripsSidesSizes) {
    Properties().SetPopupSizeable(true);
    Edit->EditStyle(ui::essNormal).SetPopupBorderStyle(ui::epbsSingle);
    Open();
    ui::TuiCustomEditPopupWindowViewInfo& info = Popup().ViewInfo();
    EXPECT_TRUE(info.GripHitRect.IsEmpty());
    const int32_t width = Popup().Width();
    const int32_t height = Popup().Height();
    ui::TuiEditPopupSizingDirections directions;
    EXPECT_TRUE(info.GetSizingHitTest({width - 1, height / 2}, directions));
    EXPECT_EQ(directions, (ui::TuiEditPopupSizingDirections{1, 0}));
    EXPECT_TRUE(info.GetSizingHitTest({width - 1, height - 1}, directions));
    EXPECT_EQ(directions, (ui::TuiEditPopupSizingDirections{1, 1}));
    EXPECT_TRUE(info.GetSizingHitTest({0, height / 2}, directions)) << "the editor's side does not move";
    EXPECT_EQ(directions, (ui::TuiEditPopupSizingDirections{0, 0}));
    EXPECT_FALSE(info.GetSizingHitTest({width / 2, height / 2}, directions));

    const vcl::TRect before = ScreenBounds(Popup());
    Drag({width - 1, height / 2}, {width + 39, height / 2});
    EXPECT_EQ(ScreenBounds(Popup()).Width(), before.Width() + 40);
    EXPECT_EQ(ScreenBounds(Popup()).Height(), before.Height());
}

TEST_F(EditPopupWindowTest, TheCloseButtonReleasedOutsideKeepsThePopupOpen) {
    Properties().SetPopupSizeable(true);
    Properties().SetPopupSysPanelStyle(true);
    Open();
    const vcl::TRect button = Popup().ViewInfo().CloseButtonRect;
    ASSERT_FALSE(button.IsEmpty());
    const vcl::TPoint centre{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
    ui_test::MouseMove(Popup(), centre);
    EXPECT_EQ(Popup().ViewInfo().CloseButtonState, ui::epcbsHot);
    ui_test::MouseDown(Popup(), vcl::mbLeft, centre);
    EXPECT_EQ(Popup().ViewInfo().CloseButtonState, ui::epcbsPressed);
    ui_test::MouseMove(Popup(), {centre.X + 40, centre.Y + 20}, {vcl::ssLeft});
    ui_test::MouseUp(Popup(), vcl::mbLeft, {centre.X + 40, centre.Y + 20});
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Edit->DroppedDown());

    ui_test::Click(Popup(), centre);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->Reasons, (std::vector<ui::TuiPopupCloseReason>{ui::pcrNone}));
}

} // namespace

namespace {

// The system's theme with the sizes of the close button and the size box pinned, or unknown as in a theme without
// those parts.
class TPanelPartsTheme final : public ui::TuxThemeApi {
public:
    explicit TPanelPartsTheme(bool knowsParts) : FKnowsParts(knowsParts), FPrevious(ui::SetUxTheme(this)) {
        ui::CloseAllThemeHandles();
    }
    ~TPanelPartsTheme() override {
        ui::CloseAllThemeHandles();
        ui::SetUxTheme(FPrevious);
    }
    TPanelPartsTheme(const TPanelPartsTheme&) = delete;
    TPanelPartsTheme& operator=(const TPanelPartsTheme&) = delete;

    int32_t GetThemePartSize(ui::HTHEME, HDC, int32_t part, int32_t, const vcl::TRect*, int32_t,
                             vcl::TSize& size) const override {
        if (!FKnowsParts) {
            return static_cast<int32_t>(E_NOTIMPL);
        }
        size = part == ui::EditPopupThemedClosePart ? vcl::TSize{30, 30} : vcl::TSize{20, 20};
        return 0;
    }

private:
    bool FKnowsParts;
    const ui::TuxThemeApi* FPrevious;
};

void PaintPopupViewInfo(const ui::TuiCustomEditPopupWindowViewInfo& info, ui_test::TDibSurface& target) {
    vcl::TCanvas raw;
    raw.SetHandle(target.DC());
    ui::TuiCanvas uiCanvas(raw);
    info.PaintContents(uiCanvas);
    raw.SetHandle(nullptr);
}

ui::TuiCustomEditPopupWindowViewInfo NativePanelViewInfo() {
    ui::TuiCustomEditPopupWindowViewInfo info;
    info.NativeStyle = true;
    info.SysPanelStyle = true;
    info.Sizeable = true;
    info.CloseButton = true;
    info.Calculate({200, 150});
    return info;
}

TEST(EditPopupWindowTheme, AThemeThatDrawsThePanelGivesItsPartsTheirSizes) {
    const TPanelPartsTheme theme(true);
    if (ui::OpenThemeOfType(ui::totWindow) == nullptr || ui::OpenThemeOfType(ui::totScrollBar) == nullptr) {
        GTEST_SKIP() << "no window or scroll bar theme";
    }
    const ui::TuiCustomEditPopupWindowViewInfo info = NativePanelViewInfo();
    EXPECT_EQ(info.SysPanelHeight, std::max(30, GetSystemMetrics(SM_CYHSCROLL)));
    EXPECT_EQ(info.CloseButtonRect.Width(), 30);
    EXPECT_EQ(info.CloseButtonRect.Height(), 30);
    EXPECT_EQ(info.CloseButtonThemeState, ui::epcbsNormal);
    EXPECT_GE(info.GripHitRect.Width(), 22) << "the themed size box and two pixels";
}

TEST(EditPopupWindowTheme, AThemeWithoutThePanelPartsLeavesThemToTheClassicLook) {
    const TPanelPartsTheme theme(false);
    const ui::TuiCustomEditPopupWindowViewInfo info = NativePanelViewInfo();
    const int32_t measured = std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE));
    EXPECT_EQ(info.SysPanelHeight, measured);
    EXPECT_EQ(info.CloseButtonRect.Width(), measured - 4);
    EXPECT_EQ(info.CloseButtonThemeState, 0);
    EXPECT_EQ(info.GripHitRect.Width(), measured - 2);

    ui_test::TDibSurface surface(200, 150);
    ui_test::TDibSurface second(200, 150);
    PaintPopupViewInfo(info, surface);
    PaintPopupViewInfo(info, second);
    EXPECT_EQ(surface.Pixels(), second.Pixels());
    const vcl::TRect button = info.CloseButtonRect;
    bool drawn = false;
    const auto face = static_cast<vcl::TColor>(ui::ColorToRGB(vcl::clBtnFace));
    for (int y = button.Top; y < button.Bottom; ++y) {
        for (int x = button.Left; x < button.Right; ++x) {
            drawn = drawn || surface.Pixel(x, y) != face;
        }
    }
    EXPECT_TRUE(drawn) << "the classic close button shows";
}

// A skin frames the popup with one ring in its border colour, separates the panel in that colour and fills the
// client area, the panel and the grip's background with its window face, in every grip corner.
TEST(EditPopupWindowSkin, TheSkinFramesFillsAndSeparatesThePopupInItsColours) {
    ui::TuiLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetSkinName(u"Blue");
    ASSERT_NE(lookAndFeel.SkinPainter(), nullptr);
    const ui::TuiCustomLookAndFeelPainter& skin = *lookAndFeel.SkinPainter();
    const auto border = static_cast<vcl::TColor>(ui::ColorToRGB(skin.ContainerBorderColorFor(false)));
    const auto face = static_cast<vcl::TColor>(ui::ColorToRGB(skin.FormContentColor()));
    ASSERT_NE(border, face);
    for (const ui::TuiEditPopupGripCorner corner :
         {ui::epgcTopLeft, ui::epgcTopRight, ui::epgcBottomLeft, ui::epgcBottomRight}) {
        SCOPED_TRACE(static_cast<int>(corner));
        ui::TuiCustomEditPopupWindowViewInfo info;
        info.SkinPainter = &skin;
        info.PopupBorderStyle = ui::epbsSingle;
        info.SysPanelStyle = true;
        info.Sizeable = true;
        info.CloseButton = true;
        info.GripCorner = corner;
        info.Calculate({200, 150});
        EXPECT_EQ(info.BorderWidth(false), 1);
        ui_test::TDibSurface surface(200, 150);
        ui_test::TDibSurface second(200, 150);
        PaintPopupViewInfo(info, surface);
        PaintPopupViewInfo(info, second);
        EXPECT_EQ(surface.Pixels(), second.Pixels());
        EXPECT_EQ(surface.Pixel(0, 75), border);
        EXPECT_EQ(surface.Pixel(199, 75), border);
        EXPECT_EQ(surface.Pixel(100, 0), border);
        EXPECT_EQ(surface.Pixel(100, 149), border);
        EXPECT_EQ(surface.Pixel(100, 75), face) << "the client area";
        const bool top = corner == ui::epgcTopLeft || corner == ui::epgcTopRight;
        const int32_t separator = top ? info.ClientRect.Top - 1 : info.ClientRect.Bottom;
        EXPECT_EQ(surface.Pixel(100, separator), border) << "the panel's separator";
        const int32_t panelMiddle = top ? 1 + info.SysPanelHeight / 2 : 148 - info.SysPanelHeight / 2;
        EXPECT_EQ(surface.Pixel(100, panelMiddle), face) << "the panel strip";
        int32_t faceInGrip = 0;
        for (int32_t y = info.GripRect.Top; y < info.GripRect.Bottom; ++y) {
            for (int32_t x = info.GripRect.Left; x < info.GripRect.Right; ++x) {
                faceInGrip += surface.Pixel(x, y) == face;
            }
        }
        EXPECT_GT(faceInGrip, 0) << "the grip lies on the window face";
        EXPECT_LT(faceInGrip, info.GripRect.Width() * info.GripRect.Height()) << "the grip shows";
    }
}

} // namespace
