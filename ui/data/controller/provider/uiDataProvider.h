#pragma once
// TuiCustomDataProvider: the data controller's provider. It keeps the editing state (the record being edited or
// inserted, whether its values were changed), performs insert, append, edit, post, cancel and the deletions with the
// controller's events around them, and forwards values to a custom record source when one is assigned (provider
// mode, uiCustomRecordSource.h). The base navigates no record window of its own and is bound to no external data set.
//
// While a record is edited its values go straight into the storage; a copy taken when the edit began (an internal
// record) restores them on Cancel. The new-item row types into an internal record of its own until Post appends a
// data record and copies the values there.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/controller/uiDataControllerTypes.h"
#include "ui/data/values/uiValueType.h"

#include <functional>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;
class TuiCustomRecordSource;
class TuiValueDef;

class TuiCustomDataProvider : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiCustomDataProvider, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataController*;

    explicit TuiCustomDataProvider(TuiCustomDataController* dataController);
    // Frees the saved copy and leaves the custom record source.
    ~TuiCustomDataProvider() override;

    TuiCustomDataController& DataController() const { return FDataController; }

    // Whether the provider navigates a window of an external record set itself (false here).
    virtual bool IsGridMode() const { return false; }
    // Whether it is bound to an external data set (false here).
    virtual bool IsDataSetProvider() const { return false; }
    virtual bool IsSyncMode() const { return false; }
    // The values of the record window of a provider that navigates itself: Null and empty here.
    virtual rtl::Variant GetBufferValue(const TuiCustomDataField& field) const;
    virtual rtl::AnsiString GetBufferDisplayText(const TuiCustomDataField& field) const;

    // Whether the provider has records to load: a custom record source is assigned. A provider of another kind of
    // data answers for itself; a full load then reads its records one by one (First, IsEOF, Next) through a reader
    // of GetValueDefReaderClass, or, in grid mode, through LoadGridModeBuffer.
    virtual bool IsActive() const { return FCustomDataSource != nullptr; }
    // Moving through the provider's records. The base has none: it stands at both ends and does not move.
    virtual void First() { FFieldsRecreatedAfterFirst = false; }
    virtual void Next() {}
    virtual void Last() {}
    // Scrolls the record window of a provider that navigates itself.
    virtual void MoveBy(int32_t) {}
    virtual bool IsBOF() const { return true; }
    virtual bool IsEOF() const { return true; }
    // A grid-mode provider fills the storage with its record window; nothing here.
    virtual void LoadGridModeBuffer() {}
    // The class of the reader through which a full load reads the current record (made with this provider).
    virtual const rtl::TMetaclass& GetValueDefReaderClass() const;
    // Whether every structure update checks the fields for items that are gone, not only a forced one; not here.
    virtual bool NeedsFieldsCheck() const { return false; }
    // Whether fields of gone items stay while a record is inserted or another field was just freed; not here.
    virtual bool DefersFieldRemoval() const { return false; }
    // Set by a descendant whose First made the fields anew: the full load then frees those of gone items.
    bool FieldsRecreatedAfterFirst() const { return FFieldsRecreatedAfterFirst; }
    // Whether the controller is grouped, told before each recalculation of its rows: a grid-mode provider may stop
    // navigating itself while the data is grouped.
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool grouped) { FGrouped = grouped; }

    // What a source or a descendant reports: the provider became active or inactive, the fields changed, the current
    // record moved.
    virtual void ActiveChanged(bool active);
    virtual void StructureChanged();
    virtual void FocusingChanged();

    // The editing state that sorting and grouping read: the record being edited (uiNoEditingRecordIndex: none), the
    // record an appended one follows and the one an inserted one precedes (uiNoEditingRecordIndex: unset), and the
    // internal record holding the edited record's values from before the edit (0: none).
    int32_t EditingRecordIndex() const { return FEditingRecordIndex; }
    int32_t AppendAnchor() const { return FAppendAnchor; }
    int32_t InsertAnchor() const { return FInsertAnchor; }
    int32_t SavedRecordIndex() const { return FSavedRecordIndex; }
    // The data record that received the values of a posted new-item row, -1 when none.
    int32_t InsertedRecordIndex() const { return FInsertedRecordIndex; }
    void SetInsertedRecordIndex(int32_t recordIndex) { FInsertedRecordIndex = recordIndex; }

    bool IsEditing() const { return FEditingRecordIndex != uiNoEditingRecordIndex; }
    bool IsInserting() const { return IsEditing() && FInserting; }
    bool IsModified() const { return FModified; }
    // A value of the edited record is being changed through an editor.
    bool IsChanging() const { return FChanging; }
    TuiDataEditState GetEditState() const;
    TuiDataEditOperations GetEditOperations() const;

    virtual bool CanAppend() const { return CanModify(); }
    // Whether a record passes filtering.
    virtual bool CanDelete() const;
    virtual bool CanInsert() const { return CanModify(); }
    virtual bool CanModify() const { return true; }
    virtual bool NeedsImmediatePost() const { return !CanModify(); }

    virtual void Append() { DoInsert(true); }
    virtual void Insert() { DoInsert(false); }
    virtual void Edit() { DoEdit(); }
    // Begins an edit of the record when none runs; the record is being changed then.
    virtual bool ChangeRecord(int32_t recordIndex);
    // Stores the edit (an untouched inserted record without force is cancelled instead) and reports it.
    virtual void Post(bool force);
    // Restores the edited record's values, or deletes the inserted record.
    virtual void Cancel();
    // Lets the view write its editor's value back, then the record is no longer being changed.
    virtual void PostEditingData();
    virtual void UpdateData();
    // An empty text from an editor stores Null.
    virtual bool SetEditValue(int32_t recordIndex, const TuiCustomDataField& field, const rtl::Variant& value,
                              TuiDataEditValueSource source);
    // "RecordIndex out of range" without a record.
    virtual rtl::Variant GetEditValue(int32_t recordIndex, const TuiCustomDataField& field,
                                      TuiDataEditValueSource source);

    // Deletion: BeginDeleting names the record to focus afterwards, EndDeleting forgets it.
    virtual void BeginDeleting();
    virtual void EndDeleting();
    virtual void DeleteFocused();
    // The records, sorted and without duplicates, are deleted from the last to the first.
    virtual void DeleteRecords(std::vector<int32_t> recordIndexes);
    virtual void DeleteSelection();
    // Whether a selection is being deleted.
    bool IsDeletingSelection() const { return FDeletingSelection; }

    // Ends the edit without storing or restoring: the new-item record is emptied but keeps its slot.
    virtual void ResetEditing();
    // The edited record is gone: nothing is edited any more.
    void ForgetEditingRecord();
    // The storage dropped its internal records, the saved copy with them.
    void ForgetSavedRecord() { FSavedRecordIndex = 0; }
    void ResetChanging() { FChanging = false; }
    void SetChanging() { FChanging = true; }
    void ResetModified() { FModified = false; }
    void MarkModified() { FModified = true; }

    // While held, data changes the provider hears of do not reach the controller.
    void HoldChanges() { ++FHoldCount; }
    void ReleaseChanges() { --FHoldCount; }
    bool IsChangesHeld() const { return FHoldCount != 0; }
    // Hooks of a full load; nothing here.
    virtual void LoadingStarted() {}
    virtual void LoadingFinished() {}
    virtual void RecordLoaded(int32_t) {}
    // Data changed in the source: the controller hears of it, then the edit ends.
    virtual void DataChanged(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex);
    // Set while a new-item row post appends a record in provider mode.
    bool IsDataChangedLocked() const { return FDataChangedLocked; }

    // Provider mode: the custom record source the values come from, nullptr in unbound mode.
    TuiCustomRecordSource* CustomDataSource() const { return FCustomDataSource; }
    virtual bool IsCustomDataSourceSupported() const { return true; }
    // Leaves the old source, joins the new one and has the controller load anew.
    void SetCustomDataSource(TuiCustomRecordSource* source);
    // Forwarding to the source; the empty answers without one.
    int32_t AppendSourceRecord();
    int32_t InsertSourceRecord(int32_t recordIndex);
    void DeleteSourceRecord(int32_t recordIndex);
    rtl::Variant GetValue(int32_t recordIndex, const TuiCustomDataField& field);
    rtl::AnsiString GetDisplayText(int32_t recordIndex, const TuiCustomDataField& field);
    void SetValue(int32_t recordIndex, const TuiCustomDataField& field, const rtl::Variant& value);
    void SetRecordCount(int32_t count);
    rtl::Variant GetRecordId(int32_t recordIndex);
    bool IsRecordIdSupported();
    bool HasDetailRecords(int32_t recordIndex, int32_t relationIndex);
    // A display text set in provider mode: nothing here, a source holds values only.
    virtual void SetDisplayText(int32_t, const TuiCustomDataField&, const rtl::AnsiString&) {}
    // Whether the source compares its records itself, and its order of two data records by a field.
    bool IsNativeCompareFunc();
    int NativeCompare(int32_t recordIndexA, int32_t recordIndexB, const TuiCustomDataField& field);
    // Whether the source's values are compared by the field's value type as they lie in the source.
    bool IsNativeCompare();
    // The order of two records by a field with a value definition: internal records by their stored values, data
    // records by the source's values in place; nulls first.
    int CompareRecords(int32_t recordIndexA, int32_t recordIndexB, const TuiCustomDataField& field);
    // Between these (they nest) the records' handles are read once: the comparisons of a sort or a grouping then
    // read no record of the storage. Nothing changes the records meanwhile.
    void BeginComparisons();
    void EndComparisons();
    // Whether the source puts the records in order itself, and its order of the filtered records.
    bool IsCustomSorting();
    void CustomSort(std::vector<int32_t>& recordIndexes);
    // Appends a controller record for a source record handle; -1 without a source.
    int32_t AddSourceRecord(int32_t handle);
    // The source appends its records through AddSourceRecord.
    void LoadFromDataSource();

protected:
    void MarkFieldsRecreatedAfterFirst() { FFieldsRecreatedAfterFirst = true; }
    virtual void DoEdit();
    virtual void DoInsert(bool append);
    // The grouping values go into the new record when the controller is grouped and asks for it.
    virtual void AssignGroupingValues(int32_t recordIndex, const rtl::Variant& values);
    void SaveRecordCopy(int32_t recordIndex);
    void FreeSavedRecord();

private:
    // The record before an appended one, or after an inserted one, noted so sorting keeps the edited record in place.
    void NoteAnchorsOfFocusedRow();
    // The new-item record becomes the edited one and its row takes the focus.
    void BeginNewItemRowInsert(rtl::Variant& groupingValues);
    // The new record for an insert or append; its grouping values are those of the neighbour it is made beside.
    int32_t MakeInsertedRecord(bool append, rtl::Variant& groupingValues);
    // Deletes records through work; a failure leaves the focused record as the one to focus.
    void RunDeletion(const std::function<void()>& work);
    void RunSavingState(const std::function<void()>& work);
    // Marks the source as serving this provider before a call into it.
    TuiCustomRecordSource* ActiveSource() const;
    // The reference of a record's value of the field (see CompareRecords): whether it is null.
    bool GetValuePointer(TuiCustomRecordSource& source, int32_t recordIndex, const TuiValueDef& valueDef,
                         int32_t itemHandle, TuiValueReference& reference);

    TuiCustomDataController& FDataController;
    int32_t FAppendAnchor = uiNoEditingRecordIndex;
    bool FChanging = false;
    TuiCustomRecordSource* FCustomDataSource = nullptr; // not owned: the source lists its providers
    bool FDataChangedLocked = false;
    bool FDeletingSelection = false;
    int32_t FComparisonDepth = 0;
    // The handle of every data record while comparisons run.
    std::vector<int32_t> FComparedHandles;
    int32_t FEditingRecordIndex = uiNoEditingRecordIndex;
    bool FFieldsRecreatedAfterFirst = false;
    bool FGrouped = false;
    int32_t FHoldCount = 0;
    bool FInUpdateData = false;
    int32_t FInsertAnchor = uiNoEditingRecordIndex;
    int32_t FInsertedRecordIndex = uiNoIndex;
    bool FInserting = false;
    bool FModified = false;
    int32_t FSavedRecordIndex = 0;
};

} // namespace ui
