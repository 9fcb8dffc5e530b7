#pragma once
// The behaviour and filtering options of a table view of columns: hints on column headers, the preview in copied
// text, master rows opened by a double click, and the base's item-oriented filtering settings under column names.

#include "ui/grid/customtable/uiCustomGridTableOptions.h"

#include <cstdint>

namespace ui {

class TuiGridTableOptionsBehavior : public TuiCustomGridTableOptionsBehavior {
    RTL_DECLARE_CLASS(TuiGridTableOptionsBehavior, TuiCustomGridTableOptionsBehavior)
public:
    using TuiCustomGridTableOptionsBehavior::TuiCustomGridTableOptionsBehavior;
    void Assign(const rtl::TPersistent* source) override;
    // A header shows its caption as a hint when the caption does not fit.
    bool ColumnHeaderHints() const { return FColumnHeaderHints; }
    void SetColumnHeaderHints(bool value);
    // Copied records carry the preview column while the preview shows.
    bool CopyPreviewToClipboard() const { return FCopyPreviewToClipboard; }
    void SetCopyPreviewToClipboard(bool value);
    bool ExpandMasterRowOnDblClick() const { return FExpandMasterRowOnDblClick; }
    void SetExpandMasterRowOnDblClick(bool value);

private:
    void SetFlag(bool& field, bool value);
    bool FColumnHeaderHints = true;
    bool FCopyPreviewToClipboard = true;
    bool FExpandMasterRowOnDblClick = true;
};

class TuiGridTableFiltering : public TuiCustomGridTableFiltering {
    RTL_DECLARE_CLASS(TuiGridTableFiltering, TuiCustomGridTableFiltering)
public:
    using TuiCustomGridTableFiltering::TuiCustomGridTableFiltering;
    bool ColumnFilteredItemsList() const { return ItemFilteredItemsList(); }
    void SetColumnFilteredItemsList(bool value) { SetItemFilteredItemsList(value); }
    bool ColumnMRUItemsList() const { return ItemMRUItemsList(); }
    void SetColumnMRUItemsList(bool value) { SetItemMRUItemsList(value); }
    int32_t ColumnMRUItemsListCount() const { return ItemMRUItemsListCount(); }
    void SetColumnMRUItemsListCount(int32_t value) { SetItemMRUItemsListCount(value); }
    TuiGridItemFilterPopupOptions& ColumnPopup() const { return ItemPopup(); }
    // Older forms kept two of the popup's settings here.
    void ReadColumnPopupDropDownWidth(int32_t value) { ReadDropDownWidth(value); }
    void ReadColumnPopupMaxDropDownItemCount(int32_t value) { ReadMaxDropDownCount(value); }
};

} // namespace ui
