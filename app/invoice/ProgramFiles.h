#pragma once
// Where the program finds its own things: the desktop folder of the user, the version of a file, and the settings
// file beside the executable.

#include "rtl/text/StringTypes.h"

#include <array>
#include <cstdint>
#include <optional>

namespace app {

class IRegistryReader;

// The four numbers of a file version: the high and low word of the most significant double word, then of the least
// significant one.
using TFileVersionNumbers = std::array<uint16_t, 4>;

// Reads the fixed file version of a file's version resource. The Windows program reads the resource; tests answer
// as they need.
class IFileVersionSource {
public:
    // The version; nullopt when the file has no version resource. May raise when the resource cannot be read.
    virtual std::optional<TFileVersionNumbers> ReadFileVersion(rtl::UnicodeStringView fileName) const = 0;

protected:
    ~IFileVersionSource() = default;
};

// The file version as four decimal numbers joined by "."; empty text without a version resource, "-1" when reading
// it raised.
rtl::UnicodeString GetFileVersionString(const IFileVersionSource& source, rtl::UnicodeStringView fileName);

// A value of the current user's "Shell Folders" key of the Explorer; empty when the key or the value is missing.
rtl::UnicodeString ReadShellFolder(const IRegistryReader& registry, rtl::UnicodeStringView name);
// The user's desktop folder, as the Explorer's "Shell Folders" key names it; empty when it names none.
rtl::UnicodeString GetDesktopFolder(const IRegistryReader& registry);

// The settings file of a program: the executable's path with the extension ".ini".
rtl::UnicodeString SettingsFileName(rtl::UnicodeStringView executable);

} // namespace app
