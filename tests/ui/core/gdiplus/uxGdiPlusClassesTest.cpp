// Pictures over GDI+ under Wine's gdiplus.dll: the PNG fixture written by Pillow decoded with its alpha, PNG saved
// and read back, BMP streams through the framework's bitmap, assignments, clones and drawing into DIB sections.

#include "ui/core/gdiplus/uxGdiPlusClasses.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/uiCoreUnits.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/Picture.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace ui {
namespace {

struct TRgba {
    int R, G, B, A;
};

// The pixels of images/alpha.png as make_images.py writes them.
constexpr TRgba AlphaPixels[3][4] = {
    {{255, 0, 0, 255}, {0, 255, 0, 128}, {0, 0, 255, 64}, {255, 255, 255, 0}},
    {{255, 255, 255, 255}, {0, 0, 0, 255}, {255, 128, 0, 200}, {10, 20, 30, 255}},
    {{0, 0, 0, 0}, {200, 100, 50, 255}, {128, 128, 128, 128}, {255, 0, 255, 255}},
};

int Channel(uint32_t pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xFF);
}

// Each pixel premultiplied by its alpha, within one level.
void ExpectPremultipliedFixture(const TRGBColors& pixels) {
    ASSERT_EQ(pixels.size(), 12u);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const TRgba& expected = AlphaPixels[y][x];
            const uint32_t pixel = pixels[static_cast<size_t>(y * 4 + x)];
            EXPECT_EQ(Channel(pixel, 24), expected.A) << x << "," << y;
            EXPECT_NEAR(Channel(pixel, 16), expected.R * expected.A / 255.0, 1) << x << "," << y;
            EXPECT_NEAR(Channel(pixel, 8), expected.G * expected.A / 255.0, 1) << x << "," << y;
            EXPECT_NEAR(Channel(pixel, 0), expected.B * expected.A / 255.0, 1) << x << "," << y;
        }
    }
}

void LoadFixture(TuxPNGImage& png) {
    png.LoadFromFile(test_support::DataPath("images/alpha.png"));
}

TRGBColors BitsOf(TuxPNGImage& png) {
    TRGBColors pixels;
    if (png.Image()) {
        png.Image()->GetBits(pixels);
    }
    return pixels;
}

// A stream holding exactly the bytes.
void Fill(rtl::TMemoryStream& stream, const void* bytes, size_t size) {
    stream.Clear();
    stream.WriteBuffer(bytes, static_cast<int32_t>(size));
    stream.SetPosition(0);
}

TEST(uxGdiPlusClasses, APngWithAlphaLoadsWithItsSizeAndPremultipliedPixels) {
    TuxPNGImage png;
    LoadFixture(png);
    EXPECT_EQ(png.Width(), 4);
    EXPECT_EQ(png.Height(), 3);
    EXPECT_FALSE(png.Empty());
    EXPECT_TRUE(png.Transparent());
    EXPECT_TRUE(png.IsAlphaUsed());
    ExpectPremultipliedFixture(BitsOf(png));
    png.SetWidth(10);
    png.SetHeight(10);
    EXPECT_EQ(png.Width(), 4) << "the size follows the image";
}

TEST(uxGdiPlusClasses, ASavedPngReadsBackAsTheSameImage) {
    TuxPNGImage png;
    LoadFixture(png);
    rtl::TMemoryStream saved;
    png.SaveToStream(saved);
    ASSERT_GT(saved.Size(), 8);
    EXPECT_EQ(std::memcmp(saved.Memory(), "\x89PNG\r\n\x1A\n", 8), 0) << "written by GDI+'s PNG encoder";
    saved.SetPosition(0);
    TuxPNGImage reloaded;
    reloaded.LoadFromStream(saved);
    EXPECT_TRUE(reloaded.SameImage(png));
    ExpectPremultipliedFixture(BitsOf(reloaded));

    TuxPNGImage empty;
    rtl::TMemoryStream nothing;
    empty.SaveToStream(nothing);
    EXPECT_EQ(nothing.Size(), 0) << "no image, nothing written";
    TuxPNGImage alsoEmpty;
    EXPECT_TRUE(empty.SameImage(alsoEmpty));
    EXPECT_FALSE(empty.SameImage(png)) << "a different size";
}

TEST(uxGdiPlusClasses, ThePictureRegistryReadsPngFiles) {
    EXPECT_EQ(vcl::GraphicClassOfExtension(u"PNG"), &TuxPNGImage::StaticClass());
    vcl::TPicture picture;
    picture.LoadFromFile(test_support::DataPath("images/alpha.png"));
    ASSERT_NE(dynamic_cast<TuxPNGImage*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 4);
}

TEST(uxGdiPlusClasses, ThePngFormatLeavesAndReturnsWithTheUICore) {
    FinalizeUICore();
    EXPECT_EQ(vcl::GraphicClassOfExtension(u"png"), nullptr);
    EXPECT_FALSE(IsGdiPlusAvailable()) << "GDI+ is unloaded after the units that use it, and not loaded again";
    InitializeUICore();
    EXPECT_TRUE(IsGdiPlusAvailable());
    EXPECT_EQ(vcl::GraphicClassOfExtension(u"png"), &TuxPNGImage::StaticClass());
}

TEST(uxGdiPlusClasses, BmpStreamsGoThroughTheFrameworkBitmap) {
    vcl::TBitmap bitmap(5, 4, vcl::pf24bit);
    bitmap.Canvas().Brush().SetColor(0x336699);
    bitmap.Canvas().FillRect({0, 0, 5, 4});
    rtl::TMemoryStream stream;
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    TuxPNGImage png;
    png.LoadFromStream(stream);
    EXPECT_EQ(png.Width(), 5);
    EXPECT_EQ(png.Height(), 4);
    EXPECT_FALSE(png.IsAlphaUsed()) << "a 24-bit bitmap is opaque";
    EXPECT_EQ(BitsOf(png), TRGBColors(20, 0xFF996633));

    const uint8_t thirteen[13] = {0x89, 'P', 'N', 'G'};
    Fill(stream, thirteen, sizeof(thirteen));
    png.LoadFromStream(stream);
    EXPECT_TRUE(png.Empty()) << "13 bytes give an empty image";
    EXPECT_NE(png.Image(), nullptr);
    stream.Clear();
    png.LoadFromStream(stream);
    EXPECT_EQ(png.Image(), nullptr) << "an empty stream clears the image";

    const char damaged[] = "not an image at all, just text";
    Fill(stream, damaged, sizeof(damaged));
    EXPECT_THROW(png.LoadFromStream(stream), EuxGdipException);
}

TEST(uxGdiPlusClasses, AssignmentsWithBitmapsAndOtherImages) {
    TuxPNGImage png;
    LoadFixture(png);
    vcl::TBitmap bitmap;
    bitmap.Assign(&png);
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.PixelFormat(), vcl::pf32bit);

    TuxPNGImage fromBitmap;
    fromBitmap.Assign(&bitmap);
    EXPECT_TRUE(fromBitmap.SameImage(png)) << "the bitmap holds the premultiplied pixels with their alpha";

    TuxPNGImage copy;
    copy.Assign(&png);
    EXPECT_TRUE(copy.SameImage(png));
    const TuxPNGImage withoutImage;
    copy.Assign(&withoutImage);
    EXPECT_EQ(copy.Image(), nullptr) << "assigning an image without one leaves none";

    vcl::TIcon icon;
    EXPECT_THROW(copy.Assign(&icon), rtl::EConvertError);
}

TEST(uxGdiPlusClasses, ClonesKeepTheirOwnPixels) {
    std::unique_ptr<TuxGPImage> original = TuxGPImage::CreateFromBits(2, 1, {0xFF102030, 0x80402010}, true);
    const std::unique_ptr<TuxGPImage> clone = original->Clone();
    original.reset();
    TRGBColors pixels;
    clone->GetBits(pixels);
    EXPECT_EQ(pixels, (TRGBColors{0xFF102030, 0x80402010}));
    EXPECT_EQ(clone->GetImageRect(), (vcl::TRect{0, 0, 2, 1}));

    rtl::TMemoryStream stream;
    stream.LoadFromFile(test_support::DataPath("images/alpha.png"));
    std::unique_ptr<TuxGPImage> decoded = TuxGPImage::CreateFromStream(stream);
    const std::unique_ptr<TuxGPImage> decodedClone = decoded->Clone();
    decoded.reset();
    decodedClone->GetBits(pixels);
    ExpectPremultipliedFixture(pixels);

    try {
        TuxGPImage::CreateFromBits(3, 3, TRGBColors(8), true);
        FAIL() << "no exception";
    } catch (const EuxGdipException& error) {
        EXPECT_EQ(error.Status(), gpInvalidParameter) << "fewer pixels than the size needs";
    }
    EXPECT_THROW(TuxGPImage::CreateFromBits(0, 3, TRGBColors(8), true), EuxGdipException);
}

TEST(uxGdiPlusClasses, DrawingBlendsThePixelsOverTheBackground) {
    TuxPNGImage png;
    LoadFixture(png);
    ui_test::TDibSurface surface(8, 6);
    surface.Fill(vcl::clWhite);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    png.Draw(canvas, {2, 1, 6, 4});
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixel(2, 1), vcl::clRed);
    EXPECT_EQ(surface.Pixel(5, 1), vcl::clWhite) << "a clear pixel shows the background";
    const vcl::TColor halfGreen = surface.Pixel(3, 1);
    EXPECT_NEAR(static_cast<int>(halfGreen & 0xFF), 127, 2);
    EXPECT_EQ((halfGreen >> 8) & 0xFF, 255u);
    EXPECT_EQ(surface.Pixel(1, 1), vcl::clWhite);
    EXPECT_EQ(surface.Pixel(6, 1), vcl::clWhite) << "nothing outside the rectangle";
    const std::vector<uint32_t> first = surface.Pixels();
    canvas.SetHandle(surface.DC());
    surface.Fill(vcl::clWhite);
    png.DrawToDC(surface.DC(), {2, 1, 6, 4});
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixels(), first) << "drawing twice gives the same pixels";
}

TEST(uxGdiPlusClasses, TheClipboardFormIsTheImageOverWhite) {
    TuxPNGImage png;
    LoadFixture(png);
    uint16_t format = 0;
    void* data = nullptr;
    png.SaveToClipboardFormat(format, data);
    ASSERT_NE(data, nullptr);
    TuxPNGImage pasted;
    pasted.LoadFromClipboardFormat(format, data);
    DeleteObject(data);
    TRGBColors pixels = BitsOf(pasted);
    ASSERT_EQ(pixels.size(), 12u);
    EXPECT_EQ(pixels[3] & 0xFFFFFF, 0xFFFFFFu) << "the clear pixel is white";
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);
}

} // namespace
} // namespace ui
