// The image control painted into a 32-bit DIB: its picture at its own size, centred or stretched, transparent or
// not, and the control taking the picture's size.

#include "vcl/extctrls/Image.h"

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Picture.h"

#include <gtest/gtest.h>

namespace {

using vcl_test::AddControl;

// A 20 x 10 bitmap: red on the left half, blue on the right, framed by one pixel of fuchsia (its bottom-left pixel,
// so the transparent colour when the bitmap is transparent).
std::unique_ptr<vcl::TBitmap> HalvesBitmap() {
    auto bitmap = std::make_unique<vcl::TBitmap>(20, 10, vcl::pf32bit);
    vcl::TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetColor(vcl::clFuchsia);
    canvas.FillRect(vcl::Rect(0, 0, 20, 10));
    canvas.Brush().SetColor(vcl::clRed);
    canvas.FillRect(vcl::Rect(1, 1, 10, 9));
    canvas.Brush().SetColor(vcl::clBlue);
    canvas.FillRect(vcl::Rect(10, 1, 19, 9));
    return bitmap;
}

class ImageTest : public testing::Test {
protected:
    void SetUp() override {
        Panel = AddControl<vcl_test::TColorControl>(*Form, u"Panel", vcl::Bounds(0, 0, 80, 60));
        Panel->SetColor(vcl::clWhite);
        Image = AddControl<vcl::TImage>(*Panel, u"Image", vcl::Bounds(10, 10, 60, 40));
        Image->Picture().SetGraphic(HalvesBitmap().get());
    }

    // The pixel at (x, y) of the image, painted with its parent.
    vcl::TColor ImagePixel(int x, int y) const { return Surface.Pixel(Image->Left() + x, Image->Top() + y); }

    // The colours of the picture's parts as drawn inside rect (image coordinates, the picture's area there),
    // and that the image shows its parent around it.
    void ExpectPictureIn(const vcl::TRect& rect, vcl::TColor frame) const {
        const int middleY = (rect.Top + rect.Bottom) / 2;
        EXPECT_EQ(ImagePixel(rect.Left, rect.Top), frame) << "top-left corner";
        EXPECT_EQ(ImagePixel(rect.Right - 1, rect.Bottom - 1), frame) << "bottom-right corner";
        EXPECT_EQ(ImagePixel(rect.Left + rect.Width() / 4, middleY), vcl::clRed) << "left half";
        EXPECT_EQ(ImagePixel(rect.Right - 1 - rect.Width() / 4, middleY), vcl::clBlue) << "right half";
        if (rect.Left > 0) {
            EXPECT_EQ(ImagePixel(rect.Left - 1, middleY), vcl::clWhite) << "left of the picture";
        }
        if (rect.Bottom < Image->Height()) {
            EXPECT_EQ(ImagePixel(rect.Left + rect.Width() / 4, rect.Bottom), vcl::clWhite) << "below the picture";
        }
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(320, 240, ui_test::TFormPlacement::OffScreen);
    vcl_test::TColorControl* Panel = nullptr;
    vcl::TImage* Image = nullptr;
    ui_test::TDibSurface Surface{80, 60};
};

TEST_F(ImageTest, ThePictureSitsInTheCornerInTheMiddleOrStretchedOverTheControl) {
    const struct {
        bool Stretch;
        bool Center;
        vcl::TRect Expected; // in the 60 x 40 image
    } cases[] = {
        {false, false, vcl::Rect(0, 0, 20, 10)},
        {false, true, vcl::Rect(20, 15, 40, 25)},
        {true, false, vcl::Rect(0, 0, 60, 40)},
        {true, true, vcl::Rect(0, 0, 60, 40)},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(std::string(testCase.Stretch ? "stretched" : "") + (testCase.Center ? " centred" : ""));
        Image->SetStretch(testCase.Stretch);
        Image->SetCenter(testCase.Center);
        ui_test::PaintControl(*Panel, Surface);
        ExpectPictureIn(testCase.Expected, vcl::clFuchsia);
        const std::vector<uint32_t> first = Surface.Pixels();
        ui_test::PaintControl(*Panel, Surface);
        EXPECT_EQ(Surface.Pixels(), first) << "painting twice gives the same pixels";
    }
}

TEST_F(ImageTest, ATransparentPictureShowsTheParentWhereItIsTransparent) {
    Image->SetCenter(true);
    Image->SetTransparent(true);
    EXPECT_TRUE(Image->Picture().Graphic()->Transparent());
    ui_test::PaintControl(*Panel, Surface);
    ExpectPictureIn(vcl::Rect(20, 15, 40, 25), vcl::clWhite);
    Image->SetTransparent(false);
    ui_test::PaintControl(*Panel, Surface);
    ExpectPictureIn(vcl::Rect(20, 15, 40, 25), vcl::clFuchsia);

    Image->SetTransparent(true);
    Image->SetStretch(true);
    Image->Picture().SetGraphic(HalvesBitmap().get());
    EXPECT_TRUE(Image->Picture().Graphic()->Transparent()) << "a picture given later follows the image";
    EXPECT_FALSE(Image->ControlStyle().Contains(vcl::csOpaque)) << "the parent paints behind a transparent picture";
    ui_test::PaintControl(*Panel, Surface);
    ExpectPictureIn(vcl::Rect(0, 0, 60, 40), vcl::clWhite);
    Image->SetTransparent(false);
    EXPECT_TRUE(Image->ControlStyle().Contains(vcl::csOpaque)) << "a stretched opaque picture covers the control";
}

TEST_F(ImageTest, WithAutoSizeTheControlTakesThePicturesSize) {
    Image->SetAutoSize(true);
    EXPECT_EQ(Image->BoundsRect(), vcl::Bounds(10, 10, 20, 10));
    auto larger = std::make_unique<vcl::TBitmap>(30, 25, vcl::pf32bit);
    Image->Picture().SetGraphic(larger.get());
    EXPECT_EQ(Image->BoundsRect(), vcl::Bounds(10, 10, 30, 25));
    Image->Picture().SetGraphic(nullptr);
    Image->SetWidth(50);
    EXPECT_EQ(Image->Width(), 30) << "without a picture the size stays";
}

TEST_F(ImageTest, AnEmptyImagePaintsNothing) {
    Image->Picture().SetGraphic(nullptr);
    ui_test::PaintControl(*Panel, Surface);
    for (const vcl::TPoint point : {vcl::Point(0, 0), vcl::Point(30, 20), vcl::Point(59, 39)}) {
        EXPECT_EQ(ImagePixel(point.X, point.Y), vcl::clWhite);
    }
}

} // namespace
