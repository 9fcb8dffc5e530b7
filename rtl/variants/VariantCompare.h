#pragma once
// The ordering of Variants that sorting, grouping, searching and filtering share. It is a total order of keys: every
// Variant has its place whatever kinds meet, no cycle can form, so a sort on it always ends and stays in bounds.
// - Empty comes first, then Null, then numbers, then other custom values, then strings, then arrays.
// - Numbers (the integer kinds, Boolean as 0 and 1, Single, Double, Currency, Date, numeric custom types such as BCD)
//   order by value, a floating-point value as the shortest decimal that gives it back: 0.1, 0.1f, the currency
//   amount 0.1 and the BCD 0.1 are equal. Not-a-number comes before every other number.
// - Strings order by their characters, case-sensitive and without locale rules: by their bytes in the process ANSI
//   code page (two ANSI strings byte by byte), and texts with the same ANSI form by UTF-16 code unit, so texts that
//   differ outside the code page never count as equal.
// - A string is never equal to a number: "12" and 12 are different kinds. Convert first (VarAsType) to compare
//   values of different kinds by value.
// - Custom values that are not numbers order by type code, then by their type's own comparison.
// - Arrays: the one with fewer elements first, then element by element.

#include "rtl/variants/Variant.h"

namespace rtl {

// -1, 0 or 1.
int VarCompare(const Variant& left, const Variant& right);
// VarCompare(left, right) == 0: Null equals Null, 1 equals 1.0.
bool VarSameValue(const Variant& left, const Variant& right);

} // namespace rtl
