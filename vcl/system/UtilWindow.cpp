#include "vcl/system/UtilWindow.h"

#include "rtl/core/Exceptions.h"
#include "vcl/system/ExceptionHook.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

constexpr wchar_t UtilWindowClassName[] = L"TUtilWindow";

// The method of one hidden window, kept until the window is deallocated and no call of the method is running.
struct TUtilWindowBinding {
    TWndMethod Method;
    int CallDepth = 0;
    bool Deallocated = false;
};

LRESULT CALLBACK UtilWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* binding = reinterpret_cast<TUtilWindowBinding*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!binding) {
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    ++binding->CallDepth;
    try {
        binding->Method(message);
    } catch (...) {
        HandleCurrentException(nullptr);
    }
    if (--binding->CallDepth == 0 && binding->Deallocated) {
        delete binding;
    }
    return message.Result;
}

void RegisterUtilWindowClass(HINSTANCE instance) {
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, UtilWindowClassName, &existing)) {
        return;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = UtilWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = UtilWindowClassName;
    RegisterClassW(&windowClass);
}

} // namespace

HWND AllocateHWnd(TWndMethod method) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterUtilWindowClass(instance);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, UtilWindowClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, nullptr);
    if (!window) {
        throw rtl::EOSError(u"Cannot create a hidden window");
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TUtilWindowBinding{std::move(method)}));
    return window;
}

void DeallocateHWnd(HWND window) {
    if (!window) {
        return;
    }
    auto* binding = reinterpret_cast<TUtilWindowBinding*>(SetWindowLongPtrW(window, GWLP_USERDATA, 0));
    DestroyWindow(window);
    if (!binding) {
        return;
    }
    if (binding->CallDepth > 0) {
        binding->Deallocated = true;
    } else {
        delete binding;
    }
}

bool IsAllocatedHWnd(HWND window) {
    return window && GetWindowLongPtrW(window, GWLP_USERDATA) != 0 &&
           GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(UtilWindowProc);
}

} // namespace vcl
