#pragma once
// The window procedure of every control's window and the link between a window and its control. A control's window
// class is registered under the control's class name with this procedure; the first message of a new window binds it
// to the control that is creating it, and from then on each message goes to the control's WndProc. An exception
// raised there goes to the exception hook and never into Windows; a control freed by one of its own messages is not
// touched again.

#include "vcl/system/WinTypes.h"

namespace vcl {

class TWinControl;
struct TCreateParams;

// The control whose window this is; nullptr for a window that is not a control's (or a null handle).
TWinControl* FindControl(HWND window);

// Registers the window class that params name (once; again when it was registered with another procedure).
// EOSError when Windows refuses it.
void RegisterControlWindowClass(const TCreateParams& params);

// Names the control whose window the next CreateWindowEx on this thread makes; the window's first message binds it.
void SetCreationControl(TWinControl* control);

// Links a window to its control, and undoes the link when the window is destroyed.
void BindWindowToControl(HWND window, TWinControl* control);
void UnbindWindowFromControl(HWND window, TWinControl* control);

} // namespace vcl
