#pragma once
// TuiGridIndicatorViewInfo: the indicator at the left of a table view: beside each row an item with a glyph for the
// row's state, beside the header an item that opens the columns' quick customization, beside the footer an item that
// carries the footer's separator and frame. It shows with Indicator or ColumnsQuickCustomization, IndicatorWidth wide;
// a row's item carries the row sizing edge where rows can be sized. The places come from the layout's placement.

#include "ui/grid/tableview/layout/uiGridTablePlacement.h"

#include <cstdint>

namespace ui {

class TuiCustomGridHitTest;
class TuiGridDataRowViewInfo;
class TuiGridTableViewInfo;

// The glyphs of the look-and-feel painter's indicator cells, in their order.
enum TuiGridIndicatorKind : int32_t { ikNone, ikArrow, ikEdit, ikInsert, ikMultiDot, ikMultiArrow, ikFilter };

struct TuiGridIndicatorRowState {
    bool FilterRow = false;
    bool NewItemRow = false;
    bool Editing = false;
    bool Inserting = false; // the data controller inserts the record being edited
    bool Focused = false;
    bool Selected = false;
    bool MultiSelect = false;
};

// The filter row, the new-item row, an edited record (inserted or not), then focus and selection under MultiSelect.
TuiGridIndicatorKind IndicatorKindOf(const TuiGridIndicatorRowState& state);

class TuiGridIndicatorViewInfo {
public:
    explicit TuiGridIndicatorViewInfo(TuiGridTableViewInfo& tableViewInfo) : FTableViewInfo(tableViewInfo) {}

    bool Visible() const;
    // IndicatorWidth when visible, else 0.
    int32_t Width() const;
    const vcl::TRect& Bounds() const;
    // Beside the header band (beside the footer band); empty without it.
    vcl::TRect HeaderItemBounds() const;
    vcl::TRect FooterItemBounds() const;
    vcl::TRect RowItemBounds(const TuiGridDataRowViewInfo& row) const;
    TuiGridIndicatorKind RowKind(const TuiGridDataRowViewInfo& row) const;
    // A drag on a row's bottom edge in the indicator sizes the data rows.
    bool RowsSizable() const;

    // The hit test of a spot of the indicator.
    TuiCustomGridHitTest& HitTest(const TuiGridPlacementSpot& spot, vcl::TPoint point) const;

private:
    // The indicator's span beside a band from top to bottom; empty when the band is.
    vcl::TRect ItemBeside(const vcl::TRect& band) const;

    TuiGridTableViewInfo& FTableViewInfo;
};

} // namespace ui
