// The base control's mouse: the window procedure's work around presses, focus on click, the library's drag-and-drop
// steps, the wheel and the mouse-capture holder.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/forms/Form.h"

namespace ui {

namespace {

// Mouse messages carry 16-bit coordinates: beyond them the press point is read from the cursor.
constexpr int32_t LargestMessageCoordinate = 32768;

} // namespace

// The framework window procedure, with left presses of an automatically dragged control handled as presses (the
// drag starts from StartDragOnMouseDown once the pointer leaves the press square), and the work that follows a
// message, unless a handler destroyed the control.
void TuiControl::WndProc(vcl::TMessage& message) {
    const vcl::TControlLink link(this);
    const bool leftPress = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK;
    if (leftPress && !vcl::DragControl() && DragMode() == vcl::dmAutomatic &&
        !ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        DispatchDirectly(message);
    } else {
        if (message.Msg == WM_RBUTTONUP) {
            FMouseRightButtonReleased = true;
        }
        TCustomControl::WndProc(message);
    }
    HandleWindowsMessageAfter(message, link);
}

void TuiControl::DispatchDirectly(vcl::TMessage& message) {
    vcl::TControlState state = ControlState();
    state.Include(vcl::csLButtonDown);
    SetControlState(state);
    const vcl::TControlLink link(this);
    Dispatch(message);
    if (link.Alive()) {
        state = ControlState();
        state.Exclude(vcl::csLButtonDown);
        SetControlState(state);
    }
}

vcl::TPoint TuiControl::PressPointOf(const vcl::TMessage& message) const {
    if (Width() > LargestMessageCoordinate || Height() > LargestMessageCoordinate) {
        return ScreenToClient(CursorPosOrInvalid());
    }
    return vcl::MessagePoint(message.LParam);
}

void TuiControl::HandleWindowsMessageAfter(const vcl::TMessage& message, const vcl::TControlLink& link) {
    if (!link.Alive() || IsDestroying()) {
        return;
    }
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FocusChanged();
        break;
    case WM_PAINT:
        if (ParentBackground() != FLastParentBackground) {
            FLastParentBackground = ParentBackground();
            ParentBackgroundChanged();
        }
        break;
    case WM_RBUTTONUP:
        FMouseRightButtonReleased = false;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const vcl::TMouseButton button = message.Msg == WM_LBUTTONDOWN   ? vcl::mbLeft
                                         : message.Msg == WM_RBUTTONDOWN ? vcl::mbRight
                                                                         : vcl::mbMiddle;
        const vcl::TPoint point = PressPointOf(message);
        StartDragOnMouseDown(button, point.X, point.Y);
        break;
    }
    default:
        break;
    }
}

void TuiControl::StartDragOnMouseDown(vcl::TMouseButton button, int32_t x, int32_t y) {
    if (button == vcl::mbLeft && DragMode() == vcl::dmAutomatic && MouseCapture() &&
        !ComponentState().Contains(rtl::TComponentState::csDesigning) && CanDrag(x, y) &&
        DetectDrag(WindowHandle(), CursorPosOrInvalid()) == ddrDrag) {
        BeginDrag(true);
    } else if (button == vcl::mbMiddle) {
        RunPanningMode();
    }
}

void TuiControl::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    FMouseDownPos = {x, y};
    const vcl::TControlLink link(this);
    const bool doubleClick = shift.Contains(vcl::ssDouble);
    if (CanFocusOnClickAt(x, y) && !doubleClick) {
        const vcl::TRect before = BoundsRect();
        SetFocus();
        if (!link.Alive()) {
            return;
        }
        vcl::TCustomForm* form = vcl::GetParentForm(this);
        if (form && form->ActiveControl() == this && !IsFocused()) {
            ::SetFocus(WindowHandle());
        }
        if (!IsFocused() && !AllowMouseDownWithoutFocus()) {
            SetMouseCapture(false);
            return;
        }
        if (AdjustsPressPoint()) {
            x += before.Left - Left();
            y += before.Top - Top();
        }
    }
    if (button == vcl::mbLeft && !doubleClick && StartDragAndDrop({x, y})) {
        if (DragAndDropObject().StartsImmediately()) {
            BeginDragAndDrop();
        } else {
            SetDragAndDropState(ddsStarting);
        }
    } else {
        FinishDragAndDrop(false);
    }
    if (!link.Alive()) {
        return;
    }
    BeforeMouseDown(button, shift, x, y);
    if (link.Alive()) {
        TCustomControl::MouseDown(button, shift, x, y);
    }
    if (link.Alive() && MouseCapture()) {
        FMouseButtonPressed = true;
    }
}

void TuiControl::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TCursor defaultCursor = FDefaultCursor;
    SetCursor(GetCurrentCursor(x, y));
    FDefaultCursor = defaultCursor;
    const vcl::TControlLink link(this);
    TCustomControl::MouseMove(shift, x, y);
    if (!link.Alive()) {
        return;
    }
    if (FDragAndDropState == ddsStarting && !IsMouseInPressedArea(x, y)) {
        BeginDragAndDrop();
    }
    if (FDragAndDropState == ddsInProcess) {
        bool accepted = false;
        DragAndDrop({x, y}, accepted);
    }
}

void TuiControl::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    FMouseButtonPressed = false;
    FinishMouseInteraction();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TuiControl::FinishMouseInteraction() {
    FinishDragAndDrop(true);
    SetMouseCaptureObject(nullptr);
}

void TuiControl::CancelMouseOperations() {
    FMouseButtonPressed = false;
    SetMouseCaptureObject(nullptr);
}

bool TuiControl::IsMouseInPressedArea(int32_t x, int32_t y) const {
    return IsWithinDragThreshold(FMouseDownPos, x, y);
}

void TuiControl::SetMouseCaptureObject(rtl::TObject* object) {
    if (object == FMouseCaptureObject) {
        return;
    }
    if (auto* previous = dynamic_cast<IuiMouseCaptureObject*>(FMouseCaptureObject)) {
        previous->DoCancelMode();
    }
    FMouseCaptureObject = object;
    const bool hadCapture = MouseCapture();
    SetMouseCapture(object != nullptr);
    if (hadCapture && !object && FDragAndDropState == ddsStarting) {
        Perform(WM_CANCELMODE);
    }
}

bool TuiControl::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) {
        return true;
    }
    const TuiMouseWheelScrollingKind kind = GetMouseWheelScrollingKind();
    if (kind == mwskNone) {
        return false;
    }
    const bool vertical = kind == mwskVertical;
    const TuiDirection direction = wheelDelta > 0 ? (vertical ? dirUp : dirLeft) : (vertical ? dirDown : dirRight);
    for (int32_t line = 0; line < vcl::Mouse().WheelScrollLines(); ++line) {
        ScrollContent(direction);
    }
    return true;
}

void TuiControl::PostMouseMove() {
    PostMouseMove(ScreenToClient(CursorPosOrInvalid()));
}

void TuiControl::PostMouseMove(vcl::TPoint point) {
    if (HandleAllocated()) {
        PostMessageW(WindowHandle(), WM_MOUSEMOVE, 0, vcl::PointToLParam(point));
    }
}

} // namespace ui
