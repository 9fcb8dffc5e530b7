#include "rtl/WindowsApi.h"
#include "rtl/io/FileStream.h"
#include "rtl/text/StringUtils.h"

#include <string>

namespace rtl::detail {

namespace {

HANDLE HandleOf(intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

DWORD DesiredAccess(TFileAccess access) {
    switch (access) {
    case TFileAccess::Read:
        return GENERIC_READ;
    case TFileAccess::Write:
        return GENERIC_WRITE;
    case TFileAccess::ReadWrite:
        break;
    }
    return GENERIC_READ | GENERIC_WRITE;
}

// Denying none lets another program (Excel keeping a workbook open) go on reading and writing the file while we read.
DWORD ShareMode(TFileSharing sharing) {
    switch (sharing) {
    case TFileSharing::Exclusive:
        return 0;
    case TFileSharing::DenyWrite:
        return FILE_SHARE_READ;
    case TFileSharing::DenyNone:
        break;
    }
    return FILE_SHARE_READ | FILE_SHARE_WRITE;
}

UnicodeString SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0) {
        return U16("System error " + std::to_string(error));
    }
    UnicodeString result(text, text + length);
    LocalFree(text);
    while (!result.empty() && result.back() <= u' ') {
        result.pop_back();
    }
    return result;
}

OVERLAPPED OffsetOverlapped(int64_t offset) {
    OVERLAPPED overlapped{};
    overlapped.Offset = static_cast<DWORD>(static_cast<uint64_t>(offset));
    overlapped.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
    return overlapped;
}

} // namespace

intptr_t PlatformFileOpen(const UnicodeString& fileName, TFileAccess access, TFileSharing sharing, bool create,
                          UnicodeString& errorText) {
    // A NUL inside the name would silently open a different, shorter name.
    if (fileName.find(u'\0') != UnicodeString::npos) {
        errorText = SystemErrorText(ERROR_INVALID_NAME);
        return InvalidFileHandle;
    }
    const std::wstring wideName(fileName.begin(), fileName.end());
    const HANDLE handle =
        CreateFileW(wideName.c_str(), create ? GENERIC_READ | GENERIC_WRITE : DesiredAccess(access), ShareMode(sharing),
                    nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errorText = SystemErrorText(GetLastError());
        return InvalidFileHandle;
    }
    return reinterpret_cast<intptr_t>(handle);
}

void PlatformFileClose(intptr_t handle) {
    CloseHandle(HandleOf(handle));
}

// An OVERLAPPED offset on a synchronous handle makes the transfer positional; the call still completes before it
// returns.
int32_t PlatformFileRead(intptr_t handle, int64_t offset, void* buffer, int32_t count) {
    OVERLAPPED overlapped = OffsetOverlapped(offset);
    DWORD transferred = 0;
    if (!ReadFile(HandleOf(handle), buffer, static_cast<DWORD>(count), &transferred, &overlapped)) {
        return 0;
    }
    return static_cast<int32_t>(transferred);
}

int32_t PlatformFileWrite(intptr_t handle, int64_t offset, const void* buffer, int32_t count) {
    OVERLAPPED overlapped = OffsetOverlapped(offset);
    DWORD transferred = 0;
    if (!WriteFile(HandleOf(handle), buffer, static_cast<DWORD>(count), &transferred, &overlapped)) {
        return 0;
    }
    return static_cast<int32_t>(transferred);
}

int64_t PlatformFileSize(intptr_t handle) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(HandleOf(handle), &size)) {
        return -1;
    }
    return size.QuadPart;
}

bool PlatformFileSetSize(intptr_t handle, int64_t size) {
    LARGE_INTEGER target;
    target.QuadPart = size;
    return SetFilePointerEx(HandleOf(handle), target, nullptr, FILE_BEGIN) && SetEndOfFile(HandleOf(handle));
}

} // namespace rtl::detail
