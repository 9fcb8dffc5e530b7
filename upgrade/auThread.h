#pragma once
// Worker threads whose events run on the UI thread. A TauEventThread is one run of a system thread; its Synchronize
// runs a call on the UI thread through one hidden process-wide window (class "TauThreadWindow") and waits for it.
// TauCustomThread is the component that owns the current event thread and starts a fresh one for each run.
//
// A run that is replaced or whose component goes is never killed (a thread killed while it holds the heap or a loader
// lock takes the process with it): it is detached instead. A detached run is asked to stop, its calls to the UI thread
// are dropped, and it frees itself when its system thread ends. Its execute handler must check Terminated and touch
// only what it shares with the run.

#include "rtl/core/Component.h"
#include "vcl/system/WinTypes.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>

namespace au {

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The system priority of a priority, and back (a system priority outside the table reads as tpNormal).
int ThreadPrioritySystemValue(TThreadPriority priority);
TThreadPriority ThreadPriorityFromSystemValue(int value);

class TauEventThread;
class TauCustomThread;

// Runs on the worker; sets the run's exit code.
using TauThreadExecuteEvent = std::function<void(TauEventThread& thread, int32_t& exitCode)>;
// Runs on the UI thread after the run.
using TauThreadFinishEvent = std::function<void(TauCustomThread& sender, int32_t exitCode)>;
// Runs on the UI thread with an exception that a handler raised.
using TauThreadExceptionEvent = std::function<void(TauCustomThread& sender, std::exception_ptr error)>;

// The window class of the thread window, for tests that look for it.
inline constexpr wchar_t ThreadWindowClassName[] = L"TauThreadWindow";
// The thread window's handle; null while no event thread exists.
HWND ThreadWindow();

// One run of a system thread, created suspended.
class TauEventThread {
public:
    TauEventThread(const TauEventThread&) = delete;
    TauEventThread& operator=(const TauEventThread&) = delete;

    // On the worker: whether the run was asked to stop.
    bool Terminated() const { return FTerminated.load(); }
    // On the worker: runs call on the UI thread and waits for it. When call raises, the component's exception
    // handler gets the exception (handle-exceptions on), or it is raised again here (off). Nothing for a detached run.
    void Synchronize(const std::function<void()>& call);

    bool Executing() const { return FExecuting.load(); }
    // The system thread's handle.
    void* Handle() const { return FHandle; }
    // The exception that ended the run when the component does not handle exceptions.
    std::exception_ptr FatalException() const { return FFatalException; }

private:
    friend class TauCustomThread;
    friend struct TauThreadAccess;

    TauEventThread(TauCustomThread* owner, bool handleExceptions);
    ~TauEventThread();

    int32_t Run();
    void DoExecute();
    void DoException(std::exception_ptr error);
    void RunPendingCall();
    // The owner lets go: the thread frees itself when its run ends (now, when it never started).
    void Detach();
    void Resume();
    void Release();

    TauCustomThread* FOwner; // not owned; null once detached (read on the UI thread only)
    const bool FHandleExceptions;
    void* FHandle = nullptr;
    std::atomic<bool> FTerminated = false;
    std::atomic<bool> FExecuting = false;
    bool FStarted = false;
    // The owner and the system thread each hold one reference; the last to let go frees the object.
    std::atomic<int> FReferences = 2;
    int32_t FExitCode = 0;
    TauThreadExecuteEvent FOnExecute;
    TauThreadFinishEvent FOnFinish;
    TauThreadExceptionEvent FOnException;
    const std::function<void()>* FPendingCall = nullptr;
    std::exception_ptr FCallException;
    std::exception_ptr FFatalException;
};

// A component that runs its execute handler on a fresh worker thread for each Execute.
class TauCustomThread : public rtl::TComponent {
    RTL_DECLARE_CLASS(TauCustomThread, rtl::TComponent)
public:
    explicit TauCustomThread(rtl::TComponent* owner);
    ~TauCustomThread() override;

    // Starts a new run, detaching a run still in progress. Without WaitForRun true at once; with it, serves the
    // UI thread's messages until the run ends (true) or WaitTimeout milliseconds pass (0: no limit), when the run is
    // detached, OnWaitTimeout fires and the answer is false.
    bool Execute();
    // Asks the run to stop; with replace the run is detached and a fresh suspended one takes its place.
    void Terminate(bool replace);
    // On the UI thread: serves sent messages until the current run's system thread has ended; its exit code.
    int32_t WaitFor();
    // Whether the current run is inside its execute handler.
    bool Running() const { return FThread->Executing(); }
    TauEventThread& Thread() const { return *FThread; }

    // Read from the system thread.
    TThreadPriority Priority() const;
    void SetPriority(TThreadPriority value);
    bool HandleExceptions() const { return FHandleExceptions; }
    // Applies from the next run.
    void SetHandleExceptions(bool value) { FHandleExceptions = value; }
    bool WaitForRun() const { return FWaitForRun; }
    void SetWaitForRun(bool value) { FWaitForRun = value; }
    uint32_t WaitTimeout() const { return FWaitTimeout; }
    void SetWaitTimeout(uint32_t value) { FWaitTimeout = value; }

    void SetOnExecute(TauThreadExecuteEvent handler);
    void SetOnFinish(TauThreadFinishEvent handler);
    void SetOnException(TauThreadExceptionEvent handler);
    void SetOnWaitTimeout(std::function<void(TauCustomThread& sender)> handler) { FOnWaitTimeout = std::move(handler); }

private:
    friend class TauEventThread;
    friend struct TauThreadAccess;

    void ReplaceThread();
    bool WaitForEnd();
    // Whether the calls of this component's runs are to be dropped.
    bool IsGoing() const;

    TauEventThread* FThread = nullptr; // owner's reference, see TauEventThread::Release
    TThreadPriority FPriority = TThreadPriority::tpNormal;
    bool FHandleExceptions = true;
    bool FWaitForRun = false;
    uint32_t FWaitTimeout = 0;
    TauThreadExecuteEvent FOnExecute;
    TauThreadFinishEvent FOnFinish;
    TauThreadExceptionEvent FOnException;
    std::function<void(TauCustomThread& sender)> FOnWaitTimeout;
};

} // namespace au
