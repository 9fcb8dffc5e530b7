#pragma once
// Focusing by pulling the mouse: while the left button stays down after a press on a row, the row and the cell under
// the pointer take the focus and the selection runs from its anchor to them, rows and (under CellMultiSelect)
// columns. Above or below the rows a timer moves one record every 50 ms; near the left or right edge of the rows
// area it steps one cell.

#include "rtl/core/Component.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiGridTableController;
class TuiTimer;

class TuiGridPullFocusing {
public:
    explicit TuiGridPullFocusing(TuiGridTableController& controller);
    ~TuiGridPullFocusing();
    TuiGridPullFocusing(const TuiGridPullFocusing&) = delete;
    TuiGridPullFocusing& operator=(const TuiGridPullFocusing&) = delete;

    bool Active() const { return FActive; }
    // The press that starts it, with its shift state, which every later extension of the selection keeps.
    void Start(vcl::TShiftState shift, vcl::TPoint point);
    void MouseMove(vcl::TPoint point);
    void Stop();

private:
    enum TDirection : uint8_t { dirNone, dirUp, dirDown, dirLeft, dirRight };
    TDirection DirectionAt(vcl::TPoint point);
    void PullTo(vcl::TPoint point);
    void ScrollStep();
    void ExtendSelection();
    void SetScrollDirection(TDirection direction);

    TuiGridTableController& FController;
    std::unique_ptr<TuiTimer, rtl::TComponentDeleter> FScrollTimer;
    vcl::TShiftState FShift;
    vcl::TPoint FLastPoint{-1, -1};
    TDirection FDirection = dirNone;
    bool FActive = false;
};

} // namespace ui
