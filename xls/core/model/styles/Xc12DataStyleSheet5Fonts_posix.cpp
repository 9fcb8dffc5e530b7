#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"

namespace xls {

// Without GDI there is no font handle to make.
void* TXc12FontHandle::Get(const TXc12LogFont& /*logFont*/) {
    return nullptr;
}

void TXc12FontHandle::Free() noexcept {
    FHandle = nullptr;
    FStock = false;
}

} // namespace xls
