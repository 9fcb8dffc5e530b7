#include "xls/api/XLSMoveCopyObjects.h"

#include "rtl/core/Exceptions.h"
#include "xls/core/model/common/Xc12FactoryObjects.h"

namespace xls {

void RaiseAssignNotImplemented() {
    throw rtl::Exception(XLSAssignNotImplemented);
}

std::unique_ptr<TXc12ConditionalFormatting> TXLSConditionalFormats::NewItem() {
    return CreateRequiredFactoryObject<TXc12ConditionalFormatting>(GetClassFactory(), xckConditionalFormat, this);
}

} // namespace xls
