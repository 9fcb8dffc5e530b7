// The detection of the invoicing software's commodity-code version over a registry table and an install tree made
// in a temporary folder, and the reading of one element of its parameter file.

#include "app/invoice/InvoicingSoftwareDetection.h"

#include "rtl/io/FileUtils.h"
#include "rtl/text/CodePages.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

constexpr char16_t Key64[] = u"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\开票软件";
constexpr char16_t Key32[] = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\开票软件";
constexpr char16_t TaxNumber[] = u"91110108MA00000000";

std::string ParameterFile(std::string_view version) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<FPXT>\r\n  <OUTPUT>\r\n    <DATA>\r\n      <SPBMBBH>" +
           std::string(version) + "</SPBMBBH>\r\n    </DATA>\r\n  </OUTPUT>\r\n</FPXT>\r\n";
}

class InvoicingSoftwareDetection : public testing::Test {
protected:
    void SetUp() override { Registry.Add(app::rhLocalMachine, Key64, u"DisplayIcon", Install + u"开票软件.exe"); }

    // Makes a company folder with a parameter file in its bin folder; returns the company folder.
    rtl::UnicodeString AddCompany(rtl::UnicodeStringView folderName, rtl::UnicodeStringView fileName,
                                  std::string_view content) {
        const rtl::UnicodeString bin = Folder.MakeFolder(u"kp" + rtl::UnicodeString(1, rtl::PathDelim) +
                                                         rtl::UnicodeString(folderName) + rtl::PathDelim + u"bin");
        app_test::WriteFileBytes(bin + rtl::UnicodeString(fileName), content);
        return Install + rtl::UnicodeString(folderName);
    }

    std::string Detect() {
        const std::optional<rtl::UnicodeString> version = app::DetectInvoicingSoftware(Registry, TaxNumber);
        return version ? "\"" + Utf8(*version) + "\"" : "nothing";
    }

    app_test::TTempFolder Folder;
    const rtl::UnicodeString Install = Folder.MakeFolder(u"kp");
    app_test::TTableRegistry Registry;
};

TEST_F(InvoicingSoftwareDetection, FindsTheVersionInTheCompanysParameterFile) {
    AddCompany(rtl::UnicodeString(TaxNumber) + u"某某公司", u"91110108MA00000000QYXXParams.xml",
               ParameterFile(" 33.0 "));
    AddCompany(u"其他公司", u"91110108MA00000000QYXXParams.xml", ParameterFile("1.0"));
    EXPECT_EQ(Detect(), "\" 33.0 \"") << "the text is taken unchanged";
    EXPECT_EQ(app::DetectInvoicingSoftware(Registry, u""), std::nullopt) << "an empty number matches no name";
}

TEST_F(InvoicingSoftwareDetection, TheUninstallKeysAreTriedInOrder) {
    AddCompany(TaxNumber, u"91110108MA00000000QYXXParams.xml", ParameterFile("33.0"));
    app_test::TTableRegistry onlySecond;
    onlySecond.Add(app::rhLocalMachine, Key32, u"DisplayIcon", u"\"" + Install + u"开票软件.exe\",0");
    EXPECT_TRUE(app::DetectInvoicingSoftware(onlySecond, TaxNumber)) << "a quoted icon path with an icon index";

    app_test::TTableRegistry firstWithoutIcon = onlySecond;
    firstWithoutIcon.Add(app::rhLocalMachine, Key64, u"", u"");
    EXPECT_FALSE(app::DetectInvoicingSoftware(firstWithoutIcon, TaxNumber))
        << "the first key that opens decides, with or without its value";
    EXPECT_FALSE(app::DetectInvoicingSoftware(app_test::TTableRegistry(), TaxNumber));
}

TEST_F(InvoicingSoftwareDetection, OnlyAPlainFolderCountsAndTheFirstOneWins) {
    // A folder that is hidden as well (a dot name is hidden on Windows and elsewhere) does not count, nor would one
    // that is also read-only, system or archived.
    AddCompany(u"." + rtl::UnicodeString(TaxNumber) + u"A", u"91110108MA00000000QYXXParams.xml", ParameterFile("1"));
    EXPECT_EQ(Detect(), "nothing");

    AddCompany(rtl::UnicodeString(TaxNumber) + u"B", u"QYXXParams_91110108MA00000000.xml", ParameterFile("2"));
    AddCompany(rtl::UnicodeString(TaxNumber) + u"C", u"QYXXParams_91110108MA00000000.xml", ParameterFile("3"));
    // The first plain folder in the order the file system gives them.
    rtl::TSearchRec entry;
    std::string first;
    for (int32_t found = rtl::FindFirst(Install + u"*.*", rtl::faAnyFile, entry); found == 0 && first.empty();
         found = rtl::FindNext(entry)) {
        if (entry.Attr == rtl::faDirectory && entry.Name.starts_with(TaxNumber)) {
            first = Utf8(entry.Name.substr(entry.Name.size() - 1));
        }
    }
    rtl::FindClose(entry);
    EXPECT_EQ(Detect(), first == "B" ? "\"2\"" : "\"3\"");
}

TEST_F(InvoicingSoftwareDetection, TheParameterFileNeedsTheNumberAndTheMark) {
    AddCompany(TaxNumber, u"QYXXParams.xml", ParameterFile("1"));
    AddCompany(TaxNumber, u"91110108MA00000000Params.xml", ParameterFile("2"));
    EXPECT_EQ(Detect(), "nothing");
}

TEST_F(InvoicingSoftwareDetection, WhatTheParameterFileHoldsDecidesTheEdit) {
    const struct {
        std::string Content;
        const char* Result;
    } cases[] = {
        {ParameterFile(""), "\"\""}, // an empty element empties the edit
        {"<FPXT><OUTPUT><DATA/></OUTPUT></FPXT>", "\"\""},
        {"<OTHER><OUTPUT><DATA><SPBMBBH>1</SPBMBBH></DATA></OUTPUT></OTHER>", "\"\""},
        {ParameterFile("<V>1</V>"), "nothing"}, // "error": the edit keeps its text
        {"<FPXT><OUTPUT>", "nothing"},
        {rtl::UnicodeToAnsi(rtl::Utf8ToUnicode("<?xml version=\"1.0\" encoding=\"GBK\"?><FPXT><OUTPUT><DATA>"
                                               "<NSRMC>北京某某科技有限公司</NSRMC><SPBMBBH>版本33</SPBMBBH>"
                                               "</DATA></OUTPUT></FPXT>"),
                            936),
         "\"版本33\""},
    };
    const rtl::UnicodeString bin =
        AddCompany(TaxNumber, u"91110108MA00000000QYXXParams.xml", "") + rtl::PathDelim + u"bin" + rtl::PathDelim;
    for (const auto& c : cases) {
        app_test::WriteFileBytes(bin + u"91110108MA00000000QYXXParams.xml", c.Content);
        EXPECT_EQ(Detect(), c.Result) << c.Content;
    }
}

TEST(ReadXmlPathValue, FollowsThePathFromTheDocumentElement) {
    app_test::TTempFolder folder;
    const rtl::UnicodeString fileName = folder.Path() + u"params.xml";
    app_test::WriteFileBytes(fileName, "<a><b><c>1</c><c>2</c></b><d><![CDATA[<x>]]></d></a>");
    EXPECT_EQ(app::ReadXmlPathValue(fileName, u"a.b.c", u'.'), u"1") << "the first child of the name";
    EXPECT_EQ(app::ReadXmlPathValue(fileName, u"a/d", u'/'), u"<x>");
    EXPECT_EQ(app::ReadXmlPathValue(fileName, u"a", u'.'), u"error") << "an element with elements holds no text";
    EXPECT_EQ(app::ReadXmlPathValue(fileName, u"a.B", u'.'), u"");
    EXPECT_EQ(app::ReadXmlPathValue(fileName, u"b.c", u'.'), u"");
    EXPECT_EQ(app::ReadXmlPathValue(fileName, u"", u'.'), u"");
    EXPECT_EQ(app::ReadXmlPathValue(folder.Path() + u"missing.xml", u"a", u'.'), u"error");
}

} // namespace
