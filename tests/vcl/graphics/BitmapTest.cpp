// Bitmaps: pixel formats and their GDI bitmaps, resizing, scan lines, the BMP file and "Data" forms with every damage a
// reader must refuse, transparent drawing, and copies between bitmaps.

#include "vcl/graphics/images/Bitmap.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> BytesOf(rtl::TMemoryStream& stream) {
    const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
    return {bytes, bytes + stream.Size()};
}

// A bitmap of the format whose pixels are a red left half and a blue right half.
std::unique_ptr<vcl::TBitmap> HalvesBitmap(vcl::TPixelFormat format, int width = 8, int height = 4) {
    auto bitmap = std::make_unique<vcl::TBitmap>(width, height, format);
    bitmap->Canvas().Brush().SetColor(vcl::clBlue);
    bitmap->Canvas().FillRect(vcl::Rect(0, 0, width, height));
    bitmap->Canvas().Brush().SetColor(vcl::clRed);
    bitmap->Canvas().FillRect(vcl::Rect(0, 0, width / 2, height));
    return bitmap;
}

TEST(Bitmap, EachPixelFormatHasAGdiBitmapOfItsDepth) {
    const struct {
        vcl::TPixelFormat Format;
        WORD BitsPerPixel;
    } cases[] = {{vcl::pf1bit, 1},   {vcl::pf4bit, 4},   {vcl::pf8bit, 8},  {vcl::pf15bit, 16},
                 {vcl::pf16bit, 16}, {vcl::pf24bit, 24}, {vcl::pf32bit, 32}};
    for (const auto& test : cases) {
        vcl::TBitmap bitmap(5, 3, test.Format);
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(bitmap.Handle(), sizeof(section), &section), static_cast<int>(sizeof(section)));
        EXPECT_EQ(section.dsBm.bmBitsPixel, test.BitsPerPixel);
        EXPECT_EQ(section.dsBm.bmWidth, 5);
        EXPECT_EQ(bitmap.HandleType(), vcl::bmDIB);
        EXPECT_EQ(bitmap.Monochrome(), test.Format == vcl::pf1bit);
    }
    vcl::TBitmap device(5, 3);
    EXPECT_EQ(device.HandleType(), vcl::bmDDB);
    BITMAP plain{};
    GetObjectW(device.Handle(), sizeof(plain), &plain);
    EXPECT_EQ(plain.bmWidth, 5);
}

TEST(Bitmap, AMonochromeBitmapKeepsBlackAndWhiteAndA32BitOneItsPixelsInPlace) {
    auto mono = HalvesBitmap(vcl::pf1bit);
    EXPECT_EQ(mono->Canvas().Pixel(0, 0), vcl::clBlack) << "red is nearer black";
    mono->Canvas().SetPixel(1, 1, vcl::clWhite);
    EXPECT_EQ(mono->Canvas().Pixel(1, 1), vcl::clWhite);

    auto full = HalvesBitmap(vcl::pf32bit);
    const auto* top = static_cast<const uint32_t*>(full->ScanLine(0));
    EXPECT_EQ(top[0] & 0xFFFFFF, 0xFF0000u) << "BGRA red";
    EXPECT_EQ(top[7] & 0xFFFFFF, 0x0000FFu) << "BGRA blue";
    static_cast<uint32_t*>(full->ScanLine(3))[0] = 0x00FF00;
    EXPECT_EQ(full->Canvas().Pixel(0, 3), vcl::clLime) << "row 3 is the bottom row";
    EXPECT_THROW(full->ScanLine(4), vcl::EInvalidGraphicOperation);
    EXPECT_THROW(vcl::TBitmap(2, 2).ScanLine(0), vcl::EInvalidGraphicOperation) << "a device bitmap has no rows";
}

TEST(Bitmap, ResizingKeepsThePixelsThatFitAndChangingFormatKeepsColours) {
    auto bitmap = HalvesBitmap(vcl::pf24bit);
    int changes = 0;
    bitmap->SetOnChange([&](rtl::TObject*) { ++changes; });
    bitmap->SetSize(12, 6);
    EXPECT_EQ(changes, 1);
    bitmap->SetSize(12, 6);
    EXPECT_EQ(changes, 1) << "the same size changes nothing";
    EXPECT_EQ(bitmap->Canvas().Pixel(0, 0), vcl::clRed);
    EXPECT_EQ(bitmap->Canvas().Pixel(7, 3), vcl::clBlue);
    EXPECT_EQ(bitmap->Canvas().Pixel(11, 5), vcl::clBlack) << "new pixels";
    bitmap->SetPixelFormat(vcl::pf16bit);
    EXPECT_EQ(bitmap->PixelFormat(), vcl::pf16bit);
    EXPECT_EQ(bitmap->Canvas().Pixel(7, 3), vcl::clBlue);
    bitmap->SetSize(-3, 5);
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(bitmap->Handle(), nullptr);
}

TEST(Bitmap, TheDataFormRoundTripsEveryFormat) {
    for (const vcl::TPixelFormat format :
         {vcl::pf1bit, vcl::pf4bit, vcl::pf8bit, vcl::pf16bit, vcl::pf24bit, vcl::pf32bit, vcl::pfDevice}) {
        SCOPED_TRACE(testing::Message() << "format " << int(format));
        auto bitmap = HalvesBitmap(format, 9, 5);
        rtl::TMemoryStream data;
        bitmap->WriteData(data);
        int32_t length = 0;
        std::memcpy(&length, data.Memory(), sizeof(length));
        EXPECT_EQ(length, data.Size() - 4) << "a length, then the BMP file";
        EXPECT_EQ(static_cast<const char*>(data.Memory())[4], 'B');
        data.WriteBuffer("tail", 4);
        data.SetPosition(0);
        vcl::TBitmap read;
        ASSERT_NO_THROW(read.ReadData(data));
        EXPECT_EQ(data.Position(), data.Size() - 4) << "the stream is left after the bitmap";
        EXPECT_EQ(read.Width(), 9);
        EXPECT_EQ(read.Height(), 5);
        EXPECT_EQ(read.PixelFormat(), format == vcl::pfDevice ? vcl::pf32bit : format);
        for (const vcl::TPoint point : {vcl::Point(0, 0), vcl::Point(8, 4), vcl::Point(3, 2)}) {
            EXPECT_EQ(read.Canvas().Pixel(point.X, point.Y), bitmap->Canvas().Pixel(point.X, point.Y))
                << "format " << int(format);
        }
    }
}

// A valid 2 x 2 24-bit BMP file, with a hook to damage it.
std::vector<uint8_t> SmallBitmapFile() {
    auto bitmap = HalvesBitmap(vcl::pf24bit, 2, 2);
    rtl::TMemoryStream stream;
    bitmap->SaveToStream(stream);
    return BytesOf(stream);
}

template <class T>
void Poke(std::vector<uint8_t>& bytes, size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof(T));
}

TEST(Bitmap, DamagedFilesAreRefusedBeforeAnythingIsRead) {
    const struct {
        const char* Damage;
        std::function<void(std::vector<uint8_t>&)> Apply;
    } cases[] = {
        {"truncated pixels", [](auto& b) { b.resize(b.size() - 3); }},
        {"truncated header", [](auto& b) { b.resize(30); }},
        {"no signature", [](auto& b) { b[0] = 'X'; }},
        {"file size beyond the data", [](auto& b) { Poke<uint32_t>(b, 2, 100000); }},
        {"pixels offset beyond the data", [](auto& b) { Poke<uint32_t>(b, 10, 0x7FFFFFF0); }},
        {"pixels offset inside the header", [](auto& b) { Poke<uint32_t>(b, 10, 20); }},
        {"header size beyond the data", [](auto& b) { Poke<uint32_t>(b, 14, 5000); }},
        {"zero width", [](auto& b) { Poke<int32_t>(b, 18, 0); }},
        {"negative width", [](auto& b) { Poke<int32_t>(b, 18, -2); }},
        {"huge height", [](auto& b) { Poke<int32_t>(b, 22, 0x7FFFFFFF); }},
        {"more pixels than allowed", [](auto& b) { Poke<int32_t>(b, 18, 30000), Poke<int32_t>(b, 22, 30000); }},
        {"two planes", [](auto& b) { Poke<uint16_t>(b, 26, 2); }},
        {"unknown depth", [](auto& b) { Poke<uint16_t>(b, 28, 7); }},
        {"run-length compression", [](auto& b) { Poke<uint32_t>(b, 30, BI_RLE8); }},
        {"more colours than the depth has", [](auto& b) { Poke<uint16_t>(b, 28, 8), Poke<uint32_t>(b, 46, 300); }},
        {"a colour table past the end", [](auto& b) { Poke<uint16_t>(b, 28, 8); }},
    };
    for (const auto& test : cases) {
        std::vector<uint8_t> bytes = SmallBitmapFile();
        test.Apply(bytes);
        rtl::TCustomMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
        vcl::TBitmap bitmap;
        EXPECT_THROW(bitmap.LoadFromStream(stream), vcl::EInvalidGraphic) << test.Damage;
        EXPECT_TRUE(bitmap.Empty()) << test.Damage;
    }
    std::vector<uint8_t> data = {0x10, 0, 0, 0, 'B', 'M'};
    rtl::TCustomMemoryStream shortData(data.data(), static_cast<int64_t>(data.size()));
    EXPECT_THROW(vcl::TBitmap().ReadData(shortData), vcl::EInvalidGraphic) << "a length beyond the stream";
}

TEST(Bitmap, OtherHeaderFormsReadAsTheNormalOne) {
    // A 2 x 1 core-header (OS/2) bitmap of 8 bits: a 12-byte header, a three-byte colour table, one padded row.
    std::vector<uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 8, 0};
    for (int i = 0; i < 256; ++i) {
        const uint8_t level = static_cast<uint8_t>(i);
        file.insert(file.end(), {level, 0, static_cast<uint8_t>(255 - i)});
    }
    Poke<uint32_t>(file, 10, static_cast<uint32_t>(file.size()));
    file.insert(file.end(), {0, 255, 0, 0});
    Poke<uint32_t>(file, 2, static_cast<uint32_t>(file.size()));
    rtl::TCustomMemoryStream stream(file.data(), static_cast<int64_t>(file.size()));
    vcl::TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(bitmap.PixelFormat(), vcl::pf8bit);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), vcl::clRed) << "entry 0: blue 0, red 255";
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), vcl::clBlue) << "entry 255";
}

TEST(Bitmap, TransparentDrawingLeavesTheBackgroundWhereTheTransparentColourIs) {
    auto bitmap = HalvesBitmap(vcl::pf24bit, 8, 8);
    ui_test::TDibSurface surface(8, 8);
    surface.Fill(vcl::clLime);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    bitmap->SetTransparent(true);
    EXPECT_EQ(bitmap->TransparentColor(), vcl::clRed) << "the bottom-left pixel";
    canvas.Draw(0, 0, *bitmap);
    EXPECT_EQ(surface.Pixel(1, 1), vcl::clLime);
    EXPECT_EQ(surface.Pixel(6, 6), vcl::clBlue);
    bitmap->SetTransparentColor(vcl::clBlue);
    surface.Fill(vcl::clLime);
    canvas.Draw(0, 0, *bitmap);
    EXPECT_EQ(surface.Pixel(1, 1), vcl::clRed);
    EXPECT_EQ(surface.Pixel(6, 6), vcl::clLime);
    canvas.SetHandle(nullptr);
}

TEST(Bitmap, CopiesAreIndependentAndHandlesAreReleasedOnce) {
    auto original = HalvesBitmap(vcl::pf8bit);
    vcl::TBitmap copy;
    copy.Assign(original.get());
    EXPECT_NE(copy.Handle(), original->Handle());
    copy.Canvas().SetPixel(0, 0, vcl::clLime);
    EXPECT_EQ(original->Canvas().Pixel(0, 0), vcl::clRed);
    EXPECT_EQ(copy.PixelFormat(), vcl::pf8bit);

    HBITMAP released = copy.ReleaseHandle();
    EXPECT_TRUE(copy.Empty());
    BITMAP description{};
    EXPECT_NE(GetObjectW(released, sizeof(description), &description), 0) << "still alive: the caller owns it";
    vcl::TBitmap taker;
    taker.SetHandle(released);
    EXPECT_EQ(taker.PixelFormat(), vcl::pf8bit);
    EXPECT_EQ(taker.Width(), 8);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, TheClipboardFormIsACopyOfTheBitmap) {
    auto bitmap = HalvesBitmap(vcl::pf24bit);
    uint16_t format = 0;
    void* data = nullptr;
    bitmap->SaveToClipboardFormat(format, data);
    EXPECT_EQ(format, CF_BITMAP);
    ASSERT_NE(data, nullptr);
    vcl::TBitmap pasted;
    pasted.LoadFromClipboardFormat(format, data);
    DeleteObject(data);
    EXPECT_EQ(pasted.Width(), 8);
    EXPECT_EQ(pasted.Canvas().Pixel(7, 0), vcl::clBlue);
    EXPECT_THROW(pasted.LoadFromClipboardFormat(CF_TEXT, data), vcl::EInvalidGraphic);
}

} // namespace
