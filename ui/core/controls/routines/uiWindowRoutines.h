#pragma once
// Free routines the controls and containers share about windows: their style and ancestry, rectangles and points
// between windows, the work area of a monitor, the message queue, the scroll-bar information of native bars, the
// swallowing of one message, and the height of a popup menu.

#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

struct tagMSG;
struct tagSCROLLBARINFO;

namespace vcl {
class TCanvas;
class TMenu;
} // namespace vcl

namespace ui {

// The empty rectangle, given when a window's rectangle cannot be read.
inline constexpr vcl::TRect uiEmptyRect{0, 0, 0, 0};

bool IsChildWindowStyle(HWND window);
// window is parent or one of its descendants; never for no parent.
bool IsSameOrChildWindow(HWND parent, HWND window);
// The first of window and its ancestors that is not a child window; nullptr when there is none.
HWND FindNonChildAncestorWindow(HWND window);
// The window's rectangle on the screen, or the empty rectangle.
vcl::TRect WindowRectOrEmpty(HWND window);
void MapPointBetweenWindows(HWND from, HWND to, vcl::TPoint& point);
void MapRectBetweenWindows(HWND from, HWND to, vcl::TRect& rect);

// The work area of the monitor (the primary one's without a monitor).
vcl::TRect MonitorWorkArea(HMONITOR monitor);
// The work area of the monitor nearest to the point.
vcl::TRect DesktopWorkAreaAt(vcl::TPoint point);
// Moves rect into the work area at point; one larger than it ends on its left and top edges.
void FitRectToWorkArea(vcl::TRect& rect, vcl::TPoint point);

// Whether the message waits in the queue for the window.
bool HasPendingMessage(HWND window, uint32_t message);
// Removes the window's queued messages in [first, last] (only the first one unless all); a quit request met stays
// in the queue. Whether any was removed.
bool DiscardPendingMessages(HWND window, uint32_t first, uint32_t last, bool all);
// The next message of a modal loop that lasts while window holds the capture: false once the capture has gone, the
// queue fails or a quit request arrives (posted again for the outer loop).
bool NextMessageWhileCaptured(HWND window, tagMSG& message);

// Whether the system offers GetScrollBarInfo (bound when first asked).
bool IsScrollBarInfoAvailable();
// The native scroll bar's information (objectId: OBJID_HSCROLL, OBJID_VSCROLL or OBJID_CLIENT of a bar control).
bool QueryScrollBarInfo(HWND window, int32_t objectId, tagSCROLLBARINFO& info);

// The next message the window's procedure gets is answered 1 without being handled; then the window's procedure is
// its own again. Asked again before that message comes, it still swallows one message.
void SwallowNextMessage(HWND window);

// The height a popup menu shows at: its visible items (self-measuring ones by their own measure) in columns, with
// items measured in canvas's font.
int32_t PopupMenuHeight(const vcl::TMenu& menu, vcl::TCanvas& canvas);
// The same in the system's menu font.
int32_t PopupMenuHeight(const vcl::TMenu& menu);

} // namespace ui
