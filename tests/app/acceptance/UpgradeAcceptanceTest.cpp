// The upgrade end to end under Wine, driven from outside as a user drives it: a loopback HTTP server of the test
// serves an info file that announces a newer version and the new program file; the program of a copy of the
// distribution folder, its update address set to that server as the build setting sets it, asks on its activation,
// downloads through its wizard, hands over to the helper program, which replaces the program once it has ended and
// starts it again with the restart parameter. Declining leaves everything as it was, and a download cut short leaves
// the old program in place and says so. Every window on the way is read from the screen.

#include "rtl/WindowsApi.h"
#include "tests/app/acceptance/AcceptanceSetup.h"
#include "tests/app/acceptance/ProgramProcess.h"
#include "tests/app/acceptance/ProgramResources.h"
#include "tests/app/acceptance/UserInput.h"
#include "tests/app/acceptance/WindowQueries.h"
#include "tests/support/LoopbackHTTPServer.h"

#include <commctrl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <tlhelp32.h>
#include <winternl.h>

namespace {

using acceptance::TProgram;
using acceptance::Utf8;
using test_support::TLoopbackHTTPServer;
using test_support::TLoopbackResponse;

constexpr wchar_t QuestionClass[] = L"TauUpdaterUpgradeMessageForm";
constexpr wchar_t WizardClass[] = L"TauUpdaterWizardForm";
constexpr wchar_t MainWindowClass[] = L"TmainForm";
constexpr wchar_t CaptionStart[] = L"Tallyvane（金税盘版） V";
constexpr wchar_t UpgradeButton[] = L"开始升级";
constexpr wchar_t LaterButton[] = L"以后再说";
constexpr wchar_t WizardOKButton[] = L"[&O]确定";
constexpr wchar_t ProgressBarClass[] = L"TProgressBar";
constexpr char InfoFilePath[] = "/Tallyvane_upgrade.inf";
constexpr char NewProgramPath[] = "/Tallyvane.exe";
constexpr char ConnectionLostText[] = "与远端服务器的连接中断，\r\r请重新连接后再进行升级操作。";
constexpr DWORD EndWaitMilliseconds = 5000;

// A visible top-level window of class className of the processes, or nullptr.
HWND VisibleWindowOf(const std::vector<DWORD>& processIds, std::wstring_view className) {
    for (HWND window : acceptance::TopLevelWindowsOf(processIds)) {
        if (IsWindowVisible(window) && acceptance::ClassOf(window) == className) {
            return window;
        }
    }
    return nullptr;
}

// Waits until the screen shows each window painted, each kept beside the log under the step's name.
void ExpectPaintedOnScreen(TProgram& program, std::initializer_list<HWND> windows, const std::string& step) {
    for (HWND window : windows) {
        program.WaitUntilPainted(window, TProgram::NextStep(step));
    }
}

HWND WaitForWindow(TProgram& program, std::wstring_view className) {
    HWND window = nullptr;
    program.WaitUntil("a window " + Utf8(className),
                      [&] { return (window = VisibleWindowOf(program.ProcessIds(), className)) != nullptr; });
    return window;
}

HWND WaitForControl(TProgram& program, HWND top, std::wstring_view className, std::wstring_view text) {
    HWND control = nullptr;
    program.WaitUntil("the " + Utf8(className) + " \"" + Utf8(text) + "\"", [&] {
        control = acceptance::FindControl(top, className, text);
        return control != nullptr && IsWindowEnabled(control);
    });
    return control;
}

// The position of the first progress bar below the window.
int ProgressOf(HWND top) {
    for (HWND window : acceptance::DescendantsOf(top)) {
        if (acceptance::ClassOf(window) == ProgressBarClass && IsWindowVisible(window)) {
            DWORD_PTR position = 0;
            SendMessageTimeoutW(window, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &position);
            return static_cast<int>(position);
        }
    }
    return -1;
}

// The command line of another process, read from its process parameters.
std::wstring CommandLineOf(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return {};
    }
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS parameters{};
    if (!ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr) ||
        !ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, nullptr)) {
        return {};
    }
    std::wstring line(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
    ReadProcessMemory(process, parameters.CommandLine.Buffer, line.data(), parameters.CommandLine.Length, nullptr);
    return line;
}

// A process running the executable, other than the one given; ended when the object goes.
class TRunningProgram {
public:
    TRunningProgram() = default;
    TRunningProgram(const TRunningProgram&) = delete;
    TRunningProgram& operator=(const TRunningProgram&) = delete;
    ~TRunningProgram() {
        if (FProcess != nullptr) {
            if (WaitForSingleObject(FProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(FProcess, 1);
                WaitForSingleObject(FProcess, EndWaitMilliseconds);
            }
            CloseHandle(FProcess);
        }
    }

    // Looks for the process; false while there is none.
    bool Find(const std::wstring& executable, DWORD otherThan) {
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more && FProcess == nullptr;
             more = Process32NextW(snapshot, &entry)) {
            if (entry.th32ProcessID == otherThan) {
                continue;
            }
            const HANDLE process =
                OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                            entry.th32ProcessID);
            wchar_t path[MAX_PATH] = {};
            DWORD length = MAX_PATH;
            if (process != nullptr && QueryFullProcessImageNameW(process, 0, path, &length) &&
                CompareStringOrdinal(path, static_cast<int>(length), executable.c_str(), -1, TRUE) == CSTR_EQUAL) {
                FProcess = process;
                FId = entry.th32ProcessID;
            } else if (process != nullptr) {
                CloseHandle(process);
            }
        }
        CloseHandle(snapshot);
        return FProcess != nullptr;
    }
    HANDLE Handle() const { return FProcess; }
    DWORD Id() const { return FId; }

private:
    HANDLE FProcess = nullptr;
    DWORD FId = 0;
};

class UpgradeAcceptance : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(acceptance::DistFolder().empty()) << "TALLYVANE_DIST_DIR names no distribution folder";
        Work = std::make_unique<acceptance::TWorkFolder>(acceptance::DistFolder());
        acceptance::SetUpdateAddress(Work->Program(), Wide(Server.URL(InfoFilePath)));
        OldVersion = acceptance::FileVersionNumbers(Work->Program());
        NewVersion = OldVersion;
        ++NewVersion[3];
        // The new program: the same program with the next version, as the maker builds it.
        const std::wstring newProgram = Work->MakeFolder(L"new") + acceptance::ProgramFileName;
        std::filesystem::copy_file(std::filesystem::path(Work->Program()), std::filesystem::path(newProgram));
        acceptance::SetFileVersion(newProgram, NewVersion);
        OldProgramBytes = acceptance::ReadFileBytes(Work->Program());
        NewProgramBytes = acceptance::ReadFileBytes(newProgram);
        Server.Script(InfoFilePath, {200, "OK", {}, InfoFile()});
    }

    static std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

    // The info file as the maker writes it, in the code page of the program's system.
    std::string InfoFile() const {
        return acceptance::AnsiBytes(L"#version=" + acceptance::VersionText(NewVersion) + L"\r\n#url=" +
                                     Wide(Server.URL(NewProgramPath)) + L"\r\n#message={版本" +
                                     acceptance::VersionText(NewVersion) + L"：\r\n测试升级}\r\n");
    }

    // Starts the program, waits for its question and checks it.
    HWND StartAndWaitForTheQuestion(TProgram& program) {
        EXPECT_EQ(Utf8(acceptance::TextOf(program.WaitForMainWindow())),
                  Utf8(CaptionStart + acceptance::VersionText(OldVersion)));
        HWND question = WaitForWindow(program, QuestionClass);
        EXPECT_EQ(Utf8(acceptance::TextOf(question)), "软件升级精灵");
        ExpectPaintedOnScreen(program, {question}, "Question");
        return question;
    }

    // Files the program's folder holds beyond the distribution folder's (downloads, backups).
    std::vector<std::wstring> LeftInProgramFolder() const {
        std::vector<std::wstring> left;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Work->ProgramFolder()))) {
            const std::wstring name = entry.path().filename().wstring();
            if (name.ends_with(L".uTMP") || name.ends_with(L".uBAK")) {
                left.push_back(name);
            }
        }
        return left;
    }

    void ExitThroughTheButton(TProgram& program, HWND main) {
        program.Click(WaitForControl(program, main, L"button", L"退出"));
    }

    TLoopbackHTTPServer Server;
    std::unique_ptr<acceptance::TWorkFolder> Work;
    acceptance::TFileVersion OldVersion{};
    acceptance::TFileVersion NewVersion{};
    std::string OldProgramBytes;
    std::string NewProgramBytes;
};

TEST_F(UpgradeAcceptance, YesDownloadsThroughTheWizardAndTheHelperRestartsTheNewProgram) {
    TLoopbackResponse download{200, "OK", {}, NewProgramBytes};
    download.HoldBody = true;
    download.SentBeforeHold = NewProgramBytes.size() / 2;
    Server.Script(NewProgramPath, download);
    TRunningProgram restarted;
    TProgram program(Work->Program(), Work->ProgramFolder());
    const DWORD firstId = program.ProcessIds().front();
    HWND question = StartAndWaitForTheQuestion(program);
    program.Click(WaitForControl(program, question, L"button", UpgradeButton));

    HWND wizard = WaitForWindow(program, WizardClass);
    program.WaitUntil("the wizard's progress", [&] { return ProgressOf(wizard) > 0; });
    ExpectPaintedOnScreen(program, {wizard}, "WizardDownloading");
    Server.Release();
    HWND ok = WaitForControl(program, wizard, L"button", WizardOKButton);
    ExpectPaintedOnScreen(program, {wizard}, "WizardCompleted");
    program.Click(ok);
    EXPECT_EQ(program.WaitForExit(), 0u);

    // The helper waits for the program to end, puts the download in its place and starts it again.
    program.WaitUntil("the program started again", [&] { return restarted.Find(Work->Program(), firstId); });
    HWND main = nullptr;
    program.WaitUntil("the main window of the program started again", [&] {
        main = VisibleWindowOf({restarted.Id()}, MainWindowClass);
        return main != nullptr && acceptance::TextOf(main).starts_with(CaptionStart);
    });
    EXPECT_EQ(Utf8(acceptance::TextOf(main)), Utf8(CaptionStart + acceptance::VersionText(NewVersion)));
    EXPECT_TRUE(CommandLineOf(restarted.Handle()).ends_with(L" /afterupgrade"))
        << "started with the restart parameter, for which the updater fires OnAfterRestart: "
        << Utf8(CommandLineOf(restarted.Handle()));
    ExpectPaintedOnScreen(program, {main}, "Restarted");
    EXPECT_TRUE(acceptance::ReadFileBytes(Work->Program()) == NewProgramBytes) << "the new program in place";
    EXPECT_TRUE(LeftInProgramFolder().empty());

    ExitThroughTheButton(program, main);
    program.WaitUntil("the program started again to end",
                      [&] { return WaitForSingleObject(restarted.Handle(), 0) == WAIT_OBJECT_0; });
}

TEST_F(UpgradeAcceptance, LaterLeavesEverythingAsItWas) {
    TProgram program(Work->Program(), Work->ProgramFolder());
    HWND question = StartAndWaitForTheQuestion(program);
    program.Click(WaitForControl(program, question, L"button", LaterButton));
    program.WaitUntil("the question to go", [&] { return !IsWindow(question) || !IsWindowVisible(question); });
    HWND main = program.WaitForMainWindow();
    EXPECT_EQ(VisibleWindowOf(program.ProcessIds(), WizardClass), nullptr);
    ExitThroughTheButton(program, main);
    EXPECT_EQ(program.WaitForExit(), 0u);
    for (const std::string& request : Server.Requests()) {
        EXPECT_EQ(request.find(NewProgramPath), std::string::npos) << "nothing downloaded: " << request;
    }
    EXPECT_TRUE(acceptance::ReadFileBytes(Work->Program()) == OldProgramBytes);
    EXPECT_TRUE(LeftInProgramFolder().empty());
}

// A download whose connection ends before the announced size arrived, halfway or right after the headers.
TEST_F(UpgradeAcceptance, ADownloadCutShortLeavesTheOldProgramAndSaysSo) {
    for (const size_t sent : {NewProgramBytes.size() / 2, size_t{0}}) {
        SCOPED_TRACE(sent);
        TLoopbackResponse download{200, "OK", {}, NewProgramBytes.substr(0, sent)};
        download.AnnouncedLength = static_cast<int64_t>(NewProgramBytes.size());
        Server.Script(NewProgramPath, download);
        TProgram program(Work->Program(), Work->ProgramFolder());
        HWND question = StartAndWaitForTheQuestion(program);
        program.Click(WaitForControl(program, question, L"button", UpgradeButton));

        HWND box = program.WaitForDialog();
        ExpectPaintedOnScreen(program, {program.WaitForMainWindow(), box}, "ConnectionLost");
        EXPECT_EQ(Utf8(program.AnswerMessageBox(IDOK)), ConnectionLostText);
        program.WaitUntil("the wizard to go",
                          [&] { return VisibleWindowOf(program.ProcessIds(), WizardClass) == nullptr; });
        HWND main = program.WaitForMainWindow();
        EXPECT_TRUE(acceptance::ReadFileBytes(Work->Program()) == OldProgramBytes);
        EXPECT_TRUE(LeftInProgramFolder().empty());
        ExitThroughTheButton(program, main);
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
}

} // namespace
