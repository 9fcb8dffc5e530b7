#pragma once
// The filter of a data controller. TuiDataFilterCriteria binds the filter criteria (uiFilterCriteria.h) to the
// controller: a condition's item is one of its data fields, values come from its records, a reported change filters
// its rows anew, and the Active switch turns the filtering on and off. The controller owns one as its Filter and
// keeps further criteria in its extra-filter list (TuiDataFilterList), which never filter its rows themselves.
// TuiDataFilterValueList offers the values of one item for a filter drop-down.
//
// Conditions are bound to fields: a view's item given as a link stands for its field. A condition's value is
// converted to the field's value type before it is compared (the text "3" meets the Integer 3), except for LIKE
// patterns, which stay the text they are.

#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/filter/uiFilterValueList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;
class TuiDataFilterValueList;

using TuiDataFilterGetValueListEvent =
    std::function<void(TuiFilterCriteria& sender, int32_t itemIndex, TuiDataFilterValueList& valueList)>;

class TuiDataFilterCriteria : public TuiFilterCriteria {
    RTL_DECLARE_CLASS(TuiDataFilterCriteria, TuiFilterCriteria)
public:
    using TConstructorArgument = TuiCustomDataController*;

    // Stream version 3: conditions are stored with their items' names.
    explicit TuiDataFilterCriteria(TuiCustomDataController* dataController);
    // Leaves the controller's extra filters when it is one of them.
    ~TuiDataFilterCriteria() override;

    TuiCustomDataController& DataController() const { return FDataController; }
    bool Active() const { return FActive; }
    // A change is reported.
    void SetActive(bool active);
    const TuiDataFilterGetValueListEvent& OnGetValueList() const { return FOnGetValueList; }
    void SetOnGetValueList(TuiDataFilterGetValueListEvent handler) { FOnGetValueList = std::move(handler); }

    // From another criteria of this family also Active, in the same report.
    void AssignCriteria(const TuiFilterCriteria& source, bool byItemIDs) override;
    void CopyEvents(const TuiFilterCriteria& source) override;
    // A view's item stands for its field.
    TuiFilterCriteriaItem* FindConditionForItem(rtl::TObject* itemLink) const override;

    // Whether the rows are filtered by the criteria: active, with conditions, unless the provider navigates itself.
    virtual bool IsFiltering() const;
    bool FilterRecord(int32_t recordIndex) { return EvaluateRecord(recordIndex); }
    void RemoveItemsOfField(TuiCustomDataField& field);
    // Whether the criteria is in its controller's extra-filter list.
    bool IsExtraFilter() const;
    bool IsDestroying() const;

    // Items are the controller's: their IDs and names.
    int32_t GetIDByItemLink(rtl::TObject* itemLink) const override;
    rtl::UnicodeString GetNameByItemLink(rtl::TObject* itemLink) const override;
    rtl::TObject* GetItemLinkByID(int32_t id) const override;
    rtl::TObject* GetItemLinkByName(rtl::UnicodeStringView name) const override;
    const rtl::TMetaclass& GetItemClass() const override;
    const rtl::TMetaclass& GetValueListClass() const override;

protected:
    // The controller's rows are filtered anew (after a pending edit is posted), then OnChanged fires; nothing for an
    // extra filter, while being destroyed or while the owner loads.
    void DoChanged() override;

private:
    TuiCustomDataController& FDataController;
    bool FActive = false;
    TuiDataFilterGetValueListEvent FOnGetValueList;
    bool FDestroying = false;
};

// A condition on a field of the controller.
class TuiDataFilterCriteriaItem : public TuiFilterCriteriaItem {
    RTL_DECLARE_CLASS(TuiDataFilterCriteriaItem, TuiFilterCriteriaItem)
public:
    using TuiFilterCriteriaItem::TuiFilterCriteriaItem;

    TuiDataFilterCriteria& DataCriteria() const;
    // The field the condition tests, nullptr when none.
    TuiCustomDataField* Field() const;

    // The controller's filter value of the field, Null without a field.
    rtl::Variant FetchRecordValue(int32_t recordIndex) override;
    // The controller's display name and filter caption of the field's item; empty without one.
    rtl::UnicodeString FieldCaptionText() const override;
    rtl::UnicodeString FieldNameText() const override;
    // The field's item.
    rtl::TObject* GetItemLinkValue() const override;
    // A field, or a view's item for its field.
    void SetItemLinkValue(rtl::TObject* link) override;

protected:
    // The value in the field's value type, where it converts (element by element for arrays), then prepared by the
    // criteria; LIKE patterns stay texts.
    rtl::Variant PrepareValue(const rtl::Variant& value) const override;
};

// The values of one item, with the special entries, for a filter drop-down.
class TuiDataFilterValueList : public TuiFilterValueList {
    RTL_DECLARE_CLASS(TuiDataFilterValueList, TuiFilterValueList)
public:
    using TuiFilterValueList::TuiFilterValueList;

    TuiDataFilterCriteria& DataCriteria() const;
    // "(All)", "(Custom...)", the distinct values of the item (from the filtered records in display order, or from
    // all records), "(Blanks)" and "(NonBlanks)" when a record is blank, or "(NonBlanks)" alone when the filtered
    // records were read and the item is filtered by "is not blank"; then OnGetValueList. With withTextCompare the
    // entries are matched by display text as the controller compares the item.
    virtual void LoadValues(int32_t itemIndex, bool withTextCompare, bool fromFilteredRecords);
};

// The extra filters of a data controller, owned.
class TuiDataFilterList {
public:
    TuiDataFilterList() = default;
    TuiDataFilterList(const TuiDataFilterList&) = delete;
    TuiDataFilterList& operator=(const TuiDataFilterList&) = delete;
    ~TuiDataFilterList();

    void Add(std::unique_ptr<TuiDataFilterCriteria> criteria);
    // Takes the criteria out without freeing it; nothing when it is not in the list.
    void Extract(const TuiDataFilterCriteria& criteria);
    // Frees the criteria, the last first.
    void Clear();
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiDataFilterCriteria& GetItem(int32_t index) const;
    int32_t IndexOf(const TuiDataFilterCriteria& criteria) const;
    // Every criteria drops its conditions on the field.
    void RemoveItemsOfField(TuiCustomDataField& field);

private:
    std::vector<TuiDataFilterCriteria*> FItems; // owned: freeing a criteria takes it out
};

} // namespace ui
