#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <string>

namespace rtl {

namespace {

[[noreturn]] void RaiseUnsupported(uint32_t codePage) {
    throw EConvertError(Utf8ToUnicode("Code page " + std::to_string(codePage) + " is not supported"));
}

} // namespace

uint32_t ProcessAnsiCodePage() {
    return GetACP();
}

namespace detail {

UnicodeString PlatformAnsiToUnicode(std::string_view text, uint32_t codePage) {
    if (text.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length == 0) {
        RaiseUnsupported(codePage);
    }
    UnicodeString result(length, u'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(result.data()), length);
    return result;
}

AnsiString PlatformUnicodeToAnsi(UnicodeStringView text, uint32_t codePage) {
    if (text.empty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, 0, wide, size, nullptr, 0, nullptr, nullptr);
    if (length == 0) {
        RaiseUnsupported(codePage);
    }
    AnsiString result(length, '\0');
    WideCharToMultiByte(codePage, 0, wide, size, result.data(), length, nullptr, nullptr);
    return result;
}

} // namespace detail

} // namespace rtl
