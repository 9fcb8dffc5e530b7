#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"

#include "rtl/numbers/Currency.h"
#include "rtl/numbers/NumberConversions.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFilterBarViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridFooterViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridIndicatorViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridPreviewCellViewInfo.h"
#include "ui/grid/view/uiGridPainter.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ui_test {

void GridTableLayoutTest::SetUp() {
    GridOnFormTest::SetUp();
    Grid->SetBounds(0, 0, 400, 300);
    View = new ui::TuiGridTableView(Form.get());
    // As in the application: the layout starts with the header; the box has tests of its own.
    View->OptionsView().SetGroupByBox(false);
    Grid->Levels().Add().SetGridView(View);
}

void GridTableLayoutTest::Fill(int records) {
    const ui::TuiValueTypeClass types[] = {&ui::TuiStringValueType::Instance(), &ui::TuiCurrencyValueType::Instance(),
                                           &ui::TuiIntegerValueType::Instance()};
    const char16_t* captions[] = {u"Name", u"Amount", u"No"};
    View->BeginUpdate();
    for (int i = 0; i < 3; ++i) {
        ui::TuiGridColumn* column = View->CreateColumn();
        View->DataController().ChangeValueTypeClass(column->Index(), types[i]);
        column->SetCaption(captions[i]);
        column->SetWidth(60 + 20 * i);
    }
    View->DataController().SetRecordCount(records);
    for (int record = 0; record < records; ++record) {
        View->DataController().SetValue(record, 0, rtl::Variant(rtl::UnicodeString(u"Item ") + rtl::IntToStr(record)));
        View->DataController().SetValue(record, 1, rtl::Variant(rtl::Currency::FromScaled(record * 1250000)));
        View->DataController().SetValue(record, 2, rtl::Variant(record + 1));
    }
    View->EndUpdate();
}

ui::TuiGridTableViewInfo& GridTableLayoutTest::Layout(const vcl::TRect& bounds) {
    auto& viewInfo = static_cast<ui::TuiGridTableViewInfo&>(View->ViewInfo());
    viewInfo.CalculateInBounds(bounds);
    return viewInfo;
}

void GridTableLayoutTest::ScrollTo(int top) {
    View->Controller().SetTopRecordIndex(top);
}

void GridTableLayoutTest::ScrollLeftTo(int leftPos) {
    View->Controller().SetLeftPos(leftPos);
}

std::unique_ptr<TGridCanvasSurface> GridTableLayoutTest::Paint(const vcl::TRect& bounds) {
    auto on = std::make_unique<TGridCanvasSurface>(bounds.Width(), bounds.Height());
    View->Painter().Paint(&on->Canvas);
    return on;
}

bool SameArea(const TDibSurface& a, const TDibSurface& b, const vcl::TRect& area) {
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

vcl::TColor RgbOf(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

int CountPixels(const TDibSurface& surface, const vcl::TRect& area, vcl::TColor rgb) {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            count += surface.Pixel(x, y) == rgb ? 1 : 0;
        }
    }
    return count;
}

namespace {

// The footer closes the rows area at the bottom of the bands; each cell lies in the band under its column's header.
void ExpectFooterInvariants(const ui::TuiGridTableViewInfo& viewInfo) {
    const ui::TuiGridFooterViewInfo& footer = viewInfo.Footer();
    EXPECT_EQ(footer.Bounds().Top, viewInfo.Placement().RowsAreaBounds.Bottom);
    if (!footer.Visible()) {
        EXPECT_EQ(footer.Bounds().Height(), 0) << "a hidden footer takes no room";
        return;
    }
    EXPECT_EQ(footer.Bounds().Bottom, viewInfo.Placement().IndicatorBounds.Bottom) << "above a bottom filter bar";
    for (int i = 0; i < footer.CellCount(); ++i) {
        const ui::TuiGridFooterCell& cell = footer.Cells(i);
        const vcl::TRect& header = viewInfo.ColumnHeaders(cell.ColumnIndex).Bounds();
        EXPECT_GE(cell.Bounds.Left, header.Left) << "footer cell " << i;
        EXPECT_LE(cell.Bounds.Right, header.Right) << "footer cell " << i;
        EXPECT_GE(cell.Bounds.Top, footer.BordersBounds().Top) << "footer cell " << i;
        EXPECT_LE(cell.Bounds.Bottom, footer.Bounds().Bottom) << "footer cell " << i;
    }
}

} // namespace

void ExpectLayoutInvariants(const ui::TuiGridTableViewInfo& viewInfo) {
    const ui::TuiGridTablePlacement& placement = viewInfo.Placement();
    const vcl::TRect client = viewInfo.ClientBounds();
    const int contentLeft = client.Left + viewInfo.Indicator().Width() - viewInfo.LeftPos();
    EXPECT_EQ(placement.IndicatorBounds.Left, client.Left);
    EXPECT_EQ(placement.IndicatorBounds.Width(), viewInfo.Indicator().Width());
    // Top down: the group-by box, the filter bar at the top, the header; at the bottom the filter bar there.
    const bool barAtTop = viewInfo.FilterBar().AtTop();
    const int bandsTop = barAtTop ? placement.FilterBarBounds.Bottom : placement.GroupByBoxBounds.Bottom;
    const int bandsBottom = barAtTop ? client.Bottom : placement.FilterBarBounds.Top;
    EXPECT_EQ(placement.GroupByBoxBounds.Top, client.Top);
    EXPECT_EQ(placement.FilterBarBounds.Top,
              barAtTop ? placement.GroupByBoxBounds.Bottom : client.Bottom - placement.FilterBarBounds.Height());
    EXPECT_EQ(placement.HeaderBounds.Top, bandsTop);
    EXPECT_EQ(placement.IndicatorBounds.Top, bandsTop);
    EXPECT_EQ(placement.IndicatorBounds.Bottom, bandsBottom);
    int left = contentLeft;
    for (int i = 0; i < viewInfo.ColumnHeaderCount(); ++i) {
        const vcl::TRect& header = viewInfo.ColumnHeaders(i).Bounds();
        EXPECT_EQ(header.Left, left) << "header " << i;
        left = header.Right;
    }
    EXPECT_EQ(placement.RowsAreaBounds.Left, contentLeft);
    EXPECT_EQ(placement.RowsAreaBounds.Right, placement.RowsAreaBounds.Left + viewInfo.DataWidth());
    int top = placement.RowsAreaBounds.Top;
    for (int position = 0; position < viewInfo.RowCount(); ++position) {
        const ui::TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        EXPECT_EQ(row.Bounds().Top, top) << "row " << position;
        top = row.Bounds().Bottom;
        if (position + 1 < viewInfo.RowCount()) {
            EXPECT_LE(row.Bounds().Bottom, placement.RowsAreaBounds.Bottom) << "row " << position;
        }
        if (row.GroupRow()) {
            // A group row is one cell inside its bounds, right of its level indents.
            EXPECT_EQ(row.CellCount(), 0) << "row " << position;
            EXPECT_GE(row.GroupCellBounds().Left, row.Bounds().Left) << "row " << position;
            EXPECT_EQ(row.GroupCellBounds().Right, row.Bounds().Right) << "row " << position;
            continue;
        }
        ASSERT_EQ(row.CellCount(), viewInfo.ColumnHeaderCount());
        // A preview spans the row right of its indents above or below the cells; the row's separator and closing
        // line lie under both.
        int cellsTop = row.Bounds().Top;
        int cellsBottom = row.Bounds().Bottom - viewInfo.RowBottomHeight(row.RowIndex());
        if (const ui::TuiGridPreviewCellViewInfo* preview = row.Preview()) {
            const vcl::TRect& bounds = preview->Bounds();
            EXPECT_EQ(bounds.Left, row.Bounds().Left + viewInfo.LevelIndentsWidth()) << "row " << position;
            EXPECT_EQ(bounds.Right, row.Bounds().Right) << "row " << position;
            if (viewInfo.TableView().Preview().Place() == ui::ppTop) {
                EXPECT_EQ(bounds.Top, row.Bounds().Top) << "row " << position;
                cellsTop = bounds.Bottom;
            } else {
                EXPECT_EQ(bounds.Bottom, cellsBottom) << "row " << position;
                cellsBottom = bounds.Top;
            }
        }
        for (int i = 0; i < row.CellCount(); ++i) {
            const vcl::TRect& cell = row.Cells(i).UnmergedBounds();
            const vcl::TRect& header = viewInfo.ColumnHeaders(i).Bounds();
            // The first column's header also spans the level indents left of its cells.
            const int indents = i == 0 ? viewInfo.LevelIndentsWidth() : 0;
            EXPECT_EQ(cell.Left, std::min(header.Left + indents, header.Right)) << "row " << position << " cell " << i;
            EXPECT_EQ(cell.Right, header.Right) << "row " << position << " cell " << i;
            EXPECT_EQ(cell.Top, cellsTop);
            EXPECT_EQ(cell.Bottom, cellsBottom);
        }
    }
    ExpectFooterInvariants(viewInfo);
}

} // namespace ui_test
