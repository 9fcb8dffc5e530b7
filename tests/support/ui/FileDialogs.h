#pragma once
// File dialogs in tests. While a UI test runs, an open or save dialog that the test does not expect fails the test
// and is cancelled at once. A test that expects file dialogs scripts their answers with TScriptedFileDialogs, which
// also records what each dialog was asked to show.

#include "rtl/text/StringTypes.h"
#include "vcl/dialogs/FileDialogSeam.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace ui_test {

// Answers every file dialog shown while it exists with the next scripted answer (cancel when none is left), and
// records the requests as the dialogs received them.
class TScriptedFileDialogs final : public vcl::IFileDialogPresenter {
public:
    // The user's answer: cancel, or accept a path with a filter.
    struct TAnswer {
        bool Accept = false;
        rtl::UnicodeString FileName;
        int32_t FilterIndex = 1;
    };

    TScriptedFileDialogs();
    ~TScriptedFileDialogs();
    TScriptedFileDialogs(const TScriptedFileDialogs&) = delete;
    TScriptedFileDialogs& operator=(const TScriptedFileDialogs&) = delete;

    bool Execute(vcl::TFileDialogRequest& request) override;

    // Scripts the next answers.
    void Accept(rtl::UnicodeStringView fileName, int32_t filterIndex = 1);
    void Cancel();

    std::vector<vcl::TFileDialogRequest> Shown;
    std::deque<TAnswer> Answers;

private:
    vcl::IFileDialogPresenter* FPrevious;
};

// Installs the presenter that fails the test on an unexpected file dialog; the UI test support does it at start-up.
void InstallUnexpectedFileDialogGuard();

} // namespace ui_test
