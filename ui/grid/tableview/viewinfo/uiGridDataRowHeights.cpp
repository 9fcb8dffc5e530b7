#include "ui/grid/tableview/viewinfo/uiGridDataRowHeights.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnCellEditor.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfoCache.h"

#include <algorithm>
#include <memory>

namespace ui {

namespace {

// The editors that break their text into rows.
constexpr uint32_t MeasuresRowsCapability = 2;
// A measured height keeps a pixel above and below the editor.
constexpr int32_t MeasuredCellMargins = 2;
// Lines of a preview without AutoHeight keep 2 pixels above and below.
constexpr int32_t PreviewTextMargins = 4;
// A cell height handler's answer is kept within this, far beyond any screen, so that a row's heights add up
// without wrapping.
constexpr int32_t MaxHandledCellHeight = 0x7FFF;

} // namespace

template <class TMeasure>
int32_t TuiGridDataRowHeights::CachedHeight(int32_t rowIndex, TCachedHeightSlot slot, TMeasure measure) {
    auto* cache = static_cast<TuiGridTableViewInfoCache*>(FViewInfo.TableView().ViewInfoCache());
    TuiGridTableViewInfoCacheItem* item = cache ? cache->RowItem(rowIndex) : nullptr;
    if (item == nullptr) {
        return measure();
    }
    if (!(item->*slot.Assigned)) {
        item->*slot.Height = measure();
        item->*slot.Assigned = true;
    }
    return item->*slot.Height;
}

int32_t TuiGridDataRowHeights::RowHeight(int32_t rowIndex) {
    const TCachedHeightSlot slot{&TuiGridTableViewInfoCacheItem::Height,
                                 &TuiGridTableViewInfoCacheItem::IsHeightAssigned};
    return CachedHeight(rowIndex, slot, [&] { return MeasureRow(rowIndex); });
}

int32_t TuiGridDataRowHeights::MeasureRow(int32_t rowIndex) {
    TuiGridTableView& view = FViewInfo.TableView();
    TuiCustomGridRecord* record = view.ViewData().GetRecordAt(rowIndex);
    // The handler is handed each cell as the row will make it, before the row is laid out.
    std::unique_ptr<TuiGridDataRowViewInfo> row;
    if (view.HasGetCellHeight()) {
        row = std::make_unique<TuiGridDataRowViewInfo>(FViewInfo, rowIndex);
    }
    int32_t tallest = 0;
    for (int32_t i = 0; i < FViewInfo.CellEditorCount(); ++i) {
        int32_t height = MeasureCell(i, record);
        if (row) {
            TuiGridColumnCellEditor& editor = FViewInfo.CellEditor(i);
            TuiGridDataCellViewInfo cell(*row, editor, i + 1 == FViewInfo.CellEditorCount());
            view.DoGetCellHeight(record, &editor.Column(), &cell, height);
            height = std::clamp(height, 0, MaxHandledCellHeight);
        }
        tallest = std::max(tallest, height);
    }
    const int32_t gridLine = GridLinesHaveHorizontal(FViewInfo.GridLines()) ? TuiGridTableViewInfo::GridLineWidth : 0;
    // A handler may lower a row below the common height, but rows keep a pixel as their counts divide by heights.
    return std::max(tallest + gridLine, row ? 1 : FViewInfo.DataRowHeight());
}

int32_t TuiGridDataRowHeights::MeasureCell(int32_t visibleIndex, TuiCustomGridRecord* record) {
    TuiGridColumnCellEditor& editor = FViewInfo.CellEditor(visibleIndex);
    TuiDrawParams params;
    FViewInfo.TableView().Styles().GetDataCellParams(record, &editor.Column(), params);
    editor.ApplyCellStyle(params.Color, params.TextColor, params.Font, editor.Column().ShowButtons(false));
    const int32_t maxLineCount = FViewInfo.TableView().OptionsView().CellTextMaxLineCount();
    const int32_t height = MeasureEditor(editor, record, FViewInfo.CellContentWidth(visibleIndex), maxLineCount);
    return height == 0 ? editor.DefaultCellHeight(FViewInfo.MeasuringCanvas(), params.Font) : height;
}

int32_t TuiGridDataRowHeights::PreviewHeight(int32_t rowIndex) {
    const TCachedHeightSlot slot{&TuiGridTableViewInfoCacheItem::PreviewHeight,
                                 &TuiGridTableViewInfoCacheItem::IsPreviewHeightAssigned};
    return CachedHeight(rowIndex, slot,
                        [&] { return MeasurePreview(FViewInfo.TableView().ViewData().GetRecordAt(rowIndex)); });
}

int32_t TuiGridDataRowHeights::MeasurePreview(TuiCustomGridRecord* record) {
    TuiGridColumnCellEditor* editor = FViewInfo.PreviewEditor();
    if (editor == nullptr) {
        return 0;
    }
    const TuiGridPreview& preview = FViewInfo.TableView().Preview();
    TuiDrawParams params;
    FViewInfo.TableView().Styles().GetPreviewParams(record, &editor->Column(), params);
    editor->ApplyCellStyle(params.Color, params.TextColor, params.Font, false);
    int32_t height = 0;
    if (preview.AutoHeight()) {
        // The text keeps the preview's indents from the content edges; the measure adds back the pixel of each
        // that an ordinary cell keeps too.
        const int32_t width = FViewInfo.PreviewContentWidth() - std::max(preview.LeftIndent() - 1, 0) -
                              std::max(preview.RightIndent() - 1, 0);
        height = MeasureEditor(*editor, record, width, preview.MaxLineCount());
    } else if (preview.MaxLineCount() > 0) {
        height = preview.MaxLineCount() * FViewInfo.MeasureText(u"Qq", params.Font).cy + PreviewTextMargins;
    }
    const bool gridLine = height != 0 && GridLinesHaveHorizontal(FViewInfo.GridLines());
    return gridLine ? height + TuiGridTableViewInfo::GridLineWidth : height;
}

int32_t TuiGridDataRowHeights::MeasureEditor(TuiGridColumnCellEditor& editor, TuiCustomGridRecord* record,
                                             int32_t width, int32_t maxLineCount) {
    if ((editor.Properties().GetCapabilities() & MeasuresRowsCapability) == 0 || width < 1) {
        return 0;
    }
    TuiCustomEditViewData& viewData = editor.ViewData();
    viewData.Data = record;
    viewData.InplaceContentOffsets = {};
    if (auto* textViewData = dynamic_cast<TuiCustomTextEditViewData*>(&viewData)) {
        textViewData->WrapsText = true;
        textViewData->MaxLineCount = maxLineCount;
    }
    const vcl::TSize size =
        viewData.GetEditSize(FViewInfo.MeasuringCanvas(), editor.CellDisplayValue(record), {-1, maxLineCount, width});
    return size.cy == 0 ? 0 : size.cy + MeasuredCellMargins;
}

} // namespace ui
