#pragma once
// The rows of a table view as objects: TuiCustomGridTableViewData maps each row of the data controller to a
// TuiCustomGridRecord, made when first asked for and thrown away with every data change, so a view of 200,000 rows
// keeps objects only for the rows something looked at. Records answer for their row (values, texts, level, parent,
// selection, expansion) through the data controller. Code must not keep a record across a data change.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/filter/uiFilterTypes.h"
#include "ui/grid/view/uiGridViewHandler.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomGridTableItem;
class TuiCustomGridTableView;
class TuiCustomGridTableViewData;
class TuiFilterCriteriaItem;
class TuiFilterCriteriaItemList;
class TuiGridFilterValueList;

class TuiCustomGridRecord : public rtl::TObject {
public:
    // rowIndex -1 stands for the new-item record.
    TuiCustomGridRecord(TuiCustomGridTableViewData& viewData, int32_t rowIndex, const TuiRowInfo& rowInfo);
    ~TuiCustomGridRecord() override = default;
    TuiCustomGridRecord(const TuiCustomGridRecord&) = delete;
    TuiCustomGridRecord& operator=(const TuiCustomGridRecord&) = delete;

    TuiCustomGridTableViewData& ViewData() const { return FViewData; }
    TuiCustomGridTableView& GridView() const;
    TuiCustomDataController& DataController() const;
    int32_t Index() const { return FIndex; }
    int32_t RecordIndex() const { return FRowInfo.RecordIndex; }
    int32_t Level() const { return FRowInfo.Level; }
    const TuiRowInfo& RowInfo() const { return FRowInfo; }
    bool IsNewItemRecord() const { return FIndex == -1; }
    // 0 <= record index < the data controller's record count.
    bool IsValid() const;

    virtual void RefreshRecordInfo();
    virtual bool GetExpandable() const { return false; }
    virtual bool GetExpanded() const { return false; }
    void SetExpanded(bool value);
    void ToggleExpanded() { SetExpanded(!GetExpanded()); }
    void ExpandRecord(bool recurse);
    void CollapseRecord(bool recurse);
    virtual bool GetHasCells() const { return false; }
    virtual bool GetIsData() const { return true; }
    virtual bool GetIsParent() const { return false; }
    bool IsFirst() const { return FIndex == 0; }
    bool IsLast() const;
    // At level 0 nothing (views here hold no details); otherwise the nearest earlier record of a lower level.
    virtual TuiCustomGridRecord* GetParentRecord();
    virtual bool GetSelected() const;
    virtual void SetSelected(bool value);
    virtual bool CanFocus();
    // The data controller's focused row (or focused new-item row) is this record's. Unfocusing the focused record
    // leaves no record focused.
    bool GetFocused() const;
    void SetFocused(bool value);
    // Whether an item may take the focus inside the record: the view's cell selection.
    virtual bool CanFocusCells() const;
    // Repaints the record, or only the item's cell of it, where the view shows it.
    void Invalidate(TuiCustomGridTableItem* item = nullptr);
    // Numeric-keypad plus and minus expand and collapse an expandable record and are consumed; other keys are left.
    virtual void KeyDown(uint16_t& key, vcl::TShiftState shift);
    // Enter (alone or with Shift), F2 and the input-method key put the focused item of a record with cells into
    // editing; Enter and F2 are consumed when it is then edited.
    void StartEditingByKey(uint16_t& key, vcl::TShiftState shift);

    virtual rtl::AnsiString GetDisplayText(int32_t itemIndex);
    virtual rtl::Variant GetValue(int32_t itemIndex);
    virtual int32_t GetValueCount() const;
    virtual void SetDisplayText(int32_t itemIndex, const rtl::AnsiString& text);
    virtual void SetValue(int32_t itemIndex, const rtl::Variant& value);

    // How many levels close after this record, counted from the innermost: the row layout draws their ends.
    int32_t GetClosedLevelCount() const;
    bool IsLevelClosed(int32_t depth) const;

protected:
    virtual void DoCollapse(bool /*recurse*/) {}
    virtual void DoExpand(bool /*recurse*/) {}

private:
    TuiCustomGridTableViewData& FViewData;
    int32_t FIndex;
    TuiRowInfo FRowInfo;
};

class TuiCustomGridTableViewData : public TuiGridViewHandler {
public:
    explicit TuiCustomGridTableViewData(TuiCustomGridTableView& gridView);
    ~TuiCustomGridTableViewData() override;

    TuiCustomGridTableView& TableView() const;
    // One entry per row, empty until asked for.
    int32_t RecordCount() const { return static_cast<int32_t>(FRecords.size()); }
    bool IsRowIndexValid(int32_t rowIndex) const { return rowIndex >= 0 && rowIndex < RecordCount(); }
    // The record of a row, made when missing; nullptr outside the rows.
    TuiCustomGridRecord* GetRecordAt(int32_t rowIndex);
    // The record of a row when it was made already.
    TuiCustomGridRecord* RecordEntry(int32_t rowIndex) const;
    // The record that shows a data record, or nullptr (a filtered record, one inside a collapsed group).
    TuiCustomGridRecord* GetRecordByRecordIndex(int32_t recordIndex);
    TuiCustomGridRecord* EditingRecord() const { return FEditingRecord; }
    // 0 the row's record, 1 the new-item record; nullptr otherwise.
    virtual TuiCustomGridRecord* GetRecordForKind(int32_t kind, int32_t index);
    virtual int32_t RecordKindOf(const TuiCustomGridRecord* record) const;
    virtual bool HasNewItemRecord() const { return false; }
    TuiCustomGridRecord* NewItemRecord() const { return FNewItemRecord.get(); }
    // Makes the new-item record when the view has one and it is missing, frees it when the view has none.
    void CheckNewItemRecord();

    // Date ranges: kind 0 sorting, 1 grouping, 2 filtering without the time. Whether the item's dates compare by
    // its grouping ranges in that mode: always for grouping, for sorting only at an outer grouping level or when a
    // range sorts by the time of day.
    bool NeedsRangeComparison(TuiCustomGridTableItem& item, int32_t mode);
    // The value the item's ranges give a date: its group value (kind 1) or sort key (kind 0) in the first range that
    // holds it, or the date itself (without the time unless a range keeps it); the date alone for kind 2; Null
    // stays Null.
    rtl::Variant ConvertRangeValue(TuiCustomGridTableItem& item, const rtl::Variant& value, int32_t kind);
    // The record's value of the item as the item's editor for that record shows it, converted through the date
    // ranges (kind as for ConvertRangeValue) when convert is set. Without conversion, an editor that shows the
    // data's own text declines (false) and leaves text empty.
    bool GetConvertedDisplayText(int32_t recordIndex, int32_t itemIndex, int32_t kind, bool convert,
                                 rtl::AnsiString& text);
    // The text of the grouping range that holds the record's value ("Today", a month), else the record's display
    // text.
    rtl::AnsiString GetRangeDisplayText(int32_t recordIndex, int32_t itemIndex);

    // The list a filter drop-down of the view fills: of GetFilterValueListClass, over the data controller's filter.
    virtual const rtl::TMetaclass& GetFilterValueListClass() const;
    std::unique_ptr<TuiGridFilterValueList> CreateFilterValueList();
    // A condition on the item in target (nullptr: the filter's root), after the item's earlier conditions went when
    // replace is set. Without a text a plain value shows as itself; the item has the last word over the text.
    TuiFilterCriteriaItem& AddItemFilterCondition(TuiFilterCriteriaItemList* target, TuiCustomGridTableItem& item,
                                                  bool replace, rtl::UnicodeStringView displayText,
                                                  const rtl::Variant& value, TuiFilterOperatorKind kind);

    // Frees every record and holds rowCount empty entries; the view is sized again.
    virtual void Refresh(int32_t rowCount);
    // The made records reload their row information.
    void RefreshRecordInfos();
    void CollapseAll(bool recurse);
    void ExpandAll(bool recurse);

protected:
    virtual std::unique_ptr<TuiCustomGridRecord> CreateRecord(int32_t rowIndex, const TuiRowInfo& rowInfo);
    virtual std::unique_ptr<TuiCustomGridRecord> CreateNewItemRecord();

private:
    void FindEditingRecord();

    std::vector<std::unique_ptr<TuiCustomGridRecord>> FRecords;
    std::unique_ptr<TuiCustomGridRecord> FNewItemRecord;
    TuiCustomGridRecord* FEditingRecord = nullptr; // not owned
};

} // namespace ui
