#pragma once
// TuiCustomDataController: the non-visual model behind a data-aware view: a table of records (rows of its record
// storage) and items (columns, each backed by a data field), with a provider, row information, filter, summary,
// search and notifier as companions. Changes made inside BeginUpdate and EndUpdate are collected and delivered once
// at the outermost EndUpdate: the row information recalculates, then the controller sends the view its notices
// (uiUpdateControlInfo.h) through the control-notification callback and fires its data events.
//
// Record indexes: data records 0 .. GetRecordCount() - 1 in storage order; internal records (the new-item record)
// are negative; -1 means none.
//
// The companions named by class factories (provider, filter, search, summary, the row information's selection,
// relations) are made on first use, so the most-derived class's factories choose them (C++ reaches only the base's
// overrides while the base is being built). The recalculations that a constructor's items cause make none; a
// constructor that asks for one itself gets the one its own class names.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "rtl/core/Interfaces.h"
#include "rtl/core/Persistent.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/controller/uiDataControllerTypes.h"
#include "ui/data/values/uiValueType.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataControllerInfo;
class TuiCustomDataField;
class TuiCustomDataFieldList;
class TuiCustomDataProvider;
class TuiCustomRecordSource;
class TuiCustomDataRelation;
class TuiCustomDataRelationList;
class TuiDataControllerGroups;
class TuiDataControllerNotifier;
class TuiDataControllerSearch;
class TuiDataFilterCriteria;
class TuiDataFilterList;
class TuiDataListenerLink;
class TuiDataStorage;
class TuiDataSummary;
class TuiUpdateControlInfo;
class TuiSaveObject;
class TuiValueDef;
class TuiValueDefReader;
struct TuiRowInfo;
struct TuiSortingFieldEntry;

// The view's receiver of notices; the notice is freed when it returns.
using TuiControlNotificationEvent = std::function<void(TuiUpdateControlInfo& info)>;
// A data-changed listener: called with its user data after the data events.
using TuiDataChangedListenerProc = std::function<void(void* userData, TuiCustomDataController& dataController)>;
// Called by ForEachRow for a row; the last answer is ForEachRow's.
using TuiForEachRowProc = std::function<int32_t(int32_t rowIndex, const TuiRowInfo& rowInfo)>;

class TuiCustomDataController : public rtl::TPersistent, public rtl::TNotCountedInterface {
    RTL_DECLARE_CLASS(TuiCustomDataController, rtl::TPersistent)
public:
    using TConstructorArgument = rtl::TComponent*;

    // owner is the view or grid that holds the controller (may be nullptr); its component state tells whether it
    // is loading, being read or being destroyed.
    explicit TuiCustomDataController(rtl::TComponent* owner);
    ~TuiCustomDataController() override;

    rtl::TPersistent* GetOwner() const override;
    rtl::TComponent* OwnerComponent() const { return FOwner; }
    // Takes over the options, filter, summary and event handlers of another controller, not the control callback.
    void Assign(const rtl::TPersistent* source) override;

    // Class factories of the companions.
    virtual const rtl::TMetaclass& GetDataProviderClass() const;
    virtual const rtl::TMetaclass& GetDataSelectionClass() const;
    virtual const rtl::TMetaclass& GetFieldClass() const;
    virtual const rtl::TMetaclass& GetFilterCriteriaClass() const;
    virtual const rtl::TMetaclass& GetSearchClass() const;
    virtual const rtl::TMetaclass& GetSummaryClass() const;
    // The class of the relations the relation list makes.
    virtual const rtl::TMetaclass& GetRelationClass() const;
    // The classes of summary items and of summary-group links; read while the summary is made.
    virtual const rtl::TMetaclass& GetSummaryItemClass() const;
    virtual const rtl::TMetaclass& GetSummaryGroupItemLinkClass() const;
    // The engine that orders groups by a summary (uiSortingBySummaryEngine.h); none here.
    virtual const rtl::TMetaclass* GetSortingBySummaryEngineClass() const;

    // The companions.
    TuiDataStorage& DataStorage() const { return *FDataStorage; }
    TuiCustomDataFieldList& Fields() const { return *FFields; }
    TuiCustomDataControllerInfo& DataControllerInfo() const { return *FInfo; }
    TuiCustomDataProvider& Provider() const;
    TuiDataControllerGroups& Groups() const { return *FGroups; }
    TuiDataControllerSearch& Search() const;
    TuiDataControllerNotifier& Notifier() const { return *FNotifier; }
    TuiDataFilterList& ExtraFilters() const { return *FExtraFilters; }
    TuiDataFilterCriteria& Filter() const;
    // Copies criteria into the own filter.
    void SetFilter(const TuiDataFilterCriteria& criteria);
    TuiDataSummary& Summary() const;
    // Copies summary into the own summary.
    void SetSummary(const TuiDataSummary& summary);

    bool Active() const { return FActive; }
    TuiDataControllerOptions Options() const { return FOptions; }
    // A different value rebuilds the rows.
    void SetOptions(TuiDataControllerOptions options);

    // Records and values. Every access checks the record index (0 .. count - 1 or the new-item record) and the item
    // index first and raises EuiInvalidDataControllerOperation for a bad one.
    virtual int32_t GetRecordCount() const;
    // Grows (new records hold Null everywhere) or shrinks from the end; a negative count counts as 0. Reports
    // records added or removed.
    virtual void SetRecordCount(int32_t count);
    virtual rtl::Variant GetValue(int32_t recordIndex, int32_t itemIndex);
    // Stores the value converted to the item's value type and reports a change of that item; an item without value
    // type is left alone and nothing is reported.
    virtual void SetValue(int32_t recordIndex, int32_t itemIndex, const rtl::Variant& value);
    virtual rtl::AnsiString GetDisplayText(int32_t recordIndex, int32_t itemIndex);
    // Stores the text when the item keeps display texts; reported as SetValue is.
    virtual void SetDisplayText(int32_t recordIndex, int32_t itemIndex, const rtl::AnsiString& text);
    // The record's ID while record IDs are used, else Null; only data records.
    virtual rtl::Variant GetRecordId(int32_t recordIndex);
    virtual rtl::Variant GetFieldValue(int32_t recordIndex, const TuiCustomDataField& field);
    virtual rtl::AnsiString GetFieldDisplayText(int32_t recordIndex, const TuiCustomDataField& field);
    virtual rtl::Variant GetValueForField(int32_t recordIndex, const TuiCustomDataField& field);
    // Whether the field's values come from the provider rather than the storage.
    bool IsProviderField(const TuiCustomDataField& field) const;
    // Whether the provider navigates a record window itself.
    bool IsProviderNavigation() const;
    // The rows again: filtered, sorted and grouped anew.
    void Refresh();
    virtual void RebuildRows();

    void CheckRecordIndex(int32_t recordIndex);
    void CheckItemIndex(int32_t itemIndex) const;
    // The field of item itemIndex, after checking the index.
    TuiCustomDataField& GetItemField(int32_t itemIndex) const;
    // The internal record that holds the values typed into a view's new-item row, made on first use.
    virtual int32_t GetNewItemRecordIndex();
    // The storage has dropped its internal records.
    virtual void ResetNewItemRecord();

    // Editing through the provider (uiDataProvider.h). Insert and Append begin a new record (Append after the last
    // row), Edit the focused record; Post stores the edit and Cancel undoes it. Each does nothing when the provider
    // does not allow it.
    virtual void Append();
    virtual void Insert();
    virtual void Edit();
    virtual void Post(bool force = false);
    virtual void Cancel();
    // Deletes the focused record, or every record of a focused group row, and focuses the nearest record.
    virtual void DeleteFocused();
    // Deletes the records of the selected rows.
    virtual void DeleteSelection();
    virtual void PostEditingData();
    // Whether the item's value may be edited; when so an edit of the record begins.
    virtual bool CanModifyItem(int32_t itemIndex);
    // Stores an edited value (an empty editor text as Null), posting at once when edits post immediately.
    virtual bool SetEditValue(int32_t itemIndex, const rtl::Variant& value, TuiDataEditValueSource source);
    // The edited record's value; "RecordIndex out of range" when no record is edited or focused.
    virtual rtl::Variant GetEditValue(int32_t itemIndex, TuiDataEditValueSource source);
    // The record being edited, else the new-item record while its row is edited, else the focused record
    // (uiNoEditingRecordIndex without a focused row).
    virtual int32_t GetEditingRecordIndex();
    virtual int32_t GetEditingOrFocusedRecordIndex();
    TuiDataEditState GetEditState() const;
    TuiDataEditOperations GetEditOperations() const;
    bool IsEditingRecord() const;
    virtual bool IsImmediatePost() const;
    // A deletion at or before the edited record, or an edited record beyond the count, ends the edit.
    virtual void CorrectEditingIndexOnDelete(int32_t recordIndex);
    // A view writes its editor's value back here; nothing in the base.
    virtual void UpdateData() {}
    // Whether the view lets the item be edited; true here.
    virtual bool GetItemEditingHook(int32_t) { return true; }
    // A view may supply the text of an edit value: whether it did (here never, and the text stays).
    virtual bool GetEditValueTextHook(int32_t, rtl::AnsiString&) { return false; }
    // A view brings its editing state up to date; nothing here.
    virtual void UpdateEditingHook() {}
    // A controller bound to data outside it fetches that data again; nothing here.
    virtual void RefreshExternalData() {}
    // Whether data changes are held back, keys move the focus, or the provider is changing its data: never here.
    virtual bool IsDataChangeLocked() const { return false; }
    virtual bool IsKeyNavigation() const { return false; }
    virtual bool IsProviderDataChanging() const { return false; }
    // A new criteria of the controller's filter class, bound to it and owned by the caller (the recently used
    // filters of a view are kept in such objects).
    virtual std::unique_ptr<TuiDataFilterCriteria> AddFilterCriteria();
    // The record's values of the grouping items, in grouping order (all Null for a record out of range).
    rtl::Variant GetGroupingValues(int32_t recordIndex);
    // The records of the selected rows, a group row giving all of its records.
    std::vector<int32_t> GetSelectedRecords();
    // Deletes the records, sorted and without duplicates, from the last to the first.
    void DeleteRecordList(std::vector<int32_t> recordIndexes);
    bool IsInCancel() const { return FInCancel; }
    void ProviderLock();
    void ProviderUnlock();
    bool IsProviderLocked() const;

    // Records as the provider makes them: appended, inserted at a place (0 .. count), deleted (a negative index
    // frees the internal record); each reports the change. CopyRecord copies the values of the items' fields.
    int32_t AppendRecord();
    int32_t InsertRecord(int32_t recordIndex);
    void DeleteRecord(int32_t recordIndex);
    virtual void CopyRecord(int32_t fromRecordIndex, int32_t toRecordIndex);

    // The new-item row of a view: while it is used for editing, inserts type into the new-item record, and Post
    // appends a data record holding its values.
    bool NewItemRowFocused() const { return FNewItemRowFocused; }
    // Focusing it takes the focus from the data rows (and inserts with dcoInsertOnNewItemRowFocusing); leaving it
    // posts its edit.
    void SetNewItemRowFocused(bool focused);
    bool UseNewItemRowForEditing() const { return FUseNewItemRowForEditing; }
    // A change cancels the edit and clears the selection.
    void SetUseNewItemRowForEditing(bool use);
    bool IsEditingNewItemRow() const;
    bool IsNewItemRecord(int32_t recordIndex);

    // Provider mode: the values come from a custom record source (uiCustomRecordSource.h); the storage keeps one
    // record per source record holding its handle. Assigning a source clears the storage and loads the source's
    // records; removing it clears the storage without a reload.
    bool IsProviderMode() const;
    TuiCustomRecordSource* GetCustomDataSource() const;
    void SetCustomDataSource(TuiCustomRecordSource* source);
    // The source changed (or the template state, or whether the provider navigates itself): the edit ends, the
    // storage is set up for the mode and the structure is checked, which reloads an active provider.
    virtual void DataSourceChanged();
    // A descendant hears of a new source; nothing here.
    virtual void CustomDataSourceChanged() {}
    // The structure check: after the source or the fields changed, an active provider's records are loaded anew.
    // Inside an update lock the reload waits for the outermost EndUpdate, where the check runs again.
    virtual void StructureChanged();
    // Stores the flag and checks the structure.
    virtual void SetActive(bool active);
    // With force (or when the provider asks for a fields check) the fields of gone items are freed and the records
    // loaded anew, unless the fields are locked (BeginUpdateFields: the update waits for the unlock); the rows
    // are recalculated in any case.
    void UpdateStructure(bool force);
    // While locked, structure updates only note that they are due; the outermost unlock runs the check.
    void BeginUpdateFields();
    void EndUpdateFields();
    // The records anew: the storage is cleared and an active provider's records are loaded (a template never loads,
    // nor does a controller that loads smartly). A load that fails leaves focus, selection and bookmark on the
    // records it read.
    virtual void LayoutChanged();
    // In provider mode, or while a source change waits for its structure update.
    virtual bool IsStructureRecreated() const;
    // The provider navigates itself and a structure change waits for the end of the update lock.
    virtual bool IsStructureChangedWhileProviderNavigates() const;
    // Whether the records are the controller's own to load (not in provider mode).
    virtual bool IsDataLoadAllowed() const;
    // A descendant that appends and removes records one by one instead of reloading them all answers true; the
    // records are then not cleared by a structure update that runs during such an append. Smart refreshing keeps
    // the focus on the focused row's place rather than on its record. Neither here.
    virtual bool IsSmartLoad() const { return false; }
    virtual bool IsSmartRefresh() const { return false; }
    // One record more, from the provider: in provider mode a new source record, otherwise a record read through the
    // provider's reader. Reports the records added; the new record's index.
    virtual int32_t AppendRecordFromProvider();
    // Appends a storage record read through the reader, announced with ProviderRecordChanged; its index. Provider
    // mode has no values of its own to read: "This operation is not supported in provider mode".
    virtual int32_t AppendRecordFromReader(TuiValueDefReader& reader);
    // A value of a copied record that goes to the provider: nothing for an internal field, otherwise the reader's
    // value (and text, where the field keeps texts) of the definition's field for the target record.
    virtual void SetFieldValueFromReader(const TuiValueDef& valueDef, TuiValueDefReader& reader,
                                         int32_t targetRecordIndex);
    // Removes a data record: in provider mode the source's record first, then the storage's.
    virtual void DeleteRecordData(int32_t recordIndex);
    // A record read from the provider during a load: the provider hears of it.
    virtual void ProviderRecordChanged(int32_t recordIndex);
    // Scrolls the record window of a provider that navigates itself; nothing otherwise.
    void ScrollProvider(int32_t distance);
    // A descendant fills the storage directly between these; the end re-checks focus, selection and bookmark,
    // rebuilds the rows and tells the view that any data may have changed.
    virtual TuiDataStorage& BeginFullLoad();
    virtual void EndFullLoad();
    // The definition of the internal field that holds the records' source handles; provider mode only.
    const TuiValueDef& RecordHandlesValueDef() const;
    // 0 an ordinary controller, 1 a template (the detail of a relation without a master record, or one marked so),
    // 2 the detail of a master record.
    int32_t GetTemplateState() const;
    // A template describes a detail level and holds no records: it never loads from a source.
    bool IsTemplateController() const { return GetTemplateState() == 1; }
    void SetIsTemplate(bool isTemplate);

    // Master side (details/uiDataRelations.h). The first relation makes the internal field of the records' detail
    // objects, the last one removed frees it.
    TuiCustomDataRelationList& GetRelations();
    TuiCustomDataRelationList* FindRelations() const { return FRelations.get(); }
    bool HasRelations() const;
    // -1 without a detail object.
    int32_t GetDetailActiveRelationIndex(int32_t recordIndex);
    void SetDetailActiveRelation(int32_t recordIndex, int32_t relationIndex);
    bool IsDetailExpanded(int32_t recordIndex) const;
    // True when the record's detail is (now) in that state; false out of range, without details or when
    // OnDetailExpanding or OnDetailCollapsing refuses.
    bool ChangeDetailExpanding(int32_t recordIndex, bool expand);
    void CollapseAllDetails();
    void ClearDetailObject(int32_t recordIndex, int32_t relationIndex);
    // Every record's detail object loses its link objects.
    void ClearDetails();
    // The record's link object of the relation, made by CreateDetailLinkObject on first use.
    rtl::TObject* GetDetailLinkObject(int32_t recordIndex, int32_t relationIndex);
    TuiCustomDataController* GetDetailDataController(int32_t recordIndex, int32_t relationIndex);
    bool IsDetailLinkObjectCreated(int32_t recordIndex, int32_t relationIndex) const;
    // Whether the record's detail has records: its detail controller's when made, else (provider mode) the source's
    // answer, asked once and remembered; false in unbound mode.
    bool DetailHasChildren(int32_t recordIndex, int32_t relationIndex);
    // Forgets the remembered answers; a detail change when there were any.
    void ResetDetailsHasChildren();
    // Set while CreateDetailLinkObject runs.
    bool IsCreatingLinkObject() const { return FCreatingLinkObject; }
    // The detail controllers of the relation's link objects let go of their master.
    void DetachRelationDetails(TuiCustomDataRelation& relation);
    // After an insert at recordIndex the details of the records after it belong one record further, after a
    // deletion those from recordIndex on one record back.
    void ShiftDetailMasterIndexesUp(int32_t recordIndex);
    void ShiftDetailMasterIndexesDown(int32_t recordIndex);
    void ClearDetailsOfItem(rtl::TObject* item);
    virtual void UpdateRelations(TuiCustomDataRelation* relation);
    // A view makes the clone of a detail level for a master record; none here.
    virtual std::unique_ptr<rtl::TObject> CreateDetailLinkObject(TuiCustomDataRelation& relation, int32_t recordIndex);
    // The detail controller of a link object; none here.
    virtual TuiCustomDataController* GetDetailLinkObjectController(rtl::TObject* linkObject) const;
    virtual int32_t GetDefaultActiveRelationIndex() const { return 0; }

    // Detail side.
    TuiCustomDataRelation* GetMasterRelation() const { return FMasterRelation; }
    TuiCustomDataController* GetMasterDataController() const;
    bool IsDetailMode() const { return FMasterRelation != nullptr; }
    TuiCustomDataController& GetRootDataController();
    // The template of this controller's level: itself without a master relation.
    TuiCustomDataController* GetPatternDataController() const;
    void SetMasterRelation(TuiCustomDataRelation* relation, bool isTemplate);
    // recordIndex -1 attaches the controller to the relation as its template.
    virtual void SetMasterRelationAndRecord(TuiCustomDataRelation* relation, int32_t recordIndex);
    // The master relation or detail object went: the controller is no longer a detail.
    void DetachFromMasterRelation();
    // A detail clone's master record changed: its template refocuses when the change is delivered.
    virtual void MasterRecordChanged();
    // Called after MasterRecordChanged reported; nothing here.
    virtual void BeforeStructureChanged() {}

    // Keys and saved state. Around operations that may reload the records, the expanded details and the selection
    // are saved by the records' key values and found again afterwards; without keys (unbound mode) the restore only
    // drops selected rows beyond the records and a lost bookmark. Calls nest: the outermost pair saves and restores.
    void BeginSaveState();
    void EndSaveState();
    // Null without key fields (the source's record ID in provider mode), the value of one key field, or an array of
    // the values of several.
    virtual rtl::Variant GetKeyValue(int32_t recordIndex, const std::vector<TuiCustomDataField*>& keyFields);
    // A descendant adds its key fields; none here.
    virtual void GetKeyFields(std::vector<TuiCustomDataField*>& keyFields);
    // Provider mode with a source that gives record IDs.
    virtual bool CanRestoreByKeys();

    // The data-controller stream: "DataController1", the value types of the items' fields, the record count and
    // the records. Loading checks the whole stream before the records are replaced: a bad one raises "Invalid
    // stream format" (or the stream's read error) and leaves the records and the views untouched. Provider mode
    // cannot load ("This operation is not supported in provider mode").
    void SaveDataToStream(rtl::TStream& stream);
    void LoadDataFromStream(rtl::TStream& stream);
    // Takes over the records of another controller with the same items: through the stream, or, from a controller
    // in provider mode, by reading the same source.
    void AssignData(TuiCustomDataController& source);

    // Items and their fields.
    virtual int32_t GetItemCount() const;
    // The view's item object at index.
    virtual rtl::TObject* GetItem(int32_t index) const = 0;
    // A field for item (nullptr: an item-less field); "Item already exists" when item has one already.
    virtual TuiCustomDataField& AddItem(rtl::TObject* item);
    // Frees the item's field; nothing for an object without one.
    virtual void RemoveItem(rtl::TObject* item);
    // Puts the fields into the order of the view's items; reports a layout change.
    virtual void UpdateItems();
    // Changing the value type or the text-stored flag makes the item's values anew (they are lost) and reports a
    // layout change; the current setting reports nothing.
    virtual void ChangeValueTypeClass(int32_t itemIndex, TuiValueTypeClass valueTypeClass);
    virtual void ChangeItemTextStored(int32_t itemIndex, bool textStored);
    virtual bool GetItemTextStored(int32_t itemIndex) const;
    virtual bool IsItemTextStored(int32_t itemIndex) const;
    TuiValueTypeClass GetItemValueTypeClass(int32_t itemIndex) const;
    // -1 is no item's ID, whatever GetItemID answers.
    virtual rtl::TObject* FindItemByID(int32_t id) const;
    // Case-insensitive.
    virtual rtl::TObject* FindItemByName(rtl::UnicodeStringView name) const;
    // The item whose ID is that of link.
    virtual rtl::TObject* GetItemByItemLink(rtl::TObject* link) const;
    // -1 here.
    virtual int32_t GetItemID(rtl::TObject* item) const;
    // The Name of a component, empty for other objects.
    virtual rtl::UnicodeString GetItemName(rtl::TObject* item) const;
    // The name a user knows the item by; empty here (a view names its columns).
    virtual rtl::UnicodeString GetItemDisplayName(int32_t itemIndex) const;
    // The item's name in filter expressions: its display name here.
    virtual rtl::UnicodeString GetItemFilterCaption(int32_t itemIndex) const;
    virtual TuiCustomDataField& CreateField();
    virtual TuiCustomDataField& CreateInternalField();
    // Lets ValidateField free the fields whose items are gone, until a pass frees none.
    virtual void RemoveDestroyedFields();
    // A descendant frees the field when its item no longer exists; nothing here.
    virtual void ValidateField(TuiCustomDataField& field);
    // A field has left the field list: what refers to it lets go (sorting, grouping, the incremental filter).
    virtual void DoFieldRemoved(TuiCustomDataField& field);
    // A component a field may refer to is being freed: every field hears of it.
    virtual void ComponentRemoved(rtl::TComponent* component);
    // Whether the definition belongs to an internal field.
    bool IsInternalFieldValueDef(const TuiValueDef& valueDef) const;
    // A descendant tells its view; nothing here.
    virtual void ItemValueTypeClassChanged(int32_t itemIndex);

    // Rows: group rows and data rows of expanded groups when grouped, otherwise one row per filtered record
    // (uiDataControllerInfo.h). A bad row raises "RowIndex out of range".
    int32_t GetRowCount() const;
    TuiRowInfo GetRowInfo(int32_t rowIndex) const;
    // -1 when the record is filtered out or, without expand, inside a collapsed group; expand expands its groups.
    // The record index is checked first.
    int32_t GetRowIndexByRecordIndex(int32_t recordIndex, bool expand);
    // The row to focus after row is deleted.
    int32_t GetNearestRowIndex(int32_t rowIndex) const;
    // The value or text of a row: a group row shows its grouping item, whatever item is asked for.
    rtl::Variant GetRowValue(const TuiRowInfo& rowInfo, int32_t itemIndex);
    rtl::AnsiString GetRowDisplayText(const TuiRowInfo& rowInfo, int32_t itemIndex);
    // Calls proc for every row, or for every selected row in selection order; the last answer, or the row count when
    // proc was not called.
    int32_t ForEachRow(bool selectedOnly, const TuiForEachRowProc& proc);
    // The record of the last row, -1 without rows.
    int32_t GetLastRowRecordIndex() const;
    // The records that pass filtering, in display order.
    int32_t GetFilteredRecordCount() const;
    int32_t GetFilteredRecordIndex(int32_t position) const;
    // -1 when the record is filtered out.
    int32_t GetFilteredIndexByRecordIndex(int32_t recordIndex) const;

    // Focus. It follows the focused record through sorting, filtering and regrouping.
    int32_t GetFocusedRowIndex() const;
    int32_t GetFocusedRecordIndex() const;
    virtual int32_t GetFocusedRecord() const;
    // The record the provider has focused when it navigates itself; else the focused record.
    virtual int32_t GetFocusedRecordIndexFromProvider() const;
    // Moves the focus to the row (clamped to the rows; -1 none): whether it was done.
    bool ChangeFocusedRowIndex(int32_t rowIndex);
    // Focuses the record's row, expanding its groups.
    bool ChangeFocusedRecordIndex(int32_t recordIndex);
    // Focuses row 0 when no row is focused.
    void EnsureRowFocused();
    void GotoFirst();
    void GotoLast();
    // Both true without rows; neither while rows exist and none is focused.
    bool IsFirstRowFocused() const;
    bool IsLastRowFocused() const;
    // Asked before another record is focused: a pending edit is posted first.
    virtual bool CanFocusRecord(int32_t recordIndex);
    virtual bool CanLoadData() const { return true; }
    virtual bool IsDetailFocusSync() const { return false; }
    // Hooks: before the focus leaves a master's record, before it moves to a row, after the focused record changed,
    // and while a group holding the focused row collapses. Nothing here.
    virtual void NotifyDetailsFocusChanging() {}
    virtual void FocusedRowChanging(int32_t) {}
    virtual void DoAfterFocusedRecordChanged() {}
    virtual void CheckFocusedRow() {}
    // The focus moves to the row its record now has (for a smart refresh: to the row it had).
    virtual void UpdateFocusingAfterLocate();
    virtual void RefreshFocusing();
    // After deletions: the record the deletion left to focus, or the last row's when none is focused.
    void FocusNearestRecord();
    // Focuses the row of the index-th selected row: whether it became the focused row.
    virtual bool FocusSelectedRow(int32_t index);
    // -1 when none; a deletion sets the nearest record, a detail its master record.
    int32_t GetNearestRecordIndex() const { return FNearestRecordIndex; }
    void SetNearestRecordIndex(int32_t recordIndex) { FNearestRecordIndex = recordIndex; }
    int32_t GetMasterRecordIndex() const { return FMasterRecordIndex; }

    // Selection. In single-select mode the focused row is the selection (unless SetFocusedSelected(false) took it
    // out) and selecting rows does nothing; in multi-select mode the row information keeps the selected rows.
    int32_t GetSelectedRowCount() const;
    virtual int32_t GetSelectedRowIndex(int32_t index) const;
    bool IsRowSelected(int32_t rowIndex) const;
    virtual void ChangeRowSelection(int32_t rowIndex, bool selected);
    // Selects the rows from one to the other, in either order.
    void SelectRowRange(int32_t fromRowIndex, int32_t toRowIndex);
    virtual void SelectAll();
    void ClearSelection();
    // The row a range selection starts from; "RowIndex out of range" for a bad row.
    virtual void SetSelectionAnchor(int32_t rowIndex);
    int32_t GetSelectionAnchorRowIndex() const;
    bool IsSelectionAnchorSet() const;
    virtual void ClearSelectionAnchor();
    // Selects from the anchor to the row; unless keep, only those. Nothing without an anchor.
    virtual void SelectFromAnchor(int32_t rowIndex, bool keep);
    // The focused row becomes the anchor and the selection.
    virtual void SyncSelectionWithFocus();
    // The focused row alone (multi-select mode).
    void SelectFocusedRow();
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool multiSelect);
    bool FocusedSelected() const { return FFocusedSelected; }
    // Single-select mode: whether the focused row counts as selected.
    void SetFocusedSelected(bool focusedSelected);
    virtual rtl::Variant GetSelectedRowIndexAsVariant(int32_t index) const;
    virtual bool CanSelectRow(int32_t) { return true; }
    virtual bool IsSingleSelect() const { return !FMultiSelect; }

    // The bookmark: a record to come back to, -1 none; lost when its record is filtered out or deleted.
    int32_t GetBookmarkRecordIndex() const { return FBookmarkRecordIndex; }
    // The focused record becomes the bookmark: false when it was already.
    virtual bool SaveBookmark();
    void SaveBookmarkAndNotify();
    virtual bool GotoBookmark();
    bool GotoBookmarkIfAvailable();
    virtual bool IsBookmarkAvailable() const;
    virtual bool IsBookmarkRow(int32_t rowIndex) const;
    virtual void ClearBookmark();
    // Clears the bookmark with a bookmark notice when one was set.
    void ResetBookmark();
    // Whether the bookmark goes with the record (being deleted) or is no longer among the filtered records.
    virtual bool IsBookmarkLost(int32_t recordIndex) const;
    virtual void CheckBookmarkValid(int32_t recordIndex);

    // Sorting: an item's order comes from its sorting entry, else from its grouping entry (ascending or the order it
    // is sorted in).
    TuiDataSortOrder GetItemSortOrder(int32_t itemIndex) const;
    // -1 when the item is not sorted.
    int32_t GetItemSortingIndex(int32_t itemIndex) const;
    int32_t GetSortingItemCount() const;
    int32_t GetSortingItemIndex(int32_t index) const;
    void ChangeSortOrder(int32_t itemIndex, TuiDataSortOrder order);
    // Moves the item's sorting entry; an item that is neither sorted nor grouped stays unsorted, and a grouped item
    // sorted ascending loses its sorting entry at index -1.
    void ChangeSortingIndex(int32_t itemIndex, int32_t index);
    // With keepGrouped the grouped items keep their sorting entries.
    void ClearSortingExceptGrouping(bool keepGrouped);
    // Rebuilds the rows when the item takes part in the order (or for item -1): whether it did.
    virtual bool ResortIfItemSorted(int32_t itemIndex);
    // The item whose group summary orders the groups, -1 when none. Setting another (-1: none) re-sorts the groups
    // and reports the sorting changed.
    int32_t SortingBySummaryItemIndex() const;
    void SetSortingBySummaryItemIndex(int32_t itemIndex);
    // The order of groups by summary changed: re-sorted at the next recalculation, reported as a sorting change.
    void NotifySortingBySummaryChange();
    bool IsSortingBySummaryChanged() const { return FSortingBySummaryChanged; }
    // Values of the item are compared as values (OnCompare, Variant order, the text options) rather than through
    // the storage.
    virtual void SetItemCompareByValues(int32_t itemIndex, bool compareByValues);
    virtual bool GetItemCompareByValues(int32_t itemIndex) const;

    // Comparison of two records on one field: through OnCompare, the text options or the Variant order when the field
    // compares values, else through the storage (nulls first, then the value type's order).
    virtual int CompareByField(int32_t recordIndexA, int32_t recordIndexB, const TuiCustomDataField& field);
    // The last tie-break: storage order in both directions.
    virtual int CompareRecordsByIndex(int32_t recordIndexA, int32_t recordIndexB);
    // CompareByField, negated for a descending entry.
    virtual int CompareBySortingField(int32_t recordIndexA, int32_t recordIndexB, bool forGrouping,
                                      const TuiSortingFieldEntry& entry);
    // The display text when the field sorts by it, else the value.
    virtual rtl::Variant GetValueForCompare(int32_t recordIndex, const TuiCustomDataField& field);
    virtual bool UsesValueCompare(const TuiCustomDataField& field) const;
    virtual bool IsItemTextCompared(int32_t itemIndex) const;
    // dcoAnsiSort or dcoCaseInsensitive and a text field.
    virtual bool IsFieldCompareAsText(const TuiCustomDataField& field) const;
    virtual bool IsFieldSortedByDisplayText(const TuiCustomDataField& field) const;
    // Whether the item sorts by its display text; false here whatever the default (a view answers per item).
    virtual bool ItemSortsByDisplayText(int32_t itemIndex, bool defaultValue) const;
    // Through the storage; 0 for a field without values.
    int CompareFieldValues(int32_t recordIndexA, int32_t recordIndexB, const TuiCustomDataField& field);
    // Set while a locate buffer record is found: display texts are not compared then.
    bool IsInInternalRecordFind() const { return FInInternalRecordFind; }
    void SetInInternalRecordFind(bool finding) { FInInternalRecordFind = finding; }

    // The incremental filter keeps the records whose display text of an item begins with a text, ignoring case.
    // Setting it answers the first record that passes, -1 when none.
    virtual int32_t SetIncrementalFilter(int32_t itemIndex, const rtl::AnsiString& text);
    virtual void ResetIncrementalFilter();
    virtual bool IsIncrementalFilterActive() const;
    virtual rtl::AnsiString GetIncrementalFilterText() const;
    virtual bool IncrementalFilterRecord(int32_t recordIndex);

    // The filter changed: the rows are filtered anew, and a focus it takes away goes to the first row.
    virtual void FilterChanged();
    virtual rtl::Variant GetFilterValue(int32_t recordIndex, const TuiCustomDataField& field);
    virtual rtl::AnsiString GetDisplayTextForFilter(int32_t recordIndex, int32_t itemIndex);
    virtual rtl::AnsiString GetDisplayTextForSearch(int32_t recordIndex, int32_t itemIndex);

    // Searches a provider that navigates itself; false here.
    virtual bool SearchInProvider(const rtl::AnsiString& text, bool forward, bool repeat);

    // Finds among the filtered records, from position start, the first whose display text of the item is the text
    // (or, with partial, begins with it), ignoring case; with wrap the search goes round. The record, -1 when none.
    virtual int32_t FindRowByText(int32_t start, int32_t itemIndex, const rtl::AnsiString& text, bool partial,
                                  bool wrap, bool forward);
    // The first filtered record equal to recordIndex on the first fieldCount sorting fields, by bisection when
    // sorted; -1 when none.
    int32_t FindRecordBySortingFields(int32_t recordIndex, int32_t fieldCount, bool sorted);
    // Hooks around the reading of a locate record; nothing here.
    virtual void BeforeLoad() {}
    virtual void AfterLoad() {}
    // Posts a pending edit before the rows are reordered.
    virtual void PostEditingIfActive();
    // Tells the view that the groups are about to be rebuilt.
    void SendGroupingChangingNotice();

    // Update locking, through the row information's lock; only the outermost end delivers.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    void LockInfoUpdate();
    void UnlockInfoUpdate();
    int32_t GetInfoLockCount() const;
    // False while the row information recalculates.
    bool IsRowInfoValid() const;

    // Change collection and delivery.
    void Change(TuiDataControllerChanges changes);
    // Delivers the pending changes unless the row information is locked.
    void CheckChanges();
    // Merges a data change into the pending one: a pending change only widens until it is delivered.
    virtual void RecordChanged(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex);
    // Fires OnRecordChanged, OnDataChanged and the data-changed listeners; while the owner loads, only remembers to.
    virtual void DoDataChanged();
    // Fires what waited while the owner was loading; the owning view calls it after loading.
    virtual void CheckDeferredChanges();
    // Hands a notice to the control-notification callback.
    virtual void NotifyControl(TuiUpdateControlInfo& info);
    // Called before pending changes are delivered; nothing here.
    virtual void BeforeNotifyChanges();
    // The summaries changed (redrawOnly: only their texts).
    virtual void SummaryChanged(bool redrawOnly);
    // While the owner loads, the summary's after-summary event waits for CheckDeferredChanges.
    void SetAfterSummaryDeferred(bool deferred) { FDeferredAfterSummary = deferred; }
    // Whether a notice is being handed to the view.
    bool IsInControlNotification() const { return FInControlNotification; }

    // State of the owner, and of the controller itself.
    bool IsDestroying() const;
    bool IsLoading() const;
    bool IsReading() const;
    virtual bool IsGridModeBuffering() const;
    // Whether the storage keeps record IDs.
    bool UseRecordIDs() const;

    const TuiControlNotificationEvent& ControlNotification() const { return FControlNotification; }
    void SetControlNotification(TuiControlNotificationEvent handler) { FControlNotification = std::move(handler); }
    // Listeners called after the data events; the controller keeps them until removed. A listener may remove
    // itself or another while being called: none is called twice and none after its removal.
    void AddDataChangedListener(void* userData, TuiDataChangedListenerProc proc);
    void RemoveDataChangedListener(void* userData);

    // Event firing; each does nothing while its handler is unassigned.
    virtual void DoAfterCancel();
    virtual void DoAfterDelete();
    virtual void DoAfterInsert();
    virtual void DoAfterPost();
    virtual void DoBeforeCancel();
    virtual void DoBeforeDelete(int32_t recordIndex);
    virtual void DoBeforeInsert();
    virtual void DoBeforePost();
    virtual void DoNewRecord(int32_t recordIndex);
    // Whether the record passes OnFilterRecord (true when unassigned).
    virtual bool DoFilterRecord(int32_t recordIndex);
    virtual bool HasFilterRecordHandler() const;
    // Whether OnDetailExpanding (or OnDetailCollapsing) allows it (true when unassigned).
    virtual bool DoDetailExpanding(int32_t recordIndex);
    virtual bool DoDetailCollapsing(int32_t recordIndex);
    virtual bool CanChangeDetailExpanding(int32_t recordIndex, bool expanding);
    virtual void DoDetailExpanded(int32_t recordIndex);
    virtual void DoDetailCollapsed(int32_t recordIndex);

    // Events.
    const TuiDataControllerNotifyEvent& OnAfterCancel() const { return FOnAfterCancel; }
    void SetOnAfterCancel(TuiDataControllerNotifyEvent handler) { FOnAfterCancel = std::move(handler); }
    const TuiDataControllerNotifyEvent& OnAfterDelete() const { return FOnAfterDelete; }
    void SetOnAfterDelete(TuiDataControllerNotifyEvent handler) { FOnAfterDelete = std::move(handler); }
    const TuiDataControllerNotifyEvent& OnAfterInsert() const { return FOnAfterInsert; }
    void SetOnAfterInsert(TuiDataControllerNotifyEvent handler) { FOnAfterInsert = std::move(handler); }
    const TuiDataControllerNotifyEvent& OnAfterPost() const { return FOnAfterPost; }
    void SetOnAfterPost(TuiDataControllerNotifyEvent handler) { FOnAfterPost = std::move(handler); }
    const TuiDataControllerNotifyEvent& OnBeforeCancel() const { return FOnBeforeCancel; }
    void SetOnBeforeCancel(TuiDataControllerNotifyEvent handler) { FOnBeforeCancel = std::move(handler); }
    const TuiDataControllerNotifyEvent& OnBeforeInsert() const { return FOnBeforeInsert; }
    void SetOnBeforeInsert(TuiDataControllerNotifyEvent handler) { FOnBeforeInsert = std::move(handler); }
    const TuiDataControllerNotifyEvent& OnBeforePost() const { return FOnBeforePost; }
    void SetOnBeforePost(TuiDataControllerNotifyEvent handler) { FOnBeforePost = std::move(handler); }
    const TuiDataDetailExpandedEvent& OnBeforeDelete() const { return FOnBeforeDelete; }
    void SetOnBeforeDelete(TuiDataDetailExpandedEvent handler) { FOnBeforeDelete = std::move(handler); }
    const TuiDataDetailExpandedEvent& OnNewRecord() const { return FOnNewRecord; }
    void SetOnNewRecord(TuiDataDetailExpandedEvent handler) { FOnNewRecord = std::move(handler); }
    const TuiDataFilterRecordEvent& OnFilterRecord() const { return FOnFilterRecord; }
    // A handler cannot be compared with the one before it: every assignment filters the rows anew.
    void SetOnFilterRecord(TuiDataFilterRecordEvent handler);
    const TuiDataControllerCompareEvent& OnCompare() const { return FOnCompare; }
    void SetOnCompare(TuiDataControllerCompareEvent handler) { FOnCompare = std::move(handler); }
    const rtl::TNotifyEvent& OnDataChanged() const { return FOnDataChanged; }
    void SetOnDataChanged(rtl::TNotifyEvent handler) { FOnDataChanged = std::move(handler); }
    const rtl::TNotifyEvent& OnGroupingChanged() const { return FOnGroupingChanged; }
    void SetOnGroupingChanged(rtl::TNotifyEvent handler) { FOnGroupingChanged = std::move(handler); }
    const rtl::TNotifyEvent& OnSortingChanged() const { return FOnSortingChanged; }
    void SetOnSortingChanged(rtl::TNotifyEvent handler) { FOnSortingChanged = std::move(handler); }
    const TuiDataDetailExpandingEvent& OnDetailCollapsing() const { return FOnDetailCollapsing; }
    void SetOnDetailCollapsing(TuiDataDetailExpandingEvent handler) { FOnDetailCollapsing = std::move(handler); }
    const TuiDataDetailExpandingEvent& OnDetailExpanding() const { return FOnDetailExpanding; }
    void SetOnDetailExpanding(TuiDataDetailExpandingEvent handler) { FOnDetailExpanding = std::move(handler); }
    const TuiDataDetailExpandedEvent& OnDetailCollapsed() const { return FOnDetailCollapsed; }
    void SetOnDetailCollapsed(TuiDataDetailExpandedEvent handler) { FOnDetailCollapsed = std::move(handler); }
    const TuiDataDetailExpandedEvent& OnDetailExpanded() const { return FOnDetailExpanded; }
    void SetOnDetailExpanded(TuiDataDetailExpandedEvent handler) { FOnDetailExpanded = std::move(handler); }
    const TuiDataRecordChangedEvent& OnRecordChanged() const { return FOnRecordChanged; }
    void SetOnRecordChanged(TuiDataRecordChangedEvent handler) { FOnRecordChanged = std::move(handler); }

private:
    friend class TuiCustomDataControllerInfo;
    friend class TuiDataControllerGroups;
    friend class TuiDataControllerSearch;
    friend class TuiDataListenerLink;
    friend class TuiCustomDataProvider;

    // The data change collected since the last delivery.
    struct TPendingDataChange {
        TuiDataChangeKind Kind = dckAllData;
        int32_t ItemIndex = uiNoIndex;
        int32_t RecordIndex = uiNoIndex;
        // False until a change arrives after the last delivery.
        bool Collected = false;
    };
    // The selected-row count and the single selected row (or -1) as a selection notice saw them.
    struct TSelectionChangeState {
        int32_t SelectedCount = 0;
        int32_t RowIndex = uiNoIndex;
    };
    struct TDataChangedListener {
        void* UserData;
        TuiDataChangedListenerProc Proc;
        bool Removed;
    };

    // The companions are made by const accessors: they belong to the controller, not to its state.
    TuiCustomDataController* MutableSelf() const { return const_cast<TuiCustomDataController*>(this); }
    // Provider mode: a data record's value or text goes to the source through store, after both indexes are
    // checked, and the change is reported; false (nothing done) otherwise.
    bool StoreInSource(int32_t recordIndex, int32_t itemIndex,
                       const std::function<void(const TuiCustomDataField&)>& store);
    // The definition through which a value of the item goes into the record, after both indexes are checked; nullptr
    // when the provider navigates itself or the item has no value type.
    const TuiValueDef* ValueDefToStore(int32_t recordIndex, int32_t itemIndex);
    // A field of the field class, marked internal or not, added to the field list.
    TuiCustomDataField& AddNewField(bool internal);
    void AddListenerLink(TuiDataListenerLink& link);
    void RemoveListenerLink(TuiDataListenerLink& link);
    void CallDataChangedListeners();
    bool HasDataChangedListeners() const;
    void DropRemovedListeners();

    // A record index that names a record: -1 names none.
    static bool IsRealRecordIndex(int32_t recordIndex) { return recordIndex != uiNoIndex; }
    // Sets the stream-stored flag of every definition (not for internal fields): their count.
    int32_t MarkStreamStoredValueDefs();
    void WriteStreamHeader(rtl::TStream& stream);
    void CheckStreamHeader(rtl::TStream& stream);
    // The stream's records replace the storage's: read after them, the old ones go only when all were read.
    void ReadStreamRecords(rtl::TStream& stream);
    // The full load: from the source, through the reader of a provider that is read record by record, or into the
    // window of a grid-mode provider.
    void LoadFromProvider();
    void LoadRecordsThroughReader();
    // A reader of the provider's reader class, reading the provider's current record.
    std::unique_ptr<TuiValueDefReader> CreateProviderReader();
    // Runs work between the storage's BeginLoad and EndLoad, ending the load also when work raises.
    void InsideStorageLoad(const std::function<void()>& work);
    // Selection, bookmark and edited record are checked against the records there are.
    void ValidateAgainstRecords();
    // Any data may have changed: the rows are recalculated, the structure is not checked.
    void ReportAllDataChanged();
    // The master forgets what it knew of this detail's records.
    void ResetMasterDetailAnswers();
    void CheckStructure();
    // Before each recalculation of the rows: the provider hears whether the rows are grouped, and a change of its
    // navigating itself sets the storage up anew.
    void SyncProviderGrouping();
    // Calls action for the detail controllers of the link objects of the records from fromRecordIndex on.
    void ForEachDetailController(int32_t fromRecordIndex, const std::function<void(TuiCustomDataController&)>& action);
    bool SetDetailExpanded(int32_t recordIndex, bool expand);
    void MergeDataChange(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex);
    // Runs work between BeginUpdate and EndUpdate, ending the update also when work raises.
    void InsideUpdate(const std::function<void()>& work);

    void DeliverChanges(TuiDataControllerChanges changes);
    void DeliverDataChange();
    void SendFocusNotices();
    void SendSelectionNotice();
    // A previous selection notice that named one row names the row where that record is now.
    void UpdatePrevSelectionChange();
    // The option-dependent comparison of two texts.
    int CompareTexts(const rtl::Variant& a, const rtl::Variant& b) const;
    void FireGroupingChanged();
    void FireSortingChanged();
    // Hands the notice to the view and frees it, also when the view raises.
    void SendNotice(std::unique_ptr<TuiUpdateControlInfo> info);

    rtl::TComponent* FOwner;
    bool FActive = false;
    int32_t FBookmarkRecordIndex = uiNoIndex;
    // Set by FilterChanged; the filtering that drops records turns it into the filter-changed flag.
    bool FCheckFocusingAfterFilter = false;
    bool FDeferredAfterSummary = false;
    bool FDeferredDataChanged = false;
    TuiDataControllerChanges FChanges;
    std::vector<std::unique_ptr<TDataChangedListener>> FDataChangedListeners;
    int32_t FDataChangedListenerCalls = 0;
    std::unique_ptr<TuiCustomDataControllerInfo> FInfo;
    std::unique_ptr<TuiDataStorage> FDataStorage;
    bool FDestroying = false;
    // Grouping or sorting was changed through the controller: reported as its event.
    bool FGroupingChanged = false;
    std::unique_ptr<TuiDataControllerGroups> FGroups;
    std::unique_ptr<TuiCustomDataFieldList> FFields;
    // Before the filter: a criteria leaves the extra filters when it is freed.
    std::unique_ptr<TuiDataFilterList> FExtraFilters;
    mutable std::unique_ptr<TuiDataFilterCriteria> FFilter; // made on first use
    // A filtering dropped records after FilterChanged: a lost focus goes to the first row.
    bool FFilterChanged = false;
    bool FFocusedSelected = true;
    TuiCustomDataField* FIncrementalFilterField = nullptr;
    rtl::AnsiString FIncrementalFilterText;
    bool FInCancel = false;
    bool FCreatingLinkObject = false;
    bool FDetailExpanding = false;
    TuiCustomDataRelation* FMasterRelation = nullptr; // not owned
    std::unique_ptr<TuiCustomDataRelationList> FRelations;
    bool FIsTemplate = false;
    bool FInControlNotification = false;
    bool FInSmartLoad = false;
    bool FInInternalRecordFind = false;
    bool FInSortingChanged = false;
    std::vector<TuiDataListenerLink*> FListenerLinks; // not owned: each link removes itself
    int32_t FMasterRecordIndex = uiNoIndex;
    bool FMultiSelect = false;
    bool FNewItemRowFocused = false;
    TuiCustomDataField* FRecordHandlesField = nullptr; // in the field list; provider mode only
    std::unique_ptr<TuiSaveObject> FSaveObject;
    int32_t FSaveStateLockCount = 0;
    bool FUseNewItemRowForEditing = false;
    int32_t FNearestRecordIndex = uiNoIndex;
    int32_t FNewItemRecordIndex = 0;
    std::unique_ptr<TuiDataControllerNotifier, rtl::TComponentDeleter> FNotifier;
    TuiDataControllerOptions FOptions = uiDefaultDataControllerOptions;
    TSelectionChangeState FPrevSelectionChange;
    TSelectionChangeState FSelectionChange;
    mutable std::unique_ptr<TuiCustomDataProvider> FProvider; // made on first use
    mutable std::unique_ptr<TuiDataControllerSearch> FSearch; // made on first use
    // The incremental search's state, kept by its search object.
    TuiCustomDataField* FSearchField = nullptr; // not owned
    bool FSearching = false;
    rtl::AnsiString FSearchText;
    bool FSortingBySummaryChanged = false;
    TuiCustomDataField* FSortingBySummaryField = nullptr; // not owned
    bool FSortingChanged = false;
    // A structure check waits for the end of the update lock.
    bool FStructureChanged = false;
    // The source changed; cleared by the next structure update.
    bool FStructureRecreated = false;
    // The structure check is running.
    bool FUpdatingItems = false;
    int32_t FUpdateFieldsLockCount = 0;
    bool FUpdateFieldsPending = false;
    // The provider's IsGridMode answer when the storage was last set up for it.
    bool FProviderNavigates = false;
    mutable std::unique_ptr<TuiDataSummary> FSummary; // made on first use

    TuiDataControllerNotifyEvent FOnAfterCancel;
    TuiDataControllerNotifyEvent FOnAfterDelete;
    TuiDataControllerNotifyEvent FOnAfterInsert;
    TuiDataControllerNotifyEvent FOnAfterPost;
    TuiDataControllerNotifyEvent FOnBeforeCancel;
    TuiDataControllerNotifyEvent FOnBeforeInsert;
    TuiDataControllerNotifyEvent FOnBeforePost;
    TuiDataDetailExpandedEvent FOnBeforeDelete;
    TuiDataDetailExpandedEvent FOnNewRecord;
    TuiDataFilterRecordEvent FOnFilterRecord;
    TuiDataControllerCompareEvent FOnCompare;
    rtl::TNotifyEvent FOnDataChanged;
    rtl::TNotifyEvent FOnGroupingChanged;
    rtl::TNotifyEvent FOnSortingChanged;
    TuiDataDetailExpandingEvent FOnDetailCollapsing;
    TuiDataDetailExpandingEvent FOnDetailExpanding;
    TuiDataDetailExpandedEvent FOnDetailCollapsed;
    TuiDataDetailExpandedEvent FOnDetailExpanded;
    TuiDataRecordChangedEvent FOnRecordChanged;
    TuiControlNotificationEvent FControlNotification;

    TPendingDataChange FPendingDataChange;
};

} // namespace ui
