#include "ui/grid/view/uiGridMovingObject.h"

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridPainter.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "vcl/controls/pointer/Cursors.h"

namespace ui {

TuiCustomGridMovingObject::~TuiCustomGridMovingObject() = default;

vcl::TCursor TuiCustomGridMovingObject::CursorFor(bool accepted) const {
    if (accepted) {
        return vcl::crArrow;
    }
    return CanRemove() ? crGridRemove : crGridNoDrop;
}

vcl::TRect TuiCustomGridMovingObject::ArrowsClientRect() const {
    return GridView().ViewInfo().ClientBounds();
}

void TuiCustomGridMovingObject::BeginDragAndDrop() {
    FDragImage.reset(new TuiDragImage(nullptr));
    InitDragImage();
    for (auto& arrow : FArrows) {
        arrow.reset(new TuiDragAndDropArrow(nullptr, FDragImage->IsAlphaBlended()));
    }
    TuiCustomGridDragAndDropObject::BeginDragAndDrop();
}

// The view paints itself into the image with the element's top-left corner at the image's origin.
void TuiCustomGridMovingObject::InitDragImage() {
    const vcl::TRect bounds = SourceItemBounds();
    FDragImage->Init(bounds, SourcePoint());
    if (bounds.IsEmpty()) {
        return;
    }
    const HDC image = FDragImage->ImageCanvas().Handle();
    POINT previous{};
    SetWindowOrgEx(image, bounds.Left, bounds.Top, &previous);
    try {
        GridView().Painter().Paint(&FDragImage->ImageCanvas());
    } catch (...) {
        SetWindowOrgEx(image, previous.x, previous.y, nullptr);
        throw;
    }
    SetWindowOrgEx(image, previous.x, previous.y, nullptr);
}

void TuiCustomGridMovingObject::ShowArrows(bool value) {
    const bool show = value && ShowsArrows();
    const TuiArrowPlace places[2] = {AreArrowsVertical() ? apTop : apLeft, AreArrowsVertical() ? apBottom : apRight};
    for (size_t i = 0; i < FArrows.size(); ++i) {
        if (!FArrows[i]) {
            continue;
        }
        if (show) {
            FArrows[i]->Init(&Control(), ArrowAreaBounds(places[i]), ArrowsClientRect(), places[i]);
        }
        FArrows[i]->SetImageVisible(show);
    }
}

void TuiCustomGridMovingObject::ShowDragImage(bool value) {
    if (!FDragImage) {
        return;
    }
    if (value) {
        FDragImage->MoveTo(Control().ClientToScreen(CurMousePos()));
    }
    FDragImage->SetImageVisible(value);
}

void TuiCustomGridMovingObject::DirtyChanged() {
    TuiCustomGridDragAndDropObject::DirtyChanged();
    ShowArrows(!Dirty());
    ShowDragImage(!Dirty());
}

void TuiCustomGridMovingObject::DragAndDrop(vcl::TPoint point, bool& accepted) {
    TuiCustomGridDragAndDropObject::DragAndDrop(point, accepted);
    ShowDragImage(true);
}

void TuiCustomGridMovingObject::EndDragAndDrop(bool accepted) {
    TuiCustomGridDragAndDropObject::EndDragAndDrop(accepted);
    for (auto& arrow : FArrows) {
        arrow.reset();
    }
    FDragImage.reset();
}

} // namespace ui
