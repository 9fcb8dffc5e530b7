#include "vcl/services/FileVersionInfo.h"

#include "rtl/text/Format.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

TVersionNumber VersionFromWords(DWORD mostSignificant, DWORD leastSignificant) {
    return {HIWORD(mostSignificant), LOWORD(mostSignificant), HIWORD(leastSignificant), LOWORD(leastSignificant)};
}

// The language and code page of a string table, as VerQueryValue lists them under "\VarFileInfo\Translation".
struct TTranslation {
    WORD Language;
    WORD CodePage;
};

} // namespace

rtl::UnicodeString TVersionNumber::ToString() const {
    return rtl::Format(u"%d.%d.%d.%d", {Major, Minor, Release, Build});
}

bool TFileVersionInfo::Load(rtl::UnicodeStringView fileName) {
    FData.clear();
    const rtl::UnicodeString path(fileName);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(AsWide(path.c_str()), &handle);
    if (size == 0) {
        return false;
    }
    std::vector<uint8_t> data(size);
    if (!GetFileVersionInfoW(AsWide(path.c_str()), 0, size, data.data())) {
        return false;
    }
    FData = std::move(data);
    return true;
}

const void* TFileVersionInfo::QueryValue(rtl::UnicodeStringView block, uint32_t& size) const {
    size = 0;
    if (FData.empty()) {
        return nullptr;
    }
    const rtl::UnicodeString blockZ(block);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(FData.data(), AsWide(blockZ.c_str()), &value, &length)) {
        return nullptr;
    }
    size = length;
    return value;
}

// An empty fixed part when nothing is loaded.
const void* TFileVersionInfo::FixedInfo() const {
    uint32_t size = 0;
    const void* fixed = QueryValue(u"\\", size);
    return fixed && size >= sizeof(VS_FIXEDFILEINFO) ? fixed : nullptr;
}

TVersionNumber TFileVersionInfo::FileVersion() const {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(FixedInfo());
    return fixed ? VersionFromWords(fixed->dwFileVersionMS, fixed->dwFileVersionLS) : TVersionNumber{};
}

TVersionNumber TFileVersionInfo::ProductVersion() const {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(FixedInfo());
    return fixed ? VersionFromWords(fixed->dwProductVersionMS, fixed->dwProductVersionLS) : TVersionNumber{};
}

rtl::UnicodeString TFileVersionInfo::StringValue(rtl::UnicodeStringView name) const {
    uint32_t size = 0;
    const auto* translation = static_cast<const TTranslation*>(QueryValue(u"\\VarFileInfo\\Translation", size));
    if (!translation || size < sizeof(TTranslation)) {
        return {};
    }
    const rtl::UnicodeString block =
        rtl::Format(u"\\StringFileInfo\\%.4x%.4x\\%s", {translation->Language, translation->CodePage, name});
    const auto* text = static_cast<const char16_t*>(QueryValue(block, size));
    if (!text || size == 0) {
        return {};
    }
    // The length counts the terminating zero (when there is one).
    rtl::UnicodeString value(text, size);
    while (!value.empty() && value.back() == u'\0') {
        value.pop_back();
    }
    return value;
}

rtl::UnicodeString FileVersionText(rtl::UnicodeStringView fileName) {
    TFileVersionInfo info;
    return info.Load(fileName) ? info.FileVersion().ToString() : rtl::UnicodeString();
}

} // namespace vcl
