#pragma once
// Hidden windows that receive messages for the UI library's process-wide services: a TuiMessageWindow hands each
// message of its window to the overridable HandleMessage. The timers' window and the system controller derive from it;
// one plain instance is shared (popups that must not take the focus use it as their parent window).

#include "vcl/system/Messages.h"
#include "vcl/system/WinTypes.h"

namespace ui {

// A hidden window whose messages go to HandleMessage.
class TuiMessageWindow {
public:
    TuiMessageWindow();
    virtual ~TuiMessageWindow();
    TuiMessageWindow(const TuiMessageWindow&) = delete;
    TuiMessageWindow& operator=(const TuiMessageWindow&) = delete;

    HWND Handle() const { return FHandle; }

protected:
    // Here the default window procedure answers.
    virtual void HandleMessage(vcl::TMessage& message);
    void DefaultHandling(vcl::TMessage& message) const;

private:
    HWND FHandle = nullptr;
};

// The shared plain message window, made on the first request; nullptr once the controls unit has shut down.
TuiMessageWindow* SharedMessageWindow();

namespace detail {
// Frees the shared message window (the controls unit's shut-down).
void FreeSharedMessageWindow();
} // namespace detail

} // namespace ui
