#include "xls/core/xml/XpgPErrors.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/xml/XpgMessages.h"

namespace xls {

void TXpgPErrors::ReportUnknown(TXpgUnknownKind kind, rtl::UnicodeStringView name, int32_t row) {
    const char16_t* report =
        kind == TXpgUnknownKind::Element ? XpgMessages::UnknownElement : XpgMessages::UnknownAttribute;
    Report(rtl::Format(XpgMessages::RowPrefix, {row}) + rtl::Format(report, {name}));
    if (!FOnError && kind == TXpgUnknownKind::Element) {
        throw rtl::Exception(FMessage);
    }
}

void TXpgPErrors::Report(rtl::UnicodeStringView message) {
    FMessage = message;
    if (FOnError) {
        FOnError(*this);
    }
}

} // namespace xls
