#include "rtl/core/Metaclass.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

namespace rtl {

bool TMetaclass::InheritsFrom(const TMetaclass& ancestor) const {
    for (const TMetaclass* metaclass = this; metaclass; metaclass = metaclass->FParent) {
        if (metaclass == &ancestor) {
            return true;
        }
    }
    return false;
}

TObject* TMetaclass::CreateInstance(TObject* argument) const {
    if (!FFactory) {
        throw EAbstractError(Format(RtlMessages::AbstractClass, {FName}));
    }
    return FFactory(argument);
}

} // namespace rtl
