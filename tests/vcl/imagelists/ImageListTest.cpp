// Image lists: a strip cut into images, masked drawing over a background, moving and deleting images, change links,
// and the drag image.

#include "vcl/imagelists/ImageList.h"

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"
#include "vcl/graphics/images/Bitmap.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

// The fixture strip: three 16 x 16 cells, red, green and blue, each framed by one fuchsia pixel.
std::unique_ptr<vcl::TBitmap> StripBitmap() {
    auto strip = std::make_unique<vcl::TBitmap>();
    strip->LoadFromFile(test_support::DataPath("images/strip.bmp"));
    return strip;
}

// The colour of the middle pixel of the image at index drawn at (0, 0) of a surface filled with background.
vcl::TColor DrawnMiddle(vcl::TCustomImageList& list, int index, vcl::TColor background = vcl::clWhite) {
    ui_test::TDibSurface surface(16, 16);
    surface.Fill(background);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    list.Draw(canvas, 0, 0, index);
    canvas.SetHandle(nullptr);
    return surface.Pixel(8, 8);
}

TEST(ImageList, AStripOfThreeCellsBecomesThreeImages) {
    vcl::TImageList list(nullptr);
    auto strip = StripBitmap();
    EXPECT_EQ(list.AddMasked(*strip, vcl::clFuchsia), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(DrawnMiddle(list, 0), vcl::clRed);
    EXPECT_EQ(DrawnMiddle(list, 1), vcl::clLime);
    EXPECT_EQ(DrawnMiddle(list, 2), vcl::clBlue);
    EXPECT_EQ(strip->Canvas().Pixel(0, 0), vcl::clFuchsia) << "the strip itself is left as it was";
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list.Handle(), &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
}

TEST(ImageList, MaskedDrawingLeavesTheBackgroundWhereTheMaskIsSet) {
    vcl::TImageList list(nullptr);
    auto strip = StripBitmap();
    list.AddMasked(*strip, vcl::clFuchsia);
    ui_test::TDibSurface surface(48, 16);
    surface.Fill(vcl::clYellow);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    for (int i = 0; i < 3; ++i) {
        list.Draw(canvas, i * 16, 0, i);
    }
    canvas.SetHandle(nullptr);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(surface.Pixel(i * 16, 0), vcl::clYellow) << "the frame is masked";
        EXPECT_EQ(surface.Pixel(i * 16 + 15, 15), vcl::clYellow);
    }
    EXPECT_EQ(surface.Pixel(1, 1), vcl::clRed);
    EXPECT_EQ(surface.Pixel(17, 14), vcl::clLime);

    vcl::TBitmap mask;
    ASSERT_TRUE(list.GetMask(1, mask));
    EXPECT_EQ(mask.Canvas().Pixel(0, 0), vcl::clWhite) << "set where the background shows";
    EXPECT_EQ(mask.Canvas().Pixel(8, 8), vcl::clBlack);
    vcl::TBitmap image;
    ASSERT_TRUE(list.GetBitmap(2, image));
    EXPECT_EQ(image.Canvas().Pixel(8, 8), vcl::clBlue);
    EXPECT_FALSE(list.GetBitmap(3, image));
}

TEST(ImageList, ImagesWithoutAMaskAreOpaqueAndAnExplicitMaskIsHonoured) {
    vcl::TImageList list(nullptr);
    auto strip = StripBitmap();
    list.Add(*strip, nullptr);
    EXPECT_EQ(DrawnMiddle(list, 0), vcl::clRed);
    vcl::TBitmap corner(16, 16, vcl::pf1bit);
    corner.Canvas().Brush().SetColor(vcl::clBlack);
    corner.Canvas().FillRect(vcl::Rect(0, 0, 16, 16));
    corner.Canvas().Brush().SetColor(vcl::clWhite);
    corner.Canvas().FillRect(vcl::Rect(0, 0, 10, 10));
    vcl::TBitmap cell(16, 16, vcl::pf24bit);
    cell.Canvas().Brush().SetColor(vcl::clNavy);
    cell.Canvas().FillRect(vcl::Rect(0, 0, 16, 16));
    const int index = list.Add(cell, &corner);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(DrawnMiddle(list, index, vcl::clSilver), vcl::clSilver) << "(8, 8) is under the set part of the mask";
    ui_test::TDibSurface surface(16, 16);
    surface.Fill(vcl::clSilver);
    vcl::TCanvas canvas;
    canvas.SetHandle(surface.DC());
    list.Draw(canvas, 0, 0, index);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(surface.Pixel(12, 12), vcl::clNavy);
}

TEST(ImageList, MovingDeletingAndInsertingKeepTheOrder) {
    vcl::TImageList list(nullptr);
    auto strip = StripBitmap();
    list.AddMasked(*strip, vcl::clFuchsia);
    list.Move(0, 2);
    EXPECT_EQ(DrawnMiddle(list, 0), vcl::clLime);
    EXPECT_EQ(DrawnMiddle(list, 1), vcl::clBlue);
    EXPECT_EQ(DrawnMiddle(list, 2), vcl::clRed);
    list.Delete(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(DrawnMiddle(list, 1), vcl::clRed);
    vcl::TBitmap cell(16, 16, vcl::pf24bit);
    cell.Canvas().Brush().SetColor(vcl::clYellow);
    cell.Canvas().FillRect(vcl::Rect(0, 0, 16, 16));
    list.Insert(0, cell, nullptr);
    EXPECT_EQ(DrawnMiddle(list, 0), vcl::clYellow);
    EXPECT_EQ(DrawnMiddle(list, 1), vcl::clLime);
    list.Delete(7);
    EXPECT_EQ(list.Count(), 3) << "an index out of range deletes nothing";
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, ChangeLinksHearEveryChangeUntilTheyGo) {
    vcl::TImageList list(nullptr);
    int heard = 0;
    rtl::TObject* sender = nullptr;
    {
        vcl::TChangeLink link;
        link.SetOnChange([&](rtl::TObject* from) {
            ++heard;
            sender = from;
        });
        list.RegisterChanges(link);
        EXPECT_EQ(link.Sender(), &list);
        auto strip = StripBitmap();
        list.AddMasked(*strip, vcl::clFuchsia);
        list.SetSize(24, 24);
        EXPECT_EQ(heard, 2);
        EXPECT_EQ(sender, &list);
        EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
    }
    list.SetSize(16, 16);
    EXPECT_EQ(heard, 2) << "a freed link is unregistered";

    vcl::TChangeLink orphan;
    {
        vcl::TImageList shortLived(nullptr);
        shortLived.RegisterChanges(orphan);
    }
    EXPECT_EQ(orphan.Sender(), nullptr) << "a freed list lets its links go";
}

TEST(ImageList, TheDragImageFollowsMoves) {
    vcl::TImageList list(nullptr);
    auto strip = StripBitmap();
    list.AddMasked(*strip, vcl::clFuchsia);
    EXPECT_FALSE(list.SetDragImage(5, 0, 0));
    ASSERT_TRUE(list.SetDragImage(1, 4, 4));
    ASSERT_TRUE(list.BeginDrag(nullptr, 100, 100));
    EXPECT_TRUE(list.Dragging());
    EXPECT_FALSE(list.BeginDrag(nullptr, 0, 0)) << "one drag at a time";
    EXPECT_TRUE(list.DragMove(120, 110));
    list.HideDragImage();
    list.ShowDragImage();
    EXPECT_TRUE(list.EndDrag());
    EXPECT_FALSE(list.Dragging());
    EXPECT_FALSE(list.DragMove(1, 1));
}

} // namespace
