// The upgrade utilities that call Windows: URL cracking, file times and sizes, the temporary folder, resources, the
// program registered for a file type and opening an address through it or the shell.

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "rtl/time/DateTime.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "upgrade/auUtils.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(auUtilsWindows, CrackURLSplitsAndDecodesAndAddsTheScheme) {
    au::TauURLParts parts;
    ASSERT_TRUE(au::CrackURL(u"http://user:pw@example.org:8080/dir/a%20b.exe?x=1", parts));
    EXPECT_EQ(parts.Scheme, u"http");
    EXPECT_EQ(parts.Host, u"example.org");
    EXPECT_EQ(parts.Port, 8080);
    EXPECT_EQ(parts.UserName, u"user");
    EXPECT_EQ(parts.Password, u"pw");
    EXPECT_EQ(parts.Path, u"/dir/a b.exe");
    EXPECT_EQ(parts.Extra, u"?x=1");
    ASSERT_TRUE(au::CrackURL(u"example.org/info.txt", parts));
    EXPECT_EQ(parts.Scheme, u"http");
    EXPECT_EQ(parts.Port, 80);
    EXPECT_EQ(au::ExtractURLHost(u"https://Update.Example.org/x"), u"Update.Example.org");
    EXPECT_FALSE(au::CrackURL(u"http://", parts) && !parts.Host.empty());
}

TEST(auUtilsWindows, FileTimesSizesAndFolders) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("auUtilsTest" + std::to_string(GetCurrentProcessId()) + ".bin");
    { std::ofstream(path, std::ios::binary) << std::string(1234, 'x'); }
    const rtl::UnicodeString name(path.u16string());
    EXPECT_EQ(au::GetFileSize64(name), 1234);
    EXPECT_EQ(au::GetFileSize64(name + u".missing"), -1);

    const double stamp = rtl::EncodeDate(2024, 5, 6) + rtl::EncodeTime(7, 8, 10, 0);
    ASSERT_TRUE(au::SetFileTimes(name, -1, stamp, -1));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
    FILETIME local{};
    SYSTEMTIME written{};
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &written);
    EXPECT_EQ(written.wYear, 2024);
    EXPECT_EQ(written.wMonth, 5);
    EXPECT_EQ(written.wDay, 6);
    EXPECT_EQ(written.wHour, 7);
    EXPECT_EQ(written.wSecond, 10);
    EXPECT_FALSE(au::SetFileTimes(name + u".missing", stamp, stamp, stamp));
    std::filesystem::remove(path);

    const rtl::UnicodeString temp = au::GetTempFolder();
    EXPECT_EQ(temp.back(), u'\\');
    EXPECT_TRUE(au::IsExistingFolder(temp));
    EXPECT_FALSE(au::IsExistingFolder(name));
}

TEST(auUtilsWindows, LoadResourceToStreamWritesTheBytesAndRefusesWhatIsMissing) {
    rtl::TMemoryStream helper;
    ASSERT_TRUE(au::LoadResourceToStream(GetModuleHandleW(nullptr), u"TESTBLOB", u"AUUPG", &helper));
    std::string bytes(static_cast<size_t>(helper.Size()), '\0');
    helper.SetPosition(0);
    helper.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(bytes, "helper bytes");

    rtl::TMemoryStream stream;
    EXPECT_FALSE(au::LoadResourceToStream(GetModuleHandleW(nullptr), u"MISSING", u"AUUPG", &stream));
    EXPECT_FALSE(au::LoadResourceToStream(GetModuleHandleW(nullptr), u"AUUPG", u"AUUPG", nullptr));
    EXPECT_EQ(stream.Size(), 0);
}

TEST(auUtilsWindows, HTTPDatesInLocalTime) {
    EXPECT_EQ(au::ParseHTTPDate(u""), 0);
    EXPECT_NEAR(au::ParseHTTPDate(u"Sun, 06 Nov 1994 08:49:37 GMT"),
                au::ParseHTTPDateUTC(u"Sun, 06 Nov 1994 08:49:37 GMT") - au::TimeZoneBias(), 1e-9);
}

TEST(auUtilsWindows, GetFileAssociationCommandTakesTheOpenVerbElseANamedOneElseTheFirstWithACommand) {
    au_test::TTestClassesRoot classes;
    classes.Register(L".html", L"TestPage", {{L"edit", L"edit.exe %1"}, {L"open", LR"("C:\Web\browser.exe" "%1")"}});
    classes.Register(L".named", L"TestNamed",
                     {{L"a", L"first.exe %1"}, {L"OpenInTab", L"C:\\Web\\tabs.exe -tab %1"}, {L"z", L"last.exe"}});
    classes.Register(L".verbs", L"TestVerbs", {{L"a", L""}, {L"b", L"C:\\Tools\\second.exe /x %1"}, {L"c", L"c.exe"}});
    classes.Register(L".bare", L"TestBare", {{L"print", L""}});
    classes.Register(L".untyped", L"", {});
    EXPECT_EQ(au::GetFileAssociationCommand(u".html"), u"C:\\Web\\browser.exe");
    EXPECT_EQ(au::GetFileAssociationCommand(u".named"), u"C:\\Web\\tabs.exe");
    EXPECT_EQ(au::GetFileAssociationCommand(u".verbs"), u"C:\\Tools\\second.exe") << "the first verb with a command";
    EXPECT_EQ(au::GetFileAssociationCommand(u".bare"), u"");
    EXPECT_EQ(au::GetFileAssociationCommand(u".untyped"), u"");
    EXPECT_EQ(au::GetFileAssociationCommand(u".missing"), u"");
}

TEST(auUtilsWindows, OpenURLGoesThroughTheHTMLProgramOrElseTheShell) {
    au_test::TTestClassesRoot classes;
    ui_test::TRecordedShellLaunches launches;
    au::OpenURL(u"example.org/news.html", true);
    au::OpenURL(u"https://example.org/", false);
    classes.Register(L".html", L"TestPage", {{L"open", LR"("C:\Web\browser.exe" -url "%1")"}});
    au::OpenURL(u"example.org/news.html", true);
    au::OpenURL(u"https://example.org/", false);
    ASSERT_EQ(launches.Launched.size(), 4u);
    const struct {
        const char16_t* File;
        const char16_t* Parameters;
    } expected[] = {{u"http://example.org/news.html", u""},
                    {u"https://example.org/", u""},
                    {u"C:\\Web\\browser.exe", u"http://example.org/news.html"},
                    {u"https://example.org/", u""}};
    for (size_t i = 0; i < launches.Launched.size(); ++i) {
        const vcl::TShellLaunch& launch = launches.Launched[i];
        EXPECT_EQ(launch.File, expected[i].File) << i;
        EXPECT_EQ(launch.Parameters, expected[i].Parameters) << i;
        EXPECT_EQ(launch.Operation, u"open");
        EXPECT_EQ(launch.Owner, GetDesktopWindow());
        EXPECT_EQ(launch.ShowCommand, SW_SHOWNORMAL);
    }
}

} // namespace
