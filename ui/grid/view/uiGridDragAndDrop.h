#pragma once
// TuiCustomGridDragAndDropObject: the base of the grid's own drags on a view's site (sizing a column or a row, and
// later moving a column). It keeps the press point and reaches the view through the site; the site tells it before
// and after it paints, so that what the drag draws over the view survives a repaint in the middle of the drag.

#include "ui/core/controls/control/uiDragAndDrop.h"
#include "vcl/system/Types.h"

namespace ui {

class TuiCustomGridController;
class TuiCustomGridView;
class TuiGridSite;

class TuiCustomGridDragAndDropObject : public TuiDragAndDropObject {
public:
    // sourcePoint: the press, in the site's client coordinates.
    TuiCustomGridDragAndDropObject(TuiGridSite& site, vcl::TPoint sourcePoint);

    TuiGridSite& Site() const;
    TuiCustomGridView& GridView() const;
    TuiCustomGridController& Controller() const;
    vcl::TPoint SourcePoint() const { return FSourcePoint; }

    // Around the site's painting while the drag runs.
    void BeforePaint() { DoBeforePaint(); }
    void AfterPaint() { DoAfterPaint(); }

protected:
    virtual void DoBeforePaint() {}
    virtual void DoAfterPaint() {}

private:
    vcl::TPoint FSourcePoint;
};

} // namespace ui
