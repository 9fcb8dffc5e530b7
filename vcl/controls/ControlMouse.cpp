// TControl: mouse presses, clicks, moves, the wheel, the context popup, capture and the mouse entering or leaving.

#include "vcl/controls/Control.h"
#include "vcl/controls/FormRoot.h"
#include "vcl/controls/WinControl.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/menus/Menus.h"
#include "vcl/system/Win32.h"

#include <cstdlib>

namespace vcl {

namespace {

constexpr int32_t LargestMessageCoordinate = 32768;

} // namespace

// Mouse messages carry 16-bit coordinates: past them the cursor position is the only source.
TPoint TControl::MousePointOf(const TMessage& message) const {
    if (FWidth > LargestMessageCoordinate || FHeight > LargestMessageCoordinate) {
        return ScreenToClient(Mouse().CursorPos());
    }
    return MessagePoint(message.LParam);
}

void TControl::WMMouseButtonDown(TMessage& message, TMouseButton button, bool doubleClick) {
    const TControlLink link(this);
    DefaultHandler(message);
    if (!link.Alive()) {
        return;
    }
    if (FControlStyle.Contains(csCaptureMouse)) {
        SetMouseCapture(true);
    }
    if (button == mbLeft && FControlStyle.Contains(csClickEvents)) {
        if (doubleClick) {
            DblClick();
            if (!link.Alive()) {
                return;
            }
        } else {
            FControlState.Include(csClicked);
        }
    }
    if (FControlStyle.Contains(csNoStdEvents)) {
        return;
    }
    TShiftState shift = KeysToShiftState(static_cast<uint32_t>(message.WParam));
    if (doubleClick) {
        shift.Include(ssDouble);
    }
    const TPoint point = MousePointOf(message);
    MouseDown(button, shift, point.X, point.Y);
}

void TControl::WMMouseButtonUp(TMessage& message, TMouseButton button) {
    const TControlLink link(this);
    DefaultHandler(message);
    if (!link.Alive()) {
        return;
    }
    if (FControlStyle.Contains(csCaptureMouse)) {
        SetMouseCapture(false);
    }
    const TPoint point = MousePointOf(message);
    if (button == mbLeft && FControlState.Contains(csClicked)) {
        FControlState.Exclude(csClicked);
        if (GetClientRect().Contains(point)) {
            Click();
            if (!link.Alive()) {
                return;
            }
        }
    }
    if (!FControlStyle.Contains(csNoStdEvents)) {
        MouseUp(button, KeysToShiftState(static_cast<uint32_t>(message.WParam)), point.X, point.Y);
    }
}

void TControl::WMMouseMove(TMessage& message) {
    const TControlLink link(this);
    DefaultHandler(message);
    if (!link.Alive() || FControlStyle.Contains(csNoStdEvents)) {
        return;
    }
    const TPoint point = MousePointOf(message);
    MouseMove(KeysToShiftState(static_cast<uint32_t>(message.WParam)), point.X, point.Y);
}

void TControl::Click() {
    if (FOnClick) {
        FOnClick(this);
    }
}

void TControl::DblClick() {
    if (FOnDblClick) {
        FOnDblClick(this);
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (FOnMouseDown) {
        FOnMouseDown(this, button, shift, x, y);
    }
}

void TControl::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (FOnMouseMove) {
        FOnMouseMove(this, shift, x, y);
    }
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (FOnMouseUp) {
        FOnMouseUp(this, button, shift, x, y);
    }
}

void TControl::MouseWheelHandler(TMessage& message) {
    TFormRoot* form = ParentFormRoot(this);
    if (form && form != this) {
        static_cast<TControl*>(form)->MouseWheelHandler(message);
    } else {
        message.Result = Perform(CM_MOUSEWHEEL, message.WParam, message.LParam);
    }
}

// Not handled here, the wheel goes on to the parent.
void TControl::CMMouseWheel(TMessage& message) {
    const TShiftState shift = KeysToShiftState(LoWord(message.WParam));
    const auto delta = static_cast<int16_t>(HiWord(message.WParam));
    const TControlLink link(this);
    if (DoMouseWheel(shift, delta, MessagePoint(message.LParam))) {
        message.Result = 1;
    } else if (link.Alive() && FParent) {
        message.Result = FParent->Perform(CM_MOUSEWHEEL, message.WParam, message.LParam);
    }
}

// Notches of the wheel add up: a delta smaller than one notch scrolls once the next ones complete it.
bool TControl::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) {
    bool handled = false;
    if (FOnMouseWheel) {
        FOnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    }
    if (handled) {
        return true;
    }
    const TControlLink link(this);
    FWheelAccumulator += wheelDelta;
    while (link.Alive() && std::abs(FWheelAccumulator) >= WHEEL_DELTA) {
        if (FWheelAccumulator < 0) {
            FWheelAccumulator += WHEEL_DELTA;
            handled = DoMouseWheelDown(shift, mousePos);
        } else {
            FWheelAccumulator -= WHEEL_DELTA;
            handled = DoMouseWheelUp(shift, mousePos);
        }
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (FOnMouseWheelDown) {
        FOnMouseWheelDown(this, shift, mousePos, handled);
    }
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (FOnMouseWheelUp) {
        FOnMouseWheelUp(this, shift, mousePos, handled);
    }
    return handled;
}

// The point (-1, -1) comes from the keyboard (Shift+F10, the menu key). A popup not handled here goes on to the
// parent window (DefWindowProc passes WM_CONTEXTMENU up).
void TControl::WMContextMenu(TMessage& message) {
    if (message.Result != 0) {
        return;
    }
    const TPoint screenPoint = MessagePoint(message.LParam);
    const bool fromKeyboard = screenPoint == TPoint{-1, -1};
    const TPoint clientPoint = fromKeyboard ? screenPoint : ScreenToClient(screenPoint);
    if (!fromKeyboard && !GetClientRect().Contains(clientPoint)) {
        DefaultHandler(message);
        return;
    }
    const TControlLink link(this);
    bool handled = false;
    DoContextPopup(clientPoint, handled);
    message.Result = handled ? 1 : 0;
    if (!handled && link.Alive()) {
        DefaultHandler(message);
    }
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) {
    const TControlLink link(this);
    if (FOnContextPopup) {
        FOnContextPopup(this, mousePos, handled);
    }
    if (handled || !link.Alive()) {
        return;
    }
    TPopupMenu* menu = GetPopupMenu();
    if (!menu || !menu->AutoPopup()) {
        return;
    }
    // From the keyboard the menu opens at the client area's corner.
    const TPoint screen = ClientToScreen(mousePos == TPoint{-1, -1} ? TPoint{0, 0} : mousePos);
    menu->SetPopupComponent(this);
    menu->Popup(screen.X, screen.Y);
    handled = true;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (menu == FPopupMenu) {
        return;
    }
    if (FPopupMenu) {
        FPopupMenu->RemoveFreeNotification(this);
    }
    FPopupMenu = menu;
    if (menu) {
        menu->FreeNotification(this);
    }
}

void TControl::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FPopupMenu) {
        FPopupMenu = nullptr;
    }
}

// The parent hears of the mouse entering or leaving each of its children, with the child in LParam.
void TControl::CMMouseEnterLeave(TMessage& message) {
    if (FParent) {
        FParent->Perform(message.Msg, 0, message.LParam ? message.LParam : reinterpret_cast<intptr_t>(this));
    }
}

bool TControl::MouseCapture() const {
    return CaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
    if (value != MouseCapture()) {
        SetCaptureControl(value ? this : nullptr);
    }
}

} // namespace vcl
