// The library's drag-and-drop inside one control, and the loop that tells a press from the start of a drag.

#include "ui/core/controls/control/uiDragAndDrop.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/core/controls/uiControlsUnit.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/controls/pointer/Mouse.h"

#include <utility>

namespace ui {

TuiDragAndDropObject::TuiDragAndDropObject(TuiControl& control) : FControl(control) {}

void TuiDragAndDropObject::SetDirty(bool value) {
    if (value != FDirty) {
        FDirty = value;
        DirtyChanged();
    }
}

void TuiDragAndDropObject::SetMousePos(vcl::TPoint point) {
    FPrevMousePos = FCurMousePos;
    FCurMousePos = point;
}

vcl::TPoint TuiDragAndDropObject::MousePosInControl() const {
    return FControl.ScreenToClient(CursorPosOrInvalid());
}

vcl::TCursor TuiDragAndDropObject::CursorFor(bool accepted) const {
    return accepted ? vcl::crDrag : vcl::crNoDrop;
}

void TuiDragAndDropObject::DragAndDrop(vcl::TPoint, bool& accepted) {
    SetDirty(false);
    vcl::SetScreenCursor(CursorFor(accepted));
}

void TuiDragAndDropObject::EndDragAndDrop(bool) {
    SetDirty(true);
}

std::unique_ptr<TuiDragAndDropObject> TuiControl::CreateDragAndDropObject() {
    return std::make_unique<TuiDragAndDropObject>(*this);
}

TuiDragAndDropObject& TuiControl::DragAndDropObject() {
    if (!FDragAndDropObject) {
        FDragAndDropObject = CreateDragAndDropObject();
    }
    return *FDragAndDropObject;
}

void TuiControl::SetDragAndDropState(TuiDragAndDropState value) {
    FDragAndDropState = value;
    if (value == ddsNone && !FFinishingDragAndDrop) {
        CancelMouseOperations();
    }
}

void TuiControl::BeginDragAndDrop() {
    TuiDragAndDropObject& object = DragAndDropObject();
    const vcl::TPoint point = object.MousePosInControl();
    object.SetMousePos(point);
    object.SetMousePos(point);
    object.BeginDragAndDrop();
    SetMouseCapture(true);
    FDragAndDropPrevCursor = vcl::ScreenCursor();
    FDragAndDropState = ddsInProcess;
}

void TuiControl::DragAndDrop(vcl::TPoint point, bool& accepted) {
    TuiDragAndDropObject& object = DragAndDropObject();
    object.SetMousePos(point);
    object.DragAndDrop(point, accepted);
}

void TuiControl::EndDragAndDrop(bool accepted) {
    SetDragAndDropState(ddsNone);
    vcl::SetScreenCursor(FDragAndDropPrevCursor);
    SetMouseCapture(false);
    SetMouseCaptureObject(nullptr);
    TuiDragAndDropObject& object = DragAndDropObject();
    object.EndDragAndDrop(accepted);
    object.AfterDragAndDrop(accepted);
}

// Not re-entered: a cancel raised while a drag ends (a lost capture) finds it finishing already.
void TuiControl::FinishDragAndDrop(bool accepted) {
    if (FFinishingDragAndDrop) {
        return;
    }
    FFinishingDragAndDrop = true;
    if (FDragAndDropState == ddsInProcess) {
        EndDragAndDrop(accepted);
    } else {
        SetDragAndDropState(ddsNone);
    }
    FDragAndDropObject.reset();
    FFinishingDragAndDrop = false;
}

TuiDragControlObject::TuiDragControlObject(vcl::TControl* control) : TDragControlObject(control) {
    SetFreedByDrag(true);
}

vcl::TCursor TuiDragControlObject::GetDragCursor(bool accepted, int32_t x, int32_t y) {
    const auto* control = dynamic_cast<const TuiControl*>(Control());
    if (accepted && control && control->IsCopyDragDrop()) {
        return crDragCopy;
    }
    return TDragControlObject::GetDragCursor(accepted, x, y);
}

bool TuiControl::IsCopyDragDrop() const {
    return IsControlKeyDown();
}

// The window is brought up to date first, so the images a drag shows are taken from what the user sees.
void TuiControl::DoStartDrag(vcl::TDragObject*& dragObject) {
    Update();
    TCustomControl::DoStartDrag(dragObject);
    if (!dragObject) {
        dragObject = new TuiDragControlObject(this);
    }
    if (!StartDrag(dragObject)) {
        delete std::exchange(dragObject, nullptr);
        vcl::CancelDrag();
    }
}

TuiDragDetectResult DetectDrag(HWND window, vcl::TPoint screenPoint) {
    const int32_t threshold = vcl::Mouse().DragThreshold();
    const vcl::TRect square{screenPoint.X - threshold, screenPoint.Y - threshold, screenPoint.X + threshold,
                            screenPoint.Y + threshold};
    TuiDragDetectResult result = ddrCancelled;
    SetCapture(window);
    bool running = true;
    MSG message;
    while (running && NextMessageWhileCaptured(window, message)) {
        switch (message.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            running = message.wParam != VK_ESCAPE;
            break;
        case WM_MOUSEMOVE:
            if (message.hwnd == window) {
                POINT point{static_cast<int16_t>(LOWORD(message.lParam)), static_cast<int16_t>(HIWORD(message.lParam))};
                ClientToScreen(window, &point);
                if (!square.Contains({point.x, point.y})) {
                    result = ddrDrag;
                    running = false;
                }
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            result = ddrReleased;
            running = false;
            break;
        default:
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    return result;
}

} // namespace ui
