// The group box: caption layout by alignment, the shadow only under top and left captions, the panel style and its
// client area, custom drawing, the caption's accelerator, the skinned caption band in the non-client area, the native
// look against the theme's own drawing, and the main window's boxes painted on 32-bit DIBs.

#include "ui/editors/choice/uiGroupBox.h"

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/choice/ButtonTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/skins/uxSkinsLookAndFeelPainter.h"
#include "ui/core/themes/uxThemeManager.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;

TEST(uiGroupBoxLayout, StandardCaptionRectanglesFollowTheAlignment) {
    const vcl::TSize box{200, 100};
    const vcl::TSize text{40, 12};
    const struct {
        TuiCaptionAlignment Alignment;
        int32_t Shadow;
        vcl::TRect Rect;
    } cases[] = {
        {alTopLeft, 0, {8, 0, 48, 12}},         {alTopCenter, 0, {80, 0, 120, 12}},
        {alTopCenter, 3, {78, 0, 118, 12}},     {alTopRight, 0, {152, 0, 192, 12}},
        {alBottomLeft, 0, {8, 88, 48, 100}},    {alBottomCenter, 3, {78, 88, 118, 100}},
        {alCenterCenter, 0, {80, 44, 120, 56}}, {alLeftTop, 0, {0, 8, 12, 49}},
        {alRightBottom, 0, {188, 52, 200, 92}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardCaptionRect(c.Alignment, box, c.Shadow, text), c.Rect) << int(c.Alignment);
    }
    EXPECT_EQ(StandardCaptionRect(alTopLeft, box, 0, {0, 0}), vcl::TRect{});
}

TEST(uiGroupBoxLayout, CaptionPositionsOfTheAlignments) {
    EXPECT_EQ(AlignmentToCaptionPosition(alTopRight), gcpTop);
    EXPECT_EQ(AlignmentToCaptionPosition(alBottomLeft), gcpBottom);
    EXPECT_EQ(AlignmentToCaptionPosition(alLeftCenter), gcpLeft);
    EXPECT_EQ(AlignmentToCaptionPosition(alRightTop), gcpRight);
    EXPECT_EQ(AlignmentToCaptionPosition(alCenterCenter), gcpNone);
}

TEST(uiGroupBoxLayout, ASkinnedBandGrowsByItsInsetsOutwardOrInward) {
    const vcl::TSize box{200, 100};
    const vcl::TSize text{40, 12};
    const vcl::TRect insets{3, 4, 5, 6};
    const struct {
        TuiCaptionAlignment Alignment;
        bool NonClient;
        vcl::TRect Caption;
        vcl::TRect Text;
        vcl::TRect Frame;
    } cases[] = {
        {alTopLeft, false, {0, 0, 200, 22}, {3, 4, 195, 16}, {0, 0, 200, 100}},
        {alTopLeft, true, {0, -10, 200, 12}, {3, -6, 195, 6}, {0, 0, 200, 90}},
        {alTopCenter, true, {0, -10, 200, 12}, {79, -6, 195, 6}, {0, 0, 200, 90}},
        {alTopRight, false, {0, 0, 200, 22}, {155, 4, 195, 16}, {0, 0, 200, 100}},
        {alBottomCenter, true, {0, 78, 200, 100}, {79, 82, 195, 94}, {0, 0, 200, 90}},
        {alLeftTop, true, {-8, 0, 12, 100}, {-5, 4, 7, 44}, {0, 0, 192, 100}},
        {alLeftCenter, false, {0, 0, 20, 100}, {3, 29, 15, 69}, {0, 0, 200, 100}},
        {alRightBottom, true, {180, 0, 200, 100}, {183, 54, 195, 94}, {0, 0, 192, 100}},
        {alCenterCenter, false, {80, 44, 120, 56}, {83, 48, 115, 50}, {0, 0, 200, 100}},
    };
    for (const auto& c : cases) {
        const TuiGroupBoxLayout layout = SkinCaptionLayout(c.Alignment, box, text, insets, c.NonClient);
        EXPECT_EQ(layout.CaptionRect, c.Caption) << int(c.Alignment) << " " << c.NonClient;
        EXPECT_EQ(layout.TextRect, c.Text) << int(c.Alignment) << " " << c.NonClient;
        EXPECT_EQ(layout.FrameRect, c.Frame) << int(c.Alignment) << " " << c.NonClient;
    }
}

TEST(uiGroupBoxLayout, AMeasuredThicknessKeepsTheBandsOuterEdge) {
    const struct {
        TuiGroupCaptionPosition Position;
        vcl::TRect Band;
        vcl::TRect Expected;
    } cases[] = {{gcpTop, {0, -10, 200, 12}, {0, -10, 200, 20}},
                 {gcpBottom, {0, 80, 200, 100}, {0, 70, 200, 100}},
                 {gcpLeft, {-10, 0, 12, 100}, {-10, 0, 20, 100}},
                 {gcpRight, {180, 0, 200, 100}, {170, 0, 200, 100}}};
    for (const auto& c : cases) {
        vcl::TRect rect = c.Band;
        SetCaptionThickness(rect, c.Position, 30);
        EXPECT_EQ(rect, c.Expected) << int(c.Position);
    }
}

TEST(uiPanelStyle, CaptionIndentNeverGoesBelowTwo) {
    TuiPanelStyle style;
    for (int32_t value : {0, 1, -5}) {
        style.SetCaptionIndent(value);
        EXPECT_EQ(style.CaptionIndent(), 2);
    }
    style.SetCaptionIndent(7);
    EXPECT_EQ(style.CaptionIndent(), 7);
}

TEST(uiPanelStyle, AnAssignedStyleEqualsItsSourceBorderWidthIncluded) {
    TuiPanelStyle source;
    source.SetActive(true);
    source.SetBorderWidth(6);
    source.SetCaptionIndent(9);
    source.SetWordWrap(true);
    source.SetOfficeBackgroundKind(pobkStyleColor);
    TuiPanelStyle copy;
    copy.Assign(&source);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.BorderWidth(), 6);
    EXPECT_EQ(copy.CaptionIndent(), 9);
    EXPECT_TRUE(copy.WordWrap());
    EXPECT_EQ(copy.OfficeBackgroundKind(), pobkStyleColor);
}

class uiGroupBoxOnForm : public testing::Test {
protected:
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(320, 220);
    TuiGroupBox* Box = nullptr;

    void SetUp() override {
        Form->SetColor(vcl::clAqua);
        Box = new TuiGroupBox(Form.get());
        Box->SetParent(Form.get());
        Box->SetBounds(10, 10, 200, 120);
        Box->SetCaption(u"发 票 信 息");
        Box->SetAlignment(alTopCenter);
        Style().SetBorderStyle(ebsUltraFlat);
        Style().SetEdges(uiAllBorders);
        Style().SetShadow(false);
    }
    TuiEditStyle& Style() { return Box->EditStyle(essNormal); }
    TuiGroupBoxLayout Layout() { return Box->CalculateLayout(Box->UICanvas()); }
    vcl::TRect Margins() { return Box->ClientMargins(Box->UICanvas()); }
    std::unique_ptr<ui_test::TDibSurface> Paint() {
        auto surface = std::make_unique<ui_test::TDibSurface>(Box->Width(), Box->Height());
        ui_test::PaintControl(*Box, *surface);
        return surface;
    }
    vcl::TControl* AddClientChild() {
        auto* child = new vcl::TEdit(Form.get());
        child->SetParent(Box);
        child->SetAlign(vcl::alClient);
        ui_test::ProcessPendingMessages();
        return child;
    }
};

TEST_F(uiGroupBoxOnForm, StartsAsAFrameWithoutTabStop) {
    TuiGroupBox fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 185);
    EXPECT_EQ(fresh.Height(), 105);
    EXPECT_FALSE(fresh.TabStop());
}

TEST_F(uiGroupBoxOnForm, ACentredCaptionHasNoCaptionBand) {
    const int32_t withCaption = Margins().Top;
    Box->SetAlignment(alCenterCenter);
    EXPECT_EQ(Margins().Top, 1) << "only the border";
    EXPECT_GT(withCaption, Box->UICanvas().GetTextHeight(u"Wg"));
}

TEST_F(uiGroupBoxOnForm, OnlyTopAndLeftCaptionsCastAShadow) {
    Style().SetShadow(true);
    const struct {
        TuiCaptionAlignment Alignment;
        bool Panel;
        bool Shadow;
    } cases[] = {{alTopLeft, false, true},      {alLeftTop, false, true},    {alBottomLeft, false, false},
                 {alRightCenter, false, false}, {alBottomRight, true, true}, {alCenterCenter, false, false}};
    for (const auto& c : cases) {
        Box->SetAlignment(c.Alignment);
        Box->PanelStyle().SetActive(c.Panel);
        EXPECT_EQ(Box->HasCaptionShadow(), c.Shadow) << int(c.Alignment);
    }
}

TEST_F(uiGroupBoxOnForm, WithAShadowACentredTopCaptionIsCentredInTheRestOfTheWidth) {
    Style().SetShadow(true);
    const TuiGroupBoxLayout layout = Layout();
    EXPECT_EQ(layout.TextRect.Left, (200 - 3 - layout.TextRect.Width()) / 2);
    EXPECT_EQ(layout.FrameRect.Right, 200 - 3);
}

TEST_F(uiGroupBoxOnForm, APanelWrapsItsCaptionInsideTheCaptionBounds) {
    Box->PanelStyle().SetActive(true);
    Box->SetAlignment(alTopLeft);
    Box->SetCaption(u"导入根据销货清单的 Excel 模板录入的销货清单文件 导入根据销货清单的 Excel 模板录入的销货清单文件");
    const int32_t singleLine = Layout().TextRect.Height();
    Box->PanelStyle().SetWordWrap(true);
    const TuiGroupBoxLayout layout = Layout();
    EXPECT_GT(layout.TextRect.Height(), singleLine);
    EXPECT_LE(layout.TextRect.Right, 200 - 1 - 2);
    EXPECT_GE(layout.CaptionRect.Left, 1 + 2);
    EXPECT_LE(layout.CaptionRect.Bottom, 120);
}

TEST_F(uiGroupBoxOnForm, APanelsClientAreaShrinksByItsBorderWidth) {
    Box->PanelStyle().SetActive(true);
    Box->SetCaption(u"");
    vcl::TControl* child = AddClientChild();
    const vcl::TRect before = child->BoundsRect();
    Box->PanelStyle().SetBorderWidth(5);
    ui_test::ProcessPendingMessages();
    const vcl::TRect after = child->BoundsRect();
    EXPECT_EQ(after.Left - before.Left, 5);
    EXPECT_EQ(after.Top - before.Top, 5);
    EXPECT_EQ(before.Right - after.Right, 5);
    EXPECT_EQ(before.Bottom - after.Bottom, 5);
}

TEST_F(uiGroupBoxOnForm, ACaptionedBoxKeepsItsChildrenBelowTheCaption) {
    vcl::TControl* child = AddClientChild();
    EXPECT_GE(child->Top(), Layout().CaptionRect.Bottom);
    EXPECT_EQ(child->Left(), 1);
}

TEST_F(uiGroupBoxOnForm, CustomDrawThatIsDonePaintsNothing) {
    bool asked = false;
    Box->SetOnCustomDraw([&](TuiCustomGroupBox*, bool& done) {
        asked = true;
        done = false;
    });
    EXPECT_GT(ui_test::CountPixels(*Paint(), vcl::clHighlight), 200);
    EXPECT_TRUE(asked);
    Box->SetOnCustomDraw([](TuiCustomGroupBox*, bool& done) { done = true; });
    auto surface = Paint();
    EXPECT_EQ(ui_test::CountPixels(*surface, surface->Pixel(0, 0)), surface->Width() * surface->Height())
        << "no frame and no caption, only what the window was cleared with";
}

TEST_F(uiGroupBoxOnForm, TheCaptionsAcceleratorSelectsTheFirstChild) {
    Box->SetCaption(u"&Invoice");
    auto* edit = new vcl::TEdit(Form.get());
    edit->SetParent(Box);
    edit->SetBounds(10, 30, 100, 22);
    auto* other = new vcl::TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 150, 100, 22);
    other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Box->Perform(vcl::CM_DIALOGCHAR, u'i', 0), 1);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(Box->Perform(vcl::CM_DIALOGCHAR, u'x', 0), 0);
}

// The main window's captioned boxes: ultra-flat on all four edges, no shadow, the caption centred at the top.
TEST_F(uiGroupBoxOnForm, TheUltraFlatFrameIsHighlightedAndBrokenByTheCaption) {
    const TuiGroupBoxLayout layout = Layout();
    const int32_t top = layout.FrameRect.Top;
    const int32_t middle = (layout.FrameRect.Top + layout.FrameRect.Bottom) / 2;
    auto enabled = Paint();
    EXPECT_EQ(enabled->Pixel(0, middle), Rgb(vcl::clHighlight));
    EXPECT_EQ(enabled->Pixel(199, middle), Rgb(vcl::clHighlight));
    EXPECT_EQ(enabled->Pixel(100, 119), Rgb(vcl::clHighlight));
    EXPECT_EQ(enabled->Pixel(3, top), Rgb(vcl::clHighlight));
    EXPECT_NE(enabled->Pixel(layout.CaptionRect.Left + 1, top), Rgb(vcl::clHighlight)) << "the caption breaks it";
    EXPECT_EQ(enabled->Pixel(100, middle), Rgb(vcl::clAqua)) << "the parent's colour inside";
    EXPECT_EQ(Paint()->Pixels(), enabled->Pixels()) << "painting twice gives the same pixels";

    Box->SetEnabled(false);
    auto disabled = Paint();
    EXPECT_EQ(disabled->Pixel(0, middle), Rgb(vcl::clBtnShadow));
}

TEST_F(uiGroupBoxOnForm, AnOffice11PanelFillsByItsBackgroundKind) {
    Box->SetCaption(u"");
    Box->PanelStyle().SetActive(true);
    Style().SetBorderStyle(ebsNone);
    Style().LookAndFeel().SetKind(lfOffice11);
    Style().SetColor(vcl::clLime);
    Box->PanelStyle().SetOfficeBackgroundKind(pobkStyleColor);
    EXPECT_EQ(Paint()->Pixel(100, 60), Rgb(vcl::clLime));
    Box->PanelStyle().SetOfficeBackgroundKind(pobkOffice11Color);
    auto mixed = Paint();
    EXPECT_EQ(mixed->Pixel(10, 10), mixed->Pixel(190, 110)) << "one colour";
    Box->PanelStyle().SetOfficeBackgroundKind(pobkGradient);
    auto gradient = Paint();
    const vcl::TColor top = gradient->Pixel(100, 0);
    const vcl::TColor bottom = gradient->Pixel(100, 119);
    EXPECT_TRUE(top != bottom || top == mixed->Pixel(10, 10)) << "a gradient, unless the scheme's two colours agree";
    EXPECT_EQ(gradient->Pixel(5, 50), gradient->Pixel(195, 50)) << "running downward";
}

TEST_F(uiGroupBoxOnForm, NoWindowRegionCutsTheFrameAway) {
    ui_test::ProcessPendingMessages();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(Box->WindowHandle(), region), ERROR) << "the frame lies on the window's outer pixels";
    DeleteObject(region);
}

// The main window's two panel boxes without caption, in "Office2007Blue" and "Blue".
TEST_F(uiGroupBoxOnForm, APanelBoxPaintsTheSkinsPanelFace) {
    Box->SetCaption(u"");
    Box->PanelStyle().SetActive(true);
    Style().SetBorderStyle(ebsNone);
    auto plain = Paint();
    for (const char16_t* skin : {u"Office2007Blue", u"Blue"}) {
        Style().LookAndFeel().SetSkinName(skin);
        ASSERT_TRUE(Box->HasSkin());
        auto skinned = Paint();
        EXPECT_NE(skinned->Pixels(), plain->Pixels());
        ui_test::TDibSurface face(Box->Width(), Box->Height());
        face.Fill(vcl::clFuchsia);
        {
            vcl::TCanvas frame;
            frame.SetHandle(face.DC());
            TuiCanvas canvas(frame);
            Box->Painter()->PaintGroupBoxBackground(canvas, {0, 0, 200, 120}, {0, 0, 200, 120});
            frame.SetHandle(nullptr);
        }
        GdiFlush();
        EXPECT_EQ(skinned->Pixels(), face.Pixels()) << "the skin's borderless group face, all of it";
        EXPECT_EQ(Paint()->Pixels(), skinned->Pixels()) << "painting twice gives the same pixels";
    }
}

TEST_F(uiGroupBoxOnForm, ASkinnedCaptionedBoxLeavesTheCaptionBandOutOfTheClientArea) {
    Style().LookAndFeel().SetSkinName(u"Office2007Blue");
    ASSERT_TRUE(Box->HasSkin());
    vcl::TControl* child = AddClientChild();
    EXPECT_GE(child->Top(), Layout().CaptionRect.Bottom);
    auto skinned = Paint();
    EXPECT_EQ(Paint()->Pixels(), skinned->Pixels());
}

// "Office2007Blue" whose caption elements have insets across the band (the built-in skins' have none).
class TCaptionBandSkinPainter final : public TuxSkinLookAndFeelPainter {
public:
    explicit TCaptionBandSkinPainter(TuxSkinInfo* info) : FInfo(info) {}
    TuxSkinInfo* SkinInfo() const override { return FInfo; }
    vcl::TRect GroupFrameInsets(bool hasCaption, TuiGroupCaptionPosition position) const override {
        return hasCaption ? vcl::TRect{2, 3, 4, 5} : TuxSkinLookAndFeelPainter::GroupFrameInsets(false, position);
    }

private:
    TuxSkinInfo* FInfo; // not owned: the built-in skin's
};

constexpr char16_t captionBandSkin[] = u"CaptionBandTest";

// A captioned box in a skin: the skin's caption band reaches out of the client area.
class uiGroupBoxSkinned : public uiGroupBoxOnForm {
protected:
    void SetUp() override {
        TuiLookAndFeelPainterClass office2007 = nullptr;
        ASSERT_TRUE(ExtendedStylePainters()->FindPainter(u"Office2007Blue", office2007));
        Painter = std::make_unique<TCaptionBandSkinPainter>(
            static_cast<const TuxSkinLookAndFeelPainter*>(office2007)->SkinInfo());
        std::unique_ptr<rtl::TObject> noData;
        ASSERT_TRUE(ExtendedStylePainters()->Register(captionBandSkin, Painter.get(), noData));
        uiGroupBoxOnForm::SetUp();
        Style().LookAndFeel().SetSkinName(captionBandSkin);
        ui_test::ProcessPendingMessages();
        ASSERT_TRUE(Box->HasSkin());
    }
    void TearDown() override {
        Form.reset();
        ExtendedStylePainters()->Unregister(captionBandSkin);
    }
    std::unique_ptr<TCaptionBandSkinPainter> Painter;
    vcl::TRect WindowClientRect() {
        RECT rect{};
        GetClientRect(Box->WindowHandle(), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }
    // The whole window as the screen shows it: the non-client band, then the client area inside it.
    std::unique_ptr<ui_test::TDibSurface> PaintWindow() {
        auto surface = std::make_unique<ui_test::TDibSurface>(Box->Width(), Box->Height());
        surface->Fill(vcl::clFuchsia);
        Box->PaintNonClientCaption(surface->DC());
        const vcl::TRect margins = Box->NonClientMargins();
        Box->PaintTo(surface->DC(), margins.Left, margins.Top);
        GdiFlush();
        return surface;
    }
};

// A button group lays its items under the caption, so its caption stays inside.
class TInsideCaptionGroupBox : public TuiGroupBox {
public:
    using TuiGroupBox::TuiGroupBox;

protected:
    bool AllowsNonClientCaption() const override { return false; }
};

TEST_F(uiGroupBoxSkinned, TheClientAreaLeavesTheCaptionBandOutAndTheBoxPaintsIt) {
    ASSERT_TRUE(Box->HasNonClientCaption());
    const int32_t extra = Box->NonClientMargins().Top;
    ASSERT_EQ(extra, 3 + 5) << "the skin's caption element's insets across the band";
    EXPECT_EQ(WindowClientRect(), (vcl::TRect{0, 0, 200, 120 - extra}));
    const TuiGroupBoxLayout layout = Layout();
    EXPECT_EQ(layout.CaptionRect.Top, -extra);
    EXPECT_EQ(layout.FrameRect.Bottom, 120 - extra);

    auto window = PaintWindow();
    for (int y = 0; y < extra; ++y) {
        EXPECT_NE(window->Pixel(2, y), ui_test::Rgb(vcl::clFuchsia)) << "the band is painted at row " << y;
        EXPECT_NE(window->Pixel(100, y), ui_test::Rgb(vcl::clFuchsia)) << "the band is painted at row " << y;
    }
    EXPECT_NE(window->Pixel(100, 119), ui_test::Rgb(vcl::clFuchsia)) << "the frame reaches the window's bottom";
    EXPECT_EQ(PaintWindow()->Pixels(), window->Pixels()) << "painting twice gives the same pixels";

    vcl::TControl* child = AddClientChild();
    EXPECT_GE(child->Top(), layout.CaptionRect.Bottom);
    EXPECT_LE(child->Top() + child->Height(), 120 - extra);
}

TEST_F(uiGroupBoxSkinned, WmNcPaintPaintsTheBandOnTheWindow) {
    const int32_t extra = Box->NonClientMargins().Top;
    RedrawWindow(Box->WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ui_test::ProcessPendingMessages();
    ui_test::TDibSurface surface(Box->Width(), Box->Height());
    surface.Fill(vcl::clFuchsia);
    HDC windowDC = GetWindowDC(Box->WindowHandle());
    BitBlt(surface.DC(), 0, 0, Box->Width(), extra, windowDC, 0, 0, SRCCOPY);
    ReleaseDC(Box->WindowHandle(), windowDC);
    GdiFlush();
    auto expected = PaintWindow();
    for (int y = 0; y < extra; ++y) {
        for (int x : {1, 50, 100, 198}) {
            EXPECT_EQ(surface.Pixel(x, y), expected->Pixel(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(uiGroupBoxSkinned, TheBandGoesBackIntoTheClientAreaWhenItsReasonGoes) {
    ASSERT_LT(WindowClientRect().Bottom, 120);
    const struct {
        const char* Change;
        std::function<void()> Apply;
        std::function<void()> Undo;
    } cases[] = {
        {"no skin", [&] { Style().LookAndFeel().SetSkinName(u""); },
         [&] { Style().LookAndFeel().SetSkinName(captionBandSkin); }},
        {"no caption", [&] { Box->SetCaption(u""); }, [&] { Box->SetCaption(u"发 票 信 息"); }},
        {"centred caption", [&] { Box->SetAlignment(alCenterCenter); }, [&] { Box->SetAlignment(alTopCenter); }},
        {"panel", [&] { Box->PanelStyle().SetActive(true); }, [&] { Box->PanelStyle().SetActive(false); }},
    };
    for (const auto& c : cases) {
        c.Apply();
        ui_test::ProcessPendingMessages();
        EXPECT_FALSE(Box->HasNonClientCaption()) << c.Change;
        EXPECT_EQ(WindowClientRect(), (vcl::TRect{0, 0, 200, 120})) << c.Change;
        c.Undo();
        ui_test::ProcessPendingMessages();
        EXPECT_LT(WindowClientRect().Bottom, 120) << c.Change;
    }
}

TEST_F(uiGroupBoxSkinned, ABoxThatKeepsItsCaptionInsideGrowsTheBandInward) {
    auto* inside = new TInsideCaptionGroupBox(Form.get());
    inside->SetParent(Form.get());
    inside->SetBounds(10, 10, 200, 120);
    inside->SetCaption(u"发 票 信 息");
    inside->EditStyle(essNormal).LookAndFeel().SetSkinName(captionBandSkin);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(inside->HasNonClientCaption());
    RECT client{};
    GetClientRect(inside->WindowHandle(), &client);
    EXPECT_EQ(client.bottom, 120);
    const TuiGroupBoxLayout layout = inside->CalculateLayout(inside->UICanvas());
    EXPECT_EQ(layout.CaptionRect.Top, 0);
    EXPECT_EQ(layout.CaptionRect.Height(), Layout().CaptionRect.Height());
}

TEST_F(uiGroupBoxSkinned, TheCaptionHeightHandlerSetsTheBandsThickness) {
    TuiLookAndFeelPainterClass asked = nullptr;
    int32_t proposed = 0;
    Box->SetOnMeasureCaptionHeight([&](TuiCustomGroupBox*, TuiLookAndFeelPainterClass painter, int32_t& height) {
        asked = painter;
        proposed = height;
        height = 40;
    });
    const TuiGroupBoxLayout layout = Layout();
    EXPECT_EQ(asked, Box->Painter());
    EXPECT_GT(proposed, Box->UICanvas().GetTextHeight(u"Qq"));
    EXPECT_EQ(layout.CaptionRect.Top, -Box->NonClientMargins().Top);
    EXPECT_EQ(layout.CaptionRect.Height(), 40);
}

TEST_F(uiGroupBoxSkinned, AContentBackgroundHandlerThatIsDoneReplacesTheSkinsFrame) {
    vcl::TRect given;
    Box->SetOnCustomDrawContentBackground([&](TuiCustomGroupBox*, vcl::TCanvas& canvas, const vcl::TRect& bounds,
                                              TuiLookAndFeelPainterClass, bool& done) {
        given = bounds;
        canvas.Brush().SetColor(vcl::clLime);
        canvas.FillRect(bounds);
        done = true;
    });
    auto surface = Paint();
    EXPECT_EQ(given, Layout().FrameRect);
    EXPECT_EQ(surface->Pixel(100, 80), ui_test::Rgb(vcl::clLime));
    EXPECT_EQ(surface->Pixel(0, 80), ui_test::Rgb(vcl::clLime)) << "no skin frame over it";
}

// The native look against the theme's own drawing of the group-box part.
class uiGroupBoxNative : public uiGroupBoxOnForm {
protected:
    void SetUp() override {
        uiGroupBoxOnForm::SetUp();
        if (!AreVisualStylesActive({totEdit, totButton})) {
            GTEST_SKIP() << "visual styles are not active";
        }
        Style().LookAndFeel().SetNativeStyle(true);
        Style().SetShadow(true);
    }
};

TEST_F(uiGroupBoxNative, TheFrameIsTheThemesGroupBoxPartBrokenByTheCaption) {
    ASSERT_TRUE(Box->IsNativeStyle());
    EXPECT_FALSE(Box->HasCaptionShadow()) << "the theme draws no shadow";
    const TuiGroupBoxLayout layout = Layout();
    const int32_t half = Box->UICanvas().GetTextHeight(u"Qq") / 2;
    ui_test::TDibSurface theme(200, 120);
    theme.Fill(vcl::clAqua);
    const vcl::TRect part{0, half, 200, 120};
    UxTheme().DrawThemeBackground(OpenThemeOfType(totButton), theme.DC(), 4, 1, part);
    GdiFlush();
    auto box = Paint();
    for (int y : {half, half + 1, 60, 118, 119}) {
        for (int x : {0, 1, 100, 198, 199}) {
            if (x == 100 && y <= layout.CaptionRect.Bottom) {
                continue;
            }
            EXPECT_EQ(box->Pixel(x, y), theme.Pixel(x, y)) << x << ", " << y;
        }
    }
    const bool seeThrough = UxTheme().IsThemeBackgroundPartiallyTransparent(OpenThemeOfType(totButton), 4, 1);
    EXPECT_EQ(box->Pixel(2, 2), ui_test::Rgb(vcl::clAqua))
        << (seeThrough ? "the parent's themed face" : "the parent's colour") << " above the frame";
    EXPECT_EQ(Paint()->Pixels(), box->Pixels()) << "painting twice gives the same pixels";
}

} // namespace
} // namespace ui
