#pragma once
// Turning the bytes of an XML part into UTF-16 text. Character data and attribute values are decoded (references
// replaced, UTF-8 converted); names are widened byte by byte, so that they compare and hash as the bytes they are.

#include "rtl/text/StringTypes.h"

#include <string_view>

namespace xls {

// A CDATA section: its content stands as written, in text that is otherwise decoded.
inline constexpr std::string_view XpgCDataOpener = "<![CDATA[";
inline constexpr std::string_view XpgCDataCloser = "]]>";

// Decodes character data or an attribute value as written into target (its capacity is reused): the five
// predefined entities and decimal and hexadecimal character references are replaced, CDATA sections are taken as
// they stand, a CR LF pair or a lone CR becomes LF (but "&#13;" a CR), and UTF-8 becomes UTF-16 (each byte of a
// malformed sequence gives U+FFFD). An "&" that no ";" closes
// within a reference's length stays as written. Raises rtl::Exception for an unknown entity or for a character
// reference to no character.
void XpgDecodeText(std::string_view bytes, rtl::UnicodeString& target);

// Widens each byte into the code unit of the same value.
void XpgWidenBytes(std::string_view bytes, rtl::UnicodeString& target);

} // namespace xls
