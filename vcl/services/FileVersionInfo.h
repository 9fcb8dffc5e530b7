#pragma once
// The version resource of a file (VERSIONINFO, read with GetFileVersionInfoW and VerQueryValueW): the fixed file and
// product versions, four 16-bit numbers each, and the texts of its first string table ("FileDescription",
// "ProductName", ...).

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace vcl {

// A version as four numbers: major, minor, release, build.
struct TVersionNumber {
    uint16_t Major = 0;
    uint16_t Minor = 0;
    uint16_t Release = 0;
    uint16_t Build = 0;

    // "major.minor.release.build" in decimal.
    rtl::UnicodeString ToString() const;
    friend constexpr bool operator==(const TVersionNumber&, const TVersionNumber&) = default;
};

// The version resource of one file.
class TFileVersionInfo {
public:
    // Reads the version resource of fileName; false (leaving the object empty) when the file has none or cannot be
    // read.
    bool Load(rtl::UnicodeStringView fileName);
    bool Loaded() const { return !FData.empty(); }

    // The fixed versions; zeros when nothing is loaded.
    TVersionNumber FileVersion() const;
    TVersionNumber ProductVersion() const;
    // A text of the first language of the string tables; empty when it is missing.
    rtl::UnicodeString StringValue(rtl::UnicodeStringView name) const;

private:
    // The data of a block of the resource, or nullptr.
    const void* QueryValue(rtl::UnicodeStringView block, uint32_t& size) const;
    // The VS_FIXEDFILEINFO of the resource, or nullptr.
    const void* FixedInfo() const;

    std::vector<uint8_t> FData;
};

// The file version of fileName as "a.b.c.d"; empty text when the file has no version resource.
rtl::UnicodeString FileVersionText(rtl::UnicodeStringView fileName);

} // namespace vcl
