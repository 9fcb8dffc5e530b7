#pragma once
// TApplication: the program's message loop and its hidden application window, which owns the forms' windows and
// hears what Windows tells the whole program (activation, settings and colour changes). The application runs
// messages (HandleMessage, ProcessMessages, Run), turns key messages into the CN_ key messages the controls answer
// first (dialog keys, short-cuts) before Windows translates them, does the idle work (the control under the pointer
// hears CM_MOUSEENTER and CM_MOUSELEAVE, the hint follows it, device contexts are given back), and is where every
// exception raised in a window procedure ends: HandleException, which shows the default error box unless OnException
// takes it.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "vcl/forms/HintController.h"
#include "vcl/system/Messages.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

struct tagMSG;

namespace vcl {

class TCustomForm;

using TIdleEvent = std::function<void(rtl::TObject* sender, bool& done)>;
using TExceptionEvent = std::function<void(rtl::TObject* sender, std::exception_ptr error)>;

// The program's message loop, its forms and its exception handling.
class TApplication : public rtl::TComponent {
    RTL_DECLARE_CLASS(TApplication, rtl::TComponent)
public:
    explicit TApplication(rtl::TComponent* owner);
    ~TApplication() override;

    // Prepares the application before the first form is created.
    void Initialize();
    // Creates a form of formClass owned by the application; the first one becomes the main form.
    TCustomForm* CreateForm(const rtl::TMetaclass& formClass);
    template <class TFormClass>
    TFormClass* CreateForm() {
        return static_cast<TFormClass*>(CreateForm(TFormClass::StaticClass()));
    }
    // Shows the main form and runs messages until Terminate (or the main form closes).
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles one message, or does the idle work and waits for the next one when there is none.
    void HandleMessage();
    // Handles every message queued now.
    void ProcessMessages();
    // Handles the next queued message; false when there is none.
    bool ProcessMessage();
    // The idle work; true when nothing more is to be done until the next message.
    bool DoIdle();

    // What an exception raised while handling a message comes to: OnException, or the default error box.
    void HandleException(rtl::TObject* sender, std::exception_ptr error);
    // The default error box: the message (with a full stop added unless it ends in punctuation), the title, a stop
    // icon, an OK button.
    void ShowException(std::exception_ptr error);
    // A message box owned by the active window, with the other windows of the program disabled meanwhile.
    int32_t MessageBox(rtl::UnicodeStringView text, rtl::UnicodeStringView caption, uint32_t flags);
    // Runs show (a message box, a common dialog) as modal to the whole program: show gets the owner to give it (the
    // active window, or the application window), the program's windows are disabled while it runs, and the window
    // that was active is active again afterwards.
    void RunTaskModal(const std::function<void(HWND owner)>& show);

    // The hidden application window, created on first use.
    HWND Handle();
    TCustomForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }
    const rtl::UnicodeString& Title() const { return FTitle; }
    void SetTitle(rtl::UnicodeStringView value);
    // Whether one of the program's windows is the active window.
    bool Active() const { return FActive; }
    // The long hint of the control under the pointer (its own or its nearest parent's).
    const rtl::UnicodeString& Hint() const { return FHint; }
    void SetHint(rtl::UnicodeStringView value);

    // Hints of the controls under the pointer (see HintController.h).
    bool ShowHint() const { return FHints->ShowHint(); }
    void SetShowHint(bool value) { FHints->SetShowHint(value); }
    uint32_t HintPause() const { return FHints->HintPause(); }
    void SetHintPause(uint32_t value) { FHints->SetHintPause(value); }
    uint32_t HintHidePause() const { return FHints->HintHidePause(); }
    void SetHintHidePause(uint32_t value) { FHints->SetHintHidePause(value); }
    TColor HintColor() const { return FHints->HintColor(); }
    void SetHintColor(TColor value) { FHints->SetHintColor(value); }
    const TShowHintEvent& OnShowHint() const { return FHints->OnShowHint(); }
    void SetOnShowHint(TShowHintEvent handler) { FHints->SetOnShowHint(std::move(handler)); }
    void ActivateHint() { FHints->ActivateHint(); }
    void CancelHint() { FHints->CancelHint(); }
    // The window showing a hint now, or nullptr.
    THintWindow* HintWindow() const { return FHints->HintShowing() ? FHints->HintWindow() : nullptr; }

    const TIdleEvent& OnIdle() const { return FOnIdle; }
    void SetOnIdle(TIdleEvent handler) { FOnIdle = std::move(handler); }
    const TExceptionEvent& OnException() const { return FOnException; }
    void SetOnException(TExceptionEvent handler) { FOnException = std::move(handler); }
    const rtl::TNotifyEvent& OnActivate() const { return FOnActivate; }
    void SetOnActivate(rtl::TNotifyEvent handler) { FOnActivate = std::move(handler); }
    const rtl::TNotifyEvent& OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(rtl::TNotifyEvent handler) { FOnDeactivate = std::move(handler); }
    const rtl::TNotifyEvent& OnHint() const { return FOnHint; }
    void SetOnHint(rtl::TNotifyEvent handler) { FOnHint = std::move(handler); }

    // The program became active or inactive (WM_ACTIVATEAPP); fires OnActivate or OnDeactivate on a change.
    void SetActive(bool value);

protected:
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;

private:
    void WndProc(TMessage& message);
    bool IsKeyMessage(const tagMSG& msg);
    void UpdateMouseControl();
    void NotifyForms(uint32_t msg);

    HWND FHandle = nullptr;
    std::unique_ptr<THintController> FHints;
    TCustomForm* FMainForm = nullptr; // not owned here (owned as a component)
    bool FShowMainForm = true;
    bool FTerminated = false;
    bool FActive = false;
    rtl::UnicodeString FTitle;
    rtl::UnicodeString FHint;
    TIdleEvent FOnIdle;
    TExceptionEvent FOnException;
    rtl::TNotifyEvent FOnActivate;
    rtl::TNotifyEvent FOnDeactivate;
    rtl::TNotifyEvent FOnHint;
};

// The process's application, created on first use.
TApplication& Application();

// Disables every visible, enabled top-level window of this thread except keep; returns them for EnableTaskWindows.
std::vector<HWND> DisableTaskWindows(HWND keep);
void EnableTaskWindows(const std::vector<HWND>& windows);

// The part of a hint before "|" (the whole hint without one), and the part after it.
rtl::UnicodeString GetShortHint(rtl::UnicodeStringView hint);
rtl::UnicodeString GetLongHint(rtl::UnicodeStringView hint);

} // namespace vcl
