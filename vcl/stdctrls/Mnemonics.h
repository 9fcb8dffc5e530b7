#pragma once
// Mnemonics: the character after a single "&" in a caption is underlined and, typed with Alt (or alone where the
// focused control does not want characters), acts on the control. "&&" shows one "&".

#include "rtl/text/StringTypes.h"

namespace vcl {

// Whether key is the mnemonic of caption, ignoring letter case.
bool IsAccel(char16_t key, rtl::UnicodeStringView caption);

} // namespace vcl
