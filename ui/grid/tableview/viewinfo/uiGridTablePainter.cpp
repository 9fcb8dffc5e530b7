#include "ui/grid/tableview/viewinfo/uiGridTablePainter.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/framework/uiEditViewInfo.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridLineCollection.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewStyles.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace ui {

namespace {

// Centred both ways and broken into lines.
constexpr uint16_t NoDataTextFlags = tfAlignHCenter | tfAlignVCenter | tfWordBreak;

TuiButtonState HeaderButtonState(const TuiGridColumnHeaderViewInfo& header) {
    if (header.IsShownPressed()) {
        return uibsPressed;
    }
    return header.State() == cmsHot ? uibsHot : uibsNormal;
}

vcl::TRect IntersectionOf(const vcl::TRect& a, const vcl::TRect& b) {
    const vcl::TRect result{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                            std::min(a.Bottom, b.Bottom)};
    return result.IsEmpty() ? vcl::TRect{} : result;
}

} // namespace

TuiGridTableViewInfo& TuiGridTablePainter::TableViewInfo() const {
    return static_cast<TuiGridTableViewInfo&>(GridView().ViewInfo());
}

void TuiGridTablePainter::PaintContent() {
    DrawHeader();
    DrawRecords();
    DrawNoDataText();
}

void TuiGridTablePainter::DrawHeader() {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const vcl::TRect band = IntersectionOf(viewInfo.Placement().HeaderBounds, viewInfo.ClientBounds());
    if (band.IsEmpty()) {
        return;
    }
    Canvas().PushClipRegion();
    Canvas().IntersectClipArea(band);
    // The band's background first: a see-through header, or a skin's header image with transparent pixels, shows
    // it.
    Canvas().FillRectColor(band, GridView().LookAndFeelPainter()->HeaderColor());
    for (int32_t i = 0; i < viewInfo.ColumnHeaderCount(); ++i) {
        DrawColumnHeader(viewInfo.ColumnHeaders(i));
    }
    Canvas().PopClipRegion();
    ExcludeFromBackground(band);
}

void TuiGridTablePainter::DrawColumnHeader(const TuiGridColumnHeaderViewInfo& header) {
    if (!Canvas().RectVisible(header.PaintBounds())) {
        return;
    }
    const TuiCustomLookAndFeelPainter& painter = *GridView().LookAndFeelPainter();
    vcl::TFont* font = GridView().Grid() ? &GridView().Grid()->Font() : nullptr;
    const TuiTextLayout layout{header.AlignmentHorz(), header.AlignmentVert(), false, true};
    painter.PaintHeaderCell(Canvas(), header.PaintBounds(), header.CaptionBounds(), header.Neighbours(), uiAllBorders,
                            HeaderButtonState(header), layout, header.Text(), font, painter.HeaderTextColor(),
                            painter.HeaderColor(), {}, header.IsLast(), false);
    if (header.HasSortingMark()) {
        Canvas().PushClipRegion();
        Canvas().IntersectClipArea(header.SortingMarkBounds());
        painter.PaintSortArrow(Canvas(), header.SortingMarkBounds(), header.SortedAscending());
        Canvas().PopClipRegion();
    }
    if (header.IsShownPressed()) {
        painter.PaintPressedHeader(Canvas(), header.PaintBounds());
    }
}

void TuiGridTablePainter::DrawRecords() {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    TuiGridLineCollection lines;
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        for (int32_t i = 0; i < row.CellCount(); ++i) {
            TuiGridDataCellViewInfo& cell = row.Cells(i);
            if (cell.IsMerged()) {
                continue;
            }
            lines.AddBorders(cell.Bounds(), cell.Borders(), TuiGridTableViewInfo::GridLineWidth);
            if (!Canvas().RectVisible(cell.Bounds())) {
                continue;
            }
            Canvas().PushClipRegion();
            Canvas().IntersectClipArea(cell.ContentBounds());
            cell.EditViewInfo().Paint(Canvas());
            Canvas().PopClipRegion();
        }
    }
    lines.Draw(Canvas(), viewInfo.GridLineColor());
    for (int32_t position = 0; position < viewInfo.RowCount(); ++position) {
        const TuiGridDataRowViewInfo& row = viewInfo.Rows(position);
        DrawRowFocusRect(row);
        ExcludeFromBackground(row.Bounds());
    }
}

void TuiGridTablePainter::DrawRowFocusRect(const TuiGridDataRowViewInfo& row) {
    TuiGridTableView& view = TableViewInfo().TableView();
    if (!view.OptionsView().FocusRect() || !row.IsFocused()) {
        return;
    }
    const bool hideOnExit =
        static_cast<TuiCustomGridTableOptionsSelection&>(view.OptionsSelection()).HideFocusRectOnExit();
    if (row.HasRecordFocusRect()) {
        DrawFocusRect(row.Bounds(), hideOnExit);
        return;
    }
    for (int32_t i = 0; i < row.CellCount(); ++i) {
        if (row.Cells(i).IsFocusedCell()) {
            DrawFocusRect(row.Cells(i).ContentBounds(), hideOnExit);
        }
    }
}

void TuiGridTablePainter::DrawNoDataText() {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    if (!viewInfo.HasNoDataText()) {
        return;
    }
    const vcl::TRect bounds = viewInfo.NoDataTextBounds();
    TuiDrawParams params;
    GridView().Styles().ResolveDrawParams(TuiCustomGridViewStyles::vsBackground, nullptr, nullptr, params);
    Canvas().FillRectColor(bounds, params.Color);
    Canvas().PushState();
    if (params.Font) {
        Canvas().SetFont(*params.Font);
    }
    Canvas().Font().SetColor(params.TextColor);
    Canvas().Brush().SetStyle(vcl::bsClear);
    Canvas().DrawText(viewInfo.TableView().OptionsView().NoDataToDisplayInfoText(), bounds, NoDataTextFlags);
    Canvas().Brush().SetStyle(vcl::bsSolid);
    Canvas().PopState();
    ExcludeFromBackground(bounds);
}

bool TuiGridTablePainter::CanScrollByPixels(bool vertical) const {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    return GridView().Site().HandleAllocated() && !viewInfo.HasNoDataText() &&
           !(vertical && viewInfo.HasMergingColumn());
}

vcl::TRect TuiGridTablePainter::RecordsScrollBounds() const {
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    vcl::TRect bounds = viewInfo.ClientBounds();
    bounds.Top = std::max(bounds.Top, viewInfo.Placement().RowsAreaBounds.Top);
    return bounds;
}

void TuiGridTablePainter::ScrollRecords(int32_t count) {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const bool canMovePixels = CanScrollByPixels(true);
    const int32_t dy = viewInfo.ScrollRecords(count);
    if (!canMovePixels || dy == 0) {
        Invalidate();
        return;
    }
    const vcl::TRect scroll = RecordsScrollBounds();
    ScrollWindowEx(GridView().Site().Handle(), 0, dy, vcl::AsRECT(&scroll), vcl::AsRECT(&scroll), nullptr, nullptr,
                   SW_INVALIDATE | SW_ERASE);
}

void TuiGridTablePainter::ScrollHorizontally(int32_t dx) {
    TuiGridTableViewInfo& viewInfo = TableViewInfo();
    const bool canMovePixels = CanScrollByPixels(false);
    viewInfo.ScrollHorizontally(dx);
    if (!canMovePixels) {
        Invalidate();
        return;
    }
    const vcl::TRect scroll = viewInfo.ClientBounds();
    ScrollWindowEx(GridView().Site().Handle(), dx, 0, vcl::AsRECT(&scroll), vcl::AsRECT(&scroll), nullptr, nullptr,
                   SW_INVALIDATE | SW_ERASE);
    GridView().Site().Update();
}

} // namespace ui
