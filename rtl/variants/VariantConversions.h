#pragma once
// Conversions of Variants: between the type codes (VarAsType) and into C++ values (the VarTo functions).
//
// The rules, the runtime's own for every target type:
// - Empty converts to 0, false, the empty string and the zero date; Null converts to nothing but Null and Empty and
//   raises EVariantTypeCastError otherwise (VarToStr alone reads Null as the empty string).
// - Numbers round to integers halves to even; a value outside the target's range raises EVariantOverflowError.
// - Booleans are the numbers 0 and 1, and read and write as the texts "True" and "False" (either case on reading).
// - Text converts to numbers, currency amounts and dates through the process-wide format settings; text that is no
//   such value raises EVariantTypeCastError. Numbers become text as FloatToStr (15 significant digits), Single values
//   with 7, currency amounts as CurrToStr, dates as DateTimeToStr.
// - UTF-16 and ANSI strings convert through the process ANSI code page; only that road loses characters.
// - Arrays convert only to their own type; custom types convert through their type object.

#include "rtl/numbers/Currency.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "rtl/variants/Variant.h"

#include <cstdint>

namespace rtl {

// The value as a Variant of type `varType`; varEmpty and varNull give Empty and Null from anything. An array code other
// than the value's own, or a code no Variant takes, raises EVariantBadVarTypeError.
Variant VarAsType(const Variant& value, TVarType varType);

// Null and Empty give the empty string.
UnicodeString VarToStr(const Variant& value);
AnsiString VarToAnsiStr(const Variant& value);
int32_t VarToInteger(const Variant& value);
int64_t VarToInt64(const Variant& value);
double VarToDouble(const Variant& value);
Currency VarToCurrency(const Variant& value);
TDateTime VarToDateTime(const Variant& value);
bool VarToBoolean(const Variant& value);

namespace detail {
// Raise EVariantTypeCastError and EVariantOverflowError with the messages that name both types.
[[noreturn]] void RaiseVariantCastError(TVarType source, TVarType target);
[[noreturn]] void RaiseVariantOverflow(TVarType source, TVarType target);
// The value of a Variant of a standard number kind (the integers, Boolean, Single, Double, Currency, Date); exact for
// the integer kinds, which the 64-bit mantissa of a long double holds whole.
long double VarNumberValue(const Variant& value);
// Text converted to the standard type `target` as a string Variant converts, the messages naming `sourceType`; for
// custom types that go through their text.
Variant CastText(const UnicodeString& text, TVarType sourceType, TVarType target);
} // namespace detail

} // namespace rtl
