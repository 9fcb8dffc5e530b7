// The HTTP client against a loopback server: bodies into memory and files, the request it sends, every way a
// transfer ends, and the events on the UI thread.

#include "upgrade/auHTTP.h"

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringUtils.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

using au::TauCustomHTTP;
using au_test::TLoopbackHTTPServer;
using au_test::TLoopbackResponse;

// How a transfer ended, as its events told it.
struct TransferOutcome {
    std::string Ended; // done, skipped, error, unreachable, connlost, aborted
    std::string Body;
    int32_t Status = 0;
    int64_t BytesDone = 0;
    int Failures = 0;
    std::vector<std::string> StatusTexts;
    bool EventsOnUIThread = true;
};

std::string StreamText(rtl::TStream* stream) {
    std::string text;
    if (stream != nullptr) {
        text.resize(static_cast<size_t>(stream->Size()));
        stream->ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
    }
    return text;
}

class HTTPClientFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = std::filesystem::temp_directory_path() / ("auHTTPTest" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(Folder);
        const DWORD uiThread = GetCurrentThreadId();
        const auto onUI = [this, uiThread] { Outcome.EventsOnUIThread &= GetCurrentThreadId() == uiThread; };
        Client->OnStatus = [this, onUI](TauCustomHTTP&, uint32_t, const rtl::UnicodeString& text) {
            onUI();
            Outcome.StatusTexts.push_back(std::string(text.begin(), text.end()));
        };
        Client->OnDone = [this, onUI](TauCustomHTTP&, const rtl::UnicodeString&, rtl::TStream* stream, int64_t bytes) {
            onUI();
            End("done", StreamText(stream), bytes);
        };
        Client->OnSkipped = [this, onUI](TauCustomHTTP&) { End("skipped"); };
        Client->OnError = [this, onUI](TauCustomHTTP&, int32_t status, rtl::TStream* stream) {
            onUI();
            Outcome.Status = status;
            End("error", StreamText(stream));
        };
        Client->OnHostUnreachable = [this](TauCustomHTTP&) { End("unreachable"); };
        Client->OnConnLost = [this](TauCustomHTTP&, const rtl::UnicodeString&, rtl::TStream*, int64_t bytes, int64_t) {
            End("connlost", "", bytes);
        };
        Client->OnAborted = [this](TauCustomHTTP&) { End("aborted"); };
        Client->OnFailure = [this](TauCustomHTTP&) { ++Outcome.Failures; };
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    void End(const std::string& how, std::string body = {}, int64_t bytes = 0) {
        Outcome.Ended = how;
        Outcome.Body = std::move(body);
        Outcome.BytesDone = bytes;
    }
    // Starts the transfer of url and serves messages until it has ended.
    void Transfer(const std::string& url) {
        Client->SetURL(rtl::U16(url));
        ASSERT_TRUE(Client->Read());
        ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return !Outcome.Ended.empty(); })) << url;
        au_test::PumpMessagesUntil([this] { return !Client->Busy(); });
    }
    std::string TargetPath(const char* name) const { return (Folder / name).string(); }

    TLoopbackHTTPServer Server;
    std::unique_ptr<TauCustomHTTP, rtl::TComponentDeleter> Client{new TauCustomHTTP(nullptr)};
    TransferOutcome Outcome;
    std::filesystem::path Folder;
};

TEST_F(HTTPClientFixture, ABodyArrivesInMemoryWithItsEventsOnTheUIThread) {
    Server.Script("/info.txt", {200, "OK", {"Content-Type: text/plain"}, "#version=1.2.0.0\r\n"});
    Transfer(Server.URL("/info.txt"));
    EXPECT_EQ(Outcome.Ended, "done");
    EXPECT_EQ(Outcome.Body, "#version=1.2.0.0\r\n");
    EXPECT_EQ(Outcome.BytesDone, 18);
    EXPECT_EQ(Client->StatusCode(), 200);
    EXPECT_TRUE(Outcome.EventsOnUIThread);
    EXPECT_NE(std::find(Outcome.StatusTexts.begin(), Outcome.StatusTexts.end(), "Request sent"),
              Outcome.StatusTexts.end());
    EXPECT_FALSE(Client->Busy());
}

TEST_F(HTTPClientFixture, ATransferIsBusyFromItsStartAndAReadThenIsRefused) {
    Server.Script("/info.txt", {200, "OK", {}, "text"});
    Client->SetURL(rtl::U16(Server.URL("/info.txt")));
    ASSERT_TRUE(Client->Read());
    EXPECT_TRUE(Client->Busy());
    EXPECT_FALSE(Client->Read());
    ASSERT_TRUE(au_test::PumpMessagesUntil([this] { return !Outcome.Ended.empty(); }));
    EXPECT_EQ(Outcome.Ended, "done");
    EXPECT_EQ(Server.Requests().size(), 1u);
}

TEST_F(HTTPClientFixture, TheClientGoesAtOnceWhileItsTransferRuns) {
    TLoopbackResponse held{200, "OK", {}, "late"};
    held.HoldBody = true;
    Server.Script("/held", held);
    Client->OnStatus = [](TauCustomHTTP&, uint32_t, const rtl::UnicodeString&) {};
    Client->SetURL(rtl::U16(Server.URL("/held")));
    ASSERT_TRUE(Client->Read());
    au_test::PumpMessagesUntil([this] { return !Server.Requests().empty(); });
    Client.reset();
    Server.Release();
    au_test::PumpMessagesUntil([] { return false; }, 10);
    EXPECT_EQ(Outcome.Ended, "");
}

TEST_F(HTTPClientFixture, TheRequestCarriesTheHeadersTheRangeAndTheNoCacheFlags) {
    Server.Script("/f", {200, "OK", {}, "x"});
    Client->AddHeaders = {u"X-Test: yes"};
    Client->Range.StartRange = 100;
    Client->UseCache = false;
    Transfer(Server.URL("/f?q=1"));
    ASSERT_EQ(Server.Requests().size(), 1u);
    const std::string request = Server.Requests()[0];
    EXPECT_EQ(request.rfind("GET /f?q=1 HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("X-Test: yes\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("RANGE: bytes=100-\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("no-cache"), std::string::npos) << request;
    EXPECT_NE(request.find("User-Agent: Tallyvane auHTTP"), std::string::npos) << request;
}

TEST_F(HTTPClientFixture, PostDataGoesAsAFormBody) {
    Server.Script("/post", {200, "OK", {}, "ok"});
    Client->PostData = "a=1&b=2";
    Transfer(Server.URL("/post"));
    const std::string request = Server.Requests().at(0);
    EXPECT_EQ(request.rfind("POST /post ", 0), 0u) << request;
    EXPECT_NE(request.find("application/x-www-form-urlencoded"), std::string::npos);
    EXPECT_EQ(request.substr(request.size() - 7), "a=1&b=2");
}

TEST_F(HTTPClientFixture, AStatusOtherThan200IsAnErrorWithTheBody) {
    Transfer(Server.URL("/nothing-here"));
    EXPECT_EQ(Outcome.Ended, "error");
    EXPECT_EQ(Outcome.Status, 404);
    EXPECT_EQ(Outcome.Body, "missing");
    EXPECT_EQ(Outcome.Failures, 1);
}

TEST_F(HTTPClientFixture, ABodyShorterThanAnnouncedIsALostConnectionAndLeavesNoFile) {
    TLoopbackResponse response{200, "OK", {}, "only part"};
    response.AnnouncedLength = 1000;
    Server.Script("/big.exe", response);
    Client->SetFileName(rtl::U16(TargetPath("big.exe.uTMP")));
    Transfer(Server.URL("/big.exe"));
    EXPECT_EQ(Outcome.Ended, "connlost");
    EXPECT_EQ(Outcome.BytesDone, 9);
    EXPECT_FALSE(std::filesystem::exists(TargetPath("big.exe.uTMP")));
}

TEST_F(HTTPClientFixture, WithoutAnnouncedLengthWhatArrivesIsTheBody) {
    TLoopbackResponse response{200, "OK", {}, std::string(10000, 'z')};
    response.OmitLength = true;
    Server.Script("/stream", response);
    Transfer(Server.URL("/stream"));
    EXPECT_EQ(Outcome.Ended, "done");
    EXPECT_EQ(Outcome.Body.size(), 10000u);
}

TEST_F(HTTPClientFixture, ABodyGoesIntoTheTargetFileHiddenWhenAsked) {
    const std::string content(20000, 'q');
    Server.Script("/app.exe", {200, "OK", {"Last-Modified: Sun, 06 Nov 1994 08:49:37 GMT"}, content});
    const std::string target = TargetPath("app.exe.uTMP");
    { std::ofstream(target) << "an older download"; }
    Client->SetFileName(rtl::U16(target));
    Client->HideTargetFile = true;
    Client->TransferBufferSize = 1000;
    int progressEvents = 0;
    Client->OnProgress = [&](TauCustomHTTP&, const au::TauHTTPProgressInfo& progress) {
        ++progressEvents;
        EXPECT_EQ(progress.Size, 20000);
        EXPECT_EQ(progress.PercentsDone, au::Percent(static_cast<double>(progress.BytesDone), 20000));
    };
    Transfer(Server.URL("/app.exe"));
    EXPECT_EQ(Outcome.Ended, "done");
    EXPECT_EQ(Outcome.Body, "");
    EXPECT_GE(progressEvents, 2);
    EXPECT_EQ(au_test::ReadFileBytes(target), content);
    const DWORD attributes = GetFileAttributesW(std::filesystem::path(target).c_str());
    EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_GT(Client->LastModified(), 0);
}

TEST_F(HTTPClientFixture, AFileStartThatDeclinesSkipsTheBody) {
    Server.Script("/skip.dat", {200, "OK", {"Content-Type: application/octet-stream"}, "body"});
    au::TauHTTPFileStartInfo seen;
    Client->OnFileStart = [&](TauCustomHTTP&, const au::TauHTTPFileStartInfo& info, bool& accept) {
        seen = info;
        accept = false;
    };
    Client->SetFileName(rtl::U16(TargetPath("skip.dat.uTMP")));
    Transfer(Server.URL("/skip.dat"));
    EXPECT_EQ(Outcome.Ended, "skipped");
    EXPECT_EQ(seen.Size, 4);
    EXPECT_EQ(seen.ContentType, u"application/octet-stream");
    EXPECT_NE(seen.RawHeaders.find(u"HTTP/1.0 200 OK"), rtl::UnicodeString::npos);
    EXPECT_FALSE(std::filesystem::exists(TargetPath("skip.dat.uTMP")));
}

TEST_F(HTTPClientFixture, NoServerIsAnUnreachableHost) {
    Transfer("http://127.0.0.1:" + std::to_string(au_test::UnusedLoopbackPort()) + "/info.txt");
    EXPECT_EQ(Outcome.Ended, "unreachable");
    EXPECT_EQ(Client->StatusCode(), -1);
}

TEST_F(HTTPClientFixture, AFileURLReadsALocalFileAndAMissingOneIsA404) {
    const std::string path = TargetPath("local.txt");
    { std::ofstream(path, std::ios::binary) << "local bytes"; }
    std::string url = "file:///" + path;
    std::replace(url.begin(), url.end(), '\\', '/');
    Transfer(url);
    EXPECT_EQ(Outcome.Ended, "done");
    EXPECT_EQ(Outcome.Body, "local bytes");

    Outcome = {};
    Transfer(url + ".missing");
    EXPECT_EQ(Outcome.Ended, "error");
    EXPECT_EQ(Outcome.Status, 404);
}

TEST_F(HTTPClientFixture, A401WithoutAnAnswerIsAnErrorAndWithOneTheRequestIsSentAgain) {
    Server.Responder = [](const std::string& request) {
        if (request.find("Authorization: Basic") != std::string::npos) {
            return TLoopbackResponse{200, "OK", {}, "secret"};
        }
        return TLoopbackResponse{401, "Unauthorized", {"WWW-Authenticate: Basic realm=\"updates\""}, "denied"};
    };
    Transfer(Server.URL("/private"));
    EXPECT_EQ(Outcome.Ended, "error");
    EXPECT_EQ(Outcome.Status, 401);

    Outcome = {};
    rtl::UnicodeString realm;
    Client->OnPasswordRequest = [&](TauCustomHTTP& sender, const rtl::UnicodeString& askedRealm, bool& tryAgain) {
        realm = askedRealm;
        sender.SetHTTPUsername(u"user");
        sender.SetHTTPPassword(u"pass");
        tryAgain = true;
    };
    Transfer(Server.URL("/private"));
    EXPECT_EQ(realm, u"updates");
    EXPECT_EQ(Outcome.Ended, "done");
    EXPECT_EQ(Outcome.Body, "secret");
}

TEST_F(HTTPClientFixture, AServerThatKeepsAskingForAPasswordIsAskedABoundedNumberOfTimes) {
    Server.Responder = [](const std::string&) {
        return TLoopbackResponse{401, "Unauthorized", {"WWW-Authenticate: Basic realm=\"r\""}, ""};
    };
    int asked = 0;
    Client->OnPasswordRequest = [&](TauCustomHTTP&, const rtl::UnicodeString&, bool& tryAgain) {
        ++asked;
        tryAgain = true;
    };
    Transfer(Server.URL("/private"));
    EXPECT_EQ(Outcome.Ended, "error");
    EXPECT_EQ(asked, TauCustomHTTP::MaxAuthenticationTries);
}

TEST_F(HTTPClientFixture, ABodyPastTheMemoryLimitIsRefused) {
    Server.Script("/huge", {200, "OK", {}, std::string(5000, 'h')});
    TLoopbackResponse unannounced{200, "OK", {}, std::string(5000, 'h')};
    unannounced.OmitLength = true;
    Server.Script("/huge-unannounced", unannounced);
    Client->MaxMemorySize = 4096;
    for (const char* path : {"/huge", "/huge-unannounced"}) {
        Outcome = {};
        Transfer(Server.URL(path));
        EXPECT_EQ(Outcome.Ended, "error") << path;
        EXPECT_LE(Outcome.Body.size(), 4096u) << path;
    }
}

TEST_F(HTTPClientFixture, AbortStopsARunningTransferAndLeavesNoPartialFile) {
    TLoopbackResponse held{200, "OK", {}, std::string(1000, 'a')};
    held.HoldBody = true;
    Server.Script("/slow.exe", held);
    const std::string target = TargetPath("slow.exe.uTMP");
    Client->SetFileName(rtl::U16(target));
    bool started = false;
    Client->OnFileStart = [&](TauCustomHTTP&, const au::TauHTTPFileStartInfo&, bool&) { started = true; };
    Client->SetURL(rtl::U16(Server.URL("/slow.exe")));
    ASSERT_TRUE(Client->Read());
    ASSERT_TRUE(au_test::PumpMessagesUntil([&] { return started && std::filesystem::exists(target); }));
    EXPECT_TRUE(Client->Busy());
    Client->Abort();
    EXPECT_EQ(Outcome.Ended, "aborted");
    EXPECT_FALSE(Client->Busy());
    Server.Release();
    EXPECT_TRUE(au_test::PumpMessagesUntil([&] { return !std::filesystem::exists(target); }));
    au_test::PumpMessagesUntil([] { return false; }, 20);
    EXPECT_EQ(Outcome.Ended, "aborted");
}

TEST(auHTTP, StatusTexts) {
    EXPECT_EQ(au::HTTPStatusText(10), u"Resolving name");
    EXPECT_EQ(au::HTTPStatusText(110), u"Redirect");
    EXPECT_EQ(au::HTTPStatusText(999), u"Unknown status");
}

} // namespace
