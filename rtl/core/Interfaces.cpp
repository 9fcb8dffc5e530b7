#include "rtl/core/Interfaces.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"

namespace rtl {

TGUID StringToGUID(UnicodeStringView text) {
    TGUID guid;
    if (!TryStringToGUID(text, guid)) {
        throw EConvertError(Format(RtlMessages::InvalidGUID, {text}));
    }
    return guid;
}

UnicodeString GUIDToString(const TGUID& guid) {
    return Format(u"{%.8X-%.4X-%.4X-%.2X%.2X-%.2X%.2X%.2X%.2X%.2X%.2X}",
                  {guid.D1, guid.D2, guid.D3, guid.D4[0], guid.D4[1], guid.D4[2], guid.D4[3], guid.D4[4], guid.D4[5],
                   guid.D4[6], guid.D4[7]});
}

namespace detail {

void* QueryInterfaceOrNull(IInterface* instance, const TGUID& iid) {
    void* object = nullptr;
    if (instance && !instance->QueryInterface(iid, &object)) {
        object = nullptr;
    }
    return object;
}

} // namespace detail

int32_t TInterfacedObject::AddRef() {
    return ++FRefCount;
}

int32_t TInterfacedObject::Release() {
    const int32_t count = --FRefCount;
    if (count == 0) {
        delete this;
    }
    return count;
}

} // namespace rtl
