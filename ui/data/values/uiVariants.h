#pragma once
// The one ordering of Variants that sorting, grouping, searching, filtering and summaries share, an equality that
// takes a Boolean for the text that shows it, type tests, and the small Variant arrays of filter ranges and lists.
//
// The ordering is the runtime's total order (rtl/variants/VariantCompare.h): Empty first, then Null, then numbers by
// value, then texts by their ANSI bytes (case-sensitive), then arrays. A text never converts to meet a number: every
// number comes before every text, in both orders of the arguments.

#include "rtl/variants/Variant.h"

namespace ui {

// Negative, 0 or positive.
int CompareVariants(const rtl::Variant& a, const rtl::Variant& b);
// The array branch: an array after a scalar, then the shorter array first (the difference of the counts), then the
// first element that differs.
int CompareVariantArrays(const rtl::Variant& a, const rtl::Variant& b);
// The scalar branch: -1, 0 or 1.
int CompareScalarVariants(const rtl::Variant& a, const rtl::Variant& b);
bool VariantsCompareEqual(const rtl::Variant& a, const rtl::Variant& b);
// As VariantsCompareEqual, but a Boolean meets anything but Null as text: true equals "True", not "true".
bool VariantsEqual(const rtl::Variant& a, const rtl::Variant& b);

// Dates: varDate and the SQL time stamp.
bool IsDateVarType(rtl::TVarType varType);
bool IsDateVariant(const rtl::Variant& value);
// The integer kinds, Single, Double, Currency, Boolean and the BCD decimal.
bool IsNumericVariant(const rtl::Variant& value);
// Currency and the BCD decimal.
bool IsCurrencyVarType(rtl::TVarType varType);
// Null, or an empty ANSI or UTF-16 string (not Empty, 0 or false).
bool IsBlankVariant(const rtl::Variant& value);

// Zero-based arrays of Variants: [low, high], [value], and arr with value appended (a scalar arr counts as an empty
// array).
rtl::Variant MakeRangeVariant(const rtl::Variant& low, const rtl::Variant& high);
rtl::Variant MakeSingleItemArray(const rtl::Variant& value);
void AppendToVariantArray(rtl::Variant& arr, const rtl::Variant& value);

} // namespace ui
