#include "ui/grid/tableview/controller/uiGridDragScrolling.h"

#include "ui/core/controls/services/uiTimers.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/view/uiGridViewInfo.h"

#include <algorithm>

namespace ui {

namespace {

constexpr uint32_t DragScrollInterval = 20;
// The bands inside the rows area's edges that scroll toward that edge.
constexpr int32_t DragScrollBand = 15;

} // namespace

TuiGridDragScrolling::TuiGridDragScrolling(TuiGridTableController& controller) : FController(controller) {}

TuiGridDragScrolling::~TuiGridDragScrolling() = default;

TuiGridDragScrollDirection TuiGridDragScrolling::DirectionAt(vcl::TPoint point) const {
    // The rows area as far as it shows: the client bounds leave out the scroll bars.
    vcl::TRect area = FController.Placement().RowsAreaBounds;
    const vcl::TRect client = FController.GridView().ViewInfo().ClientBounds();
    area = vcl::Rect(std::max(area.Left, client.Left), std::max(area.Top, client.Top),
                     std::min(area.Right, client.Right), std::min(area.Bottom, client.Bottom));
    if (!area.Contains(point)) {
        return gdsNone;
    }
    if (point.Y < area.Top + DragScrollBand) {
        return gdsUp;
    }
    if (point.Y >= area.Bottom - DragScrollBand) {
        return gdsDown;
    }
    if (point.X < area.Left + DragScrollBand) {
        return gdsLeft;
    }
    if (point.X >= area.Right - DragScrollBand) {
        return gdsRight;
    }
    return gdsNone;
}

void TuiGridDragScrolling::DragOver(vcl::TPoint point, vcl::TDragState state) {
    if (state == vcl::dsDragLeave || !FController.TableView().OptionsBehavior().DragScrolling()) {
        Stop();
        return;
    }
    SetDirection(DirectionAt(point));
}

void TuiGridDragScrolling::SetDirection(TuiGridDragScrollDirection direction) {
    FDirection = direction;
    if (direction == gdsNone) {
        FTimer.reset();
        return;
    }
    if (!FTimer) {
        FTimer.reset(new TuiTimer(nullptr));
        FTimer->SetInterval(DragScrollInterval);
        FTimer->SetOnTimer([this](rtl::TObject*) { ScrollStep(); });
        FTimer->SetEnabled(true);
    }
}

void TuiGridDragScrolling::ScrollStep() {
    switch (FDirection) {
    case gdsUp:
    case gdsDown:
        FController.SetTopRecordIndex(FController.TopRecordIndex() + (FDirection == gdsDown ? 1 : -1));
        break;
    case gdsLeft:
    case gdsRight:
        FController.SetLeftPos(FController.LeftPos() +
                               (FDirection == gdsRight ? 1 : -1) * TuiGridTableController::HorzScrollStep);
        break;
    case gdsNone:
        break;
    }
}

} // namespace ui
