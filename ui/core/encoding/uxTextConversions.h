#pragma once
// Small text conversions of the library: bytes to hexadecimal text and back, character sets of fonts to code pages,
// ANSI text of a given code page to UTF-16 and back, Variants to text, the 256-bit character sets of editors, and the
// test that tells whether a font's character set draws a text with its own rules.

#include "rtl/text/StringTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace rtl {
class Variant;
} // namespace rtl

namespace ui {

// Each byte as two upper-case hexadecimal digits, high nibble first.
rtl::AnsiString StringToHexText(std::string_view bytes);
rtl::AnsiString BufferToHexText(const void* buffer, size_t length);
// The bytes that pairs of hexadecimal digits (either case) give; a trailing odd digit is ignored. Anything but a digit
// raises EConvertError naming its position.
rtl::AnsiString HexTextToString(std::string_view text);
// The same for zero-terminated text; nullptr reads as empty.
rtl::AnsiString HexPCharToString(const char* text);

// A set of the characters 0 .. 255: bit c mod 32 of word c div 32.
using TuxCharSet = std::array<uint32_t, 8>;
// Characters beyond 255 are in no set.
bool IsCharInSet(char16_t c, const TuxCharSet& set);

// The code page of a font's character set (GB2312_CHARSET 134 -> 936, ...); 0, the system default code page, for any
// set without one of its own.
uint32_t CharsetToCodePage(uint8_t charset);

// The first length units of text (all of it when length is negative or beyond the text) converted from or to the code
// page (0: the process ANSI code page); empty text gives empty text. A code page the platform does not know raises
// EConvertError.
rtl::UnicodeString MultiByteToWideWithCodePage(std::string_view text, uint32_t codePage, int32_t length = -1);
rtl::AnsiString WideToMultiByteWithCodePage(rtl::UnicodeStringView text, uint32_t codePage, int32_t length = -1);

// A Variant as ANSI bytes: a byte array gives its bytes, an ANSI string itself, anything else its text through the
// ordinary conversion (which raises for what has none).
rtl::AnsiString VariantToAnsiString(const rtl::Variant& value);
// A string Variant's text; anything else as VariantToAnsiString gives it, read in the process ANSI code page.
rtl::UnicodeString VariantToWideString(const rtl::Variant& value);
// True for a string Variant or an array.
bool IsStringOrByteArrayVariant(const rtl::Variant& value);

// The text up to its first "|" (all of it without one).
rtl::UnicodeString TextBeforeBar(rtl::UnicodeStringView text);

// Whether a text in a font of the character set takes the drawing rules of Chinese and Arabic scripts: false for an
// empty text or one that begins with an ASCII character; otherwise true for GB2312 (134), Chinese Big5 (136) and
// Arabic (178). DEFAULT_CHARSET (1) stands for defaultCharset, the character set of the system's code page.
bool UsesSpecialCharset(uint8_t charset, rtl::UnicodeStringView text, uint8_t defaultCharset);

} // namespace ui
