#pragma once
// Whether a text survives being written in a code page, and in an XML 1.0 document: a code page that has no bytes
// for a character would write another one ('?' or a look-alike), and XML 1.0 forbids most control characters.

#include "rtl/text/StringTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace app {

// The index of the first character of text that the code page cannot hold (a round trip through its bytes changes
// it; an unpaired surrogate never survives), or npos.
size_t FindCharacterNotInCodePage(rtl::UnicodeStringView text, uint32_t codePage);
// The index of the first character that an XML 1.0 document in the code page cannot hold: a control character other
// than tab, line feed and carriage return, U+FFFE, U+FFFF, or one that FindCharacterNotInCodePage finds; or npos.
size_t FindCharacterNotInXml(rtl::UnicodeStringView text, uint32_t codePage);
// The character at index as "U+" and four to six hexadecimal digits (a surrogate pair as the one character it is).
rtl::UnicodeString CharacterCode(rtl::UnicodeStringView text, size_t index);
// text in the code page's bytes; raises rtl::EConvertError naming the first character the code page cannot hold.
std::string EncodeExactly(rtl::UnicodeStringView text, uint32_t codePage);

} // namespace app
