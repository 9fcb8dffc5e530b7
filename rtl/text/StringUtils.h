#pragma once
// String helpers: the two kinds of case mapping, comparison, trimming, searching, replacing, splitting and joining.
// Positions are 0-based; a search that finds nothing returns -1.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace rtl {

// '0' to '9' only: whole UTF-16 characters, so full-width and other digits are not taken for ASCII ones.
constexpr bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// ASCII-only case mapping: only 'A' to 'Z' and 'a' to 'z' change.
UnicodeString UpperCase(UnicodeStringView text);
UnicodeString LowerCase(UnicodeStringView text);
AnsiString UpperCase(std::string_view text);
AnsiString LowerCase(std::string_view text);

// Full UTF-16 case mapping of every character that has a case, for comparing names case-insensitively
// (Chinese, Greek, Cyrillic, accented Latin...).
UnicodeString WideUpperCase(UnicodeStringView text);
UnicodeString WideLowerCase(UnicodeStringView text);

// Ordinal comparisons giving <0, 0 or >0. CompareText ignores ASCII case only; WideCompareText ignores all case.
int CompareStr(UnicodeStringView a, UnicodeStringView b);
int CompareText(UnicodeStringView a, UnicodeStringView b);
int WideCompareText(UnicodeStringView a, UnicodeStringView b);
bool SameText(UnicodeStringView a, UnicodeStringView b);
bool WideSameText(UnicodeStringView a, UnicodeStringView b);

// Trimming removes spaces and control characters (every character up to ' ').
UnicodeString Trim(UnicodeStringView text);
UnicodeString TrimLeft(UnicodeStringView text);
UnicodeString TrimRight(UnicodeStringView text);
AnsiString Trim(std::string_view text);
AnsiString TrimLeft(std::string_view text);
AnsiString TrimRight(std::string_view text);

// Position of the first occurrence of pattern in text at or after start, or -1.
int32_t Pos(UnicodeStringView pattern, UnicodeStringView text, int32_t start = 0);
// Position of the last character of text that is one of delimiters, or -1.
int32_t LastDelimiter(UnicodeStringView delimiters, UnicodeStringView text);
bool StartsText(UnicodeStringView prefix, UnicodeStringView text);
bool EndsText(UnicodeStringView suffix, UnicodeStringView text);

enum class TReplaceFlag : uint8_t { rfReplaceAll = 1, rfIgnoreCase = 2 };
constexpr TReplaceFlag operator|(TReplaceFlag a, TReplaceFlag b) {
    return static_cast<TReplaceFlag>(static_cast<uint8_t>(a) | static_cast<uint8_t>(b));
}
// Replaces the first (or, with rfReplaceAll, every) occurrence of pattern; rfIgnoreCase matches with full case folding.
UnicodeString StringReplace(UnicodeStringView text, UnicodeStringView pattern, UnicodeStringView replacement,
                            TReplaceFlag flags);

std::vector<UnicodeString> SplitString(UnicodeStringView text, char16_t delimiter);
UnicodeString JoinStrings(const std::vector<UnicodeString>& parts, UnicodeStringView separator);

// Literal UTF-16 text from UTF-8 source text, for messages built at run time.
UnicodeString U16(std::string_view utf8);

namespace detail {
// Maps each UTF-16 unit through the platform's case tables; surrogates are left alone.
void PlatformUpperCaseUnits(char16_t* text, size_t length);
void PlatformLowerCaseUnits(char16_t* text, size_t length);
} // namespace detail

} // namespace rtl
