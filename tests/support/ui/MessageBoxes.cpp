#include "tests/support/ui/MessageBoxes.h"

#include "rtl/CodePages.h"
#include "rtl/WindowsApi.h"

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

int DismissCommand = IDOK;

BOOL CALLBACK DismissDialogWindow(HWND window, LPARAM dismissed) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && wcscmp(className, L"#32770") == 0) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(DismissCommand, BN_CLICKED), 0);
        *reinterpret_cast<bool*>(dismissed) = true;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DismissTimerTick(HWND, UINT, UINT_PTR timer, DWORD) {
    bool dismissed = false;
    EnumThreadWindows(GetCurrentThreadId(), DismissDialogWindow, reinterpret_cast<LPARAM>(&dismissed));
    if (dismissed) {
        KillTimer(nullptr, timer);
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

void DismissDialogAfter(int milliseconds, int command) {
    DismissCommand = command;
    SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), DismissTimerTick);
}

void InstallUnexpectedMessageBoxGuard() {
    vcl::SetMessageBoxPresenter(&UnexpectedMessageBoxes);
}

} // namespace ui_test
