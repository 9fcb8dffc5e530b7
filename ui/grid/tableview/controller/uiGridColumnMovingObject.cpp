#include "ui/grid/tableview/controller/uiGridColumnMovingObject.h"

#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/layout/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"

namespace ui {

namespace {

// The header band's drop area reaches this far above and below it.
constexpr int32_t HeaderDropZoneMargin = 15;

} // namespace

int32_t HeaderDropZoneAt(const TuiGridTablePlacement& placement, const vcl::TRect& clientBounds, vcl::TPoint point) {
    if (placement.HeaderBounds.IsEmpty()) {
        return -1;
    }
    const vcl::TRect area = vcl::Rect(clientBounds.Left, placement.HeaderBounds.Top - HeaderDropZoneMargin,
                                      clientBounds.Right, placement.HeaderBounds.Bottom + HeaderDropZoneMargin);
    if (!area.Contains(point)) {
        return -1;
    }
    const int32_t count = static_cast<int32_t>(placement.ColumnHeaders.size());
    for (int32_t index = 0; index < count; ++index) {
        const vcl::TRect& header = placement.ColumnHeaders[index];
        if (point.X < (header.Left + header.Right) / 2) {
            return index;
        }
    }
    return count;
}

TuiGridColumnHeaderMovingObject::TuiGridColumnHeaderMovingObject(TuiGridTableController& controller,
                                                                 TuiGridColumn& column, vcl::TPoint sourcePoint)
    : TuiCustomGridMovingObject(controller.GridView().Site(), sourcePoint), FController(controller), FColumn(column) {}

bool TuiGridColumnHeaderMovingObject::IsPositionChanged() const {
    return FZone >= 0 && FZone != FColumn.VisibleIndex() && FZone != FColumn.VisibleIndex() + 1;
}

bool TuiGridColumnHeaderMovingObject::CanDropInHeader() const {
    return FZone >= 0 && (!FColumn.Visible() || IsPositionChanged());
}

bool TuiGridColumnHeaderMovingObject::CanRemove() const {
    return FColumn.EffectiveVisibleForCustomization() && FController.GridTableView().OptionsCustomize().ColumnHiding();
}

bool TuiGridColumnHeaderMovingObject::ShowsArrows() const {
    return CanDropInHeader();
}

vcl::TRect TuiGridColumnHeaderMovingObject::ArrowAreaBounds(TuiArrowPlace /*place*/) const {
    const TuiGridTablePlacement placement = FController.Placement();
    const int32_t count = static_cast<int32_t>(placement.ColumnHeaders.size());
    if (FZone < count) {
        return placement.ColumnHeaders.at(FZone);
    }
    if (count == 0) {
        return placement.HeaderBounds;
    }
    vcl::TRect last = placement.ColumnHeaders.back();
    last.Left = last.Right;
    return last;
}

vcl::TRect TuiGridColumnHeaderMovingObject::SourceItemBounds() const {
    const TuiGridTablePlacement placement = FController.Placement();
    const int32_t index = FColumn.VisibleIndex();
    if (index < 0 || index >= static_cast<int32_t>(placement.ColumnHeaders.size())) {
        return {};
    }
    return placement.ColumnHeaders[index];
}

void TuiGridColumnHeaderMovingObject::BeginDragAndDrop() {
    // The header was pressed for a click; moving it is no click.
    FController.SetPressedColumn(nullptr);
    TuiCustomGridMovingObject::BeginDragAndDrop();
}

void TuiGridColumnHeaderMovingObject::DragAndDrop(vcl::TPoint point, bool& accepted) {
    const int32_t zone =
        HeaderDropZoneAt(FController.Placement(), FController.GridView().ViewInfo().ClientBounds(), point);
    if (zone != FZone) {
        SetDirty(true);
        FZone = zone;
    }
    accepted = CanDropInHeader();
    TuiCustomGridMovingObject::DragAndDrop(point, accepted);
}

int32_t TuiGridColumnHeaderMovingObject::IndexForZone() const {
    TuiGridTableView& view = FController.GridTableView();
    if (FZone >= view.VisibleItemCount()) {
        return view.ItemCount() - 1;
    }
    const int32_t index = view.VisibleItems(FZone)->Index();
    return FColumn.Index() < index ? index - 1 : index;
}

void TuiGridColumnHeaderMovingObject::EndDragAndDrop(bool accepted) {
    TuiCustomGridMovingObject::EndDragAndDrop(accepted);
    if (!accepted) {
        return;
    }
    TuiGridTableView& view = FController.GridTableView();
    bool changed = false;
    view.BeginUpdate();
    try {
        if (CanDropInHeader()) {
            FColumn.SetIndex(IndexForZone());
            FColumn.SetVisible(true);
            changed = true;
        } else if (FZone < 0 && CanRemove()) {
            FColumn.SetVisible(false);
            changed = true;
        }
    } catch (...) {
        view.EndUpdate();
        throw;
    }
    view.EndUpdate();
    if (changed) {
        view.DoColumnPosChanged(&FColumn);
    }
}

} // namespace ui
