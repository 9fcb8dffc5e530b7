#include "rtl/io/IniFiles.h"

#include "rtl/io/FileStream.h"
#include "rtl/io/FileUtils.h"
#include "rtl/text/StringList.h"
#include "rtl/text/StringUtils.h"
#include "tests/rtl/io/IniTestSupport.h"
#include "tests/support/TestSupport.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace rtl {
namespace {

std::vector<UnicodeString> Names(const TStringList& strings) {
    std::vector<UnicodeString> names;
    for (int32_t i = 0; i < strings.Count(); ++i) {
        names.push_back(strings.Get(i));
    }
    return names;
}

// Both INI file classes, each test run on each: TIniFile on the file, TMemIniFile on its copy written back at once.
struct TIniKind {
    const char* Name;
    std::function<std::unique_ptr<TCustomIniFile>(const UnicodeString&)> Open;
};

class IniFilesTest : public ::testing::TestWithParam<TIniKind> {
protected:
    void SetUp() override {
        std::random_device random;
        for (unsigned attempt = random(); Folder.empty(); ++attempt) {
            const UnicodeString candidate = GetTempDirectory() + u"rtl-ini-" + U16(std::to_string(attempt));
            if (std::filesystem::create_directory(std::filesystem::path(candidate))) {
                Folder = IncludeTrailingPathDelimiter(candidate);
            }
        }
        FileName = Folder + u"设置.ini";
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(Folder), ignored);
    }

    std::unique_ptr<TCustomIniFile> Open() const { return GetParam().Open(FileName); }

    void WriteBytes(std::string_view bytes) const {
        TFileStream file(FileName, fmCreate);
        file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    }

    std::string ReadBytes() const {
        TMemoryStream stream;
        stream.LoadFromFile(FileName);
        return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
    }

    UnicodeString Folder;
    UnicodeString FileName;
};

TEST_P(IniFilesTest, AMissingFileReadsAsDefaultsAndTheFirstWriteCreatesIt) {
    auto ini = Open();
    EXPECT_EQ(ini->ReadString(u"Files", u"Read", u""), u"");
    EXPECT_EQ(ini->ReadString(u"Files", u"Read", u"none"), u"none");
    EXPECT_EQ(ini->ReadString(u"Files", u"Read", u" \"as given\"  "), u" \"as given\"  ");
    EXPECT_EQ(ini->ReadInteger(u"FPSetup", u"KPXE", 2), 2);
    EXPECT_TRUE(ini->ReadBool(u"FPSetup", u"Flag", true));
    EXPECT_FALSE(ini->SectionExists(u"Files"));
    TStringList sections;
    ini->ReadSections(sections);
    EXPECT_EQ(sections.Count(), 0);
    ini->EraseSection(u"Files");
    ini->DeleteKey(u"Files", u"Read");
    EXPECT_FALSE(FileExists(FileName));

    ini->WriteString(u"Files", u"Read", u"C:\\销售\\清单.xlsx");
    ini->WriteInteger(u"FPSetup", u"KPXE", 3);
    ini->UpdateFile();
    EXPECT_TRUE(FileExists(FileName));
    const auto again = Open();
    EXPECT_EQ(again->ReadString(u"Files", u"Read", u""), u"C:\\销售\\清单.xlsx");
    EXPECT_EQ(again->ReadInteger(u"FPSetup", u"KPXE", 2), 3);
}

TEST_P(IniFilesTest, ChineseSectionsKeysAndValuesReadBack) {
    auto ini = Open();
    ini->WriteString(u"开票设置", u"复核人", u"张三");
    ini->WriteString(u"开票设置", u"收款人", u"李四");
    ini->UpdateFile();
    const auto again = Open();
    EXPECT_EQ(again->ReadString(u"开票设置", u"复核人", u""), u"张三");
    TStringList keys;
    again->ReadSection(u"开票设置", keys);
    EXPECT_EQ(Names(keys), (std::vector<UnicodeString>{u"复核人", u"收款人"}));
    if (ProcessAnsiCodePage() == cpSimplifiedChinese) {
        // A new file is ANSI text in the process code page.
        EXPECT_NE(ReadBytes().find(UnicodeToAnsi(u"复核人=张三", cpSimplifiedChinese)), std::string::npos);
    }
}

TEST_P(IniFilesTest, NamesIgnoreCase) {
    auto ini = Open();
    ini->WriteString(u"Files", u"Read", u"first");
    ini->WriteString(u"FILES", u"READ", u"second");
    ini->UpdateFile();
    const auto again = Open();
    EXPECT_EQ(again->ReadString(u"files", u"read", u""), u"second");
    TStringList keys;
    again->ReadSection(u"fIlEs", keys);
    EXPECT_EQ(keys.Count(), 1);
    EXPECT_TRUE(again->ValueExists(u"FILES", u"read"));
    EXPECT_FALSE(again->ValueExists(u"FILES", u"Write"));
}

TEST_P(IniFilesTest, TypedReadsFallBackToTheDefault) {
    WriteBytes("[S]\r\nText=abc\r\nBlank=\r\nHex=0x1F\r\nDollar=$10\r\nSpaced= 12 \r\nZero=0\r\nTwo=2\r\n"
               "Huge=99999999999\r\n");
    const auto ini = Open();
    struct Case {
        UnicodeString key;
        int32_t integer;
        bool boolean;
    };
    const Case cases[] = {
        {u"Text", 7, true},  {u"Blank", 7, true}, {u"Hex", 31, true}, {u"Dollar", 16, true}, {u"Spaced", 12, true},
        {u"Zero", 0, false}, {u"Two", 2, true},   {u"Huge", 7, true}, {u"Missing", 7, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.key));
        EXPECT_EQ(ini->ReadInteger(u"S", c.key, 7), c.integer);
        EXPECT_EQ(ini->ReadBool(u"S", c.key, true), c.boolean);
    }
    auto writable = Open();
    writable->WriteBool(u"S", u"On", true);
    writable->WriteBool(u"S", u"Off", false);
    writable->UpdateFile();
    const auto again = Open();
    EXPECT_EQ(again->ReadString(u"S", u"On", u""), u"1");
    EXPECT_EQ(again->ReadString(u"S", u"Off", u""), u"0");
}

TEST_P(IniFilesTest, SectionListsEraseAndDelete) {
    WriteBytes("; comment\r\n[One]\r\na=1\r\nb=2\r\n\r\n[Two]\r\nc=3\r\n[Three]\r\nd=4\r\n");
    auto ini = Open();
    TStringList names;
    ini->ReadSections(names);
    EXPECT_EQ(Names(names), (std::vector<UnicodeString>{u"One", u"Two", u"Three"}));
    ini->EraseSection(u"two");
    ini->DeleteKey(u"One", u"A");
    ini->UpdateFile();
    const auto again = Open();
    again->ReadSections(names);
    EXPECT_EQ(Names(names), (std::vector<UnicodeString>{u"One", u"Three"}));
    again->ReadSection(u"One", names);
    EXPECT_EQ(Names(names), (std::vector<UnicodeString>{u"b"}));
    EXPECT_EQ(again->ReadString(u"Two", u"c", u"gone"), u"gone");
    EXPECT_EQ(again->ReadString(u"Three", u"d", u""), u"4");
}

TEST_P(IniFilesTest, Utf16FilesStayUtf16) {
    WriteBytes(ini_test::Utf16FileBytes(u"[设置]\r\n名称=한글 😀\r\n"));
    auto ini = Open();
    EXPECT_EQ(ini->ReadString(u"设置", u"名称", u""), u"한글 😀");
    ini->WriteString(u"设置", u"备注", u"ə");
    ini->UpdateFile();
    EXPECT_TRUE(ReadBytes().starts_with("\xFF\xFE"));
    const auto again = Open();
    EXPECT_EQ(again->ReadString(u"设置", u"名称", u""), u"한글 😀");
    EXPECT_EQ(again->ReadString(u"设置", u"备注", u""), u"ə");
}

TEST_P(IniFilesTest, AFileThatCannotBeWrittenRaises) {
    FileName = Folder + u"missing folder" + UnicodeString(1, PathDelim) + u"settings.ini";
    auto ini = Open();
    const auto write = [&] {
        ini->WriteString(u"S", u"k", u"v");
        ini->UpdateFile();
    };
    EXPECT_THROW(write(), EIniFileException);
    EXPECT_EQ(test_support::MessageOf(write), "Unable to write to " + test_support::Utf8(FileName));
}

INSTANTIATE_TEST_SUITE_P(
    BothClasses, IniFilesTest,
    ::testing::Values(TIniKind{"TIniFile", [](const UnicodeString& name) { return std::make_unique<TIniFile>(name); }},
                      TIniKind{"TMemIniFile",
                               [](const UnicodeString& name) { return std::make_unique<TMemIniFile>(name); }}),
    [](const ::testing::TestParamInfo<TIniKind>& info) { return std::string(info.param.Name); });

TEST(IniFiles, TIniFileDropsQuotesAroundValues) {
    const UnicodeString fileName = GetTempDirectory() + u"rtl-ini-quotes.ini";
    {
        TFileStream file(fileName, fmCreate);
        const std::string_view bytes = "[S]\r\nDouble=\"a b \"\r\nSingle='x'\r\nOdd=\"x'\r\nInner=a\"b\"\r\n";
        file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    }
    const TIniFile ini(fileName);
    EXPECT_EQ(ini.ReadString(u"S", u"Double", u""), u"a b ");
    EXPECT_EQ(ini.ReadString(u"S", u"Single", u""), u"x");
    EXPECT_EQ(ini.ReadString(u"S", u"Odd", u""), u"\"x'");
    EXPECT_EQ(ini.ReadString(u"S", u"Inner", u""), u"a\"b\"");
    // The copy in memory keeps the text as it stands.
    EXPECT_EQ(TMemIniFile(fileName).ReadString(u"S", u"Single", u""), u"'x'");
    RemoveFile(fileName);
}

TEST(IniFiles, TMemIniFileReadsAnsiFilesInTheCodePageGiven) {
    const UnicodeString fileName = GetTempDirectory() + u"rtl-ini-gbk.ini";
    {
        TFileStream file(fileName, fmCreate);
        const std::string bytes = UnicodeToAnsi(u"[开票设置]\r\n复核人=张三\r\n", cpSimplifiedChinese);
        file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    }
    TMemIniFile ini(fileName, cpSimplifiedChinese);
    EXPECT_EQ(ini.ReadString(u"开票设置", u"复核人", u""), u"张三");
    ini.WriteString(u"开票设置", u"收款人", u"李四");
    ini.UpdateFile();
    EXPECT_EQ(TMemIniFile(fileName, cpSimplifiedChinese).ReadString(u"开票设置", u"收款人", u""), u"李四");
    EXPECT_EQ(TMemIniFile(fileName, cpSimplifiedChinese).ReadString(u"开票设置", u"复核人", u""), u"张三");
    // Nothing reaches the file before UpdateFile.
    ini.WriteString(u"开票设置", u"复核人", u"王五");
    EXPECT_EQ(TMemIniFile(fileName, cpSimplifiedChinese).ReadString(u"开票设置", u"复核人", u""), u"张三");
    RemoveFile(fileName);
}

} // namespace
} // namespace rtl
