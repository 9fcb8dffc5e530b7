#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/ui/core/gdiplus/GdiPlusTestSupport.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/skins/SkinTestSupport.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "ui/core/skins/elements/uxSkinCanvas.h"
#include "ui/core/skins/uxSkinsCoreUnit.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using tools::TPngColorType;
using ui_test::TDibSurface;

// Texture colours (0xAARRGGBB) and the colours they draw as.
constexpr uint32_t PngRed = 0xFFFF0000;
constexpr uint32_t PngGreen = 0xFF00FF00;
constexpr uint32_t PngBlue = 0xFF0000FF;
constexpr uint32_t PngClear = 0x00000000;

void LoadTexture(ui::TuxSkinImage& image, const std::string& png) {
    rtl::TStringStream stream(png);
    image.LoadTexture(stream);
}

// Each channel within tolerance of the expected colour.
bool CloseTo(vcl::TColor actual, vcl::TColor expected, int tolerance = 3) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) >
            tolerance) {
            return false;
        }
    }
    return true;
}

// A skin element drawn on a white surface.
struct TElementOnSurface {
    ui::TuxSkinElement Element{nullptr, "Sample"};
    TDibSurface Surface;

    // The image has one frame, esNormal (an image without states has no frame to draw).
    TElementOnSurface(int width, int height) : Surface(width, height) {
        Surface.Fill(vcl::clWhite);
        Element.Image().SetStates({ui::esNormal});
    }
    void Draw(const vcl::TRect& rect, int32_t imageIndex = 0, ui::TuxSkinElementState state = ui::esNormal) {
        Element.Draw(Surface.DC(), rect, imageIndex, state);
        GdiFlush();
    }
};

TEST(SkinElementDrawing, TheStateAndImageIndexChooseTheFrame) {
    struct TCase {
        int32_t ImageCount;
        ui::TuxSkinElementStates States;
        int32_t ImageIndex;
        ui::TuxSkinElementState State;
        vcl::TColor Expected;
    };
    const ui::TuxSkinElementStates three{ui::esNormal, ui::esHot, ui::esPressed};
    const TCase cases[] = {
        {1, three, 0, ui::esNormal, vcl::clRed},           {1, three, 0, ui::esHot, vcl::clLime},
        {1, three, 0, ui::esPressed, vcl::clBlue},         {1, three, 0, ui::esDisabled, vcl::clRed},
        {3, {ui::esNormal}, 1, ui::esNormal, vcl::clLime}, {3, {ui::esNormal}, 9, ui::esNormal, vcl::clBlue},
    };
    for (const TCase& test : cases) {
        TElementOnSurface target(20, 20);
        target.Element.SetImageCount(test.ImageCount);
        target.Element.Image().SetStates(test.States);
        LoadTexture(target.Element.Image(), ui_test::FlatFramesPng(20, 20, {PngRed, PngGreen, PngBlue}));
        target.Draw({0, 0, 20, 20}, test.ImageIndex, test.State);
        EXPECT_EQ(target.Surface.Pixel(10, 10), test.Expected)
            << "index " << test.ImageIndex << " state " << int(test.State);
    }
}

TEST(SkinElementDrawing, AFrameWithoutResizingIsCentredAtItsOwnSize) {
    TElementOnSurface target(40, 20);
    target.Element.Image().SetStretch(ui::smNoResize);
    target.Element.Image().SetStates({ui::esNormal});
    LoadTexture(target.Element.Image(), ui_test::FlatFramesPng(16, 16, {PngBlue}));
    target.Draw({0, 0, 40, 20});
    const vcl::TRect frame{12, 2, 28, 18};
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= frame.Left && x < frame.Right && y >= frame.Top && y < frame.Bottom;
            ASSERT_EQ(target.Surface.Pixel(x, y), inside ? vcl::clBlue : vcl::clWhite) << x << ", " << y;
        }
    }
}

TEST(SkinElementDrawing, MarginsKeepCornersWhileTheCentreStretches) {
    TElementOnSurface target(60, 40);
    tools::TPngPicture picture(12, 12, PngRed);
    for (int y = 4; y < 8; ++y) {
        for (int x = 4; x < 8; ++x) {
            picture.At(x, y) = PngBlue;
        }
    }
    const std::vector<uint8_t> png = tools::EncodePng(picture, TPngColorType::Truecolor);
    target.Element.Image().SetMargins({4, 4, 4, 4});
    LoadTexture(target.Element.Image(), std::string(png.begin(), png.end()));
    target.Draw({10, 10, 50, 30});
    EXPECT_EQ(target.Surface.Pixel(11, 11), vcl::clRed);
    EXPECT_EQ(target.Surface.Pixel(48, 28), vcl::clRed);
    EXPECT_EQ(target.Surface.Pixel(30, 20), vcl::clBlue);
    EXPECT_EQ(target.Surface.Pixel(9, 20), vcl::clWhite);
    EXPECT_EQ(target.Surface.Pixel(50, 20), vcl::clWhite);
}

TEST(SkinElementDrawing, ATranslucentColourBlendsAndIsCachedWithItsAlpha) {
    TElementOnSurface target(20, 20);
    target.Element.SetColor(vcl::clRed);
    target.Element.SetAlpha(128);
    target.Draw({0, 0, 20, 20});
    EXPECT_TRUE(CloseTo(target.Surface.Pixel(10, 10), 0x7F7FFF)) << std::hex << target.Surface.Pixel(10, 10);

    target.Element.ChangeCaching(true);
    target.Surface.Fill(vcl::clBlue);
    target.Draw({0, 0, 20, 20});
    EXPECT_TRUE(target.Element.IsAlphaCached());
    // The cached picture blends with what it is drawn on now, not with the white of an earlier drawing.
    EXPECT_TRUE(CloseTo(target.Surface.Pixel(10, 10), 0x7F007F)) << std::hex << target.Surface.Pixel(10, 10);
}

TEST(SkinElementDrawing, ATranslucentTextureBlendsByItsAlpha) {
    TElementOnSurface target(20, 20);
    LoadTexture(target.Element.Image(), ui_test::FlatFramesPng(4, 4, {0x800000FF}));
    EXPECT_TRUE(target.Element.IsAlphaUsed());
    target.Draw({0, 0, 20, 20});
    EXPECT_TRUE(CloseTo(target.Surface.Pixel(10, 10), 0xFF7F7F)) << std::hex << target.Surface.Pixel(10, 10);
}

TEST(SkinElementDrawing, AChangedElementIsNotDrawnFromAStaleCache) {
    TElementOnSurface target(20, 20);
    target.Element.SetColor(vcl::clRed);
    target.Element.ChangeCaching(true);
    target.Draw({0, 0, 20, 20});
    EXPECT_EQ(target.Surface.Pixel(10, 10), vcl::clRed);
    target.Element.SetColor(vcl::clBlue);
    target.Draw({0, 0, 20, 20});
    EXPECT_EQ(target.Surface.Pixel(10, 10), vcl::clBlue);
}

TEST(SkinElementDrawing, AnOpaqueStretchedTextureHidesTheColour) {
    TElementOnSurface target(20, 20);
    target.Element.SetColor(vcl::clRed);
    LoadTexture(target.Element.Image(), ui_test::FlatFramesPng(8, 8, {PngGreen}));
    target.Draw({0, 0, 20, 20});
    EXPECT_TRUE(ui_test::AllPixelsAre(target.Surface, {0, 0, 20, 20}, vcl::clLime));
}

TEST(SkinElementDrawing, BordersAreDrawnLeftTopRightBottom) {
    TElementOnSurface target(20, 20);
    ui::TuxSkinBorders& borders = target.Element.Borders();
    borders.Left().SetColor(vcl::clRed);
    borders.Left().SetThin(2);
    borders.Top().SetColor(vcl::clLime);
    borders.Right().SetColor(vcl::clBlue);
    borders.Bottom().SetColor(vcl::clYellow);
    target.Draw({0, 0, 20, 20});
    EXPECT_EQ(target.Surface.Pixel(1, 10), vcl::clRed);
    EXPECT_EQ(target.Surface.Pixel(2, 10), vcl::clWhite);
    EXPECT_EQ(target.Surface.Pixel(0, 0), vcl::clLime);
    EXPECT_EQ(target.Surface.Pixel(19, 0), vcl::clBlue);
    EXPECT_EQ(target.Surface.Pixel(19, 10), vcl::clBlue);
    EXPECT_EQ(target.Surface.Pixel(0, 19), vcl::clYellow);
    EXPECT_EQ(target.Surface.Pixel(19, 19), vcl::clYellow);
    EXPECT_EQ(target.Surface.Pixel(10, 10), vcl::clWhite);
}

TEST(SkinElementDrawing, TheEmptyElementIsWhiteWithARedFrame) {
    TDibSurface surface(20, 20);
    surface.Fill(vcl::clBlue);
    ASSERT_NE(ui::SkinEmptyElement(), nullptr);
    ui::SkinEmptyElement()->Draw(surface.DC(), {2, 2, 18, 18});
    GdiFlush();
    EXPECT_EQ(surface.Pixel(2, 2), vcl::clRed);
    EXPECT_EQ(surface.Pixel(17, 10), vcl::clRed);
    EXPECT_TRUE(ui_test::AllPixelsAre(surface, {3, 3, 17, 17}, vcl::clWhite));
    EXPECT_EQ(surface.Pixel(1, 1), vcl::clBlue);
}

TEST(SkinElementDrawing, ARectangleOutsideTheClipChangesNothing) {
    TElementOnSurface target(40, 20);
    target.Element.SetColor(vcl::clRed);
    target.Element.Borders().Left().SetColor(vcl::clBlue);
    IntersectClipRect(target.Surface.DC(), 0, 0, 20, 20);
    const std::vector<uint32_t> before = target.Surface.Pixels();
    target.Draw({20, 0, 40, 20});
    ui::SkinEmptyElement()->Draw(target.Surface.DC(), {20, 0, 40, 20});
    target.Draw({5, 5, 5, 15});
    GdiFlush();
    EXPECT_EQ(target.Surface.Pixels(), before);
}

// Every device context counts as low-colour while it lives.
class TLowColorDepth final : public ui::TuxSkinColorDepth {
public:
    TLowColorDepth() { ui::SkinColorDepthSeam().Inject(this); }
    ~TLowColorDepth() { ui::SkinColorDepthSeam().Inject(nullptr); }
    bool IsLowColorsMode(HDC) override { return true; }
};

// An element whose texture is clear on its left half and blue on its right, drawn at (5, 5, 25, 25) on green.
std::vector<uint32_t> DrawHalfClearElement() {
    TElementOnSurface target(30, 30);
    target.Surface.Fill(vcl::clLime);
    LoadTexture(target.Element.Image(), ui_test::FlatFramesPng(10, 20, {PngClear, PngBlue}));
    target.Draw({5, 5, 25, 25});
    EXPECT_EQ(target.Surface.Pixel(8, 15), vcl::clLime);
    EXPECT_EQ(target.Surface.Pixel(20, 15), vcl::clBlue);
    EXPECT_EQ(target.Surface.Pixel(2, 2), vcl::clLime);
    return target.Surface.Pixels();
}

TEST(SkinElementDrawing, TheLowColourBufferKeepsThePixelsUnderTranslucentParts) {
    const std::vector<uint32_t> direct = DrawHalfClearElement();
    const TLowColorDepth lowColor;
    EXPECT_EQ(DrawHalfClearElement(), direct);
}

TEST(SkinElementDrawing, ACachedDrawingEqualsTheFirst) {
    for (const bool translucent : {false, true}) {
        TElementOnSurface target(30, 30);
        target.Element.Image().SetMargins({3, 3, 3, 3});
        LoadTexture(target.Element.Image(),
                    ui_test::FlatFramesPng(5, 10, {PngRed, translucent ? 0x800000FFu : PngBlue}));
        target.Element.Borders().Top().SetColor(vcl::clYellow);
        target.Draw({2, 4, 28, 26});
        const std::vector<uint32_t> first = target.Surface.Pixels();
        target.Element.ChangeCaching(true);
        for (int pass = 0; pass < 2; ++pass) {
            target.Surface.Fill(vcl::clWhite);
            target.Draw({2, 4, 28, 26});
            EXPECT_EQ(target.Surface.Pixels(), first) << (translucent ? "translucent" : "opaque") << " pass " << pass;
        }
        EXPECT_EQ(target.Element.IsAlphaCached(), translucent);
    }
}

TEST(SkinElementDrawing, EveryKindOfPngDecodesAndDraws) {
    struct TCase {
        TPngColorType ColorType;
        int BitDepth;
    };
    const TCase cases[] = {
        {TPngColorType::TruecolorAlpha, 8}, {TPngColorType::Truecolor, 8}, {TPngColorType::Indexed, 1},
        {TPngColorType::Indexed, 4},        {TPngColorType::Indexed, 8},
    };
    for (const TCase& test : cases) {
        TElementOnSurface target(12, 6);
        target.Element.Image().SetStates({ui::esNormal, ui::esHot});
        LoadTexture(target.Element.Image(),
                    ui_test::FlatFramesPng(3, 3, {PngRed, PngBlue}, test.ColorType, test.BitDepth));
        target.Draw({0, 0, 12, 6}, 0, ui::esHot);
        EXPECT_EQ(target.Surface.Pixel(6, 3), vcl::clBlue)
            << "type " << int(test.ColorType) << " depth " << test.BitDepth;
        EXPECT_EQ(target.Element.GetImageSize(), (vcl::TSize{3, 3}));
    }
}

TEST(SkinElementDrawing, AGradientOnlyImageFillsInsideItsMargins) {
    TElementOnSurface target(20, 20);
    target.Element.Image().SetGradientBeginColor(vcl::clBlue);
    target.Element.Image().SetMargins({2, 2, 2, 2});
    target.Draw({0, 0, 20, 20});
    EXPECT_EQ(target.Surface.Pixel(1, 1), vcl::clWhite);
    EXPECT_TRUE(ui_test::AllPixelsAre(target.Surface, {2, 2, 18, 18}, vcl::clBlue));
}

TEST(SkinElementTextColor, AStatePropertyWinsUnlessItIsDefault) {
    ui::TuxSkinElement element(nullptr, "Button");
    EXPECT_EQ(element.GetTextColor(ui::uibsHot), vcl::clDefault);
    element.SetTextColor(vcl::clNavy);
    element.Properties().AddColor("TextColorHot", vcl::clRed);
    element.Properties().AddColor("TextColorPressed", vcl::clDefault);
    element.Properties().AddProperty("TextColorDisabled", ui::TuxSkinIntegerProperty::StaticClass());
    EXPECT_EQ(element.GetTextColor(ui::uibsHot), vcl::clRed);
    EXPECT_EQ(element.GetTextColor(ui::uibsPressed), vcl::clNavy);
    EXPECT_EQ(element.GetTextColor(ui::uibsDisabled), vcl::clNavy);
    EXPECT_EQ(element.GetTextColor(ui::uibsNormal), vcl::clNavy);
}

TEST(SkinLoading, WithoutGdiPlusALoadReadsNothing) {
    const std::string saved = ui_test::SaveSkin(*ui_test::MakeSampleSkin());
    ui_test::THidingGdiPlusLibrary library;
    library.Missing = true;
    ui::TuxSkin skin("Empty");
    {
        const ui_test::TGdiPlusRebinding rebinding(library);
        rtl::TStringStream stream(saved);
        skin.LoadFromStream(stream);
        EXPECT_EQ(stream.Position(), 0);
    }
    EXPECT_EQ(skin.Name(), "Empty");
    EXPECT_EQ(skin.Groups().Count(), 0);
}

TEST(SkinLoading, TheBuiltInSkinsLoadFromTheProgramsResources) {
    const std::pair<const char*, const char*> skins[] = {
        {"Blue", "Blue"}, {"Office2007Blue", "Office2007Blue"}, {"DefaultUserSkinData", "defaultuserskindata"}};
    for (const auto& [resource, name] : skins) {
        const ui::TuxSkin skin(resource, true, nullptr);
        EXPECT_EQ(skin.Name(), name);
        EXPECT_EQ(skin.Groups().Count(), 13) << name;
    }
    EXPECT_ANY_THROW(ui::TuxSkin("NoSuchSkin", true, nullptr));
}

// A built-in element drawn twice gives the same pixels, and its translucent texture corners keep the background.
TEST(SkinLoading, ABuiltInElementDrawsFromItsTexture) {
    const ui::TuxSkin skin("Blue", true, nullptr);
    ui::TuxSkinElement* button = skin.GetGroupByName("Common")->GetElementByName("Button");
    ASSERT_NE(button, nullptr);
    TDibSurface surface(40, 24);
    surface.Fill(vcl::clFuchsia);
    button->Draw(surface.DC(), {0, 0, 40, 24}, 0, ui::esHot);
    GdiFlush();
    const std::vector<uint32_t> first = surface.Pixels();
    EXPECT_EQ(surface.Pixel(0, 0), vcl::clFuchsia);
    EXPECT_NE(surface.Pixel(20, 12), vcl::clFuchsia);
    button->Draw(surface.DC(), {0, 0, 40, 24}, 0, ui::esHot);
    GdiFlush();
    EXPECT_EQ(surface.Pixels(), first);
}

} // namespace
