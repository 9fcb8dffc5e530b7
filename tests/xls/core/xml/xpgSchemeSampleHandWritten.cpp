// The members of the test classes that are written by hand.

#include "tests/xls/core/xml/xpgSchemeSample.h"

namespace xls::xpgSchemeSample {

// Rows are handed out as they are read, never kept, so there is nothing to count.
int32_t TCT_SheetData::CheckAssigned() {
    SetFlags(xpgChildrenAssigned);
    return 1;
}

// Whether the cell read has a formula: the formula occurred, even if empty.
bool TCT_Cell::HasFormula() const {
    return GetFormula().Assigned();
}

} // namespace xls::xpgSchemeSample
