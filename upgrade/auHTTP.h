#pragma once
// The HTTP client: one transfer at a time over WinInet on a worker thread (auThread), its events fired on the UI
// thread while the worker waits. A transfer fetches a URL ("http", "https" or "file") into memory or into a target
// file and reports how it ended: done, skipped, error status, host unreachable, connection lost, aborted.
//
// Everything received is untrusted: a body kept in memory is bounded by MaxMemorySize, a retry after an
// authentication request is bounded, and a target file that did not receive the whole body is deleted.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "upgrade/auThread.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace rtl {
class TStream;
}

namespace au {

using rtl::UnicodeString;

// The credentials for the server.
class TauLoginComponent : public rtl::TComponent {
    RTL_DECLARE_CLASS(TauLoginComponent, rtl::TComponent)
public:
    using rtl::TComponent::TComponent;

    const UnicodeString& HTTPUsername() const { return FHTTPUsername; }
    void SetHTTPUsername(UnicodeString value) { FHTTPUsername = std::move(value); }
    const UnicodeString& HTTPPassword() const { return FHTTPPassword; }
    void SetHTTPPassword(UnicodeString value) { FHTTPPassword = std::move(value); }

private:
    UnicodeString FHTTPUsername;
    UnicodeString FHTTPPassword;
};

enum class TauHTTPAccessType { atPreconfig, atDirect, atUseProxy };

struct TauHTTPProxy {
    TauHTTPAccessType AccessType = TauHTTPAccessType::atPreconfig;
    int32_t ProxyPort = 8080;
    UnicodeString ProxyServer;
    UnicodeString ProxyBypass = u"127.0.0.1;";
};

struct TauHTTPRange {
    int32_t StartRange = 0;
    int32_t EndRange = 0;
};

// Milliseconds; 0 keeps the system's value.
struct TauHTTPTimeouts {
    uint32_t ConnectTimeout = 0;
    uint32_t ReceiveTimeout = 0;
    uint32_t SendTimeout = 0;
};

enum class TauHTTPRequestMethod { rmAutoDetect, rmGet, rmPost };

// The response headers that the file-start event reports.
struct TauHTTPFileStartInfo {
    UnicodeString RawHeaders;
    UnicodeString ContentType;
    UnicodeString ContentLanguage;
    UnicodeString ContentEncoding;
    UnicodeString Location;
    int64_t Size = 0;
    double Date = 0;
    double LastModified = 0;
    double Expires = 0;
};

// Where a transfer stands, for the progress event.
struct TauHTTPProgressInfo {
    UnicodeString ContentType;
    int64_t Size = 0;
    int64_t BytesDone = 0;
    int32_t ElapsedTime = 0;
    int32_t EstimatedTimeLeft = 0;
    uint8_t PercentsDone = 0;
    float TransferRate = 0;
};

// The largest body a transfer keeps in memory by default.
inline constexpr int64_t DefaultMaxMemorySize = 16 * 1024 * 1024;

// What a transfer asks for besides its URL and target.
struct TauHTTPRequestSettings {
    UnicodeString AcceptTypes = u"text/html, */*";
    UnicodeString AgentName = u"Tallyvane auHTTP";
    UnicodeString Referer;
    std::vector<UnicodeString> AddHeaders;
    // Sent as an urlencoded form body; a non-empty one makes the automatic method POST.
    std::string PostData;
    TauHTTPRequestMethod RequestMethod = TauHTTPRequestMethod::rmAutoDetect;
    bool UseCache = true;
    bool UseCookies = true;
    bool WorkOffline = false;
    bool HideTargetFile = false;
    int32_t TransferBufferSize = 4096;
    int64_t MaxMemorySize = DefaultMaxMemorySize;
    TauHTTPProxy Proxy;
    TauHTTPRange Range;
    TauHTTPTimeouts Timeouts;
};

// The status text of a WinInet status code ("Resolving name", ...; "Unknown status" for others).
UnicodeString HTTPStatusText(uint32_t code);

struct TauHTTPTransfer;

// The HTTP client component.
class TauCustomHTTP : public TauLoginComponent, public TauHTTPRequestSettings {
    RTL_DECLARE_CLASS(TauCustomHTTP, TauLoginComponent)
public:
    using TStatusEvent = std::function<void(TauCustomHTTP& sender, uint32_t code, const UnicodeString& text)>;
    using TRedirectEvent = std::function<void(TauCustomHTTP& sender, const UnicodeString& newURL)>;
    using TFileStartEvent = std::function<void(TauCustomHTTP& sender, const TauHTTPFileStartInfo& info, bool& accept)>;
    using TProgressEvent = std::function<void(TauCustomHTTP& sender, const TauHTTPProgressInfo& progress)>;
    // stream: the body in memory, positioned at 0; nullptr for a transfer into a target file.
    using TDoneEvent = std::function<void(TauCustomHTTP& sender, const UnicodeString& contentType, rtl::TStream* stream,
                                          int64_t bytesDone)>;
    using TConnLostEvent = std::function<void(TauCustomHTTP& sender, const UnicodeString& contentType,
                                              rtl::TStream* stream, int64_t bytesDone, int64_t size)>;
    using TErrorEvent = std::function<void(TauCustomHTTP& sender, int32_t status, rtl::TStream* stream)>;
    using TPasswordRequestEvent =
        std::function<void(TauCustomHTTP& sender, const UnicodeString& realm, bool& tryAgain)>;
    using TProxyAuthenticationEvent = std::function<void(TauCustomHTTP& sender, UnicodeString& proxyUsername,
                                                         UnicodeString& proxyPassword, bool& tryAgain)>;
    using TSenderEvent = std::function<void(TauCustomHTTP& sender)>;

    // How often one transfer resends after authentication requests.
    static constexpr int MaxAuthenticationTries = 5;

    explicit TauCustomHTTP(rtl::TComponent* owner);
    ~TauCustomHTTP() override;

    // Starts the transfer of URL; false while one is running.
    bool Read();
    // Stops the transfer at once: its handles close, its worker is let go, OnAborted fires.
    virtual void Abort();
    bool Busy() const;
    UnicodeString GetURLFileName() const;
    UnicodeString GetURLHost() const;

    const UnicodeString& URL() const { return FURL; }
    void SetURL(UnicodeString value) { FURL = std::move(value); }
    // Empty: the body is received into memory.
    const UnicodeString& FileName() const { return FFileName; }
    void SetFileName(UnicodeString value) { FFileName = std::move(value); }
    TThreadPriority ThreadPriority() const { return FThread->Priority(); }
    void SetThreadPriority(TThreadPriority value) { FThread->SetPriority(value); }

    // The figures of the last transfer.
    int32_t StatusCode() const { return FStatusCode; }
    int64_t BytesDone() const { return FBytesDone; }
    double LastModified() const { return FLastModified; }

    TStatusEvent OnStatus;
    TRedirectEvent OnRedirect;
    TFileStartEvent OnFileStart;
    TProgressEvent OnProgress;
    TDoneEvent OnDone;
    TSenderEvent OnSkipped;
    TConnLostEvent OnConnLost;
    TSenderEvent OnHostUnreachable;
    TErrorEvent OnError;
    TPasswordRequestEvent OnPasswordRequest;
    TProxyAuthenticationEvent OnProxyAuthenticationRequest;
    TSenderEvent OnAborted;
    TSenderEvent OnFailure;

private:
    friend struct TauHTTPWorker;

    void SyncDone();
    void ReportFailure(TauHTTPTransfer& transfer, rtl::TStream* stream);
    bool IsDestroying() const;

    TauCustomThread* FThread; // owned as a component
    std::shared_ptr<TauHTTPTransfer> FTransfer;
    UnicodeString FURL;
    UnicodeString FFileName;
    int32_t FStatusCode = -1;
    int64_t FBytesDone = 0;
    double FLastModified = 0;
};

} // namespace au
