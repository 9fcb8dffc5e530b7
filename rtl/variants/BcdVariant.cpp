#include "rtl/variants/BcdVariant.h"

#include "rtl/numbers/DecimalDigits.h"
#include "rtl/variants/CustomVariantType.h"
#include "rtl/variants/VariantConversions.h"

#include <cmath>

namespace rtl {

namespace {

class TBcdVariantValue : public TCustomVariantValue {
public:
    explicit TBcdVariantValue(const TBcd& value) : FValue(value) {}
    std::unique_ptr<TCustomVariantValue> Clone() const override { return std::make_unique<TBcdVariantValue>(FValue); }
    const TBcd& Value() const { return FValue; }

private:
    TBcd FValue;
};

const TBcd& StoredBcd(const Variant& value) {
    return static_cast<const TBcdVariantValue&>(value.StoredCustom()).Value();
}

// The digits of a standard number Variant, exact for integers and currency amounts, the shortest round-trip
// decimal for floating-point values.
detail::TDecimal NumberMagnitude(const Variant& value, bool& negative) {
    switch (value.VarType()) {
    case varCurrency: {
        const int64_t scaled = value.StoredCurrency().Scaled();
        negative = scaled < 0;
        const uint64_t bits = static_cast<uint64_t>(scaled);
        return detail::DecimalOfScaled(negative ? ~bits + 1 : bits, 4);
    }
    case varSingle:
    case varDouble:
    case varDate: {
        const double number = VarToDouble(value);
        if (!std::isfinite(number)) {
            detail::RaiseVariantOverflow(value.VarType(), VarFMTBcd());
        }
        negative = std::signbit(number);
        return detail::ShortestDecimal(std::fabs(number));
    }
    case varByte:
    case varWord:
    case varLongWord:
    case varUInt64:
        negative = false;
        return detail::DecimalOfScaled(value.StoredUnsigned(), 0);
    default: {
        const int64_t integer = VarToInt64(value);
        negative = integer < 0;
        const uint64_t bits = static_cast<uint64_t>(integer);
        return detail::DecimalOfScaled(negative ? ~bits + 1 : bits, 0);
    }
    }
}

class TBcdVariantType : public TCustomVariantType {
public:
    TBcdVariantType() : TCustomVariantType(u"FMTBcd") {}

    bool IsNumeric() const override { return true; }

    Variant CastTo(const Variant& source, TVarType target) const override {
        const UnicodeString text = BcdToStr(StoredBcd(source));
        if (target == varDate) {
            return Variant::FromDateTime(detail::CastText(text, VarType(), varDouble).StoredDouble());
        }
        return detail::CastText(text, VarType(), target);
    }

    Variant CastFrom(const Variant& source) const override {
        if (VarIsStr(source)) {
            TBcd value;
            if (!TryStrToBcd(VarToStr(source), value)) {
                detail::RaiseVariantCastError(source.VarType(), VarType());
            }
            return VarFMTBcdCreate(value);
        }
        bool negative = false;
        const detail::TDecimal magnitude = source.IsEmpty() ? detail::TDecimal{} : NumberMagnitude(source, negative);
        TBcd value;
        if (!detail::TryDecimalToBcd(magnitude, negative, value)) {
            detail::RaiseVariantOverflow(source.VarType(), VarType());
        }
        return VarFMTBcdCreate(value);
    }

    void NumericValue(const Variant& value, detail::TDecimal& magnitude, bool& negative) const override {
        const TBcd& bcd = StoredBcd(value);
        magnitude = detail::BcdMagnitude(bcd);
        negative = bcd.IsNegative() && !magnitude.IsZero();
    }

    int Compare(const Variant& left, const Variant& right) const override {
        return BcdCompare(StoredBcd(left), StoredBcd(right));
    }
};

const TBcdVariantType& BcdVariantType() {
    static const TBcdVariantType type;
    return type;
}

} // namespace

TVarType VarFMTBcd() {
    return BcdVariantType().VarType();
}

Variant VarFMTBcdCreate(const TBcd& value) {
    return Variant::FromCustom(VarFMTBcd(), std::make_unique<TBcdVariantValue>(value));
}

bool VarIsFMTBcd(const Variant& value) {
    return value.VarType() == VarFMTBcd();
}

TBcd VarToBcd(const Variant& value) {
    return StoredBcd(VarAsType(value, VarFMTBcd()));
}

} // namespace rtl
