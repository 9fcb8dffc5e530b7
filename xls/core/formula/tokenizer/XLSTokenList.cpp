#include "xls/core/formula/tokenizer/XLSTokenList.h"

#include <iterator>

namespace xls {

TXLSTokenType TXLSTokenList::LastKind() const {
    for (auto token = FTokens.rbegin(); token != FTokens.rend(); ++token) {
        if (token->Kind != xttSpace) {
            return token->Kind;
        }
    }
    return xttChar;
}

TXLSTokenType TXLSTokenList::NextKind(int32_t index) const {
    for (size_t next = static_cast<size_t>(index < 0 ? 0 : index + 1); next < FTokens.size(); ++next) {
        if (FTokens[next].Kind != xttSpace) {
            return FTokens[next].Kind;
        }
    }
    return xttChar;
}

TXLSToken& TXLSTokenList::Add(TXLSTokenType kind, int32_t start, int32_t end) {
    return FTokens.emplace_back(TXLSToken{.Start = start, .End = end, .Kind = kind});
}

TXLSToken& TXLSTokenList::Insert(int32_t index, TXLSTokenType kind, int32_t start, int32_t end) {
    const auto position = std::next(FTokens.begin(), index);
    return *FTokens.insert(position, TXLSToken{.Start = start, .End = end, .Kind = kind});
}

} // namespace xls
