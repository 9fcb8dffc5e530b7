#include "rtl/io/FileStream.h"
#include "rtl/text/CodePages.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace rtl::detail {

namespace {

int OpenFlags(TFileAccess access, bool create) {
    if (create) {
        return O_RDWR | O_CREAT | O_TRUNC;
    }
    switch (access) {
    case TFileAccess::Read:
        return O_RDONLY;
    case TFileAccess::Write:
        return O_WRONLY;
    case TFileAccess::ReadWrite:
        break;
    }
    return O_RDWR;
}

UnicodeString ErrorText(int error) {
    return Utf8ToUnicode(std::generic_category().message(error)) + u".";
}

// Fails with EISDIR for a folder, which POSIX opens for reading where Windows refuses it.
bool IsDirectory(int descriptor) {
    struct stat status {};
    return fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
}

int Descriptor(intptr_t handle) {
    return static_cast<int>(handle);
}

// Runs a transfer again when a signal interrupted it; a failure transfers nothing.
template <typename TTransfer>
int32_t Transferred(TTransfer transfer) {
    ssize_t result = 0;
    do {
        result = transfer();
    } while (result < 0 && errno == EINTR);
    return result < 0 ? 0 : static_cast<int32_t>(result);
}

} // namespace

// POSIX has no mandatory sharing modes: the sharing value cannot be enforced and is ignored.
intptr_t PlatformFileOpen(const UnicodeString& fileName, TFileAccess access, TFileSharing, bool create,
                          UnicodeString& errorText) {
    // A NUL inside the name would silently open a different, shorter name.
    if (fileName.find(u'\0') != UnicodeString::npos) {
        errorText = ErrorText(EINVAL);
        return InvalidFileHandle;
    }
    const int descriptor = open(UnicodeToUtf8(fileName).c_str(), OpenFlags(access, create) | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        errorText = ErrorText(errno);
        return InvalidFileHandle;
    }
    if (IsDirectory(descriptor)) {
        close(descriptor);
        errorText = ErrorText(EISDIR);
        return InvalidFileHandle;
    }
    return descriptor;
}

void PlatformFileClose(intptr_t handle) {
    close(Descriptor(handle));
}

int32_t PlatformFileRead(intptr_t handle, int64_t offset, void* buffer, int32_t count) {
    return Transferred([&] { return pread(Descriptor(handle), buffer, static_cast<size_t>(count), offset); });
}

int32_t PlatformFileWrite(intptr_t handle, int64_t offset, const void* buffer, int32_t count) {
    return Transferred([&] { return pwrite(Descriptor(handle), buffer, static_cast<size_t>(count), offset); });
}

int64_t PlatformFileSize(intptr_t handle) {
    struct stat status {};
    if (fstat(Descriptor(handle), &status) != 0) {
        return -1;
    }
    return static_cast<int64_t>(status.st_size);
}

bool PlatformFileSetSize(intptr_t handle, int64_t size) {
    return ftruncate(Descriptor(handle), static_cast<off_t>(size)) == 0;
}

} // namespace rtl::detail
