#pragma once
// TuiGridTablePainter: paints a table view from its layout through the look-and-feel painter: the column headers with
// their captions and sorting marks, every data cell by its column's editor view info, the grid lines of all cells in
// one pass, the focus rectangle and the no-data text; and scrolls by moving the pixels already painted when it can.

#include "ui/grid/view/uiGridPainter.h"

#include <cstdint>

namespace ui {

class TuiGridColumnHeaderViewInfo;
class TuiGridDataRowViewInfo;
class TuiGridTableViewInfo;

class TuiGridTablePainter : public TuiCustomGridPainter {
public:
    using TuiCustomGridPainter::TuiCustomGridPainter;

    // Moving the painted pixels is possible: the site has a window and no no-data text shows; vertically also no
    // visible column merges cells.
    bool CanScrollByPixels(bool vertical) const;
    // Scrolls the view by count records, moving the rows still shown when it can; otherwise repaints it.
    void ScrollRecords(int32_t count);
    // Scrolls the view sideways by dx pixels (negative: the content moves left).
    void ScrollHorizontally(int32_t dx);

protected:
    void PaintContent() override;

private:
    TuiGridTableViewInfo& TableViewInfo() const;
    void DrawColumnHeader(const TuiGridColumnHeaderViewInfo& header);
    void DrawHeader();
    void DrawRecords();
    void DrawRowFocusRect(const TuiGridDataRowViewInfo& row);
    void DrawNoDataText();
    // The rows area within the client bounds: what moves when the records scroll.
    vcl::TRect RecordsScrollBounds() const;
};

} // namespace ui
