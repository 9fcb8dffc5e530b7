// TControl: drag and drop: beginning and ending drags of the control, and the control as a target (CM_DRAG).

#include "vcl/controls/Control.h"
#include "vcl/controls/drag/DragObjects.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/controls/pointer/Mouse.h"

namespace vcl {

void TControl::BeginDrag(bool immediate, int32_t threshold) {
    BeginControlDrag(*this, immediate, threshold);
}

void TControl::EndDrag(bool drop) {
    if (Dragging()) {
        EndControlDrag(drop);
    }
}

bool TControl::Dragging() const {
    return DragControl() == this;
}

void TControl::BeginAutoDrag() {
    BeginDrag(Mouse().DragImmediate(), Mouse().DragThreshold());
}

TDragImageList* TControl::GetDragImages() {
    return nullptr;
}

void TControl::DoStartDrag(TDragObject*& dragObject) {
    if (FOnStartDrag) {
        FOnStartDrag(this, dragObject);
    }
}

void TControl::DoEndDrag(rtl::TObject* target, int32_t x, int32_t y) {
    if (FOnEndDrag) {
        FOnEndDrag(this, target, x, y);
    }
}

void TControl::DragCanceled() {}

void TControl::DragOver(rtl::TObject* source, int32_t x, int32_t y, TDragState state, bool& accept) {
    accept = static_cast<bool>(FOnDragOver);
    if (FOnDragOver) {
        FOnDragOver(this, source, x, y, state, accept);
    }
}

void TControl::DragDrop(rtl::TObject* source, int32_t x, int32_t y) {
    if (FOnDragDrop) {
        FOnDragDrop(this, source, x, y);
    }
}

// Asked where it is, the control takes the drag itself; told of the drag, it answers whether it accepts a drop.
void TControl::CMDrag(TMessage& message) {
    const auto& drag = *reinterpret_cast<const TDragRec*>(message.LParam);
    const auto kind = static_cast<TDragMessage>(message.WParam);
    if (kind == dmFindTarget) {
        message.Result = reinterpret_cast<intptr_t>(this);
        return;
    }
    const TPoint point = ScreenToClient(drag.Pos);
    rtl::TObject* source = drag.Source->EventSource();
    if (kind == dmDragDrop) {
        DragDrop(source, point.X, point.Y);
        return;
    }
    if (kind > dmDragMove) {
        return;
    }
    constexpr TDragState states[] = {dsDragEnter, dsDragLeave, dsDragMove};
    bool accept = false;
    DragOver(source, point.X, point.Y, states[kind], accept);
    message.Result = accept ? 1 : 0;
}

} // namespace vcl
