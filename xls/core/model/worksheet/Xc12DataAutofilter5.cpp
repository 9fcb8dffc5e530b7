#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"

#include "rtl/core/Exceptions.h"
#include "rtl/core/Metaclass.h"

namespace xls {

void TXc12Filters::Clear() {
    FBlank = false;
    FCalendarType = 0;
    FFilterValues.Clear();
    FDateGroupItems.Clear();
}

void TXc12CustomFilters::Clear() {
    FPresent = false;
    FFilter1.Clear();
    FFilter2.Clear();
    FAnd = false;
}

void TXc12FilterColumn::Clear() {
    FColId = 0;
    FHiddenButton = false;
    FShowButton = false;
    FFilters.Clear();
    FTop10.Clear();
    FCustomFilters.Clear();
    FDynamicFilter.Clear();
    FColorFilter.Clear();
    FIconFilter.Clear();
}

TXc12FilterColumn* TXc12FilterColumns::Add() {
    std::unique_ptr<rtl::TObject> made;
    if (FClassFactory != nullptr) {
        made = FClassFactory->CreateObject(xckAutofilterColumn, this);
    }
    if (made == nullptr) {
        made = std::make_unique<TXc12FilterColumn>();
    }
    auto* column = dynamic_cast<TXc12FilterColumn*>(made.get());
    if (column == nullptr) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    TObjectList::Add(column);
    made.release();
    return column;
}

void TXc12SortCondition::Clear() {
    FDescending = false;
    FSortBy = 0;
    FArea = {0, 0, 0, 0};
    FCustomList.clear();
    FDxfId = -1;
    FIconSet = 0;
    FIconId = 0;
}

void TXc12SortState::Clear() {
    FColumnSort = false;
    FCaseSensitive = false;
    FSortMethod = DefaultSortMethod;
    ClearCellArea(FArea);
    FSortConditions.Clear();
}

TXc12AutoFilter::TXc12AutoFilter(TXLSClassFactory* factory) : FClassFactory(factory), FFilterColumns(factory) {}

void TXc12AutoFilter::Clear() {
    FFilterColumns.Clear();
    FSortState.Clear();
    ClearCellArea(FArea);
}

} // namespace xls
