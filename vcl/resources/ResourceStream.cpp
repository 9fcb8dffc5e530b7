#include "vcl/resources/ResourceStream.h"

#include "rtl/text/Format.h"
#include "vcl/system/Win32.h"

#include <cwctype>
#include <string>

namespace vcl {

namespace {

// GNU ld sorts the names of a resource directory that it merges from several objects by their lower-case letters,
// while the loader's binary search goes by the upper-case ones, so a name with "_" where another has a letter
// ("UI_ARROWBITMAP" against "UINAVIGATORBUTTONS") may stand where the search does not look. Such a resource is found by
// walking the module's resource directory instead.

bool EntryMatches(const uint8_t* root, const IMAGE_RESOURCE_DIRECTORY_ENTRY& entry, const wchar_t* key) {
    if (IS_INTRESOURCE(key)) {
        return !entry.NameIsString && entry.Id == reinterpret_cast<uintptr_t>(key);
    }
    if (!entry.NameIsString) {
        return false;
    }
    const auto* name = reinterpret_cast<const IMAGE_RESOURCE_DIR_STRING_U*>(root + entry.NameOffset);
    const size_t length = std::wcslen(key);
    if (name->Length != length) {
        return false;
    }
    for (size_t index = 0; index < length; ++index) {
        if (std::towupper(name->NameString[index]) != std::towupper(key[index])) {
            return false;
        }
    }
    return true;
}

// The entry of directory matching key; the first entry when key is null (any language).
const IMAGE_RESOURCE_DIRECTORY_ENTRY* FindDirectoryEntry(const uint8_t* root, const uint8_t* directory,
                                                         const wchar_t* key) {
    const auto* header = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY*>(directory);
    const auto* entries = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY_ENTRY*>(header + 1);
    const int count = header->NumberOfNamedEntries + header->NumberOfIdEntries;
    for (int index = 0; index < count; ++index) {
        if (key == nullptr || EntryMatches(root, entries[index], key)) {
            return &entries[index];
        }
    }
    return nullptr;
}

// The resource's memory and size, its language the first the directory lists; nullptr when there is none.
const void* WalkModuleResources(HMODULE module, const wchar_t* name, const wchar_t* type, uint32_t& size) {
    const auto* base = reinterpret_cast<const uint8_t*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& resources = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
    if (resources.VirtualAddress == 0) {
        return nullptr;
    }
    const uint8_t* root = base + resources.VirtualAddress;
    const wchar_t* const keys[] = {type, name, nullptr};
    const uint8_t* level = root;
    const IMAGE_RESOURCE_DIRECTORY_ENTRY* entry = nullptr;
    for (const wchar_t* key : keys) {
        if (level == nullptr || !(entry = FindDirectoryEntry(root, level, key))) {
            return nullptr;
        }
        level = entry->DataIsDirectory ? root + entry->OffsetToDirectory : nullptr;
    }
    if (entry->DataIsDirectory) {
        return nullptr;
    }
    const auto* data = reinterpret_cast<const IMAGE_RESOURCE_DATA_ENTRY*>(root + entry->OffsetToData);
    size = data->Size;
    return base + data->OffsetToData;
}

} // namespace

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
    const void* memory = loaded ? LockResource(loaded) : nullptr;
    uint32_t size = found ? SizeofResource(module, found) : 0;
    if (!memory) {
        memory = WalkModuleResources(module, AsWide(name), AsWide(type), size);
    }
    if (!memory) {
        throw EResNotFound(rtl::Format(VclMessages::ResourceNotFound, {shownName}));
    }
    SetPointer(const_cast<void*>(memory), size);
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
