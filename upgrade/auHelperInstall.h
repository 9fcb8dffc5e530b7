#pragma once
// What the helper program does once the program it upgrades has ended: read the parameter the program gave it, and
// put the downloads in place of the files they replace, all or none. Plain Win32, so that the helper program stays
// small: it links nothing of the framework.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace au {

// What follows the program's path on the helper's command line: "+", the program's restart parameters, the digit
// of the upgrade method ("0" self upgrade, "1" external setup).
struct TauHelperParameter {
    std::wstring RestartParams;
    wchar_t MethodDigit = L'0';
};
// false for anything but "+", at least one character of restart parameters and a method digit.
bool ParseHelperParameter(std::wstring_view parameter, TauHelperParameter& result);

// Waits until path can be opened for writing by this process alone, which the running program prevents; false when
// timeoutMs pass first.
bool WaitForFileRelease(const std::wstring& path, uint32_t timeoutMs);

// Puts each "name.uTMP" of folder (with its trailing backslash) in place of "name", the replaced file kept as
// "name.uBAK" until all are in place. When one cannot be placed, those placed go, the replaced files come back and
// the downloads are deleted: false. installed receives the paths put in place, in name order.
bool InstallDownloads(const std::wstring& folder, std::vector<std::wstring>& installed);
// Deletes the downloads of folder.
void DeleteDownloads(const std::wstring& folder);

} // namespace au
