#include "ui/grid/tableview/uiGridTableBackgroundBitmaps.h"

#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/styles/uiStyles.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using GridTableBackgroundBitmapsTest = ui_test::GridTableLayoutTest;

// A 4 x 4 picture of color with an olive corner, which shows where its tiles start.
void MakeTile(vcl::TBitmap& tile, vcl::TColor color) {
    tile.SetSize(4, 4);
    tile.Canvas().Brush().SetColor(color);
    tile.Canvas().FillRect(vcl::Rect(0, 0, 4, 4));
    tile.Canvas().SetPixel(0, 0, vcl::clOlive);
}

TEST_F(GridTableBackgroundBitmapsTest, APictureIsItsOwnOnceLoadedElseItsStylesBitmap) {
    TuiGridTableBackgroundBitmaps& bitmaps = View->BackgroundBitmaps();
    EXPECT_EQ(bitmaps.GetBitmap(TuiGridTableBackgroundBitmaps::bbBackground), nullptr);
    vcl::TBitmap styleTile;
    MakeTile(styleTile, vcl::clLime);
    auto* style = new TuiStyle(Form.get());
    style->SetBitmap(&styleTile);
    View->Styles().SetStyle(TuiGridTableViewStyles::vsBackground, style);
    vcl::TBitmap* fromStyle = bitmaps.GetBitmap(TuiGridTableBackgroundBitmaps::bbBackground);
    EXPECT_EQ(fromStyle, &style->Bitmap()) << "the own picture is empty";
    EXPECT_EQ(fromStyle, View->Styles().GetStyleBitmap(TuiGridTableViewStyles::vsBackground));
    vcl::TBitmap ownTile;
    MakeTile(ownTile, vcl::clAqua);
    bitmaps.SetByIndex(TuiGridTableBackgroundBitmaps::bbBackground, &ownTile);
    EXPECT_EQ(bitmaps.GetBitmap(TuiGridTableBackgroundBitmaps::bbBackground),
              &bitmaps.GetByIndex(TuiGridTableBackgroundBitmaps::bbBackground));
    bitmaps.SetByIndex(TuiGridTableBackgroundBitmaps::bbBackground, nullptr);
    EXPECT_EQ(bitmaps.GetBitmap(TuiGridTableBackgroundBitmaps::bbBackground), &style->Bitmap());
    View->Styles().SetStyle(TuiGridTableViewStyles::vsBackground, nullptr);
    delete style;
}

TEST_F(GridTableBackgroundBitmapsTest, EachBandsPictureStandsForItsStyle) {
    const TuiGridTableBackgroundBitmaps& bitmaps = View->BackgroundBitmaps();
    struct TCase {
        int32_t Index;
        int32_t Style;
    };
    for (const TCase& test :
         {TCase{0, TuiGridTableViewStyles::vsBackground}, TCase{1, TuiGridTableViewStyles::vsContent},
          TCase{2, TuiGridTableViewStyles::vsFilterBox}, TCase{3, 9}, TCase{4, 15}, TCase{5, 10}, TCase{6, 11},
          TCase{7, 17}, TCase{8, 18}, TCase{9, -1}}) {
        EXPECT_EQ(bitmaps.GetStyleIndex(test.Index), test.Style) << test.Index;
    }
}

TEST_F(GridTableBackgroundBitmapsTest, AssignCopiesEveryPicture) {
    auto* source = new TuiGridTableView(Form.get());
    Grid->Levels().Add().SetGridView(source);
    for (int32_t index = 0; index <= TuiGridTableBackgroundBitmaps::bbPreview; ++index) {
        MakeTile(source->BackgroundBitmaps().GetByIndex(index), static_cast<vcl::TColor>(0x10 * (index + 1)));
    }
    View->BackgroundBitmaps().Assign(&source->BackgroundBitmaps());
    for (int32_t index = 0; index <= TuiGridTableBackgroundBitmaps::bbPreview; ++index) {
        vcl::TBitmap& copy = View->BackgroundBitmaps().GetByIndex(index);
        ASSERT_EQ(copy.Width(), 4) << index;
        EXPECT_EQ(copy.Canvas().Pixel(2, 2), static_cast<vcl::TColor>(0x10 * (index + 1))) << index;
    }
}

TEST_F(GridTableBackgroundBitmapsTest, TheHeadersPictureIsTiledUnderTheHeaderFromTheCanvasOrigin) {
    Fill(3);
    MakeTile(View->BackgroundBitmaps().Header(), vcl::clLime);
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto tiled = Paint();
    const vcl::TRect header = viewInfo.Placement().HeaderBounds;
    const vcl::TColor lime = ui_test::RgbOf(vcl::clLime);
    const vcl::TColor olive = ui_test::RgbOf(vcl::clOlive);
    int limePixels = 0;
    int olivePixels = 0;
    int misplaced = 0;
    for (int y = header.Top; y < header.Bottom; ++y) {
        for (int x = header.Left; x < header.Right; ++x) {
            limePixels += tiled->Surface.Pixel(x, y) == lime ? 1 : 0;
            if (tiled->Surface.Pixel(x, y) == olive) {
                ++olivePixels;
                misplaced += x % 4 != 0 || y % 4 != 0 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(limePixels, header.Width() * header.Height() / 4);
    EXPECT_GT(olivePixels, 0);
    EXPECT_EQ(misplaced, 0);
    const vcl::TRect rows = viewInfo.Placement().RowsAreaBounds;
    const vcl::TPoint inRow{rows.Left + 5, rows.Top + 5};
    EXPECT_NE(tiled->Surface.Pixel(inRow.X, inRow.Y), lime) << "only under the header";
}

} // namespace
} // namespace ui
