#include "ui/grid/tableview/controller/uiGridSizingObjects.h"

#include "ui/core/controls/control/uiControl.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/grid/view/uiGridSite.h"

#include <algorithm>

namespace ui {

TuiCustomGridSizingObject::TuiCustomGridSizingObject(TuiGridSite& site, vcl::TPoint sourcePoint, int32_t startSize,
                                                     bool horizontal)
    : TuiCustomGridDragAndDropObject(site, sourcePoint), FStartSize(startSize), FHorizontal(horizontal),
      FPosition(PositionOf(sourcePoint)) {}

int32_t TuiCustomGridSizingObject::CurrentSize() const {
    return ClampSize(FStartSize + FPosition - PositionOf(SourcePoint()));
}

vcl::TCursor TuiCustomGridSizingObject::CursorFor(bool /*accepted*/) const {
    return IsHorizontalSizing() ? crGridHorzSize : crGridVertSize;
}

void TuiCustomGridSizingObject::ShowSizingLine(bool show) {
    if (show != FLineShown) {
        Control().UICanvas().InvertRect(SizingLineBounds());
        FLineShown = show;
    }
}

// The line shows while the drag is not dirty: a move makes it dirty before the position changes, which takes the
// line away where it was drawn, and clean again after, which draws it at the new place.
void TuiCustomGridSizingObject::DirtyChanged() {
    ShowSizingLine(!Dirty());
}

void TuiCustomGridSizingObject::DoBeforePaint() {
    ShowSizingLine(false);
}

void TuiCustomGridSizingObject::DoAfterPaint() {
    ShowSizingLine(!Dirty());
}

void TuiCustomGridSizingObject::DragAndDrop(vcl::TPoint point, bool& accepted) {
    const int32_t position = PositionOf(point);
    if (position != FPosition) {
        SetDirty(true);
        FPosition = position;
    }
    accepted = true;
    TuiDragAndDropObject::DragAndDrop(point, accepted);
}

TuiGridColumnHorzSizingObject::TuiGridColumnHorzSizingObject(TuiGridTableController& controller, TuiGridColumn& column,
                                                             const vcl::TRect& headerBounds, vcl::TPoint sourcePoint)
    : TuiCustomGridSizingObject(controller.GridView().Site(), sourcePoint, headerBounds.Width(), true),
      FController(controller), FColumn(column), FHeaderBounds(headerBounds) {}

int32_t TuiGridColumnHorzSizingObject::ClampSize(int32_t size) const {
    size = std::max(size, FColumn.MinWidth());
    const TuiGridTableViewInfo& viewInfo = TableViewInfo();
    return viewInfo.IsCalculated() ? std::min(size, viewInfo.MaxColumnHeaderWidth(FColumn.VisibleIndex())) : size;
}

TuiGridTableViewInfo& TuiGridColumnHorzSizingObject::TableViewInfo() const {
    return static_cast<TuiGridTableViewInfo&>(FController.GridView().ViewInfo());
}

vcl::TRect TuiGridColumnHorzSizingObject::SizingLineBounds() const {
    const int32_t right = FHeaderBounds.Left + CurrentSize();
    return vcl::Rect(right - 1, FHeaderBounds.Top, right, Control().ClientHeight());
}

void TuiGridColumnHorzSizingObject::EndDragAndDrop(bool accepted) {
    TuiCustomGridSizingObject::EndDragAndDrop(accepted);
    const int32_t size = CurrentSize();
    if (!accepted || size == StartSize()) {
        return;
    }
    if (FController.GridTableView().OptionsView().ColumnAutoWidth() && TableViewInfo().IsCalculated()) {
        TableViewInfo().SizeSharedColumnHeader(FColumn.VisibleIndex(), size);
    } else {
        FColumn.SetWidth(FColumn.Width() + size - StartSize());
    }
    FController.GridTableView().DoColumnSizeChanged(&FColumn);
}

TuiGridRowSizingObject::TuiGridRowSizingObject(TuiGridTableController& controller, const vcl::TRect& rowBounds,
                                               vcl::TPoint sourcePoint, int32_t nonCellHeight)
    : TuiCustomGridSizingObject(controller.GridView().Site(), sourcePoint, rowBounds.Height(), false),
      FController(controller), FRowBounds(rowBounds), FNonCellHeight(std::max(nonCellHeight, 0)) {}

int32_t TuiGridRowSizingObject::ClampSize(int32_t size) const {
    return std::max({size, 1, FController.GridTableView().MinDataRowHeight()});
}

vcl::TRect TuiGridRowSizingObject::SizingLineBounds() const {
    const int32_t bottom = FRowBounds.Top + CurrentSize();
    return vcl::Rect(0, bottom - 1, Control().ClientWidth(), bottom);
}

void TuiGridRowSizingObject::EndDragAndDrop(bool accepted) {
    TuiCustomGridSizingObject::EndDragAndDrop(accepted);
    if (accepted && CurrentSize() != StartSize()) {
        FController.SizeDataRows(ClampSize(CurrentSize() - FNonCellHeight));
    }
}

} // namespace ui
