#pragma once
// Walking a compiled formula token by token without reading what the tokens mean: each step cuts one token out of the
// buffer, checked against the bytes that remain (XLSPtgs.h), so a damaged buffer raises EXLSFormulaError rather than
// being read past its end. After a ptgxBiff marker the rest of the buffer is BIFF8 tokens, walked by their sizes. A
// buffer that stands for a shared formula's master (ptgxShared) is no token string to walk: it raises.

#include "xls/core/formula/tokens/XLSPtgs.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace xls {

class TXLSIteratePtgs {
public:
    // ptgs must outlive the walk.
    explicit TXLSIteratePtgs(std::span<const uint8_t> ptgs) : FPtgs(ptgs) {}

    // Steps onto the next token; false when none remains.
    bool Next();
    // The token the last step stood on.
    TXLSPtgToken Current() const { return TXLSPtgToken(FPtgs.subspan(FOffset, FSize)); }
    // Where the current token starts in the buffer.
    size_t Offset() const { return FOffset; }
    // The current token is a BIFF8 token, after the ptgxBiff marker.
    bool IsBiff() const { return FBiff; }

private:
    std::span<const uint8_t> FPtgs;
    size_t FOffset = 0;
    size_t FSize = 0;
    bool FBiff = false;
    bool FBiffFollows = false;
};

} // namespace xls
