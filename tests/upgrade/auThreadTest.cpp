// Worker threads: calls reach the UI thread through the shared thread window, exceptions reach the handler there,
// a new run detaches the one in progress, and a wait that times out lets the run go.

#include "upgrade/auThread.h"

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"

#include <atomic>
#include <gtest/gtest.h>
#include <memory>

namespace {

using au::TauCustomThread;
using au::TauEventThread;

using au_test::PumpMessagesUntil;

struct ThreadComponent {
    std::unique_ptr<TauCustomThread, rtl::TComponentDeleter> Thread{new TauCustomThread(nullptr)};
    TauCustomThread* operator->() const { return Thread.get(); }
};

TEST(auThread, TheRunIsOnAWorkerAndItsCallsAndFinishOnTheUIThread) {
    ThreadComponent component;
    const DWORD uiThread = GetCurrentThreadId();
    DWORD workerThread = 0;
    DWORD callThread = 0;
    DWORD finishThread = 0;
    int32_t finishedWith = -1;
    component->SetOnExecute([&](TauEventThread& thread, int32_t& exitCode) {
        workerThread = GetCurrentThreadId();
        thread.Synchronize([&] { callThread = GetCurrentThreadId(); });
        exitCode = 7;
    });
    component->SetOnFinish([&](TauCustomThread&, int32_t exitCode) {
        finishThread = GetCurrentThreadId();
        finishedWith = exitCode;
    });
    component->SetWaitForRun(true);
    ASSERT_TRUE(component->Execute());
    EXPECT_NE(workerThread, 0u);
    EXPECT_NE(workerThread, uiThread);
    EXPECT_EQ(callThread, uiThread);
    EXPECT_EQ(finishThread, uiThread);
    EXPECT_EQ(finishedWith, 7);
    EXPECT_FALSE(component->Running());

    // A second run is a fresh thread.
    finishedWith = -1;
    ASSERT_TRUE(component->Execute());
    EXPECT_EQ(finishedWith, 7);
}

TEST(auThread, AnExceptionOnTheWorkerReachesTheHandlerOnTheUIThreadAndTheRunStillFinishes) {
    ThreadComponent component;
    const DWORD uiThread = GetCurrentThreadId();
    std::u16string message;
    DWORD handlerThread = 0;
    bool finished = false;
    component->SetOnExecute([](TauEventThread&, int32_t&) { throw rtl::EConvertError(u"bad value"); });
    component->SetOnException([&](TauCustomThread&, std::exception_ptr error) {
        handlerThread = GetCurrentThreadId();
        try {
            std::rethrow_exception(error);
        } catch (const rtl::Exception& e) {
            message = e.Message();
        }
    });
    component->SetOnFinish([&](TauCustomThread&, int32_t) { finished = true; });
    component->Execute();
    component->WaitFor();
    EXPECT_EQ(message, u"bad value");
    EXPECT_EQ(handlerThread, uiThread);
    EXPECT_TRUE(finished);
}

TEST(auThread, WithoutHandlingAnExceptionOfACallIsRaisedAgainOnTheWorker) {
    ThreadComponent component;
    component->SetHandleExceptions(false);
    bool caughtOnWorker = false;
    bool handlerCalled = false;
    component->SetOnExecute([&](TauEventThread& thread, int32_t&) {
        try {
            thread.Synchronize([] { throw rtl::EConvertError(u"from the UI thread"); });
        } catch (const rtl::EConvertError&) {
            caughtOnWorker = true;
        }
        thread.Synchronize([] { throw rtl::EConvertError(u"not caught"); });
    });
    component->SetOnException([&](TauCustomThread&, std::exception_ptr) { handlerCalled = true; });
    component->Execute();
    component->WaitFor();
    EXPECT_TRUE(caughtOnWorker);
    EXPECT_FALSE(handlerCalled);
    EXPECT_NE(component->Thread().FatalException(), nullptr);
}

TEST(auThread, ExecuteDuringARunDetachesItAndDropsItsCalls) {
    ThreadComponent component;
    std::atomic<bool> firstStarted = false;
    std::atomic<bool> firstEnded = false;
    std::atomic<int> runs = 0;
    int callsServed = 0;
    int finishes = 0;
    component->SetOnExecute([&](TauEventThread& thread, int32_t&) {
        if (runs++ == 0) {
            firstStarted = true;
            while (!thread.Terminated()) {
                Sleep(1);
            }
            thread.Synchronize([&] { ++callsServed; });
            firstEnded = true;
            return;
        }
        thread.Synchronize([&] { ++callsServed; });
    });
    component->SetOnFinish([&](TauCustomThread&, int32_t) { ++finishes; });
    component->Execute();
    ASSERT_TRUE(PumpMessagesUntil([&] { return firstStarted.load(); }));
    EXPECT_TRUE(component->Running());
    component->Execute();
    component->WaitFor();
    EXPECT_TRUE(PumpMessagesUntil([&] { return firstEnded.load(); }));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(callsServed, 1);
    EXPECT_EQ(finishes, 1);
}

TEST(auThread, AWaitThatTimesOutLetsTheRunGoAndSaysSo) {
    ThreadComponent component;
    std::atomic<bool> ended = false;
    bool timedOut = false;
    component->SetOnExecute([&](TauEventThread& thread, int32_t&) {
        while (!thread.Terminated()) {
            Sleep(1);
        }
        ended = true;
    });
    component->SetOnWaitTimeout([&](TauCustomThread&) { timedOut = true; });
    component->SetWaitForRun(true);
    component->SetWaitTimeout(50);
    EXPECT_FALSE(component->Execute());
    EXPECT_TRUE(timedOut);
    EXPECT_TRUE(PumpMessagesUntil([&] { return ended.load(); }));
}

TEST(auThread, ComponentsShareOneThreadWindowThatGoesWithTheLast) {
    PumpMessagesUntil([] { return au::ThreadWindow() == nullptr; });
    auto first = std::make_unique<ThreadComponent>();
    const HWND window = au::ThreadWindow();
    ASSERT_NE(window, nullptr);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, au::ThreadWindowClassName);
    auto second = std::make_unique<ThreadComponent>();
    EXPECT_EQ(au::ThreadWindow(), window);
    first.reset();
    PumpMessagesUntil([] { return false; }, 10);
    EXPECT_EQ(au::ThreadWindow(), window);
    second.reset();
    EXPECT_TRUE(PumpMessagesUntil([] { return au::ThreadWindow() == nullptr; }));
    EXPECT_FALSE(IsWindow(window));
}

TEST(auThread, PrioritiesMapToTheSystemTableAndOthersReadAsNormal) {
    EXPECT_EQ(au::ThreadPrioritySystemValue(au::TThreadPriority::tpIdle), -15);
    EXPECT_EQ(au::ThreadPrioritySystemValue(au::TThreadPriority::tpLower), -1);
    EXPECT_EQ(au::ThreadPrioritySystemValue(au::TThreadPriority::tpTimeCritical), 15);
    EXPECT_EQ(au::ThreadPriorityFromSystemValue(2), au::TThreadPriority::tpHighest);
    EXPECT_EQ(au::ThreadPriorityFromSystemValue(5), au::TThreadPriority::tpNormal);
    ThreadComponent component;
    component->SetPriority(au::TThreadPriority::tpLowest);
    EXPECT_EQ(component->Priority(), au::TThreadPriority::tpLowest);
}

} // namespace
