#pragma once
// Input as a user gives it: the pointer moved and the left button clicked, and characters typed, all through
// SendInput, so that they reach the program's windows the way the hardware's do. Nothing is sent to a window
// directly: a click that opens a modal dialog would never return.

#include "rtl/WindowsApi.h"

#include <string_view>

namespace acceptance {

// Moves the pointer to the screen point; false when it did not get there.
bool MovePointer(POINT point);
// Moves the pointer to the screen point and clicks the left button there; false when the pointer did not get there.
bool ClickAt(POINT point);
// Clicks the middle of the window.
bool ClickWindow(HWND window);
// Presses and releases the key, with Ctrl held when asked, in the window that has the keyboard focus.
void PressKey(WORD virtualKey, bool withCtrl = false);
// Types the characters into the window that has the keyboard focus.
void TypeText(std::wstring_view text);

} // namespace acceptance
