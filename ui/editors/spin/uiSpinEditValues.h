#pragma once
// The value arithmetic of the spin editors (portable): a value is a 64-bit integer or a double by the editor's value
// type, held in a Variant of type varInt64 or varDouble. Here are the increments of the four step directions, the
// room left between a value and a bound, and the step that keeps a value inside MinValue..MaxValue by clamping it to
// the bound or by wrapping round to the other bound.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"

#include <cstdint>
#include <optional>

namespace rtl {
struct TFormatSettings;
} // namespace rtl

namespace ui {

enum TuiSpinEditValueType : uint8_t { vtInt, vtFloat };

// What a step past a bound does: nothing, stop at the bound, or wrap round to the other bound.
enum TuiSpinEditRangeMode : uint8_t { srmNone, srmClamp, srmWrap };

// The step directions, which are also the indexes of the spin buttons that step that way: down and up by Increment,
// fast down and fast up by LargeIncrement.
inline constexpr int32_t sedDown = 0;
inline constexpr int32_t sedUp = 1;
inline constexpr int32_t sedFastDown = 2;
inline constexpr int32_t sedFastUp = 3;

inline bool IsSpinUpDirection(int32_t direction) {
    return direction == sedUp || direction == sedFastUp;
}

// The largest magnitude a float value takes.
inline constexpr double SpinEditFloatLimit = 1.7E308;

// A number converted to the value type (an integer halves to even; one outside the 64-bit range raises
// EVariantOverflowError); anything else as it is.
rtl::Variant SpinValueAsType(const rtl::Variant& value, TuiSpinEditValueType valueType);
// As SpinValueAsType, but a float beyond the 64-bit range becomes the range's nearer end.
rtl::Variant SpinValueToType(const rtl::Variant& value, TuiSpinEditValueType valueType);
// A double as a value of the type: integers round to the nearest (halves to even) and saturate at the 64-bit range,
// so a bound beyond it stands at the range's end; not-a-number is 0.
rtl::Variant SpinDoubleAsValueType(double value, TuiSpinEditValueType valueType);
// The smallest or the largest value of the type.
rtl::Variant SpinTypeLimit(TuiSpinEditValueType valueType, bool upper);
// The step of a direction (sedDown..sedFastUp) as a value of the type; any other direction raises EuxException
// "TuiCustomSpinEditProperties.GetIncrement fails".
rtl::Variant SpinIncrement(int32_t direction, double increment, double largeIncrement, TuiSpinEditValueType valueType);
// The number a text stands for: a float in the settings' decimal separator within the float limits, or a 64-bit
// integer; false leaves value as it was.
bool SpinTextToValue(rtl::UnicodeStringView text, TuiSpinEditValueType valueType, rtl::Variant& value,
                     const rtl::TFormatSettings& settings);

// The range a spin editor keeps its value in: the bounds that are set, the type's limits for those that are not, and
// what a step past them does.
class TuiSpinEditRange {
public:
    TuiSpinEditRange(TuiSpinEditValueType valueType, std::optional<double> minValue, std::optional<double> maxValue,
                     TuiSpinEditRangeMode mode);

    TuiSpinEditValueType ValueType() const { return FValueType; }
    TuiSpinEditRangeMode Mode() const { return FMode; }
    const rtl::Variant& MinValue() const { return FMin; }
    const rtl::Variant& MaxValue() const { return FMax; }

    // The value (of the type) lies below the lower or above the upper end of the range.
    bool IsBelow(const rtl::Variant& value) const;
    bool IsAbove(const rtl::Variant& value) const;
    // bound - value for the upper or the lower end, saturated at the type's limits.
    rtl::Variant RoomToBound(const rtl::Variant& value, bool upper) const;
    // value + increment when that stays in the range; otherwise by the mode: false and no change, the bound passed,
    // or the value wrapped round once past the other bound, landing on that other bound when a step wider than the
    // range would still leave it outside.
    bool IncrementValue(rtl::Variant& value, const rtl::Variant& increment) const;
    // The value a step in the direction gives: a value below the range goes up to its lower end and, wrapping, down
    // to its upper end; a value above it likewise; otherwise IncrementValue. False when the value stays.
    bool StepValue(int32_t direction, rtl::Variant& value, const rtl::Variant& increment) const;
    // A number (as SpinValueToType makes it) below a set lower bound becomes it, otherwise one above a set upper
    // bound becomes that.
    rtl::Variant ClampToRange(const rtl::Variant& value) const;
    // 0 of the type, clamped.
    rtl::Variant ClampedZero() const;

private:
    TuiSpinEditValueType FValueType;
    TuiSpinEditRangeMode FMode;
    bool FHasMin;
    bool FHasMax;
    rtl::Variant FMin;
    rtl::Variant FMax;
};

} // namespace ui
