#pragma once
// The update info file: plain text holding entries "#key=value" anywhere in it. Keys match in any case; a value runs
// to the first control character, or for a multi-line value ("#key={...}") to the closing brace. This unit reads the
// file's values and decides from them whether the running version is outdated; it trusts nothing in the text.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <vector>

namespace au {

using rtl::UnicodeString;
using rtl::UnicodeStringView;

enum class TacUpgradeMethod { umSelfUpgrade, umUseExternalSetup, umRedirectToURL };
enum class TauUpdaterVersionControl { byDate, byNumber };

// The largest info file the updater accepts; a real one holds a few lines.
inline constexpr size_t MaxInfoFileSize = 64 * 1024;
// The most file URLs one info file may list.
inline constexpr size_t MaxInfoFileURLs = 256;

// The value of key (given in lower case) in info; empty when the key is missing.
UnicodeString GetInfoFileValue(UnicodeStringView info, UnicodeStringView key, bool multiLine = false);
// The file URLs: "url", "url0", then numbered "url" keys continuing from the count collected so far.
std::vector<UnicodeString> GetInfoFileURLs(UnicodeStringView info);
// The method named by the value of "method": "1" an external setup, "2" a web page, anything else a self upgrade.
TacUpgradeMethod GetInfoFileUpgradeMethod(UnicodeStringView info);
// The digit the helper program receives for a method.
char16_t UpgradeMethodDigit(TacUpgradeMethod method);

// What a download's name ends with until the helper program puts it in place.
inline constexpr char16_t DownloadSuffix[] = u".uTMP";
// Whether every URL's file name can be a file of the program's folder: not empty, not "." or "..", free of the
// characters Windows refuses in names, and no two alike in any case (one download would overwrite the other).
bool HasDownloadableFileNames(const std::vector<UnicodeString>& urls);

// A date written MM/DD/YYYY; today when it cannot be read.
rtl::TDateTime ParseVersionDate(UnicodeStringView text, rtl::TDateTime today);
// today in the MM/DD/YYYY form.
UnicodeString FormatVersionDate(rtl::TDateTime date);

// What the running program is, for the version test.
struct TauRunningVersion {
    TauUpdaterVersionControl Control = TauUpdaterVersionControl::byDate;
    UnicodeString Number;
    UnicodeString Date;
};
// Whether info names a version newer than running: by number, or by a date later than the running one.
bool IsNewerVersion(UnicodeStringView info, const TauRunningVersion& running, rtl::TDateTime today);

} // namespace au
