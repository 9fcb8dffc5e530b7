#include "rtl/core/ClassRegistry.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <vector>

namespace rtl {

namespace {

// Built on first use, so that registrations from static initialisers of any unit find it ready.
std::vector<const TMetaclass*>& RegisteredClasses() {
    static std::vector<const TMetaclass*> classes;
    return classes;
}

void RegisterOne(const TMetaclass& metaclass) {
    const TMetaclass* registered = GetClass(metaclass.ClassName());
    if (registered == &metaclass) {
        return;
    }
    if (registered) {
        throw EInvalidOperation(Format(RtlMessages::DuplicateClassName, {metaclass.ClassName()}));
    }
    RegisteredClasses().push_back(&metaclass);
}

} // namespace

void RegisterClass(const TMetaclass& metaclass) {
    for (const TMetaclass* current = &metaclass; current; current = current->ClassParent()) {
        RegisterOne(*current);
    }
}

void RegisterClasses(std::initializer_list<const TMetaclass*> metaclasses) {
    for (const TMetaclass* metaclass : metaclasses) {
        RegisterClass(*metaclass);
    }
}

void UnRegisterClass(const TMetaclass& metaclass) {
    std::erase(RegisteredClasses(), &metaclass);
}

const TMetaclass* GetClass(UnicodeStringView name) {
    const auto& classes = RegisteredClasses();
    const auto found = std::find_if(classes.begin(), classes.end(), [name](const TMetaclass* metaclass) {
        return SameText(metaclass->ClassName(), name);
    });
    return found != classes.end() ? *found : nullptr;
}

const TMetaclass& FindClass(UnicodeStringView name) {
    const TMetaclass* metaclass = GetClass(name);
    if (!metaclass) {
        throw EClassNotFound(Format(RtlMessages::ClassNotFound, {name}));
    }
    return *metaclass;
}

} // namespace rtl
