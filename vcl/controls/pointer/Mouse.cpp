#include "vcl/controls/pointer/Mouse.h"

#include "vcl/controls/WinControl.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

TControl* GraphicCaptureControl = nullptr; // not owned
TControl* PointerControl = nullptr;        // not owned

} // namespace

TMouse::TMouse() {
    SettingChanged();
}

void TMouse::SettingChanged() {
    FDragThreshold = GetSystemMetrics(SM_CXDRAG) > 0 ? GetSystemMetrics(SM_CXDRAG) : 5;
    UINT lines = 3;
    if (SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) {
        FWheelScrollLines = static_cast<int32_t>(lines);
    }
    FWheelPresent = GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0;
}

TPoint TMouse::CursorPos() const {
    POINT point{};
    if (!GetCursorPos(&point)) {
        return {-1, -1};
    }
    return ToPoint(point);
}

void TMouse::SetCursorPos(TPoint point) {
    ::SetCursorPos(point.X, point.Y);
}

HWND TMouse::Capture() const {
    return GetCapture();
}

void TMouse::SetCapture(HWND window) {
    if (window) {
        ::SetCapture(window);
    } else {
        ReleaseCapture();
    }
}

TMouse& Mouse() {
    static TMouse mouse;
    return mouse;
}

TControl* CaptureControl() {
    TWinControl* holder = FindControl(GetCapture());
    if (holder && GraphicCaptureControl && GraphicCaptureControl->Parent() == holder) {
        return GraphicCaptureControl;
    }
    return holder;
}

void SetCaptureControl(TControl* control) {
    GraphicCaptureControl = nullptr;
    if (!control) {
        ReleaseCapture();
        return;
    }
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) {
        if (!control->Parent()) {
            return;
        }
        windowed = control->Parent();
    }
    ::SetCapture(windowed->Handle());
    if (windowed != control) {
        GraphicCaptureControl = control;
    }
}

TControl* MouseControl() {
    return PointerControl;
}

// The pointer is moved on before the messages go out, so a handler that asks sees the new control.
void SetMouseControl(TControl* control) {
    if (control == PointerControl) {
        return;
    }
    TControl* previous = PointerControl;
    PointerControl = control;
    if (previous) {
        previous->Perform(CM_MOUSELEAVE);
    }
    if (control && PointerControl == control) {
        control->Perform(CM_MOUSEENTER);
    }
}

TWinControl* FindVCLWindow(TPoint screenPoint) {
    HWND window = WindowFromPoint(POINT{screenPoint.X, screenPoint.Y});
    while (window) {
        if (TWinControl* control = FindControl(window)) {
            return control;
        }
        window = GetParent(window);
    }
    return nullptr;
}

TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled) {
    TWinControl* window = FindVCLWindow(screenPoint);
    if (!window) {
        return nullptr;
    }
    TControl* graphic = window->ControlAtPos(window->ScreenToClient(screenPoint), allowDisabled);
    return graphic ? graphic : window;
}

void ControlDestroyed(TControl* control) {
    if (GraphicCaptureControl == control) {
        GraphicCaptureControl = nullptr;
    }
    if (PointerControl == control) {
        PointerControl = nullptr;
    }
}

} // namespace vcl
