#include "ui/editors/spin/uiSpinEditValues.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/numbers/Rounding.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/objects/uxException.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

namespace {

// 2^63: the first double above the 64-bit integers.
constexpr double Int64Bound = 9223372036854775808.0;

template <class T>
T NumberOf(const rtl::Variant& value) {
    if constexpr (std::is_same_v<T, int64_t>) {
        return rtl::VarToInt64(value);
    } else {
        return rtl::VarToDouble(value);
    }
}

template <class T>
T LimitOf(bool upper) {
    if constexpr (std::is_same_v<T, int64_t>) {
        return upper ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    } else {
        return upper ? SpinEditFloatLimit : -SpinEditFloatLimit;
    }
}

// bound - value, saturated at the type's limits.
template <class T>
T SaturatedDifference(T bound, T value) {
    if constexpr (std::is_same_v<T, int64_t>) {
        int64_t difference = 0;
        if (__builtin_sub_overflow(bound, value, &difference)) {
            return LimitOf<int64_t>(bound > value);
        }
        return difference;
    } else {
        return std::clamp(bound - value, LimitOf<double>(false), LimitOf<double>(true));
    }
}

// A step that passed the range by more than it holds lands on the other bound rather than outside.
int64_t WrappedInteger(int64_t increment, int64_t lowRoom, int64_t highRoom, int64_t minimum, int64_t maximum) {
    // Unsigned differences are exact here: each is of two values in order.
    const uint64_t span = static_cast<uint64_t>(maximum) - static_cast<uint64_t>(minimum);
    if (increment < lowRoom) {
        const uint64_t beyond = static_cast<uint64_t>(lowRoom) - static_cast<uint64_t>(increment) - 1;
        return beyond <= span ? static_cast<int64_t>(static_cast<uint64_t>(maximum) - beyond) : maximum;
    }
    const uint64_t beyond = static_cast<uint64_t>(increment) - static_cast<uint64_t>(highRoom) - 1;
    return beyond <= span ? static_cast<int64_t>(static_cast<uint64_t>(minimum) + beyond) : minimum;
}

double WrappedFloat(double value, double increment, double lowRoom, double minimum, double maximum) {
    if (increment < lowRoom) {
        const double wrapped = maximum + increment + 1 - lowRoom;
        return wrapped >= minimum && wrapped <= maximum ? wrapped : maximum;
    }
    const double highRoom = maximum - value;
    const double wrapped = minimum + increment - 1 - highRoom;
    return wrapped >= minimum && wrapped <= maximum ? wrapped : minimum;
}

template <class T>
bool IncrementAs(rtl::Variant& value, const rtl::Variant& increment, const TuiSpinEditRange& range) {
    const T current = NumberOf<T>(value);
    const T step = NumberOf<T>(SpinValueAsType(increment, range.ValueType()));
    const T minimum = NumberOf<T>(range.MinValue());
    const T maximum = NumberOf<T>(range.MaxValue());
    const T lowRoom = SaturatedDifference(minimum, current);
    const T highRoom = SaturatedDifference(maximum, current);
    if (lowRoom <= step && step <= highRoom) {
        value = rtl::Variant(static_cast<T>(current + step));
        return true;
    }
    switch (range.Mode()) {
    case srmNone:
        return false;
    case srmClamp:
        value = step < lowRoom ? range.MinValue() : range.MaxValue();
        return true;
    case srmWrap:
        break;
    }
    if constexpr (std::is_same_v<T, int64_t>) {
        value = rtl::Variant(WrappedInteger(step, lowRoom, highRoom, minimum, maximum));
    } else {
        value = rtl::Variant(WrappedFloat(current, step, lowRoom, minimum, maximum));
    }
    return true;
}

template <class T>
bool IsLess(const rtl::Variant& left, const rtl::Variant& right) {
    return NumberOf<T>(left) < NumberOf<T>(right);
}

} // namespace

rtl::Variant SpinValueAsType(const rtl::Variant& value, TuiSpinEditValueType valueType) {
    if (!rtl::VarIsNumeric(value)) {
        return value;
    }
    return rtl::VarAsType(value, valueType == vtInt ? rtl::varInt64 : rtl::varDouble);
}

rtl::Variant SpinValueToType(const rtl::Variant& value, TuiSpinEditValueType valueType) {
    const rtl::TVarType varType = value.VarType();
    const bool fractional = varType == rtl::varSingle || varType == rtl::varDouble || varType == rtl::varCurrency;
    if (valueType == vtInt && fractional) {
        return SpinDoubleAsValueType(rtl::VarToDouble(value), vtInt);
    }
    return SpinValueAsType(value, valueType);
}

rtl::Variant SpinDoubleAsValueType(double value, TuiSpinEditValueType valueType) {
    if (valueType == vtFloat) {
        return rtl::Variant(value);
    }
    if (std::isnan(value)) {
        return rtl::Variant(int64_t{0});
    }
    const long double whole = rtl::RoundToWhole(value);
    if (whole >= Int64Bound) {
        return rtl::Variant(std::numeric_limits<int64_t>::max());
    }
    if (whole < -Int64Bound) {
        return rtl::Variant(std::numeric_limits<int64_t>::min());
    }
    return rtl::Variant(static_cast<int64_t>(whole));
}

rtl::Variant SpinTypeLimit(TuiSpinEditValueType valueType, bool upper) {
    return valueType == vtInt ? rtl::Variant(LimitOf<int64_t>(upper)) : rtl::Variant(LimitOf<double>(upper));
}

rtl::Variant SpinIncrement(int32_t direction, double increment, double largeIncrement, TuiSpinEditValueType valueType) {
    switch (direction) {
    case sedDown:
        return SpinDoubleAsValueType(-increment, valueType);
    case sedUp:
        return SpinDoubleAsValueType(increment, valueType);
    case sedFastDown:
        return SpinDoubleAsValueType(-largeIncrement, valueType);
    case sedFastUp:
        return SpinDoubleAsValueType(largeIncrement, valueType);
    default:
        throw EuxException(u"TuiCustomSpinEditProperties.GetIncrement fails");
    }
}

bool SpinTextToValue(rtl::UnicodeStringView text, TuiSpinEditValueType valueType, rtl::Variant& value,
                     const rtl::TFormatSettings& settings) {
    if (valueType == vtInt) {
        int64_t number = 0;
        if (!rtl::TryStrToInt64(text, number)) {
            return false;
        }
        value = rtl::Variant(number);
        return true;
    }
    double number = 0;
    if (!rtl::TryStrToFloat(text, number, settings) || std::fabs(number) > SpinEditFloatLimit) {
        return false;
    }
    value = rtl::Variant(number);
    return true;
}

TuiSpinEditRange::TuiSpinEditRange(TuiSpinEditValueType valueType, std::optional<double> minValue,
                                   std::optional<double> maxValue, TuiSpinEditRangeMode mode)
    : FValueType(valueType), FMode(mode), FHasMin(minValue.has_value()), FHasMax(maxValue.has_value()),
      FMin(minValue ? SpinDoubleAsValueType(*minValue, valueType) : SpinTypeLimit(valueType, false)),
      FMax(maxValue ? SpinDoubleAsValueType(*maxValue, valueType) : SpinTypeLimit(valueType, true)) {}

bool TuiSpinEditRange::IsBelow(const rtl::Variant& value) const {
    return FValueType == vtInt ? IsLess<int64_t>(value, FMin) : IsLess<double>(value, FMin);
}

bool TuiSpinEditRange::IsAbove(const rtl::Variant& value) const {
    return FValueType == vtInt ? IsLess<int64_t>(FMax, value) : IsLess<double>(FMax, value);
}

rtl::Variant TuiSpinEditRange::RoomToBound(const rtl::Variant& value, bool upper) const {
    const rtl::Variant& bound = upper ? FMax : FMin;
    if (FValueType == vtInt) {
        return rtl::Variant(SaturatedDifference(NumberOf<int64_t>(bound), NumberOf<int64_t>(value)));
    }
    return rtl::Variant(SaturatedDifference(NumberOf<double>(bound), NumberOf<double>(value)));
}

bool TuiSpinEditRange::IncrementValue(rtl::Variant& value, const rtl::Variant& increment) const {
    value = SpinValueAsType(value, FValueType);
    return FValueType == vtInt ? IncrementAs<int64_t>(value, increment, *this)
                               : IncrementAs<double>(value, increment, *this);
}

bool TuiSpinEditRange::StepValue(int32_t direction, rtl::Variant& value, const rtl::Variant& increment) const {
    value = SpinValueAsType(value, FValueType);
    const bool up = IsSpinUpDirection(direction);
    if (IsBelow(value)) {
        if (!up && FMode != srmWrap) {
            return false;
        }
        value = up ? FMin : FMax;
        return true;
    }
    if (IsAbove(value)) {
        if (up && FMode != srmWrap) {
            return false;
        }
        value = up ? FMin : FMax;
        return true;
    }
    return IncrementValue(value, increment);
}

rtl::Variant TuiSpinEditRange::ClampToRange(const rtl::Variant& value) const {
    if (!rtl::VarIsNumeric(value)) {
        return value;
    }
    const rtl::Variant typed = SpinValueToType(value, FValueType);
    if (FHasMin && IsBelow(typed)) {
        return FMin;
    }
    if (FHasMax && IsAbove(typed)) {
        return FMax;
    }
    return typed;
}

rtl::Variant TuiSpinEditRange::ClampedZero() const {
    return ClampToRange(SpinDoubleAsValueType(0, FValueType));
}

} // namespace ui
