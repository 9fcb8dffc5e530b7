#pragma once
// Files and paths: taking file names apart, asking the file system about files and folders, copying, renaming and
// deleting files, and enumerating a folder. Paths are UTF-16 text; on Windows both slashes separate folders and a
// drive "C:" ends a path prefix, elsewhere only '/' does.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <cstdint>
#include <memory>

namespace rtl {

#ifdef _WIN32
inline constexpr char16_t PathDelim = u'\\';
#else
inline constexpr char16_t PathDelim = u'/';
#endif

// The folder part including its trailing separator (or drive colon); empty for a bare name.
UnicodeString ExtractFilePath(UnicodeStringView fileName);
// The part after the last separator (or drive colon).
UnicodeString ExtractFileName(UnicodeStringView fileName);
// The extension with its dot ("a.tar.gz" -> ".gz"); empty when the name part has no dot.
UnicodeString ExtractFileExt(UnicodeStringView fileName);
// Replaces the extension (or appends one when there is none); extension includes its dot, or is empty to drop it.
UnicodeString ChangeFileExt(UnicodeStringView fileName, UnicodeStringView extension);
// Appends PathDelim unless the text already ends in a separator; empty text becomes PathDelim alone.
UnicodeString IncludeTrailingPathDelimiter(UnicodeStringView path);
// Removes one trailing separator, if there is one.
UnicodeString ExcludeTrailingPathDelimiter(UnicodeStringView path);

// True for an existing entry that is not a folder.
bool FileExists(UnicodeStringView fileName);
bool DirectoryExists(UnicodeStringView directory);
// The size in bytes of an existing file, -1 when it is missing or a folder.
int64_t FileSize(UnicodeStringView fileName);
// The last-write time of an existing file or folder in local time; false when it cannot be read.
bool FileAge(UnicodeStringView fileName, TDateTime& fileDateTime);
// The system's folder for temporary files, with a trailing separator.
UnicodeString GetTempDirectory();

// File operations report success; they never raise. (Named apart from the Windows macros DeleteFile and CopyFile.)
bool RemoveFile(UnicodeStringView fileName);
// Fails when newName already exists.
bool RenameFile(UnicodeStringView oldName, UnicodeStringView newName);
// Renames oldName to newName, replacing a file newName in one step: a reader of newName finds the old file or the
// new one, never a part of either. Both must be on the same volume.
bool RenameFileReplacing(UnicodeStringView oldName, UnicodeStringView newName);
bool CopyFileTo(UnicodeStringView source, UnicodeStringView target, bool failIfExists);

// Attribute bits of a found entry and of the filter given to FindFirst.
inline constexpr int32_t faReadOnly = 0x01;
inline constexpr int32_t faHidden = 0x02;
inline constexpr int32_t faSysFile = 0x04;
inline constexpr int32_t faVolumeID = 0x08;
inline constexpr int32_t faDirectory = 0x10;
inline constexpr int32_t faArchive = 0x20;
inline constexpr int32_t faAnyFile = 0x3F;

namespace detail {
// The platform's open enumeration; only the platform file knows what it holds.
struct TSearchHandle;
struct TSearchHandleDeleter {
    void operator()(TSearchHandle* handle) const;
};
} // namespace detail

// One entry of a folder enumeration and the state that FindNext continues from.
struct TSearchRec {
    UnicodeString Name;
    int64_t Size = 0;
    // The attribute bits as the file system reports them, including bits that have no fa constant.
    int32_t Attr = 0;
    // Last-write time in local time.
    TDateTime Time = 0;
    // Entries with any of these bits are skipped: hidden, system, volume and folder entries not asked for.
    int32_t ExcludeAttr = 0;
    std::unique_ptr<detail::TSearchHandle, detail::TSearchHandleDeleter> FindHandle;
};

// Starts enumerating the entries that match the wildcard pattern ('*' and '?' in the name part) and fills the record
// with the first one. Plain files are always reported; hidden, system and folder entries only when their bits are in
// attr. Returns 0 when an entry was found, otherwise the system's error code (the record is then closed).
int32_t FindFirst(UnicodeStringView pattern, int32_t attr, TSearchRec& searchRec);
// Moves to the next matching entry; 0 when there is one, otherwise the system's error code.
int32_t FindNext(TSearchRec& searchRec);
// Ends the enumeration; harmless on a record that is already closed.
void FindClose(TSearchRec& searchRec);

namespace detail {
// The platform's enumeration without the attribute filter: each fills the record's entry fields with the next raw
// entry and returns 0, or returns the system's error code when there is none (or the record is closed).
int32_t PlatformFindFirst(UnicodeStringView pattern, TSearchRec& searchRec);
int32_t PlatformFindNext(TSearchRec& searchRec);
} // namespace detail

} // namespace rtl
