#include "xls/core/formula/tokens/XLSIteratePtgs.h"

#include "rtl/text/Format.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"

namespace xls {

bool TXLSIteratePtgs::Next() {
    const size_t next = FOffset + FSize;
    if (next >= FPtgs.size()) {
        FOffset = FPtgs.size();
        FSize = 0;
        return false;
    }
    const std::span<const uint8_t> rest = FPtgs.subspan(next);
    FBiff = FBiffFollows;
    const TXLSPtgToken token = FBiff ? ReadBiffPtgToken(rest) : ReadPtgToken(rest);
    if (!FBiff && token.Id() == ptgxShared) {
        throw EXLSFormulaError(rtl::Format(PtgMessages::UnknownPtgs, {token.Id()}));
    }
    FBiffFollows = FBiff || token.Id() == ptgxBiff;
    FOffset = next;
    FSize = token.Size();
    return true;
}

} // namespace xls
