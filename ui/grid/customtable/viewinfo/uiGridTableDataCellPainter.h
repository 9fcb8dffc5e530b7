#pragma once
// TuiGridTableDataCellPainter: paints a data cell through its editor's view info, the one place where a value of a
// grid reaches the screen, clipped to the cell's content; custom drawing may paint the cell instead or give the editor
// other colours and a font. The grid lines are the view painter's, drawn for all cells at once.

#include "ui/grid/cells/uiGridCellPainter.h"

namespace ui {

class TuiGridTableDataCellViewInfo;

class TuiGridTableDataCellPainter : public TuiCustomGridCellPainter {
public:
    TuiGridTableDataCellPainter(TuiCanvas& canvas, TuiGridTableDataCellViewInfo& cell);

protected:
    void Paint() override;
    void DrawContent() override;
    void DrawBorders() override {}

private:
    TuiGridTableDataCellViewInfo& FCell;
};

} // namespace ui
