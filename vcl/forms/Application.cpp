#include "vcl/forms/Application.h"

#include "rtl/core/Exceptions.h"
#include "vcl/controls/ControlCanvas.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/forms/Form.h"
#include "vcl/forms/MessageBoxSeam.h"
#include "vcl/forms/Screen.h"
#include "vcl/system/ExceptionHook.h"
#include "vcl/system/UtilWindow.h"
#include "vcl/system/Win32.h"

namespace vcl {

TApplication& Application() {
    static TApplication application(nullptr);
    return application;
}

// The screen is made first, so that it outlives the application, whose forms leave the screen's list as they go.
TApplication::TApplication(rtl::TComponent* owner) : TComponent(owner), FHints(std::make_unique<THintController>()) {
    Screen();
    SetExceptionHandler([this](rtl::TObject* sender, std::exception_ptr error) { HandleException(sender, error); });
}

TApplication::~TApplication() {
    SetExceptionHandler({});
    FHints.reset();
    DestroyComponents();
    DeallocateHWnd(FHandle);
}

void TApplication::Initialize() {
    Handle();
}

HWND TApplication::Handle() {
    if (!FHandle) {
        FHandle = AllocateHWnd([this](TMessage& message) { WndProc(message); });
        SetWindowTextW(FHandle, AsWide(FTitle.c_str()));
    }
    return FHandle;
}

void TApplication::SetTitle(rtl::UnicodeStringView value) {
    FTitle = value;
    if (FHandle) {
        SetWindowTextW(FHandle, AsWide(FTitle.c_str()));
    }
}

TCustomForm* TApplication::CreateForm(const rtl::TMetaclass& formClass) {
    auto* form = dynamic_cast<TCustomForm*>(TComponent::Create(formClass, this));
    if (!form) {
        throw rtl::EInvalidCast(u"Invalid class typecast");
    }
    if (!FMainForm) {
        FMainForm = form;
        form->FreeNotification(this);
    }
    return form;
}

void TApplication::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FMainForm) {
        FMainForm = nullptr;
    }
}

void TApplication::Run() {
    if (FMainForm && FShowMainForm) {
        FMainForm->Show();
    }
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this, std::current_exception());
        }
    }
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::HandleMessage() {
    if (!ProcessMessage() && DoIdle()) {
        WaitMessage();
    }
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

bool TApplication::ProcessMessage() {
    MSG msg{};
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    FHints->MessageArrived(msg.message);
    if (!IsKeyMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

// Before Windows translates a key, the control it is for (or the nearest control around a foreign child window, or
// the one holding the capture, which may be a hidden window of the framework: the drag's) hears it as a CN_ message;
// a non-zero answer takes the key away.
bool TApplication::IsKeyMessage(const tagMSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) {
        return false;
    }
    HWND target = GetCapture();
    if (!target) {
        target = msg.hwnd;
        while (target && !FindControl(target) && (GetWindowLongW(target, GWL_STYLE) & WS_CHILD)) {
            target = GetParent(target);
        }
    }
    if (!FindControl(target) && !IsAllocatedHWnd(target)) {
        return false;
    }
    return SendMessageW(target, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::DoIdle() {
    UpdateMouseControl();
    FreeDeviceContexts();
    bool done = true;
    try {
        if (FOnIdle) {
            FOnIdle(this, done);
        }
    } catch (...) {
        HandleException(this, std::current_exception());
    }
    return done;
}

namespace {

bool IsAbort(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const rtl::EAbort&) {
        return true;
    } catch (...) {
        return false;
    }
}

// The hint of a control, or of its nearest parent that has one.
rtl::UnicodeString HintOf(const TControl* control) {
    while (control && control->Hint().empty()) {
        control = control->Parent();
    }
    return control ? control->Hint() : rtl::UnicodeString();
}

} // namespace

// While a control holds the capture it keeps the mouse; otherwise the control under the pointer takes it.
void TApplication::UpdateMouseControl() {
    if (!CaptureControl()) {
        SetMouseControl(FindDragTarget(Mouse().CursorPos(), false));
    }
    SetHint(GetLongHint(HintOf(MouseControl())));
    FHints->MouseControlChanged(MouseControl());
}

void TApplication::SetHint(rtl::UnicodeStringView value) {
    if (value == FHint) {
        return;
    }
    FHint = value;
    if (FOnHint) {
        FOnHint(this);
    }
}

void TApplication::HandleException(rtl::TObject* sender, std::exception_ptr error) {
    if (HWND capture = GetCapture()) {
        SendMessageW(capture, WM_CANCELMODE, 0, 0);
    }
    if (FOnException) {
        FOnException(sender, error);
    } else {
        ShowException(error);
    }
}

void TApplication::ShowException(std::exception_ptr error) {
    if (IsAbort(error)) {
        return;
    }
    rtl::UnicodeString text = ExceptionMessage(error);
    if (!text.empty() && text.back() > u'.') {
        text += u'.';
    }
    MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

int32_t TApplication::MessageBox(rtl::UnicodeStringView text, rtl::UnicodeStringView caption, uint32_t flags) {
    int32_t answer = 0;
    RunTaskModal([&](HWND owner) { answer = MessageBoxPresenter().ShowMessageBox(owner, text, caption, flags); });
    return answer;
}

void TApplication::RunTaskModal(const std::function<void(HWND owner)>& show) {
    HWND active = GetActiveWindow();
    const std::vector<HWND> disabled = DisableTaskWindows(nullptr);
    try {
        show(active ? active : Handle());
    } catch (...) {
        EnableTaskWindows(disabled);
        throw;
    }
    EnableTaskWindows(disabled);
    if (active && IsWindow(active)) {
        SetActiveWindow(active);
    }
}

void TApplication::SetActive(bool value) {
    if (value == FActive) {
        return;
    }
    FActive = value;
    const rtl::TNotifyEvent& handler = value ? FOnActivate : FOnDeactivate;
    if (handler) {
        handler(this);
    }
}

void TApplication::NotifyForms(uint32_t msg) {
    for (int32_t i = Screen().FormCount() - 1; i >= 0; --i) {
        if (i < Screen().FormCount()) {
            Screen().Forms(i)->Perform(msg);
        }
    }
}

void TApplication::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ACTIVATEAPP:
        SetActive(message.WParam != 0);
        break;
    case WM_SETTINGCHANGE:
        Mouse().SettingChanged();
        NotifyForms(CM_WININICHANGE);
        break;
    case WM_SYSCOLORCHANGE:
        NotifyForms(CM_SYSCOLORCHANGE);
        break;
    case WM_CLOSE:
        if (FMainForm) {
            FMainForm->Close();
        }
        return;
    default:
        break;
    }
    message.Result = DefWindowProcW(FHandle, message.Msg, message.WParam, message.LParam);
}

namespace {

struct TTaskWindowScan {
    HWND Keep;
    std::vector<HWND> Disabled;
};

BOOL CALLBACK DisableTaskWindow(HWND window, LPARAM scan) {
    auto& state = *reinterpret_cast<TTaskWindowScan*>(scan);
    if (window != state.Keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state.Disabled.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> DisableTaskWindows(HWND keep) {
    TTaskWindowScan scan{keep, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, reinterpret_cast<LPARAM>(&scan));
    return scan.Disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows) {
    for (HWND window : windows) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
}

rtl::UnicodeString GetShortHint(rtl::UnicodeStringView hint) {
    const size_t bar = hint.find(u'|');
    return rtl::UnicodeString(bar == rtl::UnicodeStringView::npos ? hint : hint.substr(0, bar));
}

rtl::UnicodeString GetLongHint(rtl::UnicodeStringView hint) {
    const size_t bar = hint.find(u'|');
    return rtl::UnicodeString(bar == rtl::UnicodeStringView::npos ? hint : hint.substr(bar + 1));
}

} // namespace vcl
