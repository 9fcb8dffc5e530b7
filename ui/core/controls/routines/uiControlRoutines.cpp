#include "ui/core/controls/routines/uiControlRoutines.h"

#include "rtl/WindowsApi.h"
#include "vcl/controls/Control.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/menus/Menus.h"

#include <cstdlib>

namespace ui {

bool IsPopupMenuComponent(rtl::TComponent* menu) {
    return dynamic_cast<vcl::TPopupMenu*>(menu) || dynamic_cast<IuiPopupMenu*>(menu);
}

bool IsPopupMenuShortCut(rtl::TComponent* menu, const vcl::TMessage& message) {
    if (auto* own = dynamic_cast<IuiPopupMenu*>(menu)) {
        return own->IsShortCut(message);
    }
    auto* popup = dynamic_cast<vcl::TPopupMenu*>(menu);
    return popup && popup->HandleAllocated() && popup->IsShortCut(message);
}

bool PopupMenuAt(vcl::TControl* control, rtl::TComponent* menu, int32_t x, int32_t y) {
    if (auto* own = dynamic_cast<IuiPopupMenu*>(menu)) {
        own->Popup(x, y);
        return true;
    }
    auto* popup = dynamic_cast<vcl::TPopupMenu*>(menu);
    if (!popup || !popup->AutoPopup()) {
        return false;
    }
    popup->SetPopupComponent(control);
    popup->Popup(x, y);
    return true;
}

bool IsWindowEnabledDeep(HWND window) {
    while (window) {
        if (!IsWindowEnabled(window)) {
            return false;
        }
        if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) {
            return true;
        }
        window = GetParent(window);
    }
    return true;
}

vcl::TPoint CursorPosOrInvalid() {
    POINT point;
    return GetCursorPos(&point) ? vcl::TPoint{point.x, point.y} : uiInvalidPoint;
}

bool TuiKeyboardQuery::ControlKeyDown() const {
    return GetAsyncKeyState(VK_CONTROL) < 0;
}

vcl::TSeam<TuiKeyboardQuery>& KeyboardQuery() {
    static TuiKeyboardQuery standard;
    static vcl::TSeam<TuiKeyboardQuery> seam(standard);
    return seam;
}

bool IsControlKeyDown() {
    return KeyboardQuery().Current().ControlKeyDown();
}

bool IsWithinDragThreshold(vcl::TPoint pressPoint, int32_t x, int32_t y) {
    const int32_t threshold = vcl::Mouse().DragThreshold();
    return std::abs(x - pressPoint.X) < threshold && std::abs(y - pressPoint.Y) < threshold;
}

} // namespace ui
