#include "rtl/core/Persistent.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

namespace rtl {

void TPersistent::Assign(const TPersistent* source) {
    if (!source) {
        AssignError(nullptr);
    }
    source->AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
    dest.AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
    const UnicodeStringView sourceName = source ? source->ClassName() : u"nil";
    throw EConvertError(Format(RtlMessages::AssignError, {sourceName, ClassName()}));
}

UnicodeString TPersistent::GetNamePath() const {
    UnicodeString path(ClassName());
    if (const TPersistent* owner = GetOwner()) {
        const UnicodeString ownerPath = owner->GetNamePath();
        if (!ownerPath.empty()) {
            path = ownerPath + u'.' + path;
        }
    }
    return path;
}

// Looked up at every call rather than once: while the object is being built, a descendant's GetOwner does not answer
// yet.
IInterface* TInterfacedPersistent::OwnerInterface() const {
    return dynamic_cast<IInterface*>(GetOwner());
}

int32_t TInterfacedPersistent::AddRef() {
    IInterface* owner = OwnerInterface();
    return owner ? owner->AddRef() : -1;
}

int32_t TInterfacedPersistent::Release() {
    IInterface* owner = OwnerInterface();
    return owner ? owner->Release() : -1;
}

} // namespace rtl
