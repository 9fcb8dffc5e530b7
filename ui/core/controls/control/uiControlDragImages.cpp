// The framework drag of library controls: its images, the object it carries over them, and the image hidden while
// a control paints or scrolls under it.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/control/uiDragObjectImages.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/controls/drag/DragObjects.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <utility>

namespace ui {

namespace {

vcl::TDragObject*& RememberedDragObjectSlot() {
    static vcl::TDragObject* object = nullptr;
    return object;
}

} // namespace

void RememberDragObject(vcl::TDragObject* object) {
    RememberedDragObjectSlot() = object;
}

vcl::TDragObject* RememberedDragObject() {
    vcl::TDragObject*& object = RememberedDragObjectSlot();
    if (object && object != vcl::DragObject()) {
        object = nullptr;
    }
    return object;
}

TuiDragImageHiding::TuiDragImageHiding() : FObject(RememberedDragObject()) {
    if (FObject) {
        FObject->HideDragImage();
    }
}

// The drag may have ended while the control painted (a message handled inside): then there is nothing to show.
TuiDragImageHiding::~TuiDragImageHiding() {
    if (FObject && FObject == RememberedDragObject()) {
        FObject->ShowDragImage();
    }
}

void TuiControl::DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) {
    RememberDragObject(state == vcl::dsDragLeave ? nullptr : vcl::DragObject());
    TCustomControl::DragOver(source, x, y, state, accept);
}

void TuiControl::DoEndDrag(rtl::TObject* target, int32_t x, int32_t y) {
    TCustomControl::DoEndDrag(target, x, y);
    if (FDragImages) {
        rtl::TComponent::Free(std::exchange(FDragImages, nullptr));
    }
}

vcl::TDragImageList* TuiControl::CreateDragImages() {
    return new vcl::TDragImageList(this);
}

vcl::TDragImageList* TuiControl::GetDragImages() {
    if (!HasDragImages()) {
        return nullptr;
    }
    if (!FDragImages) {
        FDragImages = CreateDragImages();
        InitDragImages(*FDragImages);
    }
    return FDragImages->Count() > 0 ? FDragImages : nullptr;
}

void TuiControl::InitDragImages(vcl::TDragImageList& list) {
    const vcl::TSize size = GetDragImagesSize();
    list.SetSize(size.cx, size.cy);
    if (size.cx == 0 || size.cy == 0) {
        return;
    }
    vcl::TBitmap image(size.cx, size.cy);
    TuiCanvas canvas(image.Canvas());
    DrawDragImage(canvas, {0, 0, size.cx, size.cy});
    list.AddMasked(image, image.TransparentColor());
}

} // namespace ui
