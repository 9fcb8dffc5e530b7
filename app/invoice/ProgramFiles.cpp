#include "app/invoice/ProgramFiles.h"

#include "app/invoice/RegistryReader.h"
#include "rtl/io/FileUtils.h"
#include "rtl/numbers/NumberConversions.h"

#include <exception>

namespace app {

namespace {

constexpr char16_t ShellFoldersKey[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

} // namespace

rtl::UnicodeString GetFileVersionString(const IFileVersionSource& source, rtl::UnicodeStringView fileName) {
    std::optional<TFileVersionNumbers> version;
    try {
        version = source.ReadFileVersion(fileName);
    } catch (const std::exception&) {
        return u"-1";
    }
    if (!version) {
        return {};
    }
    rtl::UnicodeString text;
    for (const uint16_t number : *version) {
        if (!text.empty()) {
            text += u'.';
        }
        text += rtl::IntToStr(number);
    }
    return text;
}

rtl::UnicodeString ReadShellFolder(const IRegistryReader& registry, rtl::UnicodeStringView name) {
    return registry.ReadString(rhCurrentUser, ShellFoldersKey, name);
}

rtl::UnicodeString GetDesktopFolder(const IRegistryReader& registry) {
    return ReadShellFolder(registry, u"Desktop");
}

rtl::UnicodeString SettingsFileName(rtl::UnicodeStringView executable) {
    return rtl::ChangeFileExt(executable, u".ini");
}

} // namespace app
