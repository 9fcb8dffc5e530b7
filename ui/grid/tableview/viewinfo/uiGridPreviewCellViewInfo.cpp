#include "ui/grid/tableview/viewinfo/uiGridPreviewCellViewInfo.h"

#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableHitTests.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"

#include <algorithm>

namespace ui {

vcl::TRect TuiGridPreviewCellViewInfo::EditorContentOffsets() const {
    const TuiGridPreview& preview = Row().TableViewInfo().TableView().Preview();
    return {std::max(preview.LeftIndent() - 1, 0), 1, std::max(preview.RightIndent() - 1, 0), 1};
}

int32_t TuiGridPreviewCellViewInfo::TextMaxLineCount() const {
    return Row().TableViewInfo().TableView().Preview().MaxLineCount();
}

TuiCustomGridHitTest* TuiGridPreviewCellViewInfo::CreateHitTest(vcl::TPoint point) {
    auto& hitTest = TuiCustomGridHitTest::Instance<TuiGridPreviewHitTest>(point);
    hitTest.SetGridView(&Row().TableViewInfo().GridView());
    hitTest.SetGridRecord(Row().GridRecord());
    hitTest.SetItem(&Column());
    return &hitTest;
}

} // namespace ui
