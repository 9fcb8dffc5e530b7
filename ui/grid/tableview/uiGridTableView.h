#pragma once
// TuiGridTableView: the table view of columns (TuiGridColumn), registered as the view kind "Table". It adds to the
// custom table view the row-oriented options, the filter row, the new-item row and the preview, and the stored layout
// of its footer, group-by box, group footers and new-item row, and the column-oriented events.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewEvents.h"

#include <memory>
#include <vector>

namespace ui {

class TuiGridColumn;
class TuiGridFilterRowOptions;
class TuiGridNewItemRowOptions;
class TuiGridPreview;
class TuiGridTableBackgroundBitmaps;
class TuiGridTableFiltering;
class TuiGridTableOptionsBehavior;
class TuiGridTableOptionsCustomize;
class TuiGridTableOptionsSelection;
class TuiGridTableOptionsView;
class TuiGridTableViewStyles;

class TuiGridTableController;

class TuiGridTableView : public TuiCustomGridTableView {
    RTL_DECLARE_CLASS(TuiGridTableView, TuiCustomGridTableView)
public:
    explicit TuiGridTableView(rtl::TComponent* owner);
    ~TuiGridTableView() override;
    // From another table view, inside one update: its events, its items, data controller settings, options and
    // styles, then its filter row, new-item row and preview. Anything else goes to the base.
    void Assign(const rtl::TPersistent* source) override;

    TuiGridColumn* Columns(int32_t index) const;
    TuiGridColumn* VisibleColumns(int32_t index) const;
    TuiGridColumn* CreateColumn();
    // TuiGridTableSummaryItem and TuiGridTableSummaryGroupItemLink.
    const rtl::TMetaclass& GetSummaryItemClass() const override;
    const rtl::TMetaclass& GetSummaryGroupItemLinkClass() const override;

    TuiGridTableOptionsBehavior& OptionsBehavior();
    TuiGridTableFiltering& Filtering();
    TuiGridTableOptionsCustomize& OptionsCustomize();
    TuiGridTableOptionsSelection& OptionsSelection();
    TuiGridTableOptionsView& OptionsView();
    TuiGridTableViewStyles& Styles();
    TuiGridTableBackgroundBitmaps& BackgroundBitmaps();
    // Made on first use through their Create... operations.
    TuiGridFilterRowOptions& FilterRow();
    TuiGridNewItemRowOptions& NewItemRow();
    TuiGridPreview& Preview();

    // Equal adjacent cells merge only in a view that allows it, without an active preview and row separators.
    virtual bool CanCellMerging();
    // A copy of the view made for layout editing never merges cells.
    static void PrepareLayoutEditingCopy(TuiGridTableView& copy) { copy.FCellMergingAllowed = false; }
    // The least heights a stored data or group row height may take: the rows' layout of the view info raises them
    // from 0 (no minimum) once it measures rows.
    virtual int32_t MinDataRowHeight() { return 0; }
    virtual int32_t MinGroupRowHeight() { return 0; }
    // The view's level has detail levels.
    bool IsMaster() const;
    // Whether the laid-out rows may be shifted by a horizontal scroll instead of laid out again: not while the
    // grid's changes are locked, nor in a master view with grouped columns.
    virtual bool CanOffsetHorizontally() const;
    // The negation of the effective OptionsView.ExpandButtonsForEmptyDetails.
    virtual bool HidesEmptyDetailExpandButtons();

    // The events; each setter repaints the view when a handler is set or cleared.
    void SetOnColumnHeaderClick(TuiGridColumnEvent handler);
    void SetOnColumnPosChanged(TuiGridColumnEvent handler);
    void SetOnColumnSizeChanged(TuiGridColumnEvent handler);
    void SetOnCustomDrawColumnHeader(TuiGridColumnCustomDrawHeaderEvent handler);
    void SetOnCustomDrawFooterCell(TuiGridColumnCustomDrawHeaderEvent handler);
    void SetOnCustomDrawGroupCell(TuiGridTableCellCustomDrawEvent handler);
    void SetOnCustomDrawGroupSummaryCell(TuiGridGroupSummaryCellCustomDrawEvent handler);
    void SetOnCustomDrawIndicatorCell(TuiGridIndicatorCellCustomDrawEvent handler);
    void SetOnLeftPosChanged(TuiGridTableViewNotifyEvent handler);
    void SetOnGetCellHeight(TuiGridGetCellHeightEvent handler);
    bool HasCustomDrawColumnHeader() const { return static_cast<bool>(FOnCustomDrawColumnHeader); }
    bool HasCustomDrawFooterCell() const { return static_cast<bool>(FOnCustomDrawFooterCell); }
    bool HasCustomDrawGroupCell() const { return static_cast<bool>(FOnCustomDrawGroupCell); }
    bool HasCustomDrawGroupSummaryCell() const { return static_cast<bool>(FOnCustomDrawGroupSummaryCell); }
    bool HasCustomDrawIndicatorCell() const { return static_cast<bool>(FOnCustomDrawIndicatorCell); }
    bool HasGetCellHeight() const { return static_cast<bool>(FOnGetCellHeight); }
    // Each fires its event when one is assigned; a custom draw leaves done as it was without one.
    virtual void DoColumnHeaderClick(TuiGridColumn* column);
    virtual void DoColumnPosChanged(TuiGridColumn* column);
    virtual void DoColumnSizeChanged(TuiGridColumn* column);
    virtual void DoCustomDrawColumnHeader(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawFooterCell(TuiCanvas& canvas, TuiGridColumnHeaderViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawGroupCell(TuiCanvas& canvas, TuiGridTableCellViewInfo* viewInfo, bool& done);
    virtual void DoCustomDrawGroupSummaryCell(TuiCanvas& canvas, TuiCustomGridRow* row, TuiGridColumn* column,
                                              TuiDataSummaryItem* summaryItem, TuiCustomGridCellViewInfo* viewInfo,
                                              bool& done);
    virtual void DoCustomDrawIndicatorCell(TuiCanvas& canvas, TuiCustomGridCellViewInfo* viewInfo, bool& done);
    // Called after every change of the horizontal position.
    virtual void DoLeftPosChanged();
    // A data cell's measured height, as OnGetCellHeight changes it.
    virtual void DoGetCellHeight(TuiCustomGridRecord* record, TuiGridColumn* column, TuiGridDataCellViewInfo* cell,
                                 int32_t& height);

    // The stored layout: "Footer", "GroupByBox", "GroupFooters" (an ordinal, or a Boolean text of an older layout)
    // and "NewItemRow". A value outside its range or of the wrong kind raises EConvertError.
    virtual void GetStoredProperties(std::vector<rtl::UnicodeString>& names);
    virtual void GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value);
    virtual void SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value);

    TuiGridTableController& Controller();
    // ColumnHorzSizing of the view and of the column.
    bool CanItemHorzSize(TuiCustomGridTableItem& item) override;
    // The laid-out row of the record, or the item's cell in it.
    vcl::TRect GetRecordBounds(int32_t rowIndex, const TuiCustomGridTableItem* item) override;

protected:
    std::unique_ptr<TuiCustomGridController> CreateController() override;
    void GetItemsForCopy(std::vector<TuiCustomGridTableItem*>& items, bool copyAll) override;
    int32_t CalculateItemBestFitWidth(TuiCustomGridTableItem& item) override;
    void ItemBestFitApplied(TuiCustomGridTableItem& item, bool fireEvents) override;
    void ItemRemoving(TuiCustomGridTableItem* item) override;
    TuiCustomGridTableItem* NewItem(rtl::TComponent* owner) override;
    std::unique_ptr<TuiCustomGridTableViewData> CreateViewData() override;
    std::unique_ptr<TuiCustomGridPainter> CreatePainter() override;
    std::unique_ptr<TuiCustomGridViewInfo> CreateViewInfo() override;
    // Keeps the measured heights of rows between layouts.
    std::unique_ptr<TuiCustomGridViewInfoCache> CreateViewInfoCache() override;
    std::unique_ptr<TuiCustomGridOptionsBehavior> CreateOptionsBehavior() override;
    std::unique_ptr<TuiCustomGridTableFiltering> CreateFiltering() override;
    std::unique_ptr<TuiCustomGridOptionsSelection> CreateOptionsSelection() override;
    std::unique_ptr<TuiCustomGridOptionsView> CreateOptionsView() override;
    std::unique_ptr<TuiCustomGridTableOptionsCustomize> CreateOptionsCustomize() override;
    std::unique_ptr<TuiCustomGridViewStyles> CreateStyles() override;
    std::unique_ptr<TuiCustomGridBackgroundBitmaps> CreateBackgroundBitmaps() override;
    virtual std::unique_ptr<TuiGridFilterRowOptions> CreateFilterRow();
    virtual std::unique_ptr<TuiGridNewItemRowOptions> CreateNewItemRow();
    virtual std::unique_ptr<TuiGridPreview> CreatePreview();

private:
    bool FCellMergingAllowed = true;
    std::unique_ptr<TuiGridFilterRowOptions> FFilterRow;
    std::unique_ptr<TuiGridNewItemRowOptions> FNewItemRow;
    std::unique_ptr<TuiGridPreview> FPreview;
    TuiGridColumnEvent FOnColumnHeaderClick;
    TuiGridColumnEvent FOnColumnPosChanged;
    TuiGridColumnEvent FOnColumnSizeChanged;
    TuiGridColumnCustomDrawHeaderEvent FOnCustomDrawColumnHeader;
    TuiGridColumnCustomDrawHeaderEvent FOnCustomDrawFooterCell;
    TuiGridTableCellCustomDrawEvent FOnCustomDrawGroupCell;
    TuiGridGroupSummaryCellCustomDrawEvent FOnCustomDrawGroupSummaryCell;
    TuiGridIndicatorCellCustomDrawEvent FOnCustomDrawIndicatorCell;
    TuiGridTableViewNotifyEvent FOnLeftPosChanged;
    TuiGridGetCellHeightEvent FOnGetCellHeight;
};

// The grid unit's start-up registers the view kind "Table", and the column and style sheet classes with the class
// registry.
void RegisterGridTableView();
void UnregisterGridTableView();

} // namespace ui
