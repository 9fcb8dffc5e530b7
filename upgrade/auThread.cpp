// Worker threads and their calls on the UI thread through the hidden thread window.

#include "upgrade/auThread.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "vcl/system/ExceptionHook.h"

#include <array>
#include <mutex>

namespace au {

namespace {

constexpr UINT ReleaseThreadWindowMessage = 0x8FFE;
constexpr UINT ThreadCallMessage = 0x8FFF;

constexpr std::array<std::pair<TThreadPriority, int>, 7> ThreadPriorities{{
    {TThreadPriority::tpIdle, THREAD_PRIORITY_IDLE},
    {TThreadPriority::tpLowest, THREAD_PRIORITY_LOWEST},
    {TThreadPriority::tpLower, THREAD_PRIORITY_BELOW_NORMAL},
    {TThreadPriority::tpNormal, THREAD_PRIORITY_NORMAL},
    {TThreadPriority::tpHigher, THREAD_PRIORITY_ABOVE_NORMAL},
    {TThreadPriority::tpHighest, THREAD_PRIORITY_HIGHEST},
    {TThreadPriority::tpTimeCritical, THREAD_PRIORITY_TIME_CRITICAL},
}};

std::recursive_mutex ThreadWindowLock;
HWND ThreadWindowHandle = nullptr;
int ThreadWindowReferences = 0;

LRESULT CALLBACK ThreadWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterThreadWindowClass() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, ThreadWindowClassName, &existing)) {
        if (existing.lpfnWndProc == &ThreadWindowProc) {
            return;
        }
        UnregisterClassW(ThreadWindowClassName, instance);
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &ThreadWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = ThreadWindowClassName;
    RegisterClassW(&windowClass);
}

void AcquireThreadWindow() {
    const std::lock_guard lock(ThreadWindowLock);
    if (ThreadWindowReferences == 0 && ThreadWindowHandle == nullptr) {
        RegisterThreadWindowClass();
        ThreadWindowHandle = CreateWindowExW(0, ThreadWindowClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr);
        if (ThreadWindowHandle == nullptr) {
            throw rtl::EOSError(u"The thread window cannot be created");
        }
    }
    ++ThreadWindowReferences;
}

// The window goes on its own thread, by a posted message, since the last release may come from a worker.
void ReleaseThreadWindow() {
    const std::lock_guard lock(ThreadWindowLock);
    if (--ThreadWindowReferences == 0 && ThreadWindowHandle != nullptr) {
        PostMessageW(ThreadWindowHandle, ReleaseThreadWindowMessage, 0, 0);
    }
}

// Gives an exception that no handler took to the application's exception hook.
void HandleUnclaimedException(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (...) {
        vcl::HandleCurrentException(nullptr);
    }
}

} // namespace

// The thread window's access to the run it serves.
struct TauThreadAccess {
    static void RunCall(TauEventThread& thread) { thread.RunPendingCall(); }
    static int32_t Run(TauEventThread& thread) { return thread.Run(); }
};

namespace {

DWORD WINAPI EventThreadProc(void* parameter) {
    return static_cast<DWORD>(TauThreadAccess::Run(*static_cast<TauEventThread*>(parameter)));
}

LRESULT CALLBACK ThreadWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == ReleaseThreadWindowMessage) {
        const std::lock_guard lock(ThreadWindowLock);
        if (ThreadWindowReferences == 0 && ThreadWindowHandle != nullptr) {
            DestroyWindow(ThreadWindowHandle);
            ThreadWindowHandle = nullptr;
        }
        return 0;
    }
    if (message == ThreadCallMessage) {
        TauThreadAccess::RunCall(*reinterpret_cast<TauEventThread*>(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int ThreadPrioritySystemValue(TThreadPriority priority) {
    for (const auto& [value, system] : ThreadPriorities) {
        if (value == priority) {
            return system;
        }
    }
    return THREAD_PRIORITY_NORMAL;
}

TThreadPriority ThreadPriorityFromSystemValue(int value) {
    for (const auto& [priority, system] : ThreadPriorities) {
        if (system == value) {
            return priority;
        }
    }
    return TThreadPriority::tpNormal;
}

HWND ThreadWindow() {
    const std::lock_guard lock(ThreadWindowLock);
    return ThreadWindowHandle;
}

// --- TauEventThread ---

TauEventThread::TauEventThread(TauCustomThread* owner, bool handleExceptions)
    : FOwner(owner), FHandleExceptions(handleExceptions) {
    AcquireThreadWindow();
    FHandle = CreateThread(nullptr, 0, &EventThreadProc, this, CREATE_SUSPENDED, nullptr);
    if (FHandle == nullptr) {
        ReleaseThreadWindow();
        throw rtl::EOSError(u"The worker thread cannot be created");
    }
}

TauEventThread::~TauEventThread() {
    CloseHandle(FHandle);
    ReleaseThreadWindow();
}

int32_t TauEventThread::Run() {
    if (!FTerminated) {
        DoExecute();
    }
    FExecuting = false;
    if (FOnFinish) {
        Synchronize([this] {
            try {
                FOnFinish(*FOwner, FExitCode);
            } catch (...) {
                DoException(std::current_exception());
            }
        });
    }
    const int32_t exitCode = FExitCode;
    Release();
    return exitCode;
}

void TauEventThread::DoExecute() {
    if (!FOnExecute) {
        return;
    }
    try {
        FOnExecute(*this, FExitCode);
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        if (FHandleExceptions) {
            Synchronize([this, error] { DoException(error); });
        } else {
            FFatalException = error;
        }
    }
}

void TauEventThread::Synchronize(const std::function<void()>& call) {
    FPendingCall = &call;
    FCallException = nullptr;
    SendMessageW(ThreadWindow(), ThreadCallMessage, 0, reinterpret_cast<LPARAM>(this));
    FPendingCall = nullptr;
    if (FCallException) {
        std::rethrow_exception(std::exchange(FCallException, nullptr));
    }
}

// On the UI thread, inside the thread window's procedure: nothing may escape into Windows.
void TauEventThread::RunPendingCall() {
    if (FOwner == nullptr || FOwner->IsGoing() || FPendingCall == nullptr) {
        return;
    }
    try {
        (*FPendingCall)();
    } catch (...) {
        if (FHandleExceptions) {
            DoException(std::current_exception());
        } else {
            FCallException = std::current_exception();
        }
    }
}

void TauEventThread::DoException(std::exception_ptr error) {
    if (FOwner == nullptr || !FOnException) {
        HandleUnclaimedException(error);
        return;
    }
    try {
        FOnException(*FOwner, error);
    } catch (...) {
        vcl::HandleCurrentException(nullptr);
    }
}

// The run counts as executing from here, so that a component is busy from the moment it starts a run.
void TauEventThread::Resume() {
    FStarted = true;
    FExecuting = true;
    ResumeThread(FHandle);
}

void TauEventThread::Detach() {
    FOwner = nullptr;
    FTerminated = true;
    if (!FStarted) {
        Resume();
    }
    Release();
}

void TauEventThread::Release() {
    if (FReferences.fetch_sub(1) == 1) {
        delete this;
    }
}

// --- TauCustomThread ---

TauCustomThread::TauCustomThread(rtl::TComponent* owner) : rtl::TComponent(owner) {
    FThread = new TauEventThread(this, FHandleExceptions);
}

TauCustomThread::~TauCustomThread() {
    FThread->Detach();
}

bool TauCustomThread::IsGoing() const {
    const auto destroying = [](const rtl::TComponent* component) {
        return component != nullptr && component->ComponentState().Contains(rtl::TComponentState::csDestroying);
    };
    return destroying(this) || destroying(Owner());
}

void TauCustomThread::ReplaceThread() {
    auto* fresh = new TauEventThread(this, FHandleExceptions);
    fresh->FOnExecute = FOnExecute;
    fresh->FOnFinish = FOnFinish;
    fresh->FOnException = FOnException;
    SetThreadPriority(fresh->FHandle, ThreadPrioritySystemValue(FPriority));
    std::exchange(FThread, fresh)->Detach();
}

bool TauCustomThread::Execute() {
    if (FThread->FStarted || FThread->FHandleExceptions != FHandleExceptions) {
        ReplaceThread();
    }
    FThread->Resume();
    return !FWaitForRun || WaitForEnd();
}

bool TauCustomThread::WaitForEnd() {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        DWORD timeout = INFINITE;
        if (FWaitTimeout != 0) {
            const ULONGLONG elapsed = GetTickCount64() - start;
            timeout = elapsed >= FWaitTimeout ? 0 : static_cast<DWORD>(FWaitTimeout - elapsed);
        }
        HANDLE handle = FThread->FHandle;
        const DWORD result = MsgWaitForMultipleObjects(1, &handle, FALSE, timeout, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            return true;
        }
        if (result == WAIT_TIMEOUT) {
            Terminate(true);
            if (FOnWaitTimeout) {
                FOnWaitTimeout(*this);
            }
            return false;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return true;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (IsGoing()) {
            return true;
        }
    }
}

void TauCustomThread::Terminate(bool replace) {
    if (replace) {
        ReplaceThread();
    } else {
        FThread->FTerminated = true;
    }
}

int32_t TauCustomThread::WaitFor() {
    if (!FThread->FStarted) {
        return 0;
    }
    HANDLE handle = FThread->FHandle;
    while (MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    DWORD exitCode = 0;
    GetExitCodeThread(handle, &exitCode);
    return static_cast<int32_t>(exitCode);
}

TThreadPriority TauCustomThread::Priority() const {
    return ThreadPriorityFromSystemValue(GetThreadPriority(FThread->FHandle));
}

void TauCustomThread::SetPriority(TThreadPriority value) {
    FPriority = value;
    SetThreadPriority(FThread->FHandle, ThreadPrioritySystemValue(value));
}

void TauCustomThread::SetOnExecute(TauThreadExecuteEvent handler) {
    FOnExecute = std::move(handler);
    FThread->FOnExecute = FOnExecute;
}

void TauCustomThread::SetOnFinish(TauThreadFinishEvent handler) {
    FOnFinish = std::move(handler);
    FThread->FOnFinish = FOnFinish;
}

void TauCustomThread::SetOnException(TauThreadExceptionEvent handler) {
    FOnException = std::move(handler);
    FThread->FOnException = FOnException;
}

} // namespace au
