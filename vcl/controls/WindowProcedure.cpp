#include "vcl/controls/WindowProcedure.h"

#include "rtl/core/Exceptions.h"
#include "vcl/controls/WinControl.h"
#include "vcl/system/ExceptionHook.h"
#include "vcl/system/Win32.h"

#include <mutex>
#include <unordered_map>
#include <utility>

namespace vcl {

namespace {

thread_local TWinControl* CreationControl = nullptr;

// The control of each of this process's control windows. Not a window property: under Wine those live in the window
// server, and reading one on every message made each message cost a round trip to it.
struct TWindowControls {
    std::mutex Lock;
    std::unordered_map<HWND, TWinControl*> Controls;
};

// Never destroyed: a window may still get messages while the process's statics are torn down.
TWindowControls& WindowControls() {
    static auto* controls = new TWindowControls;
    return *controls;
}

TWinControl* BoundControl(HWND window) {
    TWindowControls& controls = WindowControls();
    const std::lock_guard<std::mutex> guard(controls.Lock);
    const auto found = controls.Controls.find(window);
    return found != controls.Controls.end() ? found->second : nullptr;
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = BoundControl(window);
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
    return window ? BoundControl(window) : nullptr;
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
    {
        TWindowControls& controls = WindowControls();
        const std::lock_guard<std::mutex> guard(controls.Lock);
        controls.Controls[window] = control;
    }
    control->FHandle = window;
}

void UnbindWindowFromControl(HWND window, TWinControl* control) {
    {
        TWindowControls& controls = WindowControls();
        const std::lock_guard<std::mutex> guard(controls.Lock);
        controls.Controls.erase(window);
    }
    if (control && control->FHandle == window) {
        control->FHandle = nullptr;
        control->FShowing = false;
    }
}

} // namespace vcl
