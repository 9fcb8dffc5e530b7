#include "tests/support/ui/SyntheticInput.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "vcl/controls/WinControl.h"

namespace ui_test {

namespace {

// The window a control's mouse messages go to, and the point in that window's client coordinates. While a window
// of the thread holds the capture, Windows gives it every mouse message, in its own coordinates.
struct TMouseTarget {
    HWND Window = nullptr;
    vcl::TPoint Point;
};

TMouseTarget MouseTargetOf(vcl::TControl& control, vcl::TPoint point) {
    if (HWND capture = GetCapture()) {
        const vcl::TPoint screen = control.ClientToScreen(point);
        POINT inCapture{screen.X, screen.Y};
        ScreenToClient(capture, &inCapture);
        return {capture, {inCapture.x, inCapture.y}};
    }
    if (auto* windowed = dynamic_cast<vcl::TWinControl*>(&control)) {
        return {windowed->Handle(), point};
    }
    return {control.Parent()->Handle(), {point.X + control.Left(), point.Y + control.Top()}};
}

// The keyboard state of the shift keys and mouse buttons, as the messages being posted describe them.
void SetShiftKeys(vcl::TShiftState shift) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    const struct {
        int VirtualKey;
        vcl::TShiftStateFlag Flag;
    } keys[] = {{VK_SHIFT, vcl::ssShift},  {VK_CONTROL, vcl::ssCtrl},  {VK_MENU, vcl::ssAlt},
                {VK_LBUTTON, vcl::ssLeft}, {VK_RBUTTON, vcl::ssRight}, {VK_MBUTTON, vcl::ssMiddle}};
    for (const auto& key : keys) {
        state[key.VirtualKey] = shift.Contains(key.Flag) ? 0x80 : 0;
    }
    SetKeyboardState(state);
}

WPARAM MouseKeys(vcl::TShiftState shift) {
    WPARAM keys = 0;
    keys |= shift.Contains(vcl::ssShift) ? MK_SHIFT : 0;
    keys |= shift.Contains(vcl::ssCtrl) ? MK_CONTROL : 0;
    keys |= shift.Contains(vcl::ssLeft) ? MK_LBUTTON : 0;
    keys |= shift.Contains(vcl::ssRight) ? MK_RBUTTON : 0;
    keys |= shift.Contains(vcl::ssMiddle) ? MK_MBUTTON : 0;
    return keys;
}

vcl::TShiftStateFlag ButtonFlag(vcl::TMouseButton button) {
    return button == vcl::mbLeft ? vcl::ssLeft : button == vcl::mbRight ? vcl::ssRight : vcl::ssMiddle;
}

void PostMouse(vcl::TControl& control, UINT msg, vcl::TPoint point, vcl::TShiftState shift) {
    const TMouseTarget target = MouseTargetOf(control, point);
    const vcl::TPoint screen = control.ClientToScreen(point);
    SetCursorPos(screen.X, screen.Y);
    SetShiftKeys(shift);
    PostMessageW(target.Window, msg, MouseKeys(shift), vcl::PointToLParam(target.Point));
    ProcessPendingMessages();
}

UINT ButtonMessage(vcl::TMouseButton button, bool down, bool doubleClick) {
    const UINT downs[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    const UINT ups[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
    const UINT doubles[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
    return down ? (doubleClick ? doubles : downs)[button] : ups[button];
}

// The lParam of a key message: repeat count 1, the scan code, Alt (context code) and the transition flags.
LPARAM KeyData(uint16_t virtualKey, bool down, bool alt) {
    LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16);
    if (alt) {
        data |= 1 << 29;
    }
    if (!down) {
        data |= static_cast<LPARAM>(3) << 30;
    }
    return data;
}

void PostKey(uint16_t virtualKey, vcl::TShiftState shift, bool down) {
    SetShiftKeys(shift);
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[virtualKey] = down ? 0x80 : 0;
    SetKeyboardState(state);
    const bool alt = shift.Contains(vcl::ssAlt);
    const UINT msg = alt ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    PostMessageW(GetFocus(), msg, virtualKey, KeyData(virtualKey, down, alt));
    ProcessPendingMessages();
}

} // namespace

void MouseMove(vcl::TControl& control, vcl::TPoint point, vcl::TShiftState shift) {
    PostMouse(control, WM_MOUSEMOVE, point, shift);
}

void MouseDown(vcl::TControl& control, vcl::TMouseButton button, vcl::TPoint point, vcl::TShiftState shift) {
    PostMouse(control, ButtonMessage(button, true, false), point, shift + vcl::TShiftState{ButtonFlag(button)});
}

void MouseUp(vcl::TControl& control, vcl::TMouseButton button, vcl::TPoint point, vcl::TShiftState shift) {
    PostMouse(control, ButtonMessage(button, false, false), point, shift - vcl::TShiftState{ButtonFlag(button)});
}

void Click(vcl::TControl& control, vcl::TPoint point) {
    MouseDown(control, vcl::mbLeft, point);
    MouseUp(control, vcl::mbLeft, point);
}

void DoubleClick(vcl::TControl& control, vcl::TPoint point) {
    Click(control, point);
    PostMouse(control, ButtonMessage(vcl::mbLeft, true, true), point, {vcl::ssLeft});
    MouseUp(control, vcl::mbLeft, point);
}

void MouseWheel(vcl::TControl& control, int delta, vcl::TPoint point, vcl::TShiftState shift) {
    const vcl::TPoint screen = control.ClientToScreen(point);
    SetCursorPos(screen.X, screen.Y);
    SetShiftKeys(shift);
    const WPARAM wParam = MAKEWPARAM(MouseKeys(shift), static_cast<WORD>(static_cast<int16_t>(delta)));
    PostMessageW(GetFocus(), WM_MOUSEWHEEL, wParam, vcl::PointToLParam(screen));
    ProcessPendingMessages();
}

void KeyDown(uint16_t virtualKey, vcl::TShiftState shift) {
    PostKey(virtualKey, shift, true);
}

void KeyUp(uint16_t virtualKey, vcl::TShiftState shift) {
    PostKey(virtualKey, shift, false);
    SetShiftKeys({});
}

void PressKey(uint16_t virtualKey, vcl::TShiftState shift) {
    KeyDown(virtualKey, shift);
    KeyUp(virtualKey, shift);
}

void TypeText(const char16_t* text) {
    for (; *text; ++text) {
        PostMessageW(GetFocus(), WM_CHAR, *text, 1);
    }
    ProcessPendingMessages();
}

} // namespace ui_test
