#pragma once
// The options of a table item. Each feature (editing, filtering, focusing, grouping, moving, sorting, incremental
// search) is on only when the view's option and the item's own both allow it; a change repaints, lays out or sizes
// the view through the item.

#include "rtl/core/Persistent.h"

#include <cstdint>

namespace ui {

class TuiCustomGridTableItem;

enum TuiGridItemShowEditButtons : uint8_t { isebDefault, isebNever, isebAlways };
enum TuiGridItemSortByDisplayText : uint8_t { isbtDefault, isbtOn, isbtOff };

class TuiCustomGridTableItemOptions : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiCustomGridTableItemOptions, rtl::TPersistent)
public:
    explicit TuiCustomGridTableItemOptions(TuiCustomGridTableItem& item) : FItem(item) {}
    TuiCustomGridTableItem& Item() const { return FItem; }
    // Another item's options: all fifteen through their setters.
    void Assign(const rtl::TPersistent* source) override;

    bool Editing() const { return FEditing; }
    void SetEditing(bool value);
    bool Filtering() const { return FFiltering; }
    void SetFiltering(bool value);
    bool FilteringFilteredItemsList() const { return FFilteringFilteredItemsList; }
    void SetFilteringFilteredItemsList(bool value);
    bool FilteringMRUItemsList() const { return FFilteringMRUItemsList; }
    void SetFilteringMRUItemsList(bool value);
    bool FilteringPopup() const { return FFilteringPopup; }
    void SetFilteringPopup(bool value);
    bool FilteringPopupMultiSelect() const { return FFilteringPopupMultiSelect; }
    void SetFilteringPopupMultiSelect(bool value);
    bool Focusing() const { return FFocusing; }
    void SetFocusing(bool value);
    bool Grouping() const { return FGrouping; }
    void SetGrouping(bool value);
    bool IgnoreTimeForFiltering() const { return FIgnoreTimeForFiltering; }
    // The data controller rebuilds its rows.
    void SetIgnoreTimeForFiltering(bool value);
    bool IncSearch() const { return FIncSearch; }
    void SetIncSearch(bool value);
    bool Moving() const { return FMoving; }
    void SetMoving(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    TuiGridItemShowEditButtons ShowEditButtons() const { return FShowEditButtons; }
    void SetShowEditButtons(TuiGridItemShowEditButtons value);
    TuiGridItemSortByDisplayText SortByDisplayText() const { return FSortByDisplayText; }
    // The data controller sorts again.
    void SetSortByDisplayText(TuiGridItemSortByDisplayText value);
    bool Sorting() const { return FSorting; }
    void SetSorting(bool value);

protected:
    void Changed(int32_t kind);
    // Runs before a new ShowCaption is stored; nothing here.
    virtual void ShowCaptionChanging(bool /*value*/) {}

private:
    void RebuildDataRows();
    TuiCustomGridTableItem& FItem;
    bool FEditing = true;
    bool FFiltering = true;
    bool FFilteringFilteredItemsList = true;
    bool FFilteringMRUItemsList = true;
    bool FFilteringPopup = true;
    bool FFilteringPopupMultiSelect = true;
    bool FFocusing = true;
    bool FGrouping = true;
    bool FIgnoreTimeForFiltering = true;
    bool FIncSearch = true;
    bool FMoving = true;
    bool FShowCaption = true;
    TuiGridItemShowEditButtons FShowEditButtons = isebDefault;
    TuiGridItemSortByDisplayText FSortByDisplayText = isbtDefault;
    bool FSorting = true;
};

} // namespace ui
