#include "ui/grid/common/uiGridRegisteredViews.h"

#include <memory>
#include <stdexcept>

namespace ui {

namespace {

std::unique_ptr<TuiGridRegisteredViews> gridRegisteredViews;

bool IsDataBaseDescription(const rtl::UnicodeString& description) {
    return description.starts_with(u"DB");
}

} // namespace

TuiGridRegisteredViews::TuiGridRegisteredViews() : TuiRegisteredClasses(true) {
    SetSortedMode(true);
}

int TuiGridRegisteredViews::CompareDescriptions(int32_t index1, int32_t index2) const {
    const bool dataBase1 = IsDataBaseDescription(GetDescriptionText(index1));
    const bool dataBase2 = IsDataBaseDescription(GetDescriptionText(index2));
    if (dataBase1 != dataBase2) {
        return dataBase1 ? 1 : -1;
    }
    return TuiRegisteredClasses::CompareDescriptions(index1, index2);
}

TuiGridRegisteredViews& GridRegisteredViews() {
    if (!gridRegisteredViews) {
        throw std::logic_error("the grid's registered views are not started");
    }
    return *gridRegisteredViews;
}

namespace detail {

void StartGridRegisteredViews() {
    if (!gridRegisteredViews) {
        gridRegisteredViews = std::make_unique<TuiGridRegisteredViews>();
    }
}

void FinishGridRegisteredViews() {
    gridRegisteredViews.reset();
}

} // namespace detail

} // namespace ui
