#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"

#include "tests/ui/grid/tableview/ApplicationGridView.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/styles/uiStyles.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/currency/uiCurrencyEditProperties.h"
#include "ui/editors/text/label/uiLabelProperties.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "vcl/graphics/images/Bitmap.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::CountPixels;
using ui_test::RgbOf;

using GridTablePainterTest = ui_test::GridTableLayoutTest;
using ui_test::SameArea;
using ui_test::TDibSurface;
using ui_test::TGridCanvasSurface;

TEST_F(GridTablePainterTest, PaintingCoversTheViewAndTwiceGivesTheSamePixels) {
    Fill(30);
    const TuiGridTableViewInfo& viewInfo = Layout();
    const auto first = Paint();
    const auto second = Paint();
    EXPECT_EQ(first->Surface.Pixels(), second->Surface.Pixels());
    EXPECT_EQ(CountPixels(first->Surface, viewInfo.ClientBounds(), RgbOf(vcl::clFuchsia)), 0)
        << "every pixel of the client bounds is painted";
}

TEST_F(GridTablePainterTest, EveryDataCellShowsOneVerticalAndOneHorizontalGridLine) {
    Fill(5);
    const vcl::TColor line = RgbOf(View->LookAndFeelPainter()->GridLineColor());
    for (TuiGridLines lines : {glBoth, glNone}) {
        View->OptionsView().SetGridLines(lines);
        TuiGridTableViewInfo& viewInfo = Layout();
        const auto on = Paint();
        for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
            const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
            for (int32_t i = 0; i < row.CellCount(); ++i) {
                const vcl::TRect& cell = row.Cells(i).Bounds();
                const bool expected = lines == glBoth;
                const int midX = (cell.Left + cell.Right) / 2;
                const int midY = (cell.Top + cell.Bottom) / 2;
                EXPECT_EQ(on->Surface.Pixel(cell.Right - 1, midY) == line, expected) << position << ", " << i;
                EXPECT_EQ(on->Surface.Pixel(midX, cell.Bottom - 1) == line, expected) << position << ", " << i;
            }
        }
    }
}

TEST_F(GridTablePainterTest, AMergingCellIsPaintedOnceOverTheRowsItCovers) {
    Fill(4);
    View->BeginUpdate();
    for (int32_t record = 0; record < 4; ++record) {
        View->DataController().SetValue(record, 0, rtl::Variant(rtl::UnicodeString(u"Same")));
    }
    View->EndUpdate();
    View->Columns(0)->Options().SetCellMerging(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto on = Paint();
    const vcl::TColor line = RgbOf(View->LookAndFeelPainter()->GridLineColor());
    const vcl::TRect merged = viewInfo.Rows(0).Cells(0).Bounds();
    ASSERT_EQ(merged.Bottom, viewInfo.Rows(3).Bounds().Bottom);
    const vcl::TRect firstRow = viewInfo.Rows(0).Bounds();
    const int midMerged = (merged.Left + merged.Right) / 2;
    const vcl::TRect& other = viewInfo.Rows(0).Cells(1).Bounds();
    EXPECT_NE(on->Surface.Pixel(midMerged, firstRow.Bottom - 1), line) << "no line between merged rows";
    EXPECT_EQ(on->Surface.Pixel((other.Left + other.Right) / 2, firstRow.Bottom - 1), line);
    EXPECT_EQ(on->Surface.Pixel(midMerged, merged.Bottom - 1), line);
    const vcl::TColor text = RgbOf(viewInfo.Rows(0).Cells(0).EditViewInfo().TextColor);
    EXPECT_EQ(CountPixels(on->Surface, merged, text) > 0, true);
}

// The editor of a cell painted alone, with the cell's value, content bounds and style, on a surface of size.
std::unique_ptr<TGridCanvasSurface> PaintEditorAlone(TuiCustomEditProperties& properties, TuiGridTableView& view,
                                                     const TuiGridDataCellViewInfo& cell, const vcl::TRect& size) {
    auto on = std::make_unique<TGridCanvasSurface>(size.Width(), size.Height());
    TuiDrawParams params;
    view.Styles().GetDataCellParams(cell.Row().GridRecord(), &cell.Column(), params);
    TuiEditStyle style(nullptr, false);
    style.SetIgnoresDefaultController(true);
    style.SetBorderStyle(ebsNone);
    style.SetHotTrack(true);
    style.SetColor(params.Color);
    style.SetTextColor(params.TextColor);
    style.Font().Assign(params.Font);
    std::unique_ptr<TuiCustomEditViewData> data = properties.CreateViewData(style, true);
    std::unique_ptr<TuiCustomEditViewInfo> info = properties.CreateViewInfo();
    data->InplaceContentOffsets = vcl::Rect(1, 1, 1, 1);
    data->ApplyDisplayValue(on->Canvas, cell.CellDisplayValue(), *info);
    data->Calculate(on->Canvas, cell.ContentBounds(), false, *info, {}, std::nullopt, {-1, -1});
    info->Paint(on->Canvas);
    return on;
}

TEST_F(GridTablePainterTest, ALabelOrCurrencyCellLooksAsItsEditorPaintedAlone) {
    Fill(4);
    View->Columns(0)->SetPropertiesClass(&TuiLabelProperties::StaticClass());
    ASSERT_NE(dynamic_cast<TuiLabelProperties*>(View->Columns(0)->GetProperties()), nullptr);
    ASSERT_NE(dynamic_cast<TuiCurrencyEditProperties*>(View->Columns(1)->GetProperties()), nullptr)
        << "the currency editor is the default of Currency values";
    View->DataController().ChangeFocusedRowIndex(3);
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto grid = Paint();
    const TuiGridDataRowViewInfo& row = viewInfo.Rows(1);
    for (int32_t column : {0, 1}) {
        const TuiGridDataCellViewInfo& cell = row.Cells(column);
        const auto alone = PaintEditorAlone(*View->Columns(column)->GetProperties(), *View, cell, DefaultBounds);
        EXPECT_TRUE(SameArea(grid->Surface, alone->Surface, cell.ContentBounds())) << "column " << column;
        const vcl::TColor text = RgbOf(cell.EditViewInfo().TextColor);
        EXPECT_GT(CountPixels(alone->Surface, cell.ContentBounds(), text), 0)
            << "the value is drawn, column " << column;
    }
}

TEST_F(GridTablePainterTest, TheFocusRectangleFollowsTheFocusRectOption) {
    Fill(4);
    View->DataController().ChangeFocusedRowIndex(1);
    static_cast<TuiCustomGridTableOptionsSelection&>(View->OptionsSelection()).SetHideFocusRectOnExit(false);
    TuiGridTableViewInfo& viewInfo = Layout();
    const vcl::TRect focused = viewInfo.Rows(1).Bounds();
    const auto with = Paint();
    View->OptionsView().SetFocusRect(false);
    Layout();
    const auto without = Paint();
    const vcl::TRect topEdge = vcl::Rect(focused.Left + 3, focused.Top, focused.Left + 20, focused.Top + 1);
    EXPECT_FALSE(SameArea(with->Surface, without->Surface, topEdge)) << "the focus rectangle is drawn";
    const vcl::TColor background = RgbOf(viewInfo.Rows(1).Cells(0).EditViewInfo().BackgroundColor);
    EXPECT_EQ(CountPixels(without->Surface, topEdge, background), topEdge.Width());
    const vcl::TRect unfocused = viewInfo.Rows(2).Bounds();
    EXPECT_TRUE(SameArea(with->Surface, without->Surface, unfocused));
}

TEST_F(GridTablePainterTest, TheFocusedRecordIsPaintedInTheSelectionColours) {
    Fill(4);
    Grid->SetFocusedView(View);
    View->DataController().ChangeFocusedRowIndex(1);
    auto& selection = static_cast<TuiCustomGridTableOptionsSelection&>(View->OptionsSelection());
    selection.SetInvertSelect(false);
    selection.SetCellSelect(false);
    TuiGridTableViewInfo& viewInfo = Layout();
    TuiDrawParams selected;
    View->Styles().GetSelectionParams(viewInfo.Rows(1).GridRecord(), View->Columns(0), selected);
    TuiDrawParams content;
    View->Styles().GetDataCellParams(viewInfo.Rows(2).GridRecord(), View->Columns(0), content);
    ASSERT_NE(RgbOf(selected.Color), RgbOf(content.Color));
    const auto on = Paint();
    // The top left pixel of a cell's content lies inside its editor's margin: the cell's background.
    const auto background = [&](int32_t position, int32_t column) {
        const vcl::TRect content = viewInfo.Rows(position).Cells(column).ContentBounds();
        return on->Surface.Pixel(content.Left, content.Top);
    };
    for (int32_t column = 0; column < 3; ++column) {
        EXPECT_TRUE(viewInfo.Rows(1).Cells(column).Selected()) << column;
        EXPECT_EQ(background(1, column), RgbOf(selected.Color)) << column;
        EXPECT_FALSE(viewInfo.Rows(2).Cells(column).Selected()) << column;
        EXPECT_EQ(background(2, column), RgbOf(content.Color)) << column;
    }

    selection.SetInvertSelect(true);
    View->Controller().SetFocusedItem(View->Columns(0));
    Layout();
    EXPECT_FALSE(viewInfo.Rows(1).Cells(0).Selected()) << "the focused cell stands out";
    EXPECT_TRUE(viewInfo.Rows(1).Cells(1).Selected());
    EXPECT_TRUE(viewInfo.Rows(1).Cells(0).IsFocusedCell());
}

TEST_F(GridTablePainterTest, AnEmptyViewShowsTheNoDataTextInTheRecordsAreaOnly) {
    Fill(0);
    TuiGridTableViewInfo& viewInfo = Layout();
    ASSERT_TRUE(viewInfo.HasNoDataText());
    const auto on = Paint();
    TuiDrawParams params;
    View->Styles().ResolveDrawParams(TuiCustomGridViewStyles::vsBackground, nullptr, nullptr, params);
    const vcl::TColor text = RgbOf(params.TextColor);
    const int rowsTop = viewInfo.Placement().RowsAreaBounds.Top;
    EXPECT_GT(CountPixels(on->Surface, vcl::Rect(0, rowsTop, DefaultBounds.Right, DefaultBounds.Bottom), text), 0);
    EXPECT_EQ(CountPixels(on->Surface, vcl::Rect(0, 0, DefaultBounds.Right, rowsTop), text), 0);
    EXPECT_FALSE(static_cast<TuiGridTablePainter&>(View->Painter()).CanScrollByPixels(true));

    View->OptionsView().SetNoDataToDisplayInfoText(u" ");
    View->OptionsView().SetNoDataToDisplayInfoText(u"");
    Layout();
    EXPECT_EQ(View->OptionsView().NoDataToDisplayInfoText(), u"<No data to display>");
}

TEST_F(GridTablePainterTest, ColumnHeadersShowTheirSortingMarkBesideTheCaption) {
    Fill(2);
    View->Columns(1)->SetSortOrder(soDescending);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridColumnHeaderViewInfo& sorted = viewInfo.ColumnHeaders(1);
    ASSERT_TRUE(sorted.HasSortingMark());
    EXPECT_TRUE(viewInfo.ColumnHeaders(0).SortingMarkBounds().IsEmpty());
    const vcl::TRect mark = sorted.SortingMarkBounds();
    EXPECT_EQ(mark.Width(), View->LookAndFeelPainter()->SortArrowAreaSize().cx);
    EXPECT_EQ(sorted.CaptionBounds().Right, mark.Left - 2) << "the caption keeps 2 pixels from the mark";
    EXPECT_LE(mark.Right, sorted.Bounds().Right);
    const auto on = Paint();
    const auto again = Paint();
    EXPECT_TRUE(SameArea(on->Surface, again->Surface, sorted.Bounds()));

    View->Columns(1)->SetCaption(u"");
    Layout();
    const TuiGridColumnHeaderViewInfo& empty = viewInfo.ColumnHeaders(1);
    ASSERT_TRUE(empty.Text().empty());
    EXPECT_EQ(empty.CaptionBounds().Right, empty.SortingMarkBounds().Left) << "an empty caption keeps no gap";
}

TEST_F(GridTablePainterTest, ColumnHeadersAndCellsTakeTheirStylesColours) {
    Fill(3);
    auto* header = new TuiStyle(Form.get());
    header->SetColor(vcl::clYellow);
    auto* content = new TuiStyle(Form.get());
    content->SetColor(vcl::clAqua);
    View->Styles().SetStyle(TuiGridTableViewStyles::vsHeader, header);
    View->Styles().SetStyle(TuiCustomGridTableViewStyles::vsContent, content);
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto on = Paint();
    const vcl::TRect caption = viewInfo.ColumnHeaders(0).CaptionBounds();
    EXPECT_GT(CountPixels(on->Surface, caption, RgbOf(vcl::clYellow)), caption.Width() * caption.Height() / 2);
    const vcl::TRect cell = viewInfo.Rows(2).Cells(1).ContentBounds();
    EXPECT_GT(CountPixels(on->Surface, cell, RgbOf(vcl::clAqua)), cell.Width() * cell.Height() / 2);
}

TEST_F(GridTablePainterTest, AColumnHeaderIsCustomDrawnByItsColumnThenByTheViewUnlessDone) {
    Fill(3);
    std::vector<std::string> calls;
    auto drawing = [&](const char* who, bool done) -> TuiGridColumnCustomDrawHeaderEvent {
        return [this, &calls, who, done](TuiGridTableView&, TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* header,
                                         bool& drawn) {
            if (&header->Column() == View->Columns(1)) {
                calls.push_back(who);
            }
            canvas.FillRectColor(header->PaintBounds(), vcl::clLime);
            drawn = done;
        };
    };
    struct Case {
        bool ColumnDraws;
        bool ColumnDone;
        bool ViewDraws;
        std::vector<std::string> Calls;
        bool CustomDrawn;
    };
    const Case cases[] = {
        {true, true, true, {"column"}, true},
        {true, false, true, {"column", "view"}, false},
        {false, false, true, {"view"}, false},
        {false, false, false, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ColumnDraws << c.ColumnDone << c.ViewDraws);
        View->Columns(1)->SetOnCustomDrawHeader(c.ColumnDraws ? drawing("column", c.ColumnDone)
                                                              : TuiGridColumnCustomDrawHeaderEvent{});
        View->SetOnCustomDrawColumnHeader(c.ViewDraws ? drawing("view", false) : TuiGridColumnCustomDrawHeaderEvent{});
        TuiGridTableViewInfo& viewInfo = Layout();
        calls.clear();
        const auto on = Paint();
        EXPECT_EQ(calls, c.Calls);
        const vcl::TRect caption = viewInfo.ColumnHeaders(1).CaptionBounds();
        const int lime = CountPixels(on->Surface, caption, RgbOf(vcl::clLime));
        EXPECT_EQ(lime == caption.Width() * caption.Height(), c.CustomDrawn)
            << "the default painting covers what the handlers drew unless one was done";
        EXPECT_EQ(CountPixels(on->Surface, viewInfo.ColumnHeaders(2).CaptionBounds(), RgbOf(vcl::clLime)), 0)
            << "the view's handler leaves done unset here, so the other headers look as always";
    }
}

TEST_F(GridTablePainterTest, AFilterableColumnsHeaderShowsItsFilterButtonBesideTheCaption) {
    Fill(3);
    View->OptionsCustomize().SetColumnFiltering(true);
    View->OptionsView().SetShowColumnFilterButtons(sfbAlways);
    View->Columns(0)->Options().SetFiltering(false);
    View->Columns(1)->Options().SetFiltering(true);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridColumnHeaderViewInfo& header = viewInfo.ColumnHeaders(1);
    ASSERT_TRUE(header.HasFilterButton());
    EXPECT_FALSE(viewInfo.ColumnHeaders(0).HasFilterButton()) << "the column is not filterable";
    EXPECT_LE(header.FilterButtonBounds().Right, header.Bounds().Right);
    EXPECT_LE(header.CaptionBounds().Right + 2, header.FilterButtonBounds().Left) << "the caption gives it room";
    const vcl::TPoint centre{(header.FilterButtonBounds().Left + header.FilterButtonBounds().Right) / 2,
                             (header.FilterButtonBounds().Top + header.FilterButtonBounds().Bottom) / 2};
    auto* hitTest = dynamic_cast<TuiGridColumnHeaderFilterButtonHitTest*>(&viewInfo.GetHitTest(centre));
    ASSERT_NE(hitTest, nullptr);
    EXPECT_EQ(hitTest->GetHitTestCode(), 204);
    EXPECT_EQ(hitTest->Column(), View->Columns(1));

    const vcl::TRect button = header.FilterButtonBounds();
    const auto unfiltered = Paint();
    EXPECT_FALSE(header.IsFiltered());
    View->DataController().Filter().AddItem(nullptr, View->Columns(1), fokGreater, rtl::Variant(1), u"1");
    TuiGridTableViewInfo& filtered = Layout();
    EXPECT_TRUE(filtered.ColumnHeaders(1).IsFiltered());
    EXPECT_FALSE(filtered.ColumnHeaders(2).IsFiltered());
    EXPECT_FALSE(SameArea(unfiltered->Surface, Paint()->Surface, button)) << "an active button on a filtered column";
}

TEST_F(GridTablePainterTest, AFilterButtonShowsOnlyWhileThePointerIsOverItsHeader) {
    Fill(3);
    View->OptionsCustomize().SetColumnFiltering(true);
    ASSERT_EQ(View->OptionsView().ShowColumnFilterButtons(), sfbWhenSelected);
    TuiGridTableViewInfo& viewInfo = Layout();
    TuiGridColumnHeaderViewInfo& header = viewInfo.ColumnHeaders(1);
    const vcl::TRect captionAlone = header.CaptionBounds();
    EXPECT_FALSE(header.HasFilterButton()) << "no button while the pointer is elsewhere";
    const auto away = Paint();
    EXPECT_EQ(away->Surface.Pixels(), Paint()->Surface.Pixels());

    const vcl::TRect& bounds = header.Bounds();
    View->Controller().MouseMove({}, (bounds.Left + bounds.Right) / 2 - 10, (bounds.Top + bounds.Bottom) / 2);
    EXPECT_EQ(header.State(), cmsHot) << "the header follows the pointer whatever the look";
    ASSERT_TRUE(header.HasFilterButton());
    EXPECT_EQ(header.FilterButtonState(), uibsNormal);
    EXPECT_LT(header.CaptionBounds().Right, captionAlone.Right) << "the caption makes room for the button";
    EXPECT_FALSE(viewInfo.ColumnHeaders(0).HasFilterButton()) << "only the header under the pointer";
    const auto hot = Paint();
    EXPECT_EQ(hot->Surface.Pixels(), Paint()->Surface.Pixels());
    EXPECT_FALSE(SameArea(away->Surface, hot->Surface, header.FilterButtonBounds()));

    const vcl::TRect button = header.FilterButtonBounds();
    View->Controller().MouseMove({}, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
    EXPECT_EQ(header.FilterButtonState(), uibsHot);
    EXPECT_EQ(header.State(), cmsHot);

    header.MouseLeave();
    EXPECT_EQ(header.State(), cmsNormal);
    EXPECT_FALSE(header.HasFilterButton());
    EXPECT_EQ(header.CaptionBounds(), captionAlone) << "the caption takes the button's room back";
    EXPECT_EQ(header.FilterButtonState(), uibsNormal);
    EXPECT_EQ(Paint()->Surface.Pixels(), away->Surface.Pixels()) << "the header looks as before";

    View->Columns(1)->Options().SetFiltering(false);
    Layout();
    View->Controller().MouseMove({}, (bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2);
    EXPECT_FALSE(viewInfo.ColumnHeaders(1).HasFilterButton()) << "a column that cannot be filtered has none";
}

TEST_F(GridTablePainterTest, APartsStyleBitmapIsTiledUnderThatPartOnly) {
    Fill(2);
    View->OptionsView().SetFooter(true);
    View->OptionsView().SetIndicator(true);
    View->OptionsView().SetGroupByBox(true);
    // Lime with an olive corner: the tiles start at the canvas origin.
    vcl::TBitmap tile;
    tile.SetSize(4, 4);
    tile.Canvas().Brush().SetColor(vcl::clLime);
    tile.Canvas().FillRect(vcl::Rect(0, 0, 4, 4));
    tile.Canvas().SetPixel(0, 0, vcl::clOlive);
    struct TCase {
        int32_t StyleIndex;
        vcl::TRect (*Area)(const TuiGridTableViewInfo&);
    };
    const TCase cases[] = {
        {TuiGridTableViewStyles::vsHeader, [](const TuiGridTableViewInfo& v) { return v.Placement().HeaderBounds; }},
        {TuiGridTableViewStyles::vsFooter, [](const TuiGridTableViewInfo& v) { return v.Placement().FooterBounds; }},
        // The row items; the indicator's own background is the view's.
        {TuiGridTableViewStyles::vsIndicator,
         [](const TuiGridTableViewInfo& v) {
             vcl::TRect items = v.Placement().IndicatorBounds;
             items.Top = v.Rows(0).Bounds().Top;
             items.Bottom = v.Rows(v.RowCount() - 1).Bounds().Bottom;
             return items;
         }},
        {TuiGridTableViewStyles::vsGroupByBox,
         [](const TuiGridTableViewInfo& v) { return v.Placement().GroupByBoxBounds; }},
        // Under the last row, where the view shows its background.
        {TuiGridTableViewStyles::vsBackground,
         [](const TuiGridTableViewInfo& v) {
             vcl::TRect below = v.Placement().RowsAreaBounds;
             below.Top = v.Rows(v.RowCount() - 1).Bounds().Bottom;
             return below;
         }},
    };
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto plain = Paint();
    for (const TCase& c : cases) {
        // A style change lays the view out again in the site's bounds.
        Layout();
        const vcl::TRect area = c.Area(viewInfo);
        ASSERT_FALSE(area.IsEmpty()) << c.StyleIndex;
        EXPECT_EQ(CountPixels(plain->Surface, viewInfo.ClientBounds(), RgbOf(vcl::clLime)), 0);
        auto* style = new TuiStyle(Form.get());
        style->SetBitmap(&tile);
        View->Styles().SetStyle(c.StyleIndex, style);
        Layout();
        const auto tiled = Paint();
        EXPECT_EQ(tiled->Surface.Pixels(), Paint()->Surface.Pixels()) << c.StyleIndex;
        EXPECT_GT(CountPixels(tiled->Surface, area, RgbOf(vcl::clLime)), area.Width() * area.Height() / 4)
            << c.StyleIndex;
        int olive = 0;
        int misplaced = 0;
        for (int y = area.Top; y < area.Bottom; ++y) {
            for (int x = area.Left; x < area.Right; ++x) {
                if (tiled->Surface.Pixel(x, y) == RgbOf(vcl::clOlive)) {
                    ++olive;
                    misplaced += x % 4 != 0 || y % 4 != 0 ? 1 : 0;
                }
            }
        }
        EXPECT_GT(olive, 0) << c.StyleIndex;
        EXPECT_EQ(misplaced, 0) << c.StyleIndex << ": tiled from the origin";
        vcl::TRect rest = viewInfo.ClientBounds();
        if (c.StyleIndex != TuiGridTableViewStyles::vsBackground) {
            EXPECT_LT(CountPixels(tiled->Surface, rest, RgbOf(vcl::clLime)),
                      CountPixels(tiled->Surface, area, RgbOf(vcl::clLime)) + area.Width() * area.Height() / 8)
                << c.StyleIndex << ": little lime outside the part";
        }
        View->Styles().SetStyle(c.StyleIndex, nullptr);
        delete style;
    }
}

TEST_F(GridTablePainterTest, AHeaderGlyphStandsAtItsAlignedSideOfTheCaption) {
    Fill(3);
    vcl::TBitmap glyph;
    glyph.SetSize(8, 8);
    glyph.Canvas().Brush().SetColor(vcl::clRed);
    glyph.Canvas().FillRect(vcl::Rect(0, 0, 8, 8));
    View->Columns(2)->SetHeaderGlyph(&glyph);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridColumnHeaderViewInfo& header = viewInfo.ColumnHeaders(2);
    ASSERT_TRUE(header.HasGlyph());
    EXPECT_FALSE(viewInfo.ColumnHeaders(1).HasGlyph());
    const vcl::TRect place = header.GlyphBounds();
    EXPECT_EQ(place.Width(), 8);
    EXPECT_EQ(place.Height(), 8);
    EXPECT_GE(header.CaptionBounds().Left, place.Right + 2) << "left-justified, the caption after it";
    const auto on = Paint();
    EXPECT_EQ(CountPixels(on->Surface, place, RgbOf(vcl::clRed)), 64);
}

TEST_F(GridTablePainterTest, ACentredCaptionAndItsSortingMarkStandTogetherInTheMiddleWhenTheyFit) {
    Fill(2);
    TuiGridColumn& column = *View->Columns(2);
    column.SetHeaderAlignmentHorz(vcl::taCenter);
    column.SetSortOrder(soAscending);
    column.SetWidth(200);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridColumnHeaderViewInfo& header = viewInfo.ColumnHeaders(2);
    const vcl::TRect mark = header.SortingMarkBounds();
    const vcl::TRect caption = header.CaptionBounds();
    TuiDrawParams params;
    View->Styles().GetHeaderParams(&column, params);
    const int captionWidth = viewInfo.MeasureText(u"No", params.Font).cx;
    EXPECT_EQ(caption.Left, mark.Right) << "the caption stands right beside the mark";
    EXPECT_EQ(caption.Width(), captionWidth + 4);
    const int leftGap = mark.Left - header.Bounds().Left;
    const int rightGap = header.Bounds().Right - caption.Right;
    EXPECT_LE(std::abs(leftGap - rightGap), 4) << "the pair stands in the middle";

    column.SetWidth(View->LookAndFeelPainter()->SortArrowAreaSize().cx + 12);
    Layout();
    const TuiGridColumnHeaderViewInfo& narrow = viewInfo.ColumnHeaders(2);
    const int markMiddle = (narrow.SortingMarkBounds().Left + narrow.SortingMarkBounds().Right) / 2;
    EXPECT_LE(std::abs(markMiddle - (narrow.Bounds().Left + narrow.Bounds().Right) / 2), 2)
        << "too narrow for both: the mark alone in the middle";
}

class ApplicationGridPaintingTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::CreateTestForm<ui_test::TApplicationGridForm>();
        ui_test::LoadApplicationGridView(*Form);
        Form->SetBounds(0, 0, 1000, 300);
        Form->Grid->LookAndFeel().SetSkinName(u"Blue");
    }
    ui_test::TFormPtr<ui_test::TApplicationGridForm> Form;
};

TEST_F(ApplicationGridPaintingTest, TheApplicationsGridPaintsItsFourteenCaptionsAndItsRowsInTheBlueSkin) {
    ASSERT_NE(Form->Grid->LookAndFeel().SkinPainter(), nullptr) << "the built-in skin \"Blue\" is registered";
    TuiGridTableView& view = *Form->View;
    view.BeginUpdate();
    view.DataController().SetRecordCount(6);
    for (int32_t record = 0; record < 6; ++record) {
        view.DataController().SetValue(record, 0, rtl::Variant(record + 1));
        view.DataController().SetValue(record, 1, rtl::Variant(rtl::UnicodeString(u"商品")));
        view.DataController().SetValue(record, 6, rtl::Variant(rtl::Currency::FromScaled(123450000)));
    }
    view.EndUpdate();
    const vcl::TRect bounds = vcl::Rect(0, 0, 980, 260);
    auto& viewInfo = static_cast<TuiGridTableViewInfo&>(view.ViewInfo());
    viewInfo.CalculateInBounds(bounds);
    ASSERT_EQ(viewInfo.ColumnHeaderCount(), 14);
    EXPECT_EQ(viewInfo.RowCount(), 6);
    EXPECT_TRUE(viewInfo.ColumnHeaders(0).HasSortingMark());
    ui_test::ExpectLayoutInvariants(viewInfo);

    TGridCanvasSurface first(bounds.Width(), bounds.Height());
    view.Painter().Paint(&first.Canvas);
    TGridCanvasSurface second(bounds.Width(), bounds.Height());
    view.Painter().Paint(&second.Canvas);
    EXPECT_EQ(first.Surface.Pixels(), second.Surface.Pixels());
    EXPECT_EQ(CountPixels(first.Surface, viewInfo.ClientBounds(), RgbOf(vcl::clFuchsia)), 0);
    const TuiGridDataCellViewInfo& name = viewInfo.Rows(0).Cells(1);
    EXPECT_GT(CountPixels(first.Surface, name.ContentBounds(), RgbOf(name.EditViewInfo().TextColor)), 0)
        << "the row's text is drawn";
}

} // namespace
} // namespace ui
