#pragma once
// Interfaces: abstract classes identified by a GUID that an object may offer and that callers ask for by that GUID
// (QueryInterface). Every interface derives virtually from IInterface, so an object that offers several of them has one
// IInterface and one reference count. Counted objects (TInterfacedObject) free themselves when their last reference
// goes; TInterfacePtr holds one such reference. Objects whose lifetime an owner decides (components, listeners) are
// not counted: AddRef and Release answer -1, and lists that "take no reference" hold plain pointers to them.
//
// An interface declares its identity as a static member:
//     class IFoo : public virtual IInterface {
//     public:
//         static constexpr TGUID IID = GUIDLiteral(u"{1B111318-D9C9-4C35-9EFF-5D95793C0106}");
//         ...
//     };
// and a class that offers it answers for it in its QueryInterface override:
//     return QueryInterfaceOf<IFoo>(this, iid, object) || TBase::QueryInterface(iid, object);

#include "rtl/core/Object.h"

#include <atomic>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace rtl {

namespace RtlMessages {
inline constexpr char16_t InvalidGUID[] = u"'%s' is not a valid GUID value";
} // namespace RtlMessages

// A 128-bit identifier as it is written "{D1-D2-D3-D4[0..1]-D4[2..7]}" in hexadecimal.
struct TGUID {
    uint32_t D1 = 0;
    uint16_t D2 = 0;
    uint16_t D3 = 0;
    uint8_t D4[8] = {};

    friend constexpr auto operator<=>(const TGUID&, const TGUID&) = default;
};

namespace detail {

constexpr int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

// Reads digitCount hexadecimal digits at position; false when one of them is not a digit.
constexpr bool ReadHex(UnicodeStringView text, size_t position, size_t digitCount, uint32_t& value) {
    value = 0;
    for (size_t i = 0; i < digitCount; ++i) {
        const int digit = HexDigitValue(text[position + i]);
        if (digit < 0) {
            return false;
        }
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return true;
}

// Reached only by a malformed GUIDLiteral, which makes the constant evaluation, and so the build, fail.
void InvalidGUIDLiteral();

} // namespace detail

// Parses the 38-character form with braces, digits in either case; false (guid unchanged) for anything else.
constexpr bool TryStringToGUID(UnicodeStringView text, TGUID& guid) {
    constexpr size_t GUIDTextLength = 38;
    if (text.size() != GUIDTextLength || text[0] != u'{' || text[9] != u'-' || text[14] != u'-' || text[19] != u'-' ||
        text[24] != u'-' || text[37] != u'}') {
        return false;
    }
    // Offsets of the two hexadecimal digits of each byte of D4.
    constexpr size_t D4Offsets[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    TGUID result;
    uint32_t value = 0;
    if (!detail::ReadHex(text, 1, 8, value)) {
        return false;
    }
    result.D1 = value;
    if (!detail::ReadHex(text, 10, 4, value)) {
        return false;
    }
    result.D2 = static_cast<uint16_t>(value);
    if (!detail::ReadHex(text, 15, 4, value)) {
        return false;
    }
    result.D3 = static_cast<uint16_t>(value);
    for (size_t i = 0; i < 8; ++i) {
        if (!detail::ReadHex(text, D4Offsets[i], 2, value)) {
            return false;
        }
        result.D4[i] = static_cast<uint8_t>(value);
    }
    guid = result;
    return true;
}

// The GUID of a literal, checked while compiling.
consteval TGUID GUIDLiteral(UnicodeStringView text) {
    TGUID guid;
    if (!TryStringToGUID(text, guid)) {
        detail::InvalidGUIDLiteral();
    }
    return guid;
}

// Parses a GUID read at run time; EConvertError for a malformed one.
TGUID StringToGUID(UnicodeStringView text);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with upper-case digits.
UnicodeString GUIDToString(const TGUID& guid);

// The root of every interface: asking for another interface of the same object, and reference counting.
class IInterface {
public:
    static constexpr TGUID IID = GUIDLiteral(u"{00000000-0000-0000-C000-000000000046}");

    // When the object offers the interface iid: stores the pointer to it (of that interface's type) in *object, takes
    // a reference and answers true. Otherwise stores nullptr and answers false.
    virtual bool QueryInterface(const TGUID& iid, void** object) = 0;
    // The new reference count, or -1 for an object that is not counted.
    virtual int32_t AddRef() = 0;
    virtual int32_t Release() = 0;

protected:
    ~IInterface() = default;
};

// Answers QueryInterface for the interfaces listed and for IInterface, all offered by self.
template <class... TInterfaces, class TSelf>
bool QueryInterfaceOf(TSelf* self, const TGUID& iid, void** object) {
    *object = nullptr;
    const bool found = ((iid == TInterfaces::IID && (*object = static_cast<TInterfaces*>(self), true)) || ... ||
                        (iid == IInterface::IID && (*object = static_cast<IInterface*>(self), true)));
    if (found) {
        static_cast<IInterface*>(self)->AddRef();
    }
    return found;
}

// One counted reference to an interface; copying takes another, destruction or Reset gives it back.
template <class TInterface>
class TInterfacePtr {
public:
    TInterfacePtr() = default;
    TInterfacePtr(std::nullptr_t) {}
    explicit TInterfacePtr(TInterface* instance) : FInstance(instance) {
        if (FInstance) {
            FInstance->AddRef();
        }
    }
    TInterfacePtr(const TInterfacePtr& other) : TInterfacePtr(other.FInstance) {}
    TInterfacePtr(TInterfacePtr&& other) noexcept : FInstance(std::exchange(other.FInstance, nullptr)) {}
    template <class TOther>
    requires std::is_convertible_v<TOther*, TInterface*> TInterfacePtr(const TInterfacePtr<TOther>& other)
        : TInterfacePtr(other.Get()) {}
    ~TInterfacePtr() { Reset(); }
    TInterfacePtr& operator=(TInterfacePtr other) noexcept {
        std::swap(FInstance, other.FInstance);
        return *this;
    }

    // Takes over a reference the caller already holds, as QueryInterface hands one out.
    static TInterfacePtr Adopt(TInterface* instance) {
        TInterfacePtr pointer;
        pointer.FInstance = instance;
        return pointer;
    }
    void Reset() {
        if (TInterface* instance = std::exchange(FInstance, nullptr)) {
            instance->Release();
        }
    }

    TInterface* Get() const { return FInstance; }
    TInterface* operator->() const { return FInstance; }
    TInterface& operator*() const { return *FInstance; }
    explicit operator bool() const { return FInstance != nullptr; }
    friend bool operator==(const TInterfacePtr& a, const TInterfacePtr& b) { return a.FInstance == b.FInstance; }

private:
    TInterface* FInstance = nullptr;
};

namespace detail {
// The object's implementation of iid with a reference taken, or nullptr (also for a nullptr instance).
void* QueryInterfaceOrNull(IInterface* instance, const TGUID& iid);
} // namespace detail

// The instance's interface TInterface, or an empty pointer when it does not offer it. The instance may be any object:
// one that offers no interface at all offers none of them. A counted object must already be held by a TInterfacePtr,
// or the reference taken here is its last and frees it when the result goes.
template <class TInterface, class TInstance>
TInterfacePtr<TInterface> Supports(TInstance* instance) {
    IInterface* root = nullptr;
    if constexpr (std::is_convertible_v<TInstance*, IInterface*>) {
        root = instance;
    } else {
        root = dynamic_cast<IInterface*>(instance);
    }
    return TInterfacePtr<TInterface>::Adopt(
        static_cast<TInterface*>(detail::QueryInterfaceOrNull(root, TInterface::IID)));
}

// Reference counting for objects that an owner frees: nothing is counted and nothing is freed.
class TNotCountedInterface : public virtual IInterface {
public:
    bool QueryInterface(const TGUID& iid, void** object) override { return QueryInterfaceOf<>(this, iid, object); }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

protected:
    ~TNotCountedInterface() = default;
};

// An object that its interface references keep alive: it frees itself when the last reference is released. Hold it
// in a TInterfacePtr from its creation on, and hand out no reference from its constructor.
class TInterfacedObject : public TObject, public virtual IInterface {
    RTL_DECLARE_CLASS(TInterfacedObject, TObject)
public:
    bool QueryInterface(const TGUID& iid, void** object) override { return QueryInterfaceOf<>(this, iid, object); }
    int32_t AddRef() override;
    int32_t Release() override;
    int32_t RefCount() const { return FRefCount; }

private:
    std::atomic<int32_t> FRefCount{0};
};

} // namespace rtl
