#include "rtl/io/FileUtils.h"

#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#ifdef _WIN32
#include "rtl/WindowsApi.h"
#else
#include <sys/stat.h>
#endif

namespace rtl {
namespace {

// Writes a path of the tables with this platform's separator.
UnicodeString Native(UnicodeStringView path) {
    UnicodeString result(path);
    std::replace(result.begin(), result.end(), u'/', PathDelim);
    return result;
}

std::string Utf8(UnicodeStringView text) {
    return UnicodeToUtf8(text);
}

TEST(FileUtils, PathParts) {
    struct Case {
        UnicodeString fileName, path, name, extension;
    };
    const Case cases[] = {
        {u"/dir/file.ext", u"/dir/", u"file.ext", u".ext"},
        {u"file", u"", u"file", u""},
        {u"dir.x/file", u"dir.x/", u"file", u""},
        {u"dir/", u"dir/", u"", u""},
        {u"dir/a.tar.gz", u"dir/", u"a.tar.gz", u".gz"},
        {u"dir/file.", u"dir/", u"file.", u"."},
        {u"/销售/清单.xlsx", u"/销售/", u"清单.xlsx", u".xlsx"},
        {u"", u"", u"", u""},
    };
    for (const auto& c : cases) {
        const UnicodeString fileName = Native(c.fileName);
        SCOPED_TRACE(Utf8(fileName));
        EXPECT_EQ(ExtractFilePath(fileName), Native(c.path));
        EXPECT_EQ(ExtractFileName(fileName), c.name);
        EXPECT_EQ(ExtractFileExt(fileName), c.extension);
    }
}

TEST(FileUtils, PlatformPathSyntax) {
    struct Case {
        UnicodeString fileName, path, name, extension;
    };
#ifdef _WIN32
    const Case cases[] = {
        {u"C:\\dir\\file.ext", u"C:\\dir\\", u"file.ext", u".ext"},
        {u"C:file.txt", u"C:", u"file.txt", u".txt"},
        {u"C:", u"C:", u"", u""},
        {u"\\\\server\\share\\f.txt", u"\\\\server\\share\\", u"f.txt", u".txt"},
        {u"C:/dir.x/sub\\file", u"C:/dir.x/sub\\", u"file", u""},
        {u"C:\\dir/file.a.b", u"C:\\dir/", u"file.a.b", u".b"},
    };
#else
    // Backslash and colon are ordinary name characters here.
    const Case cases[] = {
        {u"/dir/a\\b:c.txt", u"/dir/", u"a\\b:c.txt", u".txt"},
        {u"C:\\dir.x\\file", u"", u"C:\\dir.x\\file", u".x\\file"},
    };
#endif
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.fileName));
        EXPECT_EQ(ExtractFilePath(c.fileName), c.path);
        EXPECT_EQ(ExtractFileName(c.fileName), c.name);
        EXPECT_EQ(ExtractFileExt(c.fileName), c.extension);
    }
}

TEST(FileUtils, ChangeFileExt) {
    struct Case {
        UnicodeString fileName, extension, expected;
    };
    const Case cases[] = {
        {u"dir/book.xlsx", u".xml", u"dir/book.xml"},
        {u"dir.x/book", u".xml", u"dir.x/book.xml"},
        {u"a.tar.gz", u"", u"a.tar"},
        {u"book.", u".xls", u"book.xls"},
        {u"dir.x/", u".ini", u"dir.x/.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.fileName));
        EXPECT_EQ(ChangeFileExt(Native(c.fileName), c.extension), Native(c.expected));
    }
}

TEST(FileUtils, TrailingPathDelimiter) {
    struct Case {
        UnicodeString path, included, excluded;
    };
    const Case cases[] = {
        {u"dir", u"dir/", u"dir"}, {u"dir/", u"dir/", u"dir"}, {u"dir//", u"dir//", u"dir/"},
        {u"/", u"/", u""},         {u"", u"/", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.path));
        EXPECT_EQ(IncludeTrailingPathDelimiter(Native(c.path)), Native(c.included));
        EXPECT_EQ(ExcludeTrailingPathDelimiter(Native(c.path)), Native(c.excluded));
    }
#ifdef _WIN32
    // A forward slash already ends a Windows path.
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"C:/dir/"), u"C:/dir/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter(u"C:/dir/"), u"C:/dir");
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"C:"), u"C:\\");
#else
    EXPECT_EQ(IncludeTrailingPathDelimiter(u"dir\\"), u"dir\\/");
#endif
}

TEST(FileUtils, TempDirectoryIsAnExistingFolderWithTrailingDelimiter) {
    const UnicodeString folder = GetTempDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), PathDelim);
    EXPECT_TRUE(DirectoryExists(folder));
}

std::filesystem::path FsPath(UnicodeStringView path) {
    return std::filesystem::path(UnicodeString(path));
}

void WriteFile(UnicodeStringView fileName, std::string_view content) {
    std::ofstream file(FsPath(fileName), std::ios::binary | std::ios::trunc);
    file << content;
    ASSERT_TRUE(file.good());
}

std::string ReadFile(UnicodeStringView fileName) {
    std::ifstream file(FsPath(fileName), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

#ifdef _WIN32
void ChangeAttribute(UnicodeStringView path, DWORD attribute, bool set) {
    const std::wstring wide(path.begin(), path.end());
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), set ? attributes | attribute : attributes & ~attribute));
}

void SetReadOnly(UnicodeStringView path, bool readOnly) {
    ChangeAttribute(path, FILE_ATTRIBUTE_READONLY, readOnly);
}
// Dot names are not hidden on Windows by themselves.
void MakeHidden(UnicodeStringView path) {
    ChangeAttribute(path, FILE_ATTRIBUTE_HIDDEN, true);
}
// Windows keeps a folder's read-only attribute; Wine accepts it but drops it, as it maps read-only to the Unix write
// bits of files only.
bool KeepsReadOnly(UnicodeStringView path) {
    const std::wstring wide(path.begin(), path.end());
    return (GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_READONLY) != 0;
}
#else
void SetReadOnly(UnicodeStringView path, bool readOnly) {
    ASSERT_EQ(chmod(Utf8(path).c_str(), readOnly ? 0555 : 0755), 0);
}
void MakeHidden(UnicodeStringView) {}
bool KeepsReadOnly(UnicodeStringView) {
    return true;
}
#endif

constexpr int32_t plainFileSize = 5;

// A fresh folder in the temporary folder holding a plain file, a Chinese-named file, a hidden file, a read-only file,
// a plain subfolder and a read-only subfolder; removed again afterwards.
class FileUtilsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        for (int attempt = 0; Folder.empty(); ++attempt) {
            const UnicodeString candidate = GetTempDirectory() + u"rtl-file-utils-" + U16(std::to_string(attempt));
            if (std::filesystem::create_directory(FsPath(candidate))) {
                Folder = IncludeTrailingPathDelimiter(candidate);
            }
        }
        WriteFile(Folder + u"plain.txt", "plain");
        WriteFile(Folder + u"销售清单.xlsx", "workbook contents");
        WriteFile(Folder + u".hidden", "");
        MakeHidden(Folder + u".hidden");
        std::filesystem::create_directory(FsPath(Folder + u"sub"));
        WriteFile(Folder + u"ro.txt", "");
        SetReadOnly(Folder + u"ro.txt", true);
        std::filesystem::create_directory(FsPath(Folder + u"ro"));
        SetReadOnly(Folder + u"ro", true);
    }

    void TearDown() override {
        SetReadOnly(Folder + u"ro.txt", false);
        SetReadOnly(Folder + u"ro", false);
        std::filesystem::remove_all(FsPath(Folder));
    }

    // Every entry that an enumeration of the pattern reports, sorted by name; empty when FindFirst fails.
    std::vector<TSearchRec> Enumerate(UnicodeStringView pattern, int32_t attr) const {
        std::vector<TSearchRec> entries;
        TSearchRec searchRec;
        for (int32_t error = FindFirst(Folder + UnicodeString(pattern), attr, searchRec); error == 0;
             error = FindNext(searchRec)) {
            auto& entry = entries.emplace_back();
            entry.Name = searchRec.Name;
            entry.Size = searchRec.Size;
            entry.Attr = searchRec.Attr;
            entry.Time = searchRec.Time;
        }
        FindClose(searchRec);
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
        return entries;
    }

    static std::string Names(const std::vector<TSearchRec>& entries) {
        UnicodeString names;
        for (const auto& entry : entries) {
            names += entry.Name + u" ";
        }
        return Utf8(names);
    }

    UnicodeString Folder;
};

TEST_F(FileUtilsFolder, ExistenceSizeAndAge) {
    struct Case {
        UnicodeString path;
        bool isFile, isFolder;
        int64_t size;
    };
    const Case cases[] = {
        {Folder + u"plain.txt", true, false, plainFileSize},
        {Folder + u"销售清单.xlsx", true, false, 17},
        {Folder + u"sub", false, true, -1},
        {Folder + u"sub" + PathDelim, false, true, -1},
        {Folder + u"missing.txt", false, false, -1},
        {Folder + u"missing" + PathDelim + u"plain.txt", false, false, -1},
        // The name must not be cut short at the NUL.
        {Folder + u"plain.txt" + u'\0' + u"junk", false, false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.path));
        EXPECT_EQ(FileExists(c.path), c.isFile);
        EXPECT_EQ(DirectoryExists(c.path), c.isFolder);
        EXPECT_EQ(FileSize(c.path), c.size);
        TDateTime age = 0;
        EXPECT_EQ(FileAge(c.path, age), c.isFile || c.isFolder);
    }
}

// A clock in the wrong time zone or a wrong epoch is off by hours or years; the files were written moments ago.
void ExpectRecent(TDateTime time) {
    constexpr TDateTime tenMinutes = 10.0 / (24 * 60);
    EXPECT_NEAR(time, Now(), tenMinutes);
}

TEST_F(FileUtilsFolder, FileAgeIsLocalTime) {
    TDateTime age = 0;
    ASSERT_TRUE(FileAge(Folder + u"plain.txt", age));
    ExpectRecent(age);
}

TEST_F(FileUtilsFolder, EnumerationReportsNamesAndAttributes) {
    const auto entries = Enumerate(u"*", faAnyFile);
    ASSERT_EQ(Names(entries), ". .. .hidden plain.txt ro ro.txt sub 销售清单.xlsx ");
    const int32_t folderReadOnly = KeepsReadOnly(Folder + u"ro") ? faReadOnly : 0;
    struct Expected {
        UnicodeString name;
        int32_t setBits, clearBits;
        int64_t size;
    };
    const Expected expected[] = {
        {u".hidden", faHidden, faDirectory | faReadOnly, 0},
        {u"plain.txt", 0, faDirectory | faReadOnly | faHidden | faSysFile, plainFileSize},
        {u"ro", faDirectory | folderReadOnly, faHidden, 0},
        {u"ro.txt", faReadOnly, faDirectory | faHidden, 0},
        {u"销售清单.xlsx", 0, faDirectory | faReadOnly | faHidden | faSysFile, 17},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(Utf8(e.name));
        const auto entry =
            std::find_if(entries.begin(), entries.end(), [&](const auto& x) { return x.Name == e.name; });
        ASSERT_NE(entry, entries.end());
        EXPECT_EQ(entry->Attr & e.setBits, e.setBits);
        EXPECT_EQ(entry->Attr & e.clearBits, 0);
        EXPECT_EQ(entry->Size, e.size);
        ExpectRecent(entry->Time);
    }
    // A new folder carries the folder bit and nothing else, which the invoicing software's detection relies on.
    const auto sub = std::find_if(entries.begin(), entries.end(), [](const auto& x) { return x.Name == u"sub"; });
    EXPECT_EQ(sub->Attr, faDirectory);
}

TEST_F(FileUtilsFolder, AttributeFilter) {
    struct Case {
        int32_t attr;
        std::string names;
    };
    const Case cases[] = {
        {0, "plain.txt ro.txt 销售清单.xlsx "},
        {faReadOnly | faArchive, "plain.txt ro.txt 销售清单.xlsx "},
        {faDirectory, ". .. plain.txt ro ro.txt sub 销售清单.xlsx "},
        {faHidden, ".hidden plain.txt ro.txt 销售清单.xlsx "},
        {faAnyFile, ". .. .hidden plain.txt ro ro.txt sub 销售清单.xlsx "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attr);
        EXPECT_EQ(Names(Enumerate(u"*", c.attr)), c.names);
    }
}

TEST_F(FileUtilsFolder, WildcardPatterns) {
    struct Case {
        UnicodeString pattern;
        std::string names;
    };
    const Case cases[] = {
        {u"*.*", ". .. .hidden plain.txt ro ro.txt sub 销售清单.xlsx "}, // names without a dot too
        {u"*.txt", "plain.txt ro.txt "},
        {u"?lain.t?t", "plain.txt "},
        {u"销售*", "销售清单.xlsx "},
        {u"*.x?sx", "销售清单.xlsx "},
        {u"s*", "sub "},
        {u"plain.txt", "plain.txt "},
        {u"*.doc", ""},
        {u"missing" + UnicodeString(1, PathDelim) + u"*", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.pattern));
        EXPECT_EQ(Names(Enumerate(c.pattern, faAnyFile)), c.names);
    }
}

TEST_F(FileUtilsFolder, EnumerationEndsAndClosesCleanly) {
    TSearchRec searchRec;
    EXPECT_NE(FindFirst(Folder + u"*.doc", faAnyFile, searchRec), 0);
    EXPECT_FALSE(searchRec.FindHandle);
    EXPECT_NE(FindNext(searchRec), 0);

    ASSERT_EQ(FindFirst(Folder + u"plain.txt", faAnyFile, searchRec), 0);
    EXPECT_EQ(searchRec.Name, u"plain.txt");
    EXPECT_NE(FindNext(searchRec), 0);
    EXPECT_NE(FindNext(searchRec), 0);
    FindClose(searchRec);
    FindClose(searchRec);
    EXPECT_NE(FindNext(searchRec), 0);

    // A second FindFirst on an open record starts over.
    ASSERT_EQ(FindFirst(Folder + u"*.xlsx", faAnyFile, searchRec), 0);
    ASSERT_EQ(FindFirst(Folder + u"p*.txt", faAnyFile, searchRec), 0);
    EXPECT_EQ(searchRec.Name, u"plain.txt");
}

TEST_F(FileUtilsFolder, CopyRenameAndRemove) {
    const UnicodeString source = Folder + u"销售清单.xlsx";
    const UnicodeString copy = Folder + u"copy.xlsx";
    const UnicodeString plain = Folder + u"plain.txt";

    EXPECT_TRUE(CopyFileTo(source, copy, true));
    EXPECT_EQ(ReadFile(copy), "workbook contents");
    EXPECT_FALSE(CopyFileTo(plain, copy, true));
    EXPECT_EQ(ReadFile(copy), "workbook contents");
    EXPECT_TRUE(CopyFileTo(plain, copy, false));
    EXPECT_EQ(ReadFile(copy), "plain");
    EXPECT_FALSE(CopyFileTo(Folder + u"missing.xlsx", copy, false));

    const UnicodeString renamed = Folder + u"改名.uTMP";
    EXPECT_FALSE(RenameFile(copy, plain));
    EXPECT_EQ(ReadFile(plain), "plain");
    EXPECT_TRUE(RenameFile(copy, renamed));
    EXPECT_FALSE(FileExists(copy));
    EXPECT_EQ(ReadFile(renamed), "plain");

    EXPECT_TRUE(RemoveFile(renamed));
    EXPECT_FALSE(FileExists(renamed));
    EXPECT_FALSE(RemoveFile(renamed));
    EXPECT_FALSE(RemoveFile(Folder + u"sub"));
    EXPECT_TRUE(DirectoryExists(Folder + u"sub"));
}

TEST_F(FileUtilsFolder, RenameReplacingTakesThePlaceOfTheTarget) {
    const UnicodeString source = Folder + u"销售清单.xlsx";
    const UnicodeString target = Folder + u"plain.txt";
    const UnicodeString fresh = Folder + u"新文件.xml";

    EXPECT_TRUE(RenameFileReplacing(source, target));
    EXPECT_FALSE(FileExists(source));
    EXPECT_EQ(ReadFile(target), "workbook contents");
    EXPECT_TRUE(RenameFileReplacing(target, fresh));
    EXPECT_EQ(ReadFile(fresh), "workbook contents");

    // A missing source changes nothing, and a folder is not replaced.
    EXPECT_FALSE(RenameFileReplacing(Folder + u"missing.xlsx", fresh));
    EXPECT_EQ(ReadFile(fresh), "workbook contents");
    EXPECT_FALSE(RenameFileReplacing(fresh, Folder + u"sub"));
    EXPECT_TRUE(DirectoryExists(Folder + u"sub"));
    EXPECT_TRUE(FileExists(fresh));
}

} // namespace
} // namespace rtl
