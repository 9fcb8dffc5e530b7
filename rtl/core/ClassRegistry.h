#pragma once
// The class registry: the classes that streams may name, so that a reader can turn a class name back into a class and
// create an instance of it. Names are looked up without regard to ASCII case. Registration happens at start-up, on the
// UI thread, like every use of the registry.

#include "rtl/core/Metaclass.h"

#include <initializer_list>

namespace rtl {

namespace RtlMessages {
inline constexpr char16_t ClassNotFound[] = u"Class %s not found";
inline constexpr char16_t DuplicateClassName[] = u"A class named %s already exists";
} // namespace RtlMessages

// Registers the class and those of its ancestors that are not registered yet. Registering a class again does nothing;
// a different class with a name already taken raises EInvalidOperation.
void RegisterClass(const TMetaclass& metaclass);
void RegisterClasses(std::initializer_list<const TMetaclass*> metaclasses);
// Removes this class only; its ancestors stay registered.
void UnRegisterClass(const TMetaclass& metaclass);
// The registered class of that name, or nullptr.
const TMetaclass* GetClass(UnicodeStringView name);
// The registered class of that name; EClassNotFound when there is none.
const TMetaclass& FindClass(UnicodeStringView name);

} // namespace rtl
