#include "xls/api/wrappers/XLSComments.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

namespace xls {

rtl::UnicodeString TXLSComment::GetAuthor() const {
    const TXc12Author* author = FComment.GetAuthor();
    return author != nullptr ? author->GetName() : rtl::UnicodeString();
}

TXLSComments::TXLSComments(TXc12Comments& comments) : FComments(comments) {
    Refresh();
}

void TXLSComments::Refresh() {
    FItems.clear();
    for (int32_t i = 0; i < FComments.Count(); ++i) {
        FItems.push_back(std::make_unique<TXLSComment>(*FComments.GetItem(i), *this));
    }
}

TXLSComment& TXLSComments::GetItem(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return *FItems[static_cast<size_t>(index)];
}

TXLSComment* TXLSComments::Find(int32_t col, int32_t row) const {
    for (const std::unique_ptr<TXLSComment>& item : FItems) {
        if (item->GetCol() == col && item->GetRow() == row) {
            return item.get();
        }
    }
    return nullptr;
}

} // namespace xls
