// The GDI+ binding under Wine's gdiplus.dll: binding by name through the seam, the status check, the encoders, and
// the drawing services painting into 32-bit DIB sections.

#include "ui/core/gdiplus/uxGdiPlusAPI.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/ui/core/gdiplus/GdiPlusTestSupport.h"
#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/gdiplus/uxGdiPlusFlat.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::TGdiPlusRebinding;
using ui_test::THidingGdiPlusLibrary;

constexpr uint32_t Blue = 0xFF0000FF;
constexpr uint32_t Red = 0xFFFF0000;

// A surface filled with color and a GDI+ graphics on it; the graphics is deleted (and its drawing flushed) by
// Finish.
struct TGraphicsOnSurface {
    ui_test::TDibSurface Surface;
    TuxGpGraphicsHandle Graphics;

    TGraphicsOnSurface(int width, int height, vcl::TColor color) : Surface(width, height) {
        Surface.Fill(color);
        Graphics = CreateGpGraphics(Surface.DC());
    }
    void Finish() { Graphics.Reset(); }
};

bool Near(vcl::TColor color, vcl::TColor expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((color >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) >
            tolerance) {
            return false;
        }
    }
    return true;
}

TEST(uxGdiPlusAPI, GdiPlusIsBoundAndFindsThePngEncoder) {
    ASSERT_TRUE(IsGdiPlusAvailable());
    EXPECT_EQ(GdiPlusEntryNames().size(), 108u);
    EXPECT_STREQ(GdiPlusEntryNames().front(), "GdipAlloc");
    EXPECT_STREQ(GdiPlusEntryNames().back(), "GdipCloneBitmapAreaI");
    rtl::TGUID clsid;
    EXPECT_EQ(GetEncoderClsid(u"IMAGE/PNG", clsid), 0) << "the MIME type is compared without regard to case";
    EXPECT_NE(clsid, rtl::TGUID{});
    EXPECT_EQ(PngEncoderClsid(), clsid);
    rtl::TGUID untouched{1, 2, 3, {}};
    EXPECT_EQ(GetEncoderClsid(u"image/none", untouched), 1);
    EXPECT_EQ(untouched, (rtl::TGUID{1, 2, 3, {}}));
}

TEST(uxGdiPlusAPI, AMissingEntryLeavesGdiPlusUnavailableWithoutLaterLookups) {
    const std::span<const char* const> names = GdiPlusEntryNames();
    THidingGdiPlusLibrary library(names[60]);
    {
        const TGdiPlusRebinding rebinding(library);
        LoadGdiPlus();
        EXPECT_FALSE(IsGdiPlusAvailable());
        EXPECT_EQ(library.Asked, std::vector<std::string>(names.begin(), names.begin() + 61));
        EXPECT_EQ(library.Closed, 1) << "the library is closed again";
        rtl::TGUID clsid;
        EXPECT_EQ(GetEncoderClsid(u"image/png", clsid), 1);
        GpImage* bitmap = nullptr;
        EXPECT_EQ(gdip::CreateBitmapFromScan0(2, 2, 0, nullptr, &bitmap), gpNotInitialized)
            << "an unbound call answers an error";
        rtl::TMemoryStream png;
        png.LoadFromFile(test_support::DataPath("images/alpha.png"));
        EXPECT_FALSE(TuxGPImage::CreateFromStream(png)->HasHandle()) << "an empty image without GDI+";
    }
    EXPECT_TRUE(IsGdiPlusAvailable()) << "bound again the system's way";

    THidingGdiPlusLibrary absent;
    absent.Missing = true;
    {
        const TGdiPlusRebinding rebinding(absent);
        LoadGdiPlus();
        EXPECT_FALSE(IsGdiPlusAvailable());
        EXPECT_TRUE(absent.Asked.empty());
    }
    EXPECT_TRUE(IsGdiPlusAvailable());
}

TEST(uxGdiPlusAPI, FailedCallsRaiseWithTheirStatus) {
    EXPECT_EQ(CheckGdipStatus(gpOk), gpOk);
    try {
        CheckGdipStatus(7);
        FAIL() << "no exception";
    } catch (const EuxGdipException& error) {
        EXPECT_EQ(error.Status(), 7);
        EXPECT_EQ(test_support::Utf8(error.Message()), "Invalid operation in GDI+ (Code: 7)");
    }
    EXPECT_EQ(test_support::MessageOf([] { CheckGdipSuccess(false); }), "Invalid operation in GDI+ (Code: 2)");
    EXPECT_NO_THROW(CheckGdipSuccess(true));
    EXPECT_EQ(ColorToARGB(vcl::clNone), 0u);
    EXPECT_EQ(ColorToARGB(0x0080FF, 0x40), 0x40FF8000u) << "0xAARRGGBB";
}

// The source rectangles GdipDrawImageRectRectI was called with, recorded on the way to the real entry.
std::vector<vcl::TRect> DrawnSourceRects;
TuxProcAddress RealDrawImageRectRectI = nullptr;

GpStatus WINAPI RecordingDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstX, INT dstY, INT dstWidth,
                                            INT dstHeight, INT srcX, INT srcY, INT srcWidth, INT srcHeight, INT srcUnit,
                                            GpImageAttributes* attributes, void* callback, void* callbackData) {
    DrawnSourceRects.push_back(vcl::Bounds(srcX, srcY, srcWidth, srcHeight));
    using TDrawImageRectRectI = GpStatus(WINAPI*)(GpGraphics*, GpImage*, INT, INT, INT, INT, INT, INT, INT, INT, INT,
                                                  GpImageAttributes*, void*, void*);
    return reinterpret_cast<TDrawImageRectRectI>(RealDrawImageRectRectI)(graphics, image, dstX, dstY, dstWidth,
                                                                         dstHeight, srcX, srcY, srcWidth, srcHeight,
                                                                         srcUnit, attributes, callback, callbackData);
}

// The system's gdiplus.dll with its image drawing recorded.
class TRecordingGdiPlusLibrary final : public TuxGdiPlusLibrary {
public:
    HMODULE Open() override { return LoadLibraryW(L"gdiplus.dll"); }
    TuxProcAddress Lookup(HMODULE library, const char* name) override {
        const auto entry = reinterpret_cast<TuxProcAddress>(GetProcAddress(library, name));
        if (std::string_view(name) != "GdipDrawImageRectRectI") {
            return entry;
        }
        RealDrawImageRectRectI = entry;
        return reinterpret_cast<TuxProcAddress>(&RecordingDrawImageRectRectI);
    }
    void Close(HMODULE library) override { FreeLibrary(library); }
};

TEST(uxGdiPlusAPI, AStretchedImageLeavesOutItsLastColumnAndRow) {
    TRecordingGdiPlusLibrary library;
    const TGdiPlusRebinding rebinding(library);
    LoadGdiPlus();
    ASSERT_TRUE(IsGdiPlusAvailable());
    TRGBColors pixels(16 * 16, Blue);
    for (int i = 0; i < 16; ++i) {
        pixels[static_cast<size_t>(i) * 16 + 15] = Red;
        pixels[15 * 16 + static_cast<size_t>(i)] = Red;
    }
    const std::unique_ptr<TuxGPImage> image = TuxGPImage::CreateFromBits(16, 16, pixels, true);
    DrawnSourceRects.clear();
    TGraphicsOnSurface on(32, 32, vcl::clWhite);
    GpDrawImage(on.Graphics.Get(), {0, 0, 32, 32}, {0, 0, 16, 16}, image->Handle());
    GpDrawImage(on.Graphics.Get(), {0, 0, 32, 16}, {0, 0, 16, 16}, image->Handle());
    GpDrawImage(on.Graphics.Get(), {0, 0, 32, 32}, {3, 3, 4, 4}, image->Handle());
    GpDrawImage(on.Graphics.Get(), {0, 0, 32, 32}, {3, 3, 3, 3}, image->Handle());
    GpDrawImage(on.Graphics.Get(), {0, 0, 32, 32}, {3, 3, 3, 4}, image->Handle());
    GpDrawImage(on.Graphics.Get(), {40, 40, 50, 50}, {0, 0, 16, 16}, image->Handle());
    EXPECT_EQ(DrawnSourceRects, (std::vector<vcl::TRect>{{0, 0, 15, 15}, {0, 0, 15, 16}, {3, 3, 4, 4}}))
        << "columns and rows 0 to 14; a one-pixel source stays whole; empty or invisible ones are not drawn";

    TGraphicsOnSurface unstretched(16, 16, vcl::clWhite);
    GpDrawImage(unstretched.Graphics.Get(), {0, 0, 16, 16}, {0, 0, 16, 16}, image->Handle());
    unstretched.Finish();
    EXPECT_EQ(unstretched.Surface.Pixel(15, 3), vcl::clRed) << "an image drawn at its size keeps every pixel";
    EXPECT_EQ(unstretched.Surface.Pixel(3, 3), vcl::clBlue);
    on.Finish();
}

TEST(uxGdiPlusAPI, AConstantAlphaScalesTheAlphaOfTheColourMatrix) {
    const std::array<float, 25> matrix = GpAlphaColorMatrix(128);
    for (size_t i = 0; i < 25; ++i) {
        const float expected = i == 18 ? 128.0f / 255.0f : (i % 6 == 0 ? 1.0f : 0.0f);
        EXPECT_FLOAT_EQ(matrix[i], expected) << "element " << i;
    }
    const std::unique_ptr<TuxGPImage> white = TuxGPImage::CreateFromBits(4, 4, TRGBColors(16, 0xFFFFFFFF), true);
    TGraphicsOnSurface on(4, 4, vcl::clBlack);
    GpDrawImage(on.Graphics.Get(), {0, 0, 4, 4}, {0, 0, 4, 4}, white->Handle(), 128);
    on.Finish();
    EXPECT_TRUE(Near(on.Surface.Pixel(2, 2), 0x808080, 2)) << std::hex << on.Surface.Pixel(2, 2);
}

TEST(uxGdiPlusAPI, TilesRepeatTheSourceFromTheTopLeftCorner) {
    // A 3 x 2 source of six colours.
    const TRGBColors colours{0xFF100000, 0xFF200000, 0xFF300000, 0xFF400000, 0xFF500000, 0xFF600000};
    const std::unique_ptr<TuxGPImage> source = TuxGPImage::CreateFromBits(3, 2, colours, true);
    TGraphicsOnSurface tiled(10, 7, vcl::clWhite);
    GpDrawImageTiled(tiled.Graphics.Get(), {1, 1, 9, 6}, {0, 0, 3, 2}, source->Handle());
    tiled.Finish();
    for (int y = 1; y < 6; ++y) {
        for (int x = 1; x < 9; ++x) {
            const uint32_t expected = (colours[static_cast<size_t>(((y - 1) % 2) * 3 + (x - 1) % 3)] >> 16) & 0xFF;
            EXPECT_EQ(tiled.Surface.Pixel(x, y), static_cast<vcl::TColor>(expected)) << x << "," << y;
        }
    }
    EXPECT_EQ(tiled.Surface.Pixel(9, 3), vcl::clWhite);
    EXPECT_EQ(tiled.Surface.Pixel(4, 6), vcl::clWhite);

    TGraphicsOnSurface cut(4, 4, vcl::clWhite);
    GpDrawImageTiled(cut.Graphics.Get(), {0, 0, 2, 1}, {0, 0, 3, 2}, source->Handle());
    cut.Finish();
    EXPECT_EQ(cut.Surface.Pixel(1, 0), 0x20);
    EXPECT_EQ(cut.Surface.Pixel(2, 0), vcl::clWhite) << "a source larger than the destination is cut";
    EXPECT_EQ(cut.Surface.Pixel(0, 1), vcl::clWhite);
}

TEST(uxGdiPlusAPI, GradientsRunFromTheFirstColourToTheSecond) {
    TGraphicsOnSurface on(100, 10, vcl::clWhite);
    GpFillRectGradient(on.Graphics.Get(), {0, 0, 100, 10}, vcl::clRed, vcl::clBlue, gmHorizontal);
    on.Finish();
    EXPECT_TRUE(Near(on.Surface.Pixel(0, 5), vcl::clRed, 8));
    EXPECT_TRUE(Near(on.Surface.Pixel(99, 5), vcl::clBlue, 8));
    const vcl::TColor middle = on.Surface.Pixel(50, 5);
    EXPECT_TRUE(Near(middle, 0x800080, 12)) << std::hex << middle;
}

} // namespace
} // namespace ui
