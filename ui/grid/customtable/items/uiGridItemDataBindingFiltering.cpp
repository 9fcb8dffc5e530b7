// The filter operations of TuiGridItemDataBinding: from the entries of an item's filter drop-down to conditions.

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringList.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridFilterValueList.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

namespace ui {

TuiDataFilterCriteria* TuiGridItemDataBinding::Filter() const {
    TuiCustomGridTableView* view = FItem.GridView();
    return view ? &view->DataController().Filter() : nullptr;
}

TuiFilterCriteriaItem* TuiGridItemDataBinding::FilterCriteriaItem() const {
    TuiDataFilterCriteria* filter = Filter();
    return filter ? filter->FindConditionForItem(&FItem) : nullptr;
}

void TuiGridItemDataBinding::SetFiltered(bool value) {
    if (TuiDataFilterCriteria* filter = Filter(); filter && !value) {
        filter->RemoveItemsByLink(&FItem);
    }
}

void TuiGridItemDataBinding::GetFilterValues(TuiGridFilterValueList& valueList, bool valuesOnly,
                                             bool useFilteredItemsOption, bool withTextCompare) {
    valueList.LoadItemValues(FItem, withTextCompare, useFilteredItemsOption && FItem.ShowsFilteredItemsList());
    FItem.DoGetFilterValues(valueList);
    if (valuesOnly) {
        for (int32_t i = valueList.GetCount() - 1; i >= 0; --i) {
            if (valueList.GetItem(i).Kind != fviValue) {
                valueList.DeleteItem(i);
            }
        }
    } else if (FItem.ShowsFilterMRUValues()) {
        const TuiGridFilterMRUValueItems& recent = FFilterMRUValueItems;
        for (int32_t i = 0; i < recent.GetCount(); ++i) {
            valueList.AddValueEntry(fviRecent, recent.Item(i).Value(), recent.Item(i).DisplayText(), false);
        }
    }
}

void TuiGridItemDataBinding::GetFilterStrings(rtl::TStringList& strings, TuiGridFilterValueList& valueList) {
    GetFilterValues(valueList, false, true, false);
    strings.BeginUpdate();
    try {
        strings.Clear();
        for (int32_t i = 0; i < valueList.GetCount(); ++i) {
            const TuiFilterValueItem& entry = valueList.GetItem(i);
            rtl::UnicodeString text = entry.DisplayText;
            FItem.DoGetFilterDisplayText(entry.Value, text);
            strings.Add(text);
        }
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

std::vector<int32_t>
TuiGridItemDataBinding::GetFilterSelectedValueIndexes(const TuiGridFilterValueList& valueList) const {
    std::vector<int32_t> indexes;
    TuiFilterCriteriaItem* condition = FilterCriteriaItem();
    if (!condition || !condition->Parent()) {
        return indexes;
    }
    std::vector<const TuiFilterCriteriaItem*> conditions;
    const TuiFilterCriteriaItemList& list = *condition->Parent();
    if (list.BoolOperator() == fboAnd) {
        conditions.push_back(condition);
    } else if (list.BoolOperator() == fboOr) {
        for (int32_t i = 0; i < list.GetCount(); ++i) {
            const auto* entry = dynamic_cast<const TuiFilterCriteriaItem*>(list.GetItem(i));
            // Conditions link the item's field, as the one found does.
            if (entry && entry->ItemLink() == condition->ItemLink()) {
                conditions.push_back(entry);
            }
        }
    }
    for (const TuiFilterCriteriaItem* entry : conditions) {
        const int32_t index = valueList.IndexForCriteriaItem(entry);
        if (index >= 0 && valueList.GetItem(index).Kind != fviCustom) {
            indexes.push_back(index);
        }
    }
    return indexes;
}

void TuiGridItemDataBinding::ApplyFilterSelectedValues(TuiGridFilterValueList& valueList,
                                                       const std::vector<int32_t>& indexes) {
    TuiDataFilterCriteria* filter = Filter();
    if (!filter) {
        return;
    }
    TuiFilterCriteriaChangesLock lock(*filter);
    filter->RemoveItemsByLink(&FItem);
    if (indexes.empty()) {
        return;
    }
    TuiFilterCriteriaItemList* target = &filter->Root();
    const TuiFilterBoolOperatorKind rootOperator = target->BoolOperator();
    if (rootOperator != fboOr && !(rootOperator == fboAnd && indexes.size() == 1)) {
        target = &target->AddGroup(fboOr);
    }
    for (int32_t index : indexes) {
        ApplyFilterValueEntry(valueList, index, false, false, target);
    }
}

void TuiGridItemDataBinding::ApplyFilterValueEntry(TuiGridFilterValueList& valueList, int32_t index, bool addToMRU,
                                                   bool replace, TuiFilterCriteriaItemList* target) {
    TuiDataFilterCriteria* filter = Filter();
    if (!filter) {
        return;
    }
    const TuiFilterValueItem entry = valueList.GetItem(index);
    TuiFilterCriteriaChangesLock lock(*filter);
    switch (entry.Kind) {
    case fviAll:
        filter->RemoveItemsByLink(&FItem);
        break;
    case fviCustom:
        FItem.GridView()->Filtering().CustomizeFilter(&FItem);
        break;
    case fviBlanks:
    case fviNonBlanks:
        AddFilterCondition(target, entry.Kind == fviBlanks ? fokEqual : fokNotEqual, replace,
                           GetFilterResourceString(uiSFilterBlankCaption), entry.Value);
        break;
    case fviUser:
        FItem.DoUserFiltering(entry.Value, entry.DisplayText);
        break;
    case fviValue:
    case fviRecent:
        AddFilterCondition(target, fokEqual, replace, entry.DisplayText, entry.Value);
        if (addToMRU) {
            FFilterMRUValueItems.Add(entry.Value, entry.DisplayText);
        }
        break;
    case fviDate:
        if (entry.Value.IsArray()) {
            AddFilterCondition(target, fokBetween, replace, RangeDisplayText(entry.Value), entry.Value);
        } else if (const int32_t kind = rtl::VarToInteger(entry.Value);
                   kind >= 0 && kind < uiFilterOperatorKindCount &&
                   valueList.GetDateOperatorKinds().Contains(static_cast<TuiFilterOperatorKind>(kind))) {
            AddFilterCondition(target, static_cast<TuiFilterOperatorKind>(kind), replace, {}, rtl::Variant::Null());
        }
        break;
    case fviSeparator:
        break;
    }
    if (entry.Kind > fviCustom) {
        filter->SetActive(true);
    }
}

TuiFilterCriteriaItem& TuiGridItemDataBinding::AddFilterCondition(TuiFilterCriteriaItemList* target,
                                                                  TuiFilterOperatorKind kind, bool replace,
                                                                  rtl::UnicodeStringView displayText,
                                                                  const rtl::Variant& value) {
    if (!FItem.GridView()) {
        throw rtl::EInvalidOperation(u"The item belongs to no view");
    }
    return FItem.GridView()->ViewData().AddItemFilterCondition(target, FItem, replace, displayText, value, kind);
}

rtl::UnicodeString TuiGridItemDataBinding::RangeDisplayText(const rtl::Variant& range) const {
    TuiCustomEditProperties* properties = FItem.GetProperties();
    rtl::UnicodeString text;
    for (int32_t i = range.ArrayLowBound(); i <= range.ArrayHighBound(); ++i) {
        const rtl::Variant bound = range.ArrayElement(i);
        if (i > range.ArrayLowBound()) {
            text += u";";
        }
        text += properties ? properties->GetDisplayText(bound, true) : rtl::VarToStr(bound);
    }
    return text;
}

} // namespace ui
