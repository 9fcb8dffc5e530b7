#pragma once
// TuiGridItemDataBinding: what ties a table item to its field in the view's data controller. It reads and changes
// the field's value type (stored by caption as "ValueType"), names the editor that shows such values by default,
// owns the default values provider through which the item's editor properties ask the data about formats, and
// turns the entries of the item's filter drop-down into conditions of the data controller's filter, keeping the
// item's recently used filter values.

#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"
#include "ui/data/filter/uiFilterTypes.h"
#include "ui/data/values/uiValueType.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/grid/customtable/filtering/uiGridFilterMRU.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace rtl {
class TStringList;
} // namespace rtl

namespace ui {

class TuiCustomGridTableItem;
class TuiDataFilterCriteria;
class TuiEditRepositoryItem;
class TuiFilterCriteriaItem;
class TuiFilterCriteriaItemList;
class TuiGridFilterValueList;
class TuiGridItemDataBinding;

// Display formats count as defined when the field keeps stored texts or the item rewrites its texts.
class TuiGridDefaultValuesProvider : public TuiCustomEditDefaultValuesProvider {
    RTL_DECLARE_CLASS(TuiGridDefaultValuesProvider, TuiCustomEditDefaultValuesProvider)
public:
    explicit TuiGridDefaultValuesProvider(TuiGridItemDataBinding& dataBinding);
    bool IsDisplayFormatDefined(bool currencyFormatUnacceptable) override;

private:
    TuiGridItemDataBinding& FDataBinding;
};

class TuiGridItemDataBinding : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiGridItemDataBinding, rtl::TPersistent)
public:
    explicit TuiGridItemDataBinding(TuiCustomGridTableItem& item);
    ~TuiGridItemDataBinding() override;
    TuiGridItemDataBinding(const TuiGridItemDataBinding&) = delete;
    TuiGridItemDataBinding& operator=(const TuiGridItemDataBinding&) = delete;

    rtl::TPersistent* GetOwner() const override;
    TuiCustomGridTableItem& Item() const { return FItem; }
    // The value type and the user data object; another source goes to the base.
    void Assign(const rtl::TPersistent* source) override;

    // The field's value type; nullptr outside a view.
    TuiValueTypeClass ValueTypeClass() const;
    void SetValueTypeClass(TuiValueTypeClass value);
    // The caption of the field's value type ("Integer"); empty without one. An unknown caption sets no type.
    rtl::UnicodeString ValueType() const;
    void SetValueType(rtl::UnicodeStringView caption);
    virtual TuiValueTypeClass GetDefaultValueTypeClass() const;
    bool IsValueTypeClassStored() const { return ValueTypeClass() != GetDefaultValueTypeClass(); }

    // The editor registered for the field's value type; nullptr when none is.
    virtual TuiEditRepositoryItem* GetDefaultRepositoryItem() const;
    virtual rtl::UnicodeString GetDefaultCaption() const { return {}; }
    virtual int32_t GetDefaultWidth() const;
    // Called when the item is made and whenever the field's value type changes.
    virtual void Init() {}

    // Not owned; a change is a repaint of the item.
    rtl::TObject* Data() const { return FData; }
    void SetData(rtl::TObject* value);
    IuiEditDefaultValuesProvider* DefaultValuesProvider() const { return FDefaultValuesProvider.get(); }

    // The data controller's filter; nullptr outside a view.
    TuiDataFilterCriteria* Filter() const;
    // The item's first condition; nullptr when it has none.
    TuiFilterCriteriaItem* FilterCriteriaItem() const;
    bool Filtered() const { return FilterCriteriaItem() != nullptr; }
    // The name a filter expression gives the item's field; none here.
    virtual rtl::UnicodeString GetFilterFieldName() const { return {}; }
    // The item's recently used filter values; the view's filtering options set their maximum count.
    TuiGridFilterMRUValueItems& FilterMRUValueItems() { return FFilterMRUValueItems; }
    // False removes the item's conditions; True changes nothing.
    void SetFiltered(bool value);

    // Loads the item's drop-down (only the filtered records' values when useFilteredItemsOption is set and the item
    // shows those), lets OnGetFilterValues change it, then keeps the plain values alone (valuesOnly) or puts the
    // item's recently used values on top when it shows them.
    void GetFilterValues(TuiGridFilterValueList& valueList, bool valuesOnly, bool useFilteredItemsOption,
                         bool withTextCompare);
    // The drop-down's lines: the entries of GetFilterValues (with the recently used values, the filtered-items
    // option applied), one line per entry in list order, each text as the item's OnGetFilterDisplayText leaves it.
    // A line's index is its entry's index in valueList.
    void GetFilterStrings(rtl::TStringList& strings, TuiGridFilterValueList& valueList);
    // The entries the item's present conditions stand for: its condition in an AND group, or every condition of the
    // item in an OR group; "(Custom...)" is never among them.
    std::vector<int32_t> GetFilterSelectedValueIndexes(const TuiGridFilterValueList& valueList) const;
    // The item's conditions make way for those of the entries picked, joined by OR.
    void ApplyFilterSelectedValues(TuiGridFilterValueList& valueList, const std::vector<int32_t>& indexes);
    // The condition an entry stands for, in target (nullptr: the root), replacing the item's conditions when
    // replace is set: "(All)" removes them, blanks and non-blanks test for Null, a value (added to the recently used
    // values with addToMRU) is equal, a range is BETWEEN its bounds, a period is its relative date operator; an
    // entry of OnGetFilterValues goes to OnUserFiltering. "(Custom...)" asks the view's filtering to customize the
    // item's filter. Every entry but
    // "(All)" and "(Custom...)" makes the filter active.
    void ApplyFilterValueEntry(TuiGridFilterValueList& valueList, int32_t index, bool addToMRU, bool replace,
                               TuiFilterCriteriaItemList* target);
    TuiFilterCriteriaItem& AddFilterCondition(TuiFilterCriteriaItemList* target, TuiFilterOperatorKind kind,
                                              bool replace, rtl::UnicodeStringView displayText,
                                              const rtl::Variant& value);

private:
    // The text of a range entry: its bounds as the item's editor shows them, joined by ";".
    rtl::UnicodeString RangeDisplayText(const rtl::Variant& range) const;

    TuiCustomGridTableItem& FItem;
    rtl::TObject* FData = nullptr; // not owned
    std::unique_ptr<TuiGridDefaultValuesProvider> FDefaultValuesProvider;
    TuiGridFilterMRUValueItems FFilterMRUValueItems;
};

} // namespace ui
