#pragma once
// The notices a data controller hands to the view that shows it: one small object per notice, recognised by its
// class, passed synchronously to the view's control-notification callback and freed right after it; a view copies
// what it needs. Index fields hold -1 for none.

#include "rtl/core/Object.h"
#include "ui/data/controller/uiDataControllerTypes.h"

#include <cstdint>
#include <vector>

namespace ui {

// The common root of the notices.
class TuiUpdateControlInfo : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiUpdateControlInfo, rtl::TObject)
};

// Data changed: how far (TuiDataChangeKind) and, for one item or one record, which.
class TuiDataChangedInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiDataChangedInfo, TuiUpdateControlInfo)
public:
    TuiDataChangeKind Kind() const { return FKind; }
    int32_t ItemIndex() const { return FItemIndex; }
    int32_t RecordIndex() const { return FRecordIndex; }
    void SetChange(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex);

private:
    TuiDataChangeKind FKind = dckAllData;
    int32_t FItemIndex = uiNoIndex;
    int32_t FRecordIndex = uiNoIndex;
};

// The layout, a detail or a summary changed: recalculate and repaint.
class TuiLayoutChangedInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiLayoutChangedInfo, TuiUpdateControlInfo)
};

// Editing of a record began: repaint that record.
class TuiUpdateRecordInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiUpdateRecordInfo, TuiUpdateControlInfo)
public:
    explicit TuiUpdateRecordInfo(int32_t recordIndex) : FRecordIndex(recordIndex) {}
    int32_t RecordIndex() const { return FRecordIndex; }

private:
    int32_t FRecordIndex;
};

// The focused row moved.
class TuiFocusedRowChangedInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiFocusedRowChangedInfo, TuiUpdateControlInfo)
public:
    TuiFocusedRowChangedInfo(int32_t prevFocusedRowIndex, int32_t focusedRowIndex)
        : FFocusedRowIndex(focusedRowIndex), FPrevFocusedRowIndex(prevFocusedRowIndex) {}
    int32_t FocusedRowIndex() const { return FFocusedRowIndex; }
    int32_t PrevFocusedRowIndex() const { return FPrevFocusedRowIndex; }

private:
    int32_t FFocusedRowIndex;
    int32_t FPrevFocusedRowIndex;
};

// The focused record changed, or may have.
class TuiFocusedRecordChangedInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiFocusedRecordChangedInfo, TuiUpdateControlInfo)
public:
    TuiFocusedRecordChangedInfo(int32_t prevFocusedRecordIndex, int32_t focusedRecordIndex, int32_t prevFocusedRowIndex,
                                int32_t focusedRowIndex, bool newItemRowFocusingChanged)
        : FFocusedRecordIndex(focusedRecordIndex), FPrevFocusedRecordIndex(prevFocusedRecordIndex),
          FFocusedRowIndex(focusedRowIndex), FPrevFocusedRowIndex(prevFocusedRowIndex),
          FNewItemRowFocusingChanged(newItemRowFocusingChanged) {}
    int32_t FocusedRecordIndex() const { return FFocusedRecordIndex; }
    int32_t PrevFocusedRecordIndex() const { return FPrevFocusedRecordIndex; }
    int32_t FocusedRowIndex() const { return FFocusedRowIndex; }
    int32_t PrevFocusedRowIndex() const { return FPrevFocusedRowIndex; }
    bool NewItemRowFocusingChanged() const { return FNewItemRowFocusingChanged; }

private:
    int32_t FFocusedRecordIndex;
    int32_t FPrevFocusedRecordIndex;
    int32_t FFocusedRowIndex;
    int32_t FPrevFocusedRowIndex;
    bool FNewItemRowFocusingChanged;
};

// The selection changed. The listed rows are the only ones affected; none listed means the change cannot be
// narrowed to rows.
class TuiSelectionChangedInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiSelectionChangedInfo, TuiUpdateControlInfo)
public:
    TuiSelectionChangedInfo() = default;
    // Lists rowIndex1 unless it is -1, then rowIndex2 unless it is -1 or rowIndex1.
    TuiSelectionChangedInfo(int32_t rowIndex1, int32_t rowIndex2);
    int32_t GetRowIndexCount() const { return static_cast<int32_t>(FRowIndexes.size()); }
    int32_t GetRowIndex(int32_t index) const { return FRowIndexes.at(index); }

private:
    std::vector<int32_t> FRowIndexes;
};

// The incremental search started, changed its text or ended.
class TuiSearchChangedInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiSearchChangedInfo, TuiUpdateControlInfo)
};

// The bookmark was saved, cleared or lost.
class TuiBookmarkChangedInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiBookmarkChangedInfo, TuiUpdateControlInfo)
};

// The groups are about to be rebuilt: sent before, not after.
class TuiGroupingChangingInfo : public TuiUpdateControlInfo {
    RTL_DECLARE_CLASS(TuiGroupingChangingInfo, TuiUpdateControlInfo)
};

} // namespace ui
