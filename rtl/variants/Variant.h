#pragma once
// Variant: the tagged value in which data cells, editor values and filter operands travel. It holds nothing (Empty),
// the absent value (Null, distinct from Empty), a number of one of the standard kinds, a currency amount, a date, a
// UTF-16 or an ANSI string, a one-dimensional array of Variants or of bytes, or the value of a custom type registered
// at run time (the BCD decimal). Type codes follow the platform's Variant numbering, so stream formats and type tests
// keep their meaning. Copies are deep: two Variants never share an array or a string.
//
// Conversions (VarAsType and the VarTo functions) are declared in VariantConversions.h, the ordering in
// VariantCompare.h.

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/Currency.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace rtl {

using TVarType = uint16_t;

inline constexpr TVarType varEmpty = 0x0000;
inline constexpr TVarType varNull = 0x0001;
inline constexpr TVarType varSmallint = 0x0002;
inline constexpr TVarType varInteger = 0x0003;
inline constexpr TVarType varSingle = 0x0004;
inline constexpr TVarType varDouble = 0x0005;
inline constexpr TVarType varCurrency = 0x0006;
inline constexpr TVarType varDate = 0x0007;
// A UTF-16 string.
inline constexpr TVarType varOleStr = 0x0008;
inline constexpr TVarType varBoolean = 0x000B;
// The element type of an array of Variants.
inline constexpr TVarType varVariant = 0x000C;
inline constexpr TVarType varShortInt = 0x0010;
inline constexpr TVarType varByte = 0x0011;
inline constexpr TVarType varWord = 0x0012;
inline constexpr TVarType varLongWord = 0x0013;
inline constexpr TVarType varInt64 = 0x0014;
inline constexpr TVarType varUInt64 = 0x0015;
// An ANSI string: bytes in the process ANSI code page.
inline constexpr TVarType varString = 0x0100;
// Custom types registered at run time take codes from here on.
inline constexpr TVarType varFirstCustom = 0x010F;
inline constexpr TVarType varTypeMask = 0x0FFF;
// Set on top of the element type in the code of an array.
inline constexpr TVarType varArray = 0x2000;

class EVariantError : public Exception {
public:
    using Exception::Exception;
};
// A value that cannot be converted to the type asked for ("abc" to an integer, Null to a string).
class EVariantTypeCastError : public EVariantError {
public:
    using EVariantError::EVariantError;
};
// A value too large for the type asked for.
class EVariantOverflowError : public EVariantError {
public:
    using EVariantError::EVariantError;
};
class EVariantBadIndexError : public EVariantError {
public:
    using EVariantError::EVariantError;
};
// An operation that the Variant's type does not offer (array bounds of a scalar).
class EVariantInvalidArgError : public EVariantError {
public:
    using EVariantError::EVariantError;
};
// A type code that no Variant can take.
class EVariantBadVarTypeError : public EVariantError {
public:
    using EVariantError::EVariantError;
};

namespace RtlMessages {
inline constexpr char16_t VarTypeCouldNotConvert[] = u"Could not convert variant of type (%s) into type (%s)";
inline constexpr char16_t VarOverflow[] = u"Overflow while converting variant of type (%s) into type (%s)";
inline constexpr char16_t VarArrayBounds[] = u"Variant or safe array index out of bounds";
inline constexpr char16_t VarInvalidArgument[] = u"Invalid argument";
inline constexpr char16_t VarBadType[] = u"Invalid variant type";
} // namespace RtlMessages

// The value a custom Variant type keeps; Clone copies it when the Variant is copied.
class TCustomVariantValue {
public:
    virtual ~TCustomVariantValue() = default;
    virtual std::unique_ptr<TCustomVariantValue> Clone() const = 0;
};

template <typename T>
concept VariantInteger =
    std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
    !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>;

class Variant {
public:
    Variant() noexcept;
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    static Variant Null();

    // Only a bool itself: a pointer must not turn into a Boolean on the way.
    template <std::same_as<bool> T>
    Variant(T value) : Variant(varBoolean, uint64_t{value}) {}
    // The type code follows the C++ type: int32_t is varInteger, uint8_t varByte, int64_t varInt64 and so on.
    template <VariantInteger T>
    Variant(T value) : Variant(IntegerTypeOf(sizeof(T), std::is_signed_v<T>), static_cast<uint64_t>(value)) {}
    Variant(float value);
    Variant(double value);
    Variant(Currency value);
    Variant(UnicodeString value);
    Variant(UnicodeStringView value);
    Variant(const char16_t* value);
    // Byte strings have a code page: say which with FromAnsiString.
    Variant(const char*) = delete;
    static Variant FromDateTime(TDateTime value);
    static Variant FromAnsiString(AnsiString value);
    // A value of the registered custom type `varType`.
    static Variant FromCustom(TVarType varType, std::unique_ptr<TCustomVariantValue> value);

    // Arrays are one-dimensional with elements of varVariant or varByte, each Empty or 0 at first. A high bound one
    // below the low bound makes an empty array. Other element types or bounds raise EVariantBadVarTypeError or
    // EVariantInvalidArgError.
    static Variant CreateArray(int32_t lowBound, int32_t highBound, TVarType elementType);
    static Variant ArrayOf(std::initializer_list<Variant> elements);
    static Variant ByteArrayOf(std::string_view bytes);

    TVarType VarType() const { return FVarType; }
    bool IsEmpty() const { return FVarType == varEmpty; }
    bool IsNull() const { return FVarType == varNull; }
    bool IsArray() const { return (FVarType & varArray) != 0; }

    // The stored value of a Variant of that very kind; other kinds raise EVariantInvalidArgError. StoredSigned takes
    // the signed integer types, StoredUnsigned the unsigned ones, StoredDouble varDouble and varDate.
    int64_t StoredSigned() const;
    uint64_t StoredUnsigned() const;
    float StoredSingle() const;
    double StoredDouble() const;
    Currency StoredCurrency() const;
    bool StoredBoolean() const;
    const UnicodeString& StoredOleStr() const;
    const AnsiString& StoredAnsiString() const;
    const TCustomVariantValue& StoredCustom() const;

    // Array access; a scalar raises EVariantInvalidArgError, an index outside the bounds EVariantBadIndexError.
    int32_t ArrayLowBound() const;
    int32_t ArrayHighBound() const;
    int32_t ArrayCount() const;
    // An element of a byte array reads as a varByte Variant.
    Variant ArrayElement(int32_t index) const;
    // A value stored into a byte array is converted to a byte first.
    void SetArrayElement(int32_t index, const Variant& value);
    // The bytes of a byte array.
    std::string_view ArrayBytes() const;

private:
    struct THeapValue;

    Variant(TVarType varType, uint64_t bits);
    static constexpr TVarType IntegerTypeOf(size_t size, bool isSigned) {
        switch (size) {
        case 1:
            return isSigned ? varShortInt : varByte;
        case 2:
            return isSigned ? varSmallint : varWord;
        case 4:
            return isSigned ? varInteger : varLongWord;
        default:
            return isSigned ? varInt64 : varUInt64;
        }
    }
    void CheckKind(bool matches) const;
    THeapValue& ArrayValue() const;
    int32_t CheckedOffset(int32_t index) const;

    TVarType FVarType = varEmpty;
    // The scalar: integers in two's complement, floating-point values by their bit pattern, Booleans as 0 or 1.
    uint64_t FBits = 0;
    std::unique_ptr<THeapValue> FHeap; // strings, arrays and custom values
};

// The platform's type tests and type name.
inline TVarType VarType(const Variant& value) {
    return value.VarType();
}
inline bool VarIsEmpty(const Variant& value) {
    return value.IsEmpty();
}
inline bool VarIsNull(const Variant& value) {
    return value.IsNull();
}
inline bool VarIsArray(const Variant& value) {
    return value.IsArray();
}
inline bool VarIsStr(const Variant& value) {
    return value.VarType() == varOleStr || value.VarType() == varString;
}
// The integer kinds, Single, Double, Currency, Boolean and the custom types that call themselves numeric.
bool VarIsNumeric(const Variant& value);
// "Integer", "OleStr", "Array Variant", a custom type's name...
UnicodeString VarTypeAsText(TVarType varType);

} // namespace rtl
