#include "ui/grid/customtable/filtering/uiGridFilterMRU.h"

#include "rtl/io/Streams.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/values/uiVariants.h"

#include <cstring>

namespace ui {

namespace {

bool SameCriteriaStreams(const TuiFilterCriteria& a, const TuiFilterCriteria& b) {
    rtl::TMemoryStream streamA;
    rtl::TMemoryStream streamB;
    a.SaveToStream(streamA);
    b.SaveToStream(streamB);
    return streamA.Size() == streamB.Size() &&
           std::memcmp(streamA.Memory(), streamB.Memory(), static_cast<size_t>(streamA.Size())) == 0;
}

} // namespace

bool TuiGridFilterMRUValueItem::Equals(const TuiMRUItem& other) const {
    const auto* item = dynamic_cast<const TuiGridFilterMRUValueItem*>(&other);
    return item != nullptr && CompareVariants(FValue, item->FValue) == 0;
}

void TuiGridFilterMRUValueItems::Add(const rtl::Variant& value, const rtl::UnicodeString& displayText) {
    AddMostRecent(std::make_unique<TuiGridFilterMRUValueItem>(value, displayText));
}

const TuiGridFilterMRUValueItem& TuiGridFilterMRUValueItems::Item(int32_t index) const {
    return static_cast<const TuiGridFilterMRUValueItem&>(GetItem(index));
}

TuiGridFilterMRUItem::TuiGridFilterMRUItem(TuiCustomDataController& dataController, const TuiFilterCriteria& filter)
    : FFilter(std::make_unique<TuiDataFilterCriteria>(&dataController)) {
    FFilter->AssignCriteria(filter, false);
}

TuiGridFilterMRUItem::~TuiGridFilterMRUItem() = default;

bool TuiGridFilterMRUItem::Equals(const TuiMRUItem& other) const {
    const auto* item = dynamic_cast<const TuiGridFilterMRUItem*>(&other);
    return item != nullptr && EqualsFilter(*item->FFilter);
}

bool TuiGridFilterMRUItem::EqualsFilter(const TuiFilterCriteria& filter) const {
    return SameCriteriaStreams(*FFilter, filter);
}

rtl::UnicodeString TuiGridFilterMRUItem::Caption() const {
    return FFilter->GetFilterCaption();
}

TuiGridFilterMRUItems::TuiGridFilterMRUItems(TuiCustomDataController& dataController,
                                             TVisibleCountChanged visibleCountChanged)
    : FDataController(dataController), FVisibleCountChanged(std::move(visibleCountChanged)) {}

TuiGridFilterMRUItem& TuiGridFilterMRUItems::Item(int32_t index) const {
    return static_cast<TuiGridFilterMRUItem&>(GetItem(index));
}

void TuiGridFilterMRUItems::AddFilter(const TuiFilterCriteria& filter) {
    if (filter.HasNoConditions()) {
        return;
    }
    AddMostRecent(std::make_unique<TuiGridFilterMRUItem>(FDataController, filter));
    RefreshVisibleItems();
}

void TuiGridFilterMRUItems::DeleteEmptyItems() {
    bool deleted = false;
    for (int32_t i = GetCount() - 1; i >= 0; --i) {
        if (Item(i).Filter().HasNoConditions()) {
            DeleteItemAt(i);
            deleted = true;
        }
    }
    if (deleted) {
        RefreshVisibleItems();
    }
}

void TuiGridFilterMRUItems::RemoveItemConditions(rtl::TObject* item) {
    for (int32_t i = 0; i < GetCount(); ++i) {
        Item(i).Filter().RemoveItemsByLink(item);
    }
    DeleteEmptyItems();
}

void TuiGridFilterMRUItems::RefreshVisibleItems() {
    const int32_t oldCount = VisibleItemCount();
    FVisibleItems.clear();
    for (int32_t i = 0; i < GetCount(); ++i) {
        if (!Item(i).EqualsFilter(FDataController.Filter())) {
            FVisibleItems.push_back(&Item(i));
        }
    }
    if (oldCount != VisibleItemCount() && FVisibleCountChanged) {
        FVisibleCountChanged(oldCount, VisibleItemCount());
    }
}

} // namespace ui
