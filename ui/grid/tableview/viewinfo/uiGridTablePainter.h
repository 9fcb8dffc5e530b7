#pragma once
// TuiGridTablePainter: paints a table view from its layout through the look-and-feel painter: the column headers with
// their captions and sorting marks, every data cell by its column's editor view info, the grid lines of all cells in
// one pass, the focus rectangle, the no-data text, the footer with its summaries, the indicator with its glyphs and the
// group-by box, the group rows, the filter and new-item rows; and scrolls by moving the pixels already painted when it
// can.

#include "rtl/text/StringTypes.h"
#include "ui/grid/view/uiGridPainter.h"
#include "vcl/graphics/Colors.h"

#include <cstdint>
#include <vector>

namespace vcl {
class TBitmap;
}

namespace ui {

struct TuiDrawParams;
class TuiGridColumnHeaderViewInfo;
class TuiGridDataCellViewInfo;
class TuiGridColumn;
class TuiGridDataRowViewInfo;
class TuiGridFooterCellViewInfo;
class TuiGridIndicatorItemViewInfo;
class TuiGridTableView;
class TuiGridGroupCellViewInfo;
class TuiGridLineCollection;
class TuiGridNewItemRowViewInfo;
class TuiGridTableViewInfo;

class TuiGridTablePainter : public TuiCustomGridPainter {
public:
    using TuiCustomGridPainter::TuiCustomGridPainter;

    // Moving the painted pixels is possible: the site has a window, no no-data text shows and no part's bitmap lies
    // under what moves (the view's background, group rows, the footer, sideways the header); vertically also no
    // visible column merges cells, sideways also no special row shows its info text (centred in what shows).
    bool CanScrollByPixels(bool vertical) const;
    // The view follows the table controller's top record (left position), moving the pixels of what stays shown
    // when it can; otherwise it repaints. A view not laid out yet, or locked, lays itself out anew.
    void ScrollToTopRecord();
    void ScrollToLeftPos();

protected:
    void PaintContent() override;

private:
    TuiGridTableViewInfo& TableViewInfo() const;
    void DrawColumnHeader(TuiGridColumnHeaderViewInfo& header);
    using TColumnCellHandler = void (TuiGridColumn::*)(TuiCanvas&, TuiGridColumnHeaderViewInfo*, bool&);
    using TViewCellHandler = void (TuiGridTableView::*)(TuiCanvas&, TuiGridColumnHeaderViewInfo*, bool&);
    // Each answers whether a handler drew the cell.
    bool CustomDrawColumnHeader(TuiGridColumnHeaderViewInfo& header);
    bool CustomDrawFooterCell(TuiGridFooterCellViewInfo& cell);
    bool CustomDrawColumnCell(TuiGridColumnHeaderViewInfo& cell, const vcl::TRect& bounds,
                              TColumnCellHandler columnHandler, TViewCellHandler viewHandler);
    void DrawHeaderBand(const vcl::TRect& band);
    // Paints a band by draw within its part inside the client bounds, clipped to it, and keeps the background off it.
    void DrawBand(const vcl::TRect& bounds, void (TuiGridTablePainter::*draw)(const vcl::TRect& band));
    void DrawRecords();
    // A data cell or preview by its editor view info; its grid lines go to lines.
    void DrawDataCell(TuiGridDataCellViewInfo& cell, TuiGridLineCollection& lines);
    void DrawRowFocusRect(const TuiGridDataRowViewInfo& row);
    // The filter and new-item rows: the info text centred in its style while the row shows it, else empty cells
    // with their grid lines; then the separator, drawn as a header cell.
    void DrawSpecialRows();
    void DrawSpecialRow(const TuiGridNewItemRowViewInfo& row, const std::vector<vcl::TRect>& cells);
    // The group cell in the group colours with the caption and summary text, the expand button, and the level
    // indents left of it in the colours of their levels; the cell's grid lines go to lines.
    void DrawGroupRow(const TuiGridDataRowViewInfo& row, TuiGridLineCollection& lines);
    void DrawGroupCellContent(const TuiGridGroupCellViewInfo& cell, bool expanded, bool standard);
    // The row's level indents in the colours of their levels with their grid lines; a master row's expand button.
    void DrawLevelIndents(const TuiGridDataRowViewInfo& row);
    // The row's separator in the separator colour and the closing line under the last row.
    void DrawRowBottom(const TuiGridDataRowViewInfo& row);
    void DrawNoDataText();
    void DrawFooter(const vcl::TRect& band);
    void DrawFooterFrame(const vcl::TRect& band, int32_t separatorHeight);
    void DrawIndicator(const vcl::TRect& band);
    void DrawGroupByBox(const vcl::TRect& band);
    void DrawFilterBar(const vcl::TRect& band);
    // Text in the band's font and colour over what is painted.
    void DrawBandText(rtl::UnicodeStringView text, const vcl::TRect& bounds, uint16_t flags,
                      const TuiDrawParams& params);
    void DrawIndicatorItem(TuiGridIndicatorItemViewInfo&& item, const vcl::TRect& bounds);
    void DrawIndicatorHeaderItem(const vcl::TRect& item, const TuiDrawParams& params);
    // The client bounds right of the indicator: what scrolls sideways.
    vcl::TRect ContentBounds() const;
    // The rows area within the client bounds (between header and footer): what moves when the records scroll.
    vcl::TRect RecordsScrollBounds() const;
    // The layout can follow a scroll in place.
    bool CanOffsetLayout() const;
    // A part's style bitmap lies under what a scroll would move.
    bool HasBitmapUnderMovingParts(bool vertical) const;
    // The picture of a background bitmap index, or nullptr.
    vcl::TBitmap* Bitmap(int32_t index) const;
    // With the part's bitmap tiled when it has one, else its colour.
    void FillBackground(const vcl::TRect& rect, vcl::TColor color, vcl::TBitmap* bitmap);
};

} // namespace ui
