#pragma once
// TuiGridDataController: the data controller of a table view. Its items are the view's items, its update lock
// locks the view first and unlocks it last (so a batch of record changes is one view update), a display text is the
// item's editor's unless that editor shows the data's own, an item's OnGetDataText has the last word over it, and its
// records travel in a form as the "Data" property.

#include "rtl/io/Streams.h"
#include "ui/data/controller/uiDataController.h"

#include <memory>

namespace ui {

class TuiCustomGridTableItem;
class TuiCustomGridTableView;

class TuiGridDataController : public TuiDataController {
    RTL_DECLARE_CLASS(TuiGridDataController, TuiDataController)
public:
    explicit TuiGridDataController(TuiCustomGridTableView& gridView);
    ~TuiGridDataController() override;

    TuiCustomGridTableView& GridView() const { return FGridView; }

    // The view's answers.
    const rtl::TMetaclass& GetSummaryItemClass() const override;
    const rtl::TMetaclass& GetSummaryGroupItemLinkClass() const override;
    rtl::TObject* GetItem(int32_t index) const override;
    // The table item's ID; -1 for any other object.
    int32_t GetItemID(rtl::TObject* item) const override;
    rtl::UnicodeString GetItemDisplayName(int32_t itemIndex) const override;
    rtl::AnsiString GetDisplayText(int32_t recordIndex, int32_t itemIndex) override;
    bool CanSelectRow(int32_t rowIndex) override;
    // A DateTime item with grouping ranges compares its dates by the periods that hold them.
    int CompareBySortingField(int32_t recordIndexA, int32_t recordIndexB, bool forGrouping,
                              const TuiSortingFieldEntry& entry) override;
    // The date alone for an item that ignores the time when filtering.
    rtl::Variant GetFilterValue(int32_t recordIndex, const TuiCustomDataField& field) override;
    void BeginUpdate() override;
    void EndUpdate() override;
    // The item sets up its editor again for the new value type.
    void ItemValueTypeClassChanged(int32_t itemIndex) override;
    // Loads the records the form's "Data" kept, and frees the kept bytes however the load ends.
    void CheckDeferredChanges() override;
    // The view's in-place editor writes its value first.
    void UpdateData() override;
    // The view's recently used filters follow the current filter.
    void FilterChanged() override;
    // The item's SortByDisplayText; with isbtDefault the given default (dcoSortByDisplayText when sorting).
    bool ItemSortsByDisplayText(int32_t itemIndex, bool defaultValue) const override;
    // An item edits the data's own text when its editor properties show it (or it has none).
    bool GetItemEditingHook(int32_t itemIndex) override;

    // The "Data" property: not defined in provider mode. Stored with an ancestor when the records differ from the
    // ancestor's, without one when there are records.
    bool IsDataPropertyDefined() const;
    bool IsDataStored(TuiGridDataController* ancestor);
    // An int32 length and that many bytes of the data-controller stream.
    void WriteData(rtl::TStream& stream);
    // Keeps the bytes until loading ends. A negative length or one past the end of stream raises "Invalid stream
    // format" before anything is allocated and keeps nothing.
    void ReadData(rtl::TStream& stream);
    bool HasKeptData() const { return FKeptData != nullptr; }

private:
    TuiCustomGridTableItem* TableItem(int32_t index) const;

    TuiCustomGridTableView& FGridView;
    std::unique_ptr<rtl::TMemoryStream> FKeptData;
};

} // namespace ui
