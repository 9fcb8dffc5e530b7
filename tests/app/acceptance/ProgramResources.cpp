#include "tests/app/acceptance/ProgramResources.h"

#include "resources/ProgramStrings.h"
#include "rtl/WindowsApi.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace acceptance {

namespace {

constexpr DWORD FixedFileInfoSignature = 0xFEEF04BD;
constexpr int StringsPerBlock = 16;

// A resource of the executable: its bytes and the language it is kept in.
struct TResourceCopy {
    std::vector<unsigned char> Bytes;
    WORD Language = 0;
};

BOOL CALLBACK TakeLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    *reinterpret_cast<WORD*>(found) = language;
    return FALSE;
}

TResourceCopy ReadResource(const std::wstring& executable, LPCWSTR type, LPCWSTR name) {
    const HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        throw std::runtime_error("the program's resources cannot be read");
    }
    TResourceCopy copy;
    EnumResourceLanguagesW(module, type, name, TakeLanguage, reinterpret_cast<LONG_PTR>(&copy.Language));
    if (const HRSRC found = FindResourceExW(module, type, name, copy.Language)) {
        const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
        copy.Bytes.assign(bytes, bytes + SizeofResource(module, found));
    }
    FreeLibrary(module);
    return copy;
}

void WriteResource(const std::wstring& executable, LPCWSTR type, LPCWSTR name, const TResourceCopy& copy) {
    const HANDLE update = BeginUpdateResourceW(executable.c_str(), FALSE);
    if (update == nullptr ||
        !UpdateResourceW(update, type, name, copy.Language, const_cast<unsigned char*>(copy.Bytes.data()),
                         static_cast<DWORD>(copy.Bytes.size())) ||
        !EndUpdateResourceW(update, FALSE)) {
        throw std::runtime_error("the program's resources cannot be rewritten");
    }
}

std::vector<unsigned char> Utf16Bytes(const std::wstring& text) {
    std::vector<unsigned char> bytes(text.size() * sizeof(wchar_t));
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

VS_FIXEDFILEINFO& FixedFileInfo(std::vector<unsigned char>& bytes) {
    for (size_t at = 0; at + sizeof(VS_FIXEDFILEINFO) <= bytes.size(); at += 4) {
        DWORD signature = 0;
        std::memcpy(&signature, bytes.data() + at, sizeof signature);
        if (signature == FixedFileInfoSignature) {
            return *reinterpret_cast<VS_FIXEDFILEINFO*>(bytes.data() + at);
        }
    }
    throw std::runtime_error("the program's version resource has no fixed file information");
}

} // namespace

std::wstring VersionText(const TFileVersion& version) {
    return std::to_wstring(version[0]) + L"." + std::to_wstring(version[1]) + L"." + std::to_wstring(version[2]) +
           L"." + std::to_wstring(version[3]);
}

TFileVersion FileVersionNumbers(const std::wstring& executable) {
    TResourceCopy resource = ReadResource(executable, RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO));
    const VS_FIXEDFILEINFO& info = FixedFileInfo(resource.Bytes);
    return {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS), HIWORD(info.dwFileVersionLS),
            LOWORD(info.dwFileVersionLS)};
}

void SetUpdateAddress(const std::wstring& executable, const std::wstring& address) {
    // A string block holds sixteen counted strings; the address stands alone in its block.
    const LPCWSTR block = MAKEINTRESOURCEW(TALLYVANE_UPDATE_INFO_URL_ID / StringsPerBlock + 1);
    TResourceCopy strings = ReadResource(executable, RT_STRING, block);
    if (strings.Bytes.empty()) {
        throw std::runtime_error("the program carries no update address");
    }
    std::vector<wchar_t> counted(StringsPerBlock, L'\0');
    counted.insert(counted.begin() + TALLYVANE_UPDATE_INFO_URL_ID % StringsPerBlock + 1, address.begin(),
                   address.end());
    counted[TALLYVANE_UPDATE_INFO_URL_ID % StringsPerBlock] = static_cast<wchar_t>(address.size());
    strings.Bytes.assign(reinterpret_cast<const unsigned char*>(counted.data()),
                         reinterpret_cast<const unsigned char*>(counted.data() + counted.size()));
    WriteResource(executable, RT_STRING, block, strings);
}

void SetFileVersion(const std::wstring& executable, const TFileVersion& version) {
    const LPCWSTR name = MAKEINTRESOURCEW(VS_VERSION_INFO);
    TResourceCopy resource = ReadResource(executable, RT_VERSION, name);
    const std::vector<unsigned char> oldText = Utf16Bytes(VersionText(FileVersionNumbers(executable)));
    const std::vector<unsigned char> newText = Utf16Bytes(VersionText(version));
    if (oldText.size() != newText.size()) {
        throw std::runtime_error("a version text of another length");
    }
    VS_FIXEDFILEINFO& info = FixedFileInfo(resource.Bytes);
    info.dwFileVersionMS = info.dwProductVersionMS = MAKELONG(version[1], version[0]);
    info.dwFileVersionLS = info.dwProductVersionLS = MAKELONG(version[3], version[2]);
    for (auto at = resource.Bytes.begin();
         (at = std::search(at, resource.Bytes.end(), oldText.begin(), oldText.end())) != resource.Bytes.end();) {
        at = std::copy(newText.begin(), newText.end(), at);
    }
    WriteResource(executable, RT_VERSION, name, resource);
}

} // namespace acceptance
