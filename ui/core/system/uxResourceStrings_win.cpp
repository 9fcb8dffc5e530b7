#include "rtl/WindowsApi.h"
#include "ui/core/system/uxResourceStrings.h"

namespace ui {

rtl::UnicodeString LoadResStringText(const TuxResourceString& record) {
    // With a length of 0, LoadStringW hands out a pointer to the resource's own text and its length.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), record.Id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return {};
    }
    return rtl::UnicodeString(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
}

} // namespace ui
