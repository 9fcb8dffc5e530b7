#pragma once
// The options a table view of columns adds to the custom table view's: selection of cells across columns, the view's
// footer, group-by box and group footers, the column-oriented customization, the two special rows (filter row and
// new-item row) and the preview. Each setter says what the grid must redo: 0 repaint, 1 layout, 2 size.

#include "rtl/text/StringTypes.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableMetrics.h"

#include <cstdint>

namespace ui {

class TuiGridColumn;
class TuiGridTableView;

enum TuiGridGroupFootersMode : uint8_t { gfInvisible, gfVisibleWhenExpanded, gfAlwaysVisible };
enum TuiGridFilterRowApplyChangesMode : uint8_t { fracOnCellExit, fracImmediately };
enum TuiGridPreviewPlace : uint8_t { ppBottom, ppTop };

class TuiGridTableOptionsSelection : public TuiCustomGridTableOptionsSelection {
    RTL_DECLARE_CLASS(TuiGridTableOptionsSelection, TuiCustomGridTableOptionsSelection)
public:
    using TuiCustomGridTableOptionsSelection::TuiCustomGridTableOptionsSelection;
    void Assign(const rtl::TPersistent* source) override;
    bool CellMultiSelect() const { return FCellMultiSelect; }
    // Cell selection on, inverted selection off and multi-selection on while it is on; switching it off turns
    // inverted selection on and multi-selection off.
    void SetCellMultiSelect(bool value);
    // While CellMultiSelect is on the three stay as it set them.
    void SetCellSelect(bool value) override;
    void SetInvertSelect(bool value) override;
    void SetMultiSelect(bool value) override;
    bool IsCellSelectStored() const { return !FCellMultiSelect && !CellSelect(); }
    bool IsInvertSelectStored() const override;
    bool IsMultiSelectStored() const override;

private:
    bool FCellMultiSelect = false;
};

class TuiGridTableOptionsCustomize : public TuiCustomGridTableOptionsCustomize {
    RTL_DECLARE_CLASS(TuiGridTableOptionsCustomize, TuiCustomGridTableOptionsCustomize)
public:
    using TuiCustomGridTableOptionsCustomize::TuiCustomGridTableOptionsCustomize;
    void Assign(const rtl::TPersistent* source) override;
    bool ColumnFiltering() const { return ItemFiltering(); }
    void SetColumnFiltering(bool value) { SetItemFiltering(value); }
    bool ColumnGrouping() const { return ItemGrouping(); }
    void SetColumnGrouping(bool value) { SetItemGrouping(value); }
    bool ColumnHiding() const { return ItemHiding(); }
    void SetColumnHiding(bool value) { SetItemHiding(value); }
    bool ColumnMoving() const { return ItemMoving(); }
    void SetColumnMoving(bool value) { SetItemMoving(value); }
    bool ColumnSorting() const { return ItemSorting(); }
    void SetColumnSorting(bool value) { SetItemSorting(value); }
    // A column that becomes grouped is hidden, and shown again when ungrouped if it was visible before.
    bool ColumnHidingOnGrouping() const { return FColumnHidingOnGrouping; }
    void SetColumnHidingOnGrouping(bool value);
    bool ColumnHorzSizing() const { return FColumnHorzSizing; }
    void SetColumnHorzSizing(bool value);

private:
    bool FColumnHidingOnGrouping = true;
    bool FColumnHorzSizing = true;
};

class TuiGridTableOptionsView : public TuiCustomGridTableOptionsView {
    RTL_DECLARE_CLASS(TuiGridTableOptionsView, TuiCustomGridTableOptionsView)
public:
    using TuiCustomGridTableOptionsView::TuiCustomGridTableOptionsView;
    void Assign(const rtl::TPersistent* source) override;

    bool ColumnAutoWidth() const { return FColumnAutoWidth; }
    void SetColumnAutoWidth(bool value);
    // The own value, and the level's TabsForEmptyDetails when the view stands in a level.
    bool ExpandButtonsForEmptyDetails() const;
    void SetExpandButtonsForEmptyDetails(bool value);
    bool Footer() const { return FFooter; }
    void SetFooter(bool value);
    bool FooterAutoHeight() const { return FFooterAutoHeight; }
    void SetFooterAutoHeight(bool value);
    bool FooterMultiSummaries() const { return FFooterMultiSummaries; }
    void SetFooterMultiSummaries(bool value);
    TuiGridLines GridLines() const { return FGridLines; }
    void SetGridLines(TuiGridLines value);
    bool GroupByBox() const { return FGroupByBox; }
    void SetGroupByBox(bool value);
    TuiGridGroupFootersMode GroupFooters() const { return FGroupFooters; }
    // The replaced mode is remembered as the previous one.
    void SetGroupFooters(TuiGridGroupFootersMode value);
    TuiGridGroupFootersMode PrevGroupFooters() const { return FPrevGroupFooters; }
    bool Header() const { return FHeader; }
    void SetHeader(bool value);
    // Negative values become 0.
    int32_t HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int32_t value);
    bool Indicator() const { return FIndicator; }
    void SetIndicator(bool value);
    int32_t IndicatorWidth() const { return FIndicatorWidth; }
    void SetIndicatorWidth(int32_t value);
    int32_t RowSeparatorWidth() const { return FRowSeparatorWidth; }
    void SetRowSeparatorWidth(int32_t value);

private:
    void SetSizeFlag(bool& field, bool value);
    void SetSizeValue(int32_t& field, int32_t value);
    bool FColumnAutoWidth = false;
    bool FExpandButtonsForEmptyDetails = true;
    bool FFooter = false;
    bool FFooterAutoHeight = false;
    bool FFooterMultiSummaries = false;
    TuiGridLines FGridLines = glBoth;
    bool FGroupByBox = true;
    TuiGridGroupFootersMode FGroupFooters = gfInvisible;
    TuiGridGroupFootersMode FPrevGroupFooters = gfVisibleWhenExpanded;
    bool FHeader = true;
    int32_t FHeaderHeight = 0;
    bool FIndicator = false;
    int32_t FIndicatorWidth = 12;
    int32_t FRowSeparatorWidth = 0;
};

// The base of the filter row's and the new-item row's options.
class TuiGridSpecialRowOptions : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiGridSpecialRowOptions, TuiCustomGridOptions)
public:
    static constexpr int32_t MinSeparatorWidth = 2;

    using TuiCustomGridOptions::TuiCustomGridOptions;
    void Assign(const rtl::TPersistent* source) override;
    // The assigned text, else the row's default text (which follows its string).
    rtl::UnicodeString InfoText() const;
    // The default text leaves the text unassigned.
    void SetInfoText(rtl::UnicodeStringView value);
    bool IsInfoTextStored() const { return FIsInfoTextAssigned; }
    int32_t SeparatorWidth() const { return FSeparatorWidth; }
    // Values below MinSeparatorWidth become MinSeparatorWidth.
    void SetSeparatorWidth(int32_t value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

protected:
    virtual rtl::UnicodeString DefaultInfoText() const = 0;

private:
    rtl::UnicodeString FInfoText;
    bool FIsInfoTextAssigned = false;
    int32_t FSeparatorWidth = 6;
    bool FVisible = false;
};

class TuiGridFilterRowOptions : public TuiGridSpecialRowOptions {
    RTL_DECLARE_CLASS(TuiGridFilterRowOptions, TuiGridSpecialRowOptions)
public:
    using TuiGridSpecialRowOptions::TuiGridSpecialRowOptions;
    void Assign(const rtl::TPersistent* source) override;
    TuiGridFilterRowApplyChangesMode ApplyChanges() const { return FApplyChanges; }
    void SetApplyChanges(TuiGridFilterRowApplyChangesMode value);

protected:
    rtl::UnicodeString DefaultInfoText() const override;

private:
    TuiGridFilterRowApplyChangesMode FApplyChanges = fracOnCellExit;
};

class TuiGridNewItemRowOptions : public TuiGridSpecialRowOptions {
    RTL_DECLARE_CLASS(TuiGridNewItemRowOptions, TuiGridSpecialRowOptions)
public:
    using TuiGridSpecialRowOptions::TuiGridSpecialRowOptions;

protected:
    rtl::UnicodeString DefaultInfoText() const override;
};

// A text column shown as a line across each data row instead of among the columns.
class TuiGridPreview : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiGridPreview, TuiCustomGridOptions)
public:
    using TuiCustomGridOptions::TuiCustomGridOptions;
    void Assign(const rtl::TPersistent* source) override;
    // Visible with a column.
    bool Active() const { return FVisible && FColumn; }
    TuiGridColumn* Column() const { return FColumn; }
    // Only a column of this view is taken, anything else clears it; the old and the new column leave or rejoin the
    // visible columns.
    void SetColumn(TuiGridColumn* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

private:
    TuiGridTableView& TableView() const;
    TuiGridColumn* FColumn = nullptr; // not owned; the column clears it when it goes
    bool FVisible = false;
};

} // namespace ui
