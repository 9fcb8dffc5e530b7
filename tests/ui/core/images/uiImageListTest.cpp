// The library's image list under Wine: the system list and the stored copies in step (cells, moves, inserts,
// replacements, also through the framework's own operations), the list's form data written and read back, 32-bit
// images keeping their alpha, drawing through the glyph drawing, assignment from other lists,
// change notices, the compressed form of the stored bitmaps, and the routine that points a control at a list.

#include "ui/core/images/uiImageList.h"

#include "rtl/io/Filer.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/ui/core/images/ImageTestSupport.h"
#include "ui/core/graphics/uiBitmapDataCodec.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/system/Win32.h"

#include <commctrl.h>
#include <cstring>
#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Argb;
using ui_test::BitmapOfPixels;
using ui_test::PixelsOf;

// The fixture strip: three 16 x 16 cells, red, green and blue, each with a one-pixel fuchsia border.
std::unique_ptr<vcl::TBitmap> Strip() {
    auto strip = std::make_unique<vcl::TBitmap>();
    strip->LoadFromFile(test_support::DataPath("images/strip.bmp"));
    return strip;
}

// A 24-bit bitmap of one colour.
std::unique_ptr<vcl::TBitmap> Plain(int32_t width, int32_t height, vcl::TColor color) {
    auto bitmap = std::make_unique<vcl::TBitmap>(width, height, vcl::pf24bit);
    bitmap->Canvas().Brush().SetColor(color);
    bitmap->Canvas().FillRect({0, 0, width, height});
    return bitmap;
}

// The colour at the middle of an image of the system list.
vcl::TColor SystemImageColor(TuiImageList& list, int32_t index) {
    vcl::TBitmap image;
    vcl::TBitmap mask;
    if (!TuiImageList::ExtractImageInfo(list.Handle(), index, image, mask)) {
        return vcl::clNone;
    }
    return static_cast<vcl::TColor>(GetPixel(image.Canvas().Handle(), image.Width() / 2, image.Height() / 2));
}

// The colour at the middle of a stored copy.
vcl::TColor StoredImageColor(const TuiImageList& list, int32_t index) {
    TuiBitmap& image = list.ImageInfos().Item(index).ImageInfo().Image();
    return static_cast<vcl::TColor>(GetPixel(image.Canvas().Handle(), image.Width() / 2, image.Height() / 2));
}

std::vector<vcl::TColor> SystemColors(TuiImageList& list) {
    std::vector<vcl::TColor> colors;
    for (int32_t i = 0; i < list.Count(); ++i) {
        colors.push_back(SystemImageColor(list, i));
    }
    return colors;
}

std::vector<vcl::TColor> StoredColors(const TuiImageList& list) {
    std::vector<vcl::TColor> colors;
    for (int32_t i = 0; i < list.ImageInfos().Count(); ++i) {
        colors.push_back(StoredImageColor(list, i));
    }
    return colors;
}

using TColors = std::vector<vcl::TColor>;

TEST(uiImageList, ImagesAreCutIntoTheSameCellsForBothLists) {
    const struct {
        int32_t Width;
        int32_t Height;
        int32_t Images;
    } cases[] = {{48, 16, 3}, {20, 16, 1}, {32, 32, 4}, {40, 16, 1}, {16, 16, 1}, {8, 8, 1}};
    for (const auto& c : cases) {
        TuiImageList list(nullptr);
        const std::unique_ptr<vcl::TBitmap> image = Plain(c.Width, c.Height, vcl::clTeal);
        EXPECT_EQ(list.AddBitmap(*image, nullptr), 0);
        EXPECT_EQ(list.Count(), c.Images) << c.Width << " x " << c.Height;
        EXPECT_EQ(list.ImageInfos().Count(), c.Images) << c.Width << " x " << c.Height;
    }
    TuiImageList list(nullptr);
    const std::unique_ptr<vcl::TBitmap> odd = Plain(20, 16, vcl::clTeal);
    list.AddBitmap(*odd, nullptr);
    EXPECT_EQ(list.ImageInfos().Item(0).ImageInfo().Image().Width(), 20) << "the whole image is stored";

    const std::unique_ptr<vcl::TBitmap> strip = Strip();
    EXPECT_EQ(list.AddBitmap(*strip, nullptr), 1);
    EXPECT_EQ(StoredColors(list), (TColors{vcl::clTeal, vcl::clRed, vcl::clLime, vcl::clBlue}))
        << "cells left to right";
    EXPECT_EQ(SystemColors(list), StoredColors(list));
}

TEST(uiImageList, MovesInsertsAndDeletesKeepTheListsInStep) {
    TuiImageList list(nullptr);
    const TColors colors{vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow};
    for (const vcl::TColor color : colors) {
        list.AddBitmap(*Plain(16, 16, color), nullptr);
    }
    list.MoveImage(0, 3);
    EXPECT_EQ(StoredColors(list), (TColors{vcl::clLime, vcl::clBlue, vcl::clYellow, vcl::clRed}));
    EXPECT_EQ(SystemColors(list), StoredColors(list));
    list.MoveImage(3, 1);
    EXPECT_EQ(StoredColors(list), (TColors{vcl::clLime, vcl::clRed, vcl::clBlue, vcl::clYellow}));
    EXPECT_EQ(SystemColors(list), StoredColors(list));
    list.MoveImage(0, 9);
    list.MoveImage(-1, 2);
    EXPECT_EQ(StoredColors(list).size(), 4u) << "indexes out of range are ignored";

    // Two cells inserted at 1 move together.
    const std::unique_ptr<vcl::TBitmap> pair = BitmapOfPixels(
        32, 16, [](int32_t x, int32_t) { return x < 16 ? Argb(255, 0, 128, 128) : Argb(255, 128, 0, 128); });
    list.InsertBitmap(1, *pair, nullptr);
    const TColors inserted{vcl::clLime, vcl::clTeal, vcl::clPurple, vcl::clRed, vcl::clBlue, vcl::clYellow};
    EXPECT_EQ(StoredColors(list), inserted);
    EXPECT_EQ(SystemColors(list), inserted);
    list.InsertBitmap(7, *pair, nullptr);
    list.InsertBitmap(-1, *pair, nullptr);
    EXPECT_EQ(list.Count(), 6) << "nothing inserted out of range";

    list.ReplaceBitmap(0, *Plain(16, 16, vcl::clNavy), nullptr);
    EXPECT_EQ(StoredColors(list)[0], vcl::clNavy);
    EXPECT_EQ(SystemImageColor(list, 0), vcl::clNavy);
    list.DeleteImage(2);
    EXPECT_EQ(StoredColors(list), (TColors{vcl::clNavy, vcl::clTeal, vcl::clRed, vcl::clBlue, vcl::clYellow}));
    EXPECT_EQ(SystemColors(list), StoredColors(list));
    list.DeleteImage(-1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ImageInfos().Count(), 0);
}

TEST(uiImageList, ThirtyTwoBitImagesKeepTheirAlpha) {
    TuiImageList list(nullptr, 4, 4);
    const std::unique_ptr<TuiBitmap32> image =
        BitmapOfPixels(4, 4, [](int32_t x, int32_t y) { return x == y ? 0u : Argb(128, 128, 0, 0); });
    list.AddBitmap(*image, nullptr);
    TuiBitmap copy;
    TuiBitmap mask;
    list.GetImageBitmaps(0, copy, mask);
    EXPECT_EQ(PixelsOf(copy), PixelsOf(*image)) << "the stored copy, alpha and all";

    ui_test::TDibSurface surface(6, 6);
    surface.Fill(vcl::clWhite);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    list.Draw(canvas, 1, 1, 0);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixel(1, 1), vcl::clWhite) << "a clear pixel";
    const vcl::TColor half = surface.Pixel(2, 1);
    EXPECT_EQ(half & 0xFF, 255u);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 127, 1) << "blended with its alpha";

    TuiBitmap untouched(3, 3);
    list.GetImageBitmaps(5, untouched, mask);
    EXPECT_EQ(untouched.Width(), 3) << "an index out of range gives nothing";
}

TEST(uiImageList, MasksAndMaskColoursShowTheBackground) {
    TuiImageList list(nullptr);
    const std::unique_ptr<vcl::TBitmap> strip = Strip();
    list.AddBitmapMasked(*strip, vcl::clFuchsia);
    ASSERT_EQ(list.ImageInfos().Count(), 3);
    EXPECT_EQ(list.ImageInfos().Item(2).ImageInfo().MaskColor(), vcl::clFuchsia);

    vcl::TBitmap mask(16, 16, vcl::pf1bit);
    mask.Canvas().Brush().SetColor(vcl::clBlack);
    mask.Canvas().FillRect({0, 0, 16, 16});
    mask.Canvas().Brush().SetColor(vcl::clWhite);
    mask.Canvas().FillRect({0, 0, 8, 16});
    list.AddBitmap(*Plain(16, 16, vcl::clNavy), &mask);

    ui_test::TDibSurface surface(40, 20);
    for (const auto& [index, inside] : {std::pair{1, vcl::clLime}, std::pair{3, vcl::clNavy}}) {
        surface.Fill(vcl::clYellow);
        vcl::TCanvas canvas;
        canvas.SetHandle(surface.DC());
        list.Draw(canvas, 2, 2, index);
        canvas.SetHandle(nullptr);
        EXPECT_EQ(surface.Pixel(2, 2), vcl::clYellow) << "image " << index;
        EXPECT_EQ(surface.Pixel(12, 10), inside) << "image " << index;
    }
    EXPECT_EQ(surface.Pixel(9, 10), vcl::clYellow) << "the white half of the mask";

    const std::vector<uint32_t> first = surface.Pixels();
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    list.Draw(canvas, 2, 2, 3);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixels(), first) << "drawing twice gives the same pixels";
}

TEST(uiImageList, DisabledImagesAreGrey) {
    TuiImageList list(nullptr);
    list.AddBitmap(*Plain(16, 16, 0x0080FF), nullptr);
    ui_test::TDibSurface surface(20, 20);
    surface.Fill(vcl::clWhite);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    list.Draw(canvas, 0, 0, 0, false);
    canvas.SetHandle(nullptr);
    const vcl::TColor grey = surface.Pixel(8, 8);
    EXPECT_NE(grey, 0x0080FF);
    EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
}

TEST(uiImageList, EachChangeIsToldOnce) {
    TuiImageList list(nullptr);
    int changes = 0;
    list.SetOnChange([&](rtl::TObject*) { ++changes; });
    const std::unique_ptr<vcl::TBitmap> strip = Strip();
    list.AddBitmap(*strip, nullptr);
    EXPECT_EQ(changes, 1);
    list.InsertBitmap(0, *strip, nullptr);
    EXPECT_EQ(changes, 2);
    list.MoveImage(0, 5);
    list.DeleteImage(-1);
    EXPECT_EQ(changes, 4);
    list.BeginUpdate();
    list.AddBitmap(*strip, nullptr);
    list.AddBitmap(*strip, nullptr);
    EXPECT_EQ(changes, 4) << "held back while locked";
    list.EndUpdate();
    list.EndUpdate();
    EXPECT_EQ(changes, 5);
}

TEST(uiImageList, AssignmentCopiesImagesFromEveryKindOfList) {
    const std::unique_ptr<vcl::TBitmap> strip = Strip();
    vcl::TImageList framework(nullptr);
    framework.Add(*strip, nullptr);
    TuiImageList fromFramework(nullptr);
    fromFramework.Assign(&framework);
    EXPECT_EQ(StoredColors(fromFramework), (TColors{vcl::clRed, vcl::clLime, vcl::clBlue}));
    EXPECT_EQ(SystemColors(fromFramework), StoredColors(fromFramework));

    TuiImageList source(nullptr, 4, 4);
    const std::unique_ptr<TuiBitmap32> alpha =
        BitmapOfPixels(4, 4, [](int32_t x, int32_t) { return x < 2 ? 0u : Argb(64, 64, 0, 0); });
    source.AddBitmap(*alpha, nullptr);
    source.AddBitmapMasked(*Plain(4, 4, vcl::clBlue), vcl::clFuchsia);
    TuiImageList copy(nullptr);
    copy.Assign(&source);
    EXPECT_EQ(copy.Width(), 4);
    ASSERT_EQ(copy.ImageInfos().Count(), 2);
    EXPECT_EQ(PixelsOf(copy.ImageInfos().Item(0).ImageInfo().Image()), PixelsOf(*alpha));
    EXPECT_EQ(copy.ImageInfos().Item(1).ImageInfo().MaskColor(), vcl::clFuchsia);
    EXPECT_EQ(copy.Count(), 2);
}

TEST(uiImageList, StoredBitmapsStreamInTheCompressedForm) {
    TuiImageList list(nullptr);
    list.SetCompressData(true);
    const std::unique_ptr<vcl::TBitmap> strip = Strip();
    list.AddBitmap(*strip, nullptr);
    const TuiImageInfoItem& item = list.ImageInfos().Item(1);
    EXPECT_TRUE(item.CompressData()) << "a new item takes the list's flag";

    rtl::TMemoryStream compressed;
    item.ImageInfo().Image().WriteData(compressed);
    ASSERT_GT(compressed.Size(), 10);
    EXPECT_EQ(std::memcmp(static_cast<const uint8_t*>(compressed.Memory()) + 4, "XDBM", 4), 0);
    rtl::TMemoryStream plain;
    TuiBitmap uncompressed;
    uncompressed.Assign(&item.ImageInfo().Image());
    uncompressed.WriteData(plain);
    EXPECT_LT(compressed.Size(), plain.Size()) << "a cell of three colours packs well";

    for (rtl::TMemoryStream* stream : {&compressed, &plain}) {
        stream->SetPosition(0);
        TuiBitmap read;
        read.ReadData(*stream);
        EXPECT_EQ(PixelsOf(read), PixelsOf(item.ImageInfo().Image()));
        EXPECT_EQ(stream->Position(), stream->Size());
    }

    list.SetCompressData(false);
    EXPECT_FALSE(list.ImageInfos().Item(0).CompressData());
}

TEST(uiImageList, TheFrameworksOwnOperationsKeepTheStoredCopiesInStep) {
    TuiImageList list(nullptr);
    vcl::TCustomImageList& framework = list;
    framework.Add(*Plain(16, 16, vcl::clRed), nullptr);
    framework.AddMasked(*Plain(32, 16, vcl::clLime), vcl::clFuchsia);
    framework.Insert(0, *Plain(16, 16, vcl::clBlue), nullptr);
    EXPECT_EQ(StoredColors(list), (TColors{vcl::clBlue, vcl::clRed, vcl::clLime, vcl::clLime}));
    EXPECT_EQ(SystemColors(list), StoredColors(list));
    framework.Move(0, 2);
    framework.Replace(3, *Plain(16, 16, vcl::clYellow), nullptr);
    framework.Delete(1);
    EXPECT_EQ(StoredColors(list), (TColors{vcl::clRed, vcl::clBlue, vcl::clYellow}));
    EXPECT_EQ(SystemColors(list), StoredColors(list));

    vcl::TImageList other(nullptr);
    other.Add(*Plain(16, 16, vcl::clNavy), nullptr);
    framework.AddImages(other);
    vcl::TIcon icon;
    icon.SetHandle(ImageList_GetIcon(other.Handle(), 0, ILD_NORMAL));
    EXPECT_EQ(framework.AddIcon(icon), 4);
    EXPECT_EQ(StoredColors(list), (TColors{vcl::clRed, vcl::clBlue, vcl::clYellow, vcl::clNavy, vcl::clNavy}));
    EXPECT_EQ(SystemColors(list), StoredColors(list));

    framework.SetHandle(ImageList_Duplicate(other.Handle()));
    EXPECT_EQ(StoredColors(list), TColors{vcl::clNavy}) << "a system list taken over brings its images";
    framework.SetSize(24, 24);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ImageInfos().Count(), 0) << "a new size empties both";
    framework.Add(*Plain(24, 24, vcl::clRed), nullptr);
    framework.Clear();
    EXPECT_EQ(list.ImageInfos().Count(), 0);
}

// The list written as form data and read into a new list: the same images, masks and alpha in both lists.
TEST(uiImageList, AListWrittenWithItsStreamReadsBackTheSame) {
    for (const bool compressed : {false, true}) {
        SCOPED_TRACE(compressed);
        TuiImageList written(nullptr);
        written.SetCompressData(compressed);
        written.SetDesignInfo(0x00280030);
        const std::unique_ptr<vcl::TBitmap> alpha =
            BitmapOfPixels(16, 16, [](int32_t x, int32_t y) { return x == y ? 0u : Argb(128, 128, 0, 0); });
        written.AddBitmap(*alpha, nullptr);
        written.AddBitmap(*Strip(), Plain(48, 16, vcl::clBlack).get());
        written.AddBitmapMasked(*Plain(16, 16, vcl::clLime), vcl::clFuchsia);
        rtl::TMemoryStream stream;
        rtl::TWriter(stream).WriteProperties(written);
        const std::string bytes(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
        EXPECT_EQ(bytes.find("XDBM") != std::string::npos, compressed);

        TuiImageList read(nullptr);
        read.AddBitmap(*Plain(16, 16, vcl::clNavy), nullptr);
        stream.SetPosition(0);
        rtl::TReader(stream).ReadProperties(read);
        EXPECT_EQ(stream.Position(), stream.Size());
        EXPECT_EQ(read.DesignInfo(), 0x00280030);
        ASSERT_EQ(read.ImageInfos().Count(), 5);
        EXPECT_EQ(read.Count(), 5);
        for (int32_t i = 0; i < 5; ++i) {
            const TuiImageInfo& from = written.ImageInfos().Item(i).ImageInfo();
            const TuiImageInfo& to = read.ImageInfos().Item(i).ImageInfo();
            EXPECT_EQ(PixelsOf(to.Image()), PixelsOf(from.Image())) << i;
            EXPECT_EQ(PixelsOf(to.Mask()), PixelsOf(from.Mask())) << i;
            EXPECT_EQ(to.MaskColor(), from.MaskColor()) << i;
        }
        EXPECT_EQ(SystemColors(read), SystemColors(written));
        TuiBitmap image;
        TuiBitmap mask;
        read.GetImageBitmaps(0, image, mask);
        EXPECT_EQ(PixelsOf(image), PixelsOf(*alpha)) << "alpha and all";
    }
}

TEST(uiImageList, AFrameworkListsStreamGetsStoredCopiesAndAnAncestorsEqualValuesAreLeftOut) {
    vcl::TImageList framework(nullptr);
    framework.Add(*Strip(), nullptr);
    rtl::TMemoryStream stream;
    rtl::TWriter(stream).WriteProperties(framework);
    TuiImageList read(nullptr);
    stream.SetPosition(0);
    rtl::TReader(stream).ReadProperties(read);
    EXPECT_EQ(read.Count(), 3);
    EXPECT_EQ(StoredColors(read), SystemColors(read)) << "copies collected from the system list read";
    rtl::TMemoryStream garbage;
    garbage.WriteBuffer("no image list", 13);
    garbage.SetPosition(0);
    EXPECT_EQ(test_support::MessageOf([&] { read.ReadData(garbage); }), "Failed to read ImageList data from stream");
    EXPECT_EQ(read.Count(), 3) << "the list stays as it was";

    const auto written = [](TuiImageList& list, const TuiImageList& ancestor) {
        rtl::TMemoryStream data;
        rtl::TWriter(data).WriteProperties(list, &ancestor);
        return std::string(static_cast<const char*>(data.Memory()), static_cast<size_t>(data.Size()));
    };
    // An ancestor read from the same data: its system list's stream form is the same byte for byte.
    TuiImageList ancestor(nullptr);
    stream.SetPosition(0);
    rtl::TReader(stream).ReadProperties(ancestor);
    const std::string same = written(read, ancestor);
    EXPECT_NE(same.find("FormatVersion"), std::string::npos);
    EXPECT_EQ(same.find("DesignInfo"), std::string::npos);
    EXPECT_EQ(same.find("ImageInfo"), std::string::npos);
    read.SetDesignInfo(7);
    read.DeleteImage(0);
    const std::string differing = written(read, ancestor);
    EXPECT_NE(differing.find("DesignInfo"), std::string::npos);
    EXPECT_NE(differing.find("ImageInfo"), std::string::npos);
}

TEST(uiImageList, AStoredImageWithoutPictureIsLeftOutOfBothLists) {
    // ImageInfo: one item with only a mask colour, then one with a 16 x 16 picture.
    TuiImageList source(nullptr);
    source.AddBitmap(*Plain(16, 16, vcl::clRed), nullptr);
    rtl::TMemoryStream picture;
    source.ImageInfos().Item(0).ImageInfo().Image().WriteData(picture);
    std::string bytes("\x09ImageInfo\x0E\x01\x09MaskColor\x02\x05\x00\x01\x0AImage.Data\x0A", 27 + 11);
    const auto size = static_cast<uint32_t>(picture.Size());
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>(size >> shift));
    }
    bytes += std::string(static_cast<const char*>(picture.Memory()), size);
    bytes += std::string("\0\0\0", 3);
    rtl::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream.SetPosition(0);
    TuiImageList read(nullptr);
    rtl::TReader(stream).ReadProperties(read);
    EXPECT_EQ(StoredColors(read), TColors{vcl::clRed});
    EXPECT_EQ(SystemColors(read), TColors{vcl::clRed});
}

TEST(uiImageList, ControlsPointAtListsThroughAssignImageList) {
    TuiImageList first(nullptr);
    TuiImageList second(nullptr);
    rtl::TComponent control(nullptr);
    vcl::TChangeLink link;
    int changes = 0;
    link.SetOnChange([&](rtl::TObject*) { ++changes; });
    vcl::TCustomImageList* field = nullptr;

    AssignImageList(&first, field, &link, &control);
    EXPECT_EQ(field, &first);
    EXPECT_EQ(link.Sender(), &first);
    EXPECT_EQ(changes, 1);
    AssignImageList(&first, field, &link, &control);
    EXPECT_EQ(changes, 1) << "the same list: nothing";
    AssignImageList(&second, field, &link, &control);
    EXPECT_EQ(link.Sender(), &second);
    first.AddBitmap(*Plain(16, 16, vcl::clRed), nullptr);
    EXPECT_EQ(changes, 2) << "the old list's changes are no longer heard";
    second.AddBitmap(*Plain(16, 16, vcl::clRed), nullptr);
    EXPECT_EQ(changes, 3);
    AssignImageList(nullptr, field, &link, &control);
    EXPECT_EQ(field, nullptr);
    EXPECT_EQ(link.Sender(), nullptr);
}

} // namespace
} // namespace ui
