#pragma once
// TuiCustomGridTableView: the base of the views that show records in cells of items. It keeps the items (in index
// order, with the visible ones listed apart), gives each item an ID and a field of its data controller
// (TuiGridDataController), turns the data controller's notices into the grid's changes and fires the view events.
//
// Items' sort, group and index positions read while items are assigned (a form read, a stored layout, a layout
// assignment) are collected as (index, item) pairs and applied in index order when the outermost assignment ends, so
// the order in which items were read does not matter and a huge stored index costs no memory.

#include "rtl/text/StringTypes.h"
#include "ui/grid/common/uiNavigatorNotifier.h"
#include "ui/grid/customtable/controller/uiGridEditingEvents.h"
#include "ui/grid/customtable/filtering/uiGridInitDateRangesEvent.h"
#include "ui/grid/customtable/uiGridCellEvents.h"
#include "ui/grid/view/uiCustomGridView.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace ui {

class TuiCanvas;
class TuiCustomGridPartViewInfo;
class TuiCustomGridRecord;
class TuiCustomGridTableController;
class TuiCustomGridTableDateTimeHandling;
class TuiCustomGridTableFiltering;
class TuiCustomGridTableOptionsBehavior;
class TuiCustomGridTableOptionsCustomize;
class TuiCustomGridTableOptionsData;
class TuiCustomGridTableOptionsSelection;
class TuiCustomGridTableOptionsView;
class TuiCustomGridTableViewStyles;
class TuiGridFilterBox;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;
class TuiCustomGridTableViewData;
class TuiGridDataController;
class TuiSelectionChangedInfo;

// Sender, record, whether the record may be focused or selected.
using TuiGridAllowRecordOperationEvent =
    std::function<void(TuiCustomGridTableView& sender, TuiCustomGridRecord* record, bool& allow)>;
// Sender, the previous and the new focused record, whether the focusing of the new-item row changed.
using TuiGridFocusedRecordChangedEvent =
    std::function<void(TuiCustomGridTableView& sender, TuiCustomGridRecord* prevFocusedRecord,
                       TuiCustomGridRecord* focusedRecord, bool newItemRecordFocusingChanged)>;
using TuiGridCustomTableViewEvent = std::function<void(TuiCustomGridTableView& sender)>;
// Sender, the canvas, the part whose background is painted, whether the handler painted it.
using TuiGridPartCustomDrawBackgroundEvent = std::function<void(TuiCustomGridTableView& sender, TuiCanvas& canvas,
                                                                TuiCustomGridPartViewInfo* viewInfo, bool& done)>;
// Sender, the item whose filter is to be customized (nullptr: the whole filter), whether the handler did it.
using TuiGridFilterDialogShowEvent =
    std::function<void(TuiCustomGridTableView& sender, TuiCustomGridTableItem* item, bool& done)>;
// Sender, whether the handler customized the whole filter itself.
using TuiGridFilterCustomizationEvent = std::function<void(TuiCustomGridTableView& sender, bool& done)>;

class TuiCustomGridTableView : public TuiCustomGridView {
    RTL_DECLARE_CLASS(TuiCustomGridTableView, TuiCustomGridView)
public:
    explicit TuiCustomGridTableView(rtl::TComponent* owner);
    ~TuiCustomGridTableView() override;

    TuiGridDataController& DataController() const;
    TuiCustomGridTableViewData& ViewData();

    // The option objects, made on first use through their Create... operations.
    TuiCustomGridTableOptionsBehavior& OptionsBehavior();
    TuiCustomGridTableOptionsData& OptionsData();
    TuiCustomGridTableOptionsSelection& OptionsSelection();
    TuiCustomGridTableOptionsView& OptionsView();
    TuiCustomGridTableDateTimeHandling& DateTimeHandling();
    TuiGridFilterBox& FilterBox();
    TuiCustomGridTableFiltering& Filtering();
    TuiCustomGridTableOptionsCustomize& OptionsCustomize();
    TuiCustomGridTableViewStyles& Styles();

    int32_t ItemCount() const { return static_cast<int32_t>(FItems.size()); }
    TuiCustomGridTableItem* Items(int32_t index) const { return FItems.at(index); }
    int32_t VisibleItemCount() const { return static_cast<int32_t>(FVisibleItems.size()); }
    TuiCustomGridTableItem* VisibleItems(int32_t index) const { return FVisibleItems.at(index); }
    // An item of the view's item class, owned by the view's owner, added to the view.
    TuiCustomGridTableItem* CreateItem();
    TuiCustomGridTableItem* FindItemByID(int32_t id) const;
    // Exact, case-sensitive, as component names are kept.
    TuiCustomGridTableItem* FindItemByName(rtl::UnicodeStringView name) const;
    int32_t IndexOfItem(const TuiCustomGridTableItem* item) const;
    // A stored layout names items by component name while the view stores names, otherwise by ID as decimal text.
    bool IsStoringNames() const { return FStoringNames; }
    void SetStoringNames(bool value) { FStoringNames = value; }
    rtl::UnicodeString ItemStoredName(const TuiCustomGridTableItem& item) const;
    // nullptr for an empty or unknown name.
    TuiCustomGridTableItem* FindItemByStoredName(rtl::UnicodeStringView name) const;
    // Frees every item, the last first, and starts the IDs again at 0.
    void ClearItems();
    int32_t NextID() const { return FNextID; }
    // The navigators that show this view register here.
    TuiNavigatorControlNotifier& NavigatorNotifier() { return FNavigatorNotifier; }

    // A new item joins at the end with the next ID and a field of its own; an item that leaves gives back its ID
    // when it had the last one handed out.
    void AddItem(TuiCustomGridTableItem* item);
    void RemoveItem(TuiCustomGridTableItem* item);
    // The index is clamped to the items; the data controller's fields follow.
    void ChangeItemIndex(TuiCustomGridTableItem* item, int32_t newIndex);
    void ChangeItemVisible(TuiCustomGridTableItem* item, bool value);

    // Counted: only the outermost end applies what was collected, and it ends however the assignment ended.
    void BeginAssigningItems();
    void EndAssigningItems();
    bool IsAssigningItems() const { return FAssigningItemsCount > 0; }
    // True while the collected indexes are applied.
    bool IsAfterAssigningItems() const { return FAfterAssigningItems; }
    // The items of source by ID: an item with a source item's ID takes its settings and position, a missing one is
    // made with that ID, and items beyond the source's count are freed; the next ID follows source.
    void AssignItemsFrom(const TuiCustomGridTableView& source);
    // In one update: the items of source (AssignItemsFrom), then its date-time handling, filter box, filtering,
    // customization options and record events.
    void AssignLayout(const TuiCustomGridTableView& source);
    // Runs assign inside one assignment. When it raises, the assignment ends all the same, what it collected is
    // dropped, and the exception goes on.
    void AssignItems(const std::function<void()>& assign);
    void CollectGroupIndex(TuiCustomGridTableItem* item, int32_t index);
    void CollectSortIndex(TuiCustomGridTableItem* item, int32_t index);
    void CollectItemIndex(TuiCustomGridTableItem* item, int32_t index);

    // The text copying gives: a line of the items' captions when CopyCaptionsToClipboard is on, then a line per
    // selected row (every row with copyAll) of the items' display texts; a group row gives its text alone.
    rtl::UnicodeString ClipboardText(bool copyAll);
    // Puts ClipboardText on the clipboard.
    void CopyToClipboard(bool copyAll);
    // The item's width fitted to its caption and content; without an item every visible item's, in visible order,
    // inside one update so that the view lays out once. Nothing for a pattern view, nor for an item that cannot be
    // sized when checkSizingAbility is set; fireEvents reports each new width as a user's sizing.
    void ApplyBestFit(TuiCustomGridTableItem* item, bool checkSizingAbility, bool fireEvents);

    // The grid's change queue runs them.
    virtual void DataChanged();
    virtual void DataLayoutChanged();
    // Where the view shows the record at a row index (-1 the new-item record), or only the item's cell of it; empty
    // when it is not shown. Views without a layout of records show none.
    virtual vcl::TRect GetRecordBounds(int32_t /*rowIndex*/, const TuiCustomGridTableItem* /*item*/) { return {}; }

    // The classes of the data controller's summary items and summary-group links; a descendant that answers others
    // has its data controller remake the summary once it is built.
    virtual const rtl::TMetaclass& GetSummaryItemClass() const;
    virtual const rtl::TMetaclass& GetSummaryGroupItemLinkClass() const;

    // The record events; each setter stores the handler and repaints.
    void SetOnCanFocusRecord(TuiGridAllowRecordOperationEvent handler);
    void SetOnCanSelectRecord(TuiGridAllowRecordOperationEvent handler);
    void SetOnFocusedRecordChanged(TuiGridFocusedRecordChangedEvent handler);
    void SetOnSelectionChanged(TuiGridCustomTableViewEvent handler);
    // The background of a band stacked at the top or bottom (the filter bar); done skips the default background.
    void SetOnCustomDrawPartBackground(TuiGridPartCustomDrawBackgroundEvent handler);
    bool HasCustomDrawPartBackground() const { return static_cast<bool>(FOnCustomDrawPartBackground); }
    virtual void DoCustomDrawPartBackground(TuiCanvas& canvas, TuiCustomGridPartViewInfo* viewInfo, bool& done);
    // The filter dialogs' events; each setter stores the handler and repaints.
    void SetOnFilterDialogShow(TuiGridFilterDialogShowEvent handler);
    void SetOnFilterCustomization(TuiGridFilterCustomizationEvent handler);
    // The view's handlers of the items' date ranges, run after each set-up before the item's own.
    void SetOnInitFilteringDateRanges(TuiGridInitDateRangesEvent handler);
    void SetOnInitGroupingDateRanges(TuiGridInitDateRangesEvent handler);
    bool HasInitFilteringDateRangesHandler() const { return static_cast<bool>(FOnInitFilteringDateRanges); }
    bool HasInitGroupingDateRangesHandler() const { return static_cast<bool>(FOnInitGroupingDateRanges); }
    virtual void DoInitFilteringDateRanges(TuiCustomGridTableItem& item);
    virtual void DoInitGroupingDateRanges(TuiCustomGridTableItem& item);
    // Whether OnFilterDialogShow or OnFilterCustomization took over.
    virtual bool DoFilterDialogShow(TuiCustomGridTableItem* item);
    virtual bool DoFilterCustomization();
    virtual bool DoCanFocusRecord(TuiCustomGridRecord* record);
    virtual bool DoCanSelectRecord(int32_t recordIndex);
    // Fires OnFocusedRecordChanged with the records at the two row indexes; equal record indexes pass the focused
    // record twice.
    virtual void DoFocusedRecordChanged(int32_t prevFocusedRowIndex, int32_t focusedRowIndex,
                                        int32_t prevFocusedRecordIndex, int32_t focusedRecordIndex,
                                        bool newItemRecordFocusingChanged);
    virtual void DoSelectionChanged();

    // The data cells' events; each setter stores the handler and repaints.
    void SetOnCellClick(TuiGridCellClickEvent handler);
    void SetOnCellDblClick(TuiGridCellClickEvent handler);
    void SetOnCustomDrawCell(TuiGridTableDataCellCustomDrawEvent handler);
    bool HasCustomDrawCell() const { return static_cast<bool>(FOnCustomDrawCell); }
    // Whether the handler took the click (false without one).
    virtual bool DoCellClick(TuiGridTableDataCellViewInfo* cell, vcl::TMouseButton button, vcl::TShiftState shift);
    virtual bool DoCellDblClick(TuiGridTableDataCellViewInfo* cell, vcl::TMouseButton button, vcl::TShiftState shift);
    // Runs after an item's handler left done false.
    virtual void DoCustomDrawCell(TuiCanvas& canvas, TuiGridTableDataCellViewInfo* cell, bool& done);
    // The controller's focused item and top record changed.
    void SetOnFocusedItemChanged(TuiGridFocusedItemChangedEvent handler);
    void SetOnTopRecordIndexChanged(TuiGridCustomTableViewEvent handler);
    virtual void DoFocusedItemChanged(TuiCustomGridTableItem* prevFocusedItem, TuiCustomGridTableItem* focusedItem);
    virtual void DoTopRecordIndexChanged();

    // The events around the in-place editor.
    TuiGridEditingEvents& EditingEvents() { return FEditingEvents; }
    // The editing controller writes its editor's modified value to the edited item.
    void UpdateEditValue();
    // The table controller once it has made its editing controller, else nullptr.
    TuiCustomGridTableController* EditingTableController();

protected:
    // An item of the view's class; owner owns it.
    virtual TuiCustomGridTableItem* NewItem(rtl::TComponent* owner) = 0;
    virtual std::unique_ptr<TuiCustomGridTableViewData> CreateViewData();
    // The items copying lists: the visible ones in visible order.
    virtual void GetItemsForCopy(std::vector<TuiCustomGridTableItem*>& items, bool copyAll);
    // The width that fits the item's caption and content; its width in this base.
    virtual int32_t CalculateItemBestFitWidth(TuiCustomGridTableItem& item);
    virtual bool CanItemHorzSize(TuiCustomGridTableItem& /*item*/) { return true; }
    // After a best fit changed the item's width; nothing in this base.
    virtual void ItemBestFitApplied(TuiCustomGridTableItem& /*item*/, bool /*fireEvents*/) {}
    // The item leaves the view (not merely hidden); nothing in this base.
    virtual void ItemRemoving(TuiCustomGridTableItem* /*item*/) {}
    std::unique_ptr<TuiCustomGridOptionsBehavior> CreateOptionsBehavior() override;
    std::unique_ptr<TuiCustomGridOptionsData> CreateOptionsData() override;
    std::unique_ptr<TuiCustomGridOptionsSelection> CreateOptionsSelection() override;
    std::unique_ptr<TuiCustomGridOptionsView> CreateOptionsView() override;
    std::unique_ptr<TuiCustomGridViewStyles> CreateStyles() override;
    std::unique_ptr<TuiCustomGridBackgroundBitmaps> CreateBackgroundBitmaps() override;
    virtual std::unique_ptr<TuiCustomGridTableDateTimeHandling> CreateDateTimeHandling();
    virtual std::unique_ptr<TuiGridFilterBox> CreateFilterBox();
    virtual std::unique_ptr<TuiCustomGridTableFiltering> CreateFiltering();
    virtual std::unique_ptr<TuiCustomGridTableOptionsCustomize> CreateOptionsCustomize();

    void DataChanged(TuiUpdateControlInfo& info) override;
    virtual void RecordChanged(int32_t recordIndex);
    virtual void FocusedRecordChanged(int32_t prevFocusedRowIndex, int32_t focusedRowIndex,
                                      int32_t prevFocusedRecordIndex, int32_t focusedRecordIndex,
                                      bool newItemRecordFocusingChanged);
    virtual void SelectionChanged(TuiSelectionChangedInfo& info);
    // The incremental search's text changed: the cell of the focused record that highlights it repaints (the one
    // that did, when the search ended).
    virtual void SearchChanged();
    // The descendant hears that grouping is about to change; nothing here.
    virtual void GroupingChanging() {}
    // The navigators follow a change of the data.
    virtual void UpdateFilterBar();

private:
    using TCollectedIndexes = std::vector<std::pair<int32_t, TuiCustomGridTableItem*>>;
    void ReindexItems();
    void RefreshVisibleItemsList();
    void ReleaseID(const TuiCustomGridTableItem& item);
    void ApplyAssignedIndexes();
    void ForgetCollected(const TuiCustomGridTableItem* item);

    std::vector<TuiCustomGridTableItem*> FItems;        // not owned: the owner owns the items
    std::vector<TuiCustomGridTableItem*> FVisibleItems; // not owned
    std::unique_ptr<TuiCustomGridTableViewData> FViewData;
    TuiGridEditingEvents FEditingEvents;
    std::unique_ptr<TuiCustomGridTableDateTimeHandling> FDateTimeHandling;
    std::unique_ptr<TuiGridFilterBox> FFilterBox;
    std::unique_ptr<TuiCustomGridTableFiltering> FFiltering;
    std::unique_ptr<TuiCustomGridTableOptionsCustomize> FOptionsCustomize;
    int32_t FNextID = 0;
    int32_t FSearchedItemIndex = -1;
    bool FStoringNames = false;
    int32_t FAssigningItemsCount = 0;
    bool FAfterAssigningItems = false;
    TCollectedIndexes FAssigningGroupedItems;
    TCollectedIndexes FAssigningSortedItems;
    TCollectedIndexes FAssigningItemIndexes;
    TuiNavigatorControlNotifier FNavigatorNotifier;
    TuiGridAllowRecordOperationEvent FOnCanFocusRecord;
    TuiGridAllowRecordOperationEvent FOnCanSelectRecord;
    TuiGridFocusedRecordChangedEvent FOnFocusedRecordChanged;
    TuiGridCustomTableViewEvent FOnSelectionChanged;
    TuiGridCellClickEvent FOnCellClick;
    TuiGridCellClickEvent FOnCellDblClick;
    TuiGridTableDataCellCustomDrawEvent FOnCustomDrawCell;
    TuiGridFocusedItemChangedEvent FOnFocusedItemChanged;
    TuiGridCustomTableViewEvent FOnTopRecordIndexChanged;
    TuiGridPartCustomDrawBackgroundEvent FOnCustomDrawPartBackground;
    TuiGridFilterDialogShowEvent FOnFilterDialogShow;
    TuiGridFilterCustomizationEvent FOnFilterCustomization;
    TuiGridInitDateRangesEvent FOnInitFilteringDateRanges;
    TuiGridInitDateRangesEvent FOnInitGroupingDateRanges;
};

} // namespace ui
