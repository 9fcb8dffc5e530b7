// The upgrade utilities' text functions: versions, percentages, URL file names, command lines and HTTP dates.

#include "upgrade/auUtils.h"

#include "rtl/time/DateTime.h"

#include <gtest/gtest.h>

namespace {

TEST(auUtils, CompareVersionsPartByPartFallingBackToTextWhenAPartIsNoNumber) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int expected;
    };
    const Case cases[] = {
        {u"1.1.7.1", u"1.1.7.0", 1}, {u"1.2", u"1.2.0.0", 0},   {u"1.10", u"1.9", 1},     {u"1.9", u"1.10", -1},
        {u"1.2a", u"1.2", 1},        {u"", u"0.0.0.0", -1},     {u"2", u"1.99.99.99", 1}, {u"1.2.3.4.9", u"1.2.3.4", 0},
        {u"1..2", u"1.0.2", -1},     {u"99999999999", u"1", 1}, {u"1.-1", u"1.0", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(au::CompareVersions(c.a, c.b), c.expected) << rtl::UnicodeString(c.a).size();
        EXPECT_EQ(au::CompareVersions(c.b, c.a), -c.expected);
    }
}

TEST(auUtils, SplitVersionFillsMissingPartsWithZero) {
    EXPECT_EQ(au::SplitVersion(u"3.4"), (std::array<rtl::UnicodeString, 4>{u"3", u"4", u"0", u"0"}));
    EXPECT_EQ(au::SplitVersion(u"1.2.3.4.5"), (std::array<rtl::UnicodeString, 4>{u"1", u"2", u"3", u"4"}));
    EXPECT_EQ(au::SplitVersion(u"1..2"), (std::array<rtl::UnicodeString, 4>{u"1", u"", u"2", u"0"}));
}

TEST(auUtils, PercentRoundsHalvesToEvenAndStaysInAByte) {
    EXPECT_EQ(au::Percent(1, 0), 0);
    EXPECT_EQ(au::Percent(1, 8), 12); // 12.5
    EXPECT_EQ(au::Percent(3, 8), 38); // 37.5
    EXPECT_EQ(au::Percent(50, 40), 125);
    EXPECT_EQ(au::Percent(300, 100), 0);
    EXPECT_EQ(au::Percent(-1, 100), 0);
}

TEST(auUtils, ExtractURLFileNameTakesTheLastPathPart) {
    EXPECT_EQ(au::ExtractURLFileName(u"http://host/a/b/Tallyvane.exe"), u"Tallyvane.exe");
    EXPECT_EQ(au::ExtractURLFileName(u"http://host\\dir\\x.zip"), u"x.zip");
    EXPECT_EQ(au::ExtractURLFileName(u"http://host:8080"), u"8080");
    EXPECT_EQ(au::ExtractURLFileName(u"name"), u"name");
    EXPECT_EQ(au::ExtractURLFileName(u"http://host/dir/"), u"");
}

TEST(auUtils, SplitCommandLineSeparatesTheProgramFromItsParameters) {
    struct Case {
        const char16_t* command;
        const char16_t* program;
        const char16_t* parameters;
    };
    const Case cases[] = {
        {uR"("C:\Program Files\Browser\browser.exe" -osint -url "%1")", uR"(C:\Program Files\Browser\browser.exe)",
         u"-osint -url %1"},
        {uR"(  "C:\Program Files\App\app.exe" "%1"   )", uR"(C:\Program Files\App\app.exe)", u"%1"},
        {uR"(""C:\Program Files\App\app.exe"" "%1")", uR"(C:\Program Files\App\app.exe)", u"%1"},
        {uR"("C:\App\app.exe)", uR"(C:\App\app.exe)", u""},
        {uR"(C:\App\app.exe "%1")", uR"(C:\App\app.exe)", u"%1"},
        {uR"(C:\Windows\notepad.exe %1)", uR"(C:\Windows\notepad.exe)", u"%1"},
        {uR"(C:\Program Files\Viewer 2.0\view.exe /open /new   )", uR"(C:\Program Files\Viewer 2.0\view.exe)",
         u"/open /new"},
        {uR"(C:\Tools\open.exe \\server\share)", uR"(C:\Tools\open.exe)", uR"(\\server\share)"},
        {uR"(C:\Tools\opener.exe,1)", uR"(C:\Tools\opener.exe)", u"1"},
        {uR"(C:\My Tools\run -x)", uR"(C:\My Tools\run -x)", u""},
        {uR"(rundll32.exe C:\Windows\System32\shimgvw.dll,ImageView_Fullscreen %1)",
         uR"(C:\Windows\System32\rundll32.exe)", uR"(C:\Windows\System32\shimgvw.dll,ImageView_Fullscreen %1)"},
        {uR"(C:\Windows\rundll32.exe C:\Lib\view.dll,Show %1)", uR"(C:\Windows\rundll32.exe)",
         uR"(C:\Lib\view.dll,Show %1)"},
        {u"   ", u"", u""},
    };
    for (const Case& c : cases) {
        const au::TauCommandLine split = au::SplitCommandLine(c.command);
        EXPECT_EQ(split.Program, c.program) << rtl::UnicodeString(c.command).size();
        EXPECT_EQ(split.Parameters, c.parameters) << rtl::UnicodeString(c.command).size();
    }
}

TEST(auUtils, ParseHTTPDateReadsTheThreeFormsAsTheSameInstant) {
    const double expected = rtl::EncodeDate(1994, 11, 6) + rtl::EncodeTime(8, 49, 37, 0);
    for (const char16_t* text : {u"Sun, 06 Nov 1994 08:49:37 GMT", u"Sunday, 06-Nov-94 08:49:37 GMT",
                                 u"Sun Nov  6 08:49:37 1994", u"  sun, 06 nov 1994 08:49:37 UTC ",
                                 u"Sun, 06 Nov 1994 09:49:37 +0100", u"Sun, 06 Nov 1994 07:19:37 -0130"}) {
        EXPECT_NEAR(au::ParseHTTPDateUTC(text), expected, 1e-8) << rtl::UnicodeString(text).size();
    }
}

TEST(auUtils, ParseHTTPDateGivesZeroForTextItCannotRead) {
    for (const char16_t* text : {u"", u"   ", u"garbage", u"Sun, 06 Foo 1994 08:49:37 GMT",
                                 u"Sun, 31 Feb 1994 08:49:37 GMT", u"Sun, 06 Nov 1994 25:00:00 GMT", u"Mon,"}) {
        EXPECT_EQ(au::ParseHTTPDateUTC(text), 0) << rtl::UnicodeString(text).size();
    }
    EXPECT_EQ(au::ParseHTTPDateUTC(u"06 Nov 2024"), rtl::EncodeDate(2024, 11, 6));
    EXPECT_EQ(au::ParseHTTPDateUTC(u"06-Nov-05 00:00:00 GMT"), rtl::EncodeDate(2005, 11, 6));
}

} // namespace

namespace {

TEST(auUtils, TheHelperCommandLineQuotesBothPathsAndAppendsTheParameter) {
    EXPECT_EQ(au::UpgradeHelperCommandLine(u"C:\\Temp\\UpdateHelper.exe", u"C:\\Program Files\\Tallyvane\\T.exe",
                                           u"+/afterupgrade0"),
              u"\"C:\\Temp\\UpdateHelper.exe\" \"C:\\Program Files\\Tallyvane\\T.exe\" +/afterupgrade0");
}

} // namespace
