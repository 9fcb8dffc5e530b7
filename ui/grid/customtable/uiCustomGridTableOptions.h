#pragma once
// The settings a table view carries: behaviour, customization, data, selection and view options, its date-time
// handling, and its filtering with the filter bar ("FilterBox"), the item filter popups and the recently used
// filters. Each setter says what the grid must redo: 0 repaint, 1 layout, 2 size.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "ui/grid/customtable/filtering/uiGridFilterMRU.h"
#include "ui/grid/view/uiGridViewOptions.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCustomGridTableItem;
class TuiCustomGridTableView;

enum TuiGridDateTimeGrouping : uint8_t {
    dtgDefault,
    dtgByDateAndTime,
    dtgRelativeToToday,
    dtgByHour,
    dtgByDate,
    dtgByMonth,
    dtgByYear
};
enum TuiGridDateTimeFilter : uint8_t {
    dtfRelativeDays,
    dtfRelativeDayPeriods,
    dtfRelativeWeeks,
    dtfRelativeMonths,
    dtfRelativeYears,
    dtfPastFuture,
    dtfMonths,
    dtfYears
};
using TuiGridDateTimeFilters = rtl::TSmallSet<TuiGridDateTimeFilter>;
enum TuiGridFilterPosition : uint8_t { fpTop, fpBottom };
enum TuiGridFilterVisible : uint8_t { fvNever, fvNonEmpty, fvAlways };
enum TuiGridItemFilterPopupApplyChangesMode : uint8_t { fpacImmediately, fpacOnButtonClick };
enum TuiGridDragFocusing : uint8_t { dfNone, dfDragOver, dfDragDrop };
enum TuiGridQuickCustomizationReordering : uint8_t { qcrDefault, qcrDisabled, qcrEnabled };
enum TuiGridShowEditButtons : uint8_t { gsebNever, gsebForFocusedRecord, gsebAlways };
enum TuiGridShowItemFilterButtons : uint8_t { sfbAlways, sfbWhenSelected };

// A view-level options object of a table view.
class TuiCustomGridTableOptions : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiCustomGridTableOptions, TuiCustomGridOptions)
public:
    using TuiCustomGridOptions::TuiCustomGridOptions;
    TuiCustomGridTableView& TableView() const;
};

class TuiCustomGridTableDateTimeHandling : public TuiCustomGridTableOptions {
    RTL_DECLARE_CLASS(TuiCustomGridTableDateTimeHandling, TuiCustomGridTableOptions)
public:
    using TuiCustomGridTableOptions::TuiCustomGridTableOptions;
    void Assign(const rtl::TPersistent* source) override;

    const rtl::UnicodeString& DateFormat() const { return FDateFormat; }
    void SetDateFormat(rtl::UnicodeStringView value);
    TuiGridDateTimeFilters Filters() const { return FFilters; }
    void SetFilters(TuiGridDateTimeFilters value);
    TuiGridDateTimeGrouping Grouping() const { return FGrouping; }
    // dtgDefault is kept as dtgRelativeToToday; every item sets up its grouping ranges again.
    void SetGrouping(TuiGridDateTimeGrouping value);
    const rtl::UnicodeString& HourFormat() const { return FHourFormat; }
    void SetHourFormat(rtl::UnicodeStringView value);
    bool IgnoreTimeForFiltering() const { return FIgnoreTimeForFiltering; }
    void SetIgnoreTimeForFiltering(bool value);
    const rtl::UnicodeString& MonthFormat() const { return FMonthFormat; }
    void SetMonthFormat(rtl::UnicodeStringView value);
    bool UseLongDateFormat() const { return FUseLongDateFormat; }
    void SetUseLongDateFormat(bool value);
    bool UseShortTimeFormat() const { return FUseShortTimeFormat; }
    void SetUseShortTimeFormat(bool value);
    const rtl::UnicodeString& YearFormat() const { return FYearFormat; }
    void SetYearFormat(rtl::UnicodeStringView value);

    // The formats the date ranges use: the set format, else the locale's (longDateFormat, shortTimeFormat) when
    // the Use flag is on, else empty; months and years fall back to the grid strings "mmmm yyyy" and "yyyy".
    rtl::UnicodeString EffectiveDateFormat(const rtl::UnicodeString& longDateFormat) const;
    rtl::UnicodeString EffectiveHourFormat(const rtl::UnicodeString& shortTimeFormat) const;
    rtl::UnicodeString EffectiveMonthFormat() const;
    rtl::UnicodeString EffectiveYearFormat() const;

private:
    void SetFormat(rtl::UnicodeString& field, rtl::UnicodeStringView value);
    rtl::UnicodeString FDateFormat;
    TuiGridDateTimeFilters FFilters;
    TuiGridDateTimeGrouping FGrouping = dtgRelativeToToday;
    rtl::UnicodeString FHourFormat;
    bool FIgnoreTimeForFiltering = false;
    rtl::UnicodeString FMonthFormat;
    bool FUseLongDateFormat = true;
    bool FUseShortTimeFormat = true;
    rtl::UnicodeString FYearFormat;
};

class TuiGridFilterBox : public TuiCustomGridTableOptions {
    RTL_DECLARE_CLASS(TuiGridFilterBox, TuiCustomGridTableOptions)
public:
    using TuiCustomGridTableOptions::TuiCustomGridTableOptions;
    void Assign(const rtl::TPersistent* source) override;
    bool CustomizeDialog() const { return FCustomizeDialog; }
    void SetCustomizeDialog(bool value);
    int32_t MRUItemsListDropDownCount() const { return FMRUItemsListDropDownCount; }
    void SetMRUItemsListDropDownCount(int32_t value);
    TuiGridFilterPosition Position() const { return FPosition; }
    void SetPosition(TuiGridFilterPosition value);
    TuiGridFilterVisible Visible() const { return FVisible; }
    void SetVisible(TuiGridFilterVisible value);

private:
    bool FCustomizeDialog = true;
    int32_t FMRUItemsListDropDownCount = 0;
    TuiGridFilterPosition FPosition = fpBottom;
    TuiGridFilterVisible FVisible = fvNonEmpty;
};

class TuiGridItemFilterPopupOptions : public TuiCustomGridTableOptions {
    RTL_DECLARE_CLASS(TuiGridItemFilterPopupOptions, TuiCustomGridTableOptions)
public:
    using TuiCustomGridTableOptions::TuiCustomGridTableOptions;
    void Assign(const rtl::TPersistent* source) override;
    TuiGridItemFilterPopupApplyChangesMode ApplyMultiSelectChanges() const { return FApplyMultiSelectChanges; }
    void SetApplyMultiSelectChanges(TuiGridItemFilterPopupApplyChangesMode value);
    int32_t DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int32_t value);
    int32_t MaxDropDownItemCount() const { return FMaxDropDownItemCount; }
    void SetMaxDropDownItemCount(int32_t value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);

private:
    TuiGridItemFilterPopupApplyChangesMode FApplyMultiSelectChanges = fpacImmediately;
    int32_t FDropDownWidth = 0;
    int32_t FMaxDropDownItemCount = 15;
    bool FMultiSelect = true;
};

class TuiCustomGridTableFiltering : public TuiCustomGridTableOptions {
    RTL_DECLARE_CLASS(TuiCustomGridTableFiltering, TuiCustomGridTableOptions)
public:
    explicit TuiCustomGridTableFiltering(TuiCustomGridView& gridView);
    ~TuiCustomGridTableFiltering() override;
    void Assign(const rtl::TPersistent* source) override;

    bool ItemFilteredItemsList() const { return FItemFilteredItemsList; }
    void SetItemFilteredItemsList(bool value);
    bool ItemMRUItemsList() const { return FItemMRUItemsList; }
    void SetItemMRUItemsList(bool value);
    int32_t ItemMRUItemsListCount() const { return FItemMRUItemsListCount; }
    // Negative counts as 0 (no limit); every item's recently used values take the maximum.
    void SetItemMRUItemsListCount(int32_t value);
    TuiGridItemFilterPopupOptions& ItemPopup() const { return *FItemPopup; }
    TuiGridFilterMRUItems& MRUItems() const { return *FMRUItems; }
    bool MRUItemsList() const { return FMRUItemsList; }
    void SetMRUItemsList(bool value);
    int32_t MRUItemsListCount() const { return FMRUItemsListCount; }
    // Negative counts as 0; the recently used filters keep MRUItemsListCount + 1 (the current one among them), or
    // any number for 0.
    void SetMRUItemsListCount(int32_t value);

    // A filter a dialog applied; nullptr is the view's filter.
    void AddFilterToMRU(const TuiFilterCriteria* filter = nullptr);
    // The user asks to customize the item's conditions (nullptr: the whole filter). Unless OnFilterDialogShow takes
    // over, a filter the custom filter dialog can show opens it for the item; what it applies becomes active and
    // joins the recently used filters. Another filter, or the whole filter, is left to OnFilterCustomization: the
    // filter builder is not there.
    void CustomizeFilter(TuiCustomGridTableItem* item);
    // The data controller's filter changed.
    void CurrentFilterChanged();

    // Old forms kept the filter bar's settings here.
    void ReadCustomizeDialog(bool value);
    void ReadDropDownWidth(int32_t value);
    void ReadMaxDropDownCount(int32_t value);
    void ReadMRUItemsListDropDownCount(int32_t value);
    // The identifier of a TuiGridFilterPosition ("fpTop"); another raises EConvertError.
    void ReadPosition(rtl::UnicodeStringView identifier);
    // The identifier of a TuiGridFilterVisible ("fvNever"); another raises EConvertError.
    void ReadVisible(rtl::UnicodeStringView identifier);

private:
    void VisibleMRUItemCountChanged(int32_t oldCount, int32_t newCount);
    bool FItemFilteredItemsList = false;
    bool FItemMRUItemsList = true;
    int32_t FItemMRUItemsListCount = 5;
    std::unique_ptr<TuiGridItemFilterPopupOptions> FItemPopup;
    std::unique_ptr<TuiGridFilterMRUItems> FMRUItems;
    bool FMRUItemsList = true;
    int32_t FMRUItemsListCount = 10;
};

class TuiCustomGridTableOptionsBehavior : public TuiCustomGridOptionsBehavior {
    RTL_DECLARE_CLASS(TuiCustomGridTableOptionsBehavior, TuiCustomGridOptionsBehavior)
public:
    using TuiCustomGridOptionsBehavior::TuiCustomGridOptionsBehavior;
    void Assign(const rtl::TPersistent* source) override;
    bool AlwaysShowEditor() const { return FAlwaysShowEditor; }
    void SetAlwaysShowEditor(bool value);
    // 0: every record.
    int32_t BestFitMaxRecordCount() const { return FBestFitMaxRecordCount; }
    void SetBestFitMaxRecordCount(int32_t value);
    bool CellHints() const { return FCellHints; }
    void SetCellHints(bool value);
    bool CopyCaptionsToClipboard() const { return FCopyCaptionsToClipboard; }
    void SetCopyCaptionsToClipboard(bool value);
    bool DragDropText() const { return FDragDropText; }
    void SetDragDropText(bool value);
    TuiGridDragFocusing DragFocusing() const { return FDragFocusing; }
    void SetDragFocusing(TuiGridDragFocusing value);
    bool DragHighlighting() const { return FDragHighlighting; }
    void SetDragHighlighting(bool value);
    bool DragOpening() const { return FDragOpening; }
    void SetDragOpening(bool value);
    bool DragScrolling() const { return FDragScrolling; }
    void SetDragScrolling(bool value);
    bool FocusCellOnCycle() const { return FFocusCellOnCycle; }
    void SetFocusCellOnCycle(bool value);
    bool FocusCellOnTab() const { return FFocusCellOnTab; }
    void SetFocusCellOnTab(bool value);
    bool FocusFirstCellOnNewRecord() const { return FFocusFirstCellOnNewRecord; }
    void SetFocusFirstCellOnNewRecord(bool value);
    bool GoToNextCellOnEnter() const { return FGoToNextCellOnEnter; }
    void SetGoToNextCellOnEnter(bool value);
    bool ImmediateEditor() const { return FImmediateEditor; }
    void SetImmediateEditor(bool value);
    bool IncSearch() const { return FIncSearch; }
    // Turning it off cancels a running incremental search first.
    void SetIncSearch(bool value);
    TuiCustomGridTableItem* IncSearchItem() const { return FIncSearchItem; }
    void SetIncSearchItem(TuiCustomGridTableItem* value);
    bool NavigatorHints() const { return FNavigatorHints; }
    void SetNavigatorHints(bool value);
    bool PullFocusing() const { return FPullFocusing; }
    void SetPullFocusing(bool value);

private:
    bool FAlwaysShowEditor = false;
    int32_t FBestFitMaxRecordCount = 0;
    bool FCellHints = false;
    bool FCopyCaptionsToClipboard = true;
    bool FDragDropText = false;
    TuiGridDragFocusing FDragFocusing = dfNone;
    bool FDragHighlighting = true;
    bool FDragOpening = true;
    bool FDragScrolling = true;
    bool FFocusCellOnCycle = false;
    bool FFocusCellOnTab = false;
    bool FFocusFirstCellOnNewRecord = false;
    bool FGoToNextCellOnEnter = false;
    bool FImmediateEditor = true;
    bool FIncSearch = false;
    TuiCustomGridTableItem* FIncSearchItem = nullptr; // not owned; the view clears it when the item leaves
    bool FNavigatorHints = false;
    bool FPullFocusing = false;
};

class TuiCustomGridTableOptionsCustomize : public TuiCustomGridTableOptions {
    RTL_DECLARE_CLASS(TuiCustomGridTableOptionsCustomize, TuiCustomGridTableOptions)
public:
    using TuiCustomGridTableOptions::TuiCustomGridTableOptions;
    void Assign(const rtl::TPersistent* source) override;
    bool ItemFiltering() const { return FItemFiltering; }
    void SetItemFiltering(bool value);
    bool ItemGrouping() const { return FItemGrouping; }
    void SetItemGrouping(bool value);
    bool ItemHiding() const { return FItemHiding; }
    void SetItemHiding(bool value);
    bool ItemMoving() const { return FItemMoving; }
    void SetItemMoving(bool value);
    bool ItemSorting() const { return FItemSorting; }
    void SetItemSorting(bool value);
    bool ItemsQuickCustomization() const { return FItemsQuickCustomization; }
    void SetItemsQuickCustomization(bool value);
    int32_t ItemsQuickCustomizationMaxDropDownCount() const { return FItemsQuickCustomizationMaxDropDownCount; }
    void SetItemsQuickCustomizationMaxDropDownCount(int32_t value);
    TuiGridQuickCustomizationReordering ItemsQuickCustomizationReordering() const {
        return FItemsQuickCustomizationReordering;
    }
    void SetItemsQuickCustomizationReordering(TuiGridQuickCustomizationReordering value);
    // Designing, or enabled, or by default when items may move.
    bool SupportsItemsQuickCustomizationReordering() const;

private:
    bool FItemFiltering = true;
    bool FItemGrouping = true;
    bool FItemHiding = false;
    bool FItemMoving = true;
    bool FItemSorting = true;
    bool FItemsQuickCustomization = false;
    int32_t FItemsQuickCustomizationMaxDropDownCount = 0;
    TuiGridQuickCustomizationReordering FItemsQuickCustomizationReordering = qcrDefault;
};

class TuiCustomGridTableOptionsData : public TuiCustomGridOptionsData {
    RTL_DECLARE_CLASS(TuiCustomGridTableOptionsData, TuiCustomGridOptionsData)
public:
    using TuiCustomGridOptionsData::TuiCustomGridOptionsData;
    void Assign(const rtl::TPersistent* source) override;
    bool Appending() const { return FAppending; }
    void SetAppending(bool value);
    bool CancelOnExit() const { return FCancelOnExit; }
    void SetCancelOnExit(bool value);
    bool Deleting() const { return FDeleting; }
    void SetDeleting(bool value);
    bool DeletingConfirmation() const { return FDeletingConfirmation; }
    void SetDeletingConfirmation(bool value);
    bool Editing() const { return FEditing; }
    void SetEditing(bool value);
    bool Inserting() const { return FInserting; }
    void SetInserting(bool value);

private:
    void RefreshNavigators();
    bool FAppending = false;
    bool FCancelOnExit = true;
    bool FDeleting = true;
    bool FDeletingConfirmation = true;
    bool FEditing = true;
    bool FInserting = true;
};

class TuiCustomGridTableOptionsSelection : public TuiCustomGridOptionsSelection {
    RTL_DECLARE_CLASS(TuiCustomGridTableOptionsSelection, TuiCustomGridOptionsSelection)
public:
    using TuiCustomGridOptionsSelection::TuiCustomGridOptionsSelection;
    void Assign(const rtl::TPersistent* source) override;
    bool CellSelect() const { return FCellSelect; }
    virtual void SetCellSelect(bool value);
    bool HideFocusRectOnExit() const { return FHideFocusRectOnExit; }
    void SetHideFocusRectOnExit(bool value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    bool InvertSelect() const { return FInvertSelect; }
    virtual void SetInvertSelect(bool value);
    virtual bool IsInvertSelectStored() const { return !FInvertSelect; }
    // Kept by the data controller.
    bool MultiSelect() const;
    virtual void SetMultiSelect(bool value);
    virtual bool IsMultiSelectStored() const { return MultiSelect(); }
    bool UnselectFocusedRecordOnExit() const { return FUnselectFocusedRecordOnExit; }
    void SetUnselectFocusedRecordOnExit(bool value);

private:
    bool FCellSelect = true;
    bool FHideFocusRectOnExit = true;
    bool FHideSelection = false;
    bool FInvertSelect = true;
    bool FUnselectFocusedRecordOnExit = true;
};

class TuiCustomGridTableOptionsView : public TuiCustomGridOptionsView {
    RTL_DECLARE_CLASS(TuiCustomGridTableOptionsView, TuiCustomGridOptionsView)
public:
    using TuiCustomGridOptionsView::TuiCustomGridOptionsView;
    void Assign(const rtl::TPersistent* source) override;
    bool CellAutoHeight() const { return FCellAutoHeight; }
    void SetCellAutoHeight(bool value);
    bool CellEndEllipsis() const { return FCellEndEllipsis; }
    void SetCellEndEllipsis(bool value);
    int32_t CellTextMaxLineCount() const { return FCellTextMaxLineCount; }
    void SetCellTextMaxLineCount(int32_t value);
    bool FocusRect() const { return FFocusRect; }
    void SetFocusRect(bool value);
    bool ItemCaptionAutoHeight() const { return FItemCaptionAutoHeight; }
    void SetItemCaptionAutoHeight(bool value);
    bool ItemCaptionEndEllipsis() const { return FItemCaptionEndEllipsis; }
    void SetItemCaptionEndEllipsis(bool value);
    bool Navigator() const { return FNavigator; }
    void SetNavigator(bool value);
    int32_t NavigatorOffset() const { return FNavigatorOffset; }
    void SetNavigatorOffset(int32_t value);
    // The set text when it differs from the grid string "<No data to display>", else that string (translated).
    rtl::UnicodeString NoDataToDisplayInfoText() const;
    void SetNoDataToDisplayInfoText(rtl::UnicodeStringView value);
    bool IsNoDataToDisplayInfoTextStored() const;
    TuiGridShowEditButtons ShowEditButtons() const { return FShowEditButtons; }
    void SetShowEditButtons(TuiGridShowEditButtons value);
    TuiGridShowItemFilterButtons ShowItemFilterButtons() const { return FShowItemFilterButtons; }
    void SetShowItemFilterButtons(TuiGridShowItemFilterButtons value);

private:
    bool FCellAutoHeight = false;
    bool FCellEndEllipsis = false;
    int32_t FCellTextMaxLineCount = 0;
    bool FFocusRect = true;
    bool FItemCaptionAutoHeight = false;
    bool FItemCaptionEndEllipsis = false;
    bool FNavigator = false;
    int32_t FNavigatorOffset = 50;
    rtl::UnicodeString FNoDataToDisplayInfoText;
    TuiGridShowEditButtons FShowEditButtons = gsebNever;
    TuiGridShowItemFilterButtons FShowItemFilterButtons = sfbWhenSelected;
};

} // namespace ui
