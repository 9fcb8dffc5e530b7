#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"

#include <cwchar>
#include <optional>
#include <string>

namespace rtl {

namespace detail {

struct TSearchHandle {
    HANDLE Handle;
};

void TSearchHandleDeleter::operator()(TSearchHandle* handle) const {
    ::FindClose(handle->Handle);
    delete handle;
}

} // namespace detail

namespace {

// A zero-terminated copy for the W functions; none when the text holds a NUL, which would silently cut the name short.
std::optional<std::wstring> WidePath(UnicodeStringView path) {
    if (path.find(u'\0') != UnicodeStringView::npos) {
        return std::nullopt;
    }
    return std::wstring(path.begin(), path.end());
}

std::optional<WIN32_FILE_ATTRIBUTE_DATA> AttributeData(UnicodeStringView path) {
    const auto wide = WidePath(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!wide || !GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return data;
}

bool IsDirectory(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int64_t SizeOf(DWORD high, DWORD low) {
    return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

// The local time zone rule of the file time's own date applies, not today's.
TDateTime LocalDateTime(const FILETIME& universal) {
    SYSTEMTIME universalTime;
    SYSTEMTIME local;
    TDateTime result = 0;
    if (!FileTimeToSystemTime(&universal, &universalTime) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universalTime, &local) ||
        !TryEncodeDateTime({local.wYear, local.wMonth, local.wDay},
                           {local.wHour, local.wMinute, local.wSecond, local.wMilliseconds}, result)) {
        return 0;
    }
    return result;
}

void FillEntry(const WIN32_FIND_DATAW& data, TSearchRec& searchRec) {
    const size_t nameLength = wcsnlen(data.cFileName, MAX_PATH);
    searchRec.Name.assign(data.cFileName, data.cFileName + nameLength);
    searchRec.Size = SizeOf(data.nFileSizeHigh, data.nFileSizeLow);
    searchRec.Attr = static_cast<int32_t>(data.dwFileAttributes);
    searchRec.Time = LocalDateTime(data.ftLastWriteTime);
}

int32_t LastError() {
    return static_cast<int32_t>(GetLastError());
}

} // namespace

bool FileExists(UnicodeStringView fileName) {
    const auto data = AttributeData(fileName);
    return data && !IsDirectory(data->dwFileAttributes);
}

bool DirectoryExists(UnicodeStringView directory) {
    const auto data = AttributeData(directory);
    return data && IsDirectory(data->dwFileAttributes);
}

int64_t FileSize(UnicodeStringView fileName) {
    const auto data = AttributeData(fileName);
    if (!data || IsDirectory(data->dwFileAttributes)) {
        return -1;
    }
    return SizeOf(data->nFileSizeHigh, data->nFileSizeLow);
}

bool FileAge(UnicodeStringView fileName, TDateTime& fileDateTime) {
    const auto data = AttributeData(fileName);
    if (!data) {
        return false;
    }
    fileDateTime = LocalDateTime(data->ftLastWriteTime);
    return true;
}

UnicodeString GetTempDirectory() {
    std::wstring buffer(MAX_PATH + 1, L'\0');
    DWORD length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length > buffer.size()) {
        // The answer was the size needed, terminator included.
        buffer.resize(length);
        length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (length == 0 || length >= buffer.size()) {
        return {};
    }
    return IncludeTrailingPathDelimiter(UnicodeString(buffer.begin(), buffer.begin() + length));
}

bool RemoveFile(UnicodeStringView fileName) {
    const auto wide = WidePath(fileName);
    return wide && DeleteFileW(wide->c_str());
}

bool RenameFile(UnicodeStringView oldName, UnicodeStringView newName) {
    const auto wideOld = WidePath(oldName);
    const auto wideNew = WidePath(newName);
    return wideOld && wideNew && MoveFileW(wideOld->c_str(), wideNew->c_str());
}

bool RenameFileReplacing(UnicodeStringView oldName, UnicodeStringView newName) {
    const auto wideOld = WidePath(oldName);
    const auto wideNew = WidePath(newName);
    return wideOld && wideNew &&
           MoveFileExW(wideOld->c_str(), wideNew->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool CopyFileTo(UnicodeStringView source, UnicodeStringView target, bool failIfExists) {
    const auto wideSource = WidePath(source);
    const auto wideTarget = WidePath(target);
    return wideSource && wideTarget && CopyFileW(wideSource->c_str(), wideTarget->c_str(), failIfExists);
}

namespace detail {

int32_t PlatformFindFirst(UnicodeStringView pattern, TSearchRec& searchRec) {
    const auto wide = WidePath(pattern);
    if (!wide) {
        return ERROR_INVALID_NAME;
    }
    WIN32_FIND_DATAW data;
    const HANDLE handle = FindFirstFileW(wide->c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    searchRec.FindHandle.reset(new TSearchHandle{handle});
    FillEntry(data, searchRec);
    return 0;
}

int32_t PlatformFindNext(TSearchRec& searchRec) {
    if (!searchRec.FindHandle) {
        return ERROR_INVALID_HANDLE;
    }
    WIN32_FIND_DATAW data;
    if (!FindNextFileW(searchRec.FindHandle->Handle, &data)) {
        return LastError();
    }
    FillEntry(data, searchRec);
    return 0;
}

} // namespace detail

} // namespace rtl
