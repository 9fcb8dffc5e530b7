#pragma once
// Taking objects from the class factory: the factory decides the class, the model checks that it is the class the
// model needs before it keeps the object.

#include "rtl/core/Exceptions.h"
#include "rtl/core/Metaclass.h"
#include "rtl/core/Object.h"
#include "xls/core/model/common/XLSClassFactory.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace xls {

// What factory makes for kind, or nullptr without a factory or when it makes nothing of that kind.
inline std::unique_ptr<rtl::TObject> CreateFactoryObject(TXLSClassFactory* factory, int32_t kind, rtl::TObject* owner) {
    return factory != nullptr ? factory->CreateObject(kind, owner) : nullptr;
}

// made as a T; nullptr stays nullptr. An object of another class raises EInvalidCast and is freed.
template <class T>
std::unique_ptr<T> FactoryObjectAs(std::unique_ptr<rtl::TObject> made) {
    if (made == nullptr) {
        return nullptr;
    }
    auto* typed = dynamic_cast<T*>(made.get());
    if (typed == nullptr) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    static_cast<void>(made.release());
    return std::unique_ptr<T>(typed);
}

// The factory's object of kind as a T, or TPlain when the factory makes none.
template <class T, class TPlain = T, class... TArgs>
std::unique_ptr<T> CreateFactoryObjectOr(TXLSClassFactory* factory, int32_t kind, rtl::TObject* owner,
                                         TArgs&&... plainArgs) {
    std::unique_ptr<rtl::TObject> made = CreateFactoryObject(factory, kind, owner);
    if (made == nullptr) {
        return std::make_unique<TPlain>(std::forward<TArgs>(plainArgs)...);
    }
    return FactoryObjectAs<T>(std::move(made));
}

// The factory's object of kind as a T, for classes the model cannot make itself: a factory that makes none, or an
// object of another class, raises EInvalidCast.
template <class T>
std::unique_ptr<T> CreateRequiredFactoryObject(TXLSClassFactory* factory, int32_t kind, rtl::TObject* owner) {
    std::unique_ptr<T> made = FactoryObjectAs<T>(CreateFactoryObject(factory, kind, owner));
    if (made == nullptr) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    return made;
}

} // namespace xls
