// The program's own file and the special folders, shell launches, beeps and the clock through their seams.

#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "rtl/time/DateTime.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "vcl/services/SpecialFolders.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

TEST(SpecialFolders, TheProgramAndTheUsersFoldersAreFound) {
    const rtl::UnicodeString program = vcl::ProgramFileName();
    EXPECT_TRUE(rtl::FileExists(program));
    EXPECT_EQ(Utf8(rtl::ExtractFileName(program)), "vcl_tests.exe");
    EXPECT_EQ(vcl::ProgramFolder(), rtl::ExtractFilePath(program));
    for (vcl::TSpecialFolder folder : {vcl::sfDesktop, vcl::sfPersonal, vcl::sfAppData, vcl::sfLocalAppData}) {
        const rtl::UnicodeString path = vcl::SpecialFolderPath(folder);
        EXPECT_TRUE(rtl::DirectoryExists(path)) << Utf8(path);
        EXPECT_FALSE(path.ends_with(u"\\")) << Utf8(path);
    }
}

TEST(ShellOpen, TheLaunchReachesTheShellSeamAsAskedAndReportsItsResult) {
    ui_test::TRecordedShellLaunches launches;
    EXPECT_TRUE(vcl::ShellOpen(u"C:\\程序\\Tallyvane操作说明.chm"));
    launches.Result = 2; // ERROR_FILE_NOT_FOUND, as ShellExecute reports it
    EXPECT_FALSE(vcl::ShellOpen(u"http://example.invalid/升级"));
    ASSERT_EQ(launches.Launched.size(), 2u);
    const vcl::TShellLaunch& help = launches.Launched[0];
    EXPECT_EQ(Utf8(help.Operation), "open");
    EXPECT_EQ(Utf8(help.File), "C:\\程序\\Tallyvane操作说明.chm");
    EXPECT_EQ(help.Parameters, u"");
    EXPECT_EQ(help.ShowCommand, SW_SHOWNORMAL);
}

TEST(Seams, TestDoublesNestAndPutBackWhatTheyReplaced) {
    const rtl::TDateTime day = rtl::EncodeDate(2017, 10, 3);
    ui_test::TFixedClock outer(day, 1000);
    {
        ui_test::TFixedClock inner(day + 1, 2000);
        ui_test::TRecordedBeeps beeps;
        vcl::Beep();
        vcl::Beeper().MessageBeep(MB_ICONHAND);
        EXPECT_EQ(beeps.Beeps, (std::vector<uint32_t>{0, MB_ICONHAND}));
        EXPECT_EQ(vcl::Clock().Now(), day + 1);
    }
    EXPECT_EQ(vcl::Clock().Now(), day);
    EXPECT_EQ(vcl::Clock().TickCount(), 1000u);
}

TEST(Seams, WithoutADoubleTheClockIsTheSystemsOne) {
    const rtl::TDateTime before = rtl::Now();
    const rtl::TDateTime now = vcl::Clock().Now();
    EXPECT_GE(now, before);
    EXPECT_LT(now - before, 1.0 / 24);
    EXPECT_GT(vcl::Clock().TickCount(), 0u);
}

} // namespace
