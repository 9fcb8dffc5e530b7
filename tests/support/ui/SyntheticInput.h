#pragma once
// Mouse and keyboard input for tests, made of the messages Windows would post, with the pointer and the keyboard
// state (SetCursorPos, SetKeyboardState) kept in line so that code reading them sees the same input. Every call
// posts its messages and then handles them, as the application's message loop does (keys pass through the
// application's key handling and TranslateMessage); mouse messages go to the window holding the capture when one
// does. Moving the pointer makes Windows post a WM_MOUSEMOVE of its own as well, so a handler may see a move twice.

#include "vcl/controls/Control.h"

#include <cstdint>

namespace ui_test {

// Moves the pointer to point (client coordinates of control).
void MouseMove(vcl::TControl& control, vcl::TPoint point, vcl::TShiftState shift = {});
void MouseDown(vcl::TControl& control, vcl::TMouseButton button, vcl::TPoint point, vcl::TShiftState shift = {});
void MouseUp(vcl::TControl& control, vcl::TMouseButton button, vcl::TPoint point, vcl::TShiftState shift = {});
// A press and release of the left button at point.
void Click(vcl::TControl& control, vcl::TPoint point);
// Two clicks, the second one a double click.
void DoubleClick(vcl::TControl& control, vcl::TPoint point);
// Turns the wheel by delta (WHEEL_DELTA per notch) with the pointer over point; the focused window gets it.
void MouseWheel(vcl::TControl& control, int delta, vcl::TPoint point, vcl::TShiftState shift = {});

// A key pressed and released (with Shift, Ctrl or Alt held as shift says) in the window that has the focus.
void PressKey(uint16_t virtualKey, vcl::TShiftState shift = {});
void KeyDown(uint16_t virtualKey, vcl::TShiftState shift = {});
void KeyUp(uint16_t virtualKey, vcl::TShiftState shift = {});
// Characters typed into the window that has the focus.
void TypeText(const char16_t* text);

} // namespace ui_test
