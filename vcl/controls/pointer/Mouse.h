#pragma once
// The mouse as the controls see it: TMouse (the system's drag threshold and wheel settings, the cursor position and
// the window holding the capture), the control that holds the capture (a graphic control captures through its
// parent's window), and the control under the pointer, which hears CM_MOUSEENTER when the pointer reaches it and
// CM_MOUSELEAVE when the pointer moves on, each once.

#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

class TControl;
class TWinControl;

// The system's mouse settings and state.
class TMouse {
public:
    TMouse();

    // How far (pixels, either axis) the pointer moves with a button held before a drag begins.
    int32_t DragThreshold() const { return FDragThreshold; }
    void SetDragThreshold(int32_t value) { FDragThreshold = value; }
    // Whether a drag begins at once on a press instead of after the threshold.
    bool DragImmediate() const { return FDragImmediate; }
    void SetDragImmediate(bool value) { FDragImmediate = value; }
    // Lines one wheel notch scrolls (the system setting; read again by SettingChanged).
    int32_t WheelScrollLines() const { return FWheelScrollLines; }
    bool WheelPresent() const { return FWheelPresent; }
    TPoint CursorPos() const;
    void SetCursorPos(TPoint point);
    // The window holding the mouse capture (of this thread), or nullptr.
    HWND Capture() const;
    void SetCapture(HWND window);
    // Reads the system settings again (after WM_SETTINGCHANGE).
    void SettingChanged();

private:
    int32_t FDragThreshold = 5;
    bool FDragImmediate = true;
    int32_t FWheelScrollLines = 3;
    bool FWheelPresent = false;
};

// The process's mouse.
TMouse& Mouse();

// The control holding the mouse capture: a graphic control through its parent's window, or the control whose window
// holds it; nullptr when none does.
TControl* CaptureControl();
// Gives control the capture (nullptr releases it).
void SetCaptureControl(TControl* control);

// The control under the pointer as the framework last saw it.
TControl* MouseControl();
// Makes control the one under the pointer: the previous one gets CM_MOUSELEAVE and the new one CM_MOUSEENTER
// (LParam 0), nothing when it is already the one.
void SetMouseControl(TControl* control);

// The control whose window lies under a screen point (a window inside a control counts as the control).
TWinControl* FindVCLWindow(TPoint screenPoint);
// The innermost control under a screen point, graphic controls included (disabled ones with allowDisabled).
TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled);

// Forgets a control that is being destroyed (capture and pointer).
void ControlDestroyed(TControl* control);

} // namespace vcl
