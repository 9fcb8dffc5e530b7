#pragma once
// Custom Variant types: kinds of value the standard type codes do not cover (the BCD decimal), each registered at run
// time under a code of its own from varFirstCustom on. The type object converts its values to and from the standard
// types and orders them; the values themselves travel in Variants as TCustomVariantValue objects.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"

namespace rtl {

namespace detail {
struct TDecimal;
} // namespace detail

// One registered custom type; it holds its code from construction to destruction.
class TCustomVariantType {
public:
    explicit TCustomVariantType(UnicodeString name);
    TCustomVariantType(const TCustomVariantType&) = delete;
    TCustomVariantType& operator=(const TCustomVariantType&) = delete;
    virtual ~TCustomVariantType();

    TVarType VarType() const { return FVarType; }
    // The name in conversion messages: "Could not convert variant of type (FMTBcd) ...".
    const UnicodeString& Name() const { return FName; }

    // Numeric types order among all numbers by the exact value NumericValue gives; the others order after them.
    virtual bool IsNumeric() const { return false; }
    // The magnitude and sign of a value of a numeric type; the others raise EVariantInvalidArgError.
    virtual void NumericValue(const Variant& value, detail::TDecimal& magnitude, bool& negative) const;
    // A value of this type as the standard type `target` (never varEmpty, varNull or an array); raises
    // EVariantTypeCastError or EVariantOverflowError when it cannot be.
    virtual Variant CastTo(const Variant& source, TVarType target) const = 0;
    // A value of a standard type as one of this type, raising like CastTo.
    virtual Variant CastFrom(const Variant& source) const = 0;
    // Orders two values of this type: negative, zero or positive.
    virtual int Compare(const Variant& left, const Variant& right) const = 0;

private:
    TVarType FVarType;
    UnicodeString FName;
};

// The registered type of a code; nullptr for standard codes and codes no type holds.
const TCustomVariantType* FindCustomVariantType(TVarType varType);

} // namespace rtl
