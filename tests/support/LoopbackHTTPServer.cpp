// The loopback HTTP server of the tests.

#include "tests/support/LoopbackHTTPServer.h"

#include "rtl/WindowsApi.h"

#include <algorithm>
#include <stdexcept>
#include <winsock2.h>
#include <ws2tcpip.h>

namespace test_support {

namespace {

struct WinsockSession {
    WinsockSession() {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockSession() { WSACleanup(); }
};

// A socket bound to 127.0.0.1 at a free port, listening when asked.
SOCKET BindLoopback(uint16_t& port) {
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("no loopback socket");
    }
    int length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return s;
}

void SendAll(SOCKET s, const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
        const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (n <= 0) {
            return;
        }
        sent += static_cast<size_t>(n);
    }
}

} // namespace

uint16_t UnusedLoopbackPort() {
    static WinsockSession session;
    uint16_t port = 0;
    closesocket(BindLoopback(port));
    return port;
}

TLoopbackHTTPServer::TLoopbackHTTPServer() {
    static WinsockSession session;
    const SOCKET listener = BindLoopback(FPort);
    listen(listener, 8);
    FListener = listener;
    FThread = std::thread([this] { Serve(); });
}

TLoopbackHTTPServer::~TLoopbackHTTPServer() {
    {
        const std::lock_guard lock(FLock);
        FStopping = true;
        FReleaseBody = true;
    }
    FReleased.notify_all();
    FThread.join();
    closesocket(static_cast<SOCKET>(FListener));
}

std::string TLoopbackHTTPServer::URL(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(FPort) + path;
}

void TLoopbackHTTPServer::Script(const std::string& path, TLoopbackResponse response) {
    const std::lock_guard lock(FLock);
    FScripts[path] = std::move(response);
}

std::vector<std::string> TLoopbackHTTPServer::Requests() {
    const std::lock_guard lock(FLock);
    return FRequests;
}

void TLoopbackHTTPServer::Release() {
    {
        const std::lock_guard lock(FLock);
        FReleaseBody = true;
    }
    FReleased.notify_all();
}

// Polls, so that stopping never depends on a blocked accept or on a client that connects and says nothing.
void TLoopbackHTTPServer::Serve() {
    const auto listener = static_cast<SOCKET>(FListener);
    for (;;) {
        {
            const std::lock_guard lock(FLock);
            if (FStopping) {
                return;
            }
        }
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval wait{0, 20000};
        if (select(0, &ready, nullptr, nullptr, &wait) <= 0) {
            continue;
        }
        const SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            continue;
        }
        const DWORD receiveTimeout = 2000;
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&receiveTimeout),
                   sizeof receiveTimeout);
        Answer(client);
        shutdown(client, SD_BOTH);
        closesocket(client);
    }
}

void TLoopbackHTTPServer::Answer(uintptr_t clientSocket) {
    const auto client = static_cast<SOCKET>(clientSocket);
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        const int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return;
        }
        request.append(buffer, static_cast<size_t>(n));
    }
    // A form body follows the headers; it is small in the tests and comes in the same packets or right after.
    const size_t lengthAt = request.find("Content-Length: ");
    if (lengthAt != std::string::npos) {
        const size_t expected = request.find("\r\n\r\n") + 4 + std::stoul(request.substr(lengthAt + 16));
        while (request.size() < expected) {
            const int n = recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) {
                break;
            }
            request.append(buffer, static_cast<size_t>(n));
        }
    }
    const size_t pathStart = request.find(' ') + 1;
    const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
    TLoopbackResponse response;
    {
        const std::lock_guard lock(FLock);
        FRequests.push_back(request);
        if (Responder) {
            response = Responder(request);
        } else if (const auto found = FScripts.find(path); found != FScripts.end()) {
            response = found->second;
        } else {
            response.Status = 404;
            response.Reason = "Not Found";
            response.Body = "missing";
        }
    }
    if (response.Drop) {
        return;
    }
    std::string head = "HTTP/1.0 " + std::to_string(response.Status) + " " + response.Reason + "\r\n";
    for (const std::string& header : response.Headers) {
        head += header + "\r\n";
    }
    if (!response.OmitLength) {
        const int64_t length =
            response.AnnouncedLength >= 0 ? response.AnnouncedLength : static_cast<int64_t>(response.Body.size());
        head += "Content-Length: " + std::to_string(length) + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    SendAll(client, head);
    if (!response.HoldBody) {
        SendAll(client, response.Body);
        return;
    }
    const size_t early = std::min(response.SentBeforeHold, response.Body.size());
    SendAll(client, response.Body.substr(0, early));
    {
        std::unique_lock lock(FLock);
        FReleased.wait(lock, [this] { return FReleaseBody; });
        if (FStopping) {
            return;
        }
    }
    SendAll(client, response.Body.substr(early));
}

} // namespace test_support
