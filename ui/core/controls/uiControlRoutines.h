#pragma once
// Free routines the library's controls share: window queries, the pointer and the keys.

#include "vcl/system/Seam.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

namespace ui {

// The invalid point, given when the cursor position cannot be read.
inline constexpr vcl::TPoint uiInvalidPoint{-1, -1};

// Whether window is enabled; a child window only when its parents up to the first non-child window are enabled too.
bool IsWindowEnabledDeep(HWND window);
// The cursor position on the screen, or the invalid point when it cannot be read.
vcl::TPoint CursorPosOrInvalid();
// The keyboard as the controls ask it outside messages. Synthetic input does not reach the keyboard's asynchronous
// state, so tests put their own answer in place.
class TuiKeyboardQuery {
public:
    virtual ~TuiKeyboardQuery() = default;
    // Here the keyboard itself is asked (GetAsyncKeyState), not the message queue's state.
    virtual bool ControlKeyDown() const;
};
vcl::TSeam<TuiKeyboardQuery>& KeyboardQuery();

// Whether Ctrl is down now.
bool IsControlKeyDown();
// Whether both coordinates of (x, y) lie less than the mouse's drag threshold from pressPoint.
bool IsWithinDragThreshold(vcl::TPoint pressPoint, int32_t x, int32_t y);

} // namespace ui
