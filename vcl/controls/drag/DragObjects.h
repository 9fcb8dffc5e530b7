#pragma once
// What a drag carries and how controls talk about it. A TDragObject is the thing being dragged: it names the cursor
// the pointer shows over a control that accepts or refuses the drop, the images that follow the pointer, and hears
// when the drag ends. TDragControlObject drags a control, which then hears the end of its drag (DoEndDrag) and
// lends the drag its cursor and images.
//
// While the drag runs, the controls under the pointer hear CM_DRAG: WParam says what happens (TDragMessage), LParam
// points to a TDragRec. dmFindTarget asks which control takes drags at the point (the answer, in Result, is that
// control: the control itself unless it hands drags on, to its parent for instance); dmDragEnter, dmDragMove and
// dmDragLeave tell the target where the drag is and ask whether it accepts a drop there (Result non-zero);
// dmDragDrop drops.

#include "rtl/core/Object.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace vcl {

class TControl;
class TDragImageList;

// What a CM_DRAG message tells or asks (its WParam).
enum TDragMessage : uint8_t { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmFindTarget };

// The LParam of CM_DRAG.
struct TDragRec {
    TPoint Pos;                    // the pointer, in screen coordinates
    TDragObject* Source = nullptr; // not owned
    TControl* Target = nullptr;    // the control the message is about (not owned)
};

// The thing being dragged.
class TDragObject : public rtl::TObject {
    RTL_DECLARE_CLASS(TDragObject, rtl::TObject)
public:
    // Whether the drag frees the object when it ends. The objects the framework makes itself are freed so; an
    // object given by OnStartDrag stays its maker's unless this is set.
    bool FreedByDrag() const { return FFreedByDrag; }
    void SetFreedByDrag(bool value) { FFreedByDrag = value; }

    // The cursor over a target that accepts the drop (accepted) or refuses it; (x, y) in the target's client
    // coordinates. Here crDrag and crNoDrop.
    virtual TCursor GetDragCursor(bool accepted, int32_t x, int32_t y);
    // The images that follow the pointer over controls that show drag images; nullptr (here) for none.
    virtual TDragImageList* GetDragImages();
    // Hide the images while something paints under them, and show them again.
    virtual void HideDragImage();
    virtual void ShowDragImage();
    // What the drag events name as the source: the object itself here.
    virtual rtl::TObject* EventSource();
    // The drag ended: dropped on target when accepted, otherwise refused or cancelled (target nullptr, x and y 0);
    // (x, y) in the target's client coordinates. Here nothing.
    virtual void Finished(rtl::TObject* target, int32_t x, int32_t y, bool accepted);

private:
    bool FFreedByDrag = false;
};

// A drag of a control: the control's DragCursor over targets that accept, its drag images, its DoEndDrag at the end.
class TDragControlObject : public TDragObject {
    RTL_DECLARE_CLASS(TDragControlObject, TDragObject)
public:
    // Made from a class reference with the control to drag.
    using TConstructorArgument = TControl*;
    explicit TDragControlObject(TControl* control) : FControl(control) {}

    TControl* Control() const { return FControl; }

    TCursor GetDragCursor(bool accepted, int32_t x, int32_t y) override;
    TDragImageList* GetDragImages() override;
    // The control.
    rtl::TObject* EventSource() override;
    // Tells the control: DoEndDrag.
    void Finished(rtl::TObject* target, int32_t x, int32_t y, bool accepted) override;

private:
    TControl* FControl; // not owned
};

} // namespace vcl
