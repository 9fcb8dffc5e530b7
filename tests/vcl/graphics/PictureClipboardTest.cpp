// Pictures through the clipboard: a bitmap under CF_BITMAP, a metafile under CF_ENHMETAFILE, every class under the
// registered picture format that brings it back in its own class, and damaged blocks another program may leave.

#include "vcl/graphics/images/PictureClipboard.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/JpegImage.h"
#include "vcl/graphics/images/Metafile.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/services/Clipboard.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

// A 6 x 4 bitmap, red on the left half and blue on the right.
class THalvesBitmap : public vcl::TBitmap {
public:
    THalvesBitmap() : TBitmap(6, 4, vcl::pf24bit) {
        for (const auto& [rect, color] : {std::pair{vcl::TRect{0, 0, 3, 4}, vcl::clRed},
                                          std::pair{vcl::TRect{3, 0, 6, 4}, vcl::clBlue}}) {
            Canvas().Brush().SetColor(color);
            Canvas().FillRect(rect);
        }
    }
};

// A block of the registered format as another program might write it.
void PutPictureBlock(const std::u16string& className, const std::string& data, uint32_t declaredLength) {
    std::string block(sizeof(declaredLength), '\0');
    std::memcpy(block.data(), &declaredLength, sizeof(declaredLength));
    block.append(reinterpret_cast<const char*>(className.data()), className.size() * sizeof(char16_t));
    block += data;
    vcl::Clipboard().Clear();
    vcl::Clipboard().AddBytes(vcl::PictureClipboardFormat(), block.data(), block.size());
}

TEST(PictureClipboard, ABitmapGoesUnderItsOwnFormatAndComesBackWithItsPixels) {
    THalvesBitmap bitmap;
    vcl::PutGraphicOnClipboard(vcl::Clipboard(), bitmap);
    EXPECT_TRUE(vcl::Clipboard().HasFormat(CF_BITMAP));
    EXPECT_TRUE(vcl::Clipboard().HasFormat(vcl::PictureClipboardFormat()));
    EXPECT_TRUE(vcl::ClipboardHasPicture(vcl::Clipboard()));

    vcl::TBitmap taken;
    vcl::TakeBitmapFromClipboard(vcl::Clipboard(), taken);
    ASSERT_EQ(taken.Width(), 6);
    EXPECT_EQ(taken.Canvas().Pixel(1, 1), vcl::clRed);
    EXPECT_EQ(taken.Canvas().Pixel(4, 2), vcl::clBlue);
}

TEST(PictureClipboard, AJpegImageComesBackAsAJpegImageWithTheSameBytes) {
    vcl::TJPEGImage jpeg;
    jpeg.LoadFromFile(test_support::DataPath("images/halves.jpg"));
    vcl::PutGraphicOnClipboard(vcl::Clipboard(), jpeg);
    EXPECT_TRUE(vcl::Clipboard().HasFormat(CF_BITMAP)) << "other programs take its pixels";

    vcl::TPicture picture;
    vcl::TakePictureFromClipboard(vcl::Clipboard(), picture);
    auto* taken = dynamic_cast<vcl::TJPEGImage*>(picture.Graphic());
    ASSERT_NE(taken, nullptr);
    rtl::TMemoryStream original;
    rtl::TMemoryStream back;
    jpeg.SaveToStream(original);
    taken->SaveToStream(back);
    ASSERT_EQ(back.Size(), original.Size());
    EXPECT_EQ(std::memcmp(back.Memory(), original.Memory(), static_cast<size_t>(original.Size())), 0);
}

TEST(PictureClipboard, AnIconTravelsInTheRegisteredFormatAlone) {
    vcl::TIcon icon;
    icon.SetHandle(CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
    vcl::PutGraphicOnClipboard(vcl::Clipboard(), icon);
    EXPECT_FALSE(vcl::Clipboard().HasFormat(CF_BITMAP));
    vcl::TPicture picture;
    vcl::TakePictureFromClipboard(vcl::Clipboard(), picture);
    ASSERT_NE(dynamic_cast<vcl::TIcon*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), icon.Width());
}

TEST(PictureClipboard, ABitmapOrMetafileOfAnotherProgramIsTaken) {
    THalvesBitmap bitmap;
    vcl::Clipboard().Clear();
    vcl::Clipboard().AddHandle(
        CF_BITMAP, CopyImage(bitmap.Handle(), IMAGE_BITMAP, 0, 0, 0), [](void* handle) { DeleteObject(handle); });
    vcl::TPicture picture;
    vcl::TakePictureFromClipboard(vcl::Clipboard(), picture);
    ASSERT_NE(dynamic_cast<vcl::TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 6);

    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    Rectangle(dc, 0, 0, 20, 10);
    vcl::Clipboard().Clear();
    vcl::Clipboard().AddHandle(CF_ENHMETAFILE, CloseEnhMetaFile(dc),
                               [](void* handle) { DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle)); });
    vcl::TakePictureFromClipboard(vcl::Clipboard(), picture);
    EXPECT_NE(dynamic_cast<vcl::TMetafile*>(picture.Graphic()), nullptr);
}

// Damaged blocks leave the picture as it was and raise, never read past the block.
TEST(PictureClipboard, DamagedBlocksOfTheRegisteredFormatAreRefused) {
    const struct {
        const char* Name;
        std::u16string ClassName;
        std::string Data;
        uint32_t DeclaredLength;
    } cases[] = {
        {"name longer than the block", u"TBitmap", "", 4000},
        {"no name", u"", "BM", 0},
        {"unknown class", u"TNoSuchGraphic", "BM", 14},
        {"a class that is no graphic", u"TPicture", "BM", 8},
        {"damaged bitmap", u"TBitmap", "BMxx", 7},
        {"truncated JPEG", u"TJPEGImage", std::string("\xFF\xD8\xFF\xE0", 4), 10},
    };
    for (const auto& c : cases) {
        PutPictureBlock(c.ClassName, c.Data, c.DeclaredLength);
        vcl::TPicture picture;
        THalvesBitmap kept;
        picture.Assign(&kept);
        EXPECT_THROW(vcl::TakePictureFromClipboard(vcl::Clipboard(), picture), rtl::Exception) << c.Name;
        EXPECT_EQ(picture.Width(), 6) << c.Name;
    }
}

TEST(PictureClipboard, AnEmptyClipboardHasNoPicture) {
    vcl::Clipboard().Clear();
    EXPECT_FALSE(vcl::ClipboardHasPicture(vcl::Clipboard()));
    vcl::TPicture picture;
    EXPECT_THROW(vcl::TakePictureFromClipboard(vcl::Clipboard(), picture), vcl::EInvalidGraphic);
}

} // namespace
