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
// The constructor builds the companions from the classes its class factories name. C++ reaches only this class's
// factories while the base is being built, so a descendant's override of one of them does not take effect there.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "rtl/core/Interfaces.h"
#include "rtl/core/Persistent.h"
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
class TuiDataControllerGroups;
class TuiDataControllerNotifier;
class TuiDataControllerSearch;
class TuiDataFilterCriteria;
class TuiDataFilterList;
class TuiDataListenerLink;
class TuiDataStorage;
class TuiDataSummary;
class TuiUpdateControlInfo;
class TuiValueDef;

// The view's receiver of notices; the notice is freed when it returns.
using TuiControlNotificationEvent = std::function<void(TuiUpdateControlInfo& info)>;
// A data-changed listener: called with its user data after the data events.
using TuiDataChangedListenerProc = std::function<void(void* userData, TuiCustomDataController& dataController)>;

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

    // The companions.
    TuiDataStorage& DataStorage() const { return *FDataStorage; }
    TuiCustomDataFieldList& Fields() const { return *FFields; }
    TuiCustomDataControllerInfo& DataControllerInfo() const { return *FInfo; }
    TuiCustomDataProvider& Provider() const { return *FProvider; }
    TuiDataControllerGroups& Groups() const { return *FGroups; }
    TuiDataControllerSearch& Search() const { return *FSearch; }
    TuiDataControllerNotifier& Notifier() const { return *FNotifier; }
    TuiDataFilterList& ExtraFilters() const { return *FExtraFilters; }
    TuiDataFilterCriteria& Filter() const { return *FFilter; }
    // Copies criteria into the own filter.
    void SetFilter(const TuiDataFilterCriteria& criteria);
    TuiDataSummary& Summary() const { return *FSummary; }
    // Copies summary into the own summary.
    void SetSummary(const TuiDataSummary& summary);

    bool Active() const { return FActive; }
    virtual void SetActive(bool active);
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
    virtual rtl::TObject* FindItemByID(int32_t id) const;
    // Case-insensitive.
    virtual rtl::TObject* FindItemByName(rtl::UnicodeStringView name) const;
    // The item whose ID is that of link.
    virtual rtl::TObject* GetItemByItemLink(rtl::TObject* link) const;
    // -1 here.
    virtual int32_t GetItemID(rtl::TObject* item) const;
    // The Name of a component, empty for other objects.
    virtual rtl::UnicodeString GetItemName(rtl::TObject* item) const;
    virtual TuiCustomDataField& CreateField();
    virtual TuiCustomDataField& CreateInternalField();
    // Lets ValidateField free the fields whose items are gone, until a pass frees none.
    virtual void RemoveDestroyedFields();
    // A descendant frees the field when its item no longer exists; nothing here.
    virtual void ValidateField(TuiCustomDataField& field);
    // A field has left the field list: what refers to it lets go. Nothing here.
    virtual void DoFieldRemoved(TuiCustomDataField& field);
    // A component a field may refer to is being freed: every field hears of it.
    virtual void ComponentRemoved(rtl::TComponent* component);
    // Whether the definition belongs to an internal field.
    bool IsInternalFieldValueDef(const TuiValueDef& valueDef) const;
    // A descendant tells its view; nothing here.
    virtual void ItemValueTypeClassChanged(int32_t itemIndex);

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
    void SetOnFilterRecord(TuiDataFilterRecordEvent handler) { FOnFilterRecord = std::move(handler); }
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
    friend class TuiDataListenerLink;

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
    void MergeDataChange(TuiDataChangeKind kind, int32_t itemIndex, int32_t recordIndex);
    // What a structure update comes to without an external record source: the rows anew.
    void UpdateStructure();
    // Runs work between BeginUpdate and EndUpdate, ending the update also when work raises.
    void InsideUpdate(const std::function<void()>& work);

    void DeliverChanges(TuiDataControllerChanges changes);
    void DeliverDataChange();
    void SendSelectionNotice();
    void FireGroupingChanged();
    void FireSortingChanged();
    // Hands the notice to the view and frees it, also when the view raises.
    void SendNotice(std::unique_ptr<TuiUpdateControlInfo> info);

    rtl::TComponent* FOwner;
    bool FActive = false;
    bool FDeferredAfterSummary = false;
    bool FDeferredDataChanged = false;
    TuiDataControllerChanges FChanges;
    std::vector<std::unique_ptr<TDataChangedListener>> FDataChangedListeners;
    int32_t FDataChangedListenerCalls = 0;
    std::unique_ptr<TuiCustomDataControllerInfo> FInfo;
    std::unique_ptr<TuiDataStorage> FDataStorage;
    bool FDestroying = false;
    std::unique_ptr<TuiDataControllerGroups> FGroups;
    std::unique_ptr<TuiCustomDataFieldList> FFields;
    // Before the filter: a criteria leaves the extra filters when it is freed.
    std::unique_ptr<TuiDataFilterList> FExtraFilters;
    std::unique_ptr<TuiDataFilterCriteria> FFilter;
    bool FInControlNotification = false;
    bool FInSortingChanged = false;
    std::vector<TuiDataListenerLink*> FListenerLinks; // not owned: each link removes itself
    int32_t FNewItemRecordIndex = 0;
    std::unique_ptr<TuiDataControllerNotifier, rtl::TComponentDeleter> FNotifier;
    TuiDataControllerOptions FOptions = uiDefaultDataControllerOptions;
    TSelectionChangeState FPrevSelectionChange;
    TSelectionChangeState FSelectionChange;
    std::unique_ptr<TuiCustomDataProvider> FProvider;
    std::unique_ptr<TuiDataControllerSearch> FSearch;
    std::unique_ptr<TuiDataSummary> FSummary;

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
