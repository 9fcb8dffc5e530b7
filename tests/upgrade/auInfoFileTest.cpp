// The update info file: values by key in any case, the URL list, the method and the version test.

#include "upgrade/auInfoFile.h"

#include "rtl/text/CodePages.h"
#include "rtl/time/DateTime.h"

#include <gtest/gtest.h>

namespace {

using au::TauRunningVersion;
using au::TauUpdaterVersionControl;

const rtl::TDateTime Today = rtl::EncodeDate(2026, 12, 11);

TEST(auInfoFile, ValuesMatchKeysInAnyCaseAndKeepTheirOwnCase) {
    const char16_t* info = u"Intro\r\n#VERSION=1.2.0.0\r\n#Url=http://Host/App.EXE\tcomment\n#empty=\n#last=tail";
    EXPECT_EQ(au::GetInfoFileValue(info, u"version"), u"1.2.0.0");
    EXPECT_EQ(au::GetInfoFileValue(info, u"url"), u"http://Host/App.EXE");
    EXPECT_EQ(au::GetInfoFileValue(info, u"empty"), u"");
    EXPECT_EQ(au::GetInfoFileValue(info, u"last"), u"tail");
    EXPECT_EQ(au::GetInfoFileValue(info, u"missing"), u"");
    EXPECT_EQ(au::GetInfoFileValue(u"#version", u"version"), u"");
}

TEST(auInfoFile, AMultiLineValueRunsToTheBraceOrTheEnd) {
    EXPECT_EQ(au::GetInfoFileValue(u"#message={line 1\r\nline 2}\r\n#version=2", u"message", true),
              u"line 1\r\nline 2");
    EXPECT_EQ(au::GetInfoFileValue(u"#message={open\r\nto the end", u"message", true), u"open\r\nto the end");
    EXPECT_EQ(au::GetInfoFileValue(u"#message=plain", u"message", true), u"");
}

TEST(auInfoFile, NumberedURLsContinueFromTheCountCollected) {
    struct Case {
        const char16_t* info;
        std::vector<rtl::UnicodeString> expected;
    };
    const Case cases[] = {
        {u"#url=a\n#url2=b\n#url3=c\n", {u"a", u"b", u"c"}},
        {u"#url=a\n#url1=b\n", {u"a"}},
        {u"#url1=a\n#url2=b\n#url4=d\n", {u"a", u"b"}},
        {u"#url0=z\n#url=a\n#url3=c\n", {u"a", u"z", u"c"}},
        {u"#version=1\n", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(au::GetInfoFileURLs(c.info), c.expected) << rtl::UnicodeString(c.info).size();
    }
}

TEST(auInfoFile, TheURLListIsBounded) {
    rtl::UnicodeString info;
    for (int i = 1; i <= 1000; ++i) {
        const std::string line = "#url" + std::to_string(i) + "=f\n";
        info += rtl::UnicodeString(line.begin(), line.end());
    }
    EXPECT_EQ(au::GetInfoFileURLs(info).size(), au::MaxInfoFileURLs);
}

TEST(auInfoFile, TheMethodFollowsTheFirstCharacter) {
    EXPECT_EQ(au::GetInfoFileUpgradeMethod(u"#method=1 setup"), au::TacUpgradeMethod::umUseExternalSetup);
    EXPECT_EQ(au::GetInfoFileUpgradeMethod(u"#METHOD=2"), au::TacUpgradeMethod::umRedirectToURL);
    EXPECT_EQ(au::GetInfoFileUpgradeMethod(u"#method=0"), au::TacUpgradeMethod::umSelfUpgrade);
    EXPECT_EQ(au::GetInfoFileUpgradeMethod(u""), au::TacUpgradeMethod::umSelfUpgrade);
    EXPECT_EQ(au::UpgradeMethodDigit(au::TacUpgradeMethod::umRedirectToURL), u'2');
}

TEST(auInfoFile, NewerByNumber) {
    const TauRunningVersion running{TauUpdaterVersionControl::byNumber, u"1.1.7.0", u""};
    EXPECT_TRUE(au::IsNewerVersion(u"#VERSION=1.2.0.0\n#url=x", running, Today));
    EXPECT_FALSE(au::IsNewerVersion(u"#version=1.1.7.0\n", running, Today));
    EXPECT_FALSE(au::IsNewerVersion(u"#version=1.1\n", running, Today));
    EXPECT_FALSE(au::IsNewerVersion(u"no version here", running, Today));
}

TEST(auInfoFile, NewerByDateWithUnreadableDatesCountingAsToday) {
    const TauRunningVersion running{TauUpdaterVersionControl::byDate, u"", u"06/30/2026"};
    EXPECT_TRUE(au::IsNewerVersion(u"#date=07/01/2026", running, Today));
    EXPECT_FALSE(au::IsNewerVersion(u"#date=06/30/2026", running, Today));
    EXPECT_FALSE(au::IsNewerVersion(u"#date=01/02/2020", running, Today));
    EXPECT_TRUE(au::IsNewerVersion(u"#date=13/45/2026", running, Today)); // today
    EXPECT_FALSE(au::IsNewerVersion(u"#date=07/01/2026", {TauUpdaterVersionControl::byDate, u"", u"bad"},
                                    rtl::EncodeDate(2026, 7, 1)));
    EXPECT_EQ(au::ParseVersionDate(u"12/11/2026", 0), Today);
    EXPECT_EQ(au::FormatVersionDate(Today), u"12/11/2026");
}

} // namespace

namespace {

TEST(auInfoFile, DownloadableFileNamesArePlainDistinctNames) {
    using Names = std::vector<rtl::UnicodeString>;
    EXPECT_TRUE(au::HasDownloadableFileNames({}));
    EXPECT_TRUE(au::HasDownloadableFileNames(Names{u"http://host/Tallyvane.exe", u"http://host/help/帮助.chm"}));
    const Names refused[] = {
        {u"http://host/"},      {u"http://host/a/x.dll", u"http://host/b/X.DLL"},
        {u"http://host/.."},    {u"http://host/x.exe?v=2"},
        {u"http://host/name."}, {u"http://host/a\tb"},
        {u"http://host/a|b"},
    };
    for (const Names& urls : refused) {
        EXPECT_FALSE(au::HasDownloadableFileNames(urls)) << rtl::UnicodeToUtf8(urls.back());
    }
}

} // namespace
