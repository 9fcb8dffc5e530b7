#include "ui/grid/customtable/items/uiCustomGridTableItem.h"

#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridDateRanges.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/customtable/uiGridEventSetter.h"

#include <algorithm>

namespace ui {

namespace {

// Restores the cursor however the sorting or grouping work ends.
class TGridItemHourglass {
public:
    TGridItemHourglass() { PushHourglassCursor(); }
    ~TGridItemHourglass() { PopHourglassCursor(); }
    TGridItemHourglass(const TGridItemHourglass&) = delete;
    TGridItemHourglass& operator=(const TGridItemHourglass&) = delete;
};

} // namespace

int32_t StoredEnumValue(const rtl::Variant& value, int32_t count, rtl::UnicodeStringView name) {
    const int32_t number = rtl::VarToInteger(value);
    if (number < 0 || number >= count) {
        throw rtl::EConvertError(u"Invalid stored value of \"" + rtl::UnicodeString(name) + u"\"");
    }
    return number;
}

TuiCustomGridTableItem::TuiCustomGridTableItem(rtl::TComponent* owner)
    : TuiComponent(owner), FGroupingDateRanges(std::make_unique<TuiGridGroupingDateRanges>()),
      FFilteringDateRanges(std::make_unique<TuiGridFilteringDateRanges>()) {
    FDataBinding = std::make_unique<TuiGridItemDataBinding>(*this);
    FDataBinding->Init();
}

TuiCustomGridTableItem::~TuiCustomGridTableItem() {
    Destroying();
    SetRepositoryItem(nullptr);
    if (FGridView) {
        FGridView->RemoveItem(this);
    }
    ReleaseDefaultRepositoryItem();
}

void TuiCustomGridTableItem::SetDataBinding(const TuiGridItemDataBinding& value) {
    FDataBinding->Assign(&value);
}

void TuiCustomGridTableItem::ValueTypeClassChanged() {
    FDataBinding->Init();
    FDataBinding->FilterMRUValueItems().Clear();
    UpdatePropertiesValue();
    PropertiesChanged();
}

void TuiCustomGridTableItem::SetPropertiesClass(const rtl::TMetaclass* value) {
    if (value && !value->InheritsFrom(TuiCustomEditProperties::StaticClass())) {
        value = nullptr;
    }
    if (FPropertiesClass == value) {
        return;
    }
    FPropertiesClass = value;
    FProperties.reset(value ? static_cast<TuiCustomEditProperties*>(value->CreateInstance(this)) : nullptr);
    if (FProperties) {
        FProperties->SetOnPropertiesChanged([this](rtl::TObject*) { OwnPropertiesChanged(); });
    }
    UpdatePropertiesValue();
    PropertiesChanged();
}

rtl::UnicodeString TuiCustomGridTableItem::PropertiesClassName() const {
    return FProperties ? rtl::UnicodeString(FProperties->ClassName()) : rtl::UnicodeString();
}

void TuiCustomGridTableItem::SetPropertiesClassName(rtl::UnicodeStringView value) {
    SetPropertiesClass(GetEditPropertiesRegistry().FindClassByName(value));
}

void TuiCustomGridTableItem::SetProperties(const TuiCustomEditProperties* value) {
    if (FProperties && value) {
        FProperties->Assign(value);
    }
}

void TuiCustomGridTableItem::SetRepositoryItem(TuiEditRepositoryItem* value) {
    if (FRepositoryItem == value) {
        return;
    }
    if (FRepositoryItem) {
        FRepositoryItem->RemoveListener(this);
    }
    FRepositoryItem = value;
    if (FRepositoryItem) {
        FRepositoryItem->AddListener(this);
    }
    UpdatePropertiesValue();
    PropertiesChanged();
}

TuiCustomEditProperties* TuiCustomGridTableItem::GetProperties() const {
    return InitProperties(FPropertiesValue);
}

TuiCustomEditProperties* TuiCustomGridTableItem::GetPropertiesForRecord(TuiCustomGridRecord* record) {
    TuiCustomEditProperties* properties = GetProperties();
    if (FOnGetProperties) {
        FOnGetProperties(*this, record, properties);
        properties = InitProperties(properties);
    }
    return properties;
}

TuiCustomEditProperties* TuiCustomGridTableItem::GetPropertiesForRecordIndex(int32_t recordIndex) {
    if (FOnGetProperties && FGridView) {
        if (TuiCustomGridRecord* record = FGridView->ViewData().GetRecordByRecordIndex(recordIndex)) {
            return GetPropertiesForRecord(record);
        }
    }
    return GetProperties();
}

void TuiCustomGridTableItem::SetOnGetProperties(TuiGridGetPropertiesEvent handler) {
    SetGridEventHandler(FOnGetProperties, std::move(handler), [this] { Changed(1); });
}

// Handing the provider over changes no cell: it goes without a notice, so that a layout asking for the properties is
// not started again from inside itself.
TuiCustomEditProperties* TuiCustomGridTableItem::InitProperties(TuiCustomEditProperties* properties) const {
    IuiEditDefaultValuesProvider* provider = FDataBinding->DefaultValuesProvider();
    if (properties && properties->DefaultValuesProvider() != provider) {
        properties->BeginUpdate();
        properties->AssignDefaultValuesProvider(provider);
        properties->EndUpdate(false);
    }
    return properties;
}

void TuiCustomGridTableItem::ReleaseDefaultRepositoryItem() {
    if (FDefaultRepositoryItem) {
        FDefaultRepositoryItem->RemoveListener(this);
        FDefaultRepositoryItem = nullptr;
    }
}

void TuiCustomGridTableItem::UpdatePropertiesValue() {
    ReleaseDefaultRepositoryItem();
    FPropertiesValue = nullptr;
    if (!FGridView) {
        return;
    }
    if (FRepositoryItem) {
        FPropertiesValue = &FRepositoryItem->Properties();
    } else if (FProperties) {
        FPropertiesValue = FProperties.get();
    } else if (!IsDestroying()) {
        FDefaultRepositoryItem = FDataBinding->GetDefaultRepositoryItem();
        if (FDefaultRepositoryItem) {
            FDefaultRepositoryItem->AddListener(this);
            FPropertiesValue = &FDefaultRepositoryItem->Properties();
        }
    }
    if (FPropertiesValue && !IsDestroying()) {
        FGridView->DataController().RebuildRows();
    }
}

void TuiCustomGridTableItem::PropertiesChanged() {
    if (!FGridView || IsDestroying() || FGridView->ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    if (CanApplyToDataController() && SortOrder() != soNone) {
        FGridView->DataController().RebuildRows();
    } else {
        Changed(2);
    }
}

void TuiCustomGridTableItem::OwnPropertiesChanged() {
    if (!FGridView || !FGridView->ComponentState().Contains(rtl::TComponentState::csLoading)) {
        PropertiesChanged();
    }
}

void TuiCustomGridTableItem::ItemRemoved(TuiEditRepositoryItem* item) {
    if (item == FRepositoryItem) {
        SetRepositoryItem(nullptr);
    } else if (item == FDefaultRepositoryItem) {
        // The registry still lists the dying item: the item shows no editor until its value type is set again.
        ReleaseDefaultRepositoryItem();
        FPropertiesValue = nullptr;
        PropertiesChanged();
    }
}

void TuiCustomGridTableItem::ItemPropertiesChanged(TuiEditRepositoryItem*) {
    OwnPropertiesChanged();
}

TuiCustomGridTableItemOptions& TuiCustomGridTableItem::Options() {
    if (!FOptions) {
        FOptions = CreateOptions();
    }
    return *FOptions;
}

std::unique_ptr<TuiCustomGridTableItemOptions> TuiCustomGridTableItem::CreateOptions() {
    return std::make_unique<TuiCustomGridTableItemOptions>(*this);
}

TuiCustomGridTableItemStyles& TuiCustomGridTableItem::Styles() {
    if (!FStyles) {
        FStyles = CreateStyles();
    }
    return *FStyles;
}

std::unique_ptr<TuiCustomGridTableItemStyles> TuiCustomGridTableItem::CreateStyles() {
    return std::make_unique<TuiCustomGridTableItemStyles>(*this);
}

void TuiCustomGridTableItem::SetGridView(TuiCustomGridTableView* gridView) {
    FGridView = gridView;
    if (FGridView) {
        InitGroupingDateRanges();
    }
    UpdatePropertiesValue();
}

void TuiCustomGridTableItem::SetDateTimeGrouping(TuiGridDateTimeGrouping value) {
    if (FDateTimeGrouping != value) {
        FDateTimeGrouping = value;
        DateTimeGroupingChanged();
    }
}

TuiGridDateTimeGrouping TuiCustomGridTableItem::EffectiveDateTimeGrouping() {
    if (FDateTimeGrouping != dtgDefault || !FGridView) {
        return FDateTimeGrouping;
    }
    return FGridView->DateTimeHandling().Grouping();
}

void TuiCustomGridTableItem::InitGroupingDateRanges() {
    const TuiCustomGridTableDateTimeHandling* handling = FGridView ? &FGridView->DateTimeHandling() : nullptr;
    FGroupingDateRanges->Setup(handling, EffectiveDateTimeGrouping());
    DoInitGroupingDateRanges();
}

void TuiCustomGridTableItem::InitFilteringDateRanges() {
    if (FGridView) {
        TuiCustomGridTableDateTimeHandling& handling = FGridView->DateTimeHandling();
        FFilteringDateRanges->Setup(&handling, handling.Filters());
    } else {
        FFilteringDateRanges->Setup(nullptr, {});
    }
    DoInitFilteringDateRanges();
}

void TuiCustomGridTableItem::DoInitFilteringDateRanges() {
    if (FGridView) {
        FGridView->DoInitFilteringDateRanges(*this);
    }
    if (FOnInitFilteringDateRanges) {
        FOnInitFilteringDateRanges(*this, *FFilteringDateRanges);
    }
}

void TuiCustomGridTableItem::DoInitGroupingDateRanges() {
    if (FGridView) {
        FGridView->DoInitGroupingDateRanges(*this);
    }
    if (FOnInitGroupingDateRanges) {
        FOnInitGroupingDateRanges(*this, *FGroupingDateRanges);
    }
}

void TuiCustomGridTableItem::SetOnInitFilteringDateRanges(TuiGridInitDateRangesEvent handler) {
    SetGridEventHandler(FOnInitFilteringDateRanges, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::SetOnInitGroupingDateRanges(TuiGridInitDateRangesEvent handler) {
    SetGridEventHandler(FOnInitGroupingDateRanges, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::DateTimeGroupingChanged() {
    InitGroupingDateRanges();
    if (FGridView) {
        FGridView->DataController().RebuildRows();
    }
}

bool TuiCustomGridTableItem::IgnoresTimeForFiltering() {
    return CanApplyToDataController() &&
           FGridView->DataController().GetItemValueTypeClass(FIndex) == &TuiDateTimeValueType::Instance() &&
           FGridView->DateTimeHandling().IgnoreTimeForFiltering() && Options().IgnoreTimeForFiltering();
}

TuiGridDateTimeFilters TuiCustomGridTableItem::GetDateTimeFilters() const {
    return FGridView ? FGridView->DateTimeHandling().Filters() : TuiGridDateTimeFilters{};
}

bool TuiCustomGridTableItem::SupportsDateTimeFilters(bool relative) const {
    if (!CanApplyToDataController() ||
        FGridView->DataController().GetItemValueTypeClass(FIndex) != &TuiDateTimeValueType::Instance()) {
        return false;
    }
    const TuiGridDateTimeFilters filters = GetDateTimeFilters();
    if (!relative) {
        return filters.Contains(dtfMonths) || filters.Contains(dtfYears) || HasInitFilteringDateRangesHandler() ||
               FGridView->HasInitFilteringDateRangesHandler();
    }
    return !(filters - TuiGridDateTimeFilters{dtfMonths, dtfYears}).IsEmpty();
}

bool TuiCustomGridTableItem::CanFilterMultiSelect() {
    return FGridView && FGridView->Filtering().ItemPopup().MultiSelect() && Options().FilteringPopupMultiSelect();
}

bool TuiCustomGridTableItem::ShowsFilteredItemsList() {
    return FGridView && FGridView->Filtering().ItemFilteredItemsList() && Options().FilteringFilteredItemsList();
}

bool TuiCustomGridTableItem::ShowsFilterMRUValues() {
    return FGridView && FGridView->Filtering().ItemMRUItemsList() && Options().FilteringMRUItemsList() &&
           !CanFilterMultiSelect();
}

void TuiCustomGridTableItem::DoGetFilterValues(TuiGridFilterValueList& valueList) {
    if (FOnGetFilterValues) {
        FOnGetFilterValues(*this, valueList);
    }
}

void TuiCustomGridTableItem::DoGetFilterDisplayText(const rtl::Variant& value, rtl::UnicodeString& text) {
    if (FOnGetFilterDisplayText) {
        FOnGetFilterDisplayText(*this, value, text);
    }
}

void TuiCustomGridTableItem::DoUserFiltering(const rtl::Variant& value, rtl::UnicodeStringView displayText) {
    if (FOnUserFiltering) {
        FOnUserFiltering(*this, value, displayText);
    }
}

void TuiCustomGridTableItem::SetOnGetFilterValues(TuiGridGetFilterValuesEvent handler) {
    SetGridEventHandler(FOnGetFilterValues, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::SetOnGetFilterDisplayText(TuiGridGetFilterDisplayTextEvent handler) {
    SetGridEventHandler(FOnGetFilterDisplayText, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::SetOnUserFiltering(TuiGridUserFilteringEvent handler) {
    SetGridEventHandler(FOnUserFiltering, std::move(handler), [this] { Changed(0); });
}

bool TuiCustomGridTableItem::UsesGroupingDateRanges(bool handler) const {
    if (!CanApplyToDataController() ||
        FGridView->DataController().GetItemValueTypeClass(FIndex) != &TuiDateTimeValueType::Instance()) {
        return false;
    }
    if (handler) {
        return HasInitGroupingDateRangesHandler() || FGridView->HasInitGroupingDateRangesHandler();
    }
    return !FGroupingDateRanges->HasNoRanges();
}

void TuiCustomGridTableItem::RefreshHandlerDateRanges() {
    if (UsesGroupingDateRanges(true)) {
        InitGroupingDateRanges();
    }
}

void TuiCustomGridTableItem::Assign(const rtl::TPersistent* source) {
    const auto* item = dynamic_cast<const TuiCustomGridTableItem*>(source);
    if (!item) {
        TuiComponent::Assign(source);
        return;
    }
    SetAlternateCaption(item->FAlternateCaption);
    SetBestFitMaxWidth(item->FBestFitMaxWidth);
    SetDataBinding(*item->FDataBinding);
    FIsCaptionAssigned = item->FIsCaptionAssigned;
    SetCaption(item->Caption());
    SetDateTimeGrouping(item->FDateTimeGrouping);
    SetGroupIndex(item->GroupIndex());
    FIsHeaderAlignmentHorzAssigned = item->FIsHeaderAlignmentHorzAssigned;
    SetHeaderAlignmentHorz(item->HeaderAlignmentHorz());
    FIsHeaderAlignmentVertAssigned = item->FIsHeaderAlignmentVertAssigned;
    SetHeaderAlignmentVert(item->HeaderAlignmentVert());
    SetMinWidth(item->FMinWidth);
    auto& sourceItem = const_cast<TuiCustomGridTableItem&>(*item);
    Options().Assign(&sourceItem.Options());
    SetPropertiesClass(item->FPropertiesClass);
    SetProperties(item->FProperties.get());
    SetRepositoryItem(item->FRepositoryItem);
    SetSortOrder(item->SortOrder());
    SetSortIndex(item->SortIndex());
    Styles().Assign(&sourceItem.Styles());
    SetTag(item->FTag);
    SetVisible(item->FVisible);
    SetVisibleForCustomization(item->FVisibleForCustomization);
    FIsWidthAssigned = item->FIsWidthAssigned;
    FWidth = item->FWidth;
    Changed(2);
    FOnCustomDrawCell = item->FOnCustomDrawCell;
    FOnGetCellHint = item->FOnGetCellHint;
    FOnGetDataText = item->FOnGetDataText;
    FOnGetDisplayText = item->FOnGetDisplayText;
    FOnGetProperties = item->FOnGetProperties;
    FOnGetPropertiesForEdit = item->FOnGetPropertiesForEdit;
    FOnGetFilterValues = item->FOnGetFilterValues;
    FOnGetFilterDisplayText = item->FOnGetFilterDisplayText;
    FOnUserFiltering = item->FOnUserFiltering;
    FOnInitFilteringDateRanges = item->FOnInitFilteringDateRanges;
    FOnInitGroupingDateRanges = item->FOnInitGroupingDateRanges;
    FOnGetStoredProperties = item->FOnGetStoredProperties;
    FOnGetStoredPropertyValue = item->FOnGetStoredPropertyValue;
    FOnSetStoredPropertyValue = item->FOnSetStoredPropertyValue;
}

void TuiCustomGridTableItem::SetIndex(int32_t value) {
    if (!FGridView) {
        return;
    }
    if (FGridView->IsAssigningItems() && value >= 0) {
        FGridView->CollectItemIndex(this, value);
        return;
    }
    FGridView->ChangeItemIndex(this, value);
}

void TuiCustomGridTableItem::SetAlternateCaption(rtl::UnicodeStringView value) {
    if (FAlternateCaption != value) {
        FAlternateCaption = rtl::UnicodeString(value);
        CaptionChanged();
    }
}

rtl::UnicodeString TuiCustomGridTableItem::Caption() const {
    return FIsCaptionAssigned ? FCaption : GetDefaultCaptionText();
}

void TuiCustomGridTableItem::SetCaption(rtl::UnicodeStringView value) {
    if (Caption() == value) {
        return;
    }
    FCaption = rtl::UnicodeString(value);
    FIsCaptionAssigned = true;
    CaptionChanged();
}

bool TuiCustomGridTableItem::IsCaptionStored() const {
    return FIsCaptionAssigned && FCaption != GetDefaultCaptionText();
}

rtl::UnicodeString TuiCustomGridTableItem::FilterCaption() const {
    return FAlternateCaption.empty() ? Caption() : FAlternateCaption;
}

void TuiCustomGridTableItem::CaptionChanged() {
    if (!FGridView) {
        return;
    }
    Changed(IsShown() || GroupIndex() != -1 ? 2 : 0);
}

void TuiCustomGridTableItem::SetVisible(bool value) {
    if (FVisible == value) {
        return;
    }
    if (!FGridView) {
        FVisible = value;
        VisibleChanged();
        return;
    }
    FGridView->ChangeItemVisible(this, value);
}

void TuiCustomGridTableItem::SetVisibleForCustomization(bool value) {
    if (FVisibleForCustomization != value) {
        FVisibleForCustomization = value;
        Changed(0);
    }
}

int32_t TuiCustomGridTableItem::Width() const {
    return FIsWidthAssigned ? FWidth : GetDefaultWidthValue();
}

void TuiCustomGridTableItem::SetWidth(int32_t value) {
    value = std::max(value, HasFixedWidth() ? 0 : FMinWidth);
    const bool loading = ComponentState().Contains(rtl::TComponentState::csLoading);
    if (!loading && value == Width()) {
        return;
    }
    FWidth = value;
    FIsWidthAssigned = true;
    Changed(2);
}

int32_t TuiCustomGridTableItem::MinWidth() const {
    return HasFixedWidth() ? Width() : FMinWidth;
}

void TuiCustomGridTableItem::SetMinWidth(int32_t value) {
    value = std::max(value, 0);
    if (FMinWidth == value) {
        return;
    }
    FMinWidth = value;
    if (ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    if (Width() < FMinWidth) {
        SetWidth(FMinWidth);
    } else {
        Changed(2);
    }
}

void TuiCustomGridTableItem::SetBestFitMaxWidth(int32_t value) {
    value = std::max(value, 0);
    if (FBestFitMaxWidth != value) {
        FBestFitMaxWidth = value;
        Changed(0);
    }
}

vcl::TAlignment TuiCustomGridTableItem::HeaderAlignmentHorz() const {
    return FIsHeaderAlignmentHorzAssigned ? FHeaderAlignmentHorz : vcl::taLeftJustify;
}

void TuiCustomGridTableItem::SetHeaderAlignmentHorz(vcl::TAlignment value) {
    if (HeaderAlignmentHorz() != value) {
        FHeaderAlignmentHorz = value;
        FIsHeaderAlignmentHorzAssigned = true;
        Changed(1);
    }
}

TuiAlignmentVert TuiCustomGridTableItem::HeaderAlignmentVert() const {
    return FIsHeaderAlignmentVertAssigned ? FHeaderAlignmentVert : vaTop;
}

void TuiCustomGridTableItem::SetHeaderAlignmentVert(TuiAlignmentVert value) {
    if (HeaderAlignmentVert() != value) {
        FHeaderAlignmentVert = value;
        FIsHeaderAlignmentVertAssigned = true;
        Changed(1);
    }
}

bool TuiCustomGridTableItem::CanApplyToDataController() const {
    return FGridView && FIndex >= 0;
}

int32_t TuiCustomGridTableItem::SortIndex() const {
    return CanApplyToDataController() ? FGridView->DataController().GetItemSortingIndex(FIndex) : -1;
}

void TuiCustomGridTableItem::SetSortIndex(int32_t value) {
    if (!CanApplyToDataController()) {
        return;
    }
    if (FGridView->IsAssigningItems()) {
        if (value >= 0) {
            FGridView->CollectSortIndex(this, value);
        }
        return;
    }
    if (value != SortIndex()) {
        TGridItemHourglass hourglass;
        FGridView->DataController().ChangeSortingIndex(FIndex, value);
    }
}

TuiDataSortOrder TuiCustomGridTableItem::SortOrder() const {
    return CanApplyToDataController() ? FGridView->DataController().GetItemSortOrder(FIndex) : soNone;
}

void TuiCustomGridTableItem::SetSortOrder(TuiDataSortOrder value) {
    if (CanApplyToDataController() && value != SortOrder()) {
        TGridItemHourglass hourglass;
        FGridView->DataController().ChangeSortOrder(FIndex, value);
    }
}

int32_t TuiCustomGridTableItem::GroupIndex() const {
    return CanApplyToDataController() ? FGridView->DataController().Groups().GetItemGroupIndex(FIndex) : -1;
}

void TuiCustomGridTableItem::SetGroupIndex(int32_t value) {
    if (!CanApplyToDataController()) {
        return;
    }
    if (FGridView->IsAssigningItems()) {
        if (value >= 0) {
            FGridView->CollectGroupIndex(this, value);
        }
        return;
    }
    const int32_t groupIndex = GroupIndex();
    if (value == groupIndex) {
        return;
    }
    TGridItemHourglass hourglass;
    if (groupIndex == -1 && !FGridView->IsAfterAssigningItems()) {
        FWasVisibleBeforeGrouping = FVisible;
    }
    FGridView->DataController().Groups().ChangeItemGroupIndex(FIndex, value);
}

TuiCustomGridTableController* TuiCustomGridTableItem::TableController() const {
    return FGridView ? dynamic_cast<TuiCustomGridTableController*>(&FGridView->Controller()) : nullptr;
}

bool TuiCustomGridTableItem::Focused() const {
    const TuiCustomGridTableController* controller = TableController();
    return controller && controller->FocusedItem() == this;
}

void TuiCustomGridTableItem::SetFocused(bool value) {
    TuiCustomGridTableController* controller = TableController();
    if (!controller) {
        return;
    }
    if (value) {
        controller->SetFocusedItem(this);
    } else if (Focused()) {
        controller->SetFocusedItem(NeighbourVisibleItem());
    }
}

bool TuiCustomGridTableItem::CanFocus(const TuiCustomGridRecord* record) {
    if (!FGridView || !IsShown() || !Options().Focusing()) {
        return false;
    }
    return record ? record->CanFocusCells() : FGridView->OptionsSelection().CellSelect();
}

TuiCustomGridTableItem* TuiCustomGridTableItem::NeighbourVisibleItem() const {
    const int32_t count = FGridView->VisibleItemCount();
    if (FVisibleIndex < 0 || count < 2) {
        return nullptr;
    }
    return FGridView->VisibleItems(FVisibleIndex + 1 < count ? FVisibleIndex + 1 : FVisibleIndex - 1);
}

void TuiCustomGridTableItem::SetTag(int32_t value) {
    if (FTag != value) {
        FTag = value;
        Changed(0);
    }
}

void TuiCustomGridTableItem::RestoreDefaults() {
    FIsCaptionAssigned = false;
    FIsHeaderAlignmentHorzAssigned = false;
    FIsHeaderAlignmentVertAssigned = false;
    FIsWidthAssigned = false;
    Changed(2);
}

void TuiCustomGridTableItem::Changed(int32_t kind) {
    if (FGridView) {
        FGridView->Changed(kind);
    }
}

void TuiCustomGridTableItem::GetStoredProperties(std::vector<rtl::UnicodeString>& names) {
    if (FPropertiesValue) {
        names.emplace_back(u"AlignmentHorz");
    }
    for (const char16_t* name : {u"Index", u"Visible", u"SortOrder", u"SortIndex", u"WasVisibleBeforeGrouping"}) {
        names.emplace_back(name);
    }
    if (FOnGetStoredProperties) {
        FOnGetStoredProperties(*this, names);
    }
}

void TuiCustomGridTableItem::GetStoredPropertyValue(rtl::UnicodeStringView name, rtl::Variant& value) {
    if (name == u"AlignmentHorz") {
        if (FPropertiesValue) {
            value = static_cast<int32_t>(FPropertiesValue->GetAlignment().Horz());
        }
    } else if (name == u"Index") {
        value = FIndex;
    } else if (name == u"Visible") {
        value = Visible();
    } else if (name == u"SortOrder") {
        value = static_cast<int32_t>(SortOrder());
    } else if (name == u"SortIndex") {
        value = SortIndex();
    } else if (name == u"WasVisibleBeforeGrouping") {
        value = FWasVisibleBeforeGrouping;
    } else if (FOnGetStoredPropertyValue) {
        FOnGetStoredPropertyValue(*this, name, value);
    }
}

void TuiCustomGridTableItem::SetStoredPropertyValue(rtl::UnicodeStringView name, const rtl::Variant& value) {
    if (name == u"AlignmentHorz") {
        SetStoredAlignmentHorz(value);
    } else if (name == u"Index") {
        SetIndex(rtl::VarToInteger(value));
    } else if (name == u"Visible") {
        SetVisible(rtl::VarToBoolean(value));
    } else if (name == u"SortOrder") {
        SetSortOrder(static_cast<TuiDataSortOrder>(StoredEnumValue(value, soDescending + 1, name)));
    } else if (name == u"SortIndex") {
        SetSortIndex(rtl::VarToInteger(value));
    } else if (name == u"WasVisibleBeforeGrouping") {
        FWasVisibleBeforeGrouping = rtl::VarToBoolean(value);
    } else if (FOnSetStoredPropertyValue) {
        FOnSetStoredPropertyValue(*this, name, value);
    }
}

// A stored alignment that differs from the shared editor's gives the item properties of its own first, so that the
// other items showing that editor keep theirs.
void TuiCustomGridTableItem::SetStoredAlignmentHorz(const rtl::Variant& value) {
    const auto alignment = static_cast<vcl::TAlignment>(StoredEnumValue(value, vcl::taCenter + 1, u"AlignmentHorz"));
    if (!FPropertiesValue || FPropertiesValue->GetAlignment().Horz() == alignment) {
        return;
    }
    if (!FRepositoryItem && !FProperties) {
        SetPropertiesClass(&FPropertiesValue->ClassType());
    }
    if (FPropertiesValue) {
        FPropertiesValue->GetAlignment().SetHorz(alignment);
    }
}

void TuiCustomGridTableItem::DoGetDataText(int32_t recordIndex, rtl::AnsiString& text) {
    if (FOnGetDataText) {
        FOnGetDataText(*this, recordIndex, text);
    }
}

void TuiCustomGridTableItem::SetOnGetDataText(TuiGridGetDataTextEvent handler) {
    SetGridEventHandler(FOnGetDataText, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::SetOnGetStoredProperties(TuiGridTableItemGetStoredPropertiesEvent handler) {
    SetGridEventHandler(FOnGetStoredProperties, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::SetOnGetStoredPropertyValue(TuiGridTableItemGetStoredPropertyValueEvent handler) {
    SetGridEventHandler(FOnGetStoredPropertyValue, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::SetOnSetStoredPropertyValue(TuiGridTableItemSetStoredPropertyValueEvent handler) {
    SetGridEventHandler(FOnSetStoredPropertyValue, std::move(handler), [this] { Changed(0); });
}

} // namespace ui
