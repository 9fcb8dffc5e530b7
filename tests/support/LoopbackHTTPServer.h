#pragma once
// A small HTTP/1.0 server on the loopback address for tests under Wine: it answers with scripted responses, records
// the requests it got, and can hold a body back until the test lets it go.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test_support {

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
    // The server waits for Release() before it sends the body, or the rest of it after SentBeforeHold bytes.
    bool HoldBody = false;
    size_t SentBeforeHold = 0;
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

// A port on which nothing listens.
uint16_t UnusedLoopbackPort();

} // namespace test_support
