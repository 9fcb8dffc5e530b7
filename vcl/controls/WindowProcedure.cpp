#include "vcl/controls/WindowProcedure.h"

#include "rtl/core/Exceptions.h"
#include "vcl/controls/WinControl.h"
#include "vcl/system/ExceptionHook.h"
#include "vcl/system/Win32.h"

#include <string>
#include <utility>

namespace vcl {

namespace {

thread_local TWinControl* CreationControl = nullptr;

// The window property that holds a window's control. Its name carries the process, as the atom is global.
ATOM ControlPropertyAtom() {
    static const ATOM atom = [] {
        const std::wstring name = L"TallyvaneControl" + std::to_wstring(GetCurrentProcessId());
        return GlobalAddAtomW(name.c_str());
    }();
    return atom;
}

const wchar_t* ControlProperty() {
    return MAKEINTATOM(ControlPropertyAtom());
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<TWinControl*>(GetPropW(window, ControlProperty()));
    if (!control) {
        control = std::exchange(CreationControl, nullptr);
        if (!control) {
            return DefWindowProcW(window, msg, wParam, lParam);
        }
        BindWindowToControl(window, control);
    }
    TMessage message{msg, wParam, lParam, 0};
    const TControlLink link(control);
    try {
        control->WndProc(message);
    } catch (...) {
        HandleCurrentException(link.Alive() ? control : nullptr);
    }
    if (msg == WM_NCDESTROY) {
        UnbindWindowFromControl(window, link.Alive() ? control : nullptr);
    }
    return message.Result;
}

} // namespace

TWinControl* FindControl(HWND window) {
    if (!window) {
        return nullptr;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != GetCurrentProcessId()) {
        return nullptr;
    }
    return static_cast<TWinControl*>(GetPropW(window, ControlProperty()));
}

void RegisterControlWindowClass(const TCreateParams& params) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const wchar_t* name = AsWide(params.WinClassName.c_str());
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, name, &existing)) {
        if (existing.lpfnWndProc == ControlWindowProc) {
            return;
        }
        UnregisterClassW(name, instance);
    }
    WNDCLASSW windowClass{};
    windowClass.style = params.WindowClass.Style;
    windowClass.lpfnWndProc = ControlWindowProc;
    windowClass.cbClsExtra = params.WindowClass.ClassExtraBytes;
    windowClass.cbWndExtra = params.WindowClass.WindowExtraBytes;
    windowClass.hInstance = instance;
    windowClass.hIcon = params.WindowClass.Icon;
    windowClass.hCursor = params.WindowClass.Cursor;
    windowClass.hbrBackground = params.WindowClass.Background;
    windowClass.lpszClassName = name;
    if (!RegisterClassW(&windowClass)) {
        throw rtl::EOSError(VclMessages::WindowCreateError);
    }
}

void SetCreationControl(TWinControl* control) {
    CreationControl = control;
}

void BindWindowToControl(HWND window, TWinControl* control) {
    SetPropW(window, ControlProperty(), control);
    control->FHandle = window;
}

void UnbindWindowFromControl(HWND window, TWinControl* control) {
    RemovePropW(window, ControlProperty());
    if (control && control->FHandle == window) {
        control->FHandle = nullptr;
        control->FShowing = false;
    }
}

} // namespace vcl
