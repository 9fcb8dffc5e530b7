#include "xls/core/xml/XpgPErrors.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/xml/XpgMessages.h"

namespace xls {

void TXpgPErrors::ReportUnknown(TXpgUnknownKind kind, rtl::UnicodeStringView name, int32_t row) {
    const char16_t* report =
        kind == TXpgUnknownKind::Element ? XpgMessages::UnknownElement : XpgMessages::UnknownAttribute;
    FMessage = rtl::Format(XpgMessages::RowPrefix, {row}) + rtl::Format(report, {name});
    if (FOnError) {
        FOnError(*this);
        return;
    }
    if (kind == TXpgUnknownKind::Element) {
        throw rtl::Exception(FMessage);
    }
}

} // namespace xls
