#pragma once
// A metaclass describes one class at run time: its name, its parent's metaclass and its virtual constructor. Code holds
// "a class" as a reference to its metaclass, asks about ancestry with InheritsFrom, and creates an instance of a class
// chosen at run time (an item class, a class named in a stream). There is one metaclass object per class, so two
// classes are the same class exactly when their metaclasses are the same object.
//
// A class gets its metaclass with RTL_DECLARE_CLASS(Class, Parent) as the first line of its body. Its virtual
// constructor takes the construction argument of its family, named by the family's root as TConstructorArgument
// (the owner of a component, the collection of a collection item); a class without one is built with no argument.
// Abstract classes, and classes that cannot be built from that argument, get no factory.

#include "rtl/text/StringTypes.h"

#include <type_traits>

namespace rtl {

class TObject;

// The run-time description of one class; immutable, compared by identity.
class TMetaclass {
public:
    using TFactory = TObject* (*)(TObject* argument);

    TMetaclass(UnicodeStringView name, const TMetaclass* parent, TFactory factory)
        : FName(name), FParent(parent), FFactory(factory) {}
    TMetaclass(const TMetaclass&) = delete;
    TMetaclass& operator=(const TMetaclass&) = delete;

    UnicodeStringView ClassName() const { return FName; }
    // nullptr for the root class.
    const TMetaclass* ClassParent() const { return FParent; }
    // True for the class itself and for every descendant of ancestor.
    bool InheritsFrom(const TMetaclass& ancestor) const;
    bool IsAbstract() const { return FFactory == nullptr; }
    // Runs the virtual constructor; EAbstractError for a class without one. Who owns the result follows the family:
    // a component with an owner belongs to the owner, an item to its collection, anything else to the caller.
    TObject* CreateInstance(TObject* argument) const;

    bool operator==(const TMetaclass& other) const { return this == &other; }

private:
    UnicodeStringView FName;
    const TMetaclass* FParent;
    TFactory FFactory;
};

namespace RtlMessages {
inline constexpr char16_t AbstractClass[] = u"Cannot create an instance of the abstract class %s";
inline constexpr char16_t InvalidCast[] = u"Invalid class typecast";
} // namespace RtlMessages

namespace detail {

template <class T>
concept HasConstructorArgument = requires {
    typename T::TConstructorArgument;
};

template <class T>
TObject* ConstructInstance(TObject* argument) {
    if constexpr (HasConstructorArgument<T>) {
        return new T(static_cast<typename T::TConstructorArgument>(argument));
    } else {
        return new T();
    }
}

template <class T>
consteval TMetaclass::TFactory FactoryOf() {
    if constexpr (HasConstructorArgument<T>) {
        if constexpr (std::is_constructible_v<T, typename T::TConstructorArgument>) {
            return &ConstructInstance<T>;
        }
        return nullptr;
    } else if constexpr (std::is_default_constructible_v<T>) {
        return &ConstructInstance<T>;
    }
    return nullptr;
}

} // namespace detail

// Declares Class's metaclass (StaticClass) and makes its instances report it (ClassType).
#define RTL_DECLARE_CLASS(Class, Parent)                                                                               \
public:                                                                                                                \
    static const ::rtl::TMetaclass& StaticClass() {                                                                    \
        static const ::rtl::TMetaclass metaclass(u"" #Class, &Parent::StaticClass(),                                   \
                                                 ::rtl::detail::FactoryOf<Class>());                                   \
        return metaclass;                                                                                              \
    }                                                                                                                  \
    const ::rtl::TMetaclass& ClassType() const override {                                                              \
        return StaticClass();                                                                                          \
    }                                                                                                                  \
                                                                                                                       \
private:

} // namespace rtl
