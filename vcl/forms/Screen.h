#pragma once
// TScreen: the program's view of the screen: its forms and which of them is active, the control with the focus,
// the cursor table and the screen cursor (the hourglass while working), the installed font families, the
// resolution, and the monitors with their work areas.

#include "rtl/core/Events.h"
#include "rtl/text/StringTypes.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <vector>

namespace vcl {

class TCustomForm;
class TWinControl;

// One monitor of the desktop.
struct TMonitor {
    HMONITOR Handle = nullptr;
    int32_t MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
};

enum TMonitorDefaultTo : uint8_t { mdNearest, mdNull, mdPrimary };

// The screen and the program's forms on it.
class TScreen {
public:
    TScreen() = default;
    TScreen(const TScreen&) = delete;
    TScreen& operator=(const TScreen&) = delete;

    // Forms, in creation order.
    int32_t FormCount() const { return static_cast<int32_t>(FForms.size()); }
    TCustomForm* Forms(int32_t index) const;
    // The form that was active last, and the control of that form that has the focus.
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const;

    // The screen cursor: while it is not crDefault every window of the program shows it.
    TCursor Cursor() const;
    void SetCursor(TCursor value);
    HCURSOR Cursors(TCursor index) const;
    void SetCursors(TCursor index, HCURSOR handle);

    // Face names of the installed font families, sorted, read once.
    const std::vector<rtl::UnicodeString>& Fonts();
    int32_t PixelsPerInch() const;
    int32_t Width() const;
    int32_t Height() const;
    TRect DesktopRect() const;
    // The work area of the primary monitor (the desktop less the task bar).
    TRect WorkAreaRect() const;

    int32_t MonitorCount() const { return static_cast<int32_t>(Monitors().size()); }
    // The monitors as they are now.
    std::vector<TMonitor> Monitors() const;
    TMonitor MonitorFromPoint(TPoint point, TMonitorDefaultTo defaultTo = mdNearest) const;
    TMonitor MonitorFromWindow(HWND window, TMonitorDefaultTo defaultTo = mdNearest) const;
    TMonitor MonitorFromRect(const TRect& rect, TMonitorDefaultTo defaultTo = mdNearest) const;

    const rtl::TNotifyEvent& OnActiveFormChange() const { return FOnActiveFormChange; }
    void SetOnActiveFormChange(rtl::TNotifyEvent handler) { FOnActiveFormChange = std::move(handler); }
    const rtl::TNotifyEvent& OnActiveControlChange() const { return FOnActiveControlChange; }
    void SetOnActiveControlChange(rtl::TNotifyEvent handler) { FOnActiveControlChange = std::move(handler); }

    // For the forms: they register themselves, and report activation and focus.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);
    // The focus moved within the active form: fires OnActiveControlChange when the active control differs.
    void ActiveControlChanged();

private:
    std::vector<TCustomForm*> FForms; // not owned
    TCustomForm* FActiveForm = nullptr;
    // Only compared, never used: the active control last announced.
    const void* FAnnouncedActiveControl = nullptr;
    std::vector<rtl::UnicodeString> FFonts;
    rtl::TNotifyEvent FOnActiveFormChange;
    rtl::TNotifyEvent FOnActiveControlChange;
};

// The process's screen.
TScreen& Screen();

} // namespace vcl
