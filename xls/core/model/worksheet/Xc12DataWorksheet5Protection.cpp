#include "xls/core/model/worksheet/Xc12DataWorksheet5Protection.h"

namespace xls {

void TXc12ProtectedRange::Clear() {
    FPassword = 0;
    FRanges.Clear();
    FName.clear();
    FSecurityDescriptor.clear();
}

} // namespace xls
