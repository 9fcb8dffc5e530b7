#pragma once
// The controls' listeners to the system: the settings controller tells every registered control that the non-client
// metrics (the scroll-bar sizes among them) changed, with the settings-changed message, through a hidden window that
// exists while any control is registered; the system controller is the hidden window of the controls unit itself.

#include "ui/core/controls/services/uiMessageWindows.h"

#include <cstdint>

namespace vcl {
class TWinControl;
} // namespace vcl

namespace ui {

// The message a control hears when the system's non-client metrics changed (WParam 0, LParam 0).
inline constexpr uint32_t UI_SETTINGSCHANGED = 0x8065;
// The message that runs the pending calls synchronised from worker threads.
inline constexpr uint32_t UI_SYNCHRONIZE = 0x8066;

// The controls that hear of changed system settings.
class TuiSettingsController {
public:
    TuiSettingsController() = default;
    ~TuiSettingsController();
    TuiSettingsController(const TuiSettingsController&) = delete;
    TuiSettingsController& operator=(const TuiSettingsController&) = delete;

    // Once per control; the first one makes the window.
    void AddListener(vcl::TWinControl* control);
    // The last one to leave frees the window.
    void RemoveListener(vcl::TWinControl* control);
    // The hidden window; nullptr while no control is registered.
    HWND Window() const;

private:
    class TListenerWindow;
    TListenerWindow* FWindow = nullptr; // owned
};

// The settings controller, made on the first request; nullptr once the controls unit has shut down.
TuiSettingsController* SettingsController();

// The controls unit's own hidden window. In a program (as opposed to a library loaded into one) the framework runs
// synchronised calls itself, so the window only answers by default.
class TuiSystemController final : public TuiMessageWindow {};

// Shows the hourglass as the screen cursor; nested pushes keep it until the outermost pop.
void PushHourglassCursor();
// Restores the cursor of before the outermost push; nothing when nothing was pushed.
void PopHourglassCursor();

namespace detail {
void FreeSettingsController();
} // namespace detail

} // namespace ui
