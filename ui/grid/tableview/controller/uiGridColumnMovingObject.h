#pragma once
// TuiGridColumnHeaderMovingObject: the drag that moves a column by its header. Over the header band (grown by 15
// pixels above and below) the column would go before the header whose horizontal middle lies right of the pointer,
// or after the last; arrows above and below that edge show it. A place that changes nothing (the column's own edges)
// shows no arrows and drops nothing. Dropped outside, the column hides when ColumnHiding allows it; elsewhere the drop
// is refused. A move or hiding is reported once through OnColumnPosChanged.

#include "ui/grid/view/uiGridMovingObject.h"

#include <cstdint>

namespace ui {

class TuiGridColumn;
class TuiGridTableController;
struct TuiGridTablePlacement;

// The visible index before which a column dropped at point goes (the count of headers after the last one), or -1
// outside the header band's drop area.
int32_t HeaderDropZoneAt(const TuiGridTablePlacement& placement, const vcl::TRect& clientBounds, vcl::TPoint point);

class TuiGridColumnHeaderMovingObject : public TuiCustomGridMovingObject {
public:
    TuiGridColumnHeaderMovingObject(TuiGridTableController& controller, TuiGridColumn& column, vcl::TPoint sourcePoint);

    TuiGridColumn& Column() const { return FColumn; }
    // -1 outside the header.
    int32_t DestinationZone() const { return FZone; }
    // Dropped in the header, the column changes place: not at its own left or right edge.
    bool IsPositionChanged() const;

    void BeginDragAndDrop() override;
    void DragAndDrop(vcl::TPoint point, bool& accepted) override;
    void EndDragAndDrop(bool accepted) override;

protected:
    bool CanRemove() const override;
    bool ShowsArrows() const override;
    vcl::TRect ArrowAreaBounds(TuiArrowPlace place) const override;
    vcl::TRect SourceItemBounds() const override;

private:
    bool CanDropInHeader() const;
    // The column's item index that puts it at the zone.
    int32_t IndexForZone() const;

    TuiGridTableController& FController;
    TuiGridColumn& FColumn; // not owned
    int32_t FZone = -1;
};

} // namespace ui
