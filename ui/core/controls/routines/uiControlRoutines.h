#pragma once
// Free routines the library's controls share: window queries, the pointer and the keys.

#include "vcl/system/Seam.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

namespace rtl {
class TComponent;
} // namespace rtl

namespace vcl {
class TControl;
struct TMessage;
} // namespace vcl

namespace ui {

// A popup menu of the library's own making that a control may show instead of the framework's TPopupMenu.
class IuiPopupMenu {
public:
    virtual ~IuiPopupMenu() = default;
    // Whether the key message is one of the menu's short-cuts (which it then runs).
    virtual bool IsShortCut(const vcl::TMessage& message) = 0;
    // Shows the menu at the screen point.
    virtual void Popup(int32_t x, int32_t y) = 0;
};

// Whether menu is a menu a control can show: a TPopupMenu or a component implementing IuiPopupMenu.
bool IsPopupMenuComponent(rtl::TComponent* menu);
// Whether the key message is a short-cut of menu: asked of an IuiPopupMenu; of a TPopupMenu only while its Windows
// menu exists. False without a menu.
bool IsPopupMenuShortCut(rtl::TComponent* menu, const vcl::TMessage& message);
// Shows menu for control at the screen point: an IuiPopupMenu always, a TPopupMenu when it is AutoPopup (for
// control). Whether a menu was shown.
bool PopupMenuAt(vcl::TControl* control, rtl::TComponent* menu, int32_t x, int32_t y);

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
