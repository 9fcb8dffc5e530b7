#pragma once
// Scrolling while something is dragged over the view (a drag of the framework, from another control or the view
// itself): inside the rows area, within 15 pixels of its top or bottom edge the records scroll up or down by one every
// 20 ms; otherwise within 15 pixels of its left or right edge the view scrolls left or right. It stops where the
// pointer leaves the bands, when the drag leaves the site or ends, and without DragScrolling.

#include "rtl/core/Component.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiGridTableController;
class TuiTimer;

enum TuiGridDragScrollDirection : uint8_t { gdsNone, gdsUp, gdsDown, gdsLeft, gdsRight };

class TuiGridDragScrolling {
public:
    explicit TuiGridDragScrolling(TuiGridTableController& controller);
    ~TuiGridDragScrolling();
    TuiGridDragScrolling(const TuiGridDragScrolling&) = delete;
    TuiGridDragScrolling& operator=(const TuiGridDragScrolling&) = delete;

    TuiGridDragScrollDirection Direction() const { return FDirection; }
    // The direction for a pointer at point (the site's client coordinates).
    TuiGridDragScrollDirection DirectionAt(vcl::TPoint point) const;
    // The drag is over the site at point (the site's client coordinates).
    void DragOver(vcl::TPoint point, vcl::TDragState state);
    void Stop() { SetDirection(gdsNone); }

private:
    void SetDirection(TuiGridDragScrollDirection direction);
    void ScrollStep();

    TuiGridTableController& FController;
    std::unique_ptr<TuiTimer, rtl::TComponentDeleter> FTimer;
    TuiGridDragScrollDirection FDirection = gdsNone;
};

} // namespace ui
