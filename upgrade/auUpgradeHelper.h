#pragma once
// The helper program that puts downloaded files in place: it travels inside the program as the resource "AUUPG" of
// type "AUUPG", is written out beside the other temporary files and started with the program's path and a parameter
// once the program is about to close. Also the program's own path and first parameter, which the hand-over needs.

#include "rtl/text/StringTypes.h"

namespace au {

using rtl::UnicodeString;
using rtl::UnicodeStringView;

inline constexpr char16_t UpgradeHelperResource[] = u"AUUPG";
inline constexpr char16_t UpgradeHelperFileName[] = u"UpdateHelper.exe";

// Whether module carries a non-empty helper program.
bool HasUpgradeHelper(void* module);
// Writes module's helper program to path (a temporary file, replaced when present); false when there is none or it
// could not be written whole, and then no file is left at path.
bool WriteUpgradeHelper(void* module, UnicodeStringView path);
// Starts commandLine shown normally; false when no process could be started.
bool StartProgram(const UnicodeString& commandLine);

// The full path of the running program.
UnicodeString ExecutablePath();
// The running program's first command-line parameter; empty when it has none.
UnicodeString FirstCommandLineParameter();

} // namespace au
