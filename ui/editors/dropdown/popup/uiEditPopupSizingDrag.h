#pragma once
// TuiEditPopupSizingDrag: a drag of an editor popup's grip or sizing border. It keeps where the pointer took the
// moving edges and turns each pointer position into the rubber-band frame: only the edges away from the editor
// move, the size passes the window's resize check, the frame keeps a pixel of overlap with the editor and stays in
// the work area. The window owns one, so the drag state belongs to the popup being sized.

#include "ui/editors/dropdown/popup/uiEditPopupGeometry.h"
#include "vcl/system/Types.h"

#include <functional>

namespace ui {

// What a drag step needs to know about the popup and its surroundings.
struct TuiEditPopupDragContext {
    vcl::TRect Bounds;      // the popup's screen bounds, unchanged while the drag lasts
    vcl::TRect GripHitRect; // client coordinates; empty without a grip
    TuiEditPopupGripCorner GripCorner = epgcBottomRight;
    vcl::TRect OwnerBounds; // the editor's screen bounds
    vcl::TRect WorkArea;    // the work area of the monitor under the pointer
    // Adjusts a new size; false refuses it.
    std::function<bool(vcl::TSize& size)> CanResize;
};

class TuiEditPopupSizingDrag {
public:
    // Starts a drag at point (client coordinates) of a popup of size, moving the edges directions names.
    void Start(vcl::TPoint point, vcl::TSize size, TuiEditPopupSizingDirections directions);
    void Stop();
    bool Active() const { return FActive; }
    TuiEditPopupSizingDirections Directions() const { return FDirections; }

    // The frame for the pointer at point (client coordinates); false when the step changes nothing.
    bool FrameAt(vcl::TPoint point, const TuiEditPopupDragContext& context, vcl::TRect& frame) const;

    // The frame shown now (empty when none) and the last one shown, where the popup goes when the drag ends.
    void SetFrame(const vcl::TRect& frame);
    const vcl::TRect& Frame() const { return FFrame; }
    const vcl::TRect& LastFrame() const { return FLastFrame; }

private:
    vcl::TPoint GrabPoint(vcl::TSize size) const;
    int32_t PointerShift(int32_t direction, int32_t position, int32_t grab, int32_t extent, int32_t gripFrom,
                         int32_t gripTo, bool grabOnGrip) const;

    bool FActive = false;
    TuiEditPopupSizingDirections FDirections;
    vcl::TPoint FGrabOffset; // from the moving edge
    vcl::TRect FFrame;
    vcl::TRect FLastFrame;
};

} // namespace ui
