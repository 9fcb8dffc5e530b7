#pragma once
// Elements that real producers wrote, cut from the drawing and chart parts of the corpus workbooks, so that the tests
// read them through the sample unit; the tests skip without the corpus.

#include "rtl/io/FileStream.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/drawing/DrawingTestSupport.h"
#include "xls/core/zip/XLSZip.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace xls::drawing_test {

// The elements named name in a part's text, each whole with what it holds (an element of that name never holds
// another).
inline std::vector<std::string> Cut(const std::string& part, std::string_view name) {
    std::vector<std::string> elements;
    const std::string open = "<" + std::string(name);
    const std::string close = "</" + std::string(name) + ">";
    for (size_t at = part.find(open); at != std::string::npos; at = part.find(open, at + 1)) {
        const size_t next = at + open.size();
        if (next >= part.size() || std::string_view(" />").find(part[next]) == std::string_view::npos) {
            continue;
        }
        const size_t tagEnd = part.find('>', at);
        const size_t end = part[tagEnd - 1] == '/' ? tagEnd + 1 : part.find(close, at) + close.size();
        elements.push_back(part.substr(at, end - at));
    }
    return elements;
}

// The elements of those names in the drawing and chart parts of a workbook of the corpus's calamine folder, by name.
inline std::map<std::string, std::vector<std::string>> CutFromWorkbook(std::u16string_view file,
                                                                       std::span<const std::string_view> names) {
    rtl::TFileStream stream(test_support::CorpusDir() + u"/calamine/tests/" + rtl::UnicodeString(file),
                            rtl::fmOpenRead | rtl::fmShareDenyNone);
    TXLSZipArchive archive;
    archive.OpenRead(stream);
    std::map<std::string, std::vector<std::string>> elements;
    for (int32_t i = 0; i < archive.Count(); ++i) {
        TXLSZipFile& entry = archive.GetFile(i);
        const rtl::UnicodeString& entryName = entry.Name();
        if (!(entryName.starts_with(u"xl/charts/chart") || entryName.starts_with(u"xl/drawings/drawing")) ||
            !entryName.ends_with(u".xml")) {
            continue;
        }
        rtl::TStringStream part;
        entry.CopyToStream(part);
        for (std::string_view name : names) {
            for (std::string& element : Cut(part.DataString(), name)) {
                elements[std::string(name)].push_back(std::move(element));
            }
        }
    }
    return elements;
}

// A workbook of the corpus and how many elements of each name are cut from it.
struct TCutCounts {
    std::u16string_view File;
    std::map<std::string, size_t> Counts;
};

// Cuts the elements of those names from each workbook and reads every one into a sample of its own, which must
// report nothing; the numbers cut must be the workbook's counts.
inline void ExpectEachReadWithoutAReport(std::span<const std::string_view> names,
                                         std::initializer_list<TCutCounts> workbooks) {
    for (const TCutCounts& workbook : workbooks) {
        SCOPED_TRACE(test_support::Utf8(workbook.File));
        std::map<std::string, size_t> counts;
        for (const auto& [name, cut] : CutFromWorkbook(workbook.File, names)) {
            counts[name] = cut.size();
            for (const std::string& element : cut) {
                SCOPED_TRACE(element);
                TSample sample;
                sample.Load(element);
                EXPECT_EQ(sample.Log, std::vector<std::string>{});
            }
        }
        EXPECT_EQ(counts, workbook.Counts);
    }
}

// The tests of elements cut from the corpus, which skip without it.
class DrawingRealParts : public testing::Test {
protected:
    void SetUp() override {
        if (!test_support::HasCorpus()) {
            GTEST_SKIP() << "no corpus at " << test_support::Utf8(test_support::CorpusDir());
        }
    }
};

} // namespace xls::drawing_test
