#pragma once
// The facade's classes of a sheet's merged cells and autofilter: the class factory makes them in place of the model's
// own, so that the facade's wrappers find them as its own classes; they add nothing.

#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Areas.h"

namespace xls {

class TXLSMergedCell : public TXc12MergedCell {};

class TXLSMergedCells : public TXc12MergedCells {
public:
    using TXc12MergedCells::TXc12MergedCells;
};

class TXLSAutofilterColumn : public TXc12FilterColumn {};

class TXLSAutofilter : public TXc12AutoFilter {
public:
    using TXc12AutoFilter::TXc12AutoFilter;
};

} // namespace xls
