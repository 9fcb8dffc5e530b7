// The update check against a loopback server: the info file decides, the user is asked through the message-box
// seam, and every way the check ends reaches its event and, where shown, its message.

#include "upgrade/auUpdater.h"

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/ServiceDoubles.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using au::TauUpdater;
using au::TauUpdaterShowMessage;
using au_test::TLoopbackHTTPServer;
using au_test::TLoopbackResponse;

class UpdaterFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Updater->InfoFileURL = rtl::U16(Server.URL("/update.txt"));
        Updater->VersionControl = au::TauUpdaterVersionControl::byNumber;
        Updater->VersionNumber = u"1.1.7.0";
        Updater->ApplicationTitle = u"Tallyvane";
        Updater->Wizard.Language = au::TauUpdaterLanguage::wlEnglish;
        Updater->OnBeginUpgrade = [this](TauUpdater&, const rtl::UnicodeString& message, au::TacUpgradeMethod method,
                                         const std::vector<rtl::UnicodeString>& files, bool& canUpgrade) {
            Ended.push_back("begin");
            Message = message;
            Method = method;
            Files = files;
            canUpgrade = CanUpgrade;
        };
        Updater->OnLaterUpgrade = [this](TauUpdater&) { Ended.push_back("later"); };
        Updater->OnNoUpdateAvailable = [this](TauUpdater&) { Ended.push_back("none"); };
        Updater->OnNoInfoFile = [this](TauUpdater&) { Ended.push_back("noinfo"); };
        Updater->OnHostUnreachable = [this](TauUpdater&, const rtl::UnicodeString&, const rtl::UnicodeString& host) {
            Ended.push_back("unreachable");
            Host = host;
        };
    }
    void ServeInfo(std::string info) { Server.Script("/update.txt", {200, "OK", {}, std::move(info)}); }
    void Check() {
        ASSERT_TRUE(Updater->CheckUpdate());
        ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return !Ended.empty() && !Updater->Busy(); }));
        au_test::PumpMessagesUntil([] { return false; }, 3);
    }

    TLoopbackHTTPServer Server;
    std::unique_ptr<TauUpdater, rtl::TComponentDeleter> Updater{new TauUpdater(nullptr)};
    ui_test::TRecordedMessageBoxes Boxes;
    au_test::TRecordedUpdaterForms Forms;
    ui_test::TRecordedShellLaunches Launches;
    std::vector<std::string> Ended;
    rtl::UnicodeString Message;
    au::TacUpgradeMethod Method = au::TacUpgradeMethod::umSelfUpgrade;
    std::vector<rtl::UnicodeString> Files;
    rtl::UnicodeString Host;
    bool CanUpgrade = true;
};

TEST_F(UpdaterFixture, ANewerVersionIsOfferedWithItsMessageAndTheUserMayDecline) {
    ServeInfo("#VERSION=1.2.0.0\r\n#url=http://host/Tallyvane.exe\r\n#message={Faster import\r\nNew help}\r\n");
    Forms.Answers = {vcl::mrNo};
    Forms.Fill = [this](vcl::TCustomForm&) {
        EXPECT_TRUE(Updater->CheckUpdate()) << "a check asked for while the question shows does nothing";
    };
    Check();
    EXPECT_EQ(Server.Requests().size(), 1u);
    EXPECT_EQ(Ended, (std::vector<std::string>{"begin", "later"}));
    EXPECT_EQ(Message, u"Faster import\r\nNew help");
    EXPECT_EQ(Files, (std::vector<rtl::UnicodeString>{u"http://host/Tallyvane.exe"}));
    EXPECT_TRUE(Boxes.Shown.empty());
    ASSERT_EQ(Forms.Shown.size(), 1u);
    EXPECT_EQ(Forms.Shown[0].Caption, u"Application update wizard");
    EXPECT_EQ(Forms.Shown[0].Text,
              u"A newer version of Tallyvane was released.\n\nFaster import\r\nNew help\n\nDo you want "
              u"to update your version with the latest one?");
    const std::string request = Server.Requests().at(0);
    EXPECT_NE(request.find("no-cache"), std::string::npos) << request;
}

TEST_F(UpdaterFixture, OnBeginUpgradeCanDeclineWithoutAQuestion) {
    ServeInfo("#version=2\n#url=http://host/a.exe\n");
    CanUpgrade = false;
    Check();
    EXPECT_EQ(Ended, (std::vector<std::string>{"begin", "later"}));
    EXPECT_TRUE(Forms.Shown.empty());
}

TEST_F(UpdaterFixture, TheSameVersionOrNoFileIsNoUpdateAndSilentByDefault) {
    for (const char* info : {"#version=1.1.7.0\n#url=http://host/a.exe\n", "#version=9\n", "no keys at all"}) {
        Ended.clear();
        ServeInfo(info);
        Check();
        EXPECT_EQ(Ended, (std::vector<std::string>{"none"})) << info;
    }
    EXPECT_TRUE(Boxes.Shown.empty());

    Ended.clear();
    Updater->ShowMessages += au::TauUpdaterShowMessages{TauUpdaterShowMessage::mNoUpdateAvailable};
    Check();
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Text,
              au::LoadAUString(au::TauUpdaterText::NoNewerVersion, au::TauUpdaterLanguage::wlEnglish));
}

TEST_F(UpdaterFixture, AMissingInfoFileIsReportedAndShownOnlyWhenAsked) {
    Check();
    EXPECT_EQ(Ended, (std::vector<std::string>{"noinfo"}));
    EXPECT_TRUE(Boxes.Shown.empty());

    Ended.clear();
    Updater->ShowMessages += au::TauUpdaterShowMessages{TauUpdaterShowMessage::mNoInfoFile};
    Check();
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Text, au::LoadAUString(au::TauUpdaterText::NoInfoFile, au::TauUpdaterLanguage::wlEnglish));
}

TEST_F(UpdaterFixture, AnOversizedInfoFileIsNoInfoFileAndNeverAQuestion) {
    ServeInfo("#version=9.0\n#url=http://host/a.exe\n" + std::string(au::MaxInfoFileSize, ' '));
    Check();
    EXPECT_EQ(Ended, (std::vector<std::string>{"noinfo"}));
    EXPECT_TRUE(Boxes.Shown.empty());
}

TEST_F(UpdaterFixture, AnUnreachableHostIsReportedWithItsName) {
    Updater->InfoFileURL =
        rtl::U16("http://127.0.0.1:" + std::to_string(au_test::UnusedLoopbackPort()) + "/update.txt");
    Updater->ShowMessages += au::TauUpdaterShowMessages{TauUpdaterShowMessage::mHostUnreachable};
    Check();
    EXPECT_EQ(Ended, (std::vector<std::string>{"unreachable"}));
    EXPECT_EQ(Host, u"127.0.0.1");
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_NE(Boxes.Shown[0].Text.find(u"Host http://127.0.0.1 unreachable."), rtl::UnicodeString::npos);
}

TEST_F(UpdaterFixture, ARedirectOpensTheFirstURLInTheBrowser) {
    au_test::TTestClassesRoot classes;
    classes.Register(L".html", L"TestPage", {{L"open", L"\"C:\\Web\\browser.exe\" \"%1\""}});
    ServeInfo("#version=1.2\n#url=example.org/download.html\n#method=2\n");
    Forms.Answers = {vcl::mrYes};
    Check();
    EXPECT_EQ(Method, au::TacUpgradeMethod::umRedirectToURL);
    ASSERT_EQ(Launches.Launched.size(), 1u);
    EXPECT_EQ(Launches.Launched[0].File, u"C:\\Web\\browser.exe") << "the program registered for web pages";
    EXPECT_EQ(Launches.Launched[0].Parameters, u"http://example.org/download.html");
    EXPECT_EQ(Launches.Launched[0].Operation, u"open");
}

TEST_F(UpdaterFixture, AProgramWithoutTheHelperSaysItCannotInstallAndDownloadsNothing) {
    Updater->HelperModule = GetModuleHandleW(L"kernel32.dll");
    ServeInfo("#version=1.2\n#url=http://host/a.exe\n");
    Forms.Answers = {vcl::mrYes};
    Check();
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Flags & MB_ICONMASK, static_cast<uint32_t>(MB_ICONERROR));
    EXPECT_TRUE(Launches.Launched.empty());
    EXPECT_EQ(Server.Requests().size(), 1u);
}

TEST_F(UpdaterFixture, ByDateAndTheDefaults) {
    auto fresh = std::unique_ptr<TauUpdater, rtl::TComponentDeleter>(new TauUpdater(nullptr));
    EXPECT_EQ(fresh->VersionControl, au::TauUpdaterVersionControl::byDate);
    EXPECT_EQ(fresh->VersionDate, au::FormatVersionDate(rtl::Date()));
    EXPECT_EQ(fresh->InfoFileURL, u"http://");
    EXPECT_EQ(fresh->RestartParams(), u"/afterupgrade");
    fresh->SetRestartParams(u"");
    EXPECT_EQ(fresh->RestartParams(), u" ");

    Updater->VersionControl = au::TauUpdaterVersionControl::byDate;
    Updater->VersionDate = u"01/01/2020";
    ServeInfo("#date=06/30/2026\n#url=http://host/a.exe\n");
    Forms.Answers = {vcl::mrNo};
    Check();
    EXPECT_EQ(Ended, (std::vector<std::string>{"begin", "later"}));
}

TEST_F(UpdaterFixture, ACheckWhileOneRunsDoesNothing) {
    TLoopbackResponse held{200, "OK", {}, "#version=1.0\n"};
    held.HoldBody = true;
    Server.Script("/update.txt", held);
    ASSERT_TRUE(Updater->CheckUpdate());
    EXPECT_TRUE(Updater->CheckUpdate());
    Server.Release();
    ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return !Ended.empty() && !Updater->Busy(); }));
    EXPECT_EQ(Server.Requests().size(), 1u);
}

} // namespace

namespace {

TEST_F(UpdaterFixture, AnAutomaticCheckRunsOnTheTimerWhenOnANetworkAndAgainOnlyAfterAnUnreachableHost) {
    ServeInfo("#version=1.1.7.0\n#url=http://host/a.exe\n");
    Updater->ShowMessages +=
        au::TauUpdaterShowMessages{TauUpdaterShowMessage::mNoUpdateAvailable, TauUpdaterShowMessage::mHostUnreachable};
    bool online = false;
    Updater->NetworkCheck = [&] { return online; };
    Updater->SetAutoCheck(true);
    const HWND window = Updater->TimerWindow();
    SendMessageW(window, WM_TIMER, 1, 0);
    EXPECT_FALSE(Updater->Busy());
    EXPECT_TRUE(Server.Requests().empty());

    online = true;
    SendMessageW(window, WM_TIMER, 1, 0);
    ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return !Ended.empty() && !Updater->Busy(); }));
    EXPECT_EQ(Ended, (std::vector<std::string>{"none"}));
    EXPECT_TRUE(Boxes.Shown.empty()) << "an automatic check shows no 'no newer version'";
    EXPECT_FALSE(KillTimer(window, 1)) << "the timer stays off after a check that reached the server";

    Ended.clear();
    Updater->InfoFileURL =
        rtl::U16("http://127.0.0.1:" + std::to_string(au_test::UnusedLoopbackPort()) + "/update.txt");
    SendMessageW(window, WM_TIMER, 1, 0);
    ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return !Ended.empty() && !Updater->Busy(); }));
    EXPECT_EQ(Ended, (std::vector<std::string>{"unreachable"}));
    EXPECT_TRUE(Boxes.Shown.empty());
    EXPECT_TRUE(KillTimer(window, 1)) << "an unreachable host arms the timer again";
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), 1);
}

} // namespace
