#include "ui/grid/tableview/viewinfo/uiGridPartViewInfo.h"

#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

namespace ui {

TuiCustomGridPartViewInfo::TuiCustomGridPartViewInfo(TuiGridTableViewInfo& tableViewInfo)
    : TuiCustomGridViewCellViewInfo(tableViewInfo), FTableViewInfo(tableViewInfo) {}

int32_t TuiCustomGridPartViewInfo::MeasureHeight() {
    CalculateHidden();
    if (Visible()) {
        FHeight = MeasureShownHeight();
    }
    return FHeight;
}

void TuiCustomGridPartViewInfo::CalculateShown(const vcl::TRect& bounds) {
    if (FHeight == 0 || bounds.IsEmpty()) {
        CalculateHidden();
        return;
    }
    CalculateInRect(bounds);
    PlaceContent();
}

void TuiCustomGridPartViewInfo::CalculateHidden() {
    FHeight = 0;
    CalculateInRect({});
    ClearContent();
}

bool TuiCustomGridPartViewInfo::HasCustomDrawBackground() const {
    return FTableViewInfo.TableView().HasCustomDrawPartBackground();
}

bool TuiCustomGridPartViewInfo::DoCustomDrawBackground(TuiCanvas& canvas) {
    bool done = false;
    FTableViewInfo.TableView().DoCustomDrawPartBackground(canvas, this, done);
    return done;
}

} // namespace ui
