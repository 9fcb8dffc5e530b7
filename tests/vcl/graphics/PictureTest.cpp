// Pictures of every built-in class: JPEG images decoded by libjpeg-turbo (a file written by Pillow), icons, enhanced
// metafiles, and the picture that holds any of them with its registry of classes by file extension.

#include "vcl/graphics/images/Picture.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/JpegImage.h"
#include "vcl/graphics/images/Metafile.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> FixtureBytes(const char* name) {
    rtl::TMemoryStream stream;
    stream.LoadFromFile(test_support::DataPath(std::string("images/") + name));
    const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
    return {bytes, bytes + stream.Size()};
}

// True when each channel of the colours differs by at most tolerance.
bool Near(vcl::TColor actual, vcl::TColor expected, int tolerance = 24) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(((actual >> shift) & 0xFF) - ((expected >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

TEST(JpegImage, APillowJpegDecodesToItsSizeAndColours) {
    vcl::TJPEGImage jpeg;
    jpeg.LoadFromFile(test_support::DataPath("images/halves.jpg"));
    EXPECT_EQ(jpeg.Width(), 32);
    EXPECT_EQ(jpeg.Height(), 16);
    EXPECT_FALSE(jpeg.Grayscale());
    ui_test::TDibSurface surface(32, 16);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Draw(0, 0, jpeg);
    canvas.SetHandle(nullptr);
    EXPECT_TRUE(Near(surface.Pixel(6, 8), vcl::clRed)) << std::hex << surface.Pixel(6, 8);
    EXPECT_TRUE(Near(surface.Pixel(26, 8), vcl::clBlue)) << std::hex << surface.Pixel(26, 8);

    rtl::TMemoryStream saved;
    jpeg.SaveToStream(saved);
    const std::vector<uint8_t> original = FixtureBytes("halves.jpg");
    ASSERT_EQ(saved.Size(), static_cast<int64_t>(original.size())) << "saved as it was read";
    EXPECT_EQ(std::memcmp(saved.Memory(), original.data(), original.size()), 0);
}

TEST(JpegImage, DamagedDataRaisesAndLeavesTheImageAsItWas) {
    const std::vector<uint8_t> original = FixtureBytes("halves.jpg");
    const struct {
        const char* Damage;
        std::vector<uint8_t> Bytes;
    } cases[] = {
        {"truncated in the scan", {original.begin(), original.begin() + static_cast<long>(original.size()) - 200}},
        {"only the start of the header", {original.begin(), original.begin() + 20}},
        {"no JPEG at all", {'B', 'M', 1, 2, 3, 4, 5, 6}},
        {"empty", {}},
    };
    for (const auto& test : cases) {
        vcl::TJPEGImage jpeg;
        std::vector<uint8_t> bytes = test.Bytes;
        rtl::TCustomMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
        EXPECT_THROW(jpeg.LoadFromStream(stream), vcl::EInvalidGraphic) << test.Damage;
        EXPECT_TRUE(jpeg.Empty()) << test.Damage;
    }
}

TEST(JpegImage, ABitmapCompressesAndDecodesBackNearItsColours) {
    vcl::TBitmap bitmap(24, 24, vcl::pf24bit);
    bitmap.Canvas().Brush().SetColor(vcl::clGreen);
    bitmap.Canvas().FillRect(vcl::Rect(0, 0, 24, 24));
    vcl::TJPEGImage jpeg;
    jpeg.SetCompressionQuality(95);
    jpeg.Assign(&bitmap);
    rtl::TMemoryStream data;
    jpeg.SaveToStream(data);
    EXPECT_EQ(static_cast<const uint8_t*>(data.Memory())[0], 0xFF) << "a JPEG stream (SOI)";
    data.SetPosition(0);
    vcl::TJPEGImage read;
    read.LoadFromStream(data);
    vcl::TBitmap back;
    back.Assign(&read);
    EXPECT_EQ(back.Width(), 24);
    EXPECT_TRUE(Near(back.Canvas().Pixel(12, 12), vcl::clGreen, 8));
}

TEST(Icon, AnIconFileLoadsTheSizeNearestTheSystemIconAndDrawsWithItsMask) {
    vcl::TIcon icon;
    icon.LoadFromFile(test_support::DataPath("images/app.ico"));
    EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(icon.Width(), 32);
    ui_test::TDibSurface surface(32, 32);
    surface.Fill(vcl::clFuchsia);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Draw(0, 0, icon);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixel(0, 0), vcl::clFuchsia) << "masked";
    EXPECT_TRUE(Near(surface.Pixel(16, 16), 0x00A000, 8)) << std::hex << surface.Pixel(16, 16);

    rtl::TMemoryStream saved;
    icon.SaveToStream(saved);
    EXPECT_EQ(saved.Size(), static_cast<int64_t>(FixtureBytes("app.ico").size()));

    vcl::TIcon fromHandle;
    fromHandle.SetHandle(CopyIcon(icon.Handle()));
    rtl::TMemoryStream written;
    fromHandle.SaveToStream(written);
    written.SetPosition(0);
    vcl::TIcon reread;
    reread.LoadFromStream(written);
    EXPECT_EQ(reread.Width(), 32);
}

TEST(Icon, DamagedIconFilesAreRefused) {
    const std::vector<uint8_t> original = FixtureBytes("app.ico");
    const struct {
        const char* Damage;
        size_t Offset;
        uint32_t Value;
        size_t Width;
    } cases[] = {
        {"a cursor", 2, 2, 2},
        {"no image", 4, 0, 2},
        {"an image past the end", 6 + 12, 0x7FFFFFF0, 4},
        {"an image size past the end", 6 + 8, 0x7FFFFFF0, 4},
        {"an image header of wrong size", 38, 999, 4},
        {"an image of odd height", 38 + 8, 33, 4},
    };
    for (const auto& test : cases) {
        std::vector<uint8_t> bytes = original;
        std::memcpy(bytes.data() + test.Offset, &test.Value, test.Width);
        rtl::TCustomMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
        vcl::TIcon icon;
        EXPECT_THROW(icon.LoadFromStream(stream), vcl::EInvalidGraphic) << test.Damage;
    }
    std::vector<uint8_t> truncated(original.begin(), original.end() - 10);
    rtl::TCustomMemoryStream stream(truncated.data(), static_cast<int64_t>(truncated.size()));
    EXPECT_THROW(vcl::TIcon().LoadFromStream(stream), vcl::EInvalidGraphic) << "truncated";
}

// An enhanced metafile of 1 x 1 centimetre holding a red rectangle over its whole frame.
HENHMETAFILE RedSquareMetafile() {
    const RECT frame{0, 0, 1000, 1000};
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const int size = MulDiv(1000, GetDeviceCaps(dc, LOGPIXELSX), 2540);
    const RECT all{0, 0, size, size};
    FillRect(dc, &all, red);
    DeleteObject(red);
    return CloseEnhMetaFile(dc);
}

TEST(Metafile, AMetafileRoundTripsAndPlaysIntoItsRectangle) {
    vcl::TMetafile metafile;
    metafile.SetHandle(RedSquareMetafile());
    EXPECT_NEAR(metafile.Width(), 38, 1) << "1 cm at 96 pixels per inch";
    rtl::TMemoryStream stream;
    metafile.SaveToStream(stream);
    stream.SetPosition(0);
    vcl::TMetafile read;
    read.LoadFromStream(stream);
    EXPECT_EQ(read.Width(), metafile.Width());
    ui_test::TDibSurface surface(20, 20);
    surface.Fill(vcl::clWhite);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.StretchDraw(vcl::Rect(0, 0, 10, 10), read);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixel(5, 5), vcl::clRed);
    EXPECT_EQ(surface.Pixel(15, 15), vcl::clWhite);

    std::vector<uint8_t> bytes(static_cast<const uint8_t*>(stream.Memory()),
                               static_cast<const uint8_t*>(stream.Memory()) + stream.Size());
    bytes.resize(bytes.size() - 8);
    rtl::TCustomMemoryStream truncated(bytes.data(), static_cast<int64_t>(bytes.size()));
    EXPECT_THROW(vcl::TMetafile().LoadFromStream(truncated), vcl::EInvalidGraphic);
    bytes[0] = 7;
    rtl::TCustomMemoryStream wrongType(bytes.data(), static_cast<int64_t>(bytes.size()));
    EXPECT_THROW(vcl::TMetafile().LoadFromStream(wrongType), vcl::EInvalidGraphic);
}

TEST(Picture, FilesLoadByTheClassOfTheirExtension) {
    vcl::TPicture picture;
    int changes = 0;
    picture.SetOnChange([&](rtl::TObject*) { ++changes; });
    picture.LoadFromFile(test_support::DataPath("images/halves.jpg"));
    EXPECT_EQ(picture.Graphic()->ClassType(), vcl::TJPEGImage::StaticClass());
    EXPECT_EQ(picture.Width(), 32);
    picture.LoadFromFile(test_support::DataPath("images/strip.bmp"));
    EXPECT_EQ(picture.Graphic()->ClassType(), vcl::TBitmap::StaticClass());
    EXPECT_EQ(picture.Width(), 48);
    EXPECT_EQ(changes, 2);
    picture.Bitmap().SetSize(10, 10);
    EXPECT_EQ(changes, 3) << "a change of the graphic is the picture's";
    picture.LoadFromFile(test_support::DataPath("images/app.ico"));
    EXPECT_EQ(picture.Graphic()->ClassType(), vcl::TIcon::StaticClass());

    EXPECT_EQ(test_support::MessageOf([&] { picture.LoadFromFile(u"image.png"); }),
              "Unknown picture file extension (.png)");
    EXPECT_EQ(picture.Graphic()->ClassType(), vcl::TIcon::StaticClass()) << "the picture is kept";
}

TEST(Picture, TheRegistryTakesNewClassesAndGivesTheirFilters) {
    EXPECT_EQ(vcl::GraphicClassOfExtension(u".JPEG"), &vcl::TJPEGImage::StaticClass());
    EXPECT_EQ(vcl::GraphicExtension(&vcl::TBitmap::StaticClass()), u"bmp");
    EXPECT_EQ(vcl::GraphicFilter(&vcl::TIcon::StaticClass()), u"All (*.ico)|*.ico|Icons (*.ico)|*.ico");
    vcl::RegisterFileFormat(u"png", u"Portable Network Graphics", &vcl::TBitmap::StaticClass());
    EXPECT_EQ(vcl::GraphicClassOfExtension(u"PNG"), &vcl::TBitmap::StaticClass());
    EXPECT_EQ(vcl::GraphicFileMask(&vcl::TBitmap::StaticClass()), u"*.bmp;*.png");
    vcl::UnregisterGraphicClass(&vcl::TBitmap::StaticClass());
    EXPECT_EQ(vcl::GraphicClassOfExtension(u"png"), nullptr);
    EXPECT_EQ(vcl::GraphicClassOfExtension(u"bmp"), nullptr);
    vcl::RegisterFileFormat(u"bmp", u"Bitmaps", &vcl::TBitmap::StaticClass());
}

TEST(Picture, AssigningAGraphicHoldsACopyOfItsClass) {
    vcl::TIcon icon;
    icon.LoadFromFile(test_support::DataPath("images/app.ico"));
    vcl::TPicture picture;
    picture.SetGraphic(&icon);
    ASSERT_NE(picture.Graphic(), &icon);
    EXPECT_EQ(picture.Graphic()->ClassType(), vcl::TIcon::StaticClass());
    EXPECT_NE(static_cast<vcl::TIcon*>(picture.Graphic())->Handle(), icon.Handle());
    vcl::TPicture other;
    other.Assign(&picture);
    EXPECT_EQ(other.Width(), 32);
    vcl::TBitmap asBitmap;
    asBitmap.Assign(&icon);
    EXPECT_EQ(asBitmap.Width(), 32);
    other.Assign(nullptr);
    EXPECT_EQ(other.Graphic(), nullptr);
}

} // namespace
