#pragma once
// TuiCustomGridCellPainter: draws one cell view info on one canvas. A cell makes a painter of its class for each paint
// and frees it afterwards: the painter holds no state beyond that paint. The main paint skips a cell that is not laid
// out or lies outside the clip region; otherwise the cell's custom drawing goes first and, unless it painted the cell,
// the background and text follow; the borders come last.

#include "ui/core/graphics/uiCanvas.h"
#include "vcl/system/Types.h"

namespace ui {

class TuiCustomGridCellViewInfo;

class TuiCustomGridCellPainter {
public:
    TuiCustomGridCellPainter(TuiCanvas& canvas, TuiCustomGridCellViewInfo& viewInfo)
        : FCanvas(canvas), FViewInfo(viewInfo) {}
    virtual ~TuiCustomGridCellPainter() = default;
    TuiCustomGridCellPainter(const TuiCustomGridCellPainter&) = delete;
    TuiCustomGridCellPainter& operator=(const TuiCustomGridCellPainter&) = delete;

    void MainPaint();

protected:
    TuiCanvas& Canvas() const { return FCanvas; }
    TuiCustomGridCellViewInfo& ViewInfo() const { return FViewInfo; }
    // The cell is laid out and its bounds meet the clip region.
    virtual bool CanPaint() const;
    // The content unless the custom drawing painted the cell (the cell's parameters come back afterwards), then the
    // borders.
    virtual void Paint();
    // The background unless its background custom drawing painted it; then the text.
    virtual void DrawContent();
    virtual void DrawBackground();
    // The cell's bitmap tiled, else its colour.
    virtual void DrawBackgroundRect(const vcl::TRect& rect);
    virtual void DrawBorders();
    virtual void DrawBorder(TuiBorder side);
    // The text in the cell's font and text colour, on a clear brush, within the text area.
    virtual void DrawText();

private:
    TuiCanvas& FCanvas;
    TuiCustomGridCellViewInfo& FViewInfo;
};

} // namespace ui
