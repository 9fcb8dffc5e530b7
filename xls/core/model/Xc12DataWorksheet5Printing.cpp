#include "xls/core/model/Xc12DataWorksheet5Printing.h"

namespace xls {

void TXc12Break::Clear() {
    FId = 0;
    FMin = 0;
    FMax = 0;
    FMan = false;
    FPt = false;
}

} // namespace xls
