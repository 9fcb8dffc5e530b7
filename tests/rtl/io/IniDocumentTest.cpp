#include "rtl/io/IniDocument.h"

#include "rtl/text/CodePages.h"
#include "tests/rtl/io/IniTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

std::string ValueOf(const TIniDocument& document, UnicodeStringView section, UnicodeStringView key) {
    UnicodeString value;
    return document.FindValue(section, key, value) ? test_support::Utf8(value) : "(missing)";
}

TEST(IniDocument, ReadsSectionsKeysAndValues) {
    const TIniDocument document = TIniDocument::Parse("; settings\r\n"
                                                      "orphan=before any section\r\n"
                                                      "[Files]\r\n"
                                                      "  Read = C:\\data\\list.xlsx  \r\n"
                                                      "Write=\r\n"
                                                      "flag\r\n"
                                                      "read=second\r\n"
                                                      "  [ FPSetup ]  \n"
                                                      "KPXE=2=3\r"
                                                      "[files]\n"
                                                      "Extra=x\n"
                                                      "[Unterminated\n"
                                                      "Key=v",
                                                      cpUtf8);
    EXPECT_EQ(ValueOf(document, u"Files", u"Read"), "C:\\data\\list.xlsx");
    EXPECT_EQ(ValueOf(document, u"FILES", u"READ"), "C:\\data\\list.xlsx"); // the first of repeated names
    EXPECT_EQ(ValueOf(document, u"Files", u"Write"), "");
    EXPECT_EQ(ValueOf(document, u"Files", u"flag"), "");
    EXPECT_EQ(ValueOf(document, u"Files", u"Extra"), "(missing)"); // only the first section of a name counts
    EXPECT_EQ(ValueOf(document, u"FPSetup", u"KPXE"), "2=3");
    EXPECT_EQ(ValueOf(document, u"Unterminated", u"Key"), "v");
    EXPECT_EQ(ValueOf(document, u"", u"orphan"), "(missing)");
    EXPECT_EQ(ValueOf(document, u"Files", u"; settings"), "(missing)");
    const std::vector<UnicodeString> sections{u"Files", u"FPSetup", u"Unterminated"};
    EXPECT_EQ(document.SectionNames(), sections);
    const std::vector<UnicodeString> keys{u"Read", u"Write", u"flag"};
    EXPECT_EQ(document.KeyNames(u"files"), keys);
    EXPECT_TRUE(document.KeyNames(u"missing").empty());
}

TEST(IniDocument, NamesCompareWithoutCaseInEveryScript) {
    const TIniDocument document = TIniDocument::Parse("[Ärger]\nФайл=1\n[设置]\n复核人=张三\n", cpUtf8);
    EXPECT_EQ(ValueOf(document, u"äRGER", u"фАЙЛ"), "1");
    EXPECT_EQ(ValueOf(document, u"设置", u"复核人"), "张三");
}

TEST(IniDocument, WritesKeepTheRestOfTheFile) {
    TIniDocument document = TIniDocument::Parse("; top\r\n[A]\r\nx = 1\r\n\r\n; about B\r\n[B]\r\ny=2\r\n", cpUtf8);
    document.SetValue(u"a", u"X", u"10"); // replaces in place, keeping the name as written now
    document.SetValue(u"A", u"z", u"3");  // after the last entry, before the blank line
    document.SetValue(u"C", u"w", u"4");  // a new section at the end
    EXPECT_EQ(document.Encode(), "; top\r\n[A]\r\nX=10\r\nz=3\r\n\r\n; about B\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n");
    EXPECT_TRUE(document.DeleteKey(u"b", u"Y"));
    EXPECT_FALSE(document.DeleteKey(u"B", u"y"));
    EXPECT_TRUE(document.EraseSection(u"a"));
    EXPECT_FALSE(document.EraseSection(u"missing"));
    EXPECT_EQ(document.Encode(), "; top\r\n[B]\r\n[C]\r\nw=4\r\n");

    TIniDocument empty(cpUtf8);
    EXPECT_EQ(empty.Encode(), "");
    empty.SetValue(u"S", u"k", u"v");
    EXPECT_EQ(empty.Encode(), "[S]\r\nk=v\r\n");
}

TEST(IniDocument, EncodingsRoundTrip) {
    const UnicodeString text = u"[设置]\r\n名称=한글 😀\r\n";
    struct Case {
        std::string bytes;
        TIniEncoding encoding;
    };
    const Case cases[] = {
        {ini_test::Utf16FileBytes(text), TIniEncoding::ieUtf16},
        {"\xEF\xBB\xBF" + UnicodeToUtf8(text), TIniEncoding::ieUtf8},
        {UnicodeToUtf8(text), TIniEncoding::ieAnsi}, // ANSI text in a UTF-8 code page
    };
    for (const auto& c : cases) {
        const TIniDocument document = TIniDocument::Parse(c.bytes, cpUtf8);
        EXPECT_EQ(document.Encoding(), c.encoding);
        EXPECT_EQ(ValueOf(document, u"设置", u"名称"), "한글 😀");
        EXPECT_EQ(document.Encode(), c.bytes);
    }
    // A Chinese ANSI file in code page 936.
    const std::string gbk = "[\xC9\xE8\xD6\xC3]\r\n\xB8\xB4\xBA\xCB\xC8\xCB=\xD5\xC5\xC8\xFD\r\n";
    const TIniDocument chinese = TIniDocument::Parse(gbk, cpSimplifiedChinese);
    EXPECT_EQ(ValueOf(chinese, u"设置", u"复核人"), "张三");
    EXPECT_EQ(chinese.Encode(), gbk);
    // A cut UTF-16 file drops its odd byte.
    const TIniDocument cut = TIniDocument::Parse(ini_test::Utf16FileBytes(u"[S]\nk=v") + "\x41", cpUtf8);
    EXPECT_EQ(ValueOf(cut, u"S", u"k"), "v");
}

} // namespace
} // namespace rtl
