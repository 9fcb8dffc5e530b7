#pragma once
// What the upgrade component's Windows tests share: serving the UI thread's messages while a worker runs, and a small
// HTTP server on the loopback address that answers with scripted responses and records the requests it got.

#include "upgrade/auFormPresenter.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace au_test {

// Serves the UI thread's messages until done() holds or rounds of about 10 ms pass; whether done() holds.
bool PumpMessagesUntil(const std::function<bool()>& done, int rounds = 500);

// One scripted answer.
struct TLoopbackResponse {
    int Status = 200;
    std::string Reason = "OK";
    std::vector<std::string> Headers;
    std::string Body;
    // When set, the Content-Length sent instead of the body's size (a body shorter than announced).
    int64_t AnnouncedLength = -1;
    // No Content-Length at all: the body ends when the connection closes.
    bool OmitLength = false;
    // The server waits for Release() before it sends the body.
    bool HoldBody = false;
    // The server closes the connection without an answer.
    bool Drop = false;
};

// A single-threaded HTTP/1.0 server on 127.0.0.1 at a free port, serving until destroyed. A path without a script
// gets 404; a response can be chosen by the request through Responder.
class TLoopbackHTTPServer {
public:
    TLoopbackHTTPServer();
    ~TLoopbackHTTPServer();

    uint16_t Port() const { return FPort; }
    std::string URL(const std::string& path) const;
    void Script(const std::string& path, TLoopbackResponse response);
    // Chooses the answer from the request text (first line and headers); overrides the scripts when set.
    std::function<TLoopbackResponse(const std::string& request)> Responder;
    // The request texts received so far.
    std::vector<std::string> Requests();
    // Lets a held body go.
    void Release();

private:
    void Serve();
    void Answer(uintptr_t client);

    uintptr_t FListener;
    uint16_t FPort = 0;
    std::mutex FLock;
    std::condition_variable FReleased;
    bool FReleaseBody = false;
    bool FStopping = false;
    std::map<std::string, TLoopbackResponse> FScripts;
    std::vector<std::string> FRequests;
    std::thread FThread;
};

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

// The path of the helper program the build made.
std::wstring UpdateHelperProgram();

// A port on which nothing listens.
uint16_t UnusedLoopbackPort();

} // namespace au_test
