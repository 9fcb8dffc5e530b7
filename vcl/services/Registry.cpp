#include "vcl/services/Registry.h"

#include "rtl/text/Format.h"
#include "vcl/system/Win32.h"

#include <iterator>
#include <vector>

namespace vcl {

namespace {

constexpr uint32_t RegistryViewFlags = KEY_WOW64_64KEY | KEY_WOW64_32KEY;

const wchar_t* WideOf(const rtl::UnicodeString& text) {
    return AsWide(text.c_str());
}

rtl::UnicodeString WithoutTrailingDelimiters(rtl::UnicodeStringView path) {
    while (!path.empty() && path.back() == u'\\') {
        path.remove_suffix(1);
    }
    return rtl::UnicodeString(path);
}

[[noreturn]] void RaiseRegistryError(const char16_t* message, rtl::UnicodeStringView name) {
    throw ERegistryException(rtl::Format(message, {name}));
}

} // namespace

TRegistry::TRegistry() : TRegistry(KEY_ALL_ACCESS) {}

TRegistry::TRegistry(uint32_t access) : FRootKey(HKEY_CURRENT_USER), FAccess(access) {}

TRegistry::~TRegistry() {
    CloseKey();
}

void TRegistry::SetRootKey(HKEY value) {
    CloseKey();
    FRootKey = value;
}

void TRegistry::CloseKey() {
    if (FCurrentKey) {
        RegCloseKey(FCurrentKey);
        FCurrentKey = nullptr;
    }
    FCurrentPath.clear();
}

// A path starting with "\" goes from the root; any other from the key open now, or from the root when none is.
TRegistry::TKeyPath TRegistry::ResolveKey(rtl::UnicodeStringView key) const {
    if (!key.empty() && key.front() == u'\\') {
        const rtl::UnicodeString fromRoot = WithoutTrailingDelimiters(key.substr(1));
        return {FRootKey, fromRoot, fromRoot};
    }
    const rtl::UnicodeString relative = WithoutTrailingDelimiters(key);
    if (!FCurrentKey) {
        return {FRootKey, relative, relative};
    }
    const bool joined = !FCurrentPath.empty() && !relative.empty();
    return {FCurrentKey, relative, joined ? FCurrentPath + u'\\' + relative : FCurrentPath + relative};
}

bool TRegistry::Open(rtl::UnicodeStringView key, uint32_t access, bool canCreate) {
    const TKeyPath path = ResolveKey(key);
    HKEY opened = nullptr;
    const LSTATUS status = canCreate ? RegCreateKeyExW(path.Base, WideOf(path.Relative), 0, nullptr,
                                                       REG_OPTION_NON_VOLATILE, access, nullptr, &opened, nullptr)
                                     : RegOpenKeyExW(path.Base, WideOf(path.Relative), 0, access, &opened);
    if (status != ERROR_SUCCESS) {
        return false;
    }
    CloseKey();
    FCurrentKey = opened;
    FCurrentPath = path.FromRoot;
    return true;
}

bool TRegistry::OpenKey(rtl::UnicodeStringView key, bool canCreate) {
    return Open(key, FAccess, canCreate);
}

uint32_t TRegistry::ReadAccess() const {
    return KEY_READ | (FAccess & RegistryViewFlags);
}

bool TRegistry::OpenKeyReadOnly(rtl::UnicodeStringView key) {
    return Open(key, ReadAccess(), false);
}

bool TRegistry::KeyExists(rtl::UnicodeStringView key) {
    const TKeyPath path = ResolveKey(key);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(path.Base, WideOf(path.Relative), 0, ReadAccess(), &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

HKEY TRegistry::RequireKey(rtl::UnicodeStringView name) const {
    if (!FCurrentKey) {
        RaiseRegistryError(VclMessages::RegistryNoKeyOpen, name);
    }
    return FCurrentKey;
}

std::vector<rtl::UnicodeString> TRegistry::GetKeyNames() const {
    std::vector<rtl::UnicodeString> names;
    // A key name holds at most 255 characters.
    wchar_t name[256];
    for (DWORD index = 0; FCurrentKey; ++index) {
        DWORD length = std::size(name);
        if (RegEnumKeyExW(FCurrentKey, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(AsUtf16(name), length);
    }
    return names;
}

bool TRegistry::ValueExists(rtl::UnicodeStringView name) const {
    if (!FCurrentKey) {
        return false;
    }
    const rtl::UnicodeString nameZ(name);
    return RegQueryValueExW(FCurrentKey, WideOf(nameZ), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

rtl::UnicodeString TRegistry::ReadString(rtl::UnicodeStringView name) const {
    HKEY key = RequireKey(name);
    const rtl::UnicodeString nameZ(name);
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, WideOf(nameZ), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND) {
        return {};
    }
    // The value may grow between asking its size and reading it.
    std::vector<wchar_t> buffer;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            RaiseRegistryError(VclMessages::RegistryInvalidDataType, name);
        }
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, WideOf(nameZ), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_SUCCESS) {
            rtl::UnicodeString text(AsUtf16(buffer.data()), size / sizeof(wchar_t));
            while (!text.empty() && text.back() == u'\0') {
                text.pop_back();
            }
            return text;
        }
    }
    RaiseRegistryError(VclMessages::RegistryGetDataError, name);
}

int32_t TRegistry::ReadInteger(rtl::UnicodeStringView name) const {
    HKEY key = RequireKey(name);
    const rtl::UnicodeString nameZ(name);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LSTATUS status = RegQueryValueExW(key, WideOf(nameZ), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (status == ERROR_FILE_NOT_FOUND) {
        RaiseRegistryError(VclMessages::RegistryGetDataError, name);
    }
    if ((status != ERROR_SUCCESS && status != ERROR_MORE_DATA) || type != REG_DWORD || size != sizeof(value)) {
        RaiseRegistryError(VclMessages::RegistryInvalidDataType, name);
    }
    return static_cast<int32_t>(value);
}

void TRegistry::WriteString(rtl::UnicodeStringView name, rtl::UnicodeStringView value) {
    HKEY key = RequireKey(name);
    const rtl::UnicodeString nameZ(name);
    const rtl::UnicodeString valueZ(value);
    const auto bytes = static_cast<DWORD>((valueZ.size() + 1) * sizeof(char16_t));
    if (RegSetValueExW(key, WideOf(nameZ), 0, REG_SZ, reinterpret_cast<const BYTE*>(valueZ.c_str()), bytes) !=
        ERROR_SUCCESS) {
        RaiseRegistryError(VclMessages::RegistrySetDataError, name);
    }
}

void TRegistry::WriteInteger(rtl::UnicodeStringView name, int32_t value) {
    HKEY key = RequireKey(name);
    const rtl::UnicodeString nameZ(name);
    const auto data = static_cast<DWORD>(value);
    if (RegSetValueExW(key, WideOf(nameZ), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data)) !=
        ERROR_SUCCESS) {
        RaiseRegistryError(VclMessages::RegistrySetDataError, name);
    }
}

} // namespace vcl
