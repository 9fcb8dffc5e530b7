#pragma once
// The popups shown now, in showing order, and the thread hooks that close them: a click outside them, the
// application losing the activation, an owner hidden or closed, and Alt keys while a popup that takes no focus is up.
// Walks that close popups handle each popup at most once, so a popup that shows itself again from its closing
// events cannot keep a walk going.

#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <vector>

namespace vcl {
class TControl;
} // namespace vcl

namespace ui {

class TuiCustomPopupWindow;

// Private messages of popups: a close request (posted, so a popup may ask to be closed from its own handlers) and a
// request to show again with the control focused before.
inline constexpr uint32_t UI_POPUPCLOSEREQUEST = 0x807D;
inline constexpr uint32_t UI_POPUPSHOWAGAIN = 0x807E;

// The popups shown now, in showing order.
const std::vector<TuiCustomPopupWindow*>& ShownPopups();
bool IsShownPopup(const vcl::TControl* control);
// Listing a listed popup, or unlisting one that is not, is a programming error: EAssertionFailed, the list unchanged.
void AddShownPopup(TuiCustomPopupWindow* popup);
void RemoveShownPopup(TuiCustomPopupWindow* popup);

// While tracking is on, activation notices of the framework (CM_ACTIVATE, CM_DEACTIVATE) are swallowed, so closing or
// focusing a popup does not make forms believe they were activated. Nested.
void TrackPopupActivation(bool on);
bool IsPopupActivationTracked();
// Set while a popup is being shown: its owner's form keeps its active caption meanwhile.
void SetPopupBeingShown(bool on);
bool IsPopupBeingShown();

// Whether window is control's own, one inside it, or a window of a popup that belongs to it: a popup shown for it or
// for one of its children, or (for a popup) one opened from inside it.
bool PopupTreeHasHandle(const vcl::TControl* control, HWND window);

// The outside-click rule, asked by the mouse hook for every button press while popups are shown: closes each popup
// whose owner's form the press landed on (outside the popup); whether the press goes on to window. A press on the
// owner itself goes on, unless closing hid or destroyed the owner.
bool ProcessPopupOutsideClick(HWND window, uint32_t message, vcl::TPoint screenPoint, vcl::TShiftState shift);

// The thread hooks (window procedure, message, mouse) of the calling thread: installed once, when the first popup is
// shown or activation is first tracked; removed when the controls unit finishes. Removing twice is harmless.
void InstallPopupHooks();
void RemovePopupHooks();

// Asks popup to close itself once the messages already queued are handled.
void PostPopupCloseRequest(TuiCustomPopupWindow* popup);

} // namespace ui
