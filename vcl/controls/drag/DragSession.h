#pragma once
// The drag that is running: at most one at a time in the program. A drag begins on a control (BeginControlDrag,
// behind TControl::BeginDrag) and from then on a hidden window of its own holds the mouse capture, so every mouse
// message of the program comes to it: moves carry the drag over the controls (CM_DRAG) and set the drag cursor, the
// release of a button drops it, Escape, WM_CANCELMODE and the loss of the capture cancel it. A drag that does not
// begin at once waits until the pointer has moved the threshold's distance from the press, in either axis; released
// before that, it ends without passing over anything. The drag object's images follow the pointer over controls
// that show drag images (csDisplayDragImage) and hide over the others.
//
// The drag calls out to the controls' handlers, which may end the drag or free controls; it checks after each call
// that the drag is still the same one and the controls still exist.

#include <cstdint>

namespace vcl {

class TControl;
class TDragObject;

// Begins a drag of control: it asks the control for a drag object (DoStartDrag; without one the drag carries the
// control itself) and takes the mouse capture. At once when immediate, otherwise once the pointer has moved
// threshold pixels (negative: the mouse's DragThreshold). Nothing while another drag runs.
void BeginControlDrag(TControl& control, bool immediate, int32_t threshold);
// Ends the drag: dropped when drop and the control under the pointer accepts, otherwise cancelled.
void EndControlDrag(bool drop);
// Cancels the drag that is running, if any: nothing is dropped.
void CancelDrag();

// The control being dragged and the drag object; nullptr when no drag runs.
TControl* DragControl();
TDragObject* DragObject();

// A control is about to be destroyed (it still stands whole): a drag of it ends without a word to anyone.
void DragControlDestroying(TControl* control);
// Forgets a control that is being destroyed: a drag of it ends as above, without touching the images it lent; a
// drag over it goes on as over nothing.
void DragControlDestroyed(TControl* control);

} // namespace vcl
