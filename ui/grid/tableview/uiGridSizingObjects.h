#pragma once
// The drags that size a column by its header's right edge. While the pointer moves, an inverted line at the new edge
// follows it (drawn again at the same place it disappears, so moving it leaves no trace); the size never goes below
// the column's minimum width. Released, the column takes the new width and the view reports it once.

#include "ui/core/controls/uiDragAndDrop.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

class TuiGridColumn;
class TuiGridTableController;

// The base of the sizing drags: a start size, the pointer's start and current place along the sized direction, and
// the sizing line drawn inverted on the control.
class TuiCustomGridSizingObject : public TuiDragAndDropObject {
public:
    TuiCustomGridSizingObject(TuiControl& control, int32_t startSize, int32_t startPosition);

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
    int32_t Position() const { return FPosition; }

private:
    void DrawSizingLine();

    int32_t FStartSize;
    int32_t FStartPosition;
    int32_t FPosition;
    bool FLineShown = false;
};

// Sizes a column by its header's right edge.
class TuiGridColumnHorzSizingObject : public TuiCustomGridSizingObject {
public:
    TuiGridColumnHorzSizingObject(TuiGridTableController& controller, TuiGridColumn& column,
                                  const vcl::TRect& headerBounds, int32_t startX);

    TuiGridColumn& Column() const { return FColumn; }
    // From the header's left edge at the current size, 1 pixel wide, down to the bottom of the client area.
    vcl::TRect SizingLineBounds() const override;
    void EndDragAndDrop(bool accepted) override;

protected:
    int32_t ClampSize(int32_t size) const override;

private:
    TuiGridTableController& FController;
    TuiGridColumn& FColumn; // not owned
    vcl::TRect FHeaderBounds;
};

} // namespace ui
