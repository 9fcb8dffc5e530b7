#include "vcl/controls/drag/DragObjects.h"

#include "vcl/controls/Control.h"
#include "vcl/imagelists/ImageList.h"

namespace vcl {

TCursor TDragObject::GetDragCursor(bool accepted, int32_t, int32_t) {
    return accepted ? crDrag : crNoDrop;
}

TDragImageList* TDragObject::GetDragImages() {
    return nullptr;
}

void TDragObject::HideDragImage() {
    if (TDragImageList* images = GetDragImages()) {
        images->HideDragImage();
    }
}

void TDragObject::ShowDragImage() {
    if (TDragImageList* images = GetDragImages()) {
        images->ShowDragImage();
    }
}

rtl::TObject* TDragObject::EventSource() {
    return this;
}

void TDragObject::Finished(rtl::TObject*, int32_t, int32_t, bool) {}

TCursor TDragControlObject::GetDragCursor(bool accepted, int32_t x, int32_t y) {
    return accepted ? FControl->DragCursor() : TDragObject::GetDragCursor(false, x, y);
}

TDragImageList* TDragControlObject::GetDragImages() {
    return FControl->GetDragImages();
}

rtl::TObject* TDragControlObject::EventSource() {
    return FControl;
}

void TDragControlObject::Finished(rtl::TObject* target, int32_t x, int32_t y, bool) {
    FControl->DoEndDrag(target, x, y);
}

} // namespace vcl
