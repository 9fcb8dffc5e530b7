#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/data/locale/uiSystemChangeWindow.h"

#include <cwchar>

namespace ui {

namespace {

constexpr wchar_t SystemChangeWindowClass[] = L"TallyvaneSystemChangeWindow";
constexpr wchar_t RegionalSettingsArea[] = L"intl";

// A top-level window that is never shown: message-only windows do not receive broadcasts.
class TuiWindowsSystemChangeWindow final : public TuiSystemChangeWindow {
public:
    explicit TuiWindowsSystemChangeWindow(TuiSystemChangeSink& sink) : FSink(sink) {
        RegisterWindowClass();
        FHandle = CreateWindowExW(0, SystemChangeWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), this);
        if (!FHandle) {
            throw rtl::EOSError(u"The window for system change notices could not be created");
        }
    }

    ~TuiWindowsSystemChangeWindow() override { DestroyWindow(FHandle); }

    void* NativeHandle() const override { return FHandle; }

private:
    static void RegisterWindowClass() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &TuiWindowsSystemChangeWindow::WindowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = SystemChangeWindowClass;
        // Registering again fails harmlessly with ERROR_CLASS_ALREADY_EXISTS.
        RegisterClassExW(&windowClass);
    }

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<TuiWindowsSystemChangeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && self->Handles(message, wParam, lParam)) {
            // The sink may destroy this window while it runs: nothing of it is touched afterwards.
            Deliver(self->FSink, message);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    // A settings change often comes without an area (lParam 0); only the regional settings' area counts.
    static bool Handles(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_TIMECHANGE) {
            return true;
        }
        return message == WM_SETTINGCHANGE && wParam == 0 && lParam != 0 &&
               std::wcscmp(reinterpret_cast<const wchar_t*>(lParam), RegionalSettingsArea) == 0;
    }

    static void Deliver(TuiSystemChangeSink& sink, UINT message) {
        try {
            if (message == WM_TIMECHANGE) {
                sink.SystemTimeChanged();
            } else {
                sink.RegionalSettingsChanged();
            }
        } catch (...) {
            sink.HandleNoticeException(std::current_exception());
        }
    }

    TuiSystemChangeSink& FSink;
    HWND FHandle = nullptr;
};

} // namespace

std::unique_ptr<TuiSystemChangeWindow> CreateSystemChangeWindow(TuiSystemChangeSink& sink) {
    return std::make_unique<TuiWindowsSystemChangeWindow>(sink);
}

} // namespace ui
