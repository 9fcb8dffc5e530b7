#include "ui/grid/tableview/viewinfo/uiGridDataRowHeights.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/editors/framework/uiEditProperties.h"
#include "ui/editors/framework/uiEditViewData.h"
#include "ui/editors/text/uiTextEditViewData.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableViewData.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnCellEditor.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfoCache.h"

#include <algorithm>

namespace ui {

namespace {

// The editors that break their text into rows.
constexpr uint32_t MeasuresRowsCapability = 2;
// A measured height keeps a pixel above and below the editor.
constexpr int32_t MeasuredCellMargins = 2;

} // namespace

int32_t TuiGridDataRowHeights::RowHeight(int32_t rowIndex) {
    TuiGridTableView& view = FViewInfo.TableView();
    auto* cache = static_cast<TuiGridTableViewInfoCache*>(view.ViewInfoCache());
    TuiGridTableViewInfoCacheItem* item = cache ? cache->RowItem(rowIndex) : nullptr;
    if (item && item->IsHeightAssigned) {
        return item->Height;
    }
    const int32_t height = MeasureRow(view.ViewData().GetRecordAt(rowIndex));
    if (item) {
        item->Height = height;
        item->IsHeightAssigned = true;
    }
    return height;
}

int32_t TuiGridDataRowHeights::MeasureRow(TuiCustomGridRecord* record) {
    int32_t tallest = 0;
    for (int32_t i = 0; i < FViewInfo.CellEditorCount(); ++i) {
        tallest = std::max(tallest, MeasureCell(i, record));
    }
    const int32_t gridLine = GridLinesHaveHorizontal(FViewInfo.GridLines()) ? TuiGridTableViewInfo::GridLineWidth : 0;
    return std::max(tallest + gridLine, FViewInfo.DataRowHeight());
}

int32_t TuiGridDataRowHeights::MeasureCell(int32_t visibleIndex, TuiCustomGridRecord* record) {
    TuiGridColumnCellEditor& editor = FViewInfo.CellEditor(visibleIndex);
    TuiGridTableView& view = FViewInfo.TableView();
    TuiDrawParams params;
    view.Styles().GetDataCellParams(record, &editor.Column(), params);
    editor.ApplyCellStyle(params.Color, params.TextColor, params.Font);
    TuiCanvas& canvas = FViewInfo.MeasuringCanvas();
    int32_t height = 0;
    const int32_t width = FViewInfo.CellContentWidth(visibleIndex);
    if ((editor.Properties().GetCapabilities() & MeasuresRowsCapability) != 0 && width >= 1) {
        TuiCustomEditViewData& viewData = editor.ViewData();
        viewData.InplaceContentOffsets = {};
        const int32_t maxLineCount = view.OptionsView().CellTextMaxLineCount();
        if (auto* textViewData = dynamic_cast<TuiCustomTextEditViewData*>(&viewData)) {
            textViewData->WrapsText = true;
            textViewData->MaxLineCount = maxLineCount;
        }
        height = viewData.GetEditSize(canvas, editor.CellDisplayValue(record), {-1, maxLineCount, width}).cy;
        height = height == 0 ? 0 : height + MeasuredCellMargins;
    }
    return height == 0 ? editor.DefaultCellHeight(canvas, params.Font) : height;
}

} // namespace ui
