#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"

namespace rtl::detail {

void PlatformUpperCaseUnits(char16_t* text, size_t length) {
    CharUpperBuffW(reinterpret_cast<wchar_t*>(text), static_cast<DWORD>(length));
}

void PlatformLowerCaseUnits(char16_t* text, size_t length) {
    CharLowerBuffW(reinterpret_cast<wchar_t*>(text), static_cast<DWORD>(length));
}

} // namespace rtl::detail
