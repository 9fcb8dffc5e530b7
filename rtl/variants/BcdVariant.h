#pragma once
// The BCD decimal as a custom Variant type ("FMTBcd"), registered on first use. It is numeric: it orders by value
// against other numbers, converts to text with the process-wide settings (BcdToStr) and to the other standard types
// through that text, so no digit is lost on the way to an integer or a currency amount; a date goes through Double.

#include "rtl/numbers/Bcd.h"
#include "rtl/variants/Variant.h"

namespace rtl {

// The type code of BCD Variants.
TVarType VarFMTBcd();
Variant VarFMTBcdCreate(const TBcd& value);
bool VarIsFMTBcd(const Variant& value);
// Any Variant as a BCD value, converted as VarAsType(value, VarFMTBcd()) converts it.
TBcd VarToBcd(const Variant& value);

} // namespace rtl
