#pragma once
// Mouse tracking: telling a control that the pointer has left an area of it. Windows reports the pointer leaving only
// to the window holding the capture, so a tracked area is watched by a 10 ms timer: once the pointer is outside the
// area, or the control has lost its window or is disabled (with a parent), the control hears CM_MOUSELEAVE, the
// caller's MouseLeave runs and the tracking ends. A caller is tracked at most once at a time.
//
// A caller that goes away ends its own tracking (the interface's destructor does it), and a control that goes away
// ends it at the next tick, so no tick ever touches a freed object.

#include "vcl/system/Types.h"

namespace vcl {
class TWinControl;
} // namespace vcl

namespace ui {

// What is told that the pointer left its tracked area.
class IuiMouseTrackingCaller {
public:
    // Ends the caller's tracking, if any.
    virtual ~IuiMouseTrackingCaller();
    // The pointer has left; the tracking has ended already, so the caller may start it again.
    virtual void MouseLeave() = 0;
};

// A caller that decides itself what lies inside its area.
class IuiMouseTrackingCallerArea {
public:
    virtual ~IuiMouseTrackingCallerArea() = default;
    // point: client coordinates of the tracked control.
    virtual bool PtInCaller(vcl::TPoint point) = 0;
};

// Starts watching area (client coordinates of control; control may be nullptr, then area is in screen coordinates)
// for caller; nothing when caller is tracked already or the controls unit has shut down.
void StartMouseTracking(vcl::TWinControl* control, const vcl::TRect& area, IuiMouseTrackingCaller* caller);
// Ends caller's tracking, if any.
void StopMouseTracking(IuiMouseTrackingCaller* caller);
bool IsMouseTracking(IuiMouseTrackingCaller* caller);
// The number of callers being tracked.
int32_t MouseTrackingCount();

namespace detail {
// Ends every tracking (the controls unit's shut-down): a caller still tracked then is not told.
void StopAllMouseTracking();
} // namespace detail

} // namespace ui
