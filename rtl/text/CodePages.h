#pragma once
// Conversions between UTF-16, UTF-8 and the byte strings of ANSI code pages. Conversions into a code page are lossy the
// way Windows makes them: a character the code page cannot hold becomes '?'.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace rtl {

// Code page numbers as Windows numbers them; cpProcessAnsi stands for the process ANSI code page.
inline constexpr uint32_t cpProcessAnsi = 0;
inline constexpr uint32_t cpWesternEuropean = 1252;
inline constexpr uint32_t cpSimplifiedChinese = 936;
inline constexpr uint32_t cpMacRoman = 10000;
inline constexpr uint32_t cpGB18030 = 54936;
inline constexpr uint32_t cpUtf8 = 65001;

// The process ANSI code page: GetACP() on Windows; elsewhere taken from the locale's character set (UTF-8 by default).
uint32_t ProcessAnsiCodePage();

UnicodeString AnsiToUnicode(std::string_view text, uint32_t codePage = cpProcessAnsi);
AnsiString UnicodeToAnsi(UnicodeStringView text, uint32_t codePage = cpProcessAnsi);

// How many UTF-16 units of text, from its start, hold whole characters whose bytes in the code page add up to at
// most maxBytes: where a limit counts bytes, a double-byte character that does not fit is left out whole.
size_t AnsiFittingLength(UnicodeStringView text, size_t maxBytes, uint32_t codePage = cpProcessAnsi);

// Malformed input (a lone surrogate, an invalid UTF-8 sequence) becomes U+FFFD.
UnicodeString Utf8ToUnicode(std::string_view text);
std::string UnicodeToUtf8(UnicodeStringView text);

namespace detail {
// Platform conversions for code pages other than UTF-8; codePage is never cpProcessAnsi here.
UnicodeString PlatformAnsiToUnicode(std::string_view text, uint32_t codePage);
AnsiString PlatformUnicodeToAnsi(UnicodeStringView text, uint32_t codePage);
} // namespace detail

} // namespace rtl
