#pragma once
// The heights of data rows whose cells set them (the view's CellAutoHeight without a stored DataRowHeight, or its
// OnGetCellHeight handler): each visible column's cell is measured through its column's editor for the record's value
// at the cell's width, its text broken into rows up to CellTextMaxLineCount; the handler may change each cell's
// height. A row is as high as its tallest cell and its horizontal grid line, and never lower than the rows' common
// height unless a handler sets it, though never below a pixel. A row's preview is measured the same way for its text
// at the row's content width, up to the preview's line count, or without AutoHeight takes that many lines of its
// font. The view's cache keeps both heights of a row until its values are unassigned.

#include <cstdint>

namespace ui {

class TuiCustomGridRecord;
class TuiGridColumnCellEditor;
class TuiGridTableViewInfo;
class TuiGridTableViewInfoCacheItem;

class TuiGridDataRowHeights {
public:
    explicit TuiGridDataRowHeights(TuiGridTableViewInfo& viewInfo) : FViewInfo(viewInfo) {}

    // The height of the data row of a view data row, from the cache when it holds it.
    int32_t RowHeight(int32_t rowIndex);
    // The height of the row's preview, its horizontal grid line included; 0 for none.
    int32_t PreviewHeight(int32_t rowIndex);

private:
    // A height a row's cache item keeps, and whether it holds one.
    struct TCachedHeightSlot {
        int32_t TuiGridTableViewInfoCacheItem::*Height;
        bool TuiGridTableViewInfoCacheItem::*Assigned;
    };
    // The height a row's cache item keeps in slot, measured and kept there when missing (measured alone without a
    // cache).
    template <class TMeasure>
    int32_t CachedHeight(int32_t rowIndex, TCachedHeightSlot slot, TMeasure measure);
    int32_t MeasureRow(int32_t rowIndex);
    // The editor's height for the value in the cell's text area, plus 2; 0 when it measures nothing.
    int32_t MeasureCell(int32_t visibleIndex, TuiCustomGridRecord* record);
    int32_t MeasurePreview(TuiCustomGridRecord* record);
    // The editor's height for the record's value at width with at most maxLineCount rows (0: any), plus 2; 0 when
    // it measures nothing.
    int32_t MeasureEditor(TuiGridColumnCellEditor& editor, TuiCustomGridRecord* record, int32_t width,
                          int32_t maxLineCount);

    TuiGridTableViewInfo& FViewInfo;
};

} // namespace ui
