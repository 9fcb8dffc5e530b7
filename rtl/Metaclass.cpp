#include "rtl/Metaclass.h"

#include "rtl/Exceptions.h"
#include "rtl/Format.h"

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
