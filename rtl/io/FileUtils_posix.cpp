#include "rtl/io/FileUtils.h"
#include "rtl/text/CodePages.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace rtl {

namespace detail {

struct TSearchHandle {
    DIR* Directory;
    // The pattern's folder part as given (empty for the current folder), for reading each entry's status.
    std::string Folder;
    UnicodeString Mask;
};

void TSearchHandleDeleter::operator()(TSearchHandle* handle) const {
    closedir(handle->Directory);
    delete handle;
}

} // namespace detail

namespace {

// The file system's bytes for a path; none when the text holds a NUL, which would silently cut the name short.
std::optional<std::string> NativePath(UnicodeStringView path) {
    if (path.find(u'\0') != UnicodeStringView::npos) {
        return std::nullopt;
    }
    return UnicodeToUtf8(path);
}

std::optional<struct stat> Status(UnicodeStringView path) {
    const auto native = NativePath(path);
    struct stat status;
    if (!native || stat(native->c_str(), &status) != 0) {
        return std::nullopt;
    }
    return status;
}

TDateTime LocalDateTime(const timespec& universal) {
    tm local;
    TDateTime result = 0;
    if (!localtime_r(&universal.tv_sec, &local) ||
        !TryEncodeDateTime(
            {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            {local.tm_hour, local.tm_min, local.tm_sec, static_cast<int32_t>(universal.tv_nsec / 1000000)}, result)) {
        return 0;
    }
    return result;
}

// Windows' "*.*" means every name, with or without a dot; the rest is plain '*' and '?' matching.
bool MatchesMask(UnicodeStringView name, UnicodeStringView mask) {
    if (mask == u"*.*") {
        return true;
    }
    constexpr size_t none = UnicodeStringView::npos;
    size_t n = 0;
    size_t m = 0;
    size_t lastStar = none;
    size_t nameAtStar = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == u'?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == u'*') {
            lastStar = m++;
            nameAtStar = n;
        } else if (lastStar != none) {
            // Let the last star take one more character and retry from there.
            m = lastStar + 1;
            n = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*') {
        ++m;
    }
    return m == mask.size();
}

// Windows reports "." and ".." as plain folders, so only other dot names count as hidden.
bool IsHiddenName(std::string_view name) {
    return name.size() > 1 && name[0] == '.' && name != "..";
}

int32_t Attributes(std::string_view name, const struct stat& status) {
    int32_t attributes = 0;
    if (S_ISDIR(status.st_mode)) {
        attributes |= faDirectory;
    } else if (!S_ISREG(status.st_mode)) {
        attributes |= faSysFile;
    }
    // The mode bits, not access(): a process running as root may write anywhere.
    if ((status.st_mode & S_IWUSR) == 0) {
        attributes |= faReadOnly;
    }
    if (IsHiddenName(name)) {
        attributes |= faHidden;
    }
    return attributes;
}

void FillEntry(std::string_view name, const struct stat& status, TSearchRec& searchRec) {
    searchRec.Size = S_ISDIR(status.st_mode) ? 0 : static_cast<int64_t>(status.st_size);
    searchRec.Attr = Attributes(name, status);
    searchRec.Time = LocalDateTime(status.st_mtim);
}

} // namespace

bool FileExists(UnicodeStringView fileName) {
    const auto status = Status(fileName);
    return status && !S_ISDIR(status->st_mode);
}

bool DirectoryExists(UnicodeStringView directory) {
    const auto status = Status(directory);
    return status && S_ISDIR(status->st_mode);
}

int64_t FileSize(UnicodeStringView fileName) {
    const auto status = Status(fileName);
    if (!status || S_ISDIR(status->st_mode)) {
        return -1;
    }
    return static_cast<int64_t>(status->st_size);
}

bool FileAge(UnicodeStringView fileName, TDateTime& fileDateTime) {
    const auto status = Status(fileName);
    if (!status) {
        return false;
    }
    fileDateTime = LocalDateTime(status->st_mtim);
    return true;
}

UnicodeString GetTempDirectory() {
    const char* folder = std::getenv("TMPDIR");
    if (folder == nullptr || *folder == '\0') {
        folder = "/tmp";
    }
    return IncludeTrailingPathDelimiter(Utf8ToUnicode(folder));
}

bool RemoveFile(UnicodeStringView fileName) {
    const auto native = NativePath(fileName);
    return native && unlink(native->c_str()) == 0;
}

bool RenameFile(UnicodeStringView oldName, UnicodeStringView newName) {
    const auto nativeOld = NativePath(oldName);
    const auto nativeNew = NativePath(newName);
    return nativeOld && nativeNew &&
           renameat2(AT_FDCWD, nativeOld->c_str(), AT_FDCWD, nativeNew->c_str(), RENAME_NOREPLACE) == 0;
}

bool RenameFileReplacing(UnicodeStringView oldName, UnicodeStringView newName) {
    const auto nativeOld = NativePath(oldName);
    const auto nativeNew = NativePath(newName);
    return nativeOld && nativeNew && rename(nativeOld->c_str(), nativeNew->c_str()) == 0;
}

bool CopyFileTo(UnicodeStringView source, UnicodeStringView target, bool failIfExists) {
    const auto nativeSource = NativePath(source);
    const auto nativeTarget = NativePath(target);
    if (!nativeSource || !nativeTarget) {
        return false;
    }
    const auto options =
        failIfExists ? std::filesystem::copy_options::none : std::filesystem::copy_options::overwrite_existing;
    std::error_code error;
    return std::filesystem::copy_file(*nativeSource, *nativeTarget, options, error);
}

namespace detail {

int32_t PlatformFindFirst(UnicodeStringView pattern, TSearchRec& searchRec) {
    const auto folder = NativePath(ExtractFilePath(pattern));
    if (!folder) {
        return EINVAL;
    }
    DIR* directory = opendir(folder->empty() ? "." : folder->c_str());
    if (directory == nullptr) {
        return errno;
    }
    searchRec.FindHandle.reset(new TSearchHandle{directory, *folder, ExtractFileName(pattern)});
    return PlatformFindNext(searchRec);
}

int32_t PlatformFindNext(TSearchRec& searchRec) {
    if (!searchRec.FindHandle) {
        return EBADF;
    }
    const TSearchHandle& handle = *searchRec.FindHandle;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(handle.Directory);
        if (entry == nullptr) {
            return errno != 0 ? errno : ENOENT;
        }
        UnicodeString name = Utf8ToUnicode(entry->d_name);
        if (!MatchesMask(name, handle.Mask)) {
            continue;
        }
        // A dangling link still has a status of its own; an entry removed since it was read is passed over.
        const std::string path = handle.Folder + entry->d_name;
        struct stat status;
        if (stat(path.c_str(), &status) != 0 && lstat(path.c_str(), &status) != 0) {
            continue;
        }
        searchRec.Name = std::move(name);
        FillEntry(entry->d_name, status, searchRec);
        return 0;
    }
}

} // namespace detail

} // namespace rtl
