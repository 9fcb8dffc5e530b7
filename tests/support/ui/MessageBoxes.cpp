#include "tests/support/ui/MessageBoxes.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "tests/support/ui/MessagePump.h"

#include <gtest/gtest.h>

namespace ui_test {

namespace {

class TUnexpectedMessageBoxes final : public vcl::IMessageBoxPresenter {
public:
    int32_t ShowMessageBox(HWND, rtl::UnicodeStringView text, rtl::UnicodeStringView caption, uint32_t flags) override {
        ADD_FAILURE() << "unexpected message box \"" << rtl::UnicodeToUtf8(caption)
                      << "\": " << rtl::UnicodeToUtf8(text);
        return (flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }
};

TUnexpectedMessageBoxes UnexpectedMessageBoxes;

constexpr int DialogRetryMilliseconds = 20;

BOOL CALLBACK FindShownDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && wcscmp(className, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Tries again until a dialog box is there to act on.
void ActOnDialog(const std::function<void(HWND dialog)>& action) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog) {
        action(dialog);
    } else {
        RunLater(DialogRetryMilliseconds, [action] { ActOnDialog(action); });
    }
}

} // namespace

TRecordedMessageBoxes::TRecordedMessageBoxes() : FPrevious(vcl::SetMessageBoxPresenter(this)) {}

TRecordedMessageBoxes::~TRecordedMessageBoxes() {
    vcl::SetMessageBoxPresenter(FPrevious);
}

int32_t TRecordedMessageBoxes::ShowMessageBox(HWND, rtl::UnicodeStringView text, rtl::UnicodeStringView caption,
                                              uint32_t flags) {
    Shown.push_back({rtl::UnicodeString(text), rtl::UnicodeString(caption), flags});
    if (Answers.empty()) {
        return IDOK;
    }
    const int32_t answer = Answers.front();
    Answers.pop_front();
    return answer;
}

TWindowsMessageBoxes::TWindowsMessageBoxes() : FPrevious(vcl::SetMessageBoxPresenter(nullptr)) {}

TWindowsMessageBoxes::~TWindowsMessageBoxes() {
    vcl::SetMessageBoxPresenter(FPrevious);
}

void ActOnDialogAfter(int milliseconds, std::function<void(HWND dialog)> action) {
    RunLater(milliseconds, [action = std::move(action)] { ActOnDialog(action); });
}

void DismissDialogAfter(int milliseconds, int command) {
    ActOnDialogAfter(milliseconds, [command](HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED), 0);
    });
}

void InstallUnexpectedMessageBoxGuard() {
    vcl::SetMessageBoxPresenter(&UnexpectedMessageBoxes);
}

} // namespace ui_test
