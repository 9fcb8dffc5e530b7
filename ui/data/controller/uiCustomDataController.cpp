#include "ui/data/controller/uiCustomDataController.h"

#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/details/uiDataRelations.h"
#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/links/uiDataControllerNotifier.h"
#include "ui/data/controller/links/uiDataListenerLink.h"
#include "ui/data/controller/provider/uiDataKeys.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiDataStorage.h"

#include <algorithm>

namespace ui {

TuiCustomDataController::TuiCustomDataController(rtl::TComponent* owner)
    : FOwner(owner), FDataStorage(std::make_unique<TuiDataStorage>()),
      FGroups(std::make_unique<TuiDataControllerGroups>(*this)),
      FFields(std::make_unique<TuiCustomDataFieldList>(*this)), FExtraFilters(std::make_unique<TuiDataFilterList>()) {
    FInfo = std::make_unique<TuiCustomDataControllerInfo>(*this);
    FNotifier.reset(new TuiDataControllerNotifier(nullptr, *this));
    FDataStorage->SetOnInternalRecordsCleared([this](TuiDataStorage&) { ResetNewItemRecord(); });
    FDataStorage->ChangeUseRecordIds(UseRecordIDs());
}

TuiCustomDataController::~TuiCustomDataController() {
    FDestroying = true;
    FNotifier.reset();
    FRelations.reset();
    if (FMasterRelation && FMasterRelation->DetailDataController() == this) {
        FMasterRelation->SetDetailDataController(nullptr);
    }
    FInfo.reset();
    FSummary.reset();
    FFilter.reset();
    FExtraFilters->Clear();
    FExtraFilters.reset();
    FDataStorage->Clear(false);
    FGroups.reset();
    FFields->Clear();
    FFields.reset();
    FDataStorage.reset();
    FProvider.reset();
    FSearch.reset();
    FDataChangedListeners.clear();
    for (TuiDataListenerLink* link : FListenerLinks) {
        link->FDataController = nullptr;
    }
}

rtl::TPersistent* TuiCustomDataController::GetOwner() const {
    return FOwner;
}

void TuiCustomDataController::Assign(const rtl::TPersistent* source) {
    const auto* controller = dynamic_cast<const TuiCustomDataController*>(source);
    if (!controller) {
        TPersistent::Assign(source);
        return;
    }
    SetOptions(controller->Options());
    SetFilter(controller->Filter());
    SetSummary(controller->Summary());
    FOnAfterCancel = controller->FOnAfterCancel;
    FOnAfterDelete = controller->FOnAfterDelete;
    FOnAfterInsert = controller->FOnAfterInsert;
    FOnAfterPost = controller->FOnAfterPost;
    FOnBeforeCancel = controller->FOnBeforeCancel;
    FOnBeforeInsert = controller->FOnBeforeInsert;
    FOnBeforePost = controller->FOnBeforePost;
    FOnBeforeDelete = controller->FOnBeforeDelete;
    FOnNewRecord = controller->FOnNewRecord;
    SetOnFilterRecord(controller->FOnFilterRecord);
    FOnCompare = controller->FOnCompare;
    FOnDataChanged = controller->FOnDataChanged;
    FOnGroupingChanged = controller->FOnGroupingChanged;
    FOnSortingChanged = controller->FOnSortingChanged;
    FOnDetailCollapsing = controller->FOnDetailCollapsing;
    FOnDetailExpanding = controller->FOnDetailExpanding;
    FOnDetailCollapsed = controller->FOnDetailCollapsed;
    FOnDetailExpanded = controller->FOnDetailExpanded;
    FOnRecordChanged = controller->FOnRecordChanged;
}

const rtl::TMetaclass& TuiCustomDataController::GetDataProviderClass() const {
    return TuiCustomDataProvider::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetDataSelectionClass() const {
    return TuiDataSelection::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetFieldClass() const {
    return TuiCustomDataField::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetFilterCriteriaClass() const {
    return TuiDataFilterCriteria::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetSearchClass() const {
    return TuiDataControllerSearch::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetSummaryClass() const {
    return TuiDataSummary::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetSummaryItemClass() const {
    return TuiDataSummaryItem::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetSummaryGroupItemLinkClass() const {
    return TuiDataSummaryGroupItemLink::StaticClass();
}

const rtl::TMetaclass& TuiCustomDataController::GetRelationClass() const {
    return TuiCustomDataRelation::StaticClass();
}

const rtl::TMetaclass* TuiCustomDataController::GetSortingBySummaryEngineClass() const {
    return nullptr;
}

TuiCustomDataProvider& TuiCustomDataController::Provider() const {
    if (!FProvider) {
        FProvider = CreateCompanion<TuiCustomDataProvider>(GetDataProviderClass(), MutableSelf());
    }
    return *FProvider;
}

TuiDataControllerSearch& TuiCustomDataController::Search() const {
    if (!FSearch) {
        FSearch = CreateCompanion<TuiDataControllerSearch>(GetSearchClass(), MutableSelf());
    }
    return *FSearch;
}

TuiDataFilterCriteria& TuiCustomDataController::Filter() const {
    if (!FFilter) {
        FFilter = CreateCompanion<TuiDataFilterCriteria>(GetFilterCriteriaClass(), MutableSelf());
    }
    return *FFilter;
}

TuiDataSummary& TuiCustomDataController::Summary() const {
    if (!FSummary) {
        FSummary = CreateCompanion<TuiDataSummary>(GetSummaryClass(), MutableSelf());
    }
    return *FSummary;
}

void TuiCustomDataController::SetFilter(const TuiDataFilterCriteria& criteria) {
    Filter().Assign(&criteria);
}

void TuiCustomDataController::SetSummary(const TuiDataSummary& summary) {
    Summary().Assign(&summary);
}

void TuiCustomDataController::SetOptions(TuiDataControllerOptions options) {
    if (options == FOptions) {
        return;
    }
    FOptions = options;
    RebuildRows();
}

int32_t TuiCustomDataController::GetRecordCount() const {
    return FDataStorage->GetRecordCount();
}

void TuiCustomDataController::SetRecordCount(int32_t count) {
    if (IsProviderNavigation()) {
        return;
    }
    count = std::max(count, 0);
    const int32_t previousCount = GetRecordCount();
    if (count == previousCount) {
        return;
    }
    // The source reports the records it makes or drops.
    if (IsProviderMode()) {
        Provider().SetRecordCount(count);
        return;
    }
    FDataStorage->SetRecordCount(count);
    ValidateAgainstRecords();
    RecordChanged(count > previousCount ? dckRecordsAdded : dckRecordsRemoved, uiNoIndex, uiNoIndex);
}

rtl::Variant TuiCustomDataController::GetValue(int32_t recordIndex, int32_t itemIndex) {
    CheckRecordIndex(recordIndex);
    return GetFieldValue(recordIndex, GetItemField(itemIndex));
}

void TuiCustomDataController::SetValue(int32_t recordIndex, int32_t itemIndex, const rtl::Variant& value) {
    if (StoreInSource(recordIndex, itemIndex,
                      [&](const TuiCustomDataField& field) { Provider().SetValue(recordIndex, field, value); })) {
        return;
    }
    if (const TuiValueDef* valueDef = ValueDefToStore(recordIndex, itemIndex)) {
        FDataStorage->SetValue(recordIndex, *valueDef, value);
        RecordChanged(dckItem, itemIndex, recordIndex);
    }
}

rtl::AnsiString TuiCustomDataController::GetDisplayText(int32_t recordIndex, int32_t itemIndex) {
    CheckRecordIndex(recordIndex);
    return GetFieldDisplayText(recordIndex, GetItemField(itemIndex));
}

void TuiCustomDataController::SetDisplayText(int32_t recordIndex, int32_t itemIndex, const rtl::AnsiString& text) {
    if (StoreInSource(recordIndex, itemIndex,
                      [&](const TuiCustomDataField& field) { Provider().SetDisplayText(recordIndex, field, text); })) {
        return;
    }
    if (const TuiValueDef* valueDef = ValueDefToStore(recordIndex, itemIndex)) {
        FDataStorage->SetDisplayText(recordIndex, *valueDef, text);
        RecordChanged(dckItem, itemIndex, recordIndex);
    }
}

bool TuiCustomDataController::StoreInSource(int32_t recordIndex, int32_t itemIndex,
                                            const std::function<void(const TuiCustomDataField&)>& store) {
    if (recordIndex < 0 || !IsProviderMode() || IsProviderNavigation()) {
        return false;
    }
    CheckRecordIndex(recordIndex);
    store(GetItemField(itemIndex));
    RecordChanged(dckItem, itemIndex, recordIndex);
    return true;
}

const TuiValueDef* TuiCustomDataController::ValueDefToStore(int32_t recordIndex, int32_t itemIndex) {
    if (IsProviderNavigation()) {
        return nullptr;
    }
    CheckRecordIndex(recordIndex);
    return GetItemField(itemIndex).EffectiveValueDef();
}

rtl::Variant TuiCustomDataController::GetRecordId(int32_t recordIndex) {
    if (recordIndex < 0 || recordIndex >= GetRecordCount()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataRecordIndexError);
    }
    if (IsProviderMode()) {
        return Provider().IsRecordIdSupported() ? Provider().GetRecordId(recordIndex) : rtl::Variant::Null();
    }
    if (!UseRecordIDs()) {
        return rtl::Variant::Null();
    }
    return rtl::Variant(FDataStorage->GetRecordID(recordIndex));
}

rtl::Variant TuiCustomDataController::GetFieldValue(int32_t recordIndex, const TuiCustomDataField& field) {
    if (recordIndex >= 0 && IsProviderMode() && IsProviderField(field)) {
        return Provider().GetValue(recordIndex, field);
    }
    if (IsProviderField(field) && IsProviderNavigation()) {
        return Provider().GetBufferValue(field);
    }
    const TuiValueDef* valueDef = field.EffectiveValueDef();
    return valueDef ? FDataStorage->GetValue(recordIndex, *valueDef) : rtl::Variant::Null();
}

rtl::AnsiString TuiCustomDataController::GetFieldDisplayText(int32_t recordIndex, const TuiCustomDataField& field) {
    if (recordIndex >= 0 && IsProviderMode() && IsProviderField(field)) {
        return Provider().GetDisplayText(recordIndex, field);
    }
    if (IsProviderField(field) && IsProviderNavigation()) {
        return Provider().GetBufferDisplayText(field);
    }
    const TuiValueDef* valueDef = field.EffectiveValueDef();
    return valueDef ? FDataStorage->GetDisplayText(recordIndex, *valueDef) : rtl::AnsiString();
}

rtl::Variant TuiCustomDataController::GetValueForField(int32_t recordIndex, const TuiCustomDataField& field) {
    return GetFieldValue(recordIndex, field);
}

bool TuiCustomDataController::IsProviderField(const TuiCustomDataField& field) const {
    if (!field.IsInternalField()) {
        return true;
    }
    const TuiCustomDataField* reference = field.ReferenceField();
    return reference && !reference->IsInternalField();
}

bool TuiCustomDataController::IsProviderNavigation() const {
    return FProvider && FProvider->IsGridMode();
}

void TuiCustomDataController::Refresh() {
    RebuildRows();
}

void TuiCustomDataController::RebuildRows() {
    InsideUpdate([this] { FInfo->DataChanged(); });
}

void TuiCustomDataController::CheckRecordIndex(int32_t recordIndex) {
    const int32_t newItemRecordIndex = GetNewItemRecordIndex();
    if ((recordIndex >= 0 && recordIndex < GetRecordCount()) || recordIndex == newItemRecordIndex ||
        (recordIndex < 0 && recordIndex == Provider().SavedRecordIndex())) {
        return;
    }
    EuiInvalidDataControllerOperation::Raise(uiSDataRecordIndexError);
}

void TuiCustomDataController::CheckItemIndex(int32_t itemIndex) const {
    if (itemIndex < 0 || itemIndex >= GetItemCount()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataItemIndexError);
    }
}

TuiCustomDataField& TuiCustomDataController::GetItemField(int32_t itemIndex) const {
    CheckItemIndex(itemIndex);
    return FFields->GetItem(itemIndex);
}

int32_t TuiCustomDataController::GetNewItemRecordIndex() {
    if (FNewItemRecordIndex == 0) {
        FNewItemRecordIndex = FDataStorage->AppendInternalRecord();
    }
    return FNewItemRecordIndex;
}

void TuiCustomDataController::ResetNewItemRecord() {
    FNewItemRecordIndex = 0;
    // The storage is bound before the provider is made.
    if (FProvider) {
        FProvider->ForgetSavedRecord();
    }
}

bool TuiCustomDataController::IsDestroying() const {
    return FDestroying || (FOwner && FOwner->ComponentState().Contains(rtl::TComponentState::csDestroying));
}

bool TuiCustomDataController::IsLoading() const {
    return FOwner && FOwner->ComponentState().Contains(rtl::TComponentState::csLoading);
}

bool TuiCustomDataController::IsReading() const {
    return FOwner && FOwner->ComponentState().Contains(rtl::TComponentState::csReading);
}

bool TuiCustomDataController::IsGridModeBuffering() const {
    return false;
}

bool TuiCustomDataController::UseRecordIDs() const {
    return IsDataLoadAllowed() && IsGridModeBuffering();
}

std::unique_ptr<TuiDataFilterCriteria> TuiCustomDataController::AddFilterCriteria() {
    return CreateCompanion<TuiDataFilterCriteria>(GetFilterCriteriaClass(), this);
}

void TuiCustomDataController::AddDataChangedListener(void* userData, TuiDataChangedListenerProc proc) {
    FDataChangedListeners.push_back(
        std::make_unique<TDataChangedListener>(TDataChangedListener{userData, std::move(proc), false}));
}

void TuiCustomDataController::RemoveDataChangedListener(void* userData) {
    for (const std::unique_ptr<TDataChangedListener>& listener : FDataChangedListeners) {
        if (listener->UserData == userData) {
            listener->Removed = true;
        }
    }
    if (FDataChangedListenerCalls == 0) {
        DropRemovedListeners();
    }
}

void TuiCustomDataController::CallDataChangedListeners() {
    // Entries stay in place while listeners run, so removing one marks it; listeners added meanwhile wait for the
    // next change.
    ++FDataChangedListenerCalls;
    const size_t count = FDataChangedListeners.size();
    try {
        for (size_t i = 0; i < count; ++i) {
            TDataChangedListener& listener = *FDataChangedListeners[i];
            if (!listener.Removed) {
                listener.Proc(listener.UserData, *this);
            }
        }
    } catch (...) {
        if (--FDataChangedListenerCalls == 0) {
            DropRemovedListeners();
        }
        throw;
    }
    if (--FDataChangedListenerCalls == 0) {
        DropRemovedListeners();
    }
}

bool TuiCustomDataController::HasDataChangedListeners() const {
    return std::any_of(FDataChangedListeners.begin(), FDataChangedListeners.end(),
                       [](const std::unique_ptr<TDataChangedListener>& listener) { return !listener->Removed; });
}

void TuiCustomDataController::DropRemovedListeners() {
    std::erase_if(FDataChangedListeners,
                  [](const std::unique_ptr<TDataChangedListener>& listener) { return listener->Removed; });
}

void TuiCustomDataController::AddListenerLink(TuiDataListenerLink& link) {
    FListenerLinks.push_back(&link);
}

void TuiCustomDataController::RemoveListenerLink(TuiDataListenerLink& link) {
    std::erase(FListenerLinks, &link);
}

void TuiCustomDataController::DoAfterCancel() {
    if (FOnAfterCancel) {
        FOnAfterCancel(*this);
    }
}

void TuiCustomDataController::DoAfterDelete() {
    if (FOnAfterDelete) {
        FOnAfterDelete(*this);
    }
}

void TuiCustomDataController::DoAfterInsert() {
    if (FOnAfterInsert) {
        FOnAfterInsert(*this);
    }
}

void TuiCustomDataController::DoAfterPost() {
    if (FOnAfterPost) {
        FOnAfterPost(*this);
    }
}

void TuiCustomDataController::DoBeforeCancel() {
    if (FOnBeforeCancel) {
        FOnBeforeCancel(*this);
    }
}

void TuiCustomDataController::DoBeforeDelete(int32_t recordIndex) {
    if (FOnBeforeDelete) {
        FOnBeforeDelete(*this, recordIndex);
    }
}

void TuiCustomDataController::DoBeforeInsert() {
    if (FOnBeforeInsert) {
        FOnBeforeInsert(*this);
    }
}

void TuiCustomDataController::DoBeforePost() {
    if (FOnBeforePost) {
        FOnBeforePost(*this);
    }
}

void TuiCustomDataController::DoNewRecord(int32_t recordIndex) {
    if (FOnNewRecord) {
        FOnNewRecord(*this, recordIndex);
    }
}

bool TuiCustomDataController::DoFilterRecord(int32_t recordIndex) {
    bool accept = true;
    if (FOnFilterRecord) {
        FOnFilterRecord(*this, recordIndex, accept);
    }
    return accept;
}

void TuiCustomDataController::SetOnFilterRecord(TuiDataFilterRecordEvent handler) {
    FOnFilterRecord = std::move(handler);
    if (!IsDestroying() && !IsLoading()) {
        FilterChanged();
    }
}

bool TuiCustomDataController::HasFilterRecordHandler() const {
    return static_cast<bool>(FOnFilterRecord);
}

bool TuiCustomDataController::DoDetailExpanding(int32_t recordIndex) {
    bool allow = true;
    if (FOnDetailExpanding) {
        FOnDetailExpanding(*this, recordIndex, allow);
    }
    return allow;
}

bool TuiCustomDataController::DoDetailCollapsing(int32_t recordIndex) {
    bool allow = true;
    if (FOnDetailCollapsing) {
        FOnDetailCollapsing(*this, recordIndex, allow);
    }
    return allow;
}

bool TuiCustomDataController::CanChangeDetailExpanding(int32_t recordIndex, bool expanding) {
    return expanding ? DoDetailExpanding(recordIndex) : DoDetailCollapsing(recordIndex);
}

void TuiCustomDataController::DoDetailExpanded(int32_t recordIndex) {
    if (FOnDetailExpanded) {
        FOnDetailExpanded(*this, recordIndex);
    }
}

void TuiCustomDataController::DoDetailCollapsed(int32_t recordIndex) {
    if (FOnDetailCollapsed) {
        FOnDetailCollapsed(*this, recordIndex);
    }
}

} // namespace ui
