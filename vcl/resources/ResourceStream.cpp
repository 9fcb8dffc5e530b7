#include "vcl/resources/ResourceStream.h"

#include "rtl/text/Format.h"
#include "vcl/system/Win32.h"

#include <string>

namespace vcl {

TResourceStream::TResourceStream(HINSTANCE instance, rtl::UnicodeStringView name, const char16_t* type) {
    const rtl::UnicodeString terminated(name);
    Initialize(instance, terminated.c_str(), type, terminated);
}

TResourceStream::TResourceStream(HINSTANCE instance, uint16_t id, const char16_t* type) {
    const rtl::UnicodeString shown = u"#" + rtl::UnicodeString(AsUtf16(std::to_wstring(id).c_str()));
    Initialize(instance, AsUtf16(MAKEINTRESOURCEW(id)), type, shown);
}

void TResourceStream::Initialize(HINSTANCE instance, const char16_t* name, const char16_t* type,
                                 rtl::UnicodeStringView shownName) {
    HMODULE module = instance ? instance : GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, AsWide(name), AsWide(type));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    void* memory = loaded ? LockResource(loaded) : nullptr;
    if (!memory) {
        throw EResNotFound(rtl::Format(VclMessages::ResourceNotFound, {shownName}));
    }
    SetPointer(memory, SizeofResource(module, found));
}

int32_t TResourceStream::Write(const void*, int32_t) {
    throw rtl::EStreamError(u"Cannot write to a resource stream");
}

rtl::UnicodeString LoadStr(uint32_t id) {
    const wchar_t* text = nullptr;
    // With no buffer, LoadStringW gives the string inside the module's table (not terminated) and its length.
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? rtl::UnicodeString(AsUtf16(text), static_cast<size_t>(length)) : rtl::UnicodeString();
}

rtl::UnicodeString LoadResString(uint32_t id) {
    const wchar_t* text = nullptr;
    if (LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0) <= 0) {
        const rtl::UnicodeString shown = u"#" + rtl::UnicodeString(AsUtf16(std::to_wstring(id).c_str()));
        throw EResNotFound(rtl::Format(VclMessages::ResourceNotFound, {shown}));
    }
    return LoadStr(id);
}

} // namespace vcl
