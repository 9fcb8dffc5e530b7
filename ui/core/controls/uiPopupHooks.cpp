// The shown-popup list, popup-activation tracking, the thread hooks and the outside-click rule.

#include "ui/core/controls/uiPopupHooks.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/controls/uiContainer.h"
#include "ui/core/controls/uiControlQueries.h"
#include "ui/core/controls/uiCustomPopupWindow.h"
#include "ui/core/controls/uiWindowRoutines.h"
#include "vcl/controls/WinControl.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

struct TPopupHookState {
    std::vector<TuiCustomPopupWindow*> Shown;
    int32_t ActivationTracking = 0;
    int32_t BeingShown = 0;
    HHOOK WindowProcedureHook = nullptr;
    HHOOK MessageHook = nullptr;
    HHOOK MouseHook = nullptr;
};

TPopupHookState& PopupHookState() {
    static TPopupHookState state;
    return state;
}

using TPopupList = std::vector<TuiCustomPopupWindow*>;

bool Contains(const TPopupList& list, const TuiCustomPopupWindow* popup) {
    return std::find(list.begin(), list.end(), popup) != list.end();
}

// The first shown popup not handled yet in this walk that the test picks, or nullptr; the walk restarts from the
// start of the list each time because closing a popup changes the list, and ends because each is taken once.
template <class TTest>
TuiCustomPopupWindow* NextUnhandled(TPopupList& handled, TTest test) {
    for (TuiCustomPopupWindow* popup : PopupHookState().Shown) {
        if (!Contains(handled, popup) && test(popup)) {
            handled.push_back(popup);
            return popup;
        }
    }
    return nullptr;
}

HWND ControlWindow(const vcl::TControl* control) {
    if (const auto* window = dynamic_cast<const vcl::TWinControl*>(control)) {
        return window->WindowHandle();
    }
    return control && control->Parent() ? control->Parent()->WindowHandle() : nullptr;
}

vcl::TCustomForm* OwnerFormOf(const TuiCustomPopupWindow* popup) {
    return popup->OwnerControl() ? vcl::GetParentForm(popup->OwnerControl()) : nullptr;
}

bool PopupHasWindow(const TuiCustomPopupWindow* popup, HWND window) {
    return popup->HandleAllocated() && window == popup->WindowHandle();
}

bool IsControlGoing(const vcl::TControl* control) {
    return control->ComponentState().Contains(rtl::TComponentState::csDestroying);
}

void CloseUpAsShowing(TuiCustomPopupWindow* popup) {
    const TuiPopupClosingScope closing(*popup);
    SetPopupBeingShown(true);
    try {
        popup->CloseUp();
    } catch (...) {
        SetPopupBeingShown(false);
        throw;
    }
    SetPopupBeingShown(false);
}

// Closes first and every popup shown after it, the last first. A popup that closing another took along is skipped.
void ClosePopupsFrom(TuiCustomPopupWindow* first) {
    const TPopupList& shown = PopupHookState().Shown;
    const TPopupList later(std::find(shown.begin(), shown.end(), first), shown.end());
    for (auto popup = later.rbegin(); popup != later.rend(); ++popup) {
        if (IsShownPopup(*popup)) {
            (*popup)->CloseUp();
        }
    }
}

// An owner hidden, by ShowWindow or SetWindowPos, takes its popup and every popup shown after it along.
void CloseOwnedPopupsOfHiddenWindow(HWND window) {
    const TPopupList& shown = PopupHookState().Shown;
    const auto first = std::find_if(shown.begin(), shown.end(), [window](TuiCustomPopupWindow* popup) {
        return ControlWindow(popup->OwnerControl()) == window;
    });
    if (first != shown.end()) {
        ClosePopupsFrom(*first);
    }
}

void OnPopupWindowClose(HWND window) {
    for (TuiCustomPopupWindow* popup : TPopupList(PopupHookState().Shown)) {
        if (!Contains(PopupHookState().Shown, popup)) {
            continue;
        }
        if (PopupHasWindow(popup, window)) {
            const vcl::TControlLink link(popup);
            if (!popup->CloseQuery() || !link.Alive()) {
                return;
            }
            popup->CloseUp();
            // Alt+F4 in a popup that has the focus closes the form it opened from.
            vcl::TControl* owner = popup->OwnerControl();
            if (link.Alive() && !popup->IsShown() && popup->CaptureFocus() && owner && !IsControlGoing(owner)) {
                if (const HWND ownerForm = FindNonChildAncestorWindow(ControlWindow(owner))) {
                    SendMessageW(ownerForm, WM_CLOSE, 0, 0);
                }
            }
            return;
        }
        vcl::TCustomForm* ownerForm = OwnerFormOf(popup);
        if (!popup->CaptureFocus() && ownerForm &&
            (!ownerForm->HandleAllocated() || ownerForm->WindowHandle() == window)) {
            popup->CloseUp();
        }
    }
}

// A container whose popup closes shows its focus state again: no window of it hears of the change.
void CloseUpTellingContainerOwner(TuiCustomPopupWindow* popup) {
    auto* container = dynamic_cast<TuiContainer*>(popup->OwnerControl());
    if (container == nullptr) {
        popup->CloseUp();
        return;
    }
    const vcl::TControlLink link(container);
    popup->CloseUp();
    if (link.Alive() && !IsControlGoing(container)) {
        container->NotifyFocusChanged();
    }
}

void OnApplicationDeactivated() {
    for (TuiCustomPopupWindow* popup : PopupHookState().Shown) {
        if (vcl::TCustomForm* ownerForm = OwnerFormOf(popup); ownerForm && ownerForm->HandleAllocated()) {
            PostMessageW(ownerForm->WindowHandle(), WM_NCACTIVATE, FALSE, 0);
        }
    }
    TPopupList handled;
    while (TuiCustomPopupWindow* popup = NextUnhandled(handled, [](TuiCustomPopupWindow* candidate) {
               return candidate->HandleAllocated() && IsWindowEnabled(candidate->WindowHandle()) &&
                      (!candidate->CaptureFocus() || !candidate->Active());
           })) {
        CloseUpTellingContainerOwner(popup);
    }
}

void WatchWindowProcedure(const CWPSTRUCT& call) {
    TPopupHookState& state = PopupHookState();
    if ((call.message == vcl::CM_ACTIVATE || call.message == vcl::CM_DEACTIVATE) && IsPopupActivationTracked()) {
        SwallowNextMessage(call.hwnd);
        return;
    }
    if (state.Shown.empty()) {
        return;
    }
    switch (call.message) {
    case WM_DESTROY: {
        TPopupList handled;
        while (TuiCustomPopupWindow* popup = NextUnhandled(handled, [&call](TuiCustomPopupWindow* candidate) {
                   return PopupHasWindow(candidate, call.hwnd);
               })) {
            popup->CloseUp();
        }
        break;
    }
    case WM_CLOSE:
        OnPopupWindowClose(call.hwnd);
        break;
    case WM_SHOWWINDOW:
        if (call.wParam == 0) {
            CloseOwnedPopupsOfHiddenWindow(call.hwnd);
        }
        break;
    case WM_ACTIVATEAPP:
        if (call.wParam == 0) {
            OnApplicationDeactivated();
        }
        break;
    case WM_WINDOWPOSCHANGED:
        if (!IsWindowVisible(call.hwnd)) {
            CloseOwnedPopupsOfHiddenWindow(call.hwnd);
        }
        break;
    case WM_NCACTIVATE:
        if (call.wParam == 0) {
            const bool ownerForm =
                std::any_of(state.Shown.begin(), state.Shown.end(), [&call](TuiCustomPopupWindow* popup) {
                    vcl::TCustomForm* form = OwnerFormOf(popup);
                    return form && form->HandleAllocated() && form->WindowHandle() == call.hwnd;
                });
            if (IsPopupBeingShown() || ownerForm) {
                SwallowNextMessage(call.hwnd);
            }
        }
        break;
    default:
        break;
    }
}

LRESULT CALLBACK PopupWindowProcedureHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        WatchWindowProcedure(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Alt with a letter would reach the menu or a mnemonic of the form behind a popup that does not take the focus.
LRESULT CALLBACK PopupMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    const TPopupList& shown = PopupHookState().Shown;
    auto& message = *reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message.message == WM_SYSKEYDOWN && !shown.empty() &&
        !shown.back()->CaptureFocus() && !shown.back()->IsNavigationKey(static_cast<uint16_t>(message.wParam))) {
        message.message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool IsButtonPress(uint32_t message) {
    switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

vcl::TShiftState CurrentShiftState() {
    vcl::TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) {
        shift.Include(vcl::ssShift);
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        shift.Include(vcl::ssCtrl);
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift.Include(vcl::ssAlt);
    }
    return shift;
}

LRESULT CALLBACK PopupMouseHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto message = static_cast<uint32_t>(wParam);
    if (code == HC_ACTION && IsButtonPress(message) && !PopupHookState().Shown.empty()) {
        const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (!ProcessPopupOutsideClick(mouse.hwnd, message, {mouse.pt.x, mouse.pt.y}, CurrentShiftState())) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

const std::vector<TuiCustomPopupWindow*>& ShownPopups() {
    return PopupHookState().Shown;
}

bool IsShownPopup(const vcl::TControl* control) {
    const TPopupList& shown = PopupHookState().Shown;
    return control && std::find(shown.begin(), shown.end(), control) != shown.end();
}

void AddShownPopup(TuiCustomPopupWindow* popup) {
    if (!popup || IsShownPopup(popup)) {
        throw rtl::EAssertionFailed(u"Assertion failure: the popup is listed already");
    }
    InstallPopupHooks();
    PopupHookState().Shown.push_back(popup);
}

void RemoveShownPopup(TuiCustomPopupWindow* popup) {
    TPopupList& shown = PopupHookState().Shown;
    const auto found = std::find(shown.begin(), shown.end(), popup);
    if (!popup || found == shown.end()) {
        throw rtl::EAssertionFailed(u"Assertion failure: the popup is not listed");
    }
    shown.erase(found);
}

void TrackPopupActivation(bool on) {
    if (on) {
        InstallPopupHooks();
    }
    PopupHookState().ActivationTracking += on ? 1 : -1;
}

bool IsPopupActivationTracked() {
    return PopupHookState().ActivationTracking != 0;
}

void SetPopupBeingShown(bool on) {
    PopupHookState().BeingShown += on ? 1 : -1;
}

bool IsPopupBeingShown() {
    return PopupHookState().BeingShown != 0;
}

bool PopupTreeHasHandle(const vcl::TControl* control, HWND window) {
    if (!control || !window) {
        return false;
    }
    if (const auto* parent = dynamic_cast<const vcl::TWinControl*>(control)) {
        for (int32_t index = 0; index < parent->ControlCount(); ++index) {
            const auto* child = dynamic_cast<const vcl::TWinControl*>(parent->Controls(index));
            if (child && (child->WindowHandle() == window || PopupTreeHasHandle(child, window) ||
                          IsSameOrChildWindow(child->WindowHandle(), window))) {
                return true;
            }
        }
    }
    const auto opensFrom = [control](const TuiCustomPopupWindow* popup) {
        return popup != control &&
               (popup->OwnerControl() == control ||
                (dynamic_cast<const TuiCustomPopupWindow*>(control) && OwnerFormOf(popup) == control));
    };
    return std::any_of(
        PopupHookState().Shown.begin(), PopupHookState().Shown.end(), [&](const TuiCustomPopupWindow* popup) {
            return opensFrom(popup) && (PopupHasWindow(popup, window) || PopupTreeHasHandle(popup, window));
        });
}

bool ProcessPopupOutsideClick(HWND window, uint32_t message, vcl::TPoint screenPoint, vcl::TShiftState shift) {
    bool result = true;
    TPopupList handled;
    const auto closesOnPress = [window](TuiCustomPopupWindow* popup) {
        if ((popup->CaptureFocus() && !popup->Active()) || ControlHasHandle(popup, window, true)) {
            return false;
        }
        vcl::TCustomForm* ownerForm = OwnerFormOf(popup);
        if (!ownerForm) {
            return false;
        }
        const auto* popupForm = dynamic_cast<const TuiCustomPopupWindow*>(ownerForm);
        return ControlHasHandle(ownerForm, window, true) || (popupForm && !popupForm->IsShown());
    };
    while (TuiCustomPopupWindow* popup = NextUnhandled(handled, closesOnPress)) {
        vcl::TControl* owner = popup->OwnerControl();
        const vcl::TControlLink ownerLink(owner);
        const bool onOwner = (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) &&
                             (ControlWindow(owner) == window || PopupTreeHasHandle(owner, window)) &&
                             popup->GetOwnerScreenBounds().Contains(screenPoint);
        if (onOwner) {
            popup->AcceptsMessage(window, message, screenPoint, shift);
        } else if (result) {
            result = !popup->AcceptsMessage(window, message, screenPoint, shift);
        }
        CloseUpAsShowing(popup);
        if (onOwner && (!ownerLink.Alive() || IsControlGoing(owner) || !owner->Visible())) {
            result = false;
        }
    }
    return result;
}

void InstallPopupHooks() {
    TPopupHookState& state = PopupHookState();
    if (state.MouseHook) {
        return;
    }
    const DWORD thread = GetCurrentThreadId();
    state.WindowProcedureHook = SetWindowsHookExW(WH_CALLWNDPROC, PopupWindowProcedureHook, nullptr, thread);
    state.MessageHook = SetWindowsHookExW(WH_GETMESSAGE, PopupMessageHook, nullptr, thread);
    state.MouseHook = SetWindowsHookExW(WH_MOUSE, PopupMouseHook, nullptr, thread);
}

void RemovePopupHooks() {
    TPopupHookState& state = PopupHookState();
    for (HHOOK* hook : {&state.MouseHook, &state.MessageHook, &state.WindowProcedureHook}) {
        if (*hook) {
            UnhookWindowsHookEx(*hook);
            *hook = nullptr;
        }
    }
}

void PostPopupCloseRequest(TuiCustomPopupWindow* popup) {
    if (popup && popup->HandleAllocated()) {
        PostMessageW(popup->WindowHandle(), UI_POPUPCLOSEREQUEST, 0, 0);
    }
}

} // namespace ui
