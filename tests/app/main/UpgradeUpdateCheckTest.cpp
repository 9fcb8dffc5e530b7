// The program's update check: the version the window passes reaches the updater, a check runs it against the info
// file (a local one here, through a "file" URL) and asks once in a run, and the updater's Loaded tells of a restart
// after an upgrade.

#include "app/main/UpgradeUpdateCheck.h"

#include "rtl/WindowsApi.h"
#include "upgrade/auFormPresenter.h"
#include "upgrade/auUpdater.h"
#include "vcl/graphics/images/Picture.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// Answers the upgrade question without showing it, and counts the questions.
class TAnsweringPresenter final : public au::IUpdaterFormPresenter {
public:
    explicit TAnsweringPresenter(vcl::TModalResult answer)
        : FAnswer(answer), FPrevious(au::SetUpdaterFormPresenter(this)) {}
    ~TAnsweringPresenter() { au::SetUpdaterFormPresenter(FPrevious); }
    TAnsweringPresenter(const TAnsweringPresenter&) = delete;
    TAnsweringPresenter& operator=(const TAnsweringPresenter&) = delete;

    vcl::TModalResult ShowModal(vcl::TCustomForm&) override {
        ++Asked;
        return FAnswer;
    }
    int Asked = 0;

private:
    vcl::TModalResult FAnswer;
    au::IUpdaterFormPresenter* FPrevious;
};

TEST(UpgradeUpdateCheck, TheWindowsVersionAndCheckReachTheUpdater) {
    const std::filesystem::path info =
        std::filesystem::temp_directory_path() / ("Tallyvane_upgrade" + std::to_string(GetCurrentProcessId()) + ".inf");
    { std::ofstream(info, std::ios::binary) << "#version=2.0.0.0\r\n#url=http://host/Tallyvane_setup.exe\r\n"; }
    app::TUpgradeUpdateCheck check;
    EXPECT_EQ(check.Updater().InfoFileURL, app::UpdateInfoFileURL());
    EXPECT_TRUE(check.Updater().InfoFileURL.starts_with(u"http://")) << "the build setting in the string table";
    EXPECT_EQ(check.Updater().VersionControl, au::TauUpdaterVersionControl::byNumber);
    std::string url = "file:///" + info.string();
    check.Updater().InfoFileURL = rtl::UnicodeString(url.begin(), url.end());

    std::vector<std::string> ended;
    check.Updater().OnLaterUpgrade = [&](au::TauUpdater&) { ended.push_back("later"); };
    check.Updater().OnNoUpdateAvailable = [&](au::TauUpdater&) { ended.push_back("none"); };
    TAnsweringPresenter question(vcl::mrNo);
    const auto runCheck = [&](int rounds) {
        ended.clear();
        check.CheckUpdate();
        for (int round = 0; round < rounds && (ended.empty() || check.Updater().Busy()); ++round) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            Sleep(10);
        }
        return ended;
    };
    check.SetVersionNumber(u"2.0.0.0");
    EXPECT_EQ(runCheck(500), std::vector<std::string>{"none"});
    check.SetVersionNumber(u"1.1.7.0");
    EXPECT_EQ(runCheck(500), std::vector<std::string>{"later"});
    EXPECT_EQ(question.Asked, 1);
    EXPECT_TRUE(runCheck(20).empty()) << "once offered, not asked again in the same run";
    EXPECT_EQ(question.Asked, 1);
    std::filesystem::remove(info);
}

TEST(UpgradeUpdateCheck, LoadedFiresOnAfterRestartOnlyForAProgramStartedAgainAfterAnUpgrade) {
    for (const char16_t* parameter : {u"", u"/other", u"/afterupgrade"}) {
        app::TUpgradeUpdateCheck check;
        check.Updater().FirstParameter = parameter;
        int restarts = 0;
        check.Updater().OnAfterRestart = [&](au::TauUpdater&) { ++restarts; };
        check.Loaded();
        EXPECT_EQ(restarts, rtl::UnicodeString(parameter) == u"/afterupgrade" ? 1 : 0) << restarts;
        EXPECT_EQ(check.Updater().Wizard.Pic118x218().Width(), 118) << "the wizard's side picture";
        EXPECT_EQ(check.Updater().Wizard.Pic118x218().Height(), 218);
    }
}

} // namespace
