#pragma once
// TuiCustomGridPainter: a view's paint sequence. The background region starts as the view's bounds; every part a
// descendant paints in PaintContent leaves it (ExcludeFromBackground), and what remains is filled last.

#include "ui/grid/view/uiGridViewHandler.h"
#include "vcl/system/Types.h"

#include <memory>

namespace ui {

class TuiCanvas;
class TuiRegion;

class TuiCustomGridPainter : public TuiGridViewHandler {
public:
    explicit TuiCustomGridPainter(TuiCustomGridView& gridView);
    ~TuiCustomGridPainter() override;

    // Paints the view on canvas (the site's canvas when nullptr).
    void Paint(TuiCanvas* canvas = nullptr);
    void ExcludeFromBackground(const vcl::TRect& rect);
    // The focus rectangle while the grid has the focus; otherwise four inverted lines unless hideFocusRect.
    virtual void DrawFocusRect(const vcl::TRect& rect, bool hideFocusRect);
    // Invalidate the site.
    void Invalidate();
    void InvalidateRect(const vcl::TRect& rect);

protected:
    TuiCanvas& Canvas() const { return *FCanvas; }
    // The view's parts; nothing in the base.
    virtual void PaintContent() {}
    virtual void DrawBackground();

private:
    void BeforePaint();
    void AfterPaint();

    TuiCanvas* FCanvas = nullptr; // not owned; only while painting
    std::unique_ptr<TuiRegion> FBackgroundRegion;
};

} // namespace ui
