#include "vcl/stdctrls/Mnemonics.h"

#include "vcl/system/Win32.h"

namespace vcl {

namespace {

char16_t UpperCaseOf(char16_t character) {
    wchar_t buffer[1] = {static_cast<wchar_t>(character)};
    CharUpperBuffW(buffer, 1);
    return static_cast<char16_t>(buffer[0]);
}

} // namespace

bool IsAccel(char16_t key, rtl::UnicodeStringView caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') {
            continue;
        }
        ++i;
        if (caption[i] != u'&') {
            return UpperCaseOf(caption[i]) == UpperCaseOf(key);
        }
    }
    return false;
}

} // namespace vcl
