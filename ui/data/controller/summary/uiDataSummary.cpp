#include "ui/data/controller/summary/uiDataSummary.h"

#include "rtl/numbers/Currency.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataGroups.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiVariants.h"

#include <cmath>

namespace ui {

namespace {

constexpr TuiSummaryOptions SelectionSummaryOptions{soSelectedRecords, soMultipleSelectedRecords};

// Of two selection options asked for together, the one that was not set before.
TuiSummaryOptions ExclusiveSelectionOptions(TuiSummaryOptions previous, TuiSummaryOptions value) {
    if ((value * SelectionSummaryOptions) != SelectionSummaryOptions) {
        return value;
    }
    const TuiSummaryOption dropped =
        previous.Contains(soMultipleSelectedRecords) && !previous.Contains(soSelectedRecords)
            ? soMultipleSelectedRecords
            : soSelectedRecords;
    return value.Exclude(dropped);
}

bool IsSummaryIntegerVariant(const rtl::Variant& value) {
    switch (value.VarType()) {
    case rtl::varSmallint:
    case rtl::varInteger:
    case rtl::varShortInt:
    case rtl::varByte:
    case rtl::varWord:
    case rtl::varLongWord:
    case rtl::varInt64:
    case rtl::varBoolean:
        return true;
    default:
        return false;
    }
}

// The value as a number to add: numbers and dates as they are, a text that reads as a number as a double; Null for
// anything else.
rtl::Variant SummandOf(const rtl::Variant& value) {
    if (IsNumericVariant(value) || IsDateVariant(value)) {
        return value;
    }
    if (rtl::VarIsStr(value)) {
        try {
            return rtl::Variant(rtl::VarToDouble(value));
        } catch (const rtl::EVariantError&) {
        }
    }
    return rtl::Variant::Null();
}

rtl::Variant AddSummands(const rtl::Variant& a, const rtl::Variant& b) {
    if (IsDateVariant(a) || IsDateVariant(b)) {
        return rtl::Variant::FromDateTime(rtl::VarToDateTime(a) + rtl::VarToDateTime(b));
    }
    int64_t sum = 0;
    if (IsSummaryIntegerVariant(a) && IsSummaryIntegerVariant(b) &&
        !__builtin_add_overflow(rtl::VarToInt64(a), rtl::VarToInt64(b), &sum)) {
        return rtl::Variant(sum);
    }
    const bool currencies = (a.VarType() == rtl::varCurrency || b.VarType() == rtl::varCurrency) &&
                            (a.VarType() == rtl::varCurrency || IsSummaryIntegerVariant(a)) &&
                            (b.VarType() == rtl::varCurrency || IsSummaryIntegerVariant(b));
    if (currencies) {
        try {
            if (!__builtin_add_overflow(rtl::VarToCurrency(a).Scaled(), rtl::VarToCurrency(b).Scaled(), &sum)) {
                return rtl::Variant(rtl::Currency::FromScaled(sum));
            }
        } catch (const rtl::EVariantOverflowError&) {
            // An integer beyond the currency range: the sum goes on as a double.
        }
    }
    return rtl::Variant(rtl::VarToDouble(a) + rtl::VarToDouble(b));
}

// An average: a date stays a date, a currency amount a currency amount (rounded to its four decimals).
rtl::Variant DivideSummary(const rtl::Variant& sum, int32_t count) {
    if (IsDateVariant(sum)) {
        return rtl::Variant::FromDateTime(rtl::VarToDateTime(sum) / count);
    }
    if (sum.VarType() == rtl::varCurrency) {
        const long double quotient = static_cast<long double>(sum.StoredCurrency().Scaled()) / count;
        return rtl::Variant(rtl::Currency::FromScaled(std::llround(quotient)));
    }
    return rtl::Variant(rtl::VarToDouble(sum) / count);
}

} // namespace

TuiDataSummary::TuiDataSummary(TuiCustomDataController* dataController)
    : FDataController(*dataController), FDefaultGroupSummaryItems(std::make_unique<TuiDataGroupSummaryItems>(
                                            *this, dataController->GetSummaryItemClass(), nullptr)),
      FFooterSummaryItems(std::make_unique<TuiDataFooterSummaryItems>(*this, dataController->GetSummaryItemClass())),
      FFooterSummaryValues(rtl::Variant::Null()), FSummaryGroups(std::make_unique<TuiDataSummaryGroups>(*this)) {}

TuiDataSummary::~TuiDataSummary() {
    FDestroying = true;
    FSummaryGroups.reset();
    FFooterSummaryItems.reset();
    FDefaultGroupSummaryItems.reset();
}

void TuiDataSummary::Assign(const rtl::TPersistent* source) {
    const auto* summary = dynamic_cast<const TuiDataSummary*>(source);
    if (!summary) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        SetOptions(summary->Options());
        FFooterSummaryItems->Assign(summary->FFooterSummaryItems.get());
        FDefaultGroupSummaryItems->Assign(summary->FDefaultGroupSummaryItems.get());
        FSummaryGroups->Assign(summary->FSummaryGroups.get());
        FOnAfterSummary = summary->FOnAfterSummary;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiDataSummary::SetOptions(TuiSummaryOptions value) {
    value = ExclusiveSelectionOptions(FOptions, value);
    if (value == FOptions) {
        return;
    }
    FOptions = value;
    RequestRecalculation(false);
}

void TuiDataSummary::BeginUpdate() {
    FDataController.LockInfoUpdate();
    ++FLockCount;
}

void TuiDataSummary::EndUpdate() {
    --FLockCount;
    RequestRecalculation(false);
    FDataController.UnlockInfoUpdate();
}

void TuiDataSummary::AbandonUpdate() {
    FDataController.UnlockInfoUpdate();
    --FLockCount;
}

void TuiDataSummary::RequestRecalculation(bool itemOnly) {
    if (!FInAfterSummary && FLockCount == 0) {
        RecalculateNow(itemOnly);
    }
}

void TuiDataSummary::RecalculateNow(bool itemOnly) {
    if (!FDestroying) {
        FDataController.SummaryChanged(itemOnly);
    }
}

void TuiDataSummary::DoAfterSummary() {
    if (!FOnAfterSummary) {
        return;
    }
    if (FDataController.IsLoading()) {
        FDataController.SetAfterSummaryDeferred(true);
        return;
    }
    FDataController.SetAfterSummaryDeferred(false);
    FInAfterSummary = true;
    try {
        FOnAfterSummary(*this);
    } catch (...) {
        FInAfterSummary = false;
        throw;
    }
    FInAfterSummary = false;
}

void TuiDataSummary::CalculateFooter() {
    CalculateFooterValues();
}

void TuiDataSummary::CalculateGroups() {
    CalculateGroupValues();
    DoAfterSummary();
}

void TuiDataSummary::Recalculate() {
    CalculateFooter();
    CalculateGroups();
}

void TuiDataSummary::CalculateFooterValues() {
    TRunningValues running = PrepareValueArrays(*FFooterSummaryItems);
    if (!FDataController.IsProviderNavigation()) {
        const int32_t count = FDataController.DataControllerInfo().GetRecordListCount();
        AccumulateRecords(*FFooterSummaryItems, 0, count - 1, running);
    }
    FFooterSummaryValues = CalculateItems(*FFooterSummaryItems, running);
}

void TuiDataSummary::CalculateGroupValues() {
    TuiDataGroups& groups = FDataController.DataControllerInfo().Groups();
    const int32_t deepest = groups.LevelCount() - 1;
    for (int32_t level = 0; level <= deepest; ++level) {
        const TuiDataGroupSummaryItems& items = *GroupSummaryItemsOfLevel(level);
        int32_t current = uiNoIndex;
        TRunningValues running;
        for (int32_t index = 0; index < groups.GroupCount(); ++index) {
            const TuiDataGroupInfo& entry = groups.GetItem(index);
            if (entry.Level == level) {
                if (current != uiNoIndex) {
                    groups.GetItem(current).SummaryValues = CalculateItems(items, running);
                }
                current = index;
                running = PrepareValueArrays(items);
            }
            if (entry.Level == deepest && current != uiNoIndex) {
                AccumulateRecords(items, entry.Begin, entry.End, running);
            }
        }
        if (current != uiNoIndex) {
            groups.GetItem(current).SummaryValues = CalculateItems(items, running);
        }
    }
}

TuiDataSummary::TRunningValues TuiDataSummary::PrepareValueArrays(const TuiDataSummaryItems& items) const {
    const auto count = static_cast<size_t>(items.Count());
    return {std::vector<rtl::Variant>(count), std::vector<int32_t>(count, 0)};
}

void TuiDataSummary::AccumulateRecords(const TuiDataSummaryItems& items, int32_t firstPosition, int32_t lastPosition,
                                       TRunningValues& running) {
    for (int32_t position = firstPosition; position <= lastPosition; ++position) {
        const int32_t recordIndex = GetSummaryRecordIndex(position);
        if (recordIndex == uiNoIndex) {
            continue;
        }
        for (int32_t index = 0; index < items.Count(); ++index) {
            const auto slot = static_cast<size_t>(index);
            AccumulateValue(items.GetItem(index), recordIndex, running.Counts[slot], running.Values[slot]);
        }
    }
}

void TuiDataSummary::AccumulateValue(TuiDataSummaryItem& item, int32_t recordIndex, int32_t& count,
                                     rtl::Variant& value) {
    if (!item.IsCalculated()) {
        return;
    }
    rtl::Variant recordValue =
        item.Field() ? FDataController.GetFieldValue(recordIndex, *item.Field()) : rtl::Variant::Null();
    bool done = false;
    TuiDataSummaryItems& items = item.SummaryItems();
    if (items.OnSummary()) {
        TuiSummaryEventOutArguments out{recordValue, value, count, false};
        items.OnSummary()(items, TuiSummaryEventArguments{recordIndex, &item}, out);
        recordValue = out.Value;
        value = out.SummaryValue;
        count = out.CountValue;
        done = out.Done;
    }
    const TuiSummaryKind kind = item.Kind();
    if (done || kind == skNone || (FOptions.Contains(soNullIgnore) && recordValue.IsNull())) {
        return;
    }
    const bool adding = kind == skSum || kind == skAverage;
    if (adding) {
        recordValue = recordValue.IsNull() ? recordValue : SummandOf(recordValue);
    }
    if (value.IsEmpty()) {
        // The first record counted: a count counts, a minimum or maximum waits for a value, a sum starts at 0.
        if (kind != skCount && !((kind == skMin || kind == skMax) && recordValue.IsNull())) {
            value = adding && recordValue.IsNull() ? rtl::Variant(0) : recordValue;
        }
    } else if (!recordValue.IsNull() && !value.IsNull()) {
        if (adding) {
            value = AddSummands(value, recordValue);
        } else if ((kind == skMin && CompareVariants(recordValue, value) < 0) ||
                   (kind == skMax && CompareVariants(recordValue, value) > 0)) {
            value = recordValue;
        }
    }
    ++count;
}

void TuiDataSummary::FinishValues(const TuiDataSummaryItem& item, rtl::Variant& value, int32_t count) const {
    if (!item.IsCalculated()) {
        return;
    }
    if (value.IsEmpty()) {
        value = rtl::Variant::Null();
    }
    if (item.Kind() == skCount) {
        value = rtl::Variant(count);
    } else if (item.Kind() == skAverage && count > 0 && !value.IsNull()) {
        value = DivideSummary(value, count);
    }
}

rtl::Variant TuiDataSummary::CalculateItems(const TuiDataSummaryItems& items, TRunningValues& running) const {
    if (items.Count() == 0) {
        return rtl::Variant::Null();
    }
    rtl::Variant result = rtl::Variant::CreateArray(0, items.Count() - 1, rtl::varVariant);
    for (int32_t index = 0; index < items.Count(); ++index) {
        const auto slot = static_cast<size_t>(index);
        FinishValues(items.GetItem(index), running.Values[slot], running.Counts[slot]);
        result.SetArrayElement(index, running.Values[slot]);
    }
    return result;
}

int32_t TuiDataSummary::GetSummaryRecordIndex(int32_t position) const {
    const TuiCustomDataControllerInfo& info = FDataController.DataControllerInfo();
    const int32_t recordIndex = info.GetRecordListItem(position);
    if (!info.IsSelectionSummary()) {
        return recordIndex;
    }
    if (FDataController.IsSingleSelect()) {
        return recordIndex == FDataController.GetFocusedRecordIndex() ? recordIndex : uiNoIndex;
    }
    return info.Selection().IsRecordSelected(recordIndex) ? recordIndex : uiNoIndex;
}

rtl::Variant TuiDataSummary::GetFooterSummaryValue(int32_t index) const {
    const rtl::Variant& values = FFooterSummaryValues;
    if (!values.IsArray() || index < 0 || index >= values.ArrayCount()) {
        return rtl::Variant::Null();
    }
    return values.ArrayElement(values.ArrayLowBound() + index);
}

rtl::UnicodeString TuiDataSummary::GetFooterSummaryText(int32_t index) const {
    return FFooterSummaryItems->GetItem(index).FormatSummaryText(GetFooterSummaryValue(index), true);
}

TuiDataGroupSummaryItems* TuiDataSummary::GroupSummaryItemsOfLevel(int32_t level) const {
    const TuiDataGroups& groups = FDataController.DataControllerInfo().Groups();
    if (level < 0 || level >= groups.LevelCount()) {
        return nullptr;
    }
    const TuiDataSummaryGroup* group = FSummaryGroups->GroupOfField(&groups.GetField(level));
    return group ? &group->SummaryItems() : FDefaultGroupSummaryItems.get();
}

bool TuiDataSummary::GetGroupSummaryInfo(int32_t rowIndex, TuiDataGroupSummaryItems*& items,
                                         rtl::Variant& values) const {
    const TuiDataGroups& groups = FDataController.DataControllerInfo().Groups();
    const int32_t groupIndex = groups.GetGroupIndexByRowIndex(rowIndex, uiNoIndex);
    if (groupIndex == uiNoIndex) {
        return false;
    }
    items = GroupSummaryItemsOfLevel(groups.GetLevel(groupIndex));
    values = groups.GetItem(groupIndex).SummaryValues;
    return items && !values.IsEmpty();
}

rtl::UnicodeString TuiDataSummary::GetGroupSummaryDisplayText(int32_t rowIndex) const {
    TuiDataGroupSummaryItems* items = nullptr;
    rtl::Variant values;
    return GetGroupSummaryInfo(rowIndex, items, values) ? items->GetGroupSummaryText(values) : rtl::UnicodeString();
}

rtl::UnicodeString TuiDataSummary::GetGroupSummaryItemText(int32_t rowIndex, int32_t level, int32_t index) const {
    const TuiDataGroups& groups = FDataController.DataControllerInfo().Groups();
    const int32_t groupIndex = groups.GetGroupIndexByRowIndex(rowIndex, level);
    const TuiDataGroupSummaryItems* items = GroupSummaryItemsOfLevel(level);
    if (groupIndex == uiNoIndex || !items || index < 0 || index >= items->Count()) {
        return {};
    }
    const rtl::Variant& values = groups.GetItem(groupIndex).SummaryValues;
    if (!values.IsArray() || index >= values.ArrayCount()) {
        return {};
    }
    return items->GetItem(index).FormatSummaryText(values.ArrayElement(values.ArrayLowBound() + index), true);
}

void TuiDataSummary::RemoveItemsOfField(const TuiCustomDataField& field) {
    BeginUpdate();
    bool unbound = FFooterSummaryItems->UnbindField(field);
    unbound = FDefaultGroupSummaryItems->UnbindField(field) || unbound;
    for (int32_t index = 0; index < FSummaryGroups->Count(); ++index) {
        TuiDataSummaryGroup& group = FSummaryGroups->GetItem(index);
        unbound = group.SummaryItems().UnbindField(field) || unbound;
        if (TuiDataSummaryGroupItemLinks* links = group.ExistingLinks()) {
            unbound = links->UnbindField(field) || unbound;
        }
    }
    if (unbound) {
        EndUpdate();
    } else {
        AbandonUpdate();
    }
}

} // namespace ui
