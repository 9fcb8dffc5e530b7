#include "ui/data/controller/filtering/uiDataFilter.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/filter/uiFilterOperators.h"

#include <algorithm>
#include <set>

namespace ui {

namespace {

// The value in the value type, where it converts; arrays element by element.
rtl::Variant CoercedFilterValue(TuiValueTypeClass valueType, const rtl::Variant& value) {
    rtl::Variant coerced = value;
    if (!value.IsArray()) {
        valueType->CoerceVariant(coerced);
        return coerced;
    }
    for (int32_t index = value.ArrayLowBound(); index <= value.ArrayHighBound(); ++index) {
        coerced.SetArrayElement(index, CoercedFilterValue(valueType, value.ArrayElement(index)));
    }
    return coerced;
}

} // namespace

// TuiDataFilterCriteria

TuiDataFilterCriteria::TuiDataFilterCriteria(TuiCustomDataController* dataController)
    : FDataController(*dataController) {
    SetStreamVersion(CurrentFilterStreamVersion);
}

TuiDataFilterCriteria::~TuiDataFilterCriteria() {
    FDestroying = true;
    FDataController.ExtraFilters().Extract(*this);
    SetActive(false);
}

void TuiDataFilterCriteria::SetActive(bool active) {
    if (active != FActive) {
        FActive = active;
        MarkChanged();
    }
}

void TuiDataFilterCriteria::AssignCriteria(const TuiFilterCriteria& source, bool byItemIDs) {
    const auto* dataCriteria = dynamic_cast<const TuiDataFilterCriteria*>(&source);
    if (!dataCriteria) {
        TuiFilterCriteria::AssignCriteria(source, byItemIDs);
        return;
    }
    LockChanges();
    try {
        TuiFilterCriteria::AssignCriteria(source, byItemIDs);
        SetActive(dataCriteria->Active());
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

void TuiDataFilterCriteria::CopyEvents(const TuiFilterCriteria& source) {
    TuiFilterCriteria::CopyEvents(source);
    if (const auto* dataCriteria = dynamic_cast<const TuiDataFilterCriteria*>(&source)) {
        FOnGetValueList = dataCriteria->FOnGetValueList;
    }
}

TuiFilterCriteriaItem* TuiDataFilterCriteria::FindConditionForItem(rtl::TObject* itemLink) const {
    if (!dynamic_cast<TuiCustomDataField*>(itemLink)) {
        itemLink = FDataController.Fields().FindByItem(itemLink);
    }
    return TuiFilterCriteria::FindConditionForItem(itemLink);
}

bool TuiDataFilterCriteria::IsFiltering() const {
    return FActive && !HasNoConditions() && !FDataController.IsProviderNavigation();
}

void TuiDataFilterCriteria::RemoveItemsOfField(TuiCustomDataField& field) {
    RemoveItemsByLink(&field);
}

bool TuiDataFilterCriteria::IsExtraFilter() const {
    return FDataController.ExtraFilters().IndexOf(*this) >= 0;
}

bool TuiDataFilterCriteria::IsDestroying() const {
    return FDestroying || FDataController.IsDestroying();
}

int32_t TuiDataFilterCriteria::GetIDByItemLink(rtl::TObject* itemLink) const {
    return FDataController.GetItemID(itemLink);
}

rtl::UnicodeString TuiDataFilterCriteria::GetNameByItemLink(rtl::TObject* itemLink) const {
    return FDataController.GetItemName(itemLink);
}

rtl::TObject* TuiDataFilterCriteria::GetItemLinkByID(int32_t id) const {
    return FDataController.FindItemByID(id);
}

rtl::TObject* TuiDataFilterCriteria::GetItemLinkByName(rtl::UnicodeStringView name) const {
    return FDataController.FindItemByName(name);
}

const rtl::TMetaclass& TuiDataFilterCriteria::GetItemClass() const {
    return TuiDataFilterCriteriaItem::StaticClass();
}

const rtl::TMetaclass& TuiDataFilterCriteria::GetValueListClass() const {
    return TuiDataFilterValueList::StaticClass();
}

void TuiDataFilterCriteria::DoChanged() {
    if (IsExtraFilter() || IsDestroying() || FDataController.IsLoading()) {
        return;
    }
    FDataController.PostEditingIfActive();
    FDataController.FilterChanged();
    TuiFilterCriteria::DoChanged();
}

// TuiDataFilterCriteriaItem

TuiDataFilterCriteria& TuiDataFilterCriteriaItem::DataCriteria() const {
    return static_cast<TuiDataFilterCriteria&>(OwnerCriteria());
}

TuiCustomDataField* TuiDataFilterCriteriaItem::Field() const {
    return static_cast<TuiCustomDataField*>(ItemLink());
}

rtl::Variant TuiDataFilterCriteriaItem::FetchRecordValue(int32_t recordIndex) {
    TuiCustomDataField* field = Field();
    return field ? DataCriteria().DataController().GetFilterValue(recordIndex, *field) : rtl::Variant::Null();
}

rtl::UnicodeString TuiDataFilterCriteriaItem::FieldCaptionText() const {
    const TuiCustomDataField* field = Field();
    if (!field || !field->Item()) {
        return {};
    }
    return DataCriteria().DataController().GetItemDisplayName(field->GetPosition());
}

rtl::UnicodeString TuiDataFilterCriteriaItem::FieldNameText() const {
    const TuiCustomDataField* field = Field();
    if (!field || !field->Item()) {
        return {};
    }
    return DataCriteria().DataController().GetItemFilterCaption(field->GetPosition());
}

rtl::TObject* TuiDataFilterCriteriaItem::GetItemLinkValue() const {
    const TuiCustomDataField* field = Field();
    return field ? field->Item() : nullptr;
}

void TuiDataFilterCriteriaItem::SetItemLinkValue(rtl::TObject* link) {
    if (link && !dynamic_cast<TuiCustomDataField*>(link)) {
        link = DataCriteria().DataController().Fields().FindByItem(link);
    }
    TuiFilterCriteriaItem::SetItemLinkValue(link);
}

rtl::Variant TuiDataFilterCriteriaItem::PrepareValue(const rtl::Variant& value) const {
    const TuiCustomDataField* field = Field();
    const TuiValueTypeClass valueType = field ? field->EffectiveValueTypeClass() : nullptr;
    const bool pattern = OperatorKind() == fokLike || OperatorKind() == fokNotLike;
    if (!valueType || pattern) {
        return TuiFilterCriteriaItem::PrepareValue(value);
    }
    return TuiFilterCriteriaItem::PrepareValue(CoercedFilterValue(valueType, value));
}

// TuiDataFilterValueList

TuiDataFilterCriteria& TuiDataFilterValueList::DataCriteria() const {
    return static_cast<TuiDataFilterCriteria&>(Criteria());
}

void TuiDataFilterValueList::LoadValues(int32_t itemIndex, bool withTextCompare, bool fromFilteredRecords) {
    TuiDataFilterCriteria& criteria = DataCriteria();
    TuiCustomDataController& controller = criteria.DataController();
    const TuiCustomDataField& field = controller.GetItemField(itemIndex);
    ClearEntriesList();
    if (withTextCompare) {
        SetCompareTexts(controller.IsItemTextCompared(itemIndex));
    }
    AddValueEntry(fviAll, rtl::Variant::Null(), GetFilterResourceString(uiSFilterBoxAllCaption), false);
    AddValueEntry(fviCustom, rtl::Variant::Null(), GetFilterResourceString(uiSFilterBoxCustomCaption), false);
    bool blanks = controller.IsProviderNavigation();
    if (!blanks) {
        fromFilteredRecords = fromFilteredRecords && controller.GetFilteredRecordCount() > 0;
        const int32_t count = fromFilteredRecords ? controller.GetFilteredRecordCount() : controller.GetRecordCount();
        // The first MaxEntryCount distinct values in record order, kept sorted; a set of their keys finds a value
        // seen before in logarithmic time, where inserting each into the sorted list would take quadratic time.
        const auto less = [this](const auto& a, const auto& b) { return CompareValueKeys(a.first, b.first) < 0; };
        std::set<std::pair<TValueKey, TuiFilterValueItem>, decltype(less)> values(less);
        const int32_t maxCount = MaxEntryCount();
        for (int32_t position = 0; position < count; ++position) {
            const int32_t recordIndex = fromFilteredRecords ? controller.GetFilteredRecordIndex(position) : position;
            const rtl::Variant value = controller.GetFilterValue(recordIndex, field);
            if (criteria.IsNullValue(value)) {
                blanks = true;
                continue;
            }
            if (maxCount > 0 && static_cast<int32_t>(values.size()) >= maxCount) {
                continue;
            }
            const rtl::UnicodeString text =
                rtl::AnsiToUnicode(controller.GetDisplayTextForFilter(recordIndex, itemIndex));
            values.emplace(ValueKeyOf(value, text), TuiFilterValueItem{fviValue, value, text});
        }
        std::vector<TuiFilterValueItem> sorted;
        sorted.reserve(values.size());
        for (const auto& entry : values) {
            sorted.push_back(entry.second);
        }
        AppendSortedValues(std::move(sorted));
    }
    const TuiFilterCriteriaItem* condition = criteria.FindConditionForItem(controller.GetItem(itemIndex));
    const bool filteredByNonBlanks =
        condition && dynamic_cast<const TuiFilterNotNullOperator*>(&condition->Operator()) != nullptr;
    if (blanks) {
        AddValueEntry(fviBlanks, rtl::Variant::Null(), GetFilterResourceString(uiSFilterBoxBlanksCaption), false);
    }
    if (blanks || (fromFilteredRecords && filteredByNonBlanks)) {
        AddValueEntry(fviNonBlanks, rtl::Variant::Null(), GetFilterResourceString(uiSFilterBoxNonBlanksCaption), false);
    }
    if (criteria.OnGetValueList()) {
        criteria.OnGetValueList()(criteria, itemIndex, *this);
    }
}

// TuiDataFilterList

TuiDataFilterList::~TuiDataFilterList() {
    Clear();
}

void TuiDataFilterList::Add(std::unique_ptr<TuiDataFilterCriteria> criteria) {
    FItems.push_back(criteria.release());
}

void TuiDataFilterList::Extract(const TuiDataFilterCriteria& criteria) {
    const auto found = std::find(FItems.begin(), FItems.end(), &criteria);
    if (found != FItems.end()) {
        FItems.erase(found);
    }
}

void TuiDataFilterList::Clear() {
    while (!FItems.empty()) {
        delete FItems.back();
    }
}

TuiDataFilterCriteria& TuiDataFilterList::GetItem(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return *FItems[static_cast<size_t>(index)];
}

int32_t TuiDataFilterList::IndexOf(const TuiDataFilterCriteria& criteria) const {
    const auto found = std::find(FItems.begin(), FItems.end(), &criteria);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TuiDataFilterList::RemoveItemsOfField(TuiCustomDataField& field) {
    for (TuiDataFilterCriteria* criteria : FItems) {
        criteria->RemoveItemsOfField(field);
    }
}

} // namespace ui
