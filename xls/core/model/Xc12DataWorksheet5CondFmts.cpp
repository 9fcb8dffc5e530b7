#include "xls/core/model/Xc12DataWorksheet5CondFmts.h"

#include "xls/core/model/Xc12DataStyleSheet5Common.h"

namespace xls {

const TXc12ColorRec& TXc12Colors::GetItem(int32_t index) const {
    CheckListIndex(index, Count());
    return FColors[static_cast<size_t>(index)];
}

} // namespace xls
