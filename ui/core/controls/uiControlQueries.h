#pragma once
// Questions about the windows a control stands for: which windows it owns or contains (child windows, and the popups
// opened from it or from inside it), which form a window belongs to, whether a window lies inside a control's form,
// whether the pointer is over the control the user works in, and whether a control can have a window at all.

#include "vcl/forms/Form.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

namespace vcl {
class TControl;
class TWinControl;
} // namespace vcl

namespace ui {

// window is a descendant of control's window (not the window itself).
bool IsChildWindowOfControl(const vcl::TWinControl* control, HWND window);
// window is not control's own but a descendant of it or of a popup opened from it.
bool ControlContainsHandle(const vcl::TWinControl* control, HWND window);
// window is control's own, or (withChildren) one it contains.
bool ControlHasHandle(const vcl::TWinControl* control, HWND window, bool withChildren);
inline bool ControlOwnsHandle(const vcl::TWinControl* control, HWND window) {
    return ControlHasHandle(control, window, false);
}

// The framework form whose window window is, and its form style; false when window is no form's.
bool GetFormOfWindow(HWND window, vcl::TCustomForm*& form, vcl::TFormStyle& style);
// The top-level window above window, or the MDI child form on the way there.
HWND FindTopOrMDIChildWindow(HWND window);
// window lies inside the form of control: the form's windows and popups or, for a form embedded into a window of
// another program, that program's windows.
bool IsHandleInsideParentForm(const vcl::TControl* control, HWND window);
// The pointer is over control, in the active application, and its form is active or holds the owner of the first
// shown popup.
bool IsMouseOverActiveControl(const vcl::TWinControl* control);

// control has a window that is visible.
bool IsControlWindowVisible(const vcl::TWinControl* control);
// control has a window or could make one now: its parents can, or it is a form.
bool CanAllocateHandle(const vcl::TWinControl* control);
// The screen rectangle of control's window, or the empty rectangle when it has none.
vcl::TRect ControlWindowRect(const vcl::TWinControl* control);

} // namespace ui
