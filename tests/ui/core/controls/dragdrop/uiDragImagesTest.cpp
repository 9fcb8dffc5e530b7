// The drag feedback windows: the translucent image that lets the pointer through, the size frame's ring and the drop
// arrow's box, picture and window region.

#include "ui/core/controls/dragdrop/uiDragImages.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class DragImagesTest : public testing::Test {
protected:
    void SetUp() override { Form = ui_test::ShowNewTestForm(300, 200); }

    // The window's region, or nullptr when it has none.
    static HRGN WindowRegionOf(HWND window) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(window, region) == ERROR) {
            DeleteObject(region);
            return nullptr;
        }
        return region;
    }

    ui_test::TFormPtr<vcl::TForm> Form;
};

TEST_F(DragImagesTest, TheDragImageIsTranslucentLetsThePointerThroughAndKeepsTheOriginOnThePoint) {
    auto* image = new TuiDragImage(Form.get());
    image->Init({100, 50, 140, 70}, {110, 55});
    image->MoveTo({400, 300});
    image->SetImageVisible(true);
    ui_test::ProcessPendingMessages();

    EXPECT_EQ(vcl::TPoint(image->Left(), image->Top()), vcl::TPoint(390, 295));
    EXPECT_EQ(vcl::TPoint(image->Width(), image->Height()), vcl::TPoint(40, 20));
    EXPECT_EQ(vcl::TPoint(image->Image().Width(), image->Image().Height()), vcl::TPoint(40, 20));
    EXPECT_TRUE(image->ImageVisible());
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(image->WindowHandle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 180);
    EXPECT_TRUE(flags & LWA_ALPHA);
    EXPECT_EQ(SendMessageW(image->WindowHandle(), WM_NCHITTEST, 0, MAKELPARAM(400, 300)), HTTRANSPARENT);
    EXPECT_EQ(SendMessageW(image->WindowHandle(), WM_ERASEBKGND, 0, 0), 1);

    image->SetImageVisible(false);
    EXPECT_FALSE(image->ImageVisible());
}

TEST_F(DragImagesTest, TheSizeFrameIsARingAndAFrameNoWiderThanTwoBordersKeepsTheOldOne) {
    auto* frame = new TuiSizeFrame(Form.get(), 3);
    frame->DrawSizeFrame({100, 100, 150, 140});
    HRGN ring = WindowRegionOf(frame->WindowHandle());
    ASSERT_NE(ring, nullptr);
    EXPECT_TRUE(PtInRegion(ring, 1, 1));
    EXPECT_TRUE(PtInRegion(ring, 48, 38));
    EXPECT_FALSE(PtInRegion(ring, 3, 3));
    EXPECT_FALSE(PtInRegion(ring, 25, 20));
    EXPECT_FALSE(PtInRegion(ring, 50, 20));

    for (const vcl::TRect& small : {vcl::TRect{10, 10, 16, 60}, vcl::TRect{10, 10, 60, 16}}) {
        frame->DrawSizeFrame(small);
        HRGN kept = WindowRegionOf(frame->WindowHandle());
        ASSERT_NE(kept, nullptr);
        EXPECT_TRUE(EqualRgn(kept, ring));
        DeleteObject(kept);
    }
    DeleteObject(ring);

    frame->SetFillSelection(true);
    frame->DrawSizeFrame({0, 0, 30, 30});
    HRGN filled = WindowRegionOf(frame->WindowHandle());
    ASSERT_NE(filled, nullptr);
    EXPECT_TRUE(PtInRegion(filled, 15, 15));
    DeleteObject(filled);
}

TEST_F(DragImagesTest, TheSizeFrameIsFilledWithAlternatingBlackAndWhitePixels) {
    auto* frame = new TuiSizeFrame(Form.get(), 3);
    frame->DrawSizeFrame({0, 0, 16, 16});
    ui_test::TDibSurface surface(16, 16);
    ui_test::PaintControl(*frame, surface);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const vcl::TColor pixel = surface.Pixel(x, y);
            ASSERT_TRUE(pixel == vcl::clBlack || pixel == vcl::clWhite) << x << "," << y;
            EXPECT_NE(pixel, surface.Pixel(x + 1, y)) << x << "," << y;
            EXPECT_EQ(pixel, surface.Pixel(x + 1, y + 1)) << x << "," << y;
        }
    }
}

TEST_F(DragImagesTest, TheSizeFrameOwnsACopyOfItsRegion) {
    // The window deletes the region it holds when it takes another: the frame must never hand over its own.
    auto* frame = new TuiSizeFrame(Form.get(), 2);
    frame->DrawSizeFrame({0, 0, 40, 40});
    frame->DrawSizeFrame({0, 0, 60, 30});
    frame->DrawSizeFrame({0, 0, 40, 40});
    HRGN region = WindowRegionOf(frame->WindowHandle());
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 20, 20));
    DeleteObject(region);
}

TEST(DragDropArrowBox, StandsOutsideTheAreaOnItsEdgeAndIsClampedIntoTheClip) {
    const vcl::TRect area{100, 50, 200, 80};
    EXPECT_EQ(DragDropArrowBox(area, {}, apLeft), vcl::TRect(91, 45, 100, 56));
    EXPECT_EQ(DragDropArrowBox(area, {}, apTop), vcl::TRect(95, 41, 106, 50));
    EXPECT_EQ(DragDropArrowBox(area, {}, apRight), vcl::TRect(200, 45, 209, 56));
    EXPECT_EQ(DragDropArrowBox(area, {}, apBottom), vcl::TRect(95, 80, 106, 89));
    const vcl::TRect clip{120, 60, 180, 70};
    EXPECT_EQ(DragDropArrowBox(area, clip, apLeft), vcl::TRect(111, 55, 120, 66));
    EXPECT_EQ(DragDropArrowBox(area, clip, apRight), vcl::TRect(179, 55, 188, 66));
    EXPECT_EQ(DragDropArrowBox(area, clip, apBottom), vcl::TRect(115, 69, 126, 78));
}

TEST(PaintDragDropArrow, TheSevenPointsAreLimeOutlinedInBlack) {
    for (const TuiArrowPlace place : {apLeft, apTop, apRight, apBottom}) {
        SCOPED_TRACE(static_cast<int>(place));
        ui_test::TDibSurface surface(40, 40);
        surface.Fill(vcl::clFuchsia);
        vcl::TCanvas canvas;
        canvas.SetHandle(surface.DC());
        TuiCanvas uiCanvas(canvas);
        const vcl::TRect box = DragDropArrowBox({20, 20, 30, 30}, {}, place);
        PaintDragDropArrow(uiCanvas, box, place);
        canvas.SetHandle(nullptr);

        for (const vcl::TPoint point : DragDropArrowPoints(box, place, 0)) {
            EXPECT_EQ(surface.Pixel(point.X, point.Y), vcl::clBlack) << point.X << "," << point.Y;
        }
        const vcl::TPoint centre{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
        EXPECT_EQ(surface.Pixel(centre.X, centre.Y), vcl::clLime);
        EXPECT_EQ(surface.Pixel(box.Left - 1, box.Top - 1), vcl::clFuchsia);
    }
}

TEST_F(DragImagesTest, AnOpaqueArrowWindowIsShapedOnePixelWiderThanItsPicture) {
    auto* arrow = new TuiDragAndDropArrow(Form.get(), false);
    arrow->Init(Form.get(), {50, 50, 100, 80}, {}, apLeft);
    const vcl::TPoint origin = Form->ClientToScreen({0, 0});
    EXPECT_EQ(arrow->BoundsRect(), vcl::TRect(origin.X + 41, origin.Y + 45, origin.X + 50, origin.Y + 56));
    HRGN region = WindowRegionOf(arrow->WindowHandle());
    ASSERT_NE(region, nullptr);
    // The tip (8, 5) lies in the region, the corner beside the shaft does not.
    EXPECT_TRUE(PtInRegion(region, 7, 5));
    EXPECT_TRUE(PtInRegion(region, 1, 4));
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    DeleteObject(region);
    EXPECT_EQ(arrow->Image().Canvas().Pixel(0, 0), arrow->GetTransparentColor());
    EXPECT_EQ(arrow->Image().Canvas().Pixel(4, 5), vcl::clLime);
}

TEST_F(DragImagesTest, ATransparentArrowKeysOutItsTransparentColourAndKeepsNoRegion) {
    auto* arrow = new TuiDragAndDropArrow(Form.get(), true);
    arrow->Init(nullptr, {300, 300, 400, 320}, {}, apTop);
    EXPECT_EQ(arrow->BoundsRect(), vcl::TRect(295, 291, 306, 300));
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(arrow->WindowHandle(), &key, nullptr, &flags));
    EXPECT_TRUE(flags & LWA_COLORKEY);
    EXPECT_EQ(key, 0xFF00FFu);
    HRGN region = WindowRegionOf(arrow->WindowHandle());
    EXPECT_EQ(region, nullptr);
    if (region) {
        DeleteObject(region);
    }
}

} // namespace
} // namespace ui
