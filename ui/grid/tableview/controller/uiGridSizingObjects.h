#pragma once
// The drags that size a column by its header's right edge and the data rows by a row's bottom edge. While the
// pointer moves, an inverted line at the new edge follows it (drawn again at the same place it disappears, so moving
// it leaves no trace); a dragged size never goes below the element's minimum. Released, the column takes the new
// width and the view reports it once; the rows take the new height.

#include "ui/grid/view/uiGridDragAndDrop.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

class TuiGridColumn;
class TuiGridSite;
class TuiGridTableController;
class TuiGridTableViewInfo;

// The base of the sizing drags: a start size, the pointer's start and current place along the sized direction, and
// the sizing line drawn inverted on the control.
class TuiCustomGridSizingObject : public TuiCustomGridDragAndDropObject {
public:
    // The press at startPosition along the sized direction.
    TuiCustomGridSizingObject(TuiGridSite& site, vcl::TPoint sourcePoint, int32_t startSize, bool horizontal);

    // Columns size along x, rows along y.
    bool IsHorizontalSizing() const { return FHorizontal; }
    int32_t StartSize() const { return FStartSize; }
    // The start size moved by the pointer, within the element's bounds.
    int32_t CurrentSize() const;
    // The sizing line where the drag stands now.
    virtual vcl::TRect SizingLineBounds() const = 0;

    bool StartsImmediately() const override { return true; }
    vcl::TCursor CursorFor(bool accepted) const override;
    void DirtyChanged() override;
    void DragAndDrop(vcl::TPoint point, bool& accepted) override;

protected:
    virtual int32_t ClampSize(int32_t size) const { return size; }
    // A repaint covers the line where it paints: the line goes first and comes back after.
    void DoBeforePaint() override;
    void DoAfterPaint() override;

private:
    int32_t PositionOf(vcl::TPoint point) const { return FHorizontal ? point.X : point.Y; }
    void ShowSizingLine(bool show);

    int32_t FStartSize;
    bool FHorizontal;
    int32_t FPosition;
    bool FLineShown = false;
};

// Sizes a column by its header's right edge.
class TuiGridColumnHorzSizingObject : public TuiCustomGridSizingObject {
public:
    TuiGridColumnHorzSizingObject(TuiGridTableController& controller, TuiGridColumn& column,
                                  const vcl::TRect& headerBounds, vcl::TPoint sourcePoint);

    TuiGridColumn& Column() const { return FColumn; }
    // From the header's left edge at the current size, 1 pixel wide, down to the bottom of the client area.
    vcl::TRect SizingLineBounds() const override;
    void EndDragAndDrop(bool accepted) override;

protected:
    int32_t ClampSize(int32_t size) const override;

private:
    TuiGridTableViewInfo& TableViewInfo() const;

    TuiGridTableController& FController;
    TuiGridColumn& FColumn; // not owned
    vcl::TRect FHeaderBounds;
};

// Sizes the data rows by a row's bottom edge; the height goes to OptionsView.DataRowHeight for every data row.
class TuiGridRowSizingObject : public TuiCustomGridSizingObject {
public:
    // nonCellHeight: what the row has besides its cells (its preview, separator and closing line), which the stored
    // height leaves out.
    TuiGridRowSizingObject(TuiGridTableController& controller, const vcl::TRect& rowBounds, vcl::TPoint sourcePoint,
                           int32_t nonCellHeight = 0);

    // Across the client area, 1 pixel high, at the row's top plus the current height.
    vcl::TRect SizingLineBounds() const override;
    void EndDragAndDrop(bool accepted) override;

protected:
    // At least a pixel and the view's least data row height: a dragged height is always a fixed one.
    int32_t ClampSize(int32_t size) const override;

private:
    TuiGridTableController& FController;
    vcl::TRect FRowBounds;
    int32_t FNonCellHeight;
};

} // namespace ui
