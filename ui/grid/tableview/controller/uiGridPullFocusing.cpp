#include "ui/grid/tableview/controller/uiGridPullFocusing.h"

#include "ui/core/controls/services/uiTimers.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

namespace {

constexpr uint32_t PullScrollInterval = 50;
// The band inside the rows area's left and right edges that steps the focused cell.
constexpr int32_t PullScrollBand = 15;

} // namespace

TuiGridPullFocusing::TuiGridPullFocusing(TuiGridTableController& controller) : FController(controller) {}

TuiGridPullFocusing::~TuiGridPullFocusing() = default;

void TuiGridPullFocusing::Start(vcl::TShiftState shift, vcl::TPoint point) {
    FActive = true;
    FShift = shift;
    FLastPoint = point;
}

void TuiGridPullFocusing::Stop() {
    FActive = false;
    SetScrollDirection(dirNone);
}

TuiGridPullFocusing::TDirection TuiGridPullFocusing::DirectionAt(vcl::TPoint point) {
    const vcl::TRect area = FController.Placement().RowsAreaBounds;
    if (point.Y < area.Top) {
        return dirUp;
    }
    if (point.Y >= area.Bottom) {
        return dirDown;
    }
    if (point.X < area.Left + PullScrollBand) {
        return dirLeft;
    }
    if (point.X >= area.Right - PullScrollBand) {
        return dirRight;
    }
    return dirNone;
}

void TuiGridPullFocusing::MouseMove(vcl::TPoint point) {
    if (!FActive || point == FLastPoint) {
        return;
    }
    FLastPoint = point;
    const TDirection direction = DirectionAt(point);
    SetScrollDirection(direction);
    if (direction == dirNone || direction == dirLeft || direction == dirRight) {
        PullTo(point);
    }
}

void TuiGridPullFocusing::PullTo(vcl::TPoint point) {
    const TuiGridPlacementSpot spot = FController.SpotAt(point);
    if (spot.Kind != TuiGridPlacementSpotKind::DataCell && spot.Kind != TuiGridPlacementSpotKind::Record) {
        return;
    }
    TuiCustomGridTableItem* prevFocusedItem = FController.FocusedItem();
    const int32_t prevFocusedRow = FController.DataController().GetFocusedRowIndex();
    FController.FocusRowAt(spot.RecordIndex);
    if (spot.Kind == TuiGridPlacementSpotKind::DataCell && FController.TableView().OptionsSelection().CellSelect()) {
        FController.SetFocusedItem(FController.GridTableView().VisibleColumns(spot.Column));
    }
    if (FController.FocusedItem() != prevFocusedItem ||
        FController.DataController().GetFocusedRowIndex() != prevFocusedRow) {
        ExtendSelection();
    }
}

void TuiGridPullFocusing::ExtendSelection() {
    if (!FController.MultiSelect()) {
        return;
    }
    const bool keep = FShift.Contains(vcl::ssCtrl) && FController.CtrlTogglesSelection();
    FController.SelectRowsFromAnchor(FController.DataController().GetFocusedRowIndex(), keep);
    FController.UpdateColumnSelection(true);
}

void TuiGridPullFocusing::SetScrollDirection(TDirection direction) {
    FDirection = direction;
    if (direction == dirNone) {
        FScrollTimer.reset();
        return;
    }
    if (!FScrollTimer) {
        FScrollTimer.reset(new TuiTimer(nullptr));
        FScrollTimer->SetInterval(PullScrollInterval);
        FScrollTimer->SetOnTimer([this](rtl::TObject*) { ScrollStep(); });
        FScrollTimer->SetEnabled(true);
    }
}

// One step past the visible records (or cells) toward the pointer; a step never appends a record. A site that lost
// the mouse (a window took the capture, the button came up elsewhere) ends the pull.
void TuiGridPullFocusing::ScrollStep() {
    if (!FController.GridView().Site().MouseCapture()) {
        Stop();
        return;
    }
    TuiGridDataController& data = FController.DataController();
    const int32_t top = FController.TopRecordIndex();
    bool moved = false;
    switch (FDirection) {
    case dirUp:
        moved = FController.FocusRowAt(top) && FController.GoToPrevRecord(false);
        break;
    case dirDown:
        moved = FController.FocusRowAt(top + FController.VisibleRecordCount() - 1) && FController.GoToNextRecord(false);
        break;
    case dirLeft:
    case dirRight:
        moved = FController.StepFocusCellInRecord(FDirection == dirRight);
        break;
    case dirNone:
        break;
    }
    if (moved) {
        FController.BringRecordIntoView(data.GetFocusedRowIndex());
        ExtendSelection();
    }
}

} // namespace ui
