#include "tests/app/acceptance/ProgramProcess.h"

#include "tests/app/acceptance/AcceptanceSetup.h"
#include "tests/app/acceptance/ScreenCheck.h"
#include "tests/app/acceptance/UserInput.h"
#include "tests/app/acceptance/WindowQueries.h"
#include "tests/support/ui/FailureScreenshot.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <tlhelp32.h>

namespace acceptance {

namespace {

constexpr auto WaitLimit = std::chrono::seconds(20);
constexpr auto PollInterval = std::chrono::milliseconds(25);
constexpr auto ClickRepeatDelay = std::chrono::seconds(4);
constexpr DWORD EndWaitMilliseconds = 5000;
constexpr wchar_t DialogClass[] = L"#32770";
constexpr wchar_t MainWindowCaptionStart[] = L"Tallyvane";

// The processes that the process started, and those they started, by their ids.
std::vector<DWORD> StartedProcesses(DWORD parentId) {
    std::vector<DWORD> found{parentId};
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::vector<PROCESSENTRY32W> entries;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        entries.push_back(entry);
    }
    CloseHandle(snapshot);
    for (size_t index = 0; index < found.size(); ++index) {
        for (const PROCESSENTRY32W& candidate : entries) {
            // A reused process id could name an ancestor as a child: each process is taken once.
            const bool known = std::find(found.begin(), found.end(), candidate.th32ProcessID) != found.end();
            if (candidate.th32ParentProcessID == found[index] && !known) {
                found.push_back(candidate.th32ProcessID);
            }
        }
    }
    found.erase(found.begin());
    return found;
}

void EndProcess(HANDLE process) {
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, EndWaitMilliseconds);
    }
}

bool IsShownDialog(HWND window) {
    return ClassOf(window) == DialogClass && IsWindowVisible(window) && IsWindowEnabled(window);
}

} // namespace

TProgram::TProgram(const std::wstring& executable, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + executable + L"\"";
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &FProcess)) {
        throw std::runtime_error("the program " + Utf8(executable) + " did not start (error " +
                                 std::to_string(GetLastError()) + ")");
    }
}

TProgram::~TProgram() {
    EndAll();
    CloseHandle(FProcess.hThread);
    CloseHandle(FProcess.hProcess);
}

std::vector<DWORD> TProgram::ProcessIds() const {
    std::vector<DWORD> ids{FProcess.dwProcessId};
    const std::vector<DWORD> started = StartedProcesses(FProcess.dwProcessId);
    ids.insert(ids.end(), started.begin(), started.end());
    return ids;
}

void TProgram::EndAll() {
    for (DWORD id : StartedProcesses(FProcess.dwProcessId)) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            EndProcess(process);
            CloseHandle(process);
        }
    }
    EndProcess(FProcess.hProcess);
}

void TProgram::WaitUntil(std::string_view what, const std::function<bool()>& condition) {
    const auto limit = std::chrono::steady_clock::now() + WaitLimit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= limit) {
            const std::wstring screenshot = ui_test::ScreenshotPath(CurrentTestName() + ".timeout");
            const bool saved = ui_test::SaveScreenshot(screenshot);
            ADD_FAILURE() << "gave up after 20 s waiting for " << what << "; the program's windows:\n"
                          << DescribeWindows(ProcessIds())
                          << (saved ? "screenshot: " + Utf8(screenshot) : std::string("no screenshot"));
            throw TWaitTimeout("waited in vain for " + std::string(what));
        }
        std::this_thread::sleep_for(PollInterval);
    }
}

HWND TProgram::WaitForMainWindow() {
    HWND main = nullptr;
    WaitUntil("the main window", [&] {
        for (HWND window : TopLevelWindowsOf({FProcess.dwProcessId})) {
            if (IsWindowVisible(window) && ClassOf(window) != DialogClass &&
                TextOf(window).starts_with(MainWindowCaptionStart)) {
                main = window;
                return true;
            }
        }
        return false;
    });
    return main;
}

HWND TProgram::WaitForDialog() {
    HWND dialog = nullptr;
    WaitUntil("a dialog box of the program", [&] {
        for (HWND window : TopLevelWindowsOf({FProcess.dwProcessId})) {
            if (IsShownDialog(window)) {
                dialog = window;
                return true;
            }
        }
        return false;
    });
    return dialog;
}

HWND TProgram::WaitForPopup(std::string_view what, HWND mainWindow) {
    HWND popup = nullptr;
    WaitUntil(what, [&] {
        for (HWND window : TopLevelWindowsOf({FProcess.dwProcessId})) {
            if (window != mainWindow && IsWindowVisible(window) && ClassOf(window) != DialogClass) {
                popup = window;
                return true;
            }
        }
        return false;
    });
    return popup;
}

HWND TProgram::WaitForStartedWindow(std::wstring_view className) {
    HWND found = nullptr;
    WaitUntil("a window of class " + Utf8(className) + " of a process the program started", [&] {
        for (HWND window : TopLevelWindowsOf(StartedProcesses(FProcess.dwProcessId))) {
            if (IsWindowVisible(window) && ClassOf(window) == className) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

DWORD TProgram::WaitForExit() {
    WaitUntil("the program to end", [&] { return WaitForSingleObject(FProcess.hProcess, 0) == WAIT_OBJECT_0; });
    DWORD exitCode = 0;
    GetExitCodeProcess(FProcess.hProcess, &exitCode);
    return exitCode;
}

void TProgram::Click(HWND window) {
    WaitUntil("the pointer on " + Utf8(ClassOf(window)) + " \"" + Utf8(TextOf(window)) + "\"",
              [&] { return ClickWindow(window); });
}

void TProgram::Answer(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    WaitUntil("button " + std::to_string(buttonId) + " of the dialog",
              [&] { return button && IsWindowVisible(button) && IsWindowEnabled(button); });
    // A click that a loaded machine loses (the box still open after a while) is given again; the box closes once.
    Click(button);
    auto clicked = std::chrono::steady_clock::now();
    WaitUntil("the dialog to close", [&] {
        if (!IsWindow(box) || !IsWindowVisible(box)) {
            return true;
        }
        if (std::chrono::steady_clock::now() - clicked > ClickRepeatDelay && IsWindowVisible(button)) {
            ClickWindow(button);
            clicked = std::chrono::steady_clock::now();
        }
        return false;
    });
}

std::wstring TProgram::AnswerMessageBox(int buttonId) {
    HWND box = WaitForDialog();
    std::wstring text;
    WaitUntil("the text of the message box", [&] { return !(text = MessageBoxText(box)).empty(); });
    WaitUntilPainted(box, NextStep("message-box"), MessageBoxTextControl(box));
    Answer(box, buttonId);
    return text;
}

// Steps are numbered through the whole test, over each start of the program.
std::string TProgram::NextStep(std::string_view what) {
    static std::string test;
    static int count = 0;
    if (CurrentTestName() != test) {
        test = CurrentTestName();
        count = 0;
    }
    return std::to_string(++count) + "." + std::string(what);
}

void TProgram::WaitUntilPainted(HWND window, const std::string& step, HWND textControl) {
    TScreenPicture picture;
    std::string reason;
    const std::string what = "the " + step + " (" + Utf8(ClassOf(window)) + " \"" + Utf8(TextOf(window)) + "\")";
    const auto keepPicture = [&] {
        ui_test::SaveBitmapFile(ui_test::ScreenshotPath(CurrentTestName() + "." + step), picture.Pixels,
                                picture.Width(), picture.Height());
    };
    try {
        WaitUntil(what + " painted on the screen", [&] {
            picture = ReadScreenPicture(ScreenRectOf(window));
            reason = UnpaintedReason(picture);
            if (reason.empty() && textControl && !HoldsDarkTextOnLightFace(picture, ScreenRectOf(textControl))) {
                reason = "its text control shows no dark text on a light face";
            }
            return reason.empty();
        });
    } catch (const TWaitTimeout&) {
        keepPicture();
        ADD_FAILURE() << what << " is not painted: " << reason;
        throw;
    }
    keepPicture();
}

HWND TProgram::FileNameEdit(HWND dialog) {
    HWND edit = nullptr;
    WaitUntil("the file name edit of the file dialog", [&] { return (edit = FileNameEditOf(dialog)) != nullptr; });
    return edit;
}

std::wstring TProgram::ProposedFileName(HWND dialog) {
    return TextOf(FileNameEdit(dialog));
}

void TProgram::ChooseFile(HWND dialog, const std::wstring& fileName) {
    HWND edit = FileNameEdit(dialog);
    WaitUntilPainted(dialog, NextStep("file-dialog"), GetDlgItem(dialog, IDOK));
    // Setting an edit's text returns at once, also from a modal dialog; the user's part is the OK button.
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    WaitUntil("the file name in the file dialog", [&] { return TextOf(edit) == fileName; });
    Answer(dialog, IDOK);
}

} // namespace acceptance
