#include "rtl/variants/VariantCompare.h"

#include "rtl/numbers/DecimalDigits.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/CustomVariantType.h"
#include "rtl/variants/VariantConversions.h"

#include <cmath>

namespace rtl {

namespace {

// The places of the kinds of value in the order, first to last.
enum class TOrderClass : uint8_t { Empty, Null, Number, Custom, String, Array };

template <typename T>
int ThreeWay(const T& left, const T& right) {
    return left < right ? -1 : right < left ? 1 : 0;
}

bool IsIntegerKind(TVarType varType) {
    return varType == varSmallint || varType == varInteger || varType == varBoolean ||
           (varType >= varShortInt && varType <= varUInt64);
}

bool IsDoubleKind(TVarType varType) {
    return varType == varDouble || varType == varDate;
}

TOrderClass ClassOf(const Variant& value) {
    const TVarType varType = value.VarType();
    if (value.IsArray()) {
        return TOrderClass::Array;
    }
    if (varType == varEmpty || varType == varNull) {
        return varType == varEmpty ? TOrderClass::Empty : TOrderClass::Null;
    }
    if (VarIsStr(value)) {
        return TOrderClass::String;
    }
    const TCustomVariantType* custom = FindCustomVariantType(varType);
    return custom == nullptr || custom->IsNumeric() ? TOrderClass::Number : TOrderClass::Custom;
}

// A number's place among all numbers: not-a-number, minus infinity, the finite values by sign and exact magnitude,
// plus infinity.
struct TNumberKey {
    enum TRange : uint8_t { NotANumber, MinusInfinity, Finite, PlusInfinity } Range = Finite;
    bool Negative = false;
    detail::TDecimal Magnitude;
};

template <typename T>
TNumberKey FloatKey(T value) {
    TNumberKey key;
    if (std::isnan(value)) {
        key.Range = TNumberKey::NotANumber;
    } else if (std::isinf(value)) {
        key.Range = value < 0 ? TNumberKey::MinusInfinity : TNumberKey::PlusInfinity;
    } else {
        key.Negative = value < 0;
        key.Magnitude = detail::ShortestDecimal(std::fabs(value));
    }
    return key;
}

TNumberKey IntegerKey(bool negative, uint64_t magnitude, int decimals) {
    TNumberKey key;
    key.Negative = negative && magnitude != 0;
    key.Magnitude = detail::DecimalOfScaled(magnitude, decimals);
    return key;
}

uint64_t MagnitudeOf(int64_t value) {
    const uint64_t bits = static_cast<uint64_t>(value);
    return value < 0 ? ~bits + 1 : bits;
}

TNumberKey NumberKey(const Variant& value) {
    switch (value.VarType()) {
    case varSingle:
        return FloatKey(value.StoredSingle());
    case varDouble:
    case varDate:
        return FloatKey(value.StoredDouble());
    case varCurrency: {
        const int64_t scaled = value.StoredCurrency().Scaled();
        return IntegerKey(scaled < 0, MagnitudeOf(scaled), 4);
    }
    case varBoolean:
        return IntegerKey(false, value.StoredBoolean() ? 1 : 0, 0);
    case varByte:
    case varWord:
    case varLongWord:
    case varUInt64:
        return IntegerKey(false, value.StoredUnsigned(), 0);
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varInt64:
        return IntegerKey(value.StoredSigned() < 0, MagnitudeOf(value.StoredSigned()), 0);
    default: {
        TNumberKey key;
        FindCustomVariantType(value.VarType())->NumericValue(value, key.Magnitude, key.Negative);
        return key;
    }
    }
}

int CompareKeys(const TNumberKey& left, const TNumberKey& right) {
    if (left.Range != right.Range || left.Range != TNumberKey::Finite) {
        return ThreeWay(left.Range, right.Range);
    }
    if (left.Negative != right.Negative) {
        return left.Negative ? -1 : 1;
    }
    const int byMagnitude = detail::CompareMagnitudes(left.Magnitude, right.Magnitude);
    return left.Negative ? -byMagnitude : byMagnitude;
}

int CompareDoubles(double left, double right) {
    if (std::isnan(left) || std::isnan(right)) {
        return ThreeWay(!std::isnan(left), !std::isnan(right));
    }
    return ThreeWay(left, right);
}

// Values of one kind compare directly, which gives the order of their keys without computing them.
int CompareNumbers(const Variant& left, const Variant& right) {
    const TVarType leftType = left.VarType();
    const TVarType rightType = right.VarType();
    if (IsIntegerKind(leftType) && IsIntegerKind(rightType)) {
        return ThreeWay(detail::VarNumberValue(left), detail::VarNumberValue(right));
    }
    if (IsDoubleKind(leftType) && IsDoubleKind(rightType)) {
        return CompareDoubles(left.StoredDouble(), right.StoredDouble());
    }
    if (leftType == varCurrency && rightType == varCurrency) {
        return ThreeWay(left.StoredCurrency(), right.StoredCurrency());
    }
    if (leftType == rightType && leftType == varSingle) {
        return CompareDoubles(left.StoredSingle(), right.StoredSingle());
    }
    if (leftType == rightType) {
        return ThreeWay(FindCustomVariantType(leftType)->Compare(left, right), 0);
    }
    return CompareKeys(NumberKey(left), NumberKey(right));
}

// A string's place among strings: its bytes in the process ANSI code page, then its UTF-16 text.
struct TStringKey {
    AnsiString Ansi;
    UnicodeString Unicode;
};

TStringKey StringKey(const Variant& value) {
    if (value.VarType() == varString) {
        return {value.StoredAnsiString(), AnsiToUnicode(value.StoredAnsiString())};
    }
    return {UnicodeToAnsi(value.StoredOleStr()), value.StoredOleStr()};
}

int CompareStrings(const Variant& left, const Variant& right) {
    if (left.VarType() == varString && right.VarType() == varString) {
        return ThreeWay(left.StoredAnsiString().compare(right.StoredAnsiString()), 0);
    }
    const TStringKey leftKey = StringKey(left);
    const TStringKey rightKey = StringKey(right);
    const int byAnsi = ThreeWay(leftKey.Ansi.compare(rightKey.Ansi), 0);
    return byAnsi != 0 ? byAnsi : ThreeWay(leftKey.Unicode.compare(rightKey.Unicode), 0);
}

int CompareCustoms(const Variant& left, const Variant& right) {
    const int byType = ThreeWay(left.VarType(), right.VarType());
    return byType != 0 ? byType : ThreeWay(FindCustomVariantType(left.VarType())->Compare(left, right), 0);
}

int CompareArrays(const Variant& left, const Variant& right) {
    const int byCount = ThreeWay(left.ArrayCount(), right.ArrayCount());
    if (byCount != 0) {
        return byCount;
    }
    for (int32_t i = 0; i < left.ArrayCount(); ++i) {
        const int byElement =
            VarCompare(left.ArrayElement(left.ArrayLowBound() + i), right.ArrayElement(right.ArrayLowBound() + i));
        if (byElement != 0) {
            return byElement;
        }
    }
    return 0;
}

} // namespace

int VarCompare(const Variant& left, const Variant& right) {
    const TOrderClass leftClass = ClassOf(left);
    const TOrderClass rightClass = ClassOf(right);
    if (leftClass != rightClass) {
        return ThreeWay(leftClass, rightClass);
    }
    switch (leftClass) {
    case TOrderClass::Number:
        return CompareNumbers(left, right);
    case TOrderClass::Custom:
        return CompareCustoms(left, right);
    case TOrderClass::String:
        return CompareStrings(left, right);
    case TOrderClass::Array:
        return CompareArrays(left, right);
    default:
        return 0;
    }
}

bool VarSameValue(const Variant& left, const Variant& right) {
    return VarCompare(left, right) == 0;
}

} // namespace rtl
