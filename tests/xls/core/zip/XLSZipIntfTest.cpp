#include "xls/core/zip/XLSZipIntf.h"

#include "ZipTestSupport.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/zip/XLSZip.h"

#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using test::ReadAll;
using test::StreamOf;
using test::WriteAll;
using test_support::MessageOf;

TEST(XLSZipArchiveIntfXLS, JoinsDirectoryAndNameWithOneSlash) {
    const struct {
        const char* name;
        std::function<void(TXLSZipArchiveIntf&, rtl::TStream&)> add;
        const char16_t* expected;
    } cases[] = {
        {"CreateFile with directories",
         [](TXLSZipArchiveIntf& zip, rtl::TStream&) { zip.CloseFile(zip.CreateFile(u"xl/worksheets/sheet1.xml")); },
         u"xl/worksheets/sheet1.xml"},
        {"CreateFile from the root",
         [](TXLSZipArchiveIntf& zip, rtl::TStream&) { zip.CloseFile(zip.CreateFile(u"/xl/workbook.xml")); },
         u"xl/workbook.xml"},
        {"CreateFile without directory",
         [](TXLSZipArchiveIntf& zip, rtl::TStream&) { zip.CloseFile(zip.CreateFile(u"[Content_Types].xml")); },
         u"[Content_Types].xml"},
        {"CreateFileIn with slashes on both sides",
         [](TXLSZipArchiveIntf& zip, rtl::TStream&) { zip.CloseFile(zip.CreateFileIn(u"xl/", u"/styles.xml")); },
         u"xl/styles.xml"},
        {"CreateFileIn without directory",
         [](TXLSZipArchiveIntf& zip, rtl::TStream&) { zip.CloseFile(zip.CreateFileIn(u"", u"a.xml")); }, u"a.xml"},
        {"AddFile", [](TXLSZipArchiveIntf& zip, rtl::TStream& data) { zip.AddFile(u"_rels/.rels", data); },
         u"_rels/.rels"},
        {"AddFileIn",
         [](TXLSZipArchiveIntf& zip, rtl::TStream& data) { zip.AddFileIn(u"docProps", u"core.xml", data); },
         u"docProps/core.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rtl::TMemoryStream output;
        auto data = StreamOf("x");
        TXLSZipArchiveIntfXLS zip;
        zip.OpenWrite(output);
        c.add(zip, *data);
        zip.Close();
        zip.OpenRead(output);
        ASSERT_EQ(zip.GetCount(), 1);
        EXPECT_EQ(zip.Archive().GetFile(0).Name(), c.expected);
    }
}

TEST(XLSZipArchiveIntfXLS, WritesAndReadsAPackage) {
    rtl::TMemoryStream output;
    TXLSZipArchiveIntfXLS zip;
    zip.OpenWrite(output);
    rtl::TStream& workbook = zip.CreateFile(u"xl/workbook.xml");
    WriteAll(workbook, "<workbook/>");
    zip.CloseFile(workbook);
    // AddFile stores the whole source, wherever its position stands.
    auto types = StreamOf("<Types/>");
    types->Seek(0, rtl::soEnd);
    zip.AddFile(u"[Content_Types].xml", *types);
    rtl::TMemoryStream other;
    EXPECT_EQ(MessageOf([&] { zip.CloseFile(other); }), "Stream is not TCompressionStream");
    zip.Close();

    zip.OpenRead(output);
    EXPECT_EQ(zip.GetCount(), 2);
    EXPECT_EQ(zip.Find(u"[CONTENT_TYPES].XML"), 1);
    auto stream = zip.OpenFile(u"XL/workbook.xml");
    EXPECT_EQ(stream->Size(), 11);
    EXPECT_EQ(ReadAll(*stream), "<workbook/>");
    EXPECT_EQ(ReadAll(*zip.OpenFile(u"[Content_Types].xml")), "<Types/>");
    EXPECT_EQ(MessageOf([&] { zip.OpenFile(u"xl/styles.xml"); }), "Can not find file xl/styles.xml in ZIP");
    stream.reset();
    zip.Close();
    EXPECT_EQ(zip.GetCount(), 0);
}

} // namespace
} // namespace xls
