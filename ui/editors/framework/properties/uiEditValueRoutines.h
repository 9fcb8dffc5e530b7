#pragma once
// Small value routines the editors share: equality of Variants that also asks for the same type or the same kind
// (the check box keeps its three values apart by type, so that Integer 1 and Boolean True stay two values), and the
// characters that count as white space between words.

#include "rtl/variants/Variant.h"

namespace ui {

// The same Variant type and equal by the data layer's VariantsEqual.
bool VariantsEqualSameType(const rtl::Variant& a, const rtl::Variant& b);
// Both numeric or of the same Variant type, and equal by VariantsEqual: Integer 1 equals Double 1 by kind.
bool VariantsEqualSameKind(const rtl::Variant& a, const rtl::Variant& b);
// NUL, Tab, line feed, form feed, carriage return and the space.
bool IsSpaceChar(char16_t ch);

} // namespace ui
