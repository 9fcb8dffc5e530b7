#include "ui/data/controller/uiDataFilter.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "ui/data/controller/uiCustomDataController.h"

#include <algorithm>

namespace ui {

TuiDataFilterCriteria::TuiDataFilterCriteria(TuiCustomDataController* dataController)
    : FDataController(*dataController) {}

TuiDataFilterCriteria::~TuiDataFilterCriteria() {
    FDestroying = true;
    FDataController.ExtraFilters().Extract(*this);
    FActive = false;
}

void TuiDataFilterCriteria::Assign(const rtl::TPersistent* source) {
    if (const auto* criteria = dynamic_cast<const TuiDataFilterCriteria*>(source)) {
        SetActive(criteria->Active());
        return;
    }
    TPersistent::Assign(source);
}

bool TuiDataFilterCriteria::IsExtraFilter() const {
    return FDataController.ExtraFilters().IndexOf(*this) >= 0;
}

bool TuiDataFilterCriteria::IsDestroying() const {
    return FDestroying || FDataController.IsDestroying();
}

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

} // namespace ui
