#include "rtl/WindowsApi.h"
#include "rtl/io/IniFiles.h"
#include "rtl/text/Format.h"

#include <utility>
#include <vector>

namespace rtl {

namespace {

// The profile functions take zero-terminated names; a null pointer stands for "all".
class TProfileName {
public:
    explicit TProfileName(UnicodeStringView name) : FName(name) {}
    const wchar_t* Pointer() const { return reinterpret_cast<const wchar_t*>(FName.c_str()); }

private:
    UnicodeString FName;
};

// Calls read(buffer, size) with a growing buffer until the answer fits; the profile functions report a cut answer
// by filling the buffer up to `cutMargin` characters from its end.
template <typename Read>
UnicodeString ReadGrowing(Read read, DWORD cutMargin) {
    std::vector<wchar_t> buffer(1024);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = read(buffer.data(), size);
        if (length + cutMargin < size) {
            return UnicodeString(reinterpret_cast<const char16_t*>(buffer.data()), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The names of a list of zero-terminated strings ending in an empty one.
std::vector<UnicodeString> SplitNameList(const UnicodeString& list) {
    std::vector<UnicodeString> names;
    size_t start = 0;
    while (start < list.size()) {
        const size_t end = std::min(list.find(u'\0', start), list.size());
        if (end > start) {
            names.emplace_back(list.substr(start, end - start));
        }
        start = end + 1;
    }
    return names;
}

} // namespace

TIniFile::TIniFile(UnicodeString fileName) : TCustomIniFile(std::move(fileName)) {}

// The profile functions trim and unquote the default they are given; a missing key gives the caller's default as it
// stands instead.
UnicodeString TIniFile::ReadString(UnicodeStringView section, UnicodeStringView ident,
                                   UnicodeStringView defaultValue) const {
    const TProfileName sectionName(section), identName(ident), file(FileName());
    const UnicodeString value = ReadGrowing(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileStringW(sectionName.Pointer(), identName.Pointer(), L"", buffer, size,
                                            file.Pointer());
        },
        1);
    return value.empty() && !ValueExists(section, ident) ? UnicodeString(defaultValue) : value;
}

void TIniFile::WriteString(UnicodeStringView section, UnicodeStringView ident, UnicodeStringView value) {
    const TProfileName sectionName(section), identName(ident), valueText(value), file(FileName());
    if (!WritePrivateProfileStringW(sectionName.Pointer(), identName.Pointer(), valueText.Pointer(), file.Pointer())) {
        throw EIniFileException(Format(RtlMessages::IniFileWriteError, {FileName()}));
    }
}

void TIniFile::ReadSection(UnicodeStringView section, TStringList& strings) const {
    const TProfileName sectionName(section), file(FileName());
    const UnicodeString list = ReadGrowing(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileStringW(sectionName.Pointer(), nullptr, L"", buffer, size, file.Pointer());
        },
        2);
    detail::AssignIniNames(strings, SplitNameList(list));
}

void TIniFile::ReadSections(TStringList& strings) const {
    const TProfileName file(FileName());
    const UnicodeString list = ReadGrowing(
        [&](wchar_t* buffer, DWORD size) { return GetPrivateProfileSectionNamesW(buffer, size, file.Pointer()); }, 2);
    detail::AssignIniNames(strings, SplitNameList(list));
}

void TIniFile::EraseSection(UnicodeStringView section) {
    const TProfileName sectionName(section), file(FileName());
    if (!WritePrivateProfileStringW(sectionName.Pointer(), nullptr, nullptr, file.Pointer()) &&
        SectionExists(section)) {
        throw EIniFileException(Format(RtlMessages::IniFileWriteError, {FileName()}));
    }
}

void TIniFile::DeleteKey(UnicodeStringView section, UnicodeStringView ident) {
    const TProfileName sectionName(section), identName(ident), file(FileName());
    WritePrivateProfileStringW(sectionName.Pointer(), identName.Pointer(), nullptr, file.Pointer());
}

void TIniFile::UpdateFile() {
    const TProfileName file(FileName());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.Pointer());
}

} // namespace rtl
