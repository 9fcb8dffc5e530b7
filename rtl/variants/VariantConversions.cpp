#include "rtl/variants/VariantConversions.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/numbers/Rounding.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/CustomVariantType.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace rtl {

namespace {

// The whole units a currency amount can hold: 922337203685477.
constexpr int64_t MaxCurrencyUnits = std::numeric_limits<int64_t>::max() / Currency::Scale;
constexpr int32_t SingleTextPrecision = 7;

bool IsIntegerCode(TVarType varType) {
    return varType == varSmallint || varType == varInteger || (varType >= varShortInt && varType <= varUInt64);
}

bool IsStandardScalarCode(TVarType varType) {
    return IsIntegerCode(varType) || (varType >= varSingle && varType <= varOleStr) || varType == varBoolean ||
           varType == varString;
}

struct TIntegerRange {
    long double Minimum;
    long double Maximum;
};

template <typename T>
constexpr TIntegerRange RangeOf() {
    return {static_cast<long double>(std::numeric_limits<T>::min()),
            static_cast<long double>(std::numeric_limits<T>::max())};
}

TIntegerRange IntegerRange(TVarType varType) {
    switch (varType) {
    case varShortInt:
        return RangeOf<int8_t>();
    case varByte:
        return RangeOf<uint8_t>();
    case varSmallint:
        return RangeOf<int16_t>();
    case varWord:
        return RangeOf<uint16_t>();
    case varInteger:
        return RangeOf<int32_t>();
    case varLongWord:
        return RangeOf<uint32_t>();
    case varInt64:
        return RangeOf<int64_t>();
    default:
        return RangeOf<uint64_t>();
    }
}

// A whole number known to lie in the range of the integer type.
Variant MakeInteger(TVarType varType, long double whole) {
    switch (varType) {
    case varShortInt:
        return Variant(static_cast<int8_t>(whole));
    case varByte:
        return Variant(static_cast<uint8_t>(whole));
    case varSmallint:
        return Variant(static_cast<int16_t>(whole));
    case varWord:
        return Variant(static_cast<uint16_t>(whole));
    case varInteger:
        return Variant(static_cast<int32_t>(whole));
    case varLongWord:
        return Variant(static_cast<uint32_t>(whole));
    case varInt64:
        return Variant(static_cast<int64_t>(whole));
    default:
        return Variant(static_cast<uint64_t>(whole));
    }
}

Variant NumberToInteger(long double number, TVarType source, TVarType target) {
    const TIntegerRange range = IntegerRange(target);
    const long double whole = RoundToWhole(number);
    if (!(whole >= range.Minimum && whole <= range.Maximum)) {
        detail::RaiseVariantOverflow(source, target);
    }
    return MakeInteger(target, whole);
}

Variant NumberToFloat(long double number, TVarType source, TVarType target) {
    const long double limit = target == varSingle ? FLT_MAX : DBL_MAX;
    if (std::isfinite(number) && std::fabs(number) > limit) {
        detail::RaiseVariantOverflow(source, target);
    }
    if (target == varSingle) {
        return Variant(static_cast<float>(number));
    }
    const double value = static_cast<double>(number);
    return target == varDate ? Variant::FromDateTime(value) : Variant(value);
}

Variant NumberToCurrency(const Variant& value, TVarType target) {
    const TVarType source = value.VarType();
    const long double number = detail::VarNumberValue(value);
    if (IsIntegerCode(source) || source == varBoolean) {
        if (std::fabs(number) > MaxCurrencyUnits) {
            detail::RaiseVariantOverflow(source, target);
        }
        return Variant(Currency::FromScaled(static_cast<int64_t>(number) * Currency::Scale));
    }
    Currency amount;
    if (!TryFloatToCurr(static_cast<double>(number), amount)) {
        detail::RaiseVariantOverflow(source, target);
    }
    return Variant(amount);
}

UnicodeString NumberToText(const Variant& value) {
    switch (value.VarType()) {
    case varBoolean:
        return value.StoredBoolean() ? u"True" : u"False";
    case varSingle:
        return FloatToStrF(value.StoredSingle(), TFloatFormat::ffGeneral, SingleTextPrecision, 0);
    case varDouble:
        return FloatToStr(value.StoredDouble());
    case varDate:
        return DateTimeToStr(value.StoredDouble());
    case varCurrency:
        return CurrToStr(value.StoredCurrency());
    case varByte:
    case varWord:
    case varLongWord:
    case varUInt64:
        return UIntToStr(value.StoredUnsigned());
    default:
        return IntToStr(value.StoredSigned());
    }
}

Variant TextVariant(const UnicodeString& text, TVarType target) {
    return target == varString ? Variant::FromAnsiString(UnicodeToAnsi(text)) : Variant(text);
}

// A Variant of a number kind (including Boolean, Date and Currency) as a standard scalar type.
Variant CastNumber(const Variant& value, TVarType target) {
    const TVarType source = value.VarType();
    if (IsIntegerCode(target)) {
        return NumberToInteger(detail::VarNumberValue(value), source, target);
    }
    switch (target) {
    case varSingle:
    case varDouble:
    case varDate:
        return NumberToFloat(detail::VarNumberValue(value), source, target);
    case varCurrency:
        return NumberToCurrency(value, target);
    case varBoolean:
        return Variant(detail::VarNumberValue(value) != 0);
    default:
        return TextVariant(NumberToText(value), target);
    }
}

bool TryTextToBoolean(UnicodeStringView text, bool& value) {
    long double number = 0;
    if (SameText(text, u"True") || SameText(text, u"False")) {
        value = SameText(text, u"True");
    } else if (TryStrToExtended(text, number)) {
        value = number != 0;
    } else {
        return false;
    }
    return true;
}

// Text as a number kind; false when the text is no such value.
bool TryCastText(const UnicodeString& text, TVarType source, TVarType target, Variant& result) {
    int64_t integer = 0;
    long double extended = 0;
    double floating = 0;
    Currency amount;
    bool boolean = false;
    if (IsIntegerCode(target)) {
        if (TryStrToInt64(text, integer)) {
            extended = static_cast<long double>(integer);
        } else if (!TryStrToExtended(text, extended)) {
            return false;
        }
        result = NumberToInteger(extended, source, target);
    } else if (target == varDate) {
        if (!TryStrToDateTime(text, floating)) {
            return false;
        }
        result = Variant::FromDateTime(floating);
    } else if (target == varSingle || target == varDouble) {
        if (!TryStrToFloat(text, floating)) {
            return false;
        }
        result = NumberToFloat(floating, source, target);
    } else if (target == varCurrency) {
        if (!TryStrToCurr(text, amount)) {
            return false;
        }
        result = Variant(amount);
    } else if (target == varBoolean) {
        if (!TryTextToBoolean(text, boolean)) {
            return false;
        }
        result = Variant(boolean);
    } else {
        result = TextVariant(text, target);
    }
    return true;
}

} // namespace

namespace detail {

long double VarNumberValue(const Variant& value) {
    switch (value.VarType()) {
    case varBoolean:
        return value.StoredBoolean() ? 1 : 0;
    case varSingle:
        return value.StoredSingle();
    case varDouble:
    case varDate:
        return value.StoredDouble();
    case varCurrency:
        return static_cast<long double>(value.StoredCurrency().Scaled()) / Currency::Scale;
    case varByte:
    case varWord:
    case varLongWord:
    case varUInt64:
        return static_cast<long double>(value.StoredUnsigned());
    default:
        return static_cast<long double>(value.StoredSigned());
    }
}

void RaiseVariantCastError(TVarType source, TVarType target) {
    throw EVariantTypeCastError(
        Format(RtlMessages::VarTypeCouldNotConvert, {VarTypeAsText(source), VarTypeAsText(target)}));
}

void RaiseVariantOverflow(TVarType source, TVarType target) {
    throw EVariantOverflowError(Format(RtlMessages::VarOverflow, {VarTypeAsText(source), VarTypeAsText(target)}));
}

Variant CastText(const UnicodeString& text, TVarType sourceType, TVarType target) {
    Variant result;
    if (!TryCastText(text, sourceType, target, result)) {
        detail::RaiseVariantCastError(sourceType, target);
    }
    return result;
}

} // namespace detail

Variant VarAsType(const Variant& value, TVarType varType) {
    const TVarType source = value.VarType();
    if (varType == varEmpty) {
        return Variant();
    }
    if (varType == varNull) {
        return Variant::Null();
    }
    if (varType == source) {
        return value;
    }
    const TCustomVariantType* customTarget = FindCustomVariantType(varType);
    if (customTarget == nullptr && !IsStandardScalarCode(varType)) {
        throw EVariantBadVarTypeError(RtlMessages::VarBadType);
    }
    if (source == varNull || value.IsArray()) {
        detail::RaiseVariantCastError(source, varType);
    }
    if (customTarget != nullptr) {
        return customTarget->CastFrom(value);
    }
    if (const TCustomVariantType* customSource = FindCustomVariantType(source)) {
        return customSource->CastTo(value, varType);
    }
    switch (source) {
    case varEmpty:
        return varType == varOleStr || varType == varString ? TextVariant(u"", varType)
                                                            : CastNumber(Variant(int32_t{0}), varType);
    case varOleStr:
        return detail::CastText(value.StoredOleStr(), source, varType);
    case varString:
        return detail::CastText(AnsiToUnicode(value.StoredAnsiString()), source, varType);
    default:
        return CastNumber(value, varType);
    }
}

UnicodeString VarToStr(const Variant& value) {
    return value.IsNull() || value.IsEmpty() ? UnicodeString() : VarAsType(value, varOleStr).StoredOleStr();
}

AnsiString VarToAnsiStr(const Variant& value) {
    return value.IsNull() || value.IsEmpty() ? AnsiString() : VarAsType(value, varString).StoredAnsiString();
}

int32_t VarToInteger(const Variant& value) {
    return static_cast<int32_t>(VarAsType(value, varInteger).StoredSigned());
}

int64_t VarToInt64(const Variant& value) {
    return VarAsType(value, varInt64).StoredSigned();
}

double VarToDouble(const Variant& value) {
    return VarAsType(value, varDouble).StoredDouble();
}

Currency VarToCurrency(const Variant& value) {
    return VarAsType(value, varCurrency).StoredCurrency();
}

TDateTime VarToDateTime(const Variant& value) {
    return VarAsType(value, varDate).StoredDouble();
}

bool VarToBoolean(const Variant& value) {
    return VarAsType(value, varBoolean).StoredBoolean();
}

} // namespace rtl
