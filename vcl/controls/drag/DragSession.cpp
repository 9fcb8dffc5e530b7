#include "vcl/controls/drag/DragSession.h"

#include "vcl/controls/Control.h"
#include "vcl/controls/drag/DragObjects.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/system/UtilWindow.h"
#include "vcl/system/Win32.h"

#include <cstdlib>
#include <exception>
#include <memory>

namespace vcl {

namespace {

// One drag, from its beginning to its end.
struct TDragSession {
    uint64_t Serial = 0;
    TControl* Control = nullptr;   // not owned
    TDragObject* Object = nullptr; // owned by OwnedObject when the drag frees it; nullptr while the drag begins
    std::unique_ptr<TDragObject> OwnedObject;
    HWND CaptureWindow = nullptr; // owned: deallocated when the drag ends
    TPoint StartPos;
    int32_t Threshold = 0;
    // The pointer has moved the threshold's distance (or the drag began at once): the drag passes over controls.
    bool Started = false;
    TPoint Pos;
    TControl* Target = nullptr; // not owned; forgotten when it is destroyed
    bool Accepted = false;
    TCursor Cursor = crDefault;
    TDragImageList* Images = nullptr; // not owned: the drag object's images while they follow the pointer
};

std::unique_ptr<TDragSession> RunningDrag;
uint64_t LastDragSerial = 0;

// Whether the drag numbered serial is still the one running (handlers may end it, or end it and begin another).
bool DragStillRuns(uint64_t serial) {
    return RunningDrag && RunningDrag->Serial == serial;
}

void TakeDragObject(TDragSession& drag, TDragObject* object) {
    if (!object) {
        drag.OwnedObject = std::make_unique<TDragControlObject>(drag.Control);
        object = drag.OwnedObject.get();
    } else if (object->FreedByDrag()) {
        drag.OwnedObject.reset(object);
    }
    drag.Object = object;
}

bool PassedDragThreshold(const TDragSession& drag) {
    return std::abs(drag.Pos.X - drag.StartPos.X) >= drag.Threshold ||
           std::abs(drag.Pos.Y - drag.StartPos.Y) >= drag.Threshold;
}

// The images begin hidden: they show only over controls that want them.
void StartDragImages(TDragSession& drag) {
    TDragImageList* images = drag.Object->GetDragImages();
    if (images && images->BeginDrag(nullptr, drag.Pos.X, drag.Pos.Y)) {
        images->HideDragImage();
        drag.Images = images;
    }
}

void MoveDragImages(TDragSession& drag) {
    if (!drag.Images) {
        return;
    }
    drag.Images->DragMove(drag.Pos.X, drag.Pos.Y);
    if (drag.Target && drag.Target->ControlStyle().Contains(csDisplayDragImage)) {
        drag.Object->ShowDragImage();
    } else {
        drag.Object->HideDragImage();
    }
}

void ShowDragCursor(uint64_t serial) {
    TDragSession& drag = *RunningDrag;
    const TPoint point = drag.Target ? drag.Target->ScreenToClient(drag.Pos) : drag.Pos;
    const TCursor cursor = drag.Object->GetDragCursor(drag.Accepted, point.X, point.Y);
    if (DragStillRuns(serial)) {
        RunningDrag->Cursor = cursor;
        ::SetCursor(CursorHandle(cursor));
    }
}

intptr_t SendDragMessage(const TDragSession& drag, TControl& control, TDragMessage message) {
    TDragRec rec{drag.Pos, drag.Object, &control};
    return control.Perform(CM_DRAG, message, reinterpret_cast<intptr_t>(&rec));
}

// The control that takes drags at the pointer: the control under it, or the one it hands drags on to.
TControl* DragTargetAtPointer(const TDragSession& drag) {
    TControl* control = FindDragTarget(drag.Pos, false);
    return control ? reinterpret_cast<TControl*>(SendDragMessage(drag, *control, dmFindTarget)) : nullptr;
}

// Asks the target whether it accepts a drop (dmDragEnter, dmDragMove); false when the drag ended meanwhile.
bool AskDragTarget(uint64_t serial, TDragMessage message) {
    TControl* target = RunningDrag->Target;
    const bool accepted = SendDragMessage(*RunningDrag, *target, message) != 0;
    if (!DragStillRuns(serial)) {
        return false;
    }
    RunningDrag->Accepted = accepted && RunningDrag->Target == target;
    return true;
}

// Tells the target that the drag left it; false when the drag ended meanwhile.
bool LeaveDragTarget(uint64_t serial) {
    TControl* previous = RunningDrag->Target;
    RunningDrag->Target = nullptr;
    RunningDrag->Accepted = false;
    SendDragMessage(*RunningDrag, *previous, dmDragLeave);
    return DragStillRuns(serial);
}

// Brings the target up to date with the pointer; false when the drag ended meanwhile.
bool UpdateDragTarget(uint64_t serial) {
    TControl* target = DragTargetAtPointer(*RunningDrag);
    if (!DragStillRuns(serial)) {
        return false;
    }
    if (target == RunningDrag->Target) {
        return !target || AskDragTarget(serial, dmDragMove);
    }
    if (RunningDrag->Target && !LeaveDragTarget(serial)) {
        return false;
    }
    RunningDrag->Target = target;
    return !target || AskDragTarget(serial, dmDragEnter);
}

void DragTo(TPoint pos) {
    TDragSession& drag = *RunningDrag;
    drag.Pos = pos;
    if (!drag.Started) {
        if (!PassedDragThreshold(drag)) {
            return;
        }
        drag.Started = true;
        StartDragImages(drag);
    }
    const uint64_t serial = drag.Serial;
    if (!UpdateDragTarget(serial)) {
        return;
    }
    ShowDragCursor(serial);
    if (DragStillRuns(serial)) {
        MoveDragImages(*RunningDrag);
    }
}

// Gives the drag's window up (and with it the capture), removes the images and gives the windows their cursors back.
void StopDragging(TDragSession& drag) {
    if (drag.Images) {
        drag.Images->EndDrag();
    }
    DeallocateHWnd(drag.CaptureWindow);
    SetScreenCursor(ScreenCursor());
}

// Ends the running drag's hold on the program; the session is the caller's to finish.
std::unique_ptr<TDragSession> StopRunningDrag() {
    std::unique_ptr<TDragSession> drag = std::move(RunningDrag);
    StopDragging(*drag);
    return drag;
}

// Every key but Escape is the drag's while it runs; Ctrl may change what the target accepts, so it is asked again.
void DragKey(TMessage& message) {
    message.Result = 1;
    if (message.Msg == CN_KEYDOWN && message.WParam == VK_ESCAPE) {
        CancelDrag();
    } else if (RunningDrag->Started) {
        DragTo(RunningDrag->Pos);
    }
}

TPoint CaptureWindowPointToScreen(intptr_t lParam) {
    TPoint point = MessagePoint(lParam);
    ClientToScreen(RunningDrag->CaptureWindow, AsPOINT(&point));
    return point;
}

// The drag's window holds the capture, so the program's mouse messages (and, through the application, its keys)
// come here while the drag runs.
void DragWindowMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        return DragTo(CaptureWindowPointToScreen(message.LParam));
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return EndControlDrag(true);
    case WM_CANCELMODE:
        return CancelDrag();
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(message.LParam) != RunningDrag->CaptureWindow) {
            CancelDrag();
        }
        return;
    case WM_SETCURSOR:
        ::SetCursor(CursorHandle(RunningDrag->Cursor));
        message.Result = 1;
        return;
    case CN_KEYDOWN:
    case CN_KEYUP:
        return DragKey(message);
    default:
        message.Result = DefWindowProcW(RunningDrag->CaptureWindow, message.Msg, message.WParam, message.LParam);
        return;
    }
}

// The drop (or the leave, when nothing is dropped) for the target, and the end for the drag object, which hears it
// even when the target's handler fails (the error goes on afterwards).
void FinishDrag(TDragSession& drag, bool drop) {
    const bool accepted = drop && drag.Started && drag.Target && drag.Accepted;
    const TControlLink source(drag.Control);
    TControl* target = drag.Target;
    TPoint point;
    std::exception_ptr targetError;
    if (target) {
        const TControlLink targetLink(target);
        point = accepted ? target->ScreenToClient(drag.Pos) : TPoint{};
        try {
            SendDragMessage(drag, *target, accepted ? dmDragDrop : dmDragLeave);
        } catch (...) {
            targetError = std::current_exception();
        }
        target = targetLink.Alive() && accepted ? target : nullptr;
    }
    if (!drop && source.Alive()) {
        drag.Control->DragCanceled();
    }
    if (source.Alive()) {
        drag.Object->Finished(target, point.X, point.Y, accepted);
    }
    if (targetError) {
        std::rethrow_exception(targetError);
    }
}

// Asks the control for the drag object, takes the capture, and, when the drag begins at once, carries it to where
// the pointer is. The control's handler may have ended the drag (or freed the control) before it took its object.
void StartRunningDrag(uint64_t serial, TControl& control) {
    TDragObject* object = nullptr;
    control.DoStartDrag(object);
    if (!DragStillRuns(serial)) {
        if (object && object->FreedByDrag()) {
            const std::unique_ptr<TDragObject> unused(object);
        }
        return;
    }
    TakeDragObject(*RunningDrag, object);
    // The press that began the drag is no click.
    control.SetControlState(control.ControlState() - TControlState{csClicked, csLButtonDown});
    RunningDrag->CaptureWindow = AllocateHWnd(DragWindowMessage);
    SetCapture(RunningDrag->CaptureWindow);
    if (RunningDrag->Threshold == 0) {
        DragTo(RunningDrag->Pos);
    }
}

} // namespace

void BeginControlDrag(TControl& control, bool immediate, int32_t threshold) {
    if (RunningDrag) {
        return;
    }
    RunningDrag = std::make_unique<TDragSession>();
    const uint64_t serial = RunningDrag->Serial = ++LastDragSerial;
    RunningDrag->Control = &control;
    RunningDrag->StartPos = RunningDrag->Pos = Mouse().CursorPos();
    RunningDrag->Threshold = immediate ? 0 : threshold < 0 ? Mouse().DragThreshold() : threshold;
    try {
        StartRunningDrag(serial, control);
    } catch (...) {
        if (DragStillRuns(serial)) {
            StopRunningDrag();
        }
        throw;
    }
}

void EndControlDrag(bool drop) {
    if (!RunningDrag) {
        return;
    }
    const std::unique_ptr<TDragSession> drag = StopRunningDrag();
    // A drag cancelled while it began has told nobody anything yet.
    if (drag->Object) {
        FinishDrag(*drag, drop);
    }
}

void CancelDrag() {
    EndControlDrag(false);
}

TControl* DragControl() {
    return RunningDrag ? RunningDrag->Control : nullptr;
}

TDragObject* DragObject() {
    return RunningDrag ? RunningDrag->Object : nullptr;
}

void DragControlDestroying(TControl* control) {
    if (RunningDrag && RunningDrag->Control == control) {
        StopRunningDrag();
    }
}

void DragControlDestroyed(TControl* control) {
    if (!RunningDrag) {
        return;
    }
    if (RunningDrag->Target == control) {
        RunningDrag->Target = nullptr;
        RunningDrag->Accepted = false;
    }
    if (RunningDrag->Control == control) {
        // The control's own parts are gone, the images it lent perhaps with them: they are not touched.
        RunningDrag->Images = nullptr;
        DragControlDestroying(control);
    }
}

} // namespace vcl
