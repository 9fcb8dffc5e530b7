// The panel styles' content on a painted bar: a text panel against the system's own DrawTextW, images that the list
// does not hold, the keyboard-state cells following the keyboard as the timer reads it, and the indicator lights.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/pagecontrol/statusbar/StatusBarTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/pagecontrol/statusbar/uxStatusBarContainerPanelStyle.h"
#include "ui/pagecontrol/statusbar/uxStatusBarIndicatorPanelStyles.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace ui {
namespace {

using ui_test::AddApplicationPanels;
using ui_test::ApplicationBarWidth;
using ui_test::ShowStatusBarForm;
using ui_test::TDibSurface;

// Text drawn by the system in rect of a surface filled with the button face, in font and color.
std::unique_ptr<TDibSurface> SystemText(const vcl::TSize& size, vcl::TFont& font, vcl::TColor color,
                                        const rtl::UnicodeString& text, vcl::TRect rect, UINT flags) {
    auto surface = std::make_unique<TDibSurface>(size.cx, size.cy);
    surface->Fill(vcl::clBtnFace);
    HGDIOBJ previous = SelectObject(surface->DC(), font.Handle());
    SetTextColor(surface->DC(), ui_test::Rgb(color));
    SetBkMode(surface->DC(), TRANSPARENT);
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawTextW(surface->DC(), reinterpret_cast<LPCWSTR>(text.c_str()), static_cast<int>(text.size()), &r, flags);
    SelectObject(surface->DC(), previous);
    GdiFlush();
    return surface;
}

void ExpectSamePixels(const TDibSurface& actual, const TDibSurface& expected, const vcl::TRect& rect,
                      const char* what) {
    int differing = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            differing += actual.Pixel(x, y) != expected.Pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << what;
}

// The text pixels of rect (those not in the button face) with their colours, placed relative to their bounds, so two
// drawings of one caption compare equal wherever each centred it.
std::set<std::tuple<int, int, vcl::TColor>> TextShape(const TDibSurface& surface, const vcl::TRect& rect) {
    std::set<std::tuple<int, int, vcl::TColor>> pixels;
    int left = rect.Right;
    int top = rect.Bottom;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            if (surface.Pixel(x, y) != ui_test::Rgb(vcl::clBtnFace)) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            if (surface.Pixel(x, y) != ui_test::Rgb(vcl::clBtnFace)) {
                pixels.insert({x - left, y - top, surface.Pixel(x, y)});
            }
        }
    }
    return pixels;
}

TEST(uxStatusBarPanelStyles, ASmartPathPanelDrawsAsTheSystemDoes) {
    auto host = ShowStatusBarForm(ApplicationBarWidth);
    TuxStatusBar& bar = *host.Bar;
    AddApplicationPanels(bar);
    const rtl::UnicodeString path = u"C:\\用户\\财务部\\二〇二六年十二月\\销售清单&发票\\开票明细.xlsx";
    bar.Panels().Item(1).SetText(path);
    const auto& style = static_cast<const TuxStatusBarTextPanelStyle&>(*bar.Panels().Item(1).PanelStyle());
    ASSERT_EQ(style.TextFlags(), 0x2064);
    const auto surface = ui_test::PaintStatusBar(bar);

    const vcl::TRect content{355, 3, 475, 19};
    const vcl::TRect textRect{357, 3, 473, 19};
    const auto expected = SystemText({ApplicationBarWidth, 20}, style.Font(), style.Font().Color(), path, textRect,
                                     DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_NOPREFIX);
    ExpectSamePixels(*surface, *expected, content, "the path panel's content");
    EXPECT_FALSE(ui_test::AllPixelsAre(*surface, textRect, ui_test::Rgb(vcl::clBtnFace))) << "some text shows";
}

TEST(uxStatusBarPanelStyles, AnImageTheListDoesNotHoldIsLeftOut) {
    auto host = ShowStatusBarForm(300);
    TuxStatusBar& bar = *host.Bar;
    std::unique_ptr<vcl::TImageList, rtl::TComponentDeleter> images(new vcl::TImageList(nullptr, 16, 16));
    vcl::TBitmap strip;
    strip.SetSize(48, 16);
    strip.Canvas().Brush().SetColor(vcl::clRed);
    strip.Canvas().FillRect({0, 0, 48, 16});
    images->Add(strip, nullptr);
    ASSERT_EQ(images->Count(), 3);
    bar.SetImages(images.get());
    TuxStatusBarPanel& panel = bar.CreatePanel();
    panel.SetText(u"Ready");
    auto& style = static_cast<TuxStatusBarTextPanelStyle&>(*panel.PanelStyle());

    const auto plain = ui_test::PaintStatusBar(bar);
    style.SetImageIndex(5);
    EXPECT_EQ(ui_test::PaintStatusBar(bar)->Pixels(), plain->Pixels());
    style.SetImageIndex(2);
    const auto withImage = ui_test::PaintStatusBar(bar);
    EXPECT_TRUE(ui_test::AllPixelsAre(*withImage, {2, 3, 18, 19}, ui_test::Rgb(vcl::clRed)));
    bar.SetImages(nullptr);
    EXPECT_EQ(ui_test::PaintStatusBar(bar)->Pixels(), plain->Pixels());
}

// The keyboard as SetKeyboardState leaves it, with the bytes of the given keys replaced.
void SetKeys(std::initializer_list<std::pair<uint8_t, uint8_t>> keys) {
    std::array<BYTE, 256> state{};
    GetKeyboardState(state.data());
    for (const auto& [key, value] : keys) {
        state[key] = value;
    }
    SetKeyboardState(state.data());
}

class uxStatusBarKeyboardState : public testing::Test {
protected:
    void SetUp() override {
        SetKeys({{VK_CAPITAL, 0}, {VK_NUMLOCK, 0}, {VK_SCROLL, 0}, {VK_INSERT, 0}});
        Host = ShowStatusBarForm(400);
        Panel = &Host.Bar->CreatePanel();
        Panel->SetPanelStyleClassName(u"TuxStatusBarKeyboardStatePanelStyle");
        Style = static_cast<TuxStatusBarKeyboardStatePanelStyle*>(Panel->PanelStyle());
        Host.Bar->CreatePanel();
    }
    void TearDown() override { SetKeys({{VK_CAPITAL, 0}, {VK_INSERT, 0}}); }

    int CellWidth(rtl::UnicodeStringView caption1, rtl::UnicodeStringView caption2) {
        TuiScreenCanvas canvas;
        canvas.SetFont(Style->Font());
        return std::max(canvas.GetTextWidth(caption1), canvas.GetTextWidth(caption2)) + 4 + 2;
    }

    // The cell of the key at position index (CAPS, NUM, SCRL, INS/OVR) inside its bevel.
    vcl::TRect CellContent(int index) {
        const int widths[] = {CellWidth(u"CAPS", u"CAPS"), CellWidth(u"NUM", u"NUM"), CellWidth(u"SCRL", u"SCRL"),
                              CellWidth(u"OVR", u"INS")};
        int left = 0;
        for (int i = 0; i < index; ++i) {
            left += widths[i] + 2;
        }
        return {left + 1, 3, left + widths[index] - 1, 19};
    }

    // The caption as the library draws a centred line in the style's font and color, on the button face.
    std::unique_ptr<ui_test::TCanvasOnSurface> ExpectedCaption(int index, rtl::UnicodeStringView caption,
                                                               vcl::TColor color) {
        auto expected = std::make_unique<ui_test::TCanvasOnSurface>(400, 20);
        expected->Surface.Fill(vcl::clBtnFace);
        expected->Canvas.SetFont(Style->Font());
        expected->Canvas.Font().SetColor(color);
        expected->Canvas.Brush().SetStyle(vcl::bsClear);
        expected->Canvas.DrawText(caption, CellContent(index), tfAlignHCenter | tfAlignVCenter | tfSingleLine);
        GdiFlush();
        return expected;
    }

    ui_test::TStatusBarForm Host;
    TuxStatusBarPanel* Panel = nullptr;
    TuxStatusBarKeyboardStatePanelStyle* Style = nullptr;
};

TEST_F(uxStatusBarKeyboardState, EachKeyHasACellOfItsWiderCaption) {
    const int expected = CellWidth(u"CAPS", u"CAPS") + CellWidth(u"NUM", u"NUM") + CellWidth(u"SCRL", u"SCRL") +
                         CellWidth(u"OVR", u"INS") + 3 * 2;
    EXPECT_EQ(Panel->Width(), expected);
    EXPECT_EQ(Host.Bar->ViewInfo().Widths()[0], expected) << "no bevel allowance: each cell has its own";
    ui_test::PaintStatusBar(*Host.Bar);
    Host.Bar->Recalculate();
    EXPECT_EQ(Panel->Width(), expected) << "measured the same after a paint";
    Style->SetKeyboardStates({uxksNumLock});
    EXPECT_EQ(Panel->Width(), CellWidth(u"NUM", u"NUM"));
}

TEST_F(uxStatusBarKeyboardState, CapsFollowsTheToggleButNotWhileHeld) {
    const vcl::TColor fontColor = Style->Font().Color();
    const auto check = [&](bool on, const char* what) {
        const auto surface = ui_test::PaintStatusBar(*Host.Bar);
        const auto expected = ExpectedCaption(0, u"CAPS", on ? fontColor : vcl::clBtnShadow);
        const auto shape = TextShape(*surface, CellContent(0));
        EXPECT_FALSE(shape.empty()) << what;
        EXPECT_EQ(shape, TextShape(expected->Surface, CellContent(0))) << what;
    };
    check(false, "off at first");
    SetKeys({{VK_CAPITAL, 0x01}});
    ui_test::PumpMessages(250);
    EXPECT_TRUE(Style->IsKeyOn(uxksCapsLock));
    check(true, "toggled on");
    SetKeys({{VK_CAPITAL, 0x81}});
    ui_test::PumpMessages(250);
    EXPECT_FALSE(Style->IsKeyOn(uxksCapsLock));
    check(false, "held down");
    SetKeys({{VK_CAPITAL, 0x01}});
    ui_test::PumpMessages(250);
    check(true, "released");
}

TEST_F(uxStatusBarKeyboardState, InsertShowsInsOrOvr) {
    const vcl::TColor fontColor = Style->Font().Color();
    auto surface = ui_test::PaintStatusBar(*Host.Bar);
    EXPECT_EQ(TextShape(*surface, CellContent(3)),
              TextShape(ExpectedCaption(3, u"INS", vcl::clBtnShadow)->Surface, CellContent(3)))
        << "INS while off";
    SetKeys({{VK_INSERT, 0x01}});
    ui_test::PumpMessages(250);
    surface = ui_test::PaintStatusBar(*Host.Bar);
    EXPECT_EQ(TextShape(*surface, CellContent(3)),
              TextShape(ExpectedCaption(3, u"OVR", fontColor)->Surface, CellContent(3)))
        << "OVR while on";
}

TEST(uxStatusBarStateIndicators, TheLightsSitInARowWithTheirSpacing) {
    auto host = ShowStatusBarForm(300);
    TuxStatusBar& bar = *host.Bar;
    TuxStatusBarPanel& panel = bar.CreatePanel();
    panel.SetPanelStyleClassName(u"TuxStatusBarStateIndicatorPanelStyle");
    auto& style = static_cast<TuxStatusBarStateIndicatorPanelStyle&>(*panel.PanelStyle());
    const TuxStatusBarStateIndicatorType types[] = {sitRed, sitPurple, sitGreen};
    for (TuxStatusBarStateIndicatorType type : types) {
        style.Indicators().Add().SetIndicatorType(type);
    }
    style.Indicators().Item(1).SetVisible(false);
    bar.CreatePanel();
    EXPECT_EQ(panel.Width(), 4 + 2 * (17 + 4) + 2);

    const auto surface = ui_test::PaintStatusBar(bar);
    // Content from x 1, y 3 to 19; the lights are 8 high, so they start at y 7.
    for (int light = 0; light < 2; ++light) {
        const vcl::TBitmap& bitmap = style.Indicators().Item(light == 0 ? 0 : 2).Bitmap();
        ASSERT_EQ(bitmap.Width(), 17);
        ASSERT_EQ(bitmap.Height(), 8);
        const int left = 1 + 4 + light * (17 + 4);
        ui_test::TCanvasOnSurface expected(17, 8);
        expected.Canvas.DrawGraphic(0, 0, const_cast<vcl::TBitmap&>(bitmap));
        GdiFlush();
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 17; ++x) {
                ASSERT_EQ(surface->Pixel(left + x, 7 + y), expected.Surface.Pixel(x, y))
                    << light << ": " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(surface->Pixel(1 + 4 + 8, 7 + 4), vcl::TColor{0x2838E8}) << "the red light's face";
}

TEST(uxStatusBarContainer, TheContainerFillsItsPanelAndItsChildrenFillIt) {
    auto host = ShowStatusBarForm(400);
    TuxStatusBar& bar = *host.Bar;
    TuxStatusBarPanel& panel = bar.CreatePanel();
    panel.SetWidth(100);
    panel.SetPanelStyleClassName(u"TuxStatusBarContainerPanelStyle");
    auto& style = static_cast<TuxStatusBarContainerPanelStyle&>(*panel.PanelStyle());
    TuxStatusBarContainerControl* container = style.Container();
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->Parent(), &bar);
    EXPECT_EQ(container->Owner(), host.Form.get());
    auto* child = new TuxStatusBarContainerControl(host.Form.get());
    child->SetParent(container);
    bar.CreatePanel();

    ui_test::PaintStatusBar(bar);
    EXPECT_EQ(container->BoundsRect(), (vcl::TRect{1, 3, 101, 19})) << "inside the panel's bevel";
    EXPECT_EQ(child->BoundsRect(), (vcl::TRect{0, 0, 100, 16}));

    panel.SetVisible(false);
    EXPECT_FALSE(container->Visible());
    panel.SetVisible(true);
    EXPECT_TRUE(container->Visible());

    // Freeing the container takes the panel's style with it.
    rtl::TComponent::Free(container);
    EXPECT_EQ(panel.PanelStyle(), nullptr);
    EXPECT_EQ(panel.GetRealWidth(), 100);
}

} // namespace
} // namespace ui
