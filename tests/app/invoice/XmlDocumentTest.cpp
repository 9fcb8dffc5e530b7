// The application's XML document: the layout and encoding of a saved file, a save that is complete or leaves the
// old file, and the reading of files in the encodings the invoicing software writes, CDATA included.

#include "app/invoice/XmlDocument.h"

#include "rtl/io/FileUtils.h"
#include "rtl/text/CodePages.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using test_support::MessageOf;
using test_support::Utf8;

std::string Gbk(std::string_view utf8) {
    return rtl::UnicodeToAnsi(rtl::Utf8ToUnicode(utf8), 936);
}

std::string Utf16(std::string_view utf8, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : rtl::Utf8ToUnicode(utf8)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

app::TXmlDocument SmallDocument() {
    app::TXmlDocument document;
    document.SetEncoding(u"GBK");
    app::TXmlElement& root = document.CreateDocumentElement(u"Kp");
    root.AddTextChild(u"Version", u"2.0");
    app::TXmlElement& invoice = root.AddChild(u"Fpxx").AddChild(u"Fp");
    invoice.AddTextChild(u"Gfmc", u"北京某某科技有限公司 & <分公司>");
    invoice.AddTextChild(u"Bz", u"");
    return document;
}

TEST(XmlDocument, SavesOneElementALineIndentedInTheDeclaredEncoding) {
    const std::string expected = Gbk("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n"
                                     "<Kp>\r\n"
                                     "  <Version>2.0</Version>\r\n"
                                     "  <Fpxx>\r\n"
                                     "    <Fp>\r\n"
                                     "      <Gfmc>北京某某科技有限公司 &amp; &lt;分公司&gt;</Gfmc>\r\n"
                                     "      <Bz/>\r\n"
                                     "    </Fp>\r\n"
                                     "  </Fpxx>\r\n"
                                     "</Kp>\r\n");
    EXPECT_EQ(SmallDocument().SaveToBytes(), expected);
}

TEST(XmlDocument, ATextTheEncodingCannotHoldIsNotSaved) {
    for (const rtl::UnicodeString& text :
         {rtl::UnicodeString(u"表情\U0001F600"), rtl::UnicodeString(u"换页\f"), rtl::UnicodeString(u"\xD800")}) {
        app::TXmlDocument document = SmallDocument();
        document.DocumentElement()->AddTextChild(u"Bad", text);
        EXPECT_THROW(document.SaveToBytes(), app::EXmlDocumentError) << Utf8(text);
    }
    app::TXmlDocument utf8 = SmallDocument();
    utf8.SetEncoding(u"utf-8");
    utf8.DocumentElement()->AddTextChild(u"Emoji", u"\U0001F600");
    EXPECT_NE(utf8.SaveToBytes().find("<Emoji>\xF0\x9F\x98\x80</Emoji>"), std::string::npos);
    EXPECT_THROW(utf8.SetEncoding(u"Big5"), app::EXmlDocumentError);
    EXPECT_THROW(app::TXmlDocument().SaveToBytes(), app::EXmlDocumentError);
}

TEST(XmlDocument, ReadsTheEncodingTheFileDeclaresAndCData) {
    const std::string body = "<FPXT><OUTPUT><DATA><NSRMC>测试企业</NSRMC><SPBMBBH><![CDATA[13.0<新>]]></SPBMBBH>"
                             "</DATA></OUTPUT></FPXT>";
    const struct {
        const char* Name;
        std::string Bytes;
    } files[] = {
        {"GBK", Gbk("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n" + body)},
        {"gb2312", Gbk("<?xml version='1.0' encoding='gb2312'?>" + body)},
        {"UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + body},
        {"no declaration", body},
        {"UTF-16LE with mark", "\xFF\xFE" + Utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body, false)},
        {"UTF-16BE with mark", "\xFE\xFF" + Utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body, true)},
        {"UTF-16LE without mark", Utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body, false)},
    };
    for (const auto& file : files) {
        app::TXmlDocument document;
        document.LoadFromBytes(file.Bytes);
        const app::TXmlElement* data = document.DocumentElement()->FindChild(u"OUTPUT")->FindChild(u"DATA");
        ASSERT_NE(data, nullptr) << file.Name;
        EXPECT_EQ(Utf8(data->FindChild(u"NSRMC")->Text()), "测试企业") << file.Name;
        EXPECT_EQ(Utf8(data->FindChild(u"SPBMBBH")->Text()), "13.0<新>") << file.Name;
    }
}

TEST(XmlDocument, TextIsTakenAsWrittenAndWhitespaceAloneIsNoText) {
    app::TXmlDocument document;
    document.LoadFromBytes("<a>\r\n  <b> 13 </b>\r\n  <c>  </c><d/><e>x &amp; y&#x4E2D;</e></a>");
    const app::TXmlElement& root = *document.DocumentElement();
    EXPECT_EQ(root.Text(), u"");
    EXPECT_EQ(root.FindChild(u"b")->Text(), u" 13 ");
    EXPECT_EQ(root.FindChild(u"c")->Text(), u"");
    EXPECT_EQ(root.FindChild(u"d")->Text(), u"");
    EXPECT_EQ(Utf8(root.FindChild(u"e")->Text()), "x & y中");
    EXPECT_EQ(root.FindChild(u"B"), nullptr) << "names compare case-sensitively";
    EXPECT_EQ(MessageOf([&] { root.Child(5); }), "List index out of bounds (5)");
}

TEST(XmlDocument, WhatIsNoWellFormedDocumentIsRefused) {
    using namespace std::string_view_literals;
    const std::string_view broken[] = {
        ""sv,
        "just text"sv,
        "<a><b></a></b>"sv,
        "<a><b></b>"sv,
        "<a/><b/>"sv,
        "<a>&unknown;</a>"sv,
        "<?xml version=\"1.0\" encoding=\"Big5\"?><a/>"sv,
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?><a/>"sv,
        "\xFF\xFE<\0a\0/"sv,
    };
    for (const std::string_view bytes : broken) {
        app::TXmlDocument document;
        EXPECT_THROW(document.LoadFromBytes(bytes), rtl::Exception) << bytes;
        EXPECT_EQ(document.DocumentElement(), nullptr) << "a failed read keeps no partial tree";
    }
    std::string deep;
    for (int level = 0; level < 300; ++level) {
        deep += "<e>";
    }
    app::TXmlDocument document;
    EXPECT_THROW(document.LoadFromBytes(deep), app::EXmlDocumentError);
}

TEST(XmlDocument, ASavedFileReadsBackAsTheSameTree) {
    app_test::TTempFolder folder;
    const rtl::UnicodeString fileName = folder.Path() + u"发票.xml";
    SmallDocument().SaveToFile(fileName);
    app::TXmlDocument document;
    document.LoadFromFile(fileName);
    const app::TXmlElement& root = *document.DocumentElement();
    EXPECT_EQ(root.Name(), u"Kp");
    ASSERT_EQ(root.ChildCount(), 2);
    EXPECT_EQ(root.Child(0).Text(), u"2.0");
    EXPECT_EQ(Utf8(root.Child(1).Child(0).FindChild(u"Gfmc")->Text()), "北京某某科技有限公司 & <分公司>");
    EXPECT_EQ(root.Child(1).Child(0).FindChild(u"Bz")->Text(), u"");
}

TEST(XmlDocument, AFailedSaveLeavesTheFileThatWasThere) {
    app_test::TTempFolder folder;
    const rtl::UnicodeString fileName = folder.Path() + u"发票.xml";
    app_test::WriteFileBytes(fileName, "old invoice");

    app::TXmlDocument bad = SmallDocument();
    bad.DocumentElement()->AddTextChild(u"Bad", u"\U0001F600");
    EXPECT_THROW(bad.SaveToFile(fileName), app::EXmlDocumentError);
    EXPECT_EQ(app_test::ReadFileBytes(fileName), "old invoice");

    EXPECT_THROW(SmallDocument().SaveToFile(folder.Path() + u"没有的文件夹" + rtl::PathDelim + u"a.xml"),
                 rtl::EFCreateError);

    SmallDocument().SaveToFile(fileName);
    EXPECT_EQ(app_test::ReadFileBytes(fileName), SmallDocument().SaveToBytes()) << "replaced whole";
    EXPECT_FALSE(rtl::FileExists(fileName + u".tmp")) << "no temporary file is left";
}

TEST(XmlDocument, AMissingFileCannotBeRead) {
    app_test::TTempFolder folder;
    app::TXmlDocument document;
    EXPECT_THROW(document.LoadFromFile(folder.Path() + u"missing.xml"), rtl::EFOpenError);
}

} // namespace
