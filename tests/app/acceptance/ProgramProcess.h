#pragma once
// The program under test, started as a user starts it, and every wait on it: each polls and gives up after 20
// seconds, reports what the program shows then (its windows, class and text, and a screenshot) and raises
// TWaitTimeout. The program and the processes it started are ended by their handles when the object goes, so that
// a failed run leaves nothing running.

#include "rtl/WindowsApi.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace acceptance {

// A wait that ran out; the failure is already reported.
class TWaitTimeout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TProgram {
public:
    // Starts the executable in folder.
    TProgram(const std::wstring& executable, const std::wstring& folder);
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;
    ~TProgram();

    // Polls condition until it holds; see above for what happens after 20 seconds.
    void WaitUntil(std::string_view what, const std::function<bool()>& condition);

    // The visible main window, once it shows with its caption.
    HWND WaitForMainWindow();
    // A dialog box of the program (message box, file dialog) that is shown and enabled.
    HWND WaitForDialog();
    // A visible top-level window of the program besides the main window and its dialogs: a drop-down list, a hint.
    HWND WaitForPopup(std::string_view what, HWND mainWindow);
    // A visible top-level window of class className of a process the program started.
    HWND WaitForStartedWindow(std::wstring_view className);
    // The exit code, once the program has ended.
    DWORD WaitForExit();

    // Clicks the middle of the window, waiting for the pointer to get there.
    void Click(HWND window);
    // Clicks the button of a message box or dialog (IDOK, IDYES, IDNO, ...) and waits until the box has gone.
    void Answer(HWND box, int buttonId);
    // Reads the next message box, answers it with the button and returns its text.
    std::wstring AnswerMessageBox(int buttonId);
    // The name a file dialog proposes, once its name edit is there.
    std::wstring ProposedFileName(HWND dialog);
    // Puts the name into the file name edit of a file dialog and presses its OK button; waits until it has gone.
    void ChooseFile(HWND dialog, const std::wstring& fileName);

    // Waits until window is painted on the screen, and textControl (when given) shows its text dark on light, then
    // keeps the picture of the window as "<suite>.<test>.<step>.bmp" beside the test log; the wait fails with what
    // is wrong.
    void WaitUntilPainted(HWND window, const std::string& step, HWND textControl = nullptr);
    // The name of the next step that shows a window: its number in the test, then what it shows.
    static std::string NextStep(std::string_view what);

    // The program and the processes it started, while they run.
    std::vector<DWORD> ProcessIds() const;

private:
    HWND FileNameEdit(HWND dialog);
    // Ends every process the program started, then the program, by their handles.
    void EndAll();

    PROCESS_INFORMATION FProcess{};
};

} // namespace acceptance
