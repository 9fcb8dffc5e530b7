#include "xls/core/model/worksheet/Xc12DataWorksheet5Areas.h"

#include "xls/core/model/common/Xc12FactoryObjects.h"

namespace xls {

TXc12MergedCell* TXc12MergedCells::AddRect(const TXLSCellAreaRec& rect) {
    std::unique_ptr<TXc12MergedCell> cell = CreateFactoryObjectOr<TXc12MergedCell>(FClassFactory, xckMergedCell, this);
    cell->SetRect(rect);
    TObjectList::Add(cell.get());
    return cell.release();
}

void TXc12Hyperlink::Clear() {
    FKind = 0;
    FDisplay.clear();
    FAddress.clear();
    FLocation.clear();
    ClearCellArea(FArea);
    FTooltip.clear();
}

void TXc12Hyperlink::SetAddress(rtl::UnicodeStringView value) {
    FAddress = value;
    AddressChanged();
}

TXc12Hyperlink* TXc12Hyperlinks::Add() {
    auto* hyperlink = static_cast<TXc12Hyperlink*>(TBaseCellAreas::Add());
    hyperlink->Clear();
    return hyperlink;
}

std::unique_ptr<TCellArea> TXc12Hyperlinks::NewArea() {
    return CreateFactoryObjectOr<TXc12Hyperlink>(FClassFactory, xckHyperlink, this);
}

} // namespace xls
