#pragma once
// Helpers shared by the test executables.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace test_support {

// The UTF-8 message of the rtl::Exception that action raises, or "no exception" when it raises none.
std::string MessageOf(const std::function<void()>& action);

// UTF-16 text as UTF-8, so that assertions on texts print readably.
std::string Utf8(rtl::UnicodeStringView text);

// The path of a fixture, given relative to tests/data.
rtl::UnicodeString DataPath(std::string_view relative);
// The fixtures, in all the subfolders of tests/data, whose names end in one of the extensions (lower-case, with the
// dot).
std::vector<rtl::UnicodeString> DataFiles(std::initializer_list<rtl::UnicodeStringView> extensions);

// The folder of real-world workbooks that readers are tried on (../shared/corpus beside the clone); tests that need
// it skip when it is absent.
rtl::UnicodeString CorpusDir();
bool HasCorpus();
// The corpus files, in all its subfolders, whose names end in one of the extensions (lower-case, with the dot).
std::vector<rtl::UnicodeString> CorpusFiles(std::initializer_list<rtl::UnicodeStringView> extensions);

// A file in the temporary folder holding bytes, removed again by the destructor. The file is named after the running
// test too: ctest runs test executables side by side.
class TTempFile {
public:
    TTempFile(rtl::UnicodeStringView name, const std::vector<uint8_t>& bytes);
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;
    ~TTempFile();

    const rtl::UnicodeString& Name() const { return FName; }

private:
    rtl::UnicodeString FName;
};

// A number to 15 significant digits, as a spreadsheet program shows it in a general cell.
std::string NumberText(double value);

// Sets the process decimal separator for one test and puts it back.
class TDecimalSeparator {
public:
    explicit TDecimalSeparator(char16_t separator);
    TDecimalSeparator(const TDecimalSeparator&) = delete;
    TDecimalSeparator& operator=(const TDecimalSeparator&) = delete;
    ~TDecimalSeparator();

private:
    char16_t FSaved;
};

} // namespace test_support
