#include "ui/grid/customtable/viewinfo/uiGridTableDataCellPainter.h"

#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/grid/customtable/viewinfo/uiGridTableCellViewInfo.h"

namespace ui {

TuiGridTableDataCellPainter::TuiGridTableDataCellPainter(TuiCanvas& canvas, TuiGridTableDataCellViewInfo& cell)
    : TuiCustomGridCellPainter(canvas, cell), FCell(cell) {}

void TuiGridTableDataCellPainter::Paint() {
    Canvas().PushClipRegion();
    try {
        Canvas().IntersectClipArea(FCell.GetContentBounds());
        TuiCustomGridCellPainter::Paint();
    } catch (...) {
        Canvas().PopClipRegion();
        throw;
    }
    Canvas().PopClipRegion();
}

void TuiGridTableDataCellPainter::DrawContent() {
    if (FCell.HasBackgroundBitmap()) {
        DrawBackground();
    }
    FCell.EditViewInfo().Paint(Canvas());
}

} // namespace ui
