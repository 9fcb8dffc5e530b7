#include "tests/support/ui/FileDialogs.h"

#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace ui_test {

namespace {

class TUnexpectedFileDialogs final : public vcl::IFileDialogPresenter {
public:
    bool Execute(vcl::TFileDialogRequest& request) override {
        ADD_FAILURE() << "unexpected file dialog \"" << rtl::UnicodeToUtf8(request.Title)
                      << "\" for: " << rtl::UnicodeToUtf8(request.FileName);
        return false;
    }
};

TUnexpectedFileDialogs UnexpectedFileDialogs;

} // namespace

TScriptedFileDialogs::TScriptedFileDialogs() : FPrevious(vcl::SetFileDialogPresenter(this)) {}

TScriptedFileDialogs::~TScriptedFileDialogs() {
    vcl::SetFileDialogPresenter(FPrevious);
}

bool TScriptedFileDialogs::Execute(vcl::TFileDialogRequest& request) {
    Shown.push_back(request);
    if (Answers.empty() || !Answers.front().Accept) {
        if (!Answers.empty()) {
            Answers.pop_front();
        }
        return false;
    }
    request.FileName = Answers.front().FileName;
    request.FilterIndex = Answers.front().FilterIndex;
    Answers.pop_front();
    return true;
}

void TScriptedFileDialogs::Accept(rtl::UnicodeStringView fileName, int32_t filterIndex) {
    Answers.push_back({true, rtl::UnicodeString(fileName), filterIndex});
}

void TScriptedFileDialogs::Cancel() {
    Answers.push_back({});
}

void InstallUnexpectedFileDialogGuard() {
    vcl::SetFileDialogPresenter(&UnexpectedFileDialogs);
}

} // namespace ui_test
