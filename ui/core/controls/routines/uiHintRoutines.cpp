#include "ui/core/controls/routines/uiHintRoutines.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/forms/Screen.h"

namespace ui {

namespace {

// The form whose monitor stands in when no monitor is near point: the form of the control there, or the main form.
const vcl::TCustomForm* FormAtPoint(vcl::TPoint point) {
    for (HWND window = WindowFromPoint(POINT{point.X, point.Y}); window != nullptr; window = GetParent(window)) {
        if (vcl::TWinControl* control = vcl::FindControl(window)) {
            return vcl::GetParentForm(control);
        }
    }
    return vcl::Application().MainForm();
}

// The rectangle that holds the pointer over control for the hint: the control's bounds moved into its own client
// coordinates (a control without parent takes its own client origin for its parent's).
vcl::TRect HintCursorRect(const vcl::TControl& control) {
    const vcl::TPoint origin = control.ClientOrigin();
    const vcl::TPoint parentOrigin = control.Parent() != nullptr ? control.Parent()->ClientOrigin() : origin;
    const vcl::TRect bounds = control.BoundsRect();
    const int32_t dx = parentOrigin.X - origin.X;
    const int32_t dy = parentOrigin.Y - origin.Y;
    return {bounds.Left + dx, bounds.Top + dy, bounds.Right + dx, bounds.Bottom + dy};
}

} // namespace

bool HasMonitorAtPoint(vcl::TPoint point) {
    if (vcl::Screen().MonitorFromPoint(point, vcl::mdNull).Handle != nullptr) {
        return true;
    }
    const vcl::TCustomForm* form = FormAtPoint(point);
    return form != nullptr && form->HandleAllocated() &&
           vcl::Screen().MonitorFromWindow(form->WindowHandle(), vcl::mdNull).Handle != nullptr;
}

bool PrepareCellHintInfo(vcl::THintInfo& info, TuiHintWindowPtr& window, vcl::TControl& control,
                         rtl::UnicodeString& text, vcl::TRect& rect, void* data) {
    info.HintControl = &control;
    info.HintWindowClass = window ? &window->ClassType() : nullptr;
    info.HintPos = {rect.Left, rect.Top};
    info.HintMaxWidth = vcl::Screen().Width();
    info.HintColor = vcl::Application().HintColor();
    info.CursorPos = control.ScreenToClient(CursorPosOrInvalid());
    info.ReshowTimeout = 0;
    info.HideTimeout = static_cast<int32_t>(vcl::Application().HintHidePause());
    info.HintStr = text;
    info.HintData = data;
    info.CursorRect = HintCursorRect(control);
    const vcl::TShowHintEvent& onShowHint = vcl::Application().OnShowHint();
    if (!onShowHint) {
        return true;
    }
    bool canShow = true;
    onShowHint(text, canShow, info);
    if (!canShow || text.empty()) {
        return canShow;
    }
    const rtl::TMetaclass* windowClass = info.HintWindowClass ? info.HintWindowClass : vcl::HintWindowClass();
    if (!window || window->ClassType() != *windowClass) {
        window.reset(static_cast<vcl::THintWindow*>(windowClass->CreateInstance(nullptr)));
        window->SetColor(info.HintColor);
    }
    const vcl::TRect size = window->CalcHintRect(info.HintMaxWidth, text, data);
    rect = {size.Left + info.HintPos.X, size.Top + info.HintPos.Y, size.Right + info.HintPos.X,
            size.Bottom + info.HintPos.Y};
    return true;
}

void ShowHintIfPointValid(vcl::THintWindow& window, const vcl::TRect& rect, rtl::UnicodeStringView text) {
    if (HasMonitorAtPoint({rect.Left, rect.Top})) {
        window.ActivateHint(rect, text);
    }
}

} // namespace ui
