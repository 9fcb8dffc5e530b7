#pragma once
// Hidden windows that hand their messages to a method of an object: timers, the application window, the system
// notification windows. AllocateHWnd binds a method (any callable taking the message) to a new hidden top-level
// window, so it also receives the messages Windows broadcasts to top-level windows (settings and colour changes).
// The method answers every message itself; for the messages it does not handle it calls DefWindowProc.

#include "vcl/system/Messages.h"
#include "vcl/system/WinTypes.h"

#include <functional>

namespace vcl {

using TWndMethod = std::function<void(TMessage& message)>;

// A new hidden window whose window procedure calls method; an exception the method raises goes to the exception
// hook, never into Windows. EOSError when Windows refuses the window.
HWND AllocateHWnd(TWndMethod method);
// Destroys the window and drops its method; safe while the method is handling one of the window's messages (the
// method is dropped when it returns). Nothing for a null handle.
void DeallocateHWnd(HWND window);
// Whether window is one that AllocateHWnd made (and that is not deallocated).
bool IsAllocatedHWnd(HWND window);

} // namespace vcl
