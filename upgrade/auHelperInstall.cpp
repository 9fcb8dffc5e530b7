// Putting the downloads in place, for the helper program.

#include "upgrade/auHelperInstall.h"

#include "rtl/WindowsApi.h"

#include <algorithm>

namespace au {

namespace {

constexpr std::wstring_view HelperDownloadSuffix = L".uTMP";
constexpr std::wstring_view HelperBackupSuffix = L".uBAK";

std::vector<std::wstring> DownloadNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*" + std::wstring(HelperDownloadSuffix)).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring_view name(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && name.size() > HelperDownloadSuffix.size() &&
            name.ends_with(HelperDownloadSuffix)) {
            names.emplace_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring BackupOf(const std::wstring& target) {
    return target + std::wstring(HelperBackupSuffix);
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// One download put in place, and whether it replaced a file.
struct TPlacedDownload {
    std::wstring Target;
    bool Replaced = false;
};

void Restore(const std::vector<TPlacedDownload>& placed) {
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        DeleteFileW(it->Target.c_str());
        if (it->Replaced) {
            MoveFileExW(BackupOf(it->Target).c_str(), it->Target.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
    }
}

} // namespace

bool ParseHelperParameter(std::wstring_view parameter, TauHelperParameter& result) {
    if (parameter.size() < 3 || parameter.front() != L'+' || (parameter.back() != L'0' && parameter.back() != L'1')) {
        return false;
    }
    result.RestartParams = std::wstring(parameter.substr(1, parameter.size() - 2));
    result.MethodDigit = parameter.back();
    return true;
}

bool WaitForFileRelease(const std::wstring& path, uint32_t timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        // Nothing holds a file that is not there.
        if (GetLastError() == ERROR_FILE_NOT_FOUND) {
            return true;
        }
        if (GetTickCount64() - start >= timeoutMs) {
            return false;
        }
        Sleep(100);
    }
}

bool InstallDownloads(const std::wstring& folder, std::vector<std::wstring>& installed) {
    installed.clear();
    std::vector<TPlacedDownload> placed;
    const auto undo = [&placed, &folder] {
        Restore(placed);
        DeleteDownloads(folder);
        return false;
    };
    for (const std::wstring& name : DownloadNames(folder)) {
        const std::wstring download = folder + name;
        TPlacedDownload next{folder + name.substr(0, name.size() - HelperDownloadSuffix.size())};
        next.Replaced = Exists(next.Target);
        if (next.Replaced &&
            !MoveFileExW(next.Target.c_str(), BackupOf(next.Target).c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return undo();
        }
        // Counted as placed from here, so that a failed move brings the replaced file back with the others.
        placed.push_back(next);
        if (!MoveFileExW(download.c_str(), next.Target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return undo();
        }
        SetFileAttributesW(next.Target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    for (const TPlacedDownload& done : placed) {
        if (done.Replaced) {
            DeleteFileW(BackupOf(done.Target).c_str());
        }
        installed.push_back(done.Target);
    }
    return true;
}

void DeleteDownloads(const std::wstring& folder) {
    for (const std::wstring& name : DownloadNames(folder)) {
        const std::wstring path = folder + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
}

} // namespace au
