#include "tests/support/TestSupport.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/FileStream.h"
#include "rtl/io/FileUtils.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace test_support {

namespace {

// Adds the files under folder (and its subfolders) whose names end in one of the extensions.
void CollectFiles(const rtl::UnicodeString& folder, std::initializer_list<rtl::UnicodeStringView> extensions,
                  std::vector<rtl::UnicodeString>& files) {
    rtl::TSearchRec entry;
    for (int32_t found = rtl::FindFirst(folder + u"/*", rtl::faDirectory, entry); found == 0;
         found = rtl::FindNext(entry)) {
        const rtl::UnicodeString path = folder + u"/" + entry.Name;
        if ((entry.Attr & rtl::faDirectory) != 0) {
            if (entry.Name != u"." && entry.Name != u"..") {
                CollectFiles(path, extensions, files);
            }
            continue;
        }
        const rtl::UnicodeString extension = rtl::LowerCase(rtl::ExtractFileExt(entry.Name));
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end()) {
            files.push_back(path);
        }
    }
    rtl::FindClose(entry);
}

} // namespace

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const rtl::Exception& e) {
        return rtl::UnicodeToUtf8(e.Message());
    }
    return "no exception";
}

std::string Utf8(rtl::UnicodeStringView text) {
    return rtl::UnicodeToUtf8(text);
}

rtl::UnicodeString DataPath(std::string_view relative) {
    return rtl::Utf8ToUnicode(std::string(TALLYVANE_TEST_DATA_DIR) + "/" + std::string(relative));
}

rtl::UnicodeString CorpusDir() {
    return rtl::Utf8ToUnicode(TALLYVANE_CORPUS_DIR);
}

bool HasCorpus() {
    return rtl::DirectoryExists(CorpusDir());
}

std::vector<rtl::UnicodeString> CorpusFiles(std::initializer_list<rtl::UnicodeStringView> extensions) {
    std::vector<rtl::UnicodeString> files;
    CollectFiles(CorpusDir(), extensions, files);
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<rtl::UnicodeString> DataFiles(std::initializer_list<rtl::UnicodeStringView> extensions) {
    std::vector<rtl::UnicodeString> files;
    CollectFiles(rtl::Utf8ToUnicode(TALLYVANE_TEST_DATA_DIR), extensions, files);
    std::sort(files.begin(), files.end());
    return files;
}

TTempFile::TTempFile(rtl::UnicodeStringView name, const std::vector<uint8_t>& bytes)
    : FName(rtl::GetTempDirectory() + u"tallyvane-" +
            rtl::U16(testing::UnitTest::GetInstance()->current_test_info()->name()) + u"-" + rtl::UnicodeString(name)) {
    rtl::TFileStream file(FName, rtl::fmCreate);
    if (!bytes.empty()) {
        file.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
    }
}

TTempFile::~TTempFile() {
    rtl::RemoveFile(FName);
}

std::string NumberText(double value) {
    std::ostringstream text;
    text.precision(15);
    text << value;
    return text.str();
}

TDecimalSeparator::TDecimalSeparator(char16_t separator) : FSaved(rtl::FormatSettings().DecimalSeparator) {
    rtl::FormatSettings().DecimalSeparator = separator;
}

TDecimalSeparator::~TDecimalSeparator() {
    rtl::FormatSettings().DecimalSeparator = FSaved;
}

} // namespace test_support
