#pragma once
// Objects of a class chosen at run time: a companion of the data controller, an entry or operator of a filter, built
// by the virtual constructor of the class a class factory names.

#include "rtl/core/Exceptions.h"
#include "rtl/core/Metaclass.h"
#include "rtl/core/Object.h"

#include <memory>

namespace ui {

// An object of companionClass, which must be T or a descendant of it (EInvalidCast otherwise), built from argument.
template <class T>
std::unique_ptr<T> CreateCompanion(const rtl::TMetaclass& companionClass, rtl::TObject* argument) {
    if (!companionClass.InheritsFrom(T::StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    return std::unique_ptr<T>(static_cast<T*>(companionClass.CreateInstance(argument)));
}

} // namespace ui
