// TuiCustomDataController: the sorting front, the comparison of records by a field, the incremental filter and the
// finds over the filtered records.

#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"
#include "ui/data/common/uiDataUtils.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/locale/uiLocale.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiVariants.h"

#include <algorithm>

namespace ui {

namespace {

bool IsTextVariant(const rtl::Variant& value) {
    return value.VarType() == rtl::varString || value.VarType() == rtl::varOleStr;
}

rtl::UnicodeString TextOfVariant(const rtl::Variant& value) {
    return value.VarType() == rtl::varString ? rtl::AnsiToUnicode(value.StoredAnsiString()) : value.StoredOleStr();
}

} // namespace

TuiDataSortOrder TuiCustomDataController::GetItemSortOrder(int32_t itemIndex) const {
    const TuiCustomDataField& field = GetItemField(itemIndex);
    const TuiDataSortOrder order = FInfo->SortingList().GetSortOrder(field);
    return order != soNone ? order : FInfo->GroupingList().GetSortOrder(field);
}

int32_t TuiCustomDataController::GetItemSortingIndex(int32_t itemIndex) const {
    return FInfo->SortingList().Find(GetItemField(itemIndex));
}

int32_t TuiCustomDataController::GetSortingItemCount() const {
    return FInfo->SortingList().GetCount();
}

int32_t TuiCustomDataController::GetSortingItemIndex(int32_t index) const {
    return FInfo->SortingList().GetEntry(index).Field->GetPosition();
}

void TuiCustomDataController::ChangeSortOrder(int32_t itemIndex, TuiDataSortOrder order) {
    TuiCustomDataField& field = GetItemField(itemIndex);
    if (FInfo->SortingList().GetSortOrder(field) == order) {
        return;
    }
    PostEditingIfActive();
    FSortingChanged = true;
    FInfo->ApplySortingChange(field, order);
}

void TuiCustomDataController::ChangeSortingIndex(int32_t itemIndex, int32_t index) {
    TuiCustomDataField& field = GetItemField(itemIndex);
    if (index == GetItemSortingIndex(itemIndex)) {
        return;
    }
    InsideUpdate([&] {
        const bool grouped = FInfo->GroupingList().Find(field) >= 0;
        if (grouped && GetItemSortOrder(itemIndex) == soAscending && index == -1) {
            ChangeSortOrder(itemIndex, soNone);
            return;
        }
        if (GetItemSortingIndex(itemIndex) < 0) {
            ChangeSortOrder(itemIndex, GetItemSortOrder(itemIndex));
        }
        if (GetItemSortOrder(itemIndex) != soNone) {
            FInfo->ChangeSortIndex(field, index);
        }
    });
}

void TuiCustomDataController::ClearSortingExceptGrouping(bool keepGrouped) {
    FInfo->ClearSorting(keepGrouped);
}

bool TuiCustomDataController::ResortIfItemSorted(int32_t itemIndex) {
    if (itemIndex != uiNoIndex && GetItemSortOrder(itemIndex) == soNone) {
        return false;
    }
    RebuildRows();
    return true;
}

void TuiCustomDataController::SetItemCompareByValues(int32_t itemIndex, bool compareByValues) {
    TuiCustomDataField& field = GetItemField(itemIndex);
    if (GetItemCompareByValues(itemIndex) == compareByValues) {
        return;
    }
    field.SetCompareByValues(compareByValues);
    FInfo->FieldChanged(field);
}

bool TuiCustomDataController::GetItemCompareByValues(int32_t itemIndex) const {
    return GetItemField(itemIndex).CompareByValues();
}

int TuiCustomDataController::CompareByField(int32_t recordIndexA, int32_t recordIndexB,
                                            const TuiCustomDataField& field) {
    if (!((FOnCompare && !field.IsInternalField()) || UsesValueCompare(field))) {
        return CompareFieldValues(recordIndexA, recordIndexB, field);
    }
    if (!FOnCompare && recordIndexA >= 0 && recordIndexB >= 0 && IsProviderMode() && IsProviderField(field) &&
        Provider().IsNativeCompareFunc()) {
        return Provider().NativeCompare(recordIndexA, recordIndexB, field);
    }
    const rtl::Variant valueA = GetValueForCompare(recordIndexA, field);
    const rtl::Variant valueB = GetValueForCompare(recordIndexB, field);
    if (FOnCompare) {
        int32_t compare = 0;
        FOnCompare(*this, recordIndexA, recordIndexB, field.GetPosition(), valueA, valueB, compare);
        return compare;
    }
    if (IsTextVariant(valueA) && IsTextVariant(valueB)) {
        return CompareTexts(valueA, valueB);
    }
    return CompareVariants(valueA, valueB);
}

int TuiCustomDataController::CompareTexts(const rtl::Variant& a, const rtl::Variant& b) const {
    const bool localeOrder = FOptions.Contains(dcoAnsiSort);
    const bool ignoreCase = FOptions.Contains(dcoCaseInsensitive);
    if (!localeOrder && !ignoreCase) {
        return CompareVariants(a, b);
    }
    const TuiLocale& locale = GetLocale();
    if (localeOrder) {
        return locale.CompareText(TextOfVariant(a), TextOfVariant(b), ignoreCase);
    }
    return rtl::CompareStr(locale.UpperCase(TextOfVariant(a)), locale.UpperCase(TextOfVariant(b)));
}

int TuiCustomDataController::CompareRecordsByIndex(int32_t recordIndexA, int32_t recordIndexB) {
    return recordIndexA < recordIndexB ? -1 : (recordIndexA > recordIndexB ? 1 : 0);
}

int TuiCustomDataController::CompareBySortingField(int32_t recordIndexA, int32_t recordIndexB, bool,
                                                   const TuiSortingFieldEntry& entry) {
    const int result = CompareByField(recordIndexA, recordIndexB, *entry.Field);
    return entry.SortOrder == soDescending ? -result : result;
}

rtl::Variant TuiCustomDataController::GetValueForCompare(int32_t recordIndex, const TuiCustomDataField& field) {
    if (field.ConversionFlag() == fcfDisplayText) {
        return rtl::Variant::FromAnsiString(GetDisplayText(recordIndex, field.GetPosition()));
    }
    return GetFieldValue(recordIndex, field);
}

int32_t TuiCustomDataController::SortingBySummaryItemIndex() const {
    return FSortingBySummaryField ? FSortingBySummaryField->GetPosition() : uiNoIndex;
}

void TuiCustomDataController::SetSortingBySummaryItemIndex(int32_t itemIndex) {
    if (itemIndex == SortingBySummaryItemIndex()) {
        return;
    }
    FSortingBySummaryField = itemIndex == uiNoIndex ? nullptr : &GetItemField(itemIndex);
    NotifySortingBySummaryChange();
}

void TuiCustomDataController::NotifySortingBySummaryChange() {
    if (IsDestroying()) {
        return;
    }
    FSortingBySummaryChanged = true;
    Change({dccSortingChanged});
}

bool TuiCustomDataController::UsesValueCompare(const TuiCustomDataField& field) const {
    if (field.ConversionFlag() != fcfNone) {
        return field.ConversionFlag() != fcfStorage;
    }
    if (field.CompareByValues() || IsFieldCompareAsText(field) || IsFieldSortedByDisplayText(field)) {
        return true;
    }
    // The storage keeps only handles in provider mode: the values are the source's, compared as Variants unless the
    // source lets their value types compare them where they lie.
    return IsProviderMode() && IsProviderField(field) && !Provider().IsNativeCompare();
}

bool TuiCustomDataController::IsItemTextCompared(int32_t itemIndex) const {
    const TuiValueTypeClass valueType = GetItemValueTypeClass(itemIndex);
    return ItemSortsByDisplayText(itemIndex, true) ||
           (FOptions.Contains(dcoAnsiSort) && valueType && valueType->IsStringType());
}

bool TuiCustomDataController::IsFieldCompareAsText(const TuiCustomDataField& field) const {
    const TuiValueTypeClass valueType = field.EffectiveValueTypeClass();
    return (FOptions.Contains(dcoAnsiSort) || FOptions.Contains(dcoCaseInsensitive)) && valueType &&
           valueType->IsStringType();
}

bool TuiCustomDataController::IsFieldSortedByDisplayText(const TuiCustomDataField& field) const {
    if (FInInternalRecordFind || field.IsInternalField()) {
        return false;
    }
    return ItemSortsByDisplayText(field.GetPosition(), FOptions.Contains(dcoSortByDisplayText));
}

bool TuiCustomDataController::ItemSortsByDisplayText(int32_t, bool) const {
    return false;
}

int TuiCustomDataController::CompareFieldValues(int32_t recordIndexA, int32_t recordIndexB,
                                                const TuiCustomDataField& field) {
    const TuiValueDef* valueDef = field.EffectiveValueDef();
    if (!valueDef) {
        return 0;
    }
    if (IsProviderMode() && IsProviderField(field)) {
        return Provider().CompareRecords(recordIndexA, recordIndexB, field);
    }
    return FDataStorage->CompareRecords(recordIndexA, recordIndexB, *valueDef);
}

int32_t TuiCustomDataController::SetIncrementalFilter(int32_t itemIndex, const rtl::AnsiString& text) {
    FIncrementalFilterField = &GetItemField(itemIndex);
    FIncrementalFilterText = text;
    RebuildRows();
    return GetFilteredRecordCount() > 0 ? GetFilteredRecordIndex(0) : uiNoIndex;
}

void TuiCustomDataController::ResetIncrementalFilter() {
    const bool wasActive = IsIncrementalFilterActive();
    FIncrementalFilterField = nullptr;
    FIncrementalFilterText.clear();
    if (wasActive && !IsDestroying()) {
        RebuildRows();
    }
}

bool TuiCustomDataController::IsIncrementalFilterActive() const {
    return FIncrementalFilterField != nullptr && !FIncrementalFilterText.empty();
}

rtl::AnsiString TuiCustomDataController::GetIncrementalFilterText() const {
    return FIncrementalFilterText;
}

bool TuiCustomDataController::IncrementalFilterRecord(int32_t recordIndex) {
    const rtl::AnsiString text = GetDisplayText(recordIndex, FIncrementalFilterField->GetPosition());
    return MatchesTextPrefix(text, FIncrementalFilterText, true);
}

void TuiCustomDataController::FilterChanged() {
    FCheckFocusingAfterFilter = true;
    RebuildRows();
    CheckBookmarkValid(uiNoIndex);
    UpdatePrevSelectionChange();
}

rtl::Variant TuiCustomDataController::GetFilterValue(int32_t recordIndex, const TuiCustomDataField& field) {
    return GetFieldValue(recordIndex, field);
}

rtl::AnsiString TuiCustomDataController::GetDisplayTextForFilter(int32_t recordIndex, int32_t itemIndex) {
    return GetDisplayText(recordIndex, itemIndex);
}

rtl::AnsiString TuiCustomDataController::GetDisplayTextForSearch(int32_t recordIndex, int32_t itemIndex) {
    return GetDisplayText(recordIndex, itemIndex);
}

bool TuiCustomDataController::SearchInProvider(const rtl::AnsiString&, bool, bool) {
    return false;
}

int32_t TuiCustomDataController::FindRowByText(int32_t start, int32_t itemIndex, const rtl::AnsiString& text,
                                               bool partial, bool wrap, bool forward) {
    const TuiCustomDataField& field = GetItemField(itemIndex);
    const int32_t count = GetFilteredRecordCount();
    if (start < 0 || start >= count) {
        return uiNoIndex;
    }
    // Positions from..to in either direction; the record of the first match.
    const auto search = [&](int32_t from, int32_t to) {
        const int32_t step = from <= to ? 1 : -1;
        for (int32_t position = from; position != to + step; position += step) {
            const int32_t recordIndex = GetFilteredRecordIndex(position);
            if (MatchesTextPrefix(GetFieldDisplayText(recordIndex, field), text, partial)) {
                return recordIndex;
            }
        }
        return uiNoIndex;
    };
    int32_t found = forward ? search(start, count - 1) : search(start, 0);
    // Going round takes the positions on the other side of start, whichever side start is at.
    if (found == uiNoIndex && wrap) {
        if (forward && start > 0) {
            found = search(0, start - 1);
        } else if (!forward && start < count - 1) {
            found = search(count - 1, start + 1);
        }
    }
    return found;
}

int32_t TuiCustomDataController::FindRecordBySortingFields(int32_t recordIndex, int32_t fieldCount, bool sorted) {
    fieldCount = std::min(fieldCount, FInfo->TotalSortingList().GetCount());
    const auto compareAt = [&](int32_t position) {
        for (int32_t level = 0; level < fieldCount; ++level) {
            const int result = FInfo->CompareRecordsForEditing(GetFilteredRecordIndex(position), recordIndex, level);
            if (result != 0) {
                return result;
            }
        }
        return 0;
    };
    const int32_t count = GetFilteredRecordCount();
    int32_t found = uiNoIndex;
    FInfo->PrepareSorting();
    try {
        if (sorted) {
            int32_t low = 0;
            int32_t high = count - 1;
            while (low <= high && found == uiNoIndex) {
                const int32_t middle = low + (high - low) / 2;
                const int result = compareAt(middle);
                if (result < 0) {
                    low = middle + 1;
                } else if (result > 0) {
                    high = middle - 1;
                } else {
                    found = middle;
                }
            }
        } else {
            for (int32_t position = 0; position < count && found == uiNoIndex; ++position) {
                found = compareAt(position) == 0 ? position : uiNoIndex;
            }
        }
    } catch (...) {
        FInfo->UnprepareSorting();
        throw;
    }
    FInfo->UnprepareSorting();
    return found == uiNoIndex ? uiNoIndex : GetFilteredRecordIndex(found);
}

} // namespace ui
