#include "ui/core/controls/uiControlQueries.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/uiControlRoutines.h"
#include "ui/core/controls/uiCustomPopupWindow.h"
#include "ui/core/controls/uiPopupHooks.h"
#include "ui/core/controls/uiWindowRoutines.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/forms/Application.h"

namespace ui {

namespace {

// The framework control whose window is under the screen point, or holds the window there.
vcl::TWinControl* FrameworkControlAt(vcl::TPoint point) {
    for (HWND window = WindowFromPoint(POINT{point.X, point.Y}); window != nullptr; window = GetParent(window)) {
        if (vcl::TWinControl* control = vcl::FindControl(window)) {
            return control;
        }
    }
    return nullptr;
}

// The highest window reached from window through parents that call it their child.
HWND TopOfNativeParents(HWND window) {
    for (HWND parent = GetParent(window); parent != nullptr && IsChild(parent, window); parent = GetParent(window)) {
        window = parent;
    }
    return window;
}

} // namespace

bool IsChildWindowOfControl(const vcl::TWinControl* control, HWND window) {
    return control != nullptr && control->HandleAllocated() && window != nullptr &&
           IsChild(control->WindowHandle(), window);
}

bool ControlContainsHandle(const vcl::TWinControl* control, HWND window) {
    if (control == nullptr || window == nullptr || !control->HandleAllocated() || window == control->WindowHandle()) {
        return false;
    }
    return IsChildWindowOfControl(control, window) || PopupTreeHasHandle(control, window);
}

bool ControlHasHandle(const vcl::TWinControl* control, HWND window, bool withChildren) {
    if (control == nullptr || !control->HandleAllocated()) {
        return false;
    }
    return window == control->WindowHandle() || (withChildren && ControlContainsHandle(control, window));
}

bool GetFormOfWindow(HWND window, vcl::TCustomForm*& form, vcl::TFormStyle& style) {
    form = dynamic_cast<vcl::TCustomForm*>(vcl::FindControl(window));
    if (form == nullptr) {
        return false;
    }
    style = form->FormStyle();
    return true;
}

HWND FindTopOrMDIChildWindow(HWND window) {
    while (window != nullptr && IsChildWindowStyle(window)) {
        const HWND parent = GetParent(window);
        if (parent == nullptr) {
            break;
        }
        vcl::TCustomForm* form = nullptr;
        vcl::TFormStyle style = vcl::fsNormal;
        if (GetFormOfWindow(parent, form, style) && style == vcl::fsMDIChild) {
            return parent;
        }
        window = parent;
    }
    return window;
}

bool IsHandleInsideParentForm(const vcl::TControl* control, HWND window) {
    const vcl::TCustomForm* form = control != nullptr ? vcl::GetParentForm(control) : nullptr;
    if (form == nullptr) {
        return false;
    }
    const bool inside = ControlHasHandle(form, window, true);
    if (inside || form->Parent() != nullptr || !form->HandleAllocated()) {
        return inside;
    }
    // A form embedded into another program's window counts that program's windows as its own.
    const HWND top = TopOfNativeParents(form->WindowHandle());
    return top != form->WindowHandle() && IsSameOrChildWindow(top, window);
}

bool IsMouseOverActiveControl(const vcl::TWinControl* control) {
    if (!vcl::Application().Active() || control == nullptr || !IsControlWindowVisible(control) ||
        FrameworkControlAt(CursorPosOrInvalid()) != control) {
        return false;
    }
    const HWND top = FindTopOrMDIChildWindow(control->WindowHandle());
    vcl::TCustomForm* form = nullptr;
    vcl::TFormStyle style = vcl::fsNormal;
    if (!GetFormOfWindow(top, form, style) || form->Active() || style == vcl::fsMDIForm) {
        return true;
    }
    // An inactive form counts while a popup opened from inside it has the activation.
    const std::vector<TuiCustomPopupWindow*>& shown = ShownPopups();
    if (shown.empty() || shown.front()->OwnerControl() == nullptr) {
        return false;
    }
    const auto* owner = dynamic_cast<const vcl::TWinControl*>(shown.front()->OwnerControl());
    const vcl::TWinControl* ownerWindow = owner != nullptr ? owner : shown.front()->OwnerControl()->Parent();
    return ownerWindow != nullptr && ownerWindow->HandleAllocated() && IsChild(top, ownerWindow->WindowHandle());
}

bool IsControlWindowVisible(const vcl::TWinControl* control) {
    return control != nullptr && control->HandleAllocated() && IsWindowVisible(control->WindowHandle());
}

bool CanAllocateHandle(const vcl::TWinControl* control) {
    for (const vcl::TWinControl* current = control; current != nullptr; current = current->Parent()) {
        if (current->HandleAllocated()) {
            return true;
        }
        if (current->ComponentState().Contains(rtl::TComponentState::csDestroying)) {
            return false;
        }
        if (current->ParentWindow() != nullptr) {
            return true;
        }
        if (current->Parent() == nullptr) {
            return dynamic_cast<const vcl::TCustomForm*>(current) != nullptr && vcl::Application().Handle() != nullptr;
        }
    }
    return false;
}

vcl::TRect ControlWindowRect(const vcl::TWinControl* control) {
    if (control == nullptr || !control->HandleAllocated()) {
        return uiEmptyRect;
    }
    return WindowRectOrEmpty(control->WindowHandle());
}

} // namespace ui
