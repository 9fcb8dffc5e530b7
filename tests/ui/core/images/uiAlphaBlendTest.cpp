// Alpha blending under Wine: the path each platform takes (pinned through the system-info seam), AlphaBlend, GDI+
// and the software path giving the same pixels, smoothed stretches, and the bitmap copies around them.

#include "ui/core/images/uiAlphaBlend.h"

#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/gdiplus/GdiPlusTestSupport.h"
#include "tests/ui/core/images/ImageTestSupport.h"
#include "ui/core/images/uiResampling.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Argb;
using ui_test::BitmapOfPixels;
using ui_test::ChannelsWithin;
using ui_test::PixelsOf;

const TuxOSVersion Windows7{uxPlatformWinNT, 6, 1};
const TuxOSVersion Windows98{uxPlatformWin9x, 4, 10};

// Premultiplied pixels of every opacity.
std::unique_ptr<TuiBitmap32> SourcePicture() {
    return BitmapOfPixels(16, 8, [](int32_t x, int32_t y) {
        const uint32_t alpha = static_cast<uint32_t>(x * 37 + y * 53) % 256;
        return Argb(alpha, alpha * static_cast<uint32_t>(x) / 15, alpha * static_cast<uint32_t>(y) / 7, alpha / 2);
    });
}

std::unique_ptr<TuiBitmap32> Background() {
    return BitmapOfPixels(16, 8, [](int32_t x, int32_t y) {
        return Argb(255, static_cast<uint32_t>(x) * 16, static_cast<uint32_t>(y) * 32, 128);
    });
}

// The background with the source picture blended onto it the way the pinned platform blends.
TRGBColors Blended(uint8_t alpha) {
    const std::unique_ptr<TuiBitmap32> source = SourcePicture();
    const std::unique_ptr<TuiBitmap32> dest = Background();
    AlphaBlendBitmaps(*dest, *source, dest->GetClientRect(), source->GetClientRect(), false, alpha);
    return PixelsOf(*dest);
}

void ExpectSamePixels(const TRGBColors& a, const TRGBColors& b, int tolerance) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        ASSERT_TRUE(ChannelsWithin(a[i], b[i], tolerance))
            << "pixel " << i << ": " << std::hex << a[i] << " against " << b[i];
    }
}

TEST(uiAlphaBlend, ThePathFollowsThePlatform) {
    {
        const ui_test::TPinnedSystemInfo windows7(Windows7);
        EXPECT_EQ(ChooseAlphaBlendPath(false), TuiAlphaBlendPath::System);
        EXPECT_EQ(ChooseAlphaBlendPath(true), TuiAlphaBlendPath::Software) << "a smoothed stretch";
        const ui_test::THiddenAlphaBlend hidden;
        EXPECT_EQ(ChooseAlphaBlendPath(false), TuiAlphaBlendPath::Software) << "no AlphaBlend";
    }
    {
        const ui_test::TPinnedSystemInfo windows98(Windows98);
        EXPECT_EQ(ChooseAlphaBlendPath(false), TuiAlphaBlendPath::Software);
    }
    const ui_test::TPinnedSystemInfo wow64(Windows7, true);
    EXPECT_EQ(ChooseAlphaBlendPath(false), TuiAlphaBlendPath::GdiPlus);
    EXPECT_EQ(ChooseAlphaBlendPath(true), TuiAlphaBlendPath::GdiPlus);
    ui_test::THidingGdiPlusLibrary absent;
    absent.Missing = true;
    const ui_test::TGdiPlusRebinding withoutGdiPlus(absent);
    LoadGdiPlus();
    EXPECT_EQ(ChooseAlphaBlendPath(false), TuiAlphaBlendPath::Software) << "WOW64 without GDI+";
}

TEST(uiAlphaBlend, AlphaBlendGdiPlusAndSoftwareGiveTheSamePixels) {
    for (const uint8_t alpha : {uint8_t{255}, uint8_t{200}, uint8_t{64}}) {
        TRGBColors system;
        {
            const ui_test::TPinnedSystemInfo windows7(Windows7);
            system = Blended(alpha);
        }
        TRGBColors software;
        {
            const ui_test::TPinnedSystemInfo windows7(Windows7);
            const ui_test::THiddenAlphaBlend hidden;
            software = Blended(alpha);
        }
        TRGBColors gdiPlus;
        {
            const ui_test::TPinnedSystemInfo wow64(Windows7, true);
            gdiPlus = Blended(alpha);
        }
        ExpectSamePixels(software, system, 1);
        ExpectSamePixels(gdiPlus, system, 2);
    }
    const std::unique_ptr<TuiBitmap32> background = Background();
    EXPECT_NE(Blended(200), PixelsOf(*background)) << "the picture shows";
}

TEST(uiAlphaBlend, SmoothStretchesAreResampled) {
    const ui_test::TPinnedSystemInfo windows7(Windows7);
    constexpr uint32_t orange = Argb(255, 255, 128, 0);
    const std::unique_ptr<TuiBitmap32> source = BitmapOfPixels(4, 4, [](int32_t, int32_t) { return orange; });
    const std::unique_ptr<TuiBitmap32> dest = BitmapOfPixels(8, 8, [](int32_t, int32_t) { return Argb(255, 0, 0, 0); });
    AlphaBlendBitmaps(*dest, *source, dest->GetClientRect(), source->GetClientRect(), true, 255);
    for (const uint32_t pixel : PixelsOf(*dest)) {
        EXPECT_TRUE(ChannelsWithin(pixel, orange, 6)) << std::hex << pixel;
    }

    const std::unique_ptr<TuiBitmap32> halves =
        BitmapOfPixels(4, 2, [](int32_t x, int32_t) { return x < 2 ? Argb(255, 0, 0, 0) : Argb(255, 255, 255, 255); });
    TuiBitmap32 resampled(7, 3);
    ResampleBitmap(*halves, resampled, true);
    EXPECT_EQ(PixelsOf(resampled), ResamplePixels(PixelsOf(*halves), 4, 2, 7, 3)) << "Lanczos-3 when forced";
    TuiBitmap32 halftone(7, 3);
    ResampleBitmap(*halves, halftone, false);
    const TRGBColors stretched = PixelsOf(halftone);
    EXPECT_LT(stretched[0] & 0xFF, 64u) << "the NT family stretches with GDI's halftone";
    EXPECT_GT(stretched[6] & 0xFF, 192u);
}

TEST(uiAlphaBlend, CopiesOfAreasAndBitmaps) {
    const std::unique_ptr<TuiBitmap32> background = Background();
    const std::unique_ptr<TuiBitmap32> area = CopyDCAreaToBitmap(background->Canvas().Handle(), {4, 2, 10, 5});
    ASSERT_EQ(area->Width(), 6);
    ASSERT_EQ(area->Height(), 3);
    EXPECT_EQ(PixelsOf(*area)[0] & 0xFFFFFF, PixelsOf(*background)[2 * 16 + 4] & 0xFFFFFF);

    TuiBitmap copy;
    int changes = 0;
    copy.SetOnChange([&](rtl::TObject*) { ++changes; });
    CopyBitmapToBitmap(copy, *background);
    EXPECT_EQ(copy.Width(), 16);
    EXPECT_EQ(changes, 1) << "one notice";

    const std::unique_ptr<vcl::TBitmap> clone = CloneBitmap(*background);
    EXPECT_EQ(PixelsOf(*clone), PixelsOf(*background));
}

TEST(uiAlphaBlend, TheWindows9xFamilyClearsAlphaOfBitmapsWithFewerBits) {
    vcl::TBitmap rgb(4, 4, vcl::pf24bit);
    rgb.Canvas().Brush().SetColor(0x102030);
    rgb.Canvas().FillRect({0, 0, 4, 4});
    const std::unique_ptr<TuiBitmap32> target =
        BitmapOfPixels(4, 4, [](int32_t, int32_t) { return Argb(255, 9, 9, 9); });
    const ui_test::TPinnedSystemInfo windows98(Windows98);
    DrawBitmapToDC(target->Canvas().Handle(), rgb, target->GetClientRect(), {0, 0}, SRCCOPY);
    for (const uint32_t pixel : PixelsOf(*target)) {
        EXPECT_EQ(pixel, Argb(0, 0x30, 0x20, 0x10));
    }
}

TEST(uiAlphaBlend, MasksMarkTransparentPixelsWhite) {
    vcl::TBitmap keyed(3, 1, vcl::pf24bit);
    keyed.Canvas().Brush().SetColor(vcl::clRed);
    keyed.Canvas().FillRect({0, 0, 3, 1});
    keyed.Canvas().Brush().SetColor(vcl::clBlue);
    keyed.Canvas().FillRect({1, 0, 2, 1});
    TuiBitmap32 mask;
    CreateMaskFromBitmap32(keyed, mask);
    EXPECT_EQ(PixelsOf(mask), (TRGBColors{0xFFFFFFFF, 0, 0xFFFFFFFF})) << "the bottom-left colour is transparent";

    const std::unique_ptr<TuiBitmap32> withAlpha =
        BitmapOfPixels(3, 1, [](int32_t x, int32_t) { return x == 1 ? 0u : Argb(128, 64, 0, 0); });
    CreateMaskFromBitmap32(*withAlpha, mask);
    EXPECT_EQ(PixelsOf(mask), (TRGBColors{0, 0xFFFFFFFF, 0})) << "clear pixels are transparent";
}

} // namespace
} // namespace ui
