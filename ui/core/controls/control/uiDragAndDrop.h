#pragma once
// Dragging with the mouse in the library's controls: the library's own drag-and-drop inside one control, the drag
// object the framework's drags of library controls carry, and the loop that tells a press from the start of a drag.

#include "vcl/controls/ControlTypes.h"
#include "vcl/controls/drag/DragObjects.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace ui {

class TuiControl;

// The library's own drag of something inside one control (a column, a splitter): it follows the pointer while the
// control holds the mouse capture and decides acceptance and the cursor.
class TuiDragAndDropObject {
public:
    explicit TuiDragAndDropObject(TuiControl& control);
    virtual ~TuiDragAndDropObject() = default;
    TuiDragAndDropObject(const TuiDragAndDropObject&) = delete;
    TuiDragAndDropObject& operator=(const TuiDragAndDropObject&) = delete;

    TuiControl& Control() const { return FControl; }
    bool Dirty() const { return FDirty; }
    void SetDirty(bool value);
    vcl::TPoint CurMousePos() const { return FCurMousePos; }
    vcl::TPoint PrevMousePos() const { return FPrevMousePos; }
    void SetMousePos(vcl::TPoint point);

    virtual void DirtyChanged() {}
    // The cursor position in the control's client coordinates.
    virtual vcl::TPoint MousePosInControl() const;
    virtual vcl::TCursor CursorFor(bool accepted) const;
    // Whether the drag begins at the press instead of when the pointer leaves the press square.
    virtual bool StartsImmediately() const { return false; }
    virtual void AfterDragAndDrop(bool /*accepted*/) {}
    virtual void BeginDragAndDrop() { DirtyChanged(); }
    virtual void DragAndDrop(vcl::TPoint point, bool& accepted);
    virtual void EndDragAndDrop(bool accepted);

private:
    TuiControl& FControl; // not owned
    bool FDirty = false;
    vcl::TPoint FCurMousePos{-1, -1};
    vcl::TPoint FPrevMousePos{-1, -1};
};

// The framework drag object of the library's controls: over a target that accepts, a control that copies (Ctrl held)
// shows the copying cursor. The drag frees it when it ends.
class TuiDragControlObject : public vcl::TDragControlObject {
    RTL_DECLARE_CLASS(TuiDragControlObject, vcl::TDragControlObject)
public:
    explicit TuiDragControlObject(vcl::TControl* control);
    vcl::TCursor GetDragCursor(bool accepted, int32_t x, int32_t y) override;
};

// What the drag-detection loop saw: the buttons released inside the square, the pointer leaving it, or a cancel.
enum TuiDragDetectResult : uint8_t { ddrReleased, ddrDrag, ddrCancelled };
// Holds the capture in window and watches the pointer from screenPoint until it leaves the square of twice the drag
// threshold (ddrDrag), a button comes up (ddrReleased) or Escape, a lost capture or WM_QUIT ends it (ddrCancelled).
TuiDragDetectResult DetectDrag(HWND window, vcl::TPoint screenPoint);

} // namespace ui
