#pragma once
// TuiCustomGridMovingObject: the base of the drags that move an element of a view (a column header) to another place.
// A semi-transparent image of the element follows the pointer, and two arrows point at the place it would land; both
// hide while the drag is dirty, so that the view can be repainted under them, and show again after. Over a place the
// element cannot go, the cursor tells whether dropping there removes it or does nothing.

#include "ui/core/controls/dragdrop/uiDragImages.h"
#include "ui/grid/view/uiGridDragAndDrop.h"
#include "vcl/system/Types.h"

#include <array>
#include <memory>

namespace ui {

class TuiCanvas;

class TuiCustomGridMovingObject : public TuiCustomGridDragAndDropObject {
public:
    using TuiCustomGridDragAndDropObject::TuiCustomGridDragAndDropObject;
    ~TuiCustomGridMovingObject() override;

    // nullptr outside the drag.
    TuiDragImage* DragImage() const { return FDragImage.get(); }
    TuiDragAndDropArrow* Arrow(int32_t index) const { return FArrows.at(index).get(); }

    vcl::TCursor CursorFor(bool accepted) const override;
    void BeginDragAndDrop() override;
    void DirtyChanged() override;
    void DragAndDrop(vcl::TPoint point, bool& accepted) override;
    void EndDragAndDrop(bool accepted) override;

protected:
    // The arrows stand above and below the place (else left and right of it).
    virtual bool AreArrowsVertical() const { return true; }
    // Dropped where it is now, the element would be removed.
    virtual bool CanRemove() const = 0;
    // Whether the arrows show now, and the place they point at (the site's client coordinates).
    virtual bool ShowsArrows() const = 0;
    virtual vcl::TRect ArrowAreaBounds(TuiArrowPlace place) const = 0;
    // The arrows stay inside it: the view's client bounds.
    virtual vcl::TRect ArrowsClientRect() const;
    // The element where the drag began (the site's client coordinates); its pixels make the drag image.
    virtual vcl::TRect SourceItemBounds() const = 0;

private:
    void InitDragImage();
    void ShowArrows(bool value);
    void ShowDragImage(bool value);

    std::unique_ptr<TuiDragImage, rtl::TComponentDeleter> FDragImage;
    std::array<std::unique_ptr<TuiDragAndDropArrow, rtl::TComponentDeleter>, 2> FArrows;
};

} // namespace ui
