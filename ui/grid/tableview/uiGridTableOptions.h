#pragma once
// The options a table view of columns adds to the custom table view's: selection of cells across columns, the view's
// footer, group-by box and group footers, the column-oriented customization, the two special rows (filter row and
// new-item row) and the preview. Each setter says what the grid must redo: 0 repaint, 1 layout, 2 size.

#include "rtl/text/StringTypes.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/layout/uiGridTableMetrics.h"
#include "vcl/graphics/Colors.h"

#include <cstdint>

namespace ui {

class TuiGridColumn;
class TuiGridTableView;

enum TuiGridGroupFootersMode : uint8_t { gfInvisible, gfVisibleWhenExpanded, gfAlwaysVisible };
enum TuiGridFilterRowApplyChangesMode : uint8_t { fracOnCellExit, fracImmediately };
enum TuiGridPreviewPlace : uint8_t { ppBottom, ppTop };
enum TuiGridGroupRowStyle : uint8_t { grsStandard, grsOffice11 };
enum TuiGridGroupSummaryLayout : uint8_t { gslStandard, gslAlignWithColumns, gslAlignWithColumnsAndDistribute };

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
    bool ColumnsQuickCustomization() const { return ItemsQuickCustomization(); }
    void SetColumnsQuickCustomization(bool value) { SetItemsQuickCustomization(value); }
    int32_t ColumnsQuickCustomizationMaxDropDownCount() const { return ItemsQuickCustomizationMaxDropDownCount(); }
    void SetColumnsQuickCustomizationMaxDropDownCount(int32_t value) {
        SetItemsQuickCustomizationMaxDropDownCount(value);
    }
    TuiGridQuickCustomizationReordering ColumnsQuickCustomizationReordering() const {
        return ItemsQuickCustomizationReordering();
    }
    void SetColumnsQuickCustomizationReordering(TuiGridQuickCustomizationReordering value) {
        SetItemsQuickCustomizationReordering(value);
    }
    bool DataRowSizing() const { return FDataRowSizing; }
    void SetDataRowSizing(bool value);
    // A change shows every grouped column and removes all grouping and the sorting that came with it, inside the
    // view's update lock.
    bool GroupBySorting() const { return FGroupBySorting; }
    void SetGroupBySorting(bool value);
    bool GroupRowSizing() const { return FGroupRowSizing; }
    void SetGroupRowSizing(bool value);

private:
    void SetPropertyFlag(bool& field, bool value);
    bool FColumnHidingOnGrouping = true;
    bool FColumnHorzSizing = true;
    bool FDataRowSizing = false;
    bool FGroupBySorting = false;
    bool FGroupRowSizing = false;
};

class TuiGridTableOptionsView : public TuiCustomGridTableOptionsView {
    RTL_DECLARE_CLASS(TuiGridTableOptionsView, TuiCustomGridTableOptionsView)
public:
    using TuiCustomGridTableOptionsView::TuiCustomGridTableOptionsView;
    void Assign(const rtl::TPersistent* source) override;

    bool ColumnAutoWidth() const { return FColumnAutoWidth; }
    void SetColumnAutoWidth(bool value);
    // 0 is the automatic height; a negative height becomes 0, a positive one below the rows' minimum the minimum.
    int32_t DataRowHeight() const { return FDataRowHeight; }
    void SetDataRowHeight(int32_t value);
    int32_t GroupRowHeight() const { return FGroupRowHeight; }
    void SetGroupRowHeight(int32_t value);
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
    // clDefault: the painter's grid line colour.
    vcl::TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(vcl::TColor value);
    bool GroupFooterMultiSummaries() const { return FGroupFooterMultiSummaries; }
    void SetGroupFooterMultiSummaries(bool value);
    TuiGridGroupRowStyle GroupRowStyle() const { return FGroupRowStyle; }
    void SetGroupRowStyle(TuiGridGroupRowStyle value);
    TuiGridGroupSummaryLayout GroupSummaryLayout() const { return FGroupSummaryLayout; }
    void SetGroupSummaryLayout(TuiGridGroupSummaryLayout value);
    bool HeaderAutoHeight() const { return ItemCaptionAutoHeight(); }
    void SetHeaderAutoHeight(bool value) { SetItemCaptionAutoHeight(value); }
    bool HeaderEndEllipsis() const { return ItemCaptionEndEllipsis(); }
    void SetHeaderEndEllipsis(bool value) { SetItemCaptionEndEllipsis(value); }
    // clDefault: the painter's fixed grid line colour.
    vcl::TColor RowSeparatorColor() const { return FRowSeparatorColor; }
    void SetRowSeparatorColor(vcl::TColor value);
    TuiGridShowItemFilterButtons ShowColumnFilterButtons() const { return ShowItemFilterButtons(); }
    void SetShowColumnFilterButtons(TuiGridShowItemFilterButtons value) { SetShowItemFilterButtons(value); }
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

    // Older forms kept the new-item row's settings here; they go to the view's NewItemRow.
    void ReadNewItemRow(bool value);
    void ReadNewItemRowInfoText(rtl::UnicodeStringView value);
    void ReadNewItemRowSeparatorColor(vcl::TColor value);
    void ReadNewItemRowSeparatorWidth(int32_t value);

private:
    TuiGridTableView& TableView() const;
    void SetSizeFlag(bool& field, bool value);
    void SetSizeValue(int32_t& field, int32_t value);
    void SetLayoutColor(vcl::TColor& field, vcl::TColor value);
    template <class TEnum>
    void SetSizeEnum(TEnum& field, TEnum value);
    bool FColumnAutoWidth = false;
    int32_t FDataRowHeight = 0;
    vcl::TColor FGridLineColor = vcl::clDefault;
    bool FGroupFooterMultiSummaries = false;
    int32_t FGroupRowHeight = 0;
    TuiGridGroupRowStyle FGroupRowStyle = grsStandard;
    TuiGridGroupSummaryLayout FGroupSummaryLayout = gslStandard;
    vcl::TColor FRowSeparatorColor = vcl::clDefault;
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
    // clDefault: the painter's header colour.
    vcl::TColor SeparatorColor() const { return FSeparatorColor; }
    void SetSeparatorColor(vcl::TColor value);
    int32_t SeparatorWidth() const { return FSeparatorWidth; }
    // Values below MinSeparatorWidth become MinSeparatorWidth.
    void SetSeparatorWidth(int32_t value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

protected:
    virtual rtl::UnicodeString DefaultInfoText() const = 0;
    // The row's record follows the new visibility; here the view is sized again.
    virtual void VisibleChanged();
    TuiGridTableView& TableView() const;

private:
    rtl::UnicodeString FInfoText;
    bool FIsInfoTextAssigned = false;
    vcl::TColor FSeparatorColor = vcl::clDefault;
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
    // The view data makes or frees the filter row.
    void VisibleChanged() override;

private:
    TuiGridFilterRowApplyChangesMode FApplyChanges = fracOnCellExit;
};

class TuiGridNewItemRowOptions : public TuiGridSpecialRowOptions {
    RTL_DECLARE_CLASS(TuiGridNewItemRowOptions, TuiGridSpecialRowOptions)
public:
    using TuiGridSpecialRowOptions::TuiGridSpecialRowOptions;

protected:
    rtl::UnicodeString DefaultInfoText() const override;
    // The view data makes or frees the new-item record, and the data controller edits through it or not.
    void VisibleChanged() override;
};

// A text column shown as a line across each data row instead of among the columns.
class TuiGridPreview : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiGridPreview, TuiCustomGridOptions)
public:
    using TuiCustomGridOptions::TuiCustomGridOptions;
    void Assign(const rtl::TPersistent* source) override;
    // Visible with a column.
    bool Active() const { return FVisible && FColumn; }
    bool AutoHeight() const { return FAutoHeight; }
    void SetAutoHeight(bool value);
    // Negative indents and counts become 0.
    int32_t LeftIndent() const { return FLeftIndent; }
    void SetLeftIndent(int32_t value);
    int32_t MaxLineCount() const { return FMaxLineCount; }
    void SetMaxLineCount(int32_t value);
    TuiGridPreviewPlace Place() const { return FPlace; }
    void SetPlace(TuiGridPreviewPlace value);
    int32_t RightIndent() const { return FRightIndent; }
    void SetRightIndent(int32_t value);
    TuiGridColumn* Column() const { return FColumn; }
    // Only a column of this view is taken, anything else clears it; the old and the new column leave or rejoin the
    // visible columns.
    void SetColumn(TuiGridColumn* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

private:
    TuiGridTableView& TableView() const;
    // A change re-sizes the view while the preview shows, and repaints it otherwise.
    template <class T>
    void SetValue(T& field, T value);
    bool FAutoHeight = true;
    TuiGridColumn* FColumn = nullptr; // not owned; the column clears it when it goes
    int32_t FLeftIndent = 20;
    int32_t FMaxLineCount = 3;
    TuiGridPreviewPlace FPlace = ppBottom;
    int32_t FRightIndent = 5;
    bool FVisible = false;
};

} // namespace ui
