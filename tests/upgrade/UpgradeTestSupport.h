#pragma once
// What the upgrade component's Windows tests share: serving the UI thread's messages while a worker runs, the small
// HTTP server on the loopback address, the forms answered without showing them, and a classes root of the test's own.

#include "tests/support/LoopbackHTTPServer.h"
#include "upgrade/auFormPresenter.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace au_test {

using test_support::TLoopbackHTTPServer;
using test_support::TLoopbackResponse;
using test_support::UnusedLoopbackPort;

// Serves the UI thread's messages until done() holds or rounds of about 10 ms pass; whether done() holds.
bool PumpMessagesUntil(const std::function<bool()>& done, int rounds = 500);

// Answers the upgrader's modal forms while it exists, without showing them: records each form's caption and its
// Label1's text, lets the test act on the form (Fill), and answers with the scripted results (mrCancel when none is
// left).
class TRecordedUpdaterForms final : public au::IUpdaterFormPresenter {
public:
    struct TShown {
        std::u16string Caption;
        std::u16string Text;
    };

    TRecordedUpdaterForms();
    ~TRecordedUpdaterForms();
    TRecordedUpdaterForms(const TRecordedUpdaterForms&) = delete;
    TRecordedUpdaterForms& operator=(const TRecordedUpdaterForms&) = delete;

    vcl::TModalResult ShowModal(vcl::TCustomForm& form) override;

    std::vector<TShown> Shown;
    std::deque<vcl::TModalResult> Answers;
    std::function<void(vcl::TCustomForm& form)> Fill;

private:
    au::IUpdaterFormPresenter* FPrevious;
};

// The bytes of the file at path; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// The process's classes root taken over by a key of the test's own while the object exists, so that a test registers
// file types without touching the prefix's.
class TTestClassesRoot {
public:
    struct TVerb {
        std::wstring Name;
        // Empty: the verb has no command key.
        std::wstring Command;
    };

    TTestClassesRoot();
    ~TTestClassesRoot();
    TTestClassesRoot(const TTestClassesRoot&) = delete;
    TTestClassesRoot& operator=(const TTestClassesRoot&) = delete;

    // extension names type, whose "shell" key holds the verbs.
    void Register(const std::wstring& extension, const std::wstring& type, const std::vector<TVerb>& verbs);

private:
    std::wstring FKeyPath;
};

// The path of the helper program the build made.
std::wstring UpdateHelperProgram();

} // namespace au_test
