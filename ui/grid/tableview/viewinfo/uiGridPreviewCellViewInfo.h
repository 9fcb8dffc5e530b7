#pragma once
// TuiGridPreviewCellViewInfo: the preview of a data row: the text of the view's preview column shown across the row
// above or below its cells, in rows broken at its width up to the preview's line count, kept LeftIndent and
// RightIndent from the row's content edges.

#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"

namespace ui {

class TuiGridPreviewCellViewInfo : public TuiGridDataCellViewInfo {
public:
    // The preview closes the row on the right: it carries the last column's grid lines.
    TuiGridPreviewCellViewInfo(TuiGridDataRowViewInfo& row, TuiGridColumnCellEditor& editor)
        : TuiGridDataCellViewInfo(row, editor, true) {}

protected:
    vcl::TRect EditorContentOffsets() const override;
    int32_t TextMaxLineCount() const override;
    TuiCustomGridHitTest* CreateHitTest(vcl::TPoint point) override;
};

} // namespace ui
