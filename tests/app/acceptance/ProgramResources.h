#pragma once
// A copy of the program made into what a maker builds with other settings, by rewriting its resources with the
// system's resource updating (BeginUpdateResource): the update address its string table holds, and the version its
// version resource gives.

#include <array>
#include <string>

namespace acceptance {

// Four version numbers: major, minor, release, build.
using TFileVersion = std::array<unsigned, 4>;

// The version as the program's caption shows it: "1.1.7.0".
std::wstring VersionText(const TFileVersion& version);
// The file version of the executable's version resource.
TFileVersion FileVersionNumbers(const std::wstring& executable);

// Gives the executable the update address the build setting would have given it; raises std::runtime_error when the
// executable cannot be rewritten.
void SetUpdateAddress(const std::wstring& executable, const std::wstring& address);
// Gives the executable another file and product version, numbers and texts; the texts must be as long as before.
void SetFileVersion(const std::wstring& executable, const TFileVersion& version);

} // namespace acceptance
