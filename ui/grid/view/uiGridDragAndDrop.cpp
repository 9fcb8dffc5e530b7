#include "ui/grid/view/uiGridDragAndDrop.h"

#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

TuiCustomGridDragAndDropObject::TuiCustomGridDragAndDropObject(TuiGridSite& site, vcl::TPoint sourcePoint)
    : TuiDragAndDropObject(site), FSourcePoint(sourcePoint) {}

TuiGridSite& TuiCustomGridDragAndDropObject::Site() const {
    return static_cast<TuiGridSite&>(Control());
}

TuiCustomGridView& TuiCustomGridDragAndDropObject::GridView() const {
    return Site().GridView();
}

TuiCustomGridController& TuiCustomGridDragAndDropObject::Controller() const {
    return GridView().Controller();
}

} // namespace ui
