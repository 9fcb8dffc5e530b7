#include "rtl/io/FileUtils.h"

#include "rtl/text/StringUtils.h"

namespace rtl {

namespace {

#ifdef _WIN32
// Windows takes either slash, and "C:" ends a path prefix as much as a separator does.
constexpr UnicodeStringView FolderSeparators = u"\\/";
constexpr UnicodeStringView NameDelimiters = u"\\/:";
constexpr UnicodeStringView ExtensionDelimiters = u".\\/:";
#else
constexpr UnicodeStringView FolderSeparators = u"/";
constexpr UnicodeStringView NameDelimiters = u"/";
constexpr UnicodeStringView ExtensionDelimiters = u"./";
#endif

// Where the name part starts.
size_t NameStart(UnicodeStringView fileName) {
    return static_cast<size_t>(LastDelimiter(NameDelimiters, fileName) + 1);
}

// Position of the extension's dot, or the length when the name part has no dot.
size_t ExtensionStart(UnicodeStringView fileName) {
    const int32_t position = LastDelimiter(ExtensionDelimiters, fileName);
    if (position < 0 || fileName[static_cast<size_t>(position)] != u'.') {
        return fileName.size();
    }
    return static_cast<size_t>(position);
}

bool EndsWithSeparator(UnicodeStringView path) {
    return !path.empty() && FolderSeparators.find(path.back()) != UnicodeStringView::npos;
}

// Skips the raw entries whose attributes the record's filter excludes.
int32_t SkipExcluded(TSearchRec& searchRec, int32_t error) {
    while (error == 0 && (searchRec.Attr & searchRec.ExcludeAttr) != 0) {
        error = detail::PlatformFindNext(searchRec);
    }
    return error;
}

} // namespace

UnicodeString ExtractFilePath(UnicodeStringView fileName) {
    return UnicodeString(fileName.substr(0, NameStart(fileName)));
}

UnicodeString ExtractFileName(UnicodeStringView fileName) {
    return UnicodeString(fileName.substr(NameStart(fileName)));
}

UnicodeString ExtractFileExt(UnicodeStringView fileName) {
    return UnicodeString(fileName.substr(ExtensionStart(fileName)));
}

UnicodeString ChangeFileExt(UnicodeStringView fileName, UnicodeStringView extension) {
    UnicodeString result(fileName.substr(0, ExtensionStart(fileName)));
    result += extension;
    return result;
}

UnicodeString IncludeTrailingPathDelimiter(UnicodeStringView path) {
    UnicodeString result(path);
    if (!EndsWithSeparator(path)) {
        result += PathDelim;
    }
    return result;
}

UnicodeString ExcludeTrailingPathDelimiter(UnicodeStringView path) {
    if (EndsWithSeparator(path)) {
        path.remove_suffix(1);
    }
    return UnicodeString(path);
}

int32_t FindFirst(UnicodeStringView pattern, int32_t attr, TSearchRec& searchRec) {
    FindClose(searchRec);
    searchRec.ExcludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    const int32_t error = SkipExcluded(searchRec, detail::PlatformFindFirst(pattern, searchRec));
    if (error != 0) {
        FindClose(searchRec);
    }
    return error;
}

int32_t FindNext(TSearchRec& searchRec) {
    return SkipExcluded(searchRec, detail::PlatformFindNext(searchRec));
}

void FindClose(TSearchRec& searchRec) {
    searchRec.FindHandle.reset();
}

} // namespace rtl
