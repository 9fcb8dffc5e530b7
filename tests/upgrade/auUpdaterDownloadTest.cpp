// The downloads of an upgrade against a loopback server, into a program folder of the test's own: every listed file
// arrives as a ".uTMP" file with its date, the helper is written and its start recorded (never run), and every broken
// download leaves the folder as it was.

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "upgrade/auUpdater.h"
#include "upgrade/auUpdaterWizard.h"
#include "upgrade/auUtils.h"
#include "vcl/extctrls/Image.h"
#include "vcl/extctrls/ProgressBar.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/GroupBox.h"
#include "vcl/stdctrls/Label.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

namespace fs = std::filesystem;
using au::TauUpdater;
using au_test::TLoopbackResponse;

constexpr char ModifiedHeader[] = "Last-Modified: Tue, 05 May 2026 10:20:30 GMT";
constexpr char OldProgram[] = "old program";

class UpdaterDownloadFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::error_code ignored;
        fs::remove_all(Folder, ignored);
        fs::create_directories(Folder);
        std::ofstream(Folder / "Tallyvane.exe", std::ios::binary) << OldProgram;
        Updater->InfoFileURL = rtl::U16(Server.URL("/update.txt"));
        Updater->VersionControl = au::TauUpdaterVersionControl::byNumber;
        Updater->VersionNumber = u"1.1.7.0";
        Updater->ApplicationTitle = u"Tallyvane";
        Updater->Wizard.Language = au::TauUpdaterLanguage::wlEnglish;
        Updater->ProgramPath = Path("Tallyvane.exe");
        // The wizard waits for the user at the end; its own tests press its buttons.
        Updater->Wizard.Enabled = false;
        Updater->HelperPath = Path("UpdateHelper.exe");
        Updater->StartHelper = [this](const rtl::UnicodeString& commandLine) {
            Events.push_back("start");
            CommandLine = commandLine;
            return StartResult;
        };
        Updater->OnDoOwnCloseAppMethod = [this](TauUpdater&) { Events.push_back("close"); };
        Updater->OnEndUpgrade = [this](TauUpdater&) { Events.push_back("end"); };
        Updater->OnAborted = [this](TauUpdater&) { Events.push_back("aborted"); };
        Updater->OnConnLost = [this](TauUpdater&) { Events.push_back("connlost"); };
        Updater->OnNoInfoFile = [this](TauUpdater&) { Events.push_back("noinfo"); };
        Updater->OnHostUnreachable = [this](TauUpdater&, const rtl::UnicodeString&, const rtl::UnicodeString&) {
            Events.push_back("unreachable");
        };
        Updater->OnFileStart = [this](TauUpdater&, const rtl::UnicodeString& url, int64_t size, double, bool&) {
            Events.push_back("start " + rtl::UnicodeToUtf8(au::ExtractURLFileName(url)) + " " + std::to_string(size));
        };
        Updater->OnFileDone = [this](TauUpdater&, const rtl::UnicodeString& fileName) {
            Events.push_back("done " + rtl::UnicodeToUtf8(rtl::ExtractFileName(fileName)));
        };
        Updater->OnLostFile = [this](TauUpdater&, const rtl::UnicodeString&, int32_t status, bool&) {
            Events.push_back("lost " + std::to_string(status));
        };
        Updater->OnProgress = [this](TauUpdater&, const au::TauUpdaterProgress& progress) {
            Progress.push_back(progress);
        };
    }
    void TearDown() override {
        Updater.reset();
        std::error_code ignored;
        fs::remove_all(Folder, ignored);
    }

    rtl::UnicodeString Path(const std::string& name) const { return rtl::UnicodeString((Folder / name).u16string()); }
    void Serve(const std::string& path, std::string body, std::vector<std::string> headers = {ModifiedHeader}) {
        Server.Script(path, {200, "OK", std::move(headers), std::move(body)});
    }
    // Serves an info file naming the files, then checks and answers the question with Yes.
    void Upgrade(const std::vector<std::string>& files, const std::string& extra = "") {
        std::string info = "#version=1.2.0.0\r\n" + extra;
        for (size_t i = 0; i < files.size(); ++i) {
            info += "#url" + (i == 0 ? std::string() : std::to_string(i + 1)) + "=" + Server.URL(files[i]) + "\r\n";
        }
        Serve("/update.txt", info, {});
        Forms.Answers = {vcl::mrYes};
        ASSERT_TRUE(Updater->CheckUpdate());
        ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return Ended(); }));
        au_test::PumpMessagesUntil([] { return false; }, 3);
    }
    // Whether the upgrade came to an end: the hand-over, an event that ends it, or an error shown after the question.
    bool Ended() const {
        static const std::string last[] = {"close", "aborted", "connlost", "unreachable", "noinfo"};
        return (!Events.empty() && std::find(std::begin(last), std::end(last), Events.back()) != std::end(last)) ||
               (!Boxes.Shown.empty() && (Boxes.Shown.back().Flags & MB_ICONMASK) == MB_ICONERROR);
    }
    // The files in the program folder besides the installed program.
    std::vector<std::string> LeftInFolder() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(Folder)) {
            if (entry.path().filename() != "Tallyvane.exe") {
                names.push_back(entry.path().filename().string());
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    void ExpectProgramAsItWas() {
        EXPECT_EQ(LeftInFolder(), std::vector<std::string>{});
        EXPECT_EQ(au_test::ReadFileBytes(Folder / "Tallyvane.exe"), OldProgram);
        EXPECT_EQ(CommandLine, u"") << "no helper starts";
    }

    const fs::path Folder = fs::temp_directory_path() / ("auDownload" + std::to_string(GetCurrentProcessId()));
    au_test::TLoopbackHTTPServer Server;
    std::unique_ptr<TauUpdater, rtl::TComponentDeleter> Updater{new TauUpdater(nullptr)};
    ui_test::TRecordedMessageBoxes Boxes;
    au_test::TRecordedUpdaterForms Forms;
    std::vector<std::string> Events;
    std::vector<au::TauUpdaterProgress> Progress;
    rtl::UnicodeString CommandLine;
    bool StartResult = true;
};

TEST_F(UpdaterDownloadFixture, EveryFileArrivesWithItsDateAndTheHelperTakesOver) {
    const std::string program(10000, 'P');
    Serve("/v2/Tallyvane.exe", program);
    Serve("/v2/help.chm", "help");
    Updater->TransferBufferSize = 1024;
    Upgrade({"/v2/Tallyvane.exe", "/v2/help.chm"}, "#method=1\r\n");

    EXPECT_EQ(Events, (std::vector<std::string>{"start Tallyvane.exe 10000", "done Tallyvane.exe.uTMP",
                                                "start help.chm 4", "done help.chm.uTMP", "end", "start", "close"}));
    EXPECT_TRUE(au_test::ReadFileBytes(Folder / "Tallyvane.exe.uTMP") == program);
    EXPECT_EQ(au_test::ReadFileBytes(Folder / "help.chm.uTMP"), "help");
    EXPECT_EQ(au_test::ReadFileBytes(Folder / "Tallyvane.exe"), OldProgram)
        << "the helper replaces the program, not the download";
    EXPECT_TRUE(GetFileAttributesW((Folder / "help.chm.uTMP").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    rtl::TDateTime age = 0;
    ASSERT_TRUE(rtl::FileAge(Path("help.chm.uTMP"), age));
    EXPECT_NEAR(age, au::ParseHTTPDate(u"Tue, 05 May 2026 10:20:30 GMT"), 2.5 / 86400);

    EXPECT_EQ(au_test::ReadFileBytes(Folder / "UpdateHelper.exe"), "stand-in helper");
    EXPECT_EQ(CommandLine, u"\"" + Path("UpdateHelper.exe") + u"\" \"" + Path("Tallyvane.exe") + u"\" +/afterupgrade1");
    EXPECT_EQ(Updater->DownloadedFiles(), std::vector<rtl::UnicodeString>{}) << "the downloads are the helper's";

    ASSERT_GE(Progress.size(), 10u);
    EXPECT_EQ(Progress.front().FileURL, rtl::U16(Server.URL("/v2/Tallyvane.exe")));
    EXPECT_EQ(Progress.front().BytesRead, 1024);
    EXPECT_EQ(Progress.front().FileSize, 10000);
    for (size_t i = 1; i < Progress.size(); ++i) {
        EXPECT_GE(Progress[i].TotalPercentsDone, Progress[i - 1].TotalPercentsDone);
    }
    EXPECT_EQ(Progress[Progress.size() - 2].TotalPercentsDone, 50) << "the first file is half of the upgrade";
    EXPECT_EQ(Progress.back().PercentsDone, 100);
    EXPECT_EQ(Progress.back().TotalPercentsDone, 100);
}

TEST_F(UpdaterDownloadFixture, ABrokenDownloadLeavesNoFileAndTheProgramAsItWas) {
    struct Case {
        const char* name;
        TLoopbackResponse broken;
        std::vector<std::string> events;
        const char16_t* shown;
        const char16_t* caption;
        uint32_t buttons;
    };
    TLoopbackResponse truncated{200, "OK", {}, "only a part"};
    truncated.AnnouncedLength = 5000;
    TLoopbackResponse dropped;
    dropped.Drop = true;
    const Case cases[] = {
        {"truncated",
         truncated,
         {"start data.cab 5000", "connlost"},
         u"Connection with remote server lost.",
         u"Application update wizard",
         MB_OK},
        {"404",
         {404, "Not Found", {}, "gone"},
         {"start data.cab 4", "lost 404", "aborted"},
         u"File data.cab not found",
         u"Error #404",
         MB_YESNO},
        {"dropped", dropped, {"unreachable"}, nullptr, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Events.clear();
        Boxes.Shown.clear();
        Boxes.Answers = {IDNO};
        Serve("/v2/Tallyvane.exe", "new program");
        Server.Script("/v2/data.cab", c.broken);
        Upgrade({"/v2/Tallyvane.exe", "/v2/data.cab", "/v2/help.chm"});

        std::vector<std::string> expected{"start Tallyvane.exe 11", "done Tallyvane.exe.uTMP"};
        expected.insert(expected.end(), c.events.begin(), c.events.end());
        EXPECT_EQ(Events, expected);
        ExpectProgramAsItWas();
        const std::vector<std::string> requests = Server.Requests();
        EXPECT_TRUE(std::none_of(requests.begin(), requests.end(), [](const std::string& request) {
            return request.find("help.chm") != request.npos;
        })) << "nothing after the broken file is fetched";
        ASSERT_EQ(Boxes.Shown.size(), c.shown != nullptr ? 1u : 0u);
        if (c.shown != nullptr) {
            EXPECT_NE(Boxes.Shown[0].Text.find(c.shown), rtl::UnicodeString::npos);
            EXPECT_EQ(Boxes.Shown[0].Caption, c.caption);
            EXPECT_EQ(Boxes.Shown[0].Flags & MB_TYPEMASK, c.buttons);
        }
    }
}

TEST_F(UpdaterDownloadFixture, AMissingFileTheUserSkipsLeavesTheOthersToTheHelper) {
    Serve("/v2/Tallyvane.exe", "new program");
    Serve("/v2/help.chm", "help");
    Boxes.Answers = {IDYES};
    Upgrade({"/v2/Tallyvane.exe", "/v2/data.cab", "/v2/help.chm"});
    EXPECT_EQ(Events, (std::vector<std::string>{"start Tallyvane.exe 11", "done Tallyvane.exe.uTMP", "start data.cab 7",
                                                "lost 404", "start help.chm 4", "done help.chm.uTMP", "end", "start",
                                                "close"}));
    EXPECT_EQ(LeftInFolder(), (std::vector<std::string>{"Tallyvane.exe.uTMP", "UpdateHelper.exe", "help.chm.uTMP"}));
}

TEST_F(UpdaterDownloadFixture, AnAbortMidWayRemovesWhatWasDownloaded) {
    Serve("/v2/Tallyvane.exe", "new program");
    TLoopbackResponse held{200, "OK", {}, std::string(3000, 'c')};
    held.HoldBody = true;
    Server.Script("/v2/data.cab", held);
    Updater->OnFileStart = [this](TauUpdater& updater, const rtl::UnicodeString& url, int64_t, double, bool&) {
        Events.push_back("start " + rtl::UnicodeToUtf8(au::ExtractURLFileName(url)));
        if (url.ends_with(u"data.cab")) {
            updater.Abort();
        }
    };
    Upgrade({"/v2/Tallyvane.exe", "/v2/data.cab"});
    Server.Release();
    EXPECT_TRUE(au_test::PumpMessagesUntil([this] { return LeftInFolder().empty(); }));
    EXPECT_EQ(Events, (std::vector<std::string>{"start Tallyvane.exe", "done Tallyvane.exe.uTMP", "start data.cab",
                                                "aborted"}));
    ExpectProgramAsItWas();
}

TEST_F(UpdaterDownloadFixture, WithoutAHelperThatRunsNothingIsInstalled) {
    struct Case {
        const char* name;
        void* module;
        const char* helperFolder;
        bool starts;
        const char16_t* shown;
    };
    const Case cases[] = {
        {"no helper in the program", GetModuleHandleW(L"kernel32.dll"), "", true, u"cannot install the update itself"},
        {"helper not written", GetModuleHandleW(nullptr), "missing\\", true, u"could not be written to"},
        {"helper not started", GetModuleHandleW(nullptr), "", false, u"could not be started"},
    };
    Serve("/v2/Tallyvane.exe", "new program");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Events.clear();
        Boxes.Shown.clear();
        Updater->HelperModule = c.module;
        Updater->HelperPath = Path(std::string(c.helperFolder) + "UpdateHelper.exe");
        StartResult = c.starts;
        Upgrade({"/v2/Tallyvane.exe"});
        EXPECT_EQ(std::count(Events.begin(), Events.end(), "close"), 0);
        EXPECT_EQ(LeftInFolder(), std::vector<std::string>{});
        EXPECT_EQ(au_test::ReadFileBytes(Folder / "Tallyvane.exe"), OldProgram);
        ASSERT_EQ(Boxes.Shown.size(), 1u);
        EXPECT_NE(Boxes.Shown[0].Text.find(c.shown), rtl::UnicodeString::npos);
        EXPECT_EQ(Boxes.Shown[0].Flags & MB_ICONMASK, static_cast<uint32_t>(MB_ICONERROR));
        CommandLine.clear();
    }
    EXPECT_EQ(Server.Requests().size(), 5u) << "a program without a helper downloads nothing";
}

TEST_F(UpdaterDownloadFixture, OnlyFilesOfAnotherSizeAreFetchedWhenAskedSoAndTheProgramAlways) {
    std::ofstream(Folder / "same.dat", std::ios::binary) << "1234";
    std::ofstream(Folder / "other.dat", std::ios::binary) << "12";
    Serve("/v2/Tallyvane.exe", std::string(sizeof OldProgram - 1, 'n'));
    Serve("/v2/same.dat", "abcd");
    Serve("/v2/other.dat", "abcd");
    Updater->MiscFilesUpgrade = au::TacMiscFilesUpgradeBehavior::mfuOnlyIfSizeDifferent;
    Upgrade({"/v2/Tallyvane.exe", "/v2/same.dat", "/v2/other.dat"});
    EXPECT_EQ(Events, (std::vector<std::string>{"start Tallyvane.exe 11", "done Tallyvane.exe.uTMP", "start same.dat 4",
                                                "start other.dat 4", "done other.dat.uTMP", "end", "start", "close"}));
    EXPECT_EQ(au_test::ReadFileBytes(Folder / "same.dat"), "1234");
    EXPECT_FALSE(fs::exists(Folder / "same.dat.uTMP"));
}

TEST_F(UpdaterDownloadFixture, AnInfoFileWithFileNamesNoFolderCanHoldIsNoInfoFile) {
    for (const char* info :
         {"#version=2\n#url=http://host/\n", "#version=2\n#url=http://a/x.dll\n#url2=http://b/X.DLL\n",
          "#version=2\n#url=http://host/setup.exe?v=2\n"}) {
        Events.clear();
        Serve("/update.txt", info, {});
        ASSERT_TRUE(Updater->CheckUpdate());
        ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return !Events.empty() && !Updater->Busy(); }));
        EXPECT_EQ(Events, std::vector<std::string>{"noinfo"}) << info;
    }
    EXPECT_TRUE(Forms.Shown.empty()) << "no question about an upgrade that cannot be installed";
}

TEST_F(UpdaterDownloadFixture, OnAfterRestartFiresWhenTheHelperRestartedTheProgram) {
    int restarts = 0;
    Updater->OnAfterRestart = [&](TauUpdater&) { ++restarts; };
    for (const char16_t* parameter : {u"", u"/other", u"/AFTERUPGRADE", u"/afterupgrade"}) {
        Updater->FirstParameter = parameter;
        Updater->Loaded();
    }
    EXPECT_EQ(restarts, 1);
}

// The wizard as the user sees it: what shows while each file downloads, the finished state that waits for OK, and
// the Cancel button's question.
class UpdaterWizardFixture : public UpdaterDownloadFixture {
protected:
    void SetUp() override {
        UpdaterDownloadFixture::SetUp();
        Updater->Wizard.Enabled = true;
        Updater->Wizard.StayOnTop = false;
    }
    au::TauUpdaterWizardForm& Wizard() const { return *Updater->WizardForm(); }
};

TEST_F(UpdaterWizardFixture, TheWizardShowsEachFileAndTheHelperStartsOnlyAfterOK) {
    Serve("/v2/Tallyvane.exe", std::string(5000, 'P'));
    Serve("/v2/help.chm", "help");
    Updater->TransferBufferSize = 1024;
    Updater->Wizard.Pic118x218().Bitmap().LoadFromResourceName(GetModuleHandleW(nullptr), u"AUWIZARDPIC");
    bool finishedBeforeOK = false;
    bool pictureShown = false;
    std::vector<std::string> shown;
    Updater->OnFileDone = [&](TauUpdater&, const rtl::UnicodeString& fileName) {
        au::TauUpdaterWizardForm& shownWizard = Wizard();
        pictureShown = shownWizard.Image1->Picture().Width() == 118 && shownWizard.Image1->Picture().Height() == 218;
        shown.push_back(rtl::UnicodeToUtf8(
            shownWizard.FileURL->Text() + u" | " + shownWizard.AllDownloading->Caption() + u" | " +
            shownWizard.FileSizeLab->Caption() + u" | " + rtl::IntToStr(shownWizard.ProgressAllFiles->Position())));
        if (!fileName.ends_with(u"help.chm.uTMP")) {
            return;
        }
        ui_test::RunLater(50, [&] {
            au::TauUpdaterWizardForm& wizard = Wizard();
            finishedBeforeOK =
                wizard.Visible() && wizard.WizardTitle->Caption() == u"Upgrade completed!" &&
                wizard.AfterNote->Visible() && !wizard.LCurrentFile->Visible() && !wizard.LAllFiles->Visible() &&
                !wizard.CancelBtn->Enabled() && wizard.FinishBtn->Enabled() && wizard.FinishBtn->Caption() == u"&OK" &&
                wizard.AfterNote->Caption().starts_with(u"The update of Tallyvane has been") && CommandLine.empty();
            EXPECT_TRUE(Updater->CheckUpdate()) << "a check while the wizard waits does nothing";
            ui_test::Click(*wizard.FinishBtn, vcl::Point(10, 10));
        });
    };
    Upgrade({"/v2/Tallyvane.exe", "/v2/help.chm"});

    const std::string first = Server.URL("/v2/Tallyvane.exe");
    const std::string second = Server.URL("/v2/help.chm");
    EXPECT_EQ(shown, (std::vector<std::string>{first + " | Downloading 1 of 2 | File size: 4.9 Kb | 50",
                                               second + " | Downloading 2 of 2 | File size: 0.0 Kb | 100"}));
    EXPECT_TRUE(finishedBeforeOK);
    EXPECT_TRUE(pictureShown) << "the side picture given in Wizard.Pic118x218";
    EXPECT_EQ(Events.back(), "close");
    EXPECT_FALSE(CommandLine.empty());
    EXPECT_EQ(Updater->WizardForm(), nullptr);
    EXPECT_EQ(Server.Requests().size(), 3u);
}

TEST_F(UpdaterWizardFixture, CancelAsksAndOnlyYesAbortsTheUpgrade) {
    Serve("/v2/Tallyvane.exe", "new program");
    TLoopbackResponse held{200, "OK", {}, std::string(3000, 'c')};
    held.HoldBody = true;
    Server.Script("/v2/data.cab", held);
    Boxes.Answers = {IDNO, IDYES};
    std::vector<std::string> afterNo;
    Updater->OnFileStart = [&](TauUpdater&, const rtl::UnicodeString& url, int64_t, double, bool&) {
        if (!url.ends_with(u"data.cab")) {
            EXPECT_EQ(Wizard().EstimatedTimeLeftLab->Caption(), u"Preparing. . .") << "before the first progress";
            EXPECT_EQ(Wizard().Image1->Picture().Graphic(), nullptr) << "no side picture given";
            return;
        }
        ui_test::RunLater(50, [&] { ui_test::Click(*Wizard().CancelBtn, vcl::Point(10, 10)); });
        ui_test::RunLater(400, [&] {
            afterNo.push_back(Updater->WizardForm() != nullptr && Wizard().Visible() ? "wizard" : "no wizard");
            afterNo.push_back(Updater->Busy() ? "busy" : "idle");
            ui_test::Click(*Wizard().CancelBtn, vcl::Point(10, 10));
        });
    };
    Upgrade({"/v2/Tallyvane.exe", "/v2/data.cab"});
    Server.Release();
    EXPECT_TRUE(au_test::PumpMessagesUntil([this] { return LeftInFolder().empty(); }));

    EXPECT_EQ(afterNo, (std::vector<std::string>{"wizard", "busy"}));
    ASSERT_EQ(Boxes.Shown.size(), 2u);
    EXPECT_EQ(Boxes.Shown[0].Text, u"The update is not completed.\rWould you like to abort upgrading?");
    EXPECT_EQ(Boxes.Shown[0].Caption, u"Tallyvane");
    EXPECT_EQ(Events.back(), "aborted");
    EXPECT_EQ(Updater->WizardForm(), nullptr);
    ExpectProgramAsItWas();
}

} // namespace
