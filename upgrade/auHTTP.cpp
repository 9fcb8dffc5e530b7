// The HTTP client: the transfer on the worker thread and its report on the UI thread.

#include "upgrade/auHTTP.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "upgrade/auUtils.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <wininet.h>

namespace au {

// One transfer: the settings taken when it started and everything the worker finds. The worker and the component
// share it; the worker writes it while it runs, the UI thread reads it inside the worker's calls and after the run.
struct TauHTTPTransfer {
    // Settings.
    UnicodeString URL;
    UnicodeString FileName;
    UnicodeString UserName;
    UnicodeString Password;
    TauHTTPRequestSettings Settings;
    DWORD BufferSize = 4096;
    bool WantsStatus = false, WantsRedirect = false, WantsFileStart = false, WantsProgress = false;
    bool WantsPassword = false, WantsProxyAuthentication = false;

    // Results.
    int32_t Status = -1;
    bool Succeeded = false;
    bool Accepted = true;
    bool TooLarge = false;
    UnicodeString ContentType;
    int64_t ContentLength = 0;
    int64_t BytesDone = 0;
    double LastModified = 0;
    ULONGLONG StartTick = 0;
    std::vector<uint8_t> Body;
    bool ToFile = false;

    // The worker's run and system thread, for the status callback.
    TauEventThread* Thread = nullptr;
    DWORD WorkerThreadId = 0;
    TauCustomHTTP* Component = nullptr; // not owned; used only inside calls to the UI thread

    // Closed by the worker when it ends or by Abort on the UI thread, whichever comes first. WinInet calls back
    // while it closes a handle, and the worker's callback waits for the UI thread: the lock is not held then.
    void CloseHandles() {
        HINTERNET handles[3] = {};
        {
            const std::lock_guard lock(HandleLock);
            handles[0] = std::exchange(Request, nullptr);
            handles[1] = std::exchange(Connection, nullptr);
            handles[2] = std::exchange(Session, nullptr);
        }
        for (const HINTERNET handle : handles) {
            if (handle != nullptr) {
                InternetCloseHandle(handle);
            }
        }
    }
    HINTERNET RequestHandle() {
        const std::lock_guard lock(HandleLock);
        return Request;
    }

    std::mutex HandleLock;
    HINTERNET Session = nullptr;
    HINTERNET Connection = nullptr;
    HINTERNET Request = nullptr;
};

UnicodeString HTTPStatusText(uint32_t code) {
    static constexpr std::pair<uint32_t, const char16_t*> Texts[] = {
        {10, u"Resolving name"},     {11, u"Name resolved"},          {20, u"Connecting to server"},
        {21, u"Connected"},          {30, u"Sending Request"},        {31, u"Request sent"},
        {40, u"Receiving response"}, {41, u"Response received"},      {42, u"CTL Response received"},
        {43, u"Prefetch"},           {50, u"Closing connection"},     {51, u"Connection closed"},
        {60, u"Handle created"},     {70, u"Handle closing"},         {100, u"Request complete"},
        {110, u"Redirect"},          {120, u"Intermediate response"}, {200, u"State change"},
    };
    for (const auto& [value, text] : Texts) {
        if (value == code) {
            return text;
        }
    }
    return u"Unknown status";
}

namespace {

const wchar_t* Wide(const UnicodeString& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
const wchar_t* WideOrNull(const UnicodeString& text) {
    return text.empty() ? nullptr : Wide(text);
}

UnicodeString QueryHeader(HINTERNET request, DWORD info) {
    std::vector<wchar_t> buffer(256);
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (HttpQueryInfoW(request, info, buffer.data(), &size, nullptr)) {
            return UnicodeString(reinterpret_cast<const char16_t*>(buffer.data()), size / sizeof(wchar_t));
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size > 1024 * 1024) {
            break;
        }
        buffer.resize(size / sizeof(wchar_t) + 1);
    }
    return {};
}

// A non-negative decimal number, -1 when the text is none.
int64_t ParseContentLength(const UnicodeString& text) {
    if (text.empty() || text.size() > 18) {
        return -1;
    }
    int64_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

void CALLBACK TransferStatusCallback(HINTERNET, DWORD_PTR context, DWORD code, void* information, DWORD length) {
    // Closing a handle from the UI thread (Abort) calls back there too; only the worker reports.
    auto* transfer = reinterpret_cast<TauHTTPTransfer*>(context);
    if (transfer == nullptr || transfer->WorkerThreadId != GetCurrentThreadId()) {
        return;
    }
    UnicodeString newURL;
    if (code == INTERNET_STATUS_REDIRECT && information != nullptr) {
        // The new URL comes as narrow text.
        const auto* text = static_cast<const char*>(information);
        newURL = rtl::AnsiToUnicode(std::string_view(text, strnlen(text, length)));
    }
    TauCustomHTTP* component = transfer->Component;
    if (transfer->WantsStatus) {
        const UnicodeString text = HTTPStatusText(code);
        transfer->Thread->Synchronize([&] { component->OnStatus(*component, code, text); });
    }
    if (code == INTERNET_STATUS_REDIRECT && transfer->WantsRedirect) {
        transfer->Thread->Synchronize([&] { component->OnRedirect(*component, newURL); });
    }
}

} // namespace

// The transfer on the worker thread.
struct TauHTTPWorker {
    TauHTTPTransfer& Transfer;
    TauEventThread& Thread;
    TauURLParts Parts;
    HANDLE LocalFile = INVALID_HANDLE_VALUE;
    HANDLE TargetFile = INVALID_HANDLE_VALUE;
    bool WriteFailed = false;

    void Run();
    bool OpenLocalFile();
    bool OpenRequest();
    HINTERNET Adopt(HINTERNET& slot, HINTERNET handle);
    bool SendRequest();
    void ReadResponseHeaders();
    bool OpenTarget();
    void ReadBody();
    bool ReadBlock(uint8_t* buffer, DWORD& read);
    void Store(const uint8_t* bytes, DWORD count);
    void FireProgress();
    void Finish();
};

void TauHTTPWorker::Run() {
    Transfer.StartTick = GetTickCount64();
    if (!CrackURL(Transfer.URL, Parts)) {
        return;
    }
    if (!Parts.UserName.empty() || !Parts.Password.empty()) {
        Transfer.UserName = Parts.UserName;
        Transfer.Password = Parts.Password;
    }
    const bool opened = rtl::SameText(Parts.Scheme, u"file") ? OpenLocalFile() : OpenRequest() && SendRequest();
    if (opened && !Thread.Terminated() && Transfer.Accepted && OpenTarget()) {
        ReadBody();
    }
    Finish();
}

bool TauHTTPWorker::OpenLocalFile() {
    UnicodeString path = Parts.Path;
    // "file:///C:/dir/name" cracks to "/C:/dir/name".
    if (path.size() > 2 && (path[0] == u'/' || path[0] == u'\\') && path[2] == u':') {
        path.erase(0, 1);
    }
    std::replace(path.begin(), path.end(), u'/', u'\\');
    LocalFile =
        CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    const bool opened = LocalFile != INVALID_HANDLE_VALUE;
    Transfer.Status = opened ? 200 : 404;
    if (opened) {
        LARGE_INTEGER size{};
        GetFileSizeEx(LocalFile, &size);
        Transfer.ContentLength = size.QuadPart;
    }
    return opened;
}

bool TauHTTPWorker::OpenRequest() {
    const TauHTTPProxy& proxy = Transfer.Settings.Proxy;
    DWORD access = INTERNET_OPEN_TYPE_PRECONFIG;
    UnicodeString proxyName;
    if (proxy.AccessType == TauHTTPAccessType::atDirect) {
        access = INTERNET_OPEN_TYPE_DIRECT;
    } else if (proxy.AccessType == TauHTTPAccessType::atUseProxy) {
        access = INTERNET_OPEN_TYPE_PROXY;
        const std::string port = std::to_string(proxy.ProxyPort);
        proxyName = proxy.ProxyServer + u":" + UnicodeString(port.begin(), port.end());
    }
    const HINTERNET session = Adopt(
        Transfer.Session, InternetOpenW(Wide(Transfer.Settings.AgentName), access, WideOrNull(proxyName),
                                        access == INTERNET_OPEN_TYPE_PROXY ? WideOrNull(proxy.ProxyBypass) : nullptr,
                                        Transfer.Settings.WorkOffline ? INTERNET_FLAG_OFFLINE : 0));
    if (session == nullptr) {
        return false;
    }
    InternetSetStatusCallbackW(session, &TransferStatusCallback);
    const auto context = reinterpret_cast<DWORD_PTR>(&Transfer);
    const HINTERNET connection = Adopt(
        Transfer.Connection, InternetConnectW(session, Wide(Parts.Host), Parts.Port, WideOrNull(Transfer.UserName),
                                              WideOrNull(Transfer.Password), INTERNET_SERVICE_HTTP, 0, context));
    if (connection == nullptr) {
        return false;
    }
    const bool post =
        Transfer.Settings.RequestMethod == TauHTTPRequestMethod::rmPost ||
        (Transfer.Settings.RequestMethod == TauHTTPRequestMethod::rmAutoDetect && !Transfer.Settings.PostData.empty());
    DWORD flags = 0;
    if (!Transfer.Settings.UseCache) {
        flags |= INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    }
    if (!Transfer.Settings.UseCookies) {
        flags |= INTERNET_FLAG_NO_COOKIES;
    }
    if (rtl::SameText(Parts.Scheme, u"https")) {
        flags |= INTERNET_FLAG_SECURE;
    }
    const UnicodeString object = Parts.Path + Parts.Extra;
    const wchar_t* acceptTypes[] = {Wide(Transfer.Settings.AcceptTypes), nullptr};
    const HINTERNET request =
        Adopt(Transfer.Request, HttpOpenRequestW(connection, post ? L"POST" : L"GET", Wide(object), nullptr,
                                                 WideOrNull(Transfer.Settings.Referer), acceptTypes, flags, context));
    if (request == nullptr) {
        return false;
    }
    const std::pair<DWORD, uint32_t> timeouts[] = {
        {INTERNET_OPTION_CONNECT_TIMEOUT, Transfer.Settings.Timeouts.ConnectTimeout},
        {INTERNET_OPTION_RECEIVE_TIMEOUT, Transfer.Settings.Timeouts.ReceiveTimeout},
        {INTERNET_OPTION_SEND_TIMEOUT, Transfer.Settings.Timeouts.SendTimeout}};
    for (auto [option, value] : timeouts) {
        if (value != 0) {
            DWORD milliseconds = value;
            InternetSetOptionW(request, option, &milliseconds, sizeof milliseconds);
        }
    }
    UnicodeString headers;
    for (const UnicodeString& line : Transfer.Settings.AddHeaders) {
        headers += line + u"\r\n";
    }
    if (Transfer.Settings.Range.StartRange != 0 || Transfer.Settings.Range.EndRange != 0) {
        const std::string start = std::to_string(Transfer.Settings.Range.StartRange);
        const std::string end =
            Transfer.Settings.Range.EndRange != 0 ? std::to_string(Transfer.Settings.Range.EndRange) : "";
        const std::string range = "RANGE: bytes=" + start + "-" + end + "\r\n";
        headers += UnicodeString(range.begin(), range.end());
    }
    return headers.empty() ||
           HttpAddRequestHeadersW(request, Wide(headers), static_cast<DWORD>(headers.size()), HTTP_ADDREQ_FLAG_ADD);
}

// Keeps a new handle where Abort finds it; WinInet calls back while it creates handles, so they are made outside the
// lock. A handle made after Abort closed the others is closed at once.
HINTERNET TauHTTPWorker::Adopt(HINTERNET& slot, HINTERNET handle) {
    {
        const std::lock_guard lock(Transfer.HandleLock);
        if (handle == nullptr || !Thread.Terminated()) {
            slot = handle;
            return handle;
        }
    }
    InternetCloseHandle(handle);
    return nullptr;
}

bool TauHTTPWorker::SendRequest() {
    TauCustomHTTP* component = Transfer.Component;
    for (int attempt = 0; attempt < TauCustomHTTP::MaxAuthenticationTries; ++attempt) {
        const HINTERNET request = Transfer.RequestHandle();
        if (request == nullptr || Thread.Terminated()) {
            return false;
        }
        static constexpr wchar_t FormHeader[] = L"Content-Type: application/x-www-form-urlencoded";
        const bool sent = Transfer.Settings.PostData.empty()
                              ? HttpSendRequestW(request, nullptr, 0, nullptr, 0)
                              : HttpSendRequestW(request, FormHeader, static_cast<DWORD>(std::size(FormHeader) - 1),
                                                 Transfer.Settings.PostData.data(),
                                                 static_cast<DWORD>(Transfer.Settings.PostData.size()));
        if (!sent) {
            return false;
        }
        DWORD status = 0;
        DWORD size = sizeof status;
        // A connection closed before any answer leaves no status (Wine reports 0): no answer, as when unreachable.
        if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) ||
            status < 100 || status > 999) {
            return false;
        }
        Transfer.Status = static_cast<int32_t>(status);
        bool tryAgain = false;
        if (status == HTTP_STATUS_DENIED && Transfer.WantsPassword) {
            const UnicodeString header = QueryHeader(request, HTTP_QUERY_WWW_AUTHENTICATE);
            const size_t quote = header.find(u"=\"");
            const UnicodeString realm = quote == UnicodeString::npos || header.size() < quote + 3
                                            ? UnicodeString()
                                            : header.substr(quote + 2, header.size() - quote - 3);
            Thread.Synchronize([&] {
                component->OnPasswordRequest(*component, realm, tryAgain);
                Transfer.UserName = component->HTTPUsername();
                Transfer.Password = component->HTTPPassword();
            });
            InternetSetOptionW(request, INTERNET_OPTION_USERNAME, const_cast<wchar_t*>(Wide(Transfer.UserName)),
                               static_cast<DWORD>(Transfer.UserName.size()));
            InternetSetOptionW(request, INTERNET_OPTION_PASSWORD, const_cast<wchar_t*>(Wide(Transfer.Password)),
                               static_cast<DWORD>(Transfer.Password.size()));
        } else if (status == HTTP_STATUS_PROXY_AUTH_REQ && Transfer.WantsProxyAuthentication) {
            UnicodeString user;
            UnicodeString password;
            Thread.Synchronize([&] { component->OnProxyAuthenticationRequest(*component, user, password, tryAgain); });
            InternetSetOptionW(request, INTERNET_OPTION_PROXY_USERNAME, const_cast<wchar_t*>(Wide(user)),
                               static_cast<DWORD>(user.size()));
            InternetSetOptionW(request, INTERNET_OPTION_PROXY_PASSWORD, const_cast<wchar_t*>(Wide(password)),
                               static_cast<DWORD>(password.size()));
        }
        if (!tryAgain) {
            ReadResponseHeaders();
            return true;
        }
    }
    ReadResponseHeaders();
    return true;
}

void TauHTTPWorker::ReadResponseHeaders() {
    const HINTERNET request = Transfer.RequestHandle();
    if (request == nullptr) {
        return;
    }
    Transfer.ContentType = QueryHeader(request, HTTP_QUERY_CONTENT_TYPE);
    Transfer.ContentLength = std::max<int64_t>(0, ParseContentLength(QueryHeader(request, HTTP_QUERY_CONTENT_LENGTH)));
    Transfer.LastModified = ParseHTTPDate(QueryHeader(request, HTTP_QUERY_LAST_MODIFIED));
    if (!Transfer.WantsFileStart) {
        return;
    }
    TauHTTPFileStartInfo info;
    info.RawHeaders = QueryHeader(request, HTTP_QUERY_RAW_HEADERS_CRLF);
    info.ContentType = Transfer.ContentType;
    info.ContentLanguage = QueryHeader(request, HTTP_QUERY_CONTENT_LANGUAGE);
    info.ContentEncoding = QueryHeader(request, HTTP_QUERY_CONTENT_ENCODING);
    info.Location = QueryHeader(request, HTTP_QUERY_LOCATION);
    info.Size = Transfer.ContentLength;
    info.Date = ParseHTTPDate(QueryHeader(request, HTTP_QUERY_DATE));
    info.LastModified = Transfer.LastModified;
    info.Expires = ParseHTTPDate(QueryHeader(request, HTTP_QUERY_EXPIRES));
    TauCustomHTTP* component = Transfer.Component;
    bool accept = true;
    Thread.Synchronize([&] { component->OnFileStart(*component, info, accept); });
    Transfer.Accepted = accept;
}

bool TauHTTPWorker::OpenTarget() {
    Transfer.ToFile = !Transfer.FileName.empty();
    if (!Transfer.ToFile) {
        if (Transfer.ContentLength > Transfer.Settings.MaxMemorySize) {
            Transfer.TooLarge = true;
            return false;
        }
        Transfer.Body.reserve(static_cast<size_t>(Transfer.ContentLength));
        return true;
    }
    DeleteFileW(Wide(Transfer.FileName));
    const DWORD attributes =
        Transfer.Settings.HideTargetFile ? FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY : FILE_ATTRIBUTE_NORMAL;
    TargetFile = CreateFileW(Wide(Transfer.FileName), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
    WriteFailed = TargetFile == INVALID_HANDLE_VALUE;
    return !WriteFailed;
}

bool TauHTTPWorker::ReadBlock(uint8_t* buffer, DWORD& read) {
    read = 0;
    if (LocalFile != INVALID_HANDLE_VALUE) {
        return ReadFile(LocalFile, buffer, Transfer.BufferSize, &read, nullptr) && read > 0;
    }
    const HINTERNET request = Transfer.RequestHandle();
    return request != nullptr && InternetReadFile(request, buffer, Transfer.BufferSize, &read) && read > 0;
}

void TauHTTPWorker::ReadBody() {
    std::vector<uint8_t> buffer(Transfer.BufferSize);
    DWORD read = 0;
    while (!Thread.Terminated() && !WriteFailed && !Transfer.TooLarge && ReadBlock(buffer.data(), read)) {
        Store(buffer.data(), read);
        Transfer.BytesDone += read;
        if (Transfer.WantsProgress) {
            FireProgress();
        }
    }
}

void TauHTTPWorker::Store(const uint8_t* bytes, DWORD count) {
    if (Transfer.ToFile) {
        DWORD written = 0;
        WriteFailed = !WriteFile(TargetFile, bytes, count, &written, nullptr) || written != count;
        return;
    }
    if (static_cast<int64_t>(Transfer.Body.size()) + count > Transfer.Settings.MaxMemorySize) {
        Transfer.TooLarge = true;
        return;
    }
    Transfer.Body.insert(Transfer.Body.end(), bytes, bytes + count);
}

void TauHTTPWorker::FireProgress() {
    TauHTTPProgressInfo progress;
    progress.ContentType = Transfer.ContentType;
    progress.Size = Transfer.ContentLength;
    progress.BytesDone = Transfer.BytesDone;
    progress.PercentsDone = Percent(static_cast<double>(progress.BytesDone), static_cast<double>(progress.Size));
    progress.ElapsedTime = static_cast<int32_t>((GetTickCount64() - Transfer.StartTick) / 1000);
    if (progress.BytesDone > 0) {
        const double total = static_cast<double>(progress.Size) / progress.BytesDone * progress.ElapsedTime;
        progress.EstimatedTimeLeft = static_cast<int32_t>(std::nearbyint(total)) - progress.ElapsedTime;
    }
    progress.TransferRate = static_cast<float>(progress.BytesDone / 1024.0);
    if (progress.ElapsedTime != 0) {
        progress.TransferRate /= static_cast<float>(progress.ElapsedTime);
    }
    TauCustomHTTP* component = Transfer.Component;
    Thread.Synchronize([&] { component->OnProgress(*component, progress); });
}

// Settles the outcome and leaves nothing open; a target file without the whole body is deleted here, so that even
// a run that was let go leaves no partial download behind.
void TauHTTPWorker::Finish() {
    Transfer.Succeeded = Transfer.Status == 200 && !WriteFailed && !Transfer.TooLarge && !Thread.Terminated() &&
                         (Transfer.ContentLength == 0 || Transfer.BytesDone == Transfer.ContentLength);
    if (LocalFile != INVALID_HANDLE_VALUE) {
        CloseHandle(LocalFile);
    }
    if (TargetFile != INVALID_HANDLE_VALUE) {
        CloseHandle(TargetFile);
        if (!Transfer.Succeeded) {
            DeleteFileW(Wide(Transfer.FileName));
        }
    }
    Transfer.CloseHandles();
}

// --- TauCustomHTTP ---

TauCustomHTTP::TauCustomHTTP(rtl::TComponent* owner) : TauLoginComponent(owner), FThread(new TauCustomThread(this)) {
    FThread->SetOnFinish([this](TauCustomThread&, int32_t) { SyncDone(); });
    FThread->SetOnException([this](TauCustomThread&, std::exception_ptr) {
        if (OnFailure) {
            OnFailure(*this);
        }
    });
}

TauCustomHTTP::~TauCustomHTTP() {
    if (FTransfer) {
        FTransfer->CloseHandles();
    }
}

bool TauCustomHTTP::IsDestroying() const {
    return ComponentState().Contains(rtl::TComponentState::csDestroying);
}

bool TauCustomHTTP::Busy() const {
    return FThread->Running();
}

UnicodeString TauCustomHTTP::GetURLFileName() const {
    return ExtractURLFileName(FURL);
}
UnicodeString TauCustomHTTP::GetURLHost() const {
    return ExtractURLHost(FURL);
}

bool TauCustomHTTP::Read() {
    if (Busy()) {
        return false;
    }
    auto transfer = std::make_shared<TauHTTPTransfer>();
    transfer->URL = FURL;
    transfer->FileName = FFileName;
    transfer->UserName = HTTPUsername();
    transfer->Password = HTTPPassword();
    transfer->Settings = *this;
    transfer->Settings.MaxMemorySize = std::clamp<int64_t>(MaxMemorySize, 0, INT32_MAX);
    transfer->BufferSize = static_cast<DWORD>(std::clamp(TransferBufferSize, 1, 1024 * 1024));
    transfer->WantsStatus = static_cast<bool>(OnStatus);
    transfer->WantsRedirect = static_cast<bool>(OnRedirect);
    transfer->WantsFileStart = static_cast<bool>(OnFileStart);
    transfer->WantsProgress = static_cast<bool>(OnProgress);
    transfer->WantsPassword = static_cast<bool>(OnPasswordRequest);
    transfer->WantsProxyAuthentication = static_cast<bool>(OnProxyAuthenticationRequest);
    transfer->Component = this;
    FTransfer = transfer;
    FThread->SetOnExecute([transfer](TauEventThread& thread, int32_t&) {
        transfer->Thread = &thread;
        transfer->WorkerThreadId = GetCurrentThreadId();
        TauHTTPWorker{*transfer, thread}.Run();
    });
    return FThread->Execute();
}

void TauCustomHTTP::Abort() {
    if (FTransfer) {
        FTransfer->CloseHandles();
    }
    if (Busy()) {
        FThread->Terminate(true);
        if (!IsDestroying() && OnAborted) {
            OnAborted(*this);
        }
    }
    FTransfer.reset();
}

void TauCustomHTTP::SyncDone() {
    const std::shared_ptr<TauHTTPTransfer> transfer = FTransfer;
    if (!transfer) {
        return;
    }
    FStatusCode = transfer->Status;
    FBytesDone = transfer->BytesDone;
    FLastModified = transfer->LastModified;
    rtl::TMemoryStream stream;
    if (!transfer->ToFile && !transfer->Body.empty()) {
        stream.WriteBuffer(transfer->Body.data(), static_cast<int32_t>(transfer->Body.size()));
        stream.SetPosition(0);
    }
    rtl::TStream* body = transfer->ToFile ? nullptr : &stream;
    if (!transfer->Accepted) {
        if (OnSkipped) {
            OnSkipped(*this);
        }
    } else if (transfer->Succeeded) {
        if (OnDone) {
            OnDone(*this, transfer->ContentType, body, transfer->BytesDone);
        }
    } else {
        ReportFailure(*transfer, body);
    }
    if (FTransfer == transfer) {
        FTransfer.reset();
    }
}

void TauCustomHTTP::ReportFailure(TauHTTPTransfer& transfer, rtl::TStream* stream) {
    if (OnFailure) {
        OnFailure(*this);
    }
    if (transfer.Status == -1) {
        if (OnHostUnreachable) {
            OnHostUnreachable(*this);
        }
    } else if (transfer.Status != 200 || transfer.TooLarge) {
        if (OnError) {
            OnError(*this, transfer.Status, stream);
        }
    } else if (OnConnLost) {
        OnConnLost(*this, transfer.ContentType, stream, transfer.BytesDone, transfer.ContentLength);
    }
}

} // namespace au
