#pragma once
// Message boxes in tests. While a UI test runs, a message box that the test does not expect fails the test and is
// answered at once, so no test waits for a person (the default error box of an unexpected exception among them).
// A test that expects message boxes records them with TRecordedMessageBoxes; one that needs the real Windows message
// box (to see its effect on activation) allows it with TWindowsMessageBoxes and closes it with
// DismissDialogAfter.

#include "rtl/text/StringTypes.h"
#include "vcl/forms/MessageBoxSeam.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace ui_test {

// Records every message box shown while it exists and answers with the scripted answers (IDOK when none is left).
class TRecordedMessageBoxes final : public vcl::IMessageBoxPresenter {
public:
    struct TShown {
        rtl::UnicodeString Text;
        rtl::UnicodeString Caption;
        uint32_t Flags = 0;
    };

    TRecordedMessageBoxes();
    ~TRecordedMessageBoxes();
    TRecordedMessageBoxes(const TRecordedMessageBoxes&) = delete;
    TRecordedMessageBoxes& operator=(const TRecordedMessageBoxes&) = delete;

    int32_t ShowMessageBox(HWND owner, rtl::UnicodeStringView text, rtl::UnicodeStringView caption,
                           uint32_t flags) override;

    std::vector<TShown> Shown;
    std::deque<int32_t> Answers;

private:
    vcl::IMessageBoxPresenter* FPrevious;
};

// Lets the Windows message box show while it exists.
class TWindowsMessageBoxes {
public:
    TWindowsMessageBoxes();
    ~TWindowsMessageBoxes();
    TWindowsMessageBoxes(const TWindowsMessageBoxes&) = delete;
    TWindowsMessageBoxes& operator=(const TWindowsMessageBoxes&) = delete;

private:
    vcl::IMessageBoxPresenter* FPrevious;
};

// After milliseconds, action runs on the dialog box (a message box, a common dialog) of this thread that is then
// shown, as soon as there is one. Works inside the dialog's own message loop.
void ActOnDialogAfter(int milliseconds, std::function<void(HWND dialog)> action);
// After milliseconds, the dialog box of this thread that is then shown gets the command (IDOK, IDCANCEL, ...), as if
// its button was pressed.
void DismissDialogAfter(int milliseconds, int command);

// Installs the presenter that fails the test on an unexpected message box; the UI test support does it at start-up.
void InstallUnexpectedMessageBoxGuard();

} // namespace ui_test
